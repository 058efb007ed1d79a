// Scratch state of the grammar's VIARULE, NONDEFAULTRULE, SITE, SPACING,
// TIMING and ARRAY statements: names kept for the END checks, the flags of
// the statement in progress and the ARRAY patterns under construction.
#ifndef VELMOR_LEF_LEFRSTMTSTATE_H
#define VELMOR_LEF_LEFRSTMTSTATE_H

#include <string>

namespace LefDefParser {

class lefiSitePattern;
class lefiTrackPattern;

struct lefrStmtState {
  lefrStmtState();
  ~lefrStmtState();
  lefrStmtState(const lefrStmtState&) = delete;
  lefrStmtState& operator=(const lefrStmtState&) = delete;

  // Back to the state of a new read: flags cleared, patterns released.
  void reset();
  // After a syntax error: also leaves a NONDEFAULTRULE in progress.
  void abandon();

  // VIARULE.
  std::string viaRuleName;
  int viaRuleGenerate;
  int viaRuleLayers;
  int viaRuleDirection;  // the current layer has a DIRECTION
  int viaRuleEnclosure;  // the current layer has an ENCLOSURE

  // NONDEFAULTRULE; the VIA statement advances ndVias inside a rule.
  int inNonDefault;
  std::string ndName;
  int ndLayers;
  int ndVias;
  std::string ndLayerName;
  int ndLayerSpacing;

  // SITE.
  std::string siteName;
  int siteClass;
  int siteSize;

  // SPACING section.
  int samenetSeen;

  // ARRAY, and the site patterns that MACRO SITE shares.
  std::string arrayName;
  int sitePatternWanted;
  lefiSitePattern* sitePattern;
  lefiTrackPattern* trackPattern;
};

}  // namespace LefDefParser

#endif
