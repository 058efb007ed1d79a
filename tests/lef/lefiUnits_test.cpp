#include "lef/lefiUnits.h"

#include <gtest/gtest.h>

#include "lefTestDump.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::dump;

class LefiUnitsTest : public lefTest::LefLogTest {};

TEST_F(LefiUnitsTest, EveryUnitAndTheDumpOrder) {
  lefiUnits u;
  EXPECT_EQ(dump(u), "Units:\n");
  u.setDatabase("MICRONS", 2000);
  u.setFrequency(100);
  u.setVoltage(1.2);
  u.setCurrent(3);
  u.setPower(4);
  u.setResistance(5);
  u.setCapacitance(6);
  u.setTime(7);
  EXPECT_EQ(u.hasDatabase() + u.hasCapacitance() + u.hasResistance() + u.hasTime() +
                u.hasPower() + u.hasCurrent() + u.hasVoltage() + u.hasFrequency(),
            8);
  EXPECT_STREQ(u.databaseName(), "MICRONS");
  EXPECT_EQ(u.databaseNumber(), 2000.0);
  EXPECT_EQ(u.voltage(), 1.2);
  EXPECT_EQ(u.capacitance(), 6.0);
  EXPECT_EQ(dump(u),
            "Units:\n"
            "  7 nanoseconds\n"
            "  6 picofarads\n"
            "  5 ohms\n"
            "  4 milliwatts\n"
            "  3 milliamps\n"
            "  1.2 volts\n"
            "  100 frequency\n"
            "  MICRONS 2000\n");
}

TEST_F(LefiUnitsTest, ClearDropsFlagsAndNameButKeepsValues) {
  lefiUnits u;
  u.setTime(0.5);
  u.setDatabase("MICRONS", 1000);
  u.clear();
  EXPECT_EQ(u.hasTime(), 0);
  EXPECT_EQ(u.hasDatabase(), 0);
  EXPECT_EQ(u.databaseName(), nullptr);
  EXPECT_EQ(u.time(), 0.5);
  EXPECT_EQ(u.databaseNumber(), 1000.0);
  EXPECT_EQ(dump(u), "Units:\n");
}

TEST_F(LefiUnitsTest, DatabaseNameIsFoldedAndReplaced) {
  foldNames();
  lefiUnits u;
  CASE("");
  recordAllocs();
  u.setDatabase("microns", 100);
  EXPECT_STREQ(u.databaseName(), "MICRONS");
  u.setDatabase("other", 200);
  EXPECT_EQ(lefTest::liveBlocks(), 1);  // the first copy was given back
  EXPECT_STREQ(u.databaseName(), "OTHER");
  EXPECT_EQ(u.databaseNumber(), 200.0);
}

}  // namespace
}  // namespace LefDefParser
