#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "db_reset.h"

namespace velmor {
namespace {

// M1 horizontal, M2 vertical with pitch 200. Net A: a long on-track segment
// with 10000 of it past its guide, a wrong-way segment of 4000, an off-track
// segment of 2000; 5000 vias of which 3 are off track and 12 outside the M2
// guide. One 200 x 200 short, two min-area and one end-of-line spacing
// violation.
Database& exampleDesign() {
  Database& db = freshDatabase();
  RouteLayer& m1 = *db.addRouteLayer("M1");
  m1.direction = 'H';
  m1.addTrack('H', 0, 100, 100);
  m1.addTrack('V', 0, 100, 100);
  RouteLayer& m2 = *db.addRouteLayer("M2");
  m2.direction = 'V';
  m2.addTrack('V', 0, 100, 200);
  db.addRouteLayer("M3")->direction = 'H';
  Net& a = db.addNet("A");
  a.wires.emplace_back(Point(0, 0), Point(1228000, 0), 0, 0);
  a.wires.emplace_back(Point(0, 4000), Point(0, 0), 0, 0);
  a.wires.emplace_back(Point(100, 0), Point(100, 2000), 1, 0);
  for (int i = 0; i < 4985; ++i) a.wires.emplace_back(Point(0, 0), 0, 1, 0);
  for (int i = 0; i < 3; ++i) a.wires.emplace_back(Point(100, 0), 0, 1, 0);
  for (int i = 0; i < 12; ++i) a.wires.emplace_back(Point(2000, 0), 0, 1, 0);
  a.addGuide(0, 0, 1218000, 4000, 0);
  a.addGuide(0, 0, 1000, 100000, 1);
  a.cleanGuides();
  db.addNet("B").cleanGuides();
  Violation v;
  v.type = 2;
  v.box = Box(0, 0, 200, 200);
  db.violations.push_back(v);
  v.type = 3;
  v.box = Box(0, 0, 5000, 5000);
  db.violations.push_back(v);
  db.violations.push_back(v);
  v.type = 4;
  v.subtype = 2;
  db.violations.push_back(v);
  db.weights = {0.5, 2, 1, 1, 0.5, 1, 1, 500, 500, 500, 2000};
  db.weightsLoaded = db.guideLoaded = db.geoLoaded = db.connLoaded = true;
  return db;
}

std::string report(const Database& db) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(db.reportEvaluation(), EvalStatus::kOk);
  return testing::internal::GetCapturedStdout();
}

const char* const kHead =
    "+-----------------------------------------------------------------------+\n"
    "| Routing                                                               |\n"
    "+-----------------------------------------------------------------------+\n"
    "|                      |  Values | Metrics | Weights |   Scores |       |\n"
    "+-----------------------------------------------------------------------+\n";

// The example run of the score table: complete and valid.
const std::string kCompleteRun = std::string(kHead) +
                "|    Total wire length | 1234000 | 6170.00 |    0.50 |  3085.00 | 20.3% |\n"
                "|      Total via count |    5000 | 5000.00 |    2.00 | 10000.00 | 65.9% |\n"
                "+-----------------------------------------------------------------------+\n"
                "| Guides and tracks Obedience                                           |\n"
                "+-----------------------------------------------------------------------+\n"
                "|    Out-of-guide wire |   10000 |   50.00 |    1.00 |    50.00 |  0.3% |\n"
                "|    Out-of-guide vias |      12 |   12.00 |    1.00 |    12.00 |  0.1% |\n"
                "|       Off-track wire |    2000 |   10.00 |    0.50 |     5.00 |  0.0% |\n"
                "|        Off-track via |       3 |    3.00 |    1.00 |     3.00 |  0.0% |\n"
                "|       Wrong-way wire |    4000 |   20.00 |    1.00 |    20.00 |  0.1% |\n"
                "+-----------------------------------------------------------------------+\n"
                "| Design Rule Violations                                                |\n"
                "+-----------------------------------------------------------------------+\n"
                "| Area of metal shorts |   40000 |    1.00 |  500.00 |   500.00 |  3.3% |\n"
                "| #min-area violations |       2 |    2.00 |  500.00 |  1000.00 |  6.6% |\n"
                "|  #spacing violations |       1 |    1.00 |  500.00 |   500.00 |  3.3% |\n"
                "+-----------------------------------------------------------------------+\n"
                "| Connectivity (must be zero for valid solution)                        |\n"
                "+-----------------------------------------------------------------------+\n"
                "|           #open nets |       0 |    0.00 | 2000.00 |     0.00 |  0.0% |\n"
                "+-----------------------------------------------------------------------+\n"
                "|                                        Total Score | 15175.00 |       |\n"
                "+-----------------------------------------------------------------------+\n"
                "++++++++++++++++++++++++++++\n"
                "+ PASS : Solution is valid +\n"
                "++++++++++++++++++++++++++++\n";

TEST(Report, CompleteValidRun) { EXPECT_EQ(report(exampleDesign()), kCompleteRun); }

// A short without a box adds no area; one over the whole int plane adds
// (2^32 - 1)^2 = 2^64 - 2^33 + 1 to the 40000 there: doubles are 2048 apart
// there, so 2^64 - 2^33 + 20 x 2048 = 18446744065119657984.
TEST(Report, ShortAreasNeverOverflow) {
  Database& db = exampleDesign();
  Violation v;
  v.type = 2;
  db.violations.push_back(v);
  EXPECT_EQ(report(db), kCompleteRun);
  v.box = Box(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  db.violations.push_back(v);
  EXPECT_NE(report(db).find("| Area of metal shorts | 18446744065119657984 |"), std::string::npos);
}

// `text` with each line `from` replaced by `to`.
std::string withLines(std::string text, const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

// "---" in the four number cells of a row whose input was not read.
std::string unreadRow(const char* name) {
  return std::string("| ") + name + " |     --- |     --- |     --- |      --- |       |\n";
}

// A missing input shows "---" in its rows, but their scores still count in the
// total and the widths still see their numbers; without the connectivity
// report there is no total either.
TEST(Report, IncompleteRuns) {
  const std::string sep = "+-" + std::string(69, '-') + "-+\n";
  const std::string passTail = "Total Score | 15175.00 |       |\n" + sep +
                               "++++++++++++++++++++++++++++\n"
                               "+ PASS : Solution is valid +\n"
                               "++++++++++++++++++++++++++++\n";
  const std::string incomplete = "| " + std::string(69 - 22, ' ') + "(*Score is incomplete) |\n" + sep +
                                 "[ERROR] Not enough information, evaluation is incomplete.\n";
  struct Case {
    bool Database::*unread;
    std::vector<std::pair<std::string, std::string>> edits;
  };
  const Case cases[] = {
      {&Database::guideLoaded,
       {{"|    Out-of-guide wire |   10000 |   50.00 |    1.00 |    50.00 |  0.3% |\n",
         unreadRow("   Out-of-guide wire")},
        {"|    Out-of-guide vias |      12 |   12.00 |    1.00 |    12.00 |  0.1% |\n",
         unreadRow("   Out-of-guide vias")},
        {passTail, "Total Score | 15175.00 |       |\n" + incomplete}}},
      {&Database::geoLoaded,
       {{"| Area of metal shorts |   40000 |    1.00 |  500.00 |   500.00 |  3.3% |\n",
         unreadRow("Area of metal shorts")},
        {"| #min-area violations |       2 |    2.00 |  500.00 |  1000.00 |  6.6% |\n",
         unreadRow("#min-area violations")},
        {"|  #spacing violations |       1 |    1.00 |  500.00 |   500.00 |  3.3% |\n",
         unreadRow(" #spacing violations")},
        {passTail, "Total Score | 15175.00 |       |\n" + incomplete}}},
      {&Database::connLoaded,
       {{"|           #open nets |       0 |    0.00 | 2000.00 |     0.00 |  0.0% |\n",
         unreadRow("          #open nets")},
        {passTail, "Total Score |      --- |\n" + incomplete}}},
  };
  for (const Case& c : cases) {
    Database& db = exampleDesign();
    db.*c.unread = false;
    EXPECT_EQ(report(db), withLines(kCompleteRun, c.edits));
  }
}

// Weights held by the database count only once a weights file was read:
// without one every weight is 1 and the total is 11269.
TEST(Report, WeightsOfUnreadFileAreOnes) {
  Database& db = exampleDesign();
  db.weightsLoaded = false;
  const std::vector<std::pair<std::string, std::string>> edits = {
      {"| 6170.00 |    0.50 |  3085.00 | 20.3% |\n", "| 6170.00 |    1.00 |  6170.00 | 54.8% |\n"},
      {"| 5000.00 |    2.00 | 10000.00 | 65.9% |\n", "| 5000.00 |    1.00 |  5000.00 | 44.4% |\n"},
      {"|   50.00 |    1.00 |    50.00 |  0.3% |\n", "|   50.00 |    1.00 |    50.00 |  0.4% |\n"},
      {"|   10.00 |    0.50 |     5.00 |  0.0% |\n", "|   10.00 |    1.00 |    10.00 |  0.1% |\n"},
      {"|   20.00 |    1.00 |    20.00 |  0.1% |\n", "|   20.00 |    1.00 |    20.00 |  0.2% |\n"},
      {"|   40000 |    1.00 |  500.00 |   500.00 |  3.3% |\n", "|   40000 |    1.00 |    1.00 |     1.00 |  0.0% |\n"},
      {"|       2 |    2.00 |  500.00 |  1000.00 |  6.6% |\n", "|       2 |    2.00 |    1.00 |     2.00 |  0.0% |\n"},
      {"|       1 |    1.00 |  500.00 |   500.00 |  3.3% |\n", "|       1 |    1.00 |    1.00 |     1.00 |  0.0% |\n"},
      {"|    0.00 | 2000.00 |     0.00 |  0.0% |\n", "|    0.00 |    1.00 |     0.00 |  0.0% |\n"},
      {"Total Score | 15175.00 |", "Total Score | 11269.00 |"}};
  EXPECT_EQ(report(db), withLines(kCompleteRun, edits));
}

// One open net: its score enters the shares, the total is hidden, FAIL.
TEST(Report, FailingRun) {
  Database& db = exampleDesign();
  Violation open;
  open.type = 1;
  open.id = 1;
  db.violations.push_back(open);
  // Total 17175: 3085 is 18.0% of it, 10000 58.2%, 500 2.9%, 1000 5.8%, 2000 11.6%.
  EXPECT_EQ(report(db),
            withLines(kCompleteRun,
                      {{"|  3085.00 | 20.3% |\n", "|  3085.00 | 18.0% |\n"},
                       {"| 10000.00 | 65.9% |\n", "| 10000.00 | 58.2% |\n"},
                       {"| Area of metal shorts |   40000 |    1.00 |  500.00 |   500.00 |  3.3% |\n",
                        "| Area of metal shorts |   40000 |    1.00 |  500.00 |   500.00 |  2.9% |\n"},
                       {"|  1000.00 |  6.6% |\n", "|  1000.00 |  5.8% |\n"},
                       {"|  #spacing violations |       1 |    1.00 |  500.00 |   500.00 |  3.3% |\n",
                        "|  #spacing violations |       1 |    1.00 |  500.00 |   500.00 |  2.9% |\n"},
                       {"|           #open nets |       0 |    0.00 | 2000.00 |     0.00 |  0.0% |\n",
                        "|           #open nets |       1 |    1.00 | 2000.00 |  2000.00 | 11.6% |\n"},
                       {"Total Score | 15175.00 |       |\n", "Total Score |      --- |\n"},
                       {"++++++++++++++++++++++++++++\n"
                        "+ PASS : Solution is valid +\n"
                        "++++++++++++++++++++++++++++\n",
                        "******************************\n"
                        "* FAIL : Solution is invalid *\n"
                        "******************************\n"}}));
}

// Nothing routed, weights 0.5: every number below 1 gives the narrowest
// table (N = 66), and the zero total gives shares of 0.0.
TEST(Report, NarrowestTableAndZeroTotal) {
  Database& db = freshDatabase();
  db.addRouteLayer("M1");
  RouteLayer& m2 = *db.addRouteLayer("M2");
  m2.direction = 'V';
  m2.addTrack('V', 0, 10, 100);
  db.weights.assign(11, 0.5);
  db.weightsLoaded = db.guideLoaded = db.geoLoaded = db.connLoaded = true;
  const std::string sep = "+-" + std::string(66, '-') + "-+\n";
  std::string expected = sep + "| " + std::string("Routing").append(59, ' ') + " |\n" + sep +
                         "|                      | Values | Metrics | Weights | Scores |       |\n" + sep;
  const char* names[] = {"   Total wire length", "     Total via count", "   Out-of-guide wire",
                         "   Out-of-guide vias", "      Off-track wire", "       Off-track via",
                         "      Wrong-way wire", "Area of metal shorts", "#min-area violations",
                         " #spacing violations", "          #open nets"};
  const char* headings[] = {nullptr,
                            nullptr,
                            "Guides and tracks Obedience",
                            nullptr,
                            nullptr,
                            nullptr,
                            nullptr,
                            "Design Rule Violations",
                            nullptr,
                            nullptr,
                            "Connectivity (must be zero for valid solution)"};
  for (int i = 0; i < 11; ++i) {
    if (headings[i])
      expected +=
          sep + "| " + std::string(headings[i]).append(66 - std::strlen(headings[i]), ' ') + " |\n" + sep;
    expected += std::string("| ") + names[i] + " |      0 |    0.00 |    0.50 |   0.00 |  0.0% |\n";
  }
  expected += sep + "| " + std::string(49 - 11, ' ') + "Total Score |   0.00 |       |\n" + sep +
              "++++++++++++++++++++++++++++\n+ PASS : Solution is valid +\n++++++++++++++++++++++++++++\n";
  const std::string out = report(db);
  EXPECT_EQ(out, expected);
  EXPECT_EQ(out.find("nan"), std::string::npos);
}

// Column widths: integer digits of values, plus a point and two decimals for
// metrics, weights and scores; the total widens the score column.
TEST(Report, ColumnWidths) {
  struct Case {
    const char* what;
    int length;  // one on-track horizontal segment without guides
    int pitch;
    double drcWeight;  // one min-area and one spacing violation
    int tableWidth;    // N
  };
  const Case cases[] = {
      // value 123456 (6), metrics 1.23 (7), total 3.47 (6)
      {"six digits", 123456, 100000, 0.5, 66},
      // value 1234567 (7)
      {"seven digits", 1234567, 1000000, 0.5, 67},
      // metric 12345.67 (8), score 12345.67 (8), total 24692.34 (8)
      {"wide metric", 1234567, 100, 0.5, 70},
      // row scores 750 at most (6) but total 1502.47 (7)
      {"total widens", 1234567, 1000000, 750, 68},
  };
  for (const Case& c : cases) {
    Database& db = freshDatabase();
    db.addRouteLayer("M1")->direction = 'H';
    RouteLayer& m2 = *db.addRouteLayer("M2");
    m2.direction = 'V';
    m2.addTrack('V', 0, 10, c.pitch);
    db.addNet("n").wires.emplace_back(Point(0, 0), Point(c.length, 0), 0, 0);
    db.nets[0].cleanGuides();
    Violation v;
    v.type = 3;
    db.violations.push_back(v);
    v.type = 4;
    db.violations.push_back(v);
    db.weights.assign(11, 1.0);
    db.weights[8] = db.weights[9] = c.drcWeight;
    db.weightsLoaded = db.guideLoaded = db.geoLoaded = db.connLoaded = true;
    const std::string out = report(db);
    EXPECT_EQ(out.substr(0, out.find('\n')), "+-" + std::string(c.tableWidth, '-') + "-+") << c.what;
  }
}

TEST(Report, NoTableWithoutPitch) {
  Database& db = freshDatabase();
  db.addRouteLayer("M1")->addTrack('H', 0, 10, 100);
  testing::internal::CaptureStdout();
  EXPECT_EQ(db.reportEvaluation(), EvalStatus::kFewRouteLayers);
  db.addRouteLayer("M2")->direction = 'V';
  db.routeLayers[1].addTrack('H', 0, 10, 100);  // wrong-way only: no preferred step
  EXPECT_EQ(db.reportEvaluation(), EvalStatus::kZeroPitch);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
}  // namespace velmor
