#include "def/defiPinCap.h"

#include "def/defiDebug.h"

namespace LefDefParser {

namespace {

constexpr defiIndexCheck kBoundsWarning{0, "index out of bounds"};

}  // namespace

// ---- defiPinCap

void defiPinCap::print(FILE* f) const { fprintf(f, "PinCap  %d %5.2f\n", pin_, cap_); }

// ---- defiAntennaList

void defiAntennaList::add(int value, const char* layer, defrData* data) {
  if (num_ == cap_) {
    const int grown = defiNextCapacity(cap_, 2);
    defiResizeAll(num_, grown, values_, layers_);
    cap_ = grown;
  }
  values_[num_] = value;
  layers_[num_] = defiDupText(layer, data, true);
  num_++;
}

void defiAntennaList::clear() {
  for (int i = 0; i < num_; i++) defiFreeText(layers_[i]);
  num_ = 0;
}

void defiAntennaList::Destroy() {
  clear();
  defiFreeArray(values_);
  defiFreeArray(layers_);
  cap_ = 0;
}

int defiAntennaList::hasLayer(int i) const {
  return defiInRange(i, num_) && layers_[i] && *layers_[i] ? 1 : 0;
}

// ---- defiPinAntennaModel

defiPinAntennaModel::defiPinAntennaModel(defrData* data) : defData_(data) { Init(); }

defiPinAntennaModel::~defiPinAntennaModel() { Destroy(); }

void defiPinAntennaModel::Init() { oxide_ = nullptr; }

void defiPinAntennaModel::clear() {
  defiFreeText(oxide_);
  gate_.clear();
  areaCar_.clear();
  sideCar_.clear();
  cutCar_.clear();
}

void defiPinAntennaModel::Destroy() {
  clear();
  gate_.Destroy();
  areaCar_.Destroy();
  sideCar_.Destroy();
  cutCar_.Destroy();
}

void defiPinAntennaModel::setAntennaModel(int oxide) {
  static const char* const kOxides[] = {"OXIDE1", "OXIDE2", "OXIDE3", "OXIDE4"};
  defiFreeText(oxide_);
  oxide_ = defiDupText(oxide >= 2 && oxide <= 4 ? kOxides[oxide - 1] : kOxides[0],
                       defData_, false);
}

// ---- defiPinShapes

void defiPinShapes::Destroy() {
  for (int i = 0; i < numLayers_; i++) defiFreeText(layers_[i]);
  defiFreeArray(layers_);
  defiFreeArray(xl_);
  defiFreeArray(yl_);
  defiFreeArray(xh_);
  defiFreeArray(yh_);
  defiFreeArray(layerMinSpacing_);
  defiFreeArray(layerEffectiveWidth_);
  defiFreeArray(layerMask_);
  numLayers_ = layersAllocated_ = 0;

  for (int i = 0; i < numPolys_; i++) {
    defiFreeText(polygonNames_[i]);
    defiFreePoints(polygons_[i]);
  }
  defiFreeArray(polygonNames_);
  defiFreeArray(polyMinSpacing_);
  defiFreeArray(polyEffectiveWidth_);
  defiFreeArray(polyMask_);
  defiFreeArray(polygons_);
  numPolys_ = polysAllocated_ = 0;

  for (int i = 0; i < numVias_; i++) defiFreeText(viaNames_[i]);
  defiFreeArray(viaNames_);
  defiFreeArray(viaX_);
  defiFreeArray(viaY_);
  defiFreeArray(viaMask_);
  numVias_ = viasAllocated_ = 0;
}

void defiPinShapes::addLayer(const char* layer, defrData* data) {
  if (numLayers_ == layersAllocated_) {
    const int grown = defiNextCapacity(layersAllocated_, 8);
    defiResizeAll(numLayers_, grown, layers_, xl_, yl_, xh_, yh_, layerMinSpacing_,
                  layerEffectiveWidth_, layerMask_);
    layersAllocated_ = grown;
  }
  const int i = numLayers_++;
  layers_[i] = defiDupText(layer, data, true);
  xl_[i] = yl_[i] = xh_[i] = yh_[i] = 0;
  layerMinSpacing_[i] = -1;
  layerEffectiveWidth_[i] = -1;
  layerMask_[i] = 0;
}

void defiPinShapes::addLayerPts(int xl, int yl, int xh, int yh) {
  if (!numLayers_) return;
  const int i = numLayers_ - 1;
  xl_[i] = xl;
  yl_[i] = yl;
  xh_[i] = xh;
  yh_[i] = yh;
}

void defiPinShapes::addLayerSpacing(int minSpacing) {
  if (numLayers_) layerMinSpacing_[numLayers_ - 1] = minSpacing;
}

void defiPinShapes::addLayerDesignRuleWidth(int effectiveWidth) {
  if (numLayers_) layerEffectiveWidth_[numLayers_ - 1] = effectiveWidth;
}

void defiPinShapes::addLayerMask(int mask) {
  if (numLayers_) layerMask_[numLayers_ - 1] = mask;
}

void defiPinShapes::addPolygon(const char* layer) {
  if (numPolys_ == polysAllocated_) {
    const int grown = defiNextCapacity(polysAllocated_, 2);
    defiResizeAll(numPolys_, grown, polygonNames_, polyMinSpacing_, polyEffectiveWidth_,
                  polyMask_, polygons_);
    polysAllocated_ = grown;
  }
  const int i = numPolys_++;
  polygonNames_[i] = defiDupText(layer, nullptr, false);
  polyMinSpacing_[i] = -1;
  polyEffectiveWidth_[i] = -1;
  polyMask_[i] = 0;
  polygons_[i] = defiPointList{0, nullptr, nullptr};
}

void defiPinShapes::addPolygonPts(defiGeometries* geom) {
  if (!numPolys_) return;
  defiFreePoints(polygons_[numPolys_ - 1]);
  polygons_[numPolys_ - 1] = defiCopyPoints(geom);
}

void defiPinShapes::addPolySpacing(int minSpacing) {
  if (numPolys_) polyMinSpacing_[numPolys_ - 1] = minSpacing;
}

void defiPinShapes::addPolyDesignRuleWidth(int effectiveWidth) {
  if (numPolys_) polyEffectiveWidth_[numPolys_ - 1] = effectiveWidth;
}

void defiPinShapes::addPolyMask(int mask) {
  if (numPolys_) polyMask_[numPolys_ - 1] = mask;
}

void defiPinShapes::addVia(const char* via, int x, int y, int mask, defrData* data) {
  if (numVias_ == viasAllocated_) {
    const int grown = defiNextCapacity(viasAllocated_, 8);
    defiResizeAll(numVias_, grown, viaNames_, viaX_, viaY_, viaMask_);
    viasAllocated_ = grown;
  }
  const int i = numVias_++;
  viaNames_[i] = defiDupText(via, data, true);
  viaX_[i] = x;
  viaY_[i] = y;
  viaMask_[i] = mask;
}

const char* defiPinShapes::layer(int i) const {
  return defiInRange(i, numLayers_) ? layers_[i] : nullptr;
}

void defiPinShapes::bounds(int i, int* xl, int* yl, int* xh, int* yh) const {
  if (!defiInRange(i, numLayers_)) return;
  if (xl) *xl = xl_[i];
  if (yl) *yl = yl_[i];
  if (xh) *xh = xh_[i];
  if (yh) *yh = yh_[i];
}

int defiPinShapes::hasLayerSpacing(int i) const { return layerSpacing(i) != -1; }
int defiPinShapes::layerSpacing(int i) const {
  return defiInRange(i, numLayers_) ? layerMinSpacing_[i] : -1;
}
int defiPinShapes::hasLayerDesignRuleWidth(int i) const {
  return layerDesignRuleWidth(i) != -1;
}
int defiPinShapes::layerDesignRuleWidth(int i) const {
  return defiInRange(i, numLayers_) ? layerEffectiveWidth_[i] : -1;
}
int defiPinShapes::layerMask(int i) const {
  return defiInRange(i, numLayers_) ? layerMask_[i] : 0;
}

const char* defiPinShapes::polygonName(int i, defrData* data) const {
  return defiCheckIndex(i, numPolys_, kBoundsWarning, data) ? polygonNames_[i] : nullptr;
}
defiPointList defiPinShapes::getPolygon(int i) const {
  return defiInRange(i, numPolys_) ? polygons_[i] : defiPointList{0, nullptr, nullptr};
}
int defiPinShapes::hasPolygonSpacing(int i) const { return polygonSpacing(i) != -1; }
int defiPinShapes::polygonSpacing(int i) const {
  return defiInRange(i, numPolys_) ? polyMinSpacing_[i] : -1;
}
int defiPinShapes::hasPolygonDesignRuleWidth(int i) const {
  return polygonDesignRuleWidth(i) != -1;
}
int defiPinShapes::polygonDesignRuleWidth(int i) const {
  return defiInRange(i, numPolys_) ? polyEffectiveWidth_[i] : -1;
}
int defiPinShapes::polygonMask(int i) const {
  return defiInRange(i, numPolys_) ? polyMask_[i] : 0;
}

const char* defiPinShapes::viaName(int i, defrData* data) const {
  return defiCheckIndex(i, numVias_, kBoundsWarning, data) ? viaNames_[i] : nullptr;
}
int defiPinShapes::viaPtX(int i) const { return defiInRange(i, numVias_) ? viaX_[i] : 0; }
int defiPinShapes::viaPtY(int i) const { return defiInRange(i, numVias_) ? viaY_[i] : 0; }
int defiPinShapes::viaTopMask(int i) const {
  return defiInRange(i, numVias_) ? viaMask_[i] / 100 : 0;
}
int defiPinShapes::viaCutMask(int i) const {
  return defiInRange(i, numVias_) ? viaMask_[i] / 10 % 10 : 0;
}
int defiPinShapes::viaBottomMask(int i) const {
  return defiInRange(i, numVias_) ? viaMask_[i] % 10 : 0;
}

// ---- defiPinPort

defiPinPort::defiPinPort(defrData* data) : defData_(data) { Init(); }

defiPinPort::~defiPinPort() { clear(); }

void defiPinPort::Init() {
  placeType_ = 0;
  x_ = y_ = 0;
  orient_ = 0;
}

void defiPinPort::clear() {
  shapes_.Destroy();
  Init();
}

void defiPinPort::setPlacement(int status, int x, int y, int orient) {
  placeType_ = static_cast<char>(status);
  x_ = x;
  y_ = y;
  orient_ = static_cast<char>(orient);
}

const char* defiPinPort::orientStr() const { return defiOrientStr(orient_); }

// ---- defiPin

defiPin::defiPin(defrData* data) : defData_(data) { Init(); }

defiPin::~defiPin() { Destroy(); }

void defiPin::Init() {
  numPorts_ = 0;
  portsAllocated_ = 0;
  ports_ = nullptr;
  numAntennaModels_ = 0;
  antennaModelsAllocated_ = 0;
  antennaModels_ = nullptr;
  clear();
}

void defiPin::Destroy() {
  clear();
  defiFreeText(pinName_);
  defiFreeText(netName_);
  defiFreeText(use_);
  defiFreeText(direction_);
  defiFreeText(netExpr_);
  defiFreeText(supplySens_);
  defiFreeText(groundSens_);
  pinNameLength_ = netNameLength_ = useLength_ = directionLength_ = 0;
  netExprLength_ = supplySensLength_ = groundSensLength_ = 0;
  metalArea_.Destroy();
  metalSideArea_.Destroy();
  diffArea_.Destroy();
  cutArea_.Destroy();
  for (int i = 0; i < antennaModelsAllocated_; i++) delete antennaModels_[i];
  defiFreeArray(antennaModels_);
  antennaModelsAllocated_ = 0;
}

void defiPin::clear() {
  hasDirection_ = hasUse_ = 0;
  hasNetExpr_ = hasSupplySens_ = hasGroundSens_ = 0;
  hasSpecial_ = 0;
  placeType_ = 0;
  orient_ = 0;
  x_ = y_ = 0;
  shapes_.Destroy();
  for (int i = 0; i < numPorts_; i++) delete ports_[i];
  defiFreeArray(ports_);
  numPorts_ = portsAllocated_ = 0;
  metalArea_.clear();
  metalSideArea_.clear();
  diffArea_.clear();
  cutArea_.clear();
  for (int i = 0; i < numAntennaModels_; i++) antennaModels_[i]->clear();
  numAntennaModels_ = 0;
}

void defiPin::Setup(const char* pinName, const char* netName) {
  defiCopyToBuffer(pinName_, pinNameLength_, pinName, defData_, true);
  defiCopyToBuffer(netName_, netNameLength_, netName, defData_, true);
  clear();
}

void defiPin::changePinName(const char* pinName) {
  defiCopyToBuffer(pinName_, pinNameLength_, pinName, defData_, true);
}

void defiPin::setDirection(const char* dir) {
  defiCopyToBuffer(direction_, directionLength_, dir, defData_, true);
  hasDirection_ = 1;
}

void defiPin::setUse(const char* use) {
  defiCopyToBuffer(use_, useLength_, use, defData_, true);
  hasUse_ = 1;
}

void defiPin::setNetExpr(const char* netExpr) {
  defiCopyToBuffer(netExpr_, netExprLength_, netExpr, defData_, true);
  hasNetExpr_ = 1;
}

void defiPin::setSupplySens(const char* pinName) {
  defiCopyToBuffer(supplySens_, supplySensLength_, pinName, defData_, true);
  hasSupplySens_ = 1;
}

void defiPin::setGroundSens(const char* pinName) {
  defiCopyToBuffer(groundSens_, groundSensLength_, pinName, defData_, true);
  hasGroundSens_ = 1;
}

void defiPin::setSpecial() { hasSpecial_ = 1; }

void defiPin::setPlacement(int status, int x, int y, int orient) {
  placeType_ = static_cast<char>(status);
  x_ = x;
  y_ = y;
  orient_ = static_cast<char>(orient);
}

const char* defiPin::orientStr() const { return defiOrientStr(orient_); }

void defiPin::addPort() {
  if (numPorts_ == portsAllocated_) {
    const int grown = defiNextCapacity(portsAllocated_, 4);
    defiResizeArray(ports_, numPorts_, grown);
    portsAllocated_ = grown;
  }
  ports_[numPorts_++] = new defiPinPort(defData_);
}

void defiPin::addPortLayer(const char* layer) {
  if (defiPinPort* p = lastPort()) p->addLayer(layer);
}
void defiPin::addPortLayerPts(int xl, int yl, int xh, int yh) {
  if (defiPinPort* p = lastPort()) p->addLayerPts(xl, yl, xh, yh);
}
void defiPin::addPortLayerSpacing(int s) {
  if (defiPinPort* p = lastPort()) p->addLayerSpacing(s);
}
void defiPin::addPortLayerDesignRuleWidth(int w) {
  if (defiPinPort* p = lastPort()) p->addLayerDesignRuleWidth(w);
}
void defiPin::addPortLayerMask(int m) {
  if (defiPinPort* p = lastPort()) p->addLayerMask(m);
}
void defiPin::addPortPolygon(const char* layer) {
  if (defiPinPort* p = lastPort()) p->addPolygon(layer);
}
void defiPin::addPortPolygonPts(defiGeometries* geom) {
  if (defiPinPort* p = lastPort()) p->addPolygonPts(geom);
}
void defiPin::addPortPolySpacing(int s) {
  if (defiPinPort* p = lastPort()) p->addPolySpacing(s);
}
void defiPin::addPortPolyDesignRuleWidth(int w) {
  if (defiPinPort* p = lastPort()) p->addPolyDesignRuleWidth(w);
}
void defiPin::addPortPolyMask(int m) {
  if (defiPinPort* p = lastPort()) p->addPolyMask(m);
}
void defiPin::addPortVia(const char* via, int x, int y, int mask) {
  if (defiPinPort* p = lastPort()) p->addVia(via, x, y, mask);
}
void defiPin::setPortPlacement(int status, int x, int y, int orient) {
  if (defiPinPort* p = lastPort()) p->setPlacement(status, x, y, orient);
}

const defiPinPort* defiPin::pinPort(int index) const {
  return defiCheckIndex(index, numPorts_, kBoundsWarning, defData_) ? ports_[index]
                                                                    : nullptr;
}

// The slots and their models live as long as the pin; later pins reuse them.
void defiPin::addAntennaModel(int oxide) {
  if (numAntennaModels_ == antennaModelsAllocated_) {
    const int grown = defiNextCapacity(antennaModelsAllocated_, 4);
    defiResizeArray(antennaModels_, antennaModelsAllocated_, grown);
    for (int i = antennaModelsAllocated_; i < grown; i++)
      antennaModels_[i] = new defiPinAntennaModel(defData_);
    antennaModelsAllocated_ = grown;
  }
  defiPinAntennaModel* model = antennaModels_[numAntennaModels_++];
  model->clear();
  model->setAntennaModel(oxide);
}

defiPinAntennaModel* defiPin::lastModel() {
  if (numAntennaModels_ == 0) addAntennaModel(1);
  return antennaModels_[numAntennaModels_ - 1];
}

void defiPin::addAPinGateArea(int value, const char* layer) {
  lastModel()->addAPinGateArea(value, layer);
}
void defiPin::addAPinMaxAreaCar(int value, const char* layer) {
  lastModel()->addAPinMaxAreaCar(value, layer);
}
void defiPin::addAPinMaxSideAreaCar(int value, const char* layer) {
  lastModel()->addAPinMaxSideAreaCar(value, layer);
}
void defiPin::addAPinMaxCutCar(int value, const char* layer) {
  lastModel()->addAPinMaxCutCar(value, layer);
}

const defiPinAntennaModel* defiPin::antennaModel(int index) const {
  return defiInRange(index, numAntennaModels_) ? antennaModels_[index] : nullptr;
}

void defiPin::print(FILE* f) const {
  fprintf(f, "PINS '%s' on net '%s'\n", pinName_, netName_);
  if (hasDirection_) fprintf(f, "+ DIRECTION '%s'\n", direction_);
  if (hasNetExpr_) fprintf(f, "+ NETEXPR '%s'\n", netExpr_);
  if (hasSupplySens_) fprintf(f, "+ SUPPLYSENSITIVITY '%s'\n", supplySens_);
  if (hasGroundSens_) fprintf(f, "+ GROUNDSENSITIVITY '%s'\n", groundSens_);
  if (hasUse_) fprintf(f, "+ USE '%s'\n", use_);
  for (int i = 0; i < numLayer(); i++) {
    int xl = 0, yl = 0, xh = 0, yh = 0;
    bounds(i, &xl, &yl, &xh, &yh);
    fprintf(f, "+ LAYER '%s' %d %d %d %d\n", layer(i), xl, yl, xh, yh);
  }
  for (int i = 0; i < numPolygons(); i++) {
    fprintf(f, "+ POLYGON %s", polygonName(i));
    if (hasPolygonSpacing(i)) fprintf(f, " SPACING %d", polygonSpacing(i));
    if (hasPolygonDesignRuleWidth(i)) fprintf(f, " DESIGNRULEWIDTH %d", polygonDesignRuleWidth(i));
    const defiPointList pts = getPolygon(i);
    for (int j = 0; j < pts.numPoints; j++) fprintf(f, " %d %d", pts.x[j], pts.y[j]);
    fprintf(f, "\n");
  }
  for (int i = 0; i < numVias(); i++) {
    const char* name = viaName(i);  // never null in range; the compiler cannot tell
    fprintf(f, "+ VIA %s %d %d\n", name ? name : "", viaPtX(i), viaPtY(i));
  }
  static const char* const kStatus[] = {"", "UNPLACED", "PLACED", "FIXED", "COVER"};
  if (placeType_ > 1 && placeType_ <= 4) {
    fprintf(f, "  %s %d %d %s\n", kStatus[static_cast<int>(placeType_)], x_, y_, orientStr());
  } else if (placeType_ == 1) {
    fprintf(f, "  UNPLACED\n");
  }
  if (hasSpecial_) fprintf(f, "+ SPECIAL\n");
}

}  // namespace LefDefParser
