// The reader services that the data classes rely on: settings look-ups,
// the numbered error report and the memory hooks.
#include <gtest/gtest.h>

#include <string>

#include "lef/lefrData.h"
#include "lef/lefrMemory.h"
#include "lef/lefrMessages.h"
#include "lef/lefrSettings.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::LefLogTest;

class LefrServicesTest : public LefLogTest {
 protected:
  void at(const char* file, int line, const char* token, const char* prev = "") {
    lefData->fileName = file;
    lefData->lineNumber = line;
    strcpy(lefData->currentToken, token);
    strcpy(lefData->prevToken, prev);
  }
};

TEST_F(LefrServicesTest, Lef58TypesPerLayerTypeInSetOrder) {
  EXPECT_EQ(lefSettings->getLayerLef58Types("MASTERSLICE"),
            "ABOVEDIEEDGE, BELOWDIEEDGE, DIFFUSION, MEOL, NWELL, PWELL, TRIMMETAL, TRIMPOLY");
  EXPECT_EQ(lefSettings->getLayerLef58Types("CUT"), "MIMCAP, PASSIVATION, TSV");
  EXPECT_EQ(lefSettings->getLayerLef58Types("ROUTING"), "MIMCAP, POLYROUTING");
  EXPECT_EQ(lefSettings->getLayerLef58Types("OVERLAP"),
            "ABOVEDIEEDGE, BELOWDIEEDGE, DIFFUSION, NWELL, PWELL, TRIMMETAL");
  EXPECT_EQ(lefSettings->getLayerLef58Types("IMPLANT"), "");
  const char* extra[] = {"IMPLANT", ""};
  lefSettings->addLef58Type("AAA", extra);
  EXPECT_EQ(lefSettings->getLayerLef58Types("IMPLANT"), "AAA");
}

TEST(LefrSettingsToken, SplitsAtBlanksNewlinesTabsReturnsAndSemicolons) {
  std::string text = "  TYPE\tMIMCAP;\r\n NEXT ;";
  int pos = 0;
  EXPECT_EQ(lefrSettings::getToken(text, pos), "TYPE");
  EXPECT_EQ(pos, 6);
  EXPECT_EQ(lefrSettings::getToken(text, pos), "MIMCAP");
  EXPECT_EQ(pos, 13);
  EXPECT_EQ(lefrSettings::getToken(text, pos), "NEXT");
  EXPECT_EQ(lefrSettings::getToken(text, pos), "");
  EXPECT_EQ(pos, static_cast<int>(text.size()));
  EXPECT_EQ(lefrSettings::getToken(text, pos), "");
  int zero = 0;
  EXPECT_EQ(lefrSettings::getToken("", zero), "");
}

TEST_F(LefrServicesTest, FreshStateAndSettings) {
  EXPECT_EQ(lefData->lineNumber, 1);
  EXPECT_EQ(lefData->errorCount, 0);
  EXPECT_EQ(lefData->versionNum, 5.8);
  EXPECT_EQ(lefData->namesCaseSensitive, 1);
  EXPECT_EQ(lefData->foldBuf, nullptr);
  EXPECT_EQ(lefSettings->ShiftCase, 0);
  EXPECT_EQ(lefSettings->TotalMsgLimit, 0);
  EXPECT_EQ(lefSettings->lefProps.lefrLayerProp.propType("ANY"), 'N');
}

TEST_F(LefrServicesTest, ErrorIsFramedWithFileLineAndToken) {
  at("tech.lef", 12, "METAL1");
  lefError(1500, "Bad thing.");
  lefError(1320, "Layer text.");
  ASSERT_EQ(logged().size(), 2u);
  EXPECT_EQ(logged()[0],
            "ERROR (LEFPARS-1500): Bad thing. Error in file tech.lef at line 12, on token "
            "METAL1.\n");
  EXPECT_EQ(logged()[1],
            "ERROR (LEFPARS-1320): Layer text. Error in file tech.lef at line 12, on token "
            "METAL1.\n");
  EXPECT_EQ(lefData->errorCount, 2);
  EXPECT_EQ(lefData->blockingErrors, 1);  // 1320 lies in the data-class range
}

TEST_F(LefrServicesTest, ParseErrorForms) {
  struct {
    const char* text;
    const char* token;
    const char* prev;
    int spaceMissing;
    const char* expected;
  } cases[] = {
      {"parse error", "0.5;", "WIDTH", 0,
       "ERROR (LEFPARS-7): parse error, see file a.lef at line 9\nLast token was <0.5;>, "
       "space is missing before <;>\n"},
      {"syntax error", "END", "0.5;", 0,
       "ERROR (LEFPARS-7): syntax error, see file a.lef at line 8\nLast token was <0.5;>, "
       "space is missing before <;>\n"},
      {"parse error", "\"abc", "X", 1,
       "ERROR (LEFPARS-1010): parse error, see file a.lef at line 9\nLast token was "
       "<\"abc\">, space is missing between the closing \" of the string and ;.\n"},
      {"syntax error", "\"abc", "X", 1,
       "ERROR (LEFPARS-1011): syntax error, see file a.lef at line 9\nLast token was "
       "<\"abc\">, space is missing between the closing \" of the string and ;.\n"},
      {"syntax error", "\x01", "X", 0,
       "ERROR (LEFPARS-7): Lef parser has encountered an error in file a.lef at line 9, "
       "on token <unprintable>.\nProblem can be syntax error on the lef file or an invalid "
       "parameter name.\nDouble check the syntax on the lef file with the LEFDEF Reference "
       "Manual.\n"},
      // "a;" is too short to count as a word glued to its semicolon.
      {"parse error", "a;", "X", 0,
       "ERROR (LEFPARS-7): Lef parser has encountered an error in file a.lef at line 9, "
       "on token a;.\nProblem can be syntax error on the lef file or an invalid parameter "
       "name.\nDouble check the syntax on the lef file with the LEFDEF Reference Manual.\n"},
  };
  for (const auto& c : cases) {
    lefTest::loggedTexts().clear();
    at("a.lef", 9, c.token, c.prev);
    lefData->spaceMissing = c.spaceMissing;
    lefError(7, c.text);
    ASSERT_EQ(logged().size(), 1u) << c.token;
    EXPECT_EQ(logged()[0], c.expected);
  }
  EXPECT_EQ(lefData->spaceMissing, 0);
}

TEST_F(LefrServicesTest, ErrorLimitsAndEndOfFile) {
  at("a.lef", 1, "X");
  lefSettings->MsgLimit[1500] = 1;
  lefError(1500, "one");
  lefError(1500, "two");
  EXPECT_EQ(logged().size(), 1u);
  lefSettings->TotalMsgLimit = 2;
  lefError(1501, "three");
  lefError(1502, "four");
  EXPECT_EQ(logged().size(), 2u);
  EXPECT_EQ(lefData->errorCount, 2);
  lefSettings->TotalMsgLimit = 0;
  lefData->eofReported = 1;
  lefError(1503, "five");
  EXPECT_EQ(logged().size(), 2u);
}

TEST_F(LefrServicesTest, LongTextsAreNotCut) {
  std::string longText(3000, 'v');
  at("a.lef", 1, "X");
  lefError(1319, longText.c_str());
  ASSERT_EQ(logged().size(), 1u);
  EXPECT_EQ(logged()[0], "ERROR (LEFPARS-1319): " + longText +
                             " Error in file a.lef at line 1, on token X.\n");
}

int hookMallocs = 0;
int hookFrees = 0;
void* countingMalloc(int size) {
  hookMallocs++;
  return malloc(size);
}
void countingFree(void* p) {
  hookFrees++;
  free(p);
}

TEST_F(LefrServicesTest, MemoryGoesThroughTheHooksWhenSet) {
  hookMallocs = hookFrees = 0;
  void* plain = lefMalloc(8);
  lefFree(plain);
  EXPECT_EQ(hookMallocs, 0);
  lefSettings->MallocFunction = countingMalloc;
  lefSettings->FreeFunction = countingFree;
  void* hooked = lefMalloc(8);
  lefFree(hooked);
  EXPECT_EQ(hookMallocs, 1);
  EXPECT_EQ(hookFrees, 1);
  lefSettings->MallocFunction = nullptr;
  lefSettings->FreeFunction = nullptr;
}

TEST_F(LefrServicesTest, StateGivesBackEveryBlockItsObjectsTook) {
  delete lefData;  // made before the hooks
  lefSettings->MallocFunction = countingMalloc;
  lefSettings->FreeFunction = countingFree;
  hookMallocs = hookFrees = 0;
  lefData = new lefrData();
  int taken = hookMallocs;
  EXPECT_GT(taken, 20);  // at least one block per data object
  lefData->units.setDatabase("MICRONS", 100);
  lefData->site.setName("a_site_name_longer_than_sixteen");
  delete lefData;
  lefData = nullptr;
  EXPECT_EQ(hookFrees, hookMallocs);
  lefSettings->MallocFunction = nullptr;
  lefSettings->FreeFunction = nullptr;
}

}  // namespace
}  // namespace LefDefParser
