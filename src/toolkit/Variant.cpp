#include "toolkit/Variant.h"

#include "toolkit/SysUtils.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <cmath>
#include <limits>

namespace {
const QDate kEpoch(1899, 12, 30);

[[noreturn]] void CannotConvert(uint16_t from, uint16_t to) {
  throw EVariantError(Format("Could not convert variant of type (%s) into type (%s)",
                             {TVariant::TypeName(from), TVariant::TypeName(to)}));
}

bool FitsRange(int64_t v, int64_t lo, int64_t hi) { return v >= lo && v <= hi; }

// The short date format with four-digit years, so that dates read back as written.
QString LocaleDateFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}
QString LocaleTimeFormat() { return QLocale().timeFormat(QLocale::LongFormat).remove(QStringLiteral(" t")).trimmed(); }
}  // namespace

double DateTimeFromQt(const QDateTime& value) {
  const qint64 days = kEpoch.daysTo(value.date());
  const double fraction = value.time().msecsSinceStartOfDay() / 86400000.0;
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

QDateTime DateTimeToQt(double value) {
  const double whole = std::trunc(value);
  const double fraction = std::fabs(value - whole);
  const QDate date = kEpoch.addDays(static_cast<qint64>(whole));
  const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(std::llround(fraction * 86400000.0)) % 86400000);
  return QDateTime(date, time);
}

QString DateToText(double value) { return QLocale().toString(DateTimeToQt(value).date(), LocaleDateFormat()); }
QString TimeToText(double value) { return QLocale().toString(DateTimeToQt(value).time(), LocaleTimeFormat()); }
QString DateTimeToText(double value) {
  const QDateTime dt = DateTimeToQt(value);
  QString text = DateToText(value);
  if (dt.time() != QTime(0, 0)) text += QLatin1Char(' ') + TimeToText(value);
  return text;
}

bool TryTextToDate(const QString& text, double& value) {
  const QDate d = QLocale().toDate(Trim(text), LocaleDateFormat());
  if (!d.isValid()) return false;
  value = static_cast<double>(kEpoch.daysTo(d));
  return true;
}

bool TryTextToTime(const QString& text, double& value) {
  const QString t = Trim(text);
  QTime time = QLocale().toTime(t, LocaleTimeFormat());
  if (!time.isValid()) time = QLocale().toTime(t, QLocale().timeFormat(QLocale::ShortFormat));
  if (!time.isValid()) time = QTime::fromString(t, QStringLiteral("H:mm:ss"));
  if (!time.isValid()) time = QTime::fromString(t, QStringLiteral("H:mm"));
  if (!time.isValid()) return false;
  value = time.msecsSinceStartOfDay() / 86400000.0;
  return true;
}

bool TryTextToDateTime(const QString& text, double& value) {
  const QString t = Trim(text);
  const int space = t.indexOf(QLatin1Char(' '));
  double date = 0;
  if (space < 0) return TryTextToDate(t, value);
  double time = 0;
  if (!TryTextToDate(t.left(space), date) || !TryTextToTime(t.mid(space + 1), time)) return false;
  value = date >= 0 ? date + time : date - time;
  return true;
}

TVariant TVariant::Null() { return WithType(varNull); }

TVariant TVariant::WithType(uint16_t code) {
  TVariant v;
  v.m_type = code;
  return v;
}

TVariant TVariant::FromSmallint(int16_t v) {
  TVariant r = WithType(varSmallint);
  r.m_value = static_cast<int64_t>(v);
  return r;
}
TVariant TVariant::FromInteger(int32_t v) {
  TVariant r = WithType(varInteger);
  r.m_value = static_cast<int64_t>(v);
  return r;
}
TVariant TVariant::FromSingle(float v) {
  TVariant r = WithType(varSingle);
  r.m_value = static_cast<double>(v);
  return r;
}
TVariant TVariant::FromDouble(double v) {
  TVariant r = WithType(varDouble);
  r.m_value = v;
  return r;
}
TVariant TVariant::FromCurrency(double v) {
  TVariant r = WithType(varCurrency);
  r.m_value = std::round(v * 10000.0) / 10000.0;
  return r;
}
TVariant TVariant::FromDate(double v) {
  TVariant r = WithType(varDate);
  r.m_value = v;
  return r;
}
TVariant TVariant::FromOleStr(const QString& v) {
  TVariant r = WithType(varOleStr);
  r.m_value = v;
  return r;
}
TVariant TVariant::FromBoolean(bool v) {
  TVariant r = WithType(varBoolean);
  r.m_value = v;
  return r;
}
TVariant TVariant::FromByte(uint8_t v) {
  TVariant r = WithType(varByte);
  r.m_value = static_cast<int64_t>(v);
  return r;
}
TVariant TVariant::FromString(const QString& v) {
  TVariant r = WithType(varString);
  r.m_value = v;
  return r;
}

QString TVariant::TypeName(uint16_t code) {
  switch (code & varTypeMask) {
    case varEmpty: return QStringLiteral("Unassigned");
    case varNull: return QStringLiteral("Null");
    case varSmallint: return QStringLiteral("Smallint");
    case varInteger: return QStringLiteral("Integer");
    case varSingle: return QStringLiteral("Single");
    case varDouble: return QStringLiteral("Double");
    case varCurrency: return QStringLiteral("Currency");
    case varDate: return QStringLiteral("Date");
    case varOleStr: return QStringLiteral("OleStr");
    case varBoolean: return QStringLiteral("Boolean");
    case varByte: return QStringLiteral("Byte");
    case varString: return QStringLiteral("String");
    default: return QStringLiteral("Unknown");
  }
}

QString TVariant::ToText() const {
  switch (BasicType()) {
    case varSmallint:
    case varInteger:
    case varByte:
      return QString::number(std::get<int64_t>(m_value));
    case varSingle:
      return FloatToStrG(std::get<double>(m_value), 7);
    case varDouble:
      return FloatToStrG(std::get<double>(m_value), 15);
    case varCurrency:
      return FloatToStrG(std::get<double>(m_value), 15);
    case varDate:
      return DateTimeToText(std::get<double>(m_value));
    case varOleStr:
    case varString:
      return std::get<QString>(m_value);
    case varBoolean:
      return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case varEmpty:
    case varNull:
      return QString();
    default:
      CannotConvert(m_type, varString);
  }
}

bool TVariant::ToBoolean() const {
  switch (BasicType()) {
    case varBoolean: return std::get<bool>(m_value);
    case varEmpty: return false;
    case varOleStr:
    case varString: {
      const QString& s = std::get<QString>(m_value);
      if (SameText(s, QStringLiteral("True"))) return true;
      if (SameText(s, QStringLiteral("False"))) return false;
      double d = 0;
      if (TryStrToFloat(s, d)) return d != 0;
      CannotConvert(m_type, varBoolean);
    }
    default: return ToDouble() != 0;
  }
}

int64_t TVariant::ToInt64() const {
  switch (BasicType()) {
    case varSmallint:
    case varInteger:
    case varByte: return std::get<int64_t>(m_value);
    case varBoolean: return std::get<bool>(m_value) ? -1 : 0;
    case varEmpty: return 0;
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDate: {
      const double d = std::nearbyint(std::get<double>(m_value));
      if (d < -9.2e18 || d > 9.2e18) CannotConvert(m_type, varInteger);
      return static_cast<int64_t>(d);
    }
    case varOleStr:
    case varString: {
      int64_t v = 0;
      if (TryStrToInt64(std::get<QString>(m_value), v)) return v;
      double d = 0;
      if (TryStrToFloat(std::get<QString>(m_value), d) && std::fabs(d) < 9.2e18) return static_cast<int64_t>(std::nearbyint(d));
      CannotConvert(m_type, varInteger);
    }
    default: CannotConvert(m_type, varInteger);
  }
}

double TVariant::ToDouble() const {
  switch (BasicType()) {
    case varSmallint:
    case varInteger:
    case varByte: return static_cast<double>(std::get<int64_t>(m_value));
    case varBoolean: return std::get<bool>(m_value) ? -1.0 : 0.0;
    case varEmpty: return 0;
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDate: return std::get<double>(m_value);
    case varOleStr:
    case varString: {
      double d = 0;
      if (TryStrToFloat(std::get<QString>(m_value), d)) return d;
      CannotConvert(m_type, varDouble);
    }
    default: CannotConvert(m_type, varDouble);
  }
}

TVariant TVariant::ChangeType(uint16_t code) const {
  const uint16_t target = code & varTypeMask;
  if (target == BasicType()) return *this;
  if (IsNull() && target != varEmpty) CannotConvert(m_type, code);
  switch (target) {
    case varEmpty: return TVariant();
    case varNull: return Null();
    case varSmallint: {
      const int64_t v = ToInt64();
      if (!FitsRange(v, -32768, 32767)) CannotConvert(m_type, code);
      return FromSmallint(static_cast<int16_t>(v));
    }
    case varInteger: {
      const int64_t v = ToInt64();
      if (!FitsRange(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())) CannotConvert(m_type, code);
      return FromInteger(static_cast<int32_t>(v));
    }
    case varByte: {
      const int64_t v = ToInt64();
      if (!FitsRange(v, 0, 255)) CannotConvert(m_type, code);
      return FromByte(static_cast<uint8_t>(v));
    }
    case varSingle: return FromSingle(static_cast<float>(ToDouble()));
    case varDouble: return FromDouble(ToDouble());
    case varCurrency: return FromCurrency(ToDouble());
    case varDate: {
      if (BasicType() == varString || BasicType() == varOleStr) {
        double d = 0;
        if (!TryTextToDateTime(std::get<QString>(m_value), d)) CannotConvert(m_type, code);
        return FromDate(d);
      }
      return FromDate(ToDouble());
    }
    case varBoolean: return FromBoolean(ToBoolean());
    case varOleStr: return FromOleStr(ToText());
    case varString: return FromString(ToText());
    default: CannotConvert(m_type, code);
  }
}

TVariant TVariant::FromText(const QString& text, uint16_t code) { return FromString(text).ChangeType(code); }

bool TVariant::operator==(const TVariant& other) const { return m_type == other.m_type && m_value == other.m_value; }
