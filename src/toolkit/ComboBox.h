// The combo box: an edit field or a fixed choice with a drop-down list.
#pragma once

#include "toolkit/Strings.h"
#include "toolkit/WinControl.h"

#include <QPointer>

class QComboBox;
class QLineEdit;

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
const TTypeInfo& ComboBoxStyleType();

class TCustomComboBox : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TStrings& Items() { return *m_items; }
  TStrings* ItemsObject() const { return m_items.get(); }
  void SetItems(TStrings* v) { m_items->Assign(v); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return m_style; }
  void SetStyle(TComboBoxStyle v);
  bool Sorted() const { return m_items->Sorted(); }
  void SetSorted(bool v) { m_items->SetSorted(v); }
  int DropDownCount() const { return m_dropDownCount; }
  void SetDropDownCount(int v);
  int ItemHeight() const { return m_itemHeight; }
  void SetItemHeight(int v) { m_itemHeight = v; }
  // Typing opens the list.
  bool AutoDropDown() const { return m_autoDropDown; }
  void SetAutoDropDown(bool v) { m_autoDropDown = v; }
  int MaxLength() const { return m_maxLength; }
  void SetMaxLength(int v);
  bool DroppedDown() const;
  void SetDroppedDown(bool v);
  QString GetText() const override;
  QComboBox* Combo() const;

  // Fires when the user changes the text or picks an item; not when the
  // program sets them.
  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent e) { OnChange = std::move(e); }

 protected:
  virtual void Change();
  virtual void Select();
  void TextChanged() override;
  void SyncColor() override;
  bool WndProc(TMessage& message) override;
  // Copies the items to the widget, keeping the text or the chosen item.
  void RefillWidget();

 private:
  void WatchLineEdit();
  QPointer<QLineEdit> m_watchedEdit;
  std::unique_ptr<TStringList> m_items;
  TComboBoxStyle m_style = TComboBoxStyle::csDropDown;
  int m_dropDownCount = 8;
  int m_itemHeight = 13;
  bool m_autoDropDown = false;
  int m_maxLength = 0;
  bool m_filling = false;
};

class TComboBox : public TCustomComboBox {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};
