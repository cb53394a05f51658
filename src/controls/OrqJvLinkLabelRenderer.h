// The renderer of the link label: walks a node tree in document order and
// feeds its text, styles, colours and breaks to a text handler.
//
// A full drawing shows every link in the normal link colour. A single link is
// drawn in the colour of its state by DrawArea on that link: its colour is
// its state's code, which MapColor turns into the configured colour.
#pragma once

#include "controls/OrqJvLinkLabelTextHandler.h"
#include "controls/OrqJvLinkLabelTree.h"

#include "toolkit/Canvas.h"

#include <QRect>

class IRenderer {
 public:
  virtual ~IRenderer() = default;
  // Draws the whole tree from the rectangle's top-left corner, then caches
  // the rectangles of the links in the root.
  virtual void DrawTree(TCanvas& canvas, const QRect& rect, TNodeTree& tree) = 0;
  // The same, but the text of `leftOut` is only laid out, not drawn, so
  // that a DrawArea of it in another colour draws on clean ground.
  virtual void DrawTreeLeavingOut(TCanvas& canvas, const QRect& rect, TNodeTree& tree, const TAreaNode* leftOut) = 0;
  // Lays out and draws one area again from its starting point, with the
  // wrapping of the last full drawing.
  virtual void DrawArea(TCanvas& canvas, const QRect& rect, TAreaNode* node) = 0;
  // The bottom of the text of the last drawing.
  virtual int GetTextHeight() const = 0;

  virtual TColor LinkColor() const = 0;
  virtual void SetLinkColor(TColor color) = 0;
  virtual TColor LinkColorClicked() const = 0;
  virtual void SetLinkColorClicked(TColor color) = 0;
  virtual TColor LinkColorHot() const = 0;
  virtual void SetLinkColorHot(TColor color) = 0;
  virtual TFontStyles LinkStyle() const = 0;
  virtual void SetLinkStyle(TFontStyles style) = 0;
};

class TDefaultRenderer : public IRenderer, public IStartingPosObserver {
 public:
  void DrawTree(TCanvas& canvas, const QRect& rect, TNodeTree& tree) override;
  void DrawTreeLeavingOut(TCanvas& canvas, const QRect& rect, TNodeTree& tree, const TAreaNode* leftOut) override;
  void DrawArea(TCanvas& canvas, const QRect& rect, TAreaNode* node) override;
  int GetTextHeight() const override { return m_textHeight; }

  TColor LinkColor() const override { return m_linkColor; }
  void SetLinkColor(TColor color) override { m_linkColor = color; }
  TColor LinkColorClicked() const override { return m_linkColorClicked; }
  void SetLinkColorClicked(TColor color) override { m_linkColorClicked = color; }
  TColor LinkColorHot() const override { return m_linkColorHot; }
  void SetLinkColorHot(TColor color) override { m_linkColorHot = color; }
  TFontStyles LinkStyle() const override { return m_linkStyle; }
  void SetLinkStyle(TFontStyles style) override { m_linkStyle = style; }

  // The three link codes become the configured link colours; any other
  // colour stays.
  TColor MapColor(TColor color) const;

  // A start watcher fired: the area starts here.
  void StartingPosUpdated(int x, int y, TAreaNode* node) override;

 private:
  // Walks the area's children with the given style and colour; every area
  // below records where its text starts.
  void DrawChildren(TAreaNode* area, TFontStyles style, TColor color);

  TColor m_linkColor = clBlue;
  TColor m_linkColorClicked = clRed;
  TColor m_linkColorHot = clPurple;
  TFontStyles m_linkStyle{TFontStyle::fsUnderline};
  int m_textHeight = 0;
  TTextHandler* m_handler = nullptr;
  const TAreaNode* m_leftOut = nullptr;
};
