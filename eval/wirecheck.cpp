#include "eval/db.h"

namespace velmor {

bool Track::contains(int c) const {
  if (num < 1 || step <= 0) return c == start;
  const long long offset = static_cast<long long>(c) - start;
  return offset >= 0 && offset % step == 0 && offset / step < num;
}

namespace {

// On the layer's triple or on any TRACKS statement kept for it.
bool onTrack(const Track& triple, const std::vector<Track>& statements, int c) {
  if (triple.contains(c)) return true;
  for (const Track& t : statements)
    if (t.contains(c)) return true;
  return false;
}

bool horizontal(const Wire& w) { return w.p1.y == w.p2.y; }

// The coordinate across the preferred tracks of a via end on this layer.
bool viaEndOnTrack(const RouteLayer& layer, const Point& p) {
  return onTrack(layer.prefer(), layer.preferTracks, layer.direction == 'H' ? p.y : p.x);
}

}  // namespace

bool Wire::isWrongWay() const {
  if (isVia()) return false;
  return (Database::get()->routeLayers[layer1].direction == 'H') != horizontal(*this);
}

bool Wire::isOffTrack() const {
  const std::vector<RouteLayer>& layers = Database::get()->routeLayers;
  if (isVia()) return !viaEndOnTrack(layers[layer1], p1) || !viaEndOnTrack(layers[layer2], p2);
  const RouteLayer& layer = layers[layer1];
  const int c = horizontal(*this) ? p1.y : p1.x;
  return isWrongWay() ? !onTrack(layer.wrong(), layer.wrongTracks, c)
                      : !onTrack(layer.prefer(), layer.preferTracks, c);
}

}  // namespace velmor
