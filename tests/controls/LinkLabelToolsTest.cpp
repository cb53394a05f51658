#include "controls/OrqJvLinkLabelTools.h"

#include "support/TestSupport.h"

#include <ostream>

namespace {

TEST(LinkLabelTools, StaticClassesRefuseInstances) {
  const auto expectRefused = [](auto construct) {
    try {
      construct();
      ADD_FAILURE() << "constructed";
    } catch (const EGenericToolsError& e) {
      EXPECT_EQ(e.Message(), "This class cannot be instantiated");
    }
  };
  expectRefused([] { TStringTools tools; });
  expectRefused([] { TGraphicTools tools; });
}

TEST(LinkLabelTools, PrefixAndSuffixRespectLetterCase) {
  EXPECT_TRUE(TStringTools::BeginsWith(" word", " "));
  EXPECT_TRUE(TStringTools::BeginsWith("Link", "Li"));
  EXPECT_FALSE(TStringTools::BeginsWith("Link", "li"));
  EXPECT_FALSE(TStringTools::BeginsWith("", " "));
  EXPECT_TRUE(TStringTools::EndsWith("word ", " "));
  EXPECT_FALSE(TStringTools::EndsWith("wordX", "x"));
  EXPECT_FALSE(TStringTools::EndsWith("x", "xx"));
}

TEST(LinkLabelTools, RemovesOnlyCarriageReturnLineFeedPairs) {
  EXPECT_EQ(TStringTools::RemoveCRLF("wo\r\nrd\r\n"), "word");
  EXPECT_EQ(TStringTools::RemoveCRLF("a\rb\nc\n\rd"), "a\rb\nc\n\rd");
  // One pass: the pair that the removal brings together stays.
  EXPECT_EQ(TStringTools::RemoveCRLF("a\r\r\n\nb"), "a\r\nb");
}

struct ReplaceCase {
  const char* text;
  const char* from;
  const char* to;
  const char* result;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.text << " / " << c.from << " -> " << c.to; }

class MultiStringReplace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(MultiStringReplace, RepeatsUntilGoneAndAlwaysEnds) {
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(TStringTools::MultiStringReplace(c.text, c.from, c.to), QString::fromLatin1(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MultiStringReplace,
    ::testing::Values(ReplaceCase{"1 &lt; 2 &lt; 3", "&lt;", "<", "1 < 2 < 3"},
                      ReplaceCase{"xxxx", "xx", "x", "x"},          // repeated until gone
                      ReplaceCase{"aXXbb", "Xb", "", "a"},          // removal joins a new occurrence
                      ReplaceCase{"AbAB", "ab", "c", "AbAB"},       // letter case respected
                      ReplaceCase{"a-a", "a", "aa", "aa-aa"},       // `to` holds `from`: one pass
                      ReplaceCase{"ab", "ab", "ba", "ba"},          // same length: one pass
                      ReplaceCase{"text", "", "z", "text"},         // empty `from`
                      ReplaceCase{"", "a", "b", ""}));

struct PointCase {
  int x;
  int y;
  bool inside;
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << "(" << c.x << "," << c.y << ")"; }

class PointInRect : public ::testing::TestWithParam<PointCase> {};

// The rectangle covers columns 10..14 and rows 20..23; all four edges count.
TEST_P(PointInRect, IncludesAllFourEdges) {
  EXPECT_EQ(TGraphicTools::PointInRect(QPoint(GetParam().x, GetParam().y), QRect(10, 20, 5, 4)), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Points, PointInRect,
                         ::testing::Values(PointCase{10, 20, true}, PointCase{14, 23, true}, PointCase{14, 20, true},
                                           PointCase{10, 23, true}, PointCase{12, 21, true}, PointCase{9, 21, false},
                                           PointCase{15, 21, false}, PointCase{12, 19, false},
                                           PointCase{12, 24, false}));

TEST(LinkLabelTools, EmptyRectangleHoldsNoPoint) {
  EXPECT_FALSE(TGraphicTools::PointInRect(QPoint(5, 5), QRect(5, 5, 0, 10)));
  EXPECT_FALSE(TGraphicTools::PointInRect(QPoint(5, 5), QRect(5, 5, 10, 0)));
}

}  // namespace
