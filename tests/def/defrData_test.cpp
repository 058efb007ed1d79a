// The per-read state's value checks, case folding and error limit.
#include <gtest/gtest.h>

#include <string>

#include "def/defrData.h"
#include "def/defrReader.h"

using namespace LefDefParser;

namespace {

std::string errorLog;
void logError(const char* text) { errorLog += text; }

class DefData : public ::testing::Test {
protected:
  defrSettings settings;
  defrCallbacks callbacks;
  defrSession session;
  defrData data{&callbacks, &settings, &session};

  void SetUp() override {
    errorLog.clear();
    settings.ErrorLogFunction = logError;
    session.FileName = "d.def";
  }
};

struct VersionCase {
  const char* text;
  double value;
};

TEST_F(DefData, VersionTexts) {
  // The minor part is divided by ten whatever its length: 5.70 reads as 12.
  const VersionCase cases[] = {{"5.7", 5.7},   {"5.8", 5.8},     {"6", 6.0},
                               {"5.70", 12.0}, {"5.10", 6.0},    {"5.7.1", 5.701},
                               {"5.0", 5.0},   {"5.6.0", 5.6}};
  for (const VersionCase& c : cases)
    EXPECT_DOUBLE_EQ(data.convert_defname2num(c.text), c.value) << c.text;
  std::string longText(200, '5');
  longText += ".5";
  EXPECT_GT(data.convert_defname2num(longText.c_str()), 5e199);
}

TEST_F(DefData, UpperCaseFoldsOnlyLetters) {
  EXPECT_STREQ(data.upperCase("net_a[1]/b"), "NET_A[1]/B");
  EXPECT_STREQ(data.upperCase("tab\there"), "TAB\tHERE");
  EXPECT_STREQ(data.upperCase("caf\xC3\xA9s"), "CAF\xC3\xA9S");
  std::string longName(300, 'q');
  EXPECT_EQ(std::string(data.upperCase(longName.c_str())), std::string(300, 'Q'));
}

TEST_F(DefData, DefCaseFollowsTheCaseFlag) {
  const char* name = "abc";
  EXPECT_EQ(data.DEFCASE(name), name);
  data.names_case_sensitive = 0;
  EXPECT_STREQ(data.DEFCASE(name), "ABC");
}

TEST_F(DefData, NumIsInt) {
  EXPECT_EQ(defrData::numIsInt("15"), 1);
  EXPECT_EQ(defrData::numIsInt("1.5"), 0);
}

TEST_F(DefData, MaskNeedsFiveEight) {
  EXPECT_EQ(data.validateMaskInput(1, 0, 999), 0);
  EXPECT_EQ(errorLog,
            "ERROR (DEFPARS-7415): The MASK statement is available in version 5.8 and later.\n"
            "However, your DEF file is defined with version 5.7 Error in file d.def at line 1, "
            "on token <unprintable>.\nUpdate the def file before parsing the file again.\n");
  errorLog.clear();
  EXPECT_EQ(data.validateMaskInput(0, 0, 999), 1);
  EXPECT_EQ(data.validateMaskInput(2, 999, 999), 1);  // past the limit: kept silently
  data.VersionNum = 5.8;
  EXPECT_EQ(data.validateMaskInput(3, 0, 999), 1);
  EXPECT_EQ(errorLog, "");
}

struct ShiftCase {
  double version;
  const char* shift;
  int count;
  int result;
  const char* msg;  // the start of the message, or "" for none
};

TEST_F(DefData, MaskShiftValues) {
  const ShiftCase cases[] = {
      {5.7, "0010", 0, 0,
       "ERROR (DEFPARS-7417): The MASKSHIFT statement can be used only in DEF version 5.8 "
       "and later. This DEF file version is '5.7'. Error in file d.def"},
      {5.7, "0000", 0, 1, ""},
      {5.7, "01a", 0, 0, "ERROR (DEFPARS-7416)"},
      {5.8, "01a", 0, 0, "ERROR (DEFPARS-7416)"},
      {5.8, "0120", 0, 1, ""},
      {5.7, "0010", 999, 0, ""},
  };
  for (const ShiftCase& c : cases) {
    errorLog.clear();
    data.VersionNum = c.version;
    EXPECT_EQ(data.validateMaskShiftInput(c.shift, c.count, 999), c.result) << c.shift;
    const std::string prefix = c.msg;
    EXPECT_EQ(errorLog.substr(0, prefix.size()), prefix) << c.shift;
    if (prefix.empty()) {
      EXPECT_EQ(errorLog, "") << c.shift;
    }
  }
}

TEST_F(DefData, TooManyErrorsInAValueCheckRejectTheValue) {
  data.errors = 20;
  EXPECT_EQ(data.validateMaskInput(1, 0, 999), -1);
  EXPECT_NE(errorLog.find("ERROR (DEFPARS-6011): Too many syntax errors have been reported."),
            std::string::npos);
  errorLog.clear();
  data.errors = 20;
  EXPECT_EQ(data.validateMaskShiftInput("x", 0, 999), -1);
  data.errors = 20;
  EXPECT_EQ(data.validateMaskShiftInput("01", 0, 999), -1);
}

TEST_F(DefData, CheckErrorsFiresAfterTwentyErrors) {
  data.errors = 20;
  EXPECT_EQ(data.checkErrors(), 0);
  EXPECT_EQ(errorLog, "");
  data.errors = 21;
  EXPECT_EQ(data.checkErrors(), 1);
  EXPECT_EQ(data.errors, 0);
  EXPECT_EQ(errorLog.substr(0, 66),
            "ERROR (DEFPARS-6011): Too many syntax errors have been reported. E");
}

TEST_F(DefData, FatalFlagSilencesButCounts) {
  data.hasFatalError = 1;
  data.defError(6002, "Incomplete def file.");
  EXPECT_EQ(errorLog, "");
  EXPECT_EQ(data.errors, 1);
}

TEST_F(DefData, ErrorSinkPrefersTheContextFunction) {
  static std::string seen;
  seen.clear();
  int marker = 5;
  session.UserData = &marker;
  settings.ContextErrorLogFunction = [](void* user, const char* text) {
    seen = std::to_string(*static_cast<int*>(user)) + text;
  };
  data.defiError(1, 6060, "msg");
  EXPECT_EQ(seen, "5msg");
  EXPECT_EQ(errorLog, "");
}

TEST_F(DefData, UnitsValuesWithoutAUnitsCallback) {
  data.VersionNum = 5.5;
  EXPECT_EQ(data.defValidNum(1000), 1);
  EXPECT_EQ(data.defValidNum(400), 0);
  EXPECT_EQ(data.defValidNum(300), 0);
  EXPECT_EQ(errorLog, "");
  data.VersionNum = 5.6;
  EXPECT_EQ(data.defValidNum(20000), 1);
}

TEST_F(DefData, UnitsErrorsStopAtTheUnitsLimit) {
  callbacks.UnitsCbk = [](defrCallbackType_e, double, void*) { return 0; };
  settings.warningLimit[defrWarnUnits] = 1;
  EXPECT_EQ(data.defValidNum(300), 0);
  EXPECT_EQ(data.defValidNum(301), 0);
  EXPECT_NE(errorLog.find("The value 300 "), std::string::npos);
  EXPECT_EQ(errorLog.find("The value 301 "), std::string::npos);
  EXPECT_EQ(data.warnCounts[defrWarnUnits], 2);
}

}  // namespace
