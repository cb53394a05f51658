#include "toolkit/PropAccess.h"

#include "toolkit/SysUtils.h"

namespace {

const char* KindName(TTypeKind kind) {
  switch (kind) {
    case TTypeKind::tkInteger: return "integer";
    case TTypeKind::tkChar: return "char";
    case TTypeKind::tkEnumeration: return "enumeration";
    case TTypeKind::tkFloat: return "float";
    case TTypeKind::tkString: return "short string";
    case TTypeKind::tkSet: return "set";
    case TTypeKind::tkClass: return "class";
    case TTypeKind::tkMethod: return "method";
    case TTypeKind::tkWChar: return "wide char";
    case TTypeKind::tkLString: return "long string";
    case TTypeKind::tkWString: return "wide string";
    case TTypeKind::tkVariant: return "variant";
    case TTypeKind::tkArray: return "array";
    case TTypeKind::tkRecord: return "record";
    case TTypeKind::tkInterface: return "interface";
    case TTypeKind::tkInt64: return "64-bit integer";
    case TTypeKind::tkDynArray: return "dynamic array";
    case TTypeKind::tkUnknown: break;
  }
  return "unknown";
}

bool IsString(TTypeKind k) { return k == TTypeKind::tkString || k == TTypeKind::tkLString || k == TTypeKind::tkWString; }

void Expect(const TPropInfo& prop, bool ok, const char* wanted) {
  if (!ok)
    throw EPropertyError(Format("Property %s is of %s kind and cannot be accessed as %s",
                                {prop.Name, QString::fromLatin1(KindName(prop.Kind())), QString::fromLatin1(wanted)}));
}

TValue Read(const TObject& object, const TPropInfo& prop) {
  if (!prop.HasGetter()) throw EPropertyError(Format("Property %s cannot be read", {prop.Name}));
  return prop.Getter(object);
}

void Write(TObject& object, const TPropInfo& prop, const TValue& value) {
  if (!prop.HasSetter()) throw EPropertyError(Format("Property %s is read-only and cannot be written", {prop.Name}));
  prop.Setter(object, value);
}

}  // namespace

const TPropList& GetPropList(const TObject& object) { return object.ClassType().Properties(); }

const TPropInfo* GetPropInfo(const TObject& object, const QString& name) {
  return object.ClassType().FindProperty(name);
}

const TPropInfo& PropByName(const TObject& object, const QString& name) {
  const TPropInfo* p = GetPropInfo(object, name);
  if (!p) throw EPropertyError(Format("Property %s does not exist", {name}));
  return *p;
}

int64_t GetOrdProp(const TObject& object, const TPropInfo& prop) {
  Expect(prop, prop.PropType->IsOrdinal(), "an ordinal");
  return std::get<int64_t>(Read(object, prop));
}

void SetOrdProp(TObject& object, const TPropInfo& prop, int64_t value) {
  Expect(prop, prop.PropType->IsOrdinal(), "an ordinal");
  if (prop.Kind() == TTypeKind::tkSet) value &= prop.PropType->SetMask();
  Write(object, prop, value);
}

int64_t GetInt64Prop(const TObject& object, const TPropInfo& prop) {
  Expect(prop, prop.Kind() == TTypeKind::tkInt64 || prop.PropType->IsOrdinal(), "a 64-bit integer");
  return std::get<int64_t>(Read(object, prop));
}

void SetInt64Prop(TObject& object, const TPropInfo& prop, int64_t value) {
  Expect(prop, prop.Kind() == TTypeKind::tkInt64, "a 64-bit integer");
  Write(object, prop, value);
}

double GetFloatProp(const TObject& object, const TPropInfo& prop) {
  Expect(prop, prop.Kind() == TTypeKind::tkFloat, "a float");
  return std::get<double>(Read(object, prop));
}

void SetFloatProp(TObject& object, const TPropInfo& prop, double value) {
  Expect(prop, prop.Kind() == TTypeKind::tkFloat, "a float");
  Write(object, prop, value);
}

QString GetStrProp(const TObject& object, const TPropInfo& prop) {
  Expect(prop, IsString(prop.Kind()), "a string");
  return std::get<QString>(Read(object, prop));
}

void SetStrProp(TObject& object, const TPropInfo& prop, const QString& value) {
  Expect(prop, IsString(prop.Kind()), "a string");
  Write(object, prop, value);
}

TVariant GetVariantProp(const TObject& object, const TPropInfo& prop) {
  Expect(prop, prop.Kind() == TTypeKind::tkVariant, "a variant");
  return std::get<TVariant>(Read(object, prop));
}

void SetVariantProp(TObject& object, const TPropInfo& prop, const TVariant& value) {
  Expect(prop, prop.Kind() == TTypeKind::tkVariant, "a variant");
  Write(object, prop, value);
}

TObject* GetObjectProp(const TObject& object, const TPropInfo& prop) {
  Expect(prop, prop.Kind() == TTypeKind::tkClass, "an object");
  return std::get<TObject*>(Read(object, prop));
}

void SetObjectProp(TObject& object, const TPropInfo& prop, TObject* value) {
  Expect(prop, prop.Kind() == TTypeKind::tkClass, "an object");
  if (value && !value->InheritsFrom(*prop.PropType->ClassType))
    throw EPropertyError(Format("Property %s takes a %s, not a %s",
                                {prop.Name, prop.PropType->ClassType->Name(), value->ClassName()}));
  Write(object, prop, value);
}

std::any GetMethodProp(const TObject& object, const TPropInfo& prop) {
  Expect(prop, prop.Kind() == TTypeKind::tkMethod, "a method");
  return std::get<std::any>(Read(object, prop));
}

void SetMethodProp(TObject& object, const TPropInfo& prop, const std::any& handler) {
  Expect(prop, prop.Kind() == TTypeKind::tkMethod, "a method");
  Write(object, prop, handler);
}
