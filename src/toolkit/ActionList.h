// Actions and action lists. An action holds the caption, hint, picture and
// state of one command and runs it; the controls bound to it (toolbar
// buttons) follow every change of the action.
#pragma once

#include "toolkit/ChangeLinks.h"
#include "toolkit/Component.h"

#include <vector>

class TActionList;
class TImageList;

class TAction : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TAction(TComponent* owner);
  ~TAction() override;

  // The list the action belongs to; setting it moves the action there.
  TActionList* ActionList() const { return m_actionList; }
  void SetActionList(TActionList* list);
  // The position in the action list, or -1.
  int Index() const;

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& value);
  QString Hint() const { return m_hint; }
  void SetHint(const QString& value);
  // A picture of the action list's images; -1 for none.
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value);
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool value);
  bool Visible() const { return m_visible; }
  void SetVisible(bool value);
  bool Checked() const { return m_checked; }
  void SetChecked(bool value);

  // Runs OnExecute when the action is enabled and has one; true when it ran.
  bool Execute();
  TNotifyEvent OnExecute;
  TNotifyEvent GetOnExecute() const { return OnExecute; }
  void SetOnExecute(TNotifyEvent e) { OnExecute = std::move(e); }

  // Clients follow every change of the action.
  void RegisterChanges(TComponent* client, std::function<void()> changed);
  void UnRegisterChanges(TComponent* client);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TActionList;
  void Change();

  TActionList* m_actionList = nullptr;
  QString m_caption;
  QString m_hint;
  int m_imageIndex = -1;
  bool m_enabled = true;
  bool m_visible = true;
  bool m_checked = false;
  TChangeLinks m_links;
};

class TActionList : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TActionList(TComponent* owner);
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(m_actions.size()); }
  // EListError "List index out of bounds (%d)" outside 0 .. ActionCount - 1.
  TAction* Actions(int index) const;
  int IndexOfAction(const TAction* action) const;

  // The pictures the actions' ImageIndex refers to.
  TImageList* Images() const { return m_images; }
  void SetImages(TImageList* value);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TAction;
  void AddAction(TAction* action);
  void RemoveAction(TAction* action);

  std::vector<TAction*> m_actions;
  TImageList* m_images = nullptr;
};
