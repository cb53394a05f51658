// The three-dimensional edges and pictures the controls draw their buttons
// and frames with.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Colors.h"
#include "toolkit/TypeInfo.h"

#include <QImage>

// Draws a two-pixel three-dimensional edge inside `rect`: raised (light top
// and left, dark bottom and right) or sunken, on the given sides. A soft
// edge puts the brightest colour outside on a raised edge and the darkest
// outside on a sunken one. The bottom and right lines include the corners.
enum class TEdgeSide { esLeft, esTop, esRight, esBottom };
using TEdgeSides = TSet<TEdgeSide>;
constexpr TEdgeSides kAllEdgeSides{TEdgeSide::esLeft, TEdgeSide::esTop, TEdgeSide::esRight, TEdgeSide::esBottom};
void DrawEdge3D(TCanvas& canvas, const QRect& rect, bool raised, bool soft, TEdgeSides sides = kAllEdgeSides);
// A one-pixel edge inside `rect`: light top and left and dark bottom and
// right when raised, the other way round when sunken.
void DrawThinEdge(TCanvas& canvas, const QRect& rect, bool raised);
// A picture as it is, or embossed in the highlight and shadow colours when
// disabled.
void DrawPicture(TCanvas& canvas, int x, int y, const QImage& picture, bool enabled);
