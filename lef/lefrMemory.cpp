#include "lef/lefrMemory.h"

#include <cstdio>
#include <cstdlib>

#include "lef/lefrSettings.h"

namespace LefDefParser {

void* lefMalloc(size_t size) {
  if (lefSettings && lefSettings->MallocFunction)
    return lefSettings->MallocFunction(static_cast<int>(size));
  void* mem = malloc(size);
  if (!mem) {
    fputs("ERROR (LEFPARS-1009): Not enough memory, stop parsing!\n", stderr);
    exit(1);
  }
  return mem;
}

void* lefRealloc(void* ptr, size_t size) {
  if (lefSettings && lefSettings->ReallocFunction)
    return lefSettings->ReallocFunction(ptr, static_cast<int>(size));
  return realloc(ptr, size);
}

void lefFree(void* ptr) {
  if (lefSettings && lefSettings->FreeFunction)
    lefSettings->FreeFunction(ptr);
  else
    free(ptr);
}

}  // namespace LefDefParser
