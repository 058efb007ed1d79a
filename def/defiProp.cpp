#include "def/defiProp.h"

#include "def/defiDebug.h"

namespace LefDefParser {

// ---- defiProp

defiProp::defiProp(defrData* data) : defData_(data) { Init(); }

defiProp::~defiProp() { Destroy(); }

void defiProp::Init() {
  nameSize_ = 16;
  propName_ = static_cast<char*>(defiMalloc(nameSize_));
  stringLength_ = 16;
  stringData_ = static_cast<char*>(defiMalloc(stringLength_));
  clear();
}

void defiProp::Destroy() {
  defiFreeText(propName_);
  defiFreeText(stringData_);
  nameSize_ = stringLength_ = 0;
}

void defiProp::clear() {
  if (propName_) *propName_ = '\0';
  if (stringData_) *stringData_ = '\0';
  propType_ = nullptr;
  hasRange_ = hasNumber_ = hasNameMapString_ = 0;
  dataType_ = 'B';
  d_ = left_ = right_ = 0;
}

void defiProp::setPropType(const char* typ, const char* string) {
  propType_ = typ;
  defiCopyToBuffer(propName_, nameSize_, string, defData_, true);
}

void defiProp::setRange(double left, double right) {
  hasRange_ = 1;
  left_ = left;
  right_ = right;
}

void defiProp::setNumber(double num) {
  hasNumber_ = 1;
  d_ = num;
}

void defiProp::setPropQString(const char* string) {
  dataType_ = 'Q';
  defiCopyToBuffer(stringData_, stringLength_, string, defData_, true);
}

void defiProp::setPropNameMapString(const char* string) {
  dataType_ = 'N';
  hasNameMapString_ = 1;
  defiCopyToBuffer(stringData_, stringLength_, string, defData_, true);
}

void defiProp::print(FILE* f) const {
  fprintf(f, "Prop type '%s'\n", propType_ ? propType_ : "");
  if (hasString()) fprintf(f, "  string '%s'\n", stringData_);
  if (hasNumber_) fprintf(f, "  number %5.2f\n", d_);
  if (hasRange_) fprintf(f, "  range %5.2f - %5.2f\n", left_, right_);
}

// ---- defiPinProp

defiPinProp::defiPinProp(defrData* data) : defData_(data) { Init(); }

defiPinProp::~defiPinProp() { Destroy(); }

void defiPinProp::Init() {
  instNameSize_ = 16;
  instName_ = static_cast<char*>(defiMalloc(instNameSize_));
  pinNameSize_ = 16;
  pinName_ = static_cast<char*>(defiMalloc(pinNameSize_));
  *instName_ = *pinName_ = '\0';
  props_.Init();
  clear();
}

void defiPinProp::Destroy() {
  clear();
  defiFreeText(instName_);
  defiFreeText(pinName_);
  instNameSize_ = pinNameSize_ = 0;
  props_.Destroy();
}

void defiPinProp::clear() {
  props_.clear();
  isPin_ = 0;
}

void defiPinProp::setName(const char* inst, const char* pin) {
  if (inst && (strcmp(inst, "PIN") == 0 || strcmp(inst, "pin") == 0)) {
    isPin_ = 1;
    *instName_ = '\0';
  } else {
    isPin_ = 0;
    defiCopyToBuffer(instName_, instNameSize_, inst, defData_, true);
  }
  defiCopyToBuffer(pinName_, pinNameSize_, pin, defData_, true);
}

defiIndexCheck defiPinProp::propCheck() {
  return {6120,
          "ERROR (DEFPARS-6120): The index number %d specified for the PIN PROPERTY is "
          "invalide.\nValid index number is from 0 to %d. Specify a valid index number "
          "and then try again."};
}

void defiPinProp::print(FILE* f) const {
  fprintf(f, "PinProp %s %s\n", instName_, pinName_);
  for (int i = 0; i < props_.num(); i++) {
    fprintf(f, "    %s %s\n", propName(i), propValue(i));
  }
}

}  // namespace LefDefParser
