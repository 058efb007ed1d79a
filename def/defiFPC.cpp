#include "def/defiFPC.h"

#include "def/defiDebug.h"

namespace LefDefParser {

defiFPC::defiFPC(defrData* data) : defData_(data) { Init(); }

defiFPC::~defiFPC() { Destroy(); }

void defiFPC::Init() {
  name_ = nullptr;
  nameSize_ = 0;
  partsCap_ = numParts_ = 0;
  partFlags_ = nullptr;
  partNames_ = nullptr;
  clear();
}

void defiFPC::Destroy() {
  clear();
  defiFreeText(name_);
  nameSize_ = 0;
  defiFreeArray(partFlags_);
  defiFreeArray(partNames_);
  partsCap_ = 0;
}

void defiFPC::clear() {
  direction_ = 0;
  hasAlign_ = hasMin_ = hasMax_ = hasEqual_ = 0;
  corner_ = 0;
  value_ = 0;
  for (int i = 0; i < numParts_; i++) defiFreeText(partNames_[i]);
  numParts_ = 0;
}

void defiFPC::setName(const char* name, const char* direction) {
  clear();
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
  const char d = direction ? direction[0] : '\0';
  if (d == 'H' || d == 'V')
    direction_ = d;
  else
    defiError(0, 6030, "ERROR (DEFPARS-6030): Invalid direction specified with FPC name. The "
              "valid direction is either 'H' or 'V'. Specify a valid value and then try again.",
              defData_);
}

void defiFPC::setMin(double v) {
  value_ = v;
  hasMin_ = 1;
}

void defiFPC::setMax(double v) {
  value_ = v;
  hasMax_ = 1;
}

void defiFPC::setEqual(double v) {
  value_ = v;
  hasEqual_ = 1;
}

void defiFPC::addPart(const char* name, char kind) {
  if (numParts_ == partsCap_) {
    const int grown = defiNextCapacity(partsCap_, 8);
    defiResizeAll(numParts_, grown, partFlags_, partNames_);
    partsCap_ = grown;
  }
  partFlags_[numParts_] = static_cast<char>(kind | (corner_ == 'B' ? kBottomLeftPart : 0));
  partNames_[numParts_] = defiDupText(name, defData_, true);
  numParts_++;
}

void defiFPC::getPart(int index, int* corner, int* kind, char** name) const {
  if (!defiInRange(index, numParts_)) return;
  if (corner) *corner = (partFlags_[index] & kBottomLeftPart) ? 'B' : 'T';
  if (kind) *kind = (partFlags_[index] & kRowPart) ? 'R' : 'C';
  if (name) *name = partNames_[index];
}

void defiFPC::print(FILE* f) const { fprintf(f, "FPC '%s'\n", name()); }

}  // namespace LefDefParser
