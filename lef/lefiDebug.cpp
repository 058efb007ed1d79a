#include "lef/lefiDebug.h"

#include <cstdio>
#include <cstring>

#include "lef/lefrData.h"
#include "lef/lefrMemory.h"
#include "lef/lefrSettings.h"

namespace LefDefParser {

namespace {

constexpr unsigned char shiftEntry(int c) {
  return (c < 32 || c > 126) ? 0
         : (c >= 'a' && c <= 'z' && c != 'l') ? static_cast<unsigned char>(c - 'a' + 'A')
                                              : static_cast<unsigned char>(c);
}

const int kDebugFlags = 100;

}  // namespace

const unsigned char lefiShift[256] = {
#define R(c) shiftEntry(c), shiftEntry(c + 1), shiftEntry(c + 2), shiftEntry(c + 3), \
             shiftEntry(c + 4), shiftEntry(c + 5), shiftEntry(c + 6), shiftEntry(c + 7)
    R(0),   R(8),   R(16),  R(24),  R(32),  R(40),  R(48),  R(56),
    R(64),  R(72),  R(80),  R(88),  R(96),  R(104), R(112), R(120),
    R(128), R(136), R(144), R(152), R(160), R(168), R(176), R(184),
    R(192), R(200), R(208), R(216), R(224), R(232), R(240), R(248),
#undef R
};

void lefiError(int alreadyCounted, int msgNum, const char* text) {
  // Outside a read there is nothing to count against.
  if (!alreadyCounted && lefSettings && lefData) {
    if (lefSettings->TotalMsgLimit > 0 &&
        lefData->errorCount >= lefSettings->TotalMsgLimit)
      return;
    if (msgNum >= 0 && msgNum <= kLefMaxMsgNum && lefSettings->MsgLimit[msgNum] > 0) {
      if (lefData->msgCnt[msgNum] >= lefSettings->MsgLimit[msgNum]) return;
      lefData->msgCnt[msgNum]++;
    }
    lefData->errorCount++;
  }
  if (lefSettings && lefSettings->ErrorLogFunction)
    lefSettings->ErrorLogFunction(text);
  else
    fputs(text, stderr);
}

const char* lefUpperCase(const char* name) {
  if (!lefData) return name;
  int len = static_cast<int>(strlen(name)) + 1;
  if (lefData->foldBufSize < len) {
    if (!lefData->foldBuf) {
      int size = len < 64 ? 64 : len;
      lefData->foldBuf = static_cast<char*>(lefMalloc(size));
      lefData->foldBufSize = size;
    } else {
      lefFree(lefData->foldBuf);
      lefData->foldBuf = static_cast<char*>(lefMalloc(len));
      lefData->foldBufSize = len;
    }
  }
  char* out = lefData->foldBuf;
  const unsigned char* in = reinterpret_cast<const unsigned char*>(name);
  while (*in) *out++ = static_cast<char>(lefiShift[*in++]);
  *out = '\0';
  return lefData->foldBuf;
}

const char* CASE(const char* name) {
  if (!lefData || !lefSettings) return name;
  if (lefData->namesCaseSensitive || !lefSettings->ShiftCase) return name;
  return lefUpperCase(name);
}

void lefiSetDebug(int num, int value) {
  if (lefData && num >= 0 && num < kDebugFlags)
    lefData->debug[num] = static_cast<char>(value);
}

int lefiDebug(int num) {
  if (!lefData || num < 0 || num >= kDebugFlags) return 0;
  return static_cast<signed char>(lefData->debug[num]);
}

}  // namespace LefDefParser
