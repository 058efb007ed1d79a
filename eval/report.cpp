#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <string>

#include "eval/db.h"
#include "eval/measure.h"
#include "eval/workers.h"

namespace velmor {

namespace {

enum class Need { kNothing, kGuide, kGeo, kConn };
enum class Scale { kOne, kPitch, kPitchSquared };

struct RowSpec {
  const char* heading;
  const char* name;
  Scale scale;
  Need need;
};

// Row order is also the order of the score weights.
const RowSpec kRows[kMetricCount] = {
    {"Routing", "Total wire length", Scale::kPitch, Need::kNothing},
    {"", "Total via count", Scale::kOne, Need::kNothing},
    {"Guides and tracks Obedience", "Out-of-guide wire", Scale::kPitch, Need::kGuide},
    {"", "Out-of-guide vias", Scale::kOne, Need::kGuide},
    {"", "Off-track wire", Scale::kPitch, Need::kNothing},
    {"", "Off-track via", Scale::kOne, Need::kNothing},
    {"", "Wrong-way wire", Scale::kPitch, Need::kNothing},
    {"Design Rule Violations", "Area of metal shorts", Scale::kPitchSquared, Need::kGeo},
    {"", "#min-area violations", Scale::kOne, Need::kGeo},
    {"", "#spacing violations", Scale::kOne, Need::kGeo},
    {"Connectivity (must be zero for valid solution)", "#open nets", Scale::kOne, Need::kConn},
};

enum ViolationType { kOpen = 1, kShort = 2, kMinArea = 3, kSpacing = 4 };

struct Table {
  double value[kMetricCount] = {};
  double metric[kMetricCount] = {};
  double weight[kMetricCount] = {};
  double score[kMetricCount] = {};
  double total = 0.0;
  bool valid = false;
};

void add(NetMeasure& sum, const NetMeasure& m) {
  sum.wireLength += m.wireLength;
  sum.outOfGuideLength += m.outOfGuideLength;
  sum.offTrackLength += m.offTrackLength;
  sum.wrongWayLength += m.wrongWayLength;
  sum.vias += m.vias;
  sum.outOfGuideVias += m.outOfGuideVias;
  sum.offTrackVias += m.offTrackVias;
}

void measure(const Database& db, Table& t) {
  // Whole numbers: the sum of the chunks' sums is the sum of the nets.
  constexpr std::size_t kNetsPerChunk = 256;
  std::vector<NetMeasure> chunks((db.nets.size() + kNetsPerChunk - 1) / kNetsPerChunk);
  forEachChunk(db.nets.size(), kNetsPerChunk, [&](std::size_t c, std::size_t first, std::size_t last) {
    thread_local NetMeter meter;
    for (std::size_t i = first; i < last; ++i) add(chunks[c], meter.measure(db.nets[i]));
  });
  NetMeasure sum;
  for (const NetMeasure& m : chunks) add(sum, m);
  // A short without a box (still inverted) adds nothing; a box of the whole
  // int plane has an area just below 2^64, so the sides are unsigned.
  const auto side = [](int lo, int hi) { return static_cast<unsigned long long>(static_cast<long long>(hi) - lo); };
  double shortArea = 0;
  std::uint32_t count[kSpacing + 1] = {};
  for (const Violation& v : db.violations) {
    if (v.type == kShort && v.box.lx <= v.box.hx && v.box.ly <= v.box.hy)
      shortArea += static_cast<double>(side(v.box.lx, v.box.hx) * side(v.box.ly, v.box.hy));
    if (v.type >= kOpen && v.type <= kSpacing) ++count[v.type];
  }
  const double values[kMetricCount] = {
      static_cast<double>(sum.wireLength),       static_cast<double>(sum.vias),
      static_cast<double>(sum.outOfGuideLength), static_cast<double>(sum.outOfGuideVias),
      static_cast<double>(sum.offTrackLength),   static_cast<double>(sum.offTrackVias),
      static_cast<double>(sum.wrongWayLength),   shortArea,
      static_cast<double>(count[kMinArea]),      static_cast<double>(count[kSpacing]),
      static_cast<double>(count[kOpen])};
  const double s1 = 1.0 / static_cast<double>(db.routeLayers[1].preferStep);
  const double scales[] = {1.0, s1, s1 * s1};
  t.valid = db.connLoaded && count[kOpen] == 0;
  for (int i = 0; i < kMetricCount; ++i) {
    t.value[i] = values[i];
    t.metric[i] = values[i] * scales[static_cast<int>(kRows[i].scale)];
    t.weight[i] = db.weightsLoaded ? db.weights[i] : 1.0;
    t.score[i] = t.metric[i] * t.weight[i];
    t.total += t.score[i];
  }
}

// Integer digits of v plus `extra`; numbers below 1 or not finite give 0.
int widthOf(double v, int extra) {
  if (!std::isfinite(v) || v < 1.0) return 0;
  return static_cast<int>(std::log10(v)) + 1 + extra;
}

__attribute__((format(printf, 1, 2))) void printLine(const char* format, ...) {
  va_list args, again;
  va_start(args, format);
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), format, again);
  va_end(again);
  text.pop_back();
  std::cout << text;
}

class Printer {
 public:
  explicit Printer(const Table& t) : t_(t) {
    for (const RowSpec& r : kRows) nW_ = std::max<int>(nW_, static_cast<int>(std::string(r.name).size()));
    for (int i = 0; i < kMetricCount; ++i) {
      vW_ = std::max(vW_, widthOf(t.value[i], 0));
      mW_ = std::max(mW_, widthOf(t.metric[i], 3));
      wW_ = std::max(wW_, widthOf(t.weight[i], 3));
      sW_ = std::max(sW_, widthOf(t.score[i], 3));
    }
    sW_ = std::max(sW_, widthOf(t.total, 3));
    n_ = nW_ + vW_ + mW_ + wW_ + sW_ + 20;
  }

  void separator() const { std::cout << "+-" << std::string(n_, '-') << "-+\n"; }
  void heading(const char* text) const { printLine("| %-*s |\n", n_, text); }
  void cells(const char* name, const char* v, const char* m, const char* w, const char* s) const {
    printLine("| %*s | %*s | %*s | %*s | %*s |       |\n", nW_, name, vW_, v, mW_, m, wW_, w, sW_, s);
  }
  void row(int i) const {
    // A zero total leaves every share at zero instead of a division by zero.
    const double share = t_.total == 0.0 ? 0.0 : t_.score[i] / t_.total * 100;
    printLine("| %*s | %*.0f | %*.2f | %*.2f | %*.2f | %4.1f%% |\n", nW_, kRows[i].name, vW_, t_.value[i],
              mW_, t_.metric[i], wW_, t_.weight[i], sW_, t_.score[i], share);
  }
  void total(bool shown) const {
    const int span = nW_ + vW_ + mW_ + wW_ + 9;
    if (shown)
      printLine("| %*s | %*.2f |       |\n", span, "Total Score", sW_, t_.total);
    else
      printLine("| %*s | %*s |\n", span, "Total Score", sW_, "---");
  }
  void note(const char* text) const { printLine("| %*s |\n", n_, text); }

 private:
  const Table& t_;
  int nW_ = 0, vW_ = 6, mW_ = 7, wW_ = 7, sW_ = 6, n_ = 0;
};

void printBox(const char* border, const char* text) {
  std::cout << border << std::endl << text << std::endl << border << std::endl;
}

}  // namespace

EvalStatus Database::reportEvaluation() const {
  if (routeLayers.size() < 2) return EvalStatus::kFewRouteLayers;
  if (routeLayers[1].preferStep <= 0) return EvalStatus::kZeroPitch;
  Table t;
  measure(*this, t);
  const Printer p(t);
  const bool loaded[] = {true, guideLoaded, geoLoaded, connLoaded};
  bool complete = true;
  for (int i = 0; i < kMetricCount; ++i) {
    if (*kRows[i].heading) {
      p.separator();
      p.heading(kRows[i].heading);
      p.separator();
    }
    if (i == 0) {
      p.cells("", "Values", "Metrics", "Weights", "Scores");
      p.separator();
    }
    if (loaded[static_cast<int>(kRows[i].need)]) {
      p.row(i);
    } else {
      p.cells(kRows[i].name, "---", "---", "---", "---");
      complete = false;
    }
  }
  p.separator();
  p.total(t.valid);
  if (!complete) p.note("(*Score is incomplete)");
  p.separator();
  if (!complete)
    std::cout << "[ERROR] Not enough information, evaluation is incomplete." << std::endl;
  else if (t.valid)
    printBox("++++++++++++++++++++++++++++", "+ PASS : Solution is valid +");
  else
    printBox("******************************", "* FAIL : Solution is invalid *");
  return EvalStatus::kOk;
}

}  // namespace velmor
