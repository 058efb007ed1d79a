// PINS and VIAS: stored shapes, ports and antenna data of pins, via definitions by shapes
// and by rule, and the version rules of both sections.
#include "sections_fixture.h"

namespace sections {
namespace {

class Pins : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetStartPinsCbk(recordInt);
    defrSetPinCbk(record<defiPin>);
    defrSetPinEndCbk(recordVoid);
  }
};

TEST_F(Pins, ShapesGoToThePortUntilItsPlacement) {
  EXPECT_EQ(readData("pins.def"), 0);
  std::vector<std::string> expected = {
      "39 3",
      "40 PIN p1 netA SPECIAL DIRECTION INPUT USE SIGNAL",
      // A pin named like a keyword on a net named like a number; the via point is truncated.
      "40 PIN PINS 12 LAYER M2 0,0 1,1 MASK 2 SPACING 3 VIA V1 10,20 m000 PLACED 1,2 S "
      "PORT LAYER M1 0,0 10,10 PLACED 5,5 N",
      "40 PIN p3 n3 NETEXPR power1 VDD SUPPLY vddpin GROUND gndpin POLYGON via 0,0 5,0 5,5 "
      "MASK 1 DRW 4 PMA 2 'M1' DIFF 4 '' MODEL OXIDE2 GATE 1 '' GATE 3 'M2'",
      "41",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

TEST_F(Pins, AFifthAntennaModelIsAModelOfItsOwn) {
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nPINS 2 ;\n- p1 + NET n1 "
                               "+ ANTENNAMODEL OXIDE1 + ANTENNAPINGATEAREA 11 "
                               "+ ANTENNAMODEL OXIDE2 + ANTENNAPINGATEAREA 12 "
                               "+ ANTENNAMODEL OXIDE3 + ANTENNAPINGATEAREA 13 "
                               "+ ANTENNAMODEL OXIDE4 + ANTENNAPINGATEAREA 14 "
                               "+ ANTENNAMODEL OXIDE1 + ANTENNAPINGATEAREA 15 LAYER M1 ;\n"
                               "- p2 + NET n2 + ANTENNAPINGATEAREA 3 ;\nEND PINS\nEND DESIGN\n"),
            0);
  std::vector<std::string> expected = {
      "39 2",
      "40 PIN p1 n1 MODEL OXIDE1 GATE 11 '' MODEL OXIDE2 GATE 12 '' MODEL OXIDE3 GATE 13 '' "
      "MODEL OXIDE4 GATE 14 '' MODEL OXIDE1 GATE 15 'M1'",
      "40 PIN p2 n2 MODEL OXIDE1 GATE 3 ''",
      "41",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

TEST_F(Pins, VersionErrorsCountTwiceAgainstThePinLimit) {
  defrSetPinWarnings(3);
  EXPECT_EQ(defrtest::readText("VERSION 5.5 ;\nDESIGN d ;\nPINS 1 ;\n- p + NET n + NETEXPR \"x\" "
                               "+ SUPPLYSENSITIVITY a + GROUNDSENSITIVITY b ;\nEND PINS\n"
                               "END DESIGN\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{"39 1"});
  // The counter goes 0, 2, 4: the third message finds it past the limit of 3.
  EXPECT_EQ(errors(),
            "ERROR (DEFPARS-6506): The NETEXPR statement is available in version 5.6 and "
            "later.\nHowever, your DEF file is defined with version 5.5. Error in file t.def at "
            "line 4, on token \"x.\nUpdate the def file before parsing the file again.\n"
            "ERROR (DEFPARS-6507): The SUPPLYSENSITIVITY statement is available in version 5.6 "
            "and later.\nHowever, your DEF file is defined with version 5.5. Error in file t.def "
            "at line 4, on token a.\nUpdate the def file before parsing the file again.\n");
}

TEST_F(Pins, AntennaValuesOfOldFilesAreErrors) {
  EXPECT_EQ(defrtest::readText("VERSION 5.3 ;\nDESIGN d ;\nPINS 1 ;\n- p + NET n "
                               "+ ANTENNAPINGATEAREA 1.9 ;\nEND PINS\nEND DESIGN\n"),
            1);
  EXPECT_NE(errors().find("ERROR (DEFPARS-6512): The ANTENNAPINGATEAREA statement is available "
                          "in version 5.4 and later.\nHowever, your DEF file is defined with "
                          "version 5.3. Error in file t.def at line 4, on token ;."),
            std::string::npos)
      << errors();
}

class Vias : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetViaStartCbk(recordInt);
    defrSetViaCbk(record<defiVia>);
    defrSetViaEndCbk(recordVoid);
  }
};

TEST_F(Vias, ShapesAndRulesAreStoredAndClearedPerVia) {
  EXPECT_EQ(readData("vias.def"), 0);
  std::vector<std::string> expected = {
      "45 3",
      "46 VIA V1 RECT M1 -5,-5 5,5 RECT V12 -2,-2 2,2",
      "46 VIA VIAS VIARULE rule1 10 10 M1 VIA M2 5 5 1 2 3 4 ROWCOL 2 3 ORIGIN 7 8 "
      "OFFSET 0 0 0 5 PATTERN 2_F0",
      "46 VIA V3 RECT M2 0,0 3,3 MASK 1 POLYGON via 0,0 1,0 1,1 MASK 2",
      "47",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

TEST_F(Vias, RuleValuesNeedAViaRule) {
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nVIAS 1 ;\n- V2 + ROWCOL 2 2 ;\n"
                               "END VIAS\nEND DESIGN\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{"45 1"});
  EXPECT_EQ(errors(), "ERROR (DEFPARS-6559): The ROWCOL statement is missing from the VIARULE "
                      "statement. Ensure that it exists in the VIARULE statement. Error in file "
                      "t.def at line 4, on token 2.\nUpdate the def file before parsing the file "
                      "again.\n");
}

TEST_F(Vias, PatternNameIsObsoleteFrom56) {
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nVIAS 1 ;\n- V1 + PATTERNNAME P1 ;\n"
                               "END VIAS\nEND DESIGN\n"),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"45 1", "46 VIA V1", "47"}));
  EXPECT_EQ(warnings(), "WARNING (DEFPARS-7019): The PATTERNNAME statement is obsolete in "
                        "version 5.6 and later.\nThe DEF parser will ignore this statement. See "
                        "file t.def at line 4.\n");
}

}  // namespace
}  // namespace sections
