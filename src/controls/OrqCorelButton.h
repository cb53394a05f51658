// The dialogs' push button. With the platform's themes on it is an ordinary
// themed button. In the classic look it draws itself flat: a thin raised
// border, a stronger raised border while the mouse is over it, a sunken one
// while pressed, a frame as the default or focused button, and an embossed
// caption when disabled.
#pragma once

#include "toolkit/Buttons.h"

class TCorelButton : public TButton {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Takes the look the program runs with (see ThemesEnabled).
  explicit TCorelButton(TComponent* owner);

  // Whether the platform's themes are on. Decided once, at the first
  // question: the classic look belongs to Qt's unthemed "Windows" style, any
  // other application style counts as themed. Setting it decides it for the
  // buttons made afterwards.
  static bool ThemesEnabled();
  static void SetThemesEnabled(bool value);

  // True when the button draws itself.
  bool ClassicLook() const { return OwnerDraw(); }
  // The mouse was over the button at its last drawing.
  bool Hot() const { return m_hot; }

 protected:
  void DrawButton(TCanvas& canvas, const TButtonDrawState& state) override;
  // A double click is taken as a second press of the left button.
  bool WndProc(TMessage& message) override;
  void EnabledChanged() override { Invalidate(); }

 private:
  bool m_hot = false;
};
