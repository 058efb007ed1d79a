#include "def/defiFill.h"

namespace LefDefParser {

const defiIndexCheck defiFill::kRectChecks[4] = {{0, "bad index for Fill xl"},
                                                 {0, "bad index for Fill yl"},
                                                 {0, "bad index for Fill xh"},
                                                 {0, "bad index for Fill yh"}};

defiFill::defiFill(defrData* data) : defData_(data) { Init(); }

defiFill::~defiFill() { Destroy(); }

void defiFill::Init() { clear(); }

void defiFill::Destroy() {
  defiFreeText(layerName_);
  defiFreeText(viaName_);
  layerNameSize_ = viaNameSize_ = 0;
  polygons_.clear();
  viaPts_.clear();
  rects_.release();
  clear();
}

void defiFill::clear() {
  hasLayer_ = layerOpc_ = 0;
  rects_.clear();
  hasVia_ = viaOpc_ = 0;
  mask_ = 0;
}

void defiFill::setLayer(const char* name) {
  defiCopyToBuffer(layerName_, layerNameSize_, name, defData_, true);
  hasLayer_ = 1;
}

void defiFill::setVia(const char* name) {
  defiCopyToBuffer(viaName_, viaNameSize_, name, defData_, true);
  hasVia_ = 1;
}

void defiFill::print(FILE* f) const {
  if (hasLayer_) {
    fprintf(f, "- LAYER %s", layerName_);
    if (mask_) fprintf(f, " + Mask %d", mask_);
    if (layerOpc_) fprintf(f, " + OPC");
    fprintf(f, "\n");
    defiPrintShapes(f, rects_, polygons_);
  }
  if (hasVia_) {
    fprintf(f, "- VIA %s", viaName_);
    if (mask_) fprintf(f, " + MASK %d%d%d", viaTopMask(), viaCutMask(), viaBottomMask());
    if (viaOpc_) fprintf(f, " + OPC");
    fprintf(f, "\n");
    for (int i = 0; i < viaPts_.num(); i++) {
      const defiPointList p = viaPts_.get(i);
      fprintf(f, "   ");
      for (int j = 0; j < p.numPoints; j++) fprintf(f, "%d %d ", p.x[j], p.y[j]);
      fprintf(f, "\n");
    }
  }
}

}  // namespace LefDefParser
