// Fixture that runs the LEF lexer alone over a text and collects its tokens.
#ifndef VELMOR_TESTS_LEF_LEXFIXTURE_H
#define VELMOR_TESTS_LEF_LEXFIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lef/lef_keywords.h"
#include "lef/lefrData.h"
#include "lefrReadFixture.h"

namespace lefTest {

// Token codes the tests name.
enum {
  kTString = 425,
  kQString = 426,
  kNumber = 427,
  kLe = 473,
  kNe = 472,
  kGe = 475,
  kNew = 335,
  kEnd = 292,
  kLibrary = 322,
  kHistory = 258,
  kBeginExt = 495,
  kTrue = 470,
  kFalse = 469,
};

// One token as "code:text" for strings, "code=value" for numbers, or the
// code alone.
inline std::string describe(int code) {
  if (code == kTString || code == kQString)
    return std::to_string(code) + ":" + LefDefParser::lefyylval.string;
  if (code == kNumber) {
    char buf[64];
    snprintf(buf, sizeof(buf), "%d=%g", code, LefDefParser::lefyylval.dval);
    return buf;
  }
  return std::to_string(code);
}

class LexTest : public LefReadTest {
 protected:
  void TearDown() override {
    if (file_) fclose(file_);
    LefReadTest::TearDown();
  }

  // A fresh per-read state reading the text, as a read of version 5.8.
  void start(const std::string& text) {
    LefDefParser::lefrInit();
    LefDefParser::lefrData::reset();
    if (file_) fclose(file_);
    file_ = textFile(text);
    LefDefParser::lefData->lefrFile = file_;
    LefDefParser::lefData->fileName = "lex.lef";
  }

  // Every token up to the end of input (0 or -1), which is not included.
  std::vector<std::string> tokens() {
    std::vector<std::string> out;
    for (int code; (code = LefDefParser::lefyylex()) > 0;) out.push_back(describe(code));
    return out;
  }

  std::vector<std::string> lex(const std::string& text) {
    start(text);
    return tokens();
  }

 private:
  FILE* file_ = nullptr;
};

}  // namespace lefTest

#endif
