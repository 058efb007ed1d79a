#include <cstring>
#include <new>

#include "lef/lefiMacro.h"
#include "lef/lefiMessages.h"

namespace LefDefParser {

namespace {

const char* const kOxideNames[] = {"OXIDE1", "OXIDE2", "OXIDE3", "OXIDE4"};

}  // namespace

lefiPinAntennaModel::lefiPinAntennaModel()
    : oxide_(nullptr), hasReturn_(0), lists_() {
  Init();
}

lefiPinAntennaModel::~lefiPinAntennaModel() { Destroy(); }

void lefiPinAntennaModel::Init() {
  Destroy();
  for (lefiValueLayerList& list : lists_) list.Init(1);
}

// Only a model in use is emptied; it needs Init before it is used again.
void lefiPinAntennaModel::clear() {
  if (oxide_) Destroy();
}

// Unlike clear, also releases the lists of a model that was never named.
void lefiPinAntennaModel::Destroy() {
  lefiFreeStr(oxide_);
  hasReturn_ = 0;
  for (lefiValueLayerList& list : lists_) list.Destroy();
}

void lefiPinAntennaModel::setAntennaModel(int oxide) {
  lefiFreeStr(oxide_);
  if (oxide >= 1 && oxide <= 4) oxide_ = lefiCopyStr(kOxideNames[oxide - 1], false);
}

lefiPin::lefiPin()
    : nameSize_(0),
      name_(nullptr),
      LEQSize_(0),
      LEQ_(nullptr),
      mustjoinSize_(0),
      mustjoin_(nullptr),
#define LEFI_PIN_PAIR_ZERO(Name, get) get##High_(0.0), get##Low_(0.0),
      LEFI_PIN_PAIRS(LEFI_PIN_PAIR_ZERO)
#undef LEFI_PIN_PAIR_ZERO
#define LEFI_PIN_VALUE_ZERO(Name, get) get##_(0.0),
      LEFI_PIN_VALUES(LEFI_PIN_VALUE_ZERO)
#undef LEFI_PIN_VALUE_ZERO
      lowTableSize_(0),
      lowTable_(nullptr),
      highTableSize_(0),
      highTable_(nullptr),
      numAntennaModel_(0),
      antennaModelAllocated_(0),
      curAntennaModelIndex_(0),
      antennaModels_(nullptr),
      taperRule_(nullptr),
      netExpr_(nullptr),
      supplySensitivity_(nullptr),
      groundSensitivity_(nullptr),
      numPorts_(0),
      portsAllocated_(0),
      ports_(nullptr) {
  memset(has_, 0, sizeof(has_));
  foreigns_.Init();
  direction_[0] = '\0';
  use_[0] = '\0';
  shape_[0] = '\0';
  currentSource_[0] = '\0';
  Init();
}

lefiPin::~lefiPin() { Destroy(); }

void lefiPin::Init() {
  lefiNewNameBuf(name_, nameSize_);
  lefiNewNameBuf(LEQ_, LEQSize_);
  lefiNewNameBuf(mustjoin_, mustjoinSize_);
  lefiNewNameBuf(lowTable_, lowTableSize_);
  lefiNewNameBuf(highTable_, highTableSize_);
  numPorts_ = 0;
  portsAllocated_ = 2;
  ports_ = static_cast<lefiGeometries**>(lefMalloc(sizeof(lefiGeometries*) * portsAllocated_));
  props_.Init(0, true, kLefiMsgNum1352, kLefiMsg1352);
  antennaModels_ = nullptr;
  numAntennaModel_ = 0;
  antennaModelAllocated_ = 0;
  curAntennaModelIndex_ = 0;
  taperRule_ = nullptr;
  netExpr_ = nullptr;
  supplySensitivity_ = nullptr;
  groundSensitivity_ = nullptr;
  for (lefiValueLayerList& list : antenna_) list.Init(1);
}

void lefiPin::clear() {
  for (int i = 0; i < numPorts_; i++) lefiFreeObj(ports_[i]);
  numPorts_ = 0;
  portsAllocated_ = 0;
  memset(has_, 0, sizeof(has_));
  lefiCopyFixed(use_, sizeof(use_), "SIGNAL");
  foreigns_.clear();
  for (lefiValueLayerList& list : antenna_) list.clear();
  if (antennaModels_) {
    for (int i = 0; i < kNumModels; i++) antennaModels_[i].~lefiPinAntennaModel();
    lefiFreeArr(antennaModels_);
  }
  numAntennaModel_ = 0;
  antennaModelAllocated_ = 0;
  curAntennaModelIndex_ = 0;
  props_.clear();
  props_.cap = 0;  // the arrays are replaced at the next property
  lefiFreeStr(taperRule_);
  lefiFreeStr(netExpr_);
  lefiFreeStr(supplySensitivity_);
  lefiFreeStr(groundSensitivity_);
}

void lefiPin::Destroy() {
  clear();
  lefiFreeStr(name_);
  nameSize_ = 0;
  lefiFreeArr(ports_);
  lefiFreeStr(LEQ_);
  LEQSize_ = 0;
  lefiFreeStr(mustjoin_);
  mustjoinSize_ = 0;
  lefiFreeStr(lowTable_);
  lowTableSize_ = 0;
  lefiFreeStr(highTable_);
  highTableSize_ = 0;
  props_.Destroy();
  for (lefiValueLayerList& list : antenna_) list.Destroy();
  foreigns_.Destroy();
}

void lefiPin::setName(const char* name) {
  clear();
  lefiSetNameBuf(name_, nameSize_, name, true);
}

void lefiPin::addPort(lefiGeometries* geom) {
  if (numPorts_ == portsAllocated_) {
    portsAllocated_ = lefiNextCap(portsAllocated_);
    lefiRegrow(ports_, numPorts_, portsAllocated_);
  }
  ports_[numPorts_++] = geom;
}

void lefiPin::addForeign(const char* name, int hasPnt, double x, double y, int orient) {
  foreigns_.add(name, orient == -1 ? -1 : 1, hasPnt, x, y, orient);
}

void lefiPin::setLEQ(const char* name) {
  lefiSetNameBuf(LEQ_, LEQSize_, name, true);
  has_[kHasLEQ] = 1;
}

void lefiPin::setMustjoin(const char* name) {
  lefiSetNameBuf(mustjoin_, mustjoinSize_, name, true);
  has_[kHasMustjoin] = 1;
}

void lefiPin::setDirection(const char* dir) {
  lefiCopyFixed(direction_, sizeof(direction_), CASE(dir));
  has_[kHasDirection] = 1;
}

void lefiPin::setUse(const char* use) {
  lefiCopyFixed(use_, sizeof(use_), CASE(use));
  has_[kHasUse] = 1;
}

void lefiPin::setShape(const char* shape) {
  lefiCopyFixed(shape_, sizeof(shape_), CASE(shape));
  has_[kHasShape] = 1;
}

void lefiPin::setCurrentSource(const char* name) {
  lefiCopyFixed(currentSource_, sizeof(currentSource_), CASE(name));
  has_[kHasCurrentSource] = 1;
}

void lefiPin::setTables(const char* highName, const char* lowName) {
  lefiSetNameBuf(highTable_, highTableSize_, highName, true);
  lefiSetNameBuf(lowTable_, lowTableSize_, lowName, true);
  has_[kHasTables] = 1;
}

void lefiPin::setTaperRule(const char* name) {
  lefiFreeStr(taperRule_);
  taperRule_ = lefiCopyStr(name, false);
}

void lefiPin::setNetExpr(const char* name) {
  lefiFreeStr(netExpr_);
  netExpr_ = lefiCopyStr(name, false);
}

void lefiPin::setSupplySensitivity(const char* pinName) {
  lefiFreeStr(supplySensitivity_);
  supplySensitivity_ = lefiCopyStr(pinName, false);
}

void lefiPin::setGroundSensitivity(const char* pinName) {
  lefiFreeStr(groundSensitivity_);
  groundSensitivity_ = lefiCopyStr(pinName, false);
}

void lefiPin::setProperty(const char* name, const char* value, char type) {
  props_.add(name, value, 0.0, type);
}

void lefiPin::setNumProperty(const char* name, double d, const char* value, char type) {
  props_.add(name, value, d, type);
}

void lefiPin::addAntennaModel(int oxide) {
  // The grammar gives OXIDE1 to OXIDE4 only; anything else has no model.
  if (oxide < 1 || oxide > kNumModels) return;
  if (numAntennaModel_ == 0) {
    antennaModels_ =
        static_cast<lefiPinAntennaModel*>(lefMalloc(sizeof(lefiPinAntennaModel) * kNumModels));
    for (int i = 0; i < kNumModels; i++) new (&antennaModels_[i]) lefiPinAntennaModel();
    antennaModelAllocated_ = kNumModels;
    curAntennaModelIndex_ = 0;
  }
  for (int k = 0; k < oxide - 1; k++) {
    if (!antennaModels_[k].antennaOxide()) {
      antennaModels_[k].Init();
      antennaModels_[k].setAntennaModel(k + 1);
    }
  }
  curAntennaModelIndex_ = oxide - 1;
  lefiPinAntennaModel& model = antennaModels_[curAntennaModelIndex_];
  if (model.antennaOxide()) model.clear();
  if (numAntennaModel_ < oxide) numAntennaModel_ = oxide;
  model.Init();
  model.setAntennaModel(oxide);
}

lefiPinAntennaModel* lefiPin::currentModel() {
  if (numAntennaModel_ == 0) addAntennaModel(1);
  return &antennaModels_[curAntennaModelIndex_];
}

void lefiPin::addAntennaGateArea(double value, const char* layer) {
  currentModel()->addAntennaGateArea(value, layer);
}

void lefiPin::addAntennaMaxAreaCar(double value, const char* layer) {
  currentModel()->addAntennaMaxAreaCar(value, layer);
}

void lefiPin::addAntennaMaxSideAreaCar(double value, const char* layer) {
  currentModel()->addAntennaMaxSideAreaCar(value, layer);
}

void lefiPin::addAntennaMaxCutCar(double value, const char* layer) {
  currentModel()->addAntennaMaxCutCar(value, layer);
}

lefiGeometries* lefiPin::port(int index) const {
  if (!lefiIndexOk(index, numPorts_, kLefiMsgNum1350, kLefiMsg1350)) return nullptr;
  return ports_[index];
}

lefiPinAntennaModel* lefiPin::antennaModel(int index) const {
  if (antennaModels_ && index >= 0 && index < kNumModels) {
    if (index == 0)
      for (int i = 0; i < kNumModels; i++) antennaModels_[i].setAntennaReturnFlag(0);
    for (int i = index; i < kNumModels; i++) {
      if (antennaModels_[i].antennaOxide()) {
        antennaModels_[i].setAntennaReturnFlag(1);
        return &antennaModels_[i];
      }
    }
  }
  lefiError(0, kLefiMsgNum1351, kLefiMsg1351);
  return nullptr;
}

void lefiPin::print(FILE* f) const {
  fprintf(f, "  Pin %s\n", name_);
  for (int i = 0; i < numPorts_; i++) {
    fprintf(f, "    Port %d ", i);
    ports_[i]->print(f);
  }
}

}  // namespace LefDefParser
