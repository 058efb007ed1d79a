// The LAYER statement read from LEF texts: its frame, TYPE and geometry
// sub-statements, what the Layer callback receives and the messages.
#include <gtest/gtest.h>

#include <string>

#include "lef/lefrData.h"
#include "stmtLayerFixture.h"

namespace {

using lefTest::errorText;
using lefTest::Lines;
using lefTest::warningText;

class LayerFrameTest : public lefTest::LayerStmtTest {};

TEST_F(LayerFrameTest, RoutingLayerKeepsItsGeometryRulesAndProperties) {
  const char* text =
      "VERSION 5.8 ;\n"
      "PROPERTYDEFINITIONS\n"
      "  LAYER lengthProp INTEGER ;\n"
      "END PROPERTYDEFINITIONS\n"
      "LAYER M1\n"
      "  TYPE ROUTING ;\n"
      "  DIRECTION HORIZONTAL ;\n"
      "  PITCH 0.2 ;\n"
      "  OFFSET 0.1 0.05 ;\n"
      "  DIAGPITCH 0.3 0.4 ;\n"
      "  WIDTH 0.1 ;\n"
      "  DIAGWIDTH 0.12 ;\n"
      "  DIAGSPACING 0.13 ;\n"
      "  AREA 0.05 ;\n"
      "  MASK 2 ;\n"
      "  MINWIDTH 0.09 ;\n"
      "  MAXWIDTH 4 ;\n"
      "  DIAGMINEDGELENGTH 0.07 ;\n"
      "  MINENCLOSEDAREA 0.3 WIDTH 0.2 ;\n"
      "  MINENCLOSEDAREA 0.6 ;\n"
      "  PROTRUSIONWIDTH 0.1 LENGTH 0.2 WIDTH 0.3 ;\n"
      "  MINSTEP 0.05 STEP LENGTHSUM 0.3 ;\n"
      "  MINSTEP 0.04 MAXEDGES 2 ;\n"
      "  MINSIZE 0.1 0.2 0.3 0.4 ;\n"
      "  MINIMUMCUT 2 WIDTH 0.5 WITHIN 0.6 FROMABOVE LENGTH 1 WITHIN 2 ;\n"
      "  MINIMUMCUT 3 WIDTH 0.7 ;\n"
      "  PROPERTY lengthProp 3 WIDTH \"x y\" kind metal ;\n"
      "END M1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(), Lines{});
  EXPECT_EQ(calls(), (Lines{"callback 11",
                            "layer M1 ROUTING",
                            "direction HORIZONTAL",
                            "pitch 0.2",
                            "offset 0.1 0.05",
                            "diagpitch 0.3 0.4",
                            "width 0.1",
                            "area 0.05",
                            "diagwidth 0.12",
                            "diagspacing 0.13",
                            "mask 2",
                            "maxwidth 4",
                            "minwidth 0.09",
                            "diagminedge 0.07",
                            "minimumcut 2 width 0.5 within 0.6 FROMABOVE length 1 2",
                            "minimumcut 3 width 0.7",
                            "minstep 0.05 STEP lengthsum 0.3",
                            "minstep 0.04 maxedges 2",
                            "minenclosedarea 0.3 width 0.2",
                            "minenclosedarea 0.6 width -1",
                            "minsize 0.1x0.2 0.3x0.4",
                            "protrusion 0.1 0.2 0.3",
                            "prop lengthProp 3 3 I",
                            "prop WIDTH x y 0 N",
                            "prop kind metal 0 N"}));
}

TEST_F(LayerFrameTest, CutLayerKeepsEnclosuresAndArraySpacing) {
  const char* text =
      "VERSION 5.8 ;\n"
      "LAYER V1\n"
      "  TYPE CUT ;\n"
      "  WIDTH 0.07 ;\n"
      "  RESISTANCE 2.5 ;\n"
      "  ENCLOSURE ABOVE 0.01 0.02 WIDTH 0.1 EXCEPTEXTRACUT 0.2 ;\n"
      "  ENCLOSURE 0.03 0.04 LENGTH 0.5 ;\n"
      "  PREFERENCLOSURE BELOW 0.05 0.06 WIDTH 0.7 ;\n"
      "  ARRAYSPACING LONGARRAY WIDTH 2 CUTSPACING 0.2 ARRAYCUTS 2 SPACING 1 ARRAYCUTS 4 "
      "SPACING 1.5 ;\n"
      "END V1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer V1 CUT", "width 0.07", "respercut 2.5",
                            "enclosure ABOVE 0.01 0.02 width 0.1 except 0.2 length 0",
                            "enclosure - 0.03 0.04 width 0 except 0 length 0.5",
                            "preferenclosure BELOW 0.05 0.06 width 0.7",
                            "arrayspacing long 1 width 2 cut 0.2 2:1 4:1.5"}));
}

TEST_F(LayerFrameTest, RoutingLayerWithoutPitchWidthDirectionIsReportedAtItsEnd) {
  const char* text =
      "VERSION 5.8 ;\n"
      "LAYER M2\n"
      "  TYPE ROUTING ;\n"
      "END M2\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(),
            (Lines{errorText(1509,
                             "PITCH statement is a required statement in a LAYER with type "
                             "ROUTING and it is not defined.",
                             4, "M2"),
                   errorText(1510,
                             "WIDTH statement is a required statement in a LAYER with type "
                             "ROUTING and it is not defined.",
                             4, "M2"),
                   errorText(1511,
                             "The DIRECTION statement which is required in a LAYER with TYPE "
                             "ROUTING is not defined in LAYER M2.\nUpdate your lef file and add "
                             "the DIRECTION statement for layer M2.",
                             4, "M2")}));
  EXPECT_EQ(calls(), Lines{});

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrSetRelaxMode();
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer M2 ROUTING"}));
}

TEST_F(LayerFrameTest, LayerWithoutTypeOrWithAnotherEndNameIsAnError) {
  EXPECT_EQ(read("VERSION 5.8 ;\nLAYER X\nEND X\nEND LIBRARY\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1508,
                                      "TYPE statement is a required statement in a LAYER and it "
                                      "is not defined.",
                                      3, "X")});

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(read("VERSION 5.8 ;\nLAYER M3\n  TYPE CUT ;\nEND M4\nEND LIBRARY\n"), 1);
  EXPECT_EQ(errors(),
            Lines{errorText(1507,
                            "END LAYER name M4 is different from the LAYER name M3.\nCorrect the "
                            "LEF file before rerunning it through the LEF parser.",
                            4, "M4")});
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(LayerFrameTest, DirectionOnCutLayerIsReportedAndStillStored) {
  EXPECT_EQ(read("VERSION 5.8 ;\nLAYER V1\n  TYPE CUT ;\n  DIRECTION VERTICAL ;\nEND V1\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1513,
                                      "DIRECTION statement can only be defined in LAYER with "
                                      "TYPE ROUTING. Parser will stop processing.",
                                      4, ";")});
  EXPECT_EQ(calls(), Lines{});
  EXPECT_EQ(lastLayer(), (Lines{"layer V1 CUT", "direction VERTICAL"}));
}

TEST_F(LayerFrameTest, AreaOnMastersliceLayerIsAnError) {
  EXPECT_EQ(read("VERSION 5.8 ;\nLAYER poly\n  TYPE MASTERSLICE ;\n  AREA 0.05 ;\nEND poly\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1715,
                                      "It is incorrect to define an AREA statement in LAYER with "
                                      "TYPE MASTERSLICE or OVERLAP. Parser will stop processing.",
                                      4, ";")});
}

TEST_F(LayerFrameTest, MaskNeedsVersion58EvenWithoutCallback) {
  const std::string body = "LAYER M1\n  TYPE MASTERSLICE ;\n  MASK 2 ;\nEND M1\nEND LIBRARY\n";
  LefDefParser::lefrUnsetLayerCbk();
  EXPECT_EQ(read("VERSION 5.7 ;\n" + body), 1);
  EXPECT_EQ(errors(), Lines{errorText(2081, "MASK information can only be defined with version 5.8",
                                      4, ";")});

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrSetLayerCbk(lefTest::journalLayer);
  EXPECT_EQ(read("VERSION 5.8 ;\n" + body), 0);
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer M1 MASTERSLICE", "mask 2"}));
}

TEST_F(LayerFrameTest, DecreasingArrayCutsWarnOncePerRead) {
  const char* text =
      "VERSION 5.7 ;\n"
      "LAYER V1\n"
      "  TYPE CUT ;\n"
      "  ARRAYSPACING CUTSPACING 0.2 ARRAYCUTS 3 SPACING 1 ARRAYCUTS 2 SPACING 2 ;\n"
      "END V1\n"
      "LAYER V2\n"
      "  TYPE CUT ;\n"
      "  ARRAYSPACING CUTSPACING 0.3 ARRAYCUTS 3 SPACING 1 ARRAYCUTS 2 SPACING 2 ;\n"
      "END V2\n"
      "END LIBRARY\n";
  const std::string warning =
      warningText(2080,
                  "The number of cut values in multiple ARRAYSPACING ARRAYCUTS are not in "
                  "increasing order.\nTo be consistent with the documentation, update the cut "
                  "values to increasing order.",
                  4);
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(), Lines{warning});
  EXPECT_EQ(calls(),
            (Lines{"callback 11", "layer V1 CUT", "arrayspacing long 0 width 0 cut 0.2 3:1 2:2",
                   "callback 11", "layer V2 CUT", "arrayspacing long 0 width 0 cut 0.3 3:1 2:2"}));

  // A new read warns again.
  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(), Lines{warning});
}

TEST_F(LayerFrameTest, LayerAfterMaxViaStackIsAnError) {
  const char* text =
      "VERSION 5.8 ;\n"
      "LAYER V1\n"
      "  TYPE CUT ;\n"
      "END V1\n"
      "MAXVIASTACK 4 ;\n"
      "LAYER V2\n"
      "  TYPE CUT ;\n"
      "END V2\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(),
            Lines{errorText(1506,
                            "A MAXVIASTACK statement is defined before the LAYER statement.\nRefer "
                            "to the LEF Language Reference manual for the order of LEF statements.",
                            6, "V2")});
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer V1 CUT"}));
}

TEST_F(LayerFrameTest, NamesThatSpellKeywordsAreNames) {
  const char* text =
      "VERSION 5.8 ;\n"
      "LAYER CUT\n"
      "  TYPE CUT ;\n"
      "END CUT\n"
      "LAYER 12\n"
      "  TYPE IMPLANT ;\n"
      "END 12\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"callback 11", "layer CUT CUT", "callback 11", "layer 12 IMPLANT"}));
}

TEST_F(LayerFrameTest, LongNamesAppearInFullInTheEndNameMessageTheTokenCut) {
  const std::string layerName(6000, 'a');
  const std::string endName(6000, 'b');
  EXPECT_EQ(read("VERSION 5.8 ;\nLAYER " + layerName + "\n  TYPE CUT ;\nEND " + endName + "\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1507,
                                      "END LAYER name " + endName +
                                          " is different from the LAYER name " + layerName +
                                          ".\nCorrect the LEF file before rerunning it through "
                                          "the LEF parser.",
                                      4, std::string(100, 'b') + "...")});
}

// A syntax error inside a layer abandons it (its MINSIZE points included);
// the next LAYER starts afresh, but the error blocks the callbacks.
TEST_F(LayerFrameTest, SyntaxErrorInsideALayerAbandonsIt) {
  const char* text =
      "VERSION 5.8 ;\n"
      "LAYER M1\n"
      "  TYPE ROUTING ;\n"
      "  MINSIZE 0.1 0.2 BOGUS ;\n"
      "END M1\n"
      "LAYER V1\n"
      "  TYPE CUT ;\n"
      "END V1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1): Lef parser has encountered an error in file test.lef at "
                  "line 4, on token BOGUS.\nProblem can be syntax error on the lef file or an "
                  "invalid parameter name.\nDouble check the syntax on the lef file with the "
                  "LEFDEF Reference Manual.\n"});
  EXPECT_EQ(calls(), Lines{});
  EXPECT_EQ(lastLayer(), (Lines{"layer V1 CUT"}));
}

// One sub-statement that breaks a version or TYPE rule, in a layer that is
// otherwise complete. Gated messages need the Layer callback; the others
// are given without it too.
struct RuleCase {
  const char* version;
  const char* type;  // the layer's TYPE statements, one per line
  const char* statement;
  int number;
  const char* text;
  const char* token;
  bool always;
};

class LayerRuleTest : public lefTest::LayerStmtTest,
                      public ::testing::WithParamInterface<RuleCase> {
 protected:
  std::string lef() const {
    const RuleCase& c = GetParam();
    return std::string("VERSION ") + c.version + " ;\nLAYER L1\n" + c.type + "  " + c.statement +
           "\nEND L1\nEND LIBRARY\n";
  }
  int statementLine() const {
    int lines = 0;
    for (const char* p = GetParam().type; *p; p++) lines += *p == '\n';
    return 3 + lines;
  }
};

TEST_P(LayerRuleTest, ReportsTheMessageOnItsToken) {
  const RuleCase& c = GetParam();
  EXPECT_EQ(read(lef()), 1);
  EXPECT_EQ(errors(), Lines{errorText(c.number, c.text, statementLine(), c.token)});
  EXPECT_EQ(calls(), Lines{});

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrUnsetLayerCbk();
  EXPECT_EQ(read(lef()), c.always ? 1 : 0);
  EXPECT_EQ(errors().size(), c.always ? 1u : 0u);
}

const char* const kRouting =
    "  TYPE ROUTING ;\n  DIRECTION HORIZONTAL ;\n  PITCH 0.2 ;\n  WIDTH 0.1 ;\n";
const char* const kCut = "  TYPE CUT ;\n";

INSTANTIATE_TEST_SUITE_P(
    Messages, LayerRuleTest,
    ::testing::Values(
        RuleCase{"5.4", kRouting, "MAXWIDTH 4 ;", 1578,
                 "MAXWIDTH statement is a version 5.5 and later syntax.\nYour lef file is defined "
                 "with version 5.4.",
                 ";", false},
        RuleCase{"5.4", kRouting, "MINWIDTH 0.1 ;", 1580,
                 "MINWIDTH statement is a version 5.5 and later syntax.\nYour lef file is defined "
                 "with version 5.4.",
                 ";", false},
        RuleCase{"5.4", kRouting, "MINENCLOSEDAREA 0.3 ;", 1581,
                 "MINENCLOSEDAREA statement is a version 5.5 and later syntax.\nYour lef file is "
                 "defined with version 5.4.",
                 "0.3", false},
        RuleCase{"5.4", kRouting, "PROTRUSIONWIDTH 0.1 LENGTH 0.2 WIDTH 0.3 ;", 1582,
                 "PROTRUSION RULE statement is a version 5.5 and later syntax.\nYour lef file is "
                 "defined with version 5.4.",
                 ";", false},
        RuleCase{"5.4", kRouting, "MINIMUMCUT 2 WIDTH 1 FROMABOVE ;", 1596,
                 "FROMABOVE statement is a version 5.5 and later syntax.\nYour lef file is "
                 "defined with version 5.4.",
                 "FROMABOVE", false},
        RuleCase{"5.4", kRouting, "MINIMUMCUT 2 WIDTH 1 FROMBELOW ;", 1597,
                 "FROMBELOW statement is a version 5.5 and later syntax.\nYour lef file is "
                 "defined with version 5.4.",
                 "FROMBELOW", false},
        RuleCase{"5.4", kRouting, "MINIMUMCUT 2 WIDTH 1 LENGTH 3 WITHIN 4 ;", 1598,
                 "LENGTH WITHIN statement is a version 5.5 and later syntax.\nYour lef file is "
                 "defined with version 5.4.",
                 "4", false},
        RuleCase{"5.5", kCut, "ENCLOSURE 0.01 0.02 ;", 1584,
                 "ENCLOSURE statement is a version 5.6 and later syntax.\nYour lef file is "
                 "defined with version 5.5.",
                 "0.02", false},
        RuleCase{"5.5", kCut, "PREFERENCLOSURE 0.01 0.02 ;", 1585,
                 "PREFERENCLOSURE statement is a version 5.6 and later syntax.\nYour lef file is "
                 "defined with version 5.5.",
                 "0.02", false},
        RuleCase{"5.5", kCut, "RESISTANCE 2 ;", 1586,
                 "RESISTANCE statement is a version 5.6 and later syntax.\nYour lef file is "
                 "defined with version 5.5.",
                 ";", false},
        RuleCase{"5.5", kRouting, "DIAGMINEDGELENGTH 0.1 ;", 1588,
                 "DIAGMINEDGELENGTH statement is a version 5.6 and later syntax.\nYour lef file "
                 "is defined with version 5.5.",
                 ";", false},
        RuleCase{"5.6", kCut, "DIAGMINEDGELENGTH 0.1 ;", 1587,
                 "DIAGMINEDGELENGTH can only be defined in LAYER with TYPE ROUTING. Parser will "
                 "stop processing.",
                 ";", false},
        RuleCase{"5.8", kCut, "MAXWIDTH 4 ;", 1577,
                 "MAXWIDTH statement can only be defined in LAYER with TYPE ROUTING.  Parser "
                 "will stop processing.",
                 ";", false},
        RuleCase{"5.8", kCut, "MINWIDTH 4 ;", 1579,
                 "MINWIDTH statement can only be defined in LAYER with TYPE ROUTING.  Parser "
                 "will stop processing.",
                 ";", false},
        RuleCase{"5.6", kRouting, "MINIMUMCUT 2 WIDTH 1 WITHIN 0.5 ;", 1700,
                 "MINIMUMCUT WITHIN is a version 5.7 or later syntax.\nYour lef file is defined "
                 "with version 5.6.",
                 "0.5", true},
        RuleCase{"5.6", kRouting, "MINSTEP 0.1 MAXEDGES 2 ;", 1710,
                 "MAXEDGES is a version 5.7 or later syntax.\nYour lef file is defined with "
                 "version 5.6.",
                 "2", true},
        RuleCase{"5.6", kCut, "ENCLOSURE 0.01 0.02 WIDTH 0.1 EXCEPTEXTRACUT 0.2 ;", 1690,
                 "EXCEPTEXTRACUT is a version 5.7 or later syntax.\nYour lef file is defined with "
                 "version 5.6.",
                 "0.2", true},
        RuleCase{"5.6", kCut, "ENCLOSURE 0.01 0.02 LENGTH 0.3 ;", 1691,
                 "LENGTH is a version 5.7 or later syntax.\nYour lef file is defined with "
                 "version 5.6.",
                 "0.3", true},
        RuleCase{"5.6", kCut, "ARRAYSPACING CUTSPACING 0.2 ARRAYCUTS 2 SPACING 1 ;", 1685,
                 "ARRAYSPACING is a version 5.7 or later syntax.\nYour lef file is defined with "
                 "version 5.6.",
                 ";", true}));

}  // namespace
