// The extended combo box of the movie panel's list fields. It keeps the
// settings of its check-list popup and button bar; today it behaves as a
// plain combo box with an edit field.
#pragma once

#include "toolkit/ComboBox.h"

enum class TCBXButton { cbxbEdit, cbxbNew, cbxbDelete, cbxbUp, cbxbDown, cbxbPin };
using TCBXButtons = TSet<TCBXButton>;
const TTypeInfo& CBXButtonsType();

class TCustomComboBoxX : public TCustomComboBox {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TCustomComboBoxX(TComponent* owner);

  // csSimple is refused: the style stays as it was.
  void SetStyleX(TComboBoxStyle style);
  bool PinDown() const { return m_pinDown; }
  void SetPinDown(bool v) { m_pinDown = v; }
  bool ItemDrag() const { return m_itemDrag; }
  void SetItemDrag(bool v) { m_itemDrag = v; }
  bool AutoScroll() const { return m_autoScroll; }
  void SetAutoScroll(bool v) { m_autoScroll = v; }
  bool MultiSelect() const { return m_multiSelect; }
  // Item dragging is the opposite of multiple selection.
  void SetMultiSelect(bool v);
  int PopupListWidth() const { return m_popupListWidth; }
  void SetPopupListWidth(int v) { m_popupListWidth = v; }
  TCBXButtons Buttons() const { return m_buttons; }
  void SetButtons(TCBXButtons v) { m_buttons = v; }
  QString ButtonHint() const { return m_buttonHint; }
  void SetButtonHint(const QString& v) { m_buttonHint = v; }
  QChar Delimiter() const { return m_delimiter; }
  void SetDelimiter(QChar v) { m_delimiter = v; }

 private:
  bool m_pinDown = false;
  bool m_itemDrag = true;
  bool m_autoScroll = true;
  bool m_multiSelect = false;
  int m_popupListWidth = 0;
  TCBXButtons m_buttons{TCBXButton::cbxbEdit, TCBXButton::cbxbNew, TCBXButton::cbxbDelete,
                        TCBXButton::cbxbUp, TCBXButton::cbxbDown, TCBXButton::cbxbPin};
  QString m_buttonHint = QStringLiteral("Edit,New,Delete,Up,Down,Pin");
  QChar m_delimiter = QLatin1Char(',');
};

class TComboBoxX : public TCustomComboBoxX {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TComboBoxX(TComponent* owner) : TCustomComboBoxX(owner) {}
};
