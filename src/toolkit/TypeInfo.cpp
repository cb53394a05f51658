#include "toolkit/TypeInfo.h"

#include "toolkit/SysUtils.h"

#include <limits>

bool TTypeInfo::IsOrdinal() const {
  switch (Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkWChar:
      return true;
    default:
      return false;
  }
}

QString TTypeInfo::EnumName(int64_t ordinal) const {
  if (MinValue < 0) {
    // Boolean-like types of other sizes: only False and True have names.
    if (ordinal == 0) return QStringLiteral("False");
    return ordinal == 1 || ordinal == -1 ? QStringLiteral("True") : QString();
  }
  const int64_t index = ordinal - MinValue;
  return index >= 0 && index < EnumNames.size() ? EnumNames[static_cast<int>(index)] : QString();
}

std::optional<int64_t> TTypeInfo::EnumValue(const QString& name) const {
  for (int i = 0; i < EnumNames.size(); ++i)
    if (SameText(EnumNames[i], name)) return MinValue + i;
  return std::nullopt;
}

uint32_t TTypeInfo::SetMask() const {
  if (!CompType) return 0;
  const int64_t top = std::min<int64_t>(CompType->MaxValue, 31);
  return top >= 31 ? 0xFFFFFFFFu : ((1u << (top + 1)) - 1u);
}

TTypeInfo TTypeInfo::Ordinal(TTypeKind kind, const char* name, TOrdType ordType, int64_t min, int64_t max) {
  TTypeInfo t;
  t.Kind = kind;
  t.Name = QString::fromLatin1(name);
  t.OrdType = ordType;
  t.MinValue = min;
  t.MaxValue = max;
  return t;
}

TTypeInfo TTypeInfo::Enumeration(const char* name, std::initializer_list<const char*> names) {
  TTypeInfo t;
  t.Kind = TTypeKind::tkEnumeration;
  t.Name = QString::fromLatin1(name);
  t.OrdType = TOrdType::otUByte;
  for (const char* n : names) t.EnumNames << QString::fromLatin1(n);
  t.MinValue = 0;
  t.MaxValue = t.EnumNames.size() - 1;
  return t;
}

TTypeInfo TTypeInfo::Set(const char* name, const TTypeInfo& element) {
  TTypeInfo t;
  t.Kind = TTypeKind::tkSet;
  t.Name = QString::fromLatin1(name);
  t.CompType = &element;
  t.OrdType = element.MaxValue < 8 ? TOrdType::otUByte : element.MaxValue < 16 ? TOrdType::otUWord : TOrdType::otULong;
  t.MinValue = 0;
  t.MaxValue = t.SetMask();
  return t;
}

TTypeInfo TTypeInfo::Float(const char* name, TFloatType floatType) {
  TTypeInfo t;
  t.Kind = TTypeKind::tkFloat;
  t.Name = QString::fromLatin1(name);
  t.FloatType = floatType;
  return t;
}

TTypeInfo TTypeInfo::Simple(TTypeKind kind, const char* name) {
  TTypeInfo t;
  t.Kind = kind;
  t.Name = QString::fromLatin1(name);
  return t;
}

TTypeInfo TTypeInfo::Int64(const char* name) {
  TTypeInfo t = Ordinal(TTypeKind::tkInt64, name, TOrdType::otSLong, std::numeric_limits<int64_t>::min(),
                        std::numeric_limits<int64_t>::max());
  return t;
}

namespace Types {

using K = TTypeKind;
using O = TOrdType;
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

#define VORNIK_TYPE(fn, expr)             \
  const TTypeInfo& fn() {                 \
    static const TTypeInfo info = (expr); \
    return info;                          \
  }

VORNIK_TYPE(Integer, TTypeInfo::Ordinal(K::tkInteger, "Integer", O::otSLong, kIntMin, kIntMax))
VORNIK_TYPE(Cardinal, TTypeInfo::Ordinal(K::tkInteger, "Cardinal", O::otULong, 0, 0xFFFFFFFFll))
VORNIK_TYPE(SmallInt, TTypeInfo::Ordinal(K::tkInteger, "SmallInt", O::otSWord, -32768, 32767))
VORNIK_TYPE(Word, TTypeInfo::Ordinal(K::tkInteger, "Word", O::otUWord, 0, 65535))
VORNIK_TYPE(Byte, TTypeInfo::Ordinal(K::tkInteger, "Byte", O::otUByte, 0, 255))
VORNIK_TYPE(ShortInt, TTypeInfo::Ordinal(K::tkInteger, "ShortInt", O::otSByte, -128, 127))
VORNIK_TYPE(Boolean, TTypeInfo::Enumeration("Boolean", {"False", "True"}))
VORNIK_TYPE(Char, TTypeInfo::Ordinal(K::tkChar, "Char", O::otUByte, 0, 255))
VORNIK_TYPE(WideChar, TTypeInfo::Ordinal(K::tkWChar, "WideChar", O::otUWord, 0, 65535))
VORNIK_TYPE(Int64, TTypeInfo::Int64("Int64"))
VORNIK_TYPE(Single, TTypeInfo::Float("Single", TFloatType::ftSingle))
VORNIK_TYPE(Double, TTypeInfo::Float("Double", TFloatType::ftDouble))
VORNIK_TYPE(Extended, TTypeInfo::Float("Extended", TFloatType::ftExtended))
VORNIK_TYPE(Comp, TTypeInfo::Float("Comp", TFloatType::ftComp))
VORNIK_TYPE(Currency, TTypeInfo::Float("Currency", TFloatType::ftCurr))
VORNIK_TYPE(String, TTypeInfo::Simple(K::tkLString, "String"))
VORNIK_TYPE(ShortString, TTypeInfo::Simple(K::tkString, "ShortString"))
VORNIK_TYPE(WideString, TTypeInfo::Simple(K::tkWString, "WideString"))
VORNIK_TYPE(Variant, TTypeInfo::Simple(K::tkVariant, "Variant"))
VORNIK_TYPE(Method, TTypeInfo::Simple(K::tkMethod, "TNotifyEvent"))
VORNIK_TYPE(TColor, TTypeInfo::Ordinal(K::tkInteger, "TColor", O::otSLong, kIntMin, kIntMax))
VORNIK_TYPE(TCursor, TTypeInfo::Ordinal(K::tkInteger, "TCursor", O::otSWord, -32768, 32767))
VORNIK_TYPE(TFontCharset, TTypeInfo::Ordinal(K::tkInteger, "TFontCharset", O::otUByte, 0, 255))
VORNIK_TYPE(TFontName, TTypeInfo::Simple(K::tkLString, "TFontName"))
VORNIK_TYPE(TImeName, TTypeInfo::Simple(K::tkLString, "TImeName"))
VORNIK_TYPE(TCaption, TTypeInfo::Simple(K::tkLString, "TCaption"))
VORNIK_TYPE(TComponentName, TTypeInfo::Simple(K::tkLString, "TComponentName"))
VORNIK_TYPE(TTabOrder, TTypeInfo::Ordinal(K::tkInteger, "TTabOrder", O::otSWord, -1, 32767))
VORNIK_TYPE(TModalResult, TTypeInfo::Ordinal(K::tkInteger, "TModalResult", O::otSLong, kIntMin, kIntMax))
VORNIK_TYPE(TShortCut, TTypeInfo::Ordinal(K::tkInteger, "TShortCut", O::otUWord, 0, 65535))
VORNIK_TYPE(TDate, TTypeInfo::Float("TDate", TFloatType::ftDouble))
VORNIK_TYPE(TTime, TTypeInfo::Float("TTime", TFloatType::ftDouble))
VORNIK_TYPE(TDateTime, TTypeInfo::Float("TDateTime", TFloatType::ftDouble))
VORNIK_TYPE(TPenStyle, TTypeInfo::Enumeration("TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                                            "psClear", "psInsideFrame"}))
VORNIK_TYPE(TBrushStyle, TTypeInfo::Enumeration("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                                "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"}))
VORNIK_TYPE(TFontStyle, TTypeInfo::Enumeration("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}))
VORNIK_TYPE(TFontStyles, TTypeInfo::Set("TFontStyles", TFontStyle()))
VORNIK_TYPE(TFontPitch, TTypeInfo::Enumeration("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}))

#undef VORNIK_TYPE

}  // namespace Types
