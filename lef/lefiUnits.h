// One UNITS statement.
#ifndef VELMOR_LEF_LEFIUNITS_H
#define VELMOR_LEF_LEFIUNITS_H

#include <cstdio>

namespace LefDefParser {

class lefiUnits {
 public:
  lefiUnits();
  ~lefiUnits();
  lefiUnits(const lefiUnits&) = delete;
  lefiUnits& operator=(const lefiUnits&) = delete;

  void Init();
  void Destroy();
  // Drops the name and every flag; the values keep their last contents.
  void clear();

  void setDatabase(const char* name, double number);
  void setTime(double num);
  void setCapacitance(double num);
  void setResistance(double num);
  void setPower(double num);
  void setCurrent(double num);
  void setVoltage(double num);
  void setFrequency(double num);

  int hasDatabase() const { return hasDatabase_; }
  int hasCapacitance() const { return hasCapacitance_; }
  int hasResistance() const { return hasResistance_; }
  int hasTime() const { return hasTime_; }
  int hasPower() const { return hasPower_; }
  int hasCurrent() const { return hasCurrent_; }
  int hasVoltage() const { return hasVoltage_; }
  int hasFrequency() const { return hasFrequency_; }

  const char* databaseName() const { return databaseName_; }
  double databaseNumber() const { return databaseNumber_; }
  double capacitance() const { return capacitance_; }
  double resistance() const { return resistance_; }
  double power() const { return power_; }
  double time() const { return time_; }
  double current() const { return current_; }
  double voltage() const { return voltage_; }
  double frequency() const { return frequency_; }

  void print(FILE* f) const;

 private:
  int hasDatabase_;
  int hasCapacitance_;
  int hasResistance_;
  int hasTime_;
  int hasPower_;
  int hasCurrent_;
  int hasVoltage_;
  int hasFrequency_;
  char* databaseName_;
  double databaseNumber_;
  double capacitance_;
  double resistance_;
  double power_;
  double time_;
  double current_;
  double voltage_;
  double frequency_;
};

}  // namespace LefDefParser

#endif
