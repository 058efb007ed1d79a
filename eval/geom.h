#pragma once

#include <climits>
#include <string>

namespace velmor {

// Layer byte: position of a routing layer (or cut layer, in its own list);
// kNoLayer means none.
constexpr unsigned char kNoLayer = 255;

struct Point {
  int x = INT_MAX;
  int y = INT_MAX;
  unsigned char layer = kNoLayer;

  constexpr Point() = default;
  constexpr Point(int x_, int y_, unsigned char layer_ = kNoLayer) : x(x_), y(y_), layer(layer_) {}

  static const Point Null;
};

bool operator==(const Point& a, const Point& b);
bool operator!=(const Point& a, const Point& b);

struct Box {
  int lx = INT_MIN;
  int ly = INT_MIN;
  int hx = INT_MAX;
  int hy = INT_MAX;

  constexpr Box() = default;
  constexpr Box(int x1, int y1, int x2, int y2)
      : lx(x1 < x2 ? x1 : x2), ly(y1 < y2 ? y1 : y2), hx(x1 < x2 ? x2 : x1), hy(y1 < y2 ? y2 : y1) {}

  static const Box Null;
  // Start of a bounding box that grows by cover(): low corner above the high one.
  static const Box Inverted;

  void cover(const Box& b);
};

struct Shape {
  int lx = INT_MIN;
  int ly = INT_MIN;
  int hx = INT_MAX;
  int hy = INT_MAX;
  unsigned char layer = kNoLayer;

  constexpr Shape() = default;
  constexpr Shape(int x1, int y1, int x2, int y2, unsigned char layer_)
      : lx(x1 < x2 ? x1 : x2),
        ly(y1 < y2 ? y1 : y2),
        hx(x1 < x2 ? x2 : x1),
        hy(y1 < y2 ? y2 : y1),
        layer(layer_) {}

  static const Shape Null;

  Box box() const { return Box(lx, ly, hx, hy); }
  std::string toString() const;
};

bool operator==(const Shape& a, const Shape& b);
bool operator!=(const Shape& a, const Shape& b);

// One axis of a shape: its extent along the axis and across it.
struct ShapeAxis {
  int Shape::*lo;
  int Shape::*hi;
  int Shape::*acrossLo;
  int Shape::*acrossHi;
};

inline constexpr ShapeAxis kAxisX{&Shape::lx, &Shape::hx, &Shape::ly, &Shape::hy};
inline constexpr ShapeAxis kAxisY{&Shape::ly, &Shape::hy, &Shape::lx, &Shape::hx};

struct Line {
  Point p1;
  Point p2;

  static const Line Null;
};

// A segment on one routing layer, or a via at p1 (p1 == p2) between layer1
// (lower) and layer2 (upper) when the two layer bytes differ.
struct Wire {
  Point p1;
  Point p2;
  unsigned char layer1 = kNoLayer;
  unsigned char layer2 = kNoLayer;
  unsigned int viaIndex = 0;

  Wire(const Point& a, const Point& b, unsigned char layer, unsigned int via)
      : p1(a), p2(b), layer1(layer), layer2(layer), viaIndex(via) {}
  Wire(const Point& a, unsigned char lower, unsigned char upper, unsigned int via)
      : p1(a), p2(a), layer1(lower), layer2(upper), viaIndex(via) {}

  bool isVia() const { return layer1 != layer2; }
  // Manhattan length in 64 bits.
  long long length() const;

  // Both read the routing layers of Database::get(); the layer bytes must name
  // existing routing layers.
  bool isWrongWay() const;
  bool isOffTrack() const;
};

}  // namespace velmor
