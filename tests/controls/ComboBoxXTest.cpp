// The extended combo box: text and ticks, auto-completion, the popup's size
// and place, the button bar's actions, auto-scroll and the drop-down button.
#include "controls/ComboBoxX.h"

#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/FreeWatch.h"
#include "toolkit/SystemLook.h"

#include "ControlsTestSupport.h"
#include "support/ManualTimer.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>

namespace {

class ComboBoxX : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(100, 100, 400, 300);
    combo = new TComboBoxX(&form);
    combo->SetParent(&form);
    combo->SetBounds(104, 197, 257, 21);
    combo->SetDropDownCount(16);
    combo->SetMultiSelect(true);
    combo->SetButtons({});
    combo->Items().SetCommaText("Drama,Comedy,Action");
    combo->OnChange = [this](TObject*) { ++changes; };
    combo->Popup()->SetScreenGeometry([this](const QPoint&) { return screen; });
    auto timer = std::make_unique<ManualTimer>();
    scrollTimer = timer.get();
    combo->SetAutoScrollTimer(std::move(timer));
  }
  TPopupListBox* List() const { return combo->List(); }
  QPoint RowPoint(int row, int x = 40) const { return QPoint(x, List()->ItemRect(row).center().y()); }
  void TickRow(int row) { Click(List()->Widget(), RowPoint(row, 4)); }
  QRect ComboOnScreen() const { return QRect(combo->Widget()->mapToGlobal(QPoint(0, 0)), QSize(257, 21)); }
  // The list's row height: the control's minimum height less 8 (13 with a
  // font 13 pixels high).
  int Row() const { return combo->MinHeight() - 8; }

  LookPin classic;
  TForm form{nullptr};
  TComboBoxX* combo = nullptr;
  ManualTimer* scrollTimer = nullptr;
  QRect screen{0, 0, 1600, 1200};
  int changes = 0;
};

// -- text and ticks --

TEST_F(ComboBoxX, OpeningTicksTheItemsOfTheText) {
  combo->SetText("Comedy, Drama");
  combo->DropDown();
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(List()->Checked(0));
  EXPECT_TRUE(List()->Checked(1));
  EXPECT_FALSE(List()->Checked(2));
  changes = 0;
  TickRow(1);  // untick Comedy
  EXPECT_EQ(combo->GetText(), "Drama");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(combo->DroppedDown());  // ticking keeps a multi-select list open
}

TEST_F(ComboBoxX, TheTextFollowsListOrderNotClickOrder) {
  combo->DropDown();
  TickRow(2);
  EXPECT_EQ(combo->GetText(), "Action");
  TickRow(0);
  EXPECT_EQ(combo->GetText(), "Drama, Action");
  combo->CloseUp();
  EXPECT_EQ(combo->GetText(), "Drama, Action");
}

struct TickCase {
  const char* what;
  const char* text;
  bool drama, comedy, action;
};

void PrintTo(const TickCase& c, std::ostream* os) { *os << c.what; }

class TextToTicks : public ComboBoxX, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TextToTicks, TicksFollowTheText) {
  const TickCase& c = GetParam();
  combo->SetText(c.text);
  combo->TextToList();
  EXPECT_EQ(List()->Checked(0), c.drama);
  EXPECT_EQ(List()->Checked(1), c.comedy);
  EXPECT_EQ(List()->Checked(2), c.action);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToTicks,
    ::testing::Values(TickCase{"twoItems", "Comedy, Drama", true, true, false},
                      TickCase{"noBlankAfterTheDelimiter", "Drama,Comedy", true, true, false},
                      TickCase{"blanksAround", "  action ,drama  ", true, false, true},
                      TickCase{"emptyTicksNothing", "", false, false, false},
                      TickCase{"blanksTickNothing", "   ", false, false, false},
                      TickCase{"anItemBeingTyped", "Dra", true, false, false},
                      TickCase{"unknownToken", "Western", false, false, false},
                      TickCase{"eachTokenOnce", "Drama, drama", true, false, false}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ComboBoxX, WithoutMultiSelectTheCurrentItemFollowsTheText) {
  combo->SetMultiSelect(false);
  EXPECT_TRUE(combo->ItemDrag());
  combo->SetText(" comedy ");
  combo->TextToList();
  EXPECT_EQ(List()->ItemIndex(), 1);
  combo->SetText("Act");
  combo->TextToList();
  EXPECT_EQ(List()->ItemIndex(), 2);
  combo->SetText("");
  combo->TextToList();
  EXPECT_EQ(List()->ItemIndex(), -1);
}

TEST_F(ComboBoxX, AClickOnAnItemOfASingleSelectListChoosesIt) {
  combo->SetMultiSelect(false);
  std::vector<QString> dropUps;
  combo->OnDropUp = [&](TObject*) { dropUps.push_back(combo->GetText()); };
  combo->DropDown();
  EXPECT_TRUE(combo->CloseOnSelect());
  Click(List()->Widget(), RowPoint(2));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->GetText(), "Action");
  EXPECT_EQ(dropUps, std::vector<QString>{"Action"});
}

// -- auto-completion --

TEST_F(ComboBoxX, TypingCompletesTheLastItem) {
  combo->SetText("Drama, ");
  combo->LineEdit()->end(false);
  TypeText(combo->LineEdit(), "co");
  EXPECT_EQ(combo->GetText(), "Drama, Comedy");
  EXPECT_EQ(combo->LineEdit()->selectedText(), "medy");
  EXPECT_EQ(combo->LineEdit()->cursorPosition(), 9);
  // Typing on replaces the completion.
  TypeText(combo->LineEdit(), "m");
  EXPECT_EQ(combo->GetText(), "Drama, Comedy");
  EXPECT_EQ(combo->LineEdit()->selectedText(), "edy");
}

TEST_F(ComboBoxX, AnExactItemOrBackspaceCompletesNothing) {
  TypeText(combo->LineEdit(), "Drama");
  EXPECT_EQ(combo->GetText(), "Drama");
  EXPECT_FALSE(combo->LineEdit()->hasSelectedText());
  combo->SetText("");
  TypeText(combo->LineEdit(), "a");
  EXPECT_EQ(combo->GetText(), "Action");
  PressKey(combo->LineEdit(), Qt::Key_Backspace, Qt::NoModifier, "\b");
  EXPECT_EQ(combo->GetText(), "A");
  PressKey(combo->LineEdit(), Qt::Key_Home);  // keys that type nothing complete nothing
  PressKey(combo->LineEdit(), Qt::Key_End);
  EXPECT_EQ(combo->GetText(), "A");
  EXPECT_FALSE(combo->LineEdit()->hasSelectedText());
  combo->SetAutoComplete(false);
  TypeText(combo->LineEdit(), "c");
  EXPECT_EQ(combo->GetText(), "Ac");
  // An OnKeyUp of the form's data replaces the completion.
  combo->SetAutoComplete(true);
  combo->OnKeyUp = nullptr;
  combo->SetText("");
  TypeText(combo->LineEdit(), "d");
  EXPECT_EQ(combo->GetText(), "d");
}

// -- the popup --

TEST_F(ComboBoxX, ThreeItemsShowThreeRowsBelowTheControl) {
  combo->DropDown();
  const QRect anchor = ComboOnScreen();
  EXPECT_EQ(List()->ItemHeight(), Row());
  EXPECT_EQ(List()->BoundsRect(), QRect(1, 1, 255, 3 * Row()));
  EXPECT_FALSE(combo->ButtonBar()->Visible());
  EXPECT_EQ(combo->Popup()->BoundsRect(), QRect(anchor.left(), anchor.bottom() + 1, 257, 3 * Row() + 2));
}

TEST_F(ComboBoxX, NoItemsNoRow) {
  combo->Items().Clear();
  combo->DropDown();
  EXPECT_EQ(List()->Height(), 0);
  EXPECT_EQ(combo->Popup()->Height(), 2);
}

TEST_F(ComboBoxX, NearTheBottomOfTheScreenTheListOpensAbove) {
  const QRect anchor = ComboOnScreen();
  screen = QRect(0, 0, 1600, anchor.bottom() + 20);
  combo->DropDown();
  EXPECT_EQ(combo->Popup()->BoundsRect(), QRect(anchor.left(), anchor.top() - (3 * Row() + 2), 257, 3 * Row() + 2));
}

TEST_F(ComboBoxX, ManyItemsScrollInDropDownCountRows) {
  for (int i = 0; i < 20; ++i) combo->Items().Add(QStringLiteral("Genre%1").arg(i));
  combo->DropDown();
  EXPECT_EQ(List()->Height(), 16 * Row());
  EXPECT_EQ(List()->MaxTopIndex(), 23 - 16);
}

TEST_F(ComboBoxX, TheBarMakesThePopupWideEnoughForItsButtons) {
  combo->SetWidth(60);
  combo->SetButtons({TCBXButton::cbxbEdit, TCBXButton::cbxbNew, TCBXButton::cbxbDelete, TCBXButton::cbxbUp,
                     TCBXButton::cbxbDown, TCBXButton::cbxbPin});
  combo->DropDown();
  // 6 x 15 + 1 (Edit) + 1 (Pin) + 3.
  EXPECT_EQ(combo->Popup()->Width(), 95);
  EXPECT_TRUE(combo->ButtonBar()->Visible());
  EXPECT_EQ(combo->ButtonBar()->BoundsRect(), QRect(1, 3 * Row() + 2, 92, 13));
  EXPECT_EQ(combo->Popup()->Height(), 3 * Row() + 2 + 13 + 1);
  // Unpinned only the pin shows, at the right end.
  TCBXBarButton* pin = combo->BarButton(TCBXButton::cbxbPin);
  EXPECT_TRUE(pin->Visible());
  EXPECT_EQ(pin->BoundsRect(), QRect(77, 0, 15, 13));
  EXPECT_FALSE(combo->BarButton(TCBXButton::cbxbNew)->Visible());
  Click(pin->Widget(), QPoint(5, 5));
  EXPECT_TRUE(combo->PinDown());
  EXPECT_FALSE(combo->CloseOnSelect());
  // Right-aligned 15 apart, one more after the pin; Edit at the left.
  const std::vector<std::pair<TCBXButton, int>> places{{TCBXButton::cbxbPin, 77},  {TCBXButton::cbxbDown, 61},
                                                       {TCBXButton::cbxbUp, 46},   {TCBXButton::cbxbDelete, 31},
                                                       {TCBXButton::cbxbNew, 16},  {TCBXButton::cbxbEdit, 1}};
  for (const auto& [kind, x] : places) {
    EXPECT_TRUE(combo->BarButton(kind)->Visible()) << static_cast<int>(kind);
    EXPECT_EQ(combo->BarButton(kind)->Left(), x) << static_cast<int>(kind);
  }
  combo->SetButtonHint("Bearbeiten,Neu");
  EXPECT_EQ(combo->BarButton(TCBXButton::cbxbNew)->Hint(), "Neu");
  EXPECT_EQ(combo->BarButton(TCBXButton::cbxbPin)->Hint(), "");

  // The picture of the open list with its bar, for looking at.
  combo->SetWidth(257);
  combo->SetText("Comedy, Action");
  combo->CloseUp();
  combo->DropDown();
  List()->SetSelected(2, true);
  List()->SetItemIndex(2);
  combo->UpdateButtons();
  // Classic on the left, themed on the right, three times as large.
  const QImage control = combo->Widget()->grab().toImage();
  const QImage popup = combo->Popup()->Widget()->grab().toImage();
  QImage themedControl, themedPopup;
  {
    LookPin themed(true);
    themedControl = combo->Widget()->grab().toImage();
    themedPopup = combo->Popup()->Widget()->grab().toImage();
  }
  QImage sheet(6 * 257 + 30, 3 * (21 + popup.height()) + 20, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.drawImage(QRect(10, 10, 3 * control.width(), 3 * control.height()), control);
  painter.drawImage(QRect(10, 10 + 3 * 21, 3 * popup.width(), 3 * popup.height()), popup);
  painter.drawImage(QRect(20 + 3 * 257, 10, 3 * themedControl.width(), 3 * themedControl.height()), themedControl);
  painter.drawImage(QRect(20 + 3 * 257, 10 + 3 * 21, 3 * themedPopup.width(), 3 * themedPopup.height()),
                    themedPopup);
  painter.end();
  sheet.save(QStringLiteral(VORNIK_BINARY_DIR "/combobox-popup.png"));
}

TEST_F(ComboBoxX, WithoutButtonsThePopupIsTheListAndItsBorder) {
  combo->DropDown();
  const QImage popup = combo->Popup()->Widget()->grab().toImage();
  const int bottom = 3 * Row() + 1;
  ASSERT_EQ(popup.size(), QSize(257, bottom + 1));
  EXPECT_EQ(PixelAt(popup, 0, 0), Sys(clWindowFrame));
  EXPECT_EQ(PixelAt(popup, 256, bottom), Sys(clWindowFrame));
  EXPECT_EQ(PixelAt(popup, 128, bottom), Sys(clWindowFrame));
}

TEST_F(ComboBoxX, TheSimpleStyleIsRefused) {
  combo->SetStyle(TComboBoxStyle::csSimple);
  EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDown);
  combo->SetItemHeight(20);  // not an owner-draw style
  EXPECT_EQ(combo->ItemHeight(), 13);
  combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  combo->SetItemHeight(20);
  EXPECT_EQ(combo->ItemHeight(), 20);
  EXPECT_EQ(combo->MinHeight(), 24);
  EXPECT_EQ(combo->Height(), 24);
}

// -- the bar's actions --

class ComboBoxXBar : public ComboBoxX {
 protected:
  void SetUp() override {
    ComboBoxX::SetUp();
    combo->SetButtons({TCBXButton::cbxbEdit, TCBXButton::cbxbNew, TCBXButton::cbxbDelete, TCBXButton::cbxbUp,
                       TCBXButton::cbxbDown, TCBXButton::cbxbPin});
    combo->DropDown();
  }
  bool Enabled(TCBXButton kind) const { return combo->BarButton(kind)->Enabled(); }
};

TEST_F(ComboBoxXBar, ButtonsFollowTheChosenItems) {
  combo->UpdateButtons();
  EXPECT_TRUE(Enabled(TCBXButton::cbxbNew));
  EXPECT_FALSE(Enabled(TCBXButton::cbxbEdit));
  EXPECT_FALSE(Enabled(TCBXButton::cbxbDelete));
  Click(List()->Widget(), RowPoint(0));
  EXPECT_TRUE(Enabled(TCBXButton::cbxbEdit));
  EXPECT_TRUE(Enabled(TCBXButton::cbxbDelete));
  EXPECT_FALSE(Enabled(TCBXButton::cbxbUp));  // the first row
  EXPECT_TRUE(Enabled(TCBXButton::cbxbDown));
  Click(List()->Widget(), RowPoint(2), Qt::ControlModifier);
  EXPECT_FALSE(Enabled(TCBXButton::cbxbEdit));
  EXPECT_TRUE(Enabled(TCBXButton::cbxbDelete));
  EXPECT_FALSE(Enabled(TCBXButton::cbxbDown));
}

TEST_F(ComboBoxXBar, NewItemsAreNumberedAndEditedAtOnce) {
  combo->Items().Add("newitem");
  combo->NewItem();
  EXPECT_EQ(combo->Items().Count(), 5);
  EXPECT_EQ(combo->Items()[4], "NewItem2");
  EXPECT_EQ(List()->ItemIndex(), 4);
  ASSERT_NE(combo->ActiveEditor(), nullptr);
  EXPECT_TRUE(combo->ActiveEditor()->Visible());
  EXPECT_EQ(combo->ActiveEditor()->GetText(), "NewItem2");
  EXPECT_EQ(combo->ActiveEditor()->Top(), List()->ItemRect(4).top());
  // Keys typed in the combo box go to the editor.
  TypeText(combo->LineEdit(), "Western");
  EXPECT_EQ(combo->ActiveEditor()->GetText(), "Western");
  PressKey(combo->LineEdit(), Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_EQ(combo->ActiveEditor(), nullptr);
  EXPECT_EQ(combo->Items()[4], "Western");
  EXPECT_TRUE(combo->DroppedDown());
}

TEST_F(ComboBoxXBar, ItemEventsCanRefuse) {
  combo->OnNewItem = [](TObject*, QString& text, TObject*&, bool& enabled) { enabled = text == "NewItem2"; };
  combo->NewItem();
  EXPECT_EQ(combo->Items().Count(), 3);
  combo->OnNewItem = [](TObject*, QString& text, TObject*&, bool&) { text = "Thriller"; };
  combo->NewItem();
  EXPECT_EQ(combo->Items()[3], "Thriller");
  PressKey(combo->LineEdit(), Qt::Key_Escape, Qt::NoModifier, "\x1b");  // cancels the edit
  EXPECT_EQ(combo->ActiveEditor(), nullptr);
  EXPECT_EQ(combo->Items()[3], "Thriller");
  combo->OnDeleteItem = [](TObject*, bool& enabled) { enabled = false; };
  combo->DeleteItems();
  EXPECT_EQ(combo->Items().Count(), 4);
  combo->OnMoveUpItem = [](TObject*, bool& enabled) { enabled = false; };
  combo->MoveItem(true);
  EXPECT_EQ(combo->Items()[3], "Thriller");
  combo->OnModifiedItem = [](TObject*, QString&, TObject*&, bool& enabled) { enabled = false; };
  combo->EditItem();
  TypeText(combo->LineEdit(), "X");
  PressKey(combo->LineEdit(), Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_EQ(combo->Items()[3], "Thriller");
}

TEST_F(ComboBoxXBar, DeleteAndMoveWorkOnTheChosenItems) {
  combo->SetText("Drama, Action");
  combo->TextToList();
  Click(List()->Widget(), RowPoint(0));
  Click(List()->Widget(), RowPoint(1), Qt::ControlModifier);
  combo->DeleteItems();
  ASSERT_EQ(combo->Items().Count(), 1);
  EXPECT_EQ(combo->Items()[0], "Action");
  EXPECT_TRUE(List()->Checked(0));
  EXPECT_EQ(combo->GetText(), "Action");
  combo->Items().Add("Drama");
  Click(List()->Widget(), RowPoint(1));
  combo->MoveItem(true);
  EXPECT_EQ(combo->Items()[0], "Drama");
  EXPECT_EQ(List()->ItemIndex(), 0);
  EXPECT_TRUE(List()->Checked(1));  // the tick moved with Action
}

// -- auto-scroll --

TEST_F(ComboBoxX, TheListScrollsWhileThePointerRestsAtAnEdge) {
  for (int i = 0; i < 40; ++i) combo->Items().Add(QStringLiteral("Genre%1").arg(i));
  combo->DropDown();
  QWidget* list = List()->Widget();
  MouseEvent(list, QEvent::MouseMove, QPoint(40, List()->Height() - 2), Qt::NoButton);
  EXPECT_TRUE(scrollTimer->Active());
  EXPECT_EQ(scrollTimer->Interval(), 500);
  std::vector<int> intervals;
  for (int i = 0; i < 10; ++i) {
    scrollTimer->Fire();
    intervals.push_back(scrollTimer->Interval());
  }
  // 50 ms faster each tick down to 100 ms, one row each.
  EXPECT_EQ(intervals, (std::vector<int>{450, 400, 350, 300, 250, 200, 150, 100, 100, 100}));
  EXPECT_EQ(List()->TopIndex(), 10);
  // At the end the timer stops and starts slow again.
  for (int i = 0; i < 30 && scrollTimer->Active(); ++i) scrollTimer->Fire();
  EXPECT_EQ(List()->TopIndex(), List()->MaxTopIndex());
  EXPECT_FALSE(scrollTimer->Active());
  EXPECT_EQ(scrollTimer->Interval(), 500);
  // At the top it runs upwards; in the middle it stops.
  MouseEvent(list, QEvent::MouseMove, QPoint(40, 2), Qt::NoButton);
  scrollTimer->Fire();
  EXPECT_EQ(List()->TopIndex(), List()->MaxTopIndex() - 1);
  MouseEvent(list, QEvent::MouseMove, QPoint(40, 60), Qt::NoButton);
  EXPECT_FALSE(scrollTimer->Active());
  combo->SetAutoScroll(false);
  MouseEvent(list, QEvent::MouseMove, QPoint(40, 2), Qt::NoButton);
  EXPECT_FALSE(scrollTimer->Active());
}

// -- the drop-down button --

TEST_F(ComboBoxX, TheDropDownButtonHoldsWhilePressed) {
  const QRect button = combo->ButtonRect();
  EXPECT_EQ(button, QRect(257 - VerticalScrollBarWidth() - 1, 1, VerticalScrollBarWidth(), 19));
  EXPECT_EQ(combo->EditRect(), QRect(3, 3, 257 - 5 - VerticalScrollBarWidth(), 16));
  QWidget* widget = combo->Widget();
  MouseEvent(widget, QEvent::MouseButtonPress, button.center(), Qt::LeftButton);
  EXPECT_TRUE(combo->DroppedDown());
  // Keys are ignored while the button is held.
  TypeText(combo->LineEdit(), "x");
  EXPECT_EQ(combo->GetText(), "");
  MouseEvent(widget, QEvent::MouseButtonRelease, button.center(), Qt::NoButton);
  EXPECT_TRUE(combo->DroppedDown());
  // A press on the button of an open list closes it and opens nothing.
  MouseEvent(widget, QEvent::MouseButtonPress, button.center(), Qt::LeftButton);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxX, OnDropDownMayRefuseOrFreeTheControl) {
  combo->OnDropDown = [](TObject*, bool& enabled) { enabled = false; };
  combo->DropDown();
  EXPECT_FALSE(combo->DroppedDown());
  combo->OnDropDown = [this](TObject*, bool&) { TComponent::Free(combo); };
  TFreeWatch watch(combo);
  TMessage press;
  press.Kind = TMessageKind::MouseDown;
  press.Pos = combo->ButtonRect().center();
  combo->Dispatch(press);
  EXPECT_TRUE(watch.Gone());
}

TEST_F(ComboBoxX, KeysOpenAndCloseTheList) {
  PressKey(combo->LineEdit(), Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(combo->DroppedDown());
  PressKey(combo->LineEdit(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
  EXPECT_FALSE(combo->DroppedDown());
  combo->SetMultiSelect(false);
  PressKey(combo->LineEdit(), Qt::Key_F4);
  PressKey(combo->LineEdit(), Qt::Key_Down);
  PressKey(combo->LineEdit(), Qt::Key_Down);
  PressKey(combo->LineEdit(), Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->GetText(), "Comedy");
}

TEST_F(ComboBoxX, DisablingClosesTheList) {
  combo->DropDown();
  combo->SetEnabled(false);
  EXPECT_FALSE(combo->DroppedDown());
  combo->DropDown();
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxX, TheHeightRuleKeepsStoredHeights) {
  const int f = FontTextHeight(combo->Font());
  EXPECT_EQ(combo->MinHeight(), 4 + f + std::min(f, SystemFontTextHeight()) / 4 + 1);
  combo->SetHeight(10);
  EXPECT_EQ(combo->Height(), combo->MinHeight());
  form.BeginLoading();
  combo->SetHeight(10);
  form.EndLoading();
  EXPECT_EQ(combo->Height(), 10);
  combo->SetDesigning(true);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(combo->Height(), 10);
  combo->DropDown();
  EXPECT_FALSE(combo->DroppedDown());  // nothing drops down at design time
}

}  // namespace
