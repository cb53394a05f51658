#include "inspector/ELStdPropEditors.h"

#include "inspector/ELGraphicPropEditors.h"

#include "toolkit/Graphics.h"
#include "toolkit/KeyCodes.h"
#include "toolkit/Messages.h"
#include "toolkit/PropText.h"
#include "toolkit/Strings.h"

#include <array>

// Sub-row editors are made by their parents, never by class.
#define VORNIK_DEFINE_NESTED_PROP_EDITOR(E, Base)                                \
  const TELPropEditorClass& E::StaticClass() {                                   \
    static const TELPropEditorClass info(#E, &Base::StaticClass(), nullptr);     \
    return info;                                                                 \
  }

VORNIK_DEFINE_PROP_EDITOR(TELOrdinalPropEditor, TELPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELIntegerPropEditor, TELOrdinalPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELCharPropEditor, TELOrdinalPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELEnumPropEditor, TELOrdinalPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELSetPropEditor, TELOrdinalPropEditor)
VORNIK_DEFINE_NESTED_PROP_EDITOR(TELSetElemPropEditor, TELNestedPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELShortCutPropEditor, TELOrdinalPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELTabOrderPropEditor, TELIntegerPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELModalResultPropEditor, TELIntegerPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELFloatPropEditor, TELPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELStringPropEditor, TELPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELComponentNamePropEditor, TELStringPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELCaptionPropEditor, TELStringPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELInt64PropEditor, TELPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELDateTimePropEditor, TELPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELDatePropEditor, TELDateTimePropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELTimePropEditor, TELDateTimePropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELClassPropEditor, TELPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELComponentPropEditor, TELPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELVariantPropEditor, TELPropEditor)
VORNIK_DEFINE_NESTED_PROP_EDITOR(TELVariantTypePropEditor, TELNestedPropEditor)

using A = TELPropEditorAttribute;

namespace {

[[noreturn]] void InvalidValue() { throw EELPropEditor(QStringLiteral("Invalid property value")); }

void CheckRange(const TTypeInfo& type, int64_t value) {
  if (!InOrdinalRange(type, value))
    throw EELPropEditor(Format("Value must be between %d and %d", {type.MinValue, type.MaxValue}));
}

const char* const kModalResults[] = {"mrNone", "mrOk",  "mrCancel", "mrAbort",   "mrRetry",   "mrIgnore",
                                     "mrYes",  "mrNo",  "mrAll",    "mrNoToAll", "mrYesToAll"};

// Variant type names by type code; codes without a name are empty.
constexpr std::array<const char*, 18> kVariantTypes = {
    "Unassigned", "Null", "Smallint", "Integer", "Single", "Double", "Currency", "Date", "OleStr",
    "",           "",     "Boolean",  "",        "",       "",       "",         "",     "Byte"};
const char* const kStringType = "String";

// The shortcuts a shortcut row offers, in order.
std::vector<uint16_t> OfferedShortCuts() {
  std::vector<uint16_t> list;
  auto add = [&list](int modifiers, int key) { list.push_back(static_cast<uint16_t>(modifiers | key)); };
  for (int k = 'A'; k <= 'Z'; ++k) add(scCtrl, k);
  for (int k = 'A'; k <= 'Z'; ++k) add(scCtrl | scAlt, k);
  for (int modifiers : {0, int{scCtrl}, int{scShift}, scShift | scCtrl})
    for (int k = VK_F1; k <= VK_F12; ++k) add(modifiers, k);
  for (int k : {int{VK_INSERT}, int{VK_DELETE}})
    for (int modifiers : {0, int{scShift}, int{scCtrl}}) add(modifiers, k);
  add(scAlt, VK_BACK);
  add(scShift | scAlt, VK_BACK);
  return list;
}

}  // namespace

const TELPropEditorClass& ELDefaultEditorClass(const TPropInfo& prop) {
  const TTypeInfo* type = prop.PropType;
  // Types that are their own although their values are plain numbers or texts.
  const std::pair<const TTypeInfo*, const TELPropEditorClass*> byType[] = {
      {&Types::TComponentName(), &TELComponentNamePropEditor::StaticClass()},
      {&Types::TDate(), &TELDatePropEditor::StaticClass()},
      {&Types::TTime(), &TELTimePropEditor::StaticClass()},
      {&Types::TDateTime(), &TELDateTimePropEditor::StaticClass()},
      {&Types::TCaption(), &TELCaptionPropEditor::StaticClass()},
      {&Types::TModalResult(), &TELModalResultPropEditor::StaticClass()},
      {&Types::TTabOrder(), &TELTabOrderPropEditor::StaticClass()},
      {&Types::TShortCut(), &TELShortCutPropEditor::StaticClass()},
      {&Types::TColor(), &TELColorPropEditor::StaticClass()},
      {&Types::TCursor(), &TELCursorPropEditor::StaticClass()},
      {&Types::TFontCharset(), &TELFontCharsetPropEditor::StaticClass()},
      {&Types::TFontName(), &TELFontNamePropEditor::StaticClass()},
      {&Types::TImeName(), &TELImeNamePropEditor::StaticClass()},
      {&Types::TPenStyle(), &TELPenStylePropEditor::StaticClass()},
      {&Types::TBrushStyle(), &TELBrushStylePropEditor::StaticClass()},
  };
  for (const auto& [t, editor] : byType)
    if (t == type) return *editor;
  // Fonts and string lists by their classes, their descendants included.
  if (type->Kind == TTypeKind::tkClass && type->ClassType) {
    if (type->ClassType->InheritsFrom(TFont::StaticClass())) return TELFontPropEditor::StaticClass();
    if (type->ClassType->InheritsFrom(TStrings::StaticClass())) return TELStringsPropEditor::StaticClass();
  }
  switch (type->Kind) {
    case TTypeKind::tkInteger: return TELIntegerPropEditor::StaticClass();
    case TTypeKind::tkChar: return TELCharPropEditor::StaticClass();
    case TTypeKind::tkEnumeration: return TELEnumPropEditor::StaticClass();
    case TTypeKind::tkFloat: return TELFloatPropEditor::StaticClass();
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString: return TELStringPropEditor::StaticClass();
    case TTypeKind::tkSet: return TELSetPropEditor::StaticClass();
    case TTypeKind::tkClass:
      if (type->ClassType && type->ClassType->InheritsFrom(TComponent::StaticClass()))
        return TELComponentPropEditor::StaticClass();
      return TELClassPropEditor::StaticClass();
    case TTypeKind::tkVariant: return TELVariantPropEditor::StaticClass();
    case TTypeKind::tkInt64: return TELInt64PropEditor::StaticClass();
    default: return TELPropEditor::StaticClass();
  }
}

// ---- ordinals ----

bool TELOrdinalPropEditor::AllEqual() {
  return SameForEveryPair([this](int i) { return GetOrdValueAt(i); });
}

QString TELIntegerPropEditor::GetValue() { return IntegerToText(PropTypeInfo(), GetOrdValueAt(0)); }

void TELIntegerPropEditor::SetValue(const QString& value) {
  const int64_t number = IntegerFromText(PropTypeInfo(), value);
  CheckRange(PropTypeInfo(), number);
  SetOrdValue(number);
}

QString TELCharPropEditor::GetValue() { return CharToText(GetOrdValueAt(0)); }

void TELCharPropEditor::SetValue(const QString& value) {
  const std::optional<int64_t> code = CharFromText(value);
  if (!code) InvalidValue();
  CheckRange(PropTypeInfo(), *code);
  SetOrdValue(*code);
}

TELPropEditorAttributes TELEnumPropEditor::GetAttributes() {
  if (NoSetter()) return {};
  return {A::eaValueList, A::eaMultiSelect, A::eaSortList};
}

QString TELEnumPropEditor::GetValue() {
  const TTypeInfo& type = PropTypeInfo();
  const int64_t ordinal = GetOrdValueAt(0);
  return EnumToText(type, InOrdinalRange(type, ordinal) ? ordinal : type.MaxValue);
}

void TELEnumPropEditor::GetValues(QStringList& values) {
  const TTypeInfo& type = PropTypeInfo();
  // The Boolean-like types of other sizes offer False and True only.
  const int64_t first = type.MinValue < 0 ? 0 : type.MinValue;
  const int64_t last = type.MinValue < 0 ? 1 : type.MaxValue;
  for (int64_t v = first; v <= last; ++v) values << EnumToText(type, v);
}

void TELEnumPropEditor::SetValue(const QString& value) {
  const std::optional<int64_t> ordinal = EnumFromText(PropTypeInfo(), value);
  if (!ordinal) InvalidValue();
  SetOrdValue(*ordinal);
}

TELPropEditorAttributes TELSetPropEditor::GetAttributes() {
  if (NoSetter()) return {};
  return {A::eaSubProperties, A::eaMultiSelect, A::eaReadOnly};
}

QString TELSetPropEditor::GetValue() {
  return SetToText(PropTypeInfo(), static_cast<uint32_t>(GetOrdValueAt(0)));
}

void TELSetPropEditor::GetSubProperties(TELPropEditorList& result, const TELGetEditorClass&) {
  const TTypeInfo* element = PropTypeInfo().CompType;
  if (!element) return;
  for (int64_t e = element->MinValue; e <= element->MaxValue; ++e)
    result.push_back(std::make_unique<TELSetElemPropEditor>(*this, static_cast<int>(e)));
}

TELSetElemPropEditor::TELSetElemPropEditor(const TELPropEditor& parent, int element)
    : TELNestedPropEditor(parent), m_element(element) {}

TELPropEditorAttributes TELSetElemPropEditor::GetAttributes() {
  return {A::eaValueList, A::eaMultiSelect, A::eaSortList};
}

QString TELSetElemPropEditor::GetName() {
  const TTypeInfo* element = PropTypeInfo().CompType;
  return element ? element->EnumName(m_element) : QString();
}

bool TELSetElemPropEditor::InSet(int64_t ordinal) const {
  return m_element >= 0 && m_element < 32 && (static_cast<uint32_t>(ordinal) >> m_element) & 1u;
}

QString TELSetElemPropEditor::GetValue() { return EnumToText(Types::Boolean(), InSet(GetOrdValueAt(0)) ? 1 : 0); }

void TELSetElemPropEditor::GetValues(QStringList& values) {
  values << EnumToText(Types::Boolean(), 0) << EnumToText(Types::Boolean(), 1);
}

bool TELSetElemPropEditor::AllEqual() {
  return SameForEveryPair([this](int i) { return InSet(GetOrdValueAt(i)); });
}

void TELSetElemPropEditor::SetValue(const QString& value) {
  const std::optional<int64_t> member = EnumFromText(Types::Boolean(), value);
  if (!member) InvalidValue();
  if (m_element < 0 || m_element >= 32) return;
  const int64_t bit = int64_t{1} << m_element;
  // Each object keeps its own other elements.
  WritePairs([&](TObject& instance, const TPropInfo& prop) {
    const int64_t set = GetOrdProp(instance, prop);
    SetOrdProp(instance, prop, *member ? set | bit : set & ~bit);
  });
}

TELPropEditorAttributes TELShortCutPropEditor::GetAttributes() { return {A::eaValueList, A::eaMultiSelect}; }

QString TELShortCutPropEditor::GetValue() {
  const auto shortCut = static_cast<uint16_t>(GetOrdValueAt(0) & 0xFFFF);
  return shortCut == 0 ? QStringLiteral("(None)") : ShortCutToText(shortCut);
}

void TELShortCutPropEditor::GetValues(QStringList& values) {
  values << QStringLiteral("(None)");
  for (uint16_t shortCut : OfferedShortCuts()) values << ShortCutToText(shortCut);
}

void TELShortCutPropEditor::SetValue(const QString& value) {
  if (value.isEmpty() || SameText(value, QStringLiteral("(None)"))) {
    SetOrdValue(0);
    return;
  }
  const std::optional<uint16_t> shortCut = TextToShortCut(value);
  if (!shortCut) InvalidValue();
  SetOrdValue(*shortCut);
}

TELPropEditorAttributes TELTabOrderPropEditor::GetAttributes() { return {}; }

TELPropEditorAttributes TELModalResultPropEditor::GetAttributes() { return {A::eaValueList, A::eaMultiSelect}; }

QString TELModalResultPropEditor::GetValue() {
  const int64_t value = GetOrdValueAt(0);
  if (value >= 0 && value < static_cast<int64_t>(std::size(kModalResults)))
    return QString::fromLatin1(kModalResults[value]);
  return IntToStr(value);
}

void TELModalResultPropEditor::GetValues(QStringList& values) {
  for (const char* name : kModalResults) values << QString::fromLatin1(name);
}

void TELModalResultPropEditor::SetValue(const QString& value) {
  if (value.isEmpty()) {
    SetOrdValue(0);
    return;
  }
  for (int i = 0; i < static_cast<int>(std::size(kModalResults)); ++i) {
    if (SameText(value, QString::fromLatin1(kModalResults[i]))) {
      SetOrdValue(i);
      return;
    }
  }
  TELIntegerPropEditor::SetValue(value);
}

// ---- floats, strings, 64-bit integers, dates ----

bool TELFloatPropEditor::AllEqual() {
  return SameForEveryPair([this](int i) { return GetFloatValueAt(i); });
}

QString TELFloatPropEditor::GetValue() { return FloatToText(GetFloatValueAt(0), PropTypeInfo().FloatType); }

void TELFloatPropEditor::SetValue(const QString& value) { SetFloatValue(StrToFloat(value)); }

bool TELStringPropEditor::AllEqual() {
  return SameForEveryPair([this](int i) { return GetStrValueAt(i); });
}

QString TELStringPropEditor::GetValue() { return GetStrValueAt(0); }

void TELStringPropEditor::SetValue(const QString& value) { SetStrValue(value); }

TELPropEditorAttributes TELComponentNamePropEditor::GetAttributes() {
  if (NoSetter()) return {};
  return {A::eaNotNestable};
}

TELPropEditorAttributes TELCaptionPropEditor::GetAttributes() { return {A::eaMultiSelect, A::eaAutoUpdate}; }

bool TELInt64PropEditor::AllEqual() {
  return SameForEveryPair([this](int i) { return GetInt64ValueAt(i); });
}

QString TELInt64PropEditor::GetValue() { return IntToStr(GetInt64ValueAt(0)); }

void TELInt64PropEditor::SetValue(const QString& value) { SetInt64Value(StrToInt64(value)); }

TELPropEditorAttributes TELDateTimePropEditor::GetAttributes() {
  if (NoSetter()) return {};
  return {A::eaMultiSelect};
}

QString TELDateTimePropEditor::GetValue() {
  const double value = GetFloatValueAt(0);
  return value == 0 ? QString() : ToText(value);
}

void TELDateTimePropEditor::SetValue(const QString& value) {
  double number = 0;
  if (!value.isEmpty() && !FromText(value, number)) throw EConvertError(Format(ErrorFormat(), {value}));
  SetFloatValue(number);
}

QString TELDateTimePropEditor::ToText(double value) const { return DateTimeToText(value); }
bool TELDateTimePropEditor::FromText(const QString& text, double& value) const { return TryTextToDateTime(text, value); }
QString TELDatePropEditor::ToText(double value) const { return DateToText(value); }
bool TELDatePropEditor::FromText(const QString& text, double& value) const { return TryTextToDate(text, value); }
QString TELTimePropEditor::ToText(double value) const { return TimeToText(value); }
bool TELTimePropEditor::FromText(const QString& text, double& value) const { return TryTextToTime(text, value); }

// ---- objects ----

namespace {

// The objects the pairs' properties hold, none left out.
std::vector<TObject*> HeldObjects(const TELPropEditor& editor) {
  std::vector<TObject*> objects;
  for (int i = 0; i < editor.PropCount(); ++i)
    if (TObject* o = editor.GetObjValueAt(i)) objects.push_back(o);
  return objects;
}

}  // namespace

TELPropEditorAttributes TELClassPropEditor::GetAttributes() {
  if (NoSetter()) return {};
  return {A::eaSubProperties, A::eaMultiSelect, A::eaReadOnly};
}

QString TELClassPropEditor::GetValue() { return Format("(%s)", {PropTypeInfo().Name}); }

void TELClassPropEditor::GetSubProperties(TELPropEditorList& result, const TELGetEditorClass& getEditorClass) {
  ELCollectEditors(HeldObjects(*this), false, getEditorClass, result);
}

TELPropEditorAttributes TELComponentPropEditor::GetAttributes() {
  if (NoSetter()) return {};
  TELPropEditorAttributes attributes{A::eaValueList, A::eaMultiSelect, A::eaSortList, A::eaComponentRef};
  if (GetObjValueAt(0) && AllEqual()) attributes = attributes + TELPropEditorAttributes{A::eaSubProperties, A::eaVolatileSubProperties};
  return attributes;
}

bool TELComponentPropEditor::AllEqual() {
  return SameForEveryPair([this](int i) { return GetObjValueAt(i); });
}

QString TELComponentPropEditor::GetValue() {
  auto* component = dynamic_cast<TComponent*>(GetObjValueAt(0));
  return component ? GetComponentName(component) : QString();
}

void TELComponentPropEditor::GetValues(QStringList& values) {
  if (const TClassInfo* cls = PropTypeInfo().ClassType) GetComponentNames(*cls, values);
}

void TELComponentPropEditor::SetValue(const QString& value) {
  if (value.isEmpty()) {
    SetObjValue(nullptr);
    return;
  }
  TComponent* component = GetComponent(value);
  const TClassInfo* cls = PropTypeInfo().ClassType;
  if (!component || !cls || !component->InheritsFrom(*cls)) throw EPropertyError(QStringLiteral("Invalid property value"));
  SetObjValue(component);
}

void TELComponentPropEditor::GetSubProperties(TELPropEditorList& result, const TELGetEditorClass& getEditorClass) {
  ELCollectEditors(HeldObjects(*this), true, getEditorClass, result);
}

// ---- variants ----

TELPropEditorAttributes TELVariantPropEditor::GetAttributes() {
  if (NoSetter()) return {};
  return {A::eaSubProperties, A::eaMultiSelect};
}

QString TELVariantPropEditor::GetValue() {
  try {
    return VariantToText(GetVarValueAt(0));
  } catch (const EVariantError&) {
    // A value of a type without a text form shows as such, and the row stays.
    return QStringLiteral("(Unknown)");
  }
}

void TELVariantPropEditor::SetValue(const QString& value) {
  SetVarValue(VariantFromText(value, GetVarValueAt(0).VarType()));
}

void TELVariantPropEditor::GetSubProperties(TELPropEditorList& result, const TELGetEditorClass&) {
  result.push_back(std::make_unique<TELVariantTypePropEditor>(*this));
}

TELPropEditorAttributes TELVariantTypePropEditor::GetAttributes() {
  return {A::eaValueList, A::eaMultiSelect, A::eaSortList};
}

QString TELVariantTypePropEditor::GetValue() {
  const uint16_t code = GetVarValueAt(0).BasicType();
  if (code < kVariantTypes.size()) return QString::fromLatin1(kVariantTypes[code]);
  if (code == varString) return QString::fromLatin1(kStringType);
  return QStringLiteral("(Unknown)");
}

void TELVariantTypePropEditor::GetValues(QStringList& values) {
  for (const char* name : kVariantTypes)
    if (*name) values << QString::fromLatin1(name);
  values << QString::fromLatin1(kStringType);
}

void TELVariantTypePropEditor::SetValue(const QString& value) {
  std::optional<uint16_t> code;
  for (size_t i = 0; i < kVariantTypes.size() && !code; ++i)
    if (*kVariantTypes[i] && value == QLatin1String(kVariantTypes[i])) code = static_cast<uint16_t>(i);
  if (!code && value == QLatin1String(kStringType)) code = varString;
  if (!code) throw Exception(QStringLiteral("Unknown Type"));
  // A value that does not fit the new type raises the conversion error and
  // stays as it is.
  SetVarValue(GetVarValueAt(0).ChangeType(*code));
}

bool TELVariantTypePropEditor::AllEqual() {
  return SameForEveryPair([this](int i) { return GetVarValueAt(i).VarType(); });
}
