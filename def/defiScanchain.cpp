#include "def/defiScanchain.h"

#include "def/defiDebug.h"

namespace LefDefParser {

namespace {

// Frees the text a slot held before it takes the (folded) new one.
void replaceText(char*& slot, const char* text, defrData* data) {
  defiFreeText(slot);
  slot = defiDupText(text, data, true);
}

const char* orNil(const char* text) { return text ? text : "NIL"; }

}  // namespace

// ---- defiOrdered

defiOrdered::defiOrdered(defrData* data) : defData_(data) { Init(); }

defiOrdered::~defiOrdered() { Destroy(); }

void defiOrdered::Init() {
  num_ = 0;
  cap_ = 32;
  inst_ = in_ = out_ = nullptr;
  bits_ = nullptr;
  defiResizeAll(0, cap_, inst_, in_, out_, bits_);
}

void defiOrdered::Destroy() {
  clear();
  defiFreeArray(inst_);
  defiFreeArray(in_);
  defiFreeArray(out_);
  defiFreeArray(bits_);
  cap_ = 0;
}

void defiOrdered::clear() {
  for (int i = 0; i < num_; i++) {
    defiFreeText(inst_[i]);
    defiFreeText(in_[i]);
    defiFreeText(out_[i]);
  }
  num_ = 0;
}

void defiOrdered::addOrdered(const char* inst) {
  if (num_ == cap_) {
    const int grown = defiNextCapacity(cap_, 32);
    defiResizeAll(num_, grown, inst_, in_, out_, bits_);
    cap_ = grown;
  }
  inst_[num_] = defiDupText(inst, defData_, true);
  in_[num_] = out_[num_] = nullptr;
  bits_[num_++] = -1;
}

void defiOrdered::addIn(const char* pin) {
  if (num_ > 0) replaceText(in_[num_ - 1], pin, defData_);
}

void defiOrdered::addOut(const char* pin) {
  if (num_ > 0) replaceText(out_[num_ - 1], pin, defData_);
}

void defiOrdered::setOrderedBits(int bits) {
  if (num_ > 0) bits_[num_ - 1] = bits;
}

// ---- defiScanchain

defiScanchain::defiScanchain(defrData* data) : defData_(data) { Init(); }

defiScanchain::~defiScanchain() { Destroy(); }

void defiScanchain::Init() {
  name_ = nullptr;
  nameSize_ = 32;
  defiResizeArray(name_, 0, nameSize_);
  name_[0] = '\0';
  hasStart_ = hasStop_ = hasPartition_ = 0;
  numOrdered_ = 0;
  orderedCap_ = 4;
  ordered_ = nullptr;
  defiResizeArray(ordered_, 0, orderedCap_);
  stopInst_ = stopPin_ = startInst_ = startPin_ = nullptr;
  commonIn_ = commonOut_ = partName_ = nullptr;
  maxBits_ = -1;
}

void defiScanchain::Destroy() {
  clear();
  defiFreeText(name_);
  nameSize_ = 0;
  defiFreeArray(ordered_);
  floating_.Destroy();
  orderedCap_ = 0;
}

void defiScanchain::clear() {
  for (int i = 0; i < numOrdered_; i++) delete ordered_[i];
  numOrdered_ = 0;
  floating_.clear();
  defiFreeText(startInst_);
  defiFreeText(startPin_);
  defiFreeText(stopInst_);
  defiFreeText(stopPin_);
  defiFreeText(commonIn_);
  defiFreeText(commonOut_);
  defiFreeText(partName_);
  hasStart_ = hasStop_ = hasPartition_ = 0;
  maxBits_ = -1;
}

void defiScanchain::setName(const char* name) {
  clear();
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

// A repeated START or STOP is reported without failing the read; the new one replaces it.
void defiScanchain::setStart(const char* inst, const char* pin) {
  if (hasStart_)
    defiError(0, 6150, "ERROR (DEFPARS-6150): The START statement in the SCANCHAINS has "
              "defined more than one time in the SCANCHAINS statement.\nUpdate the DEF file "
              "to only one START statement and then try again.", defData_);
  replaceText(startInst_, inst, defData_);
  replaceText(startPin_, pin, defData_);
  hasStart_ = 1;
}

void defiScanchain::setStop(const char* inst, const char* pin) {
  if (hasStop_)
    defiError(0, 6151, "ERROR (DEFPARS-6151): The STOP statment in the SCANCHAINS has "
              "defined more than one time in the SCANCHAINS statement.\nUpdate the DEF file "
              "to only one STOP statement and then try again.", defData_);
  replaceText(stopInst_, inst, defData_);
  replaceText(stopPin_, pin, defData_);
  hasStop_ = 1;
}

void defiScanchain::setCommonIn(const char* pin) { replaceText(commonIn_, pin, defData_); }

void defiScanchain::setCommonOut(const char* pin) { replaceText(commonOut_, pin, defData_); }

void defiScanchain::addFloatingInst(const char* inst) { floating_.addOrdered(inst); }
void defiScanchain::addFloatingIn(const char* pin) { floating_.addIn(pin); }
void defiScanchain::addFloatingOut(const char* pin) { floating_.addOut(pin); }
void defiScanchain::setFloatingBits(int bits) { floating_.setOrderedBits(bits); }

void defiScanchain::addOrderedList() {
  if (numOrdered_ == orderedCap_) {
    const int grown = defiNextCapacity(orderedCap_, 4);
    defiResizeArray(ordered_, numOrdered_, grown);
    orderedCap_ = grown;
  }
  ordered_[numOrdered_++] = new defiOrdered(defData_);
}

void defiScanchain::addOrderedInst(const char* inst) {
  if (defiOrdered* o = lastOrdered()) o->addOrdered(inst);
}

void defiScanchain::addOrderedIn(const char* pin) {
  if (defiOrdered* o = lastOrdered()) o->addIn(pin);
}

void defiScanchain::addOrderedOut(const char* pin) {
  if (defiOrdered* o = lastOrdered()) o->addOut(pin);
}

void defiScanchain::setOrderedBits(int bits) {
  if (defiOrdered* o = lastOrdered()) o->setOrderedBits(bits);
}

void defiScanchain::setPartition(const char* name, int maxBits) {
  replaceText(partName_, name, defData_);
  maxBits_ = maxBits;
  hasPartition_ = 1;
}

void defiScanchain::start(char** inst, char** pin) const {
  if (inst) *inst = startInst_;
  if (pin) *pin = startPin_;
}

void defiScanchain::stop(char** inst, char** pin) const {
  if (inst) *inst = stopInst_;
  if (pin) *pin = stopPin_;
}

void defiScanchain::floating(int* size, char*** inst, char*** in, char*** out,
                             int** bits) const {
  if (size) *size = floating_.num();
  if (inst) *inst = floating_.inst();
  if (in) *in = floating_.in();
  if (out) *out = floating_.out();
  if (bits) *bits = floating_.bits();
}

void defiScanchain::ordered(int index, int* size, char*** inst, char*** in, char*** out,
                            int** bits) const {
  const defiOrdered* o = defiInRange(index, numOrdered_) ? ordered_[index] : nullptr;
  if (size) *size = o ? o->num() : 0;
  if (inst) *inst = o ? o->inst() : nullptr;
  if (in) *in = o ? o->in() : nullptr;
  if (out) *out = o ? o->out() : nullptr;
  if (bits) *bits = o ? o->bits() : nullptr;
}

void defiScanchain::print(FILE* f) const {
  fprintf(f, "Scan chain '%s'  %d things\n", name_, floating_.num() + numOrdered_);
  if (hasStart_) fprintf(f, "  start inst '%s' pin '%s'\n", startInst_, startPin_);
  if (hasStop_) fprintf(f, "  stop inst '%s' pin '%s'\n", stopInst_, stopPin_);
  for (int i = 0; i < floating_.num(); i++)
    fprintf(f, "  floating '%s' IN=%s  OUT=%s BITS=%d\n", floating_.inst()[i],
            orNil(floating_.in()[i]), orNil(floating_.out()[i]), floating_.bits()[i]);
  for (int i = 0; i < numOrdered_; i++) {
    const defiOrdered* o = ordered_[i];
    fprintf(f, "  %d ordered\n", o->num());
    for (int j = 0; j < o->num(); j++)
      fprintf(f, "        '%s' IN=%s OUT=%s BITS=%d\n", o->inst()[j], orNil(o->in()[j]),
              orNil(o->out()[j]), o->bits()[j]);
  }
  if (commonIn_) fprintf(f, "  common in pin %s\n", commonIn_);
  if (commonOut_) fprintf(f, "  common out pin %s\n", commonOut_);
}

}  // namespace LefDefParser
