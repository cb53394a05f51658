#include "designer/DesignGeometry.h"

#include "support/TestSupport.h"

#include <climits>

namespace {

using P = THandlePosition;

TEST(HandleOrigin, SingleHandlesAreCentredOnTheEdges) {
  const QRect bounds(10, 10, 100, 20);
  const std::vector<std::pair<P, QPoint>> table = {
      {P::hpTopLeft, {8, 8}},        {P::hpTop, {58, 8}},     {P::hpTopRight, {107, 8}},  {P::hpRight, {107, 18}},
      {P::hpBottomRight, {107, 27}}, {P::hpBottom, {58, 27}}, {P::hpBottomLeft, {8, 27}}, {P::hpLeft, {8, 18}},
  };
  for (const auto& [position, origin] : table) {
    SCOPED_TRACE(static_cast<int>(position));
    EXPECT_EQ(HandleOrigin(THandleMode::hmSingle, position, bounds), origin);
    EXPECT_TRUE(HandleShows(THandleMode::hmSingle, position));
  }
}

TEST(HandleOrigin, MultiSelectHandlesLieInsideTheCorners) {
  const QRect bounds(10, 10, 100, 20);
  const std::vector<std::pair<P, QPoint>> corners = {
      {P::hpTopLeft, {10, 10}}, {P::hpTopRight, {105, 10}}, {P::hpBottomRight, {105, 25}}, {P::hpBottomLeft, {10, 25}}};
  for (const auto& [position, origin] : corners) {
    EXPECT_EQ(HandleOrigin(THandleMode::hmMulti, position, bounds), origin);
    EXPECT_TRUE(HandleShows(THandleMode::hmMulti, position));
  }
  for (P edge : {P::hpTop, P::hpRight, P::hpBottom, P::hpLeft}) EXPECT_FALSE(HandleShows(THandleMode::hmMulti, edge));
  for (int i = 0; i < kHandleCount; ++i) EXPECT_FALSE(HandleShows(THandleMode::hmNone, static_cast<P>(i)));
}

TEST(HandleOrigin, ExtremeBoundsStayWithinRange) {
  // A rectangle as far right and down as a rectangle goes.
  const QPoint far = HandleOrigin(THandleMode::hmSingle, P::hpBottomRight, QRect(INT_MAX - 100, INT_MAX - 100, 100, 100));
  // Its handle stays whole within the range.
  EXPECT_EQ(far, QPoint(INT_MAX - kHandleSize, INT_MAX - kHandleSize));
  const QPoint near = HandleOrigin(THandleMode::hmSingle, P::hpTopLeft, QRect(INT_MIN, INT_MIN, 10, 10));
  EXPECT_EQ(near, QPoint(INT_MIN, INT_MIN));
}

TEST(Snapping, TheGridQuantisesTheDistanceTravelled) {
  struct Case {
    int start;
    int64_t travelled;
    int step;
    bool snap, locked;
    int expected;
  };
  const Case cases[] = {
      {100, 11, 8, true, false, 108},   // 11 -> 8
      {100, 12, 8, true, false, 116},   // 12 (1.5 steps) -> 16, halves to the even count
      {100, 4, 8, true, false, 100},    // 4 (half a step) -> 0
      {100, 20, 8, true, false, 116},   // 20 (2.5 steps) -> 16
      {100, -11, 8, true, false, 92},   // -11 -> -8
      {100, -12, 8, true, false, 84},   // -12 -> -16
      {100, 11, 8, false, false, 111},  // without the grid the distance itself
      {100, 12, 8, false, false, 112},
      {100, 4, 8, false, false, 104},
      {100, 50, 8, true, true, 100},  // a locked axis keeps the start
      {3, 11, 8, true, false, 11},    // a control at 3 moves to 11, 19: its offset stays
      {3, 19, 8, true, false, 19},
      {INT_MAX - 4, 4, 32, true, false, INT_MAX - 4},
      {INT_MIN, int64_t{INT_MAX} - INT_MIN, 32, true, false, INT_MAX},
      {INT_MAX, 1000, 8, false, false, INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " + " << c.travelled << " step " << c.step);
    EXPECT_EQ(SnapCoordinate(c.start, c.travelled, c.step, c.snap, c.locked), c.expected);
  }
}

TEST(Snapping, AlignedStartLiesOnTheGridOfTheScrolledSurface) {
  EXPECT_EQ(AlignToGrid(13, 8, 0), 8);
  EXPECT_EQ(AlignToGrid(16, 8, 0), 16);
  EXPECT_EQ(AlignToGrid(13, 8, 5), 11);  // (5 + 13) div 8 * 8 - 5
  EXPECT_EQ(AlignToGrid(INT_MAX, 32, INT_MAX), ClampToInt((int64_t{INT_MAX} * 2) / 32 * 32 - INT_MAX));
}

TEST(RoundDivEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundDivEven(4, 8), 0);
  EXPECT_EQ(RoundDivEven(12, 8), 2);
  EXPECT_EQ(RoundDivEven(20, 8), 2);
  EXPECT_EQ(RoundDivEven(28, 8), 4);
  EXPECT_EQ(RoundDivEven(-4, 8), 0);
  EXPECT_EQ(RoundDivEven(-12, 8), -2);
  EXPECT_EQ(RoundDivEven(-13, 8), -2);
  EXPECT_EQ(RoundDivEven(-11, 8), -1);
}

TEST(ResizedRect, EachHandleMovesItsEdges) {
  const TDesignRect bounds = TDesignRect::FromBounds(10, 20, 100, 40);
  struct Case {
    P handle;
    QRect expected;
  };
  const Case cases[] = {
      {P::hpTopLeft, QRect(15, 27, 95, 33)},      {P::hpTop, QRect(10, 27, 100, 33)},
      {P::hpTopRight, QRect(10, 27, 105, 33)},    {P::hpRight, QRect(10, 20, 105, 40)},
      {P::hpBottomRight, QRect(10, 20, 105, 47)}, {P::hpBottom, QRect(10, 20, 100, 47)},
      {P::hpBottomLeft, QRect(15, 20, 95, 47)},   {P::hpLeft, QRect(15, 20, 95, 40)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.handle));
    EXPECT_EQ(ResizedRect(bounds, c.handle, 5, 7).ToBounds(), c.expected);
  }
}

TEST(ResizedRect, PastTheOppositeEdgeTheRectangleIsMirrored) {
  // The left handle of a control at 0 with width 100 dragged 120 to the right.
  EXPECT_EQ(ResizedRect(TDesignRect::FromBounds(0, 0, 100, 20), P::hpLeft, 120, 0).ToBounds(), QRect(100, 0, 20, 20));
  EXPECT_EQ(ResizedRect(TDesignRect::FromBounds(0, 0, 100, 20), P::hpBottom, 0, -30).ToBounds(),
            QRect(0, -10, 100, 10));
  EXPECT_EQ(ResizedRect(TDesignRect::FromBounds(0, 0, 100, 20), P::hpLeft, 100, 0).ToBounds(), QRect(100, 0, 0, 20));
}

TEST(DesignRect, SumsOfBoundsDoNotOverflow) {
  const TDesignRect r = TDesignRect::FromBounds(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  EXPECT_EQ(r.Right, int64_t{INT_MAX} * 2);
  EXPECT_EQ(r.Width(), INT_MAX);
  // As bounds, the edges stay representable: the size shrinks to fit.
  EXPECT_EQ(r.Translated(1, 1).ToBounds(), QRect(INT_MAX, INT_MAX, 0, 0));
  EXPECT_EQ(TDesignRect::FromBounds(INT_MIN, 0, 1, 1).Translated(-1, 0).ToBounds().left(), INT_MIN);
  EXPECT_TRUE(TDesignRect::FromBounds(INT_MAX, 0, INT_MAX, 10).Touches(TDesignRect::FromBounds(INT_MAX, 5, 1, 1)));
}

TEST(DesignRect, TouchingEdgesCount) {
  const TDesignRect band{10, 10, 50, 50};
  EXPECT_TRUE(TDesignRect::FromBounds(50, 20, 10, 10).Touches(band));
  EXPECT_TRUE(TDesignRect::FromBounds(0, 0, 10, 10).Touches(band));
  EXPECT_FALSE(TDesignRect::FromBounds(51, 20, 10, 10).Touches(band));
  EXPECT_FALSE(TDesignRect::FromBounds(20, 0, 10, 9).Touches(band));
}

TEST(ArrowDistance, CandidatesInTheDirectionAndHowFar) {
  const TDesignRect primary = TDesignRect::FromBounds(100, 100, 50, 20);  // middle row 110
  struct Case {
    const char* what;
    TArrowDirection direction;
    TDesignRect candidate;
    std::optional<double> expected;
  };
  const Case cases[] = {
      {"left, same row", TArrowDirection::Left, TDesignRect::FromBounds(20, 100, 50, 20), 30.0},
      {"left, a little higher", TArrowDirection::Left, TDesignRect::FromBounds(20, 70, 50, 20), std::hypot(30.0, 20.0)},
      {"left, far above", TArrowDirection::Left, TDesignRect::FromBounds(80, 0, 10, 10), std::nullopt},
      {"left, far below", TArrowDirection::Left, TDesignRect::FromBounds(80, 200, 10, 10), std::nullopt},
      {"right is not left", TArrowDirection::Left, TDesignRect::FromBounds(200, 100, 50, 20), std::nullopt},
      {"right, same row", TArrowDirection::Right, TDesignRect::FromBounds(200, 100, 50, 20), 50.0},
      {"up, same column", TArrowDirection::Up, TDesignRect::FromBounds(100, 40, 50, 20), 40.0},
      {"down, same column", TArrowDirection::Down, TDesignRect::FromBounds(100, 150, 50, 20), 30.0},
      {"down is not up", TArrowDirection::Up, TDesignRect::FromBounds(100, 150, 50, 20), std::nullopt},
      {"overlapping on the left", TArrowDirection::Left, TDesignRect::FromBounds(90, 105, 40, 30), 0.0},
      {"overlapping, middle to the right", TArrowDirection::Left, TDesignRect::FromBounds(120, 105, 40, 30),
       std::nullopt},
      {"overlapping, rows beside the middle", TArrowDirection::Left, TDesignRect::FromBounds(90, 114, 40, 30), 4.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<double> d = ArrowDistance(primary, c.candidate, c.direction);
    ASSERT_EQ(d.has_value(), c.expected.has_value());
    if (d) {
      EXPECT_DOUBLE_EQ(*d, *c.expected);
    }
  }
}

TEST(ArrowDistance, FarApartBoundsDoNotOverflow) {
  const TDesignRect primary = TDesignRect::FromBounds(INT_MAX - 10, 0, 10, 10);
  const std::optional<double> d =
      ArrowDistance(primary, TDesignRect::FromBounds(INT_MIN, 0, 10, 10), TArrowDirection::Left);
  ASSERT_TRUE(d.has_value());
  EXPECT_DOUBLE_EQ(*d, static_cast<double>(int64_t{INT_MAX} - 10 - (int64_t{INT_MIN} + 10)));
}

}  // namespace
