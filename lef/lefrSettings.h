// Reader settings that outlive one read: message limits, hooks, the LEF58
// layer-type pairs and the property-definition tables.
#ifndef VELMOR_LEF_LEFRSETTINGS_H
#define VELMOR_LEF_LEFRSETTINGS_H

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "lef/lefiPropType.h"

namespace LefDefParser {

typedef void (*LEFI_LOG_FUNCTION)(const char*);
typedef void* (*LEFI_MALLOC_FUNCTION)(int);
typedef void* (*LEFI_REALLOC_FUNCTION)(void*, int);
typedef void (*LEFI_FREE_FUNCTION)(void*);
typedef size_t (*LEFI_READ_FUNCTION)(FILE*, char*, size_t);
typedef void (*LEFI_LINE_NUMBER_FUNCTION)(int);

// The 30 statement kinds with a warning limit of their own.
#define LEF_WARNING_KINDS(X)                                                     \
  X(AntennaInout) X(AntennaInput) X(AntennaOutput) X(Array) X(CaseSensitive)     \
  X(CorrectionTable) X(Dielectric) X(EdgeRateScaleFactor) X(EdgeRateThreshold1)  \
  X(EdgeRateThreshold2) X(IRDrop) X(InoutAntenna) X(InputAntenna) X(Layer)       \
  X(Macro) X(MaxStackVia) X(MinFeature) X(NoWireExtension) X(NoiseMargin)        \
  X(NoiseTable) X(NonDefault) X(OutputAntenna) X(Pin) X(Site) X(Spacing)         \
  X(Timing) X(Units) X(UseMinSpacing) X(ViaRule) X(Via)

const int kLefWarningLimit = 999;

// FNV-1a: cheap for the short words of a LEF file.
struct lefKeywordHash {
  size_t operator()(std::string_view text) const {
    size_t h = 14695981039346656037ull;
    for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
  }
};

// Orders the alias and define tables by the bytes of the keys.
struct lefCompareStrings {
  bool operator()(const std::string& a, const std::string& b) const {
    return strcmp(a.c_str(), b.c_str()) < 0;
  }
};

// Highest message number that has a per-number limit and count.
const int kLefMaxMsgNum = 4700;

// One property-definition table per object kind of PROPERTYDEFINITIONS.
struct lefrProps {
  lefiPropType lefrCompProp;
  lefiPropType lefrLayerProp;
  lefiPropType lefrLibProp;
  lefiPropType lefrMacroProp;
  lefiPropType lefrNondefProp;
  lefiPropType lefrPinProp;
  lefiPropType lefrViaProp;
  lefiPropType lefrViaRuleProp;
};

class lefrSettings {
 public:
  lefrSettings();
  lefrSettings(const lefrSettings&) = delete;
  lefrSettings& operator=(const lefrSettings&) = delete;

  // Replaces the global settings by a fresh object.
  static void reset();

  // Layer types end with an empty string.
  void addLef58Type(const char* lef58Type, const char** layerTypes);
  // LEF58 types allowed for a layer type, in set order, joined by ", ".
  std::string getLayerLef58Types(const char* layerType) const;

  // Next token of input from startIdx, split at " \n\t\r;"; empty when none
  // is left. startIdx moves to the separator after the token.
  static std::string getToken(const std::string& input, int& startIdx);

  // Fills the keyword table from the token list.
  void init_symbol_table();

  // For a disabled number: 1 the first time, 2 afterwards; else 0.
  int suppresMsg(int msgNum);
  void disableMsg(int msgNum) { msgsDisabled[msgNum] = 0; }
  void enableMsg(int msgNum) { msgsDisabled.erase(msgNum); }
  void enableAllMsgs() {
    msgsDisabled.clear();
    dAllMsgs = 0;
  }

  // Hashed: the lexer looks up every word, and the order is never used.
  std::unordered_map<std::string_view, int, lefKeywordHash> Keyword_set;
  char CommentChar;
  double VersionNum;  // 0: none given
  int DisPropStrProcess;
  int DeltaNumberLines;
  LEFI_LINE_NUMBER_FUNCTION LineNumberFunction;
  LEFI_READ_FUNCTION ReadFunction;
  int RegisterUnused;
  int RelaxMode;
  int LogFileAppend;
  void* UserData;
  std::map<int, int> msgsDisabled;  // number to "suppression announced"
  int dAllMsgs;
#define LEF_WARNING_LIMIT_FIELD(kind) int kind##Warnings;
  LEF_WARNING_KINDS(LEF_WARNING_LIMIT_FIELD)
#undef LEF_WARNING_LIMIT_FIELD
  int CaseSensitive;
  int CaseSensitiveSet;
  int ShiftCase;
  int TotalMsgLimit;
  LEFI_MALLOC_FUNCTION MallocFunction;
  LEFI_REALLOC_FUNCTION ReallocFunction;
  LEFI_FREE_FUNCTION FreeFunction;
  LEFI_LOG_FUNCTION ErrorLogFunction;
  LEFI_LOG_FUNCTION WarningLogFunction;
  int MsgLimit[kLefMaxMsgNum + 1];
  std::set<std::string> Lef58TypePairs;
  lefrProps lefProps;
};

extern lefrSettings* lefSettings;

// Version text to number: "5.8" 5.8, "5.7.1" 5.701, "5.10" 6.0.
double convert_name2num(const char* versionName);

}  // namespace LefDefParser

#endif
