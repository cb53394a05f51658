#include "toolkit/Bitmap.h"
#include "toolkit/Forms.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"
#include "support/WidgetDriver.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>

#include <utility>
#include <vector>

namespace {

class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 400, 300);
    list = new TListView(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 300, 200);
    list->SetViewStyle(TViewStyle::vsReport);
    list->OnSelectItem = [this](TObject*, TListItem* item, bool selected) { events.emplace_back(item, selected); };
  }
  void TearDown() override { TComponent::Free(form); }

  QTreeWidget* Tree() const { return static_cast<QTreeWidget*>(list->Widget()); }
  TListItem* AddRow(const QString& caption, const QStringList& subItems = {}) {
    TListItem* item = list->Items().Add();
    item->SetCaption(caption);
    for (const QString& s : subItems) item->SubItems().Add(s);
    return item;
  }
  QStringList Captions() const {
    QStringList out;
    for (int i = 0; i < list->Items().Count(); ++i) out << list->Items().Item(i)->Caption();
    return out;
  }
  QStringList WidgetColumn(int column) const {
    QStringList out;
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i) out << Tree()->topLevelItem(i)->text(column);
    return out;
  }
  void AddColumns(std::initializer_list<const char*> captions) {
    for (const char* c : captions) list->Columns().Add()->SetCaption(QString::fromUtf8(c));
  }
  void ClickRow(int row) {
    form->ShowForm();
    QApplication::processEvents();
    const QRect rect = Tree()->visualItemRect(Tree()->topLevelItem(row));
    ASSERT_TRUE(rect.isValid());
    ClickWidget(Tree()->viewport(), rect.center());
  }

  TForm* form = nullptr;
  TListView* list = nullptr;
  std::vector<std::pair<TListItem*, bool>> events;
};

// ---- sorting ----

class ListViewSorting : public ListViewTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ListViewSorting, SortsByCaptionInTheLocaleOrder) {
  const LocalePin german(QLocale(QLocale::German, QLocale::Germany));
  const bool batched = GetParam();
  AddColumns({"Name"});
  list->SetSortType(TSortType::stText);
  if (batched) list->Items().BeginUpdate();
  for (const char* caption : {"Zebra", "Birne", "Ärger", "Apfel"}) AddRow(QString::fromUtf8(caption));
  if (batched) list->Items().EndUpdate();
  // Locale order, not code-point order (which would put Ärger after Zebra).
  const QStringList expected{"Apfel", QString::fromUtf8("Ärger"), "Birne", "Zebra"};
  EXPECT_EQ(Captions(), expected);
  EXPECT_EQ(WidgetColumn(0), expected);
  // A new caption moves its row to its place.
  list->Items().Item(3)->SetCaption("Aal");
  EXPECT_EQ(Captions(), QStringList({"Aal", "Apfel", QString::fromUtf8("Ärger"), "Birne"}));
  EXPECT_EQ(WidgetColumn(0), Captions());
}

INSTANTIATE_TEST_SUITE_P(AddedOneByOneOrBatched, ListViewSorting, ::testing::Bool());

TEST_F(ListViewTest, UnsortedKeepsAddingOrderAndSortsWhenSortTypeIsSet) {
  AddColumns({"Name"});
  for (const char* caption : {"b", "c", "a"}) AddRow(caption);
  EXPECT_EQ(Captions(), QStringList({"b", "c", "a"}));
  list->SetSortType(TSortType::stData);  // the items carry no data: nothing moves
  EXPECT_EQ(Captions(), QStringList({"b", "c", "a"}));
  list->SetSortType(TSortType::stBoth);
  EXPECT_EQ(Captions(), QStringList({"a", "b", "c"}));
  EXPECT_EQ(WidgetColumn(0), Captions());
}

// ---- selection ----

TEST_F(ListViewTest, ClickOnARowDeselectsTheOldRowThenSelectsTheNew) {
  AddColumns({"Name", "Local name"});
  TListItem* first = AddRow("English", {"English"});
  AddRow("Deutsch", {"German"});
  TListItem* third = AddRow("Français", {"French"});
  list->SetSelected(first);
  ASSERT_EQ(events, (std::vector<std::pair<TListItem*, bool>>{{first, true}}));
  events.clear();

  ClickRow(2);
  EXPECT_EQ(events, (std::vector<std::pair<TListItem*, bool>>{{first, false}, {third, true}}));
  EXPECT_EQ(list->Selected(), third);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_TRUE(third->Selected());
  EXPECT_FALSE(first->Selected());
  EXPECT_TRUE(Tree()->topLevelItem(2)->isSelected());

  // Clicking the selected row again changes nothing.
  events.clear();
  ClickRow(2);
  EXPECT_TRUE(events.empty());
}

TEST_F(ListViewTest, ProgramSelectionShowsInTheWidgetAndReportsBothRows) {
  AddColumns({"Name"});
  TListItem* a = AddRow("a");
  TListItem* b = AddRow("b");
  list->SetItemIndex(0);
  b->SetSelected(true);
  EXPECT_EQ(events, (std::vector<std::pair<TListItem*, bool>>{{a, true}, {a, false}, {b, true}}));
  EXPECT_FALSE(Tree()->topLevelItem(0)->isSelected());
  EXPECT_TRUE(Tree()->topLevelItem(1)->isSelected());
  events.clear();
  list->SetItemIndex(-1);
  EXPECT_EQ(events, (std::vector<std::pair<TListItem*, bool>>{{b, false}}));
  EXPECT_EQ(list->Selected(), nullptr);
  EXPECT_TRUE(Tree()->selectedItems().isEmpty());
  EXPECT_THROW(list->SetItemIndex(2), EListError);

  TListView other(nullptr);
  TListItem* foreign = other.Items().Add();
  EXPECT_THROW(list->SetSelected(foreign), EInvalidOperation);
  EXPECT_EQ(list->Selected(), nullptr);
}

TEST_F(ListViewTest, DeletingTheSelectedRowReportsItsDeselection) {
  AddColumns({"Name"});
  AddRow("a");
  TListItem* b = AddRow("b");
  AddRow("c");
  list->SetSelected(b);
  events.clear();
  b->Delete();
  EXPECT_EQ(events.size(), 1u);
  EXPECT_FALSE(events.front().second);
  EXPECT_EQ(list->Selected(), nullptr);
  EXPECT_EQ(Captions(), QStringList({"a", "c"}));
  EXPECT_EQ(WidgetColumn(0), Captions());

  list->SetItemIndex(1);
  events.clear();
  list->Items().Clear();
  EXPECT_EQ(events.size(), 1u);
  EXPECT_EQ(list->Items().Count(), 0);
  EXPECT_EQ(Tree()->topLevelItemCount(), 0);
  EXPECT_THROW(list->Items().Delete(0), EListError);
}

TEST_F(ListViewTest, ClickAtDesignTimeSelectsNothing) {
  AddColumns({"Name"});
  AddRow("a");
  AddRow("b");
  list->SetDesigning(true);
  ClickRow(1);
  EXPECT_EQ(list->Selected(), nullptr);
  EXPECT_TRUE(events.empty());
}

TEST_F(ListViewTest, DoubleClickOnARowFiresOnDblClick) {
  AddColumns({"Name"});
  AddRow("a");
  int doubleClicks = 0;
  list->OnDblClick = [&](TObject*) { ++doubleClicks; };
  form->ShowForm();
  QApplication::processEvents();
  DoubleClickWidget(Tree()->viewport(), Tree()->visualItemRect(Tree()->topLevelItem(0)).center());
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(list->ItemIndex(), 0);
}

// ---- rows and columns ----

TEST_F(ListViewTest, SubItemsFillTheColumnsAfterTheCaptionByIndex) {
  AddColumns({"Name", "Local name", "File"});
  TListItem* item = AddRow("German", {"Deutsch", "Deutsch.lng", "4.0", "A|a"});
  EXPECT_EQ(item->SubItems().Strings(1), "Deutsch.lng");
  EXPECT_EQ(item->SubItems().Strings(3), "A|a");
  QTreeWidgetItem* row = Tree()->topLevelItem(0);
  EXPECT_EQ(row->text(0), "German");
  EXPECT_EQ(row->text(1), "Deutsch");
  EXPECT_EQ(row->text(2), "Deutsch.lng");
  item->SubItems().Put(0, "Tedesco");
  EXPECT_EQ(row->text(1), "Tedesco");
  // A fourth column shows the next sub-item.
  list->Columns().Add()->SetCaption("Version");
  EXPECT_EQ(Tree()->topLevelItem(0)->text(3), "4.0");
  EXPECT_EQ(Tree()->headerItem()->text(3), "Version");
}

TEST_F(ListViewTest, ColumnsFollowCaptionWidthAndHeaderDragging) {
  AddColumns({"Name", "Local name"});
  list->Columns().Items(0)->SetWidth(180);
  list->Columns().Items(1)->SetCaption("Lokal");
  EXPECT_EQ(Tree()->columnWidth(0), 180);
  EXPECT_EQ(Tree()->headerItem()->text(1), "Lokal");
  Tree()->header()->resizeSection(1, 123);
  EXPECT_EQ(list->Columns().Items(1)->Width(), 123);
  // A negative width fits the column to its content.
  AddRow("A rather long caption that needs room");
  list->Columns().Items(0)->SetWidth(-1);
  EXPECT_GT(Tree()->columnWidth(0), Tree()->fontMetrics().horizontalAdvance("A rather long caption that needs"));
  list->Columns().Delete(0);
  EXPECT_EQ(Tree()->columnCount(), 1);
  EXPECT_EQ(Tree()->headerItem()->text(0), "Lokal");
}

TEST_F(ListViewTest, OtherViewStylesShowCaptionsWithoutHeader) {
  AddColumns({"Name", "Local name"});
  AddRow("German", {"Deutsch"});
  EXPECT_FALSE(Tree()->isHeaderHidden());
  list->SetViewStyle(TViewStyle::vsList);
  EXPECT_TRUE(Tree()->isHeaderHidden());
  EXPECT_EQ(Tree()->columnCount(), 1);
  EXPECT_EQ(Tree()->topLevelItem(0)->text(0), "German");
}

TEST_F(ListViewTest, EditedCaptionComesBackToTheItemUnlessReadOnly) {
  AddColumns({"Name"});
  TListItem* item = AddRow("Old");
  EXPECT_TRUE(Tree()->topLevelItem(0)->flags() & Qt::ItemIsEditable);
  Tree()->topLevelItem(0)->setText(0, "New");  // what the in-place editor does
  EXPECT_EQ(item->Caption(), "New");
  list->SetReadOnly(true);
  EXPECT_FALSE(Tree()->topLevelItem(0)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(Tree()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ListViewTest, BehaviourSettingsReachTheWidget) {
  list->SetRowSelect(true);
  list->SetColumnClick(false);
  list->SetHideSelection(false);
  EXPECT_EQ(Tree()->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_FALSE(Tree()->header()->sectionsClickable());
  const QPalette p = Tree()->palette();
  // The selection stays visible without focus.
  EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight), p.color(QPalette::Active, QPalette::Highlight));
  list->SetHideSelection(true);
  const QPalette hidden = Tree()->palette();
  EXPECT_EQ(hidden.color(QPalette::Inactive, QPalette::Highlight), hidden.color(QPalette::Inactive, QPalette::Base));
}

TEST_F(ListViewTest, SmallImagesGiveRowsTheirPicturesUntilTheListGoes) {
  auto* images = new TImageList(form);
  QImage red(16, 16, QImage::Format_RGB32);
  red.fill(Qt::red);
  images->Add(TBitmap(red));
  AddColumns({"Name"});
  TListItem* item = AddRow("a");
  item->SetImageIndex(0);
  EXPECT_TRUE(Tree()->topLevelItem(0)->icon(0).isNull());
  list->SetSmallImages(images);
  EXPECT_FALSE(Tree()->topLevelItem(0)->icon(0).isNull());
  TComponent::Free(images);
  EXPECT_EQ(list->SmallImages(), nullptr);
  EXPECT_TRUE(Tree()->topLevelItem(0)->icon(0).isNull());
}

TEST_F(ListViewTest, MakeVisibleScrollsTheRowIntoView) {
  AddColumns({"Name"});
  list->Items().BeginUpdate();
  for (int i = 0; i < 100; ++i) AddRow(QString::number(i));
  list->Items().EndUpdate();
  form->ShowForm();
  QApplication::processEvents();
  QTreeWidgetItem* last = Tree()->topLevelItem(99);
  EXPECT_FALSE(Tree()->viewport()->rect().contains(Tree()->visualItemRect(last)));
  list->Items().Item(99)->MakeVisible(false);
  EXPECT_TRUE(Tree()->viewport()->rect().contains(Tree()->visualItemRect(last)));
}

// ---- metadata the translator walks ----

TEST_F(ListViewTest, ItemsAndColumnsAreReachableThroughPublishedProperties) {
  AddColumns({"Name", "Local name"});
  AddRow("a");
  TObject* items = GetObjectProp(*list, PropByName(*list, "Items"));
  auto* listItems = dynamic_cast<TListItems*>(items);
  ASSERT_NE(listItems, nullptr);
  listItems->Item(0)->SetCaption("Englisch");
  EXPECT_EQ(Tree()->topLevelItem(0)->text(0), "Englisch");
  EXPECT_THROW(listItems->Item(1), EListError);

  auto* columns = dynamic_cast<TCollection*>(GetObjectProp(*list, PropByName(*list, "Columns")));
  ASSERT_NE(columns, nullptr);
  TCollectionItem* second = columns->Items(1);
  SetStrProp(*second, PropByName(*second, "Caption"), "Lokaler Name");
  EXPECT_EQ(Tree()->headerItem()->text(1), "Lokaler Name");
  EXPECT_EQ(GetOrdProp(*second, PropByName(*second, "Width")), 50);

  EXPECT_EQ(PropByName(*list, "SortType").PropType->EnumValue("stText"), 2);
  EXPECT_EQ(PropByName(*list, "ViewStyle").PropType->EnumValue("vsReport"), 3);
  EXPECT_EQ(TClassInfo::Find("TListView"), &TListView::StaticClass());
}

}  // namespace
