#include "toolkit/Cursors.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

Qt::CursorShape CursorShape(TCursor cursor) {
  switch (cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

TIdentMap CursorIdents() {
  static const TIdentMapEntry map[] = {
      {crDefault, "crDefault"},     {crArrow, "crArrow"},         {crCross, "crCross"},
      {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},   {crSizeNS, "crSizeNS"},
      {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},       {crUpArrow, "crUpArrow"},
      {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},           {crNoDrop, "crNoDrop"},
      {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},       {crMultiDrag, "crMultiDrag"},
      {crSQLWait, "crSQLWait"},     {crNo, "crNo"},               {crAppStart, "crAppStart"},
      {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
      {crSizeAll, "crSize"},
  };
  return map;
}

QSize CursorPictureSize() { return QSize(24, 24); }

namespace {

// The pictures are drawn on a grid of 16 units scaled to the picture size.
constexpr double kGrid = 16.0;

void Arrow(QPainter& p, QPointF at, double scale = 1.0) {
  const QPointF points[] = {{0, 0}, {0, 11}, {3, 8}, {5, 12}, {7, 11}, {5, 7}, {9, 7}};
  QPolygonF polygon;
  for (const QPointF& q : points) polygon << at + q * scale;
  p.drawPolygon(polygon);
}

void Hourglass(QPainter& p, QRectF r) {
  const QPolygonF glass({r.topLeft(), r.topRight(), r.center(), r.bottomRight(), r.bottomLeft(), r.center()});
  p.drawPolygon(glass);
}

void NoSign(QPainter& p, QPointF centre, double radius) {
  QPen pen(Qt::black, radius / 3.5);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius, radius);
  const double d = radius * 0.7;
  p.drawLine(centre + QPointF(-d, -d), centre + QPointF(d, d));
}

// A double-headed arrow along the line from a to b.
void DoubleArrow(QPainter& p, QPointF a, QPointF b) {
  const QPointF dir = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
  const QPointF side(-dir.y(), dir.x());
  p.setPen(QPen(Qt::black, 1.5));
  p.drawLine(a + dir * 2, b - dir * 2);
  p.setPen(QPen(Qt::white, 0.5));
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF({a, a + dir * 4 + side * 3, a + dir * 4 - side * 3}));
  p.drawPolygon(QPolygonF({b, b - dir * 4 + side * 3, b - dir * 4 - side * 3}));
}

void Split(QPainter& p, bool horizontal) {
  p.save();
  if (!horizontal) {
    p.translate(kGrid, 0);
    p.rotate(90);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(QRectF(6, 2, 1.5, 12));
  p.drawRect(QRectF(8.5, 2, 1.5, 12));
  DoubleArrow(p, QPointF(1, 8), QPointF(15, 8));
  p.restore();
}

}  // namespace

QImage CursorPicture(TCursor cursor) {
  const bool known = cursor != crNone && cursor <= 0 && cursor >= crSizeAll && cursor != -5;
  if (!known) return QImage();
  const QSize size = CursorPictureSize();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / kGrid, size.height() / kGrid);
  p.setPen(QPen(Qt::white, 0.8));
  p.setBrush(Qt::black);
  switch (cursor) {
    case crCross:
      p.setPen(QPen(Qt::black, 1.2));
      p.drawLine(QPointF(8, 1), QPointF(8, 15));
      p.drawLine(QPointF(1, 8), QPointF(15, 8));
      break;
    case crIBeam:
      p.setPen(QPen(Qt::black, 1.2));
      p.drawLine(QPointF(8, 2), QPointF(8, 14));
      p.drawLine(QPointF(5.5, 2), QPointF(10.5, 2));
      p.drawLine(QPointF(5.5, 14), QPointF(10.5, 14));
      break;
    case crSizeNESW: DoubleArrow(p, QPointF(14, 2), QPointF(2, 14)); break;
    case crSizeNS: DoubleArrow(p, QPointF(8, 1), QPointF(8, 15)); break;
    case crSizeNWSE: DoubleArrow(p, QPointF(2, 2), QPointF(14, 14)); break;
    case crSizeWE: DoubleArrow(p, QPointF(1, 8), QPointF(15, 8)); break;
    case crSizeAll:
      DoubleArrow(p, QPointF(8, 1), QPointF(8, 15));
      DoubleArrow(p, QPointF(1, 8), QPointF(15, 8));
      break;
    case crUpArrow:
      p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(13, 7), QPointF(10, 7), QPointF(10, 15), QPointF(6, 15),
                               QPointF(6, 7), QPointF(3, 7)}));
      break;
    case crHourGlass:
    case crSQLWait:
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(Qt::white);
      Hourglass(p, QRectF(4, 2, 8, 12));
      p.drawLine(QPointF(3, 2), QPointF(13, 2));
      p.drawLine(QPointF(3, 14), QPointF(13, 14));
      if (cursor == crSQLWait) {
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(10, 10, 5, 5));
      }
      break;
    case crDrag:
    case crMultiDrag:
      Arrow(p, QPointF(1, 1), 0.9);
      p.setPen(QPen(Qt::black, 0.8));
      p.setBrush(Qt::white);
      if (cursor == crMultiDrag) p.drawRect(QRectF(10, 8, 5, 6));
      p.drawRect(QRectF(8, 10, 5, 5));
      break;
    case crNoDrop:
      Arrow(p, QPointF(1, 1), 0.9);
      NoSign(p, QPointF(11, 11), 3.5);
      break;
    case crNo: NoSign(p, QPointF(8, 8), 6); break;
    case crHSplit: Split(p, true); break;
    case crVSplit: Split(p, false); break;
    case crAppStart:
      Arrow(p, QPointF(1, 1));
      p.setPen(QPen(Qt::black, 0.8));
      p.setBrush(Qt::white);
      Hourglass(p, QRectF(10, 8, 5, 7));
      break;
    case crHelp: {
      Arrow(p, QPointF(1, 1));
      QFont font;
      font.setPixelSize(8);
      font.setBold(true);
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(QRectF(9, 7, 7, 9), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case crHandPoint:
      p.setPen(QPen(Qt::black, 0.9));
      p.setBrush(Qt::white);
      p.drawRoundedRect(QRectF(5.5, 1, 2.5, 9), 1.2, 1.2);        // the pointing finger
      p.drawRoundedRect(QRectF(4, 7, 9, 8), 2, 2);                // the hand
      p.drawLine(QPointF(8, 8), QPointF(8, 10.5));
      p.drawLine(QPointF(10.5, 8), QPointF(10.5, 10.5));
      break;
    default: Arrow(p, QPointF(3, 1)); break;  // crDefault, crArrow
  }
  return image;
}
