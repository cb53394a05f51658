#include "toolkit/PropAccess.h"
#include "toolkit/Strings.h"
#include "toolkit/SampleClasses.h"
#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"

#include <ostream>

namespace {

QStringList Names(const TObject& o) {
  QStringList names;
  for (const TPropInfo* p : GetPropList(o)) names << p->Name;
  return names;
}

TEST(ClassInfo, AncestryAndNames) {
  TSampleChild child(nullptr);
  EXPECT_EQ(child.ClassName(), "TSampleChild");
  EXPECT_EQ(child.ClassType().Parent(), &TSample::StaticClass());
  EXPECT_TRUE(child.InheritsFrom(TSample::StaticClass()));
  EXPECT_TRUE(child.InheritsFrom(TComponent::StaticClass()));
  EXPECT_TRUE(child.InheritsFrom(TObject::StaticClass()));
  EXPECT_FALSE(TSample::StaticClass().InheritsFrom(TSampleChild::StaticClass()));
  EXPECT_FALSE(child.InheritsFrom(TStrings::StaticClass()));
}

TEST(ClassInfo, InheritedPropertiesComeFirstInDeclarationOrder) {
  TSampleChild child(nullptr);
  const QStringList names = Names(child);
  ASSERT_GE(names.size(), 4);
  EXPECT_EQ(names.mid(0, 3), QStringList({"Name", "Tag", "Count"}));
  EXPECT_EQ(names.last(), "Extra");
  // Republished in the child: still in the parent's place, with the child's type.
  EXPECT_EQ(names.indexOf("Caption"), Names(TSample(nullptr)).indexOf("Caption"));
  EXPECT_EQ(names.count("Caption"), 1);
  EXPECT_EQ(GetPropInfo(child, "Caption")->PropType, &Types::String());
}

TEST(ClassInfo, LookupIgnoresLetterCase) {
  TSample s(nullptr);
  for (const char* spelling : {"caption", "CAPTION", "CaPtIoN"}) {
    const TPropInfo* p = GetPropInfo(s, spelling);
    ASSERT_NE(p, nullptr) << spelling;
    EXPECT_EQ(p->Name, "Caption");
  }
  EXPECT_EQ(GetPropInfo(s, "Captio"), nullptr);
  EXPECT_EQ(GetPropInfo(s, "Caption "), nullptr);
}

TEST(ClassInfo, CreatableClassesAreFoundByNameAndBuilt) {
  const TClassInfo& cls = TSample::StaticClass();
  ASSERT_EQ(TClassInfo::Find("tsample"), &cls);
  TComponent owner(nullptr);
  TComponent* made = cls.Creator()(&owner);
  EXPECT_EQ(made->ClassName(), "TSample");
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_EQ(TClassInfo::Find("TNoSuchClass"), nullptr);
}

TEST(TypeInfo, IdentityIsTheDeclaredTypeNotTheValueType) {
  TSample s(nullptr);
  const TPropInfo* color = GetPropInfo(s, "Color");
  const TPropInfo* count = GetPropInfo(s, "Count");
  EXPECT_EQ(color->Kind(), TTypeKind::tkInteger);
  EXPECT_EQ(count->Kind(), TTypeKind::tkInteger);
  EXPECT_NE(color->PropType, count->PropType);
  EXPECT_EQ(color->PropType, &Types::TColor());
  EXPECT_EQ(color->PropType->Name, "TColor");
  EXPECT_EQ(GetPropInfo(s, "Caption")->PropType, &Types::TCaption());
  EXPECT_NE(&Types::TCaption(), &Types::String());
  EXPECT_EQ(GetPropInfo(s, "Name")->PropType, &Types::TComponentName());
}

TEST(TypeInfo, DescribesOrdinalsSetsClassesAndFloats) {
  TSample s(nullptr);
  const TTypeInfo& big = *GetPropInfo(s, "Big")->PropType;
  EXPECT_EQ(big.OrdType, TOrdType::otULong);
  EXPECT_EQ(big.MaxValue, 4294967295ll);
  const TTypeInfo& mode = *GetPropInfo(s, "Mode")->PropType;
  EXPECT_EQ(mode.Kind, TTypeKind::tkEnumeration);
  EXPECT_EQ(mode.EnumNames, QStringList({"smOff", "smOn", "smAuto"}));
  EXPECT_EQ(mode.EnumValue("SMAUTO"), 2);
  const TTypeInfo& sides = *GetPropInfo(s, "Sides")->PropType;
  EXPECT_EQ(sides.Kind, TTypeKind::tkSet);
  ASSERT_NE(sides.CompType, nullptr);
  EXPECT_EQ(sides.CompType->EnumName(3), "ssBottom");
  const TTypeInfo& detail = *GetPropInfo(s, "Detail")->PropType;
  EXPECT_EQ(detail.Kind, TTypeKind::tkClass);
  EXPECT_EQ(detail.ClassType, &TSampleDetail::StaticClass());
  EXPECT_EQ(GetPropInfo(s, "Ratio")->PropType->FloatType, TFloatType::ftSingle);
  EXPECT_EQ(GetPropInfo(s, "Huge")->Kind(), TTypeKind::tkInt64);
  EXPECT_EQ(GetPropInfo(s, "Value")->Kind(), TTypeKind::tkVariant);
  EXPECT_EQ(GetPropInfo(s, "OnClick")->Kind(), TTypeKind::tkMethod);
  EXPECT_EQ(Types::Boolean().EnumName(1), "True");
}

struct OrdinalCase {
  const char* prop;
  int64_t written;
  int64_t readBack;
};

void PrintTo(const OrdinalCase& c, std::ostream* os) { *os << c.prop << "=" << c.written; }

class OrdinalAccess : public ::testing::TestWithParam<OrdinalCase> {};

TEST_P(OrdinalAccess, WritesAndReadsThroughTheMetadata) {
  TSample s(nullptr);
  const TPropInfo& p = PropByName(s, GetParam().prop);
  SetOrdProp(s, p, GetParam().written);
  EXPECT_EQ(GetOrdProp(s, p), GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OrdinalAccess,
    ::testing::Values(OrdinalCase{"Count", -42, -42}, OrdinalCase{"Color", 0xFF00FF, 0xFF00FF},
                      OrdinalCase{"Big", 4294967295ll, 4294967295ll}, OrdinalCase{"Enabled", 0, 0},
                      OrdinalCase{"Enabled", 1, 1}, OrdinalCase{"Mode", 2, 2},
                      // a set is its bit mask: element k is 2^k; bits beyond the elements are dropped
                      OrdinalCase{"Sides", 1 | 8, 9}, OrdinalCase{"Sides", 0, 0}, OrdinalCase{"Sides", 255, 15},
                      OrdinalCase{"Letter", 'z', 'z'}));

TEST(PropAccess, SetBitsMapToElements) {
  TSample s(nullptr);
  EXPECT_EQ(GetOrdProp(s, PropByName(s, "Sides")), 3);  // ssLeft, ssTop
  SetOrdProp(s, PropByName(s, "Sides"), 4 | 8);
  EXPECT_EQ(s.Sides(), (TSampleSides{TSampleSide::ssRight, TSampleSide::ssBottom}));
}

TEST(PropAccess, TextFloatInt64VariantObjectAndMethod) {
  TSample s(nullptr);
  SetStrProp(s, PropByName(s, "caption"), "Jahr:");
  EXPECT_EQ(s.Caption(), "Jahr:");
  EXPECT_EQ(GetStrProp(s, PropByName(s, "Caption")), "Jahr:");

  SetFloatProp(s, PropByName(s, "Ratio"), 0.1);
  EXPECT_FLOAT_EQ(s.Ratio(), 0.1f);
  EXPECT_NEAR(GetFloatProp(s, PropByName(s, "Ratio")), 0.1, 1e-7);

  SetInt64Prop(s, PropByName(s, "Huge"), 1ll << 40);
  EXPECT_EQ(GetInt64Prop(s, PropByName(s, "Huge")), 1ll << 40);

  SetVariantProp(s, PropByName(s, "Value"), TVariant::FromInteger(5));
  EXPECT_EQ(GetVariantProp(s, PropByName(s, "Value")).VarType(), varInteger);

  TObject* detail = GetObjectProp(s, PropByName(s, "Detail"));
  ASSERT_EQ(detail, s.Detail());
  EXPECT_EQ(GetStrProp(*detail, PropByName(*detail, "Label")), "detail");

  TComponent other(nullptr);
  SetObjectProp(s, PropByName(s, "Buddy"), &other);
  EXPECT_EQ(s.Buddy(), &other);
  TSampleDetail wrongClass;
  EXPECT_THROW(SetObjectProp(s, PropByName(s, "Buddy"), &wrongClass), EPropertyError);

  int clicks = 0;
  SetMethodProp(s, PropByName(s, "OnClick"), std::any(TNotifyEvent([&](TObject*) { ++clicks; })));
  s.OnClick()(&s);
  EXPECT_EQ(clicks, 1);
  SetMethodProp(s, PropByName(s, "OnClick"), std::any());
  EXPECT_FALSE(s.OnClick());
}

TEST(PropAccess, WriteWithoutSetterFailsClearly) {
  TSample s(nullptr);
  const TPropInfo& version = PropByName(s, "Version");
  EXPECT_TRUE(version.HasGetter());
  EXPECT_FALSE(version.HasSetter());
  EXPECT_EQ(GetOrdProp(s, version), 7);
  try {
    SetOrdProp(s, version, 8);
    FAIL() << "no error";
  } catch (const EPropertyError& e) {
    EXPECT_EQ(e.Message(), "Property Version is read-only and cannot be written");
  }
  EXPECT_EQ(s.Version(), 7);
}

TEST(PropAccess, KindMismatchIsAnError) {
  TSample s(nullptr);
  EXPECT_THROW(GetStrProp(s, PropByName(s, "Count")), EPropertyError);
  EXPECT_THROW(SetOrdProp(s, PropByName(s, "Caption"), 1), EPropertyError);
  EXPECT_THROW(PropByName(s, "Nope"), EPropertyError);
}

}  // namespace
