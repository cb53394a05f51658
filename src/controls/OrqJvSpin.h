// The numeric edit of the movie panel (year, length, bit rates, discs,
// rating): text and value in step, bounds, empty value, arrow-key steps.
#pragma once

#include "toolkit/Edit.h"

enum class TValueType { vtInteger, vtFloat, vtHex };
const TTypeInfo& ValueTypeType();

class TOrqJvCustomSpinEdit : public TEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvCustomSpinEdit(TComponent* owner);

  // The number the text shows; an empty text stands for EmptyValue when
  // empty values are allowed.
  double Value() const;
  void SetValue(double v);
  double MinValue() const { return m_minValue; }
  void SetMinValue(double v);
  double MaxValue() const { return m_maxValue; }
  void SetMaxValue(double v);
  // A bound is always checked while it is not 0.
  bool CheckMinValue() const { return m_checkMin; }
  void SetCheckMinValue(bool v) { m_checkMin = v || m_minValue != 0; }
  bool CheckMaxValue() const { return m_checkMax; }
  void SetCheckMaxValue(bool v) { m_checkMax = v || m_maxValue != 0; }
  double Increment() const { return m_increment; }
  void SetIncrement(double v) { m_increment = v; }
  TValueType ValueType() const { return m_valueType; }
  void SetValueType(TValueType v);
  int Decimal() const { return m_decimal; }
  void SetDecimal(int v);
  bool AllowEmpty() const { return m_allowEmpty; }
  void SetAllowEmpty(bool v);
  int EmptyValue() const { return m_emptyValue; }
  void SetEmptyValue(int v) { m_emptyValue = v; }
  bool ArrowKeys() const { return m_arrowKeys; }
  void SetArrowKeys(bool v) { m_arrowKeys = v; }
  bool EditorEnabled() const { return m_editorEnabled; }
  void SetEditorEnabled(bool v);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment v);
  // The value limited to the checked bounds (an empty value passes).
  double CheckValue(double x) const;
  void UpClick();
  void DownClick();

 protected:
  bool WndProc(TMessage& message) override;
  // The text of a value in the current value type.
  QString FormatValue(double v) const;

 private:
  double m_minValue = 0;
  double m_maxValue = 0;
  bool m_checkMin = false;
  bool m_checkMax = false;
  double m_increment = 1;
  TValueType m_valueType = TValueType::vtInteger;
  int m_decimal = 2;
  bool m_allowEmpty = false;
  int m_emptyValue = -1;
  bool m_arrowKeys = true;
  bool m_editorEnabled = true;
  TAlignment m_alignment = TAlignment::taLeftJustify;
};

class TOrqJvSpinEdit : public TOrqJvCustomSpinEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvSpinEdit(TComponent* owner) : TOrqJvCustomSpinEdit(owner) {}
};
