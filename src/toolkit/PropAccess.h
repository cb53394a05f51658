// Generic access to published properties: list them, find one by name, read
// and write values by kind. Writes go through the property's setter; a
// property without one refuses with EPropertyError.
#pragma once

#include "toolkit/Object.h"

#include <vector>

using TPropList = std::vector<const TPropInfo*>;

// The published properties of an object's class, in declaration order.
const TPropList& GetPropList(const TObject& object);
// A published property by name, ASCII letter case ignored; nullptr if none.
const TPropInfo* GetPropInfo(const TObject& object, const QString& name);

// Ordinal kinds: integer, char, wide char, enumeration (a Boolean is 0/1) and
// set (the bit mask, 2^k for the element of ordinal k). A set value keeps
// only the bits of its element type.
int64_t GetOrdProp(const TObject& object, const TPropInfo& prop);
void SetOrdProp(TObject& object, const TPropInfo& prop, int64_t value);
int64_t GetInt64Prop(const TObject& object, const TPropInfo& prop);
void SetInt64Prop(TObject& object, const TPropInfo& prop, int64_t value);
double GetFloatProp(const TObject& object, const TPropInfo& prop);
void SetFloatProp(TObject& object, const TPropInfo& prop, double value);
// Short, long and wide strings.
QString GetStrProp(const TObject& object, const TPropInfo& prop);
void SetStrProp(TObject& object, const TPropInfo& prop, const QString& value);
TVariant GetVariantProp(const TObject& object, const TPropInfo& prop);
void SetVariantProp(TObject& object, const TPropInfo& prop, const TVariant& value);
// Class kind: the object the property holds, or nullptr.
TObject* GetObjectProp(const TObject& object, const TPropInfo& prop);
void SetObjectProp(TObject& object, const TPropInfo& prop, TObject* value);
// Method kind: the event handler as stored (empty when unassigned).
std::any GetMethodProp(const TObject& object, const TPropInfo& prop);
void SetMethodProp(TObject& object, const TPropInfo& prop, const std::any& handler);

// Convenience by name; EPropertyError "Property %s does not exist" when the
// object has no such property.
const TPropInfo& PropByName(const TObject& object, const QString& name);
