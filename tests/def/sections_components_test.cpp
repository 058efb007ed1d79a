// COMPONENTS and COMPONENTMASKSHIFT: the stored options of each component, the version
// rules and the callbacks of the section.
#include "sections_fixture.h"

namespace sections {
namespace {

class Components : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetComponentMaskShiftLayerCbk(record<defiComponentMaskShiftLayer>);
    defrSetComponentStartCbk(recordInt);
    defrSetComponentCbk(record<defiComponent>);
    defrSetComponentEndCbk(recordVoid);
  }
};

TEST_F(Components, OptionsAreStoredAsWritten) {
  EXPECT_EQ(readData("components.def"), 0);
  std::vector<std::string> expected = {
      "102 MASKSHIFT M1 M2",
      "12 4",
      "13 COMP i1 NAND2 netA * netB STATUS 2 100,200 4",
      "13 COMP i2 NAND2 STATUS 1 -1,-1 -1 EEQ COMPONENTS SOURCE DIST WEIGHT 3",
      // Names spelling keywords and numbers; the '*' takes y of the point before; the
      // mask shift digits are stored last digit first; the halo is truncated.
      "13 COMP PLACED 123 STATUS 3 -2,200 2 MASKSHIFT 2 0 1 0 REGION reg1 HALO SOFT 1 2 3 4 "
      "ROUTEHALO 7 NETS M9 weight=7:I#7 note=hi there:N",
      "13 COMP i4 INV STATUS 4 5,6 3 GENERATE gen1 '' weight=0.5:I#0.5",
      "14",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
  EXPECT_EQ(warnings(), "WARNING (DEFPARS-7010): The PropName note is not defined for "
                        "COMPONENT. See file components.def at line 11.\n");
}

TEST_F(Components, OldFilesKeepForeignAndRegionBoundsButNotUnplacedPoints) {
  EXPECT_EQ(readData("components_old.def"), 0);
  std::vector<std::string> expected = {
      "12 2",
      "13 COMP i1 INV BOUNDS 0,0 10,10 BOUNDS 20,20 30,30 FOREIGN cellA 1,2 6",
      "13 COMP i2 INV FOREIGN cellB 4,4 1",
      "14",
  };
  EXPECT_EQ(calls(), expected);
  // UNPLACED with a point is obsolete from 5.4 and keeps nothing of the point.
  EXPECT_EQ(warnings(), "WARNING (DEFPARS-7022): In the COMPONENT UNPLACED statement, point and "
                        "orient are invalid in version 5.4 and later.\nThe DEF parser will "
                        "ignore this statement. See file components_old.def at line 7.\n");
}

TEST_F(Components, EndIsReportedOnlyWithTheComponentCallback) {
  defrUnsetComponentCbk();
  EXPECT_EQ(defrtest::readText("DESIGN d ;\nCOMPONENTS 1 ;\n- i1 INV ;\nEND COMPONENTS\n"
                               "END DESIGN\n"),
            0);
  EXPECT_EQ(calls(), std::vector<std::string>{"12 1"});
}

struct VersionCase {
  const char* version;
  const char* option;
  const char* message;
};

class ComponentVersions : public Components, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ComponentVersions, NewerOptionsAreErrorsAndStopTheCallbacks) {
  const VersionCase& c = GetParam();
  std::string def = std::string("VERSION ") + c.version +
                    " ;\nDESIGN d ;\nCOMPONENTS 1 ;\n- i1 INV " + c.option +
                    " ;\nEND COMPONENTS\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(def), 1);
  EXPECT_EQ(calls(), std::vector<std::string>{"12 1"});
  EXPECT_NE(errors().find(c.message), std::string::npos) << errors();
}

INSTANTIATE_TEST_SUITE_P(
    Options, ComponentVersions,
    ::testing::Values(
        VersionCase{"5.5", "+ HALO 1 2 3 4",
                    "ERROR (DEFPARS-6529): The HALO statement is a version 5.6 and later "
                    "syntax.\nHowever, your DEF file is defined with version 5.5."},
        VersionCase{"5.6", "+ HALO SOFT 1 2 3 4",
                    "ERROR (DEFPARS-6550): The HALO SOFT is available in version 5.7 or "
                    "later.\nHowever, your DEF file is defined with version 5.6."},
        VersionCase{"5.6", "+ ROUTEHALO 5 M1 M3",
                    "ERROR (DEFPARS-6551): The ROUTEHALO is available in version 5.7 or "
                    "later.\nHowever, your DEF file is defined with version 5.6."},
        VersionCase{"5.8", "+ MASKSHIFT 01a",
                    "ERROR (DEFPARS-7416): The MASKSHIFT value '01a' is not valid."},
        VersionCase{"5.7", "+ MASKSHIFT 0010",
                    "ERROR (DEFPARS-7417): The MASKSHIFT statement can be used only in DEF "
                    "version 5.8 and later. This DEF file version is '5.7'."}));

TEST_F(Components, MaskShiftLayersNeedVersion58) {
  EXPECT_EQ(defrtest::readText("VERSION 5.7 ;\nDESIGN d ;\nCOMPONENTMASKSHIFT M1 M2 ;\n"
                               "END DESIGN\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{});
  EXPECT_EQ(errors(), "ERROR (DEFPARS-7415): The MASKSHIFT statement is available in version "
                      "5.8 and later.\nHowever, your DEF file is defined with version 5.7 Error "
                      "in file t.def at line 3, on token ;.\nUpdate the def file before parsing "
                      "the file again.\n");
}

TEST_F(Components, ObsoleteForeignAndRegionBoundsAreDropped) {
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nCOMPONENTS 1 ;\n"
                               "- i1 INV + FOREIGN f ( 1 2 ) N + REGION ( 0 0 ) ( 5 5 ) ;\n"
                               "END COMPONENTS\nEND DESIGN\n"),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"12 1", "13 COMP i1 INV", "14"}));
  EXPECT_EQ(warnings(),
            "WARNING (DEFPARS-7021): The FOREIGN statement is obsolete in version 5.6 and "
            "later.\nThe DEF parser will ignore this statement. See file t.def at line 4.\n"
            "WARNING (DEFPARS-7020): The REGION pt pt statement is obsolete in version 5.5 and "
            "later.\nThe DEF parser will ignore this statement. See file t.def at line 4.\n");
}

}  // namespace
}  // namespace sections
