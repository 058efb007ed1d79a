#include "eval/measure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "db_reset.h"

namespace velmor {
namespace {

using Shapes = std::vector<Shape>;

// Three layers without tracks; net guide lists set by hand.
Net& netOnThreeLayers() {
  Database& db = freshDatabase();
  for (const char* n : {"M1", "M2", "M3"}) db.addRouteLayer(n);
  Net& n = db.addNet("n");
  n.guides = n.guides2 = LayerGuides(3);
  return n;
}

NetMeasure measure(const Net& n) {
  NetMeter meter;
  return meter.measure(n);
}

Shape S(int lx, int ly, int hx, int hy, unsigned char layer = 0) { return Shape(lx, ly, hx, hy, layer); }

TEST(OutOfGuide, HorizontalSegment) {
  struct Case {
    const char* what;
    Shapes guides2;
    long long out;
  };
  const Case cases[] = {
      {"partly covered", {S(20, 0, 60, 100)}, 60},
      {"covered", {S(0, 0, 100, 100)}, 0},
      {"touches the end only", {S(100, 0, 200, 100)}, 100},
      {"on the guide's lower edge", {S(0, 50, 100, 90)}, 0},
      {"on the guide's upper edge", {S(0, 0, 100, 50)}, 0},
      {"above the guide", {S(0, 0, 100, 49)}, 100},
      // Coverage counts once: two guides sharing the segment's row overlap.
      {"two guides stacked on its row", {S(0, 0, 60, 50), S(0, 50, 100, 90)}, 0},
      {"two overlapping guides", {S(10, 0, 60, 100), S(40, 0, 70, 100)}, 40},
      {"two apart", {S(0, 0, 10, 100), S(90, 0, 95, 100)}, 85},
      {"none", {}, 100},
  };
  for (const Case& c : cases) {
    Net& n = netOnThreeLayers();
    n.wires.emplace_back(Point(100, 50), Point(0, 50), 1, 0);
    n.guides2[1] = c.guides2;
    for (Shape& s : n.guides2[1]) s.layer = 1;
    n.guides[1] = {S(0, 0, 100, 100, 1)};  // never used for horizontal segments
    testing::internal::CaptureStdout();
    EXPECT_EQ(measure(n).outOfGuideLength, c.out) << c.what;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << c.what;
  }
}

TEST(OutOfGuide, VerticalDiagonalAndZeroLength) {
  Net& n = netOnThreeLayers();
  n.wires.emplace_back(Point(50, 0), Point(50, 100), 0, 0);
  n.guides[0] = {S(0, 20, 100, 60)};
  n.guides2[0] = {S(0, 0, 100, 100)};  // never used for vertical segments
  EXPECT_EQ(measure(n).outOfGuideLength, 60);
  n.wires = {Wire(Point(0, 0), Point(30, 40), 0, 0)};
  n.guides[0] = n.guides2[0] = {S(0, 0, 100, 100)};
  EXPECT_EQ(measure(n).outOfGuideLength, 70);
  EXPECT_EQ(measure(n).wireLength, 70);
  n.wires = {Wire(Point(500, 500), Point(500, 500), 0, 0)};
  EXPECT_EQ(measure(n).outOfGuideLength, 0);
}

TEST(OutOfGuide, Vias) {
  Net& n = netOnThreeLayers();
  n.wires.emplace_back(Point(10, 10), 1, 2, 0);
  n.guides[1] = {S(0, 0, 10, 10, 1)};
  EXPECT_EQ(measure(n).outOfGuideVias, 1u);  // nothing on layer 2
  n.guides[2] = {S(10, 10, 20, 20, 2)};
  EXPECT_EQ(measure(n).outOfGuideVias, 0u);  // edges included on both layers
  n.guides2[1] = n.guides2[2] = {};
  EXPECT_EQ(measure(n).outOfGuideVias, 0u);  // vias use `guides` only
  n.guides[1] = {S(11, 0, 20, 10, 1)};
  EXPECT_EQ(measure(n).outOfGuideVias, 1u);
  EXPECT_EQ(measure(n).vias, 1u);
}

// A net whose lengths and a short whose area pass 2^31 are summed in 64 bits.
TEST(OutOfGuide, SumsDoNotWrap) {
  Net& n = netOnThreeLayers();
  for (int i = 0; i < 3; ++i) n.wires.emplace_back(Point(0, i), Point(1000000000, i), 0, 0);
  const NetMeasure m = measure(n);
  EXPECT_EQ(m.wireLength, 3000000000LL);
  EXPECT_EQ(m.outOfGuideLength, 3000000000LL);
  EXPECT_EQ(m.wrongWayLength, 3000000000LL);  // horizontal on an 'X' layer

  Database& db = *Database::get();
  db.routeLayers[1].direction = 'V';
  db.routeLayers[1].addTrack('V', 0, 10, 100000);
  db.nets.clear();
  Violation v;
  v.type = 2;
  v.box = Box(0, 0, 100000, 100000);  // 1e10: 1e6 pitch squares
  db.violations.push_back(v);
  db.geoLoaded = true;
  testing::internal::CaptureStdout();
  db.reportEvaluation();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("| Area of metal shorts | 10000000000 |    1.00 |"), std::string::npos) << out;
}

// ---- Reference: every guide of the list, union of the covered stretch by
// elementary intervals.

long long coveredLength(long long lo, long long hi, const std::vector<std::pair<long long, long long>>& iv) {
  std::vector<long long> cuts{lo, hi};
  for (const auto& [a, b] : iv) cuts.insert(cuts.end(), {std::clamp(a, lo, hi), std::clamp(b, lo, hi)});
  std::sort(cuts.begin(), cuts.end());
  long long covered = 0;
  for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
    for (const auto& [a, b] : iv) {
      if (a <= cuts[k] && cuts[k + 1] <= b) {
        covered += cuts[k + 1] - cuts[k];
        break;
      }
    }
  }
  return covered;
}

NetMeasure reference(const Net& n) {
  NetMeasure m;
  for (const Wire& w : n.wires) {
    auto inside = [&](const Point& p, unsigned char l) {
      for (const Shape& g : n.guides[l])
        if (g.lx <= p.x && p.x <= g.hx && g.ly <= p.y && p.y <= g.hy) return true;
      return false;
    };
    if (w.isVia()) {
      ++m.vias;
      if (!inside(w.p1, w.layer1) || !inside(w.p2, w.layer2)) ++m.outOfGuideVias;
      continue;
    }
    const long long len = std::llabs(static_cast<long long>(w.p1.x) - w.p2.x) +
                          std::llabs(static_cast<long long>(w.p1.y) - w.p2.y);
    m.wireLength += len;
    std::vector<std::pair<long long, long long>> iv;
    long long lo, hi;
    if (w.p1.y == w.p2.y) {
      lo = std::min(w.p1.x, w.p2.x), hi = std::max(w.p1.x, w.p2.x);
      for (const Shape& g : n.guides2[w.layer1])
        if (lo < g.hx && g.lx < hi && g.ly <= w.p1.y && w.p1.y <= g.hy) iv.emplace_back(g.lx, g.hx);
    } else if (w.p1.x == w.p2.x) {
      lo = std::min(w.p1.y, w.p2.y), hi = std::max(w.p1.y, w.p2.y);
      for (const Shape& g : n.guides[w.layer1])
        if (lo < g.hy && g.ly < hi && g.lx <= w.p1.x && w.p1.x <= g.hx) iv.emplace_back(g.ly, g.hy);
    } else {
      m.outOfGuideLength += len;
      continue;
    }
    m.outOfGuideLength += len - coveredLength(lo, hi, iv);
  }
  return m;
}

TEST(OutOfGuide, MatchesReferenceOnRandomNets) {
  freshDatabase();
  for (const char* l : {"M1", "M2", "M3"}) Database::get()->addRouteLayer(l);
  std::mt19937 rng(777);
  NetMeter meter;  // one meter across nets, as in the evaluation
  for (int net = 0; net < 1500; ++net) {
    const int guides = net % 5 == 0 ? 40 + net % 90 : net % 12;
    const int wires = 1 + net % 60;
    std::uniform_int_distribution<int> c(0, 20), len(0, 8), kind(0, 9), layer(0, 2);
    Net n("n");
    for (int i = 0; i < guides; ++i) {
      const int lx = c(rng) * 10, ly = c(rng) * 10;
      const int k = kind(rng);
      const int w = k == 0 ? 0 : len(rng) * 10, h = k == 1 ? 0 : len(rng) * 10;
      n.addGuide(lx, ly, lx + w, ly + h, static_cast<unsigned char>(layer(rng)));
    }
    if (net % 2)
      n.guides2 = n.guides;  // raw, overlapping lists
    else
      n.cleanGuides();
    if (n.guides.empty()) n.guides = n.guides2 = LayerGuides(3);
    for (int i = 0; i < wires; ++i) {
      const Point p(c(rng) * 10 + (kind(rng) == 0 ? 5 : 0), c(rng) * 10);
      const unsigned char l = static_cast<unsigned char>(layer(rng));
      switch (kind(rng) % 5) {
        case 0:
          n.wires.emplace_back(p, Point(c(rng) * 10, p.y), l, 0);
          break;
        case 1:
          n.wires.emplace_back(p, Point(p.x, c(rng) * 10), l, 0);
          break;
        case 2:
          n.wires.emplace_back(p, Point(c(rng) * 10, c(rng) * 10), l, 0);
          break;
        case 3:
          n.wires.emplace_back(p, static_cast<unsigned char>(l % 2), static_cast<unsigned char>(l % 2 + 1),
                               0);
          break;
        default:
          n.wires.emplace_back(p, Point(p.x + 10 * len(rng), p.y), l, 0);
          break;
      }
    }
    const NetMeasure fast = meter.measure(n);
    const NetMeasure ref = reference(n);
    ASSERT_EQ(fast.outOfGuideLength, ref.outOfGuideLength) << "net " << net;
    ASSERT_EQ(fast.outOfGuideVias, ref.outOfGuideVias) << "net " << net;
    ASSERT_EQ(fast.wireLength, ref.wireLength) << "net " << net;
    ASSERT_EQ(fast.vias, ref.vias) << "net " << net;
    ASSERT_GE(fast.outOfGuideLength, 0);
  }
}

}  // namespace
}  // namespace velmor
