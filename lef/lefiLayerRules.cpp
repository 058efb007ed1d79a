// The rule lists of a layer: MINIMUMCUT, MINSTEP, MINENCLOSEDAREA,
// ENCLOSURE, PREFERENCLOSURE, ARRAYSPACING, MINSIZE and PROTRUSIONWIDTH.
#include <cstring>

#include "lef/lefiLayer.h"
#include "lef/lefiMessages.h"
#include "lef/lefiMisc.h"

namespace LefDefParser {

// Room for one more entry in parallel arrays of one list.
#define LEFI_MAKE_ROOM(count, cap, ...)        \
  if (count == cap) {                          \
    int newCap = lefiNextCap(cap);             \
    lefiRegrowAll(count, newCap, __VA_ARGS__); \
    cap = newCap;                              \
  }

// Completing setters act on the last entry and ignore a call before any.
#define LEFI_LAST_ENTRY(i, count) \
  int i = last(count);            \
  if (i < 0) return

void lefiLayer::addMinimumcut(int numCuts, double width) {
  LEFI_MAKE_ROOM(numMinimumcut_, minimumcutAllocated_, minimumcut_, minimumcutWidth_,
                 hasMinimumcutWithin_, minimumcutWithin_, hasMinimumcutConnection_,
                 minimumcutConnection_, hasMinimumcutNumCuts_, minimumcutLength_,
                 minimumcutDistance_)
  int i = numMinimumcut_++;
  minimumcut_[i] = numCuts;
  minimumcutWidth_[i] = width;
  hasMinimumcutWithin_[i] = 0;
  minimumcutWithin_[i] = 0.0;
  hasMinimumcutConnection_[i] = 0;
  minimumcutConnection_[i] = nullptr;
  hasMinimumcutNumCuts_[i] = 0;
  minimumcutLength_[i] = 0.0;
  minimumcutDistance_[i] = 0.0;
}

void lefiLayer::addMinimumcutWithin(double within) {
  LEFI_LAST_ENTRY(i, numMinimumcut_);
  hasMinimumcutWithin_[i] = 1;
  minimumcutWithin_[i] = within;
}

void lefiLayer::addMinimumcutConnect(const char* connection) {
  if (!connection || !*connection) return;
  LEFI_LAST_ENTRY(i, numMinimumcut_);
  lefiFreeStr(minimumcutConnection_[i]);
  minimumcutConnection_[i] = lefiCopyStr(connection, false);
  hasMinimumcutConnection_[i] = 1;
}

void lefiLayer::addMinimumcutLengDis(double length, double distance) {
  LEFI_LAST_ENTRY(i, numMinimumcut_);
  hasMinimumcutNumCuts_[i] = 1;
  minimumcutLength_[i] = length;
  minimumcutDistance_[i] = distance;
}

void lefiLayer::addMinstep(double v) {
  LEFI_MAKE_ROOM(numMinstep_, minstepAllocated_, minstep_, minstepType_, minstepLengthsum_,
                 minstepMaxedges_, minstepMinAdjLength_, minstepMinBetLength_,
                 minstepXSameCorners_)
  int i = numMinstep_++;
  minstep_[i] = v;
  minstepType_[i] = nullptr;
  minstepLengthsum_[i] = -1.0;
  minstepMaxedges_[i] = -1;
  minstepMinAdjLength_[i] = -1.0;
  minstepMinBetLength_[i] = -1.0;
  minstepXSameCorners_[i] = -1;
}

void lefiLayer::addMinstepType(const char* type) {
  LEFI_LAST_ENTRY(i, numMinstep_);
  lefiFreeStr(minstepType_[i]);
  minstepType_[i] = lefiCopyStr(type, false);
}

void lefiLayer::addMinstepLengthsum(double v) {
  LEFI_LAST_ENTRY(i, numMinstep_);
  minstepLengthsum_[i] = v;
}

void lefiLayer::addMinstepMaxedges(int v) {
  LEFI_LAST_ENTRY(i, numMinstep_);
  minstepMaxedges_[i] = v;
}

void lefiLayer::addMinstepMinAdjLength(double v) {
  LEFI_LAST_ENTRY(i, numMinstep_);
  minstepMinAdjLength_[i] = v;
}

void lefiLayer::addMinstepMinBetLength(double v) {
  LEFI_LAST_ENTRY(i, numMinstep_);
  minstepMinBetLength_[i] = v;
}

void lefiLayer::addMinstepXSameCorners() {
  LEFI_LAST_ENTRY(i, numMinstep_);
  minstepXSameCorners_[i] = 1;
}

bool lefiLayer::minstepOk(int i) const {
  return lefiIndexOk(i, numMinstep_, kLefiMsgNum1302, kLefiMsg1302);
}

double lefiLayer::minstep(int i) const { return minstepOk(i) ? minstep_[i] : 0.0; }

const char* lefiLayer::minstepType(int i) const {
  return minstepOk(i) ? minstepType_[i] : nullptr;
}

double lefiLayer::minstepLengthsum(int i) const {
  return minstepOk(i) ? minstepLengthsum_[i] : 0.0;
}

int lefiLayer::minstepMaxedges(int i) const { return minstepOk(i) ? minstepMaxedges_[i] : 0; }

double lefiLayer::minstepMinAdjLength(int i) const {
  return minstepOk(i) ? minstepMinAdjLength_[i] : 0.0;
}

double lefiLayer::minstepMinBetLength(int i) const {
  return minstepOk(i) ? minstepMinBetLength_[i] : 0.0;
}

int lefiLayer::hasMinstepType(int i) const {
  return (minstepOk(i) && minstepType_[i]) ? 1 : 0;
}

int lefiLayer::hasMinstepLengthsum(int i) const {
  return (minstepOk(i) && minstepLengthsum_[i] != -1.0) ? 1 : 0;
}

int lefiLayer::hasMinstepMaxedges(int i) const {
  return (minstepOk(i) && minstepMaxedges_[i] != -1) ? 1 : 0;
}

int lefiLayer::hasMinstepMinAdjLength(int i) const {
  return (minstepOk(i) && minstepMinAdjLength_[i] != -1.0) ? 1 : 0;
}

int lefiLayer::hasMinstepMinBetLength(int i) const {
  return (minstepOk(i) && minstepMinBetLength_[i] != -1.0) ? 1 : 0;
}

int lefiLayer::hasMinstepXSameCorners(int i) const {
  return (minstepOk(i) && minstepXSameCorners_[i] != -1) ? 1 : 0;
}

void lefiLayer::addMinenclosedarea(double area) {
  LEFI_MAKE_ROOM(numMinenclosedarea_, minenclosedareaAllocated_, minenclosedarea_,
                 minenclosedareaWidth_)
  minenclosedarea_[numMinenclosedarea_] = area;
  minenclosedareaWidth_[numMinenclosedarea_] = -1.0;
  numMinenclosedarea_++;
}

void lefiLayer::addMinenclosedareaWidth(double width) {
  LEFI_LAST_ENTRY(i, numMinenclosedarea_);
  minenclosedareaWidth_[i] = width;
}

int lefiLayer::hasMinenclosedareaWidth(int i) const {
  return (i >= 0 && i < numMinenclosedarea_ && minenclosedareaWidth_[i] != -1.0) ? 1 : 0;
}

namespace {

// ABOVE or BELOW; the reader passes "NULL" when the statement gives none.
char* copyLocation(const char* location) {
  return (location && strcmp(location, "NULL") != 0) ? lefiCopyStr(location, false) : nullptr;
}

}  // namespace

void lefiLayer::addEnclosure(const char* location, double overhang1, double overhang2) {
  LEFI_MAKE_ROOM(numEnclosure_, enclosureAllocated_, enclosureRules_, overhang1_, overhang2_,
                 encMinWidth_, cutWithin_, minLength_)
  int i = numEnclosure_++;
  enclosureRules_[i] = copyLocation(location);
  overhang1_[i] = overhang1;
  overhang2_[i] = overhang2;
  encMinWidth_[i] = 0.0;
  cutWithin_[i] = 0.0;
  minLength_[i] = 0.0;
}

void lefiLayer::addEnclosureWidth(double width) {
  LEFI_LAST_ENTRY(i, numEnclosure_);
  encMinWidth_[i] = width;
}

void lefiLayer::addEnclosureExceptEC(double cutWithin) {
  LEFI_LAST_ENTRY(i, numEnclosure_);
  cutWithin_[i] = cutWithin;
}

void lefiLayer::addEnclosureLength(double length) {
  LEFI_LAST_ENTRY(i, numEnclosure_);
  minLength_[i] = length;
}

void lefiLayer::addPreferEnclosure(const char* location, double overhang1, double overhang2) {
  LEFI_MAKE_ROOM(numPreferEnclosure_, preferEnclosureAllocated_, preferEnclosureRules_,
                 preferOverhang1_, preferOverhang2_, preferMinWidth_)
  int i = numPreferEnclosure_++;
  preferEnclosureRules_[i] = copyLocation(location);
  preferOverhang1_[i] = overhang1;
  preferOverhang2_[i] = overhang2;
  preferMinWidth_[i] = 0.0;
}

void lefiLayer::addPreferEnclosureWidth(double width) {
  LEFI_LAST_ENTRY(i, numPreferEnclosure_);
  preferMinWidth_[i] = width;
}

void lefiLayer::addArraySpacingArray(int numCuts, double spacing) {
  LEFI_MAKE_ROOM(numArrayCuts_, arrayCutsAllocated_, arrayCuts_, arraySpacings_)
  arrayCuts_[numArrayCuts_] = numCuts;
  arraySpacings_[numArrayCuts_] = spacing;
  numArrayCuts_++;
}

int lefiLayer::arrayCuts(int i) const {
  return lefiIndexOk(i, numArrayCuts_, kLefiMsgNum1303, kLefiMsg1303) ? arrayCuts_[i] : 0;
}

double lefiLayer::arraySpacing(int i) const {
  return lefiIndexOk(i, numArrayCuts_, kLefiMsgNum1304, kLefiMsg1304) ? arraySpacings_[i] : 0.0;
}

void lefiLayer::setMinSize(lefiGeometries* geom) {
  // A repeated MINSIZE replaces the first.
  lefiFreeArr(minSizeWidth_);
  lefiFreeArr(minSizeLength_);
  numMinSize_ = 0;
  // Without a polygon at item 0 there is nothing to copy.
  if (!geom || geom->numItems() < 1 || geom->itemType(0) != lefiGeomPolygonE) return;
  const lefiGeomPolygonItem* poly = geom->getPolygon(0);
  int n = poly->numPoints;
  if (n < 1) return;
  lefiRegrowAll(0, n, minSizeWidth_, minSizeLength_);
  memcpy(minSizeWidth_, poly->x, sizeof(double) * n);
  memcpy(minSizeLength_, poly->y, sizeof(double) * n);
  numMinSize_ = n;
}

double lefiLayer::minSizeWidth(int i) const {
  return lefiIndexOk(i, numMinSize_, kLefiMsgNum1301, kLefiMsg1301) ? minSizeWidth_[i] : 0.0;
}

double lefiLayer::minSizeLength(int i) const {
  return lefiIndexOk(i, numMinSize_, kLefiMsgNum1301, kLefiMsg1301) ? minSizeLength_[i] : 0.0;
}

void lefiLayer::setProtrusion(double width1, double length, double width2) {
  protrusionWidth1_ = width1;
  protrusionLength_ = length;
  protrusionWidth2_ = width2;
}

namespace {

void freeStrings(char** list, int count) {
  for (int i = 0; i < count; i++) lefiFreeStr(list[i]);
}

}  // namespace

void lefiLayer::clearRuleLists() {
  if (minimumcutConnection_) freeStrings(minimumcutConnection_, numMinimumcut_);
  lefiRegrowAll(0, 0, minimumcut_, minimumcutWidth_, hasMinimumcutWithin_, minimumcutWithin_,
                hasMinimumcutConnection_, minimumcutConnection_, hasMinimumcutNumCuts_,
                minimumcutLength_, minimumcutDistance_);
  numMinimumcut_ = minimumcutAllocated_ = 0;

  if (minstepType_) freeStrings(minstepType_, numMinstep_);
  lefiRegrowAll(0, 0, minstep_, minstepType_, minstepLengthsum_, minstepMaxedges_,
                minstepMinAdjLength_, minstepMinBetLength_, minstepXSameCorners_);
  numMinstep_ = minstepAllocated_ = 0;

  lefiRegrowAll(0, 0, minenclosedarea_, minenclosedareaWidth_);
  numMinenclosedarea_ = minenclosedareaAllocated_ = 0;

  if (enclosureRules_) freeStrings(enclosureRules_, numEnclosure_);
  lefiRegrowAll(0, 0, enclosureRules_, overhang1_, overhang2_, encMinWidth_, cutWithin_,
                minLength_);
  numEnclosure_ = enclosureAllocated_ = 0;

  if (preferEnclosureRules_) freeStrings(preferEnclosureRules_, numPreferEnclosure_);
  lefiRegrowAll(0, 0, preferEnclosureRules_, preferOverhang1_, preferOverhang2_,
                preferMinWidth_);
  numPreferEnclosure_ = preferEnclosureAllocated_ = 0;

  lefiRegrowAll(0, 0, arrayCuts_, arraySpacings_);
  numArrayCuts_ = arrayCutsAllocated_ = 0;

  lefiRegrowAll(0, 0, minSizeWidth_, minSizeLength_);
  numMinSize_ = 0;
}

#undef LEFI_MAKE_ROOM
#undef LEFI_LAST_ENTRY

}  // namespace LefDefParser
