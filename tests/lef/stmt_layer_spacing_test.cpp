// The SPACING and SPACINGTABLE sub-statements of a LAYER: the rules and
// tables the Layer callback receives, and the order and version messages.
#include <gtest/gtest.h>

#include <string>

#include "stmtLayerFixture.h"

namespace {

using lefTest::errorText;
using lefTest::Lines;
using lefTest::warningText;

class LayerSpacingTest : public lefTest::LayerStmtTest {
 protected:
  // A complete ROUTING layer M1 of the given version; its extra statements
  // start on line 7.
  int readRouting(const char* version, const std::string& statements) {
    return read(std::string("VERSION ") + version +
                " ;\nLAYER M1\n  TYPE ROUTING ;\n  DIRECTION HORIZONTAL ;\n  PITCH 0.2 ;\n"
                "  WIDTH 0.1 ;\n" +
                statements + "END M1\nEND LIBRARY\n");
  }
  static const Lines& routingHead() {
    static const Lines head{"callback 11", "layer M1 ROUTING", "direction HORIZONTAL", "pitch 0.2",
                            "width 0.1"};
    return head;
  }
  static Lines routing(Lines tail) {
    Lines all = routingHead();
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  }
};

TEST_F(LayerSpacingTest, RoutingSpacingRulesKeepTheirOptions) {
  EXPECT_EQ(readRouting("5.8",
                        "  SPACING 0.1 ;\n"
                        "  SPACING 0.2 RANGE 0.3 10 INFLUENCE 0.5 RANGE 0.1 0.2 ;\n"
                        "  SPACING 0.22 RANGE 0 1 INFLUENCE 0.7 ;\n"
                        "  SPACING 0.25 RANGE 0.3 10 USELENGTHTHRESHOLD ;\n"
                        "  SPACING 0.3 RANGE 1 2 RANGE 3 4 ;\n"
                        "  SPACING 0.15 LENGTHTHRESHOLD 0.9 RANGE 0.1 0.4 ;\n"
                        "  SPACING 0.12 ENDOFLINE 0.1 WITHIN 0.05 PARALLELEDGE 0.2 WITHIN 0.3 "
                        "TWOEDGES ;\n"
                        "  SPACING 0.3 NOTCHLENGTH 0.4 ;\n"
                        "  SPACING 0.35 ENDOFNOTCHWIDTH 0.1 NOTCHSPACING 0.2 NOTCHLENGTH 0.3 ;\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            routing({"spacing 0.1", "spacing 0.2 range 0.3 10 influence 0.5 0.1 0.2 range2 -1 -1",
                     "spacing 0.22 range 0 1 influence 0.7 -1 -1 range2 -1 -1",
                     "spacing 0.25 range 0.3 10 influence -1 -1 -1 range2 -1 -1 uselength",
                     "spacing 0.3 range 1 2 influence -1 -1 -1 range2 3 4",
                     "spacing 0.15 lengththreshold 0.9 0.1 0.4",
                     "spacing 0.12 eol 0.1 0.05 paredge 0.2 0.3 twoedges",
                     "spacing 0.3 notchlength 0.4", "spacing 0.35 endofnotch 0.1 0.2 0.3"}));
}

TEST_F(LayerSpacingTest, CutSpacingRulesKeepTheirOptions) {
  const char* text =
      "VERSION 5.8 ;\n"
      "LAYER V1\n"
      "  TYPE CUT ;\n"
      "  SPACING 0.2 CENTERTOCENTER SAMENET PGONLY ;\n"
      "  SPACING 0.3 LAYER VIA STACK ;\n"
      "  SPACING 0.25 ADJACENTCUTS 3 WITHIN 0.4 EXCEPTSAMEPGNET ;\n"
      "  SPACING 0.4 PARALLELOVERLAP ;\n"
      "  SPACING 0.5 AREA 0.02 ;\n"
      "END V1\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(
      calls(),
      (Lines{"callback 11", "layer V1 CUT", "spacing 0.2 centertocenter samenet pgonly",
             "spacing 0.3 layer VIA stack", "spacing 0.25 adjacent 3 within 0.4 exceptsamepgnet",
             "spacing 0.4 paralleloverlap", "spacing 0.5 area 0.02"}));
}

TEST_F(LayerSpacingTest, SpacingTablesReachTheCallback) {
  EXPECT_EQ(readRouting("5.7",
                        "  SPACINGTABLE\n"
                        "    PARALLELRUNLENGTH 0 0.5 1\n"
                        "    WIDTH 0 0.1 0.1 0.1\n"
                        "    WIDTH 0.3 0.1 0.2 0.3 ;\n"
                        "  SPACINGTABLE INFLUENCE WIDTH 1 WITHIN 2 SPACING 3\n"
                        "    WIDTH 4 WITHIN 5 SPACING 6 ;\n"
                        "  SPACINGTABLE TWOWIDTHS WIDTH 0 0.1 0.2 WIDTH 0.2 PRL 0.5 0.3 0.4 ;\n"),
            1);
  // The TWOWIDTHS table after the PARALLELRUNLENGTH table is an error, so
  // the tables are read back from the reader's layer.
  EXPECT_EQ(errors(), Lines{errorText(1592,
                                      "A PARALLELRUNLENGTH statement was already defined in the "
                                      "layer.\nIt is PARALLELRUNLENGTH or TWOWIDTHS is allowed "
                                      "per layer.",
                                      13, "WIDTH")});
  Lines tables = lastLayer();
  tables.erase(tables.begin(), tables.begin() + 4);
  EXPECT_EQ(tables,
            (Lines{"prl lengths 0 0.5 1", " width 0: 0.1 0.1 0.1", " width 0.3: 0.1 0.2 0.3",
                   "influence 1 2 3", "influence 4 5 6", "twowidths 0 prl -1 has 0: 0.1 0.2",
                   "twowidths 0.2 prl 0.5 has 1: 0.3 0.4"}));
}

TEST_F(LayerSpacingTest, EveryParallelRowIsCheckedAndKeepsOneValuePerLength) {
  EXPECT_EQ(readRouting("5.8",
                        "  SPACINGTABLE PARALLELRUNLENGTH 0 0.5 1\n"
                        "    WIDTH 0 0.1 0.2\n"
                        "    WIDTH 0.2 0.1 0.2 0.3 0.4 0.5 0.6 ;\n"),
            1);
  const char* text =
      "The number of length in the PARALLELRUNLENGTH statement is not equal to\nthe total "
      "number of spacings defined in the WIDTH statement in the SPACINGTABLE.";
  EXPECT_EQ(errors(), (Lines{errorText(1591, text, 9, "WIDTH"), errorText(1591, text, 9, ";")}));
  EXPECT_EQ(calls(), Lines{});
  Lines tables = lastLayer();
  tables.erase(tables.begin(), tables.begin() + 4);
  EXPECT_EQ(tables,
            (Lines{"prl lengths 0 0.5 1", " width 0: 0.1 0.2 0", " width 0.2: 0.1 0.2 0.3"}));
}

TEST_F(LayerSpacingTest, OrthogonalTableNeedsVersion57) {
  const std::string body =
      " ;\nLAYER V1\n  TYPE CUT ;\n"
      "  SPACINGTABLE ORTHOGONAL WITHIN 0.1 SPACING 0.2 WITHIN 0.3 SPACING 0.4 ;\nEND V1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read("VERSION 5.7" + body), 0);
  EXPECT_EQ(calls(),
            (Lines{"callback 11", "layer V1 CUT", "orthogonal 0.1 0.2", "orthogonal 0.3 0.4"}));

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrUnsetLayerCbk();
  EXPECT_EQ(read("VERSION 5.6" + body), 1);
  EXPECT_EQ(errors(), Lines{errorText(1694,
                                      "SPACINGTABLE ORTHOGONAL is a version 5.7 or later "
                                      "syntax.\nYour lef file is defined with version 5.6.",
                                      4, ";")});
}

TEST_F(LayerSpacingTest, EndOfLineBefore57IsReportedAndStillStored) {
  EXPECT_EQ(readRouting("5.6", "  SPACING 0.1 ENDOFLINE 0.1 WITHIN 0.05 ;\n"), 1);
  EXPECT_EQ(errors(), Lines{errorText(1681,
                                      "ENDOFLINE is a version 5.7 or later syntax.\nYour lef file "
                                      "is defined with version 5.6.",
                                      7, ";")});
  EXPECT_EQ(lastLayer().back(), "spacing 0.1 eol 0.1 0.05");
}

TEST_F(LayerSpacingTest, SpacingAndSpacingTableTogetherWarnBefore57) {
  const std::string both = "  SPACING 0.2 ;\n  SPACINGTABLE PARALLELRUNLENGTH 0 WIDTH 0 0.2 ;\n";
  EXPECT_EQ(readRouting("5.6", both), 0);
  EXPECT_EQ(warnings(), Lines{warningText(2010,
                                          "It is incorrect to have both SPACING rules & "
                                          "SPACINGTABLE rules within a ROUTING layer",
                                          8)});
  EXPECT_EQ(calls(), routing({"spacing 0.2", "prl lengths 0", " width 0: 0.2"}));

  lefTest::readLog() = lefTest::ReadLog();
  EXPECT_EQ(readRouting("5.7", both), 0);
  EXPECT_EQ(warnings(), Lines{});
}

// Statements in a complete ROUTING layer (from line 7 on) and the errors
// they give, each with its line and token.
struct OrderCase {
  const char* version;
  const char* statements;
  std::vector<std::string> errors;
};

class LayerSpacingOrderTest : public LayerSpacingTest,
                              public ::testing::WithParamInterface<OrderCase> {};

TEST_P(LayerSpacingOrderTest, ReportsEachBrokenRule) {
  EXPECT_EQ(readRouting(GetParam().version, GetParam().statements), 1);
  EXPECT_EQ(errors(), GetParam().errors);
  EXPECT_EQ(calls(), Lines{});
}

const char* const k1589 =
    "An INFLUENCE table statement was defined before the PARALLELRUNLENGTH table "
    "statement.\nINFLUENCE table statement should be defined following the "
    "PARALLELRUNLENGTH.\nChange the LEF file and rerun the parser.";
const char* const k1590 =
    "There is multiple PARALLELRUNLENGTH table statements are defined within a layer.\nAccording "
    "to the LEF Reference Manual, only one PARALLELRUNLENGTH table statement is allowed per "
    "layer.";
const char* const k1594 =
    "A INFLUENCE table statement was already defined in the layer.\nOnly one INFLUENCE "
    "statement is allowed per layer.";
const char* const k1595 =
    "An INFLUENCE table statement was already defined before the layer.\nINFLUENCE statement "
    "has to be defined after the PARALLELRUNLENGTH table statement in the layer.";

INSTANTIATE_TEST_SUITE_P(
    Messages, LayerSpacingOrderTest,
    ::testing::Values(
        OrderCase{"5.8",
                  "  SPACINGTABLE PARALLELRUNLENGTH 0 WIDTH 0 0.1 ;\n"
                  "  SPACINGTABLE PARALLELRUNLENGTH 0 WIDTH 0 0.1 ;\n",
                  {errorText(1590, k1590, 8, "0")}},
        OrderCase{"5.8",
                  "  SPACINGTABLE INFLUENCE WIDTH 1 WITHIN 2 SPACING 3 ;\n"
                  "  SPACINGTABLE PARALLELRUNLENGTH 0 WIDTH 0 0.1 ;\n",
                  {errorText(1595, k1595, 7, "3"), errorText(1589, k1589, 8, "0")}},
        OrderCase{"5.8",
                  "  SPACINGTABLE PARALLELRUNLENGTH 0 WIDTH 0 0.1 ;\n"
                  "  SPACINGTABLE INFLUENCE WIDTH 1 WITHIN 2 SPACING 3 ;\n"
                  "  SPACINGTABLE INFLUENCE WIDTH 1 WITHIN 2 SPACING 3 ;\n",
                  {errorText(1594, k1594, 9, "3")}},
        OrderCase{"5.6",
                  "  SPACINGTABLE PARALLELRUNLENGTH 0 WIDTH 0 0.1 ;\n"
                  "  SPACINGTABLE TWOWIDTHS WIDTH 0 0.1 ;\n",
                  {errorText(1592,
                             "A PARALLELRUNLENGTH statement was already defined in the "
                             "layer.\nIt is PARALLELRUNLENGTH or TWOWIDTHS is allowed per layer.",
                             8, ";"),
                   errorText(1697,
                             "TWOWIDTHS is a version 5.7 or later syntax.\nYour lef file is "
                             "defined with version 5.6.",
                             8, ";")}},
        OrderCase{"5.7",
                  "  SPACINGTABLE TWOWIDTHS WIDTH 0 0.1 ;\n"
                  "  SPACINGTABLE TWOWIDTHS WIDTH 0 0.1 ;\n",
                  {errorText(1593,
                             "A TWOWIDTHS table statement was already defined in the layer.\nOnly "
                             "one TWOWIDTHS statement is allowed per layer.",
                             8, ";")}},
        OrderCase{"5.4",
                  "  SPACINGTABLE PARALLELRUNLENGTH 0 WIDTH 0 0.1 ;\n",
                  {errorText(1583,
                             "SPACINGTABLE statement is a version 5.5 and later syntax.\nYour lef "
                             "file is defined with version 5.4.",
                             7, "PARALLELRUNLENGTH")}}));

// Options of a cut-layer SPACING statement on line 4 and their messages.
struct CutCase {
  const char* version;
  const char* statement;
  std::vector<std::string> errors;
};

class LayerCutSpacingTest : public LayerSpacingTest,
                            public ::testing::WithParamInterface<CutCase> {};

TEST_P(LayerCutSpacingTest, ReportsEachBrokenRule) {
  EXPECT_EQ(read(std::string("VERSION ") + GetParam().version + " ;\nLAYER V1\n  TYPE CUT ;\n  " +
                 GetParam().statement + "\nEND V1\nEND LIBRARY\n"),
            1);
  EXPECT_EQ(errors(), GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, LayerCutSpacingTest,
    ::testing::Values(
        CutCase{"5.8",
                "SPACING 0.1 CENTERTOCENTER CENTERTOCENTER ;",
                {errorText(1663,
                           "A CENTERTOCENTER statement was already defined in SPACING\n"
                           "CENTERTOCENTER can only be defined once per LAYER CUT SPACING.",
                           4, "CENTERTOCENTER")}},
        CutCase{"5.5",
                "SPACING 0.1 CENTERTOCENTER ;",
                {errorText(1664,
                           "CENTERTOCENTER statement is a version 5.6 and later syntax.\nYour lef "
                           "file is defined with version 5.5.",
                           4, "CENTERTOCENTER")}},
        CutCase{"5.8",
                "SPACING 0.1 SAMENET SAMENET ;",
                {errorText(1665,
                           "A SAMENET statement was already defined in SPACING\nSAMENET can only "
                           "be defined once per LAYER CUT SPACING.",
                           4, "SAMENET")}},
        CutCase{"5.6",
                "SPACING 0.1 SAMENET LAYER V2 ;",
                {errorText(1684,
                           "SAMENET is a version 5.7 or later syntax.\nYour lef file is defined "
                           "with version 5.6.",
                           4, "LAYER"),
                 errorText(1667,
                           "A SAMENET statement was already defined in SPACING\nEither SAMENET or "
                           "LAYER can be defined, but not both.",
                           4, "V2")}},
        CutCase{"5.8",
                "SPACING 0.1 PARALLELOVERLAP PARALLELOVERLAP ;",
                {errorText(1666,
                           "A PARALLELOVERLAP statement was already defined in SPACING\n"
                           "PARALLELOVERLAP can only be defined once per LAYER CUT SPACING.",
                           4, "PARALLELOVERLAP")}},
        CutCase{"5.6",
                "SPACING 0.1 PARALLELOVERLAP ;",
                {errorText(1680,
                           "PARALLELOVERLAP is a version 5.7 or later syntax.\nYour lef file is "
                           "defined with version 5.6.",
                           4, "PARALLELOVERLAP")}},
        CutCase{"5.4",
                "SPACING 0.1 ADJACENTCUTS 2 WITHIN 0.3 ;",
                {errorText(1668,
                           "ADJACENTCUTS statement is a version 5.5 and later syntax.\nYour lef "
                           "file is defined with version 5.4.",
                           4, "0.3")}},
        CutCase{"5.6",
                "SPACING 0.1 ADJACENTCUTS 2 WITHIN 0.3 EXCEPTSAMEPGNET ;",
                {errorText(1683,
                           "EXCEPTSAMEPGNET is a version 5.7 or later syntax.\nYour lef file is "
                           "defined with version 5.6.",
                           4, "EXCEPTSAMEPGNET")}},
        CutCase{"5.6",
                "SPACING 0.1 AREA 0.5 ;",
                {errorText(1693,
                           "AREA is a version 5.7 or later syntax.\nYour lef file is defined with "
                           "version 5.6.",
                           4, "0.5")}},
        CutCase{"5.6",
                "SPACING 0.1 NOTCHLENGTH 0.5 ;",
                {errorText(1682,
                           "NOTCHLENGTH is a version 5.7 or later syntax.\nYour lef file is "
                           "defined with version 5.6.",
                           4, "0.5")}},
        CutCase{"5.6",
                "SPACING 0.1 ENDOFNOTCHWIDTH 0.1 NOTCHSPACING 0.2 NOTCHLENGTH 0.3 ;",
                {errorText(1696,
                           "ENDOFNOTCHWIDTH is a version 5.7 or later syntax.\nYour lef file is "
                           "defined with version 5.6.",
                           4, "0.3")}}));

TEST_F(LayerSpacingTest, SpacingOnMastersliceLayerIsAnError) {
  EXPECT_EQ(read("VERSION 5.8 ;\nLAYER poly\n  TYPE MASTERSLICE ;\n  SPACING 0.3 ;\nEND poly\n"),
            1);
  EXPECT_EQ(errors(), Lines{errorText(1512,
                                      "It is incorrect to define a SPACING statement in LAYER "
                                      "with TYPE MASTERSLICE or OVERLAP. Parser will stop "
                                      "processing.",
                                      4, "0.3")});
}

}  // namespace
