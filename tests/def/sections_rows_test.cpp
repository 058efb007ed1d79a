// ROW, TRACKS and GCELLGRID statements: what their callbacks receive and the messages of
// their checks.
#include "sections_fixture.h"

namespace sections {
namespace {

class Rows : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetRowCbk(record<defiRow>);
    defrSetTrackCbk(record<defiTrack>);
    defrSetGcellGridCbk(record<defiGcellGrid>);
  }
};

TEST_F(Rows, StatementsReachTheirCallbacksWithRoundedCountsAndDoubleSteps) {
  EXPECT_EQ(readData("rows_tracks.def"), 0);
  std::vector<std::string> expected = {
      "42 ROW r1 core 0,10 N",
      "42 ROW r2 core 100.5,0 FS DO 10 BY 1 STEP 200 0 HASSTEP rowWeight=3:I#3 "
      "undefinedName=text:N",
      // No STEP: the steps are 0, not those of the row before.
      "42 ROW r3 core 0,0 N DO 1 BY 4 STEP 0 0",
      // A row named like a keyword on a site named like a number.
      "42 ROW ROW 17 -5,-7 W DO 1 BY 1 STEP 0 0 HASSTEP",
      "43 TRACKS Y 10 DO 5 STEP 0 M1 M2",
      "43 TRACKS X -1140 DO 193 STEP 380 MASK 2 SAMEMASK metal2 TRACKS",
      "44 GCELLGRID X 0 DO 11 STEP 300.4",
      "44 GCELLGRID Y -11 DO 2 STEP 7",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
  EXPECT_EQ(warnings(), "WARNING (DEFPARS-7010): The PropName undefinedName is not defined for "
                        "ROW. See file rows_tracks.def at line 7.\n");
}

TEST_F(Rows, DoWithoutACountOfOneIsAnErrorAndLaterCallbacksAreSkipped) {
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nROW r s 0 0 N DO 2 BY 2 ;\n"
                               "ROW ok s 0 0 N DO 2 BY 1 ;\nEND DESIGN\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{});
  EXPECT_EQ(errors(),
            "ERROR (DEFPARS-6524): Invalid syntax specified. The valid syntax is either \"DO 1 "
            "BY num or DO num BY 1\". Specify the valid syntax and try again. Error in file "
            "t.def at line 2, on token ;.\nUpdate the def file before parsing the file again.\n");
}

TEST_F(Rows, OldFilesNeedDoAndAStepAlongOneAxis) {
  EXPECT_EQ(defrtest::readText("VERSION 5.5 ;\nROW r5 core 0 0 N DO 2 BY 1 STEP 0 100 ;\n"
                               "ROW r6 core 0 0 N ;\nEND DESIGN\n"),
            1);
  // The first row is stored and handed out despite its warning; the second is an error.
  EXPECT_EQ(calls(), std::vector<std::string>{"42 ROW r5 core 0,0 N DO 2 BY 1 STEP 0 100 HASSTEP"});
  EXPECT_EQ(warnings(),
            "WARNING (DEFPARS-7018): The DO statement in the ROW statement with the name r5 has "
            "invalid syntax.\nThe valid syntax is \"DO numX BY 1 STEP spaceX 0 | DO 1 BY numY "
            "STEP 0 spaceY\".\nSpecify the valid syntax and try again. See file t.def at line "
            "2.\n");
  EXPECT_NE(errors().find("ERROR (DEFPARS-6523): Invalid ROW statement defined in the DEF file. "
                          "The DO statement which is required in the ROW statement is not "
                          "defined.\nUpdate your DEF file with a DO statement. Error in file "
                          "t.def at line 3, on token ;."),
            std::string::npos)
      << errors();
}

TEST_F(Rows, TrackCountIsCheckedFromVersion54) {
  const char* body = "TRACKS X 0 DO 0 STEP 100 ;\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(std::string("VERSION 5.3 ;\n") + body), 0);
  EXPECT_EQ(calls(), std::vector<std::string>{"43 TRACKS X 0 DO 0 STEP 100"});
  EXPECT_EQ(errors(), "");

  calls().clear();
  EXPECT_EQ(defrtest::readText(std::string("VERSION 5.8 ;\n") + body), 1);
  EXPECT_EQ(calls(), std::vector<std::string>{});
  EXPECT_EQ(errors(), "ERROR (DEFPARS-6525): The DO number 0 in TRACK is invalid.\nThe number "
                      "value has to be greater than 0. Specify the valid syntax and try again. "
                      "Error in file t.def at line 2, on token ;.\nUpdate the def file before "
                      "parsing the file again.\n");
}

TEST_F(Rows, GridChecksCountAgainstTheirLimit) {
  defrSetGcellGridWarnings(1);
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nGCELLGRID Y 0 DO -1 STEP -2.5 ;\nEND DESIGN\n"), 1);
  // Both checks fail; the limit of one lets only the first through.
  EXPECT_EQ(errors(), "ERROR (DEFPARS-6527): The DO number -1 in GCELLGRID is invalid.\nThe "
                      "number value has to be greater than 0. Specify the valid syntax and try "
                      "again. Error in file t.def at line 2, on token ;.\nUpdate the def file "
                      "before parsing the file again.\n");
}

TEST_F(Rows, MaskOfATrackNeedsVersion58) {
  EXPECT_EQ(defrtest::readText("VERSION 5.7 ;\nTRACKS Y 5 DO 3 STEP 10 MASK 1 ;\nEND DESIGN\n"), 1);
  EXPECT_EQ(calls(), std::vector<std::string>{});
  EXPECT_NE(errors().find("ERROR (DEFPARS-7415): The MASK statement is available in version 5.8 "
                          "and later.\nHowever, your DEF file is defined with version 5.7"),
            std::string::npos)
      << errors();
}

// The 21st error, here a refused mask, ends the read: the tracks after it stay unread.
TEST_F(Rows, TooManyMaskErrorsEndTheRead) {
  std::string def = "VERSION 5.7 ;\nDESIGN d ;\n";
  for (int i = 0; i < 21; i++) def += "TRACKS Y 0 DO 1 STEP 1 MASK 1 ;\n";
  def += "TRACKS X 0 DO 1 STEP 1 ;\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(def), 1);
  EXPECT_EQ(calls(), std::vector<std::string>{});
  size_t masks = 0;
  for (size_t at = errors().find("DEFPARS-7415"); at != std::string::npos;
       at = errors().find("DEFPARS-7415", at + 1))
    masks++;
  EXPECT_EQ(masks, 21u);
  EXPECT_NE(errors().find("ERROR (DEFPARS-6011): Too many syntax errors have been reported. "
                          "Error in file t.def at line 23"),
            std::string::npos)
      << errors();
}

}  // namespace
}  // namespace sections
