#include "def/defiTimingDisable.h"

#include "def/defiDebug.h"

namespace LefDefParser {

defiTimingDisable::defiTimingDisable(defrData* data) : defData_(data) { Init(); }

defiTimingDisable::~defiTimingDisable() { Destroy(); }

void defiTimingDisable::Init() {
  defiCopyToBuffer(fromInst_, fromInstLength_, "", defData_, false);
  defiCopyToBuffer(toInst_, toInstLength_, "", defData_, false);
  defiCopyToBuffer(fromPin_, fromPinLength_, "", defData_, false);
  defiCopyToBuffer(toPin_, toPinLength_, "", defData_, false);
  clear();
}

void defiTimingDisable::Destroy() {
  defiFreeText(fromInst_);
  defiFreeText(toInst_);
  defiFreeText(fromPin_);
  defiFreeText(toPin_);
  fromInstLength_ = toInstLength_ = fromPinLength_ = toPinLength_ = 0;
}

void defiTimingDisable::clear() { fromTo_ = thru_ = macro_ = reentrantPaths_ = 0; }

void defiTimingDisable::setFromTo(const char* fromInst, const char* fromPin,
                                  const char* toInst, const char* toPin) {
  clear();
  fromTo_ = 1;
  defiCopyToBuffer(fromInst_, fromInstLength_, fromInst, defData_, true);
  defiCopyToBuffer(fromPin_, fromPinLength_, fromPin, defData_, true);
  defiCopyToBuffer(toInst_, toInstLength_, toInst, defData_, true);
  defiCopyToBuffer(toPin_, toPinLength_, toPin, defData_, true);
}

void defiTimingDisable::setThru(const char* inst, const char* pin) {
  clear();
  thru_ = 1;
  defiCopyToBuffer(fromInst_, fromInstLength_, inst, defData_, true);
  defiCopyToBuffer(fromPin_, fromPinLength_, pin, defData_, true);
}

void defiTimingDisable::setMacroFromTo(const char* fromPin, const char* toPin) {
  clear();
  fromTo_ = 1;
  defiCopyToBuffer(fromPin_, fromPinLength_, fromPin, defData_, true);
  defiCopyToBuffer(toPin_, toPinLength_, toPin, defData_, true);
}

void defiTimingDisable::setMacroThru(const char* pin) {
  clear();
  thru_ = 1;
  defiCopyToBuffer(fromPin_, fromPinLength_, pin, defData_, true);
}

void defiTimingDisable::setMacro(const char* name) {
  macro_ = 1;
  defiCopyToBuffer(fromInst_, fromInstLength_, name, defData_, true);
}

void defiTimingDisable::print(FILE* f) const {
  if (hasMacroFromTo())
    fprintf(f, "TimingDisable macro '%s' from '%s' to '%s'\n", fromInst_, fromPin_, toPin_);
  else if (hasMacroThru())
    fprintf(f, "TimingDisable macro '%s' thru '%s'\n", fromInst_, fromPin_);
  else if (hasFromTo())
    fprintf(f, "TimingDisable from '%s' '%s'  to '%s' '%s'\n", fromInst_, fromPin_, toInst_,
            toPin_);
  else if (hasThru())
    fprintf(f, "TimingDisable thru '%s' '%s'\n", fromInst_, fromPin_);
  else if (reentrantPaths_)
    fprintf(f, "TimingDisable reentrant paths\n");
  else
    defiError(0, 6170,
              "ERROR (DEFPARS-6170): The TimingDisable type is invalid. The valid types are "
              "FROMPIN, & THRUPIN. Specify the valid type and then try again.",
              defData_);
}

}  // namespace LefDefParser
