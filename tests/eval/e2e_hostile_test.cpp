// Hostile runs: outputs never destroy an input, are written whole or not at
// all, the DEF copy holds the DEF's bytes or fails; huge grids cost nothing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "db_reset.h"
#include "e2e_run.h"
#include "eval/io.h"
#include "eval/outfile.h"

namespace {

using Args = std::vector<std::string>;
const char* const kLef = "velmor_tiny.input.lef";
const char* const kDef = "velmor_tiny.input.def";

TEST(E2eHostile, OutputOverAnInputIsRefused) {
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
      {{"-guide", "r", "-georpt", "r", "-genguide"}, "the guide file r is the same file as the geometry report r"},
      {{"-guide", "r", "-conrpt", "./r", "-genguide"},
       "the guide file r is the same file as the connectivity report ./r"},
      {{"-guide", "g", "-output", kLef, "-sim"},
       "the output file velmor_tiny.input.lef is the same file as the LEF file velmor_tiny.input.lef"},
      {{"-guide", "g", "-output", "g", "-sim"}, "the output file g is the same file as the guide file g"},
      {{"-guide", "g", "-output", "link.g", "-sim"}, "the output file link.g is the same file as the guide file g"},
      {{"-guide", "g", "-weights", "r", "-output", "r", "-sim"},
       "the output file r is the same file as the weights file r"},
  };
  for (const Case& c : cases) {
    WorkDir dir;
    dir.addExample({kLef, kDef});
    std::filesystem::create_symlink(kDef, dir / "link.def");
    std::filesystem::create_symlink("g", dir / "link.g");
    writeFile(dir / "g", "n1\n(\n)\n");
    writeFile(dir / "r", "Found 0 open nets.\n");
    const std::string lef = readFile(dir / kLef), def = readFile(dir / kDef);
    Args args{"-lef", kLef, "-def", kDef};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult r = runEval(dir, args);
    EXPECT_NE(r.out.find("[ERROR] " + c.error + "; it is not written.\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.status, 1) << c.error;
    EXPECT_EQ(readFile(dir / kLef), lef) << c.error;
    EXPECT_EQ(readFile(dir / kDef), def) << c.error;
    EXPECT_EQ(readFile(dir / "g"), "n1\n(\n)\n") << c.error;
    EXPECT_EQ(readFile(dir / "r"), "Found 0 open nets.\n") << c.error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.def")) << c.error;
  }
}

// A DEF that arrives through a pipe is gone once read: the copy fails
// instead of writing an empty file.
TEST(E2eHostile, DefFromAPipeIsNotCopied) {
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
  kill(writer, SIGKILL);  // stuck only when the run never opened the pipe
  waitpid(writer, nullptr, 0);
  EXPECT_NE(r.out.find("[ERROR] save output file fail: pipe.def: not a regular file, so it cannot be read "
                       "again for the copy.\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.def"));
}

// A guide file that is a pipe is not opened beside a DEF that then fails: the
// run would wait for a writer that never comes.
TEST(E2eHostile, GuidePipeIsNotOpenedForAFailedDef) {
  WorkDir dir;
  dir.addExample({kLef});
  writeFile(dir / "bad.def", "VERSION 5.8 ;\nnonsense\n");
  ASSERT_EQ(mkfifo((dir / "pipe.guide").c_str(), 0600), 0);
  const pid_t writer = fork();
  if (writer == 0) {  // gets past open only when the run opens the pipe
    std::ofstream((dir / "pipe.guide").c_str()).close();
    std::ofstream((dir / "opened").c_str()).close();
    _exit(0);
  }
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", "bad.def", "-guide", "pipe.guide"});
  kill(writer, SIGKILL);
  waitpid(writer, nullptr, 0);
  EXPECT_NE(r.out.find("[ERROR] load DEF file fail.\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "opened"));
}

// A write that fails part-way (here: past the file size limit) keeps the
// old output and leaves no temporary file.
TEST(E2eHostile, FailedWriteKeepsTheOldFile) {
  WorkDir dir;
  const std::string in = (dir / "in.def").string(), out = (dir / "out.def").string();
  writeFile(in, std::string(20000, 'x') + "\n");
  writeFile(out, "old\n");
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const rlimit small{4096, old.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const bool ok = velmor::IO::writeDef(in, out);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(ok);
  EXPECT_EQ(velmor::IO::writeFailure(), out + ": File too large");
  EXPECT_EQ(readFile(out), "old\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);  // no temporary file
  // A complete write replaces the file a link points at and keeps the link.
  std::filesystem::create_symlink("out.def", dir / "link.def");
  EXPECT_TRUE(velmor::IO::writeDef(in, (dir / "link.def").string()));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.def"));
  EXPECT_EQ(readFile(out), readFile(in));
}

TEST(E2eHostile, DefChangedAfterTheReadIsNotCopied) {
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

// Past the file size limit the write fails like any other, instead of the
// signal ending the run with the temporary file left behind.
TEST(E2eHostile, FileSizeLimitIsAFailedWrite) {
  WorkDir dir;
  dir.addExample({kLef});
  std::string def = readFile(std::filesystem::path(VELMOR_EXAMPLES) / kDef);
  for (int i = 0; i < 100; ++i) def += "# " + std::string(98, 'c') + "\n";  // 10000 bytes more
  writeFile(dir / "big.def", def);
  writeFile(dir / "out.def", "old\n");
  const auto oldHandler = signal(SIGXFSZ, SIG_DFL);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const rlimit small{8192, old.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const RunResult r = runEval(dir, {"-lef", kLef, "-def", "big.def", "-guide", "g", "-output", "out.def", "-sim"});
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  EXPECT_NE(r.out.find("[ERROR] save output file fail: out.def: File too large.\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(readFile(dir / "out.def"), "old\n");
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().filename().string().rfind(".velmoreval-", 0), std::string::npos) << entry.path();
}

// An ending signal during a write takes the temporary file with it and
// keeps the old output; one the caller ignores (nohup) stays ignored.
TEST(E2eHostile, EndingSignalsRemoveTheTemporaryFile) {
  struct Case {
    int sig;
    bool ignored;
    std::string left;
  } cases[] = {{SIGINT, false, "old\n"}, {SIGTERM, false, "old\n"}, {SIGHUP, false, "old\n"}, {SIGHUP, true, "new\n"}};
  for (const Case& c : cases) {
    WorkDir dir;
    const std::string path = (dir / "out.def").string();
    writeFile(path, "old\n");
    const pid_t pid = fork();
    if (pid == 0) {
      if (c.ignored) signal(c.sig, SIG_IGN);
      velmor::installOutputSignalHandlers();
      velmor::OutputFile out(path);
      if (!out.open() || !out.write("new\n", 4)) _exit(2);
      raise(c.sig);
      _exit(out.commit() ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    if (c.ignored)
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    else
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.sig) << c.sig << " " << status;
    EXPECT_EQ(readFile(path), c.left) << c.sig;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << c.sig;
  }
}

// The DEF changes in place, size kept, while the copy waits on a reader.
TEST(E2eHostile, DefChangedDuringTheCopyIsNotCopied) {
  WorkDir dir;
  const std::string def = (dir / "d.def").string(), pipe = (dir / "out.pipe").string();
  writeFile(def, std::string(1 << 20, 'x') + "\n");
  const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, def.c_str(), past, 0), 0);  // any write now gives a new time
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  bool ok = true;
  std::thread copy([&] { ok = velmor::IO::writeDef(def, pipe); });
  const int reader = open(pipe.c_str(), O_RDONLY);  // the copy has looked at the DEF by now
  ASSERT_GE(reader, 0);
  const int writer = open(def.c_str(), O_WRONLY);
  ASSERT_EQ(pwrite(writer, "y", 1, 1000000), 1);
  close(writer);
  char block[1 << 16];
  while (read(reader, block, sizeof block) > 0) {
  }
  close(reader);
  copy.join();
  EXPECT_FALSE(ok);
  EXPECT_EQ(velmor::IO::writeFailure(), def + ": changed while it was copied");
}

// M2's x tracks every unit over 0 .. 1999999999 and y tracks over 0 .. 3000:
// cells of 15 units give 1 + (1999999999 - 7 - 1) / 15 = 133333333 columns
// and one row. Evaluation builds no grid at all, nor do GCELLGRID statements
// expand into lines.
TEST(E2eHostile, HugeGridsCostNothingOrStopGuideMode) {
  WorkDir dir;
  dir.addExample({kLef});
  std::string def = readFile(std::filesystem::path(VELMOR_EXAMPLES) / kDef);
  for (const auto& [from, to] :
       {std::pair{"TRACKS X 100 DO 20 STEP 200 LAYER M2", "TRACKS X 0 DO 2000000000 STEP 1 LAYER M2"},
        {"GCELLGRID X 0 DO 5 STEP 1000", "GCELLGRID X 0 DO 100000000 STEP 0 ; GCELLGRID Y 0 DO 2147483647 STEP 1"}})
    def.replace(def.find(from), std::string(from).size(), to);
  writeFile(dir / "huge.def", def);
  writeFile(dir / "velmoreval.w", "");
  const RunResult eval = runEval(dir, {"-lef", kLef, "-def", "huge.def"});
  EXPECT_EQ(eval.status, 0) << eval.out;
  const RunResult gen = runEval(dir, {"-lef", kLef, "-def", "huge.def", "-guide", "out.guide", "-genguide"});
  EXPECT_EQ(gen.out,
            "[ERROR] the GCell grid from the tracks of routing layer M2 would have 133333333 x 1 = "
            "133333333 cells, more than 100000000.\n");
  EXPECT_EQ(gen.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.guide"));
  rusage used{};
  getrusage(RUSAGE_CHILDREN, &used);
  EXPECT_LT(used.ru_maxrss, 100 * 1024);  // kilobytes
}

}  // namespace
