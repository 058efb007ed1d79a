// velmoreval on routed DEFs that a real router wrote, with their LEFs from
// the shared data folder; figures worked out from the DEF text.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_run.h"

namespace {

const std::filesystem::path kShared = VELMOR_SHARED "/data";

struct RealDesign {
  const char* def;
  const char* lef;
  std::set<int> xLines;
  std::set<int> yLines;
  int shortArea;  // the hand-written report's 0.2 x 0.1 um short, in DEF units
};

// A real router gives each layer TRACKS in its preferred direction only, so
// the grid takes x from metal2's TRACKS X and y from metal3's TRACKS Y: half
// a step outside the first and last track, then a line every 15 tracks while
// below end - 7.5 steps. For alu8_gscl45nm (TRACKS X -1140 DO 193 STEP 380 on
// metal2, TRACKS Y -1140 DO 123 STEP 380 on metal3) x: -1140 - 190 = -1330,
// every 5700 up to 67070, end -1140 + 192 x 380 + 190 = 72010; y: -1330 ..
// 38570, end -1140 + 122 x 380 + 190 = 45410. So 13 x 8 GCells; alu8_osu035
// has 11 x 6 and cnt8_osu018 7 x 4.
const std::vector<RealDesign>& designs() {
  static const std::vector<RealDesign> list = {
      {"alu8_gscl45nm.routed.def", "gscl45nm.lef",
       {-1330, 4370, 10070, 15770, 21470, 27170, 32870, 38570, 44270, 49970, 55670, 61370, 67070, 72010},
       {-1330, 4370, 10070, 15770, 21470, 27170, 32870, 38570, 45410},
       400 * 200},
      {"alu8_osu035.routed.def", "osu035_stdcells.lef",
       {-560, 1840, 4240, 6640, 9040, 11440, 13840, 16240, 18640, 21040, 23440, 24880},
       {-500, 2500, 5500, 8500, 11500, 14500, 16500},
       20 * 10},
      {"cnt8_osu018.routed.def", "osu018_stdcells.lef",
       {-360, 840, 2040, 3240, 4440, 5640, 6840, 8280},
       {-350, 1150, 2650, 4150, 5350},
       20 * 10},
  };
  return list;
}

bool sharedDataPresent() { return std::filesystem::is_directory(kShared / "def"); }

std::string sharedDef(const RealDesign& d) { return readFile(kShared / "def" / d.def); }
std::string sharedLef(const RealDesign& d) { return (kShared / "lef" / d.lef).string(); }

// The value cell of a score-table row, "---" included.
std::string rowValue(const std::string& out, const std::string& row) {
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find(" " + row + " | ");
    if (line.rfind("| ", 0) != 0 || at == std::string::npos) continue;
    const std::size_t from = at + row.size() + 4;
    const std::size_t to = line.find(" |", from);
    std::string cell = line.substr(from, to - from);
    return cell.substr(cell.find_first_not_of(' '));
  }
  return "(no row " + row + ")";
}

// The DEF up to its NETS section, with only the named nets in it.
std::string defWithNets(const std::string& def, const std::vector<std::string>& names) {
  const std::size_t netsAt = def.find("\nNETS ");
  std::string text = def.substr(0, netsAt + 1) + "NETS " + std::to_string(names.size()) + " ;\n";
  for (const std::string& n : names) {
    const std::size_t from = def.find("\n- " + n + "\n", netsAt);
    const std::size_t to = def.find(";", from);
    if (from == std::string::npos || to == std::string::npos) ADD_FAILURE() << "no net " << n;
    else text += def.substr(from + 1, to + 1 - from - 1) + "\n";
  }
  return text + "END NETS\nEND DESIGN\n";
}

#define SKIP_WITHOUT_SHARED_DATA()                                                                      \
  if (!sharedDataPresent()) GTEST_SKIP() << "the shared data folder " << kShared                       \
                                         << " is absent: routed DEFs of a real router are not available"

// Guide mode writes guides on exactly the grid worked out above (the routing
// reaches every row and column of cells), and evaluating the design against
// its own guides finds nothing outside them: the complete table, the short
// and min-area violation of the hand-written report, and PASS.
TEST(E2eRealTest, GeneratedGuidesThenEvaluation) {
  SKIP_WITHOUT_SHARED_DATA();
  for (const RealDesign& d : designs()) {
    WorkDir dir;
    const std::string def = (kShared / "def" / d.def).string();
    const RunResult gen =
        runEval(dir, {"-lef", sharedLef(d), "-def", def, "-guide", "design.guide", "-genguide"});
    EXPECT_EQ(gen.out, "") << d.def;
    EXPECT_EQ(gen.status, 0) << d.def;
    std::set<int> xs, ys;
    std::istringstream guides(readFile(dir / "design.guide"));
    int count = 0;
    for (std::string line; std::getline(guides, line);) {
      std::istringstream words(line);
      int lx, ly, hx, hy;
      std::string layer;
      if (!(words >> lx >> ly >> hx >> hy >> layer)) continue;
      ++count;
      xs.insert({lx, hx});
      ys.insert({ly, hy});
      EXPECT_TRUE(lx < hx && ly < hy) << d.def << ": " << line;
    }
    EXPECT_GT(count, 0) << d.def;
    EXPECT_EQ(xs, d.xLines) << d.def;
    EXPECT_EQ(ys, d.yLines) << d.def;

    writeFile(dir / "velmoreval.w", "");
    const RunResult eval =
        runEval(dir, {"-lef", sharedLef(d), "-def", def, "-guide", "design.guide", "-georpt",
                      VELMOR_TEST_DATA "/eval/e2e_real.geo.rpt", "-conrpt",
                      VELMOR_TEST_DATA "/eval/e2e_real.conn.rpt"});
    EXPECT_EQ(eval.status, 0) << d.def;
    EXPECT_EQ(eval.out.find(" --- |"), std::string::npos) << d.def;
    EXPECT_EQ(rowValue(eval.out, "Out-of-guide wire"), "0") << d.def;
    EXPECT_EQ(rowValue(eval.out, "Out-of-guide vias"), "0") << d.def;
    EXPECT_EQ(rowValue(eval.out, "Area of metal shorts"), std::to_string(d.shortArea)) << d.def;
    EXPECT_EQ(rowValue(eval.out, "#min-area violations"), "1") << d.def;
    EXPECT_EQ(rowValue(eval.out, "#open nets"), "0") << d.def;
    EXPECT_NE(eval.out.find("+ PASS : Solution is valid +\n"), std::string::npos) << d.def;
  }
}

struct NetFigures {
  const char* design;
  std::vector<std::string> nets;
  const char* wire;
  const char* vias;
  const char* offTrackWire;
  const char* offTrackVias;
  const char* wrongWay;
};

// Chosen nets alone, measured by hand from their paths.
// alu8_gscl45nm _256_: metal2 1140 + metal3 7220 + metal2 2660 + metal1 45;
// _90_: 1140 + 3040 + 6460 + 760; four vias each, of the DEF's own VIAS
// M2_M1_2 and M3_M2_3, every end on the 380 tracks from -1140.
// cnt8_osu018 _91_[4]: 80 + 1100 + 100 + 640 + 200 + 400 + 240 + 80 + 25 +
// 80 + 560 + 700 + 100 + 80 = 4385 with 11 LEF vias; the metal1 jogs of 25
// and 100 up and the metal2 step of 80 across run the wrong way, and as those
// layers have no tracks the other way they are off track too.
TEST(E2eRealTest, ChosenNetsMeasuredByHand) {
  SKIP_WITHOUT_SHARED_DATA();
  const NetFigures cases[] = {
      {"alu8_gscl45nm.routed.def", {"_256_", "_90_"}, "22465", "8", "0", "0", "0"},
      {"cnt8_osu018.routed.def", {"_91_[4]"}, "4385", "11", "205", "0", "205"},
  };
  for (const NetFigures& c : cases) {
    const RealDesign* d = nullptr;
    for (const RealDesign& r : designs())
      if (std::string(r.def) == c.design) d = &r;
    ASSERT_NE(d, nullptr);
    WorkDir dir;
    writeFile(dir / "nets.def", defWithNets(sharedDef(*d), c.nets));
    writeFile(dir / "velmoreval.w", "");
    const RunResult r = runEval(dir, {"-lef", sharedLef(*d), "-def", "nets.def"});
    EXPECT_EQ(r.status, 0) << c.design;
    EXPECT_EQ(rowValue(r.out, "Total wire length"), c.wire) << c.design;
    EXPECT_EQ(rowValue(r.out, "Total via count"), c.vias) << c.design;
    EXPECT_EQ(rowValue(r.out, "Off-track wire"), c.offTrackWire) << c.design;
    EXPECT_EQ(rowValue(r.out, "Off-track via"), c.offTrackVias) << c.design;
    EXPECT_EQ(rowValue(r.out, "Wrong-way wire"), c.wrongWay) << c.design;
  }
}

}  // namespace
