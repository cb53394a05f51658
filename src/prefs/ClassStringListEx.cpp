#include "prefs/ClassStringListEx.h"

namespace {
// Only A to Z are folded: other characters must be identical to match.
QString FoldAsciiCase(const QString& text) {
  QString folded = text;
  for (QChar& c : folded)
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
  return folded;
}
}  // namespace

const TClassInfo& TStringListEx::StaticClass() {
  static const TClassInfo info("TStringListEx", &TStringList::StaticClass());
  return info;
}

TStringListEx::TStringListEx() = default;

TStringListEx::~TStringListEx() {
  // Deep trees go node by node rather than by recursion.
  ResetTree();
}

TStringListEx::Node* TStringListEx::Node::Child(QChar c) const {
  for (const std::unique_ptr<Node>& child : children)
    if (child->character == c) return child.get();
  return nullptr;
}

void TStringListEx::Changed() {
  ++m_changeCount;
  TStringList::Changed();
}

void TStringListEx::Clear() {
  TStringList::Clear();
  ResetTree();
}

void TStringListEx::ResetTree() const {
  std::vector<std::unique_ptr<Node>> pending;
  pending.swap(m_root.children);
  while (!pending.empty()) {
    std::unique_ptr<Node> node = std::move(pending.back());
    pending.pop_back();
    for (std::unique_ptr<Node>& child : node->children) pending.push_back(std::move(child));
  }
  m_root.index = -1;
  m_indexedCount = 0;
}

QString TStringListEx::Key(const QString& text) const { return CaseSensitive() ? text : FoldAsciiCase(text); }

void TStringListEx::Rebuild() const {
  ResetTree();
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    Node* node = &m_root;
    for (const QChar c : Key(Get(i))) {
      Node* next = node->Child(c);
      if (!next) {
        auto created = std::make_unique<Node>();
        created->character = c;
        next = created.get();
        node->children.push_back(std::move(created));
      }
      node = next;
    }
    node->index = i;
  }
  m_indexedCount = count;
  m_changeCount = 0;
}

int TStringListEx::IndexOfText(const QString& text) const {
  if (m_changeCount > 0 || m_indexedCount != Count()) Rebuild();
  const Node* node = &m_root;
  for (const QChar c : Key(text)) {
    node = node->Child(c);
    if (!node) return -1;
  }
  return node->index;
}
