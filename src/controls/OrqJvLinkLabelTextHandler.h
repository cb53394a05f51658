// The layout of link label text: pieces of text are queued with their style
// and colour, and each flush lays the queue into a rectangle, wrapping at
// spaces, and draws it on a canvas.
//
// Pieces that do not begin or end with a space wait in the queue, so that a
// word made of several pieces ("a <b>bold</b>word") is measured in its first
// piece as a whole, wraps as a whole, and the later pieces draw their first
// word where the previous piece ended. Word widths are measured once per
// string node and kept in the node's word cache, so a later drawing of the
// same text repeats the wrapping exactly without measuring again.
//
// The rectangle's right edge is left + width: a line wraps before a word
// whose end would reach it.
#pragma once

#include "controls/OrqJvLinkLabelTree.h"

#include "toolkit/Canvas.h"
#include "toolkit/SysUtils.h"

#include <QRect>
#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

VORNIK_EXCEPTION(ETextHandlerError, Exception);

// The words of one text. A word runs from the position up to and including
// the next space character (only the space separates words); the last word
// has no space. Asking past the end raises ETextHandlerError
// "TWordEnumerator.GetNext: No more words to return".
class TWordEnumerator {
 public:
  explicit TWordEnumerator(QString text) : m_text(std::move(text)) {}

  // The next word, and moves past it.
  QString GetNext();
  // The next word without moving.
  QString LookNext() const;
  bool MoreWords() const { return m_pos < m_text.size(); }
  // The number of words GetNext has returned.
  int WordCount() const { return m_count; }

 private:
  qsizetype WordEnd() const;

  QString m_text;
  qsizetype m_pos = 0;
  int m_count = 0;
};

// Hears where the first text of an area node was placed.
class IStartingPosObserver {
 public:
  virtual void StartingPosUpdated(int x, int y, TAreaNode* node) = 0;

 protected:
  ~IStartingPosObserver() = default;
};

// The queued elements: a piece of text or a break.
class TParentTextElement {
 public:
  virtual ~TParentTextElement() = default;
};

class TStringElement : public TParentTextElement {
 public:
  TStringElement(TStringNode* node, TFontStyles style, TColor color) : Node(node), Style(style), Color(color) {}
  TStringNode* Node;
  TFontStyles Style;
  // clNone lays the text out without drawing it.
  TColor Color;
};

class TActionElement : public TParentTextElement {
 public:
  explicit TActionElement(TActionType action) : Action(action) {}
  TActionType Action;
};

using TTextElementList = std::vector<std::unique_ptr<TParentTextElement>>;

// A start watcher: the observer hears of the area node's start when the
// string node begins to be laid out.
struct TNodeObserver {
  IStartingPosObserver* Observer = nullptr;
  TAreaNode* Node = nullptr;
  TStringNode* StartNode = nullptr;
};
using TNodeObserverList = std::vector<TNodeObserver>;

class ITextHandler {
 public:
  virtual ~ITextHandler() = default;
  // Queues a piece of text; a leading space flushes the queue first, a
  // trailing space flushes it after.
  virtual void AddText(TStringNode* node, TFontStyles style, TColor color) = 0;
  virtual void LineBreak() = 0;
  virtual void ParagraphBreak() = 0;
  // Tells the observer where the first string node below the area starts.
  virtual void WatchStart(IStartingPosObserver* observer, TAreaNode* node) = 0;
  virtual bool IsBufferEmpty() const = 0;
  // Lays out and draws everything queued, then empties the queue.
  virtual void EmptyBuffer() = 0;
  // The bottom of the text so far: the current line's top plus the line height.
  virtual int TextHeight() const = 0;
};

class TTextHandler : public ITextHandler {
 public:
  // Lays text into `rect` on `canvas`, starting at (x, y). The line height is
  // the height of "fg" in the canvas font without style.
  TTextHandler(const QRect& rect, int x, int y, TCanvas& canvas);

  void AddText(TStringNode* node, TFontStyles style, TColor color) override;
  void LineBreak() override;
  void ParagraphBreak() override;
  void WatchStart(IStartingPosObserver* observer, TAreaNode* node) override;
  bool IsBufferEmpty() const override { return m_queue.empty(); }
  // A queued element that is neither text nor a break raises
  // ETextHandlerError "TTextHandler.EmptyBuffer: Unsupported
  // TParentTextElement descendant encountered".
  void EmptyBuffer() override;
  int TextHeight() const override { return m_y + m_lineHeight; }

  // Queues an element as it is.
  void AddElement(std::unique_ptr<TParentTextElement> element);

  int X() const { return m_x; }
  int Y() const { return m_y; }
  int LineHeight() const { return m_lineHeight; }

 private:
  void LayOutString(size_t index, const TStringElement& element);
  // The width of word `number` (1-based) of the string element at `index`,
  // with whatever words of the following pieces it continues into.
  TWordInfo MeasureWord(const QString& word, int number, bool lastWord, size_t index, TStringNode& node);
  void NotifyStart(TStringNode* node);
  // FirstNodeOfClass for string nodes, remembering every parent node the
  // search has settled on the way, so that the areas nested in one another
  // before a text are searched once in all rather than once each.
  TStringNode* FirstTextBelow(const TParentNode* node);
  // Draws a piece of a line and records where it lies.
  void PlaceLine(TStringNode* node, const QString& drawn, const QString& line, TColor color);
  int Right() const { return m_rect.left() + m_rect.width(); }

  QRect m_rect;
  int m_x;
  int m_y;
  TCanvas& m_canvas;
  int m_lineHeight;
  TTextElementList m_queue;
  // The watchers by the string node they wait for, each list in the order
  // the watchers came.
  std::unordered_map<const TStringNode*, TNodeObserverList> m_watchers;
  // The first string node below each parent node searched so far, or null.
  std::unordered_map<const TParentNode*, TStringNode*> m_firstText;
};
