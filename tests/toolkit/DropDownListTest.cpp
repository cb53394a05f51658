// The drop-down list window: where it opens, its rows and keys, and how it
// closes without a choice.
#include "toolkit/DropDownList.h"
#include "toolkit/Messages.h"

#include "support/TestSupport.h"

#include <QTest>
#include <QWidget>

namespace {

TEST(DropDownPlace, BelowTheFieldAboveItWithoutRoomAndInsideTheScreen) {
  const QRect screen(0, 0, 800, 600);
  const struct {
    const char* name;
    QRect anchor;
    QSize size;
    QRect placed;
  } cases[] = {
      {"below", QRect(100, 100, 120, 20), QSize(120, 80), QRect(100, 120, 120, 80)},
      {"exactly to the bottom", QRect(100, 500, 120, 20), QSize(120, 80), QRect(100, 520, 120, 80)},
      {"above", QRect(100, 501, 120, 20), QSize(120, 80), QRect(100, 421, 120, 80)},
      {"pulled in from the right", QRect(750, 100, 40, 20), QSize(120, 80), QRect(680, 120, 120, 80)},
  };
  for (const auto& c : cases) EXPECT_EQ(TDropDownList::Place(c.anchor, c.size, screen), c.placed) << c.name;
  // A second screen to the right counts from its own edges.
  EXPECT_EQ(TDropDownList::Place(QRect(900, 700, 50, 20), QSize(60, 100), QRect(800, 0, 400, 750)),
            QRect(900, 600, 60, 100));
}

class DropDownListTest : public ::testing::Test {
 protected:
  DropDownListTest() {
    QStringList items;
    for (int i = 0; i < 20; ++i) items << QString("Item %1").arg(i);
    list.SetItems(items);
    list.OnChoose = [this](int index) { chosen = index; };
    list.OnCancel = [this] { ++cancelled; };
    list.DropDown(QRect(10, 10, 100, 20), QSize(100, list.HeightForRows(5)));
  }
  ~DropDownListTest() override { list.CloseUp(); }
  TDropDownList list;
  int chosen = -1;
  int cancelled = 0;
};

TEST_F(DropDownListTest, KeysMoveTheCurrentRowAndKeepItInView) {
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_TRUE(list.HandleKey(VK_DOWN));
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_TRUE(list.HandleKey(VK_NEXT));
  EXPECT_EQ(list.ItemIndex(), 5);
  EXPECT_EQ(list.TopIndex(), 1);
  EXPECT_TRUE(list.HandleKey(VK_END));
  EXPECT_EQ(list.ItemIndex(), 19);
  EXPECT_EQ(list.TopIndex(), list.MaxTopIndex());
  EXPECT_EQ(list.MaxTopIndex(), 15);
  EXPECT_TRUE(list.HandleKey(VK_HOME));
  EXPECT_EQ(list.TopIndex(), 0);
  EXPECT_FALSE(list.HandleKey(VK_RETURN));
}

TEST_F(DropDownListTest, AClickedRowIsChosenAndAPressOutsideClosesWithoutAChoice) {
  QTest::mouseClick(list.Widget(), Qt::LeftButton, {}, list.ItemRect(2).center());
  EXPECT_EQ(chosen, 2);
  EXPECT_FALSE(list.IsOpen());
  list.DropDown(QRect(10, 10, 100, 20), QSize(100, list.HeightForRows(5)));
  QWidget elsewhere;
  elsewhere.show();
  QTest::mousePress(&elsewhere, Qt::LeftButton);
  EXPECT_FALSE(list.IsOpen());
  EXPECT_EQ(cancelled, 1);
  EXPECT_EQ(chosen, 2);
}

}  // namespace
