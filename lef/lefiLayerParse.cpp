// Re-parsing of layer properties that carry, as text, rules that later LEF
// versions write as statements ("LEF57_..." and "LEF58_TYPE").
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "lef/lefiLayer.h"
#include "lef/lefiMessages.h"
#include "lef/lefrData.h"
#include "lef/lefrMessages.h"
#include "lef/lefrSettings.h"

namespace LefDefParser {

namespace {

// A private copy of a property value, cut into tokens at blanks only: a
// newline or ';' stays part of its token. next() gives null at the end.
class ValueTokens {
 public:
  explicit ValueTokens(const char* value) : buf_(value ? value : ""), pos_(0) {}

  const char* next() {
    while (pos_ < buf_.size() && buf_[pos_] == ' ') pos_++;
    if (pos_ >= buf_.size()) return nullptr;
    size_t start = pos_;
    while (pos_ < buf_.size() && buf_[pos_] != ' ') pos_++;
    if (pos_ < buf_.size()) buf_[pos_++] = '\0';
    return &buf_[start];
  }

 private:
  std::string buf_;
  size_t pos_;
};

bool is(const char* token, const char* keyword) {
  return token && strcmp(token, keyword) == 0;
}

// A missing token, or one that begins a new line of the value.
bool lineEnd(const char* token) { return !token || token[0] == '\n'; }

// The messages hold the whole value, so their length has no bound.
void parseError(int msgNum, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  int len = vsnprintf(nullptr, 0, fmt, args);
  va_end(args);
  std::vector<char> text(len > 0 ? len + 1 : 1, '\0');
  if (len > 0) vsnprintf(text.data(), text.size(), fmt, again);
  va_end(again);
  lefError(msgNum, text.data());
}

double readerVersion() { return lefData ? lefData->versionNum : 0.0; }

struct Lef57Parser {
  const char* name;
  void (lefiLayer::*parse)(int);
};

const Lef57Parser kLef57Parsers[] = {
    {"LEF57_SPACING", &lefiLayer::parseSpacing},
    {"LEF57_ARRAYSPACING", &lefiLayer::parseArraySpacing},
    {"LEF57_MINSTEP", &lefiLayer::parseMinstep},
    {"LEF57_ANTENNACUMROUTINGPLUSCUT", &lefiLayer::parseAntennaCumRouting},
    {"LEF57_ANTENNAGATEPLUSDIFF", &lefiLayer::parseAntennaGatePlus},
    {"LEF57_ANTENNAAREAMINUSDIFF", &lefiLayer::parseAntennaAreaMinus},
    {"LEF57_ANTENNAAREADIFFREDUCEPWL", &lefiLayer::parseAntennaAreaDiff},
    {"LEF57_ENCLOSURE", &lefiLayer::parseLayerEnclosure},
};

bool isCutSpacingOption(const char* t) {
  return is(t, "CENTERTOCENTER") || is(t, "SAMENET") || is(t, "LAYER") ||
         is(t, "ADJACENTCUTS") || is(t, "PARALLELOVERLAP") || is(t, "AREA");
}

// The options of a cut-layer SPACING rule opened at "value"; t is the
// first option. Returns false when the parse ends, else true with t at the
// token where the next rule may begin.
bool parseCutSpacingOptions(lefiLayer& layer, ValueTokens& tk, const char*& t,
                            const char* value) {
  if (is(t, "CENTERTOCENTER")) {
    layer.setSpacingCenterToCenter();
    t = tk.next();
    if (is(t, ";")) {
      t = tk.next();
      return true;
    }
  }
  if (is(t, "SAMENET")) {
    layer.setSpacingSamenet();
    t = tk.next();
    if (is(t, ";")) {
      t = tk.next();
      return true;
    }
  }
  if (is(t, "LAYER")) {
    const char* name = tk.next();
    if (lineEnd(name)) {
      t = name;
      return true;
    }
    layer.setSpacingName(name);
    t = tk.next();
    if (is(t, "STACK")) {
      layer.setSpacingLayerStack();
      t = tk.next();
    }
  } else if (is(t, "ADJACENTCUTS")) {
    const char* cuts = tk.next();
    int numCuts = cuts ? atoi(cuts) : 0;
    const char* within = nullptr;
    if (numCuts >= 2 && numCuts <= 4 && is(tk.next(), "WITHIN")) within = tk.next();
    if (!within) {
      parseError(1320, kLefiMsg1320, value);
      return false;
    }
    layer.setSpacingAdjacent(numCuts, atof(within));
    t = tk.next();
    if (is(t, "EXCEPTSAMEPGNET")) {
      layer.setSpacingAdjacentExcept();
      t = tk.next();
    }
  } else if (is(t, "PARALLELOVERLAP")) {
    layer.setSpacingParallelOverlap();
    t = tk.next();
  } else if (is(t, "AREA")) {
    const char* area = tk.next();
    if (!area) {
      parseError(1320, kLefiMsg1320, value);
      return false;
    }
    layer.setSpacingArea(atof(area));
    t = tk.next();
  } else {
    return true;
  }
  if (!is(t, ";")) {
    parseError(1320, kLefiMsg1320, value);
    return false;
  }
  t = tk.next();
  return true;
}

// An ENDOFLINE rule of spacing "value" after the keyword ENDOFLINE.
// Returns false when the parse ends, else true with t at the token where
// the next rule may begin.
bool parseEolSpacing(lefiLayer& layer, ValueTokens& tk, const char*& t, double spacing,
                     const char* value) {
  const char* eolWidth = tk.next();
  const char* eolWithin = nullptr;
  if (eolWidth && is(tk.next(), "WITHIN")) eolWithin = tk.next();
  if (!eolWithin) {
    parseError(1305, kLefiMsg1305Either, value);
    return false;
  }
  t = tk.next();
  if (lineEnd(t)) return true;
  bool parallel = false;
  double parSpace = 0.0;
  double parWithin = 0.0;
  bool twoEdges = false;
  if (is(t, "PARALLELEDGE")) {
    const char* space = tk.next();
    const char* within = nullptr;
    if (space && is(tk.next(), "WITHIN")) within = tk.next();
    t = within ? tk.next() : nullptr;
    if (lineEnd(t)) {
      parseError(1305, kLefiMsg1305, value);
      return false;
    }
    parallel = true;
    parSpace = atof(space);
    parWithin = atof(within);
    if (is(t, "TWOEDGES")) {
      twoEdges = true;
      t = tk.next();
    }
  }
  if (!is(t, ";")) {
    // An option that the rule does not know: the rule is dropped.
    while (!lineEnd(t) && !is(t, ";")) t = tk.next();
    if (is(t, ";")) t = tk.next();
    return true;
  }
  layer.setSpacingMin(spacing);
  layer.setSpacingEol(atof(eolWidth), atof(eolWithin));
  if (parallel) layer.setSpacingParSW(parSpace, parWithin);
  if (twoEdges) layer.setSpacingParTwoEdges();
  t = tk.next();
  return true;
}

}  // namespace

int lefiLayer::need58PropsProcessing() const { return readerVersion() >= 5.7 ? 1 : 0; }

void lefiLayer::parse65nmRules() {
  if (readerVersion() < 5.6) return;
  for (int i = 0; i < numProps(); i++) {
    const char* name = propName(i);
    if (strlen(name) <= 6 || propType(i) != 'S' || strncmp(name, "LEF57_", 6) != 0) continue;
    for (const Lef57Parser& p : kLef57Parsers) {
      if (strcmp(name, p.name) == 0) {
        (this->*p.parse)(i);
        break;
      }
    }
  }
}

void lefiLayer::parseLEF58Layer() {
  if (readerVersion() < 5.7) return;
  for (int i = 0; i < numProps(); i++)
    if (strcmp(propName(i), "LEF58_TYPE") == 0) parseLayerType(i);
}

void lefiLayer::parseSpacing(int index) {
  const char* value = propValue(index);
  if (!value) return;
  ValueTokens tk(value);
  const char* t = tk.next();
  while (is(t, "SPACING")) {
    const char* number = tk.next();
    if (!number) return;
    double spacing = atof(number);
    t = tk.next();
    if (isCutSpacingOption(t)) {
      if (strcmp(type(), "CUT") != 0) {
        parseError(1321, kLefiMsg1321, value, type());
        return;
      }
      setSpacingMin(spacing);
      if (!parseCutSpacingOptions(*this, tk, t, value)) return;
    } else if (is(t, "SAMEMETAL")) {
      return;
    } else if (!is(t, "ENDOFLINE")) {
      parseError(1305, kLefiMsg1305Either, value);
      return;
    } else if (strcmp(type(), "ROUTING") != 0) {
      parseError(1322, kLefiMsg1322, value, type());
      return;
    } else if (!parseEolSpacing(*this, tk, t, spacing, value)) {
      return;
    }
  }
}

void lefiLayer::parseArraySpacing(int index) {
  const char* value = propValue(index);
  if (!value) return;
  ValueTokens tk(value);
  if (!is(tk.next(), "ARRAYSPACING")) {
    parseError(1307, kLefiMsg1307, value);
    return;
  }
  bool longArray = false;
  bool hasArrayCuts = false;
  double viaWidth = 0.0;
  double cutSpacing = 0.0;
  for (const char* t = tk.next(); !is(t, ";"); t = tk.next()) {
    if (is(t, "LONGARRAY")) {
      if (cutSpacing != 0.0) return parseError(1308, kLefiMsg1308, value);
      longArray = true;
    } else if (is(t, "WIDTH")) {
      if (cutSpacing != 0.0) return parseError(1309, kLefiMsg1309, value);
      const char* width = tk.next();
      if (!width) return parseError(1313, kLefiMsg1313, value);
      viaWidth = atof(width);
    } else if (is(t, "CUTSPACING")) {
      if (cutSpacing != 0.0) return parseError(1310, kLefiMsg1310, value);
      const char* cut = tk.next();
      if (!cut) return parseError(1313, kLefiMsg1313, value);
      cutSpacing = atof(cut);
      if (longArray) setArraySpacingLongArray();
      setArraySpacingWidth(viaWidth);
      setArraySpacingCut(cutSpacing);
    } else if (is(t, "ARRAYCUTS")) {
      if (cutSpacing == 0.0) return parseError(1311, kLefiMsg1311, value);
      const char* cuts = tk.next();
      if (!cuts || !is(tk.next(), "SPACING")) return parseError(1312, kLefiMsg1312, value);
      const char* spacing = tk.next();
      if (!spacing) return parseError(1312, kLefiMsg1312, value);
      addArraySpacingArray(atoi(cuts), atof(spacing));
      hasArrayCuts = true;
    } else {
      return parseError(1313, kLefiMsg1313, value);
    }
  }
  if (!hasArrayCuts) parseError(1314, kLefiMsg1314, value);
}

void lefiLayer::parseMinstep(int index) {
  const char* value = propValue(index);
  if (!value) return;
  if (strcmp(type(), "ROUTING") != 0) return parseError(1323, kLefiMsg1323, value, type());
  ValueTokens tk(value);
  if (!is(tk.next(), "MINSTEP")) return parseError(1315, kLefiMsg1315, value);
  const char* lengthText = tk.next();
  if (!lengthText) return parseError(1315, kLefiMsg1315Lower, value);
  double length = atof(lengthText);
  int maxEdges = 0;
  double minAdjLength = 0.0;
  double minBetLength = 0.0;
  bool exceptSameCorners = false;
  for (const char* t = tk.next(); !is(t, ";"); t = tk.next()) {
    if (lineEnd(t)) return parseError(1315, kLefiMsg1315Lower, value);
    bool conflict = false;
    const char* number = nullptr;
    if (is(t, "MAXEDGES")) {
      conflict = maxEdges != 0;
      if (!conflict && (number = tk.next())) maxEdges = atoi(number);
    } else if (is(t, "MINADJACENTLENGTH")) {
      conflict = minBetLength != 0.0;
      if (!conflict && (number = tk.next())) minAdjLength = atof(number);
    } else if (is(t, "MINBETWEENLENGTH")) {
      conflict = minAdjLength != 0.0;
      if (!conflict && (number = tk.next())) minBetLength = atof(number);
    } else if (is(t, "EXCEPTSAMECORNERS")) {
      conflict = minBetLength == 0.0;
      exceptSameCorners = true;
      number = t;
    } else {
      return parseError(1315, kLefiMsg1315, value);
    }
    if (conflict) return parseError(1315, kLefiMsg1315NoDot, value);
    if (!number) return parseError(1315, kLefiMsg1315Lower, value);
  }
  if (length == 0.0) return;
  addMinstep(length);
  if (maxEdges != 0) addMinstepMaxedges(maxEdges);
  if (minAdjLength != 0.0) addMinstepMinAdjLength(minAdjLength);
  if (minBetLength != 0.0) addMinstepMinBetLength(minBetLength);
  if (exceptSameCorners) addMinstepXSameCorners();
}

void lefiLayer::parseAntennaCumRouting(int index) {
  const char* value = propValue(index);
  if (!value) return;
  ValueTokens tk(value);
  if (!is(tk.next(), "ANTENNACUMROUTINGPLUSCUT")) return parseError(1316, kLefiMsg1316, value);
  setAntennaCumRoutingPlusCut();
}

void lefiLayer::parseAntennaGatePlus(int index) {
  const char* value = propValue(index);
  if (!value) return;
  ValueTokens tk(value);
  const char* factor = is(tk.next(), "ANTENNAGATEPLUSDIFF") ? tk.next() : nullptr;
  if (!factor) return parseError(1317, kLefiMsg1317, value);
  setAntennaGatePlusDiff(atof(factor));
}

void lefiLayer::parseAntennaAreaMinus(int index) {
  const char* value = propValue(index);
  if (!value) return;
  ValueTokens tk(value);
  const char* factor = is(tk.next(), "ANTENNAAREAMINUSDIFF") ? tk.next() : nullptr;
  if (!factor) return parseError(1318, kLefiMsg1318, value);
  setAntennaAreaMinusDiff(atof(factor));
}

void lefiLayer::parseAntennaAreaDiff(int index) {
  const char* value = propValue(index);
  if (!value) return;
  ValueTokens tk(value);
  if (!is(tk.next(), "ANTENNAAREADIFFREDUCEPWL") || !is(tk.next(), "("))
    return parseError(1319, kLefiMsg1319, value);
  lefiAntennaPWL* pwl = lefiAntennaPWL::create();
  for (const char* t = tk.next(); t; t = tk.next()) {
    if (is(t, ")")) {
      setAntennaPWL(lefiAntennaADR, pwl);
      return;
    }
    if (!is(t, "(")) continue;
    const char* diffusion = tk.next();
    const char* ratio = diffusion ? tk.next() : nullptr;
    if (!ratio || !is(tk.next(), ")")) break;
    pwl->addAntennaPWL(atof(diffusion), atof(ratio));
  }
  // A pair or the table left open: nothing is stored.
  lefiFreeObj(pwl);
  parseError(1319, kLefiMsg1319, value);
}

void lefiLayer::parseLayerEnclosure(int index) {
  const char* value = propValue(index);
  if (!value) return;
  if (strcmp(type(), "CUT") != 0) return parseError(1331, kLefiMsg1331, value, type());
  ValueTokens tk(value);
  if (!is(tk.next(), "ENCLOSURE")) return parseError(1330, kLefiMsg1330, value);
  const char* rule = nullptr;
  bool hasOverhangs = false;
  double overhang1 = 0.0;
  double overhang2 = 0.0;
  const char* width = nullptr;
  const char* cutWithin = nullptr;
  const char* length = nullptr;
  const char* t = tk.next();
  while (!is(t, ";")) {
    if (!t) return parseError(1330, kLefiMsg1330, value);
    if (is(t, "CUTCLASS")) return;
    if (is(t, "ABOVE") || is(t, "BELOW")) {
      if (hasOverhangs) return parseError(1330, kLefiMsg1330, value);
      rule = t;
    } else if (is(t, "WIDTH")) {
      if (!hasOverhangs || !(width = tk.next())) return parseError(1330, kLefiMsg1330, value);
      t = tk.next();
      if (is(t, "EXCEPTEXTRACUT")) {
        if (!(cutWithin = tk.next())) return parseError(1330, kLefiMsg1330, value);
        t = tk.next();
        if (is(t, "NOSHAREDEDGE")) return;
      }
      continue;
    } else if (is(t, "LENGTH")) {
      if (width || !hasOverhangs || !(length = tk.next()))
        return parseError(1330, kLefiMsg1330NoBracket, value);
    } else {
      if (hasOverhangs) return parseError(1330, kLefiMsg1330, value);
      const char* second = tk.next();
      if (!second) return parseError(1330, kLefiMsg1330, value);
      overhang1 = atof(t);
      overhang2 = atof(second);
      hasOverhangs = true;
    }
    t = tk.next();
  }
  if (!hasOverhangs) return parseError(1330, kLefiMsg1330, value);
  addEnclosure(rule, overhang1, overhang2);
  if (width) addEnclosureWidth(atof(width));
  if (cutWithin) addEnclosureExceptEC(atof(cutWithin));
  if (length) addEnclosureLength(atof(length));
}

void lefiLayer::parseLayerType(int index) {
  const char* value = propValue(index);
  if (!value || !lefSettings) return;
  std::string text(value);
  int pos = 0;
  if (lefrSettings::getToken(text, pos) != "TYPE") return parseError(1329, kLefiMsg1329, value);
  std::string lef58Type = lefrSettings::getToken(text, pos);
  if (lefSettings->Lef58TypePairs.count(lef58Type + " " + type())) {
    setLayerType(lef58Type.c_str());
    return;
  }
  std::string allowed = lefSettings->getLayerLef58Types(type());
  if (allowed.empty())
    parseError(1328, kLefiMsg1328, type());
  else
    parseError(1327, kLefiMsg1327, lef58Type.c_str(), type(), allowed.c_str());
}

}  // namespace LefDefParser
