// Snaplines: an edge or centre line of a moving or resized rectangle that
// comes within 4 pixels of a sibling's line or of the container's edge
// snaps to it, beating the grid on that axis; axis locks hold, Alt suspends
// them, a line shows during the drag and the hint gives the snapped values.
// The picture of a drag with its line is saved into the build folder.
#include "designer/DesignerFixture.h"

#include "designer/DesignGeometry.h"
#include "designer/DesignHint.h"

#include <QApplication>
#include <QPainter>

namespace {

TDesignRect R(int64_t l, int64_t t, int64_t w, int64_t h) { return {l, t, l + w, t + h}; }

TEST(SnaplineGeometry, TheNearestLineWithinFourPixelsWins) {
  const std::vector<TDesignRect> siblings{R(100, 100, 50, 20), R(300, 40, 40, 40)};
  const TDesignRect container = R(0, 0, 400, 300);
  const struct {
    const char* what;
    TDesignRect rect;
    uint8_t xParts, yParts;
    std::optional<int64_t> dx, dy;
  } cases[] = {
      {"left to a left edge", R(103, 200, 30, 10), spAll, spAll, -3, std::nullopt},
      {"five pixels away is too far", R(105, 200, 30, 10), spAll, spAll, std::nullopt, std::nullopt},
      {"right to a left edge", R(66, 200, 30, 10), spAll, spAll, 4, std::nullopt},
      {"centre to a centre", R(111, 200, 30, 10), spAll, spAll, -1, std::nullopt},
      {"an edge by a centre is no pair", R(123, 200, 50, 10), spAll, spAll, std::nullopt, std::nullopt},
      {"top to a bottom, and the nearer of two", R(299, 122, 30, 10), spAll, spAll, 1, -2},
      {"the container's edges", R(2, 287, 30, 10), spAll, spAll, -2, 3},
      {"only the parts asked for", R(103, 200, 30, 10), spHigh, 0, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TSnap snap = SnapToLines(c.rect, c.xParts, c.yParts, siblings, container);
    EXPECT_EQ(snap.Dx, c.dx);
    EXPECT_EQ(snap.Dy, c.dy);
    EXPECT_EQ(snap.Lines.size(), size_t{c.dx.has_value()} + size_t{c.dy.has_value()});
  }
  // The line runs over both rectangles.
  const TSnap snap = SnapToLines(R(103, 200, 30, 10), spAll, 0, siblings, container);
  ASSERT_EQ(snap.Lines.size(), 1u);
  EXPECT_EQ(snap.Lines[0], (TSnapLine{true, 100, 100, 210}));
}

class DesignerSnaplineTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    designer->SetSnaplines(true);
    Activate();
  }
};

TEST_F(DesignerSnaplineTest, AMoveLandsOnTheSiblingsEdgeInsteadOfTheGrid) {
  // Edit2 (16, 64) dragged 131 pixels right: the grid gives 144, Edit3's
  // left edge at 150 is 3 pixels from where the pointer took it.
  const struct {
    Qt::KeyboardModifiers mods;
    int left;
  } cases[] = {{Qt::NoModifier, 150}, {Qt::AltModifier, 144}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left);
    edit2->SetBounds(16, 64, 100, 21);
    designer->SelectedControls().SelectOnly(edit2);
    const QPoint from = Centre(edit2);
    Press(from, c.mods);
    MoveTo(from + QPoint(131, 1), c.mods);
    EXPECT_EQ(Engine().Hint().Text(), QStringLiteral("%1, 64").arg(c.left));
    Release(from + QPoint(131, 1), Qt::LeftButton, c.mods);
    EXPECT_EQ(edit2->BoundsRect(), QRect(c.left, 64, 100, 21));
  }
}

TEST_F(DesignerSnaplineTest, AResizeSnapsTheEdgeItMovesAndKeepsTheLockedAxis) {
  designer->SelectedControls().SelectOnly(edit1);
  QApplication::processEvents();
  const QPoint at = HandleOf(edit1, THandlePosition::hpRight).mapToGlobal(QPoint(2, 2));
  PressHandle(edit1, THandlePosition::hpRight);
  // 32 right (four grid steps, right edge at 148) and 40 down: the right
  // edge goes to Edit3's left edge at 150; the height stays.
  MoveTo(at + QPoint(32, 40));
  EXPECT_EQ(Engine().Hint().Text(), "134 x 21");
  Release(at + QPoint(32, 40));
  EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 134, 21));
}

TEST_F(DesignerSnaplineTest, TheLineShowsDuringTheDragAndGoesWithIt) {
  designer->SelectedControls().SelectOnly(edit2);
  QApplication::processEvents();
  const QImage before = panel->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint from = Centre(edit2);
  Press(from);
  MoveTo(from + QPoint(131, 1));
  QApplication::processEvents();
  const QImage during = panel->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  // The vertical line at x = 150 from Edit3's top (24) to Edit2's new
  // bottom (85), in the panel's picture (its border is 2 pixels).
  const QPoint onLine(152, 2 + 55);
  EXPECT_NE(during.pixelColor(onLine), before.pixelColor(onLine));
  EXPECT_EQ(during.pixelColor(onLine + QPoint(3, 0)), before.pixelColor(onLine + QPoint(3, 0)));
  QImage withHint = during;
  QPainter painter(&withHint);
  painter.drawImage(panel->Widget()->mapFromGlobal(TDEngHint::Window()->pos()),
                    TDEngHint::Window()->grab().toImage());
  painter.end();
  withHint.save(QStringLiteral(VORNIK_BINARY_DIR "/designer-snapline.png"));
  Release(from + QPoint(131, 1));
  QApplication::processEvents();
  const QImage after = panel->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(after.pixelColor(onLine), before.pixelColor(onLine));
}

TEST_F(DesignerSnaplineTest, SnaplinesAreOffUnlessTheDesignerAsks) {
  designer->SetSnaplines(false);
  designer->SelectedControls().SelectOnly(edit2);
  const QPoint from = Centre(edit2);
  Press(from);
  MoveTo(from + QPoint(131, 1));
  Release(from + QPoint(131, 1));
  EXPECT_EQ(edit2->Left(), 144);
}

}  // namespace
