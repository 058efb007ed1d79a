// The library SPACING section and the IRDROP, MINFEATURE and DIELECTRIC
// statements read from LEF texts: which callbacks run in which version, and
// the obsolete-statement messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMisc.h"
#include "lef/lefrData.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiIRDrop;
using LefDefParser::lefiMinFeature;
using LefDefParser::lefiSpacing;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::versioned;
using lefTest::num;

int marker(lefrCallbackType_e type, void*, void*) {
  journal("mark " + std::to_string(type));
  return 0;
}

int spacingCbk(lefrCallbackType_e type, lefiSpacing* s, void*) {
  journal("spacing " + std::to_string(type) + " " + s->name1() + " " + s->name2() + " " +
          num(s->distance()) + " stack " + std::to_string(s->hasStack()));
  return 0;
}

std::string irdropText(const lefiIRDrop& t) {
  std::string line = t.name();
  for (int i = 0; i < t.numValues(); i++) line += " " + num(t.value1(i)) + "/" + num(t.value2(i));
  return line;
}

int irdropCbk(lefrCallbackType_e type, lefiIRDrop* t, void*) {
  journal("irdrop " + std::to_string(type) + " " + irdropText(*t));
  return 0;
}

int minFeatureCbk(lefrCallbackType_e type, lefiMinFeature* m, void*) {
  journal("minfeature " + std::to_string(type) + " " + num(m->one()) + " " + num(m->two()));
  return 0;
}

int dielectricCbk(lefrCallbackType_e type, double v, void*) {
  journal("dielectric " + std::to_string(type) + " " + num(v));
  return 0;
}

const char* const k2077 =
    "WARNING (LEFPARS-2077): A SPACING SAMENET section is defined but it is not legal in a LEF "
    "5.7 version file.\nIt will be ignored which will probably cause real DRC violations to be "
    "ignored, and may\ncause false DRC violations to occur.\n\nTo avoid this warning, and "
    "correctly handle these DRC rules, you should modify your\nLEF to use the appropriate "
    "SAMENET keywords as described in the LEF/DEF 5.7\nmanual under the SPACING statements in "
    "the LAYER (Routing) and LAYER (Cut)\nsections listed in the LEF Table of Contents. See "
    "file test.lef at line 2.\n";

class SpacingStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetSpacingBeginCbk(marker);
    LefDefParser::lefrSetSpacingCbk(spacingCbk);
    LefDefParser::lefrSetSpacingEndCbk(marker);
  }
};

TEST_F(SpacingStmtTest, SameNetRulesBefore57) {
  std::string text = versioned("5.5",
                               "SPACING\n"
                               "  SAMENET m1 m1 0.5 ;\n"
                               "  SAMENET via1 VIA 0.6 STACK ;\n"
                               "END SPACING\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"mark 25", "spacing 14 m1 m1 0.5 stack 0",
                            "spacing 14 via1 VIA 0.6 stack 1", "mark 26"}));
}

TEST_F(SpacingStmtTest, SectionIn57IsWarnedOncePerRead) {
  const char* text =
      "VERSION 5.7 ;\nSPACING\n  SAMENET m1 m1 0.5 ;\nEND SPACING\n"
      "SPACING\n  SAMENET m2 m2 0.5 ;\nEND SPACING\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(), Lines{k2077});
  EXPECT_EQ(calls(), Lines{});
}

// The 5.7 warning needs no callback.
TEST_F(SpacingStmtTest, SectionIn57WarnsWithoutCallbacks) {
  LefDefParser::lefrUnsetSpacingBeginCbk();
  LefDefParser::lefrUnsetSpacingCbk();
  LefDefParser::lefrUnsetSpacingEndCbk();
  EXPECT_EQ(read("VERSION 5.8 ;\nSPACING\nEND SPACING\n"), 0);
  ASSERT_EQ(warnings().size(), 1u);
  EXPECT_EQ(warnings()[0].substr(0, 23), "WARNING (LEFPARS-2077):");
}

TEST_F(SpacingStmtTest, EmptySectionIsAnErrorUpTo54) {
  LefDefParser::lefrUnsetSpacingBeginCbk();
  LefDefParser::lefrUnsetSpacingCbk();
  LefDefParser::lefrUnsetSpacingEndCbk();
  EXPECT_EQ(read(versioned("5.4", "SPACING\nEND SPACING\n")), 1);
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1616): SAMENET statement is required inside SPACING for any lef "
                  "file with version 5.4 and earlier, but is not defined in the parsed lef file. "
                  "Error in file test.lef at line 6, on token SPACING.\n"});
}

TEST_F(SpacingStmtTest, EmptySectionIsFineIn55) {
  EXPECT_EQ(read(versioned("5.5", "SPACING\nEND SPACING\n")), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"mark 25", "mark 26"}));
}

TEST_F(SpacingStmtTest, SameNetInRuleFrom56IsObsolete) {
  const char* text =
      "VERSION 5.6 ;\nNONDEFAULTRULE r\n  LAYER m1\n    WIDTH 1 ;\n  END m1\n"
      "  SPACING\n    SAMENET m1 m1 0.5 ;\n  END SPACING\nEND r\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-2025): SAMENET statement in NONDEFAULTRULE is obsolete in "
                  "version 5.6 and later.\nThe LEF parser will ignore this statement.\nTo avoid "
                  "this warning in the future, remove this statement from the LEF file with "
                  "version 5.6 or later. See file test.lef at line 6.\n"});
  EXPECT_EQ(calls(), Lines{});
}

class IRDropStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetIRDropBeginCbk(marker);
    LefDefParser::lefrSetIRDropCbk(irdropCbk);
    LefDefParser::lefrSetIRDropEndCbk(marker);
  }
};

const char* const kIRDrop =
    "IRDROP\n  TABLE t1 0.1 0.2 0.3 0.4 ;\n  TABLE t2 1 2 ;\nEND IRDROP\n";

TEST_F(IRDropStmtTest, TablesBefore54) {
  EXPECT_EQ(read(versioned("5.3", kIRDrop)), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            (Lines{"mark 29", "irdrop 15 t1 0.1/0.2 0.3/0.4", "irdrop 15 t2 1/2", "mark 30"}));
}

// From 5.4 on the tables are still stored, but only the warning is given.
TEST_F(IRDropStmtTest, TablesFrom54AreStoredWithoutCallbacks) {
  EXPECT_EQ(read(versioned("5.4", kIRDrop)), 0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-2026): IRDROP statement is obsolete in version 5.4 and "
                  "later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in "
                  "the future, remove this statement from the LEF file with version 5.4 or "
                  "later. See file test.lef at line 5.\n"});
  EXPECT_EQ(calls(), Lines{});
  EXPECT_EQ(irdropText(LefDefParser::lefData->irdrop), "t2 1/2");
}

class LibraryValueStmtFixture : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetMinFeatureCbk(minFeatureCbk);
    LefDefParser::lefrSetDielectricCbk(dielectricCbk);
  }
};

TEST_F(LibraryValueStmtFixture, MinFeatureAndDielectricBefore54) {
  EXPECT_EQ(read(versioned("5.3", "MINFEATURE 0.1 0.2 ;\nDIELECTRIC 0.5 ;\n")), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"minfeature 17 0.1 0.2", "dielectric 16 0.5"}));
}

TEST_F(LibraryValueStmtFixture, MinFeatureAndDielectricFrom54AreObsolete) {
  EXPECT_EQ(read(versioned("5.4", "MINFEATURE 0.1 0.2 ;\nDIELECTRIC 0.5 ;\n")), 0);
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2027): MINFEATURE statement is obsolete in version 5.4 and "
                   "later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in "
                   "the future, remove this statement from the LEF file with version 5.4 or "
                   "later. See file test.lef at line 5.\n",
                   "WARNING (LEFPARS-2028): DIELECTRIC statement is obsolete in version 5.4 and "
                   "later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in "
                   "the future, remove this statement from the LEF file with version 5.4 or "
                   "later. See file test.lef at line 6.\n"}));
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(LibraryValueStmtFixture, MinFeatureBeforeUnitsIsAnError) {
  LefDefParser::lefrUnsetMinFeatureCbk();
  EXPECT_EQ(read("VERSION 5.8 ;\nMINFEATURE 0.1 0.2 ;\nUNITS\n  DATABASE MICRONS 100 ;\n"
                 "END UNITS\n"),
            1);
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1712): MINFEATURE statement was defined before UNITS.\nRefer "
                  "the LEF Language Reference manual for the order of LEF statements. Error in "
                  "file test.lef at line 3, on token UNITS.\n"});
}

}  // namespace
