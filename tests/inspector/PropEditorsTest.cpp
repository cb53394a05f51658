// The standard editors: the texts of values both ways, the values they
// offer, their sub-rows, and their errors in the words the user sees.
#include "InspectorSamples.h"

#include "inspector/ELStdPropEditors.h"

#include <functional>

namespace {

class Editors : public InspectorTest {
 protected:
  Editors() { inspector->Add(object); }
  // The row's text after typing `text` into it; the errors it raised go to
  // Errors().
  QString After(const QString& row, const QString& text) {
    Type(row, text);
    return Value(row);
  }
  TInspected* object = new TInspected(form);
};

struct TextCase {
  const char* name;
  const char* row;
  const char* typed;
  const char* shown;                     // the row's text afterwards
  std::function<bool(const TInspected&)> stored;
};

class TypedValues : public Editors, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TypedValues, AreStoredAndShownBack) {
  const TextCase& c = GetParam();
  EXPECT_EQ(After(c.row, c.typed), c.shown);
  EXPECT_TRUE(Errors().isEmpty()) << Errors().join(", ").toStdString();
  EXPECT_TRUE(c.stored(*object));
}

INSTANTIATE_TEST_SUITE_P(
    Editors, TypedValues,
    ::testing::Values(
        TextCase{"IntegerHex", "Count", "$10", "16", [](const TInspected& o) { return o.Count() == 16; }},
        TextCase{"IntegerNegative", "Count", "-2147483648", "-2147483648",
                 [](const TInspected& o) { return o.Count() == INT32_MIN; }},
        TextCase{"CardinalTop", "Big", "4294967295", "4294967295",
                 [](const TInspected& o) { return o.Big() == 4294967295u; }},
        // An unnamed system colour written and shown as the bits it is made of.
        TextCase{"ColourBits", "Color", "$FF000019", "$FF000019",
                 [](const TInspected& o) { return static_cast<uint32_t>(o.Color()) == 0xFF000019u; }},
        TextCase{"CharByCode", "Letter", "#65", "A", [](const TInspected& o) { return o.Letter() == 'A'; }},
        TextCase{"CharSpace", "Letter", " ", "#32", [](const TInspected& o) { return o.Letter() == ' '; }},
        TextCase{"CharEmpty", "Letter", "", "#0", [](const TInspected& o) { return o.Letter() == 0; }},
        TextCase{"EnumAnyCase", "Mode", "IMAUTO", "imAuto",
                 [](const TInspected& o) { return o.Mode() == TInspMode::imAuto; }},
        TextCase{"BooleanLowerCase", "Enabled", "false", "False", [](const TInspected& o) { return !o.Enabled(); }},
        TextCase{"LongBoolTrue", "Flag", "true", "True", [](const TInspected& o) { return o.Flag() == -1; }},
        TextCase{"ShortCut", "Keys", "ctrl+a", "Ctrl+A", [](const TInspected& o) { return o.Keys() == 0x4041; }},
        TextCase{"ShortCutModifiersAnyOrder", "Keys", "alt+SHIFT+f5", "Shift+Alt+F5",
                 [](const TInspected& o) { return o.Keys() == (0x2000 | 0x8000 | 116); }},
        TextCase{"ShortCutNone", "Keys", "(none)", "(None)", [](const TInspected& o) { return o.Keys() == 0; }},
        TextCase{"ModalResultName", "Result", "MRCANCEL", "mrCancel", [](const TInspected& o) { return o.Result() == 2; }},
        TextCase{"ModalResultNumber", "Result", "11", "11", [](const TInspected& o) { return o.Result() == 11; }},
        TextCase{"ModalResultEmpty", "Result", "", "mrNone", [](const TInspected& o) { return o.Result() == 0; }},
        TextCase{"Single", "Ratio", "0.1", "0.1", [](const TInspected& o) { return o.Ratio() == 0.1f; }},
        TextCase{"Double", "Amount", "0.333333333333333333", "0.333333333333333",
                 [](const TInspected& o) { return o.Amount() > 0.3333; }},
        TextCase{"Int64", "Huge", "9223372036854775807", "9223372036854775807",
                 [](const TInspected& o) { return o.Huge() == INT64_MAX; }},
        TextCase{"String", "Text", " spaced ", " spaced ", [](const TInspected& o) { return o.Text() == " spaced "; }},
        TextCase{"DateEmpty", "Day", "", "", [](const TInspected& o) { return o.Day() == 0; }}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
  const char* name;
  const char* row;
  const char* typed;
  const char* error;
};

class RefusedValues : public Editors, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(RefusedValues, RaiseTheirMessageAndKeepTheValue) {
  const ErrorCase& c = GetParam();
  const QString before = Value(c.row);
  Type(c.row, c.typed);
  EXPECT_EQ(Errors(), QStringList({c.error}));
  EXPECT_EQ(Value(c.row), before);
  EXPECT_EQ(inspector->InplaceEditor()->Text(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, RefusedValues,
    ::testing::Values(ErrorCase{"IntegerTooLarge", "Count", "2147483648", "Value must be between -2147483648 and 2147483647"},
                      ErrorCase{"IntegerText", "Count", "abc", "'abc' is not a valid integer value"},
                      ErrorCase{"CardinalNegative", "Big", "-1", "Value must be between 0 and 4294967295"},
                      ErrorCase{"TabOrder", "Order", "40000", "Value must be between -1 and 32767"},
                      ErrorCase{"CharTwoLetters", "Letter", "AB", "Invalid property value"},
                      ErrorCase{"CharCodeTooLarge", "Letter", "#300", "Value must be between 0 and 255"},
                      ErrorCase{"CharCodeText", "Letter", "#x", "'x' is not a valid integer value"},
                      ErrorCase{"EnumUnknown", "Mode", "imMaybe", "Invalid property value"},
                      ErrorCase{"ShortCutUnknown", "Keys", "Ctrl+Banana", "Invalid property value"},
                      ErrorCase{"ModalResultText", "Result", "mrPerhaps", "'mrPerhaps' is not a valid integer value"},
                      ErrorCase{"Float", "Ratio", "x", "'x' is not a valid floating point value"},
                      ErrorCase{"Date", "Day", "xyz", "'xyz' is not a valid date"},
                      ErrorCase{"Int64", "Huge", "1e3", "'1e3' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Editors, ValueListsInTheirOrder) {
  auto values = [this](const QString& row) {
    QStringList list;
    Row(row)->GetValues(list);
    return list;
  };
  EXPECT_EQ(values("Mode"), QStringList({"imAuto", "imOff", "imOn"}));
  EXPECT_EQ(values("Enabled"), QStringList({"False", "True"}));
  EXPECT_EQ(values("Flag"), QStringList({"False", "True"}));
  EXPECT_EQ(values("Result").size(), 11);
  EXPECT_EQ(values("Result").first(), "mrNone");
  const QStringList keys = values("Keys");
  ASSERT_EQ(keys.size(), 109);
  EXPECT_EQ(keys.mid(0, 3), QStringList({"(None)", "Ctrl+A", "Ctrl+B"}));
  EXPECT_EQ(keys[27], "Ctrl+Alt+A");
  EXPECT_EQ(keys.mid(105), QStringList({"Shift+Del", "Ctrl+Del", "Alt+BkSp", "Shift+Alt+BkSp"}));
  EXPECT_TRUE(keys.contains("Shift+Ctrl+F12"));
}

TEST_F(Editors, ShownValuesOfStoredValues) {
  object->SetMode(static_cast<TInspMode>(7));
  object->SetKeys(0x10000);
  object->SetResult(-3);
  object->SetLetter(0x80);
  object->SetRatio(0.1f);
  inspector->RefreshValues();
  EXPECT_EQ(Value("Mode"), "imAuto");  // out of range: the name of the maximum
  EXPECT_EQ(Value("Keys"), "(None)");
  EXPECT_EQ(Value("Result"), "-3");
  EXPECT_EQ(Value("Letter"), "#128");
  EXPECT_EQ(Value("Ratio"), "0.1");
  EXPECT_EQ(Value("Detail"), "(TInspDetail)");
  EXPECT_EQ(Value("Day"), "");
}

TEST_F(Editors, SetRowsAreReadOnlyAndExpandIntoTheirElements) {
  EXPECT_EQ(Value("Sides"), "[isLeft,isTop]");
  EXPECT_TRUE(Row("Sides")->ReadOnly());
  Row("Sides")->Expand();
  EXPECT_EQ(Value("Sides.isBottom"), "False");
  EXPECT_EQ(Row("Sides.isBottom")->EditStyle(), TELPropEditStyle::esPickList);
  Type("Sides.isBottom", "True");
  EXPECT_EQ(Value("Sides"), "[isLeft,isTop,isBottom]");
  object->SetSides({});
  inspector->RefreshValues();
  EXPECT_EQ(Value("Sides"), "[]");
}

TEST_F(Editors, ObjectRowsExpandIntoTheObjectsProperties) {
  Row("Detail")->Expand();
  EXPECT_EQ(Value("Detail.Label"), "detail");
  Type("Detail.Size", "9");
  EXPECT_EQ(object->Detail()->Size(), 9);
}

TEST_F(Editors, VariantsKeepTheirTypeWhenTheTextFitsIt) {
  object->SetValue(TVariant::FromInteger(5));
  inspector->RefreshValues();
  Row("Value")->Expand();
  EXPECT_EQ(Value("Value.Type"), "Integer");
  Type("Value", "7");
  EXPECT_EQ(object->Value(), TVariant::FromInteger(7));
  Type("Value", "7.5");
  EXPECT_EQ(object->Value(), TVariant::FromString("7.5"));
  EXPECT_EQ(Value("Value.Type"), "String");
  Type("Value", "(null)");
  EXPECT_TRUE(object->Value().IsNull());
  EXPECT_EQ(Value("Value"), "(Null)");
  Type("Value", "");
  EXPECT_TRUE(object->Value().IsEmpty());
  EXPECT_EQ(Value("Value.Type"), "Unassigned");
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(Editors, VariantTypeChangesKeepTheValueWhenItDoesNotFit) {
  object->SetValue(TVariant::FromString("abc"));
  inspector->RefreshValues();
  Row("Value")->Expand();
  QStringList types;
  Row("Value.Type")->GetValues(types);
  EXPECT_EQ(types, QStringList({"Boolean", "Byte", "Currency", "Date", "Double", "Integer", "Null", "OleStr",
                                "Single", "Smallint", "String", "Unassigned"}));
  Type("Value.Type", "Integer");
  EXPECT_EQ(Errors(), QStringList({"Could not convert variant of type (String) into type (Integer)"}));
  EXPECT_EQ(object->Value(), TVariant::FromString("abc"));
  dialogs->errors.clear();
  Type("Value.Type", "integer");
  EXPECT_EQ(Errors(), QStringList({"Unknown Type"}));
  dialogs->errors.clear();
  Type("Value.Type", "Null");
  EXPECT_TRUE(object->Value().IsNull());
}

TEST_F(Editors, VariantErrorValuesShowErrorAndOtherTypesNeverBreakTheRow) {
  object->SetValue(TVariant::WithType(varError));
  inspector->RefreshValues();
  EXPECT_EQ(Value("Value"), "ERROR");
  object->SetValue(TVariant::WithType(72));
  inspector->RefreshValues();
  EXPECT_EQ(Value("Value"), "(Unknown)");
}

TEST_F(Editors, DatesShowInTheLocalesFormat) {
  object->SetDay(45000);
  inspector->RefreshValues();
  EXPECT_EQ(Value("Day"), DateToText(45000));
  Type("Day", DateToText(45001));
  EXPECT_EQ(object->Day(), 45001);
}

TEST_F(Editors, TheChoiceOfEditorFollowsTheTypeAndItsKind) {
  const std::pair<const char*, const char*> cases[] = {
      {"Count", "TELIntegerPropEditor"},     {"Letter", "TELCharPropEditor"},
      {"Mode", "TELEnumPropEditor"},         {"Sides", "TELSetPropEditor"},
      {"Ratio", "TELFloatPropEditor"},       {"Text", "TELStringPropEditor"},
      {"Caption", "TELCaptionPropEditor"},   {"Name", "TELComponentNamePropEditor"},
      {"Day", "TELDatePropEditor"},          {"Keys", "TELShortCutPropEditor"},
      {"Result", "TELModalResultPropEditor"}, {"Order", "TELTabOrderPropEditor"},
      {"Huge", "TELInt64PropEditor"},        {"Value", "TELVariantPropEditor"},
      {"Detail", "TELClassPropEditor"},      {"Buddy", "TELComponentPropEditor"},
      {"Color", "TELColorPropEditor"},
  };
  for (const auto& [row, editor] : cases) EXPECT_EQ(Row(row)->Editor()->ClassType().Name(), editor) << row;
  EXPECT_TRUE(Row("Caption")->AutoUpdate());
}

}  // namespace
