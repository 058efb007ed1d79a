#include "lef/lefiLayer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lef/lefiMisc.h"
#include "lefTestDump.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::LefLogTest;
using lefTest::dump;
using lefTest::TrackedHeap;

class LefiLayerTest : public LefLogTest {};

int sum(const std::vector<int>& sizes) {
  int total = 0;
  for (int s : sizes) total += s;
  return total;
}

// Three pairs of MINSIZE width and length, collected as one polygon.
void minSizePolygon(lefiGeometries& geom) {
  geom.startList(0.1, 0.2);
  geom.addToList(0.3, 0.4);
  geom.addToList(0.5, 0.6);
  geom.addPolygon(0);
}

// Every checked accessor of the layer, out of range, with its exact text and
// a zero result. The layer holds 3 properties, 3 MINSIZE pairs, 1 MINSTEP
// and 2 ARRAYCUTS.
TEST_F(LefiLayerTest, IndexErrorsNameTheListAndTheLastValidIndex) {
  lefiLayer layer;
  layer.setName("M1");
  layer.addProp("A", "x", 'S');
  layer.addNumProp("B", 2.0, "2", 'I');
  layer.addProp("C", "y", 'S');
  lefiGeometries geom;
  minSizePolygon(geom);
  layer.setMinSize(&geom);
  layer.addMinstep(0.05);
  layer.addArraySpacingArray(2, 1.0);
  layer.addArraySpacingArray(3, 1.5);

  const char* prop3 =
      "ERROR (LEFPARS-1300): The index number 3 given for the layer property is invalid.\n"
      "Valid index is from 0 to 2";
  const char* propMinus =
      "ERROR (LEFPARS-1300): The index number -1 given for the layer property is invalid.\n"
      "Valid index is from 0 to 2";
  const char* minSize3 =
      "ERROR (LEFPARS-1301): The index number 3 given for the layer MINSIZE is invalid.\n"
      "Valid index is from 0 to 2\n";
  const char* minSizeMinus =
      "ERROR (LEFPARS-1301): The index number -1 given for the layer MINSIZE is invalid.\n"
      "Valid index is from 0 to 2\n";
  const char* minstep1 =
      "ERROR (LEFPARS-1302): The index number 1 given for the layer MINSTEP is invalid.\n"
      "Valid index is from 0 to 0";
  const char* cuts2 =
      "ERROR (LEFPARS-1303): The index number 2 given for the layer ARRAYCUTS is invalid.\n"
      "Valid index is from 0 to 1";
  const char* spacing2 =
      "ERROR (LEFPARS-1304): The index number 2 given for the layer SPACING is invalid.\n"
      "Valid index is from 0 to 1";

  lefTest::expectIndexErrors({
      {"propName(3)", [&] { return layer.propName(3) == nullptr; }, prop3},
      {"propValue(-1)", [&] { return layer.propValue(-1) == nullptr; }, propMinus},
      {"propNumber(3)", [&] { return layer.propNumber(3) == 0.0; }, prop3},
      {"propType(3)", [&] { return layer.propType(3) == 0; }, prop3},
      {"propIsNumber(3)", [&] { return layer.propIsNumber(3) == 0; }, prop3},
      {"propIsString(3)", [&] { return layer.propIsString(3) == 0; }, prop3},
      {"minSizeWidth(3)", [&] { return layer.minSizeWidth(3) == 0.0; }, minSize3},
      {"minSizeLength(-1)", [&] { return layer.minSizeLength(-1) == 0.0; }, minSizeMinus},
      {"minstep(1)", [&] { return layer.minstep(1) == 0.0; }, minstep1},
      {"minstepType(1)", [&] { return layer.minstepType(1) == nullptr; }, minstep1},
      {"minstepLengthsum(1)", [&] { return layer.minstepLengthsum(1) == 0.0; }, minstep1},
      {"minstepMaxedges(1)", [&] { return layer.minstepMaxedges(1) == 0; }, minstep1},
      {"minstepMinAdjLength(1)", [&] { return layer.minstepMinAdjLength(1) == 0.0; }, minstep1},
      {"minstepMinBetLength(1)", [&] { return layer.minstepMinBetLength(1) == 0.0; }, minstep1},
      {"hasMinstepType(1)", [&] { return layer.hasMinstepType(1) == 0; }, minstep1},
      {"hasMinstepLengthsum(1)", [&] { return layer.hasMinstepLengthsum(1) == 0; }, minstep1},
      {"hasMinstepMaxedges(1)", [&] { return layer.hasMinstepMaxedges(1) == 0; }, minstep1},
      {"hasMinstepMinAdjLength(1)", [&] { return layer.hasMinstepMinAdjLength(1) == 0; },
       minstep1},
      {"hasMinstepMinBetLength(1)", [&] { return layer.hasMinstepMinBetLength(1) == 0; },
       minstep1},
      {"hasMinstepXSameCorners(1)", [&] { return layer.hasMinstepXSameCorners(1) == 0; },
       minstep1},
      {"arrayCuts(2)", [&] { return layer.arrayCuts(2) == 0; }, cuts2},
      {"arraySpacing(2)", [&] { return layer.arraySpacing(2) == 0.0; }, spacing2},
  });

  // In range, the same accessors answer silently.
  lefTest::loggedTexts().clear();
  EXPECT_STREQ(layer.propName(2), "C");
  EXPECT_DOUBLE_EQ(layer.minSizeWidth(1), 0.3);
  EXPECT_DOUBLE_EQ(layer.minSizeLength(2), 0.6);
  EXPECT_DOUBLE_EQ(layer.minstep(0), 0.05);
  EXPECT_EQ(layer.arrayCuts(1), 3);
  EXPECT_DOUBLE_EQ(layer.arraySpacing(1), 1.5);
  EXPECT_TRUE(logged().empty());
}

// setName starts a new statement: every flag goes, the values stay behind.
TEST_F(LefiLayerTest, SetNameClearsFlagsAndListsButKeepsValues) {
  lefiLayer layer;
  layer.setName("M1");
  layer.setType("ROUTING");
  layer.setLayerType("MIMCAP");
  layer.setPitch(0.2);
  layer.setWidth(0.1);
  layer.setArea(0.05);
  layer.setDirection("VERTICAL");
  layer.setMask(2);
  layer.setCapMultiplier(3.0);
  layer.setFillActiveSpacing(0.4);
  layer.setDensityCheckWindow(10.0, 20.0);
  layer.setSlotWidth(1.0);
  layer.addProp("P1", "a", 'S');
  layer.addProp("P2", "b", 'S');
  layer.addProp("P3", "c", 'S');
  layer.setSpacingMin(0.1);
  layer.addNumber(1.0);
  layer.addAccurrentDensity("PEAK");
  layer.setResistancePoint(1.0, 2.0);
  layer.addMinimumcut(2, 0.4);
  layer.addMinstep(0.1);
  layer.addEnclosure("ABOVE", 0.01, 0.02);
  layer.addSpacingTable();
  layer.setAntennaAreaRatio(100.0);

  layer.setName("VIA1");
  EXPECT_STREQ(layer.name(), "VIA1");
  EXPECT_STREQ(layer.type(), "");
  EXPECT_EQ(layer.hasType(), 0);
  EXPECT_EQ(layer.hasLayerType(), 0);
  EXPECT_EQ(layer.layerType(), nullptr);
  EXPECT_EQ(layer.numProps(), 0);
  EXPECT_EQ(layer.hasPitch(), 0);
  EXPECT_DOUBLE_EQ(layer.pitchX(), 0.2);
  EXPECT_EQ(layer.hasWidth(), 0);
  EXPECT_DOUBLE_EQ(layer.width(), 0.1);
  EXPECT_EQ(layer.hasArea(), 0);
  EXPECT_EQ(layer.hasDirection(), 0);
  EXPECT_EQ(layer.hasMask(), 0);
  EXPECT_EQ(layer.hasCapMultiplier(), 0);
  EXPECT_EQ(layer.hasFillActiveSpacing(), 0);
  EXPECT_EQ(layer.hasDensityCheckWindow(), 0);
  EXPECT_EQ(layer.hasSlotWidth(), 0);
  EXPECT_EQ(layer.hasSpacingNumber(), 0);
  EXPECT_EQ(layer.numSpacing(), 0);
  EXPECT_EQ(layer.getNumber(), -1);
  EXPECT_EQ(layer.numAccurrentDensity(), 0);
  EXPECT_EQ(layer.hasResistanceArray(), 0);
  EXPECT_EQ(layer.numMinimumcut(), 0);
  EXPECT_EQ(layer.numMinstep(), 0);
  EXPECT_EQ(layer.numEnclosure(), 0);
  EXPECT_EQ(layer.numSpacingTable(), 0);
  EXPECT_EQ(layer.numAntennaModel(), 0);
}

TEST_F(LefiLayerTest, PropertiesAreCopiedUnfoldedAndZeroReadsAsString) {
  foldNames();
  lefiLayer layer;
  layer.setName("metal1");
  layer.setType("routing");
  layer.addProp("lef57_spacing", "spacing 0.1 ;", 'S');
  layer.addNumProp("zero", 0.0, "0", 'R');
  layer.addNumProp("half", 0.5, "0.5", 'R');
  EXPECT_STREQ(layer.name(), "METAl1");
  EXPECT_STREQ(layer.type(), "ROUTING");
  EXPECT_STREQ(layer.propName(0), "lef57_spacing");
  EXPECT_STREQ(layer.propValue(0), "spacing 0.1 ;");
  EXPECT_EQ(layer.propType(0), 'S');
  EXPECT_EQ(layer.propIsNumber(1), 0);
  EXPECT_EQ(layer.propIsString(1), 1);
  EXPECT_EQ(layer.propIsNumber(2), 1);
  EXPECT_DOUBLE_EQ(layer.propNumber(2), 0.5);
  EXPECT_STREQ(layer.propValue(2), "0.5");
}

// One entry from Init, then 2, 4: the fourth property is the second growth.
TEST_F(LefiLayerTest, PropertyListStartsWithRoomForOne) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    heap.takeSizes();
    layer.addProp("A", "1", 'S');  // fits the Init entry: only the two copies
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2, 2}));
    layer.addProp("B", "2", 'S');  // capacity 2: names, values, numbers, types
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{16, 16, 16, 2, 2, 2}));
    layer.addProp("C", "3", 'S');  // capacity 4
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{32, 32, 32, 4, 2, 2}));
    layer.addProp("D", "4", 'S');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2, 2}));
    EXPECT_STREQ(layer.propName(0), "A");
    EXPECT_STREQ(layer.propValue(3), "4");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiLayerTest, NameBufferGrowsToExactlyTheNameLength) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    heap.takeSizes();
    layer.setName("ABCDEFGHIJKLMNO");  // 15 characters: fits the 16 bytes
    EXPECT_TRUE(heap.takeSizes().empty());
    layer.setName("ABCDEFGHIJKLMNOPQRSTU");  // 21 characters
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{22}));
    layer.setName("SHORT");
    EXPECT_TRUE(heap.takeSizes().empty());
    EXPECT_STREQ(layer.name(), "SHORT");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

// 38 arrays per rule column set: 21 of double, 1 of names, 16 of int.
TEST_F(LefiLayerTest, SpacingRulesGrowAllColumnsTogether) {
  foldNames();
  lefUpperCase("");  // the fold buffer comes from the plain heap
  TrackedHeap heap;
  {
    lefiLayer layer;
    layer.setName("M1");
    heap.takeSizes();
    layer.setSpacingMin(0.1);
    std::vector<int> first = heap.takeSizes();
    EXPECT_EQ(first.size(), 38u);
    EXPECT_EQ(sum(first), 22 * 2 * 8 + 16 * 2 * 4);
    layer.setSpacingName("via1");
    heap.takeSizes();
    layer.setSpacingMin(0.2);
    layer.setSpacingName("metal2");
    heap.takeSizes();
    layer.setSpacingMin(0.3);
    std::vector<int> third = heap.takeSizes();
    EXPECT_EQ(third.size(), 38u);
    EXPECT_EQ(sum(third), 22 * 4 * 8 + 16 * 4 * 4);

    EXPECT_EQ(layer.numSpacing(), 3);
    EXPECT_EQ(layer.hasSpacingNumber(), 1);
    EXPECT_DOUBLE_EQ(layer.spacing(0), 0.1);
    EXPECT_DOUBLE_EQ(layer.spacing(2), 0.3);
    EXPECT_STREQ(layer.spacingName(0), "VIA1");
    EXPECT_STREQ(layer.spacingName(1), "METAl2");
    EXPECT_EQ(layer.hasSpacingName(1), 1);
    EXPECT_EQ(layer.hasSpacingName(2), 0);
    EXPECT_EQ(layer.spacingName(2), nullptr);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiLayerTest, NewSpacingRuleReadsAsPlainSpacing) {
  lefiLayer layer;
  layer.setSpacingMin(0.5);
  EXPECT_EQ(layer.hasSpacingRange(0), 0);
  EXPECT_DOUBLE_EQ(layer.spacingRangeMin(0), -1.0);
  EXPECT_DOUBLE_EQ(layer.spacingNotchLength(0), -1.0);
  EXPECT_EQ(layer.hasSpacingNotchLength(0), 0);
  EXPECT_EQ(layer.hasSpacingEndOfNotchWidth(0), 0);
  EXPECT_EQ(layer.hasSpacingRangeInfluence(0), 0);
  EXPECT_EQ(layer.hasSpacingLengthThresholdRange(0), 0);
  EXPECT_EQ(layer.hasSpacingAdjacent(0), 0);
  EXPECT_EQ(layer.hasSpacingEndOfLine(0), 0);

  layer.setSpacingMin(0.5);
  layer.setSpacingRange(0.1, 0.9);
  EXPECT_EQ(layer.hasSpacingRange(1), 1);
  EXPECT_DOUBLE_EQ(layer.spacingRangeInfluence(1), -1.0);
  EXPECT_EQ(layer.hasSpacingRangeInfluence(1), 0);
  layer.setSpacingRangeInfluence(0.2);
  EXPECT_EQ(layer.hasSpacingRangeInfluence(1), 1);
  EXPECT_EQ(layer.hasSpacingRangeInfluenceRange(1), 0);
  layer.setSpacingRangeInfluenceRange(0.3, 0.4);
  EXPECT_EQ(layer.hasSpacingRangeInfluenceRange(1), 1);
  EXPECT_EQ(layer.hasSpacingRangeRange(1), 0);
  layer.setSpacingRangeRange(0.5, 0.6);
  EXPECT_EQ(layer.hasSpacingRangeRange(1), 1);

  layer.setSpacingMin(0.2);
  layer.setSpacingNotchLength(0.0);
  layer.setSpacingEndOfNotchWidth(0.1, 0.2, 0.3);
  layer.setSpacingLength(1.0);
  EXPECT_EQ(layer.hasSpacingLengthThresholdRange(2), 0);
  layer.setSpacingLengthRange(0.0, 2.0);
  EXPECT_EQ(layer.hasSpacingNotchLength(2), 1);
  EXPECT_EQ(layer.hasSpacingEndOfNotchWidth(2), 1);
  EXPECT_DOUBLE_EQ(layer.spacingEndOfNotchLength(2), 0.3);
  EXPECT_EQ(layer.hasSpacingLengthThreshold(2), 1);
  EXPECT_EQ(layer.hasSpacingLengthThresholdRange(2), 1);
  // Earlier rules keep their options.
  EXPECT_EQ(layer.hasSpacingRange(0), 0);
  EXPECT_EQ(layer.hasSpacingNotchLength(1), 0);
}

TEST_F(LefiLayerTest, SpacingOptionsWriteTheLastRuleOnly) {
  lefiLayer layer;
  // Before any rule an option has nowhere to go and changes nothing.
  layer.setSpacingAdjacent(3, 0.3);
  layer.setSpacingName("M2");
  layer.setSpacingEol(0.1, 0.2);
  EXPECT_EQ(layer.numSpacing(), 0);
  EXPECT_EQ(layer.hasSpacingNumber(), 0);

  layer.setSpacingMin(0.2);
  layer.setSpacingAdjacent(3, 0.3);
  layer.setSpacingAdjacentExcept();
  layer.setSpacingMin(0.1);
  layer.setSpacingEol(0.2, 0.05);
  layer.setSpacingParSW(0.1, 0.15);
  layer.setSpacingParTwoEdges();
  layer.setSpacingName(nullptr);
  EXPECT_EQ(layer.hasSpacingAdjacent(0), 1);
  EXPECT_EQ(layer.spacingAdjacentCuts(0), 3);
  EXPECT_DOUBLE_EQ(layer.spacingAdjacentWithin(0), 0.3);
  EXPECT_EQ(layer.hasSpacingAdjacentExcept(0), 1);
  EXPECT_EQ(layer.hasSpacingEndOfLine(0), 0);
  EXPECT_EQ(layer.hasSpacingAdjacent(1), 0);
  EXPECT_EQ(layer.hasSpacingEndOfLine(1), 1);
  EXPECT_DOUBLE_EQ(layer.spacingEolWithin(1), 0.05);
  EXPECT_EQ(layer.hasSpacingParellelEdge(1), 1);
  EXPECT_DOUBLE_EQ(layer.spacingParWithin(1), 0.15);
  EXPECT_EQ(layer.hasSpacingTwoEdges(1), 1);
  EXPECT_EQ(layer.hasSpacingName(1), 0);
}

TEST_F(LefiLayerTest, RepeatedSpacingLayerNameReplacesTheFirst) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    layer.setSpacingMin(0.1);
    layer.setSpacingName("M2");
    layer.setSpacingName("M3");
    EXPECT_STREQ(layer.spacingName(0), "M3");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

// Completing setters with no entry to complete must not write anywhere.
TEST_F(LefiLayerTest, CompletingSettersWithoutAnEntryDoNothing) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    layer.addMinimumcutWithin(0.1);
    layer.addMinimumcutConnect("FROMBELOW");
    layer.addMinimumcutLengDis(1.0, 2.0);
    layer.addMinstepType("STEP");
    layer.addMinstepMaxedges(3);
    layer.addMinstepXSameCorners();
    layer.addMinenclosedareaWidth(0.1);
    layer.addEnclosureWidth(0.1);
    layer.addEnclosureLength(0.1);
    layer.addPreferEnclosureWidth(0.1);
    layer.setAcOneEntry(1.0);
    layer.setDcOneEntry(1.0);
    layer.addNumber(1.0);
    layer.addAcWidth();
    layer.addDcCutarea();
    layer.addSpParallelLength();
    layer.addSpParallelWidth(0.1);
    layer.addSpInfluence(0.1, 0.2, 0.3);
    layer.addSpacingTableOrthoWithin(0.1, 0.2);
    EXPECT_EQ(layer.numMinimumcut(), 0);
    EXPECT_EQ(layer.numMinstep(), 0);
    EXPECT_EQ(layer.numAccurrentDensity(), 0);
    EXPECT_EQ(layer.numSpacingTable(), 0);
    EXPECT_EQ(layer.hasSpacingTableOrtho(), 0);
    EXPECT_EQ(layer.getNumber(), 0);  // the stack kept its number
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiLayerTest, MinSizeCopiesPolygonZero) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    lefiGeometries geom;
    minSizePolygon(geom);
    layer.setMinSize(&geom);
    geom.clear();
    EXPECT_EQ(layer.numMinSize(), 3);
    EXPECT_DOUBLE_EQ(layer.minSizeWidth(0), 0.1);
    EXPECT_DOUBLE_EQ(layer.minSizeLength(0), 0.2);

    // A second MINSIZE replaces the first (no leak).
    geom.startList(1.0, 2.0);
    geom.addPolygon(0);
    layer.setMinSize(&geom);
    EXPECT_EQ(layer.numMinSize(), 1);
    EXPECT_DOUBLE_EQ(layer.minSizeLength(0), 2.0);

    // Without a polygon at item 0 the list is empty, and nothing is read.
    lefiGeometries empty;
    layer.setMinSize(&empty);
    EXPECT_EQ(layer.numMinSize(), 0);
    lefiGeometries rectFirst;
    rectFirst.addRect(0, 0.0, 0.0, 1.0, 1.0);
    layer.setMinSize(&rectFirst);
    EXPECT_EQ(layer.numMinSize(), 0);
    EXPECT_TRUE(logged().empty());
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiLayerTest, DumpShowsTheSetAttributes) {
  lefiLayer layer;
  layer.setName("M1");
  layer.setType("ROUTING");
  layer.setPitch(0.2);
  layer.setDirection("HORIZONTAL");
  layer.setWidth(0.1);
  layer.setCapMultiplier(2.0);
  layer.setSpacingMin(0.12);
  layer.setSpacingRange(0.1, 0.5);
  layer.setResistancePoint(1.0, 2.0);
  layer.setResistancePoint(3.0, 4.0);
  layer.addNumProp("P1", 5.0, "5", 'I');
  layer.addProp("S1", "abc", 'S');
  EXPECT_EQ(dump(layer),
            "Layer M1:\n"
            "  type ROUTING\n"
            "  pitch 0.2\n"
            "  direction HORIZONTAL\n"
            "  width 0.1\n"
            "  cap muptiplier 2\n"
            "  resistance PWL 1 2 3 4\n"
            "  spacing 0.12\n"
            "  range 0.1 0.5\n"
            "  PROP P1 5\n"
            "  PROP S1 abc\n");
}

// Every text the layer copies is taken and given back through the
// allocation hooks, never through the plain heap.
TEST_F(LefiLayerTest, CopiedTextsGoThroughTheHooks) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    int before = heap.liveBlocks();
    layer.setName("C1");
    layer.setLayerType("TSV");
    layer.setLayerType("PASSIVATION");
    layer.addMinimumcut(2, 0.1);
    layer.addMinimumcutConnect("FROMABOVE");
    layer.addMinstep(0.1);
    layer.addMinstepType("STEP");
    layer.addEnclosure("ABOVE", 0.1, 0.2);
    layer.addPreferEnclosure("BELOW", 0.1, 0.2);
    layer.addAntennaModel(2);
    EXPECT_STREQ(layer.layerType(), "PASSIVATION");
    EXPECT_STREQ(layer.antennaModel(1)->antennaOxide(), "OXIDE2");
    layer.setName("C2");
    EXPECT_EQ(heap.liveBlocks(), before);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

// Destroy leaves the object fit for Init, and a later destructor releases
// nothing twice.
TEST_F(LefiLayerTest, DestroyIsRepeatable) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    layer.setName("M1");
    layer.setSpacingMin(0.1);
    layer.setSpacingName("M2");
    layer.addProp("P", "v", 'S');
    layer.addMinstep(0.1);
    layer.addMinstepType("STEP");
    layer.setAntennaAreaRatio(1.0);
    layer.addSpacingTable();
    layer.setSpacingTableOrtho();
    layer.addSpacingTableOrthoWithin(0.1, 0.2);
    layer.Destroy();
    EXPECT_EQ(heap.liveBlocks(), 0);
    layer.Destroy();
    layer.Init();
    layer.setName("AGAIN");
    EXPECT_STREQ(layer.name(), "AGAIN");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

}  // namespace
}  // namespace LefDefParser
