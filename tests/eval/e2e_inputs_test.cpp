// Hostile inputs: huge grids, unread lines and long words cost little and
// are reported.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>
#include <utility>
#include <vector>

#include "e2e_run.h"

namespace {

using Args = std::vector<std::string>;
const char* const kLef = "velmor_tiny.input.lef";
const char* const kDef = "velmor_tiny.input.def";

std::string exampleDef(const std::vector<std::pair<std::string, std::string>>& changes) {
  std::string text = readFile(std::filesystem::path(VELMOR_EXAMPLES) / kDef);
  for (const auto& [from, to] : changes) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

long maxChildKilobytes() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return u.ru_maxrss;
}

// M2's x tracks every unit over 0 .. 1999999999 and y tracks over 0 .. 3000:
// cells of 15 units give 1 + (1999999999 - 7 - 1) / 15 = 133333333 columns
// and one row. Evaluation builds no grid at all, nor do GCELLGRID statements
// expand into lines.
TEST(E2eInputs, HugeGridsCostNothingOrStopGuideMode) {
  WorkDir dir;
  dir.addExample({kLef});
  writeFile(dir / "huge.def", exampleDef({{"TRACKS X 100 DO 20 STEP 200 LAYER M2 ;",
                                           "TRACKS X 0 DO 2000000000 STEP 1 LAYER M2 ;"},
                                          {"GCELLGRID X 0 DO 5 STEP 1000 ;",
                                           "GCELLGRID X 0 DO 100000000 STEP 0 ;\n"
                                           "GCELLGRID Y 0 DO 2147483647 STEP 1 ;"}}));
  writeFile(dir / "velmoreval.w", "");
  const RunResult eval = runEval(dir, {"-lef", kLef, "-def", "huge.def"});
  EXPECT_EQ(eval.status, 0) << eval.out;
  const RunResult gen = runEval(dir, {"-lef", kLef, "-def", "huge.def", "-guide", "out.guide", "-genguide"});
  EXPECT_EQ(gen.out,
            "[ERROR] the GCell grid from the tracks of routing layer M2 would have 133333333 x 1 = "
            "133333333 cells, more than 100000000.\n");
  EXPECT_EQ(gen.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.guide"));
  EXPECT_LT(maxChildKilobytes(), 100 * 1024);
}

}  // namespace
