// The VIA and MAXVIASTACK statements read from LEF texts: what the Via
// callback receives and the messages of each rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiNonDefault.h"
#include "lef/lefiVia.h"
#include "lef/lefrData.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiVia;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;

std::string fmt(const char* f, double v) {
  char buf[64];
  snprintf(buf, sizeof(buf), f, v);
  return buf;
}

// One journal line per via: name, flags, then one line per layer and shape.
int viaCbk(lefrCallbackType_e type, lefiVia* via, void*) {
  journal("via " + std::to_string(type) + " " + via->name() + " default " +
          std::to_string(via->hasDefault()) + " generated " + std::to_string(via->hasGenerated()));
  if (via->hasResistance()) journal(" resistance " + fmt("%g", via->resistance()));
  for (int i = 0; i < via->numProperties(); i++)
    journal(std::string(" prop ") + via->propName(i) + " value " + via->propValue(i) + " number " +
            fmt("%g", via->propNumber(i)) + " type " + via->propType(i));
  if (via->hasForeign())
    journal(std::string(" foreign ") + via->foreign() + " point " +
            std::to_string(via->hasForeignPnt()) + " " + fmt("%g", via->foreignX()) + " " +
            fmt("%g", via->foreignY()) + " orient " + std::to_string(via->foreignOrient()));
  if (via->hasTopOfStack()) journal(" topofstack");
  if (via->hasViaRule())
    journal(std::string(" rule ") + via->viaRuleName() + " cut " + fmt("%g", via->xCutSize()) +
            " " + fmt("%g", via->yCutSize()) + " layers " + via->botMetalLayer() + " " +
            via->cutLayer() + " " + via->topMetalLayer() + " spacing " +
            fmt("%g", via->xCutSpacing()) + " " + fmt("%g", via->yCutSpacing()) + " enc " +
            fmt("%g", via->xBotEnc()) + " " + fmt("%g", via->yBotEnc()) + " " +
            fmt("%g", via->xTopEnc()) + " " + fmt("%g", via->yTopEnc()));
  if (via->hasRowCol())
    journal(" rowcol " + std::to_string(via->numCutRows()) + " " +
            std::to_string(via->numCutCols()));
  if (via->hasOrigin())
    journal(" origin " + fmt("%g", via->xOffset()) + " " + fmt("%g", via->yOffset()));
  if (via->hasOffset())
    journal(" offset " + fmt("%g", via->xBotOffset()) + " " + fmt("%g", via->yBotOffset()) + " " +
            fmt("%g", via->xTopOffset()) + " " + fmt("%g", via->yTopOffset()));
  if (via->hasCutPattern()) journal(std::string(" pattern ") + via->cutPattern());
  for (int l = 0; l < via->numLayers(); l++) {
    journal(std::string(" layer ") + via->layerName(l));
    for (int r = 0; r < via->numRects(l); r++)
      journal("  rect mask " + std::to_string(via->rectColorMask(l, r)) + " " +
              fmt("%g", via->xl(l, r)) + " " + fmt("%g", via->yl(l, r)) + " " +
              fmt("%g", via->xh(l, r)) + " " + fmt("%g", via->yh(l, r)));
    for (int p = 0; p < via->numPolygons(l); p++) {
      LefDefParser::lefiGeomPolygonItem poly = via->getPolygon(l, p);
      std::string line = "  polygon mask " + std::to_string(via->polyColorMask(l, p));
      for (int k = 0; k < poly.numPoints; k++)
        line += " " + fmt("%g", poly.x[k]) + "," + fmt("%g", poly.y[k]);
      journal(line);
    }
  }
  return 0;
}

class ViaStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetViaCbk(viaCbk);
  }
};

TEST_F(ViaStmtTest, FixedViaReachesTheCallbackWithLayersShapesAndProperties) {
  const char* text =
      "VERSION 5.8 ;\n"
      "PROPERTYDEFINITIONS\n"
      "  VIA viaWeight REAL ;\n"
      "END PROPERTYDEFINITIONS\n"
      "VIA via12 DEFAULT\n"
      "  RESISTANCE 1.5 ;\n"
      "  PROPERTY viaWeight 2.5 note \"a b\" ;\n"
      "  LAYER metal1 ;\n"
      "    RECT -0.1 -0.05 0.1 0.05 ;\n"
      "  LAYER via1 ;\n"
      "    RECT MASK 2 ( -0.035 -0.035 ) ( 0.035 0.035 ) ;\n"
      "  LAYER metal2 ;\n"
      "    POLYGON MASK 1 0 0 1 0 1 1 ;\n"
      "END via12\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"via 12 via12 default 1 generated 0", " resistance 1.5",
                            " prop viaWeight value 2.5 number 2.5 type R",
                            " prop note value a b number 0 type N", " layer metal1",
                            "  rect mask 0 -0.1 -0.05 0.1 0.05", " layer via1",
                            "  rect mask 2 -0.035 -0.035 0.035 0.035", " layer metal2",
                            "  polygon mask 1 0,0 1,0 1,1"}));
}

TEST_F(ViaStmtTest, GeneratedViaKeepsItsRuleParameters) {
  const char* text =
      "VERSION 5.6 ;\n"
      "VIA gen1 GENERATED\n"
      "  VIARULE M1M2 ;\n"
      "  CUTSIZE 0.1 0.12 ;\n"
      "  LAYERS metal1 via1 metal2 ;\n"
      "  CUTSPACING 0.2 0.22 ;\n"
      "  ENCLOSURE 0.01 0.02 0.03 0.04 ;\n"
      "  ROWCOL 2 3 ;\n"
      "  ORIGIN 0.5 0.6 ;\n"
      "  OFFSET 1 2 3 4 ;\n"
      "  PATTERN 2_1RF1R1 ;\n"
      "END gen1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            (Lines{"via 12 gen1 default 0 generated 1",
                   " rule M1M2 cut 0.1 0.12 layers metal1 via1 metal2 spacing 0.2 0.22 enc 0.01 "
                   "0.02 0.03 0.04",
                   " rowcol 2 3", " origin 0.5 0.6", " offset 1 2 3 4", " pattern 2_1RF1R1"}));
}

TEST_F(ViaStmtTest, ObsoleteStatementsAreStoredBefore56AndWarnedAfter) {
  const char* old =
      "VERSION 5.5 ;\n"
      "NAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n"
      "VIA v1\n"
      "  TOPOFSTACKONLY\n"
      "  FOREIGN cellA 1 2 FS ;\n"
      "  LAYER m1 ;\n"
      "END v1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(old), 0);
  EXPECT_EQ(warnings(), Lines{});
  EXPECT_EQ(calls(), (Lines{"via 12 v1 default 0 generated 0",
                            " foreign cellA point 1 1 2 orient 6", " topofstack", " layer m1"}));

  lefTest::readLog() = lefTest::ReadLog();
  const char* current =
      "VERSION 5.6 ;\n"
      "VIA v1\n"
      "  TOPOFSTACKONLY\n"
      "  FOREIGN cellA R90 ;\n"
      "  LAYER m1 ;\n"
      "END v1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(current), 0);
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2019): TOPOFSTACKONLY statement is obsolete in version 5.6 "
                   "and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.6 or later See file test.lef at line 3.\n",
                   "WARNING (LEFPARS-2020): FOREIGN statement in VIA is obsolete in version 5.6 "
                   "and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.6 or later. See file test.lef at line 4.\n"}));
  EXPECT_EQ(calls(), (Lines{"via 12 v1 default 0 generated 0", " layer m1"}));
}

TEST_F(ViaStmtTest, WithoutViaCallbackObsoleteStatementsDrawNoWarning) {
  LefDefParser::lefrUnsetViaCbk();
  EXPECT_EQ(read("VERSION 5.6 ;\nVIA v1\n  FOREIGN cellA ;\n  LAYER m1 ;\nEND v1\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(warnings(), Lines{});
}

// Each case is a statement that draws one blocking error; the Via callback
// is then no longer called, and the read ends with 1.
struct ViaErrorCase {
  const char* name;
  const char* text;
  const char* error;
};

class ViaErrorTest : public ViaStmtTest, public ::testing::WithParamInterface<ViaErrorCase> {};

TEST_P(ViaErrorTest, ReportsTheErrorAndBlocksTheCallback) {
  EXPECT_EQ(read(GetParam().text), 1);
  EXPECT_EQ(errors(), Lines{GetParam().error});
  EXPECT_EQ(calls(), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ViaErrorTest,
    ::testing::Values(
        ViaErrorCase{"NoLayer", "VERSION 5.8 ;\nVIA v1\n  RESISTANCE 2 ;\nEND v1\nEND LIBRARY\n",
                     "ERROR (LEFPARS-1606): A LAYER statement is missing in the VIA v1.\nAt least "
                     "one LAYERis required per VIA statement. Error in file test.lef at line 4, on "
                     "token v1.\n"},
        ViaErrorCase{"EndNameDiffers", "VERSION 5.8 ;\nVIA v1\n  LAYER m1 ;\nEND v2\nEND LIBRARY\n",
                     "ERROR (LEFPARS-1607): END VIA name v2 is different from the VIA name "
                     "v1.\nCorrect the LEF file before rerunning it through the LEF parser. Error "
                     "in file test.lef at line 4, on token v2.\n"},
        ViaErrorCase{"RectMaskBefore58",
                     "VERSION 5.7 ;\nVIA v1\n  LAYER m1 ;\n  RECT MASK 1 0 0 1 1 ;\nEND "
                     "v1\nEND LIBRARY\n",
                     "ERROR (LEFPARS-2081): MASK information can only be defined with version 5.8 "
                     "Error in file test.lef at line 4, on token ;.\n"},
        ViaErrorCase{"PolygonMaskBefore58",
                     "VERSION 5.7 ;\nVIA v1\n  LAYER m1 ;\n  POLYGON MASK 3 0 0 1 0 1 1 ;\nEND "
                     "v1\nEND LIBRARY\n",
                     "ERROR (LEFPARS-2083): Color mask information can only be defined with "
                     "version 5.8. Error in file test.lef at line 4, on token ;.\n"},
        ViaErrorCase{"ViaRuleBefore56",
                     "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR "
                     "\"/\" ;\nVIA g1\n  VIARULE r1 ;\n  CUTSIZE 1 1 ;\n  LAYERS a b c ;\n  "
                     "CUTSPACING 1 1 ;\n  ENCLOSURE 0 0 0 0 ;\nEND g1\nEND LIBRARY\n",
                     "ERROR (LEFPARS-1709): VIARULE statement is a version 5.6 and later "
                     "syntax.\nYour lef file is defined with version 5.5. Error in file test.lef "
                     "at line 10, on token ;.\n"}),
    [](const ::testing::TestParamInfo<ViaErrorCase>& info) { return info.param.name; });

TEST_F(ViaStmtTest, MaskedShapesBefore58AreNotStored) {
  EXPECT_EQ(read("VERSION 5.7 ;\nVIA v1\n  LAYER m1 ;\n  RECT MASK 1 0 0 1 1 ;\n  RECT 0 0 2 2 ;\n"
                 "  POLYGON MASK 2 0 0 1 0 1 1 ;\nEND v1\nEND LIBRARY\n"),
            1);
  // The read's via keeps what was stored: only the rectangle without mask.
  const lefiVia& via = LefDefParser::lefData->via;
  ASSERT_EQ(via.numLayers(), 1);
  EXPECT_EQ(via.numRects(0), 1);
  EXPECT_EQ(via.xh(0, 0), 2.0);
  EXPECT_EQ(via.rectColorMask(0, 0), 0);
  EXPECT_EQ(via.numPolygons(0), 0);
}

TEST_F(ViaStmtTest, MessagesNeedTheViaCallback) {
  LefDefParser::lefrUnsetViaCbk();
  EXPECT_EQ(read("VERSION 5.7 ;\nVIA v1\n  RESISTANCE 2 ;\n  LAYER m1 ;\n  RECT MASK 1 0 0 1 1 "
                 ";\nEND v2\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
}

TEST_F(ViaStmtTest, ViaWarningLimitCountsEachMessage) {
  LefDefParser::lefrSetViaWarnings(1);
  EXPECT_EQ(read("VERSION 5.6 ;\nVIA v1\n  TOPOFSTACKONLY\n  TOPOFSTACKONLY\n  LAYER m1 ;\nEND "
                 "v1\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(warnings().size(), 1u);
}

TEST_F(ViaStmtTest, ViaNameSpellingAKeywordIsReadAsAName) {
  EXPECT_EQ(read("VERSION 5.8 ;\nVIA LAYER\n  LAYER RECT ;\nEND LAYER\nEND LIBRARY\n"), 0);
  EXPECT_EQ(calls(), (Lines{"via 12 LAYER default 0 generated 0", " layer RECT"}));
}

// A rule with one via, and a via after it.
const char* const kRuleWithVia =
    "VERSION 5.8 ;\n"
    "NONDEFAULTRULE wide\n"
    "  LAYER metal1\n"
    "    WIDTH 0.2 ;\n"
    "  END metal1\n"
    "  VIA ndvia DEFAULT\n"
    "    LAYER metal1 ;\n"
    "      RECT 0 0 1 1 ;\n"
    "  END ndvia\n"
    "END wide\n"
    "VIA top1\n"
    "  LAYER metal2 ;\n"
    "END top1\n"
    "END LIBRARY\n";

TEST_F(ViaStmtTest, ViaInsideARuleWithoutNonDefaultCallbackIsDropped) {
  // The rule object does not exist without its callback: the via must be
  // dropped, not added to it, and not given to the Via callback.
  EXPECT_EQ(read(kRuleWithVia), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"via 12 top1 default 0 generated 0", " layer metal2"}));
}

int nonDefaultCbk(lefrCallbackType_e, LefDefParser::lefiNonDefault* rule, void*) {
  journal(std::string("rule ") + rule->name() + " vias " + std::to_string(rule->numVias()));
  for (int i = 0; i < rule->numVias(); i++)
    viaCbk(LefDefParser::lefrViaCbkType, rule->viaRule(i), nullptr);
  return 0;
}

TEST_F(ViaStmtTest, ViaInsideARuleGoesToTheRule) {
  LefDefParser::lefrSetNonDefaultCbk(nonDefaultCbk);
  EXPECT_EQ(read(kRuleWithVia), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            (Lines{"rule wide vias 1", "via 12 ndvia default 1 generated 0", " layer metal1",
                   "  rect mask 0 0 0 1 1", "via 12 top1 default 0 generated 0", " layer metal2"}));
}

int maxStackCalls;

int maxStackCbk(lefrCallbackType_e, LefDefParser::lefiMaxStackVia*, void*) {
  maxStackCalls++;
  return 0;
}

TEST_F(ViaStmtTest, MaxViaStackBeforeAnyLayerIsAnError) {
  maxStackCalls = 0;
  LefDefParser::lefrSetMaxStackViaCbk(maxStackCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nMAXVIASTACK 4 ;\nEND LIBRARY\n"), 1);
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1602): MAXVIASTACK statement has to be defined after "
                  "the LAYER statement. Error in file test.lef at line 2, on token ;.\n"});
  EXPECT_EQ(maxStackCalls, 0);
}

int maxStackValues(lefrCallbackType_e type, LefDefParser::lefiMaxStackVia* m, void*) {
  std::string line = "maxstack " + std::to_string(type) + " " + std::to_string(m->maxStackVia());
  if (m->hasMaxStackViaRange())
    line += std::string(" ") + m->maxStackViaBottomLayer() + " " + m->maxStackViaTopLayer();
  journal(line);
  return 0;
}

const char* const kCutLayer = "LAYER cut1\n  TYPE CUT ;\nEND cut1\n";

TEST_F(ViaStmtTest, MaxViaStackAfterALayerReachesItsCallback) {
  LefDefParser::lefrSetMaxStackViaCbk(maxStackValues);
  EXPECT_EQ(read(std::string("VERSION 5.8 ;\n") + kCutLayer +
                 "MAXVIASTACK 4 RANGE m1 m7 ;\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), Lines{"maxstack 52 4 m1 m7"});
}

TEST_F(ViaStmtTest, SecondMaxViaStackIsAnError) {
  LefDefParser::lefrSetMaxStackViaCbk(maxStackValues);
  EXPECT_EQ(read(std::string("VERSION 5.8 ;\n") + kCutLayer +
                 "MAXVIASTACK 4 ;\nMAXVIASTACK 5 ;\nEND LIBRARY\n"),
            1);
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1603): A MAXVIASTACK was already defined.\nOnly one "
                  "MAXVIASTACK is allowed per lef file. Error in file test.lef at line 6, "
                  "on token ;.\n"});
  EXPECT_EQ(calls(), Lines{"maxstack 52 4"});
}

TEST_F(ViaStmtTest, MaxViaStackIn54CallsBackThenReportsTheVersion) {
  LefDefParser::lefrSetMaxStackViaCbk(maxStackValues);
  EXPECT_EQ(read(std::string("VERSION 5.4 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\n"
                             "DIVIDERCHAR \"/\" ;\n") +
                 kCutLayer + "MAXVIASTACK 4 ;\nEND LIBRARY\n"),
            1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1604): MAXVIASTACK statement is a version 5.5 and "
                            "later syntax.\nYour lef file is defined with version 5.4. Error in "
                            "file test.lef at line 8, on token ;.\n"});
  EXPECT_EQ(calls(), Lines{"maxstack 52 4"});
}

TEST_F(ViaStmtTest, MaxViaStackWithoutCallbackIsOnlyParsed) {
  EXPECT_EQ(read("VERSION 5.8 ;\nMAXVIASTACK 4 RANGE m1 m3 ;\nEND LIBRARY\n"), 0);
  EXPECT_EQ(errors(), Lines{});
}

}  // namespace
