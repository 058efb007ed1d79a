// One IOTIMINGS rule: the timing of an I/O pin of the circuit.
#ifndef DEFI_IOTIMING_H
#define DEFI_IOTIMING_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiIOTiming {
 public:
  explicit defiIOTiming(defrData* data);
  ~defiIOTiming();
  DEFI_NO_COPY(defiIOTiming);

  void Init();
  void Destroy();
  void clear();

  void setName(const char* inst, const char* pin);
  // riseFall starts with R (rise) or F (fall).
  void setVariable(const char* riseFall, double min, double max);
  void setSlewRate(const char* riseFall, double min, double max);
  void setCapacitance(double num);
  void setDriveCell(const char* name);
  void setFrom(const char* name);
  void setTo(const char* name);
  void setParallel(double num);

  int hasVariableRise() const { return hasVariableRise_; }
  int hasVariableFall() const { return hasVariableFall_; }
  int hasSlewRise() const { return hasSlewRise_; }
  int hasSlewFall() const { return hasSlewFall_; }
  int hasCapacitance() const { return hasCapacitance_; }
  int hasDriveCell() const { return hasDriveCell_; }
  int hasFrom() const { return hasFrom_; }
  int hasTo() const { return hasTo_; }
  int hasParallel() const { return hasParallel_; }

  const char* inst() const { return inst_; }
  const char* pin() const { return pin_; }
  double variableFallMin() const { return variableFallMin_; }
  double variableRiseMin() const { return variableRiseMin_; }
  double variableFallMax() const { return variableFallMax_; }
  double variableRiseMax() const { return variableRiseMax_; }
  double slewFallMin() const { return slewFallMin_; }
  double slewRiseMin() const { return slewRiseMin_; }
  double slewFallMax() const { return slewFallMax_; }
  double slewRiseMax() const { return slewRiseMax_; }
  double capacitance() const { return capacitance_; }
  const char* driveCell() const { return driveCell_; }
  const char* from() const { return from_; }
  const char* to() const { return to_; }
  double parallel() const { return parallel_; }
  void print(FILE* f) const;

 private:
  char* inst_ = nullptr;
  int instLength_ = 0;
  char* pin_ = nullptr;
  int pinLength_ = 0;
  char* from_ = nullptr;
  int fromLength_ = 0;
  char* to_ = nullptr;
  int toLength_ = 0;
  char* driveCell_ = nullptr;
  int driveCellLength_ = 0;
  char hasVariableRise_ = 0, hasVariableFall_ = 0, hasSlewRise_ = 0, hasSlewFall_ = 0;
  char hasCapacitance_ = 0, hasDriveCell_ = 0, hasFrom_ = 0, hasTo_ = 0, hasParallel_ = 0;
  double variableFallMin_ = 0, variableFallMax_ = 0;
  double variableRiseMin_ = 0, variableRiseMax_ = 0;
  double slewFallMin_ = 0, slewFallMax_ = 0;
  double slewRiseMin_ = 0, slewRiseMax_ = 0;
  double capacitance_ = 0;
  double parallel_ = 0;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
