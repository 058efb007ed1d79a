#include "def/defiBlockage.h"

namespace LefDefParser {

const defiIndexCheck defiBlockage::kRectChecks[4] = {
    {0, "bad index for blockage xl"},
    {0, "bad index for blockage yl"},
    {0, "bad index for blockage xh"},
    {0, "bad index for blockage yh"}};

defiBlockage::defiBlockage(defrData* data) : defData_(data) { Init(); }

defiBlockage::~defiBlockage() { Destroy(); }

void defiBlockage::Init() { clear(); }

void defiBlockage::Destroy() {
  defiFreeText(layerName_);
  defiFreeText(componentName_);
  layerNameSize_ = componentNameSize_ = 0;
  polygons_.clear();
  rects_.release();
  clear();
}

void defiBlockage::clear() {
  hasLayer_ = hasPlacement_ = hasComponent_ = 0;
  hasSlots_ = hasFills_ = hasPushdown_ = hasExceptpgnet_ = hasSoft_ = 0;
  maxDensity_ = -1.0;
  minSpacing_ = width_ = -1;
  rects_.clear();
  mask_ = 0;
}

void defiBlockage::setLayer(const char* name) {
  defiCopyToBuffer(layerName_, layerNameSize_, name, defData_, true);
  hasLayer_ = 1;
}

void defiBlockage::setComponent(const char* name) {
  defiCopyToBuffer(componentName_, componentNameSize_, name, defData_, true);
  hasComponent_ = 1;
}

void defiBlockage::print(FILE* f) const {
  if (hasLayer_) {
    fprintf(f, "- LAYER %s", layerName_);
    if (hasComponent_) fprintf(f, " + COMPONENT %s", componentName_);
    if (hasSlots_) fprintf(f, " + SLOTS");
    if (hasFills_) fprintf(f, " + FILLS");
    if (hasPushdown_) fprintf(f, " + PUSHDOWN");
    if (hasExceptpgnet_) fprintf(f, " + EXCEPTPGNET");
    fprintf(f, "\n");
  }
  if (hasPlacement_) {
    fprintf(f, "- PLACEMENT");
    if (hasComponent_) fprintf(f, " + COMPONENT %s", componentName_);
    if (hasPushdown_) fprintf(f, " + PUSHDOWN");
    if (hasSoft_) fprintf(f, " + SOFT");
    if (hasPartial()) fprintf(f, " + PARTIAL %f", maxDensity_);
    fprintf(f, "\n");
  }
  defiPrintShapes(f, rects_, polygons_);
}

}  // namespace LefDefParser
