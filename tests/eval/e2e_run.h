#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// Whole files in and out, and runs of the built velmoreval in a directory of
// its own that keep what it wrote.

struct RunResult {
  std::string out;
  std::string err;
  int status = -1;
};

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A fresh, empty working directory under the system's temporary folder.
class WorkDir {
 public:
  WorkDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmor_e2e_XXXXXX").string();
    path_ = mkdtemp(&pattern[0]) ? pattern : std::string();
  }
  ~WorkDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  WorkDir(const WorkDir&) = delete;
  WorkDir& operator=(const WorkDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  // Copies files of the bundled example in under their own names.
  void addExample(std::initializer_list<const char*> names) const {
    for (const char* n : names)
      std::filesystem::copy_file(std::filesystem::path(VELMOR_EXAMPLES) / n, path_ / n);
  }

 private:
  std::filesystem::path path_;
};

// velmoreval with the given arguments, run in dir; stdout and stderr go to
// files there so that neither pipe can fill up.
inline RunResult runEval(const WorkDir& dir, const std::vector<std::string>& args) {
  const std::filesystem::path outPath = dir / ".stdout", errPath = dir / ".stderr";
  std::vector<std::string> argv{VELMOREVAL_BIN};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv;
  for (std::string& a : argv) cargv.push_back(&a[0]);
  cargv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || chdir(dir.path().c_str()) != 0) _exit(127);
    dup2(out, 1);
    dup2(err, 2);
    execv(cargv[0], cargv.data());
    _exit(127);
  }
  RunResult r;
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) r.status = WEXITSTATUS(status);
  r.out = readFile(outPath);
  r.err = readFile(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return r;
}
