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
  // As a control's bounds: Left + Width and Top + Height within the 32-bit range.
  const int left = ClampToInt(Left);
  const int top = ClampToInt(Top);
  const int64_t width = std::min<int64_t>(Right - Left, int64_t{INT_MAX} - left);
  const int64_t height = std::min<int64_t>(Bottom - Top, int64_t{INT_MAX} - top);
  return QRect(left, top, ClampToInt(width), ClampToInt(height));
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
  // The whole handle lies within the 32-bit range.
  const int64_t last = int64_t{INT_MAX} - kHandleSize;
  return QPoint(ClampToInt(std::min(x, last)), ClampToInt(std::min(y, last)));
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

namespace {

// a div b rounded down (b > 0).
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0 && a < 0) ? 1 : 0); }

TDesignRect WithLeft(const TDesignRect& r, int64_t left) { return r.Translated(left - r.Left, 0); }
TDesignRect WithTop(const TDesignRect& r, int64_t top) { return r.Translated(0, top - r.Top); }

std::vector<TDesignRect> Distributed(const std::vector<TDesignRect>& rects, bool across) {
  const auto start = [across](const TDesignRect& r) { return across ? r.Left : r.Top; };
  const auto length = [across](const TDesignRect& r) { return across ? r.Width() : r.Height(); };
  std::vector<size_t> order(rects.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return start(rects[a]) < start(rects[b]); });
  const TDesignRect& first = rects[order.front()];
  const TDesignRect& last = rects[order.back()];
  int64_t free = start(last) + length(last) - start(first);
  for (const TDesignRect& r : rects) free -= length(r);
  const int64_t gaps = static_cast<int64_t>(rects.size()) - 1;
  const int64_t gap = FloorDiv(free, gaps);
  int64_t extra = free - gap * gaps;
  std::vector<TDesignRect> result = rects;
  int64_t at = start(first) + length(first);
  for (size_t k = 1; k + 1 < order.size(); ++k) {
    at += gap + (extra > 0 ? 1 : 0);
    if (extra > 0) --extra;
    const TDesignRect& r = rects[order[k]];
    result[order[k]] = across ? WithLeft(r, at) : WithTop(r, at);
    at += length(r);
  }
  return result;
}

}  // namespace

bool ArrangeMoves(TArrangeKind kind) {
  return kind != TArrangeKind::SameWidth && kind != TArrangeKind::SameHeight && kind != TArrangeKind::SameSize;
}

int ArrangeMinimum(TArrangeKind kind) {
  return kind == TArrangeKind::DistributeHorz || kind == TArrangeKind::DistributeVert ? 3 : 2;
}

std::vector<TDesignRect> Arranged(TArrangeKind kind, const std::vector<TDesignRect>& rects, size_t primary,
                                  const std::vector<bool>& fixed) {
  std::vector<TDesignRect> result;
  if (kind == TArrangeKind::DistributeHorz || kind == TArrangeKind::DistributeVert) {
    result = Distributed(rects, kind == TArrangeKind::DistributeHorz);
  } else {
    const TDesignRect& p = rects[primary];
    for (const TDesignRect& r : rects) {
      switch (kind) {
        case TArrangeKind::AlignLefts: result.push_back(WithLeft(r, p.Left)); break;
        case TArrangeKind::AlignRights: result.push_back(WithLeft(r, p.Right - r.Width())); break;
        case TArrangeKind::AlignTops: result.push_back(WithTop(r, p.Top)); break;
        case TArrangeKind::AlignBottoms: result.push_back(WithTop(r, p.Bottom - r.Height())); break;
        case TArrangeKind::AlignHorzCentres:
          result.push_back(WithLeft(r, p.Left + FloorDiv(p.Width() - r.Width(), 2)));
          break;
        case TArrangeKind::AlignVertCentres:
          result.push_back(WithTop(r, p.Top + FloorDiv(p.Height() - r.Height(), 2)));
          break;
        case TArrangeKind::SameWidth: result.push_back({r.Left, r.Top, r.Left + p.Width(), r.Bottom}); break;
        case TArrangeKind::SameHeight: result.push_back({r.Left, r.Top, r.Right, r.Top + p.Height()}); break;
        default: result.push_back({r.Left, r.Top, r.Left + p.Width(), r.Top + p.Height()}); break;
      }
    }
  }
  for (size_t i = 0; i < result.size(); ++i)
    if (i < fixed.size() && fixed[i]) result[i] = rects[i];
  return result;
}

namespace {

struct TAxisSnap {
  int64_t delta = 0;
  int64_t target = 0;
  // The extent, across the axis, of what was snapped to; none for the container.
  std::optional<std::pair<int64_t, int64_t>> across;
};

std::optional<TAxisSnap> SnapAxis(int64_t low, int64_t high, uint8_t parts, const std::vector<TDesignRect>& siblings,
                                  const TDesignRect& container, bool vertical) {
  std::optional<TAxisSnap> best;
  const int64_t mine[] = {low, FloorDiv(low + high, 2), high};
  // Edges pair with edges, the centre with centres.
  const auto consider = [&](int64_t target, bool centre, std::optional<std::pair<int64_t, int64_t>> across) {
    for (int i = 0; i < 3; ++i) {
      if (!(parts & (1 << i)) || (i == 1) != centre) continue;
      const int64_t delta = target - mine[i];
      if (delta > kSnapDistance || delta < -kSnapDistance) continue;
      if (!best || (delta < 0 ? -delta : delta) < (best->delta < 0 ? -best->delta : best->delta))
        best = TAxisSnap{delta, target, across};
    }
  };
  for (const TDesignRect& s : siblings) {
    const int64_t sLow = vertical ? s.Left : s.Top;
    const int64_t sHigh = vertical ? s.Right : s.Bottom;
    const auto across = vertical ? std::make_pair(s.Top, s.Bottom) : std::make_pair(s.Left, s.Right);
    consider(sLow, false, across);
    consider(FloorDiv(sLow + sHigh, 2), true, across);
    consider(sHigh, false, across);
  }
  consider(vertical ? container.Left : container.Top, false, std::nullopt);
  consider(vertical ? container.Right : container.Bottom, false, std::nullopt);
  return best;
}

}  // namespace

TSnap SnapToLines(const TDesignRect& rect, uint8_t xParts, uint8_t yParts, const std::vector<TDesignRect>& siblings,
                  const TDesignRect& container) {
  TSnap snap;
  const std::optional<TAxisSnap> x = SnapAxis(rect.Left, rect.Right, xParts, siblings, container, true);
  const std::optional<TAxisSnap> y = SnapAxis(rect.Top, rect.Bottom, yParts, siblings, container, false);
  if (x) snap.Dx = x->delta;
  if (y) snap.Dy = y->delta;
  const TDesignRect moved = rect.Translated(x ? x->delta : 0, y ? y->delta : 0).Normalized();
  if (x) {
    const auto [from, to] = x->across.value_or(std::make_pair(moved.Top, moved.Bottom));
    snap.Lines.push_back({true, x->target, std::min(from, moved.Top), std::max(to, moved.Bottom)});
  }
  if (y) {
    const auto [from, to] = y->across.value_or(std::make_pair(moved.Left, moved.Right));
    snap.Lines.push_back({false, y->target, std::min(from, moved.Left), std::max(to, moved.Right)});
  }
  return snap;
}
