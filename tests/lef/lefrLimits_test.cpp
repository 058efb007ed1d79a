// Hostile input: NUL bytes, endless tokens, and allocations that fail.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

#include "lefrReadFixture.h"

using namespace LefDefParser;
using namespace std::string_literals;

namespace lefTest {
namespace {

// A NUL byte ends no file and cuts no word: the word is an error, shown up to the NUL.
TEST_F(LefReadTest, NulBytesAreInvalidCharacters) {
  const struct {
    std::string text, shown, token;
  } cases[] = {
      {"\0\nVIA V1 DEFAULT\nEND V1\n"s, "", "<unprintable>"},
      {"LAYER\0 M1\n"s, "LAYER", "LAYER"},
      {"\"a\0b\" ;\n"s, "\"a", "\"a"},
  };
  for (const auto& c : cases) {
    readLog() = ReadLog();
    EXPECT_NE(read("VERSION 5.8 ;\n" + c.text), 0);
    EXPECT_EQ(errors(), std::vector<std::string>{
                            "ERROR (LEFPARS-1008): Invalid characters found in '" + c.shown +
                            "'.\nThese characters might have created by character types other than "
                            "English. Error in file test.lef at line 2, on token " + c.token + ".\n"});
  }
}

// Endless letters without a blank, as from a device that never ends.
size_t supplied = 0;
size_t endlessWord(FILE*, char* buf, size_t size) {
  memset(buf, 'x', size);
  supplied += size;
  return size;
}

TEST_F(LefReadTest, EndlessTokenStopsAtItsLimit) {
  supplied = 0;
  lefrSetReadFunction(endlessWord);
  EXPECT_NE(read("unread"), 0);
  EXPECT_EQ(errors(), std::vector<std::string>{"ERROR (LEFPARS-1012): The token is longer than 64 MB. "
                                               "Error in file test.lef at line 1, on token " +
                                               std::string(100, 'x') + "....\n"});
  // 64 MiB of token and at most one block beyond it.
  EXPECT_TRUE(supplied > (64u << 20) && supplied <= (64u << 20) + 16384u) << supplied;
}

void* failingMalloc(int) { return nullptr; }

TEST_F(LefReadTest, FailedAllocationEndsTheProcess) {
  lefrSetMallocFunction(failingMalloc);
  EXPECT_EXIT(read("VERSION 5.8 ;\n"), ::testing::ExitedWithCode(1),
              "^ERROR \\(LEFPARS-1009\\): Not enough memory, stop parsing!\n$");
  // With a new-handler installed, as operator new does.
  EXPECT_EXIT((std::set_new_handler([] { _Exit(3); }), read("VERSION 5.8 ;\n")),
              ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace lefTest
