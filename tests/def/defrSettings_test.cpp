// Options and hooks set through the reader interface, seen through whole reads.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "defrTestRead.h"

using namespace LefDefParser;
using defrtest::messages;
using defrtest::readText;

namespace {

std::vector<std::string> names;
int onDesign(defrCallbackType_e, const char* name, void*) {
  names.push_back(name);
  return 0;
}

class DefSettings : public ::testing::Test {
protected:
  void SetUp() override {
    defrtest::freshReader();
    names.clear();
    defrSetDesignCbk(onDesign);
  }
};

TEST_F(DefSettings, KeywordsAreLookedUpAsFolded) {
  const defrSettings s;
  EXPECT_EQ(s.Keyword_set.size(), 239u);
  EXPECT_NE(s.keywordToken("COMPONENTS"), 0);
  EXPECT_EQ(s.keywordToken("components"), 0);  // the lexer folds before it looks up
  EXPECT_EQ(s.keywordToken("NOSUCHWORD"), 0);
}

TEST_F(DefSettings, LimitPerMessageOnlyInItsRange) {
  defrSetLimitPerMsg(4000, 1);
  defrSetLimitPerMsg(9013, 1);
  defrSetLimitPerMsg(5000, 2);
  defrSetLimitPerMsg(9012, 3);
  const defrSettings& s = *defContext.settings;
  EXPECT_EQ(s.MsgLimit[0], 2);
  EXPECT_EQ(s.MsgLimit[defrMsgCount - 1], 3);
  int nonZero = 0;
  for (int limit : s.MsgLimit) nonZero += limit != 0;
  EXPECT_EQ(nonZero, 2);
}

TEST_F(DefSettings, WarningLimitOfZeroSilencesTheSection) {
  defrSetCaseSensitiveWarnings(0);
  defrSetCaseSensitiveCbk([](defrCallbackType_e, int, void*) { return 0; });
  EXPECT_EQ(readText("VERSION 5.8 ;\nNAMESCASESENSITIVE ON ;\nDESIGN d ;\nEND DESIGN\n"), 0);
  EXPECT_EQ(messages().warnings, "");
}

TEST_F(DefSettings, CaseSensitivitySetByTheCaller) {
  // Without a VERSION statement the setting holds for the whole file.
  defrSetCaseSensitivity(0);
  EXPECT_EQ(readText("DESIGN mixedCase ;\nEND DESIGN\n"), 0);
  defrSetCaseSensitivity(1);
  EXPECT_EQ(readText("DESIGN mixedCase ;\nEND DESIGN\n"), 0);
  EXPECT_EQ(names, (std::vector<std::string>{"MIXEDCASE", "mixedCase"}));
}

TEST_F(DefSettings, OldFilesTakeTheCaseFlagOfTheRead) {
  const char* text =
      "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n"
      "DESIGN early ;\nEND DESIGN\n";
  EXPECT_EQ(readText("VERSION 5.4 ;\nDESIGN x ;\nEND DESIGN\n", "t.def", nullptr, 0), 0);
  // The 5.4 file was read with the flag 0, so "x" became "X"; NAMESCASESENSITIVE ON of the
  // next file restores case-sensitive names.
  EXPECT_EQ(readText(text, "t.def", nullptr, 0), 0);
  EXPECT_EQ(names, (std::vector<std::string>{"X", "early"}));
}

std::vector<size_t> requested;
size_t countingRead(FILE* f, char* buf, size_t size) {
  requested.push_back(size);
  return fread(buf, 1, size, f);
}

TEST_F(DefSettings, ReadFunctionGetsFourBytesThenBlocks) {
  requested.clear();
  defrSetReadFunction(countingRead);
  std::string text = "VERSION 5.8 ;\nDESIGN d ;\n";
  text += std::string(20000, ' ');
  text += "\nEND DESIGN\n";
  EXPECT_EQ(readText(text), 0);
  EXPECT_EQ(names, std::vector<std::string>{"d"});
  // 4 + 16384 + the remaining 3649 bytes, then an empty read at the end.
  EXPECT_EQ(requested, (std::vector<size_t>{4, 16384, 16384, 16384}));
  defrUnsetReadFunction();
  EXPECT_EQ(defContext.settings->ReadFunction, nullptr);
}

int magicFound = 0;
void onMagic() { magicFound++; }

char magicText[] = "MAGIC";

int setMagic(defrCallbackType_e, const char*, void*) {
  defrSetMagicCommentString(magicText);
  return 0;
}

TEST_F(DefSettings, MagicCommentsCallTheHook) {
  magicFound = 0;
  defrSetMagicCommentFoundFunction(onMagic);
  defrSetDesignCbk(setMagic);
  EXPECT_EQ(readText("VERSION 5.8 ;\n# MAGIC before\nDESIGN d ;\n# MAGIC\n# MAGI\n"
                     "# other MAGIC\n#   MAGIC here\nEND DESIGN\n"),
            0);
  EXPECT_EQ(magicFound, 2);  // only comments read after the design statement count
}

TEST_F(DefSettings, LongLineNumberFunction) {
  static std::vector<long long> lines;
  lines.clear();
  defrSetDeltaNumberLines(2);
  defrSetLongLineNumberFunction([](long long line) { lines.push_back(line); });
  EXPECT_EQ(readText("VERSION 5.8 ;\nDESIGN d ;\n\n\nEND DESIGN\n"), 0);
  EXPECT_EQ(lines, (std::vector<long long>{2, 4, 6}));
}

}  // namespace
