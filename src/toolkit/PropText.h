// Property values as text: one conversion per type kind, both ways. The
// translator stores the values of language files with it; a property
// inspector shows values with it and parses what the user types.
#pragma once

#include "toolkit/Object.h"

#include <optional>

// How the ordinal kinds (integer, char, enumeration, set) are written.
enum class TOrdinalText {
  // Language files: every ordinal is a number (an enumeration by its
  // ordinal, 0 or 1 for a Boolean; a set by its bit mask; a char by its
  // code), read as a 32-bit integer text (StrToInt: an optional sign, then
  // decimal digits or hexadecimal ones after "$", "x" or "0x"). An
  // enumeration ordinal outside the type's range is refused; the other
  // ordinals are stored as they come (a set keeps the bits of its elements).
  Numbers,
  // What a user reads and types: an enumeration by its name, a set as
  // "[akLeft,akTop]", a char as itself or as "#" and its code, integers as
  // 64-bit integer texts within the type's bounds (a signed 32-bit type also
  // takes hexadecimal texts up to $FFFFFFFF as their bit pattern).
  Names,
};

// Values of one type, both ways. A text that is no number raises
// EConvertError ("'%s' is not a valid integer value", "'%s' is not a valid
// floating point value"); a text that names no value of the type gives
// std::nullopt, so that each caller reports it in its own words.

// The name of an enumeration ordinal; empty outside the names. For the
// Boolean-like types with a negative minimum, "False" for 0 and "True" for
// 1 and -1.
QString EnumToText(const TTypeInfo& type, int64_t ordinal);
// The ordinal of a name, ASCII letter case ignored. For the Boolean-like
// types with a negative minimum "False" is 0, "True" -1 and any other text
// an integer text. std::nullopt for an unknown name or an ordinal outside the
// type's range.
std::optional<int64_t> EnumFromText(const TTypeInfo& type, const QString& text);
// "[" + the names of the elements whose bits the mask holds, in ordinal
// order, separated by "," without blanks + "]"; "[]" for the empty set.
QString SetToText(const TTypeInfo& setType, uint32_t mask);
// The mask of a text in the form SetToText writes; letter case and blanks
// around the names do not matter. std::nullopt for an unknown name or a text
// without the brackets.
std::optional<uint32_t> SetFromText(const TTypeInfo& setType, const QString& text);
// A code from 0x21 to 0x7F as its character, any other as "#" and the code
// in decimal ("#32").
QString CharToText(int64_t code);
// The code of a char text: empty text is 0, one character its code, "#"
// followed by a decimal integer text that number (not range-checked).
// std::nullopt for a longer text that does not start with "#".
std::optional<int64_t> CharFromText(const QString& text);
// Whether an ordinal lies within the type's MinValue .. MaxValue.
bool InOrdinalRange(const TTypeInfo& type, int64_t value);
// An integer in decimal, unsigned for the unsigned 32-bit types.
QString IntegerToText(const TTypeInfo& type, int64_t value);
// A typed integer text (not range-checked): an optional sign, then decimal
// digits or hexadecimal ones after "$", "x" or "0x"; a signed 32-bit type
// also takes hexadecimal texts up to $FFFFFFFF as their bit pattern, so that
// a value shown that way ("$FF000019", an unnamed system colour) can be
// typed back. EConvertError for a text that is no integer.
int64_t IntegerFromText(const TTypeInfo& type, const QString& text);
// General number format with the significant digits of the float type:
// single 7, every other kind 15 (all are held in a double).
QString FloatToText(double value, TFloatType floatType);
// "(Null)" for Null, "ERROR" for an error value (type code 10, and 9 as it
// was long written), otherwise TVariant::ToText
// (empty for Unassigned, "True"/"False", numbers and dates in the locale's
// notation, currency without a symbol).
QString VariantToText(const TVariant& value);
// The value a text gives a variant of type `code`: empty text is
// Unassigned, "(Null)" (letter case ignored) Null; otherwise the text
// converted to that type when the conversion succeeds and the value reads
// back as exactly the text (dates need not read back); a currency text must
// hold the locale's currency symbol, which the conversion leaves out. Any
// other text becomes a String variant holding it.
TVariant VariantFromText(const QString& text, uint16_t code);

// Whether properties of the kind have a text form: the ordinal kinds,
// 64-bit integers, floats, strings and variants (not classes, methods and
// the kinds the metadata does not describe).
bool HasTextForm(TTypeKind kind);
// A property's value as text. EPropertyError for a kind without a text form.
QString GetPropText(const TObject& object, const TPropInfo& prop, TOrdinalText form);
// Stores a text in a property by its kind. Besides the conversion errors
// above: EConvertError "%d is out of the range of %s" for an enumeration
// ordinal (Numbers); EPropertyError "Value must be between %d and %d" for an
// integer or char outside its type's bounds and "Invalid property value" for
// a name or set text that gives no value (Names); EPropertyError for a kind
// without a text form. Nothing is written when the text is refused.
void SetPropText(TObject& object, const TPropInfo& prop, const QString& text, TOrdinalText form);
