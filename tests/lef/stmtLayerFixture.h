// Fixture for the LAYER statement tests: the Layer callback writes what the
// layer holds to the journal, one line per attribute or rule that is set.
#ifndef VELMOR_TESTS_LEF_STMTLAYERFIXTURE_H
#define VELMOR_TESTS_LEF_STMTLAYERFIXTURE_H

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiLayer.h"
#include "lef/lefrData.h"
#include "lef/lefrReadFixture.h"

namespace lefTest {

using Lines = std::vector<std::string>;

inline std::string nums(int n, const double* values) {
  std::string out;
  for (int i = 0; i < n; i++) out += " " + num(values[i]);
  return out;
}

inline void describeTables(const LefDefParser::lefiLayer& l, Lines& out) {
  for (int t = 0; t < l.numSpacingTable(); t++) {
    const LefDefParser::lefiSpacingTable* table = l.spacingTable(t);
    if (const LefDefParser::lefiParallel* p = table->parallel()) {
      std::string line = "prl lengths";
      for (int j = 0; j < p->numLength(); j++) line += " " + num(p->length(j));
      out.push_back(line);
      for (int i = 0; i < p->numWidth(); i++) {
        line = " width " + num(p->width(i)) + ":";
        for (int j = 0; j < p->numLength(); j++) line += " " + num(p->widthSpacing(i, j));
        out.push_back(line);
      }
    }
    if (const LefDefParser::lefiTwoWidths* w = table->twoWidths()) {
      for (int i = 0; i < w->numWidth(); i++) {
        std::string line = "twowidths " + num(w->width(i)) + " prl " + num(w->widthPRL(i)) +
                           " has " + std::to_string(w->hasWidthPRL(i)) + ":";
        for (int j = 0; j < w->numWidthSpacing(i); j++) line += " " + num(w->widthSpacing(i, j));
        out.push_back(line);
      }
    }
    if (table->isInfluence()) {
      const LefDefParser::lefiInfluence* f = table->influence();
      for (int i = 0; i < f->numInfluenceEntry(); i++)
        out.push_back("influence " + num(f->width(i)) + " " + num(f->distance(i)) + " " +
                      num(f->spacing(i)));
    }
  }
  if (l.hasSpacingTableOrtho()) {
    const LefDefParser::lefiOrthogonal* o = l.orthogonal();
    for (int i = 0; i < o->numOrthogonal(); i++)
      out.push_back("orthogonal " + num(o->cutWithin(i)) + " " + num(o->orthoSpacing(i)));
  }
}

inline void describeSpacing(const LefDefParser::lefiLayer& l, Lines& out) {
  for (int i = 0; i < l.numSpacing(); i++) {
    std::string line = "spacing " + num(l.spacing(i));
    if (l.hasSpacingCenterToCenter(i)) line += " centertocenter";
    if (l.hasSpacingSamenet(i)) line += " samenet";
    if (l.hasSpacingSamenetPGonly(i)) line += " pgonly";
    if (l.hasSpacingParallelOverlap(i)) line += " paralleloverlap";
    if (l.hasSpacingName(i)) line += std::string(" layer ") + l.spacingName(i);
    if (l.hasSpacingLayerStack(i)) line += " stack";
    if (l.hasSpacingAdjacent(i))
      line += " adjacent " + std::to_string(l.spacingAdjacentCuts(i)) + " within " +
              num(l.spacingAdjacentWithin(i));
    if (l.hasSpacingAdjacentExcept(i)) line += " exceptsamepgnet";
    if (l.hasSpacingArea(i)) line += " area " + num(l.spacingArea(i));
    if (l.hasSpacingRange(i))
      line += " range " + num(l.spacingRangeMin(i)) + " " + num(l.spacingRangeMax(i)) +
              " influence " + num(l.spacingRangeInfluence(i)) + " " +
              num(l.spacingRangeInfluenceMin(i)) + " " + num(l.spacingRangeInfluenceMax(i)) +
              " range2 " + num(l.spacingRangeRangeMin(i)) + " " + num(l.spacingRangeRangeMax(i));
    if (l.hasSpacingRangeUseLengthThreshold(i)) line += " uselength";
    if (l.hasSpacingLengthThreshold(i))
      line += " lengththreshold " + num(l.spacingLengthThreshold(i)) + " " +
              num(l.spacingLengthThresholdRangeMin(i)) + " " +
              num(l.spacingLengthThresholdRangeMax(i));
    if (l.hasSpacingEndOfLine(i))
      line += " eol " + num(l.spacingEolWidth(i)) + " " + num(l.spacingEolWithin(i));
    if (l.hasSpacingParellelEdge(i))
      line += " paredge " + num(l.spacingParSpace(i)) + " " + num(l.spacingParWithin(i));
    if (l.hasSpacingTwoEdges(i)) line += " twoedges";
    if (l.hasSpacingNotchLength(i)) line += " notchlength " + num(l.spacingNotchLength(i));
    if (l.hasSpacingEndOfNotchWidth(i))
      line += " endofnotch " + num(l.spacingEndOfNotchWidth(i)) + " " +
              num(l.spacingEndOfNotchSpacing(i)) + " " + num(l.spacingEndOfNotchLength(i));
    out.push_back(line);
  }
}

inline void describeRules(const LefDefParser::lefiLayer& l, Lines& out) {
  for (int i = 0; i < l.numMinimumcut(); i++) {
    std::string line =
        "minimumcut " + std::to_string(l.minimumcut(i)) + " width " + num(l.minimumcutWidth(i));
    if (l.hasMinimumcutWithin(i)) line += " within " + num(l.minimumcutWithin(i));
    if (l.hasMinimumcutConnection(i)) line += std::string(" ") + l.minimumcutConnection(i);
    if (l.hasMinimumcutNumCuts(i))
      line += " length " + num(l.minimumcutLength(i)) + " " + num(l.minimumcutDistance(i));
    out.push_back(line);
  }
  for (int i = 0; i < l.numMinstep(); i++) {
    std::string line = "minstep " + num(l.minstep(i));
    if (l.hasMinstepType(i)) line += std::string(" ") + l.minstepType(i);
    if (l.hasMinstepLengthsum(i)) line += " lengthsum " + num(l.minstepLengthsum(i));
    if (l.hasMinstepMaxedges(i)) line += " maxedges " + std::to_string(l.minstepMaxedges(i));
    out.push_back(line);
  }
  for (int i = 0; i < l.numMinenclosedarea(); i++)
    out.push_back("minenclosedarea " + num(l.minenclosedarea(i)) + " width " +
                  num(l.minenclosedareaWidth(i)));
  for (int i = 0; i < l.numEnclosure(); i++)
    out.push_back(std::string("enclosure ") + (l.hasEnclosureRule(i) ? l.enclosureRule(i) : "-") +
                  " " + num(l.enclosureOverhang1(i)) + " " + num(l.enclosureOverhang2(i)) +
                  " width " + num(l.enclosureMinWidth(i)) + " except " +
                  num(l.enclosureExceptExtraCut(i)) + " length " + num(l.enclosureMinLength(i)));
  for (int i = 0; i < l.numPreferEnclosure(); i++)
    out.push_back(std::string("preferenclosure ") +
                  (l.hasPreferEnclosureRule(i) ? l.preferEnclosureRule(i) : "-") + " " +
                  num(l.preferEnclosureOverhang1(i)) + " " + num(l.preferEnclosureOverhang2(i)) +
                  " width " + num(l.preferEnclosureMinWidth(i)));
  if (l.hasArraySpacing()) {
    std::string line = "arrayspacing long " + std::to_string(l.hasLongArray()) + " width " +
                       num(l.viaWidth()) + " cut " + num(l.cutSpacing());
    for (int i = 0; i < l.numArrayCuts(); i++)
      line += " " + std::to_string(l.arrayCuts(i)) + ":" + num(l.arraySpacing(i));
    out.push_back(line);
  }
  if (l.numMinSize()) {
    std::string line = "minsize";
    for (int i = 0; i < l.numMinSize(); i++)
      line += " " + num(l.minSizeWidth(i)) + "x" + num(l.minSizeLength(i));
    out.push_back(line);
  }
  if (l.hasProtrusion())
    out.push_back("protrusion " + num(l.protrusionWidth1()) + " " + num(l.protrusionLength()) +
                  " " + num(l.protrusionWidth2()));
}

inline void describeElectrical(const LefDefParser::lefiLayer& l, Lines& out) {
  int n;
  double* a;
  double* b;
  if (l.hasResistanceArray()) {
    l.resistanceArray(&n, &a, &b);
    out.push_back("resistance pwl" + nums(n, a) + " /" + nums(n, b));
  }
  if (l.hasCapacitanceArray()) {
    l.capacitanceArray(&n, &a, &b);
    out.push_back("capacitance pwl" + nums(n, a) + " /" + nums(n, b));
  }
  if (l.hasCurrentDensityArray()) {
    l.currentDensityArray(&n, &a, &b);
    out.push_back("currentden pwl" + nums(n, a) + " /" + nums(n, b));
  }
  for (int d = 0; d < l.numAccurrentDensity() + l.numDccurrentDensity(); d++) {
    bool ac = d < l.numAccurrentDensity();
    const LefDefParser::lefiLayerDensity* den =
        ac ? l.accurrent(d) : l.dccurrent(d - l.numAccurrentDensity());
    std::string line = std::string(ac ? "ac " : "dc ") + den->type();
    if (den->hasOneEntry()) line += " value " + num(den->oneEntry());
    if (den->numFrequency()) line += " freq";
    for (int i = 0; i < den->numFrequency(); i++) line += " " + num(den->frequency(i));
    if (den->numWidths()) line += " widths";
    for (int i = 0; i < den->numWidths(); i++) line += " " + num(den->width(i));
    if (den->numCutareas()) line += " cutareas";
    for (int i = 0; i < den->numCutareas(); i++) line += " " + num(den->cutArea(i));
    if (den->numTableEntries()) line += " entries";
    for (int i = 0; i < den->numTableEntries(); i++) line += " " + num(den->tableEntry(i));
    out.push_back(line);
  }
  if (l.hasAntennaLength()) out.push_back("antennalength " + num(l.antennaLength()));
  for (int i = 0; i < l.numAntennaModel(); i++) {
    const LefDefParser::lefiAntennaModel* m = l.antennaModel(i);
    std::string line = std::string("model ") + (m->antennaOxide() ? m->antennaOxide() : "-");
    if (m->hasAntennaAreaRatio()) line += " arearatio " + num(m->antennaAreaRatio());
    if (m->hasAntennaDiffAreaRatio()) line += " diffarearatio " + num(m->antennaDiffAreaRatio());
    if (m->hasAntennaCumAreaRatio()) line += " cumarearatio " + num(m->antennaCumAreaRatio());
    if (m->hasAntennaAreaFactor()) line += " areafactor " + num(m->antennaAreaFactor());
    if (m->hasAntennaAreaFactorDUO()) line += " duo";
    if (m->hasAntennaSideAreaRatio()) line += " sidearearatio " + num(m->antennaSideAreaRatio());
    if (m->hasAntennaSideAreaFactor()) line += " sideareafactor " + num(m->antennaSideAreaFactor());
    if (m->hasAntennaSideAreaFactorDUO()) line += " sideduo";
    if (m->hasAntennaCumRoutingPlusCut()) line += " cumroutingpluscut";
    if (m->hasAntennaGatePlusDiff()) line += " gateplusdiff " + num(m->antennaGatePlusDiff());
    if (m->hasAntennaAreaMinusDiff()) line += " areaminusdiff " + num(m->antennaAreaMinusDiff());
    if (const LefDefParser::lefiAntennaPWL* p = m->antennaDiffAreaRatioPWL()) {
      line += " diffpwl";
      for (int k = 0; k < p->numPWL(); k++)
        line += " " + num(p->PWLdiffusion(k)) + ":" + num(p->PWLratio(k));
    }
    if (const LefDefParser::lefiAntennaPWL* p = m->antennaDiffSideAreaRatioPWL()) {
      line += " diffsidepwl";
      for (int k = 0; k < p->numPWL(); k++)
        line += " " + num(p->PWLdiffusion(k)) + ":" + num(p->PWLratio(k));
    }
    if (const LefDefParser::lefiAntennaPWL* p = m->antennaAreaDiffReducePWL()) {
      line += " reducepwl";
      for (int k = 0; k < p->numPWL(); k++)
        line += " " + num(p->PWLdiffusion(k)) + ":" + num(p->PWLratio(k));
    }
    out.push_back(line);
  }
}

// Everything of the layer that is set, in a fixed order.
inline Lines describeLayer(const LefDefParser::lefiLayer& l) {
  Lines out;
  out.push_back(std::string("layer ") + l.name() + " " + l.type());
  if (l.hasDirection()) out.push_back(std::string("direction ") + l.direction());
  if (l.hasPitch()) out.push_back("pitch " + num(l.pitch()));
  if (l.hasXYPitch()) out.push_back("pitch " + num(l.pitchX()) + " " + num(l.pitchY()));
  if (l.hasOffset()) out.push_back("offset " + num(l.offset()));
  if (l.hasXYOffset()) out.push_back("offset " + num(l.offsetX()) + " " + num(l.offsetY()));
  if (l.hasDiagPitch()) out.push_back("diagpitch " + num(l.diagPitch()));
  if (l.hasXYDiagPitch())
    out.push_back("diagpitch " + num(l.diagPitchX()) + " " + num(l.diagPitchY()));
#define LEF_TEST_ATTR(setter, has, getter, label) \
  if (l.has()) out.push_back(std::string(label) + " " + num(l.getter()));
  LEFI_LAYER_ATTRS(LEF_TEST_ATTR)
#undef LEF_TEST_ATTR
  if (l.hasMask()) out.push_back("mask " + std::to_string(l.mask()));
  if (l.hasMaxwidth()) out.push_back("maxwidth " + num(l.maxwidth()));
  if (l.hasMinwidth()) out.push_back("minwidth " + num(l.minwidth()));
  if (l.hasResistancePerCut()) out.push_back("respercut " + num(l.resistancePerCut()));
  if (l.hasDiagMinEdgeLength()) out.push_back("diagminedge " + num(l.diagMinEdgeLength()));
  if (l.hasDensityCheckWindow())
    out.push_back("densitywindow " + num(l.densityCheckWindowLength()) + " " +
                  num(l.densityCheckWindowWidth()));
  describeSpacing(l, out);
  describeTables(l, out);
  describeRules(l, out);
  describeElectrical(l, out);
  for (int i = 0; i < l.numProps(); i++)
    out.push_back(std::string("prop ") + l.propName(i) + " " + l.propValue(i) + " " +
                  num(l.propNumber(i)) + " " + l.propType(i));
  return out;
}

inline int journalLayer(LefDefParser::lefrCallbackType_e type, LefDefParser::lefiLayer* layer,
                        void*) {
  journal("callback " + std::to_string(type));
  for (const std::string& line : describeLayer(*layer)) journal(line);
  return 0;
}

class LayerStmtTest : public LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetLayerCbk(journalLayer);
  }
  // The layer as the last LAYER statement left it in the per-read state.
  static Lines lastLayer() { return describeLayer(LefDefParser::lefData->layer); }
};

// An error text as lefError frames it.
inline std::string errorText(int num, const std::string& text, int line, const std::string& token) {
  return "ERROR (LEFPARS-" + std::to_string(num) + "): " + text +
         " Error in file test.lef at line " + std::to_string(line) + ", on token " + token + ".\n";
}

inline std::string warningText(int num, const std::string& text, int line) {
  return "WARNING (LEFPARS-" + std::to_string(num) + "): " + text + " See file test.lef at line " +
         std::to_string(line) + ".\n";
}

}  // namespace lefTest

#endif
