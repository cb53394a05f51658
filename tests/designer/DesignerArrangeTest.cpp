// Align, same size and distribute: the rectangles each command gives, the
// keys that run them on the design surface, locks, and one modification and
// one undo step per command.
#include "designer/DesignerFixture.h"

#include "designer/DesignGeometry.h"
#include "designer/DesignHistory.h"
#include "toolkit/KeyCodes.h"

#include <algorithm>
#include <climits>

namespace {

using K = TArrangeKind;

TDesignRect R(int64_t l, int64_t t, int64_t w, int64_t h) { return {l, t, l + w, t + h}; }

TEST(ArrangeGeometry, EachCommandAgainstThePrimaryRectangle) {
  // The primary first; the second is smaller and elsewhere.
  const std::vector<TDesignRect> rects{R(10, 20, 100, 30), R(50, 70, 41, 11)};
  const struct {
    K kind;
    TDesignRect second;
  } cases[] = {
      {K::AlignLefts, R(10, 70, 41, 11)},        {K::AlignRights, R(69, 70, 41, 11)},
      {K::AlignTops, R(50, 20, 41, 11)},         {K::AlignBottoms, R(50, 39, 41, 11)},
      {K::AlignHorzCentres, R(39, 70, 41, 11)},  {K::AlignVertCentres, R(50, 29, 41, 11)},
      {K::SameWidth, R(50, 70, 100, 11)},        {K::SameHeight, R(50, 70, 41, 30)},
      {K::SameSize, R(50, 70, 100, 30)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    const std::vector<TDesignRect> out = Arranged(c.kind, rects, 0, {false, false});
    EXPECT_EQ(out[0], rects[0]);
    EXPECT_EQ(out[1], c.second);
    // A fixed rectangle keeps its place and size.
    EXPECT_EQ(Arranged(c.kind, rects, 0, {false, true})[1], rects[1]);
  }
}

TEST(ArrangeGeometry, DistributingKeepsTheEndsAndGivesLeftoverPixelsToTheFirstGaps) {
  // Spans 0..100 with widths 10, 20, 10, 10: 50 free pixels in 3 gaps: 17, 17, 16.
  const std::vector<TDesignRect> rects{R(90, 0, 10, 5), R(0, 5, 10, 5), R(40, 9, 20, 5), R(12, 3, 10, 5)};
  const std::vector<TDesignRect> out = Arranged(K::DistributeHorz, rects, 0, {});
  EXPECT_EQ(out[1], rects[1]);
  EXPECT_EQ(out[0], rects[0]);
  EXPECT_EQ(out[3], R(27, 3, 10, 5));
  EXPECT_EQ(out[2], R(54, 9, 20, 5));
  // Vertically, with overlapping controls: the gaps may be negative, the
  // ends still stay.
  const std::vector<TDesignRect> tall{R(0, 0, 5, 30), R(0, 10, 5, 30), R(0, 20, 5, 31)};
  const std::vector<TDesignRect> down = Arranged(K::DistributeVert, tall, 2, {});
  EXPECT_EQ(down[0], tall[0]);
  EXPECT_EQ(down[2], tall[2]);
  EXPECT_EQ(down[1], R(0, 10, 5, 30));
  // Far apart at the ends of the range, nothing overflows.
  const std::vector<TDesignRect> wide{R(INT_MIN, 0, 10, 5), R(0, 0, 10, 5), R(INT_MAX - 10, 0, 10, 5)};
  const std::vector<TDesignRect> spread = Arranged(K::DistributeHorz, wide, 0, {});
  EXPECT_EQ(spread[1], R(-5, 0, 10, 5));
}

class DesignerArrangeTest : public DesignerTest {};

TEST_F(DesignerArrangeTest, TheKeysArrangeTheSiblingsOfThePrimaryControlAsOneStep) {
  Activate();
  edit3->SetBounds(150, 100, 60, 30);
  designer->SelectedControls().SetControls({edit1, edit2, edit3});
  const int reported = modified;
  Key(Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(edit1->BoundsRect(), QRect(150, 24, 100, 21));
  EXPECT_EQ(edit2->BoundsRect(), QRect(150, 64, 100, 21));
  EXPECT_EQ(modified, reported + 1);
  EXPECT_EQ(designer->History().Stack().count(), 1);
  Key(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(edit1->BoundsRect(), QRect(150, 24, 60, 30));
  EXPECT_EQ(modified, reported + 2);
  Key(Qt::Key_V, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
  // Tops 24, 64, 100 with heights 30: from 24 to 130, 16 free in two gaps.
  EXPECT_EQ(edit2->Top(), 62);
  EXPECT_EQ(modified, reported + 3);
  ASSERT_TRUE(designer->History().Undo());
  ASSERT_TRUE(designer->History().Undo());
  EXPECT_EQ(edit1->BoundsRect(), QRect(150, 24, 100, 21));
  EXPECT_EQ(edit2->BoundsRect(), QRect(150, 64, 100, 21));
  ASSERT_TRUE(designer->History().Undo());
  EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 100, 21));
}

TEST_F(DesignerArrangeTest, LockedControlsOtherParentsAndTooFewControlsStayOut) {
  auto* box = new TPanel(frame);
  box->SetName("Box");
  box->SetParent(frame);
  box->SetBounds(150, 100, 120, 100);
  TEdit* inner = AddEdit("Inner", QRect(5, 5, 50, 21), box);
  Activate();
  designer->LockControl(edit2, {TELDesignerLock::dlNoMove});
  designer->SelectedControls().SetControls({edit1, edit2, inner, edit3});
  TDEng& engine = Engine();
  EXPECT_TRUE(engine.CanArrange(K::AlignTops));
  engine.Arrange(K::AlignTops);
  EXPECT_EQ(edit1->Top(), 24);  // already there
  engine.Arrange(K::AlignBottoms);
  EXPECT_EQ(edit1->Top(), 24);
  engine.Arrange(K::AlignRights);
  EXPECT_EQ(edit1->Left(), 150);
  EXPECT_EQ(edit2->Left(), 16);  // locked against moving
  EXPECT_EQ(inner->Left(), 5);   // another parent
  // Locked against moving, it still takes the size.
  edit3->SetWidth(70);
  engine.Arrange(K::SameWidth);
  EXPECT_EQ(edit2->Width(), 70);
  // Two siblings are too few to distribute; the design control never counts.
  designer->SelectedControls().SetControls({edit1, edit3});
  EXPECT_FALSE(engine.CanArrange(K::DistributeHorz));
  EXPECT_TRUE(engine.CanArrange(K::AlignLefts));
  designer->SelectedControls().SelectOnly(frame);
  EXPECT_FALSE(engine.CanArrange(K::AlignLefts));
  const int reported = modified;
  Key(Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(modified, reported);
}

TEST_F(DesignerArrangeTest, ShortcutsAreTheirOwnAndReadAsTheMenuShowsThem) {
  EXPECT_EQ(ShortCutToText(ArrangeShortCut(K::AlignLefts)), "Ctrl+Alt+L");
  EXPECT_EQ(ShortCutToText(ArrangeShortCut(K::DistributeHorz)), "Shift+Ctrl+Alt+H");
  std::vector<uint16_t> seen;
  for (int k = 0; k <= static_cast<int>(K::DistributeVert); ++k) {
    const uint16_t shortCut = ArrangeShortCut(static_cast<K>(k));
    EXPECT_EQ(ArrangeOfShortCut(shortCut), static_cast<K>(k));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), shortCut), 0);
    seen.push_back(shortCut);
  }
}

}  // namespace
