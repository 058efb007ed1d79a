// Running out of memory ends the run with one "[ERROR] " line naming the step it was in,
// and exit status 1, instead of a signal.
#pragma once

#include <string>

namespace velmor {

// Sets the new-handler that prints the message and ends the process; the readers'
// allocation wrappers call it too.
void installOutOfMemoryHandler();

// What the run is doing, as the message ends: "reading FILE", "cleaning the guides", ...
void setOutOfMemoryStep(const std::string& step);

}  // namespace velmor
