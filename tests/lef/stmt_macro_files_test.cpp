// The public LEF files read with every callback registered: counts of the
// vias, macros, pins and obstructions, and chosen statements compared with
// the file's text.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lef/lefiVia.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

const std::string kLefDir = std::string(VELMOR_SHARED) + "/data/lef/";

std::string text(const char* s) { return s ? s : "(null)"; }

struct Counts {
  int vias, macros, pins, obs;
};
Counts counts;
// The statement whose contents a test looks at, by name.
std::string watched;

std::string rectText(const LefDefParser::lefiGeometries* g) {
  std::string s;
  for (int i = 0; i < g->numItems(); i++) {
    if (g->itemType(i) == LefDefParser::lefiGeomLayerE)
      s += std::string(" ") + g->getLayer(i) + ":";
    if (g->itemType(i) == LefDefParser::lefiGeomRectE) {
      const LefDefParser::lefiGeomRectItem* r = g->getRect(i);
      s += " " + num(r->xl) + "," + num(r->yl) + "," + num(r->xh) + "," + num(r->yh);
    }
  }
  return s;
}

int viaCbk(lefrCallbackType_e, LefDefParser::lefiVia* via, void*) {
  counts.vias++;
  if (watched != via->name()) return 0;
  std::string line = std::string("via ") + via->name();
  if (via->hasResistance()) line += " resistance " + num(via->resistance());
  for (int l = 0; l < via->numLayers(); l++) {
    line += std::string(" ") + via->layerName(l) + ":";
    for (int r = 0; r < via->numRects(l); r++)
      line += " " + num(via->xl(l, r)) + "," + num(via->yl(l, r)) + "," + num(via->xh(l, r)) + "," +
              num(via->yh(l, r));
  }
  journal(line);
  return 0;
}

bool inWatchedMacro;

int macroBeginCbk(lefrCallbackType_e, const char* name, void*) {
  inWatchedMacro = watched == name;
  return 0;
}

int macroCbk(lefrCallbackType_e, LefDefParser::lefiMacro* m, void*) {
  counts.macros++;
  if (!inWatchedMacro) return 0;
  journal(std::string("macro ") + m->name() + " class " + m->macroClass() + " origin " +
          num(m->originX()) + " " + num(m->originY()) + " size " + num(m->sizeX()) + " " +
          num(m->sizeY()) + " site " + m->siteName() + " sym " + std::to_string(m->hasXSymmetry()) +
          std::to_string(m->hasYSymmetry()) + std::to_string(m->has90Symmetry()));
  return 0;
}

int pinCbk(lefrCallbackType_e, LefDefParser::lefiPin* pin, void*) {
  counts.pins++;
  if (!inWatchedMacro) return 0;
  std::string line =
      std::string("pin ") + pin->name() + " " + text(pin->direction()) + " " + text(pin->use());
  if (pin->hasShape()) line += std::string(" ") + pin->shape();
  for (int p = 0; p < pin->numPorts(); p++) line += " port" + rectText(pin->port(p));
  journal(line);
  return 0;
}

int obsCbk(lefrCallbackType_e, LefDefParser::lefiObstruction* obs, void*) {
  counts.obs++;
  if (inWatchedMacro) journal("obs" + rectText(obs->geometries()));
  return 0;
}

class LefFilesTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    struct stat st;
    if (stat(kLefDir.c_str(), &st) != 0) GTEST_SKIP() << "no shared LEF files in " << kLefDir;
    LefReadTest::SetUp();
    counts = Counts{0, 0, 0, 0};
    watched.clear();
    inWatchedMacro = false;
    using namespace LefDefParser;
    lefrSetViaCbk(viaCbk);
    lefrSetMacroBeginCbk(macroBeginCbk);
    lefrSetMacroCbk(macroCbk);
    lefrSetPinCbk(pinCbk);
    lefrSetObstructionCbk(obsCbk);
    lefrSetUnusedCallbacks(lefrCountFunc);
  }

  int readFile(const std::string& name) {
    LefDefParser::lefrInit();
    std::string path = kLefDir + name;
    FILE* f = fopen(path.c_str(), "r");
    if (!f) {
      ADD_FAILURE() << "cannot open " << path;
      return -1;
    }
    int status = LefDefParser::lefrRead(f, path.c_str(), nullptr);
    fclose(f);
    return status;
  }
};

struct FileCase {
  const char* file;
  Counts expected;
};

class LefFileCountTest : public LefFilesTest, public ::testing::WithParamInterface<FileCase> {};

// Counts taken from the files: VIA, MACRO, PIN and OBS statements (the
// PROPERTYDEFINITIONS lines that name MACRO or PIN left out).
TEST_P(LefFileCountTest, ReadsCleanlyWithEveryStatementCounted) {
  EXPECT_EQ(readFile(GetParam().file), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(counts.vias, GetParam().expected.vias);
  EXPECT_EQ(counts.macros, GetParam().expected.macros);
  EXPECT_EQ(counts.pins, GetParam().expected.pins);
  EXPECT_EQ(counts.obs, GetParam().expected.obs);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LefFileCountTest,
    ::testing::Values(FileCase{"asap7_tech_1x.lef", {9, 0, 0, 0}},
                      FileCase{"asap7sc7p5t_28_R_1x.lef", {0, 212, 1326, 212}},
                      FileCase{"gf180mcu_5LM_1TM_9K_9t_tech.lef", {60, 0, 0, 0}},
                      FileCase{"gscl45nm.lef", {14, 33, 167, 24}},
                      FileCase{"ihp_sg13g2_bondpad_70x70.lef", {0, 1, 1, 1}},
                      FileCase{"ihp_sg13g2_sram_1024x8.lef", {0, 1, 73, 1}},
                      FileCase{"ihp_sg13g2_stdcell.lef", {0, 84, 451, 66}},
                      FileCase{"ihp_sg13g2_tech.lef", {70, 0, 0, 0}},
                      FileCase{"nangate45_fakeram45_64x7.lef", {0, 1, 32, 1}},
                      FileCase{"nangate45_macro_mod.lef", {0, 135, 803, 107}},
                      FileCase{"nangate45_tech.lef", {27, 0, 0, 0}},
                      FileCase{"osu018_stdcells.lef", {5, 33, 167, 25}},
                      FileCase{"osu035_stdcells.lef", {3, 40, 179, 32}},
                      FileCase{"osu050_stdcells.lef", {2, 40, 179, 39}},
                      FileCase{"sky130hd_tech.lef", {25, 0, 0, 0}},
                      FileCase{"sky130io_corner_pad.lef", {0, 1, 12, 1}},
                      FileCase{"sky130io_gpiov2_pad_wrapped.lef", {0, 1, 39, 1}}),
    [](const ::testing::TestParamInfo<FileCase>& info) {
      std::string name = info.param.file;
      name = name.substr(0, name.size() - 4);
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST_F(LefFilesTest, NangateAnd2X1AsWritten) {
  watched = "AND2_X1";
  EXPECT_EQ(readFile("nangate45_macro_mod.lef"), 0);
  EXPECT_EQ(calls(),
            (Lines{"pin A1 INPUT SIGNAL port metal1: 0.06,0.525,0.185,0.7",
                   "pin A2 INPUT SIGNAL port metal1: 0.25,0.525,0.38,0.7",
                   "pin ZN OUTPUT SIGNAL port metal1: 0.61,0.19,0.7,1.25",
                   "pin VDD INOUT POWER ABUTMENT port metal1: 0,1.315,0.76,1.485 "
                   "0.415,0.975,0.485,1.485 0.04,0.975,0.11,1.485",
                   "pin VSS INOUT GROUND ABUTMENT port metal1: 0,-0.085,0.76,0.085 "
                   "0.415,-0.085,0.485,0.325",
                   "obs metal1: 0.235,0.84,0.305,1.25 0.235,0.84,0.54,0.91 0.47,0.39,0.54,0.91 "
                   "0.045,0.39,0.54,0.46 0.045,0.19,0.115,0.46",
                   "macro AND2_X1 class CORE origin 0 0 size 0.76 1.4 site "
                   "FreePDK45_38x28_10R_NP_162NW_34O sym 110"}));
}

TEST_F(LefFilesTest, IhpBondpadAsWritten) {
  watched = "bondpad_70x70";
  EXPECT_EQ(readFile("ihp_sg13g2_bondpad_70x70.lef"), 0);
  EXPECT_EQ(calls(),
            (Lines{"pin pad  SIGNAL port Metal2: 0,0,70,70 Metal3: 0,0,70,70 Metal4: 0,0,70,70 "
                   "Metal5: 0,0,70,70 TopMetal1: 0,0,70,70 TopMetal2: 0,0,70,70",
                   "obs Metal1: 0,0,70,70 Metal2: 0,0,70,70 Metal3: 0,0,70,70 Metal4: 0,0,70,70 "
                   "Metal5: 0,0,70,70 TopMetal1: 0,0,70,70 TopMetal2: 0,0,70,70",
                   "macro bondpad_70x70 class COVER origin 0 0 size 70 70 site sg13g2_ioSite sym "
                   "111"}));
}

TEST_F(LefFilesTest, TechViasAsWritten) {
  watched = "L1M1_PR";
  EXPECT_EQ(readFile("sky130hd_tech.lef"), 0);
  EXPECT_EQ(calls(), Lines{"via L1M1_PR mcon: -0.085,-0.085,0.085,0.085 li1: "
                           "-0.085,-0.085,0.085,0.085 met1: -0.145,-0.115,0.145,0.115"});

  lefTest::readLog() = lefTest::ReadLog();
  watched = "Via1_XX";
  EXPECT_EQ(readFile("ihp_sg13g2_tech.lef"), 0);
  EXPECT_EQ(calls(), Lines{"via Via1_XX resistance 20 Metal1: -0.145,-0.105,0.145,0.105 Via1: "
                           "-0.095,-0.095,0.095,0.095 Metal2: -0.145,-0.1,0.145,0.1"});
}

}  // namespace
