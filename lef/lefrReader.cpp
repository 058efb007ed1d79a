#include "lef/lefrReader.h"

#include <cstring>

#include "lef/lefiDebug.h"
#include "lef/lefrData.h"

namespace LefDefParser {

int lefyyparse();

const char* init_call_func = nullptr;
int lefrUnusedCount[100];

void lef_init(const char* caller) {
  if (!lefSettings) {
    lefrSettings::reset();
    init_call_func = caller;
  }
  if (!lefCallbacks) {
    lefrCallbacks::reset();
    init_call_func = caller;
  }
}

int lefrInitSession(int startSession) {
  if (!startSession) {
    if (!lefCallbacks) lefrCallbacks::reset();
    if (!lefSettings) lefrSettings::reset();
    return 0;
  }
  if (init_call_func) {
    fprintf(stderr,
            "ERROR: Attempt to call configuration function '%s' in LEF parser before "
            "lefrInit() call in session-based mode.\n",
            init_call_func);
    return 1;
  }
  lefrCallbacks::reset();
  lefrSettings::reset();
  return 0;
}

int lefrInit() { return lefrInitSession(0); }

int lefrReset() { return 0; }

int lefrReleaseNResetMemory() { return 0; }

int lefrClear() {
  delete lefData;
  lefData = nullptr;
  delete lefCallbacks;
  lefCallbacks = nullptr;
  delete lefSettings;
  lefSettings = nullptr;
  return 0;
}

// Not a configuration call: it makes only the table and records nothing,
// so a session may still start after it.
void lefrUnsetCallbacks() { lefrCallbacks::reset(); }

int lefrRead(FILE* file, const char* fileName, void* userData) {
  lef_init("lefrRead");
  lefrData::reset();

  double version = lefSettings->VersionNum;
  lefData->versionNum = version != 0.0 ? version : 5.8;
  if (lefSettings->CaseSensitiveSet) lefData->namesCaseSensitive = lefSettings->CaseSensitive;
  // Below 5.6 the library must end with END LIBRARY, whoever set the version.
  lefData->doneLib = lefData->versionNum >= 5.6;

  lefData->fileNameCopy = fileName ? fileName : "";
  lefData->fileName = lefData->fileNameCopy.c_str();
  lefData->lefrFile = file;
  lefSettings->UserData = userData;
  return lefyyparse();
}

int lefrLineNumber() { return lefData ? lefData->lineNumber : 0; }

const char* lefrFName() { return lefData ? lefData->fileName : nullptr; }

void lefrSetUserData(void* userData) {
  lef_init("lefrSetUserData");
  lefSettings->UserData = userData;
}

void* lefrGetUserData() {
  lef_init("lefrGetUserData");
  return lefSettings->UserData;
}

#define LEF_CALLBACK_SETTERS(slot, T, code, label) \
  void lefrSet##slot##Cbk(lefrCbkFn<T> fn) {       \
    lef_init("lefrSet" #slot "Cbk");               \
    lefCallbacks->slot##Cbk = fn;                  \
  }                                                \
  void lefrUnset##slot##Cbk() {                    \
    lef_init("lefrUnset" #slot "Cbk");             \
    lefCallbacks->slot##Cbk = nullptr;             \
  }
LEF_CALLBACK_SLOTS(LEF_CALLBACK_SETTERS)
#undef LEF_CALLBACK_SETTERS

void lefrSetUnusedCallbacks(lefrVoidCbkFnType fn) {
  lef_init("lefrSetUnusedCallbacks");
  lefCallbacks->setUnused(fn);
}

int lefrCountFunc(lefrCallbackType_e type, void* data, lefiUserData userData) {
  lef_init("lefrCountFunc");
  if (lefiDebug(23)) printf("count %d 0x%p 0x%p\n", type, data, userData);
  // Callers may pass any number cast to the type.
  int code = static_cast<int>(type);
  if (code < 0 || code > 99) return 1;
  lefrUnusedCount[code]++;
  return 0;
}

void lefrSetRegisterUnusedCallbacks() {
  lef_init("lefrSetRegisterUnusedCallbacks");
  lefSettings->RegisterUnused = 1;
  lefrSetUnusedCallbacks(lefrCountFunc);
  memset(lefrUnusedCount, 0, sizeof(lefrUnusedCount));
}

void lefrPrintUnusedCallbacks(FILE* out) {
  lef_init("lefrPrintUnusedCallbacks");
  if (!lefSettings->RegisterUnused) {
    fputs("ERROR (LEFPARS-101): lefrSetRegisterUnusedCallbacks was not called to setup this "
          "data.\n",
          out);
    return;
  }
  bool header = false;
  for (int code = 0; code < 100; code++) {
    if (!lefrUnusedCount[code]) continue;
    const char* label = lefrCallbackLabel(code);
    if (!label) continue;
    if (!header) {
      fputs("WARNING (LEFPARS-201): LEF items that were present but ignored because of no "
            "callback:\n",
            out);
      header = true;
    }
    fprintf(out, "%s %d\n", label, lefrUnusedCount[code]);
  }
}

int validateMaskNumber(int num) {
  if (num < 0) return 0;
  for (int digits = 0; digits < 3; digits++) {
    if (num % 10 > 3) return 0;
    num /= 10;
    if (num == 0) return 1;
  }
  return 0;
}

void lefrSetLogFunction(LEFI_LOG_FUNCTION fn) {
  lef_init("lefrSetLogFunction");
  lefSettings->ErrorLogFunction = fn;
}

void lefrSetWarningLogFunction(LEFI_LOG_FUNCTION fn) {
  lef_init("lefrSetWarningLogFunction");
  lefSettings->WarningLogFunction = fn;
}

void lefrSetMallocFunction(LEFI_MALLOC_FUNCTION fn) {
  lef_init("lefrSetMallocFunction");
  lefSettings->MallocFunction = fn;
}

void lefrSetReallocFunction(LEFI_REALLOC_FUNCTION fn) {
  lef_init("lefrSetReallocFunction");
  lefSettings->ReallocFunction = fn;
}

void lefrSetFreeFunction(LEFI_FREE_FUNCTION fn) {
  lef_init("lefrSetFreeFunction");
  lefSettings->FreeFunction = fn;
}

void lefrSetLineNumberFunction(LEFI_LINE_NUMBER_FUNCTION fn) {
  lef_init("lefrSetLineNumberFunction");
  lefSettings->LineNumberFunction = fn;
}

void lefrSetDeltaNumberLines(int delta) {
  lef_init("lefrSetDeltaNumberLines");
  // The line number is taken modulo the delta.
  if (delta > 0) lefSettings->DeltaNumberLines = delta;
}

void lefrSetReadFunction(LEFI_READ_FUNCTION fn) {
  lef_init("lefrSetReadFunction");
  lefSettings->ReadFunction = fn;
}

void lefrUnsetReadFunction() {
  lef_init("lefrUnsetReadFunction");
  lefSettings->ReadFunction = nullptr;
}

void lefrSetShiftCase() {
  lef_init("lefrSetShiftCase");
  lefSettings->ShiftCase = 1;
}

void lefrSetCommentChar(char c) {
  lef_init("lefrSetCommentChar");
  lefSettings->CommentChar = c;
}

void lefrSetCaseSensitivity(int caseSense) {
  lef_init("lefrSetCaseSensitivity");
  lefSettings->CaseSensitive = caseSense;
  lefSettings->CaseSensitiveSet = 1;
  if (lefData) lefData->namesCaseSensitive = caseSense;
}

void lefrSetRelaxMode() {
  lef_init("lefrSetRelaxMode");
  lefSettings->RelaxMode = 1;
}

void lefrUnsetRelaxMode() {
  lef_init("lefrUnsetRelaxMode");
  lefSettings->RelaxMode = 0;
}

void lefrSetVersionValue(const char* version) {
  lef_init("lefrSetVersionValue");
  lefSettings->VersionNum = convert_name2num(version);
}

void lefrSetOpenLogFileAppend() {
  lef_init("lefrSetOpenLogFileAppend");
  lefSettings->LogFileAppend = 1;
}

void lefrUnsetOpenLogFileAppend() {
  lef_init("lefrUnsetOpenLogFileAppend");
  lefSettings->LogFileAppend = 0;
}

void lefrDisablePropStrProcess() {
  lef_init("lefrDisablePropStrProcess");
  lefSettings->DisPropStrProcess = 1;
}

void lefrRegisterLef58Type(const char* lef58Type, const char* layerType) {
  lef_init("lefrRegisterLef58Type");
  const char* layerTypes[] = {layerType, ""};
  lefSettings->addLef58Type(lef58Type, layerTypes);
}

#define LEF_WARNING_SETTER(kind)                \
  void lefrSet##kind##Warnings(int limit) {     \
    lef_init("lefrSet" #kind "Warnings");       \
    lefSettings->kind##Warnings = limit;       \
  }
LEF_WARNING_KINDS(LEF_WARNING_SETTER)
#undef LEF_WARNING_SETTER

void lefrDisableParserMsgs(int count, int* msgs) {
  lef_init("lefrDisableParserMsgs");
  for (int i = 0; i < count; i++) lefSettings->disableMsg(msgs[i]);
}

void lefrEnableParserMsgs(int count, int* msgs) {
  lef_init("lefrEnableParserMsgs");
  for (int i = 0; i < count; i++) lefSettings->enableMsg(msgs[i]);
}

void lefrEnableAllMsgs() {
  lef_init("lefrEnableAllMsgs");
  lefSettings->enableAllMsgs();
}

void lefrDisableAllMsgs() {
  lef_init("lefrDisableAllMsgs");
  lefSettings->msgsDisabled.clear();
  lefSettings->dAllMsgs = 1;
}

void lefrSetTotalMsgLimit(int limit) {
  lef_init("lefrSetTotalMsgLimit");
  lefSettings->TotalMsgLimit = limit;
}

void lefrSetLimitPerMsg(int msgNum, int limit) {
  lef_init("lefrSetLimitPerMsg");
  if (msgNum > 0 && msgNum <= kLefMaxMsgNum) lefSettings->MsgLimit[msgNum] = limit;
}

}  // namespace LefDefParser
