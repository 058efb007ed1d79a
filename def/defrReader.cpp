#include "def/defrReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "def/defrData.h"

namespace LefDefParser {

int defyyparse(defrData* data);
int defyyparseQuiet(defrData* data);

defrContext defContext;

defrContext::defrContext() = default;
defrContext::~defrContext() = default;

defrData* defiCurrentData() { return defContext.data.get(); }

void def_init(const char* func) {
  defrContext& c = defContext;
  if (!c.settings) {
    c.settings.reset(new defrSettings);
    c.init_call_func = func;
  }
  if (!c.callbacks) {
    c.callbacks.reset(new defrCallbacks);
    c.init_call_func = func;
  }
  if (!c.session) {
    c.session.reset(new defrSession);
    c.init_call_func = func;
  }
}

int defrInit() { return defrInitSession(0); }

int defrInitSession(int startSession) {
  defrContext& c = defContext;
  if (startSession) {
    if (c.init_call_func) {
      fprintf(stderr,
              "ERROR: Attempt to call configuration function '%s' in DEF parser before "
              "defrInit() call in session-based mode.\n",
              c.init_call_func);
      return 1;
    }
    if (c.reading) return 1;
    // The old read state points at what is replaced here.
    c.data.reset();
    c.settings.reset(new defrSettings);
    c.callbacks.reset(new defrCallbacks);
    c.session.reset(new defrSession);
  } else {
    if (!c.callbacks) c.callbacks.reset(new defrCallbacks);
    if (!c.settings) c.settings.reset(new defrSettings);
    if (c.session) {
      std::fill(std::begin(c.settings->UnusedCallbacks), std::end(c.settings->UnusedCallbacks),
                0);
    } else {
      c.session.reset(new defrSession);
    }
  }
  c.init_call_func = nullptr;
  return 0;
}

int defrClear() {
  defrContext& c = defContext;
  if (c.reading) return 1;
  c.data.reset();
  c.callbacks.reset();
  c.settings.reset();
  c.session.reset();
  c.init_call_func = nullptr;
  return 0;
}

int defrClearSession() {
  defrContext& c = defContext;
  if (c.reading) return 1;
  if (c.session) {
    c.data.reset();
    c.session.reset(new defrSession);
  }
  return 0;
}

int defrReset() { return 0; }

int defrReleaseNResetMemory() { return 0; }

int defrFName() {
  def_init(__func__);
  return 0;
}

int defrRead(FILE* file, const char* fileName, void* userData, int caseSensitive) {
  defrContext& c = defContext;
  if (c.reading || !file || !fileName || !c.settings || !c.callbacks || !c.session) return 1;
  c.data.reset();
  c.data.reset(new defrData(c.callbacks.get(), c.settings.get(), c.session.get()));
  defrData* data = c.data.get();

  struct stat info;
  if (!c.settings->LogFileAppend && stat("defRWarning.log", &info) == 0)
    remove("defRWarning.log");

  if (c.settings->reader_case_sensitive_set)
    data->names_case_sensitive = c.session->reader_case_sensitive;
  else if (data->VersionNum > 5.5)
    data->names_case_sensitive = 1;

  c.session->FileName = fileName;
  data->File = file;
  c.session->UserData = userData;
  c.session->reader_case_sensitive = caseSensitive;

  const defrCallbacks& cb = *c.callbacks;
  data->collectPaths =
      ((cb.NetCbk || cb.SNetCbk) && c.settings->AddPathToNet) || cb.PathCbk ? 1 : 0;
  if (data->collectPaths) data->Path.Init();

  c.reading = 1;
  int result = defyydebug ? defyyparse(data) : defyyparseQuiet(data);
  c.reading = 0;
  return data->callbackResult ? data->callbackResult : result;
}

void defrSetUserData(void* data) {
  def_init(__func__);
  defContext.session->UserData = data;
}

void* defrGetUserData() {
  return defContext.session ? defContext.session->UserData : nullptr;
}

int defrLineNumber() {
  return defContext.data ? static_cast<int>(defContext.data->nlines) : 0;
}

long long defrLongLineNumber() { return defContext.data ? defContext.data->nlines : 0; }

void defrSetNLines(long long lines) {
  if (defContext.data) defContext.data->nlines = lines;
}

void defrAddAlias(const char* key, const char* value, int marked) {
  if (defContext.data) defContext.data->addAlias(key, value, marked);
}

void defrSetMagicCommentString(char* text) {
  if (defContext.data) defContext.data->magic = text ? text : "";
}

#define DEFR_CALLBACK_SETTERS(name, fnType, unsetName) \
  void defrSet##name##Cbk(fnType f) {                  \
    def_init("defrSet" #name "Cbk");                   \
    defContext.callbacks->name##Cbk = f;               \
  }                                                    \
  void defrUnset##unsetName##Cbk() {                   \
    def_init("defrUnset" #unsetName "Cbk");            \
    defContext.callbacks->name##Cbk = nullptr;         \
  }
DEFR_CALLBACK_SLOTS(DEFR_CALLBACK_SETTERS)
#undef DEFR_CALLBACK_SETTERS

void defrUnsetCallbacks() {
  def_init(__func__);
  // Emptied in place: a callback may call this while the table is in use.
  *defContext.callbacks = defrCallbacks();
}

void defrSetUnusedCallbacks(defrVoidCbkFnType f) {
  def_init(__func__);
  defContext.callbacks->setUnused(f);
}

void defrSetRegisterUnusedCallbacks() {
  def_init(__func__);
  defContext.callbacks->setUnused(defrCountUnused);
}

void defrPrintUnusedCallbacks(FILE* log) {
  def_init(__func__);
  bool first = true;
  for (int code = 0; code < defrUnusedCount; code++) {
    int count = defContext.settings->UnusedCallbacks[code];
    if (count == 0) continue;
    if (first) {
      fprintf(log, "WARNING (DEFPARS-5001): DEF statement found in the def file with no "
                   "callback set.\n");
      first = false;
    }
    fprintf(log, "%5d %s\n", count, typeToString(static_cast<defrCallbackType_e>(code)));
  }
}

int* defUnusedCallbackCount() {
  def_init(__func__);
  return defContext.settings->UnusedCallbacks;
}

int defrCountUnused(defrCallbackType_e type, void*, void*) {
  def_init(__func__);
  int code = type;
  if (code < 1 || code >= defrUnusedCount) return 1;
  defContext.settings->UnusedCallbacks[code]++;
  return 0;
}

int defrCatchAll(defrCallbackType_e type, void*, void*) {
  def_init(__func__);
  int code = type;
  if (code >= 0 && code < defrUnusedCount) {
    defContext.settings->UnusedCallbacks[code]++;
    return 0;
  }
  defContext.settings->UnusedCallbacks[0]++;
  return 1;
}

// Each option setter makes sure the settings exist, then writes its field.
#define DEFR_SETTING(func, field, value) \
  void func {                            \
    def_init(#func);                     \
    defContext.settings->field = value;  \
  }
DEFR_SETTING(defrSetAddPathToNet(), AddPathToNet, 1)
DEFR_SETTING(defrSetAllowComponentNets(), AllowComponentNets, 1)
DEFR_SETTING(defrSetCommentChar(char c), CommentChar, c)
DEFR_SETTING(defrDisablePropStrProcess(), DisPropStrProcess, 1)
DEFR_SETTING(defrSetOpenLogFileAppend(), LogFileAppend, 1)
DEFR_SETTING(defrUnsetOpenLogFileAppend(), LogFileAppend, 0)
DEFR_SETTING(defrSetReadFunction(defrReadFunction f), ReadFunction, f)
DEFR_SETTING(defrUnsetReadFunction(), ReadFunction, nullptr)
DEFR_SETTING(defrSetDeltaNumberLines(int numLines), defiDeltaNumberLines, numLines)
DEFR_SETTING(defrSetLineNumberFunction(defrLineNumberFunction f), LineNumberFunction, f)
DEFR_SETTING(defrSetLongLineNumberFunction(defrLongLineNumberFunction f),
             LongLineNumberFunction, f)
DEFR_SETTING(defrSetLogFunction(defrLogFunction f), ErrorLogFunction, f)
DEFR_SETTING(defrSetWarningLogFunction(defrLogFunction f), WarningLogFunction, f)
DEFR_SETTING(defrSetContextLogFunction(defrContextLogFunction f), ContextErrorLogFunction, f)
DEFR_SETTING(defrSetContextWarningLogFunction(defrContextLogFunction f),
             ContextWarningLogFunction, f)
DEFR_SETTING(defrSetMagicCommentFoundFunction(defrMagicCommentFoundFunction f),
             MagicCommentFoundFunction, f)
DEFR_SETTING(defrSetMallocFunction(defrMallocFunction f), MallocFunction, f)
DEFR_SETTING(defrSetReallocFunction(defrReallocFunction f), ReallocFunction, f)
DEFR_SETTING(defrSetFreeFunction(defrFreeFunction f), FreeFunction, f)
DEFR_SETTING(defrSetTotalMsgLimit(int totNumMsgs), totalDefMsgLimit, totNumMsgs)
#undef DEFR_SETTING

#define DEFR_WARNING_SETTER(name)                          \
  void defrSet##name##Warnings(int warn) {                 \
    def_init("defrSet" #name "Warnings");                  \
    defContext.settings->warningLimit[defrWarn##name] = warn; \
  }
#define DEFR_WARNING_NO_SETTER(name)
DEFR_WARNING_KINDS(DEFR_WARNING_SETTER, DEFR_WARNING_NO_SETTER)
#undef DEFR_WARNING_NO_SETTER
#undef DEFR_WARNING_SETTER

int defrGetAllowComponentNets() {
  def_init(__func__);
  return defContext.settings->AllowComponentNets;
}

void defrSetCaseSensitivity(int caseSense) {
  def_init(__func__);
  defContext.settings->reader_case_sensitive_set = 1;
  defContext.session->reader_case_sensitive = caseSense;
  if (defContext.data) defContext.data->names_case_sensitive = caseSense;
}

void defrDisableParserMsgs(int nMsg, int* msgs) {
  def_init(__func__);
  std::vector<int>& list = defContext.settings->disabledMsgs;
  if (list.empty()) {
    list.assign(msgs, msgs + std::max(nMsg, 0));
    return;
  }
  for (int i = 0; i < nMsg; i++) {
    if (std::find(list.begin(), list.end(), msgs[i]) == list.end()) list.push_back(msgs[i]);
  }
}

void defrEnableParserMsgs(int nMsg, int* msgs) {
  def_init(__func__);
  std::vector<int>& list = defContext.settings->disabledMsgs;
  for (int i = 0; i < nMsg && !list.empty(); i++) {
    auto it = std::find(list.begin(), list.end(), msgs[i]);
    if (it != list.end()) list.erase(it);
  }
}

void defrEnableAllMsgs() {
  def_init(__func__);
  std::vector<int>().swap(defContext.settings->disabledMsgs);
}

void defrSetLimitPerMsg(int msgId, int numMsg) {
  def_init(__func__);
  if (msgId >= defrMsgFirst && msgId <= defrMsgLast)
    defContext.settings->MsgLimit[msgId - defrMsgFirst] = numMsg;
}

}  // namespace LefDefParser
