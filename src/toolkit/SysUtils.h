// Shared helpers of the toolkit: the exception base, text formatting and the
// number and text conversions the rest of the system relies on.
#pragma once

#include <QString>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <variant>

// Base of every error the system raises. Each component family derives its
// own class, so callers can tell them apart while the message stays the text
// shown to the user.
class Exception : public std::exception {
 public:
  explicit Exception(QString message);
  const QString& Message() const { return m_message; }
  void SetMessage(const QString& message);
  const char* what() const noexcept override { return m_utf8.constData(); }
  // The class name as the error dialog would show it.
  virtual const char* ClassName() const { return "Exception"; }

 private:
  QString m_message;
  QByteArray m_utf8;
};

// Declares an exception class of a family: the class name and nothing else.
#define VORNIK_EXCEPTION(Name, Base)                                   \
  class Name : public Base {                                           \
   public:                                                             \
    using Base::Base;                                                  \
    const char* ClassName() const override { return #Name; }          \
  }

VORNIK_EXCEPTION(EConvertError, Exception);
VORNIK_EXCEPTION(EListError, Exception);
VORNIK_EXCEPTION(EStringListError, Exception);
VORNIK_EXCEPTION(EComponentError, Exception);
VORNIK_EXCEPTION(EPropertyError, Exception);
VORNIK_EXCEPTION(EInvalidOperation, Exception);
VORNIK_EXCEPTION(EVariantError, Exception);
VORNIK_EXCEPTION(EInvalidArgument, Exception);

// One argument of Format: an integer, a floating-point number or a text.
class FormatArg {
 public:
  FormatArg(int v) : m_value(static_cast<int64_t>(v)) {}
  FormatArg(unsigned v) : m_value(static_cast<int64_t>(v)) {}
  FormatArg(long v) : m_value(static_cast<int64_t>(v)) {}
  FormatArg(long long v) : m_value(static_cast<int64_t>(v)) {}
  FormatArg(unsigned long v) : m_value(static_cast<int64_t>(v)) {}
  FormatArg(unsigned long long v) : m_value(static_cast<int64_t>(v)) {}
  FormatArg(double v) : m_value(v) {}
  FormatArg(const QString& v) : m_value(v) {}
  FormatArg(const char* v) : m_value(QString::fromUtf8(v)) {}

  const std::variant<int64_t, double, QString>& Value() const { return m_value; }

 private:
  std::variant<int64_t, double, QString> m_value;
};

// Formats the way the system's message texts are written: "%s", "%d", "%g",
// "%S", "%.8x", with optional index ("%1:s"), left justification ("%-5d"),
// width and precision; the type letter ignores letter case and "%%" is a
// percent sign. A mismatch raises EConvertError.
QString Format(const QString& format, std::initializer_list<FormatArg> args);

// Integer text: optional blanks, an optional sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow.
bool TryStrToInt64(const QString& text, int64_t& value);
// As above, limited to 32 bits; hexadecimal values up to $FFFFFFFF wrap.
bool TryStrToInt(const QString& text, int32_t& value);
// Raise EConvertError "'%s' is not a valid integer value" on failure.
int32_t StrToInt(const QString& text);
int64_t StrToInt64(const QString& text);
int32_t StrToIntDef(const QString& text, int32_t fallback);

// Floating-point text in the default locale's notation ("1,5" in German);
// a "." is always accepted too. EConvertError "'%s' is not a valid floating
// point value" on failure.
bool TryStrToFloat(const QString& text, double& value);
double StrToFloat(const QString& text);
// General number format with the given count of significant digits and the
// default locale's decimal separator: 0.1, 1E20, 123.456.
QString FloatToStrG(double value, int precision = 15);
// The locale's decimal separator as the rest of the system uses it.
QChar DecimalSeparator();

// Where the lines of a text stand: line n is text.mid(Start, Length). A line
// ends with CR LF, a lone LF or a lone CR; a final line break adds no line.
struct TLineSpan {
  qsizetype Start = 0;
  qsizetype Length = 0;
};
QList<TLineSpan> LineSpans(const QString& text);

// The nearest integer, halves to the even one (2.5 gives 2, 3.5 gives 4);
// values beyond the 32-bit range give its ends.
int RoundHalfEven(double value);

// Removes leading and trailing blanks and control characters (every
// character up to and including the space).
QString Trim(const QString& text);
QString TrimLeft(const QString& text);
QString TrimRight(const QString& text);
// Letter case folded for A to Z only, as identifiers and names compare.
bool SameText(const QString& a, const QString& b);
int CompareText(const QString& a, const QString& b);
// A letter or underscore followed by letters, digits and underscores.
bool IsValidIdent(const QString& text);
// The number written in decimal.
QString IntToStr(int64_t value);
