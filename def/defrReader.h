// The DEF reader interface: configuration, callback registration and defrRead.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "def/defiPropType.h"
#include "def/defrCallbacks.h"
#include "def/defrSettings.h"

namespace LefDefParser {

class defrData;

// What outlives one read: file name, case value, user data and property definitions.
class defrSession {
public:
  std::string FileName;  // copied, so the caller's text may go away
  int reader_case_sensitive = 0;
  void* UserData = nullptr;

  defiPropType CompProp;
  defiPropType CompPinProp;
  defiPropType DesignProp;
  defiPropType GroupProp;
  defiPropType NDefProp;
  defiPropType NetProp;
  defiPropType RegionProp;
  defiPropType RowProp;
  defiPropType SNetProp;
};

// The reader's one global context.
class defrContext {
public:
  std::unique_ptr<defrSettings> settings;
  std::unique_ptr<defrCallbacks> callbacks;
  std::unique_ptr<defrSession> session;
  std::unique_ptr<defrData> data;
  const char* init_call_func = nullptr;
  int reading = 0;  // a read is in progress: state must not be replaced under it

  defrContext();
  ~defrContext();
};

extern defrContext defContext;

// Set-up and tear-down.
void def_init(const char* func);
int defrInit();
int defrInitSession(int startSession);
int defrClear();
int defrClearSession();
int defrReset();
int defrReleaseNResetMemory();
int defrFName();

int defrRead(FILE* file, const char* fileName, void* userData, int caseSensitive);

// Non-zero: the parser traces its steps on standard error.
extern int defyydebug;

void defrSetUserData(void* data);
void* defrGetUserData();

// Operations on the state of the latest read.
int defrLineNumber();
long long defrLongLineNumber();
void defrSetNLines(long long lines);
void defrAddAlias(const char* key, const char* value, int marked);
void defrSetMagicCommentString(char* text);

// Callbacks.
#define DEFR_CALLBACK_SETTERS(name, fnType, unsetName) \
  void defrSet##name##Cbk(fnType f);                  \
  void defrUnset##unsetName##Cbk();
DEFR_CALLBACK_SLOTS(DEFR_CALLBACK_SETTERS)
#undef DEFR_CALLBACK_SETTERS

void defrUnsetCallbacks();
void defrSetUnusedCallbacks(defrVoidCbkFnType f);
void defrSetRegisterUnusedCallbacks();
void defrPrintUnusedCallbacks(FILE* log);
int* defUnusedCallbackCount();
int defrCountUnused(defrCallbackType_e type, void* data, void* userData);
int defrCatchAll(defrCallbackType_e type, void* data, void* userData);

// Options and hooks.
void defrSetAddPathToNet();
void defrSetAllowComponentNets();
int defrGetAllowComponentNets();
void defrSetCommentChar(char c);
void defrDisablePropStrProcess();
void defrSetCaseSensitivity(int caseSense);
void defrSetOpenLogFileAppend();
void defrUnsetOpenLogFileAppend();
void defrSetReadFunction(defrReadFunction f);
void defrUnsetReadFunction();
void defrSetDeltaNumberLines(int numLines);
void defrSetLineNumberFunction(defrLineNumberFunction f);
void defrSetLongLineNumberFunction(defrLongLineNumberFunction f);
void defrSetLogFunction(defrLogFunction f);
void defrSetWarningLogFunction(defrLogFunction f);
void defrSetContextLogFunction(defrContextLogFunction f);
void defrSetContextWarningLogFunction(defrContextLogFunction f);
void defrSetMagicCommentFoundFunction(defrMagicCommentFoundFunction f);
void defrSetMallocFunction(defrMallocFunction f);
void defrSetReallocFunction(defrReallocFunction f);
void defrSetFreeFunction(defrFreeFunction f);

// Warning limits.
#define DEFR_WARNING_SETTER(name) void defrSet##name##Warnings(int warn);
#define DEFR_WARNING_NO_SETTER(name)
DEFR_WARNING_KINDS(DEFR_WARNING_SETTER, DEFR_WARNING_NO_SETTER)
#undef DEFR_WARNING_NO_SETTER
#undef DEFR_WARNING_SETTER

// Message control.
void defrDisableParserMsgs(int nMsg, int* msgs);
void defrEnableParserMsgs(int nMsg, int* msgs);
void defrEnableAllMsgs();
void defrSetTotalMsgLimit(int totNumMsgs);
void defrSetLimitPerMsg(int msgId, int numMsg);

}  // namespace LefDefParser
