#include "eval/workers.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>
#include <vector>

#include "eval/oom.h"

namespace velmor {

namespace {

unsigned chosenWorkers = 0;

struct Share {
  std::size_t n, chunkSize, chunks;
  const std::function<void(std::size_t, std::size_t, std::size_t)>* work;
  const std::string* outOfMemory = threadOutOfMemoryMessage();
  std::atomic<std::size_t> next{0};

  void run() {
    for (std::size_t c = next++; c < chunks; c = next++) {
      const std::size_t first = c * chunkSize;
      (*work)(c, first, first + chunkSize < n ? first + chunkSize : n);
    }
  }
};

void* runShare(void* share) {
  adoptOutOfMemoryMessage(static_cast<Share*>(share)->outOfMemory);
  static_cast<Share*>(share)->run();
  return nullptr;
}

}  // namespace

void setWorkerCount(unsigned count) { chosenWorkers = count; }

unsigned workerCount() {
  if (chosenWorkers > 0) return chosenWorkers;
  // The cores this process may run on (taskset, cpusets), else all of them.
  cpu_set_t allowed;
  if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0)
    return static_cast<unsigned>(CPU_COUNT(&allowed));
  const unsigned cores = std::thread::hardware_concurrency();
  return cores > 0 ? cores : 1;
}

void forEachChunk(std::size_t n, std::size_t chunkSize,
                  const std::function<void(std::size_t, std::size_t, std::size_t)>& work) {
  if (chunkSize == 0) chunkSize = 1;
  Share share;
  share.n = n;
  share.chunkSize = chunkSize;
  share.chunks = (n + chunkSize - 1) / chunkSize;
  share.work = &work;
  const std::size_t helpers = std::min<std::size_t>(workerCount(), share.chunks) - (share.chunks > 0);
  // pthread_create reports a failure where std::thread would throw.
  std::vector<pthread_t> started;
  started.reserve(helpers);
  for (std::size_t i = 0; i < helpers; ++i) {
    pthread_t t;
    if (pthread_create(&t, nullptr, runShare, &share) != 0) break;
    started.push_back(t);
  }
  share.run();
  for (pthread_t t : started) pthread_join(t, nullptr);
}

Background::Background(std::function<void()> task)
    : task_(std::move(task)), outOfMemory_(threadOutOfMemoryMessage()) {
  started_ = pthread_create(
                 &thread_, nullptr,
                 [](void* self) -> void* {
                   adoptOutOfMemoryMessage(static_cast<Background*>(self)->outOfMemory_);
                   static_cast<Background*>(self)->task_();
                   return nullptr;
                 },
                 this) == 0;
}

void Background::wait() {
  if (done_) return;
  done_ = true;
  if (started_)
    pthread_join(thread_, nullptr);
  else
    task_();
}

}  // namespace velmor
