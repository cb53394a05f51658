#include "toolkit/Canvas.h"

#include "toolkit/Bitmap.h"

#include <QFontMetrics>

#include <cstdlib>

const TClassInfo& TCanvas::StaticClass() {
  static const TClassInfo info("TCanvas", &TPersistent::StaticClass());
  return info;
}

TCanvas::TCanvas(QImage* image, std::function<void(const QRect&)> changed)
    : m_image(image),
      m_changed(std::move(changed)),
      m_pen(std::make_unique<TPen>()),
      m_brush(std::make_unique<TBrush>()),
      m_font(std::make_unique<TFont>()) {}

TCanvas::TCanvas(QPainter* painter)
    : m_painter(painter),
      m_pen(std::make_unique<TPen>()),
      m_brush(std::make_unique<TBrush>()),
      m_font(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

template <class F>
void TCanvas::Paint(const QRect& touched, F&& draw) {
  if (m_painter) {
    m_painter->save();
    draw(*m_painter);
    m_painter->restore();
    return;
  }
  if (!m_image || m_image->isNull()) return;
  {
    QPainter p(m_image);
    draw(p);
  }
  if (m_changed) m_changed(touched);
}

void TCanvas::ApplyMode(QPainter& p) const {
  switch (m_pen->Mode()) {
    case TPenMode::pmXor: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case TPenMode::pmNotXor: p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination); break;
    case TPenMode::pmNot: p.setCompositionMode(QPainter::RasterOp_NotDestination); break;
    case TPenMode::pmMask: p.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
    case TPenMode::pmMerge: p.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    default: p.setCompositionMode(QPainter::CompositionMode_SourceOver); break;
  }
}

void TCanvas::PreparePen(QPainter& p) const {
  p.setRenderHint(QPainter::Antialiasing, false);
  ApplyMode(p);
  QPen pen(ColorToQColor(m_pen->Color()));
  pen.setWidth(std::max(1, m_pen->Width()));
  switch (m_pen->Style()) {
    case TPenStyle::psClear: pen.setStyle(Qt::NoPen); break;
    case TPenStyle::psDash: pen.setStyle(Qt::DashLine); break;
    case TPenStyle::psDot: pen.setStyle(Qt::DotLine); break;
    case TPenStyle::psDashDot: pen.setStyle(Qt::DashDotLine); break;
    case TPenStyle::psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
  }
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
}

QBrush TCanvas::ToQBrush() const {
  if (!m_brush->Pattern().isNull()) return QBrush(m_brush->Pattern());
  const QColor c = ColorToQColor(m_brush->Color());
  switch (m_brush->Style()) {
    case TBrushStyle::bsClear: return QBrush(Qt::NoBrush);
    case TBrushStyle::bsHorizontal: return QBrush(c, Qt::HorPattern);
    case TBrushStyle::bsVertical: return QBrush(c, Qt::VerPattern);
    case TBrushStyle::bsFDiagonal: return QBrush(c, Qt::FDiagPattern);
    case TBrushStyle::bsBDiagonal: return QBrush(c, Qt::BDiagPattern);
    case TBrushStyle::bsCross: return QBrush(c, Qt::CrossPattern);
    case TBrushStyle::bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    default: return QBrush(c);
  }
}

void TCanvas::PrepareBrush(QPainter& p) const {
  p.setRenderHint(QPainter::Antialiasing, false);
  ApplyMode(p);
  p.setPen(Qt::NoPen);
  p.setBrush(ToQBrush());
}

QList<QPoint> LinePixels(const QPoint& from, const QPoint& to) {
  QList<QPoint> pixels;
  int x0 = from.x();
  int y0 = from.y();
  const int x1 = to.x();
  const int y1 = to.y();
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    pixels << QPoint(x0, y0);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
  return pixels;
}

void TCanvas::PlotPixels(const QList<QPoint>& pixels) {
  if (pixels.isEmpty() || m_pen->Style() == TPenStyle::psClear) return;
  // Dash patterns as pixel runs (on, off, ...).
  QList<int> pattern;
  switch (m_pen->Style()) {
    case TPenStyle::psDot: pattern = {1, 1}; break;
    case TPenStyle::psDash: pattern = {6, 2}; break;
    case TPenStyle::psDashDot: pattern = {6, 2, 1, 2}; break;
    case TPenStyle::psDashDotDot: pattern = {6, 2, 1, 2, 1, 2}; break;
    default: break;
  }
  QList<QPoint> drawn;
  if (pattern.isEmpty()) {
    drawn = pixels;
  } else {
    int period = 0;
    for (int n : pattern) period += n;
    for (int i = 0; i < pixels.size(); ++i) {
      int pos = i % period;
      for (int k = 0; k < pattern.size(); ++k) {
        if (pos < pattern[k]) {
          if (k % 2 == 0) drawn << pixels[i];
          break;
        }
        pos -= pattern[k];
      }
    }
  }
  QRect bounds;
  for (const QPoint& pt : drawn) bounds |= QRect(pt, QSize(1, 1));
  const QColor color = ColorToQColor(m_pen->Color());
  Paint(bounds, [&](QPainter& p) {
    ApplyMode(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (const QPoint& pt : drawn) p.drawRect(QRect(pt, QSize(1, 1)));
  });
}

void TCanvas::MoveTo(int x, int y) { m_penPos = QPoint(x, y); }

void TCanvas::LineTo(int x, int y) {
  const QPoint to(x, y);
  if (m_pen->Width() <= 1) {
    PlotPixels(LinePixels(m_penPos, to));
  } else {
    const QPoint from = m_penPos;
    Paint(QRect(from, to).normalized().adjusted(-m_pen->Width(), -m_pen->Width(), m_pen->Width(), m_pen->Width()),
          [&](QPainter& p) {
            PreparePen(p);
            p.drawLine(from, to);
          });
  }
  m_penPos = to;
}

void TCanvas::Polyline(const QList<QPoint>& points) {
  if (points.isEmpty()) return;
  QList<QPoint> pixels;
  for (int i = 1; i < points.size(); ++i) pixels += LinePixels(points[i - 1], points[i]);
  if (m_pen->Width() <= 1) {
    PlotPixels(pixels);
  } else {
    QRect bounds;
    for (const QPoint& pt : points) bounds |= QRect(pt, QSize(1, 1));
    Paint(bounds.adjusted(-m_pen->Width(), -m_pen->Width(), m_pen->Width(), m_pen->Width()), [&](QPainter& p) {
      PreparePen(p);
      p.drawPolyline(points.data(), static_cast<int>(points.size()));
    });
  }
  m_penPos = points.last();
}

void TCanvas::Rectangle(int l, int t, int r, int b) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  if (m_brush->Style() != TBrushStyle::bsClear || !m_brush->Pattern().isNull()) {
    const QRect inner(l + 1, t + 1, r - l - 2, b - t - 2);
    if (inner.isValid()) FillRect(inner);
  }
  if (m_pen->Style() == TPenStyle::psClear || r - l < 1 || b - t < 1) return;
  const int w = std::max(1, m_pen->Width());
  if (w == 1) {
    // The perimeter once, pixel by pixel, so that exclusive-or and dots work.
    QList<QPoint> pixels;
    pixels += LinePixels(QPoint(l, t), QPoint(r - 1, t));
    pixels += LinePixels(QPoint(r - 1, t), QPoint(r - 1, b - 1));
    pixels += LinePixels(QPoint(r - 1, b - 1), QPoint(l, b - 1));
    pixels += LinePixels(QPoint(l, b - 1), QPoint(l, t));
    if (pixels.isEmpty()) pixels << QPoint(l, t);
    PlotPixels(pixels);
    return;
  }
  // A wide pen is centred on the outline; the band is drawn as one region so
  // that no pixel is drawn twice.
  const int o = w / 2;
  const QRect outer(QPoint(l - o, t - o), QPoint(r - 1 - o + w - 1, b - 1 - o + w - 1));
  const QRect hole(QPoint(l - o + w, t - o + w), QPoint(r - 1 - o - 1, b - 1 - o - 1));
  QRegion band(outer);
  if (hole.isValid()) band -= QRegion(hole);
  const QColor color = ColorToQColor(m_pen->Color());
  Paint(outer, [&](QPainter& p) {
    ApplyMode(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (const QRect& piece : band) p.drawRect(piece);
  });
}

void TCanvas::FillRect(const QRect& rect) {
  if (!rect.isValid()) return;
  Paint(rect, [&](QPainter& p) {
    ApplyMode(p);
    p.fillRect(rect, ToQBrush());
  });
}

void TCanvas::FrameRect(const QRect& rect) {
  if (!rect.isValid()) return;
  const QColor color = ColorToQColor(m_brush->Color());
  QRegion band(rect);
  if (rect.width() > 2 && rect.height() > 2) band -= QRegion(rect.adjusted(1, 1, -1, -1));
  Paint(rect, [&](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (const QRect& piece : band) p.drawRect(piece);
  });
}

void TCanvas::DrawFocusRect(const QRect& rect) {
  if (!rect.isValid()) return;
  QList<QPoint> pixels;
  const int l = rect.left();
  const int t = rect.top();
  const int r = rect.left() + rect.width();
  const int b = rect.top() + rect.height();
  pixels += LinePixels(QPoint(l, t), QPoint(r - 1, t));
  pixels += LinePixels(QPoint(r - 1, t), QPoint(r - 1, b - 1));
  pixels += LinePixels(QPoint(r - 1, b - 1), QPoint(l, b - 1));
  pixels += LinePixels(QPoint(l, b - 1), QPoint(l, t));
  QList<QPoint> dots;
  for (int i = 0; i < pixels.size(); i += 2) dots << pixels[i];
  Paint(rect, [&](QPainter& p) {
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPoint& pt : dots) p.drawRect(QRect(pt, QSize(1, 1)));
  });
}

void TCanvas::Ellipse(const QRect& rect) {
  Paint(rect, [&](QPainter& p) {
    PreparePen(p);
    p.setBrush(ToQBrush());
    p.drawEllipse(rect.adjusted(0, 0, -1, -1));
  });
}

void TCanvas::Polygon(const QList<QPoint>& points) {
  QRect bounds;
  for (const QPoint& pt : points) bounds |= QRect(pt, QSize(1, 1));
  Paint(bounds, [&](QPainter& p) {
    PreparePen(p);
    p.setBrush(ToQBrush());
    p.drawPolygon(points.data(), static_cast<int>(points.size()));
  });
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  const QSize size = TextExtent(text);
  TextRect(QRect(QPoint(x, y), size), x, y, text);
  m_penPos = QPoint(x + size.width(), y);
}

void TCanvas::TextRect(const QRect& rect, int x, int y, const QString& text) {
  const QFont font = m_font->ToQFont();
  const QColor color = ColorToQColor(m_font->Color());
  const bool opaque = m_brush->Style() != TBrushStyle::bsClear;
  const QBrush background = ToQBrush();
  Paint(rect, [&](QPainter& p) {
    p.setClipRect(rect);
    if (opaque) p.fillRect(rect, background);
    p.setFont(font);
    p.setPen(color);
    const QFontMetrics fm(font);
    p.drawText(QPoint(x, y + fm.ascent()), text);
  });
}

void TCanvas::DrawText(const QRect& rect, const QString& text, int flags) {
  const QFont font = m_font->ToQFont();
  const QColor color = ColorToQColor(m_font->Color());
  Paint(rect, [&](QPainter& p) {
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, flags, text);
  });
}

int TCanvas::TextWidth(const QString& text) const { return TextExtent(text).width(); }
int TCanvas::TextHeight(const QString& text) const { return TextExtent(text).height(); }

QSize TCanvas::TextExtent(const QString& text) const {
  const QFontMetrics fm(m_font->ToQFont());
  return QSize(fm.horizontalAdvance(text), fm.height());
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) { graphic.Draw(*this, QRect(QPoint(x, y), graphic.Size())); }

void TCanvas::Draw(int x, int y, const QImage& image) {
  Paint(QRect(QPoint(x, y), image.size()), [&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
}

void TCanvas::StretchDraw(const QRect& rect, const QImage& image) {
  Paint(rect, [&](QPainter& p) { p.drawImage(rect, image); });
}

void TCanvas::CopyRect(const QRect& dest, const TCanvas& source, const QRect& sourceRect) {
  if (!source.m_image) return;
  const QImage part = source.m_image->copy(sourceRect);
  Paint(dest, [&](QPainter& p) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, part);
  });
}

void TCanvas::BrushCopy(const QRect& dest, const TBitmap& source, const QRect& sourceRect, TColor color) {
  QImage part = source.Image().copy(sourceRect).convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ColorToQColor(color).rgb() & 0xFFFFFF;
  const QRgb replacement = ColorToQColor(m_brush->Color()).rgba();
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x)
      if ((line[x] & 0xFFFFFF) == key) line[x] = replacement;
  }
  Paint(dest, [&](QPainter& p) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, part);
  });
}

TColor TCanvas::Pixel(int x, int y) const {
  if (!m_image || !m_image->valid(x, y)) return clNone;
  return QColorToColor(m_image->pixelColor(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (!m_image || !m_image->valid(x, y)) return;
  m_image->setPixelColor(x, y, ColorToQColor(color));
  if (m_changed) m_changed(QRect(x, y, 1, 1));
}
