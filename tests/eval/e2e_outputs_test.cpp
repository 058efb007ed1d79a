// Outputs never destroy an input, are written whole or not at all, and the
// DEF copy holds the DEF's bytes or fails.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "db_reset.h"
#include "e2e_run.h"
#include "eval/io.h"

namespace {

using Args = std::vector<std::string>;
const char* const kLef = "velmor_tiny.input.lef";
const char* const kDef = "velmor_tiny.input.def";

// Files of the work folder other than the run's captured streams.
std::vector<std::string> folderNames(const WorkDir& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(E2eOutputs, OutputOverAnInputIsRefused) {
  struct Case {
    Args args;
    std::string error;
  } cases[] = {
      {{"-guide", kDef, "-genguide"},
       "the guide file velmor_tiny.input.def is the same file as the DEF file velmor_tiny.input.def"},
      {{"-guide", "./velmor_tiny.input.lef", "-genguide"},
       "the guide file ./velmor_tiny.input.lef is the same file as the LEF file velmor_tiny.input.lef"},
      {{"-guide", "link.def", "-genguide"},
       "the guide file link.def is the same file as the DEF file velmor_tiny.input.def"},
      {{"-guide", "g", "-output", kLef, "-sim"},
       "the output file velmor_tiny.input.lef is the same file as the LEF file velmor_tiny.input.lef"},
  };
  for (const Case& c : cases) {
    WorkDir dir;
    dir.addExample({kLef, kDef});
    std::filesystem::create_symlink(kDef, dir / "link.def");
    const std::string lef = readFile(dir / kLef), def = readFile(dir / kDef);
    Args args{"-lef", kLef, "-def", kDef};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult r = runEval(dir, args);
    EXPECT_NE(r.out.find("[ERROR] " + c.error + "; it is not written.\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.status, 1) << c.error;
    EXPECT_EQ(readFile(dir / kLef), lef) << c.error;
    EXPECT_EQ(readFile(dir / kDef), def) << c.error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.def")) << c.error;
  }
}

// A DEF that arrives through a pipe is gone once read: the copy fails
// instead of writing an empty file.
TEST(E2eOutputs, DefFromAPipeIsNotCopied) {
  WorkDir dir;
  dir.addExample({kLef});
  ASSERT_EQ(mkfifo((dir / "pipe.def").c_str(), 0600), 0);
  const std::string def = readFile(std::filesystem::path(VELMOR_EXAMPLES) / kDef);
  const pid_t writer = fork();
  if (writer == 0) {
    std::ofstream((dir / "pipe.def").c_str(), std::ios::binary) << def;
    _exit(0);
  }
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", "pipe.def", "-guide", "g", "-output", "out.def", "-sim"});
  waitpid(writer, nullptr, 0);
  EXPECT_NE(r.out.find("[ERROR] save output file fail: pipe.def: not a regular file, so it cannot be read "
                       "again for the copy.\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.def"));
}

// A write that fails part-way (here: past the file size limit) keeps the
// old output and leaves no temporary file.
TEST(E2eOutputs, FailedWriteKeepsTheOldFile) {
  WorkDir dir;
  const std::string in = (dir / "in.def").string(), out = (dir / "out.def").string();
  writeFile(in, std::string(20000, 'x') + "\n");
  writeFile(out, "old\n");
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool ok = velmor::IO::writeDef(in, out);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(ok);
  EXPECT_EQ(velmor::IO::writeFailure(), out + ": File too large");
  EXPECT_EQ(readFile(out), "old\n");
  EXPECT_EQ(folderNames(dir), (std::vector<std::string>{"in.def", "out.def"}));
  // A complete write replaces the file a link points at and keeps the link.
  std::filesystem::create_symlink("out.def", dir / "link.def");
  EXPECT_TRUE(velmor::IO::writeDef(in, (dir / "link.def").string()));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.def"));
  EXPECT_EQ(readFile(out), readFile(in));
}

TEST(E2eOutputs, DefChangedAfterTheReadIsNotCopied) {
  WorkDir dir;
  const std::string def = (dir / "d.def").string();
  writeFile(def, "VERSION 5.8 ;\nDESIGN d ;\nEND DESIGN\n");
  freshDatabase();
  ASSERT_TRUE(velmor::IO::readDef(def));
  writeFile(def, "VERSION 5.8 ;\nDESIGN changed ;\nEND DESIGN\n");
  EXPECT_FALSE(velmor::IO::writeDef(def, (dir / "out.def").string()));
  EXPECT_EQ(velmor::IO::writeFailure(), def + ": changed after it was read");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.def"));
}

}  // namespace
