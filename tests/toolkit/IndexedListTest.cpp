#include "toolkit/IndexedList.h"

#include "toolkit/Forms.h"
#include "toolkit/ListView.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"
#include "toolkit/TreeView.h"

#include "support/TestSupport.h"

namespace {

// Every list a published property hands out, reached the way the translator
// and the inspector reach it: through the metadata and the one interface.
class IndexedListTest : public ::testing::Test {
 protected:
  IndexedListTest() {
    for (const char* caption : {"Name", "Version"}) list->Columns().Add()->SetCaption(caption);
    for (const char* caption : {"Deutsch", "English"}) list->Items().Add()->SetCaption(caption);
    list->Items().Item(0)->SubItems().SetText("de\r\nv1\r\n");
    TTreeNode* a = tree->Items().Add(nullptr, "A");
    tree->Items().AddChild(a, "A1");
    tree->Items().Add(a, "B");
  }

  // The list a dotted path of published class properties leads to.
  IIndexedList& ListAt(TObject& object, const QString& path) {
    TObject* held = &object;
    for (const QString& name : path.split('.')) held = GetObjectProp(*held, PropByName(*held, name));
    auto* list = dynamic_cast<IIndexedList*>(held);
    EXPECT_NE(list, nullptr) << path.toStdString();
    return *list;
  }

  static QStringList Texts(const IIndexedList& list) {
    QStringList texts;
    for (int i = 0; i < list.ItemCount(); ++i) texts << list.ItemText(i);
    return texts;
  }

  TForm form{nullptr};
  TListView* list = new TListView(&form);
  TTreeView* tree = new TTreeView(&form);
};

TEST_F(IndexedListTest, EachListTellsItsKindCountAndTexts) {
  struct Case {
    TObject* owner;
    const char* path;
    TIndexedKind kind;
    QStringList texts;
  };
  TStringList lines(QStringList{"one", "two"});
  const Case cases[] = {
      {list, "Columns", TIndexedKind::Objects, {"TListColumn", "TListColumn"}},
      {list, "Items", TIndexedKind::Texts, {"Deutsch", "English"}},
      {tree, "Items", TIndexedKind::Texts, {"A", "A1", "B"}},
      {list->Items().Item(0), "SubItems", TIndexedKind::Lines, {"de", "v1"}},
  };
  for (const Case& c : cases) {
    IIndexedList& indexed = ListAt(*c.owner, c.path);
    EXPECT_EQ(indexed.ItemKind(), c.kind) << c.path;
    EXPECT_EQ(Texts(indexed), c.texts) << c.path;
  }
  EXPECT_EQ(dynamic_cast<IIndexedList&>(static_cast<TObject&>(lines)).ItemCount(), 2);
}

TEST_F(IndexedListTest, ItemsAreTheListsOwnObjects) {
  EXPECT_EQ(ListAt(*list, "Columns").ItemObject(1), list->Columns().Items(1));
  EXPECT_EQ(ListAt(*list, "Items").ItemObject(1), list->Items().Item(1));
  EXPECT_EQ(ListAt(*tree, "Items").ItemObject(1), tree->Items().Item(1));
  EXPECT_EQ(ListAt(*list->Items().Item(0), "SubItems").ItemObject(0), nullptr);
}

TEST_F(IndexedListTest, SettingATextReachesTheItem) {
  ListAt(*list, "Items").SetItemText(0, "German");
  ListAt(*tree, "Items").SetItemText(1, "A one");
  ListAt(*list->Items().Item(0), "SubItems").SetItemText(1, "v2");
  EXPECT_EQ(list->Items().Item(0)->Caption(), "German");
  EXPECT_EQ(tree->Items().Item(1)->Text(), "A one");
  EXPECT_EQ(list->Items().Item(0)->SubItems().ToStringList(), QStringList({"de", "v2"}));
}

TEST_F(IndexedListTest, CollectionItemsHaveNoTextAndIndexesOutsideAreRefused) {
  IIndexedList& columns = ListAt(*list, "Columns");
  EXPECT_THROW(columns.SetItemText(0, "x"), EInvalidOperation);
  EXPECT_EQ(list->Columns().Items(0)->Caption(), "Name");
  EXPECT_THROW(columns.SetItemText(2, "x"), EListError);
  EXPECT_THROW(columns.ItemObject(-1), EListError);
  EXPECT_THROW(ListAt(*list, "Items").ItemText(2), EListError);
  EXPECT_THROW(ListAt(*tree, "Items").SetItemText(3, "x"), EListError);
  EXPECT_THROW(ListAt(*list->Items().Item(0), "SubItems").SetItemText(2, "x"), EStringListError);
}

}  // namespace
