// Caption drawing shared by the label-like controls: "&" marks the access
// key (underlined), "&&" is a plain "&".
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"

#include <QPainter>

enum class TTextLayout { tlTop, tlCenter, tlBottom };
const TTypeInfo& TextLayoutType();

// The size a caption needs in a font: one line, or wrapped to `wrapWidth`
// when it is above 0. An empty caption measures like one space.
QSize MeasureCaption(const QFont& font, const QString& caption, bool showAccelChar, int wrapWidth);
// Draws a caption in the canvas font; a disabled caption is embossed.
void DrawCaption(TCanvas& canvas, const QRect& rect, const QString& caption, TAlignment alignment, TTextLayout layout,
                 bool wordWrap, bool showAccelChar, bool enabled);
// The access key of a caption ("&Original" gives 'O'), or a null character.
QChar AccessKey(const QString& caption);
