#include "toolkit/Forms.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"
#include "toolkit/TreeView.h"

#include "support/TestSupport.h"
#include "support/WidgetDriver.h"

#include <QApplication>
#include <QTreeWidget>

namespace {

// A:  A1, A2 (A2a);  B
class TreeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 300);
    tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(0, 0, 200, 250);
    TTreeNodes& nodes = tree->Items();
    a = nodes.Add(nullptr, "A");
    b = nodes.Add(a, "B");
    a1 = nodes.AddChild(a, "A1");
    a2 = nodes.Add(a1, "A2");
    a2a = nodes.AddChild(a2, "A2a");
    tree->OnChange = [this](TObject*, TTreeNode* node) { changes.push_back(node); };
  }
  void TearDown() override { TComponent::Free(form); }
  QTreeWidget* Widget() const { return static_cast<QTreeWidget*>(tree->Widget()); }

  TForm* form = nullptr;
  TTreeView* tree = nullptr;
  TTreeNode* a = nullptr;
  TTreeNode* b = nullptr;
  TTreeNode* a1 = nullptr;
  TTreeNode* a2 = nullptr;
  TTreeNode* a2a = nullptr;
  std::vector<TTreeNode*> changes;
};

TEST_F(TreeViewTest, ItemCountsEveryNodeInTreeOrder) {
  TTreeNodes& nodes = tree->Items();
  ASSERT_EQ(nodes.Count(), 5);
  const std::vector<TTreeNode*> order{a, a1, a2, a2a, b};
  for (int n = 0; n < 5; ++n) {
    EXPECT_EQ(nodes.Item(n), order[static_cast<size_t>(n)]) << n;
    EXPECT_EQ(order[static_cast<size_t>(n)]->AbsoluteIndex(), n);
  }
  EXPECT_THROW(nodes.Item(5), EListError);
  EXPECT_THROW(nodes.Item(-1), EListError);
  EXPECT_EQ(a2a->Level(), 2);
  EXPECT_EQ(a2->Index(), 1);
  EXPECT_EQ(a2->Parent(), a);
  EXPECT_EQ(a->Count(), 2);
  EXPECT_EQ(a->Item(1), a2);
  EXPECT_THROW(a->Item(2), EListError);
}

TEST_F(TreeViewTest, RowsMirrorTheNodesAndTheirTexts) {
  ASSERT_EQ(Widget()->topLevelItemCount(), 2);
  QTreeWidgetItem* rowA = Widget()->topLevelItem(0);
  EXPECT_EQ(rowA->text(0), "A");
  EXPECT_EQ(rowA->child(1)->child(0)->text(0), "A2a");
  EXPECT_EQ(Widget()->topLevelItem(1)->text(0), "B");
  tree->Items().Item(3)->SetText("Unterpunkt");  // what the translator does for node 3
  EXPECT_EQ(rowA->child(1)->child(0)->text(0), "Unterpunkt");
  a->SetExpanded(true);
  EXPECT_TRUE(rowA->isExpanded());
  Widget()->collapseItem(rowA);
  EXPECT_FALSE(a->Expanded());
}

TEST_F(TreeViewTest, ClickOnARowSelectsItsNode) {
  form->ShowForm();
  a->SetExpanded(true);
  QApplication::processEvents();
  QTreeWidgetItem* row = Widget()->topLevelItem(0)->child(1);
  ClickWidget(Widget()->viewport(), Widget()->visualItemRect(row).center());
  EXPECT_EQ(tree->Selected(), a2);
  EXPECT_TRUE(a2->Selected());
  EXPECT_EQ(changes, std::vector<TTreeNode*>{a2});
}

TEST_F(TreeViewTest, DeletingANodeTakesItsChildrenAndTheSelection) {
  a2a->SetSelected(true);
  EXPECT_TRUE(Widget()->topLevelItem(0)->child(1)->child(0)->isSelected());
  changes.clear();
  a2->Delete();
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(tree->Items().Count(), 3);
  EXPECT_EQ(Widget()->topLevelItem(0)->childCount(), 1);
  EXPECT_EQ(tree->Items().Item(2), b);
  tree->Items().Clear();
  EXPECT_EQ(tree->Items().Count(), 0);
  EXPECT_EQ(Widget()->topLevelItemCount(), 0);
}

TEST_F(TreeViewTest, NodesOfAnotherTreeAreRefused) {
  TTreeView other(nullptr);
  TTreeNode* foreign = other.Items().Add(nullptr, "X");
  EXPECT_THROW(tree->Items().AddChild(foreign, "Y"), EInvalidOperation);
  EXPECT_THROW(tree->SetSelected(foreign), EInvalidOperation);
  EXPECT_THROW(tree->Items().Delete(foreign), EInvalidOperation);
  EXPECT_EQ(other.Items().Count(), 1);
  EXPECT_EQ(tree->Items().Count(), 5);
}

TEST_F(TreeViewTest, NodeListIsReachableThroughThePublishedItems) {
  auto* nodes = dynamic_cast<TTreeNodes*>(GetObjectProp(*tree, PropByName(*tree, "Items")));
  ASSERT_NE(nodes, nullptr);
  EXPECT_EQ(nodes->Item(4)->Text(), "B");
}

}  // namespace
