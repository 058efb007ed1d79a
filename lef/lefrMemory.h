// Allocation functions of the LEF side; they honour the caller's hooks.
#ifndef VELMOR_LEF_LEFRMEMORY_H
#define VELMOR_LEF_LEFRMEMORY_H

#include <cstddef>

namespace LefDefParser {

// Never returns null without a hook: running out of memory ends the process.
void* lefMalloc(size_t size);
void* lefRealloc(void* ptr, size_t size);
void lefFree(void* ptr);

}  // namespace LefDefParser

#endif
