#include "eval/lef.h"

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "eval/db.h"
#include "eval/io.h"
#include "eval/textfile.h"
#include "lef/lefiLayer.h"
#include "lef/lefiMacro.h"
#include "lef/lefiUnits.h"
#include "lef/lefiVia.h"
#include "lef/lefrReader.h"

namespace velmor {

int truncToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT_MAX;
  if (v <= -2147483648.0) return INT_MIN;
  return static_cast<int>(v);
}

int lefLength(double v, double f) { return truncToInt(std::round(v * f)); }

int lefArea(double a, double f) { return truncToInt(std::round((a * f) * f)); }

bool sameText(const char* text, const char* word) { return text && std::strcmp(text, word) == 0; }

namespace {

struct WordLetter {
  const char* word;
  char letter;
};

const WordLetter kLayerDirections[] = {{"HORIZONTAL", 'H'}, {"VERTICAL", 'V'}};
const WordLetter kPinUses[] = {
    {"ANALOG", 'a'}, {"CLOCK", 'c'}, {"GROUND", 'g'}, {"POWER", 'p'}, {"SIGNAL", 's'}};
const WordLetter kPinDirections[] = {{"OUTPUT", 'o'}, {"INPUT", 'i'}, {"INOUT", 'b'}};

// The letter of an exactly matching word; other words leave `letter` as it is.
template <size_t N>
void setLetter(const WordLetter (&table)[N], const char* word, char& letter) {
  for (const WordLetter& w : table)
    if (sameText(word, w.word)) letter = w.letter;
}

// A layer byte holds 255 positions; the read stops at the next one.
int tooManyLayers(const char* kind, const char* name) {
  std::cerr << "Too many " << kind << " layers: " << clipped(name ? name : "") << " would be number 256 (at most 255)"
            << std::endl;
  return 1;
}

void readRouteLayer(const LefDefParser::lefiLayer& layer, RouteLayer& r, double f) {
  if (layer.hasDirection()) setLetter(kLayerDirections, layer.direction(), r.direction);
  if (layer.hasXYPitch()) {
    r.pitchX = lefLength(layer.pitchX(), f);
    r.pitchY = lefLength(layer.pitchY(), f);
  } else if (layer.hasPitch()) {
    r.pitchX = r.pitchY = lefLength(layer.pitch(), f);
  }
  if (layer.hasWidth()) r.width = lefLength(layer.width(), f);
  if (layer.hasSpacingNumber()) r.spacing = lefLength(layer.spacing(0), f);
  for (int k = 0; k < layer.numSpacingTable(); ++k) {
    const LefDefParser::lefiSpacingTable* t = layer.spacingTable(k);
    if (!t || !t->isParallel()) continue;
    const LefDefParser::lefiParallel* p = t->parallel();
    const int rows = p->numWidth(), cols = p->numLength();
    r.prlTables.emplace_back(rows, cols);
    PRLTable& table = r.prlTables.back();
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < cols; ++j) table.table[i][j] = lefLength(p->widthSpacing(i, j), f);
  }
  if (layer.hasArea()) r.area = lefArea(layer.area(), f);
}

}  // namespace

int IO::readLefUnits(LefType, LefDefParser::lefiUnits* units, void* db) {
  if (units->hasDatabase() && sameText(units->databaseName(), "MICRONS"))
    userDatabase(db).lefDbu = truncToInt(units->databaseNumber());
  return 0;
}

int IO::readLefLayer(LefType, LefDefParser::lefiLayer* layer, void* db) {
  Database& d = userDatabase(db);
  const double f = d.lefDbu;
  if (sameText(layer->type(), "ROUTING")) {
    RouteLayer* r = d.addRouteLayer(layer->name());
    if (!r) return tooManyLayers("routing", layer->name());
    readRouteLayer(*layer, *r, f);
  } else if (sameText(layer->type(), "CUT")) {
    CutLayer* c = d.addCutLayer(layer->name());
    if (!c) return tooManyLayers("cut", layer->name());
    if (layer->hasSpacingNumber()) c->spacing = lefLength(layer->spacing(layer->numSpacing() - 1), f);
  }
  return 0;
}

int IO::readLefVia(LefType, LefDefParser::lefiVia* via, void* db) {
  Database& d = userDatabase(db);
  const double f = d.lefDbu;
  Via& v = d.addVia(via->name());
  if (via->numLayers() != 3) {
    std::cerr << "via pillar not supported" << std::endl;
    return 0;
  }
  unsigned char route1 = kNoLayer, route2 = kNoLayer, cut = kNoLayer;
  for (int i = 0; i < 3; ++i) {
    const char* n = via->layerName(i);
    const unsigned char r = routeLayerIndex(d, n);
    const unsigned char c = r == kNoLayer ? cutLayerIndex(d, n) : kNoLayer;
    if (r != kNoLayer)
      (route1 == kNoLayer ? route1 : route2) = r;
    else if (c != kNoLayer)
      cut = c;
    else
      std::cerr << "unknown layer : " << clipped(n ? n : "") << std::endl;
  }
  v.topLayer = route1 > route2 ? route1 : route2;
  v.cutLayer = cut;
  v.bottomLayer = route1 > route2 ? route2 : route1;
  // Rectangle lists by listed position, the last-listed layer's first.
  std::vector<Box>* lists[3] = {&v.bottomRects, &v.cutRects, &v.topRects};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < via->numRects(i); ++j)
      lists[i]->emplace_back(lefLength(via->xl(i, j), f), lefLength(via->yl(i, j), f),
                             lefLength(via->xh(i, j), f), lefLength(via->yh(i, j), f));
  return 0;
}

int IO::readLefMacroBegin(LefType, const char* name, void* db) {
  userDatabase(db).addMacro(name);
  return 0;
}

int IO::readLefMacro(LefType, LefDefParser::lefiMacro* macro, void* db) {
  Database& d = userDatabase(db);
  if (d.macros.empty()) return 0;
  const double f = d.lefDbu;
  Macro& m = d.macros.back();
  if (macro->hasClass()) m.macroClass = macro->macroClass();
  if (macro->hasSiteName()) m.site = macro->siteName();
  int ox = 0, oy = 0, w = 0, h = 0;
  if (macro->hasOrigin()) ox = lefLength(macro->originX(), f), oy = lefLength(macro->originY(), f);
  if (macro->hasSize()) w = lefLength(macro->sizeX(), f), h = lefLength(macro->sizeY(), f);
  // 64-bit sums: a far origin plus a size must not wrap.
  m.bbox = Box(ox, oy, truncToInt(static_cast<double>(ox) + w), truncToInt(static_cast<double>(oy) + h));
  return 0;
}

int IO::readLefPin(LefType, LefDefParser::lefiPin* pin, void* db) {
  Database& d = userDatabase(db);
  if (d.macros.empty()) return 0;
  const double f = d.lefDbu;
  Macro& m = d.macros.back();
  m.pins.emplace_back(pin->name());
  Pin& p = m.pins.back();
  if (pin->hasUse()) setLetter(kPinUses, pin->use(), p.use);
  if (pin->hasDirection()) setLetter(kPinDirections, pin->direction(), p.direction);
  for (int k = 0; k < pin->numPorts(); ++k) {
    const LefDefParser::lefiGeometries* g = pin->port(k);
    if (!g) continue;
    unsigned char layer = kNoLayer;
    for (int i = 0; i < g->numItems(); ++i) {
      if (g->itemType(i) == LefDefParser::lefiGeomLayerE) {
        // A cut layer or an unknown name leaves the shapes after it on no
        // layer rather than on the routing layer before it.
        layer = routeLayerIndex(d, g->getLayer(i));
      } else if (g->itemType(i) == LefDefParser::lefiGeomRectE) {
        const LefDefParser::lefiGeomRectItem* r = g->getRect(i);
        p.addShape(
            Shape(lefLength(r->xl, f), lefLength(r->yl, f), lefLength(r->xh, f), lefLength(r->yh, f), layer));
      }
    }
  }
  return 0;
}

bool IO::readLef(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "r");
  if (!file) {
    std::cerr << "Unable to open LEF file : " << path << std::endl;
    return false;
  }
  using namespace LefDefParser;
  lefrSetUnitsCbk(readLefUnits);
  lefrSetLayerCbk(readLefLayer);
  lefrSetViaCbk(readLefVia);
  lefrSetMacroBeginCbk(readLefMacroBegin);
  lefrSetMacroCbk(readLefMacro);
  lefrSetPinCbk(readLefPin);
  lefrInit();
  lefrReset();
  const int status = lefrRead(file, path.c_str(), Database::get());
  lefrReleaseNResetMemory();
  lefrUnsetCallbacks();
  std::fclose(file);
  if (status == 0) return true;
  std::cerr << "Error in parsing LEF file (error: " << status << ")" << std::endl;
  return false;
}

}  // namespace velmor
