// The LEF reader interface: register callbacks, set options, read a file.
// A read runs the parser on the caller's thread; it keeps its state in
// globals, so one read at a time per process, and a callback must not start
// another. The parser keeps about 180 KB of stack on its own frame.
#ifndef VELMOR_LEF_LEFRREADER_H
#define VELMOR_LEF_LEFRREADER_H

#include <cstdio>

#include "lef/lefrCallbacks.h"
#include "lef/lefrSettings.h"

namespace LefDefParser {

// Name of the configuration function that last created the settings or the
// callback table; never cleared.
extern const char* init_call_func;
// Statements counted by lefrCountFunc, by type code.
extern int lefrUnusedCount[100];

// Creates the settings and the callback table where missing.
void lef_init(const char* caller);
// 0: make what is missing. Otherwise start a session with fresh settings
// and callbacks, which fails (1) after any configuration call.
int lefrInitSession(int startSession = 1);
int lefrInit();
int lefrReset();
int lefrReleaseNResetMemory();
// Frees the per-read state, the callbacks and the settings.
int lefrClear();
void lefrUnsetCallbacks();

// Reads an open file; the caller keeps and closes it. 0 when read to its
// end, 1 after errors, 2 when the parser's stack ran out, or the nonzero
// value a callback returned.
int lefrRead(FILE* file, const char* fileName, void* userData);
int lefrLineNumber();
// Null before the first read.
const char* lefrFName();

void lefrSetUserData(void* userData);
void* lefrGetUserData();

#define LEF_CALLBACK_SETTERS(slot, T, code, label) \
  void lefrSet##slot##Cbk(lefrCbkFn<T> fn);        \
  void lefrUnset##slot##Cbk();
LEF_CALLBACK_SLOTS(LEF_CALLBACK_SETTERS)
#undef LEF_CALLBACK_SETTERS

void lefrSetUnusedCallbacks(lefrVoidCbkFnType fn);
int lefrCountFunc(lefrCallbackType_e type, void* data, lefiUserData userData);
void lefrSetRegisterUnusedCallbacks();
void lefrPrintUnusedCallbacks(FILE* out);

// 1 for a mask number of at most three digits 0 to 3.
int validateMaskNumber(int num);

// Options.
void lefrSetLogFunction(LEFI_LOG_FUNCTION fn);
void lefrSetWarningLogFunction(LEFI_LOG_FUNCTION fn);
void lefrSetMallocFunction(LEFI_MALLOC_FUNCTION fn);
void lefrSetReallocFunction(LEFI_REALLOC_FUNCTION fn);
void lefrSetFreeFunction(LEFI_FREE_FUNCTION fn);
void lefrSetLineNumberFunction(LEFI_LINE_NUMBER_FUNCTION fn);
// Non-positive deltas are ignored.
void lefrSetDeltaNumberLines(int delta);
void lefrSetReadFunction(LEFI_READ_FUNCTION fn);
void lefrUnsetReadFunction();
void lefrSetShiftCase();
void lefrSetCommentChar(char c);
void lefrSetCaseSensitivity(int caseSense);
void lefrSetRelaxMode();
void lefrUnsetRelaxMode();
void lefrSetVersionValue(const char* version);
void lefrSetOpenLogFileAppend();
void lefrUnsetOpenLogFileAppend();
void lefrDisablePropStrProcess();
void lefrRegisterLef58Type(const char* lef58Type, const char* layerType);
#define LEF_WARNING_SETTER(kind) void lefrSet##kind##Warnings(int limit);
LEF_WARNING_KINDS(LEF_WARNING_SETTER)
#undef LEF_WARNING_SETTER

// Message control.
void lefrDisableParserMsgs(int count, int* msgs);
void lefrEnableParserMsgs(int count, int* msgs);
void lefrEnableAllMsgs();
void lefrDisableAllMsgs();
void lefrSetTotalMsgLimit(int limit);
// Numbers 1 to 4700 only.
void lefrSetLimitPerMsg(int msgNum, int limit);

}  // namespace LefDefParser

#endif
