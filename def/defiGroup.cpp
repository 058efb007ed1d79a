#include "def/defiGroup.h"

namespace LefDefParser {

defiGroup::defiGroup(defrData* data) : defData_(data) { Init(); }

defiGroup::~defiGroup() { Destroy(); }

void defiGroup::Init() {
  name_ = regionName_ = nullptr;
  nameSize_ = regionNameSize_ = 0;
  props_.Init();
  clear();
}

void defiGroup::Destroy() {
  defiFreeText(name_);
  defiFreeText(regionName_);
  nameSize_ = regionNameSize_ = 0;
  clear();
  rects_.release();
  props_.Destroy();
}

void defiGroup::clear() {
  hasRegionName_ = hasPerim_ = hasMaxX_ = hasMaxY_ = 0;
  maxX_ = maxY_ = perim_ = 0;
  rects_.clear();
  props_.clear();
}

void defiGroup::setup(const char* name) {
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
  clear();
}

void defiGroup::setRegionName(const char* name) {
  defiCopyToBuffer(regionName_, regionNameSize_, name, defData_, true);
  hasRegionName_ = 1;
}

void defiGroup::addRegionRect(int xl, int yl, int xh, int yh) { rects_.add(xl, yl, xh, yh); }

void defiGroup::setMaxX(int x) {
  hasMaxX_ = 1;
  maxX_ = x;
}

void defiGroup::setMaxY(int y) {
  hasMaxY_ = 1;
  maxY_ = y;
}

void defiGroup::setPerim(int p) {
  hasPerim_ = 1;
  perim_ = p;
}

void defiGroup::regionRects(int* size, int** xl, int** yl, int** xh, int** yh) const {
  *size = rects_.num();
  *xl = rects_.array(0);
  *yl = rects_.array(1);
  *xh = rects_.array(2);
  *yh = rects_.array(3);
}

defiIndexCheck defiGroup::propCheck() {
  return {6050,
          "ERROR (LEFPARS-6050): The index number %d given for the GROUP PROPERTY is "
          "invalid.\nValid index is from 0 to %d"};
}

void defiGroup::print(FILE* f) const {
  fprintf(f, "Group '%s'\n", name_ ? name_ : "");
  if (hasRegionName_) fprintf(f, "  region name '%s'\n", regionName_);
  for (int i = 0; i < rects_.num(); i++)
    fprintf(f, "  region box %d,%d %d,%d\n", rects_.at(i, 0), rects_.at(i, 1), rects_.at(i, 2),
            rects_.at(i, 3));
  if (hasMaxX_) fprintf(f, "  max x %d\n", maxX_);
  if (hasMaxY_) fprintf(f, "  max y %d\n", maxY_);
  if (hasPerim_) fprintf(f, "  perim %d\n", perim_);
}

}  // namespace LefDefParser
