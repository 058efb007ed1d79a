#include <algorithm>
#include <numeric>
#include <tuple>
#include <utility>

#include "eval/db.h"
#include "eval/guidesweep.h"
#include "eval/workers.h"

namespace velmor {

namespace {

// Shapes join along the axis when their extents across it are equal. Each
// live shape, in list order, absorbs the next later shape that starts
// where it ends with the same extent across, again and again, looking only
// past the last one absorbed; absorbed shapes leave the list. Buckets by
// (across extent, start) and a skip list over absorbed entries make this
// O(n log n) instead of scanning every later shape.
void mergeAlong(std::vector<Shape>& list, const ShapeAxis& ax) {
  const std::size_t n = list.size();
  if (n < 2) return;
  using Key = std::tuple<int, int, int, std::size_t>;
  auto key = [&](std::size_t i) {
    const Shape& s = list[i];
    return Key(s.*ax.acrossLo, s.*ax.acrossHi, s.*ax.lo, i);
  };
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  std::vector<Key> keys(n);
  for (std::size_t k = 0; k < n; ++k) keys[k] = key(order[k]);

  // live[k]: first position >= k in `order` whose shape is still in the list.
  std::vector<std::size_t> live(n + 1);
  std::iota(live.begin(), live.end(), 0);
  auto firstLive = [&](std::size_t k) {
    std::size_t root = k;
    while (live[root] != root) root = live[root];
    while (live[k] != root) k = std::exchange(live[k], root);
    return root;
  };
  std::vector<char> absorbed(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    if (absorbed[i]) continue;
    Shape& a = list[i];
    for (std::size_t last = i;;) {
      const Key want(a.*ax.acrossLo, a.*ax.acrossHi, a.*ax.hi, last + 1);
      const std::size_t k = firstLive(std::lower_bound(keys.begin(), keys.end(), want) - keys.begin());
      if (k == n || std::get<0>(keys[k]) != std::get<0>(want) || std::get<1>(keys[k]) != std::get<1>(want) ||
          std::get<2>(keys[k]) != std::get<2>(want))
        break;
      last = order[k];
      a.*ax.hi = list[last].*ax.hi;
      absorbed[last] = 1;
      live[k] = k + 1;
    }
  }
  std::size_t out = 0;
  for (std::size_t i = 0; i < n; ++i)
    if (!absorbed[i]) list[out++] = list[i];
  list.resize(out);
}

}  // namespace

void Net::addGuide(int x1, int y1, int x2, int y2, unsigned char layer) {
  addGuide(Shape(x1, y1, x2, y2, layer));
}

void Net::addGuide(const Shape& s) {
  if (guides.empty()) guides.resize(Database::get()->routeLayers.size());
  guides[s.layer].push_back(s);
}

void Net::cleanGuides() { cleanGuides(guides, guides2); }

void Net::cleanGuides(LayerGuides& guides, LayerGuides& guides2) {
  if (guides.empty()) guides.resize(Database::get()->routeLayers.size());
  guides2.assign(guides.size(), {});
  thread_local std::vector<Shape> merged;  // kept between the nets of one worker
  for (std::size_t l = 0; l < guides.size(); ++l) {
    if (guides[l].size() < 2) {
      guides2[l] = guides[l];
      continue;
    }
    mergeGuides(guides[l], kAxisY, guides2[l]);
    mergeGuides(guides[l], kAxisX, merged);
    guides[l].assign(merged.begin(), merged.end());
  }
}

// Chunks small enough to even out the few nets that are far larger than the rest.
constexpr std::size_t kNetsPerChunk = 256;

void Database::cleanGuides(bool keepCleaned) {
  forEachChunk(nets.size(), kNetsPerChunk, [this, keepCleaned](std::size_t, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i)
      if (!keepCleaned || nets[i].guides2.empty()) nets[i].cleanGuides();
  });
}

void Database::createGuides() {
  forEachChunk(nets.size(), kNetsPerChunk, [this](std::size_t, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) nets[i].createGuides();
  });
}

void Net::mergeLayerGuidesH(LayerGuides& g, unsigned char layer) { mergeAlong(g[layer], kAxisX); }
void Net::mergeLayerGuidesV(LayerGuides& g, unsigned char layer) { mergeAlong(g[layer], kAxisY); }

namespace {

// Cell index of c along one axis: a coordinate on an inner line belongs to
// the cell below it, one past the last line to the last cell.
int cellIndex(const std::vector<int>& lines, int c) {
  const auto it = std::lower_bound(lines.begin(), lines.end(), c);
  if (it == lines.end()) return static_cast<int>(lines.size()) - 2;
  return std::max(0, static_cast<int>(it - lines.begin()) - 1);
}

Box cellOf(const GCell& g, const Point& p) {
  return Database::getRealCoor(cellIndex(g.xLines, p.x), cellIndex(g.yLines, p.y));
}

}  // namespace

void Net::createGuides() {
  guides.clear();
  guides2.clear();
  const GCell& g = Database::get()->gcell;
  // Without a cell on each axis every lookup would give the whole plane.
  if (g.numX < 1 || g.numY < 1) return;
  for (const Wire& w : wires) {
    const Box a = cellOf(g, w.p1);
    if (w.isVia()) {
      addGuide(a.lx, a.ly, a.hx, a.hy, w.layer1);
      addGuide(a.lx, a.ly, a.hx, a.hy, w.layer2);
      continue;
    }
    const Box b = cellOf(g, w.p2);
    addGuide(std::min(a.lx, b.lx), std::min(a.ly, b.ly), std::max(a.hx, b.hx), std::max(a.hy, b.hy),
             w.layer1);
  }
}

}  // namespace velmor
