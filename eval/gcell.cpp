#include <algorithm>
#include <climits>
#include <iostream>

#include "eval/db.h"

namespace velmor {

namespace {

constexpr long long kTracksPerCell = 15;

// Grid lines along one axis: half a step outside the first and last track,
// widened by whole steps over [lo, hi], a line every 15 tracks and the end
// line last; at least one cell. Without a step the widening has no measure.
EvalStatus axisLines(const Track& t, long long lo, long long hi, EvalStatus noTracks,
                     std::vector<int>& lines) {
  if (t.step <= 0) return noTracks;
  const long long step = t.step;
  long long start = t.start - step / 2;
  long long end = t.start + (t.num - 1LL) * step + step / 2;
  if (lo < start) start -= (start - lo + step - 1) / step * step;
  if (end < hi) end += (hi - end + step - 1) / step * step;
  if (end <= start) end = start + step;
  if (start < INT_MIN || end > INT_MAX) return EvalStatus::kGridOverflow;
  const long long cell = kTracksPerCell * step;
  lines.push_back(static_cast<int>(start));
  for (long long v = start + cell; v < end - cell / 2; v += cell) lines.push_back(static_cast<int>(v));
  lines.push_back(static_cast<int>(end));
  return EvalStatus::kOk;
}

// The tracks of routing layer 1 along one axis ('V': x positions, 'H': y
// positions); a layer without a direction keeps all its tracks in the
// wrong-way triple. Routers commonly give each layer tracks in its preferred
// direction only: then the axis takes the tracks of the nearest layer that
// has them, upper layers first.
Track axisTracks(const std::vector<RouteLayer>& layers, char axis) {
  Track first;
  for (std::size_t d = 0; d < layers.size(); ++d) {
    for (std::size_t i : {1 + d, 1 - d}) {
      if (i >= layers.size() || (d == 0 && i != 1)) continue;
      const RouteLayer& l = layers[i];
      const Track t = l.direction == axis ? l.prefer() : l.wrong();
      if (i == 1) first = t;
      if (t.step > 0) return t;
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
  EvalStatus status = axisLines(axisTracks(routeLayers, 'V'), minX, maxX, EvalStatus::kNoXTracks,
                                gcell.xLines);
  if (status == EvalStatus::kOk)
    status = axisLines(axisTracks(routeLayers, 'H'), minY, maxY, EvalStatus::kNoYTracks,
                       gcell.yLines);
  if (status != EvalStatus::kOk) {
    gcell = GCell();
    return status;
  }
  gcell.numX = static_cast<int>(gcell.xLines.size()) - 1;
  gcell.numY = static_cast<int>(gcell.yLines.size()) - 1;
  return EvalStatus::kOk;
}

Box Database::getRealCoor(int gx, int gy) {
  const GCell& g = get()->gcell;
  if (gx < 0 || gy < 0 || gx >= g.numX || gy >= g.numY) {
    std::cout << "warning : referencing invalid GCell (" << gx << "," << gy << ")\n";
    return Box::Null;
  }
  return Box(g.xLines[gx], g.yLines[gy], g.xLines[gx + 1], g.yLines[gy + 1]);
}

}  // namespace velmor
