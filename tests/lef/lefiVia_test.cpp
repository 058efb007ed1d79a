#include "lef/lefiVia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lefTestDump.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::dump;
using lefTest::LefLogTest;
using lefTest::TrackedHeap;

class LefiViaTest : public LefLogTest {};

// A via POLYGON as the reader hands it over: a temporary geometry list
// whose item 0 the via layer takes.
void addTriangle(lefiVia& via, int mask, double size) {
  lefiGeometries geom;
  geom.startList(0.0, 0.0);
  geom.addToList(size, 0.0);
  geom.addToList(0.0, size);
  geom.addPolygon(0);
  via.addPolyToLayer(mask, &geom);
  geom.clearPolyItems();
}

void addTriangle(lefiViaLayer& layer, int mask, double size) {
  lefiGeometries geom;
  geom.startList(0.0, 0.0);
  geom.addToList(size, 0.0);
  geom.addToList(0.0, size);
  geom.addPolygon(0);
  layer.addPoly(mask, &geom);
  geom.clearPolyItems();
}

// Every checked accessor, out of range, with its exact text. The via has
// two layers (M1 with 2 rectangles and 1 polygon, V1 with none) and two
// properties.
TEST_F(LefiViaTest, IndexErrorsOfLayersShapesAndProperties) {
  lefiVia via;
  via.setName("VIA12", 0);
  via.addLayer("M1");
  via.addRectToLayer(0, -0.1, -0.1, 0.1, 0.1);
  via.addRectToLayer(1, -0.2, -0.2, 0.2, 0.2);
  addTriangle(via, 2, 0.5);
  via.addLayer("V1");
  via.addProp("A", "x", 'S');
  via.addNumProp("B", 1.0, "1", 'I');

  const char* layer2 =
      "ERROR (LEFPARS-1421): The layer number 2 given for the VIA LAYER is invalid.\n"
      "Valid number is from 0 to 1";
  const char* layerMinus =
      "ERROR (LEFPARS-1421): The layer number -1 given for the VIA LAYER is invalid.\n"
      "Valid number is from 0 to 1";
  const char* rectOfEmpty =
      "ERROR (LEFPARS-1420): The index number 0 given for the VIA LAYER RECTANGLE is "
      "invalid.\nValid index is from 0 to -1";
  const char* rect2 =
      "ERROR (LEFPARS-1420): The index number 2 given for the VIA LAYER RECTANGLE is "
      "invalid.\nValid index is from 0 to 1";
  const char* poly1 =
      "ERROR (LEFPARS-1420): The index number 1 given for the VIA LAYER POLYGON is "
      "invalid.\nValid index is from 0 to 0";
  const char* prop2 =
      "ERROR (LEFPARS-1422): The layer number 2 given for the VIA PROPERTY is invalid.\n"
      "Valid number is from 0 to 1";
  const char* propMinus =
      "ERROR (LEFPARS-1422): The layer number -1 given for the VIA PROPERTY is invalid.\n"
      "Valid number is from 0 to 1";

  lefTest::expectIndexErrors({
      {"layerName(2)", [&] { return via.layerName(2) == nullptr; }, layer2},
      {"numRects(-1)", [&] { return via.numRects(-1) == 0; }, layerMinus},
      {"numPolygons(2)", [&] { return via.numPolygons(2) == 0; }, layer2},
      {"xl(2, 0)", [&] { return via.xl(2, 0) == 0.0; }, layer2},
      {"yl(2, 0)", [&] { return via.yl(2, 0) == 0.0; }, layer2},
      {"xh(2, 0)", [&] { return via.xh(2, 0) == 0.0; }, layer2},
      {"yh(2, 0)", [&] { return via.yh(2, 0) == 0.0; }, layer2},
      {"rectColorMask(2, 0)", [&] { return via.rectColorMask(2, 0) == 0; }, layer2},
      {"polyColorMask(2, 0)", [&] { return via.polyColorMask(2, 0) == 0; }, layer2},
      {"getPolygon(2, 0)",
       [&] {
         lefiGeomPolygonItem p = via.getPolygon(2, 0);
         return p.numPoints == 0 && p.x == nullptr && p.y == nullptr && p.colorMask == 0;
       },
       layer2},
      {"xl(1, 0)", [&] { return via.xl(1, 0) == 0.0; }, rectOfEmpty},
      {"yh(0, 2)", [&] { return via.yh(0, 2) == 0.0; }, rect2},
      {"rectColorMask(0, 2)", [&] { return via.rectColorMask(0, 2) == 0; }, rect2},
      {"polyColorMask(0, 1)", [&] { return via.polyColorMask(0, 1) == 0; }, poly1},
      {"propName(2)", [&] { return via.propName(2) == nullptr; }, prop2},
      {"propValue(-1)", [&] { return via.propValue(-1) == nullptr; }, propMinus},
      {"propNumber(2)", [&] { return via.propNumber(2) == 0.0; }, prop2},
      {"propType(2)", [&] { return via.propType(2) == 0; }, prop2},
      {"propIsNumber(2)", [&] { return via.propIsNumber(2) == 0; }, prop2},
      {"propIsString(2)", [&] { return via.propIsString(2) == 0; }, prop2},
  });

  // In range, and a polygon index past the count on a good layer: silent.
  lefTest::loggedTexts().clear();
  EXPECT_STREQ(via.layerName(1), "V1");
  EXPECT_EQ(via.numRects(0), 2);
  EXPECT_DOUBLE_EQ(via.xh(0, 1), 0.2);
  EXPECT_EQ(via.rectColorMask(0, 1), 1);
  EXPECT_EQ(via.polyColorMask(0, 0), 2);
  lefiGeomPolygonItem poly = via.getPolygon(0, 0);
  EXPECT_EQ(poly.numPoints, 3);
  EXPECT_DOUBLE_EQ(poly.x[1], 0.5);
  EXPECT_DOUBLE_EQ(poly.y[2], 0.5);
  EXPECT_EQ(poly.colorMask, 0);
  EXPECT_EQ(via.getPolygon(0, 1).x, nullptr);
  EXPECT_TRUE(logged().empty());
}

TEST_F(LefiViaTest, SetNameStartsAFreshVia) {
  lefiVia via;
  via.setName("OLD", 2);
  via.setForeign("CELL", 1, 1.0, 2.0, 3);
  via.setResistance(2.0);
  via.setTopOfStack();
  via.addProp("P", "v", 'S');
  via.addLayer("M1");
  via.addLayer("V1");
  via.addLayer("M2");
  via.setViaRule("RULE", 0.1, 0.1, "M1", "V1", "M2", 0.2, 0.2, 0.01, 0.02, 0.03, 0.04);
  via.setRowCol(2, 3);
  via.setOrigin(0.5, 0.5);
  via.setOffset(0.1, 0.0, 0.0, 0.0);
  via.setPattern("2_F0");

  via.setName("NEW", 1);
  EXPECT_STREQ(via.name(), "NEW");
  EXPECT_EQ(via.numLayers(), 0);
  EXPECT_EQ(via.hasDefault(), 1);
  EXPECT_EQ(via.hasGenerated(), 0);
  EXPECT_EQ(via.hasForeign(), 0);
  EXPECT_EQ(via.hasForeignOrient(), 0);
  EXPECT_EQ(via.foreignOrient(), -1);
  EXPECT_EQ(via.hasResistance(), 0);
  EXPECT_EQ(via.hasTopOfStack(), 0);
  EXPECT_EQ(via.hasProperties(), 0);
  EXPECT_EQ(via.numProperties(), 0);
  EXPECT_EQ(via.hasViaRule(), 0);
  EXPECT_EQ(via.viaRuleName(), nullptr);
  EXPECT_EQ(via.botMetalLayer(), nullptr);
  EXPECT_EQ(via.hasRowCol(), 0);
  EXPECT_EQ(via.hasOrigin(), 0);
  EXPECT_EQ(via.hasOffset(), 0);
  EXPECT_EQ(via.hasCutPattern(), 0);
  EXPECT_DOUBLE_EQ(via.xTopEnc(), 0.0);

  via.setName("PLAIN", 0);
  EXPECT_EQ(via.hasDefault(), 0);
  EXPECT_EQ(via.hasGenerated(), 0);
}

// Capacity 3 from Init, then 6 and 12.
TEST_F(LefiViaTest, LayerListGrowsFromThree) {
  TrackedHeap heap;
  {
    lefiVia via;
    std::vector<int> firstSizes;
    for (int i = 1; i <= 7; i++) {
      heap.takeSizes();
      via.addLayer("L");
      std::vector<int> sizes = heap.takeSizes();
      ASSERT_FALSE(sizes.empty());
      firstSizes.push_back(sizes[0]);
    }
    int object = static_cast<int>(sizeof(lefiViaLayer));
    EXPECT_EQ(firstSizes,
              (std::vector<int>{object, object, object, 6 * 8, object, object, 12 * 8}));
    EXPECT_EQ(via.numLayers(), 7);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

// Capacity 0 from Init; the first property makes room for 2.
TEST_F(LefiViaTest, PropertiesStartWithoutRoom) {
  TrackedHeap heap;
  {
    lefiVia via;
    heap.takeSizes();
    via.addProp("A", "x", 'S');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{16, 16, 16, 2, 2, 2}));
    via.addNumProp("B", 0.0, "0", 'R');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2, 2}));
    via.addNumProp("C", 2.5, "2.5", 'R');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{32, 32, 32, 4, 2, 4}));
    EXPECT_EQ(via.propIsString(1), 1);
    EXPECT_EQ(via.propIsNumber(1), 0);
    EXPECT_EQ(via.propIsNumber(2), 1);
    EXPECT_EQ(via.propType(2), 'R');
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiViaTest, NamesFoldButRuleTextsDoNot) {
  foldNames();
  lefiVia via;
  via.setName("via12_x", 0);
  via.addLayer("metal1");
  via.setForeign("cellv", 0, 0.0, 0.0, -1);
  via.addProp("myprop", "value", 'S');
  via.setViaRule("myRule", 0.1, 0.1, "metal1", "via1", "metal2", 0.2, 0.2, 0.0, 0.0, 0.0, 0.0);
  via.setPattern("2_fa");
  EXPECT_STREQ(via.name(), "VIA12_X");
  EXPECT_STREQ(via.layerName(0), "METAl1");
  EXPECT_STREQ(via.foreign(), "CEllV");
  EXPECT_STREQ(via.propName(0), "MYPROP");
  EXPECT_STREQ(via.propValue(0), "VAlUE");
  EXPECT_STREQ(via.viaRuleName(), "myRule");
  EXPECT_STREQ(via.botMetalLayer(), "metal1");
  EXPECT_STREQ(via.cutLayer(), "via1");
  EXPECT_STREQ(via.topMetalLayer(), "metal2");
  EXPECT_STREQ(via.cutPattern(), "2_fa");
}

TEST_F(LefiViaTest, OriginAndOffsetTellPresenceByValue) {
  lefiVia via;
  via.setOrigin(0.0, 0.0);
  EXPECT_EQ(via.hasOrigin(), 0);
  via.setOrigin(0.0, 0.1);
  EXPECT_EQ(via.hasOrigin(), 1);
  via.setOffset(0.0, 0.0, 0.0, 0.0);
  EXPECT_EQ(via.hasOffset(), 0);
  via.setOffset(0.0, 0.0, 0.0, -0.2);
  EXPECT_EQ(via.hasOffset(), 1);
  via.setRowCol(0, 2);
  EXPECT_EQ(via.hasRowCol(), 1);
  EXPECT_EQ(via.numCutCols(), 2);
}

TEST_F(LefiViaTest, DumpOfAVia) {
  lefiVia via;
  via.setName("VIA12", 1);
  via.setForeign("FV", 1, 1.0, 2.0, 3);
  via.setResistance(0.5);
  via.addNumProp("A", 0.0, "0", 'R');
  via.addNumProp("B", 2.5, "2.5", 'R');
  via.addLayer("M1");
  via.addRectToLayer(0, 0.0, 0.0, 1.0, 1.0);
  via.addRectToLayer(2, -0.5, -0.5, 0.5, 0.5);
  via.addLayer("V1");
  EXPECT_EQ(dump(via),
            "Via VIA12:\n"
            "  DEFAULT\n"
            "  foreign FV 1,2 orient E\n"
            "  RESISTANCE 0.5\n"
            "  PROP A 0\n"
            "  PROP B 2.5\n"
            "  LAYER M1\n"
            "    RECT 0,0 1,1\n"
            "    RECT MASK 2 -0.5,-0.5 0.5,0.5\n"
            "  LAYER V1\n");

  via.setName("BARE", 0);
  via.setForeign("FV", 0, 0.0, 0.0, -1);
  EXPECT_EQ(dump(via), "Via BARE:\n  foreign FV\n");
}

// The clone keeps the orientation code as it is, N (0) included.
TEST_F(LefiViaTest, CloneKeepsTheForeignOrientation) {
  struct {
    int orient;
    int hasOrient;
    const char* name;
  } cases[] = {{3, 1, "E"}, {0, 1, "N"}, {7, 1, "FE"}, {-1, 0, ""}};
  for (const auto& c : cases) {
    lefiVia via;
    via.setName("V", 0);
    via.setForeign("CELL", 1, 1.5, 2.5, c.orient);
    lefiVia* copy = via.clone();
    EXPECT_EQ(copy->foreignOrient(), c.orient);
    EXPECT_EQ(copy->hasForeignOrient(), c.hasOrient);
    EXPECT_STREQ(copy->foreignOrientStr(), c.name);
    EXPECT_STREQ(copy->foreign(), "CELL");
    EXPECT_EQ(copy->hasForeignPnt(), 1);
    EXPECT_DOUBLE_EQ(copy->foreignY(), 2.5);
    lefiFreeObj(copy);
  }
  lefiVia plain;
  plain.setName("P", 0);
  lefiVia* copy = plain.clone();
  EXPECT_EQ(copy->hasForeign(), 0);
  EXPECT_EQ(copy->foreignOrient(), -1);
  lefiFreeObj(copy);
}

TEST_F(LefiViaTest, CloneOwnsEverything) {
  TrackedHeap heap;
  {
    lefiVia* via = lefiNewObj<lefiVia>();
    via->setName("GEN", 2);
    via->setResistance(1.25);
    via->setTopOfStack();
    via->setViaRule("RULE1", 0.1, 0.12, "M1", "V1", "M2", 0.2, 0.22, 0.01, 0.02, 0.03, 0.04);
    via->setRowCol(2, 3);
    via->setOrigin(0.5, 0.6);
    via->setOffset(0.1, 0.2, 0.3, 0.4);
    via->setPattern("2_F0_1");
    via->addProp("P", "text", 'S');
    via->addLayer("M1");
    via->addRectToLayer(1, -1.0, -2.0, 3.0, 4.0);
    addTriangle(*via, 3, 2.0);

    lefiVia* copy = via->clone();
    via->setName("OTHER", 0);  // releases everything the source held
    lefiFreeObj(via);

    EXPECT_STREQ(copy->name(), "GEN");
    EXPECT_EQ(copy->hasGenerated(), 1);
    EXPECT_EQ(copy->hasResistance(), 1);
    EXPECT_DOUBLE_EQ(copy->resistance(), 1.25);
    EXPECT_EQ(copy->hasTopOfStack(), 1);
    EXPECT_STREQ(copy->viaRuleName(), "RULE1");
    EXPECT_STREQ(copy->botMetalLayer(), "M1");
    EXPECT_STREQ(copy->cutLayer(), "V1");
    EXPECT_STREQ(copy->topMetalLayer(), "M2");
    EXPECT_STREQ(copy->cutPattern(), "2_F0_1");
    EXPECT_DOUBLE_EQ(copy->yCutSize(), 0.12);
    EXPECT_DOUBLE_EQ(copy->yCutSpacing(), 0.22);
    EXPECT_DOUBLE_EQ(copy->xBotEnc(), 0.01);
    EXPECT_DOUBLE_EQ(copy->yTopEnc(), 0.04);
    EXPECT_EQ(copy->numCutRows(), 2);
    EXPECT_EQ(copy->numCutCols(), 3);
    EXPECT_DOUBLE_EQ(copy->yOffset(), 0.6);
    EXPECT_DOUBLE_EQ(copy->xTopOffset(), 0.3);
    EXPECT_EQ(copy->numProperties(), 1);
    EXPECT_STREQ(copy->propValue(0), "text");
    EXPECT_EQ(copy->numLayers(), 1);
    EXPECT_STREQ(copy->layerName(0), "M1");
    EXPECT_DOUBLE_EQ(copy->yh(0, 0), 4.0);
    EXPECT_EQ(copy->rectColorMask(0, 0), 1);
    EXPECT_EQ(copy->polyColorMask(0, 0), 3);
    lefiGeomPolygonItem poly = copy->getPolygon(0, 0);
    ASSERT_EQ(poly.numPoints, 3);
    EXPECT_DOUBLE_EQ(poly.x[1], 2.0);
    EXPECT_TRUE(logged().empty());

    // The clone grows like any via.
    copy->addLayer("M2");
    copy->addProp("Q", "more", 'S');
    EXPECT_EQ(copy->numLayers(), 2);
    lefiFreeObj(copy);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

// A cloned layer has room in its mask array for every polygon slot it has.
TEST_F(LefiViaTest, ClonedLayerTakesMorePolygons) {
  TrackedHeap heap;
  {
    lefiViaLayer layer;
    layer.setName("M1");
    addTriangle(layer, 1, 1.0);
    lefiViaLayer* copy = layer.clone();
    addTriangle(*copy, 7, 3.0);
    addTriangle(*copy, 8, 4.0);
    EXPECT_EQ(copy->numPolygons(), 3);
    EXPECT_EQ(copy->polyColorMask(0), 1);
    EXPECT_EQ(copy->polyColorMask(1), 7);
    EXPECT_EQ(copy->polyColorMask(2), 8);
    EXPECT_DOUBLE_EQ(copy->getPolygon(2)->y[2], 4.0);
    EXPECT_EQ(copy->numRects(), 0);
    copy->addRect(0, 0.0, 0.0, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(copy->xh(0), 1.0);
    EXPECT_EQ(layer.numPolygons(), 1);
    lefiFreeObj(copy);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiViaTest, RepeatedSettersReplaceTheirCopies) {
  TrackedHeap heap;
  {
    lefiVia via;
    via.setName("V", 0);
    via.setForeign("A", 0, 0.0, 0.0, -1);
    via.setForeign("B", 0, 0.0, 0.0, -1);
    via.setViaRule("R1", 0, 0, "a", "b", "c", 0, 0, 0, 0, 0, 0);
    via.setViaRule("R2", 0, 0, "d", "e", "f", 0, 0, 0, 0, 0, 0);
    via.setPattern("P1");
    via.setPattern("P2");
    via.addLayer("M1");
    EXPECT_STREQ(via.foreign(), "B");
    EXPECT_STREQ(via.viaRuleName(), "R2");
    EXPECT_STREQ(via.topMetalLayer(), "f");
    EXPECT_STREQ(via.cutPattern(), "P2");
    lefiViaLayer layer;
    layer.setName("X");
    layer.setName("Y");
    EXPECT_STREQ(layer.name(), "Y");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiViaTest, ShapesBeforeAnyLayerAreIgnored) {
  TrackedHeap heap;
  {
    lefiVia via;
    via.addRectToLayer(0, 0.0, 0.0, 1.0, 1.0);
    lefiGeometries geom;
    geom.startList(0.0, 0.0);
    geom.addPolygon(0);
    via.addPolyToLayer(0, &geom);  // not taken: the list still owns it
    EXPECT_EQ(via.numLayers(), 0);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiViaTest, DestroyIsRepeatable) {
  TrackedHeap heap;
  {
    lefiVia via;
    via.setName("V", 0);
    via.addLayer("M1");
    addTriangle(via, 0, 1.0);
    via.addProp("P", "v", 'S');
    via.Destroy();
    EXPECT_EQ(heap.liveBlocks(), 0);
    via.Destroy();
    via.Init();
    via.setName("AGAIN", 0);
    via.addLayer("M2");
    EXPECT_STREQ(via.layerName(0), "M2");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

}  // namespace
}  // namespace LefDefParser
