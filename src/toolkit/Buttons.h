// Buttons: the push button (optionally drawn by its class), the check box and
// the radio button. Each reports its own clicks.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/WinControl.h"

class QAbstractButton;

// What an owner-drawn push button looks like at the moment it paints.
struct TButtonDrawState {
  bool pressed = false;
  bool hot = false;
  bool focused = false;
  bool isDefault = false;
  bool enabled = true;
};

class TButton : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TButton(TComponent* owner);

  // Enter in the window clicks the default button, Escape the cancel button.
  bool Default() const { return m_default; }
  void SetDefault(bool v);
  bool Cancel() const { return m_cancel; }
  void SetCancel(bool v) { m_cancel = v; }
  int ModalResult() const { return m_modalResult; }
  void SetModalResult(int v) { m_modalResult = v; }
  // Sets the window's modal result, then fires OnClick.
  void Click() override;
  bool DialogKey(uint16_t key) override;
  // Whether the button is currently the one Enter would click.
  bool Active() const;

 protected:
  void TextChanged() override;
  // An owner-drawn button hands every paint to DrawButton.
  void SetOwnerDraw(bool value);
  bool OwnerDraw() const { return m_ownerDraw; }
  virtual void DrawButton(TCanvas& canvas, const TButtonDrawState& state);

 private:
  friend class TButtonWidget;
  void PaintButton(QPainter& painter);
  bool m_default = false;
  bool m_cancel = false;
  int m_modalResult = 0;
  bool m_ownerDraw = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TCheckBox(TComponent* owner);

  bool Checked() const { return m_state == TCheckBoxState::cbChecked; }
  // A change fires OnClick, whether the user or the program made it.
  void SetChecked(bool v) { SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const { return m_state; }
  void SetState(TCheckBoxState v);
  bool AllowGrayed() const { return m_allowGrayed; }
  void SetAllowGrayed(bool v);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment v);

 protected:
  void TextChanged() override;

 private:
  TCheckBoxState m_state = TCheckBoxState::cbUnchecked;
  bool m_allowGrayed = false;
  TAlignment m_alignment = TAlignment::taRightJustify;
  bool m_syncing = false;
};

class TRadioButton : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TRadioButton(TComponent* owner);

  bool Checked() const { return m_checked; }
  // Checking a radio button clears the other radio buttons of its parent.
  void SetChecked(bool v);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment v);

 protected:
  void TextChanged() override;

 private:
  bool m_checked = false;
  TAlignment m_alignment = TAlignment::taRightJustify;
  bool m_syncing = false;
};
