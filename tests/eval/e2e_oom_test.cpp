// Running out of memory ends the run with a message and status 1, not a signal.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include "e2e_run.h"

namespace {

TEST(E2eOutOfMemory, AHugeNetUnderAMemoryCapEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer runtime needs more address space than the cap leaves";
#endif
  WorkDir dir;
  dir.addExample({"velmor_tiny.input.lef"});
  // One net of a million via elements: about 100 MB in memory, 6 MB of text.
  std::string def = "VERSION 5.8 ;\nDESIGN one ;\nNETS 1 ;\n- a ( PIN p )\n  + ROUTED M1 ( 0 0 )";
  const std::string line = [] { std::string l; for (int i = 0; i < 1000; i++) l += " VIA12"; return l + "\n"; }();
  for (int i = 0; i < 1000; i++) def += line;
  writeFile(dir / "big.def", def + " ;\nEND NETS\nEND DESIGN\n");
  const pid_t pid = fork();
  if (pid == 0) {
    const rlimit cap{32 << 20, 32 << 20};
    const int out = open((dir / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || chdir(dir.path().c_str()) != 0 || setrlimit(RLIMIT_AS, &cap) != 0) _exit(127);
    dup2(out, 1);
    execl(VELMOREVAL_BIN, VELMOREVAL_BIN, "-lef", "velmor_tiny.input.lef", "-def", "big.def", "-guide",
          "t.guide", "-genguide", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  EXPECT_EQ(readFile(dir / "stdout"), "[ERROR] out of memory while reading big.def\n");
}

// The guide file is read beside the DEF. Its million guides for one net need
// about 40 MB once the vector grows, more than the cap leaves: the read that
// runs out names the guide file, once; a DEF that fails stops it first.
TEST(E2eOutOfMemory, TheGuideReadBesideTheDefNamesItsOwnFile) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer runtime needs more address space than the cap leaves";
#endif
  WorkDir dir;
  dir.addExample({"velmor_tiny.input.lef", "velmor_tiny.input.def"});
  std::string guide = "n1\n(\n";
  for (int i = 0; i < 1000000; i++) guide += "0 0 1 1 M1\n";
  writeFile(dir / "big.guide", guide + ")\n");
  writeFile(dir / "bad.def", "VERSION 5.8 ;\nDESIGN bad ;\nnonsense\n");
  struct Case {
    const char* def;
    const char* out;
  } cases[] = {{"velmor_tiny.input.def", "[ERROR] out of memory while reading big.guide\n"},
               {"bad.def",
                "[ERROR] load DEF file fail.\n[WARNING] no geometry report is specified.\n"
                "[WARNING] no connectivity report is specified.\n"}};
  for (const Case& c : cases) {
    const pid_t pid = fork();
    if (pid == 0) {
      const rlimit cap{32 << 20, 32 << 20};
      const int out = open((dir / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int err = open("/dev/null", O_WRONLY);
      if (out < 0 || err < 0 || chdir(dir.path().c_str()) != 0 || setrlimit(RLIMIT_AS, &cap) != 0) _exit(127);
      dup2(out, 1);
      dup2(err, 2);
      execl(VELMOREVAL_BIN, VELMOREVAL_BIN, "-lef", "velmor_tiny.input.lef", "-def", c.def, "-guide", "big.guide",
            static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << c.def << " " << status;
    EXPECT_EQ(readFile(dir / "stdout"), c.out) << c.def;
  }
}

}  // namespace
