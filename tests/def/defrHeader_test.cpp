// Header statements read through the grammar, with their callbacks and messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "def/defiMisc.h"
#include "def/defiPinCap.h"
#include "defrTestRead.h"

using namespace LefDefParser;
using defrtest::messages;
using defrtest::readText;

namespace {

std::vector<std::string> calls;

int onText(defrCallbackType_e type, const char* text, void*) {
  calls.push_back(std::to_string(type) + ":" + text);
  return 0;
}
int onNumber(defrCallbackType_e type, double value, void*) {
  char buf[64];
  snprintf(buf, sizeof buf, "%d:%g", type, value);
  calls.push_back(buf);
  return 0;
}
int onInt(defrCallbackType_e type, int value, void*) {
  calls.push_back(std::to_string(type) + ":" + std::to_string(value));
  return 0;
}
int onVoid(defrCallbackType_e type, void*, void*) {
  calls.push_back(std::to_string(type));
  return 0;
}
int onSite(defrCallbackType_e type, defiSite* s, void*) {
  char buf[160];
  snprintf(buf, sizeof buf, "%d:%s %g %g %s %g %g %g %g", type, s->name(), s->x_orig(),
           s->y_orig(), s->orientStr(), s->x_num(), s->y_num(), s->x_step(), s->y_step());
  calls.push_back(buf);
  return 0;
}
int onBox(defrCallbackType_e type, defiBox* box, void*) {
  defiPointList pts = box->getPoint();
  std::string text = std::to_string(type) + ":";
  for (int i = 0; i < pts.numPoints; i++)
    text += " (" + std::to_string(pts.x[i]) + " " + std::to_string(pts.y[i]) + ")";
  calls.push_back(text);
  return 0;
}
int onPinCap(defrCallbackType_e type, defiPinCap* cap, void*) {
  char buf[64];
  snprintf(buf, sizeof buf, "%d:%d %g", type, cap->pin(), cap->cap());
  calls.push_back(buf);
  return 0;
}

class DefHeader : public ::testing::Test {
protected:
  void SetUp() override {
    defrtest::freshReader();
    calls.clear();
    defrSetDesignCbk(onText);
    defrSetTechnologyCbk(onText);
    defrSetArrayNameCbk(onText);
    defrSetFloorPlanNameCbk(onText);
    defrSetHistoryCbk(onText);
    defrSetDividerCbk(onText);
    defrSetBusBitCbk(onText);
    defrSetVersionCbk(onNumber);
    defrSetUnitsCbk(onNumber);
    defrSetCaseSensitiveCbk(onInt);
    defrSetDefaultCapCbk(onInt);
    defrSetPinCapCbk(onPinCap);
    defrSetCanplaceCbk(onSite);
    defrSetCannotOccupyCbk(onSite);
    defrSetDieAreaCbk(onBox);
    defrSetDesignEndCbk(onVoid);
  }
};

TEST_F(DefHeader, EveryHeaderStatementReachesItsCallback) {
  int result = readText(
      "VERSION 5.8 ;\n"
      "DIVIDERCHAR \"/\" ;\n"
      "BUSBITCHARS \"[]\" ;\n"
      "DESIGN ROWS ;\n"
      "TECHNOLOGY 45nm ;\n"
      "ARRAY arr1 ;\n"
      "FLOORPLAN fp ;\n"
      "HISTORY made by hand; twice ;\n"
      "UNITS DISTANCE MICRONS 1000 ;\n"
      "CANPLACE core 10 20 FS DO 4 BY 1 STEP 380 0 ;\n"
      "CANNOTOCCUPY io 0 0 N DO 1 BY 2 STEP 0 100 ;\n"
      "DIEAREA ( 0 0 ) ( 100.5 * ) ( * -200.5 ) ;\n"
      "END DESIGN\n");
  EXPECT_EQ(result, 0);
  std::vector<std::string> expected = {
      "22:5.8",
      "9:/",
      "10:[]",
      "1:ROWS",  // the design name spells a keyword
      "2:45nm",
      "7:arr1",
      "6:fp",
      "33: made by hand; twice ",
      "8:1000",
      "35:core 10 20 FS 4 1 380 0",
      "36:io 0 0 N 1 2 0 100",
      "34: (0 0) (101 0) (101 -201)",  // halves round away from zero
      "103",
  };
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(messages().errors, "");
  EXPECT_EQ(messages().warnings, "");
}

TEST_F(DefHeader, VersionAboveFiveEightStopsTheRead) {
  EXPECT_EQ(readText("VERSION 5.9 ;\nDESIGN d ;\nEND DESIGN\n"), 1);
  EXPECT_EQ(messages().errors,
            "ERROR (DEFPARS-6503): The execution has been stopped because the DEF parser 5.8 "
            "does not support DEF file with version 5.9.\nUpdate your DEF file to version 5.8 "
            "or earlier. Error in file t.def at line 1, on token ;.\nUpdate the def file "
            "before parsing the file again.\n");
  EXPECT_TRUE(calls.empty());
}

TEST_F(DefHeader, VersionTextCallbackTakesPrecedence) {
  defrSetVersionStrCbk(onText);
  EXPECT_EQ(readText("VERSION 5.7.1 ;\nDESIGN d ;\nEND DESIGN\n"), 0);
  std::vector<std::string> expected = {"23:5.7.1", "1:d", "103"};
  EXPECT_EQ(calls, expected);
}

TEST_F(DefHeader, MissingVersionAndDesignWarnAtTheEnd) {
  EXPECT_EQ(readText("END DESIGN\n"), 0);
  EXPECT_EQ(messages().warnings,
            "WARNING (DEFPARS-7012): No VERSION statement found, using the default value 5.7. "
            "See file t.def at line 1.\n"
            "WARNING (DEFPARS-7016): DESIGN is a mandatory statement in the DEF file. Ensure "
            "that it exists in the file. See file t.def at line 1.\n");
}

TEST_F(DefHeader, OldVersionNeedsCaseBusBitAndDivider) {
  EXPECT_EQ(readText("VERSION 5.5 ;\nDESIGN d ;\nEND DESIGN\n"), 0);
  const std::string& w = messages().warnings;
  EXPECT_NE(w.find("WARNING (DEFPARS-7013): The DEF file is invalid if NAMESCASESENSITIVE is "
                   "undefined.\n"),
            std::string::npos);
  EXPECT_NE(w.find("WARNING (DEFPARS-7014): "), std::string::npos);
  EXPECT_NE(w.find("WARNING (DEFPARS-7015): "), std::string::npos);
  EXPECT_EQ(w.find("7012"), std::string::npos);
  EXPECT_EQ(w.find("7016"), std::string::npos);
}

TEST_F(DefHeader, NamesCaseSensitiveByFileVersion) {
  // Before 5.6 the statement rules and reaches its callback; OFF folds later names.
  EXPECT_EQ(readText("VERSION 5.5 ;\nNAMESCASESENSITIVE OFF ;\nBUSBITCHARS \"[]\" ;\n"
                     "DIVIDERCHAR \"/\" ;\nDESIGN top ;\nEND DESIGN\n"),
            0);
  std::vector<std::string> expected = {"22:5.5", "94:0", "10:[]", "9:/", "1:TOP", "103"};
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(messages().warnings, "");
}

TEST_F(DefHeader, NamesCaseSensitiveIsObsoleteFromFiveSix) {
  EXPECT_EQ(readText("NAMESCASESENSITIVE ON ;\nDESIGN top ;\nEND DESIGN\n"), 0);
  EXPECT_EQ(messages().warnings,
            "WARNING (DEFPARS-7011): The NAMESCASESENSITIVE statement is obsolete in version "
            "5.6 and later.\nThe DEF parser will ignore this statement. See file t.def at line "
            "1.\nWARNING (DEFPARS-7012): No VERSION statement found, using the default value "
            "5.7. See file t.def at line 3.\n");
  EXPECT_EQ(calls.front(), "1:top");
}

TEST_F(DefHeader, NamesCaseSensitiveOffIsAnErrorFromFiveSeven) {
  EXPECT_EQ(readText("VERSION 5.8 ;\nNAMESCASESENSITIVE OFF ;\nDESIGN top ;\nEND DESIGN\n"), 1);
  EXPECT_EQ(messages().errors,
            "ERROR (DEFPARS-6504): Def parser version 5.7 and later does not support "
            "NAMESCASESENSITIVE OFF.\nEither remove this optional construct or set it to ON. "
            "Error in file t.def at line 2, on token ;.\nUpdate the def file before parsing the "
            "file again.\n");
  std::vector<std::string> expected = {"22:5.8"};  // no callback once an error is counted
  EXPECT_EQ(calls, expected);
}

TEST_F(DefHeader, DefaultCapBeforeFiveFour) {
  EXPECT_EQ(readText("VERSION 5.3 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\n"
                     "DIVIDERCHAR \"/\" ;\nDESIGN d ;\n"
                     "DEFAULTCAP 2.5\n  MINPINS 1 WIRECAP 0.25 ;\n  MINPINS 4.5 WIRECAP 1 ;\n"
                     "END DEFAULTCAP\nEND DESIGN\n"),
            0);
  std::vector<std::string> expected = {"22:5.3", "94:1", "10:[]", "9:/", "1:d",
                                       "38:3",   "37:1 0.25", "37:5 1", "103"};
  EXPECT_EQ(calls, expected);
}

TEST_F(DefHeader, DefaultCapIsObsoleteFromFiveFour) {
  EXPECT_EQ(readText("VERSION 5.8 ;\nDEFAULTCAP 2\n  MINPINS 1 WIRECAP 0.25 ;\n"
                     "END DEFAULTCAP\nDESIGN d ;\nEND DESIGN\n"),
            0);
  EXPECT_EQ(messages().warnings,
            "WARNING (DEFPARS-7017): The DEFAULTCAP statement is obsolete in version 5.4 and "
            "later.\nThe DEF parser will ignore this statement. See file t.def at line 2.\n");
  std::vector<std::string> expected = {"22:5.8", "1:d", "103"};
  EXPECT_EQ(calls, expected);
}

struct UnitsCase {
  const char* version;
  const char* value;
  bool called;
  const char* error;
};

TEST_F(DefHeader, UnitsValuesByVersion) {
  const UnitsCase cases[] = {
      {"5.5", "400", false,
       "ERROR (DEFPARS-6501): An error has been found while processing the DEF file 't.def'\n"
       "Unit 400 is a 5.6 or later syntax. Define the DEF file as 5.6 and then try again. "
       "Error in file t.def at line 2, on token ;.\nUpdate the def file before parsing the "
       "file again.\n"},
      {"5.6", "400", true, ""},
      {"5.5", "2000", true, ""},
      {"5.8", "300", false,
       "ERROR (DEFPARS-6502): The value 300 defined for DEF UNITS DISTANCE MICRON is invalid\n"
       ". The valid values are 100, 200, 400, 800, 1000, 2000, 4000, 8000, 10000, or 20000. "
       "Specify a valid value and then try again. Error in file t.def at line 2, on token ;."
       "\nUpdate the def file before parsing the file again.\n"},
  };
  for (const UnitsCase& c : cases) {
    SetUp();
    std::string text = std::string("VERSION ") + c.version + " ;\nUNITS DISTANCE MICRONS " +
                       c.value + " ;\nEND DESIGN\n";
    EXPECT_EQ(readText(text), c.called ? 0 : 1) << c.version << " " << c.value;
    bool called = false;
    for (const std::string& call : calls) called |= call == std::string("8:") + c.value;
    EXPECT_EQ(called, c.called) << c.version << " " << c.value;
    EXPECT_EQ(messages().errors, c.error) << c.version << " " << c.value;
  }
}

TEST_F(DefHeader, UnitsAreNotCheckedWithoutTheirCallback) {
  defrUnsetUnitsCbk();
  EXPECT_EQ(readText("VERSION 5.8 ;\nUNITS DISTANCE MICRONS 300 ;\nDESIGN d ;\nEND DESIGN\n"), 0);
  EXPECT_EQ(messages().errors, "");
}

}  // namespace
