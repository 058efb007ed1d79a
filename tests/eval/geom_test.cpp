#include "eval/geom.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

void expectBox(const Box& b, int lx, int ly, int hx, int hy) {
  EXPECT_EQ(b.lx, lx);
  EXPECT_EQ(b.ly, ly);
  EXPECT_EQ(b.hx, hx);
  EXPECT_EQ(b.hy, hy);
}

TEST(Geom, ConstructorsOrderCorners) {
  expectBox(Box(5, 1, 2, 7), 2, 1, 5, 7);
  const Shape s(10, 20, 0, 0, 3);
  expectBox(s.box(), 0, 0, 10, 20);
  EXPECT_EQ(s.layer, 3);
}

TEST(Geom, InvertedBoxGrowsToFirstRectangle) {
  Box b = Box::Inverted;
  expectBox(b, INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  b.cover(Box(0, 0, 10, 20));
  expectBox(b, 0, 0, 10, 20);
  b.cover(Box(-5, 3, 4, 30));
  expectBox(b, -5, 0, 10, 30);
}

TEST(Geom, ShapeText) {
  EXPECT_EQ(Shape::Null.toString(), "(-2147483648,-2147483648):(2147483647,2147483647) : 255");
  EXPECT_EQ(Shape(0, 0, 100, 50, 2).toString(), "(0,0):(100,50) : 2");
  EXPECT_EQ(Shape(-7, 0, 3, -12, 0).toString(), "(-7,-12):(3,0) : 0");
}

TEST(Geom, WireKinds) {
  const Wire via(Point(10, 20), 1, 2, 7);
  EXPECT_TRUE(via.isVia());
  EXPECT_EQ(via.p1, via.p2);
  EXPECT_EQ(via.viaIndex, 7u);
  const Wire equalLayers(Point(10, 20), 3, 3, 0);
  EXPECT_FALSE(equalLayers.isVia());
  EXPECT_EQ(equalLayers.length(), 0);
  const Wire seg(Point(0, 0), Point(30, -40), 1, 0);
  EXPECT_FALSE(seg.isVia());
  EXPECT_EQ(seg.layer1, 1);
  EXPECT_EQ(seg.layer2, 1);
  EXPECT_EQ(seg.length(), 70);
  EXPECT_EQ(Wire(Point(INT_MIN, 0), Point(INT_MAX, 0), 0, 0).length(), 4294967295LL);
}

}  // namespace
}  // namespace velmor
