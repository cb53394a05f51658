// What the design surface looks like: the grid dots, the handles of a
// single, a multiple and a locked selection, and a drag with its frames and
// its hint. Each picture is also saved into the build folder for looking at.
#include "designer/DesignerFixture.h"

#include "designer/DesignHint.h"

#include <QApplication>
#include <QPainter>

namespace {

QImage Picture(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

void Save(const QImage& image, const char* name) {
  image.save(QStringLiteral(VORNIK_BINARY_DIR "/") + QString::fromLatin1(name));
}

class DesignerPaintTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    Activate();
  }
  QImage Surface() {
    QApplication::processEvents();
    return Picture(panel->Widget());
  }
  // A point of the frame in the picture of the panel.
  static QPoint InPanel(int x, int y) { return QPoint(x + 2, y + 2); }
};

TEST_F(DesignerPaintTest, GridDotsMarkEveryGridPointOfTheBareSurface) {
  const QImage picture = Surface();
  Save(picture, "designer-grid.png");
  const QColor dot = ColorToQColor(clBlack);
  const QColor face = ColorToQColor(clBtnFace);
  for (const QPoint& p : {QPoint(200, 160), QPoint(208, 160), QPoint(8, 200), QPoint(288, 240)})
    EXPECT_EQ(picture.pixelColor(InPanel(p.x(), p.y())), dot) << p.x() << "," << p.y();
  for (const QPoint& p : {QPoint(201, 160), QPoint(204, 164), QPoint(207, 167)})
    EXPECT_EQ(picture.pixelColor(InPanel(p.x(), p.y())), face) << p.x() << "," << p.y();

  designer->Grid().SetXStep(16);
  designer->Grid().SetColor(clRed);
  const QImage wider = Surface();
  EXPECT_EQ(wider.pixelColor(InPanel(200, 160)), face);
  EXPECT_EQ(wider.pixelColor(InPanel(224, 160)), ColorToQColor(clRed));
  designer->Grid().SetVisible(false);
  EXPECT_EQ(Surface().pixelColor(InPanel(224, 160)), face);
}

TEST_F(DesignerPaintTest, HandlesOfSingleMultipleAndLockedSelections) {
  TELDesignerSelectedControls& selection = designer->SelectedControls();
  selection.SetFocused(true);
  selection.SelectOnly(edit1);  // 16, 24, 100 x 21
  QImage single = Surface();
  Save(single, "designer-single.png");
  // Black handles, each a 5 x 5 square centred on an edge.
  EXPECT_EQ(single.pixelColor(InPanel(16, 24)), ColorToQColor(clBlack));
  EXPECT_EQ(single.pixelColor(InPanel(66, 24)), ColorToQColor(clBlack));
  EXPECT_EQ(single.pixelColor(InPanel(115, 44)), ColorToQColor(clBlack));

  selection.Add(edit2);
  const QImage multi = Surface();
  Save(multi, "designer-multi.png");
  EXPECT_EQ(multi.pixelColor(InPanel(18, 26)), ColorToQColor(clGray));
  EXPECT_NE(multi.pixelColor(InPanel(66, 24)), ColorToQColor(clBlack));

  designer->LockControl(edit3, {TELDesignerLock::dlNoMove, TELDesignerLock::dlNoResize});
  selection.SelectOnly(edit3);  // 150, 24, 100 x 21
  const QImage locked = Surface();
  Save(locked, "designer-locked.png");
  EXPECT_EQ(locked.pixelColor(InPanel(150, 24)), ColorToQColor(clRed));
}

TEST_F(DesignerPaintTest, ADragShowsGreyFramesAndThePositionHint) {
  designer->SelectedControls().SetControls({edit1, edit2});
  const QImage before = Surface();
  const QPoint from = Centre(edit1);
  Press(from);
  MoveTo(from + QPoint(24, 16));
  QImage during = Surface();
  // The frame, two pixels just inside the moved rectangle (40, 40, 100 x 21).
  EXPECT_NE(during.pixelColor(InPanel(40, 50)), before.pixelColor(InPanel(40, 50)));
  EXPECT_NE(during.pixelColor(InPanel(41, 50)), before.pixelColor(InPanel(41, 50)));
  EXPECT_EQ(during.pixelColor(InPanel(60, 50)), before.pixelColor(InPanel(60, 50)));
  // Nothing moved yet.
  EXPECT_EQ(edit1->Left(), 16);
  ASSERT_TRUE(TDEngHint::Window()->isVisible());
  EXPECT_EQ(Engine().Hint().Text(), "40, 40");
  // The picture with the hint where it shows on the screen.
  QImage withHint = during;
  QPainter painter(&withHint);
  painter.drawImage(panel->Widget()->mapFromGlobal(TDEngHint::Window()->pos()), Picture(TDEngHint::Window()));
  painter.end();
  Save(withHint, "designer-drag.png");
  Release(from + QPoint(24, 16));
  EXPECT_EQ(edit1->BoundsRect().topLeft(), QPoint(40, 40));
  EXPECT_EQ(edit2->BoundsRect().topLeft(), QPoint(40, 80));
}

}  // namespace
