#include "TreeDump.h"

#include <QStringList>

namespace {

QString DumpChildren(const TParentNode& parent) {
  QStringList parts;
  for (const TNode* child : parent.Children()) parts << DumpNode(*child);
  return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString StyleName(TFontStyle kind) {
  switch (kind) {
    case TFontStyle::fsBold:
      return QStringLiteral("b");
    case TFontStyle::fsItalic:
      return QStringLiteral("i");
    case TFontStyle::fsUnderline:
      return QStringLiteral("u");
    case TFontStyle::fsStrikeOut:
      break;
  }
  return QStringLiteral("s");
}

}  // namespace

QString DumpNode(const TNode& node) {
  switch (node.GetNodeType()) {
    case TNodeType::ntNode:
      return QStringLiteral("node");
    case TNodeType::ntParentNode:
      return QStringLiteral("parent") + DumpChildren(static_cast<const TParentNode&>(node));
    case TNodeType::ntAreaNode:
      return QStringLiteral("area") + DumpChildren(static_cast<const TParentNode&>(node));
    case TNodeType::ntStyleNode: {
      const auto& style = static_cast<const TStyleNode&>(node);
      return StyleName(style.StyleKind()) + DumpChildren(style);
    }
    case TNodeType::ntLinkNode: {
      const auto& link = static_cast<const TLinkNode&>(node);
      return QStringLiteral("link%1").arg(link.Number()) + DumpChildren(link);
    }
    case TNodeType::ntDynamicNode: {
      const auto& dynamic = static_cast<const TDynamicNode&>(node);
      return QStringLiteral("dyn%1").arg(dynamic.Number()) + DumpChildren(dynamic);
    }
    case TNodeType::ntRootNode:
      return QStringLiteral("root") + DumpChildren(static_cast<const TParentNode&>(node));
    case TNodeType::ntStringNode:
      return QLatin1Char('\'') + static_cast<const TStringNode&>(node).Text() + QLatin1Char('\'');
    case TNodeType::ntActionNode:
      return static_cast<const TActionNode&>(node).Action() == TActionType::atLineBreak ? QStringLiteral("br")
                                                                                       : QStringLiteral("p");
    case TNodeType::ntUnknownNode:
      return QStringLiteral("?<") + static_cast<const TUnknownNode&>(node).Tag() + QLatin1Char('>');
  }
  return QStringLiteral("<bad node type>");
}

QString DumpTree(const TNodeTree& tree) { return DumpNode(*tree.Root()); }
