// Message limits, suppression, counting and the warning log file.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lef/lefrData.h"
#include "lef/lefrMessages.h"
#include "lefrReadFixture.h"

namespace lefTest {
namespace {

using namespace LefDefParser;
using Lines = std::vector<std::string>;

int onString(lefrCallbackType_e, const char*, void*) { return 0; }

const char* const kFourObsolete =
    "VERSION 5.6 ;\n"
    "NOWIREEXTENSIONATPIN ON ;\n"
    "NOWIREEXTENSIONATPIN ON ;\n"
    "NOWIREEXTENSIONATPIN ON ;\n"
    "NOWIREEXTENSIONATPIN ON ;\n";

std::string obsolete2008(int line) {
  return "WARNING (LEFPARS-2008): NOWIREEXTENSIONATPIN statement is obsolete in version 5.6 or "
         "later.\nThe NOWIREEXTENSIONATPIN statement will be ignored. See file test.lef at "
         "line " +
         std::to_string(line) + ".\n";
}

TEST_F(LefReadTest, PerMessageLimitIsAnnouncedOnce) {
  lefrSetNoWireExtensionCbk(onString);
  lefrSetLimitPerMsg(2008, 2);
  EXPECT_EQ(read(kFourObsolete), 0);
  EXPECT_EQ(warnings(),
            (Lines{obsolete2008(2), obsolete2008(3),
                   "WARNING (LEFPARS-2503): Message (LEFPARS-2008) has exceeded the message "
                   "display limit of 2 See file test.lef at line 4.\n"}));
}

TEST_F(LefReadTest, PerMessageLimitsApplyToNumbersOneTo4700) {
  lefrSetLimitPerMsg(4701, 3);
  lefrSetLimitPerMsg(0, 3);
  lefrSetLimitPerMsg(4700, 3);
  lefrSetLimitPerMsg(1, 4);
  EXPECT_EQ(lefSettings->MsgLimit[4700], 3);
  EXPECT_EQ(lefSettings->MsgLimit[1], 4);
  EXPECT_EQ(lefSettings->MsgLimit[0], 0);
}

TEST_F(LefReadTest, DisabledMessageIsAnnouncedOncePerSettings) {
  lefrSetNoWireExtensionCbk(onString);
  int disabled[] = {2008};
  lefrDisableParserMsgs(1, disabled);
  EXPECT_EQ(read(kFourObsolete), 0);
  EXPECT_EQ(warnings(), Lines{"WARNING (LEFPARS-2502): Message (LEFPARS-2008) has been "
                              "suppressed from output. See file test.lef at line 2.\n"});
  readLog().warnings.clear();
  EXPECT_EQ(read(kFourObsolete), 0);
  EXPECT_TRUE(warnings().empty());
  lefrEnableParserMsgs(1, disabled);
  EXPECT_EQ(read(kFourObsolete), 0);
  EXPECT_EQ(warnings().size(), 4u);
}

TEST_F(LefReadTest, SuppressionAnswersOnceThenQuietly) {
  int disabled[] = {2001};
  lefrDisableParserMsgs(1, disabled);
  EXPECT_EQ(lefSettings->suppresMsg(2001), 1);
  EXPECT_EQ(lefSettings->suppresMsg(2001), 2);
  EXPECT_EQ(lefSettings->suppresMsg(2002), 0);
  lefrEnableParserMsgs(1, disabled);
  EXPECT_EQ(lefSettings->suppresMsg(2001), 0);
}

TEST_F(LefReadTest, DisableAllSilencesWarningsOnly) {
  lefrSetNoWireExtensionCbk(onString);
  lefrSetCaseSensitiveCbk([](lefrCallbackType_e, int, void*) { return 0; });
  lefrDisableAllMsgs();
  EXPECT_EQ(read("VERSION 5.6 ;\nNOWIREEXTENSIONATPIN ON ;\nNAMESCASESENSITIVE OFF ;\n"), 1);
  EXPECT_EQ(errors().size(), 1u);
  EXPECT_TRUE(warnings().empty());
  EXPECT_EQ(read("VERSION 5.6 ;\nEND LIBRARY\nX\n"), 0);
  EXPECT_EQ(warnings(), Lines{"INFO (LEFPARS-3000): There are still data after the END LIBRARY "
                              "See file test.lef at line 3.\n"});
  lefrEnableAllMsgs();
  readLog() = ReadLog();
  EXPECT_EQ(read("VERSION 5.6 ;\nNOWIREEXTENSIONATPIN ON ;\n"), 0);
  EXPECT_EQ(warnings(), Lines{obsolete2008(2)});
}

TEST_F(LefReadTest, TotalLimitCountsEachKindOnItsOwn) {
  lefrSetTotalMsgLimit(1);
  EXPECT_EQ(read("VERSION 5.8 ;\n"), 0);
  lefError(1600, "first error");
  lefError(1601, "second error");
  lefWarning(2100, "first warning");
  lefWarning(2101, "second warning");
  lefInfo(3100, "first info");
  lefInfo(3101, "second info");
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1600): first error Error in file test.lef at line "
                            "2, on token ;.\n"});
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2100): first warning See file test.lef at line 2.\n",
                   "INFO (LEFPARS-3100): first info See file test.lef at line 2.\n"}));
}

TEST_F(LefReadTest, ErrorsFrom1300To1499DoNotBlock) {
  EXPECT_EQ(read("VERSION 5.8 ;\n"), 0);
  lefError(1300, "a");
  lefError(1499, "b");
  EXPECT_EQ(lefData->errorCount, 2);
  EXPECT_EQ(lefData->blockingErrors, 0);
  lefError(1500, "c");
  lefError(1299, "d");
  EXPECT_EQ(lefData->blockingErrors, 2);
}

TEST_F(LefReadTest, LongTokensAreCutAndNamesShownInFull) {
  std::string name(20000, 'v');
  EXPECT_EQ(read("VERSION 5.8 ;\n" + name + " ;\n"), 1);
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_NE(errors()[0].find("on token " + name.substr(0, 100) + "....\n"), std::string::npos);
  lefErrorf(1700, "name %s twice %s", name.c_str(), name.c_str());
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[1], "ERROR (LEFPARS-1700): name " + name + " twice " + name +
                             " Error in file test.lef at line 3, on token ;.\n");
}

std::string fileText(const char* path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool fileExists(const char* path) { return std::ifstream(path).good(); }

class WarningLogFile : public LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    remove(kLefWarningLog);
    lefrSetWarningLogFunction(nullptr);
  }
  void TearDown() override {
    LefReadTest::TearDown();
    remove(kLefWarningLog);
  }
  // Reads and closes the log by ending the read's state.
  int readAndClose(const std::string& text) {
    int status = read(text);
    delete lefData;
    lefData = nullptr;
    return status;
  }
};

const char* const kNoVersion = "BUSBITCHARS \"[]\" ;\n";
const char* const kNoVersionLog =
    "Warnings from file: test.lef\n\n"
    "WARNING (LEFPARS-2001): No VERSION statement found, using the default value 5.8. See file "
    "test.lef at line 2\n";

TEST_F(WarningLogFile, HoldsTheWarningsOfTheLatestRead) {
  EXPECT_EQ(readAndClose(kNoVersion), 0);
  EXPECT_EQ(fileText(kLefWarningLog), kNoVersionLog);
  // A read without warnings still removes the old log.
  EXPECT_EQ(readAndClose("VERSION 5.8 ;\n"), 0);
  EXPECT_FALSE(fileExists(kLefWarningLog));
}

TEST_F(WarningLogFile, AppendKeepsEarlierReads) {
  lefrSetOpenLogFileAppend();
  EXPECT_EQ(readAndClose(kNoVersion), 0);
  EXPECT_EQ(readAndClose(kNoVersion), 0);
  EXPECT_EQ(fileText(kLefWarningLog), std::string(kNoVersionLog) + kNoVersionLog);
  lefrUnsetOpenLogFileAppend();
  EXPECT_EQ(readAndClose(kNoVersion), 0);
  EXPECT_EQ(fileText(kLefWarningLog), kNoVersionLog);
}

TEST_F(WarningLogFile, InformationStartsItsOwnHeader) {
  EXPECT_EQ(readAndClose("VERSION 5.6 ;\nEND LIBRARY\nX\n"), 0);
  EXPECT_EQ(fileText(kLefWarningLog),
            "Info from file: test.lef\n\n"
            "INFO (LEFPARS-3000): There are still data after the END LIBRARY See file test.lef "
            "at line 3\n");
}

TEST_F(WarningLogFile, IsNotCreatedWithAWarningFunction) {
  lefrSetWarningLogFunction(logWarning);
  EXPECT_EQ(readAndClose(kNoVersion), 0);
  EXPECT_FALSE(fileExists(kLefWarningLog));
  EXPECT_EQ(warnings().size(), 1u);
}

// Delivered even past every limit, then the process ends with status 2.
TEST(LefNumberedExit, ErrorAndWarningNumbersEndTheProcess) {
  EXPECT_EXIT(lefiNerr(1234), ::testing::ExitedWithCode(2), "^ERROR number 1234\n$");
  EXPECT_EXIT(lefiNwarn(-7), ::testing::ExitedWithCode(2), "^WARNING number -7\n$");
}

}  // namespace
}  // namespace lefTest
