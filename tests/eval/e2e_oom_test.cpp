// Running out of memory ends the run with a message and status 1, not a signal.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <string>

#include "e2e_run.h"

namespace {

const char* const kLef =
    "VERSION 5.8 ;\nUNITS\n  DATABASE MICRONS 1000 ;\nEND UNITS\n"
    "LAYER M1\n  TYPE ROUTING ;\n  DIRECTION HORIZONTAL ;\n  PITCH 0.2 ;\n  WIDTH 0.1 ;\nEND M1\n"
    "LAYER V1\n  TYPE CUT ;\nEND V1\n"
    "LAYER M2\n  TYPE ROUTING ;\n  DIRECTION VERTICAL ;\n  PITCH 0.2 ;\n  WIDTH 0.1 ;\nEND M2\n"
    "VIA VA DEFAULT\n  LAYER M1 ;\n    RECT -0.05 -0.05 0.05 0.05 ;\n  LAYER V1 ;\n"
    "    RECT -0.05 -0.05 0.05 0.05 ;\n  LAYER M2 ;\n    RECT -0.05 -0.05 0.05 0.05 ;\n"
    "END VA\nEND LIBRARY\n";

// velmoreval -genguide in dir with its address space capped; stdout, and the
// exit status or -1 for a signal.
std::pair<std::string, int> runCapped(const WorkDir& dir, rlim_t bytes) {
  const std::string out = (dir / "stdout").string();
  const pid_t pid = fork();
  if (pid == 0) {
    const rlimit cap{bytes, bytes};
    const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || chdir(dir.path().c_str()) != 0 || setrlimit(RLIMIT_AS, &cap) != 0) _exit(127);
    dup2(fd, 1);
    execl(VELMOREVAL_BIN, VELMOREVAL_BIN, "-lef", "t.lef", "-def", "big.def", "-guide", "t.guide",
          "-genguide", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return {readFile(out), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(E2eOutOfMemory, AHugeNetUnderAMemoryCapEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer runtime needs more address space than the cap leaves";
#endif
  WorkDir dir;
  writeFile(dir / "t.lef", kLef);
  // One net of a million via elements: about 100 MB in memory, 3 MB of text.
  std::string def = "VERSION 5.8 ;\nDESIGN one ;\nUNITS DISTANCE MICRONS 1000 ;\n"
                    "NETS 1 ;\n- a ( PIN p )\n  + ROUTED M1 ( 100 100 )";
  std::string line;
  for (int i = 0; i < 1000; i++) line += " VA";
  for (int i = 0; i < 1000; i++) def += line + "\n";
  writeFile(dir / "big.def", def + " ;\nEND NETS\nEND DESIGN\n");
  EXPECT_EQ(runCapped(dir, rlim_t{32} << 20),
            std::make_pair(std::string("[ERROR] out of memory while reading big.def\n"), 1));
}

}  // namespace
