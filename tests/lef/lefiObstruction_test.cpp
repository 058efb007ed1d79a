#include <gtest/gtest.h>

#include "lef/lefiMacro.h"
#include "lefTestDump.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::dump;
using lefTest::LefLogTest;
using lefTest::TrackedHeap;

class LefiObstructionTest : public LefLogTest {};

TEST_F(LefiObstructionTest, TakesGeometriesOverAndReleasesThePreviousOnes) {
  TrackedHeap heap;
  {
    lefiObstruction obs;
    EXPECT_EQ(obs.geometries(), nullptr);
    lefiGeometries* first = lefiNewObj<lefiGeometries>();
    first->addLayer("M1");
    obs.setGeometries(first);
    EXPECT_EQ(obs.geometries(), first);
    lefiGeometries* second = lefiNewObj<lefiGeometries>();
    second->addLayer("M2");
    second->addRect(0, 1, 2, 3, 4);
    obs.setGeometries(second);
    EXPECT_EQ(obs.geometries(), second);
    EXPECT_EQ(dump(obs), "  Obstruction\nLayer M2\nRect 1,2  3,4\n");
    obs.clear();
    EXPECT_EQ(obs.geometries(), nullptr);
    obs.setGeometries(lefiNewObj<lefiGeometries>());
    obs.Destroy();
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiObstructionTest, DensityLayersWithRectsAndValues) {
  lefiDensity d;
  d.addLayer("m1");
  d.addRect(0, 0, 10, 10, 50.0);
  d.addRect(10, 0, 20, 10, 30.0);
  d.addLayer("m2");
  d.addRect(0, 0, 5, 5, 20.0);
  d.addRect(10, 10, 0, 0, 5.0);
  d.addRect(1, 1, 2, 2, 6.0);
  EXPECT_EQ(d.numLayer(), 2);
  EXPECT_STREQ(d.layerName(0), "m1");
  EXPECT_EQ(d.numRects(0), 2);
  EXPECT_EQ(d.numRects(1), 3);
  EXPECT_DOUBLE_EQ(d.densityValue(0, 1), 30.0);
  EXPECT_DOUBLE_EQ(d.densityValue(1, 2), 6.0);
  lefiGeomRectItem r = d.getRect(1, 0);
  EXPECT_DOUBLE_EQ(r.xl, 0);
  EXPECT_DOUBLE_EQ(r.yl, 0);
  EXPECT_DOUBLE_EQ(r.xh, 5);
  EXPECT_DOUBLE_EQ(r.yh, 5);
  EXPECT_EQ(r.colorMask, 0);
  // Corners are kept as written.
  r = d.getRect(1, 1);
  EXPECT_DOUBLE_EQ(r.xl, 10);
  EXPECT_DOUBLE_EQ(r.xh, 0);
  EXPECT_EQ(dump(d),
            "  DENSITY\n"
            "    LAYER m1\n"
            "      RECT 0 0 10 10 50\n"
            "      RECT 10 0 20 10 30\n"
            "    LAYER m2\n"
            "      RECT 0 0 5 5 20\n"
            "      RECT 10 10 0 0 5\n"
            "      RECT 1 1 2 2 6\n");
}

TEST_F(LefiObstructionTest, DensityLayerNamesStayUnfolded) {
  foldNames();
  lefiDensity d;
  d.addLayer("metal1");
  EXPECT_STREQ(d.layerName(0), "metal1");
}

TEST_F(LefiObstructionTest, NewDensityBlockStartsEmptyAndReleasesThroughTheHooks) {
  TrackedHeap heap;
  {
    lefiDensity d;
    d.addRect(0, 0, 1, 1, 1.0);  // no layer yet: nowhere to go
    EXPECT_EQ(d.numLayer(), 0);
    for (const char* name : {"A", "B", "C"}) {
      d.addLayer(name);
      for (int i = 0; i < 3; i++) d.addRect(i, i, i + 1, i + 1, i);
    }
    EXPECT_EQ(d.numLayer(), 3);
    EXPECT_DOUBLE_EQ(d.getRect(2, 2).xh, 3);
    d.clear();
    EXPECT_EQ(d.numLayer(), 0);
    EXPECT_EQ(dump(d), "  DENSITY\n");
    d.addLayer("D");
    d.addRect(0, 0, 1, 1, 9.0);
    EXPECT_DOUBLE_EQ(d.densityValue(0, 0), 9.0);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

}  // namespace
}  // namespace LefDefParser
