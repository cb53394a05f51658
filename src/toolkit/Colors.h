// Colours: 32-bit values with red in the lowest byte, then green, then blue.
// Values with the top byte 0xFF name system colours by index and follow the
// application palette.
#pragma once

#include "toolkit/IdentMap.h"

#include <QColor>

#include <cstdint>

using TColor = int32_t;

constexpr TColor kSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clScrollBar = kSystemColor | 0;
constexpr TColor clBackground = kSystemColor | 1;
constexpr TColor clActiveCaption = kSystemColor | 2;
constexpr TColor clInactiveCaption = kSystemColor | 3;
constexpr TColor clMenu = kSystemColor | 4;
constexpr TColor clWindow = kSystemColor | 5;
constexpr TColor clWindowFrame = kSystemColor | 6;
constexpr TColor clMenuText = kSystemColor | 7;
constexpr TColor clWindowText = kSystemColor | 8;
constexpr TColor clCaptionText = kSystemColor | 9;
constexpr TColor clActiveBorder = kSystemColor | 10;
constexpr TColor clInactiveBorder = kSystemColor | 11;
constexpr TColor clAppWorkSpace = kSystemColor | 12;
constexpr TColor clHighlight = kSystemColor | 13;
constexpr TColor clHighlightText = kSystemColor | 14;
constexpr TColor clBtnFace = kSystemColor | 15;
constexpr TColor clBtnShadow = kSystemColor | 16;
constexpr TColor clGrayText = kSystemColor | 17;
constexpr TColor clBtnText = kSystemColor | 18;
constexpr TColor clInactiveCaptionText = kSystemColor | 19;
constexpr TColor clBtnHighlight = kSystemColor | 20;
constexpr TColor cl3DDkShadow = kSystemColor | 21;
constexpr TColor cl3DLight = kSystemColor | 22;
constexpr TColor clInfoText = kSystemColor | 23;
constexpr TColor clInfoBk = kSystemColor | 24;
constexpr TColor clHotLight = kSystemColor | 26;
constexpr TColor clGradientActiveCaption = kSystemColor | 27;
constexpr TColor clGradientInactiveCaption = kSystemColor | 28;
constexpr TColor clMenuHighlight = kSystemColor | 29;
constexpr TColor clMenuBar = kSystemColor | 30;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour, system colours resolved from the palette.
QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor& color);
// The plain RGB value (system colours resolved), red in the lowest byte.
TColor ColorToRGB(TColor color);

// The colour names a user reads and types: the 20 fixed colours, then the
// system colours with clDefault and clNone among them, in that order.
TIdentMap ColorIdents();
