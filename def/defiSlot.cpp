#include "def/defiSlot.h"

namespace LefDefParser {

namespace {
constexpr defiIndexCheck kSlotRectCheck{
    6160,
    "ERROR (DEFPARS-6160): The index number %d specified for the SLOT RECTANGLE is "
    "invalid.\nValid index number is from 0 to %d. Specify a valid index number and then "
    "try again."};
}  // namespace

const defiIndexCheck defiSlot::kRectChecks[4] = {kSlotRectCheck, kSlotRectCheck,
                                                 kSlotRectCheck, kSlotRectCheck};

defiSlot::defiSlot(defrData* data) : defData_(data) { Init(); }

defiSlot::~defiSlot() { Destroy(); }

void defiSlot::Init() { clear(); }

void defiSlot::Destroy() {
  defiFreeText(layerName_);
  layerNameSize_ = 0;
  polygons_.clear();
  rects_.release();
  clear();
}

void defiSlot::clear() {
  hasLayer_ = 0;
  rects_.clear();
}

void defiSlot::setLayer(const char* name) {
  defiCopyToBuffer(layerName_, layerNameSize_, name, defData_, true);
  hasLayer_ = 1;
}

void defiSlot::print(FILE* f) const {
  if (hasLayer_) fprintf(f, "- LAYER %s\n", layerName_);
  defiPrintShapes(f, rects_, polygons_);
}

}  // namespace LefDefParser
