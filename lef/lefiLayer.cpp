// The layer as a whole: life cycle, single attributes, properties, the
// number stack and the debug dump.
#include "lef/lefiLayer.h"

#include "lef/lefiMessages.h"

namespace LefDefParser {

lefiLayer::lefiLayer() : name_(nullptr), type_(nullptr) { Init(); }

lefiLayer::~lefiLayer() { Destroy(); }

void lefiLayer::Init() {
  lefiNewNameBuf(name_, nameSize_);
  lefiNewNameBuf(type_, typeSize_);
  layerType_ = nullptr;
  direction_ = nullptr;
#define LEFI_INIT_ATTR(setter, has, getter, label) \
  has##_ = 0;                                      \
  getter##_ = 0.0;
  LEFI_LAYER_ATTRS(LEFI_INIT_ATTR)
#undef LEFI_INIT_ATTR
#define LEFI_INIT_XY(Name, getter) \
  has##Name##_ = 0;                \
  getter##X_ = 0.0;                \
  getter##Y_ = 0.0;
  LEFI_LAYER_XY_ATTRS(LEFI_INIT_XY)
#undef LEFI_INIT_XY
  hasMask_ = 0;
  mask_ = 0;
  hasDirection_ = 0;
  hasDensityCheckWindow_ = 0;
  densityCheckWindowLength_ = 0.0;
  densityCheckWindowWidth_ = 0.0;

  props_.Init(1, false, kLefiMsgNum1300, kLefiMsg1300);
  numNums_ = 0;
  numAllocated_ = 0;
  nums_ = nullptr;

  hasSpacing_ = 0;
  numSpacing_ = 0;
  spacingAllocated_ = 0;
#define LEFI_INIT_COLUMN(type, array, init) array = nullptr;
  LEFI_SPACING_COLUMNS(LEFI_INIT_COLUMN)
#undef LEFI_INIT_COLUMN

  numSpacingTable_ = 0;
  spacingTableAllocated_ = 0;
  spacingTable_ = nullptr;
  hasTwoWidthPRL_ = 0;
  hasSpacingTableOrtho_ = 0;
  orthogonal_ = nullptr;

  numAntennaModel_ = 0;
  antennaModelAllocated_ = 0;
  antennaModel_ = nullptr;
  currentAntennaModel_ = nullptr;

  numAccurrents_ = 0;
  accurrentAllocated_ = 0;
  accurrents_ = nullptr;
  numDccurrents_ = 0;
  dccurrentAllocated_ = 0;
  dccurrents_ = nullptr;
  currentPoints_.Init();
  resistancePoints_.Init();
  capacitancePoints_.Init();

  numMinimumcut_ = minimumcutAllocated_ = 0;
  minimumcut_ = nullptr;
  minimumcutWidth_ = nullptr;
  hasMinimumcutWithin_ = nullptr;
  minimumcutWithin_ = nullptr;
  hasMinimumcutConnection_ = nullptr;
  minimumcutConnection_ = nullptr;
  hasMinimumcutNumCuts_ = nullptr;
  minimumcutLength_ = nullptr;
  minimumcutDistance_ = nullptr;
  numMinstep_ = minstepAllocated_ = 0;
  minstep_ = nullptr;
  minstepType_ = nullptr;
  minstepLengthsum_ = nullptr;
  minstepMaxedges_ = nullptr;
  minstepMinAdjLength_ = nullptr;
  minstepMinBetLength_ = nullptr;
  minstepXSameCorners_ = nullptr;
  numMinenclosedarea_ = minenclosedareaAllocated_ = 0;
  minenclosedarea_ = nullptr;
  minenclosedareaWidth_ = nullptr;
  numEnclosure_ = enclosureAllocated_ = 0;
  enclosureRules_ = nullptr;
  overhang1_ = overhang2_ = encMinWidth_ = cutWithin_ = minLength_ = nullptr;
  numPreferEnclosure_ = preferEnclosureAllocated_ = 0;
  preferEnclosureRules_ = nullptr;
  preferOverhang1_ = preferOverhang2_ = preferMinWidth_ = nullptr;
  hasLongArray_ = 0;
  viaWidth_ = cutSpacing_ = 0.0;
  numArrayCuts_ = arrayCutsAllocated_ = 0;
  arrayCuts_ = nullptr;
  arraySpacings_ = nullptr;
  numMinSize_ = 0;
  minSizeWidth_ = minSizeLength_ = nullptr;

  clear();
}

void lefiLayer::clear() {
  // Destroy leaves the buffers null; a later destructor still clears.
  if (name_) name_[0] = '\0';
  if (type_) type_[0] = '\0';
  lefiFreeStr(layerType_);

  // The values stay; only the flags say that a statement gave them.
#define LEFI_CLEAR_ATTR(setter, has, getter, label) has##_ = 0;
  LEFI_LAYER_ATTRS(LEFI_CLEAR_ATTR)
#undef LEFI_CLEAR_ATTR
#define LEFI_CLEAR_XY(Name, getter) has##Name##_ = 0;
  LEFI_LAYER_XY_ATTRS(LEFI_CLEAR_XY)
#undef LEFI_CLEAR_XY
  hasMask_ = 0;
  hasDirection_ = 0;
  hasDensityCheckWindow_ = 0;

  clearSpacingRules();
  props_.clear();
  currentPoints_.num = 0;
  resistancePoints_.num = 0;
  capacitancePoints_.num = 0;
  clearDensities();
  hasTwoWidthPRL_ = 0;

  clearRuleLists();
  maxwidth_ = -1.0;
  minwidth_ = -1.0;
  protrusionWidth1_ = protrusionLength_ = protrusionWidth2_ = -1.0;
  resPerCut_ = 0.0;
  diagMinEdgeLength_ = 0.0;
  maxFloatingArea_ = 0.0;
  viaWidth_ = 0.0;
  cutSpacing_ = 0.0;
  hasLongArray_ = 0;

  clearTables();
  clearAntenna();
  releaseNumbers();
}

void lefiLayer::Destroy() {
  clear();
  lefiFreeStr(name_);
  lefiFreeStr(type_);
  nameSize_ = typeSize_ = 0;
#define LEFI_FREE_COLUMN(type, array, init) lefiFreeArr(array);
  LEFI_SPACING_COLUMNS(LEFI_FREE_COLUMN)
#undef LEFI_FREE_COLUMN
  spacingAllocated_ = 0;
  lefiFreeArr(spacingTable_);
  spacingTableAllocated_ = 0;
  currentPoints_.Destroy();
  resistancePoints_.Destroy();
  capacitancePoints_.Destroy();
  props_.Destroy();
}

void lefiLayer::setName(const char* name) {
  clear();
  lefiSetNameBuf(name_, nameSize_, name, true);
}

void lefiLayer::setType(const char* type) { lefiSetNameBuf(type_, typeSize_, type, true); }

void lefiLayer::setLayerType(const char* lef58Type) {
  lefiFreeStr(layerType_);
  layerType_ = lefiCopyStr(lef58Type, false);
}

void lefiLayer::setDensityCheckWindow(double length, double width) {
  densityCheckWindowLength_ = length;
  densityCheckWindowWidth_ = width;
  hasDensityCheckWindow_ = 1;
}

void lefiLayer::addProp(const char* name, const char* value, char type) {
  props_.add(name, value, 0.0, type);
}

void lefiLayer::addNumProp(const char* name, double number, const char* value, char type) {
  props_.add(name, value, number, type);
}

void lefiLayer::addNumber(double v) {
  if (numNums_ == numAllocated_) {
    int newCap = lefiNextCap(numAllocated_);
    lefiRegrow(nums_, numNums_, newCap);
    numAllocated_ = newCap;
  }
  nums_[numNums_++] = v;
}

double* lefiLayer::takeNumbers(int* n) {
  double* taken = nums_;
  *n = numNums_;
  nums_ = nullptr;
  numNums_ = 0;
  numAllocated_ = 0;
  return taken;
}

void lefiLayer::releaseNumbers() {
  lefiFreeArr(nums_);
  numNums_ = 0;
  numAllocated_ = 0;
}

void lefiLayer::PointList::Init() {
  num = 0;
  cap = 0;
  a = b = nullptr;
  lefiRegrowAll(0, 2, a, b);
  cap = 2;
}

void lefiLayer::PointList::add(double x, double y) {
  if (num == cap) {
    int newCap = lefiNextCap(cap);
    lefiRegrowAll(num, newCap, a, b);
    cap = newCap;
  }
  a[num] = x;
  b[num] = y;
  num++;
}

void lefiLayer::PointList::Destroy() {
  lefiFreeArr(a);
  lefiFreeArr(b);
  num = 0;
  cap = 0;
}

namespace {

void printPoints(FILE* f, const char* label, int n, const double* a, const double* b) {
  fprintf(f, "  %s PWL", label);
  for (int i = 0; i < n; i++) fprintf(f, " %g %g", a[i], b[i]);
  fprintf(f, "\n");
}

}  // namespace

void lefiLayer::print(FILE* f) const {
  fprintf(f, "Layer %s:\n", name_);
  if (hasType()) fprintf(f, "  type %s\n", type_);
  if (hasMask_) fprintf(f, "  mask %d\n", mask_);
  if (hasPitch()) fprintf(f, "  pitch %g\n", pitchX_);
  if (hasXYPitch()) fprintf(f, "  pitch %g %g\n", pitchX_, pitchY_);
  if (hasDirection_) fprintf(f, "  direction %s\n", direction_);
#define LEFI_PRINT_ATTR(setter, has, getter, label) \
  if (has##_) fprintf(f, "  %s %g\n", label, getter##_);
  LEFI_LAYER_ATTRS(LEFI_PRINT_ATTR)
#undef LEFI_PRINT_ATTR
  if (resistancePoints_.num)
    printPoints(f, "resistance", resistancePoints_.num, resistancePoints_.a, resistancePoints_.b);
  if (capacitancePoints_.num)
    printPoints(f, "capacitance", capacitancePoints_.num, capacitancePoints_.a,
                capacitancePoints_.b);
  if (currentPoints_.num)
    printPoints(f, "currentden", currentPoints_.num, currentPoints_.a, currentPoints_.b);
  printSpacingRules(f);
  for (int i = 0; i < props_.num; i++) {
    if (props_.isString(i))
      fprintf(f, "  PROP %s %s\n", props_.names[i], props_.values[i]);
    else
      fprintf(f, "  PROP %s %g\n", props_.names[i], props_.numbers[i]);
  }
}

}  // namespace LefDefParser
