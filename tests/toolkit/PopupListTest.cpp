#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/FreeWatch.h"
#include "toolkit/PopupList.h"
#include "toolkit/SystemLook.h"

#include "support/WidgetDriver.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMouseEvent>

#include <climits>
#include <ostream>
#include <vector>

namespace {

// ---- placement ----

struct PlaceCase {
  const char* what;
  QRect anchor;
  QSize size;
  QRect screen;
  QRect placed;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.what; }

class Placement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, BelowOrAboveAndOnTheScreen) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(PlacePopup(c.anchor, c.size, c.screen), c.placed);
}

const QRect kScreen(0, 0, 1000, 800);

INSTANTIATE_TEST_SUITE_P(
    Cases, Placement,
    ::testing::Values(
        PlaceCase{"below", QRect(100, 100, 50, 21), QSize(80, 60), kScreen, QRect(100, 121, 80, 60)},
        PlaceCase{"exactlyFitsBelow", QRect(100, 719, 50, 21), QSize(80, 60), kScreen, QRect(100, 740, 80, 60)},
        PlaceCase{"aboveWhenNoRoomBelow", QRect(100, 720, 50, 21), QSize(80, 60), kScreen, QRect(100, 660, 80, 60)},
        PlaceCase{"rightEdgesAligned", QRect(950, 100, 50, 21), QSize(80, 60), kScreen, QRect(920, 121, 80, 60)},
        PlaceCase{"wideAnchorStaysLeft", QRect(900, 100, 100, 21), QSize(80, 60), kScreen, QRect(900, 121, 80, 60)},
        PlaceCase{"noRoomAboveEither", QRect(100, 30, 50, 21), QSize(80, 790), kScreen, QRect(100, 0, 80, 790)},
        PlaceCase{"largerThanTheScreen", QRect(100, 100, 50, 21), QSize(1200, 900), kScreen, QRect(0, 0, 1200, 900)},
        PlaceCase{"secondScreen", QRect(1750, 580, 40, 21), QSize(80, 60), QRect(1000, 0, 800, 600),
                  QRect(1710, 520, 80, 60)},
        PlaceCase{"leftOfTheScreen", QRect(-30, 100, 50, 21), QSize(80, 60), kScreen, QRect(0, 121, 80, 60)},
        PlaceCase{"nearTheIntegerLimit", QRect(INT_MAX - 60, INT_MAX - 30, 50, 21), QSize(80, 60),
                  QRect(0, 0, INT_MAX, INT_MAX), QRect(INT_MAX - 90, INT_MAX - 90, 80, 60)}),
    [](const auto& info) { return std::string(info.param.what); });

// ---- the popup window ----

void SendPress(QWidget* widget, const QPoint& pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::LeftButton,
                    Qt::LeftButton, modifiers);
  QApplication::sendEvent(widget, &press);
}

void SendRelease(QWidget* widget, const QPoint& pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::LeftButton,
                      Qt::NoButton, modifiers);
  QApplication::sendEvent(widget, &release);
}

class PopupWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(40, 50, 400, 300);
    opener = new TEdit(form.get());
    opener->SetParent(form.get());
    opener->SetBounds(20, 30, 150, 21);
    other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(20, 200, 150, 21);
    other->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++otherPresses; };
    opener->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++openerPresses; };
    form->ShowForm();
    form->Widget()->activateWindow();
    QApplication::processEvents();
    popup = new TPopupWindow(form.get());
    popup->SetScreenGeometry([](const QPoint&) { return QRect(0, 0, 1000, 800); });
    popup->OnCloseUp = [this](TObject*, TPopupCloseReason reason) { reasons.push_back(reason); };
  }
  QRect OpenerOnScreen() const { return QRect(opener->Widget()->mapToGlobal(QPoint(0, 0)), QSize(150, 21)); }

  std::unique_ptr<TForm> form;
  TEdit* opener = nullptr;
  TEdit* other = nullptr;
  TPopupWindow* popup = nullptr;
  std::vector<TPopupCloseReason> reasons;
  int otherPresses = 0;
  int openerPresses = 0;
};

TEST_F(PopupWindowTest, OpensBelowItsOpenerAsAWindowThatTakesNoFocus) {
  opener->SetFocus();
  QWidget* focused = QApplication::focusWidget();
  ASSERT_EQ(focused, opener->Widget());
  popup->Popup(opener, QSize(150, 80));
  const QRect anchor = OpenerOnScreen();
  EXPECT_TRUE(popup->IsOpen());
  EXPECT_TRUE(popup->Widget()->isVisible());
  EXPECT_EQ(popup->BoundsRect(), QRect(anchor.left(), anchor.bottom() + 1, 150, 80));
  EXPECT_EQ(popup->Widget()->geometry(), popup->BoundsRect());
  EXPECT_TRUE(popup->Widget()->windowFlags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_TRUE(popup->Widget()->testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_EQ(QApplication::focusWidget(), focused);
  EXPECT_TRUE(reasons.empty());
}

TEST_F(PopupWindowTest, OpensAboveWhenTheScreenEndsBelowTheOpener) {
  const QRect anchor = OpenerOnScreen();
  popup->SetScreenGeometry([anchor](const QPoint& p) {
    EXPECT_EQ(p, anchor.center());  // the screen of the control that opened it
    return QRect(0, 0, 1000, anchor.bottom() + 40);
  });
  popup->Popup(opener, QSize(100, 80));
  EXPECT_EQ(popup->BoundsRect(), QRect(anchor.left(), anchor.top() - 80, 100, 80));
}

TEST_F(PopupWindowTest, APressElsewhereClosesItAndGoesOn) {
  popup->Popup(opener, QSize(100, 80));
  SendPress(other->Widget(), QPoint(5, 5));
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(popup->Widget()->isVisible());
  EXPECT_EQ(reasons, std::vector<TPopupCloseReason>{TPopupCloseReason::pcOutsideClick});
  EXPECT_EQ(otherPresses, 1);
}

TEST_F(PopupWindowTest, APressOnTheOpenerOnlyClosesIt) {
  popup->Popup(opener, QSize(100, 80));
  SendPress(opener->Widget(), QPoint(5, 5));
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(reasons, std::vector<TPopupCloseReason>{TPopupCloseReason::pcOutsideClick});
  EXPECT_EQ(openerPresses, 0);
  // Closed, the popup no longer watches: presses reach the opener again.
  SendPress(opener->Widget(), QPoint(5, 5));
  EXPECT_EQ(openerPresses, 1);
}

TEST_F(PopupWindowTest, APressInsideKeepsItOpen) {
  auto* list = new TPopupListBox(form.get());
  list->SetParent(popup);
  list->SetBounds(1, 1, 98, 78);
  popup->Popup(opener, QSize(100, 80));
  SendPress(list->Widget(), QPoint(5, 5));
  SendPress(popup->Widget(), QPoint(0, 0));
  EXPECT_TRUE(popup->IsOpen());
  EXPECT_TRUE(reasons.empty());
}

TEST_F(PopupWindowTest, FocusGoingElsewhereClosesIt) {
  opener->SetFocus();
  popup->Popup(opener, QSize(100, 80));
  other->SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), other->Widget());
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(reasons, std::vector<TPopupCloseReason>{TPopupCloseReason::pcFocusLost});
}

TEST_F(PopupWindowTest, KeysOfTheOpenerCloseAndChoose) {
  auto* list = new TPopupListBox(form.get());
  list->SetParent(popup);
  list->SetBounds(1, 1, 98, 78);
  list->Items().SetCommaText("Drama,Comedy,Action");
  std::vector<int> chosen;
  list->OnChoose = [&](TObject*, int index) { chosen.push_back(index); };
  popup->Popup(opener, QSize(100, 80));
  EXPECT_TRUE(popup->HandleKey(VK_DOWN));
  EXPECT_TRUE(popup->HandleKey(VK_DOWN));
  EXPECT_FALSE(popup->HandleKey('A'));
  EXPECT_TRUE(popup->HandleKey(VK_RETURN));
  EXPECT_EQ(chosen, std::vector<int>{1});
  popup->Popup(opener, QSize(100, 80));
  EXPECT_TRUE(popup->HandleKey(VK_ESCAPE));
  EXPECT_EQ(reasons, (std::vector<TPopupCloseReason>{TPopupCloseReason::pcChosen, TPopupCloseReason::pcEscape}));
  EXPECT_FALSE(popup->HandleKey(VK_ESCAPE));  // closed: nothing more
}

TEST_F(PopupWindowTest, ClosingTwiceReportsOnce) {
  popup->Popup(opener, QSize(100, 80));
  popup->ClosePopup();
  popup->ClosePopup();
  EXPECT_EQ(reasons, std::vector<TPopupCloseReason>{TPopupCloseReason::pcClosed});
}

TEST_F(PopupWindowTest, AGoingOpenerTakesThePopupDownSilently) {
  popup->Popup(opener, QSize(100, 80));
  TComponent::Free(opener);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(popup->Opener(), nullptr);
  EXPECT_TRUE(reasons.empty());
}

TEST_F(PopupWindowTest, AHandlerMayFreeThePopup) {
  popup->Popup(opener, QSize(100, 80));
  popup->OnCloseUp = [this](TObject*, TPopupCloseReason) { TComponent::Free(popup); };
  TFreeWatch watch(popup);
  SendPress(other->Widget(), QPoint(5, 5));
  EXPECT_TRUE(watch.Gone());
  EXPECT_EQ(otherPresses, 1);
}

TEST_F(PopupWindowTest, NothingOpensAtDesignTime) {
  popup->SetDesigning(true);
  popup->Popup(opener, QSize(100, 80));
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(popup->Widget()->isVisible());
}

// ---- the list ----

class PopupListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    list = new TPopupListBox(form.get());
    list->SetParent(form.get());
    list->SetItemHeight(13);
    list->SetBounds(0, 0, 120, 8 * 13);
    for (int i = 0; i < 12; ++i) list->Items().Add(QStringLiteral("Item%1").arg(i));
  }
  QWidget* W() const { return list->Widget(); }
  std::unique_ptr<TForm> form;
  TPopupListBox* list = nullptr;
};

TEST_F(PopupListTest, TwelveRowsShowEightAndScroll) {
  EXPECT_EQ(list->MaxTopIndex(), 4);
  EXPECT_LT(list->RowsWidth(), list->ClientWidth());  // the scroll bar takes its width
  EXPECT_EQ(list->ItemAtPos(QPoint(5, 0)), 0);
  EXPECT_EQ(list->ItemAtPos(QPoint(5, 13 * 7 + 12)), 7);
  EXPECT_EQ(list->ItemAtPos(QPoint(list->RowsWidth(), 5)), -1);  // on the scroll bar
  EXPECT_TRUE(list->ScrollBy(10));
  EXPECT_EQ(list->TopIndex(), 4);
  EXPECT_FALSE(list->ScrollBy(1));
  EXPECT_EQ(list->ItemRect(4), QRect(0, 0, list->RowsWidth(), 13));
  EXPECT_TRUE(list->ItemRect(3).isEmpty());
  list->Items().Clear();
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_EQ(list->MaxTopIndex(), 0);
  EXPECT_EQ(list->RowsWidth(), list->ClientWidth());
}

TEST_F(PopupListTest, MeasuredRowsHaveTheirOwnHeights) {
  list->OnMeasureItem = [](TObject*, int index, int& height) { height = 10 + index; };
  list->SetVariableHeights(true);
  EXPECT_EQ(list->RowHeight(0), 10);
  EXPECT_EQ(list->RowHeight(5), 15);
  EXPECT_EQ(list->RowsHeight(0, 3), 10 + 11 + 12);
  EXPECT_EQ(list->ItemRect(2), QRect(0, 21, list->RowsWidth(), 12));
  EXPECT_EQ(list->ItemAtPos(QPoint(1, 20)), 1);
  EXPECT_EQ(list->ItemAtPos(QPoint(1, 21)), 2);
  // The last rows (20 + 21 + ... ) fill 104 pixels from row 7 on.
  EXPECT_EQ(list->MaxTopIndex(), 7);
  list->MakeVisible(11);
  EXPECT_EQ(list->TopIndex(), 7);
  EXPECT_EQ(list->RowsHeight(20, 3), 0);
}

TEST_F(PopupListTest, KeysMoveTheCurrentRowAndKeepItInView) {
  EXPECT_TRUE(list->HandleKey(VK_DOWN));
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_TRUE(list->HandleKey(VK_END));
  EXPECT_EQ(list->ItemIndex(), 11);
  EXPECT_EQ(list->TopIndex(), 4);
  EXPECT_TRUE(list->HandleKey(VK_PRIOR));
  EXPECT_EQ(list->ItemIndex(), 4);
  EXPECT_TRUE(list->HandleKey(VK_HOME));
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_TRUE(list->HandleKey(VK_UP));
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_FALSE(list->HandleKey(VK_SPACE));  // no tick boxes
  EXPECT_FALSE(list->HandleKey('X'));
}

TEST_F(PopupListTest, AReleaseOverThePressedRowChoosesIt) {
  std::vector<int> chosen;
  list->OnChoose = [&](TObject*, int index) { chosen.push_back(index); };
  ClickWidget(W(), QPoint(10, 13 * 2 + 3));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(chosen, std::vector<int>{2});
  list->ChooseCurrent();
  EXPECT_EQ(chosen, (std::vector<int>{2, 2}));
  // Below the last row nothing is chosen.
  while (list->Count() > 5) list->Items().Delete(list->Count() - 1);
  ClickWidget(W(), QPoint(10, 13 * 6));
  EXPECT_EQ(chosen.size(), 2u);
}

TEST_F(PopupListTest, WithHotTrackTheRowUnderThePointerBecomesCurrent) {
  auto move = [this](const QPoint& pos) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(W()->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(W(), &event);
  };
  move(QPoint(10, 13 * 3 + 2));
  EXPECT_EQ(list->ItemIndex(), -1);  // off: only a held button drags the current row
  list->SetHotTrack(true);
  move(QPoint(10, 13 * 3 + 2));
  EXPECT_EQ(list->ItemIndex(), 3);
  move(QPoint(10, 13 * 8 + 2));  // below the list: the row stays
  EXPECT_EQ(list->ItemIndex(), 3);
  list->SetMultiSelect(true);
  move(QPoint(10, 13 * 5 + 2));
  EXPECT_EQ(list->ItemIndex(), 3);  // several rows: the pointer highlights nothing
}

TEST_F(PopupListTest, TickBoxesToggleWithoutChoosing) {
  list->SetCheckBoxes(true);
  std::vector<int> ticked, chosen;
  list->OnClickCheck = [&](TObject*, int index) { ticked.push_back(index); };
  list->OnChoose = [&](TObject*, int index) { chosen.push_back(index); };
  ClickWidget(W(), QPoint(3, 13 + 5));
  EXPECT_TRUE(list->Checked(1));
  EXPECT_EQ(ticked, std::vector<int>{1});
  EXPECT_TRUE(chosen.empty());
  {
    // The classic tick: dark in the box of the ticked row, none in the others.
    const bool themes = ThemesEnabled();
    SetThemesEnabled(false);
    QImage picture(W()->size(), QImage::Format_ARGB32);
    W()->render(&picture);
    SetThemesEnabled(themes);
    const QRgb text = ColorToQColor(clWindowText).rgb();
    EXPECT_EQ(picture.pixel(6, 13 + 8), text);
    EXPECT_NE(picture.pixel(6, 8), text);
  }
  EXPECT_TRUE(list->HandleKey(VK_SPACE));  // the current row is 1
  EXPECT_FALSE(list->Checked(1));
  EXPECT_EQ(ticked, (std::vector<int>{1, 1}));
}

TEST_F(PopupListTest, MultiSelectHighlightsByClickControlAndShift) {
  list->SetMultiSelect(true);
  auto click = [this](int row, Qt::KeyboardModifiers modifiers) {
    SendPress(W(), QPoint(10, 13 * row + 3), modifiers);
    SendRelease(W(), QPoint(10, 13 * row + 3), modifiers);
  };
  click(1, Qt::NoModifier);
  click(3, Qt::ControlModifier);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_TRUE(list->Selected(1) && list->Selected(3));
  click(6, Qt::ShiftModifier);
  EXPECT_EQ(list->SelCount(), 4);  // 3 to 6
  EXPECT_FALSE(list->Selected(1));
  click(4, Qt::ControlModifier);
  EXPECT_FALSE(list->Selected(4));
  click(0, Qt::NoModifier);
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(PopupListTest, DeletingAndExchangingKeepTicksAndHighlightsWithTheirRows) {
  list->SetMultiSelect(true);
  list->SetCheckBoxes(true);
  list->SetChecked(2, true);
  list->SetSelected(5, true);
  list->DeleteItem(0);
  EXPECT_TRUE(list->Checked(1));
  EXPECT_TRUE(list->Selected(4));
  list->ExchangeItems(1, 4);
  EXPECT_EQ(list->Items()[4], "Item2");
  EXPECT_TRUE(list->Checked(4));
  EXPECT_TRUE(list->Selected(1));
  list->Items().Add("Added");
  EXPECT_TRUE(list->Checked(4));
  EXPECT_FALSE(list->Checked(list->Count() - 1));
  list->Items().Delete(0);  // not through the list: the rows no longer match
  EXPECT_EQ(list->SelCount(), 0);
  for (int i = 0; i < list->Count(); ++i) EXPECT_FALSE(list->Checked(i)) << i;
}

TEST_F(PopupListTest, OwnerDrawingSeesTheShownRowsWithTheirState) {
  list->SetMultiSelect(true);
  list->SetSelected(1, true);
  list->SetItemIndex(2);
  list->SetTopIndex(1);
  std::vector<std::pair<int, QRect>> drawn;
  std::vector<TOwnerDrawState> states;
  list->OnDrawItem = [&](TObject*, TCanvas&, int index, const QRect& rect, TOwnerDrawState state) {
    drawn.emplace_back(index, rect);
    states.push_back(state);
  };
  QImage picture(W()->size(), QImage::Format_ARGB32);
  W()->render(&picture);
  ASSERT_EQ(drawn.size(), 8u);
  EXPECT_EQ(drawn.front(), std::make_pair(1, QRect(0, 0, list->RowsWidth(), 13)));
  EXPECT_EQ(drawn.back().first, 8);
  EXPECT_TRUE(states[0].Contains(TOwnerDrawStateFlag::odSelected));
  EXPECT_TRUE(states[1].Contains(TOwnerDrawStateFlag::odFocused));
  EXPECT_FALSE(states[1].Contains(TOwnerDrawStateFlag::odSelected));
}

TEST_F(PopupListTest, TheWheelScrollsThreeRowsPerNotch) {
  auto wheel = [this](int delta) {
    TMessage m;
    m.Kind = TMessageKind::MouseWheel;
    m.WheelDelta = delta;
    list->Dispatch(m);
  };
  wheel(-60);
  EXPECT_EQ(list->TopIndex(), 0);
  wheel(-60);
  EXPECT_EQ(list->TopIndex(), 3);
  wheel(-120);
  EXPECT_EQ(list->TopIndex(), 4);
  wheel(240);
  EXPECT_EQ(list->TopIndex(), 0);
}

}  // namespace
