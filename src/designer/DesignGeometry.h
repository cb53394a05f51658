// The arithmetic of the designer, free of controls and windows: where grab
// handles sit, how the grid quantises a drag, the rectangle a resize handle
// makes, which control the arrow keys reach and which ones a rubber band
// meets. Sums and differences of bounds are taken in 64 bits, so no bounds a
// control can hold overflow them; results that become bounds again are
// limited to the 32-bit range.
#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <optional>

// Bounds as the designer computes with them: left, top, right, bottom, the
// right and bottom being left + width and top + height.
struct TDesignRect {
  int64_t Left = 0;
  int64_t Top = 0;
  int64_t Right = 0;
  int64_t Bottom = 0;

  static TDesignRect FromBounds(int left, int top, int width, int height);
  static TDesignRect FromQRect(const QRect& r) { return FromBounds(r.left(), r.top(), r.width(), r.height()); }
  int64_t Width() const { return Right - Left; }
  int64_t Height() const { return Bottom - Top; }
  // Left and right swapped when left > right, top and bottom likewise.
  TDesignRect Normalized() const;
  TDesignRect Translated(int64_t dx, int64_t dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  // Whether the two share a point; touching edges count.
  bool Touches(const TDesignRect& other) const;
  // As bounds of a control (left, top, width, height), each limited to 32 bits.
  QRect ToBounds() const;
  bool operator==(const TDesignRect&) const = default;
};

// A 64-bit value limited to the range of a 32-bit integer.
int ClampToInt(int64_t value);

// The two ways handles show: around a control selected alone (centred on
// its edges) and inside the corners of one of several.
enum class THandleMode : uint8_t { hmNone, hmSingle, hmMulti };
// Handle positions clockwise from the top-left corner.
enum class THandlePosition : uint8_t {
  hpTopLeft,
  hpTop,
  hpTopRight,
  hpRight,
  hpBottomRight,
  hpBottom,
  hpBottomLeft,
  hpLeft
};
constexpr int kHandleCount = 8;
constexpr int kHandleSize = 5;

// The top-left corner of a handle (in the control's parent) for a control
// with these bounds.
QPoint HandleOrigin(THandleMode mode, THandlePosition position, const QRect& bounds);
// Whether a handle shows in a mode: all eight around a single control, the
// four corners of one of several.
bool HandleShows(THandleMode mode, THandlePosition position);

// The integer nearest to a / b (b > 0), an exact half going to the even one.
int64_t RoundDivEven(int64_t a, int64_t b);
// One coordinate of the snapped pointer after it travelled `travelled`
// pixels from where the drag began: the start when the axis is locked; with
// the grid, the start moved by whole steps, as many as the distance rounded
// to the nearest (halves to the even count); otherwise the start moved by
// the distance. The grid quantises the distance travelled, not the position.
int SnapCoordinate(int start, int64_t travelled, int step, bool snap, bool locked);
// A start coordinate moved onto the grid of a surface scrolled by `scroll`:
// ((scroll + value) div step) * step - scroll, div dropping the remainder.
int AlignToGrid(int value, int step, int scroll);

// The rectangle a resize makes from a control's bounds when the handle at
// `position` travelled (dx, dy): the edges the handle holds move, the
// result normalised, so a handle dragged past the opposite edge mirrors the
// rectangle instead of giving it a negative size.
TDesignRect ResizedRect(const TDesignRect& bounds, THandlePosition position, int64_t dx, int64_t dy);

// Directions of the arrow keys.
enum class TArrowDirection { Left, Up, Right, Down };
// How far a candidate lies from the primary control in the direction of an
// arrow key, both in the same parent; nullopt when it is not in that
// direction. A candidate beyond the primary control's edge counts when its
// gap across the direction is not larger than its gap along it; one that
// overlaps the primary control counts when its middle lies on that side of
// the primary control's middle. The distance runs from the middle of the
// primary control's edge facing the direction to the nearest point of the
// candidate's facing edge.
std::optional<double> ArrowDistance(const TDesignRect& primary, const TDesignRect& candidate,
                                    TArrowDirection direction);
