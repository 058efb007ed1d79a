#include "lef/lefrMemory.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "lef/lefrSettings.h"

namespace LefDefParser {

namespace {

// As operator new does: a failed request calls the installed new-handler (which frees
// memory or ends the process) and is tried again; without a handler the read stops here.
// A null result of a caller's hook is a failure too, never handed on.
template <class Attempt>
void* retried(Attempt attempt) {
  for (;;) {
    if (void* mem = attempt()) return mem;
    std::new_handler handler = std::get_new_handler();
    if (!handler) {
      fputs("ERROR (LEFPARS-1009): Not enough memory, stop parsing!\n", stderr);
      exit(1);
    }
    handler();
  }
}

// Zero-byte requests may answer null (realloc frees the block); one byte never does.
size_t atLeastOne(size_t size) { return size ? size : 1; }

}  // namespace

void* lefMalloc(size_t size) {
  size = atLeastOne(size);
  if (lefSettings && lefSettings->MallocFunction) {
    LEFI_MALLOC_FUNCTION hook = lefSettings->MallocFunction;
    return retried([&] { return hook(static_cast<int>(size)); });
  }
  return retried([&] { return malloc(size); });
}

void* lefRealloc(void* ptr, size_t size) {
  size = atLeastOne(size);
  if (lefSettings && lefSettings->ReallocFunction) {
    LEFI_REALLOC_FUNCTION hook = lefSettings->ReallocFunction;
    return retried([&] { return hook(ptr, static_cast<int>(size)); });
  }
  return lefPlainRealloc(ptr, size);
}

void* lefPlainRealloc(void* ptr, size_t size) {
  size = atLeastOne(size);
  return retried([&] { return realloc(ptr, size); });
}

void lefFree(void* ptr) {
  if (lefSettings && lefSettings->FreeFunction)
    lefSettings->FreeFunction(ptr);
  else
    free(ptr);
}

}  // namespace LefDefParser
