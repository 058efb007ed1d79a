#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "def/defiComponent.h"
#include "def/defiNet.h"
#include "def/defiPath.h"
#include "def/defiRowTrack.h"
#include "def/defiVia.h"
#include "def/defrReader.h"
#include "eval/db.h"
#include "eval/io.h"
#include "eval/lef.h"

namespace velmor {

namespace {

constexpr unsigned int kNoIndex = 4294967295u;

long long unknownVias = 0;

bool joinsTwoLayers(const Via& v) {
  return v.topLayer != kNoLayer && v.bottomLayer != kNoLayer && v.topLayer != v.bottomLayer;
}

// Walks one routed path element by element: consecutive points on the
// current layer make segments, a via sits at the current point and moves
// the walk to its other routing layer.
class PathWalk {
 public:
  PathWalk(const Database& db, Net& net) : db_(db), net_(net) {}

  void layer(const char* name) { layer_ = routeLayerIndex(db_, name); }

  void point(int x, int y) {
    const Point p(x, y);
    if (atSet_ && layer_ != kNoLayer) net_.wires.emplace_back(at_, p, layer_, 0u);
    jump(x, y);
  }

  void jump(int x, int y) {
    at_ = Point(x, y);
    atSet_ = true;
  }

  void via(const char* name) {
    const unsigned int index = nameIndex(db_.viaMap, name, kNoIndex);
    if (index == kNoIndex) ++unknownVias;
    // Past a via without two different known routing layers the layer is
    // unknown, and the points after it measure nothing; equal layers would
    // make the via wire a segment.
    if (index == kNoIndex || !joinsTwoLayers(db_.vias[index])) {
      layer_ = kNoLayer;
      return;
    }
    const Via& v = db_.vias[index];
    if (atSet_) net_.wires.emplace_back(at_, v.bottomLayer, v.topLayer, index);
    layer_ = layer_ == v.topLayer ? v.bottomLayer : v.topLayer;
  }

 private:
  const Database& db_;
  Net& net_;
  unsigned char layer_ = kNoLayer;
  Point at_ = Point::Null;
  bool atSet_ = false;
};

void walkPath(const LefDefParser::defiPath& path, const Database& db, Net& net) {
  using namespace LefDefParser;
  PathWalk walk(db, net);
  int x = 0, y = 0, ext = 0;
  path.initTraverse();
  for (int code = path.next(); code != DEFIPATH_DONE; code = path.next()) {
    switch (code) {
      case DEFIPATH_LAYER:
        walk.layer(path.getLayer());
        break;
      case DEFIPATH_VIA:
        walk.via(path.getVia());
        break;
      case DEFIPATH_POINT:
        path.getPoint(&x, &y), walk.point(x, y);
        break;
      case DEFIPATH_FLUSHPOINT:
        path.getFlushPoint(&x, &y, &ext), walk.point(x, y);
        break;
      case DEFIPATH_VIRTUALPOINT:
        path.getVirtualPoint(&x, &y), walk.jump(x, y);
        break;
      default:
        break;
    }
  }
}

// The routing layers of a DEF via from the names of its shapes: the first
// routing layer and a later different one, the larger index on top.
class ViaLayers {
 public:
  explicit ViaLayers(const Database& db) : db_(db) {}

  void add(const char* name) {
    const unsigned char r = routeLayerIndex(db_, name);
    if (r == kNoLayer) {
      const unsigned char c = cutLayerIndex(db_, name);
      if (c != kNoLayer) cut_ = c;
    } else if (first_ == kNoLayer) {
      first_ = r;
    } else if (r != first_) {
      second_ = r;
    }
  }

  void fill(Via& v) const {
    v.topLayer = first_ > second_ ? first_ : second_;
    v.bottomLayer = first_ > second_ ? second_ : first_;
    v.cutLayer = cut_;
  }

  // The rectangle list of v for a shape on the named layer; null for a layer
  // that is none of v's three.
  std::vector<Box>* rects(Via& v, const char* name) const {
    const unsigned char r = routeLayerIndex(db_, name);
    if (r == kNoLayer)
      return cutLayerIndex(db_, name) == v.cutLayer && v.cutLayer != kNoLayer ? &v.cutRects : nullptr;
    if (r == v.topLayer) return &v.topRects;
    return r == v.bottomLayer ? &v.bottomRects : nullptr;
  }

 private:
  const Database& db_;
  unsigned char first_ = kNoLayer;
  unsigned char second_ = kNoLayer;
  unsigned char cut_ = kNoLayer;
};

// A readable input that is not a directory (which opens but reads nothing) and
// is not the output file, which opening the output would truncate.
bool copyable(const std::string& defPath, const std::string& outPath) {
  struct stat in, out;
  if (stat(defPath.c_str(), &in) != 0 || S_ISDIR(in.st_mode)) return false;
  return stat(outPath.c_str(), &out) != 0 || in.st_dev != out.st_dev || in.st_ino != out.st_ino;
}

}  // namespace

// Copies in blocks: the bytes equal a line-by-line copy that ends every line,
// the last one included, with a line feed.
bool IO::writeDef(const std::string& defPath, const std::string& outPath) {
  std::ifstream in(defPath, std::ios::binary);
  if (!in || !copyable(defPath, outPath)) return false;
  std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  char block[1 << 16];
  char last = '\n';
  while (in.read(block, sizeof block), in.gcount() > 0) {
    const std::streamsize n = in.gcount();
    out.write(block, n);
    last = block[n - 1];
    if (!out) return false;
  }
  if (in.bad()) return false;
  if (last != '\n') out.put('\n');
  out.flush();
  if (!out) return false;
  out.close();
  return !out.fail();
}

int IO::readDefDesign(DefType, const char* name, void* db) {
  userDatabase(db).designName = name;
  return 0;
}

int IO::readDefUnits(DefType, double dbu, void* db) {
  userDatabase(db).defDbu = truncToInt(dbu);
  return 0;
}

int IO::readDefProperty(DefType, LefDefParser::defiProp*, void*) { return 0; }

int IO::readDefDieArea(DefType, LefDefParser::defiBox*, void*) { return 0; }

int IO::readDefRow(DefType, LefDefParser::defiRow* row, void* db) {
  Row& r = userDatabase(db).addRow(row->name());
  r.x = truncToInt(row->x());
  r.y = truncToInt(row->y());
  r.num = truncToInt(row->xNum());
  // DO without STEP: no step, whatever the row before had.
  r.step = row->hasDoStep() ? truncToInt(row->xStep()) : 0;
  r.flip = isFlipY(row->orient());
  return 0;
}

int IO::readDefTrack(DefType, LefDefParser::defiTrack* track, void* db) {
  Database& d = userDatabase(db);
  const char letter = sameText(track->macro(), "Y") ? 'H' : sameText(track->macro(), "X") ? 'V' : 'X';
  const int start = truncToInt(track->x()), num = truncToInt(track->xNum()),
            step = truncToInt(track->xStep());
  for (int i = 0; i < track->numLayers(); ++i) {
    const unsigned char l = routeLayerIndex(d, track->layer(i));
    if (l != kNoLayer) d.routeLayers[l].addTrack(letter, start, num, step);
  }
  return 0;
}

int IO::readDefGcellGrid(DefType, LefDefParser::defiGcellGrid* grid, void* db) {
  Database& d = userDatabase(db);
  std::vector<int>* lines = sameText(grid->macro(), "X")   ? &d.gcell.xLines
                            : sameText(grid->macro(), "Y") ? &d.gcell.yLines
                                                           : nullptr;
  if (!lines) return 0;
  const long long start = grid->x(), step = truncToInt(grid->xStep());
  // Lines past the int range cannot be stored; the grid stops before them.
  for (long long k = 0, line = start; k < grid->xNum() && line >= INT_MIN && line <= INT_MAX;
       ++k, line += step)
    lines->push_back(static_cast<int>(line));
  return 0;
}

int IO::readDefComponent(DefType, LefDefParser::defiComponent* comp, void* db) {
  Database& d = userDatabase(db);
  const unsigned int macro = nameIndex(d.macroMap, comp->name(), kNoIndex);
  Instance& n = d.addInstance(comp->id());
  n.macro = macro;
  if (!comp->isUnplaced() && (comp->isPlaced() || comp->isFixed())) {
    n.position = Point(comp->placementX(), comp->placementY());
    n.flipX = isFlipX(comp->placementOrient());
    n.flipY = isFlipY(comp->placementOrient());
  }
  return 0;
}

int IO::readDefVia(DefType, LefDefParser::defiVia* via, void* db) {
  Database& d = userDatabase(db);
  ViaLayers layers(d);
  char* name = nullptr;
  int xl = 0, yl = 0, xh = 0, yh = 0;
  for (int i = 0; i < via->numLayers(); ++i) {
    via->layer(i, &name, &xl, &yl, &xh, &yh);
    layers.add(name);
  }
  for (int i = 0; i < via->numPolygons(); ++i) layers.add(via->polygonName(i));
  if (via->hasViaRule()) {
    char *rule = nullptr, *bottom = nullptr, *cut = nullptr, *top = nullptr;
    int n[8];
    via->viaRule(&rule, &n[0], &n[1], &bottom, &cut, &top, &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]);
    layers.add(bottom), layers.add(cut), layers.add(top);
  }
  Via& v = d.addVia(via->name());
  layers.fill(v);
  for (int i = 0; i < via->numLayers(); ++i) {
    via->layer(i, &name, &xl, &yl, &xh, &yh);
    if (std::vector<Box>* list = layers.rects(v, name)) list->emplace_back(xl, yl, xh, yh);
  }
  return 0;
}

int IO::readDefNet(DefType, LefDefParser::defiNet* net, void* db) {
  Database& d = userDatabase(db);
  Net& n = d.addNet(net->name());
  n.pins.reserve(net->numConnections());
  for (int i = 0; i < net->numConnections(); ++i)
    n.pins.emplace_back(sameText(net->instance(i), "PIN") ? net->pin(i) : net->instance(i));
  for (int j = 0; j < net->numWires(); ++j) {
    const LefDefParser::defiWire* w = net->wire(j);
    if (!sameText(w->wireType(), "ROUTED")) continue;
    for (int k = 0; k < w->numPaths(); ++k) walkPath(*w->path(k), d, n);
  }
  return 0;
}

long long IO::unknownViaElements() { return unknownVias; }

bool IO::readDef(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "r");
  if (!file) {
    std::cerr << "Unable to open DEF file: " << path << std::endl;
    return false;
  }
  using namespace LefDefParser;
  defrSetAddPathToNet();
  defrSetDesignCbk(readDefDesign);
  defrSetUnitsCbk(readDefUnits);
  defrSetPropCbk(readDefProperty);
  defrSetDieAreaCbk(readDefDieArea);
  defrSetRowCbk(readDefRow);
  defrSetTrackCbk(readDefTrack);
  defrSetGcellGridCbk(readDefGcellGrid);
  defrSetComponentCbk(readDefComponent);
  defrSetViaCbk(readDefVia);
  defrSetNetCbk(readDefNet);
  defrInit();
  defrReset();
  unknownVias = 0;
  const int status = defrRead(file, path.c_str(), Database::get(), 1);
  defrReleaseNResetMemory();
  defrClearSession();  // the last net's paths and the lexer's buffers, no longer needed
  defrUnsetCallbacks();
  std::fclose(file);
  if (status == 0) return true;
  std::cerr << "Error in parsing DEF file (error: " << status << ")" << std::endl;
  return false;
}

}  // namespace velmor
