// The NONDEFAULTRULE statement read from LEF texts: what the NonDefault
// callback receives, the version rules of its items, and the VIA and SAMENET
// statements inside a rule, which belong to the rule and never reach the Via
// or Spacing callbacks.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMisc.h"
#include "lef/lefiNonDefault.h"
#include "lef/lefiVia.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiNonDefault;
using LefDefParser::lefiSpacing;
using LefDefParser::lefiVia;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::versioned;
using lefTest::num;

int nonDefaultCbk(lefrCallbackType_e type, lefiNonDefault* nd, void*) {
  journal("nondefault " + std::to_string(type) + " " + nd->name() + " hard " +
          std::to_string(nd->hasHardspacing()) + " layers " + std::to_string(nd->numLayers()));
  for (int i = 0; i < nd->numLayers(); i++) {
    std::string line = std::string(" layer ") + nd->layerName(i);
    if (nd->hasLayerWidth(i)) line += " width " + num(nd->layerWidth(i));
    if (nd->hasLayerDiagWidth(i)) line += " diagwidth " + num(nd->layerDiagWidth(i));
    if (nd->hasLayerSpacing(i)) line += " spacing " + num(nd->layerSpacing(i));
    if (nd->hasLayerWireExtension(i)) line += " wireext " + num(nd->layerWireExtension(i));
    if (nd->hasLayerResistance(i)) line += " res " + num(nd->layerResistance(i));
    if (nd->hasLayerCapacitance(i)) line += " cap " + num(nd->layerCapacitance(i));
    if (nd->hasLayerEdgeCap(i)) line += " edgecap " + num(nd->layerEdgeCap(i));
    journal(line);
  }
  for (int i = 0; i < nd->numVias(); i++)
    journal(std::string(" via ") + nd->viaRule(i)->name() + " layers " +
            std::to_string(nd->viaRule(i)->numLayers()));
  for (int i = 0; i < nd->numSpacingRules(); i++) {
    lefiSpacing* s = nd->spacingRule(i);
    journal(std::string(" samenet ") + s->name1() + " " + s->name2() + " " + num(s->distance()) +
            " stack " + std::to_string(s->hasStack()));
  }
  for (int i = 0; i < nd->numUseVia(); i++) journal(std::string(" usevia ") + nd->viaName(i));
  for (int i = 0; i < nd->numUseViaRule(); i++)
    journal(std::string(" useviarule ") + nd->viaRuleName(i));
  for (int i = 0; i < nd->numMinCuts(); i++)
    journal(std::string(" mincuts ") + nd->cutLayerName(i) + " " + std::to_string(nd->numCuts(i)));
  for (int i = 0; i < nd->numProps(); i++)
    journal(std::string(" prop ") + nd->propName(i) + " " + nd->propValue(i) + " type " +
            nd->propType(i));
  return 0;
}

int viaCbk(lefrCallbackType_e, lefiVia* via, void*) {
  journal(std::string("via ") + via->name());
  return 0;
}

int spacingCbk(lefrCallbackType_e, lefiSpacing* s, void*) {
  journal(std::string("spacing ") + s->name1() + " " + s->name2());
  return 0;
}

const char* const kHeader55 =
    "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n";

std::string v55(const std::string& body) { return kHeader55 + body + "END LIBRARY\n"; }
// A rule valid in every version: one layer with SPACING and one plain VIA.
const char* const kMinimalRule =
    "NONDEFAULTRULE r\n"
    "  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n  END m1\n"
    "  VIA v1\n    LAYER m1 ;\n  END v1\n"
    "END r\n";

class NonDefaultStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetNonDefaultCbk(nonDefaultCbk);
  }
};

TEST_F(NonDefaultStmtTest, Rule55KeepsLayersViasAndSameNetRules) {
  LefDefParser::lefrSetViaCbk(viaCbk);
  LefDefParser::lefrSetSpacingCbk(spacingCbk);
  std::string text = v55(
      "NONDEFAULTRULE wide\n"
      "  LAYER m1\n"
      "    WIDTH 0.4 ;\n"
      "    SPACING 0.5 ;\n"
      "    WIREEXTENSION 0.2 ;\n"
      "    RESISTANCE RPERSQ 0.1 ;\n"
      "    CAPACITANCE CPERSQDIST 0.02 ;\n"
      "    EDGECAPACITANCE 0.003 ;\n"
      "  END m1\n"
      "  VIA wv12\n"
      "    LAYER m1 ;\n"
      "      RECT -0.2 -0.2 0.2 0.2 ;\n"
      "    LAYER m2 ;\n"
      "  END wv12\n"
      "  SPACING\n"
      "    SAMENET m1 m1 0.6 STACK ;\n"
      "  END SPACING\n"
      "  PROPERTY ndp 3 ;\n"
      "END wide\n"
      "VIA after\n  LAYER m2 ;\nEND after\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            (Lines{"nondefault 18 wide hard 0 layers 1",
                   " layer m1 width 0.4 spacing 0.5 wireext 0.2 res 0.1 cap 0.02 edgecap 0.003",
                   " via wv12 layers 2", " samenet m1 m1 0.6 stack 1", " prop ndp 3 type N",
                   "via after"}));
}

TEST_F(NonDefaultStmtTest, Rule58KeepsTheItemsOf56) {
  const char* text =
      "VERSION 5.8 ;\n"
      "PROPERTYDEFINITIONS\n  NONDEFAULTRULE ndnote STRING ;\nEND PROPERTYDEFINITIONS\n"
      "NONDEFAULTRULE dbl HARDSPACING ;\n"
      "  LAYER m1\n    WIDTH 0.2 ;\n    DIAGWIDTH 0.3 ;\n  END m1\n"
      "  LAYER m2\n    WIDTH 0.25 ;\n    SPACING 0.3 ;\n  END m2\n"
      "  USEVIA v12 ;\n  USEVIA v23 ;\n"
      "  USEVIARULE gen12 ;\n"
      "  MINCUTS cut1 2 ;\n"
      "  PROPERTY ndnote \"keep\" ;\n"
      "END dbl\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"nondefault 18 dbl hard 1 layers 2", " layer m1 width 0.2 diagwidth 0.3",
                            " layer m2 width 0.25 spacing 0.3", " usevia v12", " usevia v23",
                            " useviarule gen12", " mincuts cut1 2", " prop ndnote keep type S"}));
}

// The evaluator registers a Via callback and no NonDefault callback: the
// via of a rule must be dropped quietly, and the next via reach the callback.
TEST_F(NonDefaultStmtTest, ViaInRuleWithoutNonDefaultCallbackIsDropped) {
  LefDefParser::lefrUnsetNonDefaultCbk();
  LefDefParser::lefrSetViaCbk(viaCbk);
  LefDefParser::lefrSetSpacingCbk(spacingCbk);
  std::string text = v55(std::string(kMinimalRule) +
                         "NONDEFAULTRULE s\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n  END m1\n"
                         "  VIA v2\n    LAYER m1 ;\n  END v2\n"
                         "  SPACING\n    SAMENET m1 m2 0.5 ;\n  END SPACING\nEND s\n"
                         "VIA v3\n  LAYER m1 ;\nEND v3\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), Lines{"via v3"});
}

TEST_F(NonDefaultStmtTest, EndWithoutNameClosesTheRule) {
  LefDefParser::lefrSetViaCbk(viaCbk);
  const char* text =
      "VERSION 5.6 ;\nNONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n  END m1\nEND\n"
      "VIA v9\n  LAYER m1 ;\nEND v9\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"nondefault 18 r hard 0 layers 1", " layer m1 width 1", "via v9"}));
}

// The lexer reads the rule's own name as a name inside the rule, even where
// it spells a keyword.
TEST_F(NonDefaultStmtTest, RuleNamedLikeAKeyword) {
  const char* text =
      "VERSION 5.6 ;\nNONDEFAULTRULE SPACING\n  LAYER m1\n    WIDTH 1 ;\n  END m1\nEND SPACING\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"nondefault 18 SPACING hard 0 layers 1", " layer m1 width 1"}));
}

// RESISTANCE RPERSQ by version: stored in 5.4, 5.5 and 5.3x files (the
// text 5.3.5 reads as 5.305), an error before 5.4 and an obsolete warning
// from 5.6 on.
struct ElectricalCase {
  const char* version;
  int result;
  const char* layerLine;
  const char* error;
  const char* warning;
};

class NonDefaultElectricalTest : public NonDefaultStmtTest,
                                 public ::testing::WithParamInterface<ElectricalCase> {};

TEST_P(NonDefaultElectricalTest, ResistanceByVersion) {
  const ElectricalCase& c = GetParam();
  std::string text = versioned(c.version,
                               "NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n"
                               "    RESISTANCE RPERSQ 0.1 ;\n  END m1\n"
                               "  VIA v1\n    LAYER m1 ;\n  END v1\nEND r\n");
  EXPECT_EQ(read(text), c.result);
  EXPECT_EQ(errors(), c.error ? Lines{c.error} : Lines{});
  Lines warned;
  for (const std::string& w : warnings())
    if (w.find("(LEFPARS-2029)") != std::string::npos) warned.push_back(w);
  EXPECT_EQ(warned, c.warning ? Lines{c.warning} : Lines{});
  if (c.layerLine) {
    ASSERT_EQ(calls().size(), 2u);
    EXPECT_EQ(calls()[1], c.layerLine);
  } else {
    EXPECT_EQ(calls(), Lines{});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, NonDefaultElectricalTest,
    ::testing::Values(
        ElectricalCase{"5.3", 1, nullptr,
                       "ERROR (LEFPARS-1627): RESISTANCE RPERSQ statement is a version 5.4 and "
                       "later syntax.\nYour lef file is defined with version 5.3. Error in file "
                       "test.lef at line 9, on token ;.\n",
                       nullptr},
        ElectricalCase{"5.3.5", 0, " layer m1 width 1 spacing 1 res 0.1", nullptr, nullptr},
        ElectricalCase{"5.4", 0, " layer m1 width 1 spacing 1 res 0.1", nullptr, nullptr},
        ElectricalCase{"5.5", 0, " layer m1 width 1 spacing 1 res 0.1", nullptr, nullptr},
        ElectricalCase{"5.6", 0, " layer m1 width 1 spacing 1", nullptr,
                       "WARNING (LEFPARS-2029): RESISTANCE RPERSQ statement is obsolete in "
                       "version 5.6 and later.\nThe LEF parser will ignore this statement.\nTo "
                       "avoid this warning in the future, remove this statement from the LEF "
                       "file with version 5.6 or later. See file test.lef at line 9.\n"}));

TEST_F(NonDefaultStmtTest, CapacitanceAndEdgeCapacitanceWarningsFrom56) {
  const char* text =
      "VERSION 5.7 ;\nNONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n"
      "    CAPACITANCE CPERSQDIST 0.2 ;\n    EDGECAPACITANCE 0.3 ;\n  END m1\nEND r\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2030): CAPACITANCE CPERSQDIST statement is obsolete in "
                   "version 5.6. and later.\nThe LEF parser will ignore this statement.\nTo "
                   "avoid this warning in the future, remove this statement from the LEF file "
                   "with version 5.6 or later. See file test.lef at line 5.\n",
                   "WARNING (LEFPARS-2031): EDGECAPACITANCE statement is obsolete in version "
                   "5.6 and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.6 or later. See file test.lef at line 6.\n"}));
  EXPECT_EQ(calls(), (Lines{"nondefault 18 r hard 0 layers 1", " layer m1 width 1"}));
}

// Each text draws exactly one blocking error; the NonDefault callback is
// then not called and the read ends with 1.
struct NonDefaultErrorCase {
  const char* name;
  std::string text;
  const char* error;
};

class NonDefaultErrorTest : public NonDefaultStmtTest,
                            public ::testing::WithParamInterface<NonDefaultErrorCase> {};

TEST_P(NonDefaultErrorTest, ReportsTheErrorAndBlocksTheCallback) {
  EXPECT_EQ(read(GetParam().text), 1);
  EXPECT_EQ(errors(), Lines{GetParam().error});
  EXPECT_EQ(calls(), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, NonDefaultErrorTest,
    ::testing::Values(
        NonDefaultErrorCase{"NoVia55",
                            v55("NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n"
                                "  END m1\nEND r\n"),
                            "ERROR (LEFPARS-1618): NONDEFAULTRULE statement requires at least "
                            "one VIA statement. Error in file test.lef at line 10, on token r.\n"},
        NonDefaultErrorCase{"NoLayer", "VERSION 5.6 ;\nNONDEFAULTRULE r\nEND r\n",
                            "ERROR (LEFPARS-1617): NONDEFAULTRULE statement requires at least "
                            "one LAYER statement. Error in file test.lef at line 3, on token r.\n"},
        NonDefaultErrorCase{
            "EndNameDiffers", "VERSION 5.6 ;\nNONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n"
                              "  END m1\nEND q\n",
            "ERROR (LEFPARS-1619): END NONDEFAULTRULE name q is different from the "
            "NONDEFAULTRULE name r.\nCorrect the LEF file before rerunning it through the LEF "
            "parser. Error in file test.lef at line 6, on token q.\n"},
        NonDefaultErrorCase{
            "LayerEndNameDiffers", "VERSION 5.6 ;\nNONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n"
                                   "  END m2\nEND r\n",
            "ERROR (LEFPARS-1624): END LAYER name m2 is different from the LAYER name m1.\nCorrect "
            "the LEF file before rerunning it through the LEF parser. Error in file test.lef at "
            "line 5, on token m2.\n"},
        NonDefaultErrorCase{
            "LayerWithoutSpacing55",
            v55("NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n  END m1\n"
                "  VIA v1\n    LAYER m1 ;\n  END v1\nEND r\n"),
            "ERROR (LEFPARS-1626): A SPACING statement is required in the LAYER statement in "
            "NONDEFAULTRULE for lef file with version 5.5 and earlier.\nYour lef file is defined "
            "with version 5.5. Update your lef to add a LAYER statement and try again. Error in "
            "file test.lef at line 8, on token m1.\n"},
        NonDefaultErrorCase{
            "HardSpacing55",
            v55("NONDEFAULTRULE r HARDSPACING ;\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n"
                "  END m1\n  VIA v1\n    LAYER m1 ;\n  END v1\nEND r\n"),
            "ERROR (LEFPARS-1620): HARDSPACING statement is a version 5.6 and later "
            "syntax.\nYour lef file is defined with version 5.5. Error in file test.lef at line "
            "5, on token ;.\n"},
        NonDefaultErrorCase{
            "UseVia55",
            v55("NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n  END m1\n"
                "  VIA v1\n    LAYER m1 ;\n  END v1\n  USEVIA va ;\nEND r\n"),
            "ERROR (LEFPARS-1621): USEVIA statement is a version 5.6 and later syntax.\nYour lef "
            "file is defined with version 5.5. Error in file test.lef at line 13, on token ;.\n"},
        NonDefaultErrorCase{
            "UseViaRule55",
            v55("NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n  END m1\n"
                "  VIA v1\n    LAYER m1 ;\n  END v1\n  USEVIARULE vra ;\nEND r\n"),
            "ERROR (LEFPARS-1622): USEVIARULE statement is a version 5.6 and later "
            "syntax.\nYour lef file is defined with version 5.5. Error in file test.lef at line "
            "13, on token ;.\n"},
        NonDefaultErrorCase{
            "MinCuts55",
            v55("NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n  END m1\n"
                "  VIA v1\n    LAYER m1 ;\n  END v1\n  MINCUTS c1 2 ;\nEND r\n"),
            "ERROR (LEFPARS-1623): MINCUTS statement is a version 5.6 and later syntax.\nYour "
            "lef file is defined with version 5.5. Error in file test.lef at line 13, on token "
            ";.\n"},
        NonDefaultErrorCase{
            "DiagWidth55",
            v55("NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n"
                "    DIAGWIDTH 2 ;\n  END m1\n  VIA v1\n    LAYER m1 ;\n  END v1\nEND r\n"),
            "ERROR (LEFPARS-1630): DIAGWIDTH statement is a version 5.6 and later syntax.\nYour "
            "lef file is defined with version 5.5. Error in file test.lef at line 9, on token "
            ";.\n"},
        NonDefaultErrorCase{
            "Capacitance53",
            versioned("5.3", "NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n"
                             "    CAPACITANCE CPERSQDIST 2 ;\n  END m1\n  VIA v1\n    LAYER m1 "
                             ";\n  END v1\nEND r\n"),
            "ERROR (LEFPARS-1628): CAPACITANCE CPERSQDIST statement is a version 5.4 and later "
            "syntax.\nYour lef file is defined with version 5.3. Error in file test.lef at line "
            "9, on token ;.\n"},
        NonDefaultErrorCase{
            "EdgeCapacitance53",
            versioned("5.3", "NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n    SPACING 1 ;\n"
                             "    EDGECAPACITANCE 2 ;\n  END m1\n  VIA v1\n    LAYER m1 ;\n  "
                             "END v1\nEND r\n"),
            "ERROR (LEFPARS-1629): EDGECAPACITANCE statement is a version 5.4 and later "
            "syntax.\nYour lef file is defined with version 5.3. Error in file test.lef at line "
            "9, on token ;.\n"}),
    [](const ::testing::TestParamInfo<NonDefaultErrorCase>& info) { return info.param.name; });

TEST_F(NonDefaultStmtTest, RuleWithoutViaIsFineFrom56) {
  EXPECT_EQ(read("VERSION 5.6 ;\nNONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n  END m1\nEND r\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls().size(), 2u);
}

TEST_F(NonDefaultStmtTest, RelaxModeAcceptsRuleWithoutLayerOrVia) {
  LefDefParser::lefrSetRelaxMode();
  EXPECT_EQ(read(v55("NONDEFAULTRULE r\nEND r\n")), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), Lines{"nondefault 18 r hard 0 layers 0"});
}

// USEVIA below 5.6 is reported whenever the callback is registered, beyond
// the warning limit; the gated messages stop at the limit.
TEST_F(NonDefaultStmtTest, UseViaErrorIgnoresTheWarningLimit) {
  LefDefParser::lefrSetNonDefaultWarnings(0);
  EXPECT_EQ(read(v55("NONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n  END m1\n"
                     "  USEVIA va ;\n  USEVIARULE vra ;\nEND r\n")),
            1);
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0].substr(0, 21), "ERROR (LEFPARS-1621):");
}

TEST_F(NonDefaultStmtTest, WithoutCallbackNothingIsReported) {
  LefDefParser::lefrUnsetNonDefaultCbk();
  EXPECT_EQ(read(v55("NONDEFAULTRULE r HARDSPACING ;\n  USEVIA va ;\nEND q\n")), 0);
  EXPECT_EQ(errors(), Lines{});
}

int spacingBeginCbk(lefrCallbackType_e, void*, void*) { return 0; }

// A syntax error inside a rule abandons the rule: a later SPACING section
// is a library section again, which in 5.6 draws no NONDEFAULTRULE warning.
TEST_F(NonDefaultStmtTest, SyntaxErrorInsideRuleLeavesTheRule) {
  LefDefParser::lefrSetSpacingBeginCbk(spacingBeginCbk);
  EXPECT_EQ(read("VERSION 5.6 ;\nNONDEFAULTRULE r\n  LAYER m1\n    WIDTH ;\n  END m1\nEND r\n"
                 "SPACING\n  SAMENET m1 m1 1 ;\nEND SPACING\n"),
            1);
  EXPECT_EQ(errors().size(), 1u);
  EXPECT_EQ(warnings(), Lines{});
}

}  // namespace
