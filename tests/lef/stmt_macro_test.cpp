// The MACRO statement: the order and contents of its callbacks, its
// version rules and its messages, and DENSITY.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lef/lefrData.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiMacro;
using LefDefParser::lefiPoints;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

std::string sitePatternText(const LefDefParser::lefiSitePattern* p) {
  return std::string(p->name()) + " " + num(p->x()) + " " + num(p->y()) + " orient " +
         std::to_string(p->orient()) + " step " + num(p->xStart()) + " " + num(p->yStart()) + " " +
         num(p->xStep()) + " " + num(p->yStep());
}

int beginCbk(lefrCallbackType_e t, const char* name, void*) {
  journal("begin " + std::to_string(t) + " " + name);
  return 0;
}
int classCbk(lefrCallbackType_e t, const char* text, void*) {
  journal("class " + std::to_string(t) + " " + text);
  return 0;
}
int originCbk(lefrCallbackType_e t, lefiPoints p, void*) {
  journal("origin " + std::to_string(t) + " " + num(p.x) + " " + num(p.y));
  return 0;
}
int sizeCbk(lefrCallbackType_e t, lefiPoints p, void*) {
  journal("size " + std::to_string(t) + " " + num(p.x) + " " + num(p.y));
  return 0;
}
int fixedMaskCbk(lefrCallbackType_e t, int value, void*) {
  journal("fixedmask " + std::to_string(t) + " " + std::to_string(value));
  return 0;
}
int siteCbk(lefrCallbackType_e t, const LefDefParser::lefiMacroSite* site, void*) {
  journal("site " + std::to_string(t) + " " + (site->siteName() ? site->siteName() : "(null)") +
          " " + (site->sitePattern() ? sitePatternText(site->sitePattern()) : "(null)"));
  return 0;
}
int foreignCbk(lefrCallbackType_e t, const LefDefParser::lefiMacroForeign* f, void*) {
  journal("foreign " + std::to_string(t) + " " + f->cellName() + " " +
          std::to_string(f->cellHasPts()) + " " + num(f->px()) + " " + num(f->py()) + " " +
          std::to_string(f->cellHasOrient()) + " " + std::to_string(f->cellOrient()));
  return 0;
}
int macroCbk(lefrCallbackType_e t, lefiMacro* m, void*) {
  std::string line = "macro " + std::to_string(t) + " " + m->name();
  if (m->hasClass()) line += std::string(" class ") + m->macroClass();
  if (m->hasOrigin()) line += " origin " + num(m->originX()) + " " + num(m->originY());
  if (m->hasSize()) line += " size " + num(m->sizeX()) + " " + num(m->sizeY());
  if (m->hasEEQ()) line += std::string(" eeq ") + m->EEQ();
  if (m->hasLEQ()) line += std::string(" leq ") + m->LEQ();
  if (m->hasSource()) line += std::string(" source ") + m->source();
  if (m->hasPower()) line += " power " + num(m->power());
  if (m->hasSiteName()) line += std::string(" site ") + m->siteName();
  if (m->hasClockType()) line += std::string(" clock ") + m->clockType();
  if (m->hasGenerator()) line += std::string(" generator ") + m->generator();
  line += " sym " + std::to_string(m->hasXSymmetry()) + std::to_string(m->hasYSymmetry()) +
          std::to_string(m->has90Symmetry());
  if (m->isBuffer()) line += " buffer";
  if (m->isInverter()) line += " inverter";
  if (m->isFixedMask()) line += " fixedmask";
  for (int i = 0; i < m->numForeigns(); i++)
    line += std::string(" foreign ") + m->foreignName(i) + " " + num(m->foreignX(i)) + " " +
            num(m->foreignY(i)) + " " + std::to_string(m->foreignOrient(i));
  for (int i = 0; i < m->numSitePattern(); i++)
    line += " pattern " + sitePatternText(m->sitePattern(i));
  journal(line);
  return 0;
}
int endCbk(lefrCallbackType_e t, const char* name, void*) {
  journal("end " + std::to_string(t) + " " + name);
  return 0;
}
int pinCbk(lefrCallbackType_e t, LefDefParser::lefiPin* pin, void*) {
  journal("pin " + std::to_string(t) + " " + pin->name());
  return 0;
}
int obsCbk(lefrCallbackType_e t, LefDefParser::lefiObstruction* obs, void*) {
  journal("obs " + std::to_string(t) + " items " + std::to_string(obs->geometries()->numItems()));
  return 0;
}
int densityCbk(lefrCallbackType_e t, LefDefParser::lefiDensity* d, void*) {
  std::string line = "density " + std::to_string(t);
  for (int l = 0; l < d->numLayer(); l++) {
    line += std::string(" ") + d->layerName(l) + ":";
    for (int r = 0; r < d->numRects(l); r++) {
      LefDefParser::lefiGeomRectItem rect = d->getRect(l, r);
      line += " " + num(rect.xl) + "," + num(rect.yl) + "," + num(rect.xh) + "," + num(rect.yh) +
              "=" + num(d->densityValue(l, r));
    }
  }
  journal(line);
  return 0;
}

class MacroStmtTest : public lefTest::LefReadTest {
 protected:
  static void registerAll() {
    using namespace LefDefParser;
    lefrSetMacroBeginCbk(beginCbk);
    lefrSetMacroClassTypeCbk(classCbk);
    lefrSetMacroOriginCbk(originCbk);
    lefrSetMacroSizeCbk(sizeCbk);
    lefrSetMacroFixedMaskCbk(fixedMaskCbk);
    lefrSetMacroSiteCbk(siteCbk);
    lefrSetMacroForeignCbk(foreignCbk);
    lefrSetMacroCbk(macroCbk);
    lefrSetMacroEndCbk(endCbk);
    lefrSetPinCbk(pinCbk);
    lefrSetObstructionCbk(obsCbk);
    lefrSetDensityCbk(densityCbk);
  }
};

TEST_F(MacroStmtTest, CallbacksRunInStatementOrderAroundTheMacroCallback) {
  registerAll();
  const char* text =
      "VERSION 5.8 ;\n"
      "MACRO INV_X1\n"
      "  CLASS CORE ;\n"
      "  FOREIGN INV_X1 0 0 ;\n"
      "  ORIGIN 0 0 ;\n"
      "  EEQ INV_X2 ;\n"
      "  SIZE 0.38 BY 1.4 ;\n"
      "  SYMMETRY X Y ;\n"
      "  SITE FreePDK45 ;\n"
      "  FUNCTION INVERTER ;\n"
      "  CLOCKTYPE clk ;\n"
      "  GENERATOR gen ;\n"
      "  FIXEDMASK ;\n"
      "  PIN A\n"
      "  END A\n"
      "  OBS\n"
      "    LAYER metal1 ;\n"
      "      RECT 0 0 1 1 ;\n"
      "  END\n"
      "END INV_X1\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(), Lines{});
  EXPECT_EQ(calls(), (Lines{"begin 20 INV_X1", "class 47 CORE", "foreign 57 INV_X1 1 0 0 0 -1",
                            "origin 48 0 0", "size 49 0.38 1.4", "site 56 FreePDK45 (null)",
                            "fixedmask 50 1", "pin 21 A", "obs 23 items 2",
                            "macro 22 INV_X1 class CORE origin 0 0 size 0.38 1.4 eeq INV_X2 site "
                            "FreePDK45 clock clk generator gen sym 110 inverter fixedmask foreign "
                            "INV_X1 0 0 -1",
                            "end 51 INV_X1"}));
}

TEST_F(MacroStmtTest, ForeignFormsAndSitePatterns) {
  registerAll();
  const char* text =
      "VERSION 5.8 ;\n"
      "MACRO m\n"
      "  FOREIGN a ;\n"
      "  FOREIGN b ( 1 2 ) FE ;\n"
      "  FOREIGN c MX ;\n"
      "  SITE core 0.5 1 FS DO 4 BY 2 STEP 0.2 1.4 ;\n"
      "  SITE io 0 0 R90 ;\n"
      "END m\n"
      "END LIBRARY\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(),
            (Lines{"begin 20 m", "foreign 57 a 0 0 0 0 -1", "foreign 57 b 1 1 2 1 7",
                   "foreign 57 c 0 0 0 1 6", "site 56 (null) core 0.5 1 orient 6 step 4 2 0.2 1.4",
                   "site 56 (null) io 0 0 orient 1 step -1 -1 -1 -1",
                   "macro 22 m sym 000 foreign a 0 0 -1 foreign b 1 2 7 foreign c 0 0 6 pattern "
                   "core 0.5 1 orient 6 step 4 2 0.2 1.4 pattern io 0 0 orient 1 step -1 -1 -1 -1",
                   "end 51 m"}));
}

TEST_F(MacroStmtTest, ComposedClassTexts) {
  LefDefParser::lefrSetMacroClassTypeCbk(classCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nMACRO m\n  CLASS PAD AREAIO ;\n  CLASS CORE WELLTAP ;\n  CLASS "
                 "ENDCAP BOTTOMRIGHT ;\n  CLASS BLOCK BLACKBOX ;\n  CLASS COVER BUMP ;\n  CLASS "
                 "BUMP ;\nEND m\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(),
            (Lines{"class 47 PAD AREAIO", "class 47 CORE WELLTAP", "class 47 ENDCAP BOTTOMRIGHT",
                   "class 47 BLOCK BLACKBOX", "class 47 COVER BUMP", "class 47 BUMP"}));
}

// Version rules and order checks: the text, the messages expected with only
// the Macro callback registered (errors first, then warnings).
struct MacroMessageCase {
  const char* name;
  const char* text;
  int result;
  Lines messages;
};

class MacroMessageTest : public MacroStmtTest,
                         public ::testing::WithParamInterface<MacroMessageCase> {};

TEST_P(MacroMessageTest, ReportsExactly) {
  LefDefParser::lefrSetMacroCbk(macroCbk);
  EXPECT_EQ(read(GetParam().text), GetParam().result);
  Lines all = errors();
  all.insert(all.end(), warnings().begin(), warnings().end());
  EXPECT_EQ(all, GetParam().messages);
}

const char* const k55Header =
    "NAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, MacroMessageTest,
    ::testing::Values(
        MacroMessageCase{
            "SecondOriginAfterPin",
            "VERSION 5.8 ;\nMACRO m\n  PIN a\n  END a\n  ORIGIN 0 0 ;\n  ORIGIN 1 1 "
            ";\nEND m\nEND LIBRARY\n",
            1,
            {"ERROR (LEFPARS-1642): ORIGIN statement has defined more than once in a "
             "MACRO statement.\nOnly one ORIGIN statement can be defined in a "
             "Macro.\nParser will stop processing. Error in file test.lef at line 6, "
             "on token ;.\n",
             "WARNING (LEFPARS-2040): A PIN statement is defined before ORIGIN "
             "statement.\nTo avoid this warning in the future, define PIN after ORIGIN "
             "See file test.lef at line 5.\n",
             "WARNING (LEFPARS-2040): A PIN statement is defined before ORIGIN "
             "statement.\nTo avoid this warning in the future, define PIN after ORIGIN "
             "See file test.lef at line 6.\n"}},
        MacroMessageCase{
            "OriginAfterSiteAndObs",
            "VERSION 5.8 ;\nMACRO m\n  SITE s ;\n  OBS\n  END\n  ORIGIN 0 0 ;\nEND "
            "m\nEND LIBRARY\n",
            0,
            {"WARNING (LEFPARS-2039): A SITE statement is defined before ORIGIN "
             "statement.\nTo avoid this warning in the future, define SITE after "
             "ORIGIN See file test.lef at line 6.\n",
             "WARNING (LEFPARS-2041): A OBS statement is defined before ORIGIN "
             "statement.\nTo avoid this warning in the future, define OBS after ORIGIN "
             "See file test.lef at line 6.\n"}},
        MacroMessageCase{"SymmetryAfterSite",
                         "VERSION 5.8 ;\nMACRO m\n  SITE s ;\n  SYMMETRY R90 ;\nEND m\nEND "
                         "LIBRARY\n",
                         0,
                         {"WARNING (LEFPARS-2032): A SITE statement is defined before SYMMETRY "
                          "statement.\nTo avoid this warning in the future, define SITE after "
                          "SYMMETRY See file test.lef at line 4.\n"}},
        MacroMessageCase{"WelltapIn55",
                         "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" "
                         ";\nDIVIDERCHAR \"/\" ;\nMACRO m\n  CLASS CORE WELLTAP ;\nEND m\nEND "
                         "LIBRARY\n",
                         1,
                         {"ERROR (LEFPARS-1641): WELLTAP statement is a version 5.6 and later "
                          "syntax.\nYour lef file is defined with version 5.5. Error in file "
                          "test.lef at line 6, on token WELLTAP.\n"}},
        MacroMessageCase{"WelltapIn53x",
                         "VERSION 5.3.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" "
                         ";\nDIVIDERCHAR \"/\" ;\nMACRO m\n  CLASS CORE WELLTAP ;\nEND m\nEND "
                         "LIBRARY\n",
                         0,
                         {}},
        MacroMessageCase{"SpacerAndAntennaCellIn53",
                         "VERSION 5.3 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" "
                         ";\nDIVIDERCHAR \"/\" ;\nMACRO m\n  CLASS CORE SPACER ;\n  CLASS CORE "
                         "ANTENNACELL ;\n  CLASS BLOCK SOFT ;\nEND m\nEND LIBRARY\n",
                         1,
                         {"ERROR (LEFPARS-1639): SPACER statement is a version 5.4 and later "
                          "syntax.\nYour lef file is defined with version 5.3. Error in file "
                          "test.lef at line 6, on token SPACER.\n",
                          "ERROR (LEFPARS-1640): ANTENNACELL statement is a version 5.4 and later "
                          "syntax.\nYour lef file is defined with version 5.3. Error in file "
                          "test.lef at line 7, on token ANTENNACELL.\n",
                          "ERROR (LEFPARS-1637): BLOCK SOFT statement is a version 5.6 and later "
                          "syntax.\nYour lef file is defined with version 5.3. Error in file "
                          "test.lef at line 8, on token SOFT.\n"}},
        MacroMessageCase{"ClassesOf55In54",
                         "VERSION 5.4 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" "
                         ";\nDIVIDERCHAR \"/\" ;\nMACRO m\n  CLASS COVER BUMP ;\n  CLASS BLOCK "
                         "BLACKBOX ;\n  CLASS PAD AREAIO ;\nEND m\nEND LIBRARY\n",
                         1,
                         {"ERROR (LEFPARS-1635): COVER BUMP statement is a version 5.5 and later "
                          "syntax.\nYour lef file is defined with version 5.4. Error in file "
                          "test.lef at line 6, on token BUMP.\n",
                          "ERROR (LEFPARS-1636): BLOCK BLACKBOX statement is a version 5.5 and "
                          "later syntax.\nYour lef file is defined with version 5.4. Error in file "
                          "test.lef at line 7, on token BLACKBOX.\n",
                          "ERROR (LEFPARS-1638): PAD AREAIO statement is a version 5.5 and later "
                          "syntax.\nYour lef file is defined with version 5.4. Error in file "
                          "test.lef at line 8, on token AREAIO.\n"}},
        MacroMessageCase{
            "ObsoleteStatementsIn56",
            "VERSION 5.6 ;\nMACRO m\n  SOURCE USER ;\n  SOURCE BLOCK ;\n  LEQ m2 ;\n  "
            "POWER 3 ;\nEND m\nEND LIBRARY\n",
            0,
            {"WARNING (LEFPARS-2036): SOURCE statement is obsolete in version 5.6 and "
             "later.\nThe LEF parser will ignore this statement.\nTo avoid this "
             "warning in the future, remove this statement from the LEF file with "
             "version 5.6 or later. See file test.lef at line 3.\n",
             "WARNING (LEFPARS-2037): SOURCE statement is obsolete in version 5.6 and "
             "later.\nThe LEF parser will ignore this statement.\nTo avoid this "
             "warning in the future, remove this statement from the LEF file with "
             "version 5.6 or later. See file test.lef at line 4.\n",
             "WARNING (LEFPARS-2042): LEQ statement in MACRO is obsolete in version "
             "5.6 and later.\nThe LEF parser will ignore this statement.\nTo avoid "
             "this warning in the future, remove this statement from the LEF file "
             "with version 5.6 or later. See file test.lef at line 5.\n",
             "WARNING (LEFPARS-2038): MACRO POWER statement is obsolete in version 5.4 "
             "and later.\nThe LEF parser will ignore this statement.\nTo avoid this "
             "warning in the future, remove this statement from the LEF file with "
             "version 5.4 or later. See file test.lef at line 6.\n"}},
        MacroMessageCase{"DensityIn55",
                         "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" "
                         ";\nDIVIDERCHAR \"/\" ;\nMACRO m\n  DENSITY\n    LAYER m1 ;\n  END\nEND "
                         "m\nEND LIBRARY\n",
                         0,
                         {}}),
    [](const ::testing::TestParamInfo<MacroMessageCase>& info) { return info.param.name; });

TEST_F(MacroStmtTest, ObsoleteStatementsAreStoredIn53) {
  LefDefParser::lefrSetMacroCbk(macroCbk);
  EXPECT_EQ(read("VERSION 5.3 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" "
                 ";\nMACRO m\n  SOURCE GENERATE ;\n  LEQ m2 ;\n  POWER 3 ;\nEND m\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), Lines{"macro 22 m leq m2 source GENERATE power 3 sym 000"});
}

TEST_F(MacroStmtTest, EndNameMismatchNeedsTheMacroEndCallbackAndBlocksIt) {
  const char* text = "VERSION 5.8 ;\nMACRO m1\nEND m2\nEND LIBRARY\n";
  LefDefParser::lefrSetMacroCbk(macroCbk);
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});

  lefTest::readLog() = lefTest::ReadLog();
  LefDefParser::lefrSetMacroEndCbk(endCbk);
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1634): END MACRO name m2 is different from the MACRO "
                            "name m1.\nCorrect the LEF file before rerunning it through the LEF "
                            "parser. Error in file test.lef at line 3, on token m2.\n"});
  EXPECT_EQ(calls(), Lines{"macro 22 m1 sym 000"});
}

TEST_F(MacroStmtTest, CoverBumpIn54WithRelaxModeWarnsAndStores) {
  LefDefParser::lefrSetRelaxMode();
  LefDefParser::lefrSetMacroCbk(macroCbk);
  EXPECT_EQ(read("VERSION 5.4 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" "
                 ";\nMACRO m\n  CLASS COVER BUMP ;\nEND m\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-2033): The statement COVER BUMP is a LEF verion 5.5 "
                  "syntax.\nYour LEF file is version 5.4 or earlier which is incorrect but will be "
                  "allowed\nbecause this application does not enforce strict version "
                  "checking.\nOther tools that enforce strict checking will have a syntax error "
                  "when reading this file.\nYou can change the VERSION statement in this LEF file "
                  "to 5.5 or higher to stop this warning. See file test.lef at line 6.\n"});
  EXPECT_EQ(calls(), Lines{"macro 22 m class COVER BUMP sym 000"});
}

TEST_F(MacroStmtTest, BumpBefore57IsAnErrorWithoutAnyCallback) {
  EXPECT_EQ(read("VERSION 5.6 ;\nMACRO m\n  CLASS BUMP ;\nEND m\nEND LIBRARY\n"), 1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1698): BUMP is a version 5.7 or later syntax.\nYour "
                            "lef file is defined with version 5.6. Error in file test.lef at line "
                            "3, on token BUMP.\n"});
}

TEST_F(MacroStmtTest, FixedMaskBefore58CallsItsCallbackButIsNotStored) {
  registerAll();
  EXPECT_EQ(read("VERSION 5.7 ;\nMACRO m\n  FIXEDMASK ;\nEND m\nEND LIBRARY\n"), 0);
  EXPECT_EQ(calls(), (Lines{"begin 20 m", "fixedmask 50 1", "macro 22 m sym 000", "end 51 m"}));
}

TEST_F(MacroStmtTest, WithoutMacroCallbackNothingIsReportedAndOnlyTheNameKept) {
  LefDefParser::lefrSetMacroBeginCbk(beginCbk);
  EXPECT_EQ(read("VERSION 5.6 ;\nMACRO m\n  CLASS CORE ;\n  SOURCE USER ;\n  ORIGIN 0 0 ;\n  "
                 "ORIGIN 1 1 ;\n  SIZE 2 BY 3 ;\nEND m\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(), Lines{});
  const lefiMacro& macro = LefDefParser::lefData->macro;
  EXPECT_STREQ(macro.name(), "m");
  EXPECT_EQ(macro.hasClass(), 0);
  EXPECT_EQ(macro.hasOrigin(), 0);
  EXPECT_EQ(macro.hasSize(), 0);
}

TEST_F(MacroStmtTest, DensityLayersAndRects) {
  LefDefParser::lefrSetDensityCbk(densityCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nMACRO m\n  DENSITY\n    LAYER metal1 ;\n      RECT 0 0 10 10 "
                 "45.5 ;\n      RECT 10 0 20 10 30 ;\n    LAYER metal2 ;\n      RECT ( 0 0 ) ( 5 5 "
                 ") 12 ;\n  END\n  DENSITY\n    LAYER metal3 ;\n  END\nEND m\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"density 54 metal1: 0,0,10,10=45.5 10,0,20,10=30 metal2: 0,0,5,5=12",
                            "density 54 metal3:"}));
}

TEST_F(MacroStmtTest, DensityBefore56IsAnErrorWithItsCallback) {
  LefDefParser::lefrSetDensityCbk(densityCbk);
  EXPECT_EQ(read(std::string("VERSION 5.5 ;\n") + k55Header +
                 "MACRO m\n  DENSITY\n    LAYER m1 ;\n  END\nEND m\nEND LIBRARY\n"),
            1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1661): DENSITY statement is a version 5.6 and later "
                            "syntax.\nYour lef file is defined with version 5.5. Error in file "
                            "test.lef at line 8, on token END.\n"});
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(MacroStmtTest, MacroNamesSpellingKeywordsOrNumbers) {
  LefDefParser::lefrSetMacroEndCbk(endCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nMACRO PIN\nEND PIN\nMACRO 123\nEND 123\nEND LIBRARY\n"), 0);
  EXPECT_EQ(calls(), (Lines{"end 51 PIN", "end 51 123"}));
}

int stopAtMacro(lefrCallbackType_e, lefiMacro*, void*) { return 3; }

TEST_F(MacroStmtTest, AMacroCallbackResultEndsTheReadBeforeMacroEnd) {
  LefDefParser::lefrSetMacroCbk(stopAtMacro);
  LefDefParser::lefrSetMacroEndCbk(endCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nMACRO m\nEND m\nMACRO n\nEND n\nEND LIBRARY\n"), 3);
  EXPECT_EQ(calls(), Lines{});
}

}  // namespace
