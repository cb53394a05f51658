#include "controls/OrqJvLinkLabelTree.h"

#include "controls/OrqJvLinkLabelTools.h"

#include <unordered_set>
#include <utility>

namespace {

enum class TWalk { Descend, Skip, Stop };

// Visits every node below `top` depth first in document order. The visitor
// decides whether to look inside a parent node, to pass over it, or to end
// the walk.
template <class Visitor>
void WalkBelow(const TParentNode& top, Visitor&& visit) {
  struct Level {
    const TParentNode* node;
    size_t next;
  };
  std::vector<Level> stack{{&top, 0}};
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next == level.node->Children().size()) {
      stack.pop_back();
      continue;
    }
    TNode* child = level.node->Children()[level.next++];
    const TWalk step = visit(child);
    if (step == TWalk::Stop) return;
    if (step == TWalk::Descend)
      if (const auto* parent = dynamic_cast<const TParentNode*>(child)) stack.push_back({parent, 0});
  }
}

std::vector<TNode*> CollectTopLevel(const TParentNode& top, const TClassInfo& cls) {
  std::vector<TNode*> found;
  WalkBelow(top, [&](TNode* node) {
    if (node->InheritsFrom(cls)) {
      found.push_back(node);
      return TWalk::Skip;
    }
    return TWalk::Descend;
  });
  return found;
}

TRectArray CollectRects(const TParentNode& top) {
  TRectArray rects;
  WalkBelow(top, [&](TNode* node) {
    if (const auto* text = dynamic_cast<const TStringNode*>(node))
      rects.insert(rects.end(), text->Rects().begin(), text->Rects().end());
    return TWalk::Descend;
  });
  return rects;
}

bool AnyRectHolds(const TRectArray& rects, const QPoint& point) {
  for (const QRect& rect : rects)
    if (TGraphicTools::PointInRect(point, rect)) return true;
  return false;
}

// The parent nodes below `top` (itself included) for which PointInArea
// holds, found in one walk: a parent holds the point when a string node or
// a parent below it does.
std::unordered_set<const TNode*> ParentsHolding(const TParentNode& top, const QPoint& point) {
  std::unordered_set<const TNode*> holding;
  struct Level {
    const TParentNode* node;
    size_t next;
    bool holds;
  };
  std::vector<Level> stack{{&top, 0, false}};
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next == level.node->Children().size()) {
      const Level done = level;
      stack.pop_back();
      if (!done.holds) continue;
      holding.insert(done.node);
      if (!stack.empty()) stack.back().holds = true;
      continue;
    }
    TNode* child = level.node->Children()[level.next++];
    if (const auto* text = dynamic_cast<const TStringNode*>(child)) {
      if (AnyRectHolds(text->Rects(), point)) level.holds = true;
    } else if (const auto* parent = dynamic_cast<const TParentNode*>(child)) {
      stack.push_back({parent, 0, false});
    }
  }
  return holding;
}

}  // namespace

// ---- TNode -----------------------------------------------------------------

const TClassInfo& TNode::StaticClass() {
  static const TClassInfo info("TNode", &TObject::StaticClass());
  return info;
}

TNodeType TNode::GetNodeType() const {
  const TClassInfo& cls = ClassType();
  const std::pair<const TClassInfo*, TNodeType> table[] = {
      {&TNode::StaticClass(), TNodeType::ntNode},
      {&TParentNode::StaticClass(), TNodeType::ntParentNode},
      {&TAreaNode::StaticClass(), TNodeType::ntAreaNode},
      {&TStyleNode::StaticClass(), TNodeType::ntStyleNode},
      {&TLinkNode::StaticClass(), TNodeType::ntLinkNode},
      {&TDynamicNode::StaticClass(), TNodeType::ntDynamicNode},
      {&TRootNode::StaticClass(), TNodeType::ntRootNode},
      {&TStringNode::StaticClass(), TNodeType::ntStringNode},
      {&TActionNode::StaticClass(), TNodeType::ntActionNode},
      {&TUnknownNode::StaticClass(), TNodeType::ntUnknownNode},
  };
  for (const auto& [info, type] : table)
    if (info == &cls) return type;
  throw ENodeError(QStringLiteral("TNode.GetNodeType: Unknown class"));
}

// ---- TParentNode -----------------------------------------------------------

const TClassInfo& TParentNode::StaticClass() {
  static const TClassInfo info("TParentNode", &TNode::StaticClass());
  return info;
}

TParentNode::~TParentNode() {
  if (!m_ownsChildren) return;
  // Frees the whole subtree from a work list instead of recursing, so a
  // deeply nested caption cannot exhaust the call stack.
  TNodeList doomed;
  doomed.swap(m_children);
  while (!doomed.empty()) {
    TNode* node = doomed.back();
    doomed.pop_back();
    if (auto* parent = dynamic_cast<TParentNode*>(node)) {
      if (parent->m_ownsChildren) doomed.insert(doomed.end(), parent->m_children.begin(), parent->m_children.end());
      parent->m_children.clear();
    }
    delete node;
  }
}

void TParentNode::AddChild(TNode* node) {
  try {
    m_children.push_back(node);
  } catch (...) {
    if (m_ownsChildren) delete node;
    throw;
  }
  node->SetParent(this);
}

// ---- TAreaNode -------------------------------------------------------------

const TClassInfo& TAreaNode::StaticClass() {
  static const TClassInfo info("TAreaNode", &TParentNode::StaticClass());
  return info;
}

TAreaNode::TAreaNode(TFontStyles style, int32_t color) : m_style(style), m_color(color) {}

TNodeEnumerator TAreaNode::TopLevelNodes(const TClassInfo& cls) const {
  return TNodeEnumerator(CollectTopLevel(*this, cls));
}

TNode* TAreaNode::FirstNodeOfClass(const TClassInfo& cls) const {
  TNode* found = nullptr;
  WalkBelow(*this, [&](TNode* node) {
    if (!node->InheritsFrom(cls)) return TWalk::Descend;
    found = node;
    return TWalk::Stop;
  });
  return found;
}

QString TAreaNode::AreaText() const {
  QString text;
  WalkBelow(*this, [&](TNode* node) {
    if (const auto* string = dynamic_cast<const TStringNode*>(node)) text += string->Text();
    return TWalk::Descend;
  });
  return text;
}

TRectEnumerator TAreaNode::AreaRects() const { return TRectEnumerator(CollectRects(*this)); }

bool TAreaNode::PointInArea(const QPoint& point) const {
  bool inside = false;
  WalkBelow(*this, [&](TNode* node) {
    const auto* string = dynamic_cast<const TStringNode*>(node);
    if (!string || !AnyRectHolds(string->Rects(), point)) return TWalk::Descend;
    inside = true;
    return TWalk::Stop;
  });
  return inside;
}

bool TAreaNode::PointInNodeClass(const QPoint& point, const TClassInfo& cls) const {
  for (TNode* node : CollectTopLevel(*this, cls)) {
    const auto* area = dynamic_cast<const TAreaNode*>(node);
    if (area && area->PointInArea(point)) return true;
  }
  return false;
}

TNode* TAreaNode::NodeAtPoint(const QPoint& point, const TClassInfo& cls) const {
  // One frame per area being searched: its first-level area nodes, the next
  // one to try and what the search of this area has found so far.
  struct Frame {
    std::vector<TNode*> areas;
    size_t next;
    TNode* found;
  };
  // Which areas hold the point is settled once for the whole search, so
  // that nested areas are not each searched through again.
  const std::unordered_set<const TNode*> holding = ParentsHolding(*this, point);
  std::vector<Frame> stack;
  stack.push_back({CollectTopLevel(*this, TAreaNode::StaticClass()), 0, nullptr});
  for (;;) {
    Frame& frame = stack.back();
    TNode* finished = nullptr;
    bool done = false;
    if (frame.next == frame.areas.size()) {
      finished = frame.found;
      done = true;
    } else {
      const auto* area = dynamic_cast<const TAreaNode*>(frame.areas[frame.next++]);
      if (!area || !holding.contains(area)) continue;
      if (area->InheritsFrom(cls)) {
        finished = frame.areas[frame.next - 1];
        done = true;
      } else {
        stack.push_back({CollectTopLevel(*area, TAreaNode::StaticClass()), 0, nullptr});
      }
    }
    if (!done) continue;
    stack.pop_back();
    if (stack.empty()) return finished;
    if (finished) stack.back().found = finished;
  }
}

// ---- TStyleNode, TLinkNode, TDynamicNode -----------------------------------

const TClassInfo& TStyleNode::StaticClass() {
  static const TClassInfo info("TStyleNode", &TAreaNode::StaticClass());
  return info;
}

const TClassInfo& TLinkNode::StaticClass() {
  static const TClassInfo info("TLinkNode", &TAreaNode::StaticClass());
  return info;
}

TLinkNode::TLinkNode() : m_number(LinkCounter++) {}

int32_t TLinkNode::Color() const {
  switch (m_state) {
    case TLinkState::lsClicked:
      return clLinkClicked;
    case TLinkState::lsHot:
      return clLinkHot;
    case TLinkState::lsNormal:
      break;
  }
  return clLinkNormal;
}

const TClassInfo& TDynamicNode::StaticClass() {
  static const TClassInfo info("TDynamicNode", &TAreaNode::StaticClass());
  return info;
}

TDynamicNode::TDynamicNode() : m_number(DynamicCounter++) {}

// ---- TRootNode -------------------------------------------------------------

const TClassInfo& TRootNode::StaticClass() {
  static const TClassInfo info("TRootNode", &TAreaNode::StaticClass());
  return info;
}

void TRootNode::CollectLinkRects() {
  TRectArray rects;
  for (TNode* node : CollectTopLevel(*this, TLinkNode::StaticClass())) {
    if (const auto* link = dynamic_cast<const TParentNode*>(node)) {
      const TRectArray own = CollectRects(*link);
      rects.insert(rects.end(), own.begin(), own.end());
    }
  }
  m_linkRects = std::move(rects);
}

bool TRootNode::PointInNodeClass(const QPoint& point, const TClassInfo& cls) const {
  if (&cls == &TLinkNode::StaticClass() && !m_linkRects.empty()) return AnyRectHolds(m_linkRects, point);
  return TAreaNode::PointInNodeClass(point, cls);
}

// ---- TStringNode, TActionNode, TUnknownNode --------------------------------

const TClassInfo& TStringNode::StaticClass() {
  static const TClassInfo info("TStringNode", &TNode::StaticClass());
  return info;
}

const TWordInfo& TStringNode::GetWordInfo(int index) const {
  if (index < 0 || index >= WordInfoCount())
    throw ENodeError(QStringLiteral("TStringNode.GetWordInfo: Index out of bounds"));
  return m_wordInfo[static_cast<size_t>(index)];
}

const TClassInfo& TActionNode::StaticClass() {
  static const TClassInfo info("TActionNode", &TNode::StaticClass());
  return info;
}

const TClassInfo& TUnknownNode::StaticClass() {
  static const TClassInfo info("TUnknownNode", &TNode::StaticClass());
  return info;
}

// ---- Enumerators and the tree ----------------------------------------------

TNode* TNodeEnumerator::GetNext() {
  if (!HasNext()) throw ENodeError(QStringLiteral("No more nodes to return"));
  return m_nodes[m_index++];
}

QRect TRectEnumerator::GetNext() {
  if (!HasNext()) throw ENodeError(QStringLiteral("No more records to return"));
  return m_rects[m_index++];
}

TNodeTree::TNodeTree() : m_root(std::make_unique<TRootNode>(TFontStyles{}, clLinkLabelWindowText)) {}
