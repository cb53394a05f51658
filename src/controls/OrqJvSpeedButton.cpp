#include "controls/OrqJvSpeedButton.h"

void FocusOnPress(TWinControl* control) {
  if (control && control->TabStop() && control->CanFocus() && !control->Focused()) control->SetFocus();
}

const TClassInfo& TOrqJvSpeedButton::StaticClass() {
  static const TClassInfo info("TOrqJvSpeedButton", &TGraphicControl::StaticClass());
  return info;
}

TOrqJvSpeedButton::TOrqJvSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetClickEvents(false);
  SetColor(clBtnFace);
}

TOrqJvSpeedButton::~TOrqJvSpeedButton() {
  if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
}

void TOrqJvSpeedButton::SetFocusControl(TWinControl* control) {
  if (control == m_focusControl) return;
  if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
  m_focusControl = control;
  if (control) control->FreeNotification(this);
}

void TOrqJvSpeedButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_focusControl) m_focusControl = nullptr;
}

bool TOrqJvSpeedButton::WndProc(TMessage& message) {
  const bool left = message.Button == TMouseButton::mbLeft;
  switch (message.Kind) {
    case TMessageKind::MouseEnter:
    case TMessageKind::MouseLeave:
      m_hot = message.Kind == TMessageKind::MouseEnter;
      Invalidate();
      break;
    case TMessageKind::MouseDown:
    case TMessageKind::MouseDblClick:
      if (left && Widget()->isEnabled()) {
        FocusOnPress(m_focusControl);
        m_tracking = true;
        m_pressed = true;
        Invalidate();
      }
      break;
    case TMessageKind::MouseMove:
      if (m_tracking) {
        const bool inside = QRect(0, 0, Width(), Height()).contains(message.Pos);
        if (inside != m_pressed) {
          m_pressed = inside;
          Invalidate();
        }
      }
      break;
    case TMessageKind::MouseUp: {
      const bool click = left && m_tracking && m_pressed;
      if (left && m_tracking) {
        m_tracking = false;
        m_pressed = false;
        Invalidate();
      }
      MouseUp(message.Button, message.Shift, message.Pos.x(), message.Pos.y());
      if (click) Click();
      return false;
    }
    default:
      break;
  }
  return TGraphicControl::WndProc(message);
}
