// The LAYER statements of the real LEF files in the shared data folder:
// every file reads cleanly with all callbacks registered, and chosen layers
// reach the Layer callback as the file writes them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "stmtLayerFixture.h"

namespace {

using lefTest::Lines;

const std::string kLefDir = std::string(VELMOR_SHARED) + "/data/lef/";

class LayerFilesTest : public lefTest::LayerStmtTest {
 protected:
  void SetUp() override {
    struct stat st;
    if (stat(kLefDir.c_str(), &st) != 0) GTEST_SKIP() << "no shared LEF folder at " << kLefDir;
    LayerStmtTest::SetUp();
    LefDefParser::lefrSetRegisterUnusedCallbacks();
  }

  static int layerCount() {
    int n = 0;
    for (const std::string& line : calls()) n += line == "callback 11";
    return n;
  }

  // The journal lines of one layer, without the callback line.
  static Lines layer(const std::string& name) {
    Lines out;
    bool in = false;
    for (const std::string& line : calls()) {
      if (line == "callback 11") {
        if (in) break;
        continue;
      }
      if (line.compare(0, 7 + name.size(), "layer " + name + " ") == 0) in = true;
      if (in) out.push_back(line);
    }
    return out;
  }
};

struct FileCase {
  const char* file;
  int layers;
};

class LayerFileCountTest : public LayerFilesTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(LayerFileCountTest, ReadsCleanlyAndHandsOverEveryLayer) {
  EXPECT_EQ(readShared(GetParam().file), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(layerCount(), GetParam().layers);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LayerFileCountTest,
    ::testing::Values(FileCase{"asap7_tech_1x.lef", 30}, FileCase{"asap7sc7p5t_28_R_1x.lef", 0},
                      FileCase{"gf180mcu_5LM_1TM_9K_9t_tech.lef", 13}, FileCase{"gscl45nm.lef", 22},
                      FileCase{"ihp_sg13g2_bondpad_70x70.lef", 0},
                      FileCase{"ihp_sg13g2_sram_1024x8.lef", 0},
                      FileCase{"ihp_sg13g2_stdcell.lef", 0}, FileCase{"ihp_sg13g2_tech.lef", 19},
                      FileCase{"nangate45_fakeram45_64x7.lef", 0},
                      FileCase{"nangate45_macro_mod.lef", 0}, FileCase{"nangate45_tech.lef", 22},
                      FileCase{"osu018_stdcells.lef", 16}, FileCase{"osu035_stdcells.lef", 12},
                      FileCase{"osu050_stdcells.lef", 10}, FileCase{"sky130hd_tech.lef", 13},
                      FileCase{"sky130io_corner_pad.lef", 0},
                      FileCase{"sky130io_gpiov2_pad_wrapped.lef", 0}));

TEST_F(LayerFilesTest, Nangate45RoutingLayerHasItsSpacingTable) {
  ASSERT_EQ(readShared("nangate45_tech.lef"), 0);
  EXPECT_EQ(
      layer("metal2"),
      (Lines{"layer metal2 ROUTING", "direction VERTICAL", "pitch 0.19", "offset 0.095 0.07",
             "width 0.07", "resistance 0.25", "capacitance 4.0896e-05", "height 0.62",
             "thickness 0.14", "edge cap 2.5157e-05", "prl lengths 0 0.3 0.9 1.8 2.7 4",
             " width 0: 0.07 0.07 0.07 0.07 0.07 0.07",
             " width 0.09: 0.07 0.09 0.09 0.09 0.09 0.09",
             " width 0.27: 0.07 0.09 0.27 0.27 0.27 0.27", " width 0.5: 0.07 0.09 0.27 0.5 0.5 0.5",
             " width 0.9: 0.07 0.09 0.27 0.5 0.9 0.9", " width 1.5: 0.07 0.09 0.27 0.5 0.9 1.5"}));
  EXPECT_EQ(layer("via1"), (Lines{"layer via1 CUT", "width 0.07", "respercut 5", "spacing 0.08"}));
}

TEST_F(LayerFilesTest, Sky130RoutingLayerHasDensityAndAntennaRules) {
  ASSERT_EQ(readShared("sky130hd_tech.lef"), 0);
  EXPECT_EQ(layer("met1"),
            (Lines{"layer met1 ROUTING",
                   "direction HORIZONTAL",
                   "pitch 0.34",
                   "offset 0.17",
                   "width 0.14",
                   "area 0.083",
                   "resistance 0.125",
                   "capacitance 2.57784e-05",
                   "thickness 0.35",
                   "edge cap 4.0567e-05",
                   "maximumdensity 70",
                   "densitycheckstep 70",
                   "densitywindow 700 700",
                   "prl lengths 0",
                   " width 0: 0.14",
                   " width 3: 0.28",
                   "minenclosedarea 0.14 width -1",
                   "ac RMS value 6.1",
                   "dc AVERAGE value 2.8",
                   "model OXIDE1 diffsidepwl 0:400 0.0125:400 0.0225:2609 22.5:11600"}));
}

TEST_F(LayerFilesTest, IhpCutLayerHasAdjacentCutsAndEnclosures) {
  ASSERT_EQ(readShared("ihp_sg13g2_tech.lef"), 0);
  EXPECT_EQ(layer("Via1"),
            (Lines{"layer Via1 CUT", "respercut 20", "spacing 0.22",
                   "spacing 0.29 adjacent 3 within 0.311",
                   "enclosure BELOW 0.01 0.05 width 0 except 0 length 0",
                   "enclosure ABOVE 0.005 0.05 width 0 except 0 length 0",
                   "preferenclosure - 0.05 0.05 width 0", "dc AVERAGE value 0.4",
                   "model OXIDE1 arearatio 20 diffpwl 0:20 0.159:20 0.16:80 100:50000"}));
}

TEST_F(LayerFilesTest, Osu018Version54RoutingLayer) {
  ASSERT_EQ(readShared("osu018_stdcells.lef"), 0);
  EXPECT_EQ(layer("metal1"), (Lines{"layer metal1 ROUTING", "direction HORIZONTAL", "pitch 1",
                                    "offset 0.5", "width 0.3", "resistance 0.08",
                                    "capacitance 3.8e-05", "edge cap 8e-05", "spacing 0.3"}));
}

}  // namespace
