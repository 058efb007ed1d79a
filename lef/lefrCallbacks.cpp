#include "lef/lefrCallbacks.h"

namespace LefDefParser {

lefrCallbacks* lefCallbacks = nullptr;

namespace {

template <class T>
void* dataPointer(T* p) {
  return const_cast<void*>(static_cast<const void*>(p));
}
template <class T>
void* dataPointer(const T&) {
  return nullptr;
}

// Calls the unused-callback function stored for the slot through its own
// type, whatever the slot's data type; data that is no pointer is passed as
// null.
template <class T, lefrVoidCbkFnType lefrCallbacks::*fn>
int forwardUnused(lefrCallbackType_e type, T data, lefiUserData userData) {
  return (lefCallbacks->*fn)(type, dataPointer(data), userData);
}

}  // namespace

lefrCallbacks::lefrCallbacks() {
#define LEF_CALLBACK_CLEAR(slot, T, code, label) \
  slot##Cbk = nullptr;                           \
  slot##Unused = nullptr;
  LEF_CALLBACK_SLOTS(LEF_CALLBACK_CLEAR)
#undef LEF_CALLBACK_CLEAR
}

void lefrCallbacks::reset() {
  delete lefCallbacks;
  lefCallbacks = new lefrCallbacks();
}

void lefrCallbacks::setUnused(lefrVoidCbkFnType fn) {
  if (!fn) return;  // null stored into a null slot leaves it null
#define LEF_CALLBACK_UNUSED(slot, T, code, label)               \
  if (!slot##Cbk) {                                             \
    slot##Unused = fn;                                          \
    slot##Cbk = forwardUnused<T, &lefrCallbacks::slot##Unused>; \
  }
  LEF_CALLBACK_SLOTS(LEF_CALLBACK_UNUSED)
#undef LEF_CALLBACK_UNUSED
}

const char* lefrCallbackLabel(int code) {
  switch (code) {
#define LEF_CALLBACK_LABEL(slot, T, code, label) \
  case code:                                     \
    return label;
    LEF_CALLBACK_SLOTS(LEF_CALLBACK_LABEL)
#undef LEF_CALLBACK_LABEL
  }
  return "BOGUS ENTRY";
}

}  // namespace LefDefParser
