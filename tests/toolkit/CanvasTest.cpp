#include "toolkit/Bitmap.h"
#include "toolkit/Forms.h"
#include "toolkit/OverlayCanvas.h"
#include "toolkit/Panel.h"

#include "support/TestSupport.h"

#include <QApplication>

namespace {

// The rows of a small bitmap as text: '#' for black, '.' for white, '?' else.
QStringList Rows(const TBitmap& bitmap) {
  QStringList rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    QString row;
    for (int x = 0; x < bitmap.Width(); ++x) {
      const QRgb p = bitmap.Image().pixel(x, y) & 0xFFFFFF;
      row += p == 0 ? '#' : p == 0xFFFFFF ? '.' : '?';
    }
    rows << row;
  }
  return rows;
}

TEST(Canvas, LineToExcludesItsEndPixel) {
  TBitmap bitmap(8, 4);
  TCanvas& c = bitmap.Canvas();
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  c.MoveTo(6, 0);
  c.LineTo(6, 3);
  c.MoveTo(0, 3);
  c.LineTo(3, 0);
  EXPECT_EQ(Rows(bitmap), QStringList({"......#.", ".####.#.", ".#....#.", "#......."}));
  EXPECT_EQ(c.PenPos(), QPoint(3, 0));
}

TEST(Canvas, RectangleAndFillRectExcludeRightAndBottom) {
  TBitmap bitmap(8, 7);
  TCanvas& c = bitmap.Canvas();
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Rows(bitmap), QStringList({"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........",
                                       "........"}));
  TBitmap filled(6, 4);
  filled.Canvas().Brush().SetColor(clBlack);
  filled.Canvas().FillRect(QRect(QPoint(1, 1), QPoint(3, 2)));
  EXPECT_EQ(Rows(filled), QStringList({"......", ".###..", ".###..", "......"}));
}

TEST(Canvas, ExclusiveOrFrameDrawnTwiceLeavesThePixels) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 120);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, 200, 120);
  panel->SetColor(clYellow);
  form.ShowForm();
  QApplication::processEvents();

  TOverlayCanvas overlay(*panel);
  const QImage before = overlay.Image().copy();
  TCanvas& c = overlay.Canvas();
  c.Pen().SetMode(TPenMode::pmXor);
  c.Pen().SetColor(0x808080);
  c.Pen().SetWidth(2);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Rectangle(11, 11, 60, 40);
  EXPECT_NE(overlay.Image(), before);
  // The frame lies just inside the rectangle (10, 10)-(60, 40): 2 pixels wide.
  EXPECT_NE(overlay.Image().pixel(10, 20), before.pixel(10, 20));
  EXPECT_NE(overlay.Image().pixel(11, 20), before.pixel(11, 20));
  EXPECT_EQ(overlay.Image().pixel(12, 20), before.pixel(12, 20));
  c.Rectangle(11, 11, 60, 40);
  EXPECT_EQ(overlay.Image(), before);

  c.Pen().SetWidth(1);
  c.Pen().SetStyle(TPenStyle::psDot);
  c.Pen().SetColor(clWhite);
  c.Rectangle(5, 5, 50, 50);
  c.Rectangle(5, 5, 50, 50);
  EXPECT_EQ(overlay.Image(), before);
}

TEST(Canvas, BrushCopyReplacesOneColourByTheBrush) {
  TBitmap star(4, 2);
  star.Canvas().Brush().SetColor(clFuchsia);
  star.Canvas().FillRect(QRect(0, 0, 4, 2));
  star.Canvas().SetPixel(1, 0, 0x996644);
  TBitmap row(8, 2);
  row.Canvas().Brush().SetColor(clGreen);
  row.Canvas().BrushCopy(QRect(4, 0, 4, 2), star, QRect(0, 0, 4, 2), clFuchsia);
  EXPECT_EQ(row.Canvas().Pixel(5, 0), 0x996644);
  EXPECT_EQ(row.Canvas().Pixel(4, 0), clGreen);
  EXPECT_EQ(row.Canvas().Pixel(7, 1), clGreen);
  EXPECT_EQ(row.Canvas().Pixel(0, 0), clWhite);  // outside the copy
}

TEST(Canvas, TextMeasuresWithTheCanvasFont) {
  TBitmap bitmap(100, 20);
  TCanvas& c = bitmap.Canvas();
  const int small = c.TextWidth("Year:");
  c.Font().SetHeight(-22);
  EXPECT_GT(c.TextWidth("Year:"), small);
  EXPECT_EQ(c.TextExtent("x").height(), c.TextHeight("x"));
  c.Font().SetHeight(-11);
  c.Brush().SetColor(clWhite);
  c.TextOut(2, 2, "Wg");
  bool ink = false;
  for (int x = 2; x < 2 + c.TextWidth("Wg"); ++x)
    for (int y = 2; y < 2 + c.TextHeight("Wg"); ++y) ink = ink || (bitmap.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  EXPECT_TRUE(ink);
  EXPECT_EQ(c.PenPos(), QPoint(2 + c.TextWidth("Wg"), 2));
}

TEST(Colors, SystemColoursFollowThePalette) {
  EXPECT_EQ(ColorToQColor(clBtnFace), QApplication::palette().color(QPalette::Button));
  EXPECT_EQ(ColorToQColor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(QColorToColor(QColor(0x11, 0x22, 0x33)), 0x332211);
  EXPECT_EQ(ColorToRGB(clFuchsia), 0xFF00FF);
}

}  // namespace
