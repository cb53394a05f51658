#include "controls/OrqJvSpin.h"

#include "toolkit/SysUtils.h"

#include <QLineEdit>

#include <cmath>

const TTypeInfo& ValueTypeType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TValueType", {"vtInteger", "vtFloat", "vtHex"});
  return info;
}

const TClassInfo& TOrqJvCustomSpinEdit::StaticClass() {
  static const TClassInfo info("TOrqJvCustomSpinEdit", &TEdit::StaticClass());
  return info;
}

TOrqJvCustomSpinEdit::TOrqJvCustomSpinEdit(TComponent* owner) : TEdit(owner) { SetText(QStringLiteral("0")); }

double TOrqJvCustomSpinEdit::Value() const {
  const QString text = Trim(GetText());
  if (text.isEmpty()) return m_allowEmpty ? m_emptyValue : 0;
  if (m_valueType == TValueType::vtHex) {
    int64_t v = 0;
    return TryStrToInt64(QLatin1Char('$') + text, v) ? static_cast<double>(v) : 0;
  }
  double v = 0;
  if (!TryStrToFloat(text, v)) return 0;
  return m_valueType == TValueType::vtInteger ? std::nearbyint(v) : v;
}

QString TOrqJvCustomSpinEdit::FormatValue(double v) const {
  switch (m_valueType) {
    case TValueType::vtHex: return QString::number(static_cast<qint64>(std::nearbyint(v)), 16).toUpper();
    case TValueType::vtFloat: {
      QString text = QString::number(v, 'f', m_decimal);
      return text.replace(QLatin1Char('.'), DecimalSeparator());
    }
    default: return QString::number(static_cast<qint64>(std::nearbyint(v)));
  }
}

void TOrqJvCustomSpinEdit::SetValue(double v) {
  v = CheckValue(v);
  SetText(m_allowEmpty && v == m_emptyValue ? QString() : FormatValue(v));
}

double TOrqJvCustomSpinEdit::CheckValue(double x) const {
  if (m_allowEmpty && x == m_emptyValue) return x;
  if (m_checkMin && x < m_minValue) x = m_minValue;
  if (m_checkMax && x > m_maxValue) return m_maxValue;
  return x;
}

void TOrqJvCustomSpinEdit::SetMinValue(double v) {
  if (v == m_minValue) return;
  m_minValue = v;
  m_checkMin = m_minValue != 0 || m_maxValue != 0;
}

void TOrqJvCustomSpinEdit::SetMaxValue(double v) {
  if (v == m_maxValue) return;
  m_maxValue = v;
  m_checkMax = m_minValue != 0 || m_maxValue != 0;
}

void TOrqJvCustomSpinEdit::SetValueType(TValueType v) {
  const double value = Value();
  m_valueType = v;
  SetValue(value);
}

void TOrqJvCustomSpinEdit::SetDecimal(int v) {
  const double value = Value();
  m_decimal = std::clamp(v, 0, 255);
  SetValue(value);
}

void TOrqJvCustomSpinEdit::SetAllowEmpty(bool v) {
  m_allowEmpty = v;
  if (!v && GetText().isEmpty()) SetValue(0);
}

void TOrqJvCustomSpinEdit::SetEditorEnabled(bool v) {
  m_editorEnabled = v;
  LineEdit()->setReadOnly(!v || ReadOnly());
}

void TOrqJvCustomSpinEdit::SetAlignment(TAlignment v) {
  m_alignment = v;
  LineEdit()->setAlignment(v == TAlignment::taRightJustify ? Qt::AlignRight
                           : v == TAlignment::taCenter     ? Qt::AlignHCenter
                                                           : Qt::AlignLeft);
}

void TOrqJvCustomSpinEdit::UpClick() {
  if (!ReadOnly()) SetValue(Value() + m_increment);
}

void TOrqJvCustomSpinEdit::DownClick() {
  if (!ReadOnly()) SetValue(Value() - m_increment);
}

bool TOrqJvCustomSpinEdit::WndProc(TMessage& m) {
  if (m.Kind == TMessageKind::KeyDown && m_arrowKeys && (m.Key == VK_UP || m.Key == VK_DOWN)) {
    if (m.Key == VK_UP) UpClick();
    else DownClick();
    return true;
  }
  if (m.Kind == TMessageKind::Char && m.Char.isPrint()) {
    // Only characters that can form a number reach the text.
    const QChar c = m.Char;
    bool valid = c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+');
    if (m_valueType == TValueType::vtFloat) valid = valid || c == DecimalSeparator();
    if (m_valueType == TValueType::vtHex)
      valid = c.isDigit() || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
    if (!valid) return true;
  }
  return TEdit::WndProc(m);
}

const TClassInfo& TOrqJvSpinEdit::StaticClass() {
  static const TClassInfo info("TOrqJvSpinEdit", &TOrqJvCustomSpinEdit::StaticClass(), [](TClassInfo& c) {
    Publisher<TOrqJvSpinEdit>(c)
        .Creatable()
        .Prop("Alignment", AlignmentType(), &TOrqJvSpinEdit::Alignment, &TOrqJvSpinEdit::SetAlignment)
        .Prop("AllowEmpty", Types::Boolean(), &TOrqJvSpinEdit::AllowEmpty, &TOrqJvSpinEdit::SetAllowEmpty)
        .Prop("ArrowKeys", Types::Boolean(), &TOrqJvSpinEdit::ArrowKeys, &TOrqJvSpinEdit::SetArrowKeys)
        .Prop("CheckMaxValue", Types::Boolean(), &TOrqJvSpinEdit::CheckMaxValue, &TOrqJvSpinEdit::SetCheckMaxValue)
        .Prop("CheckMinValue", Types::Boolean(), &TOrqJvSpinEdit::CheckMinValue, &TOrqJvSpinEdit::SetCheckMinValue)
        .Prop("Decimal", Types::Byte(), &TOrqJvSpinEdit::Decimal, &TOrqJvSpinEdit::SetDecimal)
        .Prop("EditorEnabled", Types::Boolean(), &TOrqJvSpinEdit::EditorEnabled, &TOrqJvSpinEdit::SetEditorEnabled)
        .Prop("EmptyValue", Types::Integer(), &TOrqJvSpinEdit::EmptyValue, &TOrqJvSpinEdit::SetEmptyValue)
        .Prop("Increment", Types::Extended(), &TOrqJvSpinEdit::Increment, &TOrqJvSpinEdit::SetIncrement)
        .Prop("MaxValue", Types::Extended(), &TOrqJvSpinEdit::MaxValue, &TOrqJvSpinEdit::SetMaxValue)
        .Prop("MinValue", Types::Extended(), &TOrqJvSpinEdit::MinValue, &TOrqJvSpinEdit::SetMinValue)
        .Prop("Value", Types::Extended(), &TOrqJvSpinEdit::Value, &TOrqJvSpinEdit::SetValue)
        .Prop("ValueType", ValueTypeType(), &TOrqJvSpinEdit::ValueType, &TOrqJvSpinEdit::SetValueType);
  });
  return info;
}
