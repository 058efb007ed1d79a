#include "lef/lefiUnits.h"

#include "lef/lefiUtil.h"

namespace LefDefParser {

lefiUnits::lefiUnits()
    : hasDatabase_(0),
      hasCapacitance_(0),
      hasResistance_(0),
      hasTime_(0),
      hasPower_(0),
      hasCurrent_(0),
      hasVoltage_(0),
      hasFrequency_(0),
      databaseName_(nullptr),
      databaseNumber_(0.0),
      capacitance_(0.0),
      resistance_(0.0),
      power_(0.0),
      time_(0.0),
      current_(0.0),
      voltage_(0.0),
      frequency_(0.0) {
  Init();
}

lefiUnits::~lefiUnits() { Destroy(); }

void lefiUnits::Init() { clear(); }

void lefiUnits::Destroy() { clear(); }

void lefiUnits::clear() {
  lefiFreeStr(databaseName_);
  hasDatabase_ = hasCapacitance_ = hasResistance_ = hasTime_ = 0;
  hasPower_ = hasCurrent_ = hasVoltage_ = hasFrequency_ = 0;
}

void lefiUnits::setDatabase(const char* name, double number) {
  lefiFreeStr(databaseName_);
  databaseName_ = lefiCopyStr(name, true);
  databaseNumber_ = number;
  hasDatabase_ = 1;
}

#define LEFI_UNITS_SETTER(Name, field)   \
  void lefiUnits::set##Name(double num) { \
    field##_ = num;                       \
    has##Name##_ = 1;                     \
  }
LEFI_UNITS_SETTER(Time, time)
LEFI_UNITS_SETTER(Capacitance, capacitance)
LEFI_UNITS_SETTER(Resistance, resistance)
LEFI_UNITS_SETTER(Power, power)
LEFI_UNITS_SETTER(Current, current)
LEFI_UNITS_SETTER(Voltage, voltage)
LEFI_UNITS_SETTER(Frequency, frequency)
#undef LEFI_UNITS_SETTER

void lefiUnits::print(FILE* f) const {
  fprintf(f, "Units:\n");
  if (hasTime_) fprintf(f, "  %g nanoseconds\n", time_);
  if (hasCapacitance_) fprintf(f, "  %g picofarads\n", capacitance_);
  if (hasResistance_) fprintf(f, "  %g ohms\n", resistance_);
  if (hasPower_) fprintf(f, "  %g milliwatts\n", power_);
  if (hasCurrent_) fprintf(f, "  %g milliamps\n", current_);
  if (hasVoltage_) fprintf(f, "  %g volts\n", voltage_);
  if (hasFrequency_) fprintf(f, "  %g frequency\n", frequency_);
  if (hasDatabase_) fprintf(f, "  %s %g\n", databaseName_, databaseNumber_);
}

}  // namespace LefDefParser
