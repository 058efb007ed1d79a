// The library header statements of real LEF files reach their callbacks
// with the values written in the files.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "lef/lefiMisc.h"
#include "lef/lefiUnits.h"
#include "lefrReadFixture.h"

namespace lefTest {
namespace {

using namespace LefDefParser;
using Lines = std::vector<std::string>;

int onVersion(lefrCallbackType_e, double v, void*) {
  journal("VERSION " + num(v));
  return 0;
}
int onCaseSensitive(lefrCallbackType_e, int v, void*) {
  journal("NAMESCASESENSITIVE " + std::to_string(v));
  return 0;
}
int onBusBit(lefrCallbackType_e, const char* v, void*) {
  journal(std::string("BUSBITCHARS ") + v);
  return 0;
}
int onDivider(lefrCallbackType_e, const char* v, void*) {
  journal(std::string("DIVIDERCHAR ") + v);
  return 0;
}
int onClearance(lefrCallbackType_e, const char* v, void*) {
  journal(std::string("CLEARANCEMEASURE ") + v);
  return 0;
}
int onGrid(lefrCallbackType_e, double v, void*) {
  journal("MANUFACTURINGGRID " + num(v));
  return 0;
}
int onUseMinSpacing(lefrCallbackType_e, lefiUseMinSpacing* s, void*) {
  journal(std::string("USEMINSPACING ") + s->name() + " " + std::to_string(s->value()));
  return 0;
}
int onUnits(lefrCallbackType_e, lefiUnits* u, void*) {
  std::string line = "UNITS";
  if (u->hasTime()) line += " TIME " + num(u->time());
  if (u->hasCapacitance()) line += " CAPACITANCE " + num(u->capacitance());
  if (u->hasResistance()) line += " RESISTANCE " + num(u->resistance());
  if (u->hasDatabase()) line += " DATABASE " + num(u->databaseNumber());
  journal(line);
  return 0;
}

class RealLef : public LefReadTest {
 protected:
  // The callbacks the header statements use, in the order they come.
  Lines headerCalls(const char* name) {
    std::string path = std::string(VELMOR_SHARED) + "/data/lef/" + name;
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return {};
    lefrSetVersionCbk(onVersion);
    lefrSetCaseSensitiveCbk(onCaseSensitive);
    lefrSetBusBitCharsCbk(onBusBit);
    lefrSetDividerCharCbk(onDivider);
    lefrSetClearanceMeasureCbk(onClearance);
    lefrSetManufacturingCbk(onGrid);
    lefrSetUseMinSpacingCbk(onUseMinSpacing);
    lefrSetUnitsCbk(onUnits);
    lefrInit();
    FILE* f = fopen(path.c_str(), "r");
    lefrRead(f, path.c_str(), nullptr);
    fclose(f);
    return calls();
  }
  void SetUp() override {
    LefReadTest::SetUp();
    struct stat info;
    if (stat((std::string(VELMOR_SHARED) + "/data/lef").c_str(), &info) != 0)
      GTEST_SKIP() << "the shared LEF files are not here: " << VELMOR_SHARED << "/data/lef";
  }
};

TEST_F(RealLef, Osu018HeaderOfAVersion54Library) {
  EXPECT_EQ(headerCalls("osu018_stdcells.lef"),
            (Lines{"VERSION 5.4", "NAMESCASESENSITIVE 1", "BUSBITCHARS []", "DIVIDERCHAR /",
                   "UNITS DATABASE 1000", "USEMINSPACING OBS 1", "USEMINSPACING PIN 0",
                   "CLEARANCEMEASURE EUCLIDEAN", "MANUFACTURINGGRID 0.05"}));
}

TEST_F(RealLef, Sky130TechHeader) {
  EXPECT_EQ(headerCalls("sky130hd_tech.lef"),
            (Lines{"VERSION 5.7", "BUSBITCHARS []", "DIVIDERCHAR /", "USEMINSPACING OBS 0",
                   "UNITS TIME 1 CAPACITANCE 1 RESISTANCE 1 DATABASE 1000",
                   "MANUFACTURINGGRID 0.005"}));
}

TEST_F(RealLef, Gf180HeaderAroundSiteAndProperties) {
  EXPECT_EQ(headerCalls("gf180mcu_5LM_1TM_9K_9t_tech.lef"),
            (Lines{"VERSION 5.7", "BUSBITCHARS []", "DIVIDERCHAR /",
                   "UNITS CAPACITANCE 1 RESISTANCE 1 DATABASE 2000", "MANUFACTURINGGRID 0.005",
                   "CLEARANCEMEASURE EUCLIDEAN", "USEMINSPACING OBS 1"}));
}

}  // namespace
}  // namespace lefTest
