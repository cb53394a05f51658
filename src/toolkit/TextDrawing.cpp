#include "toolkit/TextDrawing.h"

#include <QFontMetrics>

const TTypeInfo& TextLayoutType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TTextLayout", {"tlTop", "tlCenter", "tlBottom"});
  return info;
}

namespace {
int Flags(bool showAccelChar, bool wordWrap) {
  int flags = showAccelChar ? Qt::TextShowMnemonic : 0;
  if (wordWrap) flags |= Qt::TextWordWrap;
  return flags;
}

QString Shown(const QString& caption, bool showAccelChar) {
  if (caption.isEmpty() || (showAccelChar && caption == QLatin1String("&"))) return caption + QLatin1Char(' ');
  if (!showAccelChar) return QString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
  return caption;
}
}  // namespace

QSize MeasureCaption(const QFont& font, const QString& caption, bool showAccelChar, int wrapWidth) {
  const QFontMetrics fm(font);
  const QString text = Shown(caption, showAccelChar);
  if (wrapWidth > 0) {
    const QRect r = fm.boundingRect(QRect(0, 0, wrapWidth, 100000), Flags(true, true), text);
    return QSize(wrapWidth, std::max(r.height(), fm.height()));
  }
  const QRect r = fm.boundingRect(QRect(0, 0, 100000, 100000), Flags(true, false), text);
  return QSize(r.width(), std::max(r.height(), fm.height()));
}

void DrawCaption(TCanvas& canvas, const QRect& rect, const QString& caption, TAlignment alignment, TTextLayout layout,
                 bool wordWrap, bool showAccelChar, bool enabled) {
  int flags = Flags(true, wordWrap);
  switch (alignment) {
    case TAlignment::taRightJustify: flags |= Qt::AlignRight; break;
    case TAlignment::taCenter: flags |= Qt::AlignHCenter; break;
    default: flags |= Qt::AlignLeft; break;
  }
  switch (layout) {
    case TTextLayout::tlCenter: flags |= Qt::AlignVCenter; break;
    case TTextLayout::tlBottom: flags |= Qt::AlignBottom; break;
    default: flags |= Qt::AlignTop; break;
  }
  const QString text = Shown(caption, showAccelChar);
  if (enabled) {
    canvas.DrawText(rect, text, flags);
    return;
  }
  const TColor color = canvas.Font().Color();
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(rect.translated(1, 1), text, flags);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(rect, text, flags);
  canvas.Font().SetColor(color);
}

QChar AccessKey(const QString& caption) {
  for (int i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return caption[i + 1].toUpper();
  }
  return QChar();
}
