// The VIARULE statement read from LEF texts: what the ViaRule callback
// receives, and the layer-count, DIRECTION, ENCLOSURE and OVERHANG rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiViaRule.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiViaRule;
using LefDefParser::lefiViaRuleLayer;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

// One line for the rule, one per layer, one per via name and property.
int viaRuleCbk(lefrCallbackType_e type, lefiViaRule* rule, void*) {
  journal("viarule " + std::to_string(type) + " " + rule->name() + " generate " +
          std::to_string(rule->hasGenerate()) + " default " + std::to_string(rule->hasDefault()) +
          " layers " + std::to_string(rule->numLayers()));
  for (int i = 0; i < rule->numLayers(); i++) {
    lefiViaRuleLayer* l = rule->layer(i);
    std::string line = std::string(" layer ") + l->name();
    if (l->hasDirection()) line += l->isHorizontal() ? " dir H" : " dir V";
    if (l->hasEnclosure())
      line += " enclosure " + num(l->enclosureOverhang1()) + " " + num(l->enclosureOverhang2());
    if (l->hasWidth()) line += " width " + num(l->widthMin()) + " " + num(l->widthMax());
    if (l->hasRect())
      line += " rect " + num(l->xl()) + " " + num(l->yl()) + " " + num(l->xh()) + " " + num(l->yh());
    if (l->hasSpacing()) line += " spacing " + num(l->spacingStepX()) + " " + num(l->spacingStepY());
    if (l->hasResistance()) line += " resistance " + num(l->resistance());
    if (l->hasOverhang()) line += " overhang " + num(l->overhang());
    if (l->hasMetalOverhang()) line += " metaloverhang " + num(l->metalOverhang());
    journal(line);
  }
  for (int i = 0; i < rule->numVias(); i++) journal(std::string(" via ") + rule->viaName(i));
  for (int i = 0; i < rule->numProps(); i++)
    journal(std::string(" prop ") + rule->propName(i) + " " + rule->propValue(i) + " number " +
            std::to_string(rule->propIsNumber(i)) + " type " + rule->propType(i));
  return 0;
}

const char* const kHeader55 =
    "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n";

class ViaRuleStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetViaRuleCbk(viaRuleCbk);
  }
};

TEST_F(ViaRuleStmtTest, GenerateRuleBefore56KeepsEveryLayerValue) {
  std::string text = std::string(kHeader55) +
                     "VIARULE gen12 GENERATE\n"
                     "  LAYER m1 ;\n"
                     "    DIRECTION HORIZONTAL ;\n"
                     "    WIDTH 0.3 TO 60 ;\n"
                     "    OVERHANG 0.1 ;\n"
                     "    METALOVERHANG 0 ;\n"
                     "  LAYER m2 ;\n"
                     "    ENCLOSURE 0.05 0.02 ;\n"
                     "  LAYER v1 ;\n"
                     "    RECT -0.1 -0.1 0.1 0.1 ;\n"
                     "    SPACING 0.5 BY 0.6 ;\n"
                     "    RESISTANCE 2.5 ;\n"
                     "END gen12\n"
                     "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"viarule 13 gen12 generate 1 default 0 layers 3",
                            " layer m1 dir H width 0.3 60 overhang 0.1 metaloverhang 0",
                            " layer m2 enclosure 0.05 0.02",
                            " layer v1 rect -0.1 -0.1 0.1 0.1 spacing 0.5 0.6 resistance 2.5"}));
}

TEST_F(ViaRuleStmtTest, PlainRuleKeepsViaNamesAndTypedProperties) {
  const char* text =
      "VERSION 5.6 ;\n"
      "PROPERTYDEFINITIONS\n"
      "  VIARULE vrcost REAL ;\n"
      "  VIARULE vrnote STRING ;\n"
      "END PROPERTYDEFINITIONS\n"
      "VIARULE plain12\n"
      "  LAYER m1 ;\n"
      "    DIRECTION VERTICAL ;\n"
      "    WIDTH 0.2 TO 1.5 ;\n"
      "  LAYER m2 ;\n"
      "    DIRECTION HORIZONTAL ;\n"
      "  VIA v12a ;\n"
      "  VIA v12b ;\n"
      "  PROPERTY vrcost 1.25 vrnote \"fast\" ;\n"
      "END plain12\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"viarule 13 plain12 generate 0 default 0 layers 2",
                            " layer m1 dir V width 0.2 1.5", " layer m2 dir H", " via v12a",
                            " via v12b", " prop vrcost 1.25 number 1 type R",
                            " prop vrnote fast number 0 type S"}));
}

TEST_F(ViaRuleStmtTest, DefaultGenerateRuleFrom56) {
  const char* text =
      "VERSION 5.8 ;\n"
      "VIARULE m1m2 GENERATE DEFAULT\n"
      "  LAYER m1 ;\n    ENCLOSURE 0 0.04 ;\n"
      "  LAYER m2 ;\n    ENCLOSURE 0.03 0.01 ;\n"
      "  LAYER v1 ;\n    RECT -0.05 -0.05 0.05 0.05 ;\n    SPACING 0.2 BY 0.2 ;\n"
      "END m1m2\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"viarule 13 m1m2 generate 1 default 1 layers 3",
                            " layer m1 enclosure 0 0.04", " layer m2 enclosure 0.03 0.01",
                            " layer v1 rect -0.05 -0.05 0.05 0.05 spacing 0.2 0.2"}));
}

// From 5.6 on OVERHANG fills the enclosure of the first two slots and a
// DIRECTION in a GENERATE rule is dropped with a warning.
TEST_F(ViaRuleStmtTest, OverhangIn56BecomesEnclosure) {
  const char* text =
      "VERSION 5.6 ;\n"
      "VIARULE g GENERATE\n"
      "  LAYER m1 ;\n    DIRECTION HORIZONTAL ;\n    OVERHANG 0.1 ;\n"
      "  LAYER m2 ;\n    ENCLOSURE 0.2 0.3 ;\n"
      "  LAYER v1 ;\n    RECT 0 0 1 1 ;\n"
      "END g\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2022): DIRECTION statement in VIARULE is obsolete in version "
                   "5.6 and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
                   "warning in the future, remove this statement from the LEF file with version "
                   "5.6 or later. See file test.lef at line 4.\n",
                   "WARNING (LEFPARS-2023): OVERHANG statement will be translated into similar "
                   "ENCLOSURE rule See file test.lef at line 5.\n"}));
  // Slot 1 had 0.1 from the OVERHANG before its ENCLOSURE set both values.
  EXPECT_EQ(calls(), (Lines{"viarule 13 g generate 1 default 0 layers 3",
                            " layer m1 enclosure 0.1 -1", " layer m2 enclosure 0.2 0.3",
                            " layer v1 rect 0 0 1 1"}));
}

TEST_F(ViaRuleStmtTest, OneLayerPlainRuleIsAccepted) {
  EXPECT_EQ(read("VERSION 5.8 ;\nVIARULE r1\n  LAYER m1 ;\n    DIRECTION VERTICAL ;\nEND r1\n"), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"viarule 13 r1 generate 0 default 0 layers 1", " layer m1 dir V"}));
}

TEST_F(ViaRuleStmtTest, TurnViaBefore56IsDeliveredAsGenerateRule) {
  std::string text = std::string(kHeader55) +
                     "VIARULE TURN1 GENERATE\n  LAYER m1 ;\n    DIRECTION HORIZONTAL ;\n"
                     "  LAYER m1 ;\n    DIRECTION VERTICAL ;\nEND TURN1\nEND LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(), (Lines{"viarule 13 TURN1 generate 1 default 0 layers 2", " layer m1 dir H",
                            " layer m1 dir V"}));
}

TEST_F(ViaRuleStmtTest, TurnViaFrom56IsObsolete) {
  const char* text =
      "VERSION 5.6 ;\nVIARULE TURN1 GENERATE\n  LAYER m1 ;\n  LAYER m1 ;\nEND TURN1\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-2021): turn-via is obsolete in version 5.6 and later.\nThe "
                  "LEF parser will ignore this statement.\nTo avoid this warning in the future, "
                  "remove this statement from the LEF file with version 5.6 or later. See file "
                  "test.lef at line 5.\n"});
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(ViaRuleStmtTest, CutLayerWithoutRectIsWarnedButDelivered) {
  const char* text =
      "VERSION 5.8 ;\nVIARULE g3 GENERATE\n  LAYER m1 ;\n    ENCLOSURE 0 0 ;\n"
      "  LAYER m2 ;\n    ENCLOSURE 0 0 ;\n  LAYER v1 ;\n    SPACING 1 BY 1 ;\nEND g3\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-1714): VIARULE GENERATE 'g3' cut layer definition should "
                  "have RECT statement.\nCorrect the LEF file before rerunning it through the LEF "
                  "parser. See file test.lef at line 9.\n"});
  EXPECT_EQ(calls().size(), 4u);
}

// Each text draws one blocking error: the ViaRule callback is not called
// and the read ends with 1.
struct ViaRuleErrorCase {
  const char* name;
  std::string text;
  const char* error;
};

class ViaRuleErrorTest : public ViaRuleStmtTest,
                         public ::testing::WithParamInterface<ViaRuleErrorCase> {};

TEST_P(ViaRuleErrorTest, ReportsTheErrorAndBlocksTheCallback) {
  EXPECT_EQ(read(GetParam().text), 1);
  EXPECT_EQ(errors(), Lines{GetParam().error});
  EXPECT_EQ(calls(), Lines{});
}

std::string v55(const char* body) { return std::string(kHeader55) + body + "END LIBRARY\n"; }
std::string v54(const char* body) {
  return std::string("VERSION 5.4 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\n"
                     "DIVIDERCHAR \"/\" ;\n") +
         body + "END LIBRARY\n";
}
std::string v58(const char* body) { return std::string("VERSION 5.8 ;\n") + body; }

INSTANTIATE_TEST_SUITE_P(
    Messages, ViaRuleErrorTest,
    ::testing::Values(
        ViaRuleErrorCase{
            "ThreeLayerPlainRule",
            v58("VIARULE r\n  LAYER a ;\n    DIRECTION VERTICAL ;\n  LAYER b ;\n    DIRECTION "
                "VERTICAL ;\n  LAYER c ;\n    DIRECTION VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1608): A VIARULE statement requires two layers. Error in file "
            "test.lef at line 9, on token r.\n"},
        ViaRuleErrorCase{"PlainRuleWithoutLayer", v58("VIARULE r\n  VIA x ;\nEND r\n"),
                         "ERROR (LEFPARS-1608): A VIARULE statement requires two layers. Error "
                         "in file test.lef at line 4, on token r.\n"},
        ViaRuleErrorCase{"GenerateWithoutLayer", v58("VIARULE r GENERATE\nEND r\n"),
                         "ERROR (LEFPARS-1708): A VIARULE GENERATE requires three layers. Error "
                         "in file test.lef at line 3, on token r.\n"},
        ViaRuleErrorCase{
            "EndNameDiffers", v58("VIARULE r\n  LAYER a ;\n    DIRECTION VERTICAL ;\nEND q\n"),
            "ERROR (LEFPARS-1615): END VIARULE name q is different from the VIARULE name "
            "r.\nCorrect the LEF file before rerunning it through the LEF parser. Error in file "
            "test.lef at line 5, on token q.\n"},
        ViaRuleErrorCase{"DefaultBefore56",
                         v55("VIARULE r GENERATE DEFAULT\n  LAYER a ;\n    DIRECTION VERTICAL "
                             ";\n  LAYER b ;\n    DIRECTION VERTICAL ;\nEND r\n"),
                         "ERROR (LEFPARS-1605): DEFAULT statement is a version 5.6 and later "
                         "syntax.\nYour lef file is defined with version 5.5. Error in file "
                         "test.lef at line 5, on token DEFAULT.\n"},
        ViaRuleErrorCase{
            "GenerateLayerWithoutDirectionBefore56",
            v55("VIARULE r GENERATE\n  LAYER a ;\n    WIDTH 1 TO 2 ;\n  LAYER b ;\n    "
                "DIRECTION VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1705): VIARULE statement in a layer, requires a DIRECTION construct "
            "statement. Error in file test.lef at line 8, on token LAYER.\n"},
        ViaRuleErrorCase{
            "PlainLayerWithoutDirectionFrom56",
            v58("VIARULE r\n  LAYER a ;\n    DIRECTION VERTICAL ;\n  LAYER b ;\nEND r\n"),
            "ERROR (LEFPARS-1705): VIARULE statement in a layer, requires a DIRECTION construct "
            "statement. Error in file test.lef at line 6, on token END.\n"},
        ViaRuleErrorCase{
            "DirectionAfterEnclosure",
            v55("VIARULE r GENERATE\n  LAYER a ;\n    ENCLOSURE 1 1 ;\n    DIRECTION VERTICAL "
                ";\n  LAYER b ;\n    DIRECTION VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1706): An ENCLOSRE statement was already defined in the layer.\nIt "
            "is DIRECTION or ENCLOSURE can be specified in a layer. Error in file test.lef at "
            "line 8, on token ;.\n"},
        ViaRuleErrorCase{
            "EnclosureAfterDirection",
            v55("VIARULE r GENERATE\n  LAYER a ;\n    DIRECTION VERTICAL ;\n    ENCLOSURE 1 1 "
                ";\n  LAYER b ;\n    DIRECTION VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1609): A DIRECTION statement was already defined in the layer.\nIt "
            "is DIRECTION or ENCLOSURE can be specified in a layer. Error in file test.lef at "
            "line 8, on token ;.\n"},
        ViaRuleErrorCase{"EnclosureBefore55",
                         v54("VIARULE r GENERATE\n  LAYER a ;\n    ENCLOSURE 1 1 ;\n  LAYER b "
                             ";\n    DIRECTION VERTICAL ;\nEND r\n"),
                         "ERROR (LEFPARS-1707): ENCLOSURE statement is a version 5.5 and later "
                         "syntax.\nYour lef file is defined with version 5.4. Error in file "
                         "test.lef at line 7, on token ;.\n"},
        ViaRuleErrorCase{
            "EnclosureInPlainRule",
            v58("VIARULE r\n  LAYER a ;\n    ENCLOSURE 1 1 ;\n  LAYER b ;\n    DIRECTION "
                "VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1614): An ENCLOSURE statement is defined in a VIARULE statement "
            "only.\nOVERHANG statement can only be defined in VIARULE GENERATE. Error in file "
            "test.lef at line 4, on token ;.\n"},
        ViaRuleErrorCase{
            "OverhangWithoutDirection",
            v55("VIARULE r GENERATE\n  LAYER a ;\n    ENCLOSURE 1 1 ;\n    OVERHANG 0.1 ;\n  "
                "LAYER b ;\n    DIRECTION VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1610): An OVERHANG statement is defined, but the required DIRECTION "
            "statement is not yet defined.\nUpdate the LEF file to define the DIRECTION "
            "statement before the OVERHANG. Error in file test.lef at line 8, on token ;.\n"},
        ViaRuleErrorCase{
            "OverhangInPlainRule",
            v54("VIARULE r\n  LAYER a ;\n    DIRECTION VERTICAL ;\n    OVERHANG 0.1 ;\n  LAYER "
                "b ;\n    DIRECTION VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1611): An OVERHANG statement is defined in a VIARULE statement "
            "only.\nOVERHANG statement can only be defined in VIARULE GENERATE. Error in file "
            "test.lef at line 8, on token ;.\n"},
        ViaRuleErrorCase{
            "MetalOverhangInPlainRule",
            v54("VIARULE r\n  LAYER a ;\n    DIRECTION VERTICAL ;\n    METALOVERHANG 0.1 ;\n  "
                "LAYER b ;\n    DIRECTION VERTICAL ;\nEND r\n"),
            "ERROR (LEFPARS-1612): An METALOVERHANG statement is defined in a VIARULE statement "
            "only.\nOVERHANG statement can only be defined in VIARULE GENERATE. Error in file "
            "test.lef at line 8, on token ;.\n"},
        ViaRuleErrorCase{
            "MetalOverhangWithoutDirection",
            v54("VIARULE r GENERATE\n  LAYER a ;\n    DIRECTION VERTICAL ;\n  LAYER b ;\n    "
                "DIRECTION VERTICAL ;\n  LAYER c ;\n    METALOVERHANG 0.1 ;\nEND r\n"),
            "ERROR (LEFPARS-1613): An METALOVERHANG statement is defined, but the required "
            "DIRECTION statement is not yet defined.\nUpdate the LEF file to define the "
            "DIRECTION statement before the OVERHANG. Error in file test.lef at line 11, on "
            "token ;.\n"}),
    [](const ::testing::TestParamInfo<ViaRuleErrorCase>& info) { return info.param.name; });

TEST_F(ViaRuleStmtTest, GenerateLayerWithoutDirectionIsFineFrom56) {
  const char* text =
      "VERSION 5.6 ;\nVIARULE r GENERATE\n  LAYER a ;\n  LAYER b ;\n  LAYER c ;\n    RECT 0 0 1 "
      "1 ;\nEND r\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"viarule 13 r generate 1 default 0 layers 3", " layer a", " layer b",
                            " layer c rect 0 0 1 1"}));
}

TEST_F(ViaRuleStmtTest, MetalOverhangFrom56IsObsoleteAndDropped) {
  const char* text =
      "VERSION 5.6 ;\nVIARULE r GENERATE\n  LAYER a ;\n    METALOVERHANG 0.2 ;\n  LAYER b ;\n"
      "  LAYER c ;\n    RECT 0 0 1 1 ;\nEND r\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-2024): METALOVERHANG statement is obsolete in version 5.6 "
                  "and later.\nThe LEF parser will ignore this statement.\nTo avoid this warning "
                  "in the future, remove this statement from the LEF file with version 5.6 or "
                  "later. See file test.lef at line 4.\n"});
  EXPECT_EQ(calls()[1], " layer a");
}

TEST_F(ViaRuleStmtTest, WithoutCallbackNothingIsReported) {
  LefDefParser::lefrUnsetViaRuleCbk();
  EXPECT_EQ(read(v58("VIARULE r\n  LAYER a ;\n  LAYER b ;\n  LAYER c ;\nEND q\n")), 0);
  EXPECT_EQ(errors(), Lines{});
}

TEST_F(ViaRuleStmtTest, WarningLimitCountsEveryMessage) {
  LefDefParser::lefrSetViaRuleWarnings(1);
  // Two messages: 1705 for layer b, then 1615; only the first is given.
  EXPECT_EQ(read(v58("VIARULE r\n  LAYER a ;\n    DIRECTION VERTICAL ;\n  LAYER b ;\nEND q\n")),
            1);
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0].substr(0, 21), "ERROR (LEFPARS-1705):");
}

TEST_F(ViaRuleStmtTest, RuleAndLayerNamesSpellingKeywordsAreNames) {
  EXPECT_EQ(read(v58("VIARULE LAYER\n  LAYER VIA ;\n    DIRECTION VERTICAL ;\nEND LAYER\n")), 0);
  EXPECT_EQ(calls(),
            (Lines{"viarule 13 LAYER generate 0 default 0 layers 1", " layer VIA dir V"}));
}

int ignore(lefrCallbackType_e, void*, void*) { return 0; }

// Real technology files: the number of rules and one rule as read by hand
// from the file.
struct RealViaRuleCase {
  const char* file;
  size_t rules;
  Lines rule;  // the chosen rule's journal lines; the first names it
};

class RealViaRuleTest : public ViaRuleStmtTest,
                        public ::testing::WithParamInterface<RealViaRuleCase> {};

TEST_P(RealViaRuleTest, ReadsEveryRule) {
  LefDefParser::lefrSetUnusedCallbacks(ignore);
  int status = readShared(GetParam().file);
  if (status < 0) GTEST_SKIP() << "shared LEF data not found: " << GetParam().file;
  EXPECT_EQ(status, 0);
  EXPECT_EQ(errors(), Lines{});
  size_t rules = 0;
  for (const std::string& line : calls()) rules += line.compare(0, 11, "viarule 13 ") == 0;
  EXPECT_EQ(rules, GetParam().rules);
  const Lines& want = GetParam().rule;
  Lines got;
  for (size_t i = 0; i < calls().size(); i++)
    if (calls()[i] == want[0])
      got.assign(calls().begin() + i, calls().begin() + std::min(calls().size(), i + want.size()));
  EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(
    SharedData, RealViaRuleTest,
    ::testing::Values(
        RealViaRuleCase{"osu018_stdcells.lef",
                        11,
                        {"viarule 13 viagen21 generate 1 default 0 layers 3",
                         " layer metal1 dir H width 0.3 60 overhang 0.1 metaloverhang 0",
                         " layer metal2 dir V width 0.3 60 overhang 0.1 metaloverhang 0",
                         " layer via rect -0.1 -0.1 0.1 0.1 spacing 0.5 0.5"}},
        RealViaRuleCase{"osu018_stdcells.lef",
                        11,
                        {"viarule 13 TURN6 generate 1 default 0 layers 2", " layer metal6 dir H",
                         " layer metal6 dir V"}},
        RealViaRuleCase{"gscl45nm.lef",
                        10,
                        {"viarule 13 M2_M1 generate 1 default 0 layers 3",
                         " layer metal1 enclosure 0 0.035", " layer metal2 enclosure 0 0.035",
                         " layer via1 rect -0.0325 -0.0325 0.0325 0.0325 spacing 0.14 0.14"}},
        RealViaRuleCase{"nangate45_tech.lef",
                        19,
                        {"viarule 13 Via1Array-3 generate 1 default 0 layers 3",
                         " layer metal1 enclosure 0 0.035", " layer metal2 enclosure 0.035 0",
                         " layer via1 rect -0.035 -0.035 0.035 0.035 spacing 0.15 0.15"}},
        RealViaRuleCase{"sky130hd_tech.lef",
                        25,
                        {"viarule 13 L1M1_PR generate 1 default 0 layers 3",
                         " layer li1 enclosure 0 0", " layer met1 enclosure 0.06 0.03",
                         " layer mcon rect -0.085 -0.085 0.085 0.085 spacing 0.36 0.36"}},
        RealViaRuleCase{"asap7_tech_1x.lef",
                        11,
                        {"viarule 13 Pad_M9 generate 1 default 1 layers 3",
                         " layer M9 enclosure 0 0", " layer Pad enclosure 0.011 0",
                         " layer V9 rect -0.016 -0.016 0.016 0.016 spacing 0.078 0.078"}}),
    [](const ::testing::TestParamInfo<RealViaRuleCase>& info) {
      std::string name = info.param.file;
      name = name.substr(0, name.find('.')) + "_" + info.param.rule[0].substr(11);
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name.substr(0, name.find("_generate"));
    });

}  // namespace
