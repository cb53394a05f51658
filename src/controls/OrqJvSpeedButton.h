// A button without a window of its own, as the edit controls and the combo
// box's bar use them: pressed while the left button is held over it, clicked
// when released over it, hot while the pointer is over it.
#pragma once

#include "toolkit/WinControl.h"

class TOrqJvSpeedButton : public TGraphicControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvSpeedButton(TComponent* owner);
  ~TOrqJvSpeedButton() override;

  // Held down with the pointer over it.
  bool Pressed() const { return m_pressed; }
  bool Hot() const { return m_hot; }
  // The control that takes the focus when the button is pressed.
  TWinControl* FocusControl() const { return m_focusControl; }
  void SetFocusControl(TWinControl* control);

 protected:
  // The click comes last, after everything of the button is done: a handler
  // may free the button (and the control it belongs to).
  bool WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool m_pressed = false;
  bool m_tracking = false;
  bool m_hot = false;
  TWinControl* m_focusControl = nullptr;
};

// Gives a control the focus for a press on one of its buttons: when it is a
// tab stop, can take the focus and has not got it yet.
void FocusOnPress(TWinControl* control);
