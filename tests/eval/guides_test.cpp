#include <gtest/gtest.h>

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

// Random guides on a coarse lattice so that edges are shared, with zero-width,
// zero-height and point guides mixed in.
Shape randomGuide(std::mt19937& rng, int span, unsigned char layer) {
  std::uniform_int_distribution<int> coord(0, span), len(0, span / 3), kind(0, 9);
  const int unit = 10;
  int lx = coord(rng) * unit, ly = coord(rng) * unit;
  int w = len(rng) * unit, h = len(rng) * unit;
  const int k = kind(rng);
  if (k == 0) w = 0;
  if (k == 1) h = 0;
  if (k == 2) w = h = 0;
  return Shape(lx, ly, lx + w, ly + h, layer);
}

TEST(GuideCleaning, MatchesLiteralAlgorithmOnRandomNets) {
  layers(3);
  std::mt19937 rng(12345);
  for (int net = 0; net < 3000; ++net) {
    const int count = net < 2900 ? 1 + net % 25 : 60 + net % 80;
    const int span = 5 + net % 30;
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
