// Reads the input as a LEF file with every callback registered; each record
// is printed to /dev/null so that its accessors run over what the reader
// built. Messages are swallowed, so no warning log is written.
#include <cstdint>
#include <cstdio>
#include <type_traits>

#include "lef/lefiArray.h"
#include "lef/lefiCrossTalk.h"
#include "lef/lefiLayer.h"
#include "lef/lefiMacro.h"
#include "lef/lefiMisc.h"
#include "lef/lefiNonDefault.h"
#include "lef/lefiProp.h"
#include "lef/lefiUnits.h"
#include "lef/lefiVia.h"
#include "lef/lefiViaRule.h"
#include "lef/lefrReader.h"

using namespace LefDefParser;

namespace {

FILE* sink = nullptr;

template <class T>
auto show(T* record, int) -> decltype(record->print(sink), void()) {
  record->print(sink);
}
template <class T>
void show(T*, long) {}
void show(const char* text, int) { fputs(text, sink); }
template <class T>
void show(const T&, long) {}

template <class T>
int onAny(lefrCallbackType_e, T data, void*) {
  if constexpr (std::is_pointer<T>::value) {
    if (data) show(data, 0);
  } else {
    show(data, 0);
  }
  return 0;
}

void quiet(const char*) {}

void setUp() {
  sink = fopen("/dev/null", "w");
  lefrSetLogFunction(quiet);
  lefrSetWarningLogFunction(quiet);
#define LEF_FUZZ_REGISTER(slot, T, code, label) lefrSet##slot##Cbk(onAny<T>);
  LEF_CALLBACK_SLOTS(LEF_FUZZ_REGISTER)
#undef LEF_FUZZ_REGISTER
  lefrInit();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!sink) setUp();
  FILE* f = tmpfile();
  if (!f) return 0;
  fwrite(data, 1, size, f);
  rewind(f);
  lefrRead(f, "fuzz.lef", nullptr);
  fclose(f);
  return 0;
}
