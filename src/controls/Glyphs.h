// The small built-in pictures of the controls: the spin button's arrows, the
// drop-down arrow, and the pictures of the extended combo box's button bar.
// Each is made once from rows of characters and drawn transparently.
#pragma once

#include <QImage>

#include <initializer_list>

// A picture from rows of characters: '.' is transparent, '#' black,
// 'w' white, 'g' grey, 'd' dark grey, 'y' yellow, 'r' red, 'n' green,
// 'b' blue, 'o' olive. Every row has the picture's width.
QImage GlyphFromRows(std::initializer_list<const char*> rows);
// The same picture with every visible pixel in one colour.
QImage RecolorGlyph(const QImage& glyph, const QColor& color);

namespace Glyphs {
// The spin button's arrows: 6 x 6 for the diagonal button, 7 x 4 "poles"
// for the classic one (the down pole is also the drop-down arrow).
const QImage& SpinUp();
const QImage& SpinDown();
const QImage& SpinUpPole();
const QImage& SpinDownPole();
// The extended combo box's bar, 13 x 11 each: Edit, New, Delete, Up, Down,
// the disabled New and Delete, and the Pin button's strip of four states
// (up, disabled, pressed, down).
const QImage& ComboEdit();
const QImage& ComboNew();
const QImage& ComboNewDisabled();
const QImage& ComboDelete();
const QImage& ComboDeleteDisabled();
const QImage& ComboUp();
const QImage& ComboDown();
const QImage& ComboPins();
}  // namespace Glyphs
