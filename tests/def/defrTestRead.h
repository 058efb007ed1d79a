// Reads DEF texts held in memory and collects the messages the reader produced.
#pragma once

#include <cstdio>
#include <string>

#include "def/defrReader.h"

namespace defrtest {

struct Messages {
  std::string errors;
  std::string warnings;
};

inline Messages& messages() {
  static Messages m;
  return m;
}

inline void logError(const char* text) { messages().errors += text; }
inline void logWarning(const char* text) { messages().warnings += text; }

// Starts from an empty reader whose messages go to messages().
inline void freshReader() {
  LefDefParser::defrClear();
  messages() = Messages();
  LefDefParser::defrSetLogFunction(logError);
  LefDefParser::defrSetWarningLogFunction(logWarning);
}

inline int readText(const std::string& text, const char* fileName = "t.def",
                    void* userData = nullptr, int caseSensitive = 1) {
  LefDefParser::defrInit();
  std::string copy = text;
  FILE* f = fmemopen(copy.empty() ? nullptr : &copy[0], copy.size(), "r");
  if (!f) f = fopen("/dev/null", "r");
  int result = LefDefParser::defrRead(f, fileName, userData, caseSensitive);
  fclose(f);
  return result;
}

}  // namespace defrtest
