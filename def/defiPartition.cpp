#include "def/defiPartition.h"

#include <initializer_list>

#include "def/defiDebug.h"

namespace LefDefParser {

defiPartition::defiPartition(defrData* data) : defData_(data) { Init(); }

defiPartition::~defiPartition() { Destroy(); }

void defiPartition::Init() {
  name_ = inst_ = pin_ = nullptr;
  nameSize_ = instSize_ = pinSize_ = 0;
  numPins_ = pinsCap_ = 0;
  pins_ = nullptr;
  clear();
}

void defiPartition::Destroy() {
  clear();
  defiFreeText(name_);
  defiFreeText(inst_);
  defiFreeText(pin_);
  nameSize_ = instSize_ = pinSize_ = 0;
  defiFreeArray(pins_);
  pinsCap_ = 0;
}

void defiPartition::clear() {
  setup_ = hold_ = direction_ = kind_ = ' ';
  for (char* text : {name_, inst_, pin_})
    if (text) text[0] = '\0';
  hasMin_ = hasMax_ = 0;
  for (int i = 0; i < numPins_; i++) defiFreeText(pins_[i]);
  numPins_ = 0;
  for (char& h : has_) h = 0;
}

void defiPartition::setName(const char* name) {
  clear();
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

void defiPartition::setMember(char direction, char kind, const char* inst, const char* pin) {
  direction_ = direction;
  kind_ = kind;
  defiCopyToBuffer(inst_, instSize_, inst, defData_, true);
  defiCopyToBuffer(pin_, pinSize_, pin, defData_, true);
}

static bool turnOffLetter(const char* word, char* letter) {
  const char c = word ? word[0] : '\0';
  if (c != ' ' && c != 'R' && c != 'F') return false;
  *letter = c;
  return true;
}

void defiPartition::addTurnOff(const char* setup, const char* hold) {
  if (!turnOffLetter(setup, &setup_))
    defiError(0, 6100, "ERROR (DEFPARS-6100): The value spefified for PARTITION SETUP is "
              "invalid. The valid value for SETUP is 'R' or 'F'. Specify a valid value for "
              "SETUP and then try again.", defData_);
  if (!turnOffLetter(hold, &hold_))
    defiError(0, 6101, "ERROR (DEFPARS-6101): The value spefified for PARTITION HOLD is "
              "invalid. The valid value for HOLD is 'R' or 'F'. Specify a valid value for "
              "HOLD and then try again.", defData_);
}

void defiPartition::setMin(double min, double max) {
  minMax_[0] = min;
  minMax_[1] = max;
  hasMin_ = 1;
}

void defiPartition::setMax(double min, double max) {
  minMax_[0] = min;
  minMax_[1] = max;
  hasMax_ = 1;
}

void defiPartition::addPin(const char* name) {
  if (numPins_ == pinsCap_) {
    const int grown = defiNextCapacity(pinsCap_, 8);
    defiResizeArray(pins_, numPins_, grown);
    pinsCap_ = grown;
  }
  pins_[numPins_++] = defiDupText(name, defData_, true);
}

void defiPartition::setValue(Timing t, double v) {
  values_[t] = v;
  has_[t] = 1;
}

void defiPartition::setRange(Timing t, double left, double right) {
  left_[t - kRiseMinRange] = left;
  right_[t - kRiseMinRange] = right;
  has_[t] = 1;
}

const char* defiPartition::itemType() const {
  switch (kind_) {
    case 'L': return "CLOCK";
    case 'I': return "IO";
    case 'C': return "COMP";
    default: return "BOGUS";
  }
}

const char* defiPartition::pin(int index) const {
  return defiInRange(index, numPins_) ? pins_[index] : nullptr;
}

void defiPartition::print(FILE* f) const {
  fprintf(f, "Partition '%s' %c\n", name(), direction_);
  fprintf(f, "  inst %s  pin %s  type %s\n", instName(), pinName(), itemType());
  for (int i = 0; i < numPins_; i++) fprintf(f, "  %s\n", pins_[i]);
  if (isSetupRise()) fprintf(f, "  SETUP RISE\n");
  if (isSetupFall()) fprintf(f, "  SETUP FALL\n");
  if (isHoldRise()) fprintf(f, "  HOLD RISE\n");
  if (isHoldFall()) fprintf(f, "  HOLD FALL\n");
  if (hasMin_) fprintf(f, "  MIN %g\n", minMax_[0]);
  if (hasMax_) fprintf(f, "  MAX %g\n", minMax_[1]);
  static const char* const kNames[] = {"RISE MIN", "FALL MIN", "RISE MAX", "FALL MAX"};
  for (int t = kRiseMin; t <= kFallMax; t++)
    if (has_[t]) fprintf(f, "  %s %g\n", kNames[t], values_[t]);
  for (int t = kRiseMinRange; t <= kFallMaxRange; t++)
    if (has_[t])
      fprintf(f, "  %s RANGE %g %g\n", kNames[t - kRiseMinRange], left_[t - kRiseMinRange],
              right_[t - kRiseMinRange]);
}

}  // namespace LefDefParser
