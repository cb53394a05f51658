// The tree view: nodes with a text, nested to any depth. The control's node
// list holds the truth; each node has one row of the Qt tree widget.
#pragma once

#include "toolkit/IndexedList.h"
#include "toolkit/WinControl.h"

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TTreeNodes;
class TTreeView;

class TTreeNode : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  ~TTreeNode() override;

  TTreeNodes* Owner() const { return m_owner; }
  TTreeNode* Parent() const { return m_parent; }
  QString Text() const { return m_text; }
  void SetText(const QString& value);
  // The children.
  int Count() const { return static_cast<int>(m_children.size()); }
  // EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
  TTreeNode* Item(int index) const;
  // The position among the siblings.
  int Index() const;
  // The position in the whole tree, counting every node in tree order from 0.
  int AbsoluteIndex() const;
  // 0 for a top-level node.
  int Level() const;
  bool Expanded() const { return m_expanded; }
  void SetExpanded(bool value);
  bool Selected() const;
  void SetSelected(bool value);
  // Removes the node with its children and frees it.
  void Delete();

 private:
  friend class TTreeNodes;
  friend class TTreeView;
  TTreeNode(TTreeNodes* owner, TTreeNode* parent);
  std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;
  bool Contains(const TTreeNode* node) const;

  TTreeNodes* m_owner;
  TTreeNode* m_parent;
  QString m_text;
  bool m_expanded = false;
  std::vector<std::unique_ptr<TTreeNode>> m_children;
  // The node's row in the widget (owned by the widget).
  QTreeWidgetItem* m_row = nullptr;
};

// As an indexed list: every node in tree order, shown by its text.
class TTreeNodes : public TPersistent,
                   public TTextItems<TTreeNodes, TTreeNode, &TTreeNode::Text, &TTreeNode::SetText> {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TTreeNodes(TTreeView* owner);
  ~TTreeNodes() override;

  TTreeView* Owner() const { return m_owner; }
  // A node after the last sibling of `sibling` (a top-level node for nullptr).
  TTreeNode* Add(TTreeNode* sibling, const QString& text);
  // A node after the last child of `parent` (a top-level node for nullptr).
  TTreeNode* AddChild(TTreeNode* parent, const QString& text);
  // Every node of the tree.
  int Count() const;
  // Node n of the whole tree in tree order (a node, then its children, then
  // its next sibling); EListError outside 0 .. Count - 1.
  TTreeNode* Item(int index) const;
  // The top-level nodes.
  int RootCount() const { return static_cast<int>(m_roots.size()); }
  TTreeNode* Root(int index) const;
  void Delete(TTreeNode* node);
  void Clear();

 private:
  friend class TTreeNode;
  friend class TTreeView;
  TTreeNode* Insert(TTreeNode* parent, const QString& text);
  void CheckNode(const TTreeNode* node) const;

  TTreeView* m_owner;
  std::vector<std::unique_ptr<TTreeNode>> m_roots;
};

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
const TTypeInfo& TVChangedEventType();

class TTreeView : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;

  TTreeNodes& Items() { return *m_items; }
  TTreeNodes* ItemsObject() const { return m_items.get(); }

  // The selected node, or nullptr. Deleting it leaves no node selected.
  TTreeNode* Selected() const { return m_selected; }
  void SetSelected(TTreeNode* node);

  // Fired after the selection moved to another node, by the user or the program.
  TTVChangedEvent OnChange;
  TTVChangedEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TTVChangedEvent e) { OnChange = std::move(e); }

 protected:
  virtual void Change(TTreeNode* node);

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  QTreeWidget* Tree() const;
  TTreeNode* NodeOfRow(const QTreeWidgetItem* row) const;
  void NodeInserted(TTreeNode* node);
  void NodeDeleting(TTreeNode* node);
  void SyncSelection();
  void WidgetSelectionChanged();
  void WidgetExpansionChanged(QTreeWidgetItem* row, bool expanded);

  std::unique_ptr<TTreeNodes> m_items;
  TTreeNode* m_selected = nullptr;
  bool m_syncing = false;
  // Receiver of the widget's signals; going first, it cuts them off before
  // the widget goes.
  std::unique_ptr<QObject> m_signals;
};
