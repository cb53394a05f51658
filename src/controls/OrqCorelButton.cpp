#include "controls/OrqCorelButton.h"

#include "toolkit/SystemLook.h"

#include <QCursor>

namespace {

// A rectangle as its left, top, right and bottom edges, right and bottom
// outside it.
struct Edges {
  int l, t, r, b;
  QRect Rect() const { return QRect(l, t, r - l, b - t); }
  void Inflate(int d) {
    l -= d;
    t -= d;
    r += d;
    b += d;
  }
};

void Line(TCanvas& canvas, TColor color, std::initializer_list<QPoint> points) {
  canvas.Pen().SetColor(color);
  auto p = points.begin();
  canvas.MoveTo(p->x(), p->y());
  for (++p; p != points.end(); ++p) canvas.LineTo(p->x(), p->y());
}

// Light on the left and top, dark on the right and bottom.
void ThinBorder(TCanvas& canvas, const Edges& e, TColor topLeft, TColor bottomRight) {
  Line(canvas, topLeft, {{e.l, e.b - 2}, {e.l, e.t}, {e.r - 1, e.t}});
  Line(canvas, bottomRight, {{e.r - 1, e.t}, {e.r - 1, e.b - 1}, {e.l - 1, e.b - 1}});
}

}  // namespace

const TClassInfo& TCorelButton::StaticClass() {
  static const TClassInfo info("TCorelButton", &TButton::StaticClass(),
                               [](TClassInfo& c) { Publisher<TCorelButton>(c).Creatable(); });
  return info;
}

TCorelButton::TCorelButton(TComponent* owner) : TButton(owner) { SetOwnerDraw(!ThemesEnabled()); }

bool TCorelButton::ThemesEnabled() { return ::ThemesEnabled(); }

void TCorelButton::SetThemesEnabled(bool value) { ::SetThemesEnabled(value); }

bool TCorelButton::WndProc(TMessage& message) {
  switch (message.Kind) {
    case TMessageKind::MouseDblClick:
      if (message.Button == TMouseButton::mbLeft) {
        // Passed on as a press: the button goes down again and its release
        // clicks a second time.
        message.Kind = TMessageKind::MouseDown;
        message.Shift.Exclude(TShiftStateFlag::ssDouble);
      }
      break;
    case TMessageKind::MouseEnter:
      if (!m_hot) Invalidate();
      break;
    case TMessageKind::MouseLeave:
      if (m_hot) Invalidate();
      break;
    default:
      break;
  }
  return TButton::WndProc(message);
}

void TCorelButton::DrawButton(TCanvas& canvas, const TButtonDrawState& state) {
  m_hot = QRect(ClientToScreen(QPoint(0, 0)), QSize(Width(), Height())).contains(QCursor::pos());
  Edges r{0, 0, ClientWidth(), ClientHeight()};
  canvas.Brush().SetColor(clBtnFace);
  if (Active() || state.focused) {
    canvas.Pen().SetColor(clWindowText);
    canvas.Rectangle(r.l, r.t, r.r, r.b);
    r.Inflate(-1);
  }
  canvas.FillRect(r.Rect());
  if (m_hot) {
    Line(canvas, clWindowText, {{r.r - 1, r.t}, {r.r - 1, r.b - 1}, {r.l - 1, r.b - 1}});
    Line(canvas, clBtnHighlight, {{r.l, r.b - 2}, {r.l, r.t}, {r.r - 1, r.t}});
    Line(canvas, clBtnShadow, {{r.r - 2, r.t + 1}, {r.r - 2, r.b - 2}, {r.l, r.b - 2}});
  } else {
    ThinBorder(canvas, r, clBtnHighlight, clBtnShadow);
  }
  if (state.pressed) {
    canvas.FillRect(r.Rect());
    ThinBorder(canvas, r, clBtnShadow, clBtnHighlight);
  }
  if (Active() && state.focused) {
    r.Inflate(-3);
    canvas.DrawFocusRect(r.Rect());
  }
  QRect text = r.Rect();
  if (state.pressed) text.translate(1, 1);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  if (state.enabled) {
    canvas.Font().SetColor(clBtnText);
    canvas.DrawText(text, Caption(), flags);
  } else {
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text.translated(1, 1), Caption(), flags);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, Caption(), flags);
  }
}
