#include "eval/oom.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace velmor {

namespace {

// Formatted ahead, since the handler itself must not allocate.
std::string mainMessage = "[ERROR] out of memory\n";
thread_local const std::string* threadMessage = nullptr;  // null: the main step
std::atomic<bool> reported{false};

void outOfMemory() {
  // One line, whichever threads fail: the first prints and ends the process.
  if (reported.exchange(true))
    for (;;) pause();
  const std::string& message = threadMessage ? *threadMessage : mainMessage;
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

std::string messageOf(const std::string& step) { return "[ERROR] out of memory while " + step + "\n"; }

}  // namespace

void installOutOfMemoryHandler() { std::set_new_handler(outOfMemory); }

void setOutOfMemoryStep(const std::string& step) { mainMessage = messageOf(step); }

ThreadOutOfMemoryStep::ThreadOutOfMemoryStep(const std::string& step)
    : message_(messageOf(step)), previous_(threadMessage) {
  threadMessage = &message_;
}

ThreadOutOfMemoryStep::~ThreadOutOfMemoryStep() { threadMessage = previous_; }

const std::string* threadOutOfMemoryMessage() { return threadMessage; }

void adoptOutOfMemoryMessage(const std::string* message) { threadMessage = message; }

}  // namespace velmor
