#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include <pthread.h>

namespace velmor {

// Threads for the steps that work net by net. 0, the start, takes the
// cores the process may run on; tests choose a count to compare runs.
void setWorkerCount(unsigned count);
unsigned workerCount();

// Calls work(chunk, first, last) once for each chunk [first, last) of
// [0, n) cut every `chunkSize` items, spread over the workers, and returns
// when all are done. A worker that cannot be started leaves its share to
// the others.
void forEachChunk(std::size_t n, std::size_t chunkSize,
                  const std::function<void(std::size_t chunk, std::size_t first, std::size_t last)>& work);

// A task run on a thread of its own while the caller goes on; wait()
// returns once it is done. Without a thread the task runs in wait().
class Background {
 public:
  explicit Background(std::function<void()> task);
  ~Background() { wait(); }
  Background(const Background&) = delete;
  Background& operator=(const Background&) = delete;

  void wait();

 private:
  std::function<void()> task_;
  const std::string* outOfMemory_;  // the starter's out-of-memory message
  pthread_t thread_{};
  bool started_ = false;
  bool done_ = false;
};

}  // namespace velmor
