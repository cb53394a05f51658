#include "controls/OrqJvLinkLabelParser.h"

#include "controls/OrqJvLinkLabelTools.h"

#include <vector>

// ---- TElementEnumerator ----------------------------------------------------

void TElementEnumerator::ScanAtPosition() {
  if (m_cachedPos == m_pos) return;
  if (AtEnd()) throw EParserError(QStringLiteral("TElementEnumerator.GetNextElement: No more elements to return"));
  const qsizetype length = m_text.size();
  TElement element;
  qsizetype next = 0;
  if (m_text[m_pos] == u'<') {
    const bool endTag = m_pos + 1 < length && m_text[m_pos + 1] == u'/';
    const qsizetype start = m_pos + (endTag ? 2 : 1);
    qsizetype stop = start;
    while (stop < length && m_text[stop] != u'>') ++stop;
    element.Kind = endTag ? TElementKind::ekEndTag : TElementKind::ekBeginTag;
    element.Text = m_text.mid(start, stop - start);
    next = stop + 1;
  } else {
    qsizetype stop = m_text.indexOf(u'<', m_pos);
    if (stop < 0) stop = length;
    element.Kind = TElementKind::ekText;
    element.Text = m_text.mid(m_pos, stop - m_pos);
    next = stop;
  }
  m_cached = std::move(element);
  m_cachedNext = next;
  m_cachedPos = m_pos;
}

TElement TElementEnumerator::LookNextElement() {
  ScanAtPosition();
  return m_cached;
}

TElement TElementEnumerator::GetNextElement() {
  ScanAtPosition();
  m_pos = m_cachedNext;
  return m_cached;
}

// ---- TDefaultParser --------------------------------------------------------

std::unique_ptr<TNodeTree> TDefaultParser::ParseText(const QString& text) {
  auto tree = std::make_unique<TNodeTree>();
  TElementEnumerator elements(TStringTools::RemoveCRLF(text));
  ParseNode(elements, tree->Root());
  return tree;
}

std::unique_ptr<TNodeTree> TDefaultParser::ParseText(const TStrings& lines) { return ParseText(lines.Text()); }

void TDefaultParser::ParseNode(IElementEnumerator& elements, TParentNode* parent) {
  // The open spans, innermost last; kept here rather than on the call stack
  // so that deep nesting cannot exhaust it.
  std::vector<TParentNode*> open{parent};
  while (!open.empty() && !elements.AtEnd()) {
    if (elements.LookNextElement().Kind == TElementKind::ekEndTag) {
      elements.GetNextElement();
      open.pop_back();
      continue;
    }
    const TElement element = elements.GetNextElement();
    std::unique_ptr<TNode> node;
    if (element.Kind == TElementKind::ekBeginTag) {
      node = MakeNode(element.Text);
    } else {
      QString text = TStringTools::MultiStringReplace(element.Text, QStringLiteral("&lt;"), QStringLiteral("<"));
      node = std::make_unique<TStringNode>(TStringTools::MultiStringReplace(text, QStringLiteral("&gt;"), QStringLiteral(">")));
    }
    TNode* added = node.get();
    open.back()->AddChild(node.release());
    if (element.Kind != TElementKind::ekBeginTag || dynamic_cast<TDynamicNode*>(added)) continue;
    if (auto* span = dynamic_cast<TParentNode*>(added)) open.push_back(span);
  }
}

std::unique_ptr<TNode> TDefaultParser::MakeNode(const QString& tag) {
  if (SameText(tag, QStringLiteral("B"))) return std::make_unique<TStyleNode>(TFontStyle::fsBold);
  if (SameText(tag, QStringLiteral("I"))) return std::make_unique<TStyleNode>(TFontStyle::fsItalic);
  if (SameText(tag, QStringLiteral("U"))) return std::make_unique<TStyleNode>(TFontStyle::fsUnderline);
  if (SameText(tag, QStringLiteral("LINK"))) return std::make_unique<TLinkNode>();
  if (SameText(tag, QStringLiteral("BR"))) return std::make_unique<TActionNode>(TActionType::atLineBreak);
  if (SameText(tag, QStringLiteral("P"))) return std::make_unique<TActionNode>(TActionType::atParagraphBreak);
  if (SameText(tag, QStringLiteral("DYNAMIC"))) {
    auto node = std::make_unique<TDynamicNode>();
    ExpandDynamicNode(node.get());
    return node;
  }
  return std::make_unique<TUnknownNode>(tag);
}

void TDefaultParser::ExpandDynamicNode(TDynamicNode* node) {
  if (!m_handler) return;
  QString source;
  m_handler->SupplySource(source, node);
  if (!source.isEmpty()) ParseIntoNode(node, source);
}

void TDefaultParser::ParseIntoNode(TParentNode* node, const QString& text) {
  TDefaultParser parser;
  const std::unique_ptr<TNodeTree> supplied = parser.ParseText(text);
  TRootNode* root = supplied->Root();
  root->SetOwnsChildren(false);
  for (TNode* child : root->Children()) node->AddChild(child);
}
