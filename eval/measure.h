#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "eval/records.h"

namespace velmor {

// What one net adds to the wire rows of the score table. Lengths in
// database units.
struct NetMeasure {
  long long wireLength = 0;
  long long outOfGuideLength = 0;
  long long offTrackLength = 0;
  long long wrongWayLength = 0;
  std::uint32_t vias = 0;
  std::uint32_t outOfGuideVias = 0;
  std::uint32_t offTrackVias = 0;
};

// Measures nets against their cleaned guides and the routing tracks of
// Database::get(). A segment's out-of-guide length is its length less the
// union of its overlaps with the guides that cover it, so it is never
// negative. Keeps its buffers between nets.
class NetMeter {
 public:
  NetMeasure measure(const Net& net);

 private:
  // A horizontal segment against `guides2`, a vertical one against `guides`
  // (axes swapped), or one via end against `guides`.
  enum Kind : unsigned char { kHorizontal, kVertical, kViaEnd };
  struct Query {
    Kind kind;
    unsigned char layer;
    int across;        // the coordinate across the stretch
    long long lo, hi;  // guides must reach lo..hi along the stretch
    std::size_t wire;
    long long covered;  // covered length, or 1 when a via end is inside
  };

  void answer(const std::vector<Shape>& guides, Query* first, Query* last);
  void sweep(const std::vector<Shape>& guides, Query* first, Query* last);
  void finish(Query& q);

  std::vector<Query> queries_;
  std::vector<std::pair<long long, long long>> overlaps_;
  std::vector<char> viaOutside_;
  std::vector<int> alongLo_;
  std::vector<std::size_t> byAlongLo_, byAcrossLo_, byAcrossHi_, rank_;
  std::vector<long long> tree_;
};

}  // namespace velmor
