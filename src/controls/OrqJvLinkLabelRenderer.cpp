#include "controls/OrqJvLinkLabelRenderer.h"

#include <vector>

TColor TDefaultRenderer::MapColor(TColor color) const {
  switch (color) {
    case clLinkNormal: return m_linkColor;
    case clLinkClicked: return m_linkColorClicked;
    case clLinkHot: return m_linkColorHot;
    default: return color;
  }
}

void TDefaultRenderer::StartingPosUpdated(int x, int y, TAreaNode* node) { node->SetStartingPoint(QPoint(x, y)); }

void TDefaultRenderer::DrawTree(TCanvas& canvas, const QRect& rect, TNodeTree& tree) {
  DrawTreeLeavingOut(canvas, rect, tree, nullptr);
}

void TDefaultRenderer::DrawTreeLeavingOut(TCanvas& canvas, const QRect& rect, TNodeTree& tree,
                                          const TAreaNode* leftOut) {
  tree.Root()->SetStartingPoint(rect.topLeft());
  m_leftOut = leftOut;
  try {
    DrawArea(canvas, rect, tree.Root());
  } catch (...) {
    m_leftOut = nullptr;
    throw;
  }
  m_leftOut = nullptr;
  tree.CollectLinkRects();
}

void TDefaultRenderer::DrawArea(TCanvas& canvas, const QRect& rect, TAreaNode* node) {
  const QPoint start = node->StartingPoint();
  TTextHandler handler(rect, start.x(), start.y(), canvas);
  m_handler = &handler;
  try {
    DrawChildren(node, node->Style(), node->Color());
    handler.EmptyBuffer();
  } catch (...) {
    m_handler = nullptr;
    throw;
  }
  m_handler = nullptr;
  m_textHeight = handler.TextHeight();
}

void TDefaultRenderer::DrawChildren(TAreaNode* area, TFontStyles style, TColor color) {
  // One frame per open area, kept here rather than on the call stack, so a
  // deeply nested caption cannot exhaust it.
  struct Frame {
    TAreaNode* area;
    TFontStyles style;
    TColor color;
    size_t next;
  };
  std::vector<Frame> open;
  auto enter = [&](TAreaNode* node, TFontStyles s, TColor c) {
    if (m_handler->IsBufferEmpty()) node->SetStartingPoint(QPoint(m_handler->X(), m_handler->Y()));
    else m_handler->WatchStart(this, node);
    node->SetStyle(s);
    node->SetColor(MapColor(c));
    open.push_back({node, s, c, 0});
  };
  enter(area, style, color);
  while (!open.empty()) {
    Frame& frame = open.back();
    if (frame.next == frame.area->Children().size()) {
      open.pop_back();
      continue;
    }
    TNode* child = frame.area->Children()[frame.next++];
    TFontStyles childStyle = frame.style;
    TColor childColor = MapColor(frame.color);
    if (const auto* span = dynamic_cast<const TStyleNode*>(child)) {
      childStyle.Include(span->StyleKind());
    } else if (dynamic_cast<const TLinkNode*>(child)) {
      childStyle = childStyle + m_linkStyle;
      childColor = m_linkColor;
    } else if (auto* text = dynamic_cast<TStringNode*>(child)) {
      m_handler->AddText(text, childStyle, childColor);
    } else if (const auto* action = dynamic_cast<const TActionNode*>(child)) {
      if (action->Action() == TActionType::atLineBreak) m_handler->LineBreak();
      else m_handler->ParagraphBreak();
    }
    if (auto* inner = dynamic_cast<TAreaNode*>(child)) {
      if (inner == m_leftOut) childColor = clNone;
      enter(inner, childStyle, childColor);
    }
  }
}
