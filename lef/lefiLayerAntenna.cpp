// Antenna rules of a layer: up to four oxide models with their PWL tables.
#include "lef/lefiLayer.h"

namespace LefDefParser {

lefiAntennaPWL::lefiAntennaPWL() : d_(nullptr), r_(nullptr) { Init(); }

lefiAntennaPWL::~lefiAntennaPWL() { Destroy(); }

lefiAntennaPWL* lefiAntennaPWL::create() { return lefiNewObj<lefiAntennaPWL>(); }

void lefiAntennaPWL::Init() {
  Destroy();
  lefiRegrowAll(0, 2, d_, r_);
  numAlloc_ = 2;
  clear();
}

void lefiAntennaPWL::clear() { numPWL_ = 0; }

void lefiAntennaPWL::Destroy() {
  lefiFreeArr(d_);
  lefiFreeArr(r_);
  numAlloc_ = 0;
  numPWL_ = 0;
}

void lefiAntennaPWL::addAntennaPWL(double diffusion, double ratio) {
  if (numPWL_ == numAlloc_) {
    int newCap = lefiNextCap(numAlloc_);
    lefiRegrowAll(numPWL_, newCap, d_, r_);
    numAlloc_ = newCap;
  }
  d_[numPWL_] = diffusion;
  r_[numPWL_] = ratio;
  numPWL_++;
}

lefiAntennaModel::lefiAntennaModel()
    : oxide_(nullptr),
      areaRatio_(0.0),
      diffAreaRatio_(0.0),
      diffAreaRatioPWL_(nullptr),
      cumAreaRatio_(0.0),
      cumDiffAreaRatio_(0.0),
      cumDiffAreaRatioPWL_(nullptr),
      areaFactor_(0.0),
      sideAreaRatio_(0.0),
      diffSideAreaRatio_(0.0),
      diffSideAreaRatioPWL_(nullptr),
      cumSideAreaRatio_(0.0),
      cumDiffSideAreaRatio_(0.0),
      cumDiffSideAreaRatioPWL_(nullptr),
      sideAreaFactor_(0.0),
      gatePlusDiff_(0.0),
      areaMinusDiff_(0.0),
      areaDiffReducePWL_(nullptr) {
  Init();
}

lefiAntennaModel::~lefiAntennaModel() { Destroy(); }

void lefiAntennaModel::Init() {
  hasAreaRatio_ = hasDiffAreaRatio_ = hasCumAreaRatio_ = hasCumDiffAreaRatio_ = 0;
  hasAreaFactor_ = hasAreaFactorDUO_ = 0;
  hasSideAreaRatio_ = hasDiffSideAreaRatio_ = hasCumSideAreaRatio_ = hasCumDiffSideAreaRatio_ = 0;
  hasSideAreaFactor_ = hasSideAreaFactorDUO_ = 0;
  hasCumRoutingPlusCut_ = hasGatePlusDiff_ = hasAreaMinusDiff_ = 0;
  oxide_ = nullptr;
  diffAreaRatioPWL_ = cumDiffAreaRatioPWL_ = nullptr;
  diffSideAreaRatioPWL_ = cumDiffSideAreaRatioPWL_ = nullptr;
  areaDiffReducePWL_ = nullptr;
}

void lefiAntennaModel::Destroy() {
  lefiFreeStr(oxide_);
  lefiFreeObj(diffAreaRatioPWL_);
  lefiFreeObj(cumDiffAreaRatioPWL_);
  lefiFreeObj(diffSideAreaRatioPWL_);
  lefiFreeObj(cumDiffSideAreaRatioPWL_);
  lefiFreeObj(areaDiffReducePWL_);
  Init();
}

void lefiAntennaModel::setAntennaModel(int oxide) {
  static const char* const kOxides[] = {"OXIDE1", "OXIDE2", "OXIDE3", "OXIDE4"};
  lefiFreeStr(oxide_);
  oxide_ = lefiCopyStr(kOxides[(oxide >= 2 && oxide <= 4) ? oxide - 1 : 0], false);
}

void lefiAntennaModel::setAntennaAreaRatio(double v) {
  areaRatio_ = v;
  hasAreaRatio_ = 1;
}

void lefiAntennaModel::setAntennaCumAreaRatio(double v) {
  cumAreaRatio_ = v;
  hasCumAreaRatio_ = 1;
}

void lefiAntennaModel::setAntennaAreaFactor(double v) {
  areaFactor_ = v;
  hasAreaFactor_ = 1;
}

void lefiAntennaModel::setAntennaSideAreaRatio(double v) {
  sideAreaRatio_ = v;
  hasSideAreaRatio_ = 1;
}

void lefiAntennaModel::setAntennaCumSideAreaRatio(double v) {
  cumSideAreaRatio_ = v;
  hasCumSideAreaRatio_ = 1;
}

void lefiAntennaModel::setAntennaSideAreaFactor(double v) {
  sideAreaFactor_ = v;
  hasSideAreaFactor_ = 1;
}

void lefiAntennaModel::setAntennaGatePlusDiff(double v) {
  gatePlusDiff_ = v;
  hasGatePlusDiff_ = 1;
}

void lefiAntennaModel::setAntennaAreaMinusDiff(double v) {
  areaMinusDiff_ = v;
  hasAreaMinusDiff_ = 1;
}

void lefiAntennaModel::setAntennaValue(lefiAntennaEnum kind, double v) {
  switch (kind) {
    case lefiAntennaDAR:
      diffAreaRatio_ = v;
      hasDiffAreaRatio_ = 1;
      break;
    case lefiAntennaCDAR:
      cumDiffAreaRatio_ = v;
      hasCumDiffAreaRatio_ = 1;
      break;
    case lefiAntennaDSAR:
      diffSideAreaRatio_ = v;
      hasDiffSideAreaRatio_ = 1;
      break;
    case lefiAntennaCDSAR:
      cumDiffSideAreaRatio_ = v;
      hasCumDiffSideAreaRatio_ = 1;
      break;
    default:
      break;
  }
}

void lefiAntennaModel::setAntennaDUO(lefiAntennaEnum kind) {
  if (kind == lefiAntennaAF) hasAreaFactorDUO_ = 1;
  if (kind == lefiAntennaSAF) hasSideAreaFactorDUO_ = 1;
}

lefiAntennaPWL** lefiAntennaModel::pwlSlot(lefiAntennaEnum kind) {
  switch (kind) {
    case lefiAntennaDAR:
      return &diffAreaRatioPWL_;
    case lefiAntennaCDAR:
      return &cumDiffAreaRatioPWL_;
    case lefiAntennaDSAR:
      return &diffSideAreaRatioPWL_;
    case lefiAntennaCDSAR:
      return &cumDiffSideAreaRatioPWL_;
    case lefiAntennaADR:
      return &areaDiffReducePWL_;
    default:
      return nullptr;
  }
}

void lefiAntennaModel::setAntennaPWL(lefiAntennaEnum kind, lefiAntennaPWL* pwl) {
  lefiAntennaPWL** slot = pwlSlot(kind);
  if (!slot) {
    lefiFreeObj(pwl);
    return;
  }
  lefiFreeObj(*slot);
  *slot = pwl;
}

void lefiAntennaModel::setAntennaCumRoutingPlusCut() { hasCumRoutingPlusCut_ = 1; }

namespace {

const int kMaxAntennaModels = 4;

}  // namespace

void lefiLayer::addAntennaModel(int oxide) {
  // Only OXIDE1 to OXIDE4 have a model.
  if (oxide < 1 || oxide > kMaxAntennaModels) return;
  if (!antennaModel_) {
    antennaModel_ = static_cast<lefiAntennaModel**>(
        lefMalloc(sizeof(lefiAntennaModel*) * kMaxAntennaModels));
    for (int i = 0; i < kMaxAntennaModels; i++) antennaModel_[i] = lefiNewObj<lefiAntennaModel>();
    antennaModelAllocated_ = kMaxAntennaModels;
  }
  for (int i = 0; i < oxide - 1; i++)
    if (!antennaModel_[i]->antennaOxide()) antennaModel_[i]->setAntennaModel(i + 1);
  lefiAntennaModel* model = antennaModel_[oxide - 1];
  model->Destroy();  // a repeated oxide starts from empty
  model->setAntennaModel(oxide);
  if (numAntennaModel_ < oxide) numAntennaModel_ = oxide;
  currentAntennaModel_ = model;
}

lefiAntennaModel* lefiLayer::currentModel() {
  if (numAntennaModel_ == 0) addAntennaModel(1);
  return currentAntennaModel_;
}

void lefiLayer::clearAntenna() {
  if (antennaModel_)
    for (int i = 0; i < antennaModelAllocated_; i++) lefiFreeObj(antennaModel_[i]);
  lefiFreeArr(antennaModel_);
  currentAntennaModel_ = nullptr;
  numAntennaModel_ = 0;
  antennaModelAllocated_ = 0;
}

#define LEFI_FORWARD_ANTENNA_SETTER(Name) \
  void lefiLayer::setAntenna##Name(double v) { currentModel()->setAntenna##Name(v); }
LEFI_ANTENNA_VALUE_SETTERS(LEFI_FORWARD_ANTENNA_SETTER)
#undef LEFI_FORWARD_ANTENNA_SETTER

void lefiLayer::setAntennaValue(lefiAntennaEnum kind, double v) {
  currentModel()->setAntennaValue(kind, v);
}
void lefiLayer::setAntennaDUO(lefiAntennaEnum kind) { currentModel()->setAntennaDUO(kind); }
void lefiLayer::setAntennaPWL(lefiAntennaEnum kind, lefiAntennaPWL* pwl) {
  currentModel()->setAntennaPWL(kind, pwl);
}
void lefiLayer::setAntennaCumRoutingPlusCut() { currentModel()->setAntennaCumRoutingPlusCut(); }

}  // namespace LefDefParser
