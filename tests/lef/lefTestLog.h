// Test fixture for the LEF data classes: fresh reader settings and per-read
// state for each test, with every error text captured through the log
// function instead of standard error.
#ifndef VELMOR_TESTS_LEF_LEFTESTLOG_H
#define VELMOR_TESTS_LEF_LEFTESTLOG_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "lef/lefrData.h"
#include "lef/lefrSettings.h"

namespace lefTest {

inline std::vector<std::string>& loggedTexts() {
  static std::vector<std::string> texts;
  return texts;
}

inline void logText(const char* text) { loggedTexts().push_back(text); }

// Sizes of the blocks taken through lefMalloc while the recording hooks are
// set: growth steps of the data classes show up here.
inline std::vector<int>& allocSizes() {
  static std::vector<int> sizes;
  return sizes;
}

inline void* recordingMalloc(int size) {
  allocSizes().push_back(size);
  return malloc(size);
}

inline int& freeCount() {
  static int frees = 0;
  return frees;
}

inline void recordingFree(void* p) {
  if (p) freeCount()++;
  free(p);
}

// Blocks taken and not given back since recordAllocs.
inline int liveBlocks() { return static_cast<int>(allocSizes().size()) - freeCount(); }

// An accessor called with an index out of range: it answers the zero value
// and logs exactly one text.
struct IndexCase {
  const char* call;
  std::function<bool()> returnsZero;
  const char* text;
};

inline void expectIndexErrors(const std::vector<IndexCase>& cases) {
  for (const IndexCase& c : cases) {
    loggedTexts().clear();
    EXPECT_TRUE(c.returnsZero()) << c.call;
    ASSERT_EQ(loggedTexts().size(), 1u) << c.call;
    EXPECT_EQ(loggedTexts()[0], c.text) << c.call;
  }
}

class LefLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LefDefParser::lefrSettings::reset();
    LefDefParser::lefrData::reset();
    LefDefParser::lefSettings->ErrorLogFunction = logText;
    loggedTexts().clear();
  }
  void TearDown() override {
    // Objects of a test are gone by now, so their frees have used the
    // settings' hooks as set during the test.
    delete LefDefParser::lefData;
    LefDefParser::lefData = nullptr;
    delete LefDefParser::lefSettings;
    LefDefParser::lefSettings = nullptr;
    loggedTexts().clear();
  }
  // Turns folding on: names not case sensitive and shift-case set.
  static void foldNames() {
    LefDefParser::lefData->namesCaseSensitive = 0;
    LefDefParser::lefSettings->ShiftCase = 1;
  }
  static const std::vector<std::string>& logged() { return loggedTexts(); }
  static void recordAllocs() {
    allocSizes().clear();
    freeCount() = 0;
    LefDefParser::lefSettings->MallocFunction = recordingMalloc;
    LefDefParser::lefSettings->FreeFunction = recordingFree;
  }
};

}  // namespace lefTest

#endif
