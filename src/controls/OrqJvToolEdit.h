// The edit box with a button built into its right end (the movie panel's
// address field).
#pragma once

#include "toolkit/Edit.h"

class QToolButton;

enum class TJvImageKind { ikCustom, ikDefault, ikDropDown, ikEllipsis };
const TTypeInfo& JvImageKindType();

class TOrqJvCustomComboEdit : public TEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvCustomComboEdit(TComponent* owner);

  bool ButtonFlat() const { return m_buttonFlat; }
  void SetButtonFlat(bool v);
  QString ButtonHint() const { return m_buttonHint; }
  void SetButtonHint(const QString& v);
  // 21 by default; with ikDropDown the width of a vertical scroll bar.
  int ButtonWidth() const;
  void SetButtonWidth(int v);
  TJvImageKind ImageKind() const { return m_imageKind; }
  void SetImageKind(TJvImageKind v);
  // Off: the text cannot be typed.
  bool DirectInput() const { return m_directInput; }
  void SetDirectInput(bool v);
  // Alt+Down presses the button.
  uint16_t ClickKey() const { return m_clickKey; }
  void SetClickKey(uint16_t v) { m_clickKey = v; }
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment v);
  QToolButton* Button() const { return m_button; }
  // Presses the button: runs OnButtonClick.
  void DoClick();

  TNotifyEvent OnButtonClick;
  TNotifyEvent GetOnButtonClick() const { return OnButtonClick; }
  void SetOnButtonClick(TNotifyEvent e) { OnButtonClick = std::move(e); }

 protected:
  bool WndProc(TMessage& message) override;
  void BoundsChanged(bool sizeChanged) override;

 private:
  void PlaceButton();
  QToolButton* m_button;
  bool m_buttonFlat = false;
  QString m_buttonHint;
  int m_buttonWidth = 0;
  TJvImageKind m_imageKind = TJvImageKind::ikCustom;
  bool m_directInput = true;
  uint16_t m_clickKey = 0x8028;
  TAlignment m_alignment = TAlignment::taLeftJustify;
};

class TOrqJvComboEdit : public TOrqJvCustomComboEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvComboEdit(TComponent* owner) : TOrqJvCustomComboEdit(owner) {}
};

class TOrqJvComboEditXP : public TOrqJvComboEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvComboEditXP(TComponent* owner) : TOrqJvComboEdit(owner) {}
};
