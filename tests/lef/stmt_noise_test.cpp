// The statements of LEF before 5.4 read from LEF texts: noise margin, edge
// rates, NOISETABLE and CORRECTIONTABLE, the library antenna sizes with their
// old/new syntax rules; and the BEGINEXT extension.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiCrossTalk.h"
#include "lef/lefrData.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiCorrectionTable;
using LefDefParser::lefiNoiseMargin;
using LefDefParser::lefiNoiseTable;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::versioned;
using lefTest::num;

// Both table families print alike; only the victims' value lists differ.
double victimValue(const LefDefParser::lefiNoiseVictim* v, int i) { return v->noise(i); }
int victimCount(const LefDefParser::lefiNoiseVictim* v) { return v->numNoises(); }
double victimValue(const LefDefParser::lefiCorrectionVictim* v, int i) {
  return v->correction(i);
}
int victimCount(const LefDefParser::lefiCorrectionVictim* v) { return v->numCorrections(); }

template <class Table>
void journalTable(const char* kind, int type, const Table& t) {
  journal(std::string(kind) + " " + std::to_string(type) + " num " + std::to_string(t.num()));
  for (int e = 0; e < t.numEdges(); e++) {
    journal(" edge " + num(t.edge(e)->edge()));
    for (int r = 0; r < t.edge(e)->numResistances(); r++) {
      auto* res = t.edge(e)->resistance(r);
      std::string line = "  res";
      for (int k = 0; k < res->numNums(); k++) line += " " + num(res->num(k));
      journal(line);
      for (int v = 0; v < res->numVictims(); v++) {
        auto* victim = res->victim(v);
        std::string vline = "   victim " + num(victim->length()) + ":";
        for (int k = 0; k < victimCount(victim); k++) vline += " " + num(victimValue(victim, k));
        journal(vline);
      }
    }
  }
}

int noiseTableCbk(lefrCallbackType_e type, lefiNoiseTable* t, void*) {
  journalTable("noise", type, *t);
  return 0;
}

int correctionTableCbk(lefrCallbackType_e type, lefiCorrectionTable* t, void*) {
  journalTable("correction", type, *t);
  return 0;
}

int noiseMarginCbk(lefrCallbackType_e type, lefiNoiseMargin* m, void*) {
  journal("margin " + std::to_string(type) + " high " + num(m->high) + " low " + num(m->low));
  return 0;
}

int valueCbk(lefrCallbackType_e type, double v, void*) {
  journal("value " + std::to_string(type) + " " + num(v));
  return 0;
}

int extensionCbk(lefrCallbackType_e type, const char* text, void*) {
  journal("extension " + std::to_string(type) + " [" + text + "]");
  return 0;
}

const char* const kNoiseTable =
    "NOISETABLE 2 ;\n"
    "  EDGERATE 0.1 ;\n"
    "  OUTPUTRESISTANCE 10 20 ;\n"
    "    VICTIMLENGTH 5 ;\n"
    "      VICTIMNOISE 0.1 0.2 ;\n"
    "    VICTIMLENGTH 6 ;\n"
    "      VICTIMNOISE 0.3 ;\n"
    "  EDGERATE 0.2 ;\n"
    "  OUTPUTRESISTANCE 30 ;\n"
    "END NOISETABLE\n";

class NoiseStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetNoiseTableCbk(noiseTableCbk);
    LefDefParser::lefrSetCorrectionTableCbk(correctionTableCbk);
    LefDefParser::lefrSetNoiseMarginCbk(noiseMarginCbk);
    LefDefParser::lefrSetEdgeRateThreshold1Cbk(valueCbk);
    LefDefParser::lefrSetEdgeRateThreshold2Cbk(valueCbk);
    LefDefParser::lefrSetEdgeRateScaleFactorCbk(valueCbk);
  }
};

TEST_F(NoiseStmtTest, TablesBefore54) {
  std::string text = versioned(
      "5.3", std::string(kNoiseTable) +
                 "CORRECTIONTABLE 1 ;\n"
                 "  EDGERATE 0.5 ;\n"
                 "  OUTPUTRESISTANCE 7 ;\n"
                 "    VICTIMLENGTH 2 ;\n"
                 "      CORRECTIONFACTOR 1.1 1.2 1.3 ;\n"
                 "END CORRECTIONTABLE ;\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"noise 35 num 2", " edge 0.1", "  res 10 20", "   victim 5: 0.1 0.2",
                            "   victim 6: 0.3", " edge 0.2", "  res 30", "correction 36 num 1",
                            " edge 0.5", "  res 7", "   victim 2: 1.1 1.2 1.3"}));
}

TEST_F(NoiseStmtTest, TableFrom54IsFilledButNotDelivered) {
  EXPECT_EQ(read(versioned("5.4", kNoiseTable)), 0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-2074): NOISETABLE statement is obsolete in version 5.4 and "
                  "later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in "
                  "the future, remove this statement from the LEF file with version 5.4 or "
                  "later. See file test.lef at line 14.\n"});
  EXPECT_EQ(calls(), Lines{});
  EXPECT_EQ(LefDefParser::lefData->noiseTable.numEdges(), 2);
}

TEST_F(NoiseStmtTest, MarginAndEdgeRatesBefore54) {
  std::string text = versioned("5.3",
                               "UNIVERSALNOISEMARGIN 0.1 0.2 ;\nEDGERATETHRESHOLD1 0.5 ;\n"
                               "EDGERATETHRESHOLD2 0.6 ;\nEDGERATESCALEFACTOR 1.5 ;\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(), (Lines{"margin 31 high 0.1 low 0.2", "value 32 0.5", "value 33 0.6",
                            "value 34 1.5"}));
}

TEST_F(NoiseStmtTest, MarginAndEdgeRatesFrom54AreObsolete) {
  std::string text = versioned("5.4",
                               "UNIVERSALNOISEMARGIN 0.1 0.2 ;\nEDGERATETHRESHOLD1 0.5 ;\n"
                               "EDGERATETHRESHOLD2 0.6 ;\nEDGERATESCALEFACTOR 1.5 ;\n");
  EXPECT_EQ(read(text), 0);
  const char* tail =
      " statement is obsolete in version 5.4 and later.\nThe LEF parser will ignore this "
      "statement.\nTo avoid this warning in the future, remove this statement from the LEF "
      "file with version 5.4 or later. See file test.lef at line ";
  EXPECT_EQ(warnings(),
            (Lines{std::string("WARNING (LEFPARS-2070): UNIVERSALNOISEMARGIN") + tail + "5.\n",
                   std::string("WARNING (LEFPARS-2071): EDGERATETHRESHOLD1") + tail + "6.\n",
                   std::string("WARNING (LEFPARS-2072): EDGERATETHRESHOLD2") + tail + "7.\n",
                   std::string("WARNING (LEFPARS-2073): EDGERATESCALEFACTOR") + tail + "8.\n"}));
  EXPECT_EQ(calls(), Lines{});
}

class AntennaSizeStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetInputAntennaCbk(valueCbk);
    LefDefParser::lefrSetOutputAntennaCbk(valueCbk);
    LefDefParser::lefrSetInoutAntennaCbk(valueCbk);
    LefDefParser::lefrSetAntennaInputCbk(valueCbk);
    LefDefParser::lefrSetAntennaInoutCbk(valueCbk);
    LefDefParser::lefrSetAntennaOutputCbk(valueCbk);
  }
};

TEST_F(AntennaSizeStmtTest, OldStatementsIn53) {
  EXPECT_EQ(read(versioned("5.3", "INPUTPINANTENNASIZE 1 ;\nOUTPUTPINANTENNASIZE 2 ;\n"
                                  "INOUTPINANTENNASIZE 3 ;\n")),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"value 37 1", "value 38 2", "value 39 3"}));
}

TEST_F(AntennaSizeStmtTest, NewStatementsFrom54) {
  EXPECT_EQ(read(versioned("5.4", "ANTENNAINPUTGATEAREA 1 ;\nANTENNAINOUTDIFFAREA 2 ;\n"
                                  "ANTENNAOUTPUTDIFFAREA 3 ;\n")),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"value 40 1", "value 41 2", "value 42 3"}));
}

// A 5.3x file (5.3.5 reads as 5.305) takes both syntaxes.
TEST_F(AntennaSizeStmtTest, Version53xMixesFreely) {
  EXPECT_EQ(read(versioned("5.3.5", "ANTENNAINPUTGATEAREA 1 ;\nINPUTPINANTENNASIZE 2 ;\n")), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"value 40 1", "value 37 2"}));
}

struct AntennaErrorCase {
  const char* name;
  std::string text;
  Lines calls;  // the statement before the error still reaches its callback
  const char* error;
};

class AntennaErrorTest : public AntennaSizeStmtTest,
                         public ::testing::WithParamInterface<AntennaErrorCase> {};

TEST_P(AntennaErrorTest, ReportsAndBlocks) {
  EXPECT_EQ(read(GetParam().text), 1);
  EXPECT_EQ(errors(), Lines{GetParam().error});
  EXPECT_EQ(calls(), GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, AntennaErrorTest,
    ::testing::Values(
        AntennaErrorCase{"OldAfterNew",
                         versioned("5.4", "ANTENNAINPUTGATEAREA 1 ;\nINPUTPINANTENNASIZE 2 ;\n"),
                         {"value 40 1"},
                         "ERROR (LEFPARS-1671): INPUTPINANTENNASIZE statement is a version 5.3 "
                         "or earlier syntax.\nYour lef file with version 5.4, has both old and "
                         "new INPUTPINANTENNASIZE syntax, which is incorrect. Error in file "
                         "test.lef at line 6, on token ;.\n"},
        AntennaErrorCase{"OutputAfterNew",
                         versioned("5.5", "ANTENNAOUTPUTDIFFAREA 1 ;\nOUTPUTPINANTENNASIZE 2 ;\n"),
                         {"value 42 1"},
                         "ERROR (LEFPARS-1672): OUTPUTPINANTENNASIZE statement is a version 5.3 "
                         "or earlier syntax.\nYour lef file with version 5.5, has both old and "
                         "new OUTPUTPINANTENNASIZE syntax, which is incorrect. Error in file "
                         "test.lef at line 6, on token ;.\n"},
        AntennaErrorCase{"NewIn53", versioned("5.3", "ANTENNAINPUTGATEAREA 1 ;\n"),
                         {},
                         "ERROR (LEFPARS-1674): ANTENNAINPUTGATEAREA statement is a version 5.4 "
                         "and later syntax.\nYour lef file is defined with version 5.3.\nEither "
                         "update your VERSION number or use the 5.3 syntax. Error in file "
                         "test.lef at line 5, on token ;.\n"},
        AntennaErrorCase{"NewAfterOld",
                         versioned("5.4", "INOUTPINANTENNASIZE 1 ;\nANTENNAINOUTDIFFAREA 2 ;\n"),
                         {"value 39 1"},
                         "ERROR (LEFPARS-1677): ANTENNAINOUTDIFFAREA statement is a version 5.4 "
                         "or later syntax.\nYour lef file with version 5.4, has both old and new "
                         "ANTENNAINOUTDIFFAREA syntax, which is incorrect. Error in file test.lef "
                         "at line 6, on token ;.\n"},
        AntennaErrorCase{"OutputDiffIn53", versioned("5.3", "ANTENNAOUTPUTDIFFAREA 1 ;\n"),
                         {},
                         "ERROR (LEFPARS-1678): ANTENNAOUTPUTDIFFAREA statement is a version 5.4 "
                         "and later syntax.\nYour lef file is defined with version 5.3.\nEither "
                         "update your VERSION number or use the 5.3 syntax. Error in file "
                         "test.lef at line 5, on token ;.\n"}),
    [](const ::testing::TestParamInfo<AntennaErrorCase>& info) { return info.param.name; });

// A new VERSION statement forgets which antenna syntax came before.
TEST_F(AntennaSizeStmtTest, VersionStatementResetsTheSyntaxFlags) {
  EXPECT_EQ(read("VERSION 5.8 ;\nANTENNAINPUTGATEAREA 1 ;\nVERSION 5.8 ;\n"
                 "INPUTPINANTENNASIZE 2 ;\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"value 40 1", "value 37 2"}));
}

class ExtensionStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetExtensionCbk(extensionCbk);
  }
};

// The text starts after the keyword: the blank before the tag is kept.
TEST_F(ExtensionStmtTest, ExtensionTextReachesTheCallback) {
  EXPECT_EQ(read(versioned("5.5", "BEGINEXT \"mytag\"\nhello world\nENDEXT\n")), 0);
  EXPECT_EQ(calls(), Lines{"extension 53 [ \"mytag\"\nhello world\nENDEXT]"});
}

}  // namespace
