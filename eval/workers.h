#pragma once

#include <cstddef>
#include <functional>

namespace velmor {

// Threads for the steps that work net by net. 0, the start, takes the
// machine's cores; tests choose a count to compare runs.
void setWorkerCount(unsigned count);
unsigned workerCount();

// Calls work(chunk, first, last) once for each chunk [first, last) of
// [0, n) cut every `chunkSize` items, spread over the workers, and returns
// when all are done. A worker that cannot be started leaves its share to
// the others.
void forEachChunk(std::size_t n, std::size_t chunkSize,
                  const std::function<void(std::size_t chunk, std::size_t first, std::size_t last)>& work);

}  // namespace velmor
