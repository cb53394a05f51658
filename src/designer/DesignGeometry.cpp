#include "designer/DesignGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

int ClampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

TDesignRect TDesignRect::FromBounds(int left, int top, int width, int height) {
  return {left, top, int64_t{left} + width, int64_t{top} + height};
}

TDesignRect TDesignRect::Normalized() const {
  TDesignRect r = *this;
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

bool TDesignRect::Touches(const TDesignRect& o) const {
  return Left <= o.Right && o.Left <= Right && Top <= o.Bottom && o.Top <= Bottom;
}

QRect TDesignRect::ToBounds() const {
  return QRect(ClampToInt(Left), ClampToInt(Top), ClampToInt(Right - Left), ClampToInt(Bottom - Top));
}

QPoint HandleOrigin(THandleMode mode, THandlePosition position, const QRect& bounds) {
  const int64_t s = mode == THandleMode::hmSingle ? 2 : 0;
  const int64_t l = bounds.left();
  const int64_t t = bounds.top();
  const int64_t w = bounds.width();
  const int64_t h = bounds.height();
  int64_t x = l - s;
  int64_t y = t - s;
  switch (position) {
    case THandlePosition::hpTop:
    case THandlePosition::hpBottom: x = l + w / 2 - 2; break;
    case THandlePosition::hpTopRight:
    case THandlePosition::hpRight:
    case THandlePosition::hpBottomRight: x = l + w - kHandleSize + s; break;
    default: break;
  }
  switch (position) {
    case THandlePosition::hpLeft:
    case THandlePosition::hpRight: y = t + h / 2 - 2; break;
    case THandlePosition::hpBottomLeft:
    case THandlePosition::hpBottom:
    case THandlePosition::hpBottomRight: y = t + h - kHandleSize + s; break;
    default: break;
  }
  return QPoint(ClampToInt(x), ClampToInt(y));
}

bool HandleShows(THandleMode mode, THandlePosition position) {
  switch (mode) {
    case THandleMode::hmSingle: return true;
    case THandleMode::hmMulti: return static_cast<int>(position) % 2 == 0;
    default: return false;
  }
}

int64_t RoundDivEven(int64_t a, int64_t b) {
  int64_t q = a / b;
  int64_t r = a % b;
  if (r < 0) {
    --q;
    r += b;
  }
  if (2 * r > b || (2 * r == b && q % 2 != 0)) ++q;
  return q;
}

int SnapCoordinate(int start, int64_t travelled, int step, bool snap, bool locked) {
  if (locked) return start;
  if (!snap || step <= 0) return ClampToInt(start + travelled);
  return ClampToInt(start + step * RoundDivEven(travelled, step));
}

int AlignToGrid(int value, int step, int scroll) {
  if (step <= 0) return value;
  return ClampToInt((int64_t{scroll} + value) / step * step - scroll);
}

TDesignRect ResizedRect(const TDesignRect& bounds, THandlePosition position, int64_t dx, int64_t dy) {
  TDesignRect r = bounds;
  switch (position) {
    case THandlePosition::hpTopLeft:
      r.Left += dx;
      r.Top += dy;
      break;
    case THandlePosition::hpTop: r.Top += dy; break;
    case THandlePosition::hpTopRight:
      r.Right += dx;
      r.Top += dy;
      break;
    case THandlePosition::hpRight: r.Right += dx; break;
    case THandlePosition::hpBottomRight:
      r.Right += dx;
      r.Bottom += dy;
      break;
    case THandlePosition::hpBottom: r.Bottom += dy; break;
    case THandlePosition::hpBottomLeft:
      r.Left += dx;
      r.Bottom += dy;
      break;
    case THandlePosition::hpLeft: r.Left += dx; break;
  }
  return r.Normalized();
}

namespace {

// A quarter turn (x, y) -> (-y, x): the rectangle (L, T, R, B) becomes
// (-B, L, -T, R).
TDesignRect QuarterTurn(const TDesignRect& r) { return {-r.Bottom, r.Left, -r.Top, r.Right}; }

// Turns a rectangle so that the direction becomes "left".
TDesignRect TurnedToLeft(TDesignRect r, TArrowDirection direction) {
  int turns = 0;
  switch (direction) {
    case TArrowDirection::Left: turns = 0; break;
    case TArrowDirection::Up: turns = 3; break;
    case TArrowDirection::Right: turns = 2; break;
    case TArrowDirection::Down: turns = 1; break;
  }
  for (int i = 0; i < turns; ++i) r = QuarterTurn(r);
  return r;
}

}  // namespace

std::optional<double> ArrowDistance(const TDesignRect& primary, const TDesignRect& candidate,
                                    TArrowDirection direction) {
  const TDesignRect r = TurnedToLeft(primary, direction);
  const TDesignRect c = TurnedToLeft(candidate, direction);
  const int64_t py = (r.Top + r.Bottom) / 2;
  const int64_t nearestY = std::clamp(py, c.Top, c.Bottom);
  if (c.Right < r.Left) {
    const int64_t gap = r.Left - c.Right;
    if (c.Bottom < r.Top && r.Top - c.Bottom > gap) return std::nullopt;
    if (c.Top > r.Bottom && c.Top - r.Bottom > gap) return std::nullopt;
    return std::hypot(static_cast<double>(gap), static_cast<double>(py - nearestY));
  }
  const bool overlaps = c.Left <= r.Right && c.Bottom >= r.Top && c.Top <= r.Bottom;
  if (!overlaps || (c.Left + c.Right) / 2 >= (r.Left + r.Right) / 2) return std::nullopt;
  // Overlapping on the near side: as far as the primary control's middle
  // row lies outside the candidate's rows, 0 when inside.
  return static_cast<double>(std::abs(py - nearestY));
}
