#include "toolkit/Colors.h"

#include <QApplication>
#include <QPalette>

namespace {

QColor SystemColor(int index) {
  const QPalette p = QApplication::palette();
  switch (index) {
    case 0: return p.color(QPalette::Button);            // scroll bar
    case 1: return p.color(QPalette::Dark);              // desktop
    case 2: return p.color(QPalette::Active, QPalette::Highlight);
    case 3: return p.color(QPalette::Inactive, QPalette::Highlight).lighter(130);
    case 4: return p.color(QPalette::Window);            // menu
    case 5: return p.color(QPalette::Base);              // window background
    case 6: return p.color(QPalette::Shadow);            // window frame
    case 7: return p.color(QPalette::WindowText);        // menu text
    case 8: return p.color(QPalette::Text);              // window text
    case 9: return p.color(QPalette::HighlightedText);   // caption text
    case 10:
    case 11: return p.color(QPalette::Window);
    case 12: return p.color(QPalette::Dark);
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);           // button face
    case 16: return p.color(QPalette::Dark);             // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text);
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Inactive, QPalette::WindowText);
    case 20: return p.color(QPalette::Light);            // button highlight
    case 21: return p.color(QPalette::Shadow);           // 3D dark shadow
    case 22: return p.color(QPalette::Midlight);         // 3D light
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    case 26: return p.color(QPalette::Link);
    default: return p.color(QPalette::Window);
  }
}

}  // namespace

QColor ColorToQColor(TColor color) {
  const uint32_t u = static_cast<uint32_t>(color);
  if ((u & 0xFF000000u) == 0xFF000000u) return SystemColor(static_cast<int>(u & 0xFF));
  if (color == clNone) return QColor(Qt::transparent);
  if (color == clDefault) return SystemColor(5);
  return QColor(static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF), static_cast<int>((u >> 16) & 0xFF));
}

TColor QColorToColor(const QColor& color) {
  return static_cast<TColor>(static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
                             (static_cast<uint32_t>(color.blue()) << 16));
}

TColor ColorToRGB(TColor color) { return QColorToColor(ColorToQColor(color)); }
