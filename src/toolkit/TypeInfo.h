// Run-time type information of published properties: the kind of a type, its
// name, ordinal bounds, enumeration names, a set's element type, a class
// type's class and a float type's precision. Every named type is one object;
// properties compare their types by identity, so a TColor property is not an
// Integer property although both hold a 32-bit number.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <optional>

class TClassInfo;

enum class TTypeKind {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkWChar,
  tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};

enum class TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum class TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

class TTypeInfo {
 public:
  TTypeKind Kind = TTypeKind::tkUnknown;
  QString Name;
  // Ordinal kinds (integer, char, enumeration, set, wide char) and 64-bit integers.
  TOrdType OrdType = TOrdType::otSLong;
  int64_t MinValue = 0;
  int64_t MaxValue = 0;
  // Enumeration names by ordinal, starting at MinValue.
  QStringList EnumNames;
  // A set's element type.
  const TTypeInfo* CompType = nullptr;
  // A class type's class.
  const TClassInfo* ClassType = nullptr;
  // A float type's precision class.
  TFloatType FloatType = TFloatType::ftDouble;

  bool IsOrdinal() const;
  // The name of an enumeration value; empty outside the names.
  QString EnumName(int64_t ordinal) const;
  // The ordinal of an enumeration name (ASCII letter case ignored);
  // std::nullopt when no value has that name.
  std::optional<int64_t> EnumValue(const QString& name) const;
  // The bits a value of this set type may carry.
  uint32_t SetMask() const;

  // Builders for the kinds of types the system declares.
  static TTypeInfo Ordinal(TTypeKind kind, const char* name, TOrdType ordType, int64_t min, int64_t max);
  static TTypeInfo Enumeration(const char* name, std::initializer_list<const char*> names);
  static TTypeInfo Set(const char* name, const TTypeInfo& element);
  static TTypeInfo Float(const char* name, TFloatType floatType);
  static TTypeInfo Simple(TTypeKind kind, const char* name);
  static TTypeInfo Int64(const char* name);
};

// The system's named types. Each function returns the one object of its type.
namespace Types {
const TTypeInfo& Integer();
const TTypeInfo& Cardinal();
const TTypeInfo& SmallInt();
const TTypeInfo& Word();
const TTypeInfo& Byte();
const TTypeInfo& ShortInt();
const TTypeInfo& Boolean();
const TTypeInfo& Char();
const TTypeInfo& WideChar();
const TTypeInfo& Int64();
const TTypeInfo& Single();
const TTypeInfo& Double();
const TTypeInfo& Extended();
const TTypeInfo& Comp();
const TTypeInfo& Currency();
const TTypeInfo& String();
const TTypeInfo& ShortString();
const TTypeInfo& WideString();
const TTypeInfo& Variant();
const TTypeInfo& Method();
// Types that hold a plain number or text but are their own type.
const TTypeInfo& TColor();
const TTypeInfo& TCursor();
const TTypeInfo& TFontCharset();
const TTypeInfo& TFontName();
const TTypeInfo& TImeName();
const TTypeInfo& TCaption();
const TTypeInfo& TComponentName();
const TTypeInfo& TTabOrder();
const TTypeInfo& TModalResult();
const TTypeInfo& TShortCut();
const TTypeInfo& TDate();
const TTypeInfo& TTime();
const TTypeInfo& TDateTime();
const TTypeInfo& TPenStyle();
const TTypeInfo& TBrushStyle();
const TTypeInfo& TFontStyle();
const TTypeInfo& TFontStyles();
const TTypeInfo& TFontPitch();
}  // namespace Types

// A set of up to 32 elements of an enumeration E, held as a bit mask: the
// element of ordinal k is bit 2^k.
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> elements) {
    for (E e : elements) m_bits |= Bit(e);
  }
  static constexpr TSet FromMask(uint32_t mask) {
    TSet s;
    s.m_bits = mask;
    return s;
  }
  constexpr uint32_t Mask() const { return m_bits; }
  constexpr bool Contains(E e) const { return (m_bits & Bit(e)) != 0; }
  constexpr bool Empty() const { return m_bits == 0; }
  constexpr TSet& Include(E e) {
    m_bits |= Bit(e);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    m_bits &= ~Bit(e);
    return *this;
  }
  constexpr TSet operator+(TSet o) const { return FromMask(m_bits | o.m_bits); }
  constexpr TSet operator-(TSet o) const { return FromMask(m_bits & ~o.m_bits); }
  constexpr TSet operator*(TSet o) const { return FromMask(m_bits & o.m_bits); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint32_t Bit(E e) { return 1u << static_cast<unsigned>(e); }
  uint32_t m_bits = 0;
};

// Font styles live here because both the font and the metadata need them.
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
