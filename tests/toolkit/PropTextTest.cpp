#include "toolkit/PropText.h"

#include "toolkit/SampleClasses.h"
#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"

#include <limits>
#include <optional>
#include <ostream>

namespace {

// A Boolean-like enumeration with a negative minimum: -1 is a legal ordinal
// ("True"), so a lookup must tell "not found" apart from it.
const TTypeInfo& LongBoolType() {
  static const TTypeInfo info =
      TTypeInfo::Ordinal(TTypeKind::tkEnumeration, "LongBool", TOrdType::otSLong,
                         std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  return info;
}

// One text and the value it stands for; nullopt: the text names no value.
struct EnumCase {
  const TTypeInfo& (*type)();
  const char* text;
  std::optional<int64_t> ordinal;
};

void PrintTo(const EnumCase& c, std::ostream* os) { *os << c.type().Name.toStdString() << " " << c.text; }

class EnumText : public ::testing::TestWithParam<EnumCase> {};

TEST_P(EnumText, NamesGiveOrdinalsAndUnknownNamesAreNotFound) {
  EXPECT_EQ(EnumFromText(GetParam().type(), QString::fromUtf8(GetParam().text)), GetParam().ordinal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnumText,
    ::testing::Values(EnumCase{SampleModeType, "smOff", 0}, EnumCase{SampleModeType, "SMAUTO", 2},
                      EnumCase{SampleModeType, "smNone", std::nullopt}, EnumCase{SampleModeType, "1", std::nullopt},
                      EnumCase{SampleModeType, "", std::nullopt}, EnumCase{Types::Boolean, "true", 1},
                      EnumCase{Types::Boolean, "False", 0}, EnumCase{LongBoolType, "True", -1},
                      EnumCase{LongBoolType, "false", 0}, EnumCase{LongBoolType, "5", 5},
                      EnumCase{LongBoolType, "$10", 16}, EnumCase{LongBoolType, "yes", std::nullopt}));

TEST(EnumText, OrdinalsGiveTheirNames) {
  EXPECT_EQ(EnumToText(SampleModeType(), 2), "smAuto");
  EXPECT_EQ(EnumToText(SampleModeType(), 3), "");
  EXPECT_EQ(EnumToText(Types::Boolean(), 0), "False");
  EXPECT_EQ(EnumToText(LongBoolType(), -1), "True");
  EXPECT_EQ(TTypeInfo().EnumValue("x"), std::nullopt);
}

struct SetCase {
  uint32_t mask;
  const char* text;
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.text; }

class SetText : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetText, MasksAndBracketedNamesBothWays) {
  const QString text = QString::fromUtf8(GetParam().text);
  EXPECT_EQ(SetToText(SampleSidesType(), GetParam().mask), text);
  EXPECT_EQ(SetFromText(SampleSidesType(), text), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetText,
                         ::testing::Values(SetCase{0, "[]"}, SetCase{1, "[ssLeft]"}, SetCase{3, "[ssLeft,ssTop]"},
                                           SetCase{10, "[ssTop,ssBottom]"},
                                           SetCase{15, "[ssLeft,ssTop,ssRight,ssBottom]"}));

TEST(SetText, ReadsAnyOrderLetterCaseAndBlanksAndRefusesTheRest) {
  const TTypeInfo& sides = SampleSidesType();
  EXPECT_EQ(SetFromText(sides, " [ ssTop , SSLEFT ] "), 3u);
  EXPECT_EQ(SetFromText(sides, "[ssLeft,ssLeft]"), 1u);
  EXPECT_EQ(SetFromText(sides, "[ ]"), 0u);
  for (const char* bad : {"ssLeft", "[ssLeft", "ssLeft]", "[ssLeft,]", "[ssLeft,nope]", "[1]", "", "[ssLeft ssTop]"})
    EXPECT_EQ(SetFromText(sides, QString::fromUtf8(bad)), std::nullopt) << bad;
}

TEST(CharText, PrintableCodesAsThemselvesOthersByNumber) {
  EXPECT_EQ(CharToText('A'), "A");
  EXPECT_EQ(CharToText('!'), "!");
  EXPECT_EQ(CharToText(' '), "#32");
  EXPECT_EQ(CharToText(0), "#0");
  EXPECT_EQ(CharToText(0x80), "#128");
  EXPECT_EQ(CharFromText(""), 0);
  EXPECT_EQ(CharFromText("A"), 65);
  EXPECT_EQ(CharFromText("#65"), 65);
  EXPECT_EQ(CharFromText("#300"), 300);
  EXPECT_EQ(CharFromText("AB"), std::nullopt);
  EXPECT_THROW(CharFromText("#x"), EConvertError);
}

TEST(FloatText, SignificantDigitsFollowTheFloatType) {
  EXPECT_EQ(FloatToText(static_cast<float>(0.1), TFloatType::ftSingle), "0.1");
  EXPECT_EQ(FloatToText(1.0 / 3.0, TFloatType::ftSingle), "0.3333333");
  EXPECT_EQ(FloatToText(1.0 / 3.0, TFloatType::ftDouble), "0.333333333333333");
  EXPECT_EQ(FloatToText(0.5, TFloatType::ftExtended), "0.5");
  EXPECT_EQ(FloatToText(1e20, TFloatType::ftDouble), "1E20");
  // Every kind is held in a double: no digits beyond its 15.
  for (TFloatType type : {TFloatType::ftExtended, TFloatType::ftComp, TFloatType::ftCurr})
    EXPECT_EQ(FloatToText(0.1, type), "0.1");
}

TEST(IntegerText, SignedThirtyTwoBitTypesTakeHexadecimalBitPatterns) {
  EXPECT_EQ(IntegerFromText(Types::Integer(), "$FF000019"), -16777191);
  EXPECT_EQ(IntegerFromText(Types::Integer(), "$FFFFFFFF"), -1);
  EXPECT_EQ(IntegerFromText(Types::Integer(), "2147483648"), 2147483648ll);
  EXPECT_EQ(IntegerFromText(Types::Cardinal(), "$FFFFFFFF"), 4294967295ll);
  EXPECT_EQ(IntegerFromText(Types::SmallInt(), "$FFFF"), 65535);
  EXPECT_THROW(IntegerFromText(Types::Integer(), "12a"), EConvertError);
  EXPECT_EQ(IntegerToText(Types::Cardinal(), -1), "4294967295");
  EXPECT_EQ(IntegerToText(Types::Integer(), -1), "-1");
}

// A text typed for a variant of one type, and the variant it gives.
struct VariantCase {
  const char* name;
  TVariant current;
  const char* text;
  TVariant result;
};

void PrintTo(const VariantCase& c, std::ostream* os) { *os << c.name; }

class VariantText : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantText, TextKeepsTheTypeOnlyWhenItReadsBackTheSame) {
  EXPECT_EQ(VariantFromText(QString::fromUtf8(GetParam().text), GetParam().current.VarType()), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VariantText,
    ::testing::Values(
        VariantCase{"IntegerStaysInteger", TVariant::FromInteger(5), "7", TVariant::FromInteger(7)},
        VariantCase{"FractionBecomesString", TVariant::FromInteger(5), "7.5", TVariant::FromString("7.5")},
        VariantCase{"LeadingZeroBecomesString", TVariant::FromInteger(5), "07", TVariant::FromString("07")},
        VariantCase{"NullInAnyCase", TVariant::FromInteger(5), "(null)", TVariant::Null()},
        VariantCase{"EmptyIsUnassigned", TVariant::FromString("x"), "", TVariant()},
        VariantCase{"DoubleStaysDouble", TVariant::FromDouble(1), "2.5", TVariant::FromDouble(2.5)},
        VariantCase{"BooleanStaysBoolean", TVariant::FromBoolean(false), "True", TVariant::FromBoolean(true)},
        VariantCase{"BooleanLowerCaseBecomesString", TVariant::FromBoolean(false), "true",
                    TVariant::FromString("true")},
        VariantCase{"CurrencyNeedsItsSymbol", TVariant::FromCurrency(1), "12.5", TVariant::FromString("12.5")},
        VariantCase{"CurrencyWithItsSymbol", TVariant::FromCurrency(1), "$12.5", TVariant::FromCurrency(12.5)},
        VariantCase{"UnassignedTakesText", TVariant(), "abc", TVariant::FromString("abc")},
        VariantCase{"UnknownTypeTakesText", TVariant::WithType(10), "abc", TVariant::FromString("abc")}));

TEST(VariantText, ValuesShowTheirText) {
  EXPECT_EQ(VariantToText(TVariant()), "");
  EXPECT_EQ(VariantToText(TVariant::Null()), "(Null)");
  EXPECT_EQ(VariantToText(TVariant::WithType(9)), "ERROR");
  EXPECT_EQ(VariantToText(TVariant::WithType(varError)), "ERROR");
  EXPECT_EQ(VariantToText(TVariant::FromCurrency(0.1)), "0.1");
  EXPECT_EQ(VariantToText(TVariant::FromBoolean(true)), "True");
  EXPECT_EQ(VariantToText(TVariant::FromInteger(-3)), "-3");
  EXPECT_EQ(VariantToText(TVariant::FromCurrency(12.5)), "12.5");
}

// One property written with a text and read back in the same form.
struct PropCase {
  const char* prop;
  TOrdinalText form;
  const char* text;
  const char* shown;
};

void PrintTo(const PropCase& c, std::ostream* os) {
  *os << c.prop << (c.form == TOrdinalText::Names ? " names " : " numbers ") << c.text;
}

class PropTextRoundTrip : public ::testing::TestWithParam<PropCase> {};

TEST_P(PropTextRoundTrip, WritesByKindAndReadsBack) {
  TSample sample(nullptr);
  const TPropInfo& prop = PropByName(sample, GetParam().prop);
  SetPropText(sample, prop, QString::fromUtf8(GetParam().text), GetParam().form);
  EXPECT_EQ(GetPropText(sample, prop, GetParam().form), QString::fromUtf8(GetParam().shown));
}

constexpr TOrdinalText kNames = TOrdinalText::Names;
constexpr TOrdinalText kNumbers = TOrdinalText::Numbers;

INSTANTIATE_TEST_SUITE_P(
    Cases, PropTextRoundTrip,
    ::testing::Values(PropCase{"Count", kNames, "-7", "-7"}, PropCase{"Count", kNames, "$20", "32"},
                      PropCase{"Count", kNames, "0x20", "32"}, PropCase{"Count", kNames, "-2147483648", "-2147483648"},
                      PropCase{"Big", kNames, "4294967295", "4294967295"}, PropCase{"Enabled", kNames, "false", "False"},
                      PropCase{"Mode", kNames, "SMAUTO", "smAuto"},
                      PropCase{"Sides", kNames, "[ssBottom,ssTop]", "[ssTop,ssBottom]"},
                      PropCase{"Sides", kNames, "[]", "[]"}, PropCase{"Letter", kNames, "#32", "#32"},
                      PropCase{"Letter", kNames, "z", "z"}, PropCase{"Ratio", kNames, "0.1", "0.1"},
                      PropCase{"Huge", kNames, "-9000000000", "-9000000000"},
                      PropCase{"Caption", kNames, " a=b ", " a=b "}, PropCase{"Value", kNames, "(Null)", "(Null)"},
                      PropCase{"Count", kNumbers, "$FFFFFFFF", "-1"}, PropCase{"Enabled", kNumbers, "0", "0"},
                      PropCase{"Mode", kNumbers, "2", "2"}, PropCase{"Sides", kNumbers, "9", "9"},
                      PropCase{"Sides", kNumbers, "255", "15"}, PropCase{"Letter", kNumbers, "66", "66"},
                      PropCase{"Hint", kNumbers, "text", "text"}, PropCase{"Ratio", kNumbers, "2.5", "2.5"}));

// A text a property refuses: the error, and the value stays as it was.
struct RefusedCase {
  const char* prop;
  TOrdinalText form;
  const char* text;
  const char* error;  // class name
  const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.prop << (c.form == TOrdinalText::Names ? " names " : " numbers ") << c.text;
}

class PropTextRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(PropTextRefused, RaisesAndWritesNothing) {
  TSample sample(nullptr);
  const TPropInfo& prop = PropByName(sample, GetParam().prop);
  const QString before = HasTextForm(prop.Kind()) ? GetPropText(sample, prop, TOrdinalText::Numbers) : QString();
  try {
    SetPropText(sample, prop, QString::fromUtf8(GetParam().text), GetParam().form);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.ClassName(), GetParam().error);
    EXPECT_EQ(e.Message(), QString::fromUtf8(GetParam().message));
  }
  if (HasTextForm(prop.Kind())) {
    EXPECT_EQ(GetPropText(sample, prop, TOrdinalText::Numbers), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PropTextRefused,
    ::testing::Values(
        RefusedCase{"Count", kNames, "abc", "EConvertError", "'abc' is not a valid integer value"},
        RefusedCase{"Count", kNames, "2147483648", "EPropertyError",
                    "Value must be between -2147483648 and 2147483647"},
        RefusedCase{"Big", kNames, "-1", "EPropertyError", "Value must be between 0 and 4294967295"},
        RefusedCase{"Count", kNumbers, "99999999999", "EConvertError", "'99999999999' is not a valid integer value"},
        RefusedCase{"Count", kNumbers, "12px", "EConvertError", "'12px' is not a valid integer value"},
        RefusedCase{"Mode", kNames, "smNone", "EPropertyError", "Invalid property value"},
        RefusedCase{"Mode", kNames, "1", "EPropertyError", "Invalid property value"},
        RefusedCase{"Mode", kNumbers, "3", "EConvertError", "3 is out of the range of TSampleMode"},
        RefusedCase{"Enabled", kNumbers, "-1", "EConvertError", "-1 is out of the range of Boolean"},
        RefusedCase{"Mode", kNumbers, "smOn", "EConvertError", "'smOn' is not a valid integer value"},
        RefusedCase{"Sides", kNames, "ssLeft", "EPropertyError", "Invalid property value"},
        RefusedCase{"Sides", kNames, "[ssLeft,ssMiddle]", "EPropertyError", "Invalid property value"},
        RefusedCase{"Letter", kNames, "AB", "EPropertyError", "Invalid property value"},
        RefusedCase{"Letter", kNames, "#300", "EPropertyError", "Value must be between 0 and 255"},
        RefusedCase{"Ratio", kNames, "x", "EConvertError", "'x' is not a valid floating point value"},
        RefusedCase{"Huge", kNames, "1.5", "EConvertError", "'1.5' is not a valid integer value"},
        RefusedCase{"Version", kNames, "3", "EPropertyError", "Property Version is read-only and cannot be written"},
        RefusedCase{"Detail", kNames, "x", "EPropertyError", "Property Detail of type TSampleDetail has no text form"},
        RefusedCase{"OnClick", kNumbers, "x", "EPropertyError",
                    "Property OnClick of type TNotifyEvent has no text form"}));

TEST(PropText, VariantPropertiesKeepTheirTypeWhereTheTextAllows) {
  TSample sample(nullptr);
  const TPropInfo& value = PropByName(sample, "Value");
  sample.SetValue(TVariant::FromInteger(5));
  SetPropText(sample, value, "7", TOrdinalText::Names);
  EXPECT_EQ(sample.Value(), TVariant::FromInteger(7));
  SetPropText(sample, value, "7.5", TOrdinalText::Names);
  EXPECT_EQ(sample.Value(), TVariant::FromString("7.5"));
  EXPECT_EQ(GetPropText(sample, value, TOrdinalText::Names), "7.5");
  EXPECT_THROW(GetPropText(sample, PropByName(sample, "Detail"), TOrdinalText::Names), EPropertyError);
}

}  // namespace
