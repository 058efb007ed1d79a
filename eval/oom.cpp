#include "eval/oom.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace velmor {

namespace {

// Formatted ahead, since the handler itself must not allocate.
std::string message = "[ERROR] out of memory\n";

void outOfMemory() {
  fflush(nullptr);
  const char* p = message.data();
  size_t left = message.size();
  while (left > 0) {
    const ssize_t n = write(STDOUT_FILENO, p, left);
    if (n <= 0) break;
    p += n;
    left -= static_cast<size_t>(n);
  }
  _exit(1);
}

}  // namespace

void installOutOfMemoryHandler() { std::set_new_handler(outOfMemory); }

void setOutOfMemoryStep(const std::string& step) {
  message = "[ERROR] out of memory while " + step + "\n";
}

}  // namespace velmor
