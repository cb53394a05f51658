#include "toolkit/PropText.h"

#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"

#include <QLocale>

namespace {

[[noreturn]] void InvalidValue() { throw EPropertyError(QStringLiteral("Invalid property value")); }

[[noreturn]] void NoTextForm(const TPropInfo& prop) {
  throw EPropertyError(Format("Property %s of type %s has no text form", {prop.Name, prop.PropType->Name}));
}

void CheckRange(const TTypeInfo& type, int64_t value) {
  if (!InOrdinalRange(type, value))
    throw EPropertyError(Format("Value must be between %d and %d", {type.MinValue, type.MaxValue}));
}

// Language files: every ordinal a 32-bit number.
void SetOrdinalNumber(TObject& object, const TPropInfo& prop, const QString& text) {
  const int32_t value = StrToInt(text);
  const TTypeInfo& type = *prop.PropType;
  // An ordinal outside the enumeration would leave the object in a state its
  // own code never expects; it is refused like a bad number.
  if (type.Kind == TTypeKind::tkEnumeration && !InOrdinalRange(type, value))
    throw EConvertError(Format("%d is out of the range of %s", {value, type.Name}));
  SetOrdProp(object, prop, value);
}

// What a user types: names for enumerations and sets, checked numbers.
void SetOrdinalName(TObject& object, const TPropInfo& prop, const QString& text) {
  const TTypeInfo& type = *prop.PropType;
  switch (type.Kind) {
    case TTypeKind::tkEnumeration: {
      const std::optional<int64_t> ordinal = EnumFromText(type, text);
      if (!ordinal) InvalidValue();
      SetOrdProp(object, prop, *ordinal);
      return;
    }
    case TTypeKind::tkSet: {
      const std::optional<uint32_t> mask = SetFromText(type, text);
      if (!mask) InvalidValue();
      SetOrdProp(object, prop, *mask);
      return;
    }
    case TTypeKind::tkChar:
    case TTypeKind::tkWChar: {
      const std::optional<int64_t> code = CharFromText(text);
      if (!code) InvalidValue();
      CheckRange(type, *code);
      SetOrdProp(object, prop, *code);
      return;
    }
    default: {
      const int64_t value = IntegerFromText(type, text);
      CheckRange(type, value);
      SetOrdProp(object, prop, value);
      return;
    }
  }
}

QString OrdinalName(const TTypeInfo& type, int64_t value) {
  switch (type.Kind) {
    case TTypeKind::tkEnumeration: return EnumToText(type, value);
    case TTypeKind::tkSet: return SetToText(type, static_cast<uint32_t>(value));
    case TTypeKind::tkChar:
    case TTypeKind::tkWChar: return CharToText(value);
    default:
      return IntegerToText(type, value);
  }
}

}  // namespace

QString EnumToText(const TTypeInfo& type, int64_t ordinal) { return type.EnumName(ordinal); }

std::optional<int64_t> EnumFromText(const TTypeInfo& type, const QString& text) {
  std::optional<int64_t> ordinal;
  if (type.MinValue < 0) {
    // Boolean-like types of other sizes: True is all bits set.
    int32_t number = 0;
    if (SameText(text, QStringLiteral("False"))) ordinal = 0;
    else if (SameText(text, QStringLiteral("True"))) ordinal = -1;
    else if (TryStrToInt(text, number)) ordinal = number;
  } else {
    ordinal = type.EnumValue(text);
  }
  if (ordinal && !InOrdinalRange(type, *ordinal)) return std::nullopt;
  return ordinal;
}

QString SetToText(const TTypeInfo& setType, uint32_t mask) {
  QStringList names;
  for (int bit = 0; bit < 32; ++bit) {
    if (!(mask & (1u << bit))) continue;
    const QString name = setType.CompType ? setType.CompType->EnumName(bit) : QString();
    names << (name.isEmpty() ? IntToStr(bit) : name);
  }
  return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
}

std::optional<uint32_t> SetFromText(const TTypeInfo& setType, const QString& text) {
  const QString trimmed = Trim(text);
  if (!setType.CompType || !trimmed.startsWith(QLatin1Char('[')) || !trimmed.endsWith(QLatin1Char(']')))
    return std::nullopt;
  const QString inner = Trim(trimmed.mid(1, trimmed.size() - 2));
  uint32_t mask = 0;
  if (inner.isEmpty()) return mask;
  for (const QString& part : inner.split(QLatin1Char(','))) {
    const std::optional<int64_t> ordinal = setType.CompType->EnumValue(Trim(part));
    if (!ordinal || *ordinal < 0 || *ordinal > 31) return std::nullopt;
    mask |= 1u << *ordinal;
  }
  return mask;
}

QString CharToText(int64_t code) {
  if (code >= 0x21 && code <= 0x7F) return QString(QChar(static_cast<char16_t>(code)));
  return Format("#%d", {code});
}

std::optional<int64_t> CharFromText(const QString& text) {
  if (text.isEmpty()) return 0;
  if (text.size() == 1) return text[0].unicode();
  if (!text.startsWith(QLatin1Char('#'))) return std::nullopt;
  return StrToInt(text.mid(1));
}

bool InOrdinalRange(const TTypeInfo& type, int64_t value) { return value >= type.MinValue && value <= type.MaxValue; }

QString IntegerToText(const TTypeInfo& type, int64_t value) {
  return type.OrdType == TOrdType::otULong ? IntToStr(static_cast<uint32_t>(value)) : IntToStr(value);
}

int64_t IntegerFromText(const TTypeInfo& type, const QString& text) {
  int32_t pattern = 0;
  if (type.OrdType == TOrdType::otSLong && TryStrToInt(text, pattern)) return pattern;
  return StrToInt64(text);
}

QString FloatToText(double value, TFloatType floatType) {
  // Every float kind is held in a double here: digits beyond its 15 would
  // only show the binary rounding (0.1 as 0.100000000000000006).
  return FloatToStrG(value, floatType == TFloatType::ftSingle ? 7 : 15);
}

QString VariantToText(const TVariant& value) {
  // Code 9 is how error values were long shown; varError is what they are.
  constexpr uint16_t kOldErrorCode = 9;
  if (value.BasicType() == kOldErrorCode || value.BasicType() == varError) return QStringLiteral("ERROR");
  if (value.IsNull()) return QStringLiteral("(Null)");
  return value.ToText();
}

TVariant VariantFromText(const QString& text, uint16_t code) {
  if (text.isEmpty()) return TVariant();
  if (SameText(text, QStringLiteral("(Null)"))) return TVariant::Null();
  const uint16_t basic = code & varTypeMask;
  QString typed = text;
  if (basic == varCurrency) {
    const QString symbol = QLocale().currencySymbol();
    if (symbol.isEmpty() || !text.contains(symbol)) return TVariant::FromString(text);
    typed = Trim(QString(text).remove(symbol));
  }
  try {
    const TVariant converted = TVariant::FromText(typed, code);
    if (basic == varDate || converted.ToText() == typed) return converted;
  } catch (const EVariantError&) {
    // Not a value of that type: the text is kept as a string below.
  }
  return TVariant::FromString(text);
}

bool HasTextForm(TTypeKind kind) {
  switch (kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkWChar:
    case TTypeKind::tkInt64:
    case TTypeKind::tkFloat:
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString:
    case TTypeKind::tkVariant:
      return true;
    default:
      return false;
  }
}

QString GetPropText(const TObject& object, const TPropInfo& prop, TOrdinalText form) {
  const TTypeInfo& type = *prop.PropType;
  if (type.IsOrdinal()) {
    const int64_t value = GetOrdProp(object, prop);
    return form == TOrdinalText::Numbers ? IntToStr(value) : OrdinalName(type, value);
  }
  switch (type.Kind) {
    case TTypeKind::tkInt64: return IntToStr(GetInt64Prop(object, prop));
    case TTypeKind::tkFloat: return FloatToText(GetFloatProp(object, prop), type.FloatType);
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString: return GetStrProp(object, prop);
    case TTypeKind::tkVariant: return VariantToText(GetVariantProp(object, prop));
    default: NoTextForm(prop);
  }
}

void SetPropText(TObject& object, const TPropInfo& prop, const QString& text, TOrdinalText form) {
  const TTypeInfo& type = *prop.PropType;
  if (type.IsOrdinal()) {
    if (form == TOrdinalText::Numbers) SetOrdinalNumber(object, prop, text);
    else SetOrdinalName(object, prop, text);
    return;
  }
  switch (type.Kind) {
    case TTypeKind::tkInt64: SetInt64Prop(object, prop, StrToInt64(text)); return;
    case TTypeKind::tkFloat: SetFloatProp(object, prop, StrToFloat(text)); return;
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString: SetStrProp(object, prop, text); return;
    case TTypeKind::tkVariant:
      SetVariantProp(object, prop, VariantFromText(text, GetVariantProp(object, prop).VarType()));
      return;
    default: NoTextForm(prop);
  }
}
