// One PARTITIONS entry. It holds a single identity (direction, pin kind, instance, pin),
// one MIN/MAX pair and one set of timing values: the members of a partition all write
// into them, and their PINS lists add up.
#ifndef DEFI_PARTITION_H
#define DEFI_PARTITION_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiPartition {
 public:
  explicit defiPartition(defrData* data);
  ~defiPartition();
  DEFI_NO_COPY(defiPartition);

  void Init();
  void Destroy();
  void clear();

  void setName(const char* name);
  void setFromIOPin(const char* pin) { setMember('F', 'I', "", pin); }
  void setToIOPin(const char* pin) { setMember('T', 'I', "", pin); }
  void setFromCompPin(const char* inst, const char* pin) { setMember('F', 'C', inst, pin); }
  void setToCompPin(const char* inst, const char* pin) { setMember('T', 'C', inst, pin); }
  void setFromClockPin(const char* inst, const char* pin) { setMember('F', 'L', inst, pin); }
  void setToClockPin(const char* inst, const char* pin) { setMember('T', 'L', inst, pin); }
  void addTurnOff(const char* setup, const char* hold);
  void setMin(double min, double max);
  void setMax(double min, double max);
  void addPin(const char* name);
  void addRiseMin(double v) { setValue(kRiseMin, v); }
  void addFallMin(double v) { setValue(kFallMin, v); }
  void addRiseMax(double v) { setValue(kRiseMax, v); }
  void addFallMax(double v) { setValue(kFallMax, v); }
  void addRiseMinRange(double l, double r) { setRange(kRiseMinRange, l, r); }
  void addFallMinRange(double l, double r) { setRange(kFallMinRange, l, r); }
  void addRiseMaxRange(double l, double r) { setRange(kRiseMaxRange, l, r); }
  void addFallMaxRange(double l, double r) { setRange(kFallMaxRange, l, r); }

  const char* name() const { return text(name_); }
  char direction() const { return direction_; }
  const char* itemType() const;
  const char* instName() const { return text(inst_); }
  const char* pinName() const { return text(pin_); }
  int numPins() const { return numPins_; }
  const char* pin(int index) const;
  int isSetupRise() const { return setup_ == 'R'; }
  int isSetupFall() const { return setup_ == 'F'; }
  int isHoldRise() const { return hold_ == 'R'; }
  int isHoldFall() const { return hold_ == 'F'; }
  int hasMin() const { return hasMin_; }
  int hasMax() const { return hasMax_; }
  // MIN and MAX share one pair: the values of the one given last.
  double partitionMin() const { return minMax_[0]; }
  double partitionMax() const { return minMax_[1]; }

  int hasRiseMin() const { return has_[kRiseMin]; }
  int hasFallMin() const { return has_[kFallMin]; }
  int hasRiseMax() const { return has_[kRiseMax]; }
  int hasFallMax() const { return has_[kFallMax]; }
  int hasRiseMinRange() const { return has_[kRiseMinRange]; }
  int hasFallMinRange() const { return has_[kFallMinRange]; }
  int hasRiseMaxRange() const { return has_[kRiseMaxRange]; }
  int hasFallMaxRange() const { return has_[kFallMaxRange]; }
  double riseMin() const { return values_[kRiseMin]; }
  double fallMin() const { return values_[kFallMin]; }
  double riseMax() const { return values_[kRiseMax]; }
  double fallMax() const { return values_[kFallMax]; }
  double riseMinLeft() const { return left_[kRiseMinRange - kRiseMinRange]; }
  double fallMinLeft() const { return left_[kFallMinRange - kRiseMinRange]; }
  double riseMaxLeft() const { return left_[kRiseMaxRange - kRiseMinRange]; }
  double fallMaxLeft() const { return left_[kFallMaxRange - kRiseMinRange]; }
  double riseMinRight() const { return right_[kRiseMinRange - kRiseMinRange]; }
  double fallMinRight() const { return right_[kFallMinRange - kRiseMinRange]; }
  double riseMaxRight() const { return right_[kRiseMaxRange - kRiseMinRange]; }
  double fallMaxRight() const { return right_[kFallMaxRange - kRiseMinRange]; }

  void print(FILE* f) const;

 private:
  enum Timing {
    kRiseMin, kFallMin, kRiseMax, kFallMax,
    kRiseMinRange, kFallMinRange, kRiseMaxRange, kFallMaxRange, kTimingCount
  };
  static const char* text(const char* s) { return s ? s : ""; }
  void setMember(char direction, char kind, const char* inst, const char* pin);
  void setValue(Timing t, double v);
  void setRange(Timing t, double left, double right);

  char* name_ = nullptr;
  int nameSize_ = 0;
  char setup_ = ' ', hold_ = ' ';
  char hasMin_ = 0, hasMax_ = 0;
  char direction_ = ' ', kind_ = ' ';
  char* inst_ = nullptr;
  int instSize_ = 0;
  char* pin_ = nullptr;
  int pinSize_ = 0;
  double minMax_[2] = {0, 0};
  int numPins_ = 0;
  int pinsCap_ = 0;
  char** pins_ = nullptr;
  char has_[kTimingCount] = {};
  double values_[4] = {};
  double left_[4] = {};
  double right_[4] = {};
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
