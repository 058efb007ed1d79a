#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lefTestDump.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::dump;
using lefTest::LefLogTest;
using lefTest::TrackedHeap;

const int kPtr = static_cast<int>(sizeof(void*));
const char* const k1351 =
    "ERROR (LEFPARS-1351): There is an unexpected lef parser bug which cause it unable to "
    "retrieve ANTENNAMODEL data with the given index.";

lefiGeometries* rectPort(const char* layer, double xh, double yh) {
  lefiGeometries* g = lefiNewObj<lefiGeometries>();
  g->addLayer(layer);
  g->addRect(0, 0, 0, xh, yh);
  return g;
}

class LefiPinTest : public LefLogTest {
 protected:
  void SetUp() override {
    LefLogTest::SetUp();
    pin.setName("A");
  }
  lefiPin pin;
};

TEST_F(LefiPinTest, FixedTextsUseReadsSignalAndLongTextsAreCut) {
  EXPECT_STREQ(pin.use(), "SIGNAL");
  EXPECT_EQ(pin.hasUse(), 0);
  pin.setUse("POWER");
  pin.setDirection("OUTPUT TRISTATE");
  pin.setShape("ABUTMENT");
  EXPECT_EQ(pin.hasUse() + pin.hasDirection() + pin.hasShape(), 3);
  EXPECT_STREQ(pin.use(), "POWER");
  EXPECT_STREQ(pin.shape(), "ABUTMENT");

  pin.setName("B");
  EXPECT_STREQ(pin.name(), "B");
  EXPECT_EQ(pin.hasUse() + pin.hasDirection() + pin.hasShape(), 0);
  EXPECT_STREQ(pin.use(), "SIGNAL");
  EXPECT_STREQ(pin.direction(), "OUTPUT TRISTATE");  // kept, flagged absent

  pin.setDirection("DIRECTION-TEXT-OF-FORTY-CHARACTERS-LONG!");
  pin.setUse("USE-TEXT-OF-15C");
  pin.setCurrentSource("ACTIVE-AND-MORE");
  EXPECT_STREQ(pin.direction(), "DIRECTION-TEXT-OF-FORTY-CHARACT");
  EXPECT_STREQ(pin.use(), "USE-TEXT-OF");
  EXPECT_STREQ(pin.currentSource(), "ACTIVE-AND-");
  EXPECT_EQ(pin.hasCurrentSource(), 1);
}

TEST_F(LefiPinTest, PortsInOrderAndTheirIndexMessage) {
  lefiGeometries* p0 = rectPort("M1", 1, 2);
  lefiGeometries* p1 = rectPort("M2", 3, 4);
  pin.addPort(p0);
  pin.addPort(p1);
  EXPECT_EQ(pin.numPorts(), 2);
  EXPECT_EQ(pin.port(0), p0);
  EXPECT_EQ(pin.port(1), p1);
  EXPECT_TRUE(logged().empty());
  EXPECT_EQ(pin.port(2), nullptr);
  EXPECT_EQ(pin.port(-1), nullptr);
  EXPECT_EQ(logged(), (std::vector<std::string>{
                          "ERROR (LEFPARS-1350): The index number 2 given for the macro PIN is "
                          "invalid.\nValid index is from 0 to 1",
                          "ERROR (LEFPARS-1350): The index number -1 given for the macro PIN is "
                          "invalid.\nValid index is from 0 to 1"}));
}

TEST_F(LefiPinTest, NamesFoldButSensitivityTaperAndAntennaLayersDoNot) {
  foldNames();
  pin.setName("clk");
  pin.setLEQ("clkb");
  pin.setMustjoin("clk2");
  pin.setTables("hiTab", "loTab");
  pin.setTaperRule("taper1");
  pin.setNetExpr("vdd1 vddx");
  pin.setSupplySensitivity("vdd");
  pin.setGroundSensitivity("vss");
  pin.addAntennaSize(1.0, "metal1");
  pin.addAntennaSize(2.0, nullptr);  // grows past the start capacity of 1
  EXPECT_STREQ(pin.name(), "ClK");  // 'l' is never folded
  EXPECT_STREQ(pin.LEQ(), "ClKB");
  EXPECT_STREQ(pin.mustjoin(), "ClK2");
  EXPECT_STREQ(pin.tableHighName(), "HITAB");
  EXPECT_STREQ(pin.tableLowName(), "lOTAB");
  EXPECT_EQ(pin.hasLEQ() + pin.hasMustjoin() + pin.hasTables(), 3);
  EXPECT_STREQ(pin.taperRule(), "taper1");
  EXPECT_STREQ(pin.netExpr(), "vdd1 vddx");
  EXPECT_STREQ(pin.supplySensitivity(), "vdd");
  EXPECT_STREQ(pin.groundSensitivity(), "vss");
  EXPECT_STREQ(pin.antennaSizeLayer(0), "metal1");
  EXPECT_EQ(pin.antennaSizeLayer(1), nullptr);
  EXPECT_DOUBLE_EQ(pin.antennaSize(1), 2.0);
  EXPECT_EQ(pin.numAntennaSize(), 2);
  EXPECT_EQ(pin.hasAntennaDiffArea(), 0);
}

TEST_F(LefiPinTest, GateAreaBeforeAnyModelOpensOxide1) {
  EXPECT_EQ(pin.hasAntennaModel(), 0);
  pin.addAntennaGateArea(1.5, nullptr);
  EXPECT_EQ(pin.hasAntennaModel(), 1);
  EXPECT_EQ(pin.numAntennaModel(), 1);
  lefiPinAntennaModel* m = pin.antennaModel(0);
  ASSERT_NE(m, nullptr);
  EXPECT_STREQ(m->antennaOxide(), "OXIDE1");
  EXPECT_EQ(m->numAntennaGateArea(), 1);
  EXPECT_DOUBLE_EQ(m->antennaGateArea(0), 1.5);
  EXPECT_EQ(m->antennaGateAreaLayer(0), nullptr);
  EXPECT_TRUE(logged().empty());
}

TEST_F(LefiPinTest, Oxide3FirstNamesTheModelsBelowIt) {
  pin.addAntennaModel(3);
  pin.addAntennaMaxAreaCar(9, "M1");
  pin.addAntennaMaxSideAreaCar(8, "M2");
  pin.addAntennaMaxCutCar(7, "V1");
  EXPECT_EQ(pin.numAntennaModel(), 3);
  const char* oxides[] = {"OXIDE1", "OXIDE2", "OXIDE3"};
  for (int i = 0; i < 3; i++) {
    lefiPinAntennaModel* m = pin.antennaModel(i);
    ASSERT_NE(m, nullptr) << i;
    EXPECT_STREQ(m->antennaOxide(), oxides[i]);
    EXPECT_EQ(m->hasReturn(), 1);
    EXPECT_EQ(m->hasAntennaMaxAreaCar(), i == 2 ? 1 : 0);
  }
  lefiPinAntennaModel* third = pin.antennaModel(2);
  EXPECT_DOUBLE_EQ(third->antennaMaxAreaCar(0), 9);
  EXPECT_STREQ(third->antennaMaxSideAreaCarLayer(0), "M2");
  EXPECT_DOUBLE_EQ(third->antennaMaxCutCar(0), 7);
  EXPECT_TRUE(logged().empty());
  EXPECT_EQ(pin.antennaModel(3), nullptr);
  EXPECT_EQ(logged(), std::vector<std::string>{k1351});

  // Asking for model 0 clears the returned flags of the others first.
  EXPECT_EQ(pin.antennaModel(0)->hasReturn(), 1);
  EXPECT_EQ(third->hasReturn(), 0);
}

TEST_F(LefiPinTest, RepeatedModelDropsItsEarlierValues) {
  pin.addAntennaModel(2);
  pin.addAntennaGateArea(1.0, "M1");
  pin.addAntennaGateArea(2.0, "M2");
  pin.addAntennaModel(1);
  pin.addAntennaGateArea(5.0, nullptr);
  pin.addAntennaModel(2);
  pin.addAntennaGateArea(3.0, nullptr);
  EXPECT_EQ(pin.numAntennaModel(), 2);
  EXPECT_EQ(pin.antennaModel(0)->numAntennaGateArea(), 1);
  EXPECT_DOUBLE_EQ(pin.antennaModel(0)->antennaGateArea(0), 5.0);
  lefiPinAntennaModel* m = pin.antennaModel(1);
  EXPECT_STREQ(m->antennaOxide(), "OXIDE2");
  ASSERT_EQ(m->numAntennaGateArea(), 1);
  EXPECT_DOUBLE_EQ(m->antennaGateArea(0), 3.0);
}

TEST_F(LefiPinTest, ModelLookupWithoutModelsOrOutOfRangeReports1351) {
  EXPECT_EQ(pin.antennaModel(0), nullptr);
  pin.addAntennaModel(0);  // no such oxide: ignored
  pin.addAntennaModel(5);
  EXPECT_EQ(pin.hasAntennaModel() + pin.numAntennaModel(), 0);
  pin.addAntennaModel(4);
  EXPECT_EQ(pin.numAntennaModel(), 4);
  EXPECT_EQ(pin.antennaModel(4), nullptr);
  EXPECT_EQ(pin.antennaModel(-1), nullptr);
  EXPECT_STREQ(pin.antennaModel(3)->antennaOxide(), "OXIDE4");
  EXPECT_EQ(logged(), std::vector<std::string>(3, k1351));
}

TEST_F(LefiPinTest, ForeignEntries) {
  foldNames();
  pin.addForeign("cellx", 0, 0, 0, -1);
  pin.addForeign("celly", 1, 1.5, -2, 5);
  pin.addForeign("cellz", 1, 0, 0, 0);
  EXPECT_EQ(pin.hasForeign(), 1);
  EXPECT_EQ(pin.numForeigns(), 3);
  EXPECT_STREQ(pin.foreignName(0), "CEllX");
  EXPECT_EQ(pin.hasForeignOrient(0), 0);
  EXPECT_EQ(pin.foreignOrient(0), -1);
  EXPECT_STREQ(pin.foreignOrientStr(0), "");
  EXPECT_EQ(pin.hasForeignPoint(0), 0);
  EXPECT_EQ(pin.hasForeignOrient(1), 1);
  EXPECT_STREQ(pin.foreignOrientStr(1), "FW");
  EXPECT_EQ(pin.hasForeignPoint(1), 1);
  EXPECT_DOUBLE_EQ(pin.foreignX(1), 1.5);
  EXPECT_DOUBLE_EQ(pin.foreignY(1), -2);
  EXPECT_EQ(pin.hasForeignOrient(2), 1);  // N is code 0
  EXPECT_STREQ(pin.foreignOrientStr(2), "N");
}

TEST_F(LefiPinTest, PropertiesFoldAndZeroReadsAsString) {
  foldNames();
  pin.setProperty("myProp", "someText", 'S');
  pin.setNumProperty("zero", 0.0, "0", 'R');
  pin.setNumProperty("two", 2.0, "2", 'I');
  EXPECT_EQ(pin.numProperties(), 3);
  EXPECT_STREQ(pin.propName(0), "MYPROP");
  EXPECT_STREQ(pin.propValue(0), "SOMETEXT");
  EXPECT_EQ(pin.propIsString(1), 1);
  EXPECT_EQ(pin.propIsNumber(1), 0);
  EXPECT_EQ(pin.propIsNumber(2), 1);
  EXPECT_DOUBLE_EQ(pin.propNum(2), 2.0);
  EXPECT_EQ(pin.propType(2), 'I');
  EXPECT_TRUE(logged().empty());

  EXPECT_EQ(pin.propName(3), nullptr);
  EXPECT_EQ(pin.propValue(3), nullptr);
  EXPECT_EQ(pin.propNum(3), 0.0);
  EXPECT_EQ(pin.propType(3), 0);
  EXPECT_EQ(pin.propIsNumber(3), 0);
  EXPECT_EQ(pin.propIsString(3), 0);
  EXPECT_EQ(logged(), std::vector<std::string>(
                          6, "ERROR (LEFPARS-1352): The index number 3 given for the macro "
                             "property is invalid.\nValid index is from 0 to 2"));
}

TEST_F(LefiPinTest, NextPinStartsEmpty) {
  pin.addPort(rectPort("M1", 1, 1));
  pin.setProperty("P", "v", 'S');
  pin.addAntennaModel(2);
  pin.addAntennaSize(1, "M1");
  pin.addForeign("C", 0, 0, 0, -1);
  pin.setTaperRule("T");
  pin.setNetExpr("N");
  pin.setSupplySensitivity("S");
  pin.setGroundSensitivity("G");
  pin.setPower(1);
  pin.setTables("H", "L");

  pin.setName("B");
  EXPECT_EQ(pin.numPorts() + pin.numProperties() + pin.hasAntennaModel() +
                pin.numAntennaModel() + pin.hasAntennaSize() + pin.hasForeign() +
                pin.hasTaperRule() + pin.hasNetExpr() + pin.hasSupplySensitivity() +
                pin.hasGroundSensitivity() + pin.hasPower() + pin.hasTables(),
            0);
  EXPECT_EQ(pin.taperRule(), nullptr);
  EXPECT_STREQ(pin.tableHighName(), "H");
}

TEST_F(LefiPinTest, PortsAndPropertiesRestartFromNothingAfterClear) {
  TrackedHeap heap;
  {
    lefiPin p;
    p.setName("A");
    heap.takeSizes();
    p.setProperty("P1", "a", 'S');  // capacity 0 -> 2: four arrays, two texts
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * kPtr, 2 * kPtr, 16, 2, 3, 2}));
    p.setProperty("P2", "b", 'S');
    heap.takeSizes();
    p.setProperty("P3", "c", 'S');  // 2 -> 4
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{4 * kPtr, 4 * kPtr, 32, 4, 3, 2}));

    lefiGeometries* ports[3] = {rectPort("M1", 1, 1), rectPort("M1", 2, 2), rectPort("M1", 3, 3)};
    heap.takeSizes();
    p.addPort(ports[0]);  // setName emptied the list to capacity 0
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * kPtr}));
    p.addPort(ports[1]);
    EXPECT_TRUE(heap.takeSizes().empty());
    p.addPort(ports[2]);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{4 * kPtr}));
    EXPECT_EQ(p.port(2), ports[2]);

    p.setName("B");
    EXPECT_EQ(p.numPorts(), 0);
    p.setProperty("Q", "d", 'S');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * kPtr, 2 * kPtr, 16, 2, 2, 2}));
    EXPECT_STREQ(p.propName(0), "Q");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

// Every text the pin copies goes back through the same hooks, also when a
// setter repeats within one pin.
TEST_F(LefiPinTest, EveryCopyIsReleasedThroughTheHooks) {
  TrackedHeap heap;
  {
    lefiPin p;
    for (const char* name : {"A", "B"}) {
      p.setName(name);
      p.addPort(rectPort("M1", 1, 1));
      for (const char* text : {"T1", "T2"}) {
        p.setTaperRule(text);
        p.setNetExpr(text);
        p.setSupplySensitivity(text);
        p.setGroundSensitivity(text);
      }
      p.addAntennaModel(3);
      p.addAntennaGateArea(1, "M1");
      p.addAntennaModel(3);
      p.addAntennaMaxCutCar(2, "V1");
      p.addAntennaPartialCutArea(3, "V1");
      p.addForeign("F", 1, 1, 1, 2);
      p.setProperty("P", "V", 'S');
      p.setLEQ("a-long-equivalent-pin-name");
    }
    p.Destroy();
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiPinTest, Print) {
  pin.addPort(rectPort("M1", 1, 2));
  lefiGeometries* second = lefiNewObj<lefiGeometries>();
  second->addLayer("M2");
  pin.addPort(second);
  EXPECT_EQ(dump(pin),
            "  Pin A\n"
            "    Port 0 Layer M1\n"
            "Rect 0,0  1,2\n"
            "    Port 1 Layer M2\n");
}

}  // namespace
}  // namespace LefDefParser
