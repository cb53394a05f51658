#include "toolkit/SysUtils.h"
#include "toolkit/Variant.h"

#include "support/TestSupport.h"
#include "support/WidgetDriver.h"

#include <ostream>

#include <QLocale>

namespace {

TEST(Format, FormatsTheSystemsMessageTexts) {
  EXPECT_EQ(Format("Unable to assign value for %s = %s", {"EMedia.Width", "abc"}),
            "Unable to assign value for EMedia.Width = abc");
  EXPECT_EQ(Format("List index out of bounds (%d)", {-1}), "List index out of bounds (-1)");
  EXPECT_EQ(Format("Design panel '%S' is used by another designer", {"DesignPanel"}),
            "Design panel 'DesignPanel' is used by another designer");
  EXPECT_EQ(Format("%.8x", {0x1F}), "0000001F");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
  EXPECT_EQ(Format("%g", {0.5}), "0.5");
  EXPECT_EQ(Format("%g", {1e20}), "1E20");
  EXPECT_EQ(Format("%s%s (<link>%s</link>)<br>", {"", "A", "a"}), "A (<link>a</link>)<br>");
  EXPECT_EQ(Format("[%5d|%-4s|%.2f]", {42, "ab", 1.005}), "[   42|ab  |1.00]");
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("#%d", {32}), "#32");
}

TEST(Format, MismatchIsAConversionError) {
  EXPECT_THROW(Format("%d", {"text"}), EConvertError);
  EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
  EXPECT_THROW(Format("%q", {1}), EConvertError);
}

struct IntCase {
  const char* text;
  bool ok;
  int64_t value;
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class IntegerText : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntegerText, Converts) {
  int64_t v = 0;
  EXPECT_EQ(TryStrToInt64(GetParam().text, v), GetParam().ok) << GetParam().text;
  if (GetParam().ok) {
    EXPECT_EQ(v, GetParam().value) << GetParam().text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, IntegerText,
    ::testing::Values(IntCase{"20", true, 20}, IntCase{"-5", true, -5}, IntCase{"+5", true, 5},
                      IntCase{"$20", true, 32}, IntCase{"$1f", true, 31}, IntCase{"x1F", true, 31},
                      IntCase{"0X10", true, 16}, IntCase{" 7", true, 7}, IntCase{"7 ", false, 0},
                      IntCase{"abc", false, 0}, IntCase{"", false, 0}, IntCase{"$", false, 0},
                      IntCase{"12a", false, 0}, IntCase{"9223372036854775807", true, INT64_MAX},
                      IntCase{"9223372036854775808", false, 0}, IntCase{"-9223372036854775808", true, INT64_MIN}));

TEST(Conversions, IntegerErrorsNameTheText) {
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToIntDef("2147483648", 9), 9);
  try {
    StrToInt("abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
}

TEST(Conversions, FloatsFollowTheLocale) {
  EXPECT_EQ(FloatToStrG(0.1f, 7), "0.1");
  EXPECT_EQ(FloatToStrG(123.456, 15), "123.456");
  EXPECT_DOUBLE_EQ(StrToFloat("2.5"), 2.5);
  EXPECT_THROW(StrToFloat("2,5x"), EConvertError);
  const LocalePin german(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(FloatToStrG(2.5), "2,5");
  EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
}

TEST(Conversions, TrimAndCompare) {
  EXPECT_EQ(Trim(QString::fromLatin1(" \t Jahr: \r")), "Jahr:");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_TRUE(SameText("EMedia", "emEDIA"));
  EXPECT_FALSE(SameText(QString::fromUtf8("\xc3\xa4"), QString::fromUtf8("\xc3\x84")));  // only A to Z fold
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_TRUE(IsValidIdent("_Edit1"));
  EXPECT_FALSE(IsValidIdent("1Edit"));
  EXPECT_FALSE(IsValidIdent(""));
}

TEST(Variant, TextConversions) {
  EXPECT_EQ(TVariant::FromInteger(5).ToText(), "5");
  EXPECT_EQ(TVariant::FromBoolean(true).ToText(), "True");
  EXPECT_EQ(TVariant().ToText(), "");
  EXPECT_EQ(TVariant::FromSingle(0.1f).ToText(), "0.1");
  EXPECT_EQ(TVariant::FromText("7", varInteger), TVariant::FromInteger(7));
  EXPECT_EQ(TVariant::FromText("7.5", varDouble).ToDouble(), 7.5);
  EXPECT_THROW(TVariant::FromText("7.5x", varInteger), EVariantError);
  EXPECT_THROW(TVariant::FromText("70000", varSmallint), EVariantError);
  EXPECT_EQ(TVariant::FromText("true", varBoolean), TVariant::FromBoolean(true));
  EXPECT_EQ(TVariant::FromInteger(5).ChangeType(varString).VarType(), varString);
  EXPECT_EQ(TVariant::TypeName(varString), "String");
  EXPECT_TRUE(TVariant::Null().IsNull());
  try {
    TVariant::Null().ChangeType(varInteger);
    FAIL();
  } catch (const EVariantError& e) {
    EXPECT_EQ(e.Message(), "Could not convert variant of type (Null) into type (Integer)");
  }
}

struct LinesCase {
  const char* text;
  QStringList lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << QString::fromUtf8(c.text).toStdString(); }

class LineSplitting : public ::testing::TestWithParam<LinesCase> {};

TEST_P(LineSplitting, EndsLinesAtCrLfLoneLfAndLoneCr) {
  const QString text = QString::fromUtf8(GetParam().text);
  QStringList lines;
  for (const TLineSpan& span : LineSpans(text)) lines << text.mid(span.Start, span.Length);
  EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineSplitting,
                         ::testing::Values(LinesCase{"", {}}, LinesCase{"a", {"a"}}, LinesCase{"a\r\n", {"a"}},
                                           LinesCase{"a\r\nb", {"a", "b"}}, LinesCase{"a\nb\rc", {"a", "b", "c"}},
                                           LinesCase{"a\n\rb", {"a", "", "b"}}, LinesCase{"\r\n\r\n", {"", ""}},
                                           LinesCase{"a\r\r\nb\n", {"a", "", "b"}}));

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourAndTheRangeHolds) {
  const std::pair<double, int> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2},
                                          {2.5001, 3}, {1e12, 2147483647}, {-1e12, -2147483647 - 1}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(Variant, DatesCountDaysFrom1899) {
  const double d = DateTimeFromQt(QDateTime(QDate(2001, 1, 1), QTime(12, 0)));
  EXPECT_DOUBLE_EQ(d, 36892.5);
  EXPECT_EQ(DateTimeToQt(d), QDateTime(QDate(2001, 1, 1), QTime(12, 0)));
  double back = 0;
  ASSERT_TRUE(TryTextToDate(DateToText(36892), back));
  EXPECT_EQ(back, 36892);
  EXPECT_FALSE(TryTextToDate("not a date", back));
}

}  // namespace
