#include "eval/outfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace velmor {

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) close(fd_);
  if (!temp_.empty()) unlink(temp_.c_str());
}

bool OutputFile::fail(const std::string& reason) {
  if (failure_.empty()) failure_ = path_ + ": " + reason;
  return false;
}

bool OutputFile::failErrno() { return fail(std::strerror(errno)); }

bool OutputFile::open() {
  // Through a symbolic link the file it points at is replaced, not the link.
  char resolved[PATH_MAX];
  target_ = realpath(path_.c_str(), resolved) ? resolved : path_;
  struct stat st;
  const bool exists = stat(target_.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) return fail(std::strerror(EISDIR));
  if (exists && !S_ISREG(st.st_mode)) {
    fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    return fd_ >= 0 || failErrno();
  }
  const std::size_t slash = target_.rfind('/');
  std::string pattern = slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
  pattern += ".velmoreval-XXXXXX";
  fd_ = mkstemp(&pattern[0]);
  if (fd_ < 0) return failErrno();
  temp_ = pattern;
  // The new file gets the old one's permissions, or those a new file gets.
  mode_t mode = st.st_mode & 07777;
  if (!exists) {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  return fchmod(fd_, mode) == 0 || failErrno();
}

bool OutputFile::write(const char* data, std::size_t size) {
  if (fd_ < 0 || !failure_.empty()) return false;
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? failErrno() : fail(std::strerror(EIO));
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool OutputFile::commit() {
  if (fd_ < 0 || !failure_.empty()) return false;
  // Delayed write errors show up at fsync or close at the latest.
  if (!temp_.empty() && fsync(fd_) != 0) return failErrno();
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) return failErrno();
  if (temp_.empty()) return true;
  if (rename(temp_.c_str(), target_.c_str()) != 0) return failErrno();
  temp_.clear();
  return true;
}

}  // namespace velmor
