#include "lef/lefiVia.h"

#include <cstring>

#include "lef/lefiMessages.h"

namespace LefDefParser {

namespace {

const int kNameBufSize = 16;
const int kViaLayerStart = 3;

// A lefMalloc copy of n entries of src; null when there are none.
template <class T>
T* dupArr(const T* src, int n) {
  if (n <= 0 || !src) return nullptr;
  T* copy = static_cast<T*>(lefMalloc(sizeof(T) * n));
  memcpy(static_cast<void*>(copy), src, sizeof(T) * n);
  return copy;
}

void freePolygon(lefiGeomPolygonItem*& poly) {
  if (!poly) return;
  lefiFreeArr(poly->x);
  lefiFreeArr(poly->y);
  lefFree(poly);
  poly = nullptr;
}

}  // namespace

lefiViaLayer::lefiViaLayer()
    : name_(nullptr),
      rectColorMask_(nullptr),
      polyColorMask_(nullptr),
      xl_(nullptr),
      yl_(nullptr),
      xh_(nullptr),
      yh_(nullptr),
      polygons_(nullptr) {
  Init();
}

lefiViaLayer::~lefiViaLayer() { Destroy(); }

void lefiViaLayer::Init() {
  name_ = nullptr;
  numRects_ = 0;
  rectsAllocated_ = 2;
  lefiRegrowAll(0, rectsAllocated_, xl_, yl_, xh_, yh_, rectColorMask_);
  numPolys_ = 0;
  polysAllocated_ = 2;
  lefiRegrowAll(0, polysAllocated_, polygons_, polyColorMask_);
}

void lefiViaLayer::Destroy() {
  lefiFreeArr(xl_);
  lefiFreeArr(yl_);
  lefiFreeArr(xh_);
  lefiFreeArr(yh_);
  lefiFreeArr(rectColorMask_);
  for (int i = 0; i < numPolys_; i++) freePolygon(polygons_[i]);
  lefiFreeArr(polygons_);
  lefiFreeArr(polyColorMask_);
  lefiFreeStr(name_);
  numRects_ = rectsAllocated_ = 0;
  numPolys_ = polysAllocated_ = 0;
}

void lefiViaLayer::setName(const char* name) {
  lefiFreeStr(name_);
  name_ = lefiCopyStr(name, true);
}

void lefiViaLayer::addRect(int mask, double xl, double yl, double xh, double yh) {
  if (numRects_ == rectsAllocated_) {
    int newCap = lefiNextCap(rectsAllocated_);
    lefiRegrowAll(numRects_, newCap, xl_, yl_, xh_, yh_, rectColorMask_);
    rectsAllocated_ = newCap;
  }
  xl_[numRects_] = xl;
  yl_[numRects_] = yl;
  xh_[numRects_] = xh;
  yh_[numRects_] = yh;
  rectColorMask_[numRects_] = mask;
  numRects_++;
}

void lefiViaLayer::addPoly(int mask, lefiGeometries* geom) {
  if (!geom || geom->numItems() < 1 || geom->itemType(0) != lefiGeomPolygonE) return;
  if (numPolys_ == polysAllocated_) {
    int newCap = lefiNextCap(polysAllocated_);
    lefiRegrowAll(numPolys_, newCap, polygons_, polyColorMask_);
    polysAllocated_ = newCap;
  }
  polygons_[numPolys_] = geom->getPolygon(0);
  polyColorMask_[numPolys_] = mask;
  numPolys_++;
}

lefiViaLayer* lefiViaLayer::clone() const {
  lefiViaLayer* c = lefiNewObj<lefiViaLayer>();
  c->Destroy();  // the copy's arrays take the source's sizes
  c->name_ = lefiCopyStr(name_, false);
  c->numRects_ = c->rectsAllocated_ = numRects_;
  c->xl_ = dupArr(xl_, numRects_);
  c->yl_ = dupArr(yl_, numRects_);
  c->xh_ = dupArr(xh_, numRects_);
  c->yh_ = dupArr(yh_, numRects_);
  c->rectColorMask_ = dupArr(rectColorMask_, numRects_);
  c->numPolys_ = numPolys_;
  c->polysAllocated_ = polysAllocated_;
  // Both polygon arrays at the same capacity, so a later addPoly fits.
  lefiRegrowAll(0, polysAllocated_, c->polygons_, c->polyColorMask_);
  for (int i = 0; i < numPolys_; i++) {
    const lefiGeomPolygonItem* src = polygons_[i];
    lefiGeomPolygonItem* poly =
        static_cast<lefiGeomPolygonItem*>(lefMalloc(sizeof(lefiGeomPolygonItem)));
    poly->numPoints = src->numPoints;
    poly->x = dupArr(src->x, src->numPoints);
    poly->y = dupArr(src->y, src->numPoints);
    poly->colorMask = src->colorMask;
    c->polygons_[i] = poly;
    c->polyColorMask_[i] = polyColorMask_[i];
  }
  return c;
}

double lefiViaLayer::rectValue(const double* arr, int i) const {
  return lefiIndexOk(i, numRects_, kLefiMsgNum1420Rect, kLefiMsg1420Rect) ? arr[i] : 0.0;
}

double lefiViaLayer::xl(int i) const { return rectValue(xl_, i); }
double lefiViaLayer::yl(int i) const { return rectValue(yl_, i); }
double lefiViaLayer::xh(int i) const { return rectValue(xh_, i); }
double lefiViaLayer::yh(int i) const { return rectValue(yh_, i); }

int lefiViaLayer::rectColorMask(int i) const {
  return lefiIndexOk(i, numRects_, kLefiMsgNum1420Rect, kLefiMsg1420Rect) ? rectColorMask_[i]
                                                                         : 0;
}

int lefiViaLayer::polyColorMask(int i) const {
  return lefiIndexOk(i, numPolys_, kLefiMsgNum1420Poly, kLefiMsg1420Poly) ? polyColorMask_[i]
                                                                         : 0;
}

lefiGeomPolygonItem* lefiViaLayer::getPolygon(int i) const {
  return (i >= 0 && i < numPolys_) ? polygons_[i] : nullptr;
}

lefiVia::lefiVia()
    : name_(nullptr),
      layers_(nullptr),
      foreign_(nullptr),
      viaRuleName_(nullptr),
      botMetalLayer_(nullptr),
      cutLayer_(nullptr),
      topMetalLayer_(nullptr),
      cutPattern_(nullptr) {
  Init();
}

lefiVia::~lefiVia() { Destroy(); }

void lefiVia::Init() {
  name_ = static_cast<char*>(lefMalloc(kNameBufSize));
  name_[0] = '\0';
  nameSize_ = kNameBufSize;
  foreign_ = nullptr;
  props_.Init(0, true, kLefiMsgNum1422, kLefiMsg1422);
  numLayers_ = 0;
  layersAllocated_ = kViaLayerStart;
  layers_ = nullptr;
  lefiRegrow(layers_, 0, layersAllocated_);
  resistance_ = 0.0;
  foreignX_ = foreignY_ = 0.0;
  viaRuleName_ = botMetalLayer_ = cutLayer_ = topMetalLayer_ = cutPattern_ = nullptr;
  clear();
}

void lefiVia::clear() {
  if (name_) name_[0] = '\0';
  lefiFreeStr(foreign_);
  hasDefault_ = hasGenerated_ = hasResistance_ = hasForeignPnt_ = hasTopOfStack_ = 0;
  foreignOrient_ = -1;
  props_.clear();
  for (int i = 0; i < numLayers_; i++) lefiFreeObj(layers_[i]);
  numLayers_ = 0;
  lefiFreeStr(viaRuleName_);
  lefiFreeStr(botMetalLayer_);
  lefiFreeStr(cutLayer_);
  lefiFreeStr(topMetalLayer_);
  xCutSize_ = yCutSize_ = 0.0;
  xCutSpacing_ = yCutSpacing_ = 0.0;
  xBotEnc_ = yBotEnc_ = xTopEnc_ = yTopEnc_ = 0.0;
  numCutRows_ = numCutCols_ = 0;
  xOffset_ = yOffset_ = 0.0;
  xBotOffset_ = yBotOffset_ = xTopOffset_ = yTopOffset_ = 0.0;
  lefiFreeStr(cutPattern_);
}

void lefiVia::Destroy() {
  clear();
  lefiFreeStr(name_);
  nameSize_ = 0;
  lefiFreeArr(layers_);
  layersAllocated_ = 0;
  props_.Destroy();
}

void lefiVia::setName(const char* name, int type) {
  clear();
  if (type == 1) hasDefault_ = 1;
  if (type == 2) hasGenerated_ = 1;
  lefiSetNameBuf(name_, nameSize_, name, true);
}

void lefiVia::setResistance(double value) {
  resistance_ = value;
  hasResistance_ = 1;
}

void lefiVia::setTopOfStack() { hasTopOfStack_ = 1; }

void lefiVia::setForeign(const char* name, int hasPnt, double x, double y, int orient) {
  lefiFreeStr(foreign_);
  foreign_ = lefiCopyStr(name, true);
  hasForeignPnt_ = hasPnt;
  foreignX_ = x;
  foreignY_ = y;
  foreignOrient_ = orient;
}

void lefiVia::addProp(const char* name, const char* value, char type) {
  if (props_.num == props_.cap) bumpProps();
  props_.add(name, value, 0.0, type);
}

void lefiVia::addNumProp(const char* name, double number, const char* value, char type) {
  if (props_.num == props_.cap) bumpProps();
  props_.add(name, value, number, type);
}

void lefiVia::bumpProps() {
  int newCap = lefiNextCap(props_.cap);
  lefiRegrowAll(props_.num, newCap, props_.names, props_.values, props_.numbers, props_.types);
  props_.cap = newCap;
}

void lefiVia::addLayer(const char* name) {
  if (numLayers_ == layersAllocated_) {
    int newCap = lefiNextCap(layersAllocated_);
    lefiRegrow(layers_, numLayers_, newCap);
    layersAllocated_ = newCap;
  }
  lefiViaLayer* layer = lefiNewObj<lefiViaLayer>();
  layer->setName(name);
  layers_[numLayers_++] = layer;
}

void lefiVia::addRectToLayer(int mask, double xl, double yl, double xh, double yh) {
  if (lefiViaLayer* layer = lastLayer()) layer->addRect(mask, xl, yl, xh, yh);
}

void lefiVia::addPolyToLayer(int mask, lefiGeometries* geom) {
  if (lefiViaLayer* layer = lastLayer()) layer->addPoly(mask, geom);
}

namespace {

void replaceStr(char*& field, const char* text) {
  lefiFreeStr(field);
  field = lefiCopyStr(text, false);
}

}  // namespace

void lefiVia::setViaRule(const char* ruleName, double xSize, double ySize, const char* botLayer,
                         const char* cutLayer, const char* topLayer, double xSpacing,
                         double ySpacing, double xBotEnc, double yBotEnc, double xTopEnc,
                         double yTopEnc) {
  replaceStr(viaRuleName_, ruleName);
  replaceStr(botMetalLayer_, botLayer);
  replaceStr(cutLayer_, cutLayer);
  replaceStr(topMetalLayer_, topLayer);
  xCutSize_ = xSize;
  yCutSize_ = ySize;
  xCutSpacing_ = xSpacing;
  yCutSpacing_ = ySpacing;
  xBotEnc_ = xBotEnc;
  yBotEnc_ = yBotEnc;
  xTopEnc_ = xTopEnc;
  yTopEnc_ = yTopEnc;
}

void lefiVia::setRowCol(int numRows, int numCols) {
  numCutRows_ = numRows;
  numCutCols_ = numCols;
}

void lefiVia::setOrigin(double x, double y) {
  xOffset_ = x;
  yOffset_ = y;
}

void lefiVia::setOffset(double xBot, double yBot, double xTop, double yTop) {
  xBotOffset_ = xBot;
  yBotOffset_ = yBot;
  xTopOffset_ = xTop;
  yTopOffset_ = yTop;
}

void lefiVia::setPattern(const char* pattern) { replaceStr(cutPattern_, pattern); }

int lefiVia::hasOffset() const {
  return (xBotOffset_ != 0.0 || yBotOffset_ != 0.0 || xTopOffset_ != 0.0 || yTopOffset_ != 0.0)
             ? 1
             : 0;
}

lefiVia* lefiVia::clone() const {
  lefiVia* c = lefiNewObj<lefiVia>();
  const char* name = name_ ? name_ : "";
  lefiFreeStr(c->name_);
  c->name_ = lefiCopyStr(name, false);
  c->nameSize_ = static_cast<int>(strlen(name)) + 1;
  // The orientation code is kept exactly, N (0) included.
  if (foreign_) {
    c->foreign_ = lefiCopyStr(foreign_, false);
    c->foreignX_ = foreignX_;
    c->foreignY_ = foreignY_;
    c->foreignOrient_ = foreignOrient_;
  }
  c->hasDefault_ = hasDefault_;
  c->hasGenerated_ = hasGenerated_;
  c->hasResistance_ = hasResistance_;
  c->hasForeignPnt_ = hasForeignPnt_;
  c->hasTopOfStack_ = hasTopOfStack_;
  c->props_.cloneFrom(props_);
  int cap = numLayers_ > 0 ? numLayers_ : 2;
  lefiRegrow(c->layers_, 0, cap);
  c->layersAllocated_ = cap;
  for (int i = 0; i < numLayers_; i++) c->layers_[i] = layers_[i]->clone();
  c->numLayers_ = numLayers_;
  c->resistance_ = resistance_;
  c->viaRuleName_ = lefiCopyStr(viaRuleName_, false);
  c->botMetalLayer_ = lefiCopyStr(botMetalLayer_, false);
  c->cutLayer_ = lefiCopyStr(cutLayer_, false);
  c->topMetalLayer_ = lefiCopyStr(topMetalLayer_, false);
  c->cutPattern_ = lefiCopyStr(cutPattern_, false);
  c->xCutSize_ = xCutSize_;
  c->yCutSize_ = yCutSize_;
  c->xCutSpacing_ = xCutSpacing_;
  c->yCutSpacing_ = yCutSpacing_;
  c->xBotEnc_ = xBotEnc_;
  c->yBotEnc_ = yBotEnc_;
  c->xTopEnc_ = xTopEnc_;
  c->yTopEnc_ = yTopEnc_;
  c->numCutRows_ = numCutRows_;
  c->numCutCols_ = numCutCols_;
  c->xOffset_ = xOffset_;
  c->yOffset_ = yOffset_;
  c->xBotOffset_ = xBotOffset_;
  c->yBotOffset_ = yBotOffset_;
  c->xTopOffset_ = xTopOffset_;
  c->yTopOffset_ = yTopOffset_;
  return c;
}

const lefiViaLayer* lefiVia::layerAt(int layer) const {
  return lefiIndexOk(layer, numLayers_, kLefiMsgNum1421, kLefiMsg1421) ? layers_[layer] : nullptr;
}

const char* lefiVia::layerName(int layer) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->name() : nullptr;
}

int lefiVia::numRects(int layer) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->numRects() : 0;
}

int lefiVia::numPolygons(int layer) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->numPolygons() : 0;
}

double lefiVia::xl(int layer, int i) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->xl(i) : 0.0;
}

double lefiVia::yl(int layer, int i) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->yl(i) : 0.0;
}

double lefiVia::xh(int layer, int i) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->xh(i) : 0.0;
}

double lefiVia::yh(int layer, int i) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->yh(i) : 0.0;
}

int lefiVia::rectColorMask(int layer, int i) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->rectColorMask(i) : 0;
}

int lefiVia::polyColorMask(int layer, int i) const {
  const lefiViaLayer* l = layerAt(layer);
  return l ? l->polyColorMask(i) : 0;
}

lefiGeomPolygonItem lefiVia::getPolygon(int layer, int i) const {
  lefiGeomPolygonItem copy = {};
  const lefiViaLayer* l = layerAt(layer);
  const lefiGeomPolygonItem* poly = l ? l->getPolygon(i) : nullptr;
  if (poly) copy = *poly;
  return copy;
}

void lefiVia::print(FILE* f) const {
  fprintf(f, "Via %s:\n", name_);
  if (hasDefault_) fprintf(f, "  DEFAULT\n");
  if (foreign_) {
    fprintf(f, "  foreign %s", foreign_);
    if (hasForeignPnt_) fprintf(f, " %g,%g", foreignX_, foreignY_);
    if (hasForeignOrient()) fprintf(f, " orient %s", foreignOrientStr());
    fprintf(f, "\n");
  }
  if (hasResistance_) fprintf(f, "  RESISTANCE %g\n", resistance_);
  for (int i = 0; i < props_.num; i++) {
    if (props_.isString(i))
      fprintf(f, "  PROP %s %s\n", props_.names[i], props_.values[i]);
    else
      fprintf(f, "  PROP %s %g\n", props_.names[i], props_.numbers[i]);
  }
  for (int i = 0; i < numLayers_; i++) {
    const lefiViaLayer* l = layers_[i];
    fprintf(f, "  LAYER %s\n", l->name());
    for (int j = 0; j < l->numRects(); j++) {
      if (l->rectColorMask(j))
        fprintf(f, "    RECT MASK %d %g,%g %g,%g\n", l->rectColorMask(j), l->xl(j), l->yl(j),
                l->xh(j), l->yh(j));
      else
        fprintf(f, "    RECT %g,%g %g,%g\n", l->xl(j), l->yl(j), l->xh(j), l->yh(j));
    }
  }
}

}  // namespace LefDefParser
