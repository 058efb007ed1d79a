#include "eval/io.h"

#include <sys/stat.h>

#include <fstream>

namespace velmor {

namespace {

// A readable input that is not a directory (which opens but reads nothing) and
// is not the output file, which opening the output would truncate.
bool copyable(const std::string& defPath, const std::string& outPath) {
  struct stat in, out;
  if (stat(defPath.c_str(), &in) != 0 || S_ISDIR(in.st_mode)) return false;
  return stat(outPath.c_str(), &out) != 0 || in.st_dev != out.st_dev || in.st_ino != out.st_ino;
}

}  // namespace

// Copies in blocks: the bytes equal a line-by-line copy that ends every line,
// the last one included, with a line feed.
bool IO::writeDef(const std::string& defPath, const std::string& outPath) {
  std::ifstream in(defPath, std::ios::binary);
  if (!in || !copyable(defPath, outPath)) return false;
  std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  char block[1 << 16];
  char last = '\n';
  while (in.read(block, sizeof block), in.gcount() > 0) {
    const std::streamsize n = in.gcount();
    out.write(block, n);
    last = block[n - 1];
    if (!out) return false;
  }
  if (in.bad()) return false;
  if (last != '\n') out.put('\n');
  out.flush();
  if (!out) return false;
  out.close();
  return !out.fail();
}

}  // namespace velmor
