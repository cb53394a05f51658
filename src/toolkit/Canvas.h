// The drawing surface of a control while it paints, of a bitmap, or of an
// overlay over a container. Coordinates follow the toolkit's rules: a line
// excludes its end pixel, Rectangle and FillRect exclude the right and
// bottom edges.
#pragma once

#include "toolkit/Graphics.h"

#include <QPainter>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>

class TBitmap;
class TGraphic;

class TCanvas : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // A canvas that draws on an image; `changed` hears of every touched area.
  explicit TCanvas(QImage* image, std::function<void(const QRect&)> changed = {});
  // A canvas that draws through a painter that is open while a control paints.
  explicit TCanvas(QPainter* painter);
  ~TCanvas() override;

  TPen& Pen() { return *m_pen; }
  TBrush& Brush() { return *m_brush; }
  TFont& Font() { return *m_font; }
  QPoint PenPos() const { return m_penPos; }
  void SetPenPos(const QPoint& p) { m_penPos = p; }

  void MoveTo(int x, int y);
  // Draws from the pen position to (x, y) without the pixel at (x, y).
  void LineTo(int x, int y);
  void Polyline(const QList<QPoint>& points);
  // Fills with the brush and outlines with the pen; pixels from (l, t) to
  // (r - 1, b - 1).
  void Rectangle(int l, int t, int r, int b);
  void Rectangle(const QRect& r) { Rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
  // Fills with the brush, right and bottom excluded.
  void FillRect(const QRect& rect);
  // A one-pixel border in the brush colour.
  void FrameRect(const QRect& rect);
  // A dotted rectangle drawn with exclusive-or: drawing it twice removes it.
  void DrawFocusRect(const QRect& rect);
  void Ellipse(const QRect& rect);
  void Polygon(const QList<QPoint>& points);
  // Text with its top-left corner at (x, y); the brush fills behind it
  // unless its style is bsClear.
  void TextOut(int x, int y, const QString& text);
  // Text at (x, y), clipped to `rect`, which the brush fills first.
  void TextRect(const QRect& rect, int x, int y, const QString& text);
  // Text laid out in a rectangle with Qt alignment and wrap flags, in the
  // canvas font and its colour, without background.
  void DrawText(const QRect& rect, const QString& text, int flags);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;
  QSize TextExtent(const QString& text) const;
  void Draw(int x, int y, const TGraphic& graphic);
  void Draw(int x, int y, const QImage& image);
  void StretchDraw(const QRect& rect, const QImage& image);
  void CopyRect(const QRect& dest, const TCanvas& source, const QRect& sourceRect);
  // Copies `sourceRect` of `source` to `dest`, every pixel of `color` replaced
  // by the brush colour.
  void BrushCopy(const QRect& dest, const TBitmap& source, const QRect& sourceRect, TColor color);
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  // The image this canvas draws on, when it draws on one.
  const QImage* Image() const { return m_image; }

 private:
  template <class F>
  void Paint(const QRect& touched, F&& draw);
  void PreparePen(QPainter& p) const;
  void PrepareBrush(QPainter& p) const;
  void ApplyMode(QPainter& p) const;
  void PlotPixels(const QList<QPoint>& pixels);
  QBrush ToQBrush() const;

  QImage* m_image = nullptr;
  QPainter* m_painter = nullptr;
  std::function<void(const QRect&)> m_changed;
  std::unique_ptr<TPen> m_pen;
  std::unique_ptr<TBrush> m_brush;
  std::unique_ptr<TFont> m_font;
  QPoint m_penPos;
};

// The pixels of a line from `from` to `to` with `to` excluded (Bresenham).
QList<QPoint> LinePixels(const QPoint& from, const QPoint& to);
