#include "lef/lefiViaRule.h"

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

class LefiViaRuleTest : public LefLogTest {
 protected:
  void threeLayers(const char* name) {
    rule.setName(name);
    rule.setLayer("M1");
    rule.setLayer("V1");
    rule.setLayer("M2");
  }
  lefiViaRule rule;
};

TEST_F(LefiViaRuleTest, FourthLayerIsReportedAndItsValuesAreDropped) {
  rule.setName("VIAGEN12");
  rule.setWidth(9, 9);  // no layer yet: nowhere to go
  rule.setLayer("M1");
  EXPECT_EQ(rule.layer(0)->hasWidth(), 0);
  rule.setLayer("V1");
  rule.setLayer("M2");
  rule.setWidth(0.1, 0.2);
  rule.setLayer("M3");
  rule.setWidth(5.0, 6.0);
  rule.setVertical();
  EXPECT_EQ(rule.numLayers(), 3);
  EXPECT_EQ(logged(), std::vector<std::string>{"ERROR (LEFPARS-1430): too many via rule layers"});
  lefiViaRuleLayer* third = rule.layer(2);
  EXPECT_STREQ(third->name(), "M2");
  EXPECT_DOUBLE_EQ(third->widthMin(), 0.1);
  EXPECT_DOUBLE_EQ(third->widthMax(), 0.2);
  EXPECT_EQ(third->hasDirection(), 0);
}

TEST_F(LefiViaRuleTest, LayerSlotsAndViaNamesWithoutIndexMessages) {
  rule.setName("R");
  rule.setLayer("M1");
  rule.setLayer("M2");
  rule.addViaName("VIA1");
  rule.addViaName("VIA2");
  EXPECT_EQ(rule.layer(3), nullptr);
  EXPECT_EQ(rule.layer(-1), nullptr);
  ASSERT_NE(rule.layer(2), nullptr);  // a slot not in use yet
  EXPECT_EQ(rule.layer(2)->name(), nullptr);
  EXPECT_STREQ(rule.layer(1)->name(), "M2");
  EXPECT_EQ(rule.viaName(5), nullptr);
  EXPECT_EQ(rule.viaName(-1), nullptr);
  EXPECT_STREQ(rule.viaName(1), "VIA2");
  EXPECT_TRUE(logged().empty());
}

TEST_F(LefiViaRuleTest, OverhangFillsTheFirstUnsetEnclosureOfSlotsZeroAndOne) {
  threeLayers("R");
  lefiViaRuleLayer* m1 = rule.layer(0);
  struct Step {
    double value, overhang1, overhang2;
  } steps[] = {{0.05, 0.05, -1.0}, {0.06, 0.05, 0.06}, {0.07, 0.05, 0.06}};
  for (const Step& s : steps) {
    rule.setOverhangToEnclosure(s.value);
    EXPECT_EQ(m1->hasEnclosure(), 1);
    EXPECT_DOUBLE_EQ(m1->enclosureOverhang1(), s.overhang1) << s.value;
    EXPECT_DOUBLE_EQ(m1->enclosureOverhang2(), s.overhang2) << s.value;
    EXPECT_DOUBLE_EQ(rule.layer(1)->enclosureOverhang2(), s.overhang2) << s.value;
    EXPECT_EQ(rule.layer(2)->hasEnclosure(), 0);
  }
  rule.clearLayerOverhang();
  EXPECT_EQ(m1->hasEnclosure(), 0);
  EXPECT_DOUBLE_EQ(m1->enclosureOverhang2(), -1.0);
}

// The reader resets slots 0 and 1 after each rule; the third slot of the
// next rule must not show this rule's enclosure either.
TEST_F(LefiViaRuleTest, NextRuleStartsWithoutTheThirdLayersEnclosure) {
  threeLayers("FIRST");
  rule.setEnclosure(0.1, 0.2);
  EXPECT_EQ(rule.layer(2)->hasEnclosure(), 1);
  rule.clearLayerOverhang();
  threeLayers("SECOND");
  for (int i = 0; i < 3; i++) {
    EXPECT_DOUBLE_EQ(rule.layer(i)->enclosureOverhang1(), -1.0) << i;
    EXPECT_DOUBLE_EQ(rule.layer(i)->enclosureOverhang2(), -1.0) << i;
  }
}

TEST_F(LefiViaRuleTest, NewRuleClearsFlagsListsAndLayerFlags) {
  rule.setName("FIRST");
  rule.setGenerate();
  rule.setDefault();
  rule.setLayer("M1");
  rule.setWidth(0.1, 0.9);
  rule.setHorizontal();
  rule.addViaName("V1");
  rule.addProp("P", "x", 'S');

  rule.setName("SECOND");
  EXPECT_STREQ(rule.name(), "SECOND");
  EXPECT_EQ(rule.hasGenerate() + rule.hasDefault() + rule.numLayers() + rule.numVias() +
                rule.numProps(),
            0);
  // The slot keeps its name and values until it is taken again.
  EXPECT_STREQ(rule.layer(0)->name(), "M1");
  EXPECT_EQ(rule.layer(0)->hasWidth(), 1);
  rule.setLayer("M5");
  EXPECT_STREQ(rule.layer(0)->name(), "M5");
  EXPECT_EQ(rule.layer(0)->hasWidth() + rule.layer(0)->hasDirection(), 0);
  EXPECT_DOUBLE_EQ(rule.layer(0)->widthMax(), 0.9);
}

TEST_F(LefiViaRuleTest, NamesFoldButPropertiesStayAsWritten) {
  foldNames();
  rule.setName("via12gen");
  rule.setLayer("metal1");
  rule.addViaName("via1a");
  rule.addProp("myProp", "lowVal", 'S');
  EXPECT_STREQ(rule.name(), "VIA12GEN");
  EXPECT_STREQ(rule.layer(0)->name(), "METAl1");
  EXPECT_STREQ(rule.viaName(0), "VIA1A");
  EXPECT_STREQ(rule.propName(0), "myProp");
  EXPECT_STREQ(rule.propValue(0), "lowVal");
}

TEST_F(LefiViaRuleTest, PropertiesAndTheirIndexMessage) {
  rule.setName("R");
  rule.addProp("S1", "text", 'S');
  rule.addNumProp("N0", 0.0, "0", 'R');
  rule.addNumProp("N2", 2.5, "2.5", 'R');
  EXPECT_EQ(rule.numProps(), 3);
  EXPECT_EQ(rule.propIsString(1), 1);
  EXPECT_EQ(rule.propIsNumber(1), 0);
  EXPECT_EQ(rule.propIsNumber(2), 1);
  EXPECT_DOUBLE_EQ(rule.propNumber(2), 2.5);
  EXPECT_EQ(rule.propType(2), 'R');
  EXPECT_TRUE(logged().empty());

  EXPECT_EQ(rule.propName(3), nullptr);
  EXPECT_EQ(rule.propValue(3), nullptr);
  EXPECT_EQ(rule.propNumber(3), 0.0);
  EXPECT_EQ(rule.propType(3), 0);
  EXPECT_EQ(rule.propIsNumber(3), 0);
  EXPECT_EQ(rule.propIsString(3), 0);
  EXPECT_EQ(logged(), std::vector<std::string>(
                          6, "ERROR (LEFPARS-1431): The index number 3 given for the VIARULE "
                             "PROPERTY is invalid.\nValid index is from 0 to 2"));
}

TEST_F(LefiViaRuleTest, ViaNamesAndPropertiesGrowByDoubling) {
  const int ptr = static_cast<int>(sizeof(char*));
  TrackedHeap heap;
  {
    lefiViaRule r;
    r.setName("R");
    r.addViaName("A");
    r.addViaName("B");
    heap.takeSizes();
    r.addViaName("C");  // 2 -> 4 pointers, then the copy
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{4 * ptr, 2}));
    r.addProp("P1", "v", 'S');  // room for one from the start
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{3, 2}));
    r.addProp("P2", "w", 'S');  // 1 -> 2
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * ptr, 2 * ptr, 16, 2, 3, 2}));
    EXPECT_STREQ(r.viaName(2), "C");
    EXPECT_STREQ(r.propName(0), "P1");
    r.Destroy();  // and again from the destructor
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiViaRuleTest, Print) {
  rule.setName("VIA12");
  rule.setGenerate();
  rule.setDefault();
  rule.setLayer("M1");
  rule.setHorizontal();
  rule.setWidth(0.1, 0.2);
  rule.setEnclosure(0.5, 0.5);
  rule.setOverhang(0.05);
  rule.setLayer("V1");
  rule.setRect(-0.5, -0.25, 0.5, 0.25);
  rule.setSpacing(1, 1.5);
  rule.setResistance(4);
  rule.setMetalOverhang(0.02);
  rule.addViaName("VA");
  rule.addViaName("VB");
  rule.addProp("P", "x", 'S');
  EXPECT_EQ(dump(rule),
            "VIA RULE VIA12 GENERATE\n"
            "  Layer M1 HORIZONTAL\n"
            "    WIDTH 0.1 0.2\n"
            "    OVERHANG 0.05\n"
            "  Layer V1\n"
            "    RESISTANCE 4\n"
            "    METALOVERHANG 0.02\n"
            "    SPACING 1 1.5\n"
            "    RECT -0.5,-0.25 0.5,0.25\n"
            "  Via VA\n"
            "  Via VB\n");
}

}  // namespace
}  // namespace LefDefParser
