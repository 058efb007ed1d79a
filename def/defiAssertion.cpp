#include "def/defiAssertion.h"

#include "def/defiDebug.h"

namespace LefDefParser {

defiAssertion::defiAssertion(defrData* data) : defData_(data) { Init(); }

defiAssertion::~defiAssertion() { Destroy(); }

void defiAssertion::Init() {
  freeItems();
  netNameLength_ = 32;
  defiResizeArray(netName_, 0, netNameLength_);
  numItemsAllocated_ = 16;
  defiResizeAll(0, numItemsAllocated_, itemTypes_, fromInst_, fromPin_, toInst_, toPin_);
  clear();
}

void defiAssertion::Destroy() {
  freeItems();
  defiFreeText(netName_);
  netNameLength_ = 0;
  defiFreeArray(itemTypes_);
  defiFreeArray(fromInst_);
  defiFreeArray(fromPin_);
  defiFreeArray(toInst_);
  defiFreeArray(toPin_);
  numItemsAllocated_ = 0;
}

void defiAssertion::clear() {
  if (netName_) *netName_ = '\0';
  isAssertion_ = isSum_ = isDiff_ = 0;
  hasRiseMin_ = hasRiseMax_ = hasFallMin_ = hasFallMax_ = 0;
  isWiredlogic_ = isDelay_ = 0;
  riseMin_ = riseMax_ = fallMin_ = fallMax_ = 0;
  freeItems();
}

void defiAssertion::freeItems() {
  for (int i = 0; i < numItems_; i++) {
    defiFreeText(fromInst_[i]);
    defiFreeText(fromPin_[i]);
    defiFreeText(toInst_[i]);
    defiFreeText(toPin_[i]);
  }
  numItems_ = 0;
}

void defiAssertion::setNetName(const char* name) {
  clear();
  defiCopyToBuffer(netName_, netNameLength_, name, defData_, true);
}

static const char kBothWiredAndDelay[] =
    "ERROR (DEFPARS-6201): Unable to process the DEF file. Both WIREDLOGIC and DELAY "
    "statements are defined in constraint/assertion.\nUpdate the DEF file to define either "
    "a WIREDLOGIC or DELAY statement only.";
static const char kBothSumAndDiff[] =
    "ERROR (DEPPARS-6202): Unable to process the DEF file. Both SUM and DIFF statements are "
    "defined in constraint/assertion.\nUpdate the DEF file to define either a SUM or DIFF "
    "statement only.";

void defiAssertion::setWiredlogic(const char* net, double dist) {
  if (isDelay_) defiError(0, 6201, kBothWiredAndDelay, defData_);
  isWiredlogic_ = 1;
  defiCopyToBuffer(netName_, netNameLength_, net, defData_, true);
  fallMax_ = dist;
}

void defiAssertion::setDelay() {
  if (isWiredlogic_) defiError(0, 6201, kBothWiredAndDelay, defData_);
  isDelay_ = 1;
}

void defiAssertion::setSum() {
  if (isDiff_) defiError(0, 6202, kBothSumAndDiff, defData_);
  isSum_ = 1;
}

void defiAssertion::setDiff() {
  if (isSum_) defiError(0, 6202, kBothSumAndDiff, defData_);
  isDiff_ = 1;
}

void defiAssertion::setRiseMin(double d) {
  riseMin_ = d;
  hasRiseMin_ = 1;
}

void defiAssertion::setRiseMax(double d) {
  riseMax_ = d;
  hasRiseMax_ = 1;
}

void defiAssertion::setFallMin(double d) {
  fallMin_ = d;
  hasFallMin_ = 1;
}

void defiAssertion::setFallMax(double d) {
  fallMax_ = d;
  hasFallMax_ = 1;
}

// Operands may be written "NET a, NET b": the comma belongs to no name.
static void dropFinalComma(char* name) {
  const size_t len = name ? strlen(name) : 0;
  if (len > 0 && name[len - 1] == ',') name[len - 1] = '\0';
}

void defiAssertion::addNet(const char* name) {
  if (!name || !*name) return;
  isWiredlogic_ = 0;
  char* copy = defiDupText(name, defData_, true);
  dropFinalComma(copy);
  addItem('n', copy, nullptr, nullptr, nullptr);
}

void defiAssertion::addPath(const char* fromInst, const char* fromPin, const char* toInst,
                            const char* toPin) {
  isWiredlogic_ = 0;
  char* last = defiDupText(toPin, defData_, true);
  dropFinalComma(last);
  addItem('p', defiDupText(fromInst, defData_, true), defiDupText(fromPin, defData_, true),
          defiDupText(toInst, defData_, true), last);
}

void defiAssertion::addItem(char type, char* a, char* b, char* c, char* d) {
  if (numItems_ == numItemsAllocated_) {
    const int grown = defiNextCapacity(numItemsAllocated_, 16);
    defiResizeAll(numItems_, grown, itemTypes_, fromInst_, fromPin_, toInst_, toPin_);
    numItemsAllocated_ = grown;
  }
  const int i = numItems_++;
  itemTypes_[i] = type;
  fromInst_[i] = a;
  fromPin_[i] = b;
  toInst_[i] = c;
  toPin_[i] = d;
}

int defiAssertion::isNet(int index) const {
  return defiInRange(index, numItems_) && itemTypes_[index] == 'n' ? 1 : 0;
}

int defiAssertion::isPath(int index) const {
  return defiInRange(index, numItems_) && itemTypes_[index] == 'p' ? 1 : 0;
}

void defiAssertion::net(int index, char** netName) const {
  if (isNet(index) && netName) *netName = fromInst_[index];
}

void defiAssertion::path(int index, char** fromInst, char** fromPin, char** toInst,
                         char** toPin) const {
  if (!isPath(index)) return;
  if (fromInst) *fromInst = fromInst_[index];
  if (fromPin) *fromPin = fromPin_[index];
  if (toInst) *toInst = toInst_[index];
  if (toPin) *toPin = toPin_[index];
}

void defiAssertion::print(FILE* f) const {
  fprintf(f, "Assertion %s\n", isAssertion_ ? "assertion" : "constraint");
}

}  // namespace LefDefParser
