// The spin edit: a one-line numeric edit box with a small spin button at its
// right end. The button's parts, the Up and Down keys and the mouse wheel
// step the value by Increment; typed and pasted text is limited to the
// characters of a number and, while checking is on, to the bounds.
//
// Values are extended floats. Whole-number types (integer, hex) are read and
// written as 64-bit integers, so every value of that range reads back exactly
// as it was written; steps stop at the ends of that range.
#pragma once

#include "controls/OrqJvExEdit.h"
#include "toolkit/Bitmap.h"
#include "toolkit/IntervalTimer.h"
#include "toolkit/SysUtils.h"

#include <memory>

VORNIK_EXCEPTION(ERangeError, Exception);

enum class TOrqJvSpinButtonStyle { sbsDefault, sbsClassic };
enum class TSpinButtonKind { bkStandard, bkDiagonal, bkClassic };
enum class TValueType { vtInteger, vtFloat, vtHex };
enum class TOrqJvCheckOption { coCheckOnChange, coCheckOnExit, coCropBeyondLimit };
using TOrqJvCheckOptions = TSet<TOrqJvCheckOption>;
using TSpinValue = long double;

const TTypeInfo& SpinButtonStyleType();
const TTypeInfo& SpinButtonKindType();
const TTypeInfo& ValueTypeType();
const TTypeInfo& CheckOptionsType();

// The two-part button. With sbsDefault a diagonal from the bottom-left to
// the top-right corner divides it, with sbsClassic the middle line. A press
// steps at once, then after 400 ms every 100 ms while the part stays pressed.
class TOrqJvSpinButton : public TGraphicControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  enum class TPart { None, Top, Bottom };

  explicit TOrqJvSpinButton(TComponent* owner);
  ~TOrqJvSpinButton() override;

  TOrqJvSpinButtonStyle ButtonStyle() const { return m_style; }
  void SetButtonStyle(TOrqJvSpinButtonStyle value);
  // Pictures drawn instead of the built-in arrows; empty by default.
  TBitmap& UpGlyph() { return *m_upGlyph; }
  TBitmap* UpGlyphObject() const { return m_upGlyph.get(); }
  void SetUpGlyph(TBitmap* value) { m_upGlyph->Assign(value); }
  TBitmap& DownGlyph() { return *m_downGlyph; }
  TBitmap* DownGlyphObject() const { return m_downGlyph.get(); }
  void SetDownGlyph(TBitmap* value) { m_downGlyph->Assign(value); }
  // Takes the focus when the button is pressed.
  TWinControl* FocusControl() const { return m_focusControl; }
  void SetFocusControl(TWinControl* control);

  // The part at a point of the button (its own coordinates).
  TPart PartAt(int x, int y) const;
  TPart Pressed() const { return m_pressed; }
  TPart Hot() const { return m_hot; }
  void TopClick();
  void BottomClick();

  // The timer that repeats a held part; tests put in one they fire themselves.
  void SetRepeatTimer(std::unique_ptr<TIntervalTimer> timer);
  TIntervalTimer& RepeatTimer() { return *m_timer; }
  // The picture of the button in a state, as it is painted.
  QImage StateImage(TPart pressed, TPart hot) const;

  TNotifyEvent OnTopClick;
  TNotifyEvent OnBottomClick;

 protected:
  void Paint() override;
  bool WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The picture of one part's arrow.
  virtual QImage UpPicture() const;
  virtual QImage DownPicture() const;

 private:
  void FireClick(TPart part);
  void TimerTick();
  void SetPressed(TPart part);
  void DrawDefault(TCanvas& canvas, TPart pressed, TPart hot) const;
  void DrawClassic(TCanvas& canvas, TPart pressed, TPart hot) const;
  void DrawThemedParts(TCanvas& canvas, TPart pressed, TPart hot) const;
  void DrawGlyphs(TCanvas& canvas, TPart pressed) const;

  TOrqJvSpinButtonStyle m_style = TOrqJvSpinButtonStyle::sbsDefault;
  std::unique_ptr<TBitmap> m_upGlyph;
  std::unique_ptr<TBitmap> m_downGlyph;
  TWinControl* m_focusControl = nullptr;
  TPart m_pressed = TPart::None;
  TPart m_downPart = TPart::None;
  TPart m_hot = TPart::None;
  bool m_mouseDown = false;
  std::unique_ptr<TIntervalTimer> m_timer;
};

// The button of bkStandard: two halves with the host's arrows, one above the
// other, stepping like the spin button.
class TOrqJvUpDown : public TOrqJvSpinButton {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvUpDown(TComponent* owner);
};

class TOrqJvCustomSpinEdit : public TOrqJvCustomEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvCustomSpinEdit(TComponent* owner);
  ~TOrqJvCustomSpinEdit() override;

  // The number the text shows.
  virtual TSpinValue Value() const = 0;
  // Writes the value limited by CheckValue.
  void SetValue(TSpinValue value);
  // Shows the text for Value: empty for the empty value; with a
  // DisplayFormat and the focus, the number without grouping.
  virtual void RefreshText();

  TSpinValue MinValue() const { return m_minValue; }
  void SetMinValue(TSpinValue value);
  TSpinValue MaxValue() const { return m_maxValue; }
  void SetMaxValue(TSpinValue value);
  // A bound is checked whenever it is not 0.
  bool CheckMinValue() const { return m_checkMin; }
  void SetCheckMinValue(bool value);
  bool CheckMaxValue() const { return m_checkMax; }
  void SetCheckMaxValue(bool value);
  TOrqJvCheckOptions CheckOptions() const { return m_checkOptions; }
  void SetCheckOptions(TOrqJvCheckOptions value) { m_checkOptions = value; }
  TSpinValue Increment() const { return m_increment; }
  void SetIncrement(TSpinValue value);
  TValueType ValueType() const { return m_valueType; }
  virtual void SetValueType(TValueType value);
  int Decimal() const { return m_decimal; }
  void SetDecimal(int value);
  QString DisplayFormat() const { return m_displayFormat; }
  void SetDisplayFormat(const QString& value);
  // Thousand separators in the text (never for vtHex).
  bool Thousands() const { return m_thousands; }
  void SetThousands(bool value);
  // An empty text stands for EmptyValue.
  bool AllowEmpty() const { return m_allowEmpty; }
  void SetAllowEmpty(bool value);
  int EmptyValue() const { return m_emptyValue; }
  void SetEmptyValue(int value);
  bool ArrowKeys() const { return m_arrowKeys; }
  void SetArrowKeys(bool value) { m_arrowKeys = value; }
  // Off: typing is ignored; the button, the wheel and the keys still step.
  bool EditorEnabled() const { return m_editorEnabled; }
  void SetEditorEnabled(bool value);
  void SetReadOnly(bool value) override;
  TSpinButtonKind ButtonKind() const { return m_buttonKind; }
  void SetButtonKind(TSpinButtonKind value);
  // The bkDiagonal and bkClassic button, or the bkStandard up-down control.
  TOrqJvSpinButton* Button() const { return m_button; }
  TOrqJvButtonContainer* ButtonContainer() const { return m_container; }
  // 4 border heights, the font's text height and 1.
  int MinHeight() const override;

  // The value limited to the checked bounds; the empty value passes. While
  // the user types only the maximum limits (a minimum of 1900 must let
  // "2024" be typed digit by digit); leaving the edit enforces both.
  TSpinValue CheckValue(TSpinValue x) const;
  // As CheckValue; with `raise`, a value outside raises ERangeError
  // "Value must be between %g and %g".
  TSpinValue CheckValue(TSpinValue x, bool raise) const;
  // One step up or down; steps pass over the empty value and stop at the
  // ends of the value type's range.
  virtual void UpClick();
  virtual void DownClick();
  // Whether a character may go into the text now.
  virtual bool IsValidChar(QChar key) const;

  TNotifyEvent OnTopClick;
  TNotifyEvent OnBottomClick;

 protected:
  void Change() override;
  void UpdateLayout() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void DoEnter() override;
  void DoExit() override;
  bool WndProc(TMessage& message) override;
  void EnabledChanged() override;
  void Loaded() override;
  bool CanChangeByClipboard() const override { return m_editorEnabled && !ReadOnly(); }
  QString FilterPastedText(const QString& text) const override;

  // Writes a value into the text as it is (no bounds applied).
  virtual void WriteValue(TSpinValue value) = 0;
  // Sets the text from the program, keeping the Modified flag.
  void WriteText(const QString& text);
  // Limits to the bounds: only the maximum while typing, both otherwise.
  TSpinValue Clamp(TSpinValue x, bool typing) const;

 private:
  void Step(bool up);
  void RecreateButton();
  // Runs the check of leaving the edit; false when it failed (reported).
  bool ExitCheck();
  void BoundChanged(bool maxBound);

  TSpinValue m_minValue = 0;
  TSpinValue m_maxValue = 0;
  bool m_checkMin = false;
  bool m_checkMax = false;
  bool m_checkMinSetByLoad = false;
  bool m_checkMaxSetByLoad = false;
  TOrqJvCheckOptions m_checkOptions{TOrqJvCheckOption::coCheckOnChange, TOrqJvCheckOption::coCheckOnExit,
                                    TOrqJvCheckOption::coCropBeyondLimit};
  TSpinValue m_increment = 1;
  TValueType m_valueType = TValueType::vtInteger;
  int m_decimal = 2;
  QString m_displayFormat;
  bool m_thousands = false;
  bool m_allowEmpty = false;
  int m_emptyValue = -1;
  bool m_arrowKeys = true;
  bool m_editorEnabled = true;
  TSpinButtonKind m_buttonKind = TSpinButtonKind::bkDiagonal;
  TOrqJvButtonContainer* m_container = nullptr;
  TOrqJvSpinButton* m_button = nullptr;
  bool m_focused = false;
  bool m_changing = false;
  bool m_exitChecking = false;
  TSpinValue m_lastValue = 0;
  int m_wheelRemainder = 0;
};

class TOrqJvSpinEdit : public TOrqJvCustomSpinEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvSpinEdit(TComponent* owner);

  TSpinValue Value() const override;
  // The text of a value in the current value type.
  QString FormatValue(TSpinValue value) const;

 protected:
  void WriteValue(TSpinValue value) override;
};

// A number written with a format picture: "0" a digit always shown, "#" a
// digit shown when needed, "." the decimal separator, "," anywhere before it
// switches on thousand separators; other characters stand as they are.
QString FormatFloatPicture(const QString& picture, long double value);
