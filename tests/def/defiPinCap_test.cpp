#include "def/defiPinCap.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

using DefiPinTest = DefiTest;

TEST_F(DefiPinTest, GateAreaWithoutModelStartsOxide1) {
  defiPin pin(data());
  pin.Setup("in1", "net1");
  pin.addAPinGateArea(120, "M1");
  ASSERT_EQ(pin.numAntennaModel(), 1);
  const defiPinAntennaModel* m = pin.antennaModel(0);
  EXPECT_STREQ(m->antennaOxide(), "OXIDE1");
  ASSERT_EQ(m->numAPinGateArea(), 1);
  EXPECT_EQ(m->APinGateArea(0), 120);
  EXPECT_EQ(m->hasAPinGateAreaLayer(0), 1);
  EXPECT_STREQ(m->APinGateAreaLayer(0), "M1");
}

TEST_F(DefiPinTest, ValuesGoToTheLastModelStarted) {
  defiPin pin(data());
  pin.Setup("in1", "net1");
  pin.addAntennaModel(3);
  pin.addAPinMaxAreaCar(5, nullptr);
  pin.addAntennaModel(2);
  pin.addAPinGateArea(7, nullptr);
  pin.addAPinMaxSideAreaCar(8, "M2");
  pin.addAPinMaxCutCar(9, "");
  ASSERT_EQ(pin.numAntennaModel(), 2);
  const defiPinAntennaModel* first = pin.antennaModel(0);
  const defiPinAntennaModel* second = pin.antennaModel(1);
  EXPECT_STREQ(first->antennaOxide(), "OXIDE3");
  EXPECT_EQ(first->numAPinMaxAreaCar(), 1);
  EXPECT_EQ(first->hasAPinMaxAreaCarLayer(0), 0);
  EXPECT_EQ(first->hasAPinGateArea(), 0);
  EXPECT_STREQ(second->antennaOxide(), "OXIDE2");
  EXPECT_EQ(second->APinGateArea(0), 7);
  EXPECT_EQ(second->APinMaxSideAreaCar(0), 8);
  EXPECT_EQ(second->APinMaxCutCar(0), 9);
  EXPECT_EQ(second->hasAPinMaxCutCarLayer(0), 0);
  EXPECT_EQ(pin.antennaModel(2), nullptr);
}

TEST_F(DefiPinTest, ModelsPastTheFourthKeepTheirOwnValues) {
  defiPin pin(data());
  pin.Setup("in1", "net1");
  const int oxides[] = {1, 2, 3, 4, 2, 3};
  for (int i = 0; i < 6; i++) {
    pin.addAntennaModel(oxides[i]);
    pin.addAPinGateArea(100 + i, i == 4 ? "M5" : nullptr);
  }
  EXPECT_EQ(pin.numAntennaModel(), 6);
  EXPECT_EQ(sections::describe(pin),
            "PIN in1 net1 MODEL OXIDE1 GATE 100 '(null)' MODEL OXIDE2 GATE 101 '(null)' "
            "MODEL OXIDE3 GATE 102 '(null)' MODEL OXIDE4 GATE 103 '(null)' "
            "MODEL OXIDE2 GATE 104 'M5' MODEL OXIDE3 GATE 105 '(null)'");
  EXPECT_EQ(pin.antennaModel(6), nullptr);

  // The grown slots serve the next pins, which start empty.
  pin.Setup("in2", "net1");
  EXPECT_EQ(pin.numAntennaModel(), 0);
  for (int i = 0; i < 5; i++) pin.addAntennaModel(4 - i % 4);
  pin.addAPinGateArea(7, nullptr);
  EXPECT_EQ(sections::describe(pin),
            "PIN in2 net1 MODEL OXIDE4 MODEL OXIDE3 MODEL OXIDE2 MODEL OXIDE1 "
            "MODEL OXIDE4 GATE 7 '(null)'");
}

TEST_F(DefiPinTest, NextPinStartsWithoutModelsOrAntennaValues) {
  defiPin pin(data());
  pin.Setup("a", "n");
  pin.addAntennaModel(4);
  pin.addAPinGateArea(1, "M1");
  pin.addAPinPartialMetalArea(10, "M1");
  pin.addAPinDiffArea(11, nullptr);
  EXPECT_EQ(pin.numAPinPartialMetalArea(), 1);
  EXPECT_EQ(pin.APinPartialMetalArea(0), 10);
  EXPECT_EQ(pin.hasAPinPartialMetalAreaLayer(0), 1);
  EXPECT_EQ(pin.hasAPinDiffAreaLayer(0), 0);
  pin.Setup("b", "n");
  EXPECT_EQ(pin.numAntennaModel(), 0);
  EXPECT_EQ(pin.hasAPinPartialMetalArea(), 0);
  EXPECT_EQ(pin.hasAPinDiffArea(), 0);
  pin.addAPinMaxCutCar(3, nullptr);
  ASSERT_EQ(pin.numAntennaModel(), 1);
  EXPECT_STREQ(pin.antennaModel(0)->antennaOxide(), "OXIDE1");
  EXPECT_EQ(pin.antennaModel(0)->hasAPinGateArea(), 0);
  EXPECT_EQ(pin.antennaModel(0)->APinMaxCutCar(0), 3);
}

TEST_F(DefiPinTest, ShapesWithTheirDefaults) {
  defiPin pin(data());
  defiGeometries g(data());
  pin.Setup("in1", "net1");
  EXPECT_EQ(pin.hasLayer(), 0);
  pin.addPolygon("M2");
  g.startList(0, 0);
  g.addToList(5, 0);
  g.addToList(5, 5);
  pin.addPolygonPts(&g);
  pin.addPolySpacing(30);
  EXPECT_EQ(pin.hasLayer(), 1);  // a polygon alone counts
  EXPECT_EQ(pin.numLayer(), 0);

  std::string expected = "PIN in1 net1";
  for (int i = 0; i < 9; i++) {
    pin.addLayer("M1");
    pin.addLayerPts(-i, -i, i, i);
    expected += sections::format(" LAYER M1 %d,%d %d,%d", -i, -i, i, i);
  }
  pin.addLayerDesignRuleWidth(200);
  pin.addLayerMask(2);
  pin.addVia("VIA12", 40, 50, 102);
  EXPECT_EQ(sections::describe(pin),
            expected + " MASK 2 DRW 200 POLYGON M2 0,0 5,0 5,5 SPACING 30 VIA VIA12 40,50 m102");
  int xh = -1;
  pin.bounds(0, nullptr, nullptr, &xh, nullptr);
  EXPECT_EQ(xh, 0);
  EXPECT_TRUE(errors().empty());

  pin.Setup("in2", "net1");
  EXPECT_EQ(pin.hasLayer(), 0);
  EXPECT_EQ(sections::describe(pin), "PIN in2 net1");
  EXPECT_EQ(pin.getPolygon(0).numPoints, 0);
}

TEST_F(DefiPinTest, IndexOutOfBoundsWarnings) {
  defiPin pin(data());
  pin.Setup("in1", "net1");
  pin.addPort();
  EXPECT_EQ(pin.polygonName(0), nullptr);
  EXPECT_EQ(pin.viaName(-1), nullptr);
  EXPECT_EQ(pin.pinPort(pin.numPorts()), nullptr);
  EXPECT_EQ(pin.pinPort(0)->viaName(0), nullptr);
  EXPECT_EQ(errors(), std::vector<std::string>(4, "index out of bounds"));
  EXPECT_EQ(pin.layer(0), nullptr);
  EXPECT_EQ(pin.viaPtX(3), 0);
  EXPECT_EQ(errors().size(), 4u);
}

TEST_F(DefiPinTest, PortsHoldTheirOwnShapesAndPlacement) {
  caseInsensitive();
  defiPin pin(data());
  defiGeometries g(data());
  pin.Setup("vdd", "vdd");
  pin.addPortLayer("M1");  // before any port: nowhere to go
  for (int p = 0; p < 5; p++) {
    pin.addPort();
    pin.addPortLayer("metal1");
    pin.addPortLayerPts(0, 0, 10 * p, 10);
    pin.addPortLayerSpacing(5);
    pin.setPortPlacement(DEFI_PIN_FIXED, 100 * p, 0, 1);
  }
  pin.addPortPolygon("metal2");
  g.startList(1, 1);
  g.addToList(2, 2);
  pin.addPortPolygonPts(&g);
  pin.addPortPolyMask(3);
  pin.addPortVia("via1", 7, 8, 0);
  EXPECT_EQ(pin.hasPort(), 5);
  std::string expected = "PIN VDD VDD";
  for (int p = 0; p < 5; p++) {
    expected += sections::format(" PORT LAYER METAL1 0,0 %d,10 SPACING 5", 10 * p);
    if (p == 4) expected += " POLYGON metal2 1,1 2,2 MASK 3 VIA VIA1 7,8 m000";
    expected += sections::format(" PLACED %d,0 W", 100 * p);
  }
  EXPECT_EQ(sections::describe(pin), expected);
  EXPECT_EQ(pin.pinPort(4)->isFixed(), 1);
}

TEST_F(DefiPinTest, TextsPlacementAndPrint) {
  defiPin pin(data());
  pin.Setup("clk", "clk_net");
  pin.setDirection("INPUT");
  pin.setUse("CLOCK");
  pin.setNetExpr("gnd!");
  pin.setSupplySens("vddpin");
  pin.setGroundSens("gndpin");
  pin.setSpecial();
  pin.setPlacement(DEFI_PIN_PLACED, 500, 0, 2);
  pin.addLayer("M3");
  pin.addLayerPts(-70, 0, 70, 140);
  EXPECT_EQ(pin.isPlaced(), 1);
  EXPECT_EQ(pin.isFixed(), 0);
  EXPECT_EQ(printed(pin),
            "PINS 'clk' on net 'clk_net'\n"
            "+ DIRECTION 'INPUT'\n"
            "+ NETEXPR 'gnd!'\n"
            "+ SUPPLYSENSITIVITY 'vddpin'\n"
            "+ GROUNDSENSITIVITY 'gndpin'\n"
            "+ USE 'CLOCK'\n"
            "+ LAYER 'M3' -70 0 70 140\n"
            "  PLACED 500 0 S\n"
            "+ SPECIAL\n");
  pin.Setup("d", "n2");
  EXPECT_EQ(sections::describe(pin), "PIN d n2");
  pin.changePinName("d_renamed");
  EXPECT_STREQ(pin.pinName(), "d_renamed");
  EXPECT_STREQ(pin.netName(), "n2");
}

TEST_F(DefiPinTest, PinCapPrintsItsValueRounded) {
  defiPinCap cap;
  cap.setPin(3);
  cap.setCap(0.125);
  EXPECT_EQ(printed(cap), "PinCap  3  0.12\n");
}

}  // namespace
