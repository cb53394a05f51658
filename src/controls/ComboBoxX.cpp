#include "controls/ComboBoxX.h"

const TTypeInfo& CBXButtonsType() {
  static const TTypeInfo element = TTypeInfo::Enumeration(
      "TCBXButton", {"cbxbEdit", "cbxbNew", "cbxbDelete", "cbxbUp", "cbxbDown", "cbxbPin"});
  static const TTypeInfo info = TTypeInfo::Set("TCBXButtons", element);
  return info;
}

const TClassInfo& TCustomComboBoxX::StaticClass() {
  static const TClassInfo info("TCustomComboBoxX", &TCustomComboBox::StaticClass());
  return info;
}

TCustomComboBoxX::TCustomComboBoxX(TComponent* owner) : TCustomComboBox(owner) { SetDropDownCount(7); }

void TCustomComboBoxX::SetStyleX(TComboBoxStyle style) {
  if (style == TComboBoxStyle::csSimple) return;
  SetStyle(style);
}

void TCustomComboBoxX::SetMultiSelect(bool v) {
  m_multiSelect = v;
  m_itemDrag = !v;
}

const TClassInfo& TComboBoxX::StaticClass() {
  static const TClassInfo info("TComboBoxX", &TCustomComboBoxX::StaticClass(), [](TClassInfo& c) {
    Publisher<TComboBoxX>(c)
        .Creatable()
        .Prop("Style", ComboBoxStyleType(), &TComboBoxX::Style, &TComboBoxX::SetStyleX)
        .Prop("Items", TStrings::StaticClass().TypeInfo(), &TComboBoxX::ItemsObject, &TComboBoxX::SetItems)
        .Prop("PinDown", Types::Boolean(), &TComboBoxX::PinDown, &TComboBoxX::SetPinDown)
        .Prop("ItemDrag", Types::Boolean(), &TComboBoxX::ItemDrag, &TComboBoxX::SetItemDrag)
        .Prop("AutoScroll", Types::Boolean(), &TComboBoxX::AutoScroll, &TComboBoxX::SetAutoScroll)
        .Prop("ItemHeight", Types::Integer(), &TComboBoxX::ItemHeight, &TComboBoxX::SetItemHeight)
        .Prop("DropDownCount", Types::Integer(), &TComboBoxX::DropDownCount, &TComboBoxX::SetDropDownCount)
        .Prop("MultiSelect", Types::Boolean(), &TComboBoxX::MultiSelect, &TComboBoxX::SetMultiSelect)
        .Prop("PopupListWidth", Types::Integer(), &TComboBoxX::PopupListWidth, &TComboBoxX::SetPopupListWidth)
        .Prop("Buttons", CBXButtonsType(), &TComboBoxX::Buttons, &TComboBoxX::SetButtons)
        .Prop("ButtonHint", Types::String(), &TComboBoxX::ButtonHint, &TComboBoxX::SetButtonHint);
    PublishStandard(c, {"ShowHint", "Text", "Anchors", "Color", "Constraints", "Enabled", "Font", "ParentColor",
                        "ParentFont", "ParentShowHint", "PopupMenu", "TabOrder", "TabStop", "Visible", "OnClick",
                        "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
    Publisher<TComboBoxX>(c)
        .Prop("MaxLength", Types::Integer(), &TComboBoxX::MaxLength, &TComboBoxX::SetMaxLength)
        .Prop("OnChange", Types::Method(), &TComboBoxX::GetOnChange, &TComboBoxX::SetOnChange)
        .Prop("Delimiter", Types::Char(), [](const TComboBoxX& x) { return static_cast<uint8_t>(x.Delimiter().unicode()); },
              [](TComboBoxX& x, uint8_t v) { x.SetDelimiter(QChar(v)); });
  });
  return info;
}
