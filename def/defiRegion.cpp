#include "def/defiRegion.h"

namespace LefDefParser {

defiRegion::defiRegion(defrData* data) : defData_(data) { Init(); }

defiRegion::~defiRegion() { Destroy(); }

void defiRegion::Init() {
  name_ = nullptr;
  nameSize_ = 0;
  numRects_ = 0;
  rectsAllocated_ = 1;
  xl_ = yl_ = xh_ = yh_ = nullptr;
  defiResizeAll(0, rectsAllocated_, xl_, yl_, xh_, yh_);
  type_ = nullptr;
  props_.Init();
  clear();
}

void defiRegion::Destroy() {
  defiFreeText(name_);
  nameSize_ = 0;
  clear();
  defiFreeArray(xl_);
  defiFreeArray(yl_);
  defiFreeArray(xh_);
  defiFreeArray(yh_);
  rectsAllocated_ = 0;
  props_.Destroy();
}

// The type goes back to null: hasType() tests it, and Destroy clears once more.
void defiRegion::clear() {
  props_.clear();
  defiFreeText(type_);
  numRects_ = 0;
}

void defiRegion::setup(const char* name) {
  clear();
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

void defiRegion::addRect(int xl, int yl, int xh, int yh) {
  if (numRects_ == rectsAllocated_) {
    const int grown = defiNextCapacity(rectsAllocated_, 1);
    defiResizeAll(numRects_, grown, xl_, yl_, xh_, yh_);
    rectsAllocated_ = grown;
  }
  xl_[numRects_] = xl;
  yl_[numRects_] = yl;
  xh_[numRects_] = xh;
  yh_[numRects_] = yh;
  numRects_++;
}

void defiRegion::setType(const char* type) {
  defiFreeText(type_);
  type_ = defiDupText(type, defData_, true);
}

int defiRegion::rectValue(const int* values, int index) const {
  static const defiIndexCheck kCheck{
      6131,
      "ERROR (DEFPARS-6131): The index number %d specified for the REGION RECTANGLE is "
      "invalide.\nValid index number is from 0 to %d. Specify a valid index number and then "
      "try again."};
  return defiCheckIndex(index, numRects_, kCheck, defData_) ? values[index] : 0;
}

defiIndexCheck defiRegion::propCheck() {
  return {6130,
          "ERROR (DEFPARS-6130): The index number %d specified for the REGION PROPERTY is "
          "invalide.\nValid index number is from 0 to %d. Specify a valid index number and "
          "then try again."};
}

void defiRegion::print(FILE* f) const {
  fprintf(f, "Region '%s'", name_ ? name_ : "");
  for (int i = 0; i < numRects_; i++)
    fprintf(f, " %d %d %d %d", xl_[i], yl_[i], xh_[i], yh_[i]);
  fprintf(f, "\n");
}

}  // namespace LefDefParser
