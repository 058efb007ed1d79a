#include "def/defiComponent.h"

#include "def/defiDebug.h"

namespace LefDefParser {

namespace {

// A fresh buffer of 16 bytes holding "".
char* emptyBuffer(int& size) {
  size = 16;
  char* buf = static_cast<char*>(defiMalloc(size));
  *buf = '\0';
  return buf;
}

void emptyText(char* buf) {
  if (buf) *buf = '\0';
}

}  // namespace

// ---- defiComponentMaskShiftLayer

defiComponentMaskShiftLayer::defiComponentMaskShiftLayer(defrData* data)
    : defData_(data) {
  Init();
}

defiComponentMaskShiftLayer::~defiComponentMaskShiftLayer() { Destroy(); }

void defiComponentMaskShiftLayer::Init() {
  numLayers_ = 0;
  layersAllocated_ = 0;
  bumpLayers(16);
}

void defiComponentMaskShiftLayer::Destroy() {
  clear();
  defiFreeArray(layers_);
  layersAllocated_ = 0;
}

void defiComponentMaskShiftLayer::clear() {
  for (int i = 0; i < numLayers_; i++) defiFreeText(layers_[i]);
  numLayers_ = 0;
}

void defiComponentMaskShiftLayer::bumpLayers(int size) {
  if (size <= layersAllocated_) return;
  defiResizeArray(layers_, numLayers_, size);
  layersAllocated_ = size;
}

void defiComponentMaskShiftLayer::addMaskShiftLayer(const char* layer) {
  if (numLayers_ == layersAllocated_) bumpLayers(defiNextCapacity(layersAllocated_, 16));
  layers_[numLayers_++] = defiDupText(layer, defData_, true);
}

const char* defiComponentMaskShiftLayer::maskShiftLayer(int index) const {
  return defiInRange(index, numLayers_) ? layers_[index] : nullptr;
}

// ---- defiComponent

defiComponent::defiComponent(defrData* data) : defData_(data) { Init(); }

defiComponent::~defiComponent() { Destroy(); }

void defiComponent::Init() {
  id_ = emptyBuffer(idSize_);
  name_ = emptyBuffer(nameSize_);
  regionName_ = emptyBuffer(regionNameSize_);
  EEQ_ = emptyBuffer(EEQSize_);
  foreignName_ = emptyBuffer(foreignNameSize_);
  minLayer_ = emptyBuffer(minLayerSize_);
  maxLayer_ = emptyBuffer(maxLayerSize_);
  netsAllocated_ = 16;
  nets_ = static_cast<char**>(defiMalloc(sizeof(char*) * netsAllocated_));
  numNets_ = 0;
  props_.Init();
  orient_ = x_ = y_ = 0;
  clear();
}

void defiComponent::Destroy() {
  clear();
  defiFreeText(id_);
  defiFreeText(name_);
  defiFreeText(regionName_);
  defiFreeText(EEQ_);
  defiFreeText(foreignName_);
  defiFreeText(minLayer_);
  defiFreeText(maxLayer_);
  defiFreeText(generateName_);
  defiFreeText(macroName_);
  idSize_ = nameSize_ = regionNameSize_ = EEQSize_ = 0;
  foreignNameSize_ = minLayerSize_ = maxLayerSize_ = 0;
  generateNameSize_ = macroNameSize_ = 0;
  defiFreeArray(nets_);
  netsAllocated_ = 0;
  props_.Destroy();
  rects_.release();
}

void defiComponent::clear() {
  emptyText(id_);
  emptyText(name_);
  emptyText(regionName_);
  emptyText(EEQ_);
  emptyText(foreignName_);
  emptyText(minLayer_);
  emptyText(maxLayer_);
  status_ = 0;
  hasRegionName_ = hasEEQ_ = hasGenerate_ = hasWeight_ = hasForeignLocation_ = 0;
  rects_.clear();
  for (int i = 0; i < numNets_; i++) defiFreeText(nets_[i]);
  numNets_ = 0;
  weight_ = 0;
  defiFreeArray(maskShift_);
  maskShiftSize_ = 0;
  defiFreeText(source_);
  hasForeignName_ = 0;
  foreignOrient_ = 0;
  hasHalo_ = haloSoft_ = 0;
  leftHalo_ = bottomHalo_ = rightHalo_ = topHalo_ = 0;
  routeHaloDist_ = 0;
  props_.clear();
}

void defiComponent::IdAndName(const char* id, const char* name) {
  clear();
  changeIdAndName(id, name);
}

void defiComponent::changeIdAndName(const char* id, const char* name) {
  defiCopyToBuffer(id_, idSize_, id, defData_, true);
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

void defiComponent::setPlacementStatus(int status) { status_ = status; }

void defiComponent::setPlacementLocation(int x, int y, int orient) {
  x_ = x;
  y_ = y;
  orient_ = orient;
}

void defiComponent::setRegionName(const char* name) {
  defiCopyToBuffer(regionName_, regionNameSize_, name, defData_, true);
  hasRegionName_ = 1;
}

void defiComponent::setRegionBounds(int xl, int yl, int xh, int yh) {
  rects_.add(xl, yl, xh, yh);
}

void defiComponent::setEEQ(const char* name) {
  defiCopyToBuffer(EEQ_, EEQSize_, name, defData_, true);
  hasEEQ_ = 1;
}

void defiComponent::setGenerate(const char* name, const char* macroName) {
  defiCopyToBuffer(generateName_, generateNameSize_, name, defData_, true);
  defiCopyToBuffer(macroName_, macroNameSize_, macroName, defData_, true);
  hasGenerate_ = 1;
}

void defiComponent::setSource(const char* name) {
  defiFreeText(source_);
  source_ = defiDupText(name, defData_, true);
}

void defiComponent::setWeight(int w) {
  weight_ = w;
  hasWeight_ = 1;
}

// The last character of the text is shift 0.
void defiComponent::setMaskShift(const char* shift) {
  defiFreeArray(maskShift_);
  const int len = shift ? static_cast<int>(strlen(shift)) : 0;
  maskShift_ = static_cast<int*>(defiMalloc(sizeof(int) * (len > 0 ? len : 1)));
  for (int i = 0; i < len; i++) {
    const char c = shift[i];
    maskShift_[len - 1 - i] = c >= '0' && c <= '9' ? c - '0' : 0;
  }
  maskShiftSize_ = len;
}

void defiComponent::setForeignName(const char* name) {
  if (hasForeignName_) {
    defiError(1, 0, "Multiple define of '+ FOREIGN' in COMPONENT is not supported.\n",
              defData_);
  }
  defiCopyToBuffer(foreignName_, foreignNameSize_, name, defData_, true);
  hasForeignName_ = 1;
}

void defiComponent::setForeignLocation(int x, int y, int orient) {
  foreignX_ = x;
  foreignY_ = y;
  foreignOrient_ = orient;
  hasForeignLocation_ = 1;
}

void defiComponent::setHalo(int left, int bottom, int right, int top) {
  hasHalo_ = 1;
  leftHalo_ = left;
  bottomHalo_ = bottom;
  rightHalo_ = right;
  topHalo_ = top;
}

void defiComponent::setHaloSoft() { haloSoft_ = 1; }

void defiComponent::setRouteHalo(int dist, const char* minLayer, const char* maxLayer) {
  routeHaloDist_ = dist;
  defiCopyToBuffer(minLayer_, minLayerSize_, minLayer, defData_, true);
  defiCopyToBuffer(maxLayer_, maxLayerSize_, maxLayer, defData_, true);
}

void defiComponent::addNet(const char* netName) {
  if (numNets_ == netsAllocated_) {
    const int grown = defiNextCapacity(netsAllocated_, 16);
    defiResizeArray(nets_, numNets_, grown);
    netsAllocated_ = grown;
  }
  nets_[numNets_++] = defiDupText(netName, defData_, true);
}

void defiComponent::reverseNetOrder() {
  for (int i = 0, j = numNets_ - 1; i < j; i++, j--) {
    char* t = nets_[i];
    nets_[i] = nets_[j];
    nets_[j] = t;
  }
}

const char* defiComponent::placementOrientStr() const { return defiOrientStr(orient_); }

void defiComponent::regionBounds(int* size, int** xl, int** yl, int** xh,
                                 int** yh) const {
  *size = rects_.num();
  *xl = rects_.array(0);
  *yl = rects_.array(1);
  *xh = rects_.array(2);
  *yh = rects_.array(3);
}

int defiComponent::maskShift(int index) const {
  static const defiIndexCheck kCheck{0, "bad index for component maskShift"};
  return defiCheckIndex(index, maskShiftSize_, kCheck, defData_) ? maskShift_[index] : 0;
}

const char* defiComponent::net(int index) const {
  return defiInRange(index, numNets_) ? nets_[index] : nullptr;
}

void defiComponent::haloEdges(int* left, int* bottom, int* right, int* top) const {
  *left = leftHalo_;
  *bottom = bottomHalo_;
  *right = rightHalo_;
  *top = topHalo_;
}

const char* defiComponent::foreignOri() const {
  return foreignOrient_ >= 0 && foreignOrient_ < 8 ? defiOrientStr(foreignOrient_)
                                                    : nullptr;
}

void defiComponent::print(FILE* f) const {
  fprintf(f, "Component id '%s' name '%s'", id_, name_);
  static const char* const kPlaced[] = {nullptr, nullptr, " Placed", " Fixed", " Cover"};
  if (status_ >= DEFI_COMPONENT_PLACED && status_ <= DEFI_COMPONENT_COVER) {
    fprintf(f, "%s at %d,%d orient %s", kPlaced[status_], x_, y_, placementOrientStr());
  }
  fprintf(f, "\n");
  if (hasGenerate_) fprintf(f, "  generate %s %s\n", generateName_, macroName_);
  if (hasWeight_) fprintf(f, "  weight %d\n", weight_);
  if (maskShiftSize_) {
    fprintf(f, "  maskShift");
    for (int i = maskShiftSize_ - 1; i >= 0; i--) fprintf(f, " %d", maskShift_[i]);
    fprintf(f, "\n");
  }
  if (source_) fprintf(f, "  source %s\n", source_);
  if (hasEEQ_) fprintf(f, "  EEQ %s\n", EEQ_);
  if (hasRegionName_) fprintf(f, "  region '%s'\n", regionName_);
  for (int i = 0; i < rects_.num(); i++)
    fprintf(f, "  region %d,%d %d,%d\n", rects_.at(i, 0), rects_.at(i, 1), rects_.at(i, 2),
            rects_.at(i, 3));
  if (numNets_) {
    fprintf(f, "  Net connections:\n");
    for (int i = 0; i < numNets_; i++) fprintf(f, "    %s\n", nets_[i]);
  }
}

}  // namespace LefDefParser
