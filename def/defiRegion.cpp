#include "def/defiRegion.h"

namespace LefDefParser {

defiRegion::defiRegion(defrData* data) : defData_(data) { Init(); }

defiRegion::~defiRegion() { Destroy(); }

void defiRegion::Init() {
  name_ = nullptr;
  nameSize_ = 0;
  type_ = nullptr;
  props_.Init();
  clear();
}

void defiRegion::Destroy() {
  defiFreeText(name_);
  nameSize_ = 0;
  clear();
  rects_.release();
  props_.Destroy();
}

// The type goes back to null: hasType() tests it, and Destroy clears once more.
void defiRegion::clear() {
  props_.clear();
  defiFreeText(type_);
  rects_.clear();
}

void defiRegion::setup(const char* name) {
  clear();
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

void defiRegion::addRect(int xl, int yl, int xh, int yh) { rects_.add(xl, yl, xh, yh); }

void defiRegion::setType(const char* type) {
  defiFreeText(type_);
  type_ = defiDupText(type, defData_, true);
}

static const defiIndexCheck kRegionRectCheck{
    6131,
    "ERROR (DEFPARS-6131): The index number %d specified for the REGION RECTANGLE is "
    "invalide.\nValid index number is from 0 to %d. Specify a valid index number and then "
    "try again."};
const defiIndexCheck defiRegion::kRectChecks[4] = {kRegionRectCheck, kRegionRectCheck,
                                                   kRegionRectCheck, kRegionRectCheck};

defiIndexCheck defiRegion::propCheck() {
  return {6130,
          "ERROR (DEFPARS-6130): The index number %d specified for the REGION PROPERTY is "
          "invalide.\nValid index number is from 0 to %d. Specify a valid index number and "
          "then try again."};
}

void defiRegion::print(FILE* f) const {
  fprintf(f, "Region '%s'", name_ ? name_ : "");
  for (int i = 0; i < rects_.num(); i++)
    fprintf(f, " %d %d %d %d", rects_.at(i, 0), rects_.at(i, 1), rects_.at(i, 2), rects_.at(i, 3));
  fprintf(f, "\n");
}

}  // namespace LefDefParser
