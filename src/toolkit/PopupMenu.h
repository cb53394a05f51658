// Popup menus with their items.
#pragma once

#include "toolkit/Component.h"

#include <QPointer>

#include <cstdint>

class QMenu;

class TMenuItem : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TMenuItem(TComponent* owner) : TComponent(owner) {}

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& v) { m_caption = v; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool v) { m_enabled = v; }
  bool Checked() const { return m_checked; }
  void SetChecked(bool v) { m_checked = v; }
  bool Visible() const { return m_visible; }
  void SetVisible(bool v) { m_visible = v; }
  // The keys of the item's command, shown beside its caption ("Ctrl+Z");
  // whoever owns the command handles the keys. 0 for none.
  uint16_t ShortCut() const { return m_shortCut; }
  void SetShortCut(uint16_t v) { m_shortCut = v; }
  TNotifyEvent GetOnClick() const { return OnClick; }
  void SetOnClick(TNotifyEvent e) { OnClick = std::move(e); }
  void Click();
  TNotifyEvent OnClick;

 private:
  QString m_caption;
  bool m_enabled = true;
  bool m_checked = false;
  bool m_visible = true;
  uint16_t m_shortCut = 0;
};

class TPopupMenu : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // The items are the menu items this menu owns, in ownership order.
  TMenuItem* AddItem(const QString& caption, TNotifyEvent onClick);
  bool AutoPopup() const { return m_autoPopup; }
  void SetAutoPopup(bool v) { m_autoPopup = v; }
  TComponent* PopupComponent() const { return m_popupComponent; }
  void SetPopupComponent(TComponent* c) { m_popupComponent = c; }
  // Shows the menu at a screen point.
  void Popup(int x, int y);
  // The menu on the screen since the last Popup; nullptr before.
  QMenu* Menu() const;
  TNotifyEvent OnPopup;

 private:
  bool m_autoPopup = true;
  TComponent* m_popupComponent = nullptr;
  QPointer<QMenu> m_menu;
};
