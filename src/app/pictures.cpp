#include "app/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

QImage StarPicture() {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPolygonF star;
  const double cx = 9.5;
  const double cy = 10.3;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? 9.6 : 3.9;
    const double angle = -M_PI / 2 + i * M_PI / 5;
    star << QPointF(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
  }
  // Body, a lighter upper half, then the outline.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(104, 120, 152));
  p.drawPolygon(star);
  p.setClipRect(QRect(0, 0, 20, 10));
  p.setBrush(QColor(140, 156, 188));
  p.drawPolygon(star);
  p.setClipping(false);
  p.setPen(QColor(64, 76, 104));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(star);
  return image;
}

namespace {

void Floppy(QPainter& p) {
  p.setPen(QColor(30, 50, 90));
  p.setBrush(QColor(70, 110, 180));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 240, 240));
  p.drawRect(QRectF(4, 2, 8, 5));
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(4, 10, 8, 4.5));
  p.setBrush(QColor(30, 50, 90));
  p.drawRect(QRectF(9, 3, 2, 3));
}

}  // namespace

QImage ToolbarImage(ToolbarPicture picture) {
  QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (picture) {
    case ToolbarPicture::Open: {
      // An open folder.
      p.setPen(QColor(150, 110, 20));
      p.setBrush(QColor(240, 200, 90));
      p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(13.5, 5),
                               QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
      p.setBrush(QColor(255, 225, 130));
      p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
      break;
    }
    case ToolbarPicture::Save:
      Floppy(p);
      break;
    case ToolbarPicture::SaveAs: {
      Floppy(p);
      // A pencil across the corner.
      p.setPen(QPen(QColor(60, 40, 10), 1));
      p.setBrush(QColor(250, 190, 40));
      p.drawPolygon(QPolygonF({QPointF(9, 15), QPointF(8.5, 12.5), QPointF(14, 7), QPointF(16, 9),
                               QPointF(10.5, 14.5)}));
      break;
    }
    case ToolbarPicture::Reset: {
      // A circular arrow.
      p.setPen(QPen(QColor(30, 120, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 280 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(30, 120, 40));
      p.drawPolygon(QPolygonF({QPointF(4.5, 0.5), QPointF(9.5, 3.0), QPointF(5.0, 6.5)}));
      break;
    }
  }
  return image;
}
