#include "def/defiComponent.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

using DefiComponentTest = DefiTest;

TEST_F(DefiComponentTest, MaskShiftDigitsLastCharacterFirst) {
  const struct {
    const char* text;
    std::vector<int> shifts;
  } cases[] = {{"102", {2, 0, 1}}, {"1x", {0, 1}}, {"0", {0}}, {"", {}}};
  defiComponent comp(data());
  for (const auto& c : cases) {
    comp.IdAndName("u1", "INV");
    comp.setMaskShift(c.text);
    ASSERT_EQ(comp.maskShiftSize(), static_cast<int>(c.shifts.size())) << c.text;
    for (size_t i = 0; i < c.shifts.size(); i++) {
      EXPECT_EQ(comp.maskShift(static_cast<int>(i)), c.shifts[i]) << c.text << " " << i;
    }
  }
  EXPECT_TRUE(errors().empty());
}

TEST_F(DefiComponentTest, BadIndexesWarnWithFixedTexts) {
  defiComponent comp(data());
  comp.IdAndName("u1", "INV");
  comp.setMaskShift("12");
  comp.addProperty("p", "v", 'S');
  EXPECT_EQ(comp.maskShift(2), 0);
  EXPECT_EQ(comp.propName(1), nullptr);
  EXPECT_EQ(comp.propNumber(-1), 0.0);
  EXPECT_EQ(comp.net(0), nullptr);
  ASSERT_EQ(errors().size(), 3u);
  EXPECT_EQ(errors()[0], "bad index for component maskShift");
  EXPECT_EQ(errors()[1], "bad index for component property");
  EXPECT_EQ(errors()[2], "bad index for component property");
}

TEST_F(DefiComponentTest, SecondForeignNameWarnsOnceAndWins) {
  defiComponent comp(data());
  comp.IdAndName("u1", "INV");
  comp.setForeignName("cellA");
  comp.setForeignName("cellB");
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0], "Multiple define of '+ FOREIGN' in COMPONENT is not supported.\n");
  EXPECT_STREQ(comp.foreignName(), "cellB");
  EXPECT_EQ(comp.hasForeignName(), 1);
  EXPECT_EQ(comp.hasFori(), 0);
  comp.setForeignLocation(5, 6, 7);
  EXPECT_EQ(comp.hasFori(), 1);
  EXPECT_EQ(comp.foreignX(), 5);
  EXPECT_EQ(comp.foreignY(), 6);
  EXPECT_STREQ(comp.foreignOri(), "FE");
  comp.IdAndName("u2", "INV");
  comp.setForeignName("cellC");
  EXPECT_EQ(errors().size(), 1u);
}

TEST_F(DefiComponentTest, ForeignOrientationNameOnlyForTheEightCodes) {
  defiComponent comp(data());
  comp.IdAndName("u1", "INV");
  comp.setForeignLocation(0, 0, 0);
  comp.setPlacementLocation(0, 0, 0);
  EXPECT_STREQ(comp.foreignOri(), "N");
  EXPECT_STREQ(comp.placementOrientStr(), "N");
  comp.setForeignLocation(0, 0, 8);
  comp.setPlacementLocation(0, 0, 8);
  EXPECT_EQ(comp.foreignOri(), nullptr);
  EXPECT_STREQ(comp.placementOrientStr(), "");
}

TEST_F(DefiComponentTest, PlacementStatusCodes) {
  defiComponent comp(data());
  for (int status = 0; status <= 4; status++) {
    comp.IdAndName("u", "m");
    comp.setPlacementStatus(status);
    EXPECT_EQ(comp.placementStatus(), status);
    EXPECT_EQ(comp.isUnplaced(), status == 1);
    EXPECT_EQ(comp.isPlaced(), status == 2);
    EXPECT_EQ(comp.isFixed(), status == 3);
    EXPECT_EQ(comp.isCover(), status == 4);
  }
}

TEST_F(DefiComponentTest, RouteHaloIsGivenOnlyByANonZeroDistance) {
  defiComponent comp(data());
  comp.IdAndName("u1", "RAM");
  comp.setRouteHalo(0, "M1", "M4");
  EXPECT_EQ(comp.hasRouteHalo(), 0);
  comp.setRouteHalo(300, "M1", "metal_layer_with_a_long_name");
  comp.setHalo(1, 2, 3, 4);
  comp.setHaloSoft();
  EXPECT_EQ(sections::describe(comp),
            "COMP u1 RAM HALO SOFT 1 2 3 4 ROUTEHALO 300 M1 metal_layer_with_a_long_name");
  comp.IdAndName("u2", "RAM");
  EXPECT_EQ(sections::describe(comp), "COMP u2 RAM");
  EXPECT_STREQ(comp.minLayer(), "");
}

TEST_F(DefiComponentTest, OptionalPartsAndTheNextComponent) {
  caseInsensitive();
  defiComponent comp(data());
  comp.IdAndName("u_core/inst1", "nand2x1");
  comp.setPlacementStatus(DEFI_COMPONENT_FIXED);
  comp.setPlacementLocation(1000, 2000, 4);
  comp.setEEQ("nand2x2");
  comp.setGenerate("gen1", "macro1");
  comp.setSource("netlist");
  comp.setSource("user");
  comp.setWeight(7);
  comp.setRegionName("r1");
  comp.setRegionBounds(0, 0, 10, 10);
  comp.setRegionBounds(20, 20, 30, 40);
  comp.addNet("a");
  comp.addNet("b");
  comp.addNet("c");
  comp.reverseNetOrder();

  EXPECT_EQ(printed(comp),
            "Component id 'U_CORE/INST1' name 'NAND2X1' Fixed at 1000,2000 orient FN\n"
            "  generate GEN1 MACRO1\n"
            "  weight 7\n"
            "  source USER\n"
            "  EEQ NAND2X2\n"
            "  region 'R1'\n"
            "  region 0,0 10,10\n"
            "  region 20,20 30,40\n"
            "  Net connections:\n"
            "    C\n    B\n    A\n");

  comp.IdAndName("u2", "inv");
  EXPECT_EQ(sections::describe(comp), "COMP U2 INV");
}

TEST_F(DefiComponentTest, MaskShiftLayers) {
  caseInsensitive();
  defiComponentMaskShiftLayer layers(data());
  for (int i = 0; i < 17; i++) layers.addMaskShiftLayer(("m" + std::to_string(i)).c_str());
  ASSERT_EQ(layers.numMaskShiftLayers(), 17);
  EXPECT_STREQ(layers.maskShiftLayer(16), "M16");
  EXPECT_EQ(layers.maskShiftLayer(17), nullptr);
  layers.clear();
  EXPECT_EQ(layers.numMaskShiftLayers(), 0);
  EXPECT_EQ(layers.maskShiftLayer(0), nullptr);
}

}  // namespace
