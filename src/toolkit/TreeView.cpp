#include "toolkit/TreeView.h"

#include "toolkit/Application.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"

#include <QTreeWidget>

#include <algorithm>

const TTypeInfo& TVChangedEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TTVChangedEvent");
  return info;
}

// ---- TTreeNode ----

const TClassInfo& TTreeNode::StaticClass() {
  static const TClassInfo info("TTreeNode", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TTreeNode>(c).Prop("Text", Types::String(), &TTreeNode::Text, &TTreeNode::SetText);
  });
  return info;
}

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent) : m_owner(owner), m_parent(parent) {}

// The rows belong to the widget, which removes a node's row with its
// children's rows; a node leaves them alone when it goes.
TTreeNode::~TTreeNode() = default;

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
  return m_parent ? m_parent->m_children : m_owner->m_roots;
}

void TTreeNode::SetText(const QString& value) {
  if (value == m_text) return;
  m_text = value;
  const TScopedValue syncing(m_owner->m_owner->m_syncing, true);
  m_row->setText(0, value);
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_children[static_cast<size_t>(index)].get();
}

int TTreeNode::Index() const {
  const auto& siblings = Siblings();
  const auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& n) { return n.get() == this; });
  return static_cast<int>(it - siblings.begin());
}

int TTreeNode::AbsoluteIndex() const {
  // The nodes before this one: its earlier siblings with all their
  // descendants, then the same for each ancestor, plus the ancestors.
  int index = 0;
  for (const TTreeNode* n = this; n; n = n->m_parent) {
    const auto& siblings = n->Siblings();
    for (const auto& s : siblings) {
      if (s.get() == n) break;
      std::vector<const TTreeNode*> stack{s.get()};
      while (!stack.empty()) {
        const TTreeNode* t = stack.back();
        stack.pop_back();
        ++index;
        for (const auto& c : t->m_children) stack.push_back(c.get());
      }
    }
    if (n->m_parent) ++index;
  }
  return index;
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* n = m_parent; n; n = n->m_parent) ++level;
  return level;
}

void TTreeNode::SetExpanded(bool value) {
  if (value == m_expanded) return;
  m_expanded = value;
  const TScopedValue syncing(m_owner->m_owner->m_syncing, true);
  m_row->setExpanded(value);
}

bool TTreeNode::Selected() const { return m_owner->m_owner->Selected() == this; }

void TTreeNode::SetSelected(bool value) {
  TTreeView* view = m_owner->m_owner;
  if (value) view->SetSelected(this);
  else if (Selected()) view->SetSelected(nullptr);
}

void TTreeNode::Delete() { m_owner->Delete(this); }

bool TTreeNode::Contains(const TTreeNode* node) const {
  for (const TTreeNode* n = node; n; n = n->m_parent)
    if (n == this) return true;
  return false;
}

// ---- TTreeNodes ----

const TClassInfo& TTreeNodes::StaticClass() {
  static const TClassInfo info("TTreeNodes", &TPersistent::StaticClass());
  return info;
}

TTreeNodes::TTreeNodes(TTreeView* owner) : m_owner(owner) {}

TTreeNodes::~TTreeNodes() = default;

void TTreeNodes::CheckNode(const TTreeNode* node) const {
  if (node && node->m_owner != this)
    throw EInvalidOperation(QStringLiteral("TTreeNodes: The node belongs to another tree"));
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const QString& text) {
  CheckNode(sibling);
  return Insert(sibling ? sibling->m_parent : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const QString& text) {
  CheckNode(parent);
  return Insert(parent, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* parent, const QString& text) {
  auto node = std::unique_ptr<TTreeNode>(new TTreeNode(this, parent));
  TTreeNode* added = node.get();
  added->m_text = text;
  (parent ? parent->m_children : m_roots).push_back(std::move(node));
  m_owner->NodeInserted(added);
  return added;
}

int TTreeNodes::Count() const {
  int count = 0;
  std::vector<const TTreeNode*> stack;
  for (const auto& r : m_roots) stack.push_back(r.get());
  while (!stack.empty()) {
    const TTreeNode* n = stack.back();
    stack.pop_back();
    ++count;
    for (const auto& c : n->m_children) stack.push_back(c.get());
  }
  return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
  if (index >= 0) {
    // Tree order: the stack holds the nodes still to visit, the next on top.
    std::vector<TTreeNode*> stack;
    for (auto it = m_roots.rbegin(); it != m_roots.rend(); ++it) stack.push_back(it->get());
    for (int n = 0; !stack.empty(); ++n) {
      TTreeNode* node = stack.back();
      stack.pop_back();
      if (n == index) return node;
      for (auto it = node->m_children.rbegin(); it != node->m_children.rend(); ++it) stack.push_back(it->get());
    }
  }
  throw EListError(Format("List index out of bounds (%d)", {index}));
}

TTreeNode* TTreeNodes::Root(int index) const {
  if (index < 0 || index >= RootCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_roots[static_cast<size_t>(index)].get();
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node) return;
  CheckNode(node);
  m_owner->NodeDeleting(node);
  auto& siblings = node->Siblings();
  siblings.erase(std::find_if(siblings.begin(), siblings.end(), [node](const auto& n) { return n.get() == node; }));
}

void TTreeNodes::Clear() {
  while (!m_roots.empty()) Delete(m_roots.back().get());
}

// ---- TTreeView ----

const TClassInfo& TTreeView::StaticClass() {
  static const TClassInfo info("TTreeView", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TTreeView>(c)
        .Creatable()
        .ReadOnly("Items", TTreeNodes::StaticClass().TypeInfo(), &TTreeView::ItemsObject)
        .Prop("OnChange", TVChangedEventType(), &TTreeView::GetOnChange, &TTreeView::SetOnChange);
    PublishStandard(c, {kPlacing, kLook, kTabbing, "Visible", kClicks, kFocusEvents, kKeyEvents, kMouseEvents,
                        "OnResize"});
  });
  return info;
}

TTreeView::TTreeView(TComponent* owner)
    : TWinControl(owner), m_items(std::make_unique<TTreeNodes>(this)), m_signals(std::make_unique<QObject>()) {
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  auto* tree = new QTreeWidget;
  tree->setHeaderHidden(true);
  tree->setColumnCount(1);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree->setFocusPolicy(Qt::StrongFocus);
  AttachWidget(tree);
  QObject::connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, m_signals.get(),
                   [this] { WidgetSelectionChanged(); });
  QObject::connect(tree, &QTreeWidget::itemExpanded, m_signals.get(),
                   [this](QTreeWidgetItem* row) { WidgetExpansionChanged(row, true); });
  QObject::connect(tree, &QTreeWidget::itemCollapsed, m_signals.get(),
                   [this](QTreeWidgetItem* row) { WidgetExpansionChanged(row, false); });
}

TTreeView::~TTreeView() { Destroying(); }

QTreeWidget* TTreeView::Tree() const { return static_cast<QTreeWidget*>(Widget()); }

TTreeNode* TTreeView::NodeOfRow(const QTreeWidgetItem* row) const {
  // Rows and nodes have the same shape: follow the row's path from the top.
  std::vector<int> path;
  for (const QTreeWidgetItem* r = row; r; r = r->parent())
    path.push_back(r->parent() ? r->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(r))
                               : Tree()->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(r)));
  TTreeNode* node = nullptr;
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    const int count = node ? node->Count() : m_items->RootCount();
    if (*it < 0 || *it >= count) return nullptr;
    node = node ? node->Item(*it) : m_items->Root(*it);
  }
  return node;
}

void TTreeView::NodeInserted(TTreeNode* node) {
  const TScopedValue syncing(m_syncing, true);
  auto* row = new QTreeWidgetItem(QStringList{node->m_text});
  node->m_row = row;
  if (node->m_parent) node->m_parent->m_row->addChild(row);
  else Tree()->addTopLevelItem(row);
}

void TTreeView::NodeDeleting(TTreeNode* node) {
  if (node->Contains(m_selected)) {
    m_selected = nullptr;
    SyncSelection();
  }
  const TScopedValue syncing(m_syncing, true);
  delete node->m_row;
  node->m_row = nullptr;
}

void TTreeView::SetSelected(TTreeNode* node) {
  if (node == m_selected) return;
  m_items->CheckNode(node);
  m_selected = node;
  SyncSelection();
  Change(node);
}

void TTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(this, node);
}

void TTreeView::SyncSelection() {
  const TScopedValue syncing(m_syncing, true);
  if (m_selected) Tree()->setCurrentItem(m_selected->m_row);
  else Tree()->selectionModel()->clearSelection();
}

void TTreeView::WidgetSelectionChanged() {
  if (m_syncing) return;
  Application().Guard([this] {
    const QList<QTreeWidgetItem*> rows = Tree()->selectedItems();
    SetSelected(rows.isEmpty() ? nullptr : NodeOfRow(rows.first()));
  });
}

void TTreeView::WidgetExpansionChanged(QTreeWidgetItem* row, bool expanded) {
  if (m_syncing) return;
  if (TTreeNode* node = NodeOfRow(row)) node->m_expanded = expanded;
}
