#include "controls/EdgeDrawing.h"

#include "controls/Glyphs.h"

void DrawEdge3D(TCanvas& canvas, const QRect& rect, bool raised, bool soft, TEdgeSides sides) {
  struct Colors {
    TColor topLeft, bottomRight;
  };
  // Outer and inner lines of the two kinds.
  const Colors outer = raised ? Colors{soft ? clBtnHighlight : cl3DLight, cl3DDkShadow}
                              : Colors{soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
  const Colors inner = raised ? Colors{soft ? cl3DLight : clBtnHighlight, clBtnShadow}
                              : Colors{soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
  auto fill = [&canvas](TColor color, const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0) return;
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
  };
  QRect r = rect;
  for (const Colors& c : {outer, inner}) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const int l = r.left(), t = r.top(), w = r.width(), h = r.height();
    if (sides.Contains(TEdgeSide::esLeft)) fill(c.topLeft, QRect(l, t, 1, h - 1));
    if (sides.Contains(TEdgeSide::esTop)) fill(c.topLeft, QRect(l, t, w - 1, 1));
    if (sides.Contains(TEdgeSide::esRight)) fill(c.bottomRight, QRect(l + w - 1, t, 1, h));
    if (sides.Contains(TEdgeSide::esBottom)) fill(c.bottomRight, QRect(l, t + h - 1, w, 1));
    r = QRect(sides.Contains(TEdgeSide::esLeft) ? l + 1 : l, sides.Contains(TEdgeSide::esTop) ? t + 1 : t,
              w - (sides.Contains(TEdgeSide::esLeft) ? 1 : 0) - (sides.Contains(TEdgeSide::esRight) ? 1 : 0),
              h - (sides.Contains(TEdgeSide::esTop) ? 1 : 0) - (sides.Contains(TEdgeSide::esBottom) ? 1 : 0));
  }
}

void DrawThinEdge(TCanvas& canvas, const QRect& rect, bool raised) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  canvas.Brush().SetColor(raised ? clBtnHighlight : clBtnShadow);
  canvas.FillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1));
  canvas.FillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1));
  canvas.Brush().SetColor(raised ? clBtnShadow : clBtnHighlight);
  canvas.FillRect(QRect(rect.left() + rect.width() - 1, rect.top(), 1, rect.height()));
  canvas.FillRect(QRect(rect.left(), rect.top() + rect.height() - 1, rect.width(), 1));
}

void DrawPicture(TCanvas& canvas, int x, int y, const QImage& picture, bool enabled) {
  if (picture.isNull()) return;
  if (enabled) {
    canvas.Draw(x, y, picture);
    return;
  }
  canvas.Draw(x + 1, y + 1, RecolorGlyph(picture, ColorToQColor(clBtnHighlight)));
  canvas.Draw(x, y, RecolorGlyph(picture, ColorToQColor(clBtnShadow)));
}
