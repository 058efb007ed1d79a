#include "def/defiVia.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

using DefiViaTest = DefiTest;

TEST_F(DefiViaTest, GroupsOfZerosReadAsAbsent) {
  defiVia via(data());
  via.setup("v1");
  via.addRowCol(0, 0);
  via.addOrigin(0, 0);
  via.addOffset(0, 0, 0, 5);
  EXPECT_EQ(via.hasRowCol(), 0);
  EXPECT_EQ(via.hasOrigin(), 0);
  EXPECT_EQ(via.hasOffset(), 5);
  via.addRowCol(0, 3);
  via.addOrigin(-4, 9);
  EXPECT_EQ(via.hasRowCol(), 3);
  EXPECT_EQ(via.hasOrigin(), -4);
  int a = 0, b = 0, c = 0, d = 0;
  via.rowCol(&a, &b);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 3);
  via.offset(&a, &b, &c, &d);
  EXPECT_EQ(d, 5);
}

TEST_F(DefiViaTest, SecondViaSeesOnlyItsOwnShapes) {
  defiVia via(data());
  defiGeometries g(data());
  via.setup("via12_first");
  for (int i = 0; i < 9; i++) via.addLayer("metal1", -i, -i, i, i, i % 3);
  g.startList(0, 0);
  g.addToList(1, 1);
  g.addToList(2, 0);
  via.addPolygon("metal2", &g, 1);
  via.addPattern("P1");
  ASSERT_EQ(via.numLayers(), 9);
  EXPECT_EQ(via.numPolygons(), 1);
  EXPECT_EQ(via.hasPattern(), 1);
  via.clear();

  via.setup("v2");
  via.addLayer("M2", 1, 2, 3, 4, 0);
  EXPECT_EQ(sections::describe(via), "VIA v2 RECT M2 1,2 3,4");
  char* layer = nullptr;
  int xl = 7;
  via.layer(1, &layer, &xl, nullptr, nullptr, nullptr);
  EXPECT_EQ(layer, nullptr);
  EXPECT_EQ(xl, 7);
}

TEST_F(DefiViaTest, BadIndexesMasksSilentPolygonNamesReport6180) {
  defiVia via(data());
  defiGeometries g(data());
  via.setup("v");
  via.addLayer("M1", 0, 0, 1, 1, 2);
  g.startList(0, 0);
  via.addPolygon("M2", &g, 3);
  EXPECT_EQ(via.rectMask(0), 2);
  EXPECT_EQ(via.hasRectMask(0), 2);
  EXPECT_EQ(via.polyMask(0), 3);
  EXPECT_EQ(via.rectMask(1), 0);
  EXPECT_EQ(via.polyMask(1), 0);
  EXPECT_EQ(via.getPolygon(1).numPoints, 0);
  EXPECT_TRUE(errors().empty());
  EXPECT_STREQ(via.polygonName(0), "M2");
  EXPECT_EQ(via.polygonName(1), nullptr);
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0],
            "ERROR (DEFPARS-6180): The index number 1 specified for the VIA POLYGON is "
            "invalid.\nValid index is from 0 to 1. Specify a valid index number and then "
            "try again");
}

TEST_F(DefiViaTest, ViaRuleReadsBackAndPrints) {
  caseInsensitive();
  defiVia via(data());
  via.setup("via1_gen");
  via.addViaRule("viaGen12", 140, 150, "metal1", "via1", "metal2", 160, 170, 10, 20, 30,
                 40);
  via.addRowCol(2, 3);
  via.addCutPattern("2_f0f");
  EXPECT_EQ(sections::describe(via),
            "VIA VIA1_GEN VIARULE VIAGEN12 140 150 METAL1 VIA1 METAL2 160 170 10 20 30 40 "
            "ROWCOL 2 3 PATTERN 2_F0F");
  EXPECT_EQ(printed(via),
            "via 'VIA1_GEN'\n"
            "  viarule 'VIAGEN12'\n"
            "    cutsize 140 150\n"
            "    layers METAL1 VIA1 METAL2\n"
            "    cutspacing 160 170\n"
            "    enclosure 10 20 30 40\n"
            "    rowcol 2 3\n"
            "    pattern '2_F0F'\n");
  via.clear();
  EXPECT_EQ(via.hasViaRule(), 0);
  EXPECT_EQ(via.hasRowCol(), 0);
  EXPECT_EQ(via.hasCutPattern(), 0);
}

}  // namespace
