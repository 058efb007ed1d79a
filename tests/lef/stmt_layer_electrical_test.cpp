// The electrical, current-density, antenna, slot and density
// sub-statements of a LAYER: stored values and their messages.
#include <gtest/gtest.h>

#include <string>

#include "stmtLayerFixture.h"

namespace {

using lefTest::errorText;
using lefTest::Lines;
using lefTest::warningText;

const char* const kRouting =
    "  TYPE ROUTING ;\n  DIRECTION HORIZONTAL ;\n  PITCH 0.2 ;\n  WIDTH 0.1 ;\n";
const char* const kCut = "  TYPE CUT ;\n";
const char* const kMasterslice = "  TYPE MASTERSLICE ;\n";

class LayerElectricalTest : public lefTest::LayerStmtTest {
 protected:
  // LAYER L1 with the given TYPE lines and statements; the statements start
  // on the line after the TYPE lines. Files before 5.6 get the header
  // statements they require, on the VERSION line.
  int readLayer(const char* version, const char* type, const std::string& statements) {
    std::string header = std::string("VERSION ") + version + " ;";
    if (std::string(version) < "5.6")
      header += " NAMESCASESENSITIVE ON ; BUSBITCHARS \"[]\" ; DIVIDERCHAR \"/\" ;";
    return read(header + "\nLAYER L1\n" + type + statements + "END L1\nEND LIBRARY\n");
  }
};

TEST_F(LayerElectricalTest, ElectricalDensityAndCurrentValuesAreStored) {
  EXPECT_EQ(readLayer("5.8", kRouting,
                      "  RESISTANCE RPERSQ PWL ( ( 1 2 ) ( 3 4 ) ) ;\n"
                      "  CAPACITANCE CPERSQDIST 0.5 ;\n"
                      "  HEIGHT 1.2 ;\n"
                      "  THICKNESS 0.3 ;\n"
                      "  WIREEXTENSION 0.05 ;\n"
                      "  SHRINKAGE 0.01 ;\n"
                      "  CAPMULTIPLIER 2 ;\n"
                      "  EDGECAPACITANCE 0.03 ;\n"
                      "  MINIMUMDENSITY 20 ;\n"
                      "  MAXIMUMDENSITY 80 ;\n"
                      "  DENSITYCHECKWINDOW 50 60 ;\n"
                      "  DENSITYCHECKSTEP 25 ;\n"
                      "  FILLACTIVESPACING 0.6 ;\n"
                      "  ACCURRENTDENSITY PEAK FREQUENCY 100 200 ; WIDTH 0.1 0.2 ;\n"
                      "    TABLEENTRIES 1 2 3 4 ;\n"
                      "  ACCURRENTDENSITY RMS 1.5 ;\n"
                      "  DCCURRENTDENSITY AVERAGE WIDTH 0.1 0.5 ; TABLEENTRIES 3 4 ;\n"
                      "  DCCURRENTDENSITY AVERAGE 2.5 ;\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(), Lines{});
  EXPECT_EQ(calls(), (Lines{"callback 11",
                            "layer L1 ROUTING",
                            "direction HORIZONTAL",
                            "pitch 0.2",
                            "width 0.1",
                            "wireextension 0.05",
                            "capacitance 0.5",
                            "height 1.2",
                            "thickness 0.3",
                            "shrinkage 0.01",
                            "cap muptiplier 2",
                            "edge cap 0.03",
                            "minimumdensity 20",
                            "maximumdensity 80",
                            "densitycheckstep 25",
                            "fillactivespacing 0.6",
                            "densitywindow 50 60",
                            "resistance pwl 1 3 / 2 4",
                            "ac PEAK freq 100 200 widths 0.1 0.2 entries 1 2 3 4",
                            "ac RMS value 1.5",
                            "dc AVERAGE widths 0.1 0.5 entries 3 4",
                            "dc AVERAGE value 2.5"}));
}

TEST_F(LayerElectricalTest, AntennaRulesFillTheModels) {
  EXPECT_EQ(readLayer("5.8", kRouting,
                      "  ANTENNAMODEL OXIDE1 ;\n"
                      "  ANTENNAAREARATIO 100 ;\n"
                      "  ANTENNADIFFAREARATIO PWL ( ( 0 1 ) ( 10 20 ) ( 20 30 ) ) ;\n"
                      "  ANTENNACUMAREARATIO 500 ;\n"
                      "  ANTENNAAREAFACTOR 2 DIFFUSEONLY ;\n"
                      "  ANTENNASIDEAREARATIO 50 ;\n"
                      "  ANTENNASIDEAREAFACTOR 3 ;\n"
                      "  ANTENNAGATEPLUSDIFF 2.5 ;\n"
                      "  ANTENNAAREAMINUSDIFF 0.7 ;\n"
                      "  ANTENNACUMROUTINGPLUSCUT ;\n"
                      "  ANTENNAAREADIFFREDUCEPWL ( ( 0 1 ) ( 0.5 0.8 ) ) ;\n"
                      "  ANTENNAMODEL OXIDE2 ;\n"
                      "  ANTENNADIFFAREARATIO 7 ;\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
  Lines layer = calls();
  layer.erase(layer.begin(), layer.begin() + 5);
  EXPECT_EQ(layer, (Lines{"model OXIDE1 arearatio 100 cumarearatio 500 areafactor 2 duo "
                          "sidearearatio 50 sideareafactor 3 cumroutingpluscut gateplusdiff 2.5 "
                          "areaminusdiff 0.7 diffpwl 0:1 10:20 20:30 reducepwl 0:1 0.5:0.8",
                          "model OXIDE2 diffarearatio 7"}));
}

TEST_F(LayerElectricalTest, OldAndNewAntennaSyntaxDoNotMix) {
  EXPECT_EQ(readLayer("5.5", kRouting, "  ANTENNAAREARATIO 1 ;\n  ANTENNALENGTHFACTOR 2 ;\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1526,
                                      "ANTENNALENGTHFACTOR statement is a version 5.3 or earlier "
                                      "syntax.\nYour lef file with version 5.5, has both old and "
                                      "new ANTENNALENGTHFACTOR syntax, which is incorrect.",
                                      8, ";")});

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readLayer("5.5", kRouting, "  ANTENNALENGTHFACTOR 2 ;\n  ANTENNAAREARATIO 1 ;\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1704,
                                      "ANTENNADIFFAREARATIO statement is a version 5.4 or earlier "
                                      "syntax.\nYour lef file with version 5.5, has both old and "
                                      "new ANTENNAAREARATIO syntax, which is incorrect.",
                                      8, ";")});
  EXPECT_EQ(lastLayer().back(), "model OXIDE1 arearatio 1");
}

TEST_F(LayerElectricalTest, Version53xSelectsTheOldAntennaSyntax) {
  const char* areaRatio = "  ANTENNAAREARATIO 3 ;\n";
  EXPECT_EQ(readLayer("5.3", kRouting, areaRatio), 1);
  EXPECT_EQ(errors(), Lines{errorText(1531,
                                      "ANTENNAAREARATIO statement is a version 5.4 and later "
                                      "syntax.\nYour lef file is defined with version 5.3.",
                                      7, ";")});

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readLayer("5.3.1", kRouting, areaRatio), 0);
  EXPECT_EQ(errors(), Lines{});

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readLayer("5.3", kRouting, "  ANTENNAAREAFACTOR 2 DIFFUSEONLY ;\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1599,
                                      "ANTENNAAREAFACTOR with DIFFUSEONLY statement is a version "
                                      "5.4 and later syntax.\nYour lef file is defined with "
                                      "version 5.3.",
                                      7, "DIFFUSEONLY")});
}

TEST_F(LayerElectricalTest, Version57AntennaStatementsBefore57) {
  LefDefParser::lefrUnsetLayerCbk();
  EXPECT_EQ(readLayer("5.6", kRouting, "  ANTENNACUMROUTINGPLUSCUT ;\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1686,
                                      "ANTENNACUMROUTINGPLUSCUT is a version 5.7 or later "
                                      "syntax.\nYour lef file is defined with version 5.6.",
                                      7, ";")});

  // The reducing table is read and stored in every version.
  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrSetLayerCbk(lefTest::journalLayer);
  EXPECT_EQ(
      readLayer("5.6", kRouting, "  ANTENNAAREADIFFREDUCEPWL ( ( 0 1 ) ( 2 3 ) ( 4 5 ) ) ;\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1689,
                                      "ANTENNAAREADIFFREDUCEPWL is a version 5.7 or later "
                                      "syntax.\nYour lef file is defined with version 5.6.",
                                      7, ";")});
  EXPECT_EQ(lastLayer().back(), "model OXIDE1 reducepwl 0:1 2:3 4:5");
}

TEST_F(LayerElectricalTest, CurrentDenIsStoredOnlyBefore52) {
  const char* statements =
      "  CURRENTDEN 1.5 ;\n"
      "  CURRENTDEN PWL ( ( 1 2 ) ( 3 4 ) ) ;\n"
      "  CURRENTDEN ( 5 6 ) ;\n";
  EXPECT_EQ(readLayer("5.1", kRouting, statements), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer L1 ROUTING", "direction HORIZONTAL", "pitch 0.2",
                            "width 0.1", "currentden 1.5", "currentden pwl 1 3 5 / 2 4 6"}));

  const std::string obsolete =
      "CURRENTDEN statement is obsolete in version 5.2 and later.\nThe LEF parser will ignore "
      "this statement.\nTo avoid this warning in the future, remove this statement from the "
      "LEF file with version 5.2 or later.";
  const Lines warned{warningText(2079, obsolete, 7), warningText(2079, obsolete, 8),
                     warningText(2079, obsolete, 9)};
  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readLayer("5.2", kRouting, statements), 0);
  EXPECT_EQ(warnings(), warned);
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer L1 ROUTING", "direction HORIZONTAL", "pitch 0.2",
                            "width 0.1"}));

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrUnsetLayerCbk();
  EXPECT_EQ(readLayer("5.2", kRouting, statements), 0);
  EXPECT_EQ(warnings(), warned);

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrSetLayerCbk(lefTest::journalLayer);
  EXPECT_EQ(readLayer("5.1", kCut, "  CURRENTDEN 1 ;\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1702,
                                      "CURRENTDEN statement can only be defined in LAYER with "
                                      "TYPE ROUTING. Parser will stop processing.",
                                      4, "CURRENTDEN")});
}

TEST_F(LayerElectricalTest, SlotRulesAreObsoleteFrom57AndTooNewBefore54) {
  EXPECT_EQ(readLayer("5.5", kRouting, "  SLOTWIDTH 2 ;\n"), 0);
  EXPECT_EQ(calls().back(), "slotwidth 2");

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readLayer("5.7", kRouting, "  SLOTWIDTH 2 ;\n  SPLITWIREWIDTH 3 ;\n"), 0);
  EXPECT_EQ(warnings(),
            (Lines{warningText(2013,
                               "SLOTWIDTH statement is obsolete in version 5.7 or later.\nThe LEF "
                               "parser will ignore this statement.\nTo avoid this warning in the "
                               "future, remove this statement from the LEF file with version 5.7 "
                               "or later.",
                               7),
                   warningText(2018,
                               "SPLITWIREWIDTH statement is obsolete in version 5.7 or later.\nThe "
                               "LEF parser will ignore this statement.\nTo avoid this warning in "
                               "the future, remove this statement from the LEF file with version "
                               "5.7 or later.",
                               8)}));
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer L1 ROUTING", "direction HORIZONTAL", "pitch 0.2",
                            "width 0.1"}));

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readLayer("5.3", kRouting, "  SLOTWIDTH 2 ;\n"), 1);
  EXPECT_EQ(errors(),
            Lines{errorText(1566,
                            "SLOTWIDTH statement is a version 5.4 and later syntax.\nYour "
                            "lef file is defined with version 5.3.",
                            7, ";")});
  EXPECT_EQ(lastLayer().back(), "width 0.1");

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readLayer("5.3.1", kRouting, "  SLOTWIDTH 2 ;\n"), 0);
  EXPECT_EQ(calls().back(), "slotwidth 2");
}

TEST_F(LayerElectricalTest, DensityRulesBefore54AreReportedAndStored) {
  EXPECT_EQ(readLayer("5.3", kRouting, "  MINIMUMDENSITY 20 ;\n  DENSITYCHECKWINDOW 4 5 ;\n"), 1);
  EXPECT_EQ(errors(),
            (Lines{errorText(1572,
                             "MINIMUMDENSITY statement is a version 5.4 and later syntax.\nYour "
                             "lef file is defined with version 5.3.",
                             7, ";"),
                   errorText(1574,
                             "DENSITYCHECKWINDOW statement is a version 5.4 and later "
                             "syntax.\nYour lef file is defined with version 5.3.",
                             8, ";")}));
  Lines layer = lastLayer();
  EXPECT_EQ(Lines(layer.end() - 2, layer.end()), (Lines{"minimumdensity 20", "densitywindow 4 5"}));
}

// A statement on line 4, in a layer of the wrong TYPE (version 5.8), and
// the errors it gives.
struct ErrorAt {
  int number;
  const char* text;
  const char* token;
};

struct TypeCase {
  const char* type;
  const char* statement;
  std::vector<ErrorAt> errors;
};

class LayerTypeRuleTest : public LayerElectricalTest,
                          public ::testing::WithParamInterface<TypeCase> {};

TEST_P(LayerTypeRuleTest, ReportsTheTypeErrors) {
  const TypeCase& c = GetParam();
  EXPECT_EQ(readLayer("5.8", c.type, std::string("  ") + c.statement + "\n"), 1);
  Lines expected;
  for (const ErrorAt& e : c.errors) expected.push_back(errorText(e.number, e.text, 4, e.token));
  EXPECT_EQ(errors(), expected);
  EXPECT_EQ(calls(), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, LayerTypeRuleTest,
    ::testing::Values(
        TypeCase{kCut,
                 "HEIGHT 1 ;",
                 {{1518,
                   "HEIGHT statement can only be defined in LAYER with TYPE ROUTING. Parser "
                   "will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "WIREEXTENSION 1 ;",
                 {{1519,
                   "WIREEXTENSION statement can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "THICKNESS 1 ;",
                 {{1520,
                   "THICKNESS statement can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "SHRINKAGE 1 ;",
                 {{1521,
                   "SHRINKAGE statement can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "CAPMULTIPLIER 1 ;",
                 {{1522,
                   "CAPMULTIPLIER statement can only be defined in LAYER with TYPE "
                   "ROUTING. Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "EDGECAPACITANCE 1 ;",
                 {{1523,
                   "EDGECAPACITANCE statement can only be defined in LAYER with TYPE "
                   "ROUTING. Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "RESISTANCE RPERSQ 1 ;",
                 {{1514,
                   "RESISTANCE statement can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "RESISTANCE RPERSQ PWL ( ( 1 2 ) ) ;",
                 {{1515,
                   "RESISTANCE statement can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "CAPACITANCE CPERSQDIST 1 ;",
                 {{1516,
                   "CAPACITANCE statement can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "CAPACITANCE CPERSQDIST PWL ( ( 1 2 ) ) ;",
                 {{1517,
                   "CAPACITANCE statement can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kMasterslice,
                 "ACCURRENTDENSITY PEAK 1 ;",
                 {{1527,
                   "ACCURRENTDENSITY statement can't be defined in LAYER with TYPE "
                   "MASTERSLICE or OVERLAP. Parser will stop processing.",
                   "PEAK"}}},
        TypeCase{kMasterslice,
                 "DCCURRENTDENSITY AVERAGE 1 ;",
                 {{1528,
                   "DCCURRENTDENSITY statement can't be defined in LAYER with TYPE "
                   "MASTERSLICE or OVERLAP. Parser will stop processing.",
                   ";"}}},
        TypeCase{kMasterslice,
                 "DCCURRENTDENSITY AVERAGE WIDTH 1 ; TABLEENTRIES 2 ;",
                 {{1528,
                   "DCCURRENTDENSITY can't be defined in LAYER with TYPE MASTERSLICE or "
                   "OVERLAP. Parser will stop processing.",
                   "WIDTH"},
                  {1530,
                   "WIDTH statement can only be defined in LAYER with type ROUTING. Parser "
                   "will stop processing.",
                   "WIDTH"}}},
        TypeCase{kMasterslice,
                 "DCCURRENTDENSITY AVERAGE CUTAREA 1 ; TABLEENTRIES 2 ;",
                 {{1528,
                   "DCCURRENTDENSITY statement can't be defined in LAYER with TYPE "
                   "MASTERSLICE or OVERLAP. Parser will stop processing.",
                   "CUTAREA"},
                  {1529,
                   "CUTAREA statement can only be defined in LAYER with type CUT. Parser "
                   "will stop processing.",
                   "CUTAREA"}}},
        TypeCase{kCut,
                 "ACCURRENTDENSITY RMS FREQUENCY 1 ; WIDTH 2 ; TABLEENTRIES 3 ;",
                 {{1601, "WIDTH can only be defined in LAYER with TYPE ROUTING.", "WIDTH"}}},
        TypeCase{kMasterslice,
                 "ANTENNAAREARATIO 1 ;",
                 {{1533,
                   "ANTENNAAREARATIO statement can only be defined in LAYER with TYPE "
                   "ROUTING or CUT. Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "ANTENNASIDEAREARATIO 1 ;",
                 {{1542,
                   "ANTENNASIDEAREARATIO can only be defined in LAYER with TYPE ROUTING. "
                   "Parser will stop processing.",
                   ";"}}},
        TypeCase{kCut,
                 "ANTENNADIFFSIDEAREARATIO PWL ( ( 1 2 ) ( 3 4 ) ) ;",
                 {{1545,
                   "ANTENNADIFFSIDEAREARATIO can only be defined in LAYER with TYPE "
                   "ROUTING. Parser will stop processing.",
                   ";"}}},
        TypeCase{kMasterslice,
                 "ANTENNAAREAFACTOR 1 ;",
                 {{1541,
                   "ANTENNAAREAFACTOR can only be defined in LAYER with TYPE ROUTING or "
                   "CUT. Parser will stop processing.",
                   "1"}}},
        TypeCase{kMasterslice,
                 "ANTENNAMODEL OXIDE3 ;",
                 {{1557,
                   "ANTENNAMODEL can only be defined in LAYER with TYPE ROUTING. Parser "
                   "will stop processing.",
                   ";"}}},
        TypeCase{kMasterslice,
                 "ANTENNAGATEPLUSDIFF 2 ;",
                 {{1561,
                   "ANTENNAGATEPLUSDIFF can only be defined in LAYER with type ROUTING or "
                   "CUT. Parser will stop processing.",
                   ";"}}},
        TypeCase{kMasterslice,
                 "ANTENNALENGTHFACTOR 2 ;",
                 {{1525,
                   "ANTENNALENGTHFACTOR statement can only be defined in LAYER with TYPE "
                   "ROUTING. Parser will stop processing.",
                   ";"}}}));

TEST_F(LayerElectricalTest, CutAreaOnRoutingLayerIsReportedAndStored) {
  EXPECT_EQ(
      readLayer("5.8", kRouting,
                "  ACCURRENTDENSITY PEAK FREQUENCY 1 ; CUTAREA 0.5 0.6 ; TABLEENTRIES 7 8 ;\n"),
      1);
  EXPECT_EQ(errors(), Lines{errorText(1600,
                                      "CUTAREA statement can only be defined in LAYER with TYPE "
                                      "CUT.",
                                      7, "CUTAREA")});
  EXPECT_EQ(lastLayer().back(), "ac PEAK freq 1 cutareas 0.5 0.6 entries 7 8");
}

}  // namespace
