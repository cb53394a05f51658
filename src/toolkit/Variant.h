// A tagged value with a 16-bit type code, convertible to and from text.
#pragma once

#include <QString>

#include <cstdint>
#include <variant>

enum TVarType : uint16_t {
  varEmpty = 0,
  varNull = 1,
  varSmallint = 2,
  varInteger = 3,
  varSingle = 4,
  varDouble = 5,
  varCurrency = 6,
  varDate = 7,
  varOleStr = 8,
  varError = 10,
  varBoolean = 11,
  varByte = 17,
  varString = 256,
  varTypeMask = 0x0FFF,
};

class TVariant {
 public:
  TVariant() = default;  // Unassigned
  static TVariant Null();
  static TVariant FromSmallint(int16_t v);
  static TVariant FromInteger(int32_t v);
  static TVariant FromSingle(float v);
  static TVariant FromDouble(double v);
  // Currency holds the amount in ten-thousandths.
  static TVariant FromCurrency(double v);
  static TVariant FromDate(double v);
  static TVariant FromOleStr(const QString& v);
  static TVariant FromBoolean(bool v);
  static TVariant FromByte(uint8_t v);
  static TVariant FromString(const QString& v);
  // Any code with its flag bits; values of codes this system does not know
  // carry no payload.
  static TVariant WithType(uint16_t code);

  uint16_t VarType() const { return m_type; }
  uint16_t BasicType() const { return m_type & varTypeMask; }
  bool IsEmpty() const { return m_type == varEmpty; }
  bool IsNull() const { return m_type == varNull; }

  // Text of the value: empty for Unassigned and Null, "True"/"False" for a
  // Boolean, numbers in the default locale's notation, dates in its short
  // date format (with the time when there is one), currency without symbol.
  QString ToText() const;
  bool ToBoolean() const;
  int64_t ToInt64() const;
  double ToDouble() const;

  // Converts to another type code; EVariantError "Could not convert variant
  // of type (%s) into type (%s)" when the value does not fit.
  TVariant ChangeType(uint16_t code) const;
  // Converts text into a value of the given type, with the same error.
  static TVariant FromText(const QString& text, uint16_t code);
  // The type's name as messages show it ("Integer", "String", ...).
  static QString TypeName(uint16_t code);

  bool operator==(const TVariant& other) const;

 private:
  uint16_t m_type = varEmpty;
  std::variant<std::monostate, int64_t, double, bool, QString> m_value;
};

// Date values count days since 1899-12-30 with the time as the fraction.
double DateTimeFromQt(const class QDateTime& value);
class QDateTime DateTimeToQt(double value);
QString DateToText(double value);
QString TimeToText(double value);
QString DateTimeToText(double value);
bool TryTextToDate(const QString& text, double& value);
bool TryTextToTime(const QString& text, double& value);
bool TryTextToDateTime(const QString& text, double& value);
