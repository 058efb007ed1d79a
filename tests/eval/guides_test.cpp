#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <random>

#include "db_reset.h"

namespace velmor {
namespace {

using Shapes = std::vector<Shape>;

Database& layers(int n) {
  Database& db = freshDatabase();
  for (int i = 0; i < n; ++i) db.addRouteLayer("M" + std::to_string(i + 1));
  return db;
}

Shape S(int lx, int ly, int hx, int hy, unsigned char layer = 0) { return Shape(lx, ly, hx, hy, layer); }

struct CleanCase {
  const char* what;
  Shapes in;
  Shapes guides;   // horizontal first
  Shapes guides2;  // vertical first
};

TEST(GuideCleaning, SingleLayerCases) {
  const CleanCase cases[] = {
      {"single", {S(0, 0, 10, 5)}, {S(0, 0, 10, 5)}, {S(0, 0, 10, 5)}},
      {"identical", {S(0, 0, 10, 5), S(10, 5, 0, 0)}, {S(0, 0, 10, 5)}, {S(0, 0, 10, 5)}},
      {"abut same height", {S(10, 0, 20, 5), S(0, 0, 10, 5)}, {S(0, 0, 20, 5)}, {S(0, 0, 20, 5)}},
      {"abut different heights",
       {S(0, 0, 10, 5), S(10, 0, 20, 8)},
       {S(0, 0, 20, 5), S(10, 5, 20, 8)},
       {S(0, 0, 10, 5), S(10, 0, 20, 8)}},
      {"L shape",
       {S(0, 0, 100, 10), S(90, 0, 100, 100)},
       {S(0, 0, 100, 10), S(90, 10, 100, 100)},
       {S(0, 0, 90, 10), S(90, 0, 100, 100)}},
      {"nested", {S(0, 0, 30, 30), S(10, 10, 20, 20)}, {S(0, 0, 30, 30)}, {S(0, 0, 30, 30)}},
      {"corner only",
       {S(10, 10, 20, 20), S(0, 0, 10, 10)},
       {S(0, 0, 10, 10), S(10, 10, 20, 20)},
       {S(0, 0, 10, 10), S(10, 10, 20, 20)}},
      // Stacked with equal width: H-first stacks the two rows, V-first joins the column.
      {"stacked", {S(0, 0, 10, 5), S(0, 5, 10, 9)}, {S(0, 0, 10, 9)}, {S(0, 0, 10, 9)}},
      // A cross: the centre cell joins the arm that the first pass runs along.
      {"cross",
       {S(0, 10, 30, 20), S(10, 0, 20, 30)},
       {S(10, 0, 20, 10), S(0, 10, 30, 20), S(10, 20, 20, 30)},
       {S(0, 10, 10, 20), S(10, 0, 20, 30), S(20, 10, 30, 20)}},
  };
  for (const CleanCase& c : cases) {
    layers(1);
    Net n("n");
    for (const Shape& s : c.in) n.addGuide(s.lx, s.ly, s.hx, s.hy, 0);
    n.cleanGuides();
    ASSERT_EQ(n.guides.size(), 1u) << c.what;
    EXPECT_EQ(n.guides[0], c.guides) << c.what;
    EXPECT_EQ(n.guides2[0], c.guides2) << c.what;
  }
}

TEST(GuideCleaning, LayersStayApart) {
  layers(3);
  Net n("n");
  n.addGuide(0, 0, 10, 5, 0);
  n.addGuide(10, 0, 20, 5, 2);
  n.addGuide(5, 0, 15, 5, 2);
  n.cleanGuides();
  EXPECT_EQ(n.guides, (LayerGuides{{S(0, 0, 10, 5, 0)}, {}, {S(5, 0, 20, 5, 2)}}));
  EXPECT_EQ(n.guides2, n.guides);
}

TEST(GuideCleaning, NoGuidesGiveEmptyListsPerLayer) {
  layers(4);
  Net n("n");
  EXPECT_TRUE(n.guides.empty());
  n.cleanGuides();
  EXPECT_EQ(n.guides, LayerGuides(4));
  EXPECT_EQ(n.guides2, LayerGuides(4));
}

// Degenerate guides are cut like any other; the order of pieces that share
// their low corner is by high corner, so an abutting zero-width piece is
// absorbed before the full cell beside it.
TEST(GuideCleaning, ZeroWidthGuides) {
  layers(1);
  Net n("n");
  n.addGuide(0, 0, 10, 10, 0);
  n.addGuide(10, 0, 10, 10, 0);  // on the right edge
  n.addGuide(10, 0, 20, 10, 0);
  n.addGuide(30, 0, 30, 10, 0);  // apart
  n.cleanGuides();
  EXPECT_EQ(n.guides[0], (Shapes{S(0, 0, 20, 10), S(30, 0, 30, 10)}));
  EXPECT_EQ(n.guides2[0], (Shapes{S(0, 0, 20, 10), S(30, 0, 30, 10)}));
}

// Growth of the peak resident size, in KB, while `clean` runs.
template <class F>
long peakGrowthKB(F clean) {
  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  clean();
  getrusage(RUSAGE_SELF, &after);
  return after.ru_maxrss - before.ru_maxrss;
}

// Cutting every guide at every edge makes about n^3 pieces from n nested or
// crossing guides (gigabytes for a few hundred); the merged result is tiny.
TEST(GuideCleaning, NestedAndCrossingGuidesCleanInLittleMemory) {
  struct Case {
    const char* what;
    bool nested;
    Shapes guides, guides2;
  };
  const Case cases[] = {
      // 400 squares around (4000, 4000): the outermost one is all.
      {"400 nested", true, {S(0, 0, 8000, 8000)}, {S(0, 0, 8000, 8000)}},
      // 200 rows y 2000+10k..3000+10k and 200 columns x 2000+10k..3000+10k, k < 200:
      // a plus of the bars y 2000..4990 and x 2000..4990.
      {"400 crossing",
       false,
       {S(2000, 0, 4990, 2000), S(0, 2000, 7000, 4990), S(2000, 4990, 4990, 7000)},
       {S(0, 2000, 2000, 4990), S(2000, 0, 4990, 7000), S(4990, 2000, 7000, 4990)}},
  };
  for (const Case& c : cases) {
    layers(1);
    Net n("n");
    for (int i = 0; i < 400; ++i) {
      const int k = 10 * (i / 2);
      if (c.nested)
        n.addGuide(10 * i, 10 * i, 8000 - 10 * i, 8000 - 10 * i, 0);
      else if (i % 2)
        n.addGuide(0, 2000 + k, 7000, 3000 + k, 0);
      else
        n.addGuide(2000 + k, 0, 3000 + k, 7000, 0);
    }
    EXPECT_LT(peakGrowthKB([&] { n.cleanGuides(); }), 8 * 1024) << c.what;
    EXPECT_EQ(n.guides[0], c.guides) << c.what;
    EXPECT_EQ(n.guides2[0], c.guides2) << c.what;
  }
}

// ---- The literal algorithm, quadratic, as the reference for the fast one.

void literalCut(Shapes& list) {
  std::vector<int> xs, ys;
  for (const Shape& s : list) {
    xs.insert(xs.end(), {s.lx, s.hx});
    ys.insert(ys.end(), {s.ly, s.hy});
  }
  for (auto* v : {&xs, &ys}) {
    std::sort(v->begin(), v->end());
    v->erase(std::unique(v->begin(), v->end()), v->end());
  }
  // Cut at the next x edge inside the shape, else at the next y edge inside it.
  const std::pair<const std::vector<int>*, ShapeAxis> axes[] = {{&xs, kAxisX}, {&ys, kAxisY}};
  for (std::size_t i = 0; i < list.size();) {
    bool cut = false;
    for (const auto& [cuts, ax] : axes) {
      const Shape s = list[i];
      const auto c = std::upper_bound(cuts->begin(), cuts->end(), s.*ax.lo);
      if (c == cuts->end() || *c >= s.*ax.hi) continue;
      Shape copy = s;
      copy.*ax.lo = *c;
      list[i].*ax.hi = *c;
      list.push_back(copy);
      cut = true;
      break;
    }
    if (!cut) ++i;
  }
}

void literalMerge(Shapes& list, bool alongX) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    Shape& a = list[i];
    if (a == Shape::Null) continue;
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      Shape& b = list[j];
      if (b == Shape::Null) continue;
      if (alongX) {
        if (b.ly > a.hy && b.lx > a.hx) break;
        if (b.ly == a.ly && b.hy == a.hy && b.lx == a.hx) a.hx = b.hx, b = Shape::Null;
      } else if (b.lx == a.lx && b.hx == a.hx && b.ly == a.hy) {
        a.hy = b.hy, b = Shape::Null;
      }
    }
  }
  list.erase(std::remove(list.begin(), list.end(), Shape::Null), list.end());
}

void literalClean(LayerGuides& g, LayerGuides& g2) {
  for (Shapes& list : g) {
    literalCut(list);
    std::sort(list.begin(), list.end(), [](const Shape& a, const Shape& b) {
      return std::tie(a.ly, a.lx, a.hy, a.hx) < std::tie(b.ly, b.lx, b.hy, b.hx);
    });
    list.erase(std::unique(list.begin(), list.end()), list.end());
  }
  g2 = g;
  for (Shapes& list : g2)
    std::sort(list.begin(), list.end(), [](const Shape& a, const Shape& b) {
      return std::tie(a.lx, a.ly, a.hx, a.hy) < std::tie(b.lx, b.ly, b.hx, b.hy);
    });
  for (Shapes& list : g) literalMerge(list, true), literalMerge(list, false);
  for (Shapes& list : g2) literalMerge(list, false), literalMerge(list, true);
}

// Random guides on a coarse lattice so that edges are shared: zero-width,
// zero-height and point guides, squares around the centre that nest, and
// strips across the whole span that cross.
Shape randomGuide(std::mt19937& rng, int span, unsigned char layer) {
  std::uniform_int_distribution<int> coord(0, span), len(0, span / 3), kind(0, 11);
  const int unit = 10;
  int lx = coord(rng) * unit, ly = coord(rng) * unit;
  int w = len(rng) * unit, h = len(rng) * unit;
  switch (kind(rng)) {
    case 0: w = 0; break;
    case 1: h = 0; break;
    case 2: w = h = 0; break;
    case 3: case 4: lx = ly = span / 2 * unit - w, h = w = 2 * w; break;
    case 5: lx = 0, w = span * unit; break;
    case 6: ly = 0, h = span * unit; break;
  }
  return Shape(lx, ly, lx + w, ly + h, layer);
}

TEST(GuideCleaning, MatchesLiteralAlgorithmOnRandomNets) {
  layers(3);
  std::mt19937 rng(12345);
  for (int net = 0; net < 3000; ++net) {
    const int count = net < 2900 ? 1 + net % 25 : 60 + net % 80;
    const int span = net < 2900 ? 5 + net % 30 : 20 + net % 25;
    Net fast("n");
    for (int i = 0; i < count; ++i) {
      const Shape s = randomGuide(rng, span, static_cast<unsigned char>(rng() % 3));
      fast.addGuide(s.lx, s.ly, s.hx, s.hy, s.layer);
    }
    LayerGuides g = fast.guides, g2;
    literalClean(g, g2);
    fast.cleanGuides();
    ASSERT_EQ(fast.guides, g) << "net " << net;
    ASSERT_EQ(fast.guides2, g2) << "net " << net;
  }
}

}  // namespace
}  // namespace velmor
