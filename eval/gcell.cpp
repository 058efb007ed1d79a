#include <algorithm>
#include <climits>
#include <iostream>

#include "eval/db.h"

namespace velmor {

namespace {

constexpr long long kTracksPerCell = 15;
constexpr long long kMaxCells = 100000000;

// Grid lines along one axis: half a step outside the first and last track,
// widened by whole steps over [lo, hi], a line every 15 tracks and the end
// line last; at least one cell. Without a step the widening has no measure.
struct Axis {
  long long start = 0, end = 0, cell = 0, cells = 0;

  EvalStatus span(const Track& t, long long lo, long long hi, EvalStatus noTracks) {
    if (t.step <= 0) return noTracks;
    const long long step = t.step;
    start = t.start - step / 2;
    end = t.start + (t.num - 1LL) * step + step / 2;
    if (lo < start) start -= (start - lo + step - 1) / step * step;
    if (end < hi) end += (hi - end + step - 1) / step * step;
    if (end <= start) end = start + step;
    if (start < INT_MIN || end > INT_MAX) return EvalStatus::kGridOverflow;
    cell = kTracksPerCell * step;
    // Inner lines start + k * cell (k >= 1) lie below end - cell / 2.
    const long long room = end - cell / 2 - start;
    cells = 1 + (room > 0 ? (room - 1) / cell : 0);
    return EvalStatus::kOk;
  }

  void fill(std::vector<int>& lines) const {
    lines.reserve(static_cast<std::size_t>(cells) + 1);
    for (long long k = 0; k < cells; ++k) lines.push_back(static_cast<int>(start + k * cell));
    lines.push_back(static_cast<int>(end));
  }
};

// The tracks of routing layer 1 along one axis ('V': x positions, 'H': y
// positions) and the layer they come from; a layer without a direction keeps
// all its tracks in the wrong-way triple. Routers commonly give each layer
// tracks in its preferred direction only: then the axis takes the tracks of
// the nearest layer that has them, upper layers first.
Track axisTracks(const std::vector<RouteLayer>& layers, char axis, unsigned char& from) {
  Track first;
  from = 1;
  for (std::size_t d = 0; d < layers.size(); ++d) {
    for (std::size_t i : {1 + d, 1 - d}) {
      if (i >= layers.size() || (d == 0 && i != 1)) continue;
      const RouteLayer& l = layers[i];
      const Track t = l.direction == axis ? l.prefer() : l.wrong();
      if (i == 1) first = t;
      if (t.step > 0) {
        from = static_cast<unsigned char>(i);
        return t;
      }
    }
  }
  return first;
}

}  // namespace

EvalStatus Database::setup() {
  gcell = GCell();
  if (routeLayers.size() < 2) return EvalStatus::kFewRouteLayers;
  long long minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
  for (const Net& n : nets) {
    for (const Wire& w : n.wires) {
      for (const Point* p : {&w.p1, &w.p2}) {
        minX = std::min<long long>(minX, p->x);
        minY = std::min<long long>(minY, p->y);
        maxX = std::max<long long>(maxX, p->x);
        maxY = std::max<long long>(maxY, p->y);
      }
    }
  }
  Axis x, y;
  EvalStatus status = x.span(axisTracks(routeLayers, 'V', gcell.xLayer), minX, maxX, EvalStatus::kNoXTracks);
  if (status == EvalStatus::kOk)
    status = y.span(axisTracks(routeLayers, 'H', gcell.yLayer), minY, maxY, EvalStatus::kNoYTracks);
  if (status != EvalStatus::kOk) {
    gcell = GCell();
    return status;
  }
  // The counts fit an int: a cell is at least 15 units of the int range.
  gcell.numX = static_cast<int>(x.cells);
  gcell.numY = static_cast<int>(y.cells);
  if (x.cells * y.cells > kMaxCells) return EvalStatus::kGridTooLarge;
  x.fill(gcell.xLines);
  y.fill(gcell.yLines);
  return EvalStatus::kOk;
}

Box Database::getRealCoor(int gx, int gy) {
  const GCell& g = get()->gcell;
  // A grid refused as too large has counts but no lines.
  if (gx < 0 || gy < 0 || gx >= g.numX || gy >= g.numY || g.xLines.empty() || g.yLines.empty()) {
    std::cout << "warning : referencing invalid GCell (" << gx << "," << gy << ")\n";
    return Box::Null;
  }
  return Box(g.xLines[gx], g.yLines[gy], g.xLines[gx + 1], g.yLines[gy + 1]);
}

}  // namespace velmor
