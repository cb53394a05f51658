#include "controls/OrqJvLinkLabelTools.h"

TStaticContainer::TStaticContainer() { throw EGenericToolsError(QStringLiteral("This class cannot be instantiated")); }

bool TStringTools::BeginsWith(const QString& text, const QString& prefix) {
  return text.startsWith(prefix, Qt::CaseSensitive);
}

bool TStringTools::EndsWith(const QString& text, const QString& suffix) {
  return text.endsWith(suffix, Qt::CaseSensitive);
}

QString TStringTools::RemoveCRLF(const QString& text) {
  QString result = text;
  result.remove(QStringLiteral("\r\n"));
  return result;
}

QString TStringTools::MultiStringReplace(const QString& text, const QString& from, const QString& to) {
  QString result = text;
  if (from.isEmpty()) return result;
  result.replace(from, to, Qt::CaseSensitive);
  // Further passes only while each one shortens the text, so they end.
  if (to.size() < from.size())
    while (result.contains(from, Qt::CaseSensitive)) result.replace(from, to, Qt::CaseSensitive);
  return result;
}

bool TGraphicTools::PointInRect(const QPoint& point, const QRect& rect) {
  return point.x() >= rect.left() && point.x() <= rect.right() && point.y() >= rect.top() &&
         point.y() <= rect.bottom();
}
