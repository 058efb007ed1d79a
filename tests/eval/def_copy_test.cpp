#include "eval/io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "e2e_run.h"

namespace velmor {
namespace {

bool exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

const char kIn[] = "def_copy_in.def";
const char kOut[] = "def_copy_out.def";

// Each case works in a folder of its own: cases may run side by side.
class WriteDef : public testing::Test {
 protected:
  void SetUp() override {
    back_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(back_); }

 private:
  WorkDir dir_;
  std::filesystem::path back_;
};

TEST_F(WriteDef, CopiesLinesAndEndsTheLastOne) {
  const std::string big(70000, 'x');  // longer than one copy block
  struct Case {
    const char* name;
    std::string in, out;
  } cases[] = {
      {"final line feed", "VERSION 5.8 ;\nDESIGN top ;\nEND DESIGN\n", "VERSION 5.8 ;\nDESIGN top ;\nEND DESIGN\n"},
      {"no final line feed", "DESIGN top ;\nEND DESIGN", "DESIGN top ;\nEND DESIGN\n"},
      {"carriage returns kept", "DESIGN top ;\r\nEND DESIGN\r\n", "DESIGN top ;\r\nEND DESIGN\r\n"},
      {"empty input", "", ""},
      {"only a line feed", "\n", "\n"},
      {"blank lines kept", "A\n\n\nB", "A\n\n\nB\n"},
      {"long last line", "A\n" + big, "A\n" + big + "\n"},
  };
  for (const Case& c : cases) {
    writeFile(kIn, c.in);
    writeFile(kOut, "old output that is longer than some inputs\n");
    EXPECT_TRUE(IO::writeDef(kIn, kOut)) << c.name;
    EXPECT_EQ(readFile(kOut), c.out) << c.name;
    EXPECT_EQ(readFile(kIn), c.in) << c.name;
  }
}

// Inputs that cannot be copied leave no output behind.
TEST_F(WriteDef, UnreadableInputCreatesNoOutput) {
  for (const char* in : {"def_copy_no_such_input.def", "."}) {
    std::remove(kOut);
    EXPECT_FALSE(IO::writeDef(in, kOut)) << in;
    EXPECT_FALSE(exists(kOut)) << in;
  }
}

TEST_F(WriteDef, OutputInMissingDirectoryFails) {
  writeFile(kIn, "DESIGN top ;\n");
  EXPECT_FALSE(IO::writeDef(kIn, "def_copy_no_such_dir/out.def"));
}

TEST_F(WriteDef, NeverTruncatesItsInput) {
  const std::string text = "DESIGN top ;\nEND DESIGN\n";
  writeFile(kIn, text);
  EXPECT_FALSE(IO::writeDef(kIn, kIn));
  EXPECT_EQ(readFile(kIn), text);

  EXPECT_FALSE(IO::writeDef(kIn, std::string("./") + kIn));
  EXPECT_EQ(readFile(kIn), text);

  const char hard[] = "def_copy_hard.def";
  std::remove(hard);
  ASSERT_EQ(link(kIn, hard), 0);
  EXPECT_FALSE(IO::writeDef(kIn, hard));
  EXPECT_EQ(readFile(kIn), text);
  std::remove(hard);

  const char soft[] = "def_copy_soft.def";
  std::remove(soft);
  ASSERT_EQ(symlink(kIn, soft), 0);
  EXPECT_FALSE(IO::writeDef(soft, kIn));
  EXPECT_FALSE(IO::writeDef(kIn, soft));
  EXPECT_EQ(readFile(kIn), text);
  std::remove(soft);
}

TEST_F(WriteDef, WriteErrorIsAFailure) {
  if (!exists("/dev/full")) GTEST_SKIP() << "/dev/full is not available";
  writeFile(kIn, "DESIGN top ;\nEND DESIGN\n");
  EXPECT_FALSE(IO::writeDef(kIn, "/dev/full"));
}

}  // namespace
}  // namespace velmor
