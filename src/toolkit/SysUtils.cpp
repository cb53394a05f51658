#include "toolkit/SysUtils.h"

#include <QLocale>

#include <cmath>
#include <limits>

Exception::Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

void Exception::SetMessage(const QString& message) {
  m_message = message;
  m_utf8 = message.toUtf8();
}

namespace {

[[noreturn]] void FormatError(const QString& format) {
  throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

QString Justify(QString text, int width, bool left) {
  if (width > text.size()) {
    const QString pad(width - text.size(), QLatin1Char(' '));
    text = left ? text + pad : pad + text;
  }
  return text;
}

QString WithMinDigits(int64_t value, int digits, bool isUnsigned) {
  QString body;
  bool negative = false;
  if (isUnsigned) {
    body = QString::number(static_cast<uint64_t>(value));
  } else {
    negative = value < 0;
    body = QString::number(value);
    if (negative) body.remove(0, 1);
  }
  if (digits > body.size()) body = QString(digits - body.size(), QLatin1Char('0')) + body;
  return negative ? QLatin1Char('-') + body : body;
}

}  // namespace

namespace {

// One directive after its "%": [index ":"] ["-"] [width] ["." precision] type.
struct FormatSpec {
  int index = -1;  // -1: the argument after the previous one
  bool left = false;
  int width = 0;
  int precision = -1;
};

// Reads a directive from position i (just after the "%") and leaves i on its
// type letter, or at the end of the text.
FormatSpec ReadFormatSpec(const QString& format, int& i) {
  const int n = format.size();
  auto readNumber = [&](int& value) {
    bool any = false;
    value = 0;
    while (i < n && format[i].isDigit()) {
      value = value * 10 + format[i].digitValue();
      ++i;
      any = true;
    }
    return any;
  };
  FormatSpec spec;
  int number = 0;
  const int save = i;
  if (readNumber(number) && i < n && format[i] == QLatin1Char(':')) {
    spec.index = number;
    ++i;
  } else {
    i = save;
  }
  if (i < n && format[i] == QLatin1Char('-')) {
    spec.left = true;
    ++i;
  }
  readNumber(spec.width);
  if (i < n && format[i] == QLatin1Char('.')) {
    ++i;
    if (!readNumber(spec.precision)) spec.precision = 0;
  }
  return spec;
}

using FormatValue = std::variant<int64_t, double, QString>;

// "%d", "%u" (a negative 32-bit value as unsigned) and "%x" (upper-case
// hexadecimal, a negative 32-bit value in 32 bits); the precision is the
// least count of digits.
QString FormatInteger(char type, const FormatValue& value, int precision, const QString& format) {
  const int64_t* v = std::get_if<int64_t>(&value);
  if (!v) FormatError(format);
  if (type == 'x') {
    QString text =
        QString::number(static_cast<uint64_t>(*v) & (*v < 0 && *v >= INT32_MIN ? 0xFFFFFFFFull : ~0ull), 16).toUpper();
    if (precision > text.size()) text = QString(precision - text.size(), QLatin1Char('0')) + text;
    return text;
  }
  const int64_t shown = type == 'u' && *v < 0 && *v >= INT32_MIN ? static_cast<int64_t>(static_cast<uint32_t>(*v)) : *v;
  return WithMinDigits(shown, precision, false);
}

// "%g" in the general format, "%e", "%f" with the precision as digits after
// the point (2 by default), "%n" and "%m" in the locale's notation.
QString FormatFloat(char type, const FormatValue& value, int precision, const QString& format) {
  double d = 0;
  if (const double* dv = std::get_if<double>(&value)) {
    d = *dv;
  } else if (const int64_t* iv = std::get_if<int64_t>(&value)) {
    d = static_cast<double>(*iv);
  } else {
    FormatError(format);
  }
  if (type == 'g') return FloatToStrG(d, precision < 0 ? 15 : std::max(precision, 1));
  const int digits = precision < 0 ? 2 : precision;
  if (type == 'n' || type == 'm') return QLocale().toString(d, 'f', digits);
  QString text = type == 'e' ? QString::number(d, 'E', digits) : QString::number(d, 'f', digits);
  return text.replace(QLatin1Char('.'), DecimalSeparator());
}

// "%s": the text, cut to the precision when there is one.
QString FormatText(const FormatValue& value, int precision, const QString& format) {
  const QString* s = std::get_if<QString>(&value);
  if (!s) FormatError(format);
  return precision >= 0 ? s->left(precision) : *s;
}

QString FormatOne(char type, const FormatValue& value, int precision, const QString& format) {
  switch (type) {
    case 'd':
    case 'u':
    case 'x': return FormatInteger(type, value, precision, format);
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm': return FormatFloat(type, value, precision, format);
    case 's': return FormatText(value, precision, format);
    default: FormatError(format);
  }
}

}  // namespace

QString Format(const QString& format, std::initializer_list<FormatArg> args) {
  const std::vector<FormatArg> argv(args);
  QString out;
  size_t next = 0;
  const int n = format.size();
  for (int i = 0; i < n; ++i) {
    const QChar c = format[i];
    if (c != QLatin1Char('%')) {
      out += c;
      continue;
    }
    if (++i >= n) FormatError(format);
    if (format[i] == QLatin1Char('%')) {
      out += QLatin1Char('%');
      continue;
    }
    const FormatSpec spec = ReadFormatSpec(format, i);
    if (spec.index >= 0) next = static_cast<size_t>(spec.index);
    if (i >= n || next >= argv.size()) FormatError(format);
    const char type = static_cast<char>(format[i].toLower().toLatin1());
    out += Justify(FormatOne(type, argv[next++].Value(), spec.precision, format), spec.width, spec.left);
  }
  return out;
}

bool TryStrToInt64(const QString& text, int64_t& value) {
  int i = 0;
  const int n = text.size();
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  int base = 10;
  if (i < n && text[i] == QLatin1Char('$')) {
    base = 16;
    ++i;
  } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == QLatin1Char('0') && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
    base = 16;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t magnitude = 0;
  const uint64_t limit = base == 16 ? std::numeric_limits<uint64_t>::max()
                                    : static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  for (; i < n; ++i) {
    const int digit = text[i].isDigit() && text[i].unicode() < 128 ? text[i].digitValue()
                      : base == 16 && text[i].toLower() >= QLatin1Char('a') && text[i].toLower() <= QLatin1Char('f')
                          ? text[i].toLower().unicode() - 'a' + 10
                          : -1;
    if (digit < 0) return false;
    if (magnitude > (limit - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) return false;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

bool TryStrToInt(const QString& text, int32_t& value) {
  int64_t wide = 0;
  if (!TryStrToInt64(text, wide)) return false;
  const bool hex = text.contains(QLatin1Char('$')) || text.contains(QLatin1Char('x')) || text.contains(QLatin1Char('X'));
  if (hex && wide >= 0 && wide <= 0xFFFFFFFFll) {
    value = static_cast<int32_t>(static_cast<uint32_t>(wide));
    return true;
  }
  if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max()) return false;
  value = static_cast<int32_t>(wide);
  return true;
}

int32_t StrToInt(const QString& text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(Format("'%s' is not a valid integer value", {text}));
  return value;
}

int64_t StrToInt64(const QString& text) {
  int64_t value = 0;
  if (!TryStrToInt64(text, value)) throw EConvertError(Format("'%s' is not a valid integer value", {text}));
  return value;
}

int32_t StrToIntDef(const QString& text, int32_t fallback) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

QChar DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

bool TryStrToFloat(const QString& text, double& value) {
  QString s = Trim(text);
  if (s.isEmpty()) return false;
  const QChar separator = DecimalSeparator();
  if (separator != QLatin1Char('.')) s.replace(separator, QLatin1Char('.'));
  // Only plain decimal notation with an optional exponent; no group separators.
  for (const QChar c : s) {
    if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+') ||
          c == QLatin1Char('e') || c == QLatin1Char('E')))
      return false;
  }
  bool ok = false;
  const double parsed = s.toDouble(&ok);
  if (!ok || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

double StrToFloat(const QString& text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) throw EConvertError(Format("'%s' is not a valid floating point value", {text}));
  return value;
}

QString FloatToStrG(double value, int precision) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (value == 0) return QStringLiteral("0");
  QString text = QString::number(value, 'g', precision).toUpper();
  // Exponents are written without a plus sign or leading zeros: 1E20, 1E-5.
  const int e = text.indexOf(QLatin1Char('E'));
  if (e >= 0) {
    QString mantissa = text.left(e);
    QString exponent = text.mid(e + 1);
    bool negative = exponent.startsWith(QLatin1Char('-'));
    exponent.remove(QLatin1Char('+')).remove(QLatin1Char('-'));
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) exponent.remove(0, 1);
    text = mantissa + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
  }
  const QChar separator = DecimalSeparator();
  if (separator != QLatin1Char('.')) text.replace(QLatin1Char('.'), separator);
  return text;
}

QList<TLineSpan> LineSpans(const QString& text) {
  QList<TLineSpan> spans;
  const qsizetype n = text.size();
  qsizetype start = 0;
  qsizetype i = 0;
  while (i < n) {
    const QChar c = text[i];
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      spans.append({start, i - start});
      ++i;
      if (c == QLatin1Char('\r') && i < n && text[i] == QLatin1Char('\n')) ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < n) spans.append({start, n - start});
  return spans;
}

int RoundHalfEven(double value) {
  // The default rounding mode rounds halves to even.
  const double rounded = std::nearbyint(value);
  if (!(rounded > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (rounded > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

QString TrimLeft(const QString& text) {
  int i = 0;
  while (i < text.size() && text[i].unicode() <= 32) ++i;
  return text.mid(i);
}

QString TrimRight(const QString& text) {
  int j = text.size();
  while (j > 0 && text[j - 1].unicode() <= 32) --j;
  return text.left(j);
}

QString Trim(const QString& text) { return TrimRight(TrimLeft(text)); }

namespace {
inline ushort FoldAscii(ushort c) { return c >= 'a' && c <= 'z' ? static_cast<ushort>(c - 32) : c; }
}  // namespace

int CompareText(const QString& a, const QString& b) {
  const int n = std::min(a.size(), b.size());
  for (int i = 0; i < n; ++i) {
    const ushort x = FoldAscii(a[i].unicode());
    const ushort y = FoldAscii(b[i].unicode());
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(const QString& a, const QString& b) { return a.size() == b.size() && CompareText(a, b) == 0; }

bool IsValidIdent(const QString& text) {
  if (text.isEmpty()) return false;
  auto alpha = [](QChar c) {
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
  };
  if (!alpha(text[0])) return false;
  for (int i = 1; i < text.size(); ++i) {
    const ushort u = text[i].unicode();
    if (!alpha(text[i]) && !(u >= '0' && u <= '9')) return false;
  }
  return true;
}

QString IntToStr(int64_t value) { return QString::number(value); }
