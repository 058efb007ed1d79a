// The ARRAY statement read from LEF texts: its site, track and GCell
// patterns, floor plans and DEFAULTCAP table, and the three ARRAY callbacks.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiArray.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiArray;
using LefDefParser::lefiSitePattern;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

std::string pattern(const lefiSitePattern* p) {
  return std::string(p->name()) + " " + num(p->x()) + " " + num(p->y()) + " " +
         std::to_string(p->orient()) + " " + num(p->xStart()) + " " + num(p->yStart()) + " " +
         num(p->xStep()) + " " + num(p->yStep());
}

int arrayCbk(lefrCallbackType_e type, lefiArray* a, void*) {
  journal("array " + std::to_string(type) + " " + a->name());
  for (int i = 0; i < a->numSitePattern(); i++) journal(" site " + pattern(a->sitePattern(i)));
  for (int i = 0; i < a->numCanPlace(); i++) journal(" canplace " + pattern(a->canPlace(i)));
  for (int i = 0; i < a->numCannotOccupy(); i++)
    journal(" cannotoccupy " + pattern(a->cannotOccupy(i)));
  for (int i = 0; i < a->numTrack(); i++) {
    std::string line = std::string(" tracks ") + a->track(i)->name() + " " +
                       num(a->track(i)->start()) + " " + std::to_string(a->track(i)->numTracks()) +
                       " " + num(a->track(i)->space());
    for (int l = 0; l < a->track(i)->numLayers(); l++)
      line += std::string(" ") + a->track(i)->layerName(l);
    journal(line);
  }
  for (int i = 0; i < a->numGcell(); i++)
    journal(std::string(" gcell ") + a->gcell(i)->name() + " " + num(a->gcell(i)->start()) + " " +
            std::to_string(a->gcell(i)->numCRs()) + " " + num(a->gcell(i)->space()));
  for (int i = 0; i < a->numFloorPlans(); i++) {
    journal(std::string(" floorplan ") + a->floorPlanName(i));
    for (int j = 0; j < a->numSites(i); j++)
      journal(std::string("  ") + a->siteType(i, j) + " " + pattern(a->site(i, j)));
  }
  if (a->numDefaultCaps()) {
    std::string line = " defaultcap " + std::to_string(a->tableSize());
    for (int i = 0; i < a->numDefaultCaps(); i++)
      line += " " + std::to_string(a->defaultCapMinPins(i)) + ":" + num(a->defaultCap(i));
    journal(line);
  }
  return 0;
}

int nameCbk(lefrCallbackType_e type, const char* name, void*) {
  journal("name " + std::to_string(type) + " " + name);
  return 0;
}

class ArrayStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetArrayBeginCbk(nameCbk);
    LefDefParser::lefrSetArrayCbk(arrayCbk);
    LefDefParser::lefrSetArrayEndCbk(nameCbk);
  }
};

TEST_F(ArrayStmtTest, ArrayWithEveryKindOfItem) {
  const char* text =
      "VERSION 5.8 ;\n"
      "ARRAY gate\n"
      "  SITE core 0 0 N DO 10 BY 2 STEP 1 2 ;\n"
      "  CANPLACE core 0 0 FS ;\n"
      "  CANNOTOCCUPY io 5 5 E DO 1 BY 1 STEP 0 0 ;\n"
      "  TRACKS X 0 DO 10 STEP 2 LAYER M1 M2 ;\n"
      "  TRACKS Y 0.5 DO 20 STEP 1 ;\n"
      "  GCELLGRID X 0 DO 5 STEP 10 ;\n"
      "  FLOORPLAN fp1\n"
      "    CANPLACE core 0 0 N DO 2 BY 1 STEP 1 1 ;\n"
      "    CANNOTOCCUPY core 1 1 S ;\n"
      "  END fp1\n"
      "  DEFAULTCAP 3\n"
      "    MINPINS 1 WIRECAP 0.1 ;\n"
      "    MINPINS 2 WIRECAP 0.2 ;\n"
      "    MINPINS 4 WIRECAP 0.3 ;\n"
      "  END DEFAULTCAP\n"
      "END gate\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"name 27 gate", "array 24 gate", " site core 0 0 0 10 2 1 2",
                            " canplace core 0 0 6 -1 -1 -1 -1", " cannotoccupy io 5 5 3 1 1 0 0",
                            " tracks X 0 10 2 M1 M2", " tracks Y 0.5 20 1", " gcell X 0 5 10",
                            " floorplan fp1", "  CANPLACE core 0 0 0 2 1 1 1",
                            "  CANNOTOCCUPY core 1 1 2 -1 -1 -1 -1",
                            " defaultcap 3 1:0.1 2:0.2 4:0.3", "name 28 gate"}));
}

// Site, track and layer names are names even where they spell keywords.
TEST_F(ArrayStmtTest, PatternNamesSpellingKeywords) {
  const char* text =
      "VERSION 5.8 ;\nARRAY a\n  SITE SITE 1 2 W ;\n  TRACKS Y 0 DO 3 STEP 1 LAYER LAYER END "
      ";\nEND a\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(), (Lines{"name 27 a", "array 24 a", " site SITE 1 2 1 -1 -1 -1 -1",
                            " tracks Y 0 3 1 LAYER END", "name 28 a"}));
}

// The begin and end callbacks run only beside the Array callback.
TEST_F(ArrayStmtTest, BeginCallbackAloneIsNotCalled) {
  LefDefParser::lefrUnsetArrayCbk();
  EXPECT_EQ(read("VERSION 5.8 ;\nARRAY a\n  SITE core 0 0 N ;\nEND a\n"), 0);
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(ArrayStmtTest, EndCallbackSeesAMismatchingNameBeforeTheError) {
  EXPECT_EQ(read("VERSION 5.8 ;\nARRAY a\nEND b\nARRAY c\nEND c\n"), 1);
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1662): END ARRAY name b is different from the ARRAY name "
                  "a.\nCorrect the LEF file before rerunning it through the LEF parser. Error in "
                  "file test.lef at line 3, on token b.\n"});
  // The error blocks the callbacks of the next array.
  EXPECT_EQ(calls(), (Lines{"name 27 a", "array 24 a", "name 28 b"}));
}

TEST_F(ArrayStmtTest, EachArrayStartsEmpty) {
  EXPECT_EQ(read("VERSION 5.8 ;\nARRAY a\n  SITE s 0 0 N ;\nEND a\n"
                 "ARRAY b\n  GCELLGRID Y 1 DO 2 STEP 3 ;\nEND b\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"name 27 a", "array 24 a", " site s 0 0 0 -1 -1 -1 -1", "name 28 a",
                            "name 27 b", "array 24 b", " gcell Y 1 2 3", "name 28 b"}));
}

TEST_F(ArrayStmtTest, DefineInsideArrayIsObsoleteFrom56) {
  EXPECT_EQ(read("VERSION 5.6 ;\nARRAY a\n  &DEFINE x = 1 ;\nEND a\n"), 0);
  EXPECT_EQ(warnings(),
            Lines{"WARNING (LEFPARS-2067): DEFINE statement is obsolete in version 5.6 and "
                  "later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in "
                  "the future, remove this statement from the LEF file with version 5.6 or "
                  "later. See file test.lef at line 3.\n"});
}

// A syntax error in the middle of a track pattern abandons the statement;
// the pattern under construction is released (the sanitizer build checks).
TEST_F(ArrayStmtTest, SyntaxErrorInsideTrackPattern) {
  EXPECT_EQ(read("VERSION 5.8 ;\nARRAY a\n  TRACKS X 0 DO 10 STEP 2 LAYER m1 ( ;\nEND a\n"), 1);
  EXPECT_EQ(errors().size(), 1u);
  EXPECT_EQ(calls(), Lines{"name 27 a"});
}

int stopCbk(lefrCallbackType_e, lefiArray*, void*) { return 5; }

TEST_F(ArrayStmtTest, CallbackResultEndsTheRead) {
  LefDefParser::lefrSetArrayCbk(stopCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nARRAY a\n  SITE s 0 0 N ;\nEND a\nARRAY b\nEND b\n"), 5);
  EXPECT_EQ(calls(), Lines{"name 27 a"});
}

}  // namespace
