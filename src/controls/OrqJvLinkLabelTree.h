// The node tree of a link label caption: styled spans, links, breaks,
// placeholders and plain text, and the queries the layout and the mouse
// handling ask of it (which link lies under a point, the text of a link, the
// rectangles its text occupies).
//
// The tree knows nothing of drawing surfaces. Rectangles and points are plain
// integers in the units of whatever canvas lays the text out; the layout
// fills the rectangles and word measurements of the string nodes, the
// queries only read them. Every walk over the tree keeps its own stack, so a
// caption nested thousands of levels deep costs memory, never the call stack.
#pragma once

#include "toolkit/Object.h"
#include "toolkit/SysUtils.h"
#include "toolkit/TypeInfo.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

VORNIK_EXCEPTION(ENodeError, Exception);

// Colours are 32-bit values with red in the lowest byte. The three link codes
// stand for the configured link colours; the renderer maps them.
constexpr int32_t clLinkNormal = static_cast<int32_t>(0x80000400u);
constexpr int32_t clLinkClicked = static_cast<int32_t>(0x80000401u);
constexpr int32_t clLinkHot = static_cast<int32_t>(0x80000402u);
// The system colour of window text (system colour index 8).
constexpr int32_t clLinkLabelWindowText = static_cast<int32_t>(0xFF000008u);

// Program-wide numbering of link and dynamic nodes: a new node takes the
// counter's value and increments it. The label sets both to 0 before it
// parses a new caption, so the links of one caption count 0, 1, 2, ...
inline int LinkCounter = 0;
inline int DynamicCounter = 0;

class TParentNode;
class TAreaNode;

using TRectArray = std::vector<QRect>;

// The cached measurement of one word of a string node.
struct TWordInfo {
  bool EndsWithSpace = false;
  int SpaceWidth = 0;
  int Width = 0;
};
using TWordInfoArray = std::vector<TWordInfo>;

enum class TLinkState { lsNormal, lsClicked, lsHot };
enum class TActionType { atLineBreak, atParagraphBreak };

// Type numbers of the node classes, as GetNodeType reports them.
enum class TNodeType {
  ntNode = 0,
  ntParentNode = 1,
  ntAreaNode = 2,
  ntStyleNode = 3,
  ntLinkNode = 4,
  ntDynamicNode = 5,
  ntRootNode = 6,
  ntStringNode = 7,
  ntActionNode = 8,
  ntUnknownNode = 9
};

class TNode : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TNode() = default;

  TParentNode* Parent() const { return m_parent; }
  void SetParent(TParentNode* parent) { m_parent = parent; }

  // The type number of the node's exact class; a class outside the family
  // above raises ENodeError "TNode.GetNodeType: Unknown class".
  TNodeType GetNodeType() const;

 private:
  TParentNode* m_parent = nullptr;
};

using TNodeList = std::vector<TNode*>;

// A node with ordered children. While OwnsChildren is true (as it is at
// creation) the children are freed with the node.
class TParentNode : public TNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TParentNode() = default;
  ~TParentNode() override;

  const TNodeList& Children() const { return m_children; }
  // Appends the node and makes this node its parent. An owning parent takes
  // the node over, also when the append fails.
  void AddChild(TNode* node);

  bool OwnsChildren() const { return m_ownsChildren; }
  void SetOwnsChildren(bool owns) { m_ownsChildren = owns; }

 private:
  TNodeList m_children;
  bool m_ownsChildren = true;
};

class TNodeEnumerator;
class TRectEnumerator;

// A span of the caption that is laid out as a whole: it has a starting point
// (where its first text was placed), a style and a colour, and answers the
// tree queries for everything below it.
class TAreaNode : public TParentNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TAreaNode(TFontStyles style = {}, int32_t color = clLinkLabelWindowText);

  QPoint StartingPoint() const { return m_startingPoint; }
  void SetStartingPoint(const QPoint& point) { m_startingPoint = point; }
  TFontStyles Style() const { return m_style; }
  void SetStyle(TFontStyles style) { m_style = style; }
  virtual int32_t Color() const { return m_color; }
  void SetColor(int32_t color) { m_color = color; }

  // The nodes of class `cls` below this node in document order, without
  // looking inside a node of the class; other parent nodes are searched
  // through.
  TNodeEnumerator TopLevelNodes(const TClassInfo& cls) const;
  // The first node of class `cls` below this node, depth first in document
  // order, or nullptr.
  TNode* FirstNodeOfClass(const TClassInfo& cls) const;
  // The texts of all string nodes below this node, joined in document order.
  QString AreaText() const;
  // Every rectangle of every string node below this node.
  TRectEnumerator AreaRects() const;
  // Some rectangle of some string node below this node holds the point.
  bool PointInArea(const QPoint& point) const;
  // Some top-level node of class `cls` below this node is an area node whose
  // area holds the point.
  virtual bool PointInNodeClass(const QPoint& point, const TClassInfo& cls) const;
  // The node of class `cls` under the point, or nullptr: the area nodes at
  // the first level below this node are tried in document order; one of the
  // class that holds the point is the answer at its level, one of another
  // class that holds the point is searched in turn. A later find at a level
  // replaces an earlier one; a search that finds nothing keeps what was found.
  TNode* NodeAtPoint(const QPoint& point, const TClassInfo& cls) const;

 private:
  QPoint m_startingPoint;
  TFontStyles m_style;
  int32_t m_color;
};

// A bold, italic or underlined span; the kind is the font style it adds.
class TStyleNode : public TAreaNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TStyleNode(TFontStyle styleKind) : m_styleKind(styleKind) {}
  TFontStyle StyleKind() const { return m_styleKind; }

 private:
  TFontStyle m_styleKind;
};

// A clickable span. It takes its number from LinkCounter; its colour is the
// code of its state (clLinkNormal, clLinkClicked, clLinkHot).
class TLinkNode : public TAreaNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TLinkNode();
  int32_t Color() const override;
  TLinkState State() const { return m_state; }
  void SetState(TLinkState state) { m_state = state; }
  int Number() const { return m_number; }

 private:
  TLinkState m_state = TLinkState::lsNormal;
  int m_number;
};

// A placeholder whose content the dynamic-node handler supplies while the
// caption is parsed. It takes its number from DynamicCounter.
class TDynamicNode : public TAreaNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TDynamicNode();
  int Number() const { return m_number; }

 private:
  int m_number;
};

// The top of a tree. After a full drawing it keeps the rectangles of all link
// text, so that a mouse move tests one flat list.
class TRootNode : public TAreaNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TRootNode(TFontStyles style, int32_t color) : TAreaNode(style, color) {}

  const TRectArray& LinkRects() const { return m_linkRects; }
  // The link rectangle cache becomes every rectangle of every top-level link
  // node, in document order.
  void CollectLinkRects();
  // For TLinkNode the filled cache answers instead of the nodes.
  bool PointInNodeClass(const QPoint& point, const TClassInfo& cls) const override;

 private:
  TRectArray m_linkRects;
};

// Plain text, entities already replaced, with the rectangles its pieces were
// drawn in and the cached measurements of its words.
class TStringNode : public TNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TStringNode(QString text) : m_text(std::move(text)) {}

  const QString& Text() const { return m_text; }

  const TRectArray& Rects() const { return m_rects; }
  void AddRect(const QRect& rect) { m_rects.push_back(rect); }
  void ClearRects() { m_rects.clear(); }

  int WordInfoCount() const { return static_cast<int>(m_wordInfo.size()); }
  // The measurement of word `index` (0-based); ENodeError
  // "TStringNode.GetWordInfo: Index out of bounds" outside the cache.
  const TWordInfo& GetWordInfo(int index) const;
  void AddWordInfo(const TWordInfo& info) { m_wordInfo.push_back(info); }
  void ClearWordInfo() { m_wordInfo.clear(); }

  // The first word was measured together with the text before it.
  bool Joined() const { return m_joined; }
  void SetJoined(bool joined) { m_joined = joined; }

 private:
  QString m_text;
  TRectArray m_rects;
  TWordInfoArray m_wordInfo;
  bool m_joined = false;
};

// A line or paragraph break.
class TActionNode : public TNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TActionNode(TActionType action) : m_action(action) {}
  TActionType Action() const { return m_action; }

 private:
  TActionType m_action;
};

// A tag the language does not know, kept with its text as written.
class TUnknownNode : public TNode {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TUnknownNode(QString tag) : m_tag(std::move(tag)) {}
  const QString& Tag() const { return m_tag; }

 private:
  QString m_tag;
};

// The nodes a TopLevelNodes query found, handed out one at a time; asking
// past the end raises ENodeError "No more nodes to return".
class TNodeEnumerator {
 public:
  explicit TNodeEnumerator(std::vector<TNode*> nodes) : m_nodes(std::move(nodes)) {}
  bool HasNext() const { return m_index < m_nodes.size(); }
  TNode* GetNext();

 private:
  std::vector<TNode*> m_nodes;
  size_t m_index = 0;
};

// The rectangles of an area, handed out one at a time; asking past the end
// raises ENodeError "No more records to return".
class TRectEnumerator {
 public:
  explicit TRectEnumerator(TRectArray rects) : m_rects(std::move(rects)) {}
  bool HasNext() const { return m_index < m_rects.size(); }
  QRect GetNext();

 private:
  TRectArray m_rects;
  size_t m_index = 0;
};

// Owns the root of a caption's tree, made with no style and the window-text
// colour; freeing the tree frees every node. The queries start at the root.
class TNodeTree {
 public:
  TNodeTree();
  TNodeTree(const TNodeTree&) = delete;
  TNodeTree& operator=(const TNodeTree&) = delete;

  TRootNode* Root() const { return m_root.get(); }

  TNodeEnumerator TopLevelNodes(const TClassInfo& cls) const { return m_root->TopLevelNodes(cls); }
  TNode* FirstNodeOfClass(const TClassInfo& cls) const { return m_root->FirstNodeOfClass(cls); }
  QString AreaText() const { return m_root->AreaText(); }
  TRectEnumerator AreaRects() const { return m_root->AreaRects(); }
  bool PointInArea(const QPoint& point) const { return m_root->PointInArea(point); }
  bool PointInNodeClass(const QPoint& point, const TClassInfo& cls) const {
    return m_root->PointInNodeClass(point, cls);
  }
  TNode* NodeAtPoint(const QPoint& point, const TClassInfo& cls) const { return m_root->NodeAtPoint(point, cls); }
  void CollectLinkRects() { m_root->CollectLinkRects(); }

 private:
  std::unique_ptr<TRootNode> m_root;
};
