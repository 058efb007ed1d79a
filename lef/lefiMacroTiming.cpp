#include <cstring>

#include "lef/lefiMacro.h"

namespace LefDefParser {

lefiTiming::lefiTiming()
    : numFrom_(0),
      from_(nullptr),
      fromAllocated_(0),
      numTo_(0),
      to_(nullptr),
      toAllocated_(0),
      nowRise_(0),
      numAxis_(0),
      axis_(nullptr),
      axisAllocated_(0),
      numTable_(0),
      tableAllocated_(0),
      table_(nullptr),
      stableSetup_(0.0),
      stableHold_(0.0) {
  memset(has_, 0, sizeof(has_));
  memset(delayTable_, 0, sizeof(delayTable_));
  memset(transitionTable_, 0, sizeof(transitionTable_));
  memset(riseIntrinsic_, 0, sizeof(riseIntrinsic_));
  memset(fallIntrinsic_, 0, sizeof(fallIntrinsic_));
  memset(riseSlew_, 0, sizeof(riseSlew_));
  memset(fallSlew_, 0, sizeof(fallSlew_));
#define LEFI_TIMING_PAIR_ZERO(Name, get) get##_[0] = get##_[1] = 0.0;
  LEFI_TIMING_PAIRS(LEFI_TIMING_PAIR_ZERO)
#undef LEFI_TIMING_PAIR_ZERO
  memset(SDFtrigger_, 0, sizeof(SDFtrigger_));
#define LEFI_TIMING_TEXT_NULL(field, get) field = nullptr;
  LEFI_TIMING_TEXTS(LEFI_TIMING_TEXT_NULL)
#undef LEFI_TIMING_TEXT_NULL
  Init();
}

lefiTiming::~lefiTiming() { Destroy(); }

void lefiTiming::Init() {
  fromAllocated_ = 1;
  lefiRegrow(from_, 0, fromAllocated_);
  toAllocated_ = 1;
  lefiRegrow(to_, 0, toAllocated_);
  axisAllocated_ = 1;
  lefiRegrow(axis_, 0, axisAllocated_);
  tableAllocated_ = 1;
  lefiRegrow(table_, 0, 3 * tableAllocated_);
  numFrom_ = 0;
  numTo_ = 0;
  numAxis_ = 0;
  numTable_ = 0;
  clear();
}

void lefiTiming::clear() {
  // The pin names were copied for this block only.
  for (int i = 0; i < numFrom_; i++) lefiFreeStr(from_[i]);
  for (int i = 0; i < numTo_; i++) lefiFreeStr(to_[i]);
  numFrom_ = 0;
  numTo_ = 0;
  numAxis_ = 0;
  numTable_ = 0;
  nowRise_ = 0;
  memset(has_, 0, sizeof(has_));
}

void lefiTiming::Destroy() {
  clear();
  lefiFreeArr(from_);
  fromAllocated_ = 0;
  lefiFreeArr(to_);
  toAllocated_ = 0;
  lefiFreeArr(axis_);
  axisAllocated_ = 0;
  lefiFreeArr(table_);
  tableAllocated_ = 0;
#define LEFI_TIMING_TEXT_FREE(field, get) lefiFreeStr(field);
  LEFI_TIMING_TEXTS(LEFI_TIMING_TEXT_FREE)
#undef LEFI_TIMING_TEXT_FREE
}

void lefiTiming::keep(char*& field, const char* s) {
  lefiFreeStr(field);
  field = lefiCopyStr(s, false);
}

void lefiTiming::addName(char**& names, int& num, int& cap, const char* name) {
  if (num == cap) {
    cap = lefiNextCap(cap);
    lefiRegrow(names, num, cap);
  }
  names[num++] = lefiCopyStr(name, false);
}

void lefiTiming::addFromPin(const char* name) { addName(from_, numFrom_, fromAllocated_, name); }

void lefiTiming::addToPin(const char* name) { addName(to_, numTo_, toAllocated_, name); }

void lefiTiming::addRiseFall(const char* risefall, double one, double two) {
  nowRise_ = (risefall && (risefall[0] == 'r' || risefall[0] == 'R')) ? 1 : 0;
  double* intrinsic = nowRise_ ? riseIntrinsic_ : fallIntrinsic_;
  has_[nowRise_ ? kRiseIntrinsic : kFallIntrinsic] = 1;
  intrinsic[0] = one;
  intrinsic[1] = two;
}

void lefiTiming::addRiseFallVariable(double three, double four) {
  double* intrinsic = nowRise_ ? riseIntrinsic_ : fallIntrinsic_;
  intrinsic[2] = three;
  intrinsic[3] = four;
}

void lefiTiming::addRiseFallSlew(double one, double two, double three, double four) {
  double* slew = nowRise_ ? riseSlew_ : fallSlew_;
  has_[nowRise_ ? kRiseSlew : kFallSlew] = 1;
  slew[0] = one;
  slew[1] = two;
  slew[2] = three;
  slew[3] = four;
}

void lefiTiming::addRiseFallSlew2(double five, double six, double seven) {
  double* slew = nowRise_ ? riseSlew_ : fallSlew_;
  has_[nowRise_ ? kRiseSlew2 : kFallSlew2] = 1;
  slew[4] = five;
  slew[5] = six;
  slew[6] = seven;
}

#define LEFI_TIMING_PAIR_DEF(Name, get)                     \
  void lefiTiming::set##Name(double one, double two) {      \
    get##_[0] = one;                                        \
    get##_[1] = two;                                        \
    has_[k##Name] = 1;                                      \
  }
LEFI_TIMING_PAIRS(LEFI_TIMING_PAIR_DEF)
#undef LEFI_TIMING_PAIR_DEF

void lefiTiming::addUnateness(const char* typ) {
  keep(unateness_, typ);
  has_[kUnateness] = 1;
}

void lefiTiming::setStable(double setup, double hold, const char* risefall) {
  stableSetup_ = setup;
  stableHold_ = hold;
  keep(stableRiseFall_, risefall);
  has_[kStableTiming] = 1;
}

void lefiTiming::addDelay(const char* risefall, const char* unateness, double one,
                          double two, double three) {
  keep(delayRiseOrFall_, risefall);
  keep(delayUnateness_, unateness);
  delayTable_[0] = one;
  delayTable_[1] = two;
  delayTable_[2] = three;
  has_[kDelay] = 1;
}

void lefiTiming::addTransition(const char* risefall, const char* unateness, double one,
                               double two, double three) {
  keep(transitionRiseOrFall_, risefall);
  keep(transitionUnateness_, unateness);
  transitionTable_[0] = one;
  transitionTable_[1] = two;
  transitionTable_[2] = three;
  has_[kTransition] = 1;
}

void lefiTiming::addSDF1Pin(const char* trigType, double one, double two, double three) {
  keep(SDFtriggerType_, trigType);
  SDFtrigger_[0] = one;
  SDFtrigger_[1] = two;
  SDFtrigger_[2] = three;
  has_[kSDFonePinTrigger] = 1;
}

void lefiTiming::addSDF2Pins(const char* trigType, const char* fromTrig, const char* toTrig,
                             double one, double two, double three) {
  keep(SDFtriggerType_, trigType);
  keep(SDFfromTrigger_, fromTrig);
  keep(SDFtoTrigger_, toTrig);
  SDFtrigger_[0] = one;
  SDFtrigger_[1] = two;
  SDFtrigger_[2] = three;
  has_[kSDFtwoPinTrigger] = 1;
}

void lefiTiming::setSDFcondStart(const char* condStart) {
  keep(SDFcondStart_, condStart);
  has_[kSDFcondStart] = 1;
}

void lefiTiming::setSDFcondEnd(const char* condEnd) {
  keep(SDFcondEnd_, condEnd);
  has_[kSDFcondEnd] = 1;
}

void lefiTiming::setSDFcond(const char* cond) {
  keep(SDFcond_, cond);
  has_[kSDFcond] = 1;
}

void lefiTiming::addTableAxisNumber(double one) {
  if (numAxis_ == axisAllocated_) {
    axisAllocated_ = lefiNextCap(axisAllocated_);
    lefiRegrow(axis_, numAxis_, axisAllocated_);
  }
  axis_[numAxis_++] = one;
}

void lefiTiming::addTableEntry(double one, double two, double three) {
  if (numTable_ == tableAllocated_) {
    tableAllocated_ = lefiNextCap(tableAllocated_);
    lefiRegrow(table_, 3 * numTable_, 3 * tableAllocated_);
  }
  double* entry = table_ + 3 * numTable_++;
  entry[0] = one;
  entry[1] = two;
  entry[2] = three;
}

void lefiTiming::tableEntry(int num, double* one, double* two, double* three) {
  const double* entry = table_ + 3 * num;
  *one = entry[0];
  *two = entry[1];
  *three = entry[2];
}

}  // namespace LefDefParser
