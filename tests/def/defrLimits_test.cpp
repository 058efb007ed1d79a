// Hostile input: long and endless tokens.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "defrTestRead.h"

using namespace LefDefParser;
using defrtest::messages;

namespace {

TEST(DefLimits, MessagesShowTheFirstHundredBytesOfAToken) {
  const std::string word(150, 'a'), shown = std::string(100, 'a') + "...";
  const struct {
    std::string line, errors;
  } cases[] = {
      {word + ";\n", "ERROR (DEFPARS-5500): syntax error, file t.def at line 3\nLast token was <" + shown +
                         ">, space is missing before <;>\n"},
      {word + "\x80 ;\n", "ERROR (DEFPARS-6008): Invalid characters found in '" + shown + "'.\nThese "
                          "characters might be using the character types other than English.\nCreate "
                          "characters by specifying valid characters types. Error in file t.def at line 3, "
                          "on token " + shown + ".\nUpdate the def file before parsing the file again.\n"},
  };
  for (const auto& c : cases) {
    defrtest::freshReader();
    EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN top ;\n" + c.line + "END DESIGN\n"), 1);
    EXPECT_EQ(messages().errors, c.errors);
  }
}

// Endless letters without a blank, as from a device that never ends.
size_t supplied = 0;
size_t endlessWord(FILE*, char* buf, size_t size) {
  memset(buf, 'x', size);
  supplied += size;
  return size;
}

TEST(DefLimits, EndlessTokenStopsAtItsLimit) {
  defrtest::freshReader();
  supplied = 0;
  defrSetReadFunction(endlessWord);
  EXPECT_NE(defrtest::readText("unread"), 0);
  EXPECT_EQ(messages().errors, "ERROR (DEFPARS-6018): The token is longer than 64 MB. Error in file t.def at "
                               "line 1, on token " + std::string(100, 'x') +
                                   "....\nUpdate the def file before parsing the file again.\n");
  // 64 MiB of token and at most one block beyond it.
  EXPECT_TRUE(supplied > (64u << 20) && supplied <= (64u << 20) + 16384u) << supplied;
  defrClear();
}

}  // namespace
