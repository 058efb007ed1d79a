// Hostile input: NUL bytes, endless tokens, and allocations that fail.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

#include "lef/lefrData.h"
#include "lefrReadFixture.h"

using namespace LefDefParser;
using namespace std::string_literals;

namespace lefTest {
namespace {

std::string invalidChars(const std::string& shown, int line, const std::string& token) {
  return "ERROR (LEFPARS-1008): Invalid characters found in '" + shown +
         "'.\nThese characters might have created by character types other than English. "
         "Error in file test.lef at line " + std::to_string(line) + ", on token " + token + ".\n";
}

// Inside a statement the early end is a syntax error too.
std::string syntaxError(const std::string& token) {
  return "ERROR (LEFPARS-1): Lef parser has encountered an error in file test.lef at line 2, on "
         "token " + token + ".\nProblem can be syntax error on the lef file or an invalid "
         "parameter name.\nDouble check the syntax on the lef file with the LEFDEF Reference "
         "Manual.\n";
}

TEST_F(LefReadTest, NulBytesAreInvalidCharacters) {
  const std::string head = "VERSION 5.8 ;\n";
  struct Case {
    std::string text;
    std::vector<std::string> errors;
  } cases[] = {
      {head + "\0\nVIA V1 DEFAULT\nEND V1\n"s, {invalidChars("", 2, "<unprintable>")}},
      {head + "VIA V\0x DEFAULT\n"s, {invalidChars("V", 2, "V"), syntaxError("V")}},
      {head + "BUSBITCHARS \"[\0]\" ;\n"s, {invalidChars("\"[", 2, "\"["), syntaxError("\"[")}},
  };
  for (const Case& c : cases) {
    readLog() = ReadLog();
    EXPECT_NE(read(c.text), 0);
    EXPECT_EQ(errors(), c.errors);
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
  lefrInit();
  lefrSetReadFunction(endlessWord);
  FILE* unread = tmpfile();
  EXPECT_NE(lefrRead(unread, "test.lef", nullptr), 0);
  fclose(unread);
  EXPECT_EQ(errors(), std::vector<std::string>{"ERROR (LEFPARS-1012): The token is longer than 64 MB. "
                                               "Error in file test.lef at line 1, on token " +
                                               std::string(100, 'x') + "....\n"});
  // 64 MiB of token and at most one block beyond it.
  EXPECT_LE(supplied, (64u << 20) + 16384u);
  EXPECT_GT(supplied, 64u << 20);
}

void* failingMalloc(int) { return nullptr; }
void exitThree() {
  fputs("new-handler called\n", stderr);
  _Exit(3);
}

TEST_F(LefReadTest, FailedAllocationEndsTheProcess) {
  lefrSetMallocFunction(failingMalloc);
  EXPECT_EXIT(read("VERSION 5.8 ;\n"), ::testing::ExitedWithCode(1),
              "^ERROR \\(LEFPARS-1009\\): Not enough memory, stop parsing!\n$");
  EXPECT_EXIT((std::set_new_handler(exitThree), read("VERSION 5.8 ;\n")),
              ::testing::ExitedWithCode(3), "^new-handler called\n$");
}

}  // namespace
}  // namespace lefTest
