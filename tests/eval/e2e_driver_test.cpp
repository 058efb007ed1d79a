// The program as a user runs it: every mode, every start-up message, exit
// statuses, and the bundled example's exact score table.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "e2e_run.h"

namespace {

using Args = std::vector<std::string>;

const char* const kLef = "velmor_tiny.input.lef";
const char* const kDef = "velmor_tiny.input.def";
const char* const kGuide = "velmor_tiny.input.guide";
const char* const kGeo = "velmor_tiny.geo.rpt";
const char* const kConn = "velmor_tiny.conn.rpt";
const char* const kWeights = "velmoreval.w";

void addWholeExample(const WorkDir& dir) { dir.addExample({kLef, kDef, kGuide, kGeo, kConn, kWeights}); }

// The example DEF with whole lines replaced (an empty replacement drops the line).
std::string exampleDefWith(const std::vector<std::pair<std::string, std::string>>& changes) {
  std::string text = readFile(std::filesystem::path(VELMOR_EXAMPLES) / kDef);
  for (const auto& [line, replacement] : changes) {
    const std::size_t at = text.find(line + "\n");
    if (at == std::string::npos) {
      ADD_FAILURE() << "not in the example DEF: " << line;
      continue;
    }
    text.replace(at, line.size() + 1, replacement.empty() ? "" : replacement + "\n");
  }
  return text;
}

// Worked out from the example files: 6400 of wire (n1 1600, n2 3000, n3 1800),
// 11 vias, 500 of n2's M3 run and one via each of n2 and n3 outside their
// guides, n2's M2 run and two of its vias on x = 2400 between the tracks,
// n3's 400 of vertical M1 and 400 of horizontal M2 the wrong way; a 100 x 100
// short, one min-area and one end-of-line spacing violation; no open net. The
// pitch is M2's track step, 200.
const char* const kExampleTable = R"(+---------------------------------------------------------------------+
| Routing                                                             |
+---------------------------------------------------------------------+
|                      | Values | Metrics | Weights |  Scores |       |
+---------------------------------------------------------------------+
|    Total wire length |   6400 |   32.00 |    0.50 |   16.00 |  1.4% |
|      Total via count |     11 |   11.00 |    2.00 |   22.00 |  1.9% |
+---------------------------------------------------------------------+
| Guides and tracks Obedience                                         |
+---------------------------------------------------------------------+
|    Out-of-guide wire |    500 |    2.50 |    1.00 |    2.50 |  0.2% |
|    Out-of-guide vias |      2 |    2.00 |    1.00 |    2.00 |  0.2% |
|       Off-track wire |   1000 |    5.00 |    0.50 |    2.50 |  0.2% |
|        Off-track via |      2 |    2.00 |    1.00 |    2.00 |  0.2% |
|       Wrong-way wire |    800 |    4.00 |    1.00 |    4.00 |  0.3% |
+---------------------------------------------------------------------+
| Design Rule Violations                                              |
+---------------------------------------------------------------------+
| Area of metal shorts |  10000 |    0.25 |  500.00 |  125.00 | 10.6% |
| #min-area violations |      1 |    1.00 |  500.00 |  500.00 | 42.5% |
|  #spacing violations |      1 |    1.00 |  500.00 |  500.00 | 42.5% |
+---------------------------------------------------------------------+
| Connectivity (must be zero for valid solution)                      |
+---------------------------------------------------------------------+
|           #open nets |      0 |    0.00 | 2000.00 |    0.00 |  0.0% |
+---------------------------------------------------------------------+
|                                       Total Score | 1176.00 |       |
+---------------------------------------------------------------------+
++++++++++++++++++++++++++++
+ PASS : Solution is valid +
++++++++++++++++++++++++++++
)";

const char* const kStartUpErrors =
    "[ERROR] no LEF file is specified.\n"
    "[ERROR] no DEF file is specified.\n";
const char* const kMissingNameWarnings =
    "[WARNING] no route guide is specified.\n"
    "[WARNING] no geometry report is specified.\n"
    "[WARNING] no connectivity report is specified.\n";
const char* const kBanner =
    "Team number: 99\n"
    "Members: Mira Castell, Tomas Ferreira\n"
    "Affiliation: Tremlix\n";
// RouteLayer lines of the example's three layers: 0.2 um pitch, 0.1 width and
// spacing, 0.02 um2 area at 1000 units per micron; 15 rows and 20 columns of
// tracks from 100 in steps of 200.
const char* const kLayerLines =
    "M1 (H) p200,200 w100 s100 a20000 prefer: srt100 stp200 num15 wrong: srt100 stp200 num20\n"
    "M2 (V) p200,200 w100 s100 a20000 prefer: srt100 stp200 num20 wrong: srt100 stp200 num15\n"
    "M3 (H) p200,200 w100 s100 a20000 prefer: srt100 stp200 num15 wrong: srt100 stp200 num20\n";

struct RunCase {
  const char* what;
  Args args;
  std::string out;
  std::string err;
  int status;
};

void expectRun(const RunResult& r, const RunCase& want) {
  EXPECT_EQ(r.out, want.out) << want.what;
  EXPECT_EQ(r.err, want.err) << want.what;
  EXPECT_EQ(r.status, want.status) << want.what;
}

// Runs that stop before any file is read, or at the first one that fails.
TEST(E2eDriverTest, StartUpMessagesAndExitStatus) {
  const RunCase cases[] = {
      {"no arguments", {}, std::string(kStartUpErrors) + kMissingNameWarnings, "", 1},
      {"unknown option", {"-x"}, "", "Unknown option: -x\n", 1},
      {"option without its value", {"-def", "d.def", "-lef"}, "", "Unknown option: -lef\n", 1},
      {"options are case-sensitive", {"-LEF", "a.lef"}, "", "Unknown option: -LEF\n", 1},
      {"guide mode without any name",
       {"-genguide"},
       std::string(kStartUpErrors) + "[ERROR] no route guide is specified.\n",
       "",
       1},
      {"guide mode without guide name reads nothing",
       {"-lef", "none.lef", "-def", "none.def", "-genguide"},
       "[ERROR] no route guide is specified.\n",
       "",
       1},
      {"simulation without names still prints the banner",
       {"-sim"},
       std::string(kBanner) + kStartUpErrors +
           "[ERROR] no route guide is specified.\n[ERROR] no output file is specified.\n",
       "",
       1},
      {"a LEF that does not open skips the DEF",
       {"-lef", "none.lef", "-def", "none.def", "-guide", "g", "-georpt", "r1", "-conrpt", "r2"},
       "[ERROR] load LEF file fail.\n",
       "Unable to open LEF file : none.lef\n",
       1},
      {"a DEF that does not open",
       {"-lef", kLef, "-def", "none.def", "-guide", "g", "-georpt", "r1", "-conrpt", "r2"},
       "[ERROR] load DEF file fail.\n",
       "Unable to open DEF file: none.def\n",
       1},
      {"a LEF that fails in guide mode",
       {"-lef", "none.lef", "-def", "none.def", "-guide", "g", "-genguide"},
       "[ERROR] load LEF file fail.\n",
       "Unable to open LEF file : none.lef\n",
       1},
  };
  for (const RunCase& c : cases) {
    WorkDir dir;
    dir.addExample({kLef});
    const RunResult r = runEval(dir, c.args);
    expectRun(r, c);
  }
}

TEST(E2eDriverTest, ExampleEvaluationPrintsTheWholeTable) {
  WorkDir dir;
  addWholeExample(dir);
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", kDef, "-guide", kGuide, "-georpt", kGeo, "-conrpt",
                                    kConn, "-weights", kWeights});
  expectRun(r, {"", {}, kExampleTable, "", 0});
  // A clean read leaves no reader warning log behind.
  EXPECT_FALSE(std::filesystem::exists(dir / "defRWarning.log"));
  EXPECT_FALSE(std::filesystem::exists(dir / "lefRWarning.log"));
}

// The example's files follow the -benchmark naming, and the weights have the
// default name; -threads is taken and changes nothing.
TEST(E2eDriverTest, BenchmarkNameFindsEveryExampleFile) {
  WorkDir dir;
  addWholeExample(dir);
  const RunResult r = runEval(dir, {"-threads", "8", "-benchmark", "tiny"});
  expectRun(r, {"", {}, kExampleTable, "", 0});
}

// The table of a run without guides and reports: the rows those feed show
// "---", the given routing and track rows are the rest.
std::string incompleteTable(const std::string& routingRows, const std::string& trackRows) {
  const std::string rule = "+--------------------------------------------------------------------+\n";
  const std::string none = " |    --- |     --- |     --- |    --- |       |\n";
  return rule + "| Routing                                                            |\n" + rule +
         "|                      | Values | Metrics | Weights | Scores |       |\n" + rule + routingRows + rule +
         "| Guides and tracks Obedience                                        |\n" + rule +
         "|    Out-of-guide wire" + none + "|    Out-of-guide vias" + none + trackRows + rule +
         "| Design Rule Violations                                             |\n" + rule +
         "| Area of metal shorts" + none + "| #min-area violations" + none + "|  #spacing violations" + none +
         rule + "| Connectivity (must be zero for valid solution)                     |\n" + rule +
         "|           #open nets" + none + rule +
         "|                                       Total Score |    --- |\n"
         "|                                             (*Score is incomplete) |\n" +
         rule + "[ERROR] Not enough information, evaluation is incomplete.\n";
}

// Only LEF and DEF: three warnings, the default weights file is missing too,
// and the table still comes with weight 1.0 on every row. Hidden rows still
// count: the total 97 (32 + 11 + 32 + 11 + 5 + 2 + 4) gives the shares.
TEST(E2eDriverTest, EvaluationWithOnlyLefAndDefWarnsAndStillReports) {
  WorkDir dir;
  dir.addExample({kLef, kDef});
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", kDef});
  const std::string out =
      std::string(kMissingNameWarnings) + "[WARNING] load evaluation score weights fail.\n" +
      incompleteTable("|    Total wire length |   6400 |   32.00 |    1.00 |  32.00 | 33.0% |\n"
                      "|      Total via count |     11 |   11.00 |    1.00 |  11.00 | 11.3% |\n",
                      "|       Off-track wire |   1000 |    5.00 |    1.00 |   5.00 |  5.2% |\n"
                      "|        Off-track via |      2 |    2.00 |    1.00 |   2.00 |  2.1% |\n"
                      "|       Wrong-way wire |    800 |    4.00 |    1.00 |   4.00 |  4.1% |\n");
  expectRun(r, {"", {}, out, "Unable to open weights file: velmoreval.w\n", 0});
}

// Named inputs that do not open are warnings; the rows they feed show "---"
// and the hidden ones still enter the total (89.5) that gives the shares.
TEST(E2eDriverTest, EvaluationInputsThatDoNotOpenAreWarnings) {
  WorkDir dir;
  dir.addExample({kLef, kDef, kWeights});
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", kDef, "-guide", "none.guide", "-georpt",
                                    "none.geo", "-conrpt", "none.conn"});
  EXPECT_EQ(r.out,
            "[WARNING] load guide file fail.\n"
            "[WARNING] load geometry report fail.\n"
            "[WARNING] load connectivity report fail.\n" +
                incompleteTable("|    Total wire length |   6400 |   32.00 |    0.50 |  16.00 | 17.9% |\n"
                                "|      Total via count |     11 |   11.00 |    2.00 |  22.00 | 24.6% |\n",
                                "|       Off-track wire |   1000 |    5.00 |    0.50 |   2.50 |  2.8% |\n"
                                "|        Off-track via |      2 |    2.00 |    1.00 |   2.00 |  2.2% |\n"
                                "|       Wrong-way wire |    800 |    4.00 |    1.00 |   4.00 |  4.5% |\n"));
  EXPECT_EQ(r.err,
            "Unable to open guide file: none.guide\n"
            "Unable to open rpt file: none.geo\n"
            "Unable to open rpt file: none.conn\n");
  EXPECT_EQ(r.status, 0);
}

struct EvalFailureCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> changes;  // of the example DEF
  Args mode;
  std::string out;
};

// Inputs that give no GCell grid or no pitch end with an error of the
// driver's own naming the layer, no table and no guide file. The grid takes
// M2's tracks, or along an axis where M2 has none those of M3 or M1.
TEST(E2eDriverTest, MissingTracksAndOverflowAreErrors) {
  const std::string x1 = "TRACKS X 100 DO 20 STEP 200 LAYER M1 ;";
  const std::string x2 = "TRACKS X 100 DO 20 STEP 200 LAYER M2 ;";
  const std::string x3 = "TRACKS X 100 DO 20 STEP 200 LAYER M3 ;";
  const std::string y1 = "TRACKS Y 100 DO 15 STEP 200 LAYER M1 ;";
  const std::string y2 = "TRACKS Y 100 DO 15 STEP 200 LAYER M2 ;";
  const std::string y3 = "TRACKS Y 100 DO 15 STEP 200 LAYER M3 ;";
  const std::string noPitch =
      "[ERROR] routing layer M2 has no tracks in its preferred direction with a positive step; the "
      "pitch that scales the lengths is unknown.\n";
  const EvalFailureCase cases[] = {
      {"evaluation without M2's preferred tracks", {{x2, ""}}, {}, noPitch},
      {"evaluation with a zero preferred step", {{x2, "TRACKS X 100 DO 20 STEP 0 LAYER M2 ;"}}, {}, noPitch},
      {"guides without any x tracks",
       {{x1, ""}, {x2, ""}, {x3, ""}},
       {"-genguide"},
       "[ERROR] routing layer M2 has no TRACKS X with a positive step, nor has any other routing layer; "
       "the GCell grid cannot be built.\n"},
      {"guides without any y tracks",
       {{y1, ""}, {y2, ""}, {y3, ""}},
       {"-genguide"},
       "[ERROR] routing layer M2 has no TRACKS Y with a positive step, nor has any other routing layer; "
       "the GCell grid cannot be built.\n"},
      // 2147480000 + 19 x 200 + 100 lies past 2147483647.
      {"guides on a grid past the int range",
       {{x2, "TRACKS X 2147480000 DO 20 STEP 200 LAYER M2 ;"}},
       {"-genguide"},
       "[ERROR] the GCell grid from the tracks of routing layer M2 or of its nearest routing layer "
       "having them reaches past the 32-bit coordinate range.\n"},
  };
  for (const EvalFailureCase& c : cases) {
    WorkDir dir;
    addWholeExample(dir);
    writeFile(dir / "changed.def", exampleDefWith(c.changes));
    // Evaluation reads the example's guides; guide mode would write out.guide.
    Args args{"-lef", kLef, "-def", "changed.def", "-guide", c.mode.empty() ? kGuide : "out.guide",
              "-georpt", kGeo, "-conrpt", kConn};
    args.insert(args.end(), c.mode.begin(), c.mode.end());
    const RunResult r = runEval(dir, args);
    EXPECT_EQ(r.out, c.out) << c.what;
    EXPECT_EQ(r.err, "") << c.what;
    EXPECT_EQ(r.status, 1) << c.what;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.guide")) << c.what;
  }
}

// Evaluation prints the error where the table would be, after the warnings;
// guide mode collects it with the other errors.
TEST(E2eDriverTest, FewerThanTwoRoutingLayersIsAnErrorInBothModes) {
  const std::string lef = VELMOR_TEST_DATA "/eval/e2e_one_layer.lef";
  const std::string def = VELMOR_TEST_DATA "/eval/e2e_one_layer.def";
  const std::string error =
      "[ERROR] fewer than two routing layers are defined; the second routing layer gives the GCell "
      "grid and the pitch.\n";
  const RunCase cases[] = {
      {"evaluation",
       {"-lef", lef, "-def", def},
       kMissingNameWarnings + std::string("[WARNING] no line of weights file velmoreval.w was recognised.\n") + error,
       "",
       1},
      {"guide generation", {"-lef", lef, "-def", def, "-guide", "out.guide", "-genguide"}, error, "", 1},
  };
  for (const RunCase& c : cases) {
    WorkDir dir;
    writeFile(dir / kWeights, "");
    const RunResult r = runEval(dir, c.args);
    expectRun(r, c);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.guide")) << c.what;
  }
}

// The example with finer M2 tracks (x every 100 from 100, y every 50 from
// 100): cells of 15 tracks give x lines 50, 1550, 3050, 4050 and y lines 75,
// 825, 1575, 2325, 3075. Every wire lies in the four lower-left cells; n2's
// M2 cells merge vertically first, its M1 cells stay apart, n3's stack.
TEST(E2eDriverTest, GuideModeWritesTheCellsOfEveryWire) {
  WorkDir dir;
  dir.addExample({kLef});
  writeFile(dir / "fine.def", exampleDefWith({{"TRACKS X 100 DO 20 STEP 200 LAYER M2 ;",
                                                "TRACKS X 100 DO 40 STEP 100 LAYER M2 ;"},
                                               {"TRACKS Y 100 DO 15 STEP 200 LAYER M2 ;",
                                                "TRACKS Y 100 DO 60 STEP 50 LAYER M2 ;"}}));
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", "fine.def", "-guide", "out.guide", "-genguide"});
  expectRun(r, {"", {}, "", "", 0});
  EXPECT_EQ(readFile(dir / "out.guide"),
            "n1\n(\n"
            "50 75 3050 825 M1\n"
            "50 75 3050 825 M2\n"
            "50 75 3050 825 M3\n"
            ")\n"
            "n2\n(\n"
            "1550 75 3050 825 M1\n"
            "50 825 1550 1575 M1\n"
            "50 825 1550 1575 M2\n"
            "1550 75 3050 1575 M2\n"
            "50 825 3050 1575 M3\n"
            ")\n"
            "n3\n(\n"
            "50 75 1550 1575 M1\n"
            "50 75 1550 1575 M2\n"
            ")\n");
}

TEST(E2eDriverTest, GuideFileThatCannotBeWrittenIsAnError) {
  WorkDir dir;
  dir.addExample({kLef, kDef});
  const RunResult r =
      runEval(dir, {"-lef", kLef, "-def", kDef, "-guide", "no/such/dir/out.guide", "-genguide"});
  expectRun(r, {"", {}, "[ERROR] save guide file fail: no/such/dir/out.guide: No such file or directory.\n", "", 1});
}

// Via elements naming no via are counted over the whole DEF and reported
// once, in the warnings block after the errors; alone they fail nothing.
TEST(E2eDriverTest, UnknownViasAreOneWarning) {
  const std::string warning =
      "[WARNING] 2 via elements of the DEF nets name no via of the LEF or DEF and give no via wire.\n";
  const RunCase cases[] = {
      {"guides written", {"-guide", "out.guide"}, warning, "", 0},
      {"guides not written",
       {"-guide", "no/such/dir/out.guide"},
       "[ERROR] save guide file fail: no/such/dir/out.guide: No such file or directory.\n" + warning,
       "",
       1},
  };
  for (const RunCase& c : cases) {
    WorkDir dir;
    dir.addExample({kLef});
    writeFile(dir / "vias.def",
              exampleDefWith({{"  + ROUTED M1 ( 900 500 ) VIA12 ( * 700 ) VIA23 ( 2100 * ) VIA23 ( * 500 ) VIA12 ;",
                               "  + ROUTED M1 ( 900 500 ) VIA12 ( * 700 ) VIA23 ( 2100 * ) VIA34 ( * 500 ) "
                               "VIA21 ;"}}));
    Args args{"-lef", kLef, "-def", "vias.def", "-genguide"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult r = runEval(dir, args);
    expectRun(r, c);
  }
}

TEST(E2eDriverTest, SimulationCopiesTheDef) {
  WorkDir dir;
  dir.addExample({kLef, kDef});
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", kDef, "-guide", "g", "-output", "out.def", "-sim"});
  expectRun(r, {"", {}, std::string(kBanner) + kLayerLines, "", 0});
  EXPECT_EQ(readFile(dir / "out.def"), readFile(dir / kDef));
}

// The banner, the layer lines and the wait come whatever went wrong before.
TEST(E2eDriverTest, SimulationWaitsEvenWithoutAnOutputName) {
  WorkDir dir;
  dir.addExample({kLef, kDef});
  const auto start = std::chrono::steady_clock::now();
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", kDef, "-guide", "g", "-sim", "1"});
  const auto waited = std::chrono::steady_clock::now() - start;
  expectRun(r, {"", {}, std::string(kBanner) + "running for 1 seconds...\n[ERROR] no output file is specified.\n",
                "", 1});
  EXPECT_GE(waited, std::chrono::seconds(1));
}

// The layer lines come before the wait line; a DEF that fails after the LEF
// loaded still leaves the LEF's layers (without tracks) to report, and no copy.
TEST(E2eDriverTest, SimulationReportsWhatWasLoadedThenWaits) {
  const char* const lefOnlyLines =
      "M1 (H) p200,200 w100 s100 a20000 prefer: srt0 stp0 num0 wrong: srt0 stp0 num0\n"
      "M2 (V) p200,200 w100 s100 a20000 prefer: srt0 stp0 num0 wrong: srt0 stp0 num0\n"
      "M3 (H) p200,200 w100 s100 a20000 prefer: srt0 stp0 num0 wrong: srt0 stp0 num0\n";
  const RunCase cases[] = {
      {"every name and a wait",
       {"-def", kDef, "-sim", "1"},
       std::string(kBanner) + kLayerLines + "running for 1 seconds...\n",
       "",
       0},
      {"a DEF that does not open",
       {"-def", "none.def", "-sim"},
       std::string(kBanner) + lefOnlyLines + "[ERROR] load DEF file fail.\n",
       "Unable to open DEF file: none.def\n",
       1},
  };
  for (const RunCase& c : cases) {
    WorkDir dir;
    dir.addExample({kLef, kDef});
    Args args{"-lef", kLef, "-guide", "g", "-output", "out.def"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    expectRun(runEval(dir, args), c);
    EXPECT_EQ(std::filesystem::exists(dir / "out.def"), c.status == 0) << c.what;
    if (c.status == 0) {
      EXPECT_EQ(readFile(dir / "out.def"), readFile(dir / kDef)) << c.what;
    }
  }
}

TEST(E2eDriverTest, SimulationOutputThatCannotBeWrittenIsAnError) {
  WorkDir dir;
  dir.addExample({kLef, kDef});
  const RunResult r =
      runEval(dir, {"-lef", kLef, "-def", kDef, "-guide", "g", "-output", "no/such/dir/out.def", "-sim"});
  EXPECT_EQ(r.out, std::string(kBanner) + kLayerLines +
                       "[ERROR] save output file fail: no/such/dir/out.def: No such file or directory.\n");
  EXPECT_EQ(r.status, 1);
}

}  // namespace
