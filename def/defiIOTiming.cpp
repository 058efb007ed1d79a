#include "def/defiIOTiming.h"

#include "def/defiDebug.h"

namespace LefDefParser {

defiIOTiming::defiIOTiming(defrData* data) : defData_(data) { Init(); }

defiIOTiming::~defiIOTiming() { Destroy(); }

void defiIOTiming::Init() {
  defiCopyToBuffer(inst_, instLength_, "", defData_, false);
  defiCopyToBuffer(pin_, pinLength_, "", defData_, false);
  defiCopyToBuffer(from_, fromLength_, "", defData_, false);
  defiCopyToBuffer(to_, toLength_, "", defData_, false);
  defiCopyToBuffer(driveCell_, driveCellLength_, "", defData_, false);
  clear();
}

void defiIOTiming::Destroy() {
  defiFreeText(inst_);
  defiFreeText(pin_);
  defiFreeText(from_);
  defiFreeText(to_);
  defiFreeText(driveCell_);
  instLength_ = pinLength_ = fromLength_ = toLength_ = driveCellLength_ = 0;
}

void defiIOTiming::clear() {
  hasVariableRise_ = hasVariableFall_ = hasSlewRise_ = hasSlewFall_ = 0;
  hasCapacitance_ = hasDriveCell_ = hasFrom_ = hasTo_ = hasParallel_ = 0;
  variableFallMin_ = variableFallMax_ = variableRiseMin_ = variableRiseMax_ = 0;
  slewFallMin_ = slewFallMax_ = slewRiseMin_ = slewRiseMax_ = 0;
  capacitance_ = parallel_ = 0;
}

void defiIOTiming::setName(const char* inst, const char* pin) {
  clear();
  defiCopyToBuffer(inst_, instLength_, inst, defData_, true);
  defiCopyToBuffer(pin_, pinLength_, pin, defData_, true);
}

// 'R' or 'F' from the first letter; 0 after reporting any other.
static char riseOrFall(const char* riseFall, defrData* data) {
  if (riseFall && (*riseFall == 'R' || *riseFall == 'F')) return *riseFall;
  defiError(0, 6060,
            "ERROR (DEFPARS-6060): Invalid value specified for IOTIMING rise/fall. The valid "
            "value for rise is 'R' and for fall is 'F'. Specify a valid value and then try "
            "again.",
            data);
  return 0;
}

void defiIOTiming::setVariable(const char* riseFall, double min, double max) {
  switch (riseOrFall(riseFall, defData_)) {
    case 'R':
      variableRiseMin_ = min;
      variableRiseMax_ = max;
      hasVariableRise_ = 1;
      break;
    case 'F':
      variableFallMin_ = min;
      variableFallMax_ = max;
      hasVariableFall_ = 1;
      break;
  }
}

void defiIOTiming::setSlewRate(const char* riseFall, double min, double max) {
  switch (riseOrFall(riseFall, defData_)) {
    case 'R':
      slewRiseMin_ = min;
      slewRiseMax_ = max;
      hasSlewRise_ = 1;
      break;
    case 'F':
      slewFallMin_ = min;
      slewFallMax_ = max;
      hasSlewFall_ = 1;
      break;
  }
}

void defiIOTiming::setCapacitance(double num) {
  capacitance_ = num;
  hasCapacitance_ = 1;
}

void defiIOTiming::setDriveCell(const char* name) {
  defiCopyToBuffer(driveCell_, driveCellLength_, name, defData_, true);
  hasDriveCell_ = 1;
}

void defiIOTiming::setFrom(const char* name) {
  defiCopyToBuffer(from_, fromLength_, name, defData_, true);
  hasFrom_ = 1;
}

void defiIOTiming::setTo(const char* name) {
  defiCopyToBuffer(to_, toLength_, name, defData_, true);
  hasTo_ = 1;
}

void defiIOTiming::setParallel(double num) {
  parallel_ = num;
  hasParallel_ = 1;
}

void defiIOTiming::print(FILE* f) const {
  fprintf(f, "IOTiming '%s' '%s'\n", inst_, pin_);
  if (hasVariableRise_)
    fprintf(f, "  Variable rise  %5.2f %5.2f\n", variableRiseMin_, variableRiseMax_);
  if (hasVariableFall_)
    fprintf(f, "  Variable fall  %5.2f %5.2f\n", variableFallMin_, variableFallMax_);
  if (hasSlewRise_) fprintf(f, "  Slew rise  %5.2f %5.2f\n", slewRiseMin_, slewRiseMax_);
  if (hasSlewFall_) fprintf(f, "  Slew fall  %5.2f %5.2f\n", slewFallMin_, slewFallMax_);
  if (hasCapacitance_) fprintf(f, "  Capacitance %5.2f\n", capacitance_);
  if (hasDriveCell_) fprintf(f, "  drive cell '%s'\n", driveCell_);
  if (hasFrom_) fprintf(f, "  from pin '%s'\n", from_);
  if (hasTo_) fprintf(f, "  to pin '%s'\n", to_);
  if (hasParallel_) fprintf(f, "  parallel %5.2f\n", parallel_);
}

}  // namespace LefDefParser
