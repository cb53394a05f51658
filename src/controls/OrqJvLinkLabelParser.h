// The parser of the link label's tag language. A caption is cut into
// elements (begin tags, end tags, text) and built into a node tree:
//
//   <b>, <i>, <u>   bold, italic, underlined span    (TStyleNode)
//   <link>          clickable span                   (TLinkNode)
//   <br>, <p>       line and paragraph break         (TActionNode)
//   <dynamic>       placeholder filled by a handler  (TDynamicNode)
//   any other tag   kept as written                  (TUnknownNode)
//
// Tag names ignore letter case; a tag with anything after its name
// ("<link href=x>") is unknown. Any end tag closes the innermost open span,
// whatever its name; an end tag outside every span ends the caption. In text,
// "&lt;" and "&gt;" stand for "<" and ">". Carriage-return-line-feed pairs
// are removed first, so a line break is written as "<br>". Every text parses
// into some tree.
#pragma once

#include "controls/OrqJvLinkLabelTree.h"

#include "toolkit/Strings.h"
#include "toolkit/SysUtils.h"

#include <QString>

#include <memory>

VORNIK_EXCEPTION(EParserError, Exception);

enum class TElementKind { ekBeginTag, ekEndTag, ekText };

// One piece of a caption: for tags the text between "<" or "</" and ">",
// for text the text itself.
struct TElement {
  TElementKind Kind = TElementKind::ekText;
  QString Text;
};

class IElementEnumerator {
 public:
  virtual ~IElementEnumerator() = default;
  // The next element, and moves past it.
  virtual TElement GetNextElement() = 0;
  // The next element without moving.
  virtual TElement LookNextElement() = 0;
  // The whole text is consumed.
  virtual bool AtEnd() const = 0;
};

// Cuts one text into elements. A tag runs from "<" (or "</") to the next
// ">"; a tag left open at the end of the text runs to the end. Text runs up
// to the next "<". Asking for an element at the end raises EParserError
// "TElementEnumerator.GetNextElement: No more elements to return".
class TElementEnumerator : public IElementEnumerator {
 public:
  explicit TElementEnumerator(QString text) : m_text(std::move(text)) {}

  TElement GetNextElement() override;
  TElement LookNextElement() override;
  bool AtEnd() const override { return m_pos >= m_text.size(); }

 private:
  // Reads the element at m_pos into the cache unless it is there already,
  // so looking ahead and then reading scans the element once.
  void ScanAtPosition();

  QString m_text;
  qsizetype m_pos = 0;
  qsizetype m_cachedPos = -1;
  qsizetype m_cachedNext = 0;
  TElement m_cached;
};

// Supplies the content of a DYNAMIC tag while the caption is parsed.
class IDynamicNodeHandler {
 public:
  // Fills `source` with marked-up text for the node; empty means no content.
  virtual void SupplySource(QString& source, TDynamicNode* node) = 0;

 protected:
  ~IDynamicNodeHandler() = default;
};

class IParser {
 public:
  virtual ~IParser() = default;
  // A new tree of the text; the caller owns it.
  virtual std::unique_ptr<TNodeTree> ParseText(const QString& text) = 0;
  // The same for a string list's whole text.
  virtual std::unique_ptr<TNodeTree> ParseText(const TStrings& lines) = 0;
  // The handler that fills DYNAMIC tags (not owned); nullptr leaves them empty.
  virtual void AttachDynamicHandler(IDynamicNodeHandler* handler) = 0;
};

class TDefaultParser : public IParser {
 public:
  std::unique_ptr<TNodeTree> ParseText(const QString& text) override;
  std::unique_ptr<TNodeTree> ParseText(const TStrings& lines) override;
  void AttachDynamicHandler(IDynamicNodeHandler* handler) override { m_handler = handler; }

 private:
  // Reads elements into `parent` until an end tag closes it or the text
  // ends; a begin tag of a span opens it and its elements go inside.
  void ParseNode(IElementEnumerator& elements, TParentNode* parent);
  // The node of a begin tag; a DYNAMIC node is filled at once.
  std::unique_ptr<TNode> MakeNode(const QString& tag);
  // Asks the handler for the node's content and parses it into the node.
  void ExpandDynamicNode(TDynamicNode* node);
  // Parses `text` with a parser of its own, without a handler, so DYNAMIC
  // tags in supplied text stay empty, and appends the top-level nodes.
  static void ParseIntoNode(TParentNode* node, const QString& text);

  IDynamicNodeHandler* m_handler = nullptr;
};
