// The SPACING rules of a layer, kept column-wise: one array per option.
#include "lef/lefiLayer.h"

namespace LefDefParser {

void lefiLayer::setSpacingMin(double v) {
  if (numSpacing_ == spacingAllocated_) {
    int newCap = lefiNextCap(spacingAllocated_);
#define LEFI_GROW_COLUMN(type, array, init) lefiRegrow(array, numSpacing_, newCap);
    LEFI_SPACING_COLUMNS(LEFI_GROW_COLUMN)
#undef LEFI_GROW_COLUMN
    spacingAllocated_ = newCap;
  }
  int i = numSpacing_;
#define LEFI_NEW_RULE(type, array, init) array[i] = init;
  LEFI_SPACING_COLUMNS(LEFI_NEW_RULE)
#undef LEFI_NEW_RULE
  hasSpacing_ = 1;
  numSpacing_++;
}

void lefiLayer::clearSpacingRules() {
  for (int i = 0; i < numSpacing_; i++) lefiFreeStr(spacingName_[i]);
  numSpacing_ = 0;
  hasSpacing_ = 0;
}

// The option setters complete the last rule and ignore a call before any.
#define LEFI_LAST_RULE(i)         \
  int i = last(numSpacing_);      \
  if (i < 0) return

void lefiLayer::setSpacingName(const char* name) {
  if (!name) return;
  LEFI_LAST_RULE(i);
  lefiFreeStr(spacingName_[i]);
  spacingName_[i] = lefiCopyStr(name, true);
  hasSpacingName_[i] = 1;
}

void lefiLayer::setSpacingLayerStack() {
  LEFI_LAST_RULE(i);
  hasSpacingLayerStack_[i] = 1;
}

void lefiLayer::setSpacingAdjacent(int numCuts, double within) {
  LEFI_LAST_RULE(i);
  spacingAdjacentCuts_[i] = numCuts;
  spacingAdjacentWithin_[i] = within;
  hasSpacingAdjacent_[i] = 1;
}

void lefiLayer::setSpacingAdjacentExcept() {
  LEFI_LAST_RULE(i);
  hasSpacingAdjacentExcept_[i] = 1;
}

void lefiLayer::setSpacingCenterToCenter() {
  LEFI_LAST_RULE(i);
  hasSpacingCenterToCenter_[i] = 1;
}

void lefiLayer::setSpacingSamenet() {
  LEFI_LAST_RULE(i);
  hasSpacingSamenet_[i] = 1;
}

void lefiLayer::setSpacingSamenetPGonly() {
  LEFI_LAST_RULE(i);
  hasSpacingSamenetPGonly_[i] = 1;
}

void lefiLayer::setSpacingParallelOverlap() {
  LEFI_LAST_RULE(i);
  hasSpacingParallelOverlap_[i] = 1;
}

void lefiLayer::setSpacingArea(double cutArea) {
  LEFI_LAST_RULE(i);
  spacingCutArea_[i] = cutArea;
  hasSpacingCutArea_[i] = 1;
}

void lefiLayer::setSpacingRange(double min, double max) {
  LEFI_LAST_RULE(i);
  rangeMin_[i] = min;
  rangeMax_[i] = max;
  hasSpacingRange_[i] = 1;
  // INFLUENCE reads as absent until it is given.
  rangeInfluence_[i] = -1.0;
}

void lefiLayer::setSpacingRangeUseLength() {
  LEFI_LAST_RULE(i);
  hasRangeUseLength_[i] = 1;
}

void lefiLayer::setSpacingRangeInfluence(double v) {
  LEFI_LAST_RULE(i);
  rangeInfluence_[i] = v;
}

void lefiLayer::setSpacingRangeInfluenceRange(double min, double max) {
  LEFI_LAST_RULE(i);
  rangeInfluenceMin_[i] = min;
  rangeInfluenceMax_[i] = max;
}

void lefiLayer::setSpacingRangeRange(double min, double max) {
  LEFI_LAST_RULE(i);
  rangeRangeMin_[i] = min;
  rangeRangeMax_[i] = max;
}

void lefiLayer::setSpacingLength(double v) {
  LEFI_LAST_RULE(i);
  lengthThreshold_[i] = v;
  hasLengthThreshold_[i] = 1;
}

void lefiLayer::setSpacingLengthRange(double min, double max) {
  LEFI_LAST_RULE(i);
  lengthRangeMin_[i] = min;
  lengthRangeMax_[i] = max;
}

void lefiLayer::setSpacingEol(double width, double within) {
  LEFI_LAST_RULE(i);
  hasEol_[i] = 1;
  eolWidth_[i] = width;
  eolWithin_[i] = within;
}

void lefiLayer::setSpacingParSW(double space, double within) {
  LEFI_LAST_RULE(i);
  hasParEdge_[i] = 1;
  parSpace_[i] = space;
  parWithin_[i] = within;
}

void lefiLayer::setSpacingParTwoEdges() {
  LEFI_LAST_RULE(i);
  hasTwoEdges_[i] = 1;
}

void lefiLayer::setSpacingNotchLength(double v) {
  LEFI_LAST_RULE(i);
  notchLength_[i] = v;
}

void lefiLayer::setSpacingEndOfNotchWidth(double width, double spacing, double length) {
  LEFI_LAST_RULE(i);
  endOfNotchWidth_[i] = width;
  endOfNotchSpacing_[i] = spacing;
  endOfNotchLength_[i] = length;
}

#undef LEFI_LAST_RULE

namespace {

bool bothSet(double lo, double hi) { return lo != -1.0 && hi != -1.0; }

}  // namespace

int lefiLayer::hasSpacingRangeInfluence(int i) const {
  return (hasSpacingRange(i) && rangeInfluence_[i] != -1.0) ? 1 : 0;
}

int lefiLayer::hasSpacingRangeInfluenceRange(int i) const {
  return (hasSpacingRange(i) && bothSet(rangeInfluenceMin_[i], rangeInfluenceMax_[i])) ? 1 : 0;
}

int lefiLayer::hasSpacingRangeRange(int i) const {
  return (hasSpacingRange(i) && bothSet(rangeRangeMin_[i], rangeRangeMax_[i])) ? 1 : 0;
}

int lefiLayer::hasSpacingLengthThresholdRange(int i) const {
  return (hasSpacingLengthThreshold(i) && bothSet(lengthRangeMin_[i], lengthRangeMax_[i])) ? 1
                                                                                          : 0;
}

int lefiLayer::hasSpacingNotchLength(int i) const {
  return (i >= 0 && i < numSpacing_ && notchLength_[i] >= 0.0) ? 1 : 0;
}

int lefiLayer::hasSpacingEndOfNotchWidth(int i) const {
  return spacingEndOfNotchWidth(i) != 0.0 ? 1 : 0;
}

void lefiLayer::printSpacingRules(FILE* f) const {
  for (int i = 0; i < numSpacing_; i++) {
    fprintf(f, "  spacing %g\n", spacing_[i]);
    if (hasSpacingRange_[i]) {
      fprintf(f, "  range %g %g\n", rangeMin_[i], rangeMax_[i]);
      if (hasRangeUseLength_[i]) fprintf(f, "    uselengththreshold\n");
      if (hasSpacingRangeInfluence(i)) {
        fprintf(f, "    influence %g\n", rangeInfluence_[i]);
        if (hasSpacingRangeInfluenceRange(i))
          fprintf(f, "      Range %g %g\n", rangeInfluenceMin_[i], rangeInfluenceMax_[i]);
      }
      if (hasSpacingRangeRange(i))
        fprintf(f, "    range %g %g\n", rangeRangeMin_[i], rangeRangeMax_[i]);
    }
    if (hasLengthThreshold_[i]) {
      fprintf(f, "  lengththreshold %g\n", lengthThreshold_[i]);
      if (hasSpacingLengthThresholdRange(i))
        fprintf(f, "  range %g %g\n", lengthRangeMin_[i], lengthRangeMax_[i]);
    }
  }
}

}  // namespace LefDefParser
