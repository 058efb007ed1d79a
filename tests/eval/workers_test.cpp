// A design of a few thousand nets evaluated and given guides with one worker
// and with many, in the program itself and in process: every output the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "db_reset.h"
#include "e2e_run.h"
#include "eval/io.h"
#include "eval/workers.h"

namespace velmor {
namespace {

// Random walks over the example LEF's layers (M1, M3 horizontal, M2
// vertical) on its 200-unit tracks, each segment a path of its own ending in
// a via to a neighbouring layer; every 13th segment runs the wrong way. Most
// segments and vias get the 1000-unit cells around them as guides; every
// 100th net is a long one, every 50th has its first segment's guide in a
// second block at the end.
struct Design {
  std::string def, guide;
  long long vias = 0;
};

Design generate(int nets) {
  std::uint32_t seed = 7;
  auto next = [&seed](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  Design d;
  std::ostringstream def, guide, later;
  auto cells = [](std::ostream& out, int x1, int y1, int x2, int y2, int layer) {
    out << std::min(x1, x2) / 1000 * 1000 << ' ' << std::min(y1, y2) / 1000 * 1000 << ' '
        << std::max(x1, x2) / 1000 * 1000 + 1000 << ' ' << std::max(y1, y2) / 1000 * 1000 + 1000 << " M"
        << layer + 1 << '\n';
  };
  def << "VERSION 5.8 ;\nDESIGN gen ;\nUNITS DISTANCE MICRONS 1000 ;\n";
  for (const char* l : {"M1", "M2", "M3"})
    def << "TRACKS X 100 DO 500 STEP 200 LAYER " << l << " ;\nTRACKS Y 100 DO 500 STEP 200 LAYER " << l << " ;\n";
  def << "NETS " << nets << " ;\n";
  for (int i = 0; i < nets; ++i) {
    def << "- n" << i << " ( PIN p" << i << " )\n  + ROUTED";
    guide << "n" << i << "\n(\n";
    if (i % 50 == 0) later << "n" << i << "\n(\n";
    int x = 100 + 200 * next(500), y = 100 + 200 * next(500), layer = next(3);
    const int segments = i % 100 == 0 ? 300 : 2 + next(8);
    for (int s = 0; s < segments; ++s, ++d.vias) {
      const int fx = x, fy = y, step = 200 * (1 + next(15));
      int& along = (layer == 1) != (s % 13 == 6) ? y : x;
      along += along + step > 99900 ? -step : step;
      const int to = layer != 1 ? 1 : 2 * next(2);
      def << (s ? "\n    NEW M" : " M") << layer + 1 << " ( " << fx << " " << fy << " ) ( " << x << " " << y
          << " ) VIA" << std::min(layer, to) + 1 << std::max(layer, to) + 1;
      if (s % 7 != 3) cells(s == 0 && i % 50 == 0 ? later : guide, fx, fy, x, y, layer);
      if (s % 5 != 2) cells(guide, x, y, x, y, to);
      layer = to;
    }
    def << " ;\n";
    guide << ")\n";
    if (i % 50 == 0) later << ")\n";
  }
  def << "END NETS\nEND DESIGN\n";
  d.def = def.str();
  d.guide = guide.str() + later.str();
  return d;
}

// The score table of an evaluation in process, as the program runs it.
std::string evaluate(const WorkDir& dir, unsigned workers) {
  freshDatabase();
  IO::takeWarnings();
  setWorkerCount(workers);
  EXPECT_TRUE(IO::readLef((dir / "velmor_tiny.input.lef").string()));
  EXPECT_TRUE(IO::readDef((dir / "gen.def").string()));
  EXPECT_TRUE(IO::readRg((dir / "gen.guide").string()));
  EXPECT_EQ(IO::takeWarnings(), std::vector<std::string>());
  Database::get()->cleanGuides();
  testing::internal::CaptureStdout();
  EXPECT_EQ(Database::get()->reportEvaluation(), EvalStatus::kOk);
  return testing::internal::GetCapturedStdout();
}

// The guide file that guide generation writes in process.
std::string guides(const WorkDir& dir, unsigned workers) {
  freshDatabase();
  setWorkerCount(workers);
  EXPECT_TRUE(IO::readLef((dir / "velmor_tiny.input.lef").string()));
  EXPECT_TRUE(IO::readDef((dir / "gen.def").string()));
  Database& db = *Database::get();
  EXPECT_EQ(db.setup(), EvalStatus::kOk);
  db.createGuides();
  db.cleanGuides();
  EXPECT_TRUE(IO::writeRg((dir / "own.guide").string()));
  return readFile(dir / "own.guide");
}

TEST(Workers, OneWorkerAndManyGiveTheSameOutputs) {
  WorkDir dir;
  dir.addExample({"velmor_tiny.input.lef"});
  const Design design = generate(3000);
  writeFile(dir / "gen.def", design.def);
  writeFile(dir / "gen.guide", design.guide);

  const std::string table = evaluate(dir, 1);
  const std::size_t vias = table.find("Total via count |");
  ASSERT_NE(vias, std::string::npos) << table;
  EXPECT_EQ(std::stoll(table.substr(vias + 17)), design.vias);
  EXPECT_EQ(evaluate(dir, 7), table);
  const std::string generated = guides(dir, 1);
  EXPECT_EQ(guides(dir, 7), generated);
  setWorkerCount(0);

  // The program reads the guides beside the DEF and takes every core.
  RunResult r = runEval(dir, {"-lef", "velmor_tiny.input.lef", "-def", "gen.def", "-guide", "gen.guide"});
  EXPECT_EQ(r.out, "[WARNING] no geometry report is specified.\n[WARNING] no connectivity report is specified.\n"
                   "[WARNING] load evaluation score weights fail.\n" + table);
  r = runEval(dir, {"-lef", "velmor_tiny.input.lef", "-def", "gen.def", "-guide", "out.guide", "-genguide"});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(readFile(dir / "out.guide"), generated);
}

}  // namespace
}  // namespace velmor
