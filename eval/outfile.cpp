#include "eval/outfile.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace velmor {

namespace {

// The temporary file being written, for the signal handler: it must not
// allocate nor take locks, so the path sits in a fixed buffer.
char pendingPath[PATH_MAX + 32];
volatile sig_atomic_t pendingSet = 0;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

void removePendingAndDie(int sig) {
  if (pendingSet) unlink(pendingPath);
  signal(sig, SIG_DFL);
  raise(sig);
}

// Ending signals wait while a temporary file is made and registered, so that
// none is left unregistered.
class EndingSignalsHeld {
 public:
  EndingSignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kEndingSignals) sigaddset(&set, sig);
    pthread_sigmask(SIG_BLOCK, &set, &old_);
  }
  ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }

 private:
  sigset_t old_;
};

void forgetPending() { pendingSet = 0; }

}  // namespace

void installOutputSignalHandlers() {
  signal(SIGXFSZ, SIG_IGN);
  for (int sig : kEndingSignals) {
    struct sigaction old;
    if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;  // nohup's SIGHUP
    struct sigaction action {};
    action.sa_handler = removePendingAndDie;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, nullptr);
  }
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) close(fd_);
  if (temp_.empty()) return;
  unlink(temp_.c_str());
  forgetPending();
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
  {
    const EndingSignalsHeld held;
    fd_ = mkstemp(&pattern[0]);
    if (fd_ < 0) return failErrno();
    temp_ = pattern;
    if (temp_.size() < sizeof pendingPath) {
      std::memcpy(pendingPath, temp_.c_str(), temp_.size() + 1);
      pendingSet = 1;
    }
  }
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
  forgetPending();
  temp_.clear();
  return true;
}

}  // namespace velmor
