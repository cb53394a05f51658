#include "controls/OrqJvToolEdit.h"

#include "toolkit/Application.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

const TTypeInfo& JvImageKindType() {
  static const TTypeInfo info =
      TTypeInfo::Enumeration("TJvImageKind", {"ikCustom", "ikDefault", "ikDropDown", "ikEllipsis"});
  return info;
}

const TClassInfo& TOrqJvCustomComboEdit::StaticClass() {
  static const TClassInfo info("TOrqJvCustomComboEdit", &TEdit::StaticClass());
  return info;
}

TOrqJvCustomComboEdit::TOrqJvCustomComboEdit(TComponent* owner) : TEdit(owner), m_button(new QToolButton(LineEdit())) {
  m_button->setFocusPolicy(Qt::NoFocus);
  m_button->setCursor(Qt::ArrowCursor);
  QObject::connect(m_button, &QToolButton::clicked, [this] { Application().Guard([this] { DoClick(); }); });
  SetImageKind(TJvImageKind::ikCustom);
}

int TOrqJvCustomComboEdit::ButtonWidth() const {
  if (m_buttonWidth > 0) return m_buttonWidth;
  if (m_imageKind == TJvImageKind::ikDropDown) return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return 21;
}

void TOrqJvCustomComboEdit::SetButtonWidth(int v) {
  m_buttonWidth = v;
  PlaceButton();
}

void TOrqJvCustomComboEdit::SetButtonFlat(bool v) {
  m_buttonFlat = v;
  m_button->setAutoRaise(v);
}

void TOrqJvCustomComboEdit::SetButtonHint(const QString& v) {
  m_buttonHint = v;
  m_button->setToolTip(v);
}

void TOrqJvCustomComboEdit::SetImageKind(TJvImageKind v) {
  m_imageKind = v;
  m_button->setArrowType(v == TJvImageKind::ikDropDown ? Qt::DownArrow : Qt::NoArrow);
  m_button->setText(v == TJvImageKind::ikEllipsis ? QStringLiteral("...") : QString());
  PlaceButton();
}

void TOrqJvCustomComboEdit::SetDirectInput(bool v) {
  m_directInput = v;
  LineEdit()->setReadOnly(!v || ReadOnly());
}

void TOrqJvCustomComboEdit::SetAlignment(TAlignment v) {
  m_alignment = v;
  LineEdit()->setAlignment(v == TAlignment::taRightJustify ? Qt::AlignRight
                           : v == TAlignment::taCenter     ? Qt::AlignHCenter
                                                           : Qt::AlignLeft);
}

void TOrqJvCustomComboEdit::PlaceButton() {
  const int w = ButtonWidth();
  const int frame = 2;
  m_button->setGeometry(Width() - w - frame, frame, w, std::max(0, Height() - 2 * frame));
  LineEdit()->setTextMargins(0, 0, w, 0);
}

void TOrqJvCustomComboEdit::BoundsChanged(bool sizeChanged) {
  TEdit::BoundsChanged(sizeChanged);
  if (sizeChanged) PlaceButton();
}

void TOrqJvCustomComboEdit::DoClick() {
  if (OnButtonClick) OnButtonClick(this);
}

bool TOrqJvCustomComboEdit::WndProc(TMessage& m) {
  if (m.Kind == TMessageKind::SysKeyDown || m.Kind == TMessageKind::KeyDown) {
    // The click key: key code in the low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
    uint16_t code = m.Key;
    if (m.Shift.Contains(TShiftStateFlag::ssShift)) code |= 0x2000;
    if (m.Shift.Contains(TShiftStateFlag::ssCtrl)) code |= 0x4000;
    if (m.Shift.Contains(TShiftStateFlag::ssAlt)) code |= 0x8000;
    if (m_clickKey != 0 && code == m_clickKey) {
      DoClick();
      return true;
    }
  }
  return TEdit::WndProc(m);
}

const TClassInfo& TOrqJvComboEdit::StaticClass() {
  static const TClassInfo info("TOrqJvComboEdit", &TOrqJvCustomComboEdit::StaticClass(), [](TClassInfo& c) {
    Publisher<TOrqJvComboEdit>(c)
        .Creatable()
        .Prop("Alignment", AlignmentType(), &TOrqJvComboEdit::Alignment, &TOrqJvComboEdit::SetAlignment)
        .Prop("ButtonFlat", Types::Boolean(), &TOrqJvComboEdit::ButtonFlat, &TOrqJvComboEdit::SetButtonFlat)
        .Prop("ButtonHint", Types::String(), &TOrqJvComboEdit::ButtonHint, &TOrqJvComboEdit::SetButtonHint)
        .Prop("ButtonWidth", Types::Integer(), &TOrqJvComboEdit::ButtonWidth, &TOrqJvComboEdit::SetButtonWidth)
        .Prop("ClickKey", Types::TShortCut(), &TOrqJvComboEdit::ClickKey, &TOrqJvComboEdit::SetClickKey)
        .Prop("DirectInput", Types::Boolean(), &TOrqJvComboEdit::DirectInput, &TOrqJvComboEdit::SetDirectInput)
        .Prop("ImageKind", JvImageKindType(), &TOrqJvComboEdit::ImageKind, &TOrqJvComboEdit::SetImageKind)
        .Prop("OnButtonClick", Types::Method(), &TOrqJvComboEdit::GetOnButtonClick,
              &TOrqJvComboEdit::SetOnButtonClick);
  });
  return info;
}

const TClassInfo& TOrqJvComboEditXP::StaticClass() {
  static const TClassInfo info("TOrqJvComboEditXP", &TOrqJvComboEdit::StaticClass(),
                               [](TClassInfo& c) { Publisher<TOrqJvComboEditXP>(c).Creatable(); });
  return info;
}
