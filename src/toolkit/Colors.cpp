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
    case 27: return p.color(QPalette::Active, QPalette::Highlight).lighter(140);    // gradient of the active caption
    case 28: return p.color(QPalette::Inactive, QPalette::Highlight).lighter(160);  // gradient of an inactive caption
    case 29: return p.color(QPalette::Highlight);                                   // menu highlight
    case 30: return p.color(QPalette::Window);                                      // menu bar
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

TIdentMap ColorIdents() {
  static const TIdentMapEntry map[] = {
      {clBlack, "clBlack"},
      {clMaroon, "clMaroon"},
      {clGreen, "clGreen"},
      {clOlive, "clOlive"},
      {clNavy, "clNavy"},
      {clPurple, "clPurple"},
      {clTeal, "clTeal"},
      {clGray, "clGray"},
      {clSilver, "clSilver"},
      {clRed, "clRed"},
      {clLime, "clLime"},
      {clYellow, "clYellow"},
      {clBlue, "clBlue"},
      {clFuchsia, "clFuchsia"},
      {clAqua, "clAqua"},
      {clWhite, "clWhite"},
      {clMoneyGreen, "clMoneyGreen"},
      {clSkyBlue, "clSkyBlue"},
      {clCream, "clCream"},
      {clMedGray, "clMedGray"},
      {clActiveBorder, "clActiveBorder"},
      {clActiveCaption, "clActiveCaption"},
      {clAppWorkSpace, "clAppWorkSpace"},
      {clBackground, "clBackground"},
      {clBtnFace, "clBtnFace"},
      {clBtnHighlight, "clBtnHighlight"},
      {clBtnShadow, "clBtnShadow"},
      {clBtnText, "clBtnText"},
      {clCaptionText, "clCaptionText"},
      {clDefault, "clDefault"},
      {clGradientActiveCaption, "clGradientActiveCaption"},
      {clGradientInactiveCaption, "clGradientInactiveCaption"},
      {clGrayText, "clGrayText"},
      {clHighlight, "clHighlight"},
      {clHighlightText, "clHighlightText"},
      {clHotLight, "clHotLight"},
      {clInactiveBorder, "clInactiveBorder"},
      {clInactiveCaption, "clInactiveCaption"},
      {clInactiveCaptionText, "clInactiveCaptionText"},
      {clInfoBk, "clInfoBk"},
      {clInfoText, "clInfoText"},
      {clMenu, "clMenu"},
      {clMenuBar, "clMenuBar"},
      {clMenuHighlight, "clMenuHighlight"},
      {clMenuText, "clMenuText"},
      {clNone, "clNone"},
      {clScrollBar, "clScrollBar"},
      {cl3DDkShadow, "cl3DDkShadow"},
      {cl3DLight, "cl3DLight"},
      {clWindow, "clWindow"},
      {clWindowFrame, "clWindowFrame"},
      {clWindowText, "clWindowText"},
  };
  return map;
}
