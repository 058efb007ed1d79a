#include "lef/lefiNonDefault.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lef/lefrData.h"
#include "lefTestDump.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::dump;
using lefTest::LefLogTest;
using lefTest::TrackedHeap;

class LefiNonDefaultTest : public LefLogTest {};

struct LayerValue {
  const char* name;
  void (lefiNonDefault::*add)(double);
  int (lefiNonDefault::*has)(int) const;
  double (lefiNonDefault::*get)(int) const;
};

const LayerValue kLayerValues[] = {
    {"WIDTH", &lefiNonDefault::addWidth, &lefiNonDefault::hasLayerWidth,
     &lefiNonDefault::layerWidth},
    {"SPACING", &lefiNonDefault::addSpacing, &lefiNonDefault::hasLayerSpacing,
     &lefiNonDefault::layerSpacing},
    {"WIREEXTENSION", &lefiNonDefault::addWireExtension, &lefiNonDefault::hasLayerWireExtension,
     &lefiNonDefault::layerWireExtension},
    {"RESISTANCE", &lefiNonDefault::addResistance, &lefiNonDefault::hasLayerResistance,
     &lefiNonDefault::layerResistance},
    {"CAPACITANCE", &lefiNonDefault::addCapacitance, &lefiNonDefault::hasLayerCapacitance,
     &lefiNonDefault::layerCapacitance},
    {"EDGECAPACITANCE", &lefiNonDefault::addEdgeCap, &lefiNonDefault::hasLayerEdgeCap,
     &lefiNonDefault::layerEdgeCap},
    {"DIAGWIDTH", &lefiNonDefault::addDiagWidth, &lefiNonDefault::hasLayerDiagWidth,
     &lefiNonDefault::layerDiagWidth},
};

std::string indexText(int num, const char* list, int index, int last) {
  return "ERROR (LEFPARS-" + std::to_string(num) + "): The index number " +
         std::to_string(index) + " given for the NONDEFAULT " + list +
         " is invalid.\nValid index is from 0 to " + std::to_string(last);
}

TEST_F(LefiNonDefaultTest, EachLayerValueSetsItsOwnFlagOnTheLastLayer) {
  lefiNonDefault nd;
  for (const LayerValue& v : kLayerValues) {
    nd.setName("NDR");
    nd.addLayer("M1");
    nd.addLayer("M2");
    (nd.*v.add)(0.75);
    for (const LayerValue& other : kLayerValues) {
      bool same = &other == &v;
      EXPECT_EQ((nd.*other.has)(1), same ? 1 : 0) << v.name << " " << other.name;
      EXPECT_DOUBLE_EQ((nd.*other.get)(1), same ? 0.75 : 0.0) << v.name << " " << other.name;
      EXPECT_EQ((nd.*other.has)(0), 0) << v.name << " " << other.name;
    }
  }
  EXPECT_TRUE(logged().empty());
}

TEST_F(LefiNonDefaultTest, ValuesBeforeAnyLayerAreIgnored) {
  lefiNonDefault nd;
  nd.setName("NDR");
  for (const LayerValue& v : kLayerValues) (nd.*v.add)(1.0);
  EXPECT_EQ(nd.numLayers(), 0);
  nd.addLayer("M1");
  for (const LayerValue& v : kLayerValues) EXPECT_EQ((nd.*v.has)(0), 0) << v.name;
}

TEST_F(LefiNonDefaultTest, ThirdLayerGrowsAllArraysAndKeepsEarlierEntries) {
  TrackedHeap heap;
  {
    lefiNonDefault nd;
    nd.setName("NDR");
    nd.addLayer("M1");
    nd.addWidth(0.1);
    nd.addSpacing(0.2);
    nd.addLayer("M2");
    nd.addWireExtension(0.3);
    nd.addDiagWidth(0.4);
    heap.takeSizes();
    nd.addLayer("M3");
    std::vector<int> sizes = heap.takeSizes();
    // Eight arrays of four pointers or doubles, seven of four flags, the name.
    ASSERT_EQ(sizes.size(), 16u);
    int eights = 0, flags = 0;
    for (int s : sizes) {
      eights += s == 32;
      flags += s == 4;
    }
    EXPECT_EQ(eights, 8);
    EXPECT_EQ(flags, 7);
    EXPECT_EQ(sizes.back(), 3);
    nd.addCapacitance(0.5);
    EXPECT_EQ(nd.numLayers(), 3);
    EXPECT_STREQ(nd.layerName(0), "M1");
    EXPECT_STREQ(nd.layerName(1), "M2");
    EXPECT_STREQ(nd.layerName(2), "M3");
    EXPECT_DOUBLE_EQ(nd.layerWidth(0), 0.1);
    EXPECT_EQ(nd.hasLayerSpacing(0), 1);
    EXPECT_DOUBLE_EQ(nd.layerSpacing(0), 0.2);
    EXPECT_EQ(nd.hasLayerWidth(1), 0);
    EXPECT_DOUBLE_EQ(nd.layerWireExtension(1), 0.3);
    EXPECT_EQ(nd.hasLayerDiagWidth(1), 1);
    EXPECT_DOUBLE_EQ(nd.layerDiagWidth(1), 0.4);
    EXPECT_EQ(nd.hasLayerCapacitance(2), 1);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiNonDefaultTest, ClearKeepsTheNameAndEmptiesEveryList) {
  TrackedHeap heap;
  {
    lefiNonDefault nd;
    lefiVia via;
    lefiSpacing sp;
    via.setName("V1", 0);
    sp.set("M1", "M2", 0.5, 0);
    heap.takeSizes();
    nd.setName("RULE_WITH_20_CHARSXY");
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{21}));
    nd.setName("NDR");  // the grown buffer is reused
    EXPECT_TRUE(heap.takeSizes().empty());
    nd.addLayer("M1");
    nd.addViaRule(&via);
    nd.addSpacingRule(&sp);
    nd.setHardspacing();
    nd.addUseVia("V2");
    nd.addUseViaRule("VR");
    nd.addMinCuts("V1", 2);
    nd.addProp("P", "x", 'S');
    nd.clear();
    EXPECT_STREQ(nd.name(), "NDR");
    EXPECT_EQ(nd.numLayers() + nd.numVias() + nd.numSpacingRules() + nd.hasHardspacing() +
                  nd.numUseVia() + nd.numUseViaRule() + nd.numMinCuts() + nd.numProps(),
              0);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiNonDefaultTest, IndexMessagesOfEveryList) {
  lefiNonDefault nd;
  nd.setName("NDR");
  nd.addLayer("M1");
  nd.addUseVia("V1");
  nd.addUseViaRule("R1");
  nd.addMinCuts("CUT1", 2);
  nd.addProp("P", "v", 'S');

  EXPECT_EQ(nd.layerName(1), nullptr);
  for (const LayerValue& v : kLayerValues) {
    EXPECT_EQ((nd.*v.has)(1), 0);
    EXPECT_EQ((nd.*v.get)(-1), 0.0);
  }
  EXPECT_EQ(nd.viaRule(0), nullptr);
  EXPECT_EQ(nd.spacingRule(0), nullptr);
  EXPECT_EQ(nd.viaName(1), nullptr);
  EXPECT_EQ(nd.viaRuleName(2), nullptr);
  EXPECT_EQ(nd.cutLayerName(1), nullptr);
  EXPECT_EQ(nd.numCuts(-2), 0);
  EXPECT_EQ(nd.propName(1), nullptr);
  EXPECT_EQ(nd.propValue(1), nullptr);
  EXPECT_EQ(nd.propNumber(1), 0.0);
  EXPECT_EQ(nd.propType(1), 0);
  EXPECT_EQ(nd.propIsNumber(1), 0);
  EXPECT_EQ(nd.propIsString(1), 0);

  std::vector<std::string> expected = {indexText(1402, "LAYER", 1, 0)};
  for (int i = 0; i < 7; i++) {
    expected.push_back(indexText(1402, "LAYER", 1, 0));
    expected.push_back(indexText(1402, "LAYER", -1, 0));
  }
  expected.push_back(indexText(1403, "VIA", 0, -1));
  expected.push_back(indexText(1404, "SPACING", 0, -1));
  expected.push_back(indexText(1405, "USE VIA", 1, 0));
  expected.push_back(indexText(1406, "USE VIARULE", 2, 0));
  expected.push_back(indexText(1407, "CUT", 1, 0));
  expected.push_back(indexText(1407, "CUT", -2, 0));
  for (int i = 0; i < 6; i++) expected.push_back(indexText(1408, "PROPERTY", 1, 0));
  EXPECT_EQ(logged(), expected);
  EXPECT_EQ(expected[15],
            "ERROR (LEFPARS-1403): The index number 0 given for the NONDEFAULT VIA is invalid.\n"
            "Valid index is from 0 to -1");
}

TEST_F(LefiNonDefaultTest, NamesFoldButPropertiesDoNot) {
  foldNames();
  lefiNonDefault nd;
  nd.setName("wide2x");
  nd.addLayer("metal1");
  nd.addUseVia("via12");
  nd.addUseViaRule("viagen");
  nd.addMinCuts("cut12", 3);
  nd.addProp("myProp", "someValue", 'S');
  nd.addNumProp("zero", 0.0, "0", 'R');
  nd.addNumProp("half", 0.5, "0.5", 'R');
  EXPECT_STREQ(nd.name(), "WIDE2X");
  EXPECT_STREQ(nd.layerName(0), "METAl1");
  EXPECT_STREQ(nd.viaName(0), "VIA12");
  EXPECT_STREQ(nd.viaRuleName(0), "VIAGEN");
  EXPECT_STREQ(nd.cutLayerName(0), "CUT12");
  EXPECT_EQ(nd.numCuts(0), 3);
  EXPECT_STREQ(nd.propName(0), "myProp");
  EXPECT_STREQ(nd.propValue(0), "someValue");
  EXPECT_EQ(nd.propType(0), 'S');
  EXPECT_EQ(nd.propIsString(1), 1);
  EXPECT_EQ(nd.propIsNumber(1), 0);
  EXPECT_EQ(nd.propIsNumber(2), 1);
  EXPECT_DOUBLE_EQ(nd.propNumber(2), 0.5);
}

TEST_F(LefiNonDefaultTest, NameListsStartEmptyAndDouble) {
  TrackedHeap heap;
  {
    lefiNonDefault nd;
    nd.setName("NDR");
    heap.takeSizes();
    nd.addUseVia("A");
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * int(sizeof(char*)), 2}));
    nd.addUseVia("B");
    nd.addUseVia("C");
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2, 4 * int(sizeof(char*)), 2}));
    nd.addMinCuts("V", 1);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * int(sizeof(char*)), 2 * 4, 2}));
    nd.addProp("P1", "a", 'S');  // the property arrays start with room for one
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{3, 2}));
    EXPECT_STREQ(nd.viaName(2), "C");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiNonDefaultTest, ViaAndSpacingAreIndependentCopies) {
  lefiNonDefault nd;
  lefiVia via;
  lefiSpacing sp;
  nd.setName("NDR");
  via.setName("V12", 0);
  via.addLayer("M1");
  via.addRectToLayer(0, -1, -1, 1, 1);
  nd.addViaRule(&via);
  sp.set("M1", "M2", 0.25, 1);
  nd.addSpacingRule(&sp);

  via.setName("OTHER", 0);
  via.addLayer("M9");
  via.addRectToLayer(0, 5, 5, 6, 6);
  sp.set("M7", "M8", 9.0, 0);

  ASSERT_EQ(nd.numVias(), 1);
  lefiVia* held = nd.viaRule(0);
  ASSERT_NE(held, &via);
  EXPECT_STREQ(held->name(), "V12");
  ASSERT_EQ(held->numLayers(), 1);
  EXPECT_STREQ(held->layerName(0), "M1");
  EXPECT_DOUBLE_EQ(held->xl(0, 0), -1);
  ASSERT_EQ(nd.numSpacingRules(), 1);
  lefiSpacing* heldSp = nd.spacingRule(0);
  EXPECT_STREQ(heldSp->name1(), "M1");
  EXPECT_STREQ(heldSp->name2(), "M2");
  EXPECT_DOUBLE_EQ(heldSp->distance(), 0.25);
  EXPECT_EQ(heldSp->hasStack(), 1);
}

TEST_F(LefiNonDefaultTest, CurrentRuleOfTheReader) {
  EXPECT_EQ(lefData->nd, nullptr);
  {
    lefiNonDefault nd;
    nd.setName("NDR");
    EXPECT_EQ(lefData->nd, &nd);
    nd.end();
    EXPECT_EQ(lefData->nd, nullptr);
    nd.setName("NDR2");
    EXPECT_EQ(lefData->nd, &nd);
  }
  // A rule that is gone is no longer current.
  EXPECT_EQ(lefData->nd, nullptr);
}

TEST_F(LefiNonDefaultTest, Print) {
  lefiNonDefault nd;
  lefiVia via;
  lefiSpacing sp;
  nd.setName("NDR1");
  nd.addLayer("M1");
  nd.addWidth(0.2);
  nd.addSpacing(0.4);
  nd.addWireExtension(0.5);
  nd.addResistance(0.6);
  nd.addCapacitance(0.7);
  nd.addEdgeCap(0.8);
  nd.addDiagWidth(0.3);
  nd.addLayer("M2");
  via.setName("V1", 0);
  via.addLayer("M1");
  via.addRectToLayer(0, 0, 0, 1, 1);
  nd.addViaRule(&via);
  sp.set("M1", "M2", 0.5, 0);
  nd.addSpacingRule(&sp);
  nd.addUseVia("VX");
  nd.addProp("P", "v", 'S');
  EXPECT_EQ(dump(nd),
            "Nondefault rule NDR1\n"
            "2 layers   1 vias   1 spacing rules\n"
            "  Layer M1\n"
            "    WIDTH 0.2\n"
            "    DIAGWIDTH 0.3\n"
            "    SPACING 0.4\n"
            "    WIREEXTENSION 0.5"
            "    RESISTANCE RPERSQ 0.6\n"
            "    CAPACITANCE CPERSQDIST 0.7\n"
            "    EDGECAPACITANCE 0.8\n"
            "  Layer M2\n"
            "Via V1:\n"
            "  LAYER M1\n"
            "    RECT 0,0 1,1\n"
            "SPACING M1 M2 0.5\n");
}

TEST_F(LefiNonDefaultTest, EveryCopyIsReleasedThroughTheHooks) {
  TrackedHeap heap;
  {
    lefiNonDefault nd;
    lefiVia via;
    lefiSpacing sp;
    via.setName("V1", 0);
    via.addLayer("M1");
    via.addRectToLayer(0, 0, 0, 1, 1);
    sp.set("M1", "M2", 0.5, 0);
    for (const char* name : {"A-RULE-NAME-LONGER-THAN-16", "B"}) {
      nd.setName(name);
      for (const char* layer : {"M1", "M2", "M3"}) {
        nd.addLayer(layer);
        nd.addWidth(1);
      }
      for (int i = 0; i < 3; i++) {
        nd.addViaRule(&via);
        nd.addSpacingRule(&sp);
        nd.addUseVia("U");
        nd.addUseViaRule("R");
        nd.addMinCuts("C", i);
        nd.addProp("P", "V", 'S');
      }
    }
    nd.Destroy();
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

}  // namespace
}  // namespace LefDefParser
