// The evaluator's steps on one generated design, phase by phase, as the
// program runs them in evaluation mode (the guide file read and cleaned on
// other threads while the DEF is read, then given to the nets): time, peak memory so
// far and current memory after each phase, then the whole.
//   bench_run DIR NAME   reads DIR/NAME.input.lef, .input.def, .input.guide,
//                        NAME.geo.rpt, NAME.conn.rpt and DIR/velmoreval.w
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "eval/db.h"
#include "eval/guidetext.h"
#include "eval/io.h"
#include "eval/workers.h"

using namespace velmor;

namespace {

using Clock = std::chrono::steady_clock;

long peakKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

long currentKb() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

bool phase(const char* name, const std::function<bool()>& work) {
  const Clock::time_point start = Clock::now();
  const bool ok = work();
  std::fprintf(stderr, "%-22s %8.2f s   peak %8ld kB   now %8ld kB%s\n", name, seconds(start), peakKb(),
               currentKb(), ok ? "" : "   FAILED");
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_run DIR NAME\n");
    return 2;
  }
  const std::string base = std::string(argv[1]) + "/" + argv[2];
  const Clock::time_point start = Clock::now();
  GuideText guides;
  bool ok = phase("LEF read", [&] { return IO::readLef(base + ".input.lef"); }) &&
            phase("DEF read, guide read", [&] {
              Background guideRead([&] { IO::parseRg(base + ".input.guide", guides, true); });
              return IO::readDef(base + ".input.def");
            }) &&
            phase("guides to nets", [&] {
              const bool added = IO::addRg(guides);
              guides = GuideText();
              return added;
            }) &&
            phase("reports and weights", [&] {
              return IO::readGeometryRpt(base + ".geo.rpt") && IO::readConnectRpt(base + ".conn.rpt") &&
                     IO::readWeights(std::string(argv[1]) + "/velmoreval.w");
            }) &&
            phase("grid and cleaning", [] {
              Database& db = *Database::get();
              db.setup();
              db.cleanGuides(true);
              return true;
            }) &&
            phase("evaluation and report",
                  [] { return Database::get()->reportEvaluation() == EvalStatus::kOk; });
  const Database& db = *Database::get();
  std::fprintf(stderr, "%-22s %8.2f s   peak %8ld kB   (%zu nets, %zu routing layers)\n", "whole run",
               seconds(start), peakKb(), db.nets.size(), db.routeLayers.size());
  return ok ? 0 : 1;
}
