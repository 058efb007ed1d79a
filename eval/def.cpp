#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
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
#include "eval/outfile.h"
#include "eval/textfile.h"
#include "eval/workers.h"

namespace velmor {

namespace {

constexpr unsigned int kNoIndex = 4294967295u;

long long unknownVias = 0;

// Path elements that give no wire: how many, and the first one's name.
struct Dropped {
  long long count = 0;
  std::string first;

  void add(const char* name) {
    if (count++ == 0) first = clipped(name ? name : "");
  }
};
Dropped offLayerSegments, oneLayerVias;

bool joinsTwoLayers(const Via& v) {
  return v.topLayer != kNoLayer && v.bottomLayer != kNoLayer && v.topLayer != v.bottomLayer;
}

// Indices of the names a DEF read's paths give, so that each distinct layer
// or via name is looked up in the database once: an open-addressing table
// keyed by the name's bytes.
class NameCache {
 public:
  void clear() {
    slots_.assign(16, Slot());
    used_ = 0;
  }

  // The index of `name`; find(name) gives it the first time.
  template <class Find>
  unsigned int get(const char* name, const Find& find) {
    if (!name) name = "";
    std::uint32_t hash = 2166136261u;
    std::size_t length = 0;
    for (const char* p = name; *p; ++p, ++length) hash = (hash ^ static_cast<unsigned char>(*p)) * 16777619u;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& s = slots_[i];
      if (s.used && s.hash == hash && s.name.size() == length && std::memcmp(s.name.data(), name, length) == 0)
        return s.index;
      if (s.used) continue;
      const unsigned int index = find(name);
      s = Slot{true, hash, index, std::string(name, length)};
      if (2 * ++used_ > slots_.size()) grow();
      return index;
    }
  }

 private:
  struct Slot {
    bool used = false;
    std::uint32_t hash = 0;
    unsigned int index = 0;
    std::string name;
  };

  void grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (Slot& s : old) {
      if (!s.used) continue;
      std::size_t i = s.hash & mask;
      while (slots_[i].used) i = (i + 1) & mask;
      slots_[i] = std::move(s);
    }
  }

  std::vector<Slot> slots_ = std::vector<Slot>(16);
  std::size_t used_ = 0;
};
NameCache pathLayers, pathVias, componentMacros;

// Walks one routed path element by element: consecutive points on the
// current layer make segments, a via sits at the current point and moves
// the walk to its other routing layer.
class PathWalk {
 public:
  PathWalk(const Database& db, std::vector<Wire>& wires) : db_(db), wires_(wires) {}

  void layer(const char* name) {
    layer_ = static_cast<unsigned char>(
        pathLayers.get(name, [this](const char* n) { return routeLayerIndex(db_, n); }));
    layerName_ = name;
    offLayer_ = layer_ == kNoLayer;
  }

  void point(int x, int y) {
    const Point p(x, y);
    if (atSet_ && layer_ != kNoLayer) wires_.emplace_back(at_, p, layer_, 0u);
    if (atSet_ && offLayer_) offLayerSegments.add(layerName_);
    jump(x, y);
  }

  void jump(int x, int y) {
    at_ = Point(x, y);
    atSet_ = true;
  }

  void via(const char* name) {
    const unsigned int index =
        pathVias.get(name, [this](const char* n) { return nameIndex(db_.viaMap, n, kNoIndex); });
    if (index == kNoIndex) ++unknownVias;
    if (index != kNoIndex && !joinsTwoLayers(db_.vias[index])) oneLayerVias.add(name);
    offLayer_ = false;
    // Past a via without two different known routing layers the layer is
    // unknown, and the points after it measure nothing; equal layers would
    // make the via wire a segment.
    if (index == kNoIndex || !joinsTwoLayers(db_.vias[index])) {
      layer_ = kNoLayer;
      return;
    }
    const Via& v = db_.vias[index];
    if (atSet_) wires_.emplace_back(at_, v.bottomLayer, v.topLayer, index);
    layer_ = layer_ == v.topLayer ? v.bottomLayer : v.topLayer;
  }

 private:
  const Database& db_;
  std::vector<Wire>& wires_;
  unsigned char layer_ = kNoLayer;
  const char* layerName_ = nullptr;  // valid while the path is walked
  bool offLayer_ = false;            // layer_ is none because of its name
  Point at_ = Point::Null;
  bool atSet_ = false;
};

void walkPath(const LefDefParser::defiPath& path, const Database& db, std::vector<Wire>& wires) {
  using namespace LefDefParser;
  PathWalk walk(db, wires);
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

// The DEF file as the last read found it, so that the copy can tell whether
// it still holds the same bytes.
struct ReadStamp {
  std::string path;
  struct stat st;
};
ReadStamp lastRead;

bool sameStamp(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// Copies in blocks: the bytes equal a line-by-line copy that ends every line,
// the last one included, with a line feed. Only a regular file can be read a
// second time; a pipe was emptied by the DEF read.
bool copyDef(const std::string& defPath, OutputFile& out) {
  const auto fail = [&](const std::string& reason) {
    setWriteFailure(defPath + ": " + reason);
    return false;
  };
  const int in = open(defPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (in < 0) return fail(std::strerror(errno));
  struct Closer {
    int fd;
    ~Closer() { close(fd); }
  } closer{in};
  struct stat st;
  if (fstat(in, &st) != 0) return fail(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return fail("not a regular file, so it cannot be read again for the copy");
  if (lastRead.path == defPath && !sameStamp(lastRead.st, st)) return fail("changed after it was read");
  if (!out.open()) return false;
  char block[1 << 16];
  char last = '\n';
  long long copied = 0;
  for (;;) {
    const ssize_t n = read(in, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(std::strerror(errno));
    if (n == 0) break;
    if (!out.write(block, static_cast<std::size_t>(n))) return false;
    last = block[n - 1];
    copied += n;
  }
  // A change in place may keep the size; its time tells.
  struct stat after;
  if (copied != st.st_size || fstat(in, &after) != 0 || !sameStamp(st, after))
    return fail("changed while it was copied");
  return last == '\n' || out.write("\n", 1);
}

}  // namespace

bool IO::writeDef(const std::string& defPath, const std::string& outPath) {
  setWriteFailure(std::string());
  if (sameFile(defPath, outPath)) {
    setWriteFailure(outPath + ": the same file as the DEF file " + defPath);
    return false;
  }
  OutputFile out(outPath);
  if (!copyDef(defPath, out)) {
    if (IO::writeFailure().empty()) setWriteFailure(out.failure());
    return false;
  }
  if (out.commit()) return true;
  setWriteFailure(out.failure());
  return false;
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

// The GCell grid is rebuilt from the tracks before anything uses it, so the
// statement's lines are not expanded.
int IO::readDefGcellGrid(DefType, LefDefParser::defiGcellGrid*, void*) { return 0; }

int IO::readDefComponent(DefType, LefDefParser::defiComponent* comp, void* db) {
  Database& d = userDatabase(db);
  const unsigned int macro =
      componentMacros.get(comp->name(), [&d](const char* n) { return nameIndex(d.macroMap, n, kNoIndex); });
  Instance& n = d.instances.emplace_back(comp->id());  // named in the map after the read
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
  pathVias.clear();  // a name that named no via may name this one
  layers.fill(v);
  for (int i = 0; i < via->numLayers(); ++i) {
    via->layer(i, &name, &xl, &yl, &xh, &yh);
    if (std::vector<Box>* list = layers.rects(v, name)) list->emplace_back(xl, yl, xh, yh);
  }
  return 0;
}

namespace {

// The count a COMPONENTS or NETS statement gives, believed as far as the
// file's size allows, sizes the record list and its map once.
template <class Record, class Map>
void reserveFor(std::vector<Record>& list, Map& map, int count) {
  constexpr long long kLeastRecordBytes = 16;
  const long long fits = lastRead.path.empty() ? 0 : lastRead.st.st_size / kLeastRecordBytes;
  const long long records = std::min<long long>(count, fits);
  if (records <= 0) return;
  list.reserve(list.size() + static_cast<std::size_t>(records));
  map.reserve(map.size() + static_cast<std::size_t>(records));
}

int readDefComponentCount(IO::DefType, int count, void* db) {
  reserveFor(userDatabase(db).instances, userDatabase(db).instanceMap, count);
  return 0;
}

int readDefNetCount(IO::DefType, int count, void* db) {
  reserveFor(userDatabase(db).nets, userDatabase(db).netMap, count);
  return 0;
}

// Names the records from `first` on in the map; a name already there keeps
// its first record.
template <class Record>
void mapNames(const std::vector<Record>& list, std::unordered_map<std::string, unsigned int>& map,
              std::size_t first) {
  for (std::size_t i = first; i < list.size(); ++i) map.emplace(list[i].name, static_cast<unsigned int>(i));
}

// A net's wires gather here, kept between nets, and the net takes a copy of
// just their size.
std::vector<Wire> netWires;

}  // namespace

int IO::readDefNet(DefType, LefDefParser::defiNet* net, void* db) {
  Database& d = userDatabase(db);
  Net& n = d.nets.emplace_back(net->name());  // named in the map after the read
  n.pins.reserve(net->numConnections());
  for (int i = 0; i < net->numConnections(); ++i)
    n.pins.emplace_back(sameText(net->instance(i), "PIN") ? net->pin(i) : net->instance(i));
  std::vector<Wire>& wires = netWires;
  wires.clear();
  for (int j = 0; j < net->numWires(); ++j) {
    const LefDefParser::defiWire* w = net->wire(j);
    if (!sameText(w->wireType(), "ROUTED")) continue;
    for (int k = 0; k < w->numPaths(); ++k) walkPath(*w->path(k), d, wires);
  }
  n.wires.insert(n.wires.end(), wires.begin(), wires.end());
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
  defrSetComponentStartCbk(readDefComponentCount);
  defrSetComponentCbk(readDefComponent);
  defrSetViaCbk(readDefVia);
  defrSetNetStartCbk(readDefNetCount);
  defrSetNetCbk(readDefNet);
  defrInit();
  defrReset();
  unknownVias = 0;
  pathLayers.clear();
  pathVias.clear();
  componentMacros.clear();
  offLayerSegments = oneLayerVias = Dropped();
  lastRead.path = path;
  if (fstat(fileno(file), &lastRead.st) != 0) lastRead.path.clear();
  Database& d = *Database::get();
  const std::size_t firstInstance = d.instances.size(), firstNet = d.nets.size();
  const int status = defrRead(file, path.c_str(), &d, 1);
  {
    // Each insertion waits on memory: the two maps fill at once, and the
    // read runs faster without them.
    Background instances([&] { mapNames(d.instances, d.instanceMap, firstInstance); });
    mapNames(d.nets, d.netMap, firstNet);
  }
  defrReleaseNResetMemory();
  defrClearSession();  // the last net's paths and the lexer's buffers, no longer needed
  std::vector<Wire>().swap(netWires);
  defrUnsetCallbacks();
  std::fclose(file);
  if (offLayerSegments.count > 0)
    addReaderWarning(std::to_string(offLayerSegments.count) +
                     " path segments of the DEF nets lie on a layer that is no routing layer of the LEF, the "
                     "first on " + offLayerSegments.first + ", and give no wire.");
  if (oneLayerVias.count > 0)
    addReaderWarning(std::to_string(oneLayerVias.count) +
                     " via elements of the DEF nets name a via that does not join two routing layers, the "
                     "first " + oneLayerVias.first + ", and give no via wire.");
  if (status == 0) return true;
  std::cerr << "Error in parsing DEF file (error: " << status << ")" << std::endl;
  return false;
}

}  // namespace velmor
