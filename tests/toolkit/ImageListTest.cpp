#include "toolkit/Bitmap.h"
#include "toolkit/ImageList.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"

#include <QPainter>

namespace {

constexpr TColor kMagenta = 0xFF00FF;

// A bitmap filled with one colour, with a blue pixel at (x, y).
TBitmap Filled(int width, int height, TColor fill, QPoint blue = QPoint(5, 5)) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ColorToQColor(fill));
  if (image.rect().contains(blue)) image.setPixelColor(blue, Qt::blue);
  return TBitmap(image);
}

TEST(ImageList, DefaultsToSixteenBySixteenAndPublishesItsSize) {
  TImageList list(nullptr);
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.Height(), 16);
  SetOrdProp(list, PropByName(list, "Width"), 20);
  EXPECT_EQ(list.Width(), 20);
  EXPECT_EQ(GetOrdProp(list, PropByName(list, "Height")), 16);
}

TEST(ImageList, AddMaskedMakesTheTransparentColourSeeThrough) {
  TImageList list(nullptr);
  const TBitmap star = Filled(16, 16, kMagenta);
  EXPECT_EQ(list.AddMasked(star, kMagenta), 0);
  const QImage masked = list.Image(0);
  EXPECT_EQ(qAlpha(masked.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(masked.pixel(15, 15)), 0);
  EXPECT_EQ(masked.pixelColor(5, 5), QColor(Qt::blue));

  // Add keeps every pixel; clNone masks nothing; clDefault takes the
  // bitmap's own transparent colour (its bottom-left pixel).
  EXPECT_EQ(list.Add(star), 1);
  EXPECT_EQ(list.AddMasked(star, clNone), 2);
  EXPECT_EQ(list.AddMasked(star, clDefault), 3);
  EXPECT_EQ(list.Image(1).pixelColor(0, 0), QColor(255, 0, 255));
  EXPECT_EQ(list.Image(2).pixelColor(0, 0), QColor(255, 0, 255));
  EXPECT_EQ(qAlpha(list.Image(3).pixel(0, 0)), 0);
  EXPECT_EQ(list.Count(), 4);
}

TEST(ImageList, StripAddsOnePicturePerCellAndReturnsTheFirstIndex) {
  TImageList list(nullptr);
  list.Add(Filled(16, 16, clRed));
  QImage strip(48, 16, QImage::Format_RGB32);
  strip.fill(Qt::white);
  QPainter(&strip).fillRect(16, 0, 16, 16, Qt::green);
  EXPECT_EQ(list.Add(TBitmap(strip)), 1);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Image(1).pixelColor(8, 8), QColor(Qt::white));
  EXPECT_EQ(list.Image(2).pixelColor(8, 8), QColor(Qt::green));
  EXPECT_EQ(list.Image(3).size(), QSize(16, 16));
}

TEST(ImageList, OtherSizesAreScaledIntoOneCellKeepingProportions) {
  TImageList list(nullptr);
  // 20 x 10 becomes 16 x 8, centred: rows 4 to 11 hold the picture.
  list.Add(Filled(20, 10, clRed, QPoint(-1, -1)));
  ASSERT_EQ(list.Count(), 1);
  const QImage cell = list.Image(0);
  EXPECT_EQ(cell.size(), QSize(16, 16));
  EXPECT_EQ(qAlpha(cell.pixel(8, 1)), 0);
  EXPECT_EQ(cell.pixelColor(8, 8), QColor(Qt::red));
  EXPECT_EQ(qAlpha(cell.pixel(8, 14)), 0);
}

TEST(ImageList, BadInputIsRefusedAndLosesNothing) {
  TImageList list(nullptr);
  list.Add(Filled(16, 16, clRed));
  EXPECT_THROW(list.Add(TBitmap()), EInvalidOperation);
  EXPECT_THROW(list.AddMasked(TBitmap(), kMagenta), EInvalidOperation);
  EXPECT_THROW(list.SetWidth(0), EInvalidOperation);
  EXPECT_THROW(list.SetHeight(-3), EInvalidOperation);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Width(), 16);
  // Outside the list there is no picture, and drawing one draws nothing.
  EXPECT_TRUE(list.Image(1).isNull());
  EXPECT_TRUE(list.Icon(-1).isNull());
  TBitmap target(4, 4);
  list.Draw(target.Canvas(), 0, 0, 7);
  EXPECT_EQ(target.Image().pixelColor(0, 0), QColor(Qt::white));
}

TEST(ImageList, DrawsEnabledAsKeptAndDisabledGreyed) {
  TImageList list(nullptr);
  list.AddMasked(Filled(16, 16, kMagenta, QPoint(-1, -1)), clNone);
  list.AddMasked(Filled(16, 16, clRed, QPoint(-1, -1)), clNone);
  TBitmap target(40, 20);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect(QRect(0, 0, 40, 20));
  list.Draw(target.Canvas(), 0, 0, 1, true);
  list.Draw(target.Canvas(), 20, 0, 1, false);
  EXPECT_EQ(target.Image().pixelColor(8, 8), QColor(Qt::red));
  const QColor greyed = target.Image().pixelColor(28, 8);
  EXPECT_NE(greyed, QColor(Qt::red));
  EXPECT_LT(std::abs(greyed.red() - greyed.green()), 40) << greyed.name().toStdString();
  // The icon carries both looks.
  const QIcon icon = list.Icon(1);
  EXPECT_EQ(icon.pixmap(16, 16, QIcon::Normal).toImage().pixelColor(8, 8), QColor(Qt::red));
  EXPECT_NE(icon.pixmap(16, 16, QIcon::Disabled).toImage().pixelColor(8, 8), QColor(Qt::red));
}

TEST(ImageList, ClientsFollowChangesUntilTheyGo) {
  TImageList list(nullptr);
  int staying = 0;
  int going = 0;
  TComponent stayer(nullptr);
  auto* goer = new TComponent(nullptr);
  int announced = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++announced;
  };
  list.RegisterChanges(&stayer, [&] { ++staying; });
  list.RegisterChanges(goer, [&] { ++going; });
  list.Add(Filled(16, 16, clRed));
  EXPECT_EQ(announced, 1);
  EXPECT_EQ(staying, 1);
  EXPECT_EQ(going, 1);
  delete goer;
  list.SetWidth(24);  // a new size empties the list
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(staying, 2);
  EXPECT_EQ(going, 1);
  list.UnRegisterChanges(&stayer);
  list.Add(Filled(24, 16, clRed));
  EXPECT_EQ(staying, 2);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
