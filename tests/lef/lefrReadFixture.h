// Fixture for reading LEF texts: a clean reader for each test, error and
// warning texts captured through the log functions, and a journal of the
// callbacks that ran.
#ifndef VELMOR_TESTS_LEF_LEFRREADFIXTURE_H
#define VELMOR_TESTS_LEF_LEFRREADFIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefrReader.h"

namespace lefTest {

struct ReadLog {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;  // warnings and information
  std::vector<std::string> calls;     // one line per callback
};

inline ReadLog& readLog() {
  static ReadLog log;
  return log;
}

inline void logError(const char* text) { readLog().errors.push_back(text); }
inline void logWarning(const char* text) { readLog().warnings.push_back(text); }
inline void journal(const std::string& line) { readLog().calls.push_back(line); }

// A number as the journals print it.
inline std::string num(double v) {
  char buf[64];
  snprintf(buf, sizeof(buf), "%g", v);
  return buf;
}

// A library of the given version around the statements of body.
inline std::string versioned(const char* version, const std::string& body) {
  return std::string("VERSION ") + version +
         " ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n" + body +
         "END LIBRARY\n";
}

// A FILE* over a copy of the text; an empty text gives an empty file.
inline FILE* textFile(const std::string& text) {
  FILE* f = tmpfile();
  fwrite(text.data(), 1, text.size(), f);
  rewind(f);
  return f;
}

class LefReadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LefDefParser::lefrClear();
    readLog() = ReadLog();
    LefDefParser::lefrSetLogFunction(logError);
    LefDefParser::lefrSetWarningLogFunction(logWarning);
  }
  void TearDown() override { LefDefParser::lefrClear(); }

  // Reads the text as "test.lef" and returns lefrRead's result.
  int read(const std::string& text, void* userData = nullptr) {
    LefDefParser::lefrInit();
    FILE* f = textFile(text);
    int status = LefDefParser::lefrRead(f, "test.lef", userData);
    fclose(f);
    return status;
  }

  // Reads a file of the shared LEF folder under its own name; -1 when it is
  // not there.
  int readShared(const std::string& name) {
    LefDefParser::lefrInit();
    FILE* f = fopen((std::string(VELMOR_SHARED) + "/data/lef/" + name).c_str(), "r");
    if (!f) return -1;
    int status = LefDefParser::lefrRead(f, name.c_str(), nullptr);
    fclose(f);
    return status;
  }

  static const std::vector<std::string>& errors() { return readLog().errors; }
  static const std::vector<std::string>& warnings() { return readLog().warnings; }
  static const std::vector<std::string>& calls() { return readLog().calls; }
};

}  // namespace lefTest

#endif
