// Running out of memory ends the run with one "[ERROR] " line naming the step it was in,
// and exit status 1, instead of a signal.
#pragma once

#include <string>

namespace velmor {

// Sets the new-handler that prints the message and ends the process; the readers'
// allocation wrappers call it too. Whichever thread fails first prints; the others wait.
void installOutOfMemoryHandler();

// What the run is doing, as the message ends: "reading FILE", "cleaning the guides", ...
void setOutOfMemoryStep(const std::string& step);

// A step of the calling thread's own while the object lives (a file read beside
// the main one), shown for that thread and the workers it starts.
class ThreadOutOfMemoryStep {
 public:
  explicit ThreadOutOfMemoryStep(const std::string& step);
  ~ThreadOutOfMemoryStep();
  ThreadOutOfMemoryStep(const ThreadOutOfMemoryStep&) = delete;
  ThreadOutOfMemoryStep& operator=(const ThreadOutOfMemoryStep&) = delete;

 private:
  std::string message_;
  const std::string* previous_;
};

// For threads started on another's behalf: the message in effect here, and
// taking over the starter's.
const std::string* threadOutOfMemoryMessage();
void adoptOutOfMemoryMessage(const std::string* message);

}  // namespace velmor
