#include "lef/lefrStmtState.h"

#include "lef/lef_keywords.h"
#include "lef/lefiMisc.h"
#include "lef/lefrData.h"
#include "lef/lefiUtil.h"

namespace LefDefParser {

lefrStmtState::lefrStmtState()
    : viaRuleGenerate(0),
      viaRuleLayers(0),
      viaRuleDirection(0),
      viaRuleEnclosure(0),
      inNonDefault(0),
      ndLayers(0),
      ndVias(0),
      ndLayerSpacing(0),
      siteClass(0),
      siteSize(0),
      samenetSeen(0),
      sitePatternWanted(0),
      sitePattern(nullptr),
      trackPattern(nullptr) {}

lefrStmtState::~lefrStmtState() { reset(); }

void lefrStmtState::reset() {
  lefiFreeObj(sitePattern);
  lefiFreeObj(trackPattern);
  viaRuleName.clear();
  ndName.clear();
  ndLayerName.clear();
  siteName.clear();
  arrayName.clear();
  viaRuleGenerate = viaRuleLayers = viaRuleDirection = viaRuleEnclosure = 0;
  inNonDefault = ndLayers = ndVias = ndLayerSpacing = 0;
  siteClass = siteSize = samenetSeen = sitePatternWanted = 0;
}

void lefrStmtState::abandon() {
  if (inNonDefault) {
    lefUnsetNonDefault();
    lefData->nonDefault.end();
  }
  reset();
}

}  // namespace LefDefParser
