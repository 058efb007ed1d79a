// The reader interface: set-up order, sessions, callback results and the callback table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "def/defrData.h"
#include "defrTestRead.h"

using namespace LefDefParser;
using defrtest::messages;
using defrtest::readText;

namespace {

const char* const kSmallDesign =
    "VERSION 5.8 ;\nDESIGN top ;\nUNITS DISTANCE MICRONS 1000 ;\nEND DESIGN\n";

int designCalls = 0;
int countDesign(defrCallbackType_e, const char*, void*) {
  designCalls++;
  return 0;
}

int returnValue = 0;
int unitsReturning(defrCallbackType_e, double, void*) { return returnValue; }

class DefReader : public ::testing::Test {
protected:
  void SetUp() override {
    defrtest::freshReader();
    designCalls = 0;
  }
};

TEST_F(DefReader, CallbacksRegisteredBeforeInitAreKept) {
  defrClear();
  defrSetDesignCbk(countDesign);
  defrSetLogFunction(defrtest::logError);
  defrSetWarningLogFunction(defrtest::logWarning);
  EXPECT_EQ(defrInit(), 0);
  EXPECT_EQ(readText(kSmallDesign), 0);
  EXPECT_EQ(designCalls, 1);
}

TEST_F(DefReader, SessionModeRefusesEarlierConfiguration) {
  defrClear();
  defrSetUnitsCbk(unitsReturning);
  testing::internal::CaptureStderr();
  EXPECT_EQ(defrInitSession(1), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: Attempt to call configuration function 'defrSetUnitsCbk' in DEF parser "
            "before defrInit() call in session-based mode.\n");
  EXPECT_NE(defContext.callbacks->UnitsCbk, nullptr);  // nothing changed

  defrClear();
  EXPECT_EQ(defrInitSession(1), 0);
  EXPECT_EQ(defContext.callbacks->UnitsCbk, nullptr);
}

TEST_F(DefReader, SessionModeStartsFromDefaults) {
  defrInit();
  defrSetDesignCbk(countDesign);
  defrSetAddPathToNet();
  EXPECT_EQ(defrInitSession(1), 0);
  EXPECT_EQ(defContext.callbacks->DesignCbk, nullptr);
  EXPECT_EQ(defContext.settings->AddPathToNet, 0);
}

TEST_F(DefReader, LineNumberBeforeAndAfterARead) {
  defrClear();
  EXPECT_EQ(defrLineNumber(), 0);
  EXPECT_EQ(defrLongLineNumber(), 0);
  defrtest::freshReader();
  EXPECT_EQ(readText(kSmallDesign), 0);
  EXPECT_EQ(defrLineNumber(), 5);  // the end of input comes after the fourth newline
  defrSetNLines(7);
  EXPECT_EQ(defrLongLineNumber(), 7);
}

struct ResultCase {
  int returned;
  int result;
  const char* errors;
};

TEST_F(DefReader, CallbackResultEndsTheRead) {
  const ResultCase cases[] = {
      {0, 0, ""},
      {1, 1, ""},
      {7, 7,
       "ERROR (DEFPARS-6010): An error has been reported in callback. Error in file t.def at "
       "line 3, on token ;.\nUpdate the def file before parsing the file again.\n"},
  };
  for (const ResultCase& c : cases) {
    SetUp();
    returnValue = c.returned;
    defrSetUnitsCbk(unitsReturning);
    defrSetDesignCbk(countDesign);
    EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN top ;\nUNITS DISTANCE MICRONS 1000 ;\n"
                       "DESIGN again ;\nEND DESIGN\n"),
              c.result);
    EXPECT_EQ(messages().errors, c.errors) << c.returned;
    EXPECT_EQ(designCalls, c.returned ? 1 : 2) << c.returned;
  }
}

TEST_F(DefReader, ReadWithoutSetUpOrStreamIsRefused) {
  defrClear();
  FILE* f = fopen("/dev/null", "r");
  EXPECT_NE(defrRead(f, "x.def", nullptr, 1), 0);
  defrInit();
  EXPECT_NE(defrRead(nullptr, "x.def", nullptr, 1), 0);
  fclose(f);
}

int userDataSeen = 0;
int checkUserData(defrCallbackType_e, const char*, void* user) {
  userDataSeen = *static_cast<int*>(user);
  return 0;
}

TEST_F(DefReader, UserDataReachesTheCallbacks) {
  int marker = 42;
  defrSetDesignCbk(checkUserData);
  EXPECT_EQ(readText(kSmallDesign, "t.def", &marker), 0);
  EXPECT_EQ(userDataSeen, 42);
  EXPECT_EQ(defrGetUserData(), &marker);
}

TEST_F(DefReader, FileNameIsKeptAsACopy) {
  std::string name = "copied.def";
  EXPECT_EQ(readText("VERSION 5.8 ;\nEND DESIGN\n", name.c_str()), 0);
  name.assign(name.size(), 'x');
  EXPECT_EQ(defContext.session->FileName, "copied.def");
}

// A callback that tears down the reader must not pull the state from under the read.
int clearingCallback(defrCallbackType_e, const char*, void*) {
  EXPECT_NE(defrClear(), 0);
  EXPECT_NE(defrClearSession(), 0);
  EXPECT_NE(defrInitSession(1), 0);
  FILE* f = fopen("/dev/null", "r");
  EXPECT_NE(defrRead(f, "nested.def", nullptr, 1), 0);
  fclose(f);
  defrUnsetCallbacks();
  return 0;
}

TEST_F(DefReader, TearDownDuringAReadIsRefused) {
  defrSetDesignCbk(clearingCallback);
  defrSetUnitsCbk(unitsReturning);
  returnValue = 9;
  // The units callback was unregistered by the design callback, so 9 is never returned.
  EXPECT_EQ(readText(kSmallDesign), 0);
  EXPECT_EQ(defContext.session->FileName, "t.def");
  EXPECT_EQ(messages().errors, "");
}

TEST_F(DefReader, ClearSessionDropsTheReadState) {
  EXPECT_EQ(readText(kSmallDesign), 0);
  ASSERT_NE(defContext.data, nullptr);
  EXPECT_EQ(defrClearSession(), 0);
  EXPECT_EQ(defContext.data, nullptr);
  EXPECT_EQ(defrLineNumber(), 0);
}

TEST_F(DefReader, ParserTraceGoesToStandardError) {
  defyydebug = 1;
  testing::internal::CaptureStderr();
  EXPECT_EQ(readText(kSmallDesign), 0);
  std::string trace = testing::internal::GetCapturedStderr();
  defyydebug = 0;
  EXPECT_EQ(trace.rfind("Starting parse\n", 0), 0u);
  EXPECT_NE(trace.find("Now at end of input.\n"), std::string::npos);
}

TEST(DefCallbackNames, DisplayNames) {
  EXPECT_STREQ(typeToString(defrDesignStartCbkType), "Design Start");
  EXPECT_STREQ(typeToString(defrVersionCbkType), "Version");
  EXPECT_STREQ(typeToString(defrVersionStrCbkType), "Version");
  EXPECT_STREQ(typeToString(defrComponentExtCbkType), "Component User Extention");
  EXPECT_STREQ(typeToString(defrDesignEndCbkType), "DesignEnd");
  EXPECT_STREQ(typeToString(static_cast<defrCallbackType_e>(53)), "BOGUS");
  EXPECT_STREQ(typeToString(static_cast<defrCallbackType_e>(54)), "BOGUS");
  EXPECT_STREQ(typeToString(static_cast<defrCallbackType_e>(200)), "BOGUS");
}

int catchAll(defrCallbackType_e, void*, void*) { return 0; }

std::string printedUnused() {
  char* text = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&text, &size);
  defrPrintUnusedCallbacks(out);
  fclose(out);
  std::string result(text, size);
  free(text);
  return result;
}
int versionText(defrCallbackType_e, const char*, void*) { return 0; }

TEST_F(DefReader, UnusedCallbacksFillOnlyEmptySlots) {
  defrSetVersionStrCbk(versionText);
  defrSetDesignCbk(countDesign);
  defrSetUnusedCallbacks(catchAll);
  const defrCallbacks& cb = *defContext.callbacks;
  EXPECT_EQ(cb.VersionCbk, nullptr);
  EXPECT_EQ(cb.VersionStrCbk, versionText);
  EXPECT_EQ(cb.DesignCbk, countDesign);
  EXPECT_EQ(cb.NetNameCbk, nullptr);
  EXPECT_EQ(cb.NetSubnetNameCbk, nullptr);
  EXPECT_EQ(cb.NetNonDefaultRuleCbk, nullptr);
  EXPECT_EQ(cb.NetPartialPathCbk, nullptr);
  EXPECT_EQ(cb.SNetPartialPathCbk, nullptr);
  EXPECT_EQ(cb.SNetWireCbk, nullptr);
  EXPECT_NE(cb.TechnologyCbk, nullptr);
  EXPECT_NE(cb.NetCbk, nullptr);
  EXPECT_NE(cb.StylesCbk, nullptr);
}

TEST_F(DefReader, BothVersionSlotsFilledWhenBothEmpty) {
  defrSetUnusedCallbacks(catchAll);
  EXPECT_NE(defContext.callbacks->VersionCbk, nullptr);
  EXPECT_NE(defContext.callbacks->VersionStrCbk, nullptr);
}

std::vector<std::string> reached;
int catchA(defrCallbackType_e type, void*, void*) {
  reached.push_back("A " + std::to_string(type));
  return 0;
}
int catchB(defrCallbackType_e type, void*, void*) {
  reached.push_back("B " + std::to_string(type));
  return 0;
}
int unitsSeen(defrCallbackType_e type, double, void*) {
  reached.push_back("units " + std::to_string(type));
  return 0;
}
int versionSeen(defrCallbackType_e type, double, void*) {
  reached.push_back("version " + std::to_string(type));
  return 0;
}

// A filled slot is no longer empty: a later catch-all, the counting one included, leaves
// it to the function stored first.
TEST_F(DefReader, TheFirstCatchAllKeepsTheSlotsItFilled) {
  struct Case {
    const char* name;
    std::vector<void (*)()> steps;
    std::vector<std::string> reached;  // calls in order, then the counts by code
  } cases[] = {
      {"A then B",
       {[] { defrSetUnusedCallbacks(catchA); }, [] { defrSetUnusedCallbacks(catchB); }},
       {"A 23", "A 1", "A 8", "A 103"}},
      {"A then the counter",
       {[] { defrSetUnusedCallbacks(catchA); }, [] { defrSetRegisterUnusedCallbacks(); }},
       {"A 23", "A 1", "A 8", "A 103"}},
      {"the counter then A",
       {[] { defrSetRegisterUnusedCallbacks(); }, [] { defrSetUnusedCallbacks(catchA); }},
       {"count 1=1", "count 8=1", "count 23=1", "count 103=1"}},
      {"units registered, then A then B",
       {[] { defrSetUnitsCbk(unitsSeen); }, [] { defrSetUnusedCallbacks(catchA); },
        [] { defrSetUnusedCallbacks(catchB); }},
       {"A 23", "A 1", "units 8", "A 103"}},
      {"version registered, then the counter then B",
       {[] { defrSetVersionCbk(versionSeen); }, [] { defrSetRegisterUnusedCallbacks(); },
        [] { defrSetUnusedCallbacks(catchB); }},
       {"version 22", "count 1=1", "count 8=1", "count 103=1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    defrtest::freshReader();
    reached.clear();
    for (void (*step)() : c.steps) step();
    EXPECT_EQ(readText(kSmallDesign), 0);
    for (int code = 0; code < 150; code++) {
      if (int n = defUnusedCallbackCount()[code])
        reached.push_back("count " + std::to_string(code) + "=" + std::to_string(n));
    }
    EXPECT_EQ(reached, c.reached);
  }
}

TEST_F(DefReader, UnusedCallbacksAreCountedAndPrinted) {
  defrSetRegisterUnusedCallbacks();
  EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN a ;\nTECHNOLOGY t ;\nDIEAREA ( 0 0 ) ( 1 1 ) ;\n"
                     "DIEAREA ( 0 0 ) ( 2 2 ) ;\nEND DESIGN\n"),
            0);
  // VersionStr, not Version: with both slots given the catch-all, the text form is called.
  EXPECT_EQ(printedUnused(),
               "WARNING (DEFPARS-5001): DEF statement found in the def file with no callback "
               "set.\n"
               "    1 Design Start\n"
               "    1 Tech Name\n"
               "    1 Version\n"
               "    2 DieArea\n"
               "    1 DesignEnd\n");
  EXPECT_EQ(defUnusedCallbackCount()[defrDieAreaCbkType], 2);
}

TEST_F(DefReader, InitClearsTheUnusedCounts) {
  defrSetRegisterUnusedCallbacks();
  EXPECT_EQ(readText(kSmallDesign), 0);
  EXPECT_EQ(defUnusedCallbackCount()[defrDesignStartCbkType], 1);
  defrInit();
  EXPECT_EQ(defUnusedCallbackCount()[defrDesignStartCbkType], 0);
  EXPECT_EQ(printedUnused(), "");
}

TEST_F(DefReader, CatchAllAndCountUnusedCodes) {
  EXPECT_EQ(defrCountUnused(defrDesignStartCbkType, nullptr, nullptr), 0);
  EXPECT_EQ(defrCountUnused(defrUnspecifiedCbkType, nullptr, nullptr), 1);
  EXPECT_EQ(defrCountUnused(static_cast<defrCallbackType_e>(150), nullptr, nullptr), 1);
  EXPECT_EQ(defrCatchAll(defrUnspecifiedCbkType, nullptr, nullptr), 0);
  EXPECT_EQ(defrCatchAll(static_cast<defrCallbackType_e>(150), nullptr, nullptr), 1);
  int* counts = defUnusedCallbackCount();
  EXPECT_EQ(counts[defrDesignStartCbkType], 1);
  EXPECT_EQ(counts[0], 2);  // one from the valid code 0, one for the code out of range
}

}  // namespace
