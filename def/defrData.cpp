#include "def/defrData.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

#include "def/defrReader.h"

namespace LefDefParser {

std::string defrFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  int size = vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(size > 0 ? size : 0, '\0');
  if (size > 0) vsnprintf(&text[0], size + 1, format, again);
  va_end(again);
  return text;
}

defrData::defrData(const defrCallbacks* cbks, const defrSettings* sets, defrSession* sess)
    : callbacks(cbks),
      settings(sets),
      session(sess),
      // A word of a whole block fits without growing.
      deftoken(kBlock + 1, '\0'),
      pv_deftoken(kBlock + 1, '\0'),
      uc_token(4096, '\0') {
  for (auto& text : ring) text.assign(4096, '\0');
}

defrData::~defrData() {
  if (defrLog) fclose(defrLog);
}

std::string defrData::lineText(long long line) const { return std::to_string(line); }

static bool printable(const char* token) {
  return isgraph(static_cast<unsigned char>(token[0])) != 0;
}

std::string defrMessageToken(const char* token) {
  const size_t kShown = 100;
  size_t len = strnlen(token, kShown + 1);
  return len <= kShown ? std::string(token, len) : std::string(token, kShown) + "...";
}

static bool endsInGluedSemicolon(const char* token) {
  size_t len = strlen(token);
  return len >= 3 && token[len - 1] == ';';
}

void defrData::emitError(const std::string& message) {
  fflush(stdout);
  if (settings->ContextErrorLogFunction)
    settings->ContextErrorLogFunction(session->UserData, message.c_str());
  else if (settings->ErrorLogFunction)
    settings->ErrorLogFunction(message.c_str());
  else
    fputs(message.c_str(), stderr);
}

bool defrData::passesLimits(int msgNum) {
  if (settings->totalDefMsgLimit > 0 && defiPrintedMsgs >= settings->totalDefMsgLimit)
    return false;
  int limit = settings->msgLimit(msgNum);
  if (limit <= 0) return true;
  int& count = defMsgCounts[msgNum - defrMsgFirst];
  if (count >= limit) return false;
  count++;
  return true;
}

void defrData::defError(int msgNum, const char* text) {
  // A suppressed message still counts: the read must not pass as clean.
  errors++;
  if (hasFatalError) return;
  if (!passesLimits(msgNum)) return;
  // The tests on ';' see whole tokens; the messages show them cut.
  const char* cur = printable(deftoken.data()) ? deftoken.data() : "<unprintable>";
  const char* prev = printable(pv_deftoken.data()) ? pv_deftoken.data() : "<unprintable>";
  const std::string curShown = defrMessageToken(cur), prevShown = defrMessageToken(prev);
  const char* file = session->FileName.c_str();
  std::string message;
  if (strcmp(text, "syntax error") == 0 || strcmp(text, "parse error") == 0) {
    const char* glued = "ERROR (DEFPARS-%d): %s, file %s at line %s\n"
                        "Last token was <%s>, space is missing before <;>\n";
    if (endsInGluedSemicolon(cur)) {
      message = defrFormat(glued, msgNum, text, file, lineText(nlines).c_str(), curShown.c_str());
    } else if (endsInGluedSemicolon(prev)) {
      message = defrFormat(glued, msgNum, text, file, lineText(nlines - 1).c_str(), prevShown.c_str());
    } else {
      message = defrFormat(
          "ERROR (DEFPARS-%d): Def parser has encountered an error in file %s at line %s, on "
          "token %s.\nProblem can be syntax error on the def file or an invalid parameter "
          "name.\nDouble check the syntax on the def file with the LEFDEF Reference Manual.\n",
          msgNum, file, lineText(nlines).c_str(), curShown.c_str());
    }
  } else {
    message = defrFormat(
        "ERROR (DEFPARS-%d): %s Error in file %s at line %s, on token %s.\nUpdate the def "
        "file before parsing the file again.\n",
        msgNum, text, file, lineText(nlines).c_str(), curShown.c_str());
  }
  emitError(message);
}

// Error recovery may resume anywhere: points are read token by token again.
void defrData::defyyerror(const char* text) {
  point_is_token = 0;
  defError(defMsgCnt++, text);
}

void defrData::logToFile(const char* heading, const std::string& message,
                         const char* failNotice, const char* failLine) {
  if (!defrLog) {
    if (defrLogOpened < 0) return;  // one failed open per read is enough
    defrLog = fopen("defRWarning.log", "w");
    if (!defrLog) {
      defrLogOpened = -1;
      char* dir = getcwd(nullptr, 0);
      printf(failNotice, dir ? dir : ".");
      free(dir);
      puts(failLine);
      return;
    }
    defrLogOpened = 1;
    fprintf(defrLog, heading, session->FileName.c_str());
  }
  fputs(message.c_str(), defrLog);
}

void defrData::defWarning(int msgNum, const char* text) {
  if (settings->isDisabled(msgNum)) return;
  const char* file = session->FileName.c_str();
  std::string line = lineText(nlines);
  if (settings->ContextWarningLogFunction || settings->WarningLogFunction) {
    std::string message = defrFormat("WARNING (DEFPARS-%d): %s See file %s at line %s.\n",
                                     msgNum, text, file, line.c_str());
    if (settings->ContextWarningLogFunction)
      settings->ContextWarningLogFunction(session->UserData, message.c_str());
    else
      settings->WarningLogFunction(message.c_str());
  } else {
    logToFile("Warnings from file: %s\n\n",
              defrFormat("WARNING (DEFPARS-%d): %s See file %s at line %s\n", msgNum, text,
                         file, line.c_str()),
              "WARNING (DEFPARS-7500): Unable to open the file defRWarning.log in %s.\n",
              "Warning messages will not be printed.");
  }
  defWarnings++;
}

void defrData::defInfo(int msgNum, const char* text) {
  if (settings->isDisabled(msgNum)) return;
  const char* file = session->FileName.c_str();
  std::string line = lineText(nlines);
  if (settings->ContextWarningLogFunction || settings->WarningLogFunction) {
    std::string message = defrFormat("INFO (DEFPARS-%d): %s See file %s at line %s.\n", msgNum,
                                     text, file, line.c_str());
    if (settings->ContextWarningLogFunction)
      settings->ContextWarningLogFunction(session->UserData, message.c_str());
    else
      settings->WarningLogFunction(message.c_str());
  } else {
    logToFile("Info from file: %s\n\n",
              defrFormat("INFO (DEFPARS-%d): %s See file %s at line %s\n", msgNum, text, file,
                         line.c_str()),
              "WARNING(DEFPARS-8500): Unable to open the file defRWarning.log in %s.\n",
              "Info messages will not be printed.");
  }
}

void defrData::defiError(int check, int msgNum, const char* text) {
  if (check == 0) {
    if (!passesLimits(msgNum)) return;
    defiPrintedMsgs++;
  }
  emitError(text);
}

int defrData::checkErrors() {
  if (errors <= 20) return 0;
  defError(6011, "Too many syntax errors have been reported.");
  errors = 0;
  return 1;
}

int defrData::countWarning(defrWarningKind kind) {
  return warnCounts[kind]++ < settings->warningLimit[kind];
}

const char* defrData::upperCase(const char* text) {
  size_t len = strlen(text);
  if (upperBuf.size() < len + 1) upperBuf.resize(len + 1 < 64 ? 64 : len + 1);
  char* out = upperBuf.data();
  // Only a-z fold: other bytes, tabs and UTF-8 included, pass unchanged.
  for (size_t i = 0; i <= len; i++) {
    char c = text[i];
    out[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return out;
}

const char* defrData::DEFCASE(const char* text) {
  return names_case_sensitive ? text : upperCase(text);
}

int defrData::defValidNum(int value) {
  switch (value) {
    case 100:
    case 200:
    case 1000:
    case 2000:
      return 1;
    case 400:
    case 800:
    case 4000:
    case 8000:
    case 10000:
    case 20000:
      if (VersionNum >= 5.6) return 1;
      if (callbacks->UnitsCbk && countWarning(defrWarnUnits)) {
        defError(6501, defrFormat("An error has been found while processing the DEF file "
                                  "'%s'\nUnit %d is a 5.6 or later syntax. Define the DEF "
                                  "file as 5.6 and then try again.",
                                  session->FileName.c_str(), value)
                           .c_str());
      }
      return 0;
    default:
      if (callbacks->UnitsCbk && countWarning(defrWarnUnits)) {
        defError(6502, defrFormat("The value %d defined for DEF UNITS DISTANCE MICRON is "
                                  "invalid\n. The valid values are 100, 200, 400, 800, 1000, "
                                  "2000, 4000, 8000, 10000, or 20000. Specify a valid value "
                                  "and then try again.",
                                  value)
                           .c_str());
        return checkErrors() ? -1 : 0;
      }
      return 0;
  }
}

int defrData::validateMaskInput(int mask, int count, int limit) {
  if (VersionNum >= 5.8 || mask <= 0 || count >= limit) return 1;
  defError(7415, defrFormat("The MASK statement is available in version 5.8 and later.\n"
                            "However, your DEF file is defined with version %g",
                            VersionNum)
                     .c_str());
  return checkErrors() ? -1 : 0;
}

int defrData::validateMaskShiftInput(const char* shift, int count, int limit) {
  bool allZero = true;
  for (const char* p = shift; *p; p++) {
    if (*p < '0' || *p > '9') {
      defError(7416, defrFormat("The MASKSHIFT value '%s' is not valid. The value should be a "
                                "string consisting of decimal digits ('0' - '9').",
                                shift)
                         .c_str());
      return checkErrors() ? -1 : 0;
    }
    if (*p != '0') allZero = false;
  }
  if (VersionNum >= 5.8 || allZero) return 1;
  if (count >= limit) return 0;
  defError(7417, defrFormat("The MASKSHIFT statement can be used only in DEF version 5.8 and "
                            "later. This DEF file version is '%g'.",
                            VersionNum)
                     .c_str());
  return checkErrors() ? -1 : 0;
}

double defrData::convert_defname2num(const char* version) {
  std::string text(version);
  size_t dot = text.find('.');
  std::string major = text.substr(0, dot);
  std::string rest = dot == std::string::npos ? "" : text.substr(dot + 1);
  size_t dot2 = rest.find('.');
  std::string minor = rest.substr(0, dot2);
  std::string subMinor = dot2 == std::string::npos ? "" : rest.substr(dot2 + 1);
  double result = atof(major.c_str());
  double minorValue = atof(minor.c_str());
  double subValue = atof(subMinor.c_str());
  if (minorValue > 0) result += minorValue / 10;
  if (subValue > 0) result += subValue / 1000;
  return result;
}

int defrData::numIsInt(const char* text) { return strchr(text, '.') == nullptr; }

}  // namespace LefDefParser
