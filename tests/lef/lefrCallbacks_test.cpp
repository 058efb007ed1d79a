// Callback registration, the unused-callback count and report, sessions.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "lefrReadFixture.h"

namespace lefTest {
namespace {

using namespace LefDefParser;
using Lines = std::vector<std::string>;

const char* const kUnitsFile =
    "VERSION 5.6 ;\nUNITS\nDATABASE MICRONS 100 ;\nEND UNITS\nMANUFACTURINGGRID 0.5 ;\n"
    "END LIBRARY\n";

std::string printUnused() {
  char* buf = nullptr;
  size_t len = 0;
  FILE* f = open_memstream(&buf, &len);
  lefrPrintUnusedCallbacks(f);
  fclose(f);
  std::string out(buf, len);
  free(buf);
  return out;
}

int onUnits(lefrCallbackType_e, lefiUnits*, void*) {
  journal("Units");
  return 0;
}

TEST_F(LefReadTest, UnusedStatementsAreCountedAndReported) {
  lefrSetRegisterUnusedCallbacks();
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_EQ(printUnused(),
            "WARNING (LEFPARS-201): LEF items that were present but ignored because of no "
            "callback:\nVersion 1\nUnits 1\nManufacturing 1\nLibraryEnd 1\n");
}

TEST_F(LefReadTest, RegisteredCallbacksAreNotCounted) {
  lefrSetUnitsCbk(onUnits);
  lefrSetRegisterUnusedCallbacks();
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_EQ(calls(), Lines{"Units"});
  EXPECT_EQ(printUnused(),
            "WARNING (LEFPARS-201): LEF items that were present but ignored because of no "
            "callback:\nVersion 1\nManufacturing 1\nLibraryEnd 1\n");
}

TEST_F(LefReadTest, UnusedReportWithoutRegistrationSaysSo) {
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_EQ(printUnused(), "ERROR (LEFPARS-101): lefrSetRegisterUnusedCallbacks was not called "
                           "to setup this data.\n");
}

TEST_F(LefReadTest, UnusedReportLabelsEveryCode) {
  lefrSetRegisterUnusedCallbacks();
  EXPECT_EQ(printUnused(), "");
  // Macro details print nothing; codes without a slot are bogus.
  for (int code : {1, 2, 2, 47, 48, 49, 50, 51, 56, 57, 70})
    EXPECT_EQ(lefrCountFunc(static_cast<lefrCallbackType_e>(code), nullptr, nullptr), 0);
  EXPECT_EQ(printUnused(),
            "WARNING (LEFPARS-201): LEF items that were present but ignored because of no "
            "callback:\nVersion 1\nVersion 2\nBOGUS ENTRY 1\n");
}

TEST_F(LefReadTest, CountFunctionRejectsCodesOutsideItsTable) {
  lefrSetRegisterUnusedCallbacks();
  EXPECT_EQ(lefrCountFunc(static_cast<lefrCallbackType_e>(100), nullptr, nullptr), 1);
  EXPECT_EQ(lefrCountFunc(static_cast<lefrCallbackType_e>(-1), nullptr, nullptr), 1);
  EXPECT_EQ(lefrCountFunc(static_cast<lefrCallbackType_e>(99), nullptr, nullptr), 0);
  EXPECT_EQ(lefrUnusedCount[99], 1);
}

int onUnused(lefrCallbackType_e type, void* data, void*) {
  journal(std::to_string(type) + (data ? " data" : " null"));
  return 0;
}

TEST_F(LefReadTest, UnusedFunctionGetsPointersAndNullForValues) {
  lefrSetUnusedCallbacks(onUnused);
  EXPECT_EQ(read(kUnitsFile), 0);
  // The version text (2) and the units (5) are pointers; the grid (43) is a
  // number and the library end (58) passes null.
  EXPECT_EQ(calls(), (Lines{"2 data", "5 data", "43 null", "58 null"}));
}

int unusedA(lefrCallbackType_e type, void*, void*) {
  journal("A " + std::to_string(type));
  return 0;
}

int unusedB(lefrCallbackType_e type, void*, void*) {
  journal("B " + std::to_string(type));
  return 0;
}

const char* const kCountedReport =
    "WARNING (LEFPARS-201): LEF items that were present but ignored because of no "
    "callback:\nVersion 1\nUnits 1\nManufacturing 1\nLibraryEnd 1\n";
const char* const kNoRegistration =
    "ERROR (LEFPARS-101): lefrSetRegisterUnusedCallbacks was not called to setup this data.\n";

// Which function each statement of kUnitsFile reaches (version text 2, units
// 5, grid 43, library end 58) after a sequence of registrations.
struct UnusedCase {
  const char* sequence;
  void (*set)();
  Lines reached;
  const char* report;
};

void PrintTo(const UnusedCase& c, std::ostream* os) { *os << c.sequence; }

class UnusedSequences : public LefReadTest, public ::testing::WithParamInterface<UnusedCase> {};

TEST_P(UnusedSequences, EmptySlotsAreFilledOnce) {
  GetParam().set();
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_EQ(calls(), GetParam().reached);
  EXPECT_EQ(printUnused(), GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, UnusedSequences,
    ::testing::Values(
        UnusedCase{"A, B",
                   [] {
                     lefrSetUnusedCallbacks(unusedA);
                     lefrSetUnusedCallbacks(unusedB);
                   },
                   {"A 2", "A 5", "A 43", "A 58"},
                   kNoRegistration},
        UnusedCase{"Units, A, B",
                   [] {
                     lefrSetUnitsCbk(onUnits);
                     lefrSetUnusedCallbacks(unusedA);
                     lefrSetUnusedCallbacks(unusedB);
                   },
                   {"A 2", "Units", "A 43", "A 58"},
                   kNoRegistration},
        // The unset slot is the only empty one left for B.
        UnusedCase{"A, unset Units, B",
                   [] {
                     lefrSetUnusedCallbacks(unusedA);
                     lefrUnsetUnitsCbk();
                     lefrSetUnusedCallbacks(unusedB);
                   },
                   {"A 2", "B 5", "A 43", "A 58"},
                   kNoRegistration},
        // No function stores nothing, so the slots stay empty for A.
        UnusedCase{"null, A",
                   [] {
                     lefrSetUnusedCallbacks(nullptr);
                     lefrSetUnusedCallbacks(unusedA);
                   },
                   {"A 2", "A 5", "A 43", "A 58"},
                   kNoRegistration},
        // Registration finds no empty slot: nothing is counted.
        UnusedCase{"A, register unused",
                   [] {
                     lefrSetUnusedCallbacks(unusedA);
                     lefrSetRegisterUnusedCallbacks();
                   },
                   {"A 2", "A 5", "A 43", "A 58"},
                   ""},
        // Counting took every empty slot first.
        UnusedCase{"register unused, A",
                   [] {
                     lefrSetRegisterUnusedCallbacks();
                     lefrSetUnusedCallbacks(unusedA);
                   },
                   {},
                   kCountedReport}));

TEST_F(LefReadTest, UnusedFunctionResultStopsTheRead) {
  lefrSetUnusedCallbacks([](lefrCallbackType_e, void*, void*) { return 3; });
  EXPECT_EQ(read(kUnitsFile), 3);
}

TEST_F(LefReadTest, UnsetCallbacksEmptiesTheTable) {
  lefrSetUnitsCbk(onUnits);
  lefrUnsetCallbacks();
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_TRUE(calls().empty());
  lefrSetUnitsCbk(onUnits);
  lefrUnsetUnitsCbk();
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_TRUE(calls().empty());
}

TEST_F(LefReadTest, CallbacksStayAcrossReads) {
  lefrClear();
  // Registered before lefrInit: the setter creates what it needs.
  lefrSetUnitsCbk(onUnits);
  lefrSetLogFunction(logError);
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_EQ(read(kUnitsFile), 0);
  EXPECT_EQ(calls(), (Lines{"Units", "Units"}));
}

TEST_F(LefReadTest, SessionCannotStartAfterAConfigurationCall) {
  lefrClear();
  lefrSetLayerCbk(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(lefrInitSession(1), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: Attempt to call configuration function 'lefrSetLayerCbk' in LEF parser "
            "before lefrInit() call in session-based mode.\n");
  EXPECT_STREQ(init_call_func, "lefrSetLayerCbk");
  EXPECT_EQ(lefrInitSession(0), 0);
}

// Each sequence runs in a re-started process, where no configuration call
// has been recorded yet.
TEST(LefFreshSession, UnsetCallbacksDoesNotBlockASession) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const struct {
    const char* calls;
    std::function<void()> before;
    int status;
    const char* message;
  } cases[] = {
      {"lefrUnsetCallbacks", [] { lefrUnsetCallbacks(); }, 0, "^$"},
      // The setter still finds no settings, so it is the one recorded.
      {"lefrUnsetCallbacks, lefrSetUnitsCbk",
       [] {
         lefrUnsetCallbacks();
         lefrSetUnitsCbk(onUnits);
       },
       1,
       "^ERROR: Attempt to call configuration function 'lefrSetUnitsCbk' in LEF parser "
       "before lefrInit\\(\\) call in session-based mode\\.\n$"},
  };
  for (const auto& c : cases)
    EXPECT_EXIT((c.before(), exit(lefrInitSession(1))), ::testing::ExitedWithCode(c.status),
                c.message)
        << c.calls;
}

struct MaskCase {
  int number;
  int valid;
};

class MaskNumbers : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskNumbers, HaveAtMostThreeDigitsFromZeroToThree) {
  EXPECT_EQ(validateMaskNumber(GetParam().number), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Numbers, MaskNumbers,
                         ::testing::Values(MaskCase{0, 1}, MaskCase{3, 1}, MaskCase{123, 1},
                                           MaskCase{333, 1}, MaskCase{103, 1}, MaskCase{4, 0},
                                           MaskCase{14, 0}, MaskCase{1233, 0},
                                           MaskCase{1000, 0}, MaskCase{-1, 0}));

}  // namespace
}  // namespace lefTest
