#include "def/defiNet.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

using DefiNetTest = DefiTest;

// A path of one layer and the given points, as the working path the reader hands over.
void makePath(defiPath& p, const char* layer, std::initializer_list<int> xy) {
  p.Init();
  p.addLayer(layer);
  for (auto it = xy.begin(); it != xy.end(); it += 2) p.addPoint(*it, *(it + 1));
}

TEST_F(DefiNetTest, ConnectionsKeepOrderFlagsAndGrowPastSixteen) {
  defiNet net(data());
  net.setName("n1");
  for (int i = 0; i < 20; i++) {
    const std::string inst = "u" + std::to_string(i);
    net.addPin(inst.c_str(), i % 2 ? "Z" : "A", i == 5);
  }
  ASSERT_EQ(net.numConnections(), 20);
  EXPECT_STREQ(net.instance(19), "u19");
  EXPECT_STREQ(net.pin(19), "Z");
  EXPECT_STREQ(net.pin(0), "A");
  EXPECT_EQ(net.pinIsSynthesized(5), 1);
  EXPECT_EQ(net.pinIsSynthesized(4), 0);
  EXPECT_EQ(net.pinIsMustJoin(5), 0);
  EXPECT_EQ(net.instance(20), nullptr);
  EXPECT_EQ(net.pin(-1), nullptr);
  EXPECT_EQ(net.pinIsSynthesized(20), 0);
  EXPECT_TRUE(errors().empty());
}

TEST_F(DefiNetTest, BothNamesOfAConnectionFoldSeparately) {
  caseInsensitive();
  defiNet net(data());
  net.setName("clk");
  net.addPin("u_buf", "a_pin_name_longer_than_sixty_four_bytes_so_the_fold_buffer_regrows", 0);
  EXPECT_STREQ(net.name(), "CLK");
  EXPECT_STREQ(net.instance(0), "U_BUF");
  EXPECT_STREQ(net.pin(0), "A_PIN_NAME_LONGER_THAN_SIXTY_FOUR_BYTES_SO_THE_FOLD_BUFFER_REGROWS");
}

TEST_F(DefiNetTest, MustPinStartsTheNetOver) {
  defiNet net(data());
  net.setName("n1");
  net.addPin("u1", "A", 0);
  net.setWeight(3);
  net.setUse("CLOCK");
  net.addMustPin("u2", "B", 0);
  ASSERT_EQ(net.numConnections(), 1);
  EXPECT_STREQ(net.instance(0), "u2");
  EXPECT_EQ(net.pinIsMustJoin(0), 1);
  EXPECT_EQ(net.hasWeight(), 0);
  EXPECT_EQ(net.hasUse(), 0);
  EXPECT_STREQ(net.name(), "");
}

TEST_F(DefiNetTest, ChangingAConnectionChecksTheIndex) {
  defiNet net(data());
  net.setName("n1");
  net.addPin("u1", "A", 0);
  net.changeInstance("u9", 0);
  net.changePin("Q", 0);
  net.changeInstance("bad", 1);
  net.changePin("bad", -1);
  EXPECT_STREQ(net.instance(0), "u9");
  EXPECT_STREQ(net.pin(0), "Q");
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[0],
            "ERROR (DEFPARS-6083): The index number 1 specified for the NET INSTANCE is "
            "invalid.\nValid index is from 0 to 1. Specify a valid index number and then "
            "try again.");
  EXPECT_EQ(errors()[1],
            "ERROR (DEFPARS-6084): The index number -1 specified for the NET PIN is "
            "invalid.\nValid index is from 0 to 1. Specify a valid index number and then "
            "try again.");
}

TEST_F(DefiNetTest, TypeFollowsTheFirstLetter) {
  const struct {
    const char* type;
    int fixed, routed, cover;
  } cases[] = {{"ROUTED", 0, 1, 0}, {"FIXED", 1, 0, 0}, {"COVER", 0, 0, 1},
               {"NEW", 0, 0, 0},    {"", 0, 0, 0}};
  defiNet net(data());
  for (const auto& c : cases) {
    net.setName("n");
    net.setType(c.type);
    EXPECT_EQ(net.isFixed(), c.fixed) << c.type;
    EXPECT_EQ(net.isRouted(), c.routed) << c.type;
    EXPECT_EQ(net.isCover(), c.cover) << c.type;
  }
}

TEST_F(DefiNetTest, ValuesAndTheirFlagsLastUntilTheNextNet) {
  defiNet net(data());
  net.setName("n");
  net.setXTalk(0);
  net.setCap(2.5);
  net.setFrequency(100);
  net.setVoltage(1.8);
  net.setStyle(4);
  net.setFixedbump();
  net.setSource("TIMING");
  net.setSource("USER");
  net.setOriginal("n_orig");
  net.setPattern("STEINER");
  net.setNonDefaultRule("ndr2x");
  EXPECT_EQ(sections::describe(net),
            "NET n SOURCE USER FIXEDBUMP FREQUENCY 100 ORIGINAL n_orig PATTERN STEINER XTALK 0 "
            "ESTCAP 2.5 STYLE 4 NONDEFAULTRULE ndr2x VOLTAGE 1.8");
  net.setName("next");
  EXPECT_EQ(sections::describe(net), "NET next");
}

TEST_F(DefiNetTest, PropertiesReadSilentlyAndZeroReadsAsString) {
  defiNet net(data());
  net.setName("n");
  net.addProp("label", "fast", 'S');
  net.addNumProp("weightp", 2.5, "2.5", 'R');
  net.addNumProp("zero", 0.0, "0", 'I');
  ASSERT_EQ(net.numProps(), 3);
  EXPECT_STREQ(net.propName(1), "weightp");
  EXPECT_STREQ(net.propValue(1), "2.5");
  EXPECT_EQ(net.propNumber(1), 2.5);
  EXPECT_EQ(net.propType(1), 'R');
  EXPECT_EQ(net.propIsNumber(1), 1);
  EXPECT_EQ(net.propIsString(1), 0);
  EXPECT_EQ(net.propIsString(0), 1);
  EXPECT_EQ(net.propIsNumber(2), 0);
  EXPECT_EQ(net.propIsString(2), 1);
  EXPECT_EQ(net.propName(3), nullptr);
  EXPECT_EQ(net.propNumber(-1), 0.0);
  EXPECT_TRUE(errors().empty());
}

TEST_F(DefiNetTest, WiresTakeOverTheWorkingPath) {
  defiNet net(data());
  defiPath working(data());
  net.setName("n");
  net.addWire("ROUTED", nullptr);
  int flag = 0;
  makePath(working, "M1", {0, 0, 100, 0});
  net.addWirePath(&working, 0, 1, &flag);
  makePath(working, "M2", {100, 0, 100, 50});
  net.addWirePath(&working, 0, 1, &flag);
  net.addWire("FIXED", "vss");
  makePath(working, "M3", {5, 5});
  net.addWirePath(&working, 0, 1, &flag);

  EXPECT_EQ(sections::describe(net),
            "NET n WIRE ROUTED { L:M1 P:0,0 P:100,0 } { L:M2 P:100,0 P:100,50 }"
            " WIRE FIXED(vss) { L:M3 P:5,5 }");
  EXPECT_EQ(net.wire(0)->path(2), nullptr);
  EXPECT_EQ(net.wire(2), nullptr);
  EXPECT_EQ(flag, 0);
}

TEST_F(DefiNetTest, PathWithoutAWireIsReportedAndNotTaken) {
  defiNet net(data());
  defiPath working(data());
  net.setName("n");
  makePath(working, "M1", {0, 0});
  int flag = 0;
  net.addWirePath(&working, 0, 1, &flag);
  net.addShieldPath(&working, 0, 2, &flag);
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[0],
            "ERROR (DEFPARS-6081): An internal error has occurred. The index number for "
            "the NET PATH wires array is less then or equal to 0.\nContact Tremlix "
            "Customer Support with this error information.");
  EXPECT_EQ(errors()[1],
            "ERROR (DEFPARS-6082): An internal error has occurred. The index number for "
            "the NET SHIELDPATH wires array is less then or equal to 0.\nContact Tremlix "
            "Customer Support with this error information.");
  working.initTraverse();
  EXPECT_EQ(working.next(), DEFIPATH_LAYER);
}

TEST_F(DefiNetTest, ShieldPathsGoToTheLastShieldElseTheLastNoShield) {
  defiNet net(data());
  defiPath working(data());
  int flag = 0;
  net.setName("n");
  net.addNoShield("");
  makePath(working, "M1", {0, 0});
  net.addShieldPath(&working, 0, 1, &flag);
  EXPECT_EQ(sections::describe(net), "NET n NOSHIELD { L:M1 P:0,0 }");
  EXPECT_STREQ(net.noShield(0)->shieldName(), "");

  net.setName("s");
  net.addShield("vdd");
  net.addShield("vss");
  makePath(working, "M4", {0, 0});
  net.addShieldPath(&working, 0, 2, &flag);
  EXPECT_EQ(sections::describe(net), "NET s SHIELD vdd SHIELD vss { L:M4 P:0,0 }");
  EXPECT_EQ(net.shield(2), nullptr);
  net.freeShield();
  EXPECT_EQ(net.numShields(), 0);
}

TEST_F(DefiNetTest, SpecialNetRectanglesHandOutAtTheThousandth) {
  defiNet net(data());
  net.setName("vdd");
  int flag = 0;
  for (int i = 1; i <= 1000; i++) {
    net.addRect("M1", i, 0, i + 1, 10, &flag, 0, "ROUTED", "STRIPE", nullptr);
    ASSERT_EQ(flag, i == 1000 ? 1 : 0) << i;
  }
  net.addRect("M2", 5, 6, 7, 8, &flag, 102, "FIXED", nullptr, "vss");
  EXPECT_EQ(flag, 0);
  ASSERT_EQ(net.numRectangles(), 1001);
  EXPECT_STREQ(net.rectName(1000), "M2");
  EXPECT_EQ(net.xl(1000), 5);
  EXPECT_EQ(net.yl(1000), 6);
  EXPECT_EQ(net.xh(1000), 7);
  EXPECT_EQ(net.yh(1000), 8);
  EXPECT_EQ(net.rectMask(1000), 102);
  EXPECT_STREQ(net.rectRouteStatus(1000), "FIXED");
  EXPECT_EQ(net.rectShapeType(1000), nullptr);
  EXPECT_STREQ(net.rectRouteStatusShieldName(1000), "vss");
  EXPECT_STREQ(net.rectShapeType(0), "STRIPE");
  EXPECT_TRUE(errors().empty());
}

TEST_F(DefiNetTest, ShapeIndexErrorsCarryTheirNumbers) {
  defiNet net(data());
  net.setName("vdd");
  int flag = 0;
  net.addRect("M1", 0, 0, 1, 1, &flag, 0, nullptr, nullptr, nullptr);
  EXPECT_EQ(net.rectName(1), nullptr);
  EXPECT_EQ(net.polygonName(0), nullptr);
  EXPECT_EQ(net.viaName(0), nullptr);
  EXPECT_EQ(net.getPolygon(0).numPoints, 0);
  EXPECT_EQ(net.getPolygon(0).x, nullptr);
  EXPECT_EQ(net.getViaPts(-1).numPoints, 0);
  ASSERT_EQ(errors().size(), 3u);
  EXPECT_EQ(errors()[0],
            "ERROR (DEFPARS-6086): The index number 1 specified for the NET RECTANGLE is "
            "invalid.\nValid index is from 0 to 1. Specify a valid index number and then "
            "try again.");
  EXPECT_EQ(errors()[1],
            "ERROR (DEFPARS-6085): The index number 0 specified for the NET POLYGON is "
            "invalid.\nValid index is from 0 to 0. Specify a valid index number and then "
            "try again.");
  EXPECT_EQ(errors()[2], errors()[1]);
}

TEST_F(DefiNetTest, PolygonsAndViaPlacementsCopyTheirPoints) {
  defiNet net(data());
  defiGeometries g(data());
  net.setName("vdd");
  int flag = 0;
  g.startList(0, 0);
  g.addToList(10, 0);
  g.addToList(10, 10);
  net.addPolygon("M3", &g, &flag, 1, "ROUTED", "RING", "");
  g.startList(100, 200);
  g.addToList(300, 400);
  net.addPts("VIA12", 6, &g, &flag, 213, "FIXED", "STRIPE", "vss");
  g.startList(-1, -1);  // the net keeps its own copies
  EXPECT_EQ(sections::describe(net),
            "NET vdd POLYGON M3 0,0 10,0 10,10 m1 ROUTED//RING"
            " VIA VIA12 FS 100,200 300,400 m213 FIXED/vss/STRIPE");

  net.clearVia();
  EXPECT_EQ(net.numViaSpecs(), 0);
  EXPECT_EQ(net.numPolygons(), 1);
  net.clearRectPoly();
  EXPECT_EQ(net.numPolygons(), 0);
}

// A partial delivery re-hands the next path with the reset flag: the wire
// then holds only that path.
TEST_F(DefiNetTest, ResetPathAfterPartialDeliveryLeavesOnlyTheNewPath) {
  defiNet net(data());
  defiPath working(data());
  int flag = 0;
  net.setName("vdd");
  net.addWire("ROUTED", nullptr);
  makePath(working, "M1", {0, 0, 10, 0});
  net.addWirePath(&working, 0, 2, &flag);
  makePath(working, "M1", {0, 5, 10, 5});
  net.addWirePath(&working, 0, 2, &flag);
  net.addRect("M1", 0, 0, 1, 1, &flag, 0, nullptr, nullptr, nullptr);
  net.addPts("V1", 0, nullptr, &flag, 0, nullptr, nullptr, nullptr);

  makePath(working, "M2", {1, 1});
  net.addWirePath(&working, 1, 2, &flag);
  net.clearRectPolyNPath();
  net.clearVia();
  EXPECT_EQ(sections::describe(net), "NET vdd WIRE ROUTED { L:M2 P:1,1 }");
  net.freeWire();
  EXPECT_EQ(net.numWires(), 0);
}

TEST_F(DefiNetTest, WidthAndSpacingRules) {
  defiNet net(data());
  net.setName("vdd");
  for (int i = 0; i < 5; i++) net.setWidth(("M" + std::to_string(i)).c_str(), 100 + i);
  net.setSpacing("M1", 50);
  net.setSpacing("M2", 60);
  net.setRange(10, 20);
  EXPECT_EQ(net.numWidthRules(), 5);
  EXPECT_EQ(net.hasSpacingRules(), 2);
  char* layer = nullptr;
  double d = 0, left = 0, right = 0;
  net.widthRule(4, &layer, &d);
  EXPECT_STREQ(layer, "M4");
  EXPECT_EQ(d, 104);
  net.spacingRule(0, &layer, &d, &left, &right);
  EXPECT_STREQ(layer, "M1");
  EXPECT_EQ(d, 50);
  EXPECT_EQ(left, 50);
  EXPECT_EQ(right, 50);
  net.spacingRule(1, &layer, &d, &left, &right);
  EXPECT_EQ(left, 10);
  EXPECT_EQ(right, 20);
  layer = nullptr;
  net.widthRule(5, &layer, &d);
  EXPECT_EQ(layer, nullptr);
}

TEST_F(DefiNetTest, VpinsAndShieldNets) {
  defiNet net(data());
  net.setName("n");
  net.addVpin("vp1");
  net.addVpinBounds(-10, -20, 10, 20);
  net.addVpin("vp2");
  net.addVpinLayer("M2");
  net.addVpinLoc("FIXED", 300, 400, 2);
  net.addShieldNet("vss");
  net.addShieldNet("vdd");
  net.addShieldNet("gnd2");
  // Only a placed virtual pin has a status; the unplaced one keeps orientation -1.
  EXPECT_EQ(sections::describe(net),
            "NET n SHIELDNET vss SHIELDNET vdd SHIELDNET gnd2 VPIN vp1 (null) -10,-20 10,20"
            " VPIN vp2 M2 0,0 0,0 F 300,400 2");
  EXPECT_EQ(net.vpin(0)->orient(), -1);
  EXPECT_EQ(net.vpin(2), nullptr);
  EXPECT_EQ(net.shieldNet(3), nullptr);
}

TEST_F(DefiNetTest, SubnetsOwnTheirWiresAndGoWithTheNet) {
  defiNet net(data());
  defiPath working(data());
  int flag = 0;
  net.setName("n");
  auto* sub = new defiSubnet(data());
  sub->setName("s1");
  sub->addPin("u1", "A", 0);
  sub->addMustPin("u2", "B", 1);
  sub->setType("COVER");
  sub->setNonDefault("ndr");
  makePath(working, "M1", {0, 0});
  sub->addWirePath(&working, 0, 1, &flag);
  sub->addWire("ROUTED");
  sub->addWirePath(&working, 0, 1, &flag);
  net.addSubnet(sub);

  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0],
            "ERROR (DEFPARS-6080): An internal error has occurred. The index number for "
            "the SUBNET wires array is less then or equal to 0.\nContact Tremlix Customer "
            "Support with this error information.");
  EXPECT_EQ(sections::describe(net),
            "NET n SUBNET s1 (u1 A) (u2 B SYN) NONDEFAULTRULE ndr WIRE ROUTED { L:M1 P:0,0 }");
  EXPECT_EQ(net.subnet(0)->pinIsMustJoin(1), 1);
  EXPECT_EQ(net.subnet(0)->isCover(), 1);
  EXPECT_EQ(net.subnet(1), nullptr);
  net.setName("next");
  EXPECT_EQ(net.numSubnets(), 0);
}

TEST_F(DefiNetTest, PrintNamesTheNetAndItsConnections) {
  defiNet net(data());
  net.setName("n1");
  net.addPin("u1", "A", 1);
  net.addPin("PIN", "in1", 0);
  net.setType("ROUTED");
  EXPECT_EQ(printed(net), "Net 'n1' ROUTED\n  ( u1 A ) SYNTHESIZED\n  ( PIN in1 )\n");
}

}  // namespace
