#include "lef/lefiMacro.h"

namespace LefDefParser {

void lefiObstruction::setGeometries(lefiGeometries* g) {
  clear();
  geometries_ = g;
}

void lefiObstruction::print(FILE* f) const {
  fprintf(f, "  Obstruction\n");
  if (geometries_) geometries_->print(f);
}

lefiDensity::lefiDensity()
    : numLayers_(0),
      layersAllocated_(0),
      layerNames_(nullptr),
      numRects_(nullptr),
      rectsAllocated_(nullptr),
      rects_(nullptr),
      densityValues_(nullptr) {
  Init();
}

void lefiDensity::Init() {
  numLayers_ = 0;
  layersAllocated_ = 0;
  layerNames_ = nullptr;
  numRects_ = nullptr;
  rectsAllocated_ = nullptr;
  rects_ = nullptr;
  densityValues_ = nullptr;
}

void lefiDensity::clear() {
  for (int i = 0; i < numLayers_; i++) {
    lefiFreeStr(layerNames_[i]);
    lefiFreeArr(rects_[i]);
    lefiFreeArr(densityValues_[i]);
  }
  lefiFreeArr(layerNames_);
  lefiFreeArr(numRects_);
  lefiFreeArr(rectsAllocated_);
  lefiFreeArr(rects_);
  lefiFreeArr(densityValues_);
  numLayers_ = 0;
  layersAllocated_ = 0;
}

void lefiDensity::addLayer(const char* name) {
  if (numLayers_ == layersAllocated_) {
    layersAllocated_ = lefiNextCap(layersAllocated_);
    lefiRegrowAll(numLayers_, layersAllocated_, layerNames_, numRects_, rectsAllocated_,
                  rects_, densityValues_);
  }
  layerNames_[numLayers_] = lefiCopyStr(name, false);
  numRects_[numLayers_] = 0;
  rectsAllocated_[numLayers_] = 0;
  rects_[numLayers_] = nullptr;
  densityValues_[numLayers_] = nullptr;
  numLayers_++;
}

void lefiDensity::addRect(double x1, double y1, double x2, double y2, double value) {
  if (numLayers_ == 0) return;
  int k = numLayers_ - 1;
  int& count = numRects_[k];
  if (count == rectsAllocated_[k]) {
    rectsAllocated_[k] = lefiNextCap(rectsAllocated_[k]);
    lefiRegrowAll(count, rectsAllocated_[k], rects_[k], densityValues_[k]);
  }
  lefiGeomRectItem& r = rects_[k][count];
  r.xl = x1;
  r.yl = y1;
  r.xh = x2;
  r.yh = y2;
  r.colorMask = 0;
  densityValues_[k][count] = value;
  count++;
}

void lefiDensity::print(FILE* f) const {
  fprintf(f, "  DENSITY\n");
  for (int i = 0; i < numLayers_; i++) {
    fprintf(f, "    LAYER %s\n", layerNames_[i]);
    for (int j = 0; j < numRects_[i]; j++) {
      const lefiGeomRectItem& r = rects_[i][j];
      fprintf(f, "      RECT %g %g %g %g ", r.xl, r.yl, r.xh, r.yh);
      fprintf(f, "%g\n", densityValues_[i][j]);
    }
  }
}

}  // namespace LefDefParser
