// Reads DEF sections and writes what each callback received as one line of text, so that a
// test compares the whole result of a read with lines worked out from its input.
#pragma once

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "def/defiComponent.h"
#include "def/defiNet.h"
#include "def/defiPath.h"
#include "def/defiPinCap.h"
#include "def/defiProp.h"
#include "def/defiRowTrack.h"
#include "def/defiVia.h"
#include "defrTestRead.h"

namespace sections {

using namespace LefDefParser;

inline std::vector<std::string>& calls() {
  static std::vector<std::string> lines;
  return lines;
}

inline std::string format(const char* f, ...) __attribute__((format(printf, 1, 2)));
inline std::string format(const char* f, ...) {
  char buf[512];
  va_list ap;
  va_start(ap, f);
  vsnprintf(buf, sizeof buf, f, ap);
  va_end(ap);
  return buf;
}

inline std::string text(const char* s) { return s ? s : "(null)"; }

// " name=value:T" per property, with "#number" for a numeric one.
template <class Rec>
std::string properties(const Rec& r) {
  std::string out;
  for (int i = 0; i < r.numProps(); i++) {
    out += format(" %s=%s:%c", r.propName(i), r.propValue(i), r.propType(i));
    if (r.propIsNumber(i)) out += format("#%g", r.propNumber(i));
  }
  return out;
}

// The elements of a path in file order: L layer, P point, V via, and so on.
inline std::string describe(const defiPath& p) {
  std::string out = "{";
  int x = 0, y = 0, a = 0, b = 0;
  p.initTraverse();
  for (int code = p.next(); code != 0; code = p.next()) {
    switch (code) {
      case 1: out += format(" L:%s", p.getLayer()); break;
      case 2: out += format(" V:%s", p.getVia()); break;
      case 3: out += format(" O:%s", p.getViaRotationStr()); break;
      case 4: out += format(" W:%d", p.getWidth()); break;
      case 5: p.getPoint(&x, &y); out += format(" P:%d,%d", x, y); break;
      case 6: p.getFlushPoint(&x, &y, &a); out += format(" F:%d,%d,%d", x, y, a); break;
      case 7: out += " T"; break;
      case 8: out += format(" S:%s", p.getShape()); break;
      case 9: out += format(" Y:%d", p.getStyle()); break;
      case 10: out += format(" R:%s", p.getTaperRule()); break;
      case 11: p.getViaData(&x, &y, &a, &b); out += format(" D:%d,%d,%d,%d", x, y, a, b); break;
      case 12: p.getViaRect(&x, &y, &a, &b); out += format(" E:%d,%d,%d,%d", x, y, a, b); break;
      case 13: p.getVirtualPoint(&x, &y); out += format(" U:%d,%d", x, y); break;
      case 14: out += format(" M:%d", p.getMask()); break;
      case 15:
        out += format(" C:%d%d%d", p.getViaTopMask(), p.getViaCutMask(), p.getViaBottomMask());
        break;
    }
  }
  return out + " }";
}

inline std::string points(const defiPointList& pts) {
  std::string out;
  for (int i = 0; i < pts.numPoints; i++) out += format(" %d,%d", pts.x[i], pts.y[i]);
  return out;
}

template <class Wires>
std::string wires(const Wires& n) {
  std::string out;
  for (int i = 0; i < n.numWires(); i++) {
    const defiWire* w = n.wire(i);
    out += format(" WIRE %s", w->wireType());
    if (w->wireShieldNetName()) out += format("(%s)", w->wireShieldNetName());
    for (int j = 0; j < w->numPaths(); j++) out += " " + describe(*w->path(j));
  }
  return out;
}

inline std::string describe(const defiNet& n) {
  std::string out = format("NET %s", n.name());
  for (int i = 0; i < n.numConnections(); i++)
    out += format(" (%s %s%s%s)", n.instance(i), n.pin(i), n.pinIsSynthesized(i) ? " SYN" : "",
                  n.pinIsMustJoin(i) ? " MUSTJOIN" : "");
  if (n.hasSource()) out += format(" SOURCE %s", n.source());
  if (n.hasFixedbump()) out += " FIXEDBUMP";
  if (n.hasFrequency()) out += format(" FREQUENCY %g", n.frequency());
  if (n.hasOriginal()) out += format(" ORIGINAL %s", n.original());
  if (n.hasPattern()) out += format(" PATTERN %s", n.pattern());
  if (n.hasWeight()) out += format(" WEIGHT %d", n.weight());
  if (n.hasXTalk()) out += format(" XTALK %d", n.XTalk());
  if (n.hasCap()) out += format(" ESTCAP %g", n.cap());
  if (n.hasUse()) out += format(" USE %s", n.use());
  if (n.hasStyle()) out += format(" STYLE %d", n.style());
  if (n.hasNonDefaultRule()) out += format(" NONDEFAULTRULE %s", n.nonDefaultRule());
  if (n.hasVoltage()) out += format(" VOLTAGE %g", n.voltage());
  for (int i = 0; i < n.numShieldNets(); i++) out += format(" SHIELDNET %s", n.shieldNet(i));
  for (int i = 0; i < n.numWidthRules(); i++) {
    char* layer;
    double w;
    n.widthRule(i, &layer, &w);
    out += format(" WIDTH %s %g", layer, w);
  }
  for (int i = 0; i < n.numSpacingRules(); i++) {
    char* layer;
    double d, lo, hi;
    n.spacingRule(i, &layer, &d, &lo, &hi);
    out += format(" SPACING %s %g %g %g", layer, d, lo, hi);
  }
  for (int i = 0; i < n.numVpins(); i++) {
    const defiVpin* v = n.vpin(i);
    out += format(" VPIN %s %s %d,%d %d,%d", v->name(), text(v->layer()).c_str(), v->xl(),
                  v->yl(), v->xh(), v->yh());
    if (v->status() != ' ')
      out += format(" %c %d,%d %d", v->status(), v->xLoc(), v->yLoc(), v->orient());
  }
  for (int i = 0; i < n.numSubnets(); i++) {
    const defiSubnet* s = n.subnet(i);
    out += format(" SUBNET %s", s->name());
    for (int j = 0; j < s->numConnections(); j++)
      out += format(" (%s %s%s)", s->instance(j), s->pin(j), s->pinIsSynthesized(j) ? " SYN" : "");
    if (s->hasNonDefaultRule()) out += format(" NONDEFAULTRULE %s", s->nonDefaultRule());
    out += wires(*s);
  }
  out += wires(n);
  for (int i = 0; i < n.numShields(); i++) {
    const defiShield* s = n.shield(i);
    out += format(" SHIELD %s", s->shieldName());
    for (int j = 0; j < s->numPaths(); j++) out += " " + describe(*s->path(j));
  }
  for (int i = 0; i < n.numNoShields(); i++) {
    const defiShield* s = n.noShield(i);
    out += " NOSHIELD";
    for (int j = 0; j < s->numPaths(); j++) out += " " + describe(*s->path(j));
  }
  for (int i = 0; i < n.numRectangles(); i++)
    out += format(" RECT %s %d,%d %d,%d m%d %s/%s/%s", n.rectName(i), n.xl(i), n.yl(i), n.xh(i),
                  n.yh(i), n.rectMask(i), n.rectRouteStatus(i), n.rectRouteStatusShieldName(i),
                  n.rectShapeType(i));
  for (int i = 0; i < n.numPolygons(); i++)
    out += format(" POLYGON %s%s m%d %s/%s/%s", n.polygonName(i), points(n.getPolygon(i)).c_str(),
                  n.polyMask(i), n.polyRouteStatus(i), n.polyRouteStatusShieldName(i),
                  n.polyShapeType(i));
  for (int i = 0; i < n.numViaSpecs(); i++)
    out += format(" VIA %s %s%s m%d%d%d %s/%s/%s", n.viaName(i), n.viaOrientStr(i),
                  points(n.getViaPts(i)).c_str(), n.topMaskNum(i), n.cutMaskNum(i),
                  n.bottomMaskNum(i), n.viaRouteStatus(i), n.viaRouteStatusShieldName(i),
                  n.viaShapeType(i));
  return out + properties(n);
}

inline std::string describe(const defiComponent& c) {
  std::string out = format("COMP %s %s", c.id(), c.name());
  for (int i = 0; i < c.numNets(); i++) out += format(" %s", c.net(i));
  if (c.placementStatus())
    out += format(" STATUS %d %d,%d %d", c.placementStatus(), c.placementX(), c.placementY(),
                  c.placementOrient());
  if (c.hasEEQ()) out += format(" EEQ %s", c.EEQ());
  if (c.hasGenerate()) out += format(" GENERATE %s '%s'", c.generateName(), c.macroName());
  if (c.hasSource()) out += format(" SOURCE %s", c.source());
  if (c.hasWeight()) out += format(" WEIGHT %d", c.weight());
  if (c.maskShiftSize()) {
    out += " MASKSHIFT";
    for (int i = 0; i < c.maskShiftSize(); i++) out += format(" %d", c.maskShift(i));
  }
  if (c.hasRegionName()) out += format(" REGION %s", c.regionName());
  if (c.hasRegionBounds()) {
    int n;
    int *xl, *yl, *xh, *yh;
    c.regionBounds(&n, &xl, &yl, &xh, &yh);
    for (int i = 0; i < n; i++) out += format(" BOUNDS %d,%d %d,%d", xl[i], yl[i], xh[i], yh[i]);
  }
  if (c.hasForeignName())
    out += format(" FOREIGN %s %d,%d %d", c.foreignName(), c.foreignX(), c.foreignY(),
                  c.foreignOrient());
  if (c.hasHalo()) {
    int l, b, r, t;
    c.haloEdges(&l, &b, &r, &t);
    out += format(" HALO%s %d %d %d %d", c.hasHaloSoft() ? " SOFT" : "", l, b, r, t);
  }
  if (c.hasRouteHalo())
    out += format(" ROUTEHALO %d %s %s", c.haloDist(), c.minLayer(), c.maxLayer());
  return out + properties(c);
}

inline std::string describe(const defiComponentMaskShiftLayer& m) {
  std::string out = "MASKSHIFT";
  for (int i = 0; i < m.numMaskShiftLayers(); i++) out += format(" %s", m.maskShiftLayer(i));
  return out;
}

inline std::string describe(const defiRow& r) {
  std::string out = format("ROW %s %s %g,%g %s", r.name(), r.macro(), r.x(), r.y(), r.orientStr());
  if (r.hasDo()) out += format(" DO %g BY %g STEP %g %g", r.xNum(), r.yNum(), r.xStep(), r.yStep());
  if (r.hasDoStep()) out += " HASSTEP";
  return out + properties(r);
}

inline std::string describe(const defiTrack& t) {
  std::string out = format("TRACKS %s %g DO %g STEP %g", t.macro(), t.x(), t.xNum(), t.xStep());
  if (t.firstTrackMask())
    out += format(" MASK %d%s", t.firstTrackMask(), t.sameMask() ? " SAMEMASK" : "");
  for (int i = 0; i < t.numLayers(); i++) out += format(" %s", t.layer(i));
  return out;
}

inline std::string describe(const defiGcellGrid& g) {
  return format("GCELLGRID %s %d DO %d STEP %g", g.macro(), g.x(), g.xNum(), g.xStep());
}

template <class Shapes>
std::string pinShapes(const Shapes& p) {
  std::string out;
  for (int i = 0; i < p.numLayer(); i++) {
    int xl, yl, xh, yh;
    p.bounds(i, &xl, &yl, &xh, &yh);
    out += format(" LAYER %s %d,%d %d,%d", p.layer(i), xl, yl, xh, yh);
    if (p.layerMask(i)) out += format(" MASK %d", p.layerMask(i));
    if (p.hasLayerSpacing(i)) out += format(" SPACING %d", p.layerSpacing(i));
    if (p.hasLayerDesignRuleWidth(i)) out += format(" DRW %d", p.layerDesignRuleWidth(i));
  }
  for (int i = 0; i < p.numPolygons(); i++) {
    out += format(" POLYGON %s%s", p.polygonName(i), points(p.getPolygon(i)).c_str());
    if (p.polygonMask(i)) out += format(" MASK %d", p.polygonMask(i));
    if (p.hasPolygonSpacing(i)) out += format(" SPACING %d", p.polygonSpacing(i));
    if (p.hasPolygonDesignRuleWidth(i)) out += format(" DRW %d", p.polygonDesignRuleWidth(i));
  }
  for (int i = 0; i < p.numVias(); i++)
    out += format(" VIA %s %d,%d m%d%d%d", p.viaName(i), p.viaPtX(i), p.viaPtY(i),
                  p.viaTopMask(i), p.viaCutMask(i), p.viaBottomMask(i));
  if (p.hasPlacement())
    out += format(" PLACED %d,%d %s", p.placementX(), p.placementY(), p.orientStr());
  return out;
}

inline std::string describe(const defiPin& p) {
  std::string out = format("PIN %s %s", p.pinName(), p.netName());
  if (p.hasSpecial()) out += " SPECIAL";
  if (p.hasDirection()) out += format(" DIRECTION %s", p.direction());
  if (p.hasUse()) out += format(" USE %s", p.use());
  if (p.hasNetExpr()) out += format(" NETEXPR %s", p.netExpr());
  if (p.hasSupplySensitivity()) out += format(" SUPPLY %s", p.supplySensitivity());
  if (p.hasGroundSensitivity()) out += format(" GROUND %s", p.groundSensitivity());
  out += pinShapes(p);
  for (int i = 0; i < p.numPorts(); i++) out += " PORT" + pinShapes(*p.pinPort(i));
  for (int i = 0; i < p.numAPinPartialMetalArea(); i++)
    out += format(" PMA %d '%s'", p.APinPartialMetalArea(i),
                  text(p.APinPartialMetalAreaLayer(i)).c_str());
  for (int i = 0; i < p.numAPinDiffArea(); i++)
    out += format(" DIFF %d '%s'", p.APinDiffArea(i), text(p.APinDiffAreaLayer(i)).c_str());
  for (int i = 0; i < p.numAntennaModel(); i++) {
    const defiPinAntennaModel* m = p.antennaModel(i);
    out += format(" MODEL %s", m->antennaOxide());
    for (int j = 0; j < m->numAPinGateArea(); j++)
      out += format(" GATE %d '%s'", m->APinGateArea(j), text(m->APinGateAreaLayer(j)).c_str());
  }
  return out;
}

inline std::string describe(const defiVia& v) {
  std::string out = format("VIA %s", v.name());
  if (v.hasPattern()) out += format(" PATTERNNAME %s", v.pattern());
  for (int i = 0; i < v.numLayers(); i++) {
    char* layer;
    int xl, yl, xh, yh;
    v.layer(i, &layer, &xl, &yl, &xh, &yh);
    out += format(" RECT %s %d,%d %d,%d", layer, xl, yl, xh, yh);
    if (v.rectMask(i)) out += format(" MASK %d", v.rectMask(i));
  }
  for (int i = 0; i < v.numPolygons(); i++) {
    out += format(" POLYGON %s%s", v.polygonName(i), points(v.getPolygon(i)).c_str());
    if (v.polyMask(i)) out += format(" MASK %d", v.polyMask(i));
  }
  if (v.hasViaRule()) {
    char *rule, *bot, *cut, *top;
    int xs, ys, xsp, ysp, xbe, ybe, xte, yte;
    v.viaRule(&rule, &xs, &ys, &bot, &cut, &top, &xsp, &ysp, &xbe, &ybe, &xte, &yte);
    out += format(" VIARULE %s %d %d %s %s %s %d %d %d %d %d %d", rule, xs, ys, bot, cut, top,
                  xsp, ysp, xbe, ybe, xte, yte);
  }
  if (v.hasRowCol()) {
    int r, c;
    v.rowCol(&r, &c);
    out += format(" ROWCOL %d %d", r, c);
  }
  if (v.hasOrigin()) {
    int x, y;
    v.origin(&x, &y);
    out += format(" ORIGIN %d %d", x, y);
  }
  if (v.hasOffset()) {
    int a, b, c, d;
    v.offset(&a, &b, &c, &d);
    out += format(" OFFSET %d %d %d %d", a, b, c, d);
  }
  if (v.hasCutPattern()) out += format(" PATTERN %s", v.cutPattern());
  return out;
}

inline std::string describe(const defiProp& p) {
  std::string out = format("PROP %s %s %c", p.propType(), p.propName(), p.dataType());
  if (p.hasRange()) out += format(" RANGE %g %g", p.left(), p.right());
  if (p.hasNumber()) out += format(" NUMBER %g", p.number());
  if (p.hasString()) out += format(" STRING %s", p.string());
  return out;
}

// Records of the later sections, each described in its section's test file.
std::string describe(const defiRegion& r);
std::string describe(const defiGroup& g);
std::string describe(const defiPinProp& p);
std::string describe(const defiBlockage& b);
std::string describe(const defiSlot& s);
std::string describe(const defiFill& f);
std::string describe(const defiNonDefault& n);
std::string describe(const defiStyles& s);
std::string describe(const defiScanchain& c);
std::string describe(const defiAssertion& a);
std::string describe(const defiIOTiming& t);
std::string describe(const defiTimingDisable& t);
std::string describe(const defiFPC& f);
std::string describe(const defiPartition& p);

// Callbacks that record what they received, prefixed by the type code.
template <class T>
int record(defrCallbackType_e type, T* data, void*) {
  calls().push_back(std::to_string(type) + " " + describe(*data));
  return 0;
}
inline int recordText(defrCallbackType_e type, const char* s, void*) {
  calls().push_back(std::to_string(type) + " " + s);
  return 0;
}
inline int recordInt(defrCallbackType_e type, int n, void*) {
  calls().push_back(std::to_string(type) + " " + std::to_string(n));
  return 0;
}
inline int recordVoid(defrCallbackType_e type, void*, void*) {
  calls().push_back(std::to_string(type));
  return 0;
}

// A fresh reader whose messages are collected; calls() is emptied.
class SectionsTest : public ::testing::Test {
protected:
  void SetUp() override {
    defrtest::freshReader();
    calls().clear();
  }
  void TearDown() override { defrClear(); }

  static const std::string& errors() { return defrtest::messages().errors; }
  static const std::string& warnings() { return defrtest::messages().warnings; }

  // Reads a file of tests/data/def.
  static int readData(const char* name) {
    std::string path = std::string(VELMOR_TEST_DATA) + "/def/" + name;
    FILE* f = fopen(path.c_str(), "r");
    EXPECT_NE(f, nullptr) << path;
    if (!f) return -1;
    defrInit();
    int result = defrRead(f, name, nullptr, 1);
    fclose(f);
    return result;
  }
};

}  // namespace sections
