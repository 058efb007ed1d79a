#include <algorithm>
#include <climits>
#include <iostream>

#include "eval/db.h"

namespace velmor {

namespace {

constexpr long long kTracksPerCell = 15;

// Grid lines along one axis: half a step outside the first and last track,
// widened by whole steps over [lo, hi], a line every 15 tracks and the end
// line last; at least one cell.
EvalStatus axisLines(const Track& t, long long lo, long long hi, EvalStatus noTracks,
                     std::vector<int>& lines) {
  if (t.num < 1 || t.step <= 0) return noTracks;
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
  // A layer without a direction keeps all its tracks in the wrong-way triple.
  const RouteLayer& layer = routeLayers[1];
  const Track xTracks = layer.direction == 'V' ? layer.prefer() : layer.wrong();
  const Track yTracks = layer.direction == 'H' ? layer.prefer() : layer.wrong();
  EvalStatus status = axisLines(xTracks, minX, maxX, EvalStatus::kNoXTracks, gcell.xLines);
  if (status == EvalStatus::kOk)
    status = axisLines(yTracks, minY, maxY, EvalStatus::kNoYTracks, gcell.yLines);
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
    std::cout << "warning : referencing invalid GCell (" << gx << "," << gy << ")" << std::endl;
    return Box::Null;
  }
  return Box(g.xLines[gx], g.yLines[gy], g.xLines[gx + 1], g.yLines[gy + 1]);
}

}  // namespace velmor
