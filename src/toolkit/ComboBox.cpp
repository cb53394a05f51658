#include "toolkit/ComboBox.h"

#include "toolkit/Application.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

const TTypeInfo& ComboBoxStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration(
      "TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
  return info;
}

const TClassInfo& TCustomComboBox::StaticClass() {
  static const TClassInfo info("TCustomComboBox", &TWinControl::StaticClass());
  return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner), m_items(std::make_unique<TStringList>()) {
  auto* combo = new QComboBox;
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), [this, combo](int index) {
    if (m_filling) return;
    m_text = combo->itemText(index);
    Application().Guard([this] {
      Change();
      Select();
    });
  });
  m_items->OnChange = [this](TObject*) { RefillWidget(); };
  AttachWidget(combo);
  WatchLineEdit();
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() { m_items->OnChange = nullptr; }

void TCustomComboBox::WatchLineEdit() {
  QLineEdit* edit = Combo()->lineEdit();
  if (!edit || edit == m_watchedEdit) return;
  m_watchedEdit = edit;
  // The text follows the typing.
  QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& text) {
    m_text = text;
    Application().Guard([this] { Change(); });
  });
}

QComboBox* TCustomComboBox::Combo() const { return static_cast<QComboBox*>(Widget()); }

void TCustomComboBox::RefillWidget() {
  m_filling = true;
  QComboBox* combo = Combo();
  const QString text = m_text;
  combo->clear();
  combo->addItems(m_items->ToStringList());
  combo->setCurrentIndex(m_items->IndexOf(text));
  if (combo->isEditable()) combo->setEditText(text);
  m_filling = false;
}

int TCustomComboBox::ItemIndex() const {
  const int index = Combo()->currentIndex();
  if (index < 0 || index >= m_items->Count()) return -1;
  // An edited text that no longer matches the chosen item means no item.
  return Combo()->isEditable() && m_items->Get(index) != m_text ? -1 : index;
}

void TCustomComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= m_items->Count()) index = -1;
  m_filling = true;
  Combo()->setCurrentIndex(index);
  m_text = index >= 0 ? m_items->Get(index) : QString();
  if (Combo()->isEditable()) Combo()->setEditText(m_text);
  m_filling = false;
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
  m_style = v;
  const bool editable = v == TComboBoxStyle::csDropDown || v == TComboBoxStyle::csSimple;
  m_filling = true;
  Combo()->setEditable(editable);
  m_filling = false;
  if (editable) {
    WatchLineEdit();
    SetMaxLength(m_maxLength);
  } else if (m_items->IndexOf(m_text) < 0) {
    m_text.clear();
  }
  RefillWidget();
}

void TCustomComboBox::SetDropDownCount(int v) {
  m_dropDownCount = v;
  Combo()->setMaxVisibleItems(std::max(1, v));
}

void TCustomComboBox::SetMaxLength(int v) {
  m_maxLength = v;
  if (QLineEdit* edit = Combo()->lineEdit()) edit->setMaxLength(v > 0 ? v : 32767);
}

bool TCustomComboBox::DroppedDown() const { return Combo()->view() && Combo()->view()->isVisible(); }

void TCustomComboBox::SetDroppedDown(bool v) {
  if (IsDesigning()) return;
  if (v) {
    if (OnDropDown) OnDropDown(this);
    Combo()->showPopup();
  } else {
    Combo()->hidePopup();
  }
}

QString TCustomComboBox::GetText() const { return m_text; }

void TCustomComboBox::TextChanged() {
  m_filling = true;
  if (Combo()->isEditable()) {
    Combo()->setEditText(m_text);
    Combo()->setCurrentIndex(m_items->IndexOf(m_text));
    Combo()->setEditText(m_text);
  } else {
    Combo()->setCurrentIndex(m_items->IndexOf(m_text));
  }
  m_filling = false;
}

void TCustomComboBox::SyncColor() { ApplyPalette(QPalette::Base, false); }

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
}

bool TCustomComboBox::WndProc(TMessage& m) {
  const bool consumed = TWinControl::WndProc(m);
  if (!consumed && m_autoDropDown && m.Kind == TMessageKind::Char && m.Char.isPrint() && !DroppedDown())
    SetDroppedDown(true);
  return consumed;
}

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info("TComboBox", &TCustomComboBox::StaticClass(), [](TClassInfo& c) {
    Publisher<TComboBox>(c).Creatable();
    PublishStandard(c, {kPlacing, kLook, kTabbing, "Text", "Visible", kClicks, kFocusEvents, kKeyEvents});
    Publisher<TComboBox>(c)
        .Prop("AutoDropDown", Types::Boolean(), &TComboBox::AutoDropDown, &TComboBox::SetAutoDropDown)
        .Prop("DropDownCount", Types::Integer(), &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
        .Prop("ItemHeight", Types::Integer(), &TComboBox::ItemHeight, &TComboBox::SetItemHeight)
        .Prop("ItemIndex", Types::Integer(), &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
        .Prop("Items", TStrings::StaticClass().TypeInfo(), &TComboBox::ItemsObject, &TComboBox::SetItems)
        .Prop("MaxLength", Types::Integer(), &TComboBox::MaxLength, &TComboBox::SetMaxLength)
        .Prop("Sorted", Types::Boolean(), &TComboBox::Sorted, &TComboBox::SetSorted)
        .Prop("Style", ComboBoxStyleType(), &TComboBox::Style, &TComboBox::SetStyle)
        .Prop("OnChange", Types::Method(), &TComboBox::GetOnChange, &TComboBox::SetOnChange);
  });
  return info;
}
