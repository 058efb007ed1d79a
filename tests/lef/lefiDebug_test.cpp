#include "lef/lefiDebug.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lef/lefrData.h"
#include "lef/lefrSettings.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::LefLogTest;

class LefiDebugTest : public LefLogTest {};

TEST_F(LefiDebugTest, CaseKeepsThePointerUnlessBothFoldingConditionsHold) {
  const char* name = "metal1";
  lefData->namesCaseSensitive = 1;
  lefSettings->ShiftCase = 1;
  EXPECT_EQ(CASE(name), name);
  lefData->namesCaseSensitive = 0;
  lefSettings->ShiftCase = 0;
  EXPECT_EQ(CASE(name), name);
  lefSettings->ShiftCase = 1;
  EXPECT_NE(CASE(name), name);
  EXPECT_STREQ(CASE(name), "METAl1");
}

TEST_F(LefiDebugTest, FoldingTable) {
  foldNames();
  struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"metal1", "METAl1"},
      {"via12_x", "VIA12_X"},
      {"Abc_9[0]", "ABC_9[0]"},
      {"", ""},
      {"a b~{|}`", "A B~{|}`"},
      {"all", "All"},
      {"ab\tcd", "AB"},        // control characters end the folded text
      {"ab\x7f" "cd", "AB"},   // so does DEL
      {"x\xc3\xa9y", "X"},     // and any byte from 128 up
  };
  for (const auto& c : cases) EXPECT_STREQ(CASE(c.in), c.out) << c.in;
}

TEST_F(LefiDebugTest, FoldBufferStartsAt64BytesAndGrowsToExactLength) {
  foldNames();
  CASE("");
  EXPECT_EQ(lefData->foldBufSize, 64);
  std::string longName(100, 'q');
  EXPECT_EQ(std::string(CASE(longName.c_str())), std::string(100, 'Q'));
  EXPECT_EQ(lefData->foldBufSize, 101);
  CASE("short");
  EXPECT_EQ(lefData->foldBufSize, 101);
}

TEST_F(LefiDebugTest, SecondFoldOverwritesTheFirst) {
  foldNames();
  const char* first = CASE("abc");
  const char* second = CASE("xy");
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, "XY");
}

TEST(LefiDebugNoState, CaseAndDebugWithoutReaderState) {
  ASSERT_EQ(lefData, nullptr);
  const char* name = "metal1";
  EXPECT_EQ(CASE(name), name);
  EXPECT_EQ(lefUpperCase(name), name);
  lefiSetDebug(3, 1);
  EXPECT_EQ(lefiDebug(3), 0);
}

TEST(LefiDebugNoState, ErrorWithoutReaderStateGoesToStderr) {
  ASSERT_EQ(lefSettings, nullptr);
  testing::internal::CaptureStderr();
  lefiError(0, 1360, "first");
  lefiError(0, 99999, "second");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "firstsecond");
}

TEST_F(LefiDebugTest, DebugFlagsKeepTheLowByteAsSigned) {
  EXPECT_EQ(lefiDebug(23), 0);
  lefiSetDebug(23, 1);
  EXPECT_EQ(lefiDebug(23), 1);
  lefiSetDebug(0, 300);  // 300 = 256 + 44
  EXPECT_EQ(lefiDebug(0), 44);
  lefiSetDebug(99, 200);  // 200 as a signed byte
  EXPECT_EQ(lefiDebug(99), -56);
  lefiSetDebug(100, 5);
  lefiSetDebug(-1, 5);
  EXPECT_EQ(lefiDebug(100), 0);
  EXPECT_EQ(lefiDebug(-1), 0);
}

TEST_F(LefiDebugTest, ErrorsGoToTheLogFunctionUnchanged) {
  testing::internal::CaptureStderr();
  lefiError(0, 1360, "a\n");
  lefiError(1, 1500, "b");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  ASSERT_EQ(logged().size(), 2u);
  EXPECT_EQ(logged()[0], "a\n");
  EXPECT_EQ(logged()[1], "b");
  EXPECT_EQ(lefData->errorCount, 1);  // the already-counted one is not counted again
}

TEST_F(LefiDebugTest, WithoutLogFunctionTextsRunTogetherOnStderr) {
  lefSettings->ErrorLogFunction = nullptr;
  testing::internal::CaptureStderr();
  lefiError(0, 1360, "one");
  lefiError(0, 1361, "two");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "onetwo");
}

TEST_F(LefiDebugTest, TotalLimitDropsLaterCountedErrors) {
  lefSettings->TotalMsgLimit = 2;
  lefiError(0, 1360, "e1");
  lefiError(0, 1361, "e2");
  lefiError(0, 1362, "e3");
  lefiError(1, 1000, "counted elsewhere");
  ASSERT_EQ(logged().size(), 3u);
  EXPECT_EQ(logged()[0], "e1");
  EXPECT_EQ(logged()[1], "e2");
  EXPECT_EQ(logged()[2], "counted elsewhere");
  EXPECT_EQ(lefData->errorCount, 2);
}

TEST_F(LefiDebugTest, PerNumberLimitDropsOnlyThatNumber) {
  lefSettings->MsgLimit[1360] = 1;
  lefiError(0, 1360, "a");
  lefiError(0, 1360, "b");
  lefiError(0, 1361, "c");
  lefiError(0, 1361, "d");
  ASSERT_EQ(logged().size(), 3u);
  EXPECT_EQ(logged()[0], "a");
  EXPECT_EQ(logged()[1], "c");
  EXPECT_EQ(logged()[2], "d");
  EXPECT_EQ(lefData->msgCnt[1360], 1);
  EXPECT_EQ(lefData->msgCnt[1361], 0);  // no limit: not counted per number
  EXPECT_EQ(lefData->errorCount, 3);
}

TEST_F(LefiDebugTest, NumbersBeyondTheLimitTableHaveNoPerNumberLimit) {
  lefiError(0, 4701, "x");
  lefiError(0, -3, "y");
  ASSERT_EQ(logged().size(), 2u);
  EXPECT_EQ(lefData->errorCount, 2);
}

}  // namespace
}  // namespace LefDefParser
