#include "eval/measure.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <tuple>

#include "eval/db.h"

namespace velmor {

namespace {

// Guide lists up to this size are scanned directly for each query.
constexpr std::size_t kDirectScan = 32;

long long unionLength(std::vector<std::pair<long long, long long>>& iv) {
  std::sort(iv.begin(), iv.end());
  long long total = 0, end = LLONG_MIN;
  for (const auto& [lo, hi] : iv) {
    const long long from = std::max(lo, end);
    if (hi > from) total += hi - from;
    end = std::max(end, hi);
  }
  return total;
}

const std::vector<Shape>& layerList(const LayerGuides& g, unsigned char layer) {
  static const std::vector<Shape> kNone;
  return layer < g.size() ? g[layer] : kNone;
}

}  // namespace

NetMeasure NetMeter::measure(const Net& net) {
  NetMeasure m;
  queries_.clear();
  // Two queries per via, at most one per segment: reserved at once, so a giant
  // net never holds the list twice while it doubles.
  std::size_t bound = net.wires.size();
  for (const Wire& w : net.wires) bound += w.isVia();
  queries_.reserve(bound);
  viaOutside_.assign(net.wires.size(), 0);
  for (std::size_t i = 0; i < net.wires.size(); ++i) {
    const Wire& w = net.wires[i];
    if (w.isVia()) {
      ++m.vias;
      if (w.isOffTrack()) ++m.offTrackVias;
      queries_.push_back({kViaEnd, w.layer1, w.p1.y, w.p1.x, w.p1.x, i, 0});
      queries_.push_back({kViaEnd, w.layer2, w.p2.y, w.p2.x, w.p2.x, i, 0});
      continue;
    }
    const long long len = w.length();
    m.wireLength += len;
    if (w.isOffTrack()) m.offTrackLength += len;
    if (w.isWrongWay()) m.wrongWayLength += len;
    if (len == 0) continue;
    if (w.p1.y == w.p2.y)
      queries_.push_back(
          {kHorizontal, w.layer1, w.p1.y, std::min(w.p1.x, w.p2.x), std::max(w.p1.x, w.p2.x), i, 0});
    else if (w.p1.x == w.p2.x)
      queries_.push_back(
          {kVertical, w.layer1, w.p1.x, std::min(w.p1.y, w.p2.y), std::max(w.p1.y, w.p2.y), i, 0});
    else
      m.outOfGuideLength += len;  // diagonal: no guide is measured against it
  }

  std::sort(queries_.begin(), queries_.end(), [](const Query& a, const Query& b) {
    return std::tie(a.kind, a.layer, a.across) < std::tie(b.kind, b.layer, b.across);
  });
  for (std::size_t first = 0; first < queries_.size();) {
    std::size_t last = first + 1;
    while (last < queries_.size() && queries_[last].kind == queries_[first].kind &&
           queries_[last].layer == queries_[first].layer)
      ++last;
    const Query& q = queries_[first];
    answer(layerList(q.kind == kHorizontal ? net.guides2 : net.guides, q.layer), &queries_[first],
           &queries_[first] + (last - first));
    first = last;
  }

  for (const Query& q : queries_) {
    if (q.kind == kViaEnd) {
      if (!q.covered) viaOutside_[q.wire] = 1;
    } else {
      m.outOfGuideLength += q.hi - q.lo - q.covered;
    }
  }
  for (const char outside : viaOutside_) m.outOfGuideVias += outside;
  return m;
}

void NetMeter::answer(const std::vector<Shape>& guides, Query* first, Query* last) {
  if (guides.size() > kDirectScan) {
    sweep(guides, first, last);
    return;
  }
  const ShapeAxis& ax = first->kind == kVertical ? kAxisY : kAxisX;
  for (Query* q = first; q != last; ++q) {
    overlaps_.clear();
    for (const Shape& g : guides) {
      if (g.*ax.acrossLo > q->across || g.*ax.acrossHi < q->across) continue;
      if (q->kind == kViaEnd ? (g.*ax.lo <= q->lo && g.*ax.hi >= q->lo)
                             : (g.*ax.lo < q->hi && g.*ax.hi > q->lo))
        overlaps_.emplace_back(g.*ax.lo, g.*ax.hi);
    }
    finish(*q);
  }
}

// Queries come sorted by their across coordinate. Guides become active when
// the sweep reaches their low across edge and leave after their high one; the
// active ones sit in a max-tree over their along extents, ordered by low end,
// so each query visits only the guides that reach it.
void NetMeter::sweep(const std::vector<Shape>& guides, Query* first, Query* last) {
  const ShapeAxis& ax = first->kind == kVertical ? kAxisY : kAxisX;
  const std::size_t n = guides.size();
  auto sortBy = [&](std::vector<std::size_t>& v, int Shape::*field) {
    v.resize(n);
    std::iota(v.begin(), v.end(), 0);
    std::sort(v.begin(), v.end(),
              [&](std::size_t a, std::size_t b) { return guides[a].*field < guides[b].*field; });
  };
  sortBy(byAlongLo_, ax.lo);
  sortBy(byAcrossLo_, ax.acrossLo);
  sortBy(byAcrossHi_, ax.acrossHi);
  rank_.resize(n);
  alongLo_.resize(n);
  for (std::size_t r = 0; r < n; ++r) {
    rank_[byAlongLo_[r]] = r;
    alongLo_[r] = guides[byAlongLo_[r]].*ax.lo;
  }
  std::size_t size = 1;
  while (size < n) size *= 2;
  tree_.assign(2 * size, LLONG_MIN);
  auto set = [&](std::size_t guide, long long value) {
    std::size_t node = size + rank_[guide];
    tree_[node] = value;
    for (node /= 2; node >= 1; node /= 2) tree_[node] = std::max(tree_[2 * node], tree_[2 * node + 1]);
  };

  std::size_t in = 0, out = 0;
  for (Query* q = first; q != last; ++q) {
    while (in < n && guides[byAcrossLo_[in]].*ax.acrossLo <= q->across) {
      set(byAcrossLo_[in], guides[byAcrossLo_[in]].*ax.hi);
      ++in;
    }
    while (out < n && guides[byAcrossHi_[out]].*ax.acrossHi < q->across) set(byAcrossHi_[out++], LLONG_MIN);
    // Wanted: low end at most `reach` (among the first `count` ranks) and high
    // end at least `need`.
    const bool point = q->kind == kViaEnd;
    const long long reach = point ? q->lo : q->hi - 1;
    const long long need = point ? q->lo : q->lo + 1;
    const std::size_t count = std::upper_bound(alongLo_.begin(), alongLo_.end(), reach) - alongLo_.begin();
    overlaps_.clear();
    // Depth-first over the tree; a node is skipped when no active guide
    // under it reaches `need` or it lies past `count`.
    std::size_t stack[64];
    std::size_t depth = 0;
    stack[depth++] = 1;
    while (depth > 0 && !(point && !overlaps_.empty())) {
      const std::size_t node = stack[--depth];
      std::size_t leftmost = node;
      while (leftmost < size) leftmost *= 2;
      if (leftmost - size >= count || tree_[node] < need) continue;
      if (node >= size) {
        const Shape& g = guides[byAlongLo_[node - size]];
        overlaps_.emplace_back(g.*ax.lo, g.*ax.hi);
      } else {
        stack[depth++] = 2 * node + 1;
        stack[depth++] = 2 * node;
      }
    }
    finish(*q);
  }
}

void NetMeter::finish(Query& q) {
  if (q.kind == kViaEnd) {
    q.covered = overlaps_.empty() ? 0 : 1;
    return;
  }
  for (auto& [lo, hi] : overlaps_) lo = std::max(lo, q.lo), hi = std::min(hi, q.hi);
  q.covered = unionLength(overlaps_);
}

}  // namespace velmor
