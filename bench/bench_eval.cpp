// Builds a routed design in memory and times guide cleaning, the evaluation
// and guide generation.
//   bench_eval [nets]   (default 300000)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "eval/db.h"

using namespace velmor;

namespace {

constexpr int kLayers = 6;
constexpr int kStep = 200;
constexpr int kTracks = 50000;
constexpr int kCell = 15 * kStep;
// Every this many nets one clock-like net with many wires and guides.
constexpr int kBigNetEvery = 10000;
constexpr int kBigNetSize = 3000;

int snap(int v) { return v / kStep * kStep; }

// A net near (ox, oy): segments on tracks in each layer's direction, vias
// between neighbouring layers, and GCell-aligned guides around them.
void addNet(Database& db, int id, std::mt19937& rng, int segments) {
  std::uniform_int_distribution<int> origin(0, (kTracks - 200) * kStep), reach(1, 40), pick(0, kLayers - 2);
  Net& net = db.addNet("n" + std::to_string(id));
  const int ox = snap(origin(rng)), oy = snap(origin(rng));
  int x = ox, y = oy;
  for (int s = 0; s < segments; ++s) {
    const unsigned char l = static_cast<unsigned char>(pick(rng));
    const int len = reach(rng) * kStep;
    Point a(x, y);
    Point b = db.routeLayers[l].direction == 'H' ? Point(x + len, y) : Point(x, y + len);
    net.wires.emplace_back(a, b, l, 0);
    net.wires.emplace_back(b, l, static_cast<unsigned char>(l + 1), 0);
    const int gx = a.x / kCell * kCell, gy = a.y / kCell * kCell;
    net.addGuide(gx, gy, (b.x / kCell + 1) * kCell, (b.y / kCell + 1) * kCell, l);
    net.addGuide(b.x / kCell * kCell, b.y / kCell * kCell, (b.x / kCell + 1) * kCell,
                 (b.y / kCell + 1) * kCell, static_cast<unsigned char>(l + 1));
    x = b.x;
    y = b.y;
    if (x > (kTracks - 100) * kStep || y > (kTracks - 100) * kStep) x = ox, y = oy;
  }
}

double seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void phase(const char* name, std::size_t nets, double s) {
  std::fprintf(stderr, "%-12s %8.3f s  %12.0f nets/s\n", name, s, nets / s);
}

}  // namespace

int main(int argc, char** argv) {
  const int nets = argc > 1 ? std::atoi(argv[1]) : 300000;
  Database& db = *Database::get();
  for (int l = 0; l < kLayers; ++l) {
    RouteLayer& r = *db.addRouteLayer("M" + std::to_string(l + 1));
    r.direction = l % 2 ? 'V' : 'H';
    r.addTrack('H', 0, kTracks, kStep);
    r.addTrack('V', 0, kTracks, kStep);
  }
  std::mt19937 rng(1);
  auto t = std::chrono::steady_clock::now();
  std::size_t items = 0;
  for (int i = 0; i < nets; ++i) {
    addNet(db, i, rng, i % kBigNetEvery == 0 ? kBigNetSize : 4 + i % 9);
    items += db.nets.back().wires.size();
    for (const auto& g : db.nets.back().guides) items += g.size();
  }
  std::fprintf(stderr, "built %d nets, %zu wires and guides in %.3f s\n", nets, items, seconds(t));

  t = std::chrono::steady_clock::now();
  db.cleanGuides();
  phase("cleaning", db.nets.size(), seconds(t));

  db.guideLoaded = db.geoLoaded = db.connLoaded = true;
  t = std::chrono::steady_clock::now();
  db.reportEvaluation();
  phase("evaluation", db.nets.size(), seconds(t));

  t = std::chrono::steady_clock::now();
  if (db.setup() != EvalStatus::kOk) return 1;
  db.createGuides();
  phase("generation", db.nets.size(), seconds(t));
  t = std::chrono::steady_clock::now();
  db.cleanGuides();
  phase("cleaning", db.nets.size(), seconds(t));

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(stderr, "peak memory  %.0f MB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
