// SPECIALNETS: special wiring with widths, shapes and their attributes, shields, partial
// and wire callbacks, and the version rules of the section.
#include "sections_fixture.h"

namespace sections {
namespace {

class SpecialNets : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetAddPathToNet();
    defrSetSNetStartCbk(recordInt);
    defrSetSNetCbk(record<defiNet>);
    defrSetNetNameCbk(recordText);
    defrSetSNetEndCbk(recordVoid);
  }
};

TEST_F(SpecialNets, WiringShapesAndTheirAttributes) {
  EXPECT_EQ(readData("snets.def"), 0);
  std::vector<std::string> expected = {
      "51 2",
      "17 VDD",
      // WIDTH is dropped from 5.5 on; SHIELD and FIXED without paths tag the next shape only;
      // the SHAPE at the end of VDD does not reach the rectangle of VSS.
      "52 NET VDD (* VDD) SOURCE USER PATTERN TRUNK WEIGHT 3 USE POWER STYLE 1 VOLTAGE 1500 "
      "SPACING M1 50 10 20 WIRE ROUTED { L:M1 W:300 S:STRIPE P:0,0 P:1000,0 V:VIA12 "
      "D:2,3,10,20 } { L:M2 W:200 F:0,0,0 F:0,500,100 M:3 F:0,600,50 } "
      "RECT M3 0,0 10,10 m0 SHIELD/VSS/ "
      "RECT M3 20,20 30,30 m0 ROUTED// POLYGON M4 0,0 10,0 10,10 m2 ROUTED//RING "
      "VIA VIA34 FS 5,5 15,5 m000 FIXED// kind=core:S",
      "17 VSS",
      "52 NET VSS WIRE SHIELD(VDD) { L:M1 W:100 P:0,0 P:0,10 } RECT M1 1,1 2,2 m0 ROUTED//",
      "55",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
  EXPECT_EQ(warnings(), "");
}

// Counts of what a special net holds when a callback sees it.
int countShapes(defrCallbackType_e type, defiNet* n, void*) {
  int paths = 0;
  for (int i = 0; i < n->numWires(); i++) paths += n->wire(i)->numPaths();
  calls().push_back(format("%d %s rects=%d wires=%d paths=%d", type, n->name(),
                           n->numRectangles(), n->numWires(), paths));
  return 0;
}

std::string manyRects(int count) {
  std::string def = "VERSION 5.8 ;\nDESIGN d ;\nSPECIALNETS 1 ;\n- big + ROUTED M1 10 ( 0 0 ) "
                    "( 10 0 ) NEW M1 10 ( 0 5 ) ( 10 5 )";
  for (int i = 0; i < count; i++) def += "\n + RECT M2 ( 0 0 ) ( " + std::to_string(i + 1) + " 1 )";
  return def + " ;\nEND SPECIALNETS\nEND DESIGN\n";
}

TEST_F(SpecialNets, APartialCallbackHandsOutFullListsOnce) {
  defrSetSNetCbk(countShapes);
  defrSetSNetPartialPathCbk(countShapes);
  EXPECT_EQ(defrtest::readText(manyRects(1001)), 0);
  // At the 1000th rectangle the net is handed out and emptied, its wire included, so the
  // final callback sees only what came after.
  EXPECT_EQ(calls(), (std::vector<std::string>{"51 1", "17 big",
                                               "53 big rects=1000 wires=1 paths=2",
                                               "52 big rects=1 wires=0 paths=0", "55"}));
}

TEST_F(SpecialNets, WithoutAPartialCallbackEverythingStays) {
  defrSetSNetCbk(countShapes);
  EXPECT_EQ(defrtest::readText(manyRects(1001)), 0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"51 1", "17 big",
                                               "52 big rects=1001 wires=1 paths=2", "55"}));
}

TEST_F(SpecialNets, APartialCallbackTakesAWireOfAThousandPaths) {
  defrSetSNetCbk(countShapes);
  defrSetSNetPartialPathCbk(countShapes);
  std::string def = "VERSION 5.8 ;\nDESIGN d ;\nSPECIALNETS 1 ;\n- big + ROUTED M1 10 ( 0 0 )";
  for (int i = 1; i <= 1000; i++) def += "\n NEW M1 10 ( 0 " + std::to_string(i) + " )";
  def += " ;\nEND SPECIALNETS\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(def), 0);
  // The 1000th path fills the wire's first 1000 places; the 1001st path's end hands them
  // out and starts the list again with itself.
  EXPECT_EQ(calls(), (std::vector<std::string>{"51 1", "17 big",
                                               "53 big rects=0 wires=1 paths=1000",
                                               "52 big rects=0 wires=1 paths=1", "55"}));
}

// The wire handed out before the partial callback is not handed out again at the end.
TEST_F(SpecialNets, APartialCallbackAtAPathDeliversEarlierWiresOnce) {
  defrSetSNetCbk(countShapes);
  defrSetSNetPartialPathCbk(countShapes);
  std::string def = "VERSION 5.8 ;\nDESIGN d ;\nSPECIALNETS 1 ;\n- big + ROUTED M2 10 ( 0 0 ) "
                    "( 1 0 ) + RECT M3 ( 0 0 ) ( 1 1 ) + FIXED M1 10 ( 0 0 )";
  for (int i = 1; i <= 1000; i++) def += "\n NEW M1 10 ( 0 " + std::to_string(i) + " )";
  def += " ;\nEND SPECIALNETS\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(def), 0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"51 1", "17 big",
                                               "53 big rects=1 wires=2 paths=1001",
                                               "52 big rects=0 wires=1 paths=1", "55"}));
}

TEST_F(SpecialNets, AWireCallbackTakesEachWiringStatement) {
  defrSetSNetCbk(countShapes);
  defrSetSNetWireCbk(countShapes);
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nSPECIALNETS 1 ;\n- s + RECT M2 "
                               "( 0 0 ) ( 1 1 ) + ROUTED M1 10 ( 0 0 ) ( 5 0 ) + RECT M2 ( 0 0 ) "
                               "( 2 2 ) + FIXED M1 10 ( 0 0 ) ( 0 5 ) NEW M1 10 ( 1 1 ) ( 1 5 ) "
                               "+ RECT M3 ( 0 0 ) ( 3 3 ) ;\nEND SPECIALNETS\nEND DESIGN\n"),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"51 1", "17 s", "54 s rects=1 wires=1 paths=1",
                                               "54 s rects=1 wires=1 paths=2",
                                               "52 s rects=1 wires=0 paths=0", "55"}));
}

struct SpecialError {
  const char* version;
  const char* option;
  const char* message;
};

class SpecialNetErrors : public SpecialNets, public ::testing::WithParamInterface<SpecialError> {};

TEST_P(SpecialNetErrors, AreReportedAndStopTheCallbacks) {
  const SpecialError& c = GetParam();
  std::string def = std::string("VERSION ") + c.version + " ;\nDESIGN d ;\nSPECIALNETS 1 ;\n- s " +
                    c.option + " ;\nEND SPECIALNETS\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(def), 1);
  EXPECT_EQ(calls(), (std::vector<std::string>{"51 1", "17 s"}));
  EXPECT_NE(errors().find(c.message), std::string::npos) << errors();
}

INSTANTIATE_TEST_SUITE_P(
    Options, SpecialNetErrors,
    ::testing::Values(
        SpecialError{"5.5", "+ RECT M1 ( 0 0 ) ( 1 1 )",
                     "ERROR (DEFPARS-6536): The RECT statement is available in version 5.6 and "
                     "later.\nHowever, your DEF file is defined with version 5.5 Error"},
        SpecialError{"5.5", "+ POLYGON M1 ( 0 0 ) ( 1 1 ) ( 1 0 )",
                     "ERROR (DEFPARS-6535): The POLYGON statement is available in version 5.6 "
                     "and later.\nHowever, your DEF file is defined with version 5.5 Error"},
        SpecialError{"5.7", "+ VIA V1 ( 0 0 )",
                     "ERROR (DEFPARS-6536): The VIA statement is available in version 5.8 and "
                     "later.\nHowever, your DEF file is defined with version 5.7 Error"},
        SpecialError{"5.8", "+ VOLTAGE 1.5",
                     "ERROR (DEFPARS-6537): The value 1.5 for statement VOLTAGE is invalid. The "
                     "value can only be integer.\nSpecify a valid value in units of millivolts "
                     "Error"},
        // Integral only when the whole text is a number within the int range.
        SpecialError{"5.8", "+ VOLTAGE 15x", "ERROR (DEFPARS-6537): The value 15x for"},
        SpecialError{"5.8", "+ VOLTAGE 3000000000", "ERROR (DEFPARS-6537): The value 3000000000"},
        SpecialError{"5.4", "+ ROUTED M1 10 ( 0 0 ) V1 DO 2 BY 2 STEP 5 5",
                     "ERROR (DEFPARS-6532): The VIA DO statement is available in version 5.5 "
                     "and later.\nHowever, your DEF file is defined with version 5.4 Error"},
        SpecialError{"5.8", "+ ROUTED M1 10 ( 0 0 ) V1 DO 0 BY 2 STEP 5 5",
                     "ERROR (DEFPARS-6533): Either the numX or numY in the VIA DO statement has "
                     "the value. The value specified is 0.\nUpdate your DEF file with the "
                     "correct value and then try again.\n Error"},
        SpecialError{"5.6", "+ ROUTED M1 10 + SHAPE FILLWIREOPC ( 0 0 )",
                     "ERROR (DEFPARS-6552): The FILLWIREOPC is available in version 5.7 or "
                     "later.\nHowever, your DEF file is defined with version 5.6. Error"},
        SpecialError{"5.7", "+ ROUTED M1 10 ( 0 0 ) VIRTUAL ( 5 5 )",
                     "ERROR (DEFPARS-6536): The VIRTUAL statement is available in version 5.8 "
                     "and later.\nHowever, your DEF file is defined with version 5.7 Error"}));

TEST_F(SpecialNets, ObsoleteStatementsWarnWithoutTheirCallback) {
  defrUnsetSNetCbk();
  EXPECT_EQ(defrtest::readText("VERSION 5.4 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\n"
                               "DIVIDERCHAR \"/\" ;\nDESIGN d ;\nSPECIALNETS 1 ;\n"
                               "- s + WIDTH M1 5 + ESTCAP 2 ;\nEND SPECIALNETS\nEND DESIGN\n"),
            0);
  EXPECT_EQ(warnings(),
            "WARNING (DEFPARS-7026): The WIDTH statement is obsolete in version 5.5 and later.\n"
            "The DEF parser will ignore this statement. See file t.def at line 7.\n"
            "WARNING (DEFPARS-7024): The ESTCAP statement is obsolete in version 5.5 and later.\n"
            "The DEF parser will ignore this statement. See file t.def at line 7.\n");
}

TEST_F(SpecialNets, ShieldNetsAndLayersAreReadAsNames) {
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nSPECIALNETS 1 ;\n- s + SHIELD NET "
                               "VIA 5 ( 0 0 ) NEW 3 5 ( 1 1 ) + RECT VIA ( 0 0 ) ( 1 1 ) ;\n"
                               "END SPECIALNETS\nEND DESIGN\n"),
            0);
  EXPECT_EQ(calls()[2], "52 NET s WIRE SHIELD(NET) { L:VIA W:5 P:0,0 } { L:3 W:5 P:1,1 } "
                        "RECT VIA 0,0 1,1 m0 ROUTED//");
}

TEST_F(SpecialNets, ShieldAndWiringWordsWithoutPathsBefore58) {
  EXPECT_EQ(defrtest::readText("VERSION 5.7 ;\nDESIGN d ;\nSPECIALNETS 1 ;\n"
                               "- s + SHIELD VSS + COVER + RECT M1 ( 0 0 ) ( 1 1 ) ;\n"
                               "END SPECIALNETS\nEND DESIGN\n"),
            0);
  EXPECT_EQ(calls()[2], "52 NET s RECT M1 0,0 1,1 m0 ROUTED//");
  EXPECT_EQ(warnings(),
            "WARNING (DEFPARS-7025): The SPECIAL NET SHIELD statement doesn't have routing "
            "points definition.\nWill be ignored. See file t.def at line 4.\n"
            "WARNING (DEFPARS-7023): The SPECIAL NET statement, with type COVER, does not have "
            "any net statement defined.\nThe DEF parser will ignore this statemnet. See file "
            "t.def at line 4.\n");
}

}  // namespace
}  // namespace sections
