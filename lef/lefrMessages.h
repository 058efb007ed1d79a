// Numbered reader messages.
#ifndef VELMOR_LEF_LEFRMESSAGES_H
#define VELMOR_LEF_LEFRMESSAGES_H

#include <string>

namespace LefDefParser {

// Applies the limits, counts, frames the text with file, line and token and
// hands it to lefiError. Numbers 1300 to 1499 do not block the callbacks.
void lefError(int msgNum, const char* text);
// Warnings and information go to the warning log function or to
// "lefRWarning.log" in the current directory.
void lefWarning(int msgNum, const char* text);
void lefInfo(int msgNum, const char* text);
// The parser's syntax errors, numbered 1, 2, ... in each read.
void lefyyerror(const char* text);
// A token as messages show it: its first 100 bytes, then "..." when it is longer.
std::string lefMessageToken(const char* token);
// printf-style forms that size their buffer from the values.
void lefErrorf(int msgNum, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
void lefWarningf(int msgNum, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

// "ERROR number N" or "WARNING number N" through lefiError, then the process ends with
// status 2. Kept for callers of the library; the reader never calls them.
[[noreturn]] void lefiNerr(int num);
[[noreturn]] void lefiNwarn(int num);

}  // namespace LefDefParser

#endif
