#pragma once

#include <string>
#include <vector>

#include "eval/geom.h"

namespace velmor {

// Parallel-run-length spacing table: one row per width, one column per length.
struct PRLTable {
  std::vector<std::vector<int>> table;

  PRLTable(unsigned widths, unsigned lengths) : table(widths, std::vector<int>(lengths, 0)) {}
};

// Tracks at start + k * step for k = 0 .. num - 1.
struct Track {
  int start = 0;
  int num = 0;
  int step = 0;

  bool contains(int c) const;
};

struct RouteLayer {
  std::string name;
  char direction = 'X';
  int pitchX = 0;
  int pitchY = 0;
  int width = 0;
  int spacing = 0;
  int area = 0;
  int preferStart = 0;
  int preferNum = 0;
  int preferStep = 0;
  int wrongStart = 0;
  int wrongNum = 0;
  int wrongStep = 0;
  std::vector<PRLTable> prlTables;
  // Every TRACKS statement of the layer, by the triple it went to; a
  // coordinate is on track when it lies on any of them.
  std::vector<Track> preferTracks;
  std::vector<Track> wrongTracks;

  RouteLayer() = default;
  explicit RouteLayer(const std::string& n) : name(n) {}

  // One DEF TRACKS statement: letter 'V' for TRACKS X, 'H' for TRACKS Y. The
  // statement that matches the layer's direction sets the preferred triple,
  // any other the wrong-way one; the last statement of a kind keeps the triple.
  void addTrack(char letter, int start, int num, int step);

  Track prefer() const { return {preferStart, preferNum, preferStep}; }
  Track wrong() const { return {wrongStart, wrongNum, wrongStep}; }

  void report() const;
};

struct CutLayer {
  std::string name;
  int spacing = 0;

  CutLayer() = default;
  explicit CutLayer(const std::string& n) : name(n) {}
};

struct Via {
  std::string name;
  unsigned char topLayer = kNoLayer;
  unsigned char cutLayer = kNoLayer;
  unsigned char bottomLayer = kNoLayer;
  std::vector<Box> topRects;
  std::vector<Box> cutRects;
  std::vector<Box> bottomRects;

  Via() = default;
  explicit Via(const std::string& n) : name(n) {}
};

struct Pin {
  std::string name;
  std::vector<Shape> shapes;
  Box bbox = Box::Inverted;
  char use = 0;
  char direction = 0;

  explicit Pin(const std::string& n) : name(n) {}

  // Appends a rectangle and grows the bounding box over it.
  void addShape(const Shape& s);
};

struct Macro {
  std::string name;
  std::string macroClass;
  std::string site;
  Box bbox = Box::Inverted;
  std::vector<Pin> pins;

  Macro() = default;
  explicit Macro(const std::string& n) : name(n) {}
};

struct Instance {
  std::string name;
  unsigned int macro = 4294967295u;
  Point position = Point::Null;
  unsigned char flipX = 0;
  unsigned char flipY = 0;

  Instance() = default;
  explicit Instance(const std::string& n) : name(n) {}
};

// Guides per routing layer: entry l holds the shapes of layer l.
using LayerGuides = std::vector<std::vector<Shape>>;

struct Net {
  std::string name;
  std::vector<Wire> wires;
  std::vector<Pin> pins;
  LayerGuides guides;
  LayerGuides guides2;

  Net() = default;
  explicit Net(const std::string& n) : name(n) {}

  // The first guide sizes `guides` to the routing layers of Database::get();
  // the layer must be a routing-layer position.
  void addGuide(int x1, int y1, int x2, int y2, unsigned char layer);
  void addGuide(const Shape& s);

  // Gives what cutting the guides of each layer at all of that layer's guide
  // edges, dropping repeated pieces and merging them back gives: `guides`
  // horizontal-first (ordered by ly, lx), `guides2` vertical-first (ordered
  // by lx, ly). Works without the pieces, which can be cubic in number.
  void cleanGuides();
  // The same for lists that belong to no net yet.
  static void cleanGuides(LayerGuides& guides, LayerGuides& guides2);
  // Each shape of the layer's list absorbs, in list order, the later shapes
  // that continue it to the right (H) or upwards (V) with the same extent
  // across; meant for cut pieces sorted as cleanGuides orders its lists.
  static void mergeLayerGuidesH(LayerGuides& guides, unsigned char layer);
  static void mergeLayerGuidesV(LayerGuides& guides, unsigned char layer);

  // Replaces the guides by the GCells that the wires' end points fall into;
  // needs the grid of Database::setup.
  void createGuides();
};

struct Row {
  std::string name;
  int x = INT_MAX;
  int y = INT_MAX;
  int num = 0;
  int step = 0;
  unsigned char flip = 0;

  Row() = default;
  explicit Row(const std::string& n) : name(n) {}
};

struct GCell {
  int numX = 0;
  int numY = 0;
  std::vector<int> xLines;
  std::vector<int> yLines;
  // The routing layers whose tracks give the x and the y lines.
  unsigned char xLayer = kNoLayer;
  unsigned char yLayer = kNoLayer;
};

struct Violation {
  int type = 0;
  int subtype = 0;
  int id = -1;
  int min = 0;
  int actual = 0;
  Box box = Box::Inverted;
};

}  // namespace velmor
