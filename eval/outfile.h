#pragma once

#include <string>

namespace velmor {

// An output file written whole or not at all. A regular file (or a new one)
// is written to a temporary file in its folder, which replaces it only after
// a complete write and close; an existing file of another kind (a device, a
// pipe) is written in place. Whatever fails leaves the old file as it was and
// keeps the path and the system's reason for the message.
class OutputFile {
 public:
  explicit OutputFile(const std::string& path) : path_(path) {}
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool open();
  bool write(const char* data, std::size_t size);
  // Closes and puts the file in place; false when anything failed on the way.
  bool commit();
  // "path: reason" of the first failure; empty while none.
  const std::string& failure() const { return failure_; }

 private:
  bool fail(const std::string& reason);
  bool failErrno();

  std::string path_;
  std::string target_;  // the path with its symbolic links resolved
  std::string temp_;    // empty when writing in place
  int fd_ = -1;
  std::string failure_;
};

// For main: a write past the file size limit fails (EFBIG) instead of ending
// the run, and SIGINT, SIGTERM or SIGHUP remove the temporary file being
// written before they end it. A signal the caller ignores stays ignored.
void installOutputSignalHandlers();

// True when both paths name one existing file (device and inode).
bool sameFile(const std::string& a, const std::string& b);

}  // namespace velmor
