#include "lef/lefiNonDefault.h"

#include "lef/lefiMessages.h"
#include "lef/lefrData.h"

namespace LefDefParser {

namespace {

// Appends a copy of CASE(name) to a name list that starts empty.
void addFoldedName(char**& names, int& num, int& cap, const char* name) {
  if (num == cap) {
    cap = lefiNextCap(cap);
    lefiRegrow(names, num, cap);
  }
  names[num++] = lefiCopyStr(name, true);
}

}  // namespace

#define LEFI_ND_ARRAY_ARGS(Name, field, dump) , field##_, has##Name##_

lefiNonDefault::lefiNonDefault()
    : nameSize_(0),
      name_(nullptr),
      numLayers_(0),
      layersAllocated_(0),
      layerName_(nullptr),
#define LEFI_ND_NULL(Name, field, dump) field##_(nullptr), has##Name##_(nullptr),
      LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_NULL)
#undef LEFI_ND_NULL
      numVias_(0),
      allocatedVias_(0),
      viaRules_(nullptr),
      numSpacing_(0),
      allocatedSpacing_(0),
      spacingRules_(nullptr),
      hardSpacing_(0),
      numUseVias_(0),
      allocatedUseVias_(0),
      useViaName_(nullptr),
      numUseViaRules_(0),
      allocatedUseViaRules_(0),
      useViaRuleName_(nullptr),
      numMinCuts_(0),
      allocatedMinCuts_(0),
      cutLayerName_(nullptr),
      numCuts_(nullptr),
      props_() {
  Init();
}

lefiNonDefault::~lefiNonDefault() { Destroy(); }

void lefiNonDefault::Init() {
  nameSize_ = 16;
  name_ = static_cast<char*>(lefMalloc(nameSize_));
  name_[0] = '\0';
  numLayers_ = 0;
  layersAllocated_ = 2;
  lefiRegrowAll(0, layersAllocated_,
                layerName_ LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_ARRAY_ARGS));
  numVias_ = 0;
  allocatedVias_ = 2;
  lefiRegrow(viaRules_, 0, allocatedVias_);
  numSpacing_ = 0;
  allocatedSpacing_ = 2;
  lefiRegrow(spacingRules_, 0, allocatedSpacing_);
  hardSpacing_ = 0;
  numUseVias_ = 0;
  allocatedUseVias_ = 0;
  numUseViaRules_ = 0;
  allocatedUseViaRules_ = 0;
  numMinCuts_ = 0;
  allocatedMinCuts_ = 0;
  props_.Init(1, false, kLefiMsgNum1408, kLefiMsg1408);
}

void lefiNonDefault::clear() {
  for (int i = 0; i < numLayers_; i++) lefiFreeStr(layerName_[i]);
  numLayers_ = 0;
  for (int i = 0; i < numVias_; i++) lefiFreeObj(viaRules_[i]);
  numVias_ = 0;
  for (int i = 0; i < numSpacing_; i++) lefiFreeObj(spacingRules_[i]);
  numSpacing_ = 0;
  for (int i = 0; i < numUseVias_; i++) lefiFreeStr(useViaName_[i]);
  numUseVias_ = 0;
  for (int i = 0; i < numUseViaRules_; i++) lefiFreeStr(useViaRuleName_[i]);
  numUseViaRules_ = 0;
  for (int i = 0; i < numMinCuts_; i++) lefiFreeStr(cutLayerName_[i]);
  numMinCuts_ = 0;
  props_.clear();
  hardSpacing_ = 0;
}

void lefiNonDefault::Destroy() {
  clear();
  // A destroyed rule must not stay the reader's current one.
  if (lefData && lefData->nd == this) lefData->nd = nullptr;
  lefiFreeStr(name_);
  nameSize_ = 0;
  lefiRegrowAll(0, 0, layerName_ LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_ARRAY_ARGS));
  layersAllocated_ = 0;
  lefiFreeArr(viaRules_);
  allocatedVias_ = 0;
  lefiFreeArr(spacingRules_);
  allocatedSpacing_ = 0;
  props_.Destroy();
  lefiFreeArr(useViaName_);
  allocatedUseVias_ = 0;
  lefiFreeArr(useViaRuleName_);
  allocatedUseViaRules_ = 0;
  lefiFreeArr(cutLayerName_);
  lefiFreeArr(numCuts_);
  allocatedMinCuts_ = 0;
}

void lefiNonDefault::setName(const char* name) {
  clear();
  if (lefData) lefData->nd = this;
  lefiSetNameBuf(name_, nameSize_, name, true);
}

void lefiNonDefault::end() {
  if (lefData) lefData->nd = nullptr;
}

void lefiNonDefault::addLayer(const char* name) {
  if (numLayers_ == layersAllocated_) {
    layersAllocated_ = lefiNextCap(layersAllocated_);
    lefiRegrowAll(numLayers_, layersAllocated_,
                  layerName_ LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_ARRAY_ARGS));
  }
  layerName_[numLayers_] = lefiCopyStr(name, true);
#define LEFI_ND_RESET(Name, field, dump) \
  field##_[numLayers_] = 0.0;            \
  has##Name##_[numLayers_] = 0;
  LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_RESET)
#undef LEFI_ND_RESET
  numLayers_++;
}

// A value given before any LAYER of the rule has no layer to go to.
#define LEFI_ND_SET(Name, field, dump)        \
  void lefiNonDefault::add##Name(double d) { \
    if (numLayers_ == 0) return;             \
    field##_[numLayers_ - 1] = d;            \
    has##Name##_[numLayers_ - 1] = 1;        \
  }
LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_SET)
#undef LEFI_ND_SET

void lefiNonDefault::addViaRule(lefiVia* via) {
  if (numVias_ == allocatedVias_) {
    allocatedVias_ = lefiNextCap(allocatedVias_);
    lefiRegrow(viaRules_, numVias_, allocatedVias_);
  }
  viaRules_[numVias_++] = via->clone();
}

void lefiNonDefault::addSpacingRule(lefiSpacing* s) {
  if (numSpacing_ == allocatedSpacing_) {
    allocatedSpacing_ = lefiNextCap(allocatedSpacing_);
    lefiRegrow(spacingRules_, numSpacing_, allocatedSpacing_);
  }
  spacingRules_[numSpacing_++] = s->clone();
}

void lefiNonDefault::addUseVia(const char* name) {
  addFoldedName(useViaName_, numUseVias_, allocatedUseVias_, name);
}

void lefiNonDefault::addUseViaRule(const char* name) {
  addFoldedName(useViaRuleName_, numUseViaRules_, allocatedUseViaRules_, name);
}

void lefiNonDefault::addMinCuts(const char* name, int numCuts) {
  if (numMinCuts_ == allocatedMinCuts_) {
    allocatedMinCuts_ = lefiNextCap(allocatedMinCuts_);
    lefiRegrowAll(numMinCuts_, allocatedMinCuts_, cutLayerName_, numCuts_);
  }
  cutLayerName_[numMinCuts_] = lefiCopyStr(name, true);
  numCuts_[numMinCuts_] = numCuts;
  numMinCuts_++;
}

void lefiNonDefault::addProp(const char* name, const char* value, char type) {
  props_.add(name, value, 0.0, type);
}

void lefiNonDefault::addNumProp(const char* name, double d, const char* value, char type) {
  props_.add(name, value, d, type);
}

bool lefiNonDefault::layerOk(int index) const {
  return lefiIndexOk(index, numLayers_, kLefiMsgNum1402, kLefiMsg1402);
}

const char* lefiNonDefault::layerName(int index) const {
  return layerOk(index) ? layerName_[index] : nullptr;
}

#define LEFI_ND_GET(Name, field, dump)                             \
  int lefiNonDefault::hasLayer##Name(int index) const {           \
    return layerOk(index) ? has##Name##_[index] : 0;              \
  }                                                               \
  double lefiNonDefault::layer##Name(int index) const {           \
    return layerOk(index) ? field##_[index] : 0.0;                \
  }
LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_GET)
#undef LEFI_ND_GET

lefiVia* lefiNonDefault::viaRule(int index) const {
  if (!lefiIndexOk(index, numVias_, kLefiMsgNum1403, kLefiMsg1403)) return nullptr;
  return viaRules_[index];
}

lefiSpacing* lefiNonDefault::spacingRule(int index) const {
  if (!lefiIndexOk(index, numSpacing_, kLefiMsgNum1404, kLefiMsg1404)) return nullptr;
  return spacingRules_[index];
}

const char* lefiNonDefault::viaName(int index) const {
  if (!lefiIndexOk(index, numUseVias_, kLefiMsgNum1405, kLefiMsg1405)) return nullptr;
  return useViaName_[index];
}

const char* lefiNonDefault::viaRuleName(int index) const {
  if (!lefiIndexOk(index, numUseViaRules_, kLefiMsgNum1406, kLefiMsg1406)) return nullptr;
  return useViaRuleName_[index];
}

const char* lefiNonDefault::cutLayerName(int index) const {
  if (!lefiIndexOk(index, numMinCuts_, kLefiMsgNum1407, kLefiMsg1407)) return nullptr;
  return cutLayerName_[index];
}

int lefiNonDefault::numCuts(int index) const {
  if (!lefiIndexOk(index, numMinCuts_, kLefiMsgNum1407, kLefiMsg1407)) return 0;
  return numCuts_[index];
}

void lefiNonDefault::print(FILE* f) const {
  fprintf(f, "Nondefault rule %s\n", name_);
  fprintf(f, "%d layers   %d vias   %d spacing rules\n", numLayers_, numVias_, numSpacing_);
  for (int i = 0; i < numLayers_; i++) {
    fprintf(f, "  Layer %s\n", layerName_[i]);
#define LEFI_ND_PRINT(Name, field, dump) \
  if (has##Name##_[i]) fprintf(f, dump, field##_[i]);
    LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_PRINT)
#undef LEFI_ND_PRINT
  }
  for (int i = 0; i < numVias_; i++) viaRules_[i]->print(f);
  for (int i = 0; i < numSpacing_; i++) spacingRules_[i]->print(f);
}

#undef LEFI_ND_ARRAY_ARGS

}  // namespace LefDefParser
