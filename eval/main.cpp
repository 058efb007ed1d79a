// velmoreval: evaluation (default), guide generation (-genguide) and the
// dummy router (-sim) over one LEF and one DEF.
#include <atomic>
#include <chrono>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "eval/db.h"
#include "eval/guidetext.h"
#include "eval/io.h"
#include "eval/oom.h"
#include "eval/outfile.h"
#include "eval/setting.h"
#include "eval/workers.h"

namespace velmor {
namespace {

// Problems are collected while the run goes on and printed together near its
// end; an error stops every later step that needs the inputs, a warning
// stops nothing.
class Messages {
 public:
  void error(const std::string& text) { errors_.push_back(text); }
  void warning(const std::string& text) { warnings_.push_back(text); }
  // What the readers noticed in files they still read.
  void readerWarnings() {
    for (std::string& w : IO::takeWarnings()) warnings_.push_back(std::move(w));
  }
  bool clean() const { return errors_.empty(); }

  void print() const {
    for (const std::string& e : errors_) std::cout << "[ERROR] " << e << std::endl;
    for (const std::string& w : warnings_) std::cout << "[WARNING] " << w << std::endl;
  }

 private:
  std::vector<std::string> errors_;
  std::vector<std::string> warnings_;
};

// Why the grid or the pitch could not be had, naming the layer they start from.
std::string statusText(EvalStatus status) {
  const Database& db = *Database::get();
  const std::string layer = db.routeLayers.size() > 1 ? db.routeLayers[1].name : std::string();
  switch (status) {
    case EvalStatus::kOk:
      break;
    case EvalStatus::kFewRouteLayers:
      return "fewer than two routing layers are defined; the second routing layer gives the GCell "
             "grid and the pitch.";
    case EvalStatus::kNoXTracks:
      return "routing layer " + layer +
             " has no TRACKS X with a positive step, nor has any other routing layer; the GCell "
             "grid cannot be built.";
    case EvalStatus::kNoYTracks:
      return "routing layer " + layer +
             " has no TRACKS Y with a positive step, nor has any other routing layer; the GCell "
             "grid cannot be built.";
    case EvalStatus::kGridOverflow:
      return "the GCell grid from the tracks of routing layer " + layer +
             " or of its nearest routing layer having them reaches past the 32-bit coordinate range.";
    case EvalStatus::kGridTooLarge: {
      const std::string& x = db.routeLayers[db.gcell.xLayer].name;
      const std::string& y = db.routeLayers[db.gcell.yLayer].name;
      return "the GCell grid from the tracks of routing " +
             (x == y ? "layer " + x : "layers " + x + " (x) and " + y + " (y)") + " would have " +
             std::to_string(db.gcell.numX) + " x " + std::to_string(db.gcell.numY) + " = " +
             std::to_string(static_cast<long long>(db.gcell.numX) * db.gcell.numY) +
             " cells, more than 100000000.";
    }
    case EvalStatus::kZeroPitch:
      return "routing layer " + layer +
             " has no tracks in its preferred direction with a positive step; the pitch that "
             "scales the lengths is unknown.";
  }
  return std::string();
}

void checkNames(const Setting& s, Messages& msg) {
  if (s.lef.empty()) msg.error("no LEF file is specified.");
  if (s.def.empty()) msg.error("no DEF file is specified.");
  if (s.mode == Setting::kEvaluate) {
    if (s.guide.empty()) msg.warning("no route guide is specified.");
    if (s.georpt.empty()) msg.warning("no geometry report is specified.");
    if (s.conrpt.empty()) msg.warning("no connectivity report is specified.");
  } else {
    // The simulated router takes a guide name like a real one, though it reads none.
    if (s.guide.empty()) msg.error("no route guide is specified.");
    if (s.mode == Setting::kSimulate && s.output.empty()) msg.error("no output file is specified.");
  }
}

// The guide file needs the LEF's routing layers only: in evaluation a regular
// one is read and cleaned while the DEF is read, and joins the nets
// afterwards. A failed DEF stops that read and frees what it took; a pipe or
// device is read after a good DEF only, as a failed DEF must not wait on it.
// True when the guides were read here.
bool loadDesign(const Setting& s, Messages& msg, GuideText& guides) {
  setOutOfMemoryStep("reading " + s.lef);
  if (msg.clean() && !IO::readLef(s.lef)) msg.error("load LEF file fail.");
  if (!msg.clean()) return false;
  setOutOfMemoryStep("reading " + s.def);
  std::atomic<bool> stopGuides{false};
  std::optional<Background> guideRead;
  struct stat info;
  if (s.mode == Setting::kEvaluate && !s.guide.empty() && stat(s.guide.c_str(), &info) == 0 &&
      S_ISREG(info.st_mode))
    guideRead.emplace([&] {
      const ThreadOutOfMemoryStep step("reading " + s.guide);
      IO::parseRg(s.guide, guides, true, &stopGuides);
    });
  const bool guidesRead = guideRead.has_value();
  if (!IO::readDef(s.def)) {
    stopGuides = true;
    guideRead.reset();
    guides = GuideText();
    msg.error("load DEF file fail.");
  } else if (IO::unknownViaElements() > 0) {
    msg.warning(std::to_string(IO::unknownViaElements()) +
                " via elements of the DEF nets name no via of the LEF or DEF and give no via wire.");
  }
  msg.readerWarnings();
  return guidesRead;
}

void loadEvaluationInputs(const Setting& s, Messages& msg, GuideText& guides, bool guidesRead) {
  if (!msg.clean()) return;
  setOutOfMemoryStep("reading " + s.guide);
  if (!s.guide.empty() && !guidesRead) IO::parseRg(s.guide, guides);
  if (!s.guide.empty() && !IO::addRg(guides)) msg.warning("load guide file fail.");
  guides = GuideText();  // the nets hold the guides now
  msg.readerWarnings();
  setOutOfMemoryStep("reading " + s.georpt);
  if (!s.georpt.empty() && !IO::readGeometryRpt(s.georpt)) msg.warning("load geometry report fail.");
  msg.readerWarnings();
  setOutOfMemoryStep("reading " + s.conrpt);
  if (!s.conrpt.empty() && !IO::readConnectRpt(s.conrpt)) msg.warning("load connectivity report fail.");
  msg.readerWarnings();
  setOutOfMemoryStep("reading " + s.weights);
  if (!IO::readWeights(s.weights)) msg.warning("load evaluation score weights fail.");
  msg.readerWarnings();
}

// Writing an output over another file named on the command line would
// destroy it, read or not.
bool overwritesInput(const Setting& s, const std::string& output, const char* what, Messages& msg) {
  const std::pair<const char*, const std::string*> inputs[] = {
      {"LEF file", &s.lef},          {"DEF file", &s.def},
      {"guide file", &s.guide},      {"geometry report", &s.georpt},
      {"connectivity report", &s.conrpt}, {"weights file", &s.weights},
  };
  for (const auto& [kind, path] : inputs) {
    if (path == &output || path->empty() || !sameFile(output, *path)) continue;
    msg.error(std::string("the ") + what + " " + output + " is the same file as the " + kind + " " + *path +
              "; it is not written.");
    return true;
  }
  return false;
}

void cleanAllGuides(bool keepCleaned) {
  setOutOfMemoryStep("cleaning the guides");
  Database::get()->cleanGuides(keepCleaned);
}

// The evaluation measures against guides and tracks and needs no GCell grid.
// Most nets took their guides cleaned from the guide file's read.
void prepareEvaluation(const Messages& msg) {
  if (msg.clean()) cleanAllGuides(true);
}

void generateGuides(const Setting& s, Messages& msg) {
  if (!msg.clean() || overwritesInput(s, s.guide, "guide file", msg)) return;
  Database& db = *Database::get();
  setOutOfMemoryStep("building the GCell grid");
  const EvalStatus status = db.setup();
  if (status != EvalStatus::kOk) {
    msg.error(statusText(status));
    return;
  }
  setOutOfMemoryStep("generating the guides");
  db.createGuides();
  cleanAllGuides(false);
  setOutOfMemoryStep("writing " + s.guide);
  if (!IO::writeRg(s.guide)) msg.error("save guide file fail: " + IO::writeFailure() + ".");
}

void simulate(const Setting& s, Messages& msg) {
  std::cout << "Team number: 99" << std::endl;
  std::cout << "Members: Mira Castell, Tomas Ferreira" << std::endl;
  std::cout << "Affiliation: Tremlix" << std::endl;
  for (const RouteLayer& layer : Database::get()->routeLayers) layer.report();
  if (s.simSeconds > 0) {
    std::cout << "running for " << s.simSeconds << " seconds..." << std::endl;
    std::this_thread::sleep_for(std::chrono::seconds(s.simSeconds));
  }
  setOutOfMemoryStep("writing " + s.output);
  if (msg.clean() && !overwritesInput(s, s.output, "output file", msg) && !IO::writeDef(s.def, s.output))
    msg.error("save output file fail: " + IO::writeFailure() + ".");
}

int run(int argc, char** argv) {
  installOutOfMemoryHandler();
  installOutputSignalHandlers();
  setOutOfMemoryStep("reading the command line");
  if (!Setting::readArgs(argc, argv)) return 1;
  const Setting& s = *Setting::get();
  Messages msg;
  checkNames(s, msg);
  GuideText guides;
  const bool guidesRead = loadDesign(s, msg, guides);
  switch (s.mode) {
    case Setting::kEvaluate:
      loadEvaluationInputs(s, msg, guides, guidesRead);
      prepareEvaluation(msg);
      break;
    case Setting::kGenGuide:
      generateGuides(s, msg);
      break;
    default:
      simulate(s, msg);
      break;
  }
  msg.print();
  if (!msg.clean()) return 1;
  if (s.mode == Setting::kEvaluate) {
    setOutOfMemoryStep("evaluating the routing");
    const EvalStatus status = Database::get()->reportEvaluation();
    if (status != EvalStatus::kOk) {
      std::cout << "[ERROR] " << statusText(status) << std::endl;
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace velmor

int main(int argc, char** argv) { return velmor::run(argc, argv); }
