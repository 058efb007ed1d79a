// Reader configuration that is not a callback: keyword table, options, hooks, warning
// limits and message controls. One instance lives in the reader context.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <map>
#include <string_view>
#include <vector>

namespace LefDefParser {

// Per-section warning limits; the setter of X(Name) is defrSetNameWarnings, those listed
// with N have none.
#define DEFR_WARNING_KINDS(X, N)                                                                 \
  X(Assertion) X(Blockage) X(CaseSensitive) X(Component) X(Constraint) X(DefaultCap) N(Fills)    \
  X(GcellGrid) X(IOTiming) X(Net) X(NonDefault) X(PinExt) X(Pin) X(Region) X(Row) X(Track)       \
  X(Scanchain) X(SNet) X(Styles) X(Units) X(Version) X(Via)

enum defrWarningKind {
#define DEFR_WARNING_ENUM(name) defrWarn##name,
  DEFR_WARNING_KINDS(DEFR_WARNING_ENUM, DEFR_WARNING_ENUM)
#undef DEFR_WARNING_ENUM
  defrWarnKindCount
};

constexpr int defrMsgFirst = 5000;
constexpr int defrMsgLast = 9012;
constexpr int defrMsgCount = defrMsgLast - defrMsgFirst + 1;
constexpr int defrUnusedCount = 150;

struct defCompareCStrings {
  bool operator()(const char* a, const char* b) const { return strcmp(a, b) < 0; }
};

typedef size_t (*defrReadFunction)(FILE*, char*, size_t);
typedef void (*defrLogFunction)(const char*);
typedef void (*defrContextLogFunction)(void*, const char*);
typedef void (*defrMagicCommentFoundFunction)();
typedef void* (*defrMallocFunction)(size_t);
typedef void* (*defrReallocFunction)(void*, size_t);
typedef void (*defrFreeFunction)(void*);
typedef void (*defrLineNumberFunction)(int);
typedef void (*defrLongLineNumberFunction)(long long);

class defrSettings {
public:
  defrSettings();

  void init_symbol_table();
  // Token code of an upper-case keyword, or 0 when the text is no keyword.
  int keywordToken(const char* upper) const;
  bool isDisabled(int msgNum) const;
  int msgLimit(int msgNum) const;

  std::map<const char*, int, defCompareCStrings> Keyword_set;
  // Keyword_set by length and first letter, for the lexer's per-word lookup: the
  // entries of one length and letter sit together, found through keywordRange.
  struct KeywordEntry {
    std::string_view text;
    int token;
  };
  std::vector<KeywordEntry> keywordIndex;
  std::vector<int> keywordRange;  // first entry per (length, letter), then the end
  size_t keywordMaxLen = 0;
  int defiDeltaNumberLines = 10000;
  int warningLimit[defrWarnKindCount];
  int LogFileAppend = 0;
  std::vector<int> disabledMsgs;
  int totalDefMsgLimit = 0;
  int AddPathToNet = 0;
  int AllowComponentNets = 0;
  char CommentChar = '#';
  int DisPropStrProcess = 0;
  int reader_case_sensitive_set = 0;

  defrReadFunction ReadFunction = nullptr;
  defrLogFunction ErrorLogFunction = nullptr;
  defrLogFunction WarningLogFunction = nullptr;
  defrContextLogFunction ContextErrorLogFunction = nullptr;
  defrContextLogFunction ContextWarningLogFunction = nullptr;
  defrMagicCommentFoundFunction MagicCommentFoundFunction = nullptr;
  defrMallocFunction MallocFunction = nullptr;
  defrReallocFunction ReallocFunction = nullptr;
  defrFreeFunction FreeFunction = nullptr;
  defrLineNumberFunction LineNumberFunction = nullptr;
  defrLongLineNumberFunction LongLineNumberFunction = nullptr;

  int UnusedCallbacks[defrUnusedCount] = {};
  int MsgLimit[defrMsgCount] = {};
};

}  // namespace LefDefParser
