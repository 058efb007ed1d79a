#include "def/defiGroup.h"

namespace LefDefParser {

defiGroup::defiGroup(defrData* data) : defData_(data) { Init(); }

defiGroup::~defiGroup() { Destroy(); }

void defiGroup::Init() {
  name_ = regionName_ = nullptr;
  nameSize_ = regionNameSize_ = 0;
  numRects_ = 0;
  rectsAllocated_ = 2;
  xl_ = yl_ = xh_ = yh_ = nullptr;
  defiResizeAll(0, rectsAllocated_, xl_, yl_, xh_, yh_);
  props_.Init();
  clear();
}

void defiGroup::Destroy() {
  defiFreeText(name_);
  defiFreeText(regionName_);
  nameSize_ = regionNameSize_ = 0;
  clear();
  defiFreeArray(xl_);
  defiFreeArray(yl_);
  defiFreeArray(xh_);
  defiFreeArray(yh_);
  rectsAllocated_ = 0;
  props_.Destroy();
}

void defiGroup::clear() {
  hasRegionName_ = hasPerim_ = hasMaxX_ = hasMaxY_ = 0;
  maxX_ = maxY_ = perim_ = 0;
  numRects_ = 0;
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

void defiGroup::addRegionRect(int xl, int yl, int xh, int yh) {
  if (numRects_ == rectsAllocated_) {
    const int grown = defiNextCapacity(rectsAllocated_, 2);
    defiResizeAll(numRects_, grown, xl_, yl_, xh_, yh_);
    rectsAllocated_ = grown;
  }
  xl_[numRects_] = xl;
  yl_[numRects_] = yl;
  xh_[numRects_] = xh;
  yh_[numRects_] = yh;
  numRects_++;
}

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
  *size = numRects_;
  *xl = xl_;
  *yl = yl_;
  *xh = xh_;
  *yh = yh_;
}

defiIndexCheck defiGroup::propCheck() {
  return {6050,
          "ERROR (LEFPARS-6050): The index number %d given for the GROUP PROPERTY is "
          "invalid.\nValid index is from 0 to %d"};
}

void defiGroup::print(FILE* f) const {
  fprintf(f, "Group '%s'\n", name_ ? name_ : "");
  if (hasRegionName_) fprintf(f, "  region name '%s'\n", regionName_);
  for (int i = 0; i < numRects_; i++)
    fprintf(f, "  region box %d,%d %d,%d\n", xl_[i], yl_[i], xh_[i], yh_[i]);
  if (hasMaxX_) fprintf(f, "  max x %d\n", maxX_);
  if (hasMaxY_) fprintf(f, "  max y %d\n", maxY_);
  if (hasPerim_) fprintf(f, "  perim %d\n", perim_);
}

}  // namespace LefDefParser
