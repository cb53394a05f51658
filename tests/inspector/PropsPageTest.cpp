// The property page on its own: rows from the item tree, the splitter, the
// scroll bar, the in-place editor's keys and commits, the drop-down list and
// the drawing of cells.
#include "inspector/ELPropsPageEdit.h"
#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"

#include "support/RecordingDialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A row with a list of values whose writes fail for the text "bad".
class TestItem : public TELPropsPageItem {
 public:
  using TELPropsPageItem::TELPropsPageItem;
  void SetDisplayValue(const QString& value) override {
    if (value == "bad") throw Exception(QStringLiteral("Bad value"));
    if (value != DisplayValue()) ++writes;
    TELPropsPageItem::SetDisplayValue(value);
  }
  void GetValues(QStringList& list) override { list << values; }
  void ListMeasureHeight(const QString& value, TCanvas&, int& height) override { height += value.size(); }
  void ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool) override {
    drawn << value;
    canvas.TextRect(rect, rect.left(), rect.top(), value);
  }
  void DblClick() override { ++doubleClicks; }
  QStringList values;
  QStringList drawn;
  int writes = 0;
  int doubleClicks = 0;
};

class TestPage : public TELCustomPropsPage {
 public:
  using TELCustomPropsPage::TELCustomPropsPage;
  using TELCustomPropsPage::WndProc;

 protected:
  std::unique_ptr<TELPropsPageItem> CreateItem(TELPropsPageItem* parent) override {
    return std::make_unique<TestItem>(this, parent);
  }
};

class PropsPage : public ::testing::Test {
 protected:
  PropsPage() {
    form->SetClientSize(400, 400);
    page->SetParent(form);
    page->SetBounds(10, 10, 200, 185);
    form->Show();
  }
  ~PropsPage() override { TComponent::Free(form); }

  // Adds a top-level row (or a child of `parent`) with a caption and value.
  TestItem* AddRow(const QString& caption, const QString& value = {}, TELPropsPageItem* parent = nullptr) {
    TELObjectList& list = parent ? static_cast<TELObjectList&>(*parent) : page->Items();
    auto* item = static_cast<TestItem*>(list.Items(list.Add()));
    item->SetCaption(caption);
    item->TELPropsPageItem::SetDisplayValue(value);
    return item;
  }
  QLineEdit* Edit() const { return page->InplaceEditor()->LineEdit(); }
  void TypeKeys(const QString& text) {
    Edit()->selectAll();
    QTest::keyClick(Edit(), Qt::Key_Delete);
    QTest::keyClicks(Edit(), text);
  }
  QStringList Errors() {
    QStringList messages;
    for (const auto& [cls, message] : dialogs->errors) messages << message;
    return messages;
  }

  ScopedDialogs dialogs;
  TForm* form = new TForm(nullptr);
  TestPage* page = new TestPage(form);
};

TEST_F(PropsPage, AnEmptyPageHasNoRowsAndAnEmptyReadOnlyEditor) {
  EXPECT_EQ(page->RowCount(), 0);
  EXPECT_EQ(page->Row(), -1);
  EXPECT_EQ(page->InplaceEditor()->Text(), "");
  EXPECT_TRUE(page->InplaceEditor()->ReadOnlyLook());
  EXPECT_EQ(page->ActiveItem(), nullptr);
}

TEST_F(PropsPage, TheSplitterKeepsBothColumnsAtLeast40Wide) {
  const struct {
    int width;
    int splitter;
    int caption;
  } cases[] = {{200, 10, 40}, {200, 190, 160}, {200, 100, 100}, {60, 10, 40}, {60, 50, 40}};
  for (const auto& c : cases) {
    page->SetWidth(c.width);
    page->SetSplitter(c.splitter);
    EXPECT_EQ(page->Splitter(), c.caption) << c.width << " " << c.splitter;
    EXPECT_EQ(page->ColWidth(1), std::max(0, c.width - 4 - c.caption));
  }
}

TEST_F(PropsPage, TheValueColumnEndsWhereTheScrollBarBegins) {
  for (int i = 0; i < 30; ++i) AddRow(QString("Row%1").arg(i), "v");
  ASSERT_TRUE(page->ScrollBarShown());
  const QScrollBar* bar = page->Widget()->findChild<QScrollBar*>();
  EXPECT_EQ(page->GridOrigin().x() + page->ColWidth(0) + page->ColWidth(1), bar->geometry().left());
  EXPECT_LE(page->InplaceEditor()->BoundsRect().right(), bar->geometry().left() - 1);
  page->Items().SetCount(2);
  EXPECT_FALSE(page->ScrollBarShown());
  EXPECT_EQ(page->ColWidth(0) + page->ColWidth(1), page->Width() - 4);
}

TEST_F(PropsPage, ScrollingFollowsItsActionsAndStopsWhereTheRowsEnd) {
  for (int i = 0; i < 30; ++i) AddRow(QString("Row%1").arg(i));
  const int visible = page->VisibleRowCount();
  ASSERT_GT(visible, 3);
  const struct {
    TELScrollCode code;
    int position;
    int top;
  } steps[] = {{TELScrollCode::scLineDown, 0, 1},
               {TELScrollCode::scPageDown, 0, 1 + visible},
               {TELScrollCode::scLineUp, 0, visible},
               {TELScrollCode::scBottom, 0, 30 - visible},
               {TELScrollCode::scLineDown, 0, 30 - visible},
               {TELScrollCode::scTrack, 5, 5},
               {TELScrollCode::scTop, 0, 0},
               {TELScrollCode::scLineUp, 0, 0},
               {TELScrollCode::scPosition, 1000, 30 - visible}};
  for (const auto& s : steps) {
    page->Scroll(s.code, s.position);
    EXPECT_EQ(page->TopRow(), s.top) << static_cast<int>(s.code);
  }
}

TEST_F(PropsPage, WhenAllRowsFitTheTopRowStaysZero) {
  for (int i = 0; i < 3; ++i) AddRow(QString("Row%1").arg(i));
  for (TELScrollCode code : {TELScrollCode::scBottom, TELScrollCode::scLineDown, TELScrollCode::scPageDown}) {
    page->Scroll(code);
    EXPECT_EQ(page->TopRow(), 0);
  }
  page->Scroll(TELScrollCode::scTrack, 2);
  EXPECT_EQ(page->TopRow(), 0);
}

TEST_F(PropsPage, ARowCountThatShrinksLeavesNoEmptyBandBelow) {
  for (int i = 0; i < 30; ++i) AddRow(QString("Row%1").arg(i));
  page->Scroll(TELScrollCode::scBottom);
  page->Items().SetCount(page->VisibleRowCount() + 2);
  EXPECT_EQ(page->TopRow(), 2);
}

TEST_F(PropsPage, CollapsingTheParentOfTheCurrentRowMakesTheParentCurrent) {
  TestItem* parent = AddRow("Parent");
  AddRow("Child", {}, parent);
  TestItem* grandchild = AddRow("Grandchild", {}, AddRow("Child2", {}, parent));
  parent->Expand();
  static_cast<TestItem*>(parent->Item(1))->Expand();
  page->SetRow(grandchild->Row());
  EXPECT_EQ(page->ActiveItem(), grandchild);
  parent->Collapse();
  EXPECT_EQ(page->ActiveItem(), parent);
  EXPECT_EQ(page->RowCount(), 1);
}

TEST_F(PropsPage, AnExpandableRowWithoutChildrenKeepsItsExpandedState) {
  TestItem* always = AddRow("Always");
  always->SetExpandable(TELPropsPageItemExpandable::exAlways);
  EXPECT_TRUE(always->HasChildren());
  always->Expand();
  EXPECT_TRUE(always->Expanded());
  TestItem* automatic = AddRow("Auto");
  EXPECT_FALSE(automatic->HasChildren());
  automatic->Expand();
  EXPECT_FALSE(automatic->Expanded());
}

TEST_F(PropsPage, RebuildsWaitForTheOutermostEndUpdate) {
  page->BeginUpdate();
  page->BeginUpdate();
  AddRow("A");
  AddRow("B");
  page->EndUpdate();
  EXPECT_EQ(page->RowCount(), 0);
  page->EndUpdate();
  EXPECT_EQ(page->RowCount(), 2);
  EXPECT_EQ(page->Row(), 0);
}

TEST_F(PropsPage, DeletingTheCurrentItemEmptiesItsSlotUntilTheNextRebuild) {
  AddRow("A");
  AddRow("B");
  page->SetRow(1);
  page->BeginUpdate();
  page->Items().Delete(1);
  EXPECT_EQ(page->ItemAtRow(1), nullptr);
  EXPECT_EQ(page->ActiveItem(), nullptr);
  EXPECT_EQ(page->ItemAtRow(7), nullptr);
  page->EndUpdate();
  EXPECT_EQ(page->Row(), 0);
}

// ---- the editor ----

TEST_F(PropsPage, EnterCommitsAndEscapeRestores) {
  TestItem* a = AddRow("A", "one");
  TypeKeys("two");
  EXPECT_EQ(a->DisplayValue(), "one");
  QTest::keyClick(Edit(), Qt::Key_Escape);
  EXPECT_EQ(Edit()->text(), "one");
  EXPECT_EQ(Edit()->selectedText(), "one");
  EXPECT_EQ(a->writes, 0);
  TypeKeys("three");
  QTest::keyClick(Edit(), Qt::Key_Return);
  EXPECT_EQ(a->DisplayValue(), "three");
  EXPECT_EQ(Edit()->selectedText(), "three");
}

TEST_F(PropsPage, HomeAndEndDropASelectionThatReachesTheirEnd) {
  AddRow("A", "abcdef");
  Edit()->setSelection(2, 4);  // up to the end
  QTest::keyClick(Edit(), Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(Edit()->selectedText(), "cdef");
  Edit()->setSelection(0, 3);
  QTest::keyClick(Edit(), Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Edit()->selectedText(), "");
  EXPECT_EQ(Edit()->cursorPosition(), 0);
}

TEST_F(PropsPage, AFailedCommitKeepsTheRowAndShowsTheStoredValue) {
  AddRow("A", "good");
  AddRow("B", "other");
  TypeKeys("bad");
  QTest::keyClick(Edit(), Qt::Key_Down);
  EXPECT_EQ(Errors(), QStringList({"Bad value"}));
  EXPECT_EQ(page->Row(), 0);
  EXPECT_EQ(Edit()->text(), "good");
  QTest::keyClick(Edit(), Qt::Key_Down);
  EXPECT_EQ(page->Row(), 1);
}

TEST_F(PropsPage, ArrowKeysMoveAndCommitTheRowLeft) {
  TestItem* a = AddRow("A", "1");
  AddRow("B", "2");
  TypeKeys("5");
  QTest::keyClick(Edit(), Qt::Key_Down);
  EXPECT_EQ(page->Row(), 1);
  EXPECT_EQ(a->DisplayValue(), "5");
  EXPECT_EQ(Edit()->text(), "2");
  QTest::keyClick(Edit(), Qt::Key_Up);
  EXPECT_EQ(page->Row(), 0);
}

TEST_F(PropsPage, TextTypedForARowIsNeverAppliedToTheRowThatTakesItsPlace) {
  TestItem* a = AddRow("A", "1");
  TypeKeys("pending");
  EXPECT_EQ(page->EditItem(), a);
  EXPECT_EQ(page->EditText(), "pending");
  // A rebuild puts another item where the first one was.
  page->BeginUpdate();
  page->Items().Delete(0);
  EXPECT_EQ(page->EditItem(), nullptr);
  TestItem* b = AddRow("B", "2");
  page->EndUpdate();
  QTest::keyClick(Edit(), Qt::Key_Return);
  EXPECT_EQ(b->DisplayValue(), "2");
  EXPECT_EQ(b->writes, 0);
  EXPECT_EQ(Edit()->text(), "2");
}

TEST_F(PropsPage, TextTypedBeforeACollapseAboveGoesToItsOwnRowOrNowhere) {
  TestItem* parent = AddRow("P");
  AddRow("C1", {}, parent);
  AddRow("C2", {}, parent);
  TestItem* last = AddRow("Last", "x");
  TestItem* after = AddRow("After", "y");
  parent->Expand();
  page->SetRow(last->Row());
  TypeKeys("typed");
  parent->Collapse();  // "Last" moves up from row 3 to row 1
  page->SetRow(after->Row());
  EXPECT_EQ(after->DisplayValue(), "y");
  EXPECT_EQ(last->DisplayValue(), "x");
  EXPECT_EQ(last->writes + after->writes, 0);
}

TEST_F(PropsPage, TextTypedBeforeAScrollStaysWithItsRow) {
  TestItem* first = AddRow("First", "1");
  for (int i = 0; i < 30; ++i) AddRow(QString("Row%1").arg(i), "v");
  form->Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
  page->InplaceEditor()->SetFocus();
  TypeKeys("typed");
  page->Scroll(TELScrollCode::scPageDown);
  EXPECT_FALSE(page->InplaceEditor()->Visible());
  EXPECT_TRUE(page->Widget()->hasFocus());
  page->Scroll(TELScrollCode::scTop);
  EXPECT_TRUE(Edit()->hasFocus());
  EXPECT_EQ(Edit()->text(), "typed");
  QTest::keyClick(Edit(), Qt::Key_Down);
  EXPECT_EQ(first->DisplayValue(), "typed");
  EXPECT_EQ(page->Row(), 1);
}

TEST_F(PropsPage, TheFocusLeavingThePageCommitsAndClosesTheListWithoutAChoice) {
  TestItem* a = AddRow("A", "v1");
  a->values << "v1" << "v2";
  a->SetEditStyle(TELPropEditStyle::esPickList);
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetBounds(250, 10, 100, 21);
  form->Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
  page->InplaceEditor()->SetFocus();
  TypeKeys("v2x");
  page->InplaceEditor()->DropDown();
  QTest::keyClick(Edit(), Qt::Key_Up);
  other->SetFocus();
  EXPECT_FALSE(page->InplaceEditor()->ListVisible());
  EXPECT_EQ(a->DisplayValue(), "v2x");
}

TEST_F(PropsPage, AutoUpdateWritesEveryKey) {
  TestItem* a = AddRow("A");
  a->SetAutoUpdate(true);
  QTest::keyClicks(Edit(), "abc");
  EXPECT_EQ(a->DisplayValue(), "abc");
  EXPECT_EQ(a->writes, 3);
  EXPECT_EQ(Edit()->cursorPosition(), 3);
}

TEST_F(PropsPage, CtrlEnterCommitsThenAsksTheItemForTheNextValue) {
  TestItem* a = AddRow("A", "x");
  TypeKeys("y");
  QTest::keyClick(Edit(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(a->DisplayValue(), "y");
  EXPECT_EQ(a->doubleClicks, 1);
  EXPECT_EQ(Edit()->text(), "y");
}

TEST_F(PropsPage, AReadOnlyRowShowsItsValueInTheValueColours) {
  TestItem* a = AddRow("A", "fixed");
  a->SetReadOnly(true);
  EXPECT_TRUE(page->InplaceEditor()->ReadOnlyLook());
  EXPECT_TRUE(Edit()->isReadOnly());
  EXPECT_EQ(Edit()->palette().color(QPalette::Text), ColorToQColor(page->ValuesColor()));
  a->SetReadOnly(false);
  EXPECT_EQ(Edit()->palette().color(QPalette::Base), ColorToQColor(clWindow));
}

TEST_F(PropsPage, AClickOnAValueMakesItsRowCurrentWithTheEditorFocusedAndTheValueSelected) {
  AddRow("A", "1");
  AddRow("B", "22");
  form->Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
  QTest::mouseClick(page->Widget(), Qt::LeftButton, {}, page->CellRect(1, 1).center());
  EXPECT_EQ(page->Row(), 1);
  EXPECT_TRUE(Edit()->hasFocus());
  EXPECT_EQ(Edit()->selectedText(), "22");
  QTest::keyClicks(QApplication::focusWidget(), "5");
  EXPECT_EQ(Edit()->text(), "5");
}

TEST_F(PropsPage, TheEditorSitsOnTheCurrentValueCellTwoPixelsShort) {
  AddRow("A");
  AddRow("B");
  page->SetRow(1);
  const QRect cell = page->CellRect(1, 1);
  EXPECT_EQ(page->InplaceEditor()->BoundsRect(), QRect(cell.left(), cell.top(), cell.width(), cell.height() - 2));
  page->InplaceEditor()->SetEditStyle(TELPropEditStyle::esPickList);
  EXPECT_EQ(page->InplaceEditor()->ButtonRect(),
            QRect(cell.width() - TELPropsPageInplaceEdit::ButtonWidth, 0, TELPropsPageInplaceEdit::ButtonWidth,
                  cell.height() - 2));
  EXPECT_EQ(Edit()->width(), cell.width() - 2 - TELPropsPageInplaceEdit::ButtonWidth);
}

// ---- the drop-down list ----

class DropDown : public PropsPage {
 protected:
  TestItem* ListRow(int entries) {
    TestItem* item = AddRow("List", "v3");
    for (int i = 0; i < entries; ++i) item->values << QString("v%1").arg(i);
    item->SetEditStyle(TELPropEditStyle::esPickList);
    page->SetRow(item->Row());
    return item;
  }
  TPopupListBox& List() { return page->InplaceEditor()->PickList(); }
  TPopupWindow& Popup() { return page->InplaceEditor()->PickListPopup(); }
};

TEST_F(DropDown, AListWithoutEntriesIs20High) {
  ListRow(0);
  page->InplaceEditor()->DropDown();
  ASSERT_TRUE(Popup().IsOpen());
  EXPECT_EQ(Popup().BoundsRect().height(), 20);
}

TEST_F(DropDown, TwelveEntriesShowEightAndScroll) {
  ListRow(12);
  page->InplaceEditor()->DropDown();
  EXPECT_EQ(Popup().BoundsRect().height(), 8 * List().ItemHeight() + 4);
  EXPECT_EQ(List().ItemIndex(), 3);
  EXPECT_EQ(List().MaxTopIndex(), 4);
  EXPECT_GE(Popup().BoundsRect().width(), page->InplaceEditor()->Width());
}

TEST_F(DropDown, OwnerDrawnEntriesTakeTheHeightsTheItemMeasures) {
  TestItem* item = ListRow(3);
  item->values = {"a", "bbbb", "cc"};
  item->SetOwnerDrawValues(true);
  page->InplaceEditor()->DropDown();
  const int h = List().ItemHeight();
  EXPECT_EQ(Popup().BoundsRect().height(), 4 + (h + 1) + (h + 4) + (h + 2));
  List().Widget()->grab();
  EXPECT_EQ(item->drawn, QStringList({"a", "bbbb", "cc"}));
}

TEST_F(DropDown, ItOpensBelowTheEditorOrAboveWithoutRoomOnItsScreen) {
  ListRow(5);
  const QRect editor(page->InplaceEditor()->ClientToScreen({0, 0}), page->InplaceEditor()->BoundsRect().size());
  const int height = 5 * List().ItemHeight() + 4;
  // A screen that reaches as far above the editor as the list needs: the
  // popup is kept inside its screen.
  const int top = editor.top() - height;
  Popup().SetScreenGeometry([&](const QPoint&) { return QRect(0, top, 1000, editor.bottom() + height + 1 - top); });
  page->InplaceEditor()->DropDown();
  EXPECT_EQ(Popup().BoundsRect().top(), editor.top() + editor.height());
  EXPECT_EQ(Popup().BoundsRect().left(), editor.left());
  page->InplaceEditor()->CloseUp(false);
  Popup().SetScreenGeometry([&](const QPoint&) { return QRect(0, top, 1000, editor.bottom() + height - 1 - top); });
  page->InplaceEditor()->DropDown();
  EXPECT_EQ(Popup().BoundsRect().top(), editor.top() - height);
}

TEST_F(DropDown, ChoosingAnEntryCommitsItAndSelectsTheText) {
  TestItem* item = ListRow(6);
  page->InplaceEditor()->DropDown();
  QTest::keyClick(Edit(), Qt::Key_Down);
  EXPECT_EQ(List().ItemIndex(), 4);
  QTest::keyClick(Edit(), Qt::Key_Return);
  EXPECT_FALSE(Popup().IsOpen());
  EXPECT_EQ(item->DisplayValue(), "v4");
  EXPECT_EQ(Edit()->selectedText(), "v4");
  page->InplaceEditor()->DropDown();
  QTest::mouseClick(List().Widget(), Qt::LeftButton, {}, List().ItemRect(1).center());
  EXPECT_EQ(item->DisplayValue(), "v1");
}

TEST_F(DropDown, ItClosesWithoutAChoiceOnEscapeRowChangeScrollAndRebuild) {
  TestItem* item = ListRow(6);
  for (int i = 0; i < 30; ++i) AddRow(QString("Row%1").arg(i));
  const std::pair<const char*, std::function<void()>> closers[] = {
      {"Escape", [&] { QTest::keyClick(Edit(), Qt::Key_Escape); }},
      {"row change", [&] { page->SetRow(item->Row() + 1); }},
      {"scroll", [&] { page->Scroll(TELScrollCode::scLineDown); }},
      {"rebuild", [&] { page->ItemsChanged(); }},
      {"press elsewhere", [&] { QTest::mousePress(form->Widget(), Qt::LeftButton, {}, QPoint(380, 380)); }},
  };
  for (const auto& [name, close] : closers) {
    SCOPED_TRACE(name);
    page->Scroll(TELScrollCode::scTop);
    page->SetRow(item->Row());
    page->InplaceEditor()->DropDown();
    ASSERT_TRUE(Popup().IsOpen());
    QTest::keyClick(Edit(), Qt::Key_Down);
    close();
    EXPECT_FALSE(Popup().IsOpen());
    EXPECT_EQ(item->DisplayValue(), "v3");
  }
}

TEST_F(DropDown, TheButtonOpensAndClosesTheList) {
  ListRow(4);
  const QPoint button = page->InplaceEditor()->ButtonRect().center();
  QWidget* editor = page->InplaceEditor()->Widget();
  QWidget* target = editor->childAt(button);
  ASSERT_NE(target, nullptr);
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(editor, button));
  EXPECT_TRUE(Popup().IsOpen());
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(editor, button));
  EXPECT_FALSE(Popup().IsOpen());
}

// ---- drawing ----

class Drawing : public PropsPage {
 protected:
  QRgb Pixel(const QImage& image, int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
  QRgb Sys(TColor c) const { return ColorToQColor(c).rgb() & 0xFFFFFF; }
};

TEST_F(Drawing, TheGlyphShowsPlusWhenCollapsedAndMinusWhenExpanded) {
  TestItem* parent = AddRow("Parent");
  AddRow("Child", {}, parent);
  AddRow("Other");
  page->SetRow(1);
  QImage image = page->CellImage(0, 0);
  // The 9 x 9 square at (2, 3), black frame, white inside.
  EXPECT_EQ(Pixel(image, 2, 3), Sys(clBlack));
  EXPECT_EQ(Pixel(image, 10, 11), Sys(clBlack));
  EXPECT_EQ(Pixel(image, 11, 11), Sys(page->Color()));
  EXPECT_EQ(Pixel(image, 4, 5), Sys(clWhite));
  EXPECT_EQ(Pixel(image, 6, 7), Sys(clBlack));  // the bar across
  EXPECT_EQ(Pixel(image, 6, 5), Sys(clBlack));  // and the upright of the plus
  parent->Expand();
  image = page->CellImage(0, 0);
  EXPECT_EQ(Pixel(image, 6, 7), Sys(clBlack));
  EXPECT_EQ(Pixel(image, 6, 5), Sys(clWhite));
  // A row without children has no glyph.
  image = page->CellImage(0, 2);
  EXPECT_EQ(Pixel(image, 2, 3), Sys(page->Color()));
}

TEST_F(Drawing, RowEdgesShowTheCurrentRowSunkIn) {
  for (const char* c : {"A", "B", "C", "D"}) AddRow(c, "v");
  page->SetRow(2);
  const int w = page->ColWidth(0);
  const int h = page->DefaultRowHeight();
  // Above the current row: dark lines close it.
  QImage above = page->CellImage(1, 1);
  EXPECT_EQ(Pixel(above, 5, h - 2), Sys(cl3DDkShadow));
  EXPECT_EQ(Pixel(above, 5, h - 1), Sys(clBtnShadow));
  // The current row: light lines below, dark ones on the caption's left.
  QImage current = page->CellImage(0, 2);
  EXPECT_EQ(Pixel(current, 0, 5), Sys(cl3DDkShadow));
  EXPECT_EQ(Pixel(current, 1, 5), Sys(clBtnShadow));
  EXPECT_EQ(Pixel(current, 5, h - 2), Sys(clBtnHighlight));
  EXPECT_EQ(Pixel(current, 5, h - 1), Sys(cl3DLight));
  // Other rows: a dotted line, every other pixel in the shadow colour.
  QImage other = page->CellImage(1, 3);
  EXPECT_EQ(Pixel(other, 0, h - 1), Sys(clBtnShadow));
  EXPECT_EQ(Pixel(other, 1, h - 1), Sys(page->Color()));
  EXPECT_EQ(Pixel(other, 2, h - 1), Sys(clBtnShadow));
  // The caption column ends in a shadow and a light line.
  QImage caption = page->CellImage(0, 3);
  EXPECT_EQ(Pixel(caption, w - 2, 4), Sys(clBtnShadow));
  EXPECT_EQ(Pixel(caption, w - 1, 4), Sys(clBtnHighlight));
}

TEST_F(Drawing, ClickingTheGlyphTogglesAndDraggingTheSplitterMovesIt) {
  TestItem* parent = AddRow("Parent");
  AddRow("Child", {}, parent);
  const QPoint origin = page->GridOrigin();
  const QRect row0 = page->CellRect(0, 0);
  QTest::mouseClick(page->Widget(), Qt::LeftButton, {}, QPoint(origin.x() + 5, row0.center().y()));
  EXPECT_TRUE(parent->Expanded());
  EXPECT_EQ(page->RowCount(), 2);
  // A double click on the caption outside the glyph toggles too.
  QTest::mouseDClick(page->Widget(), Qt::LeftButton, {}, QPoint(origin.x() + 40, row0.center().y()));
  EXPECT_FALSE(parent->Expanded());
  const int x = origin.x() + page->Splitter() - 2;
  QTest::mousePress(page->Widget(), Qt::LeftButton, {}, QPoint(x, row0.center().y()));
  QMouseEvent move(QEvent::MouseMove, QPointF(x - 30, row0.center().y()),
                   QPointF(page->Widget()->mapToGlobal(QPoint(x - 30, row0.center().y()))), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(page->Widget(), &move);
  QTest::mouseRelease(page->Widget(), Qt::LeftButton, {}, QPoint(x - 30, row0.center().y()));
  EXPECT_EQ(page->Splitter(), 84 - 30);
  EXPECT_FALSE(page->MouseCapture());
}

}  // namespace
