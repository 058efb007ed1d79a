#include "eval/geom.h"

#include <algorithm>

namespace velmor {

const Point Point::Null{INT_MAX, INT_MAX, kNoLayer};
const Box Box::Null{};
namespace {
// Constant-initialised, so records built during static initialisation see it.
constexpr Box invertedBox() {
  Box b;
  b.lx = INT_MAX;
  b.ly = INT_MAX;
  b.hx = INT_MIN;
  b.hy = INT_MIN;
  return b;
}
}  // namespace

const Box Box::Inverted = invertedBox();
const Shape Shape::Null{};
const Line Line::Null{};

bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y && a.layer == b.layer; }
bool operator!=(const Point& a, const Point& b) { return !(a == b); }

void Box::cover(const Box& b) {
  lx = std::min(lx, b.lx);
  ly = std::min(ly, b.ly);
  hx = std::max(hx, b.hx);
  hy = std::max(hy, b.hy);
}

std::string Shape::toString() const {
  return "(" + std::to_string(lx) + "," + std::to_string(ly) + "):(" + std::to_string(hx) + "," +
         std::to_string(hy) + ") : " + std::to_string(static_cast<unsigned>(layer));
}

bool operator==(const Shape& a, const Shape& b) {
  return a.layer == b.layer && a.lx == b.lx && a.ly == b.ly && a.hx == b.hx && a.hy == b.hy;
}
bool operator!=(const Shape& a, const Shape& b) { return !(a == b); }

long long Wire::length() const {
  const long long dx = static_cast<long long>(p1.x) - p2.x;
  const long long dy = static_cast<long long>(p1.y) - p2.y;
  return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
}

}  // namespace velmor
