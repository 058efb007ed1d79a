// Message forms, limits, switches and the warning log file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "def/defiDebug.h"
#include "def/defrData.h"
#include "defrTestRead.h"

using namespace LefDefParser;
using defrtest::messages;
using defrtest::readText;

namespace {

std::string fileText(const char* path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool exists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}

class DefMessages : public ::testing::Test {
protected:
  void SetUp() override {
    defrtest::freshReader();
    remove("defRWarning.log");
  }
  void TearDown() override { remove("defRWarning.log"); }
};

TEST_F(DefMessages, SyntaxErrorOnAWordGluedToItsSemicolon) {
  const struct {
    const char* line;
    const char* errors;
  } cases[] = {
      {"TECHNOLOGY;\n",
       "ERROR (DEFPARS-5500): syntax error, file t.def at line 3\n"
       "Last token was <TECHNOLOGY;>, space is missing before <;>\n"},
      // The glued word is a name, so the error only shows on the next token.
      {"DESIGN top;\n",
       "ERROR (DEFPARS-5500): syntax error, file t.def at line 3\n"
       "Last token was <top;>, space is missing before <;>\n"},
  };
  for (const auto& c : cases) {
    defrtest::freshReader();
    EXPECT_EQ(readText(std::string("VERSION 5.8 ;\nDESIGN top ;\n") + c.line + "END DESIGN\n"), 1);
    EXPECT_EQ(messages().errors, c.errors) << c.line;
  }
}

TEST_F(DefMessages, PlainSyntaxErrorsAreNumberedInOrder) {
  EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN top ;\nbogus ;\nDESIGN a ;\njunk ;\n"
                     "DESIGN b ;\nEND DESIGN\n"),
            1);
  EXPECT_EQ(messages().errors,
            "ERROR (DEFPARS-5500): Def parser has encountered an error in file t.def at line "
            "3, on token bogus.\nProblem can be syntax error on the def file or an invalid "
            "parameter name.\nDouble check the syntax on the def file with the LEFDEF "
            "Reference Manual.\n"
            "ERROR (DEFPARS-5501): Def parser has encountered an error in file t.def at line "
            "5, on token junk.\nProblem can be syntax error on the def file or an invalid "
            "parameter name.\nDouble check the syntax on the def file with the LEFDEF "
            "Reference Manual.\n");
}

TEST_F(DefMessages, TooManyErrorsStopTheRead) {
  std::string text = "VERSION 5.8 ;\n";
  for (int i = 0; i < 25; i++) text += "bogus ;\nDESIGN d ;\n";
  text += "END DESIGN\n";
  EXPECT_EQ(readText(text), 1);
  const std::string& e = messages().errors;
  EXPECT_NE(e.find("ERROR (DEFPARS-5520): "), std::string::npos);
  EXPECT_EQ(e.find("ERROR (DEFPARS-5521): "), std::string::npos);
  EXPECT_NE(e.find("ERROR (DEFPARS-6011): Too many syntax errors have been reported. Error in "
                   "file t.def at line 42, on token bogus.\n"),
            std::string::npos);
}

TEST_F(DefMessages, MessageLimitsPerNumberAndInTotal) {
  defrSetUnitsCbk([](defrCallbackType_e, double, void*) { return 0; });
  defrSetLimitPerMsg(6502, 1);
  defrSetLimitPerMsg(4000, 1);  // out of range: ignored
  defrSetLimitPerMsg(9013, 1);
  EXPECT_EQ(readText("VERSION 5.8 ;\nUNITS DISTANCE MICRONS 300 ;\nUNITS DISTANCE MICRONS 301 ;"
                     "\nEND DESIGN\n"),
            1);
  EXPECT_NE(messages().errors.find("The value 300 "), std::string::npos);
  EXPECT_EQ(messages().errors.find("The value 301 "), std::string::npos);
  EXPECT_EQ(defContext.data->errors, 2);  // the silenced one still counts

  // Per read: the next read shows the message once again.
  messages().errors.clear();
  EXPECT_EQ(readText("VERSION 5.8 ;\nUNITS DISTANCE MICRONS 302 ;\nEND DESIGN\n"), 1);
  EXPECT_NE(messages().errors.find("The value 302 "), std::string::npos);
}

TEST_F(DefMessages, TotalLimitCountsOnlyModelMessages) {
  defrSetTotalMsgLimit(1);
  defrSetDesignCbk([](defrCallbackType_e, const char*, void*) {
    defiError(0, 6060, "first\n", nullptr);
    defiError(0, 6060, "second\n", nullptr);
    defiError(1, 6060, "unlimited\n", nullptr);
    return 0;
  });
  // With the total reached, parser errors are silent but still fail the read.
  EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN d ;\nbogus ;\nEND DESIGN\n"), 1);
  EXPECT_EQ(messages().errors, "first\nunlimited\n");
  EXPECT_EQ(defContext.data->errors, 1);
}

TEST_F(DefMessages, DisabledWarningsAreSilent) {
  int off[] = {7012};
  defrDisableParserMsgs(1, off);
  EXPECT_EQ(readText("END DESIGN\n"), 0);
  EXPECT_EQ(messages().warnings,
            "WARNING (DEFPARS-7016): DESIGN is a mandatory statement in the DEF file. Ensure "
            "that it exists in the file. See file t.def at line 1.\n");
}

TEST_F(DefMessages, DisablingAnErrorHasNoEffect) {
  int off[] = {6502};
  defrDisableParserMsgs(1, off);
  defrSetUnitsCbk([](defrCallbackType_e, double, void*) { return 0; });
  EXPECT_EQ(readText("VERSION 5.8 ;\nUNITS DISTANCE MICRONS 300 ;\nEND DESIGN\n"), 1);
  EXPECT_NE(messages().errors.find("ERROR (DEFPARS-6502)"), std::string::npos);
}

TEST_F(DefMessages, DisabledListKeepsOrderAndDuplicates) {
  int twice[] = {7010, 7010};
  defrDisableParserMsgs(2, twice);
  EXPECT_EQ(defContext.settings->disabledMsgs, (std::vector<int>{7010, 7010}));
  int more[] = {7010, 7011, 7012, 7011};
  defrDisableParserMsgs(4, more);
  EXPECT_EQ(defContext.settings->disabledMsgs, (std::vector<int>{7010, 7010, 7011, 7012}));
  int back[] = {7011, 7010, 7999};
  defrEnableParserMsgs(3, back);
  EXPECT_EQ(defContext.settings->disabledMsgs, (std::vector<int>{7010, 7012}));
  defrEnableAllMsgs();
  defrEnableAllMsgs();
  EXPECT_TRUE(defContext.settings->disabledMsgs.empty());
  defrEnableParserMsgs(1, back);
  EXPECT_TRUE(defContext.settings->disabledMsgs.empty());
}

std::string contextLog;
void contextWarning(void* user, const char* text) {
  contextLog += *static_cast<std::string*>(user) + "|" + text;
}

TEST_F(DefMessages, ContextWarningFunctionGetsTheUserData) {
  std::string tag = "ctx";
  contextLog.clear();
  defrSetContextWarningLogFunction(contextWarning);
  EXPECT_EQ(readText("VERSION 5.8 ;\nEND DESIGN\n", "t.def", &tag), 0);
  EXPECT_EQ(contextLog,
            "ctx|WARNING (DEFPARS-7016): DESIGN is a mandatory statement in the DEF file. "
            "Ensure that it exists in the file. See file t.def at line 2.\n");
  EXPECT_EQ(messages().warnings, "");
  EXPECT_FALSE(exists("defRWarning.log"));
}

TEST_F(DefMessages, WarningsGoToTheLogFileWithoutAFunction) {
  defContext.settings->WarningLogFunction = nullptr;
  EXPECT_EQ(readText("END DESIGN\n", "w.def"), 0);
  defrClear();  // closes the log
  EXPECT_EQ(fileText("defRWarning.log"),
            "Warnings from file: w.def\n\n"
            "WARNING (DEFPARS-7012): No VERSION statement found, using the default value 5.7. "
            "See file w.def at line 1\n"
            "WARNING (DEFPARS-7016): DESIGN is a mandatory statement in the DEF file. Ensure "
            "that it exists in the file. See file w.def at line 1\n");
}

TEST_F(DefMessages, InformationStartsTheLogFileWithItsOwnHeading) {
  defContext.settings->WarningLogFunction = nullptr;
  EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN d ;\nEND DESIGN\nextra\n", "i.def"), 0);
  defrClear();
  EXPECT_EQ(fileText("defRWarning.log"),
            "Info from file: i.def\n\n"
            "INFO (DEFPARS-8000): There are still data after the END DESIGN statement See file "
            "i.def at line 4\n");
}

TEST_F(DefMessages, OldLogIsRemovedUnlessAppending) {
  defContext.settings->WarningLogFunction = nullptr;
  { std::ofstream("defRWarning.log") << "old\n"; }
  EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN d ;\nEND DESIGN\n"), 0);
  EXPECT_FALSE(exists("defRWarning.log"));

  { std::ofstream("defRWarning.log") << "old\n"; }
  defrSetOpenLogFileAppend();
  EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN d ;\nEND DESIGN\n"), 0);
  EXPECT_EQ(fileText("defRWarning.log"), "old\n");
  // A read with warnings starts the file over.
  EXPECT_EQ(readText("VERSION 5.8 ;\nEND DESIGN\n", "n.def"), 0);
  defrClear();  // closes the log
  EXPECT_EQ(fileText("defRWarning.log").substr(0, 27), "Warnings from file: n.def\n\n");
}

TEST_F(DefMessages, UnopenableLogIsReportedOnce) {
  char dir[] = "/tmp/defr_logXXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  char* here = getcwd(nullptr, 0);
  ASSERT_EQ(chdir(dir), 0);
  // A non-empty directory in the log's place can be neither removed nor opened.
  mkdir("defRWarning.log", 0755);
  { std::ofstream("defRWarning.log/keep") << "x"; }

  defContext.settings->WarningLogFunction = nullptr;
  testing::internal::CaptureStdout();
  EXPECT_EQ(readText("END DESIGN\n"), 0);
  fflush(stdout);
  std::string out = testing::internal::GetCapturedStdout();
  char* cwd = getcwd(nullptr, 0);
  EXPECT_EQ(out, std::string("WARNING (DEFPARS-7500): Unable to open the file defRWarning.log "
                             "in ") +
                     cwd + ".\nWarning messages will not be printed.\n");
  EXPECT_EQ(defContext.data->defWarnings, 2);

  defrClear();
  remove("defRWarning.log/keep");
  rmdir("defRWarning.log");
  ASSERT_EQ(chdir(here), 0);
  rmdir(dir);
  free(cwd);
  free(here);
}

}  // namespace
