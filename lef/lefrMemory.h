// Allocation functions of the LEF side; they honour the caller's hooks.
#ifndef VELMOR_LEF_LEFRMEMORY_H
#define VELMOR_LEF_LEFRMEMORY_H

#include <cstddef>

namespace LefDefParser {

// Never return null: a failure calls the installed new-handler and tries again, and
// without a handler ends the process. A hook's null result counts as a failure.
void* lefMalloc(size_t size);
void* lefRealloc(void* ptr, size_t size);
// The same on the plain heap, for buffers the caller's hooks never see.
void* lefPlainRealloc(void* ptr, size_t size);
void lefFree(void* ptr);

}  // namespace LefDefParser

#endif
