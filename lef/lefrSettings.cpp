#include "lef/lefrSettings.h"

#include <cstdlib>
#include <cstring>

namespace LefDefParser {

lefrSettings* lefSettings = nullptr;

namespace {

enum lefKeywordCode {
#define LEF_KEYWORD(name, text, code, debugName) name = code,
#include "lef/lef_tokens.def"
};

}  // namespace

lefrSettings::lefrSettings()
    : CommentChar('#'),
      VersionNum(0.0),
      DisPropStrProcess(0),
      DeltaNumberLines(10000),
      LineNumberFunction(nullptr),
      ReadFunction(nullptr),
      RegisterUnused(0),
      RelaxMode(0),
      LogFileAppend(0),
      UserData(nullptr),
      dAllMsgs(0),
      CaseSensitive(0),
      CaseSensitiveSet(0),
      ShiftCase(0),
      TotalMsgLimit(0),
      MallocFunction(nullptr),
      ReallocFunction(nullptr),
      FreeFunction(nullptr),
      ErrorLogFunction(nullptr),
      WarningLogFunction(nullptr) {
  memset(MsgLimit, 0, sizeof(MsgLimit));
#define LEF_WARNING_LIMIT_INIT(kind) kind##Warnings = kLefWarningLimit;
  LEF_WARNING_KINDS(LEF_WARNING_LIMIT_INIT)
#undef LEF_WARNING_LIMIT_INIT
  init_symbol_table();

  static const char* routing[] = {"ROUTING", ""};
  static const char* routingCut[] = {"ROUTING", "CUT", ""};
  static const char* cut[] = {"CUT", ""};
  static const char* masterslice[] = {"MASTERSLICE", ""};
  static const char* mastersliceOverlap[] = {"MASTERSLICE", "OVERLAP", ""};
  static const struct {
    const char* type;
    const char** layers;
  } defaults[] = {
      {"POLYROUTING", routing},         {"MIMCAP", routingCut},
      {"TSV", cut},                     {"PASSIVATION", cut},
      {"TRIMPOLY", masterslice},        {"NWELL", mastersliceOverlap},
      {"PWELL", mastersliceOverlap},    {"BELOWDIEEDGE", mastersliceOverlap},
      {"ABOVEDIEEDGE", mastersliceOverlap}, {"DIFFUSION", mastersliceOverlap},
      {"TRIMMETAL", mastersliceOverlap}, {"MEOL", masterslice},
  };
  for (const auto& d : defaults) addLef58Type(d.type, d.layers);
}

void lefrSettings::reset() {
  delete lefSettings;
  lefSettings = new lefrSettings();
}

void lefrSettings::addLef58Type(const char* lef58Type, const char** layerTypes) {
  for (const char** lt = layerTypes; **lt; lt++)
    Lef58TypePairs.insert(std::string(lef58Type) + " " + *lt);
}

std::string lefrSettings::getLayerLef58Types(const char* layerType) const {
  std::string result;
  for (const std::string& pair : Lef58TypePairs) {
    size_t blank = pair.find(' ');
    if (blank == std::string::npos) continue;
    if (pair.compare(blank + 1, std::string::npos, layerType) != 0) continue;
    if (!result.empty()) result += ", ";
    result.append(pair, 0, blank);
  }
  return result;
}

void lefrSettings::init_symbol_table() {
#define LEF_KEYWORD(name, text, code, debugName) Keyword_set[text] = code;
#define LEF_KEYWORD_ALIAS(text, name) Keyword_set[text] = name;
#include "lef/lef_tokens.def"
}

int lefrSettings::suppresMsg(int msgNum) {
  auto it = msgsDisabled.find(msgNum);
  if (it == msgsDisabled.end()) return 0;
  if (it->second) return 2;
  it->second = 1;
  return 1;
}

std::string lefrSettings::getToken(const std::string& input, int& startIdx) {
  static const char* const separators = " \n\t\r;";
  size_t begin = input.find_first_not_of(separators, startIdx < 0 ? 0 : startIdx);
  if (begin == std::string::npos) {
    startIdx = static_cast<int>(input.size());
    return std::string();
  }
  size_t end = input.find_first_of(separators, begin);
  if (end == std::string::npos) end = input.size();
  startIdx = static_cast<int>(end);
  return input.substr(begin, end - begin);
}

double convert_name2num(const char* versionName) {
  std::string text(versionName);
  size_t dot = text.find('.');
  std::string major = text.substr(0, dot);
  std::string minor, sub;
  if (dot != std::string::npos) {
    std::string rest = text.substr(dot + 1);
    size_t dot2 = rest.find('.');
    minor = rest.substr(0, dot2);
    if (dot2 != std::string::npos) sub = rest.substr(dot2 + 1);
  }
  double value = atof(major.c_str());
  double minorValue = atof(minor.c_str());
  double subValue = atof(sub.c_str());
  if (minorValue > 0) value += minorValue / 10;
  if (subValue > 0) value += subValue / 1000;
  char rounded[64];
  int len = snprintf(rounded, sizeof(rounded), "%.4f", value);
  // Values too large for the buffer need no rounding to four decimals.
  return len > 0 && len < static_cast<int>(sizeof(rounded)) ? strtod(rounded, nullptr) : value;
}

}  // namespace LefDefParser
