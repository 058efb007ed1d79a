#include "lef/lefrMessages.h"

#include <unistd.h>

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lef/lefiDebug.h"
#include "lef/lefrData.h"
#include "lef/lefrSettings.h"

namespace LefDefParser {

namespace {

std::string shownToken(const char* token) {
  return isgraph(static_cast<unsigned char>(token[0])) ? lefMessageToken(token) : "<unprintable>";
}

// An unprintable token is shown as "<unprintable>", which does not end with ';'.
bool endsWithSemicolon(const char* token) {
  if (!isgraph(static_cast<unsigned char>(token[0]))) return false;
  size_t len = strlen(token);
  return len > 2 && token[len - 1] == ';';
}

// printf into a string of whatever length the values need.
template <class... A>
std::string format(const char* fmt, A... args) {
  int len = snprintf(nullptr, 0, fmt, args...);
  std::string out(len > 0 ? len : 0, '\0');
  if (len > 0) snprintf(&out[0], len + 1, fmt, args...);
  return out;
}

std::string vformat(const char* fmt, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int len = vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out(len > 0 ? len : 0, '\0');
  if (len > 0) vsnprintf(&out[0], len + 1, fmt, args);
  return out;
}

std::string currentDir() {
  char* cwd = getcwd(nullptr, 0);
  std::string dir = cwd ? cwd : ".";
  free(cwd);
  return dir;
}

// The parts in which a warning and an info differ.
struct LogKind {
  const char* word;       // "WARNING" or "INFO"
  const char* header;     // first line of a new log file
  int unopenedNum;        // number of the "Unable to open" message
  const char* unopened;   // line printed after it
};

const LogKind kWarningKind = {"WARNING", "Warnings from file: %s\n\n", 2500,
                              "Warning messages will not be printed."};
const LogKind kInfoKind = {"INFO", "Info from file: %s\n\n", 3500,
                           "Info messages will not be printed."};

void deliver(const LogKind& kind, int msgNum, const char* text) {
  const char* file = lefData->fileName ? lefData->fileName : "";
  int line = lefData->lineNumber;
  if (lefSettings->WarningLogFunction) {
    std::string msg = format("%s (LEFPARS-%d): %s See file %s at line %d.\n", kind.word,
                             msgNum, text, file, line);
    lefSettings->WarningLogFunction(msg.c_str());
    return;
  }
  if (!lefData->lefrLog) {
    lefData->lefrLog = fopen(kLefWarningLog, lefSettings->LogFileAppend ? "a" : "w");
    if (!lefData->lefrLog) {
      printf("WARNING (LEFPARS-%d): Unable to open the file lefRWarning.log in %s.\n",
             kind.unopenedNum, currentDir().c_str());
      puts(kind.unopened);
      return;
    }
    fprintf(lefData->lefrLog, kind.header, file);
  }
  fprintf(lefData->lefrLog, "%s (LEFPARS-%d): %s See file %s at line %d\n", kind.word,
          msgNum, text, file, line);
}

// The per-number limit; false when the message must not be shown.
bool withinMsgLimit(int msgNum) {
  if (msgNum < 0 || msgNum > kLefMaxMsgNum) return true;
  int limit = lefSettings->MsgLimit[msgNum];
  if (limit <= 0) return true;
  if (lefData->msgCnt[msgNum] >= limit) {
    if (!lefData->msgLimitReported[msgNum]) {
      lefData->msgLimitReported[msgNum] = 1;
      lefWarningf(2503, "Message (LEFPARS-%d) has exceeded the message display limit of %d",
                  msgNum, limit);
    }
    return false;
  }
  lefData->msgCnt[msgNum]++;
  return true;
}

// Suppression of disabled numbers; false when the message must not be shown.
bool notSuppressed(int msgNum) {
  switch (lefSettings->suppresMsg(msgNum)) {
    case 0:
      return true;
    case 1:
      lefWarningf(2502, "Message (LEFPARS-%d) has been suppressed from output.", msgNum);
      return false;
    default:
      return false;
  }
}

bool readActive() { return lefData && lefSettings; }

}  // namespace

void lefError(int msgNum, const char* text) {
  if (!lefData || !lefSettings) {
    lefiError(1, msgNum, text);
    return;
  }
  const char* token = lefData->currentToken;
  const char* prev = lefData->prevToken;
  const char* file = lefData->fileName ? lefData->fileName : "";
  int line = lefData->lineNumber;

  if (lefData->eofReported) return;
  if (lefSettings->TotalMsgLimit > 0 && lefData->errorCount >= lefSettings->TotalMsgLimit)
    return;
  if (msgNum >= 0 && msgNum <= kLefMaxMsgNum && lefSettings->MsgLimit[msgNum] > 0) {
    if (lefData->msgCnt[msgNum] >= lefSettings->MsgLimit[msgNum]) return;
    lefData->msgCnt[msgNum]++;
  }

  std::string msg;
  bool parseError = strcmp(text, "parse error") == 0;
  if (parseError || strcmp(text, "syntax error") == 0) {
    if (endsWithSemicolon(token)) {
      msg = format("ERROR (LEFPARS-%d): %s, see file %s at line %d\nLast token was <%s>, "
                   "space is missing before <;>\n",
                   msgNum, text, file, line, shownToken(token).c_str());
    } else if (endsWithSemicolon(prev)) {
      msg = format("ERROR (LEFPARS-%d): %s, see file %s at line %d\nLast token was <%s>, "
                   "space is missing before <;>\n",
                   msgNum, text, file, line - 1, shownToken(prev).c_str());
    } else if (token[0] == '"' && lefData->spaceMissing) {
      msg = format("ERROR (LEFPARS-%d): %s, see file %s at line %d\nLast token was <%s\">, "
                   "space is missing between the closing \" of the string and ;.\n",
                   parseError ? 1010 : 1011, text, file, line, shownToken(token).c_str());
      lefData->spaceMissing = 0;
    } else {
      msg = format("ERROR (LEFPARS-%d): Lef parser has encountered an error in file %s at "
                   "line %d, on token %s.\nProblem can be syntax error on the lef file or "
                   "an invalid parameter name.\nDouble check the syntax on the lef file "
                   "with the LEFDEF Reference Manual.\n",
                   msgNum, file, line, shownToken(token).c_str());
    }
  } else {
    msg = format("ERROR (LEFPARS-%d): %s Error in file %s at line %d, on token %s.\n",
                 msgNum, text, file, line, shownToken(token).c_str());
  }

  fflush(stdout);
  lefiError(1, msgNum, msg.c_str());
  lefData->errorCount++;
  if (msgNum < 1300 || msgNum > 1499) lefData->blockingErrors++;
}


void lefWarning(int msgNum, const char* text) {
  if (!readActive() || lefSettings->dAllMsgs) return;
  if (msgNum != 2502 && msgNum != 2503 && !notSuppressed(msgNum)) return;
  if (lefSettings->TotalMsgLimit > 0 && lefData->warningCount >= lefSettings->TotalMsgLimit)
    return;
  if (!withinMsgLimit(msgNum)) return;
  lefData->warningCount++;
  deliver(kWarningKind, msgNum, text);
}

void lefInfo(int msgNum, const char* text) {
  if (!readActive() || !notSuppressed(msgNum)) return;
  if (lefSettings->TotalMsgLimit > 0 && lefData->infoCount >= lefSettings->TotalMsgLimit)
    return;
  if (!withinMsgLimit(msgNum)) return;
  lefData->infoCount++;
  deliver(kInfoKind, msgNum, text);
}

std::string lefMessageToken(const char* token) {
  const size_t kShown = 100;
  size_t len = strnlen(token, kShown + 1);
  return len <= kShown ? std::string(token, len) : std::string(token, kShown) + "...";
}

void lefyyerror(const char* text) { lefError(lefData->syntaxErrNum++, text); }

void lefErrorf(int msgNum, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string text = vformat(fmt, args);
  va_end(args);
  lefError(msgNum, text.c_str());
}

void lefWarningf(int msgNum, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string text = vformat(fmt, args);
  va_end(args);
  lefWarning(msgNum, text.c_str());
}

[[noreturn]] static void endWithNumber(const char* kind, int num) {
  std::string text = kind + (" number " + std::to_string(num)) + "\n";
  // Delivered whatever the limits say: the process ends on it.
  lefiError(1, num, text.c_str());
  exit(2);
}

void lefiNerr(int num) { endWithNumber("ERROR", num); }
void lefiNwarn(int num) { endWithNumber("WARNING", num); }

}  // namespace LefDefParser
