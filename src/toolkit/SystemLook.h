// The host's look as controls measure and draw it: whether visual themes are
// in use, and the system metrics that sizes are computed from.
#pragma once

#include <QImage>

#include <functional>

class QPainter;
class QStyle;
class TFont;

// True when the application style is a themed one (anything but Qt's classic
// "Windows" style). Decided once; tests and callers may set it.
bool ThemesEnabled();
void SetThemesEnabled(bool value);

// Width of a vertical scroll bar in the application style.
int VerticalScrollBarWidth();
// Width of a combo box's drop-down button inside a two-pixel border: the
// scroll bar's width in the classic look, the themed combo box's own in a
// themed one.
int DropDownButtonWidth();
// Height of a thin window border: one pixel.
int BorderHeight();
// Height of a line of text in a font (ascent, descent and leading as the
// font metrics give them).
int FontTextHeight(const TFont& font);
// Height of a line of text in the system font.
int SystemFontTextHeight();

// A picture of `size` drawn by the application style: themed parts are
// painted into it and the canvas draws the picture. Transparent where the
// style leaves the picture untouched.
QImage StylePicture(const QSize& size, const std::function<void(QPainter& painter, QStyle& style)>& draw);
