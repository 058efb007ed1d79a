#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "eval/geom.h"
#include "eval/records.h"

namespace velmor {

// Why Database::setup or Database::reportEvaluation could not run. The caller
// words the error. The grid takes each axis's tracks from routeLayers[1] or,
// where it has none along that axis, from the nearest routing layer that has.
enum class EvalStatus {
  kOk,
  kFewRouteLayers,  // fewer than two routing layers
  kNoXTracks,       // no routing layer has usable tracks for the x grid lines
  kNoYTracks,       // no routing layer has usable tracks for the y grid lines
  kGridOverflow,    // the widened grid reaches past the 32-bit range
  kZeroPitch,       // layer 1 has no preferred track step to scale lengths by
  kGridTooLarge,    // more than 100 million cells; numX and numY hold the counts, no lines
};

// Score weights, one per metric row.
constexpr int kMetricCount = 11;

// The one design database (Database::get()). Fields are public; records are
// only appended. The constructor is public so that a fresh database can be
// assigned over the singleton.
class Database {
 public:
  std::string designName;
  int lefDbu = 2000;
  int defDbu = 2000;
  std::vector<RouteLayer> routeLayers;
  std::unordered_map<std::string, unsigned char> routeLayerMap;
  std::vector<CutLayer> cutLayers;
  std::unordered_map<std::string, unsigned char> cutLayerMap;
  std::vector<Macro> macros;
  std::unordered_map<std::string, unsigned int> macroMap;
  std::vector<Via> vias;
  std::unordered_map<std::string, unsigned int> viaMap;
  std::vector<Instance> instances;
  std::unordered_map<std::string, unsigned int> instanceMap;
  std::vector<Net> nets;
  std::unordered_map<std::string, unsigned int> netMap;
  std::vector<Row> rows;
  GCell gcell;
  bool guideLoaded = false;
  bool connLoaded = false;
  bool geoLoaded = false;
  bool weightsLoaded = false;
  std::vector<double> weights = std::vector<double>(kMetricCount, 1.0);
  std::vector<Violation> violations;

  Database();

  static Database* get();

  // A layer byte holds positions 0..254 (255 means none): once 255 layers
  // exist these two add nothing and return nullptr, and the load must fail.
  RouteLayer* addRouteLayer(const std::string& name);
  CutLayer* addCutLayer(const std::string& name);
  // The rest append even under a repeated name (the map keeps the first) and
  // return the new record, valid until the next append to the same list.
  Macro& addMacro(const std::string& name);
  Via& addVia(const std::string& name);
  Instance& addInstance(const std::string& name);
  Net& addNet(const std::string& name);
  Row& addRow(const std::string& name);

  // Position of the named net in Database::get(), -1 when none.
  static int net(const std::string& name);

  // Rebuilds the GCell grid from the tracks of routing layer 1 (or, along an
  // axis where it has none, of the nearest layer having them), widened over
  // every wire end point. On failure the grid is left empty.
  EvalStatus setup();
  // Rectangle of cell (gx, gy) of Database::get()'s grid; outside the grid a
  // warning line on standard output and Box::Null.
  static Box getRealCoor(int gx, int gy);

  // Net::createGuides and Net::cleanGuides of every net, the nets spread
  // over the workers. With `keepCleaned` a net whose guides2 is not empty,
  // cleaned already, is left as it is.
  void createGuides();
  void cleanGuides(bool keepCleaned = false);

  // Measures the wires against the cleaned guides and tracks and prints the
  // score table and verdict on standard output. Prints nothing and returns
  // the reason when the routing layers give no pitch.
  EvalStatus reportEvaluation() const;

 private:
  static Database* _instance;
};

}  // namespace velmor
