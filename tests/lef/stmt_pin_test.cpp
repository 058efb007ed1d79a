// The PIN statement: values the Pin callback receives, version rules of the
// pin statements, the antenna syntax rules and PORT.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lef/lefrData.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiPin;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

std::string layerOf(const char* layer) { return layer ? layer : "(null)"; }

int pinCbk(lefrCallbackType_e type, lefiPin* pin, void*) {
  std::string line = "pin " + std::to_string(type) + " " + pin->name();
  if (pin->hasDirection()) line += std::string(" dir '") + pin->direction() + "'";
  if (pin->hasUse()) line += std::string(" use '") + pin->use() + "'";
  if (pin->hasShape()) line += std::string(" shape '") + pin->shape() + "'";
  if (pin->hasMustjoin()) line += std::string(" mustjoin ") + pin->mustjoin();
  if (pin->hasLEQ()) line += std::string(" leq ") + pin->LEQ();
  if (pin->hasCapacitance()) line += " cap " + num(pin->capacitance());
  if (pin->hasLeakage()) line += " leakage " + num(pin->leakage());
  if (pin->hasMaxdelay()) line += " maxdelay " + num(pin->maxdelay());
  if (pin->hasOutMargin())
    line += " outmargin " + num(pin->outMarginHigh()) + " " + num(pin->outMarginLow());
  if (pin->hasCurrentSource()) line += std::string(" cs ") + pin->currentSource();
  if (pin->hasTables())
    line += std::string(" tables ") + pin->tableHighName() + " " + pin->tableLowName();
  if (pin->hasTaperRule()) line += std::string(" taper ") + pin->taperRule();
  if (pin->hasNetExpr()) line += std::string(" netexpr ") + pin->netExpr();
  if (pin->hasSupplySensitivity()) line += std::string(" supply ") + pin->supplySensitivity();
  if (pin->hasGroundSensitivity()) line += std::string(" ground ") + pin->groundSensitivity();
  for (int i = 0; i < pin->numForeigns(); i++)
    line += std::string(" foreign ") + pin->foreignName(i) + " " +
            std::to_string(pin->hasForeignPoint(i)) + " " + num(pin->foreignX(i)) + " " +
            num(pin->foreignY(i)) + " " + std::to_string(pin->foreignOrient(i));
  for (int i = 0; i < pin->numAntennaSize(); i++)
    line += " size " + num(pin->antennaSize(i)) + " " + layerOf(pin->antennaSizeLayer(i));
  for (int i = 0; i < pin->numAntennaPartialMetalArea(); i++)
    line += " pma " + num(pin->antennaPartialMetalArea(i)) + " " +
            layerOf(pin->antennaPartialMetalAreaLayer(i));
  for (int i = 0; i < pin->numAntennaDiffArea(); i++)
    line += " diff " + num(pin->antennaDiffArea(i)) + " " + layerOf(pin->antennaDiffAreaLayer(i));
  for (int m = 0; m < pin->numAntennaModel(); m++) {
    LefDefParser::lefiPinAntennaModel* model = pin->antennaModel(m);
    line += std::string(" model ") + model->antennaOxide();
    for (int i = 0; i < model->numAntennaGateArea(); i++)
      line +=
          " gate " + num(model->antennaGateArea(i)) + " " + layerOf(model->antennaGateAreaLayer(i));
    for (int i = 0; i < model->numAntennaMaxAreaCar(); i++)
      line += " car " + num(model->antennaMaxAreaCar(i)) + " " +
              layerOf(model->antennaMaxAreaCarLayer(i));
  }
  for (int i = 0; i < pin->numProperties(); i++)
    line += std::string(" prop ") + pin->propName(i) + "=" + pin->propValue(i);
  line += " ports " + std::to_string(pin->numPorts());
  journal(line);
  for (int p = 0; p < pin->numPorts(); p++) {
    LefDefParser::lefiGeometries* g = pin->port(p);
    std::string items = " port";
    for (int i = 0; i < g->numItems(); i++) {
      switch (g->itemType(i)) {
        case LefDefParser::lefiGeomClassE:
          items += std::string(" class ") + g->getClass(i);
          break;
        case LefDefParser::lefiGeomLayerE:
          items += std::string(" layer ") + g->getLayer(i);
          break;
        case LefDefParser::lefiGeomRectE: {
          LefDefParser::lefiGeomRectItem* r = g->getRect(i);
          items += " rect " + num(r->xl) + "," + num(r->yl) + "," + num(r->xh) + "," + num(r->yh);
          break;
        }
        default:
          items += " item " + std::to_string(g->itemType(i));
      }
    }
    journal(items);
  }
  return 0;
}

int macroCbk(lefrCallbackType_e, LefDefParser::lefiMacro*, void*) { return 0; }

class PinStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetPinCbk(pinCbk);
  }
  // A library of the given version holding one macro with the pin body.
  static std::string lib(const char* version, const std::string& pinBody) {
    std::string text = std::string("VERSION ") + version + " ;\n";
    if (std::string(version) < "5.6")
      text += "NAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n";
    return text + "MACRO m\n  PIN p\n" + pinBody + "  END p\nEND m\nEND LIBRARY\n";
  }
};

TEST_F(PinStmtTest, ValuesAndPortsReachThePinCallback) {
  const char* body =
      "    DIRECTION OUTPUT TRISTATE ;\n"
      "    USE GROUND ;\n"
      "    SHAPE ;\n"
      "    MUSTJOIN q ;\n"
      "    MAXDELAY 2 ;\n"
      "    TAPERRULE tr ;\n"
      "    NETEXPR \"gnd1 VSS\" ;\n"
      "    SUPPLYSENSITIVITY VDD ;\n"
      "    GROUNDSENSITIVITY VSS ;\n"
      "    SCANUSE START ;\n"
      "    PROPERTY k v n 4 ;\n"
      "    ANTENNAPARTIALMETALAREA 0.5 LAYER metal1 ;\n"
      "    ANTENNADIFFAREA 0.25 ;\n"
      "    ANTENNAGATEAREA 1.5 LAYER metal2 ;\n"
      "    ANTENNAMODEL OXIDE2 ;\n"
      "    ANTENNAGATEAREA 2.5 ;\n"
      "    ANTENNAMAXAREACAR 10 LAYER metal1 ;\n"
      "    PORT\n"
      "      CLASS CORE ;\n"
      "      LAYER metal1 ;\n"
      "        RECT 0 0 1 2 ;\n"
      "    END\n"
      "    PORT\n"
      "    END\n";
  EXPECT_EQ(read(lib("5.8", body)), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(), Lines{});
  EXPECT_EQ(calls(),
            (Lines{"pin 21 p dir 'OUTPUT TRISTATE' use 'GROUND' shape '' mustjoin q maxdelay 2 "
                   "taper tr netexpr gnd1 VSS supply VDD ground VSS pma 0.5 metal1 diff 0.25 "
                   "(null) model OXIDE1 gate 1.5 metal2 model OXIDE2 gate 2.5 (null) car 10 "
                   "metal1 prop k=v prop n=4 ports 2",
                   " port class CORE layer metal1 rect 0,0,1,2", " port"}));
}

TEST_F(PinStmtTest, ObsoleteValuesAreStoredBefore54) {
  const char* body =
      "    LEAKAGE 1 ;\n"
      "    CAPACITANCE 0.1 ;\n"
      "    OUTPUTNOISEMARGIN 3 4 ;\n"
      "    CURRENTSOURCE RESISTIVE ;\n"
      "    IV_TABLES lo hi ;\n"
      "    LEQ q ;\n"
      "    FOREIGN cell STRUCTURE 1 2 W ;\n"
      "    ANTENNASIZE 3 LAYER metal1 ;\n";
  EXPECT_EQ(read(lib("5.3", body)), 0);
  EXPECT_EQ(warnings(), Lines{});
  EXPECT_EQ(calls(), (Lines{"pin 21 p leq q cap 0.1 leakage 1 outmargin 3 4 cs RESISTIVE tables "
                            "lo hi foreign cell 1 1 2 1 size 3 metal1 ports 0"}));
}

TEST_F(PinStmtTest, ObsoleteValuesDrawWarningsFrom54) {
  const char* body =
      "    LEAKAGE 1 ;\n"
      "    CAPACITANCE 0.1 ;\n"
      "    CURRENTSOURCE ACTIVE ;\n";
  EXPECT_EQ(read(lib("5.5", body)), 0);
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2046): MACRO LEAKAGE statement is obsolete in version 5.4 "
                   "and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, r emove this statement from the LEF file with version "
                   "5.4 or later. See file test.lef at line 7.\n",
                   "WARNING (LEFPARS-2057): MACRO CAPACITANCE statement is obsolete in version "
                   "5.4 and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.4 or later. See file test.lef at line 8.\n",
                   "WARNING (LEFPARS-2060): MACRO CURRENTSOURCE statement is obsolete in version "
                   "5.4 and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.4 or later. See file test.lef at line 9.\n"}));
  EXPECT_EQ(calls(), Lines{"pin 21 p ports 0"});
}

TEST_F(PinStmtTest, ForeignAndLeqFrom56AreIgnoredWithWarnings) {
  EXPECT_EQ(read(lib("5.6", "    FOREIGN cell ;\n    LEQ q ;\n")), 0);
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2043): FOREIGN statement in MACRO PIN is obsolete in version "
                   "5.6 and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.6 or later. See file test.lef at line 4.\n",
                   "WARNING (LEFPARS-2044): LEQ statement in MACRO PIN is obsolete in version 5.6 "
                   "and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.6 or later. See file test.lef at line 5.\n"}));
  EXPECT_EQ(calls(), Lines{"pin 21 p ports 0"});
}

TEST_F(PinStmtTest, WithoutPinCallbackNoWarningIsGiven) {
  LefDefParser::lefrUnsetPinCbk();
  EXPECT_EQ(read(lib("5.5", "    CAPACITANCE 0.1 ;\n    NETEXPR \"a b\" ;\n")), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(), Lines{});
}

// Errors of the antenna syntax rules and of the 5.6 statements: the version,
// the pin body, the errors; the value is stored all the same except for the
// 5.6 statements.
struct PinErrorCase {
  const char* name;
  const char* version;
  const char* body;
  Lines errors;
  const char* stored;  // the pin as pinCbk shows it
};

class PinErrorTest : public PinStmtTest, public ::testing::WithParamInterface<PinErrorCase> {};

TEST_P(PinErrorTest, ReportsAndStores) {
  const PinErrorCase& c = GetParam();
  if (c.errors.empty()) {
    EXPECT_EQ(read(lib(c.version, c.body)), 0);
    EXPECT_EQ(errors(), Lines{});
    EXPECT_EQ(calls(), Lines{c.stored});
    return;
  }
  // The error blocks the Pin callback; a stray number then abandons the pin
  // before its END, so the read's pin object shows what was stored.
  EXPECT_EQ(read(lib(c.version, std::string(c.body) + "    12\n")), 1);
  ASSERT_GT(errors().size(), c.errors.size());
  EXPECT_EQ(Lines(errors().begin(), errors().begin() + c.errors.size()), c.errors);
  EXPECT_EQ(calls(), Lines{});
  pinCbk(LefDefParser::lefrPinCbkType, &LefDefParser::lefData->pin, nullptr);
  EXPECT_EQ(calls(), Lines{c.stored});
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PinErrorTest,
    ::testing::Values(
        PinErrorCase{"OldAfterNewIn54",
                     "5.4",
                     "    ANTENNAGATEAREA 1 ;\n    ANTENNASIZE 1.0 ;\n",
                     {"ERROR (LEFPARS-1644): ANTENNASIZE statement is a version 5.3 and earlier "
                      "syntax.\nYour lef file is defined with version 5.4. Error in file test.lef "
                      "at line 8, on token ;.\n"},
                     "pin 21 p size 1 (null) model OXIDE1 gate 1 (null) ports 0"},
        PinErrorCase{"OnlyOldIn54",
                     "5.4",
                     "    ANTENNASIZE 1.0 ;\n    ANTENNAMETALAREA 2 ;\n",
                     {},
                     "pin 21 p size 1 (null) ports 0"},
        PinErrorCase{"NewAfterOldIn54",
                     "5.4",
                     "    ANTENNASIZE 1.0 ;\n    ANTENNADIFFAREA 2 ;\n",
                     {"ERROR (LEFPARS-1650): ANTENNADIFFAREA statement is a version 5.4 and later "
                      "syntax.\nYour lef file is defined with version 5.4. Error in file test.lef "
                      "at line 8, on token ;.\n"},
                     "pin 21 p size 1 (null) diff 2 (null) ports 0"},
        PinErrorCase{"NewIn53",
                     "5.3",
                     "    ANTENNAGATEAREA 1 LAYER m1 ;\n",
                     {"ERROR (LEFPARS-1651): ANTENNAGATEAREA statement is a version 5.4 and later "
                      "syntax.\nYour lef file is defined with version 5.3. Error in file test.lef "
                      "at line 7, on token ;.\n"},
                     "pin 21 p model OXIDE1 gate 1 m1 ports 0"},
        PinErrorCase{"NewIn53x",
                     "5.3.5",
                     "    ANTENNAGATEAREA 1 LAYER m1 ;\n",
                     {},
                     "pin 21 p model OXIDE1 gate 1 m1 ports 0"},
        PinErrorCase{"ModelIn54",
                     "5.4",
                     "    ANTENNAMODEL OXIDE2 ;\n",
                     {"ERROR (LEFPARS-1655): ANTENNAMODEL statement is a version 5.5 and later "
                      "syntax.\nYour lef file is defined with version 5.4. Error in file test.lef "
                      "at line 7, on token ANTENNAMODEL.\n"},
                     // Selecting OXIDE2 names the empty OXIDE1 below it too.
                     "pin 21 p model OXIDE1 model OXIDE2 ports 0"},
        PinErrorCase{"NetExprIn55",
                     "5.5",
                     "    NETEXPR \"a b\" ;\n",
                     {"ERROR (LEFPARS-1656): NETEXPR statement is a version 5.6 and later "
                      "syntax.\nYour lef file is defined with version 5.5. Error in file test.lef "
                      "at line 7, on token ;.\n"},
                     "pin 21 p ports 0"},
        PinErrorCase{"SensitivityIn55",
                     "5.5",
                     "    SUPPLYSENSITIVITY a ;\n    GROUNDSENSITIVITY b ;\n",
                     {"ERROR (LEFPARS-1657): SUPPLYSENSITIVITY statement is a version 5.6 and "
                      "later syntax.\nYour lef file is defined with version 5.5. Error in file "
                      "test.lef at line 7, on token ;.\n",
                      "ERROR (LEFPARS-1658): GROUNDSENSITIVITY statement is a version 5.6 and "
                      "later syntax.\nYour lef file is defined with version 5.5. Error in file "
                      "test.lef at line 8, on token ;.\n"},
                     "pin 21 p ports 0"}),
    [](const ::testing::TestParamInfo<PinErrorCase>& info) { return info.param.name; });

TEST_F(PinStmtTest, EndNameMismatchNeedsTheMacroCallback) {
  const char* text = "VERSION 5.8 ;\nMACRO m\n  PIN a\n  END b\nEND m\nEND LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(), Lines{"pin 21 a ports 0"});

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrSetMacroCbk(macroCbk);
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1643): END PIN name b is different from the PIN name "
                            "a.\nCorrect the LEF file before rerunning it through the LEF parser. "
                            "Error in file test.lef at line 4, on token b.\n"});
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(PinStmtTest, PortWithALayerAndNoShapeWarnsAtItsEnd) {
  EXPECT_EQ(read(lib("5.8", "    PORT\n      LAYER M1 ;\n    END\n")), 0);
  EXPECT_EQ(warnings(), Lines{"WARNING (LEFPARS-2065): Either PATH, RECT or POLYGON statement is a "
                              "required in MACRO/PIN/PORT. See file test.lef at line 6.\n"});
  EXPECT_EQ(calls(), (Lines{"pin 21 p ports 1", " port layer M1"}));
}

TEST_F(PinStmtTest, PinNamesSpellingKeywordsOrNumbers) {
  EXPECT_EQ(read("VERSION 5.8 ;\nMACRO m\n  PIN Y\n  END Y\n  PIN 1\n  END 1\nEND m\nEND "
                 "LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"pin 21 Y ports 0", "pin 21 1 ports 0"}));
}

}  // namespace
