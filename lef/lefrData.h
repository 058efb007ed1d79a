// State of one read of one LEF file. lefrRead replaces it at the start of
// every read; it lives on until the next read or lefrClear.
#ifndef VELMOR_LEF_LEFRDATA_H
#define VELMOR_LEF_LEFRDATA_H

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "lef/lefiArray.h"
#include "lef/lefiCrossTalk.h"
#include "lef/lefiLayer.h"
#include "lef/lefiMacro.h"
#include "lef/lefiMisc.h"
#include "lef/lefiNonDefault.h"
#include "lef/lefiProp.h"
#include "lef/lefiUnits.h"
#include "lef/lefiUtil.h"
#include "lef/lefiVia.h"
#include "lef/lefiViaRule.h"
#include "lef/lefrLayerState.h"
#include "lef/lefrMacroState.h"
#include "lef/lefrSettings.h"
#include "lef/lefrStmtState.h"

namespace LefDefParser {

// The warning log in the current directory.
const char* const kLefWarningLog = "lefRWarning.log";

const int kLefTokenBufSize = 4096;
// The longest token, and the longest alias, HISTORY or extension text, read.
const int kLefMaxToken = 64 << 20;
const int kLefInputBufSize = 16384;
const int kLefRingSize = 10;
const int kLefInputStackSize = 20;
const size_t kLefExpansionBudget = 16 << 20;

class lefrData {
 public:
  lefrData();
  ~lefrData();
  lefrData(const lefrData&) = delete;
  lefrData& operator=(const lefrData&) = delete;

  // Replaces the global state by a fresh object.
  static void reset();

  // Clears the library header's seen flags when a new VERSION starts a new
  // library in the same input.
  void initRead();

  // Input. The file belongs to the caller; the name is a copy.
  FILE* lefrFile;
  FILE* lefrLog;
  std::string fileNameCopy;
  const char* fileName;
  int lineNumber;
  char current_buffer[kLefInputBufSize];
  char* next;  // next character of the block
  char* end;   // one past the block's last character; next == end refills
  int first_buffer;
  int encrypted;
  int inputEnded;  // a refill found the end of input or a read error
  int tokenCount;

  // Lexer buffers (plain heap); the messages show the current and the
  // previous token.
  char* currentToken;
  char* prevToken;
  int tokenSize;
  int tokenLength;  // of the current token; -1 when not known
  int spaceMissing;  // a closing quote not followed by a blank
  int eofReported;   // once set, lefError reports nothing more
  int tokenTooLong;  // a token passed kLefMaxToken: the input has ended

  // Strings handed to the parser live in a ring of ten buffers.
  char* ring[kLefRingSize];
  int ringSizes[kLefRingSize];
  int ringPlace;

  // Pending alias and define texts, read before the file.
  std::string inputStack[kLefInputStackSize];
  std::string inputStackName[kLefInputStackSize];  // the reference expanded
  size_t inputStackPos[kLefInputStackSize];
  int input_level;  // -1: empty
  size_t expandedChars;  // all texts pushed in this read

  // Lexer modes the grammar sets.
  std::string History_text;
  int lefDumbMode;  // names ahead that are read as T_STRING
  int lefNoNum;     // numbers ahead that are read as T_STRING
  int lefNlToken;   // newlines are tokens
  int inDefine;
  int lefNdRule;
  char* ndName;  // plain heap
  int lefNewIsKeyword;
  int hasNonAscii;
  int doneLib;   // the library may end here
  int ge56done;  // END LIBRARY was read
  int afterExtension;

  std::map<std::string, std::string, lefCompareStrings> alias_set;
  std::map<std::string, double, lefCompareStrings> define_set;
  std::map<std::string, int, lefCompareStrings> defineb_set;
  std::map<std::string, std::string, lefCompareStrings> defines_set;

  // Message state.
  int errorCount;
  int warningCount;
  int infoCount;
  int blockingErrors;  // callbacks are skipped while not 0
  int syntaxErrNum;
  int msgCnt[kLefMaxMsgNum + 1];
  int msgLimitReported[kLefMaxMsgNum + 1];

  // Parser state.
  double versionNum;
  int namesCaseSensitive;
  double leflVal;  // smallest integer
  double lefrVal;  // largest integer
  int lefrDoneCbk;  // result of the last callback
  int hadBlockingError;  // survives the resets of the blocking count
#define LEF_WARNING_COUNTER_FIELD(kind) int kind##Warnings;
  LEF_WARNING_KINDS(LEF_WARNING_COUNTER_FIELD)
#undef LEF_WARNING_COUNTER_FIELD
  int hasVer;
  int hasNameCase;
  int hasBusBit;
  int hasDivChar;
  int hasManufactur;
  int hasMinfeature;
  int hasSite;
  int hasFixedMask;
  int lefFixedMask;
  int ant53;  // a 5.3x file: the old antenna syntax
  int use5_3;  // old antenna syntax seen
  int use5_4;  // new antenna syntax seen
  std::vector<char*> exprBuffers;  // string values of one define statement
  char debug[100];
  char* foldBuf;
  int foldBufSize;
  lefiNonDefault* nd;  // the NONDEFAULTRULE being read, if any
  lefiAntennaPWL* antennaPWL;  // the PWL table being read, if any; owned

  // One data object of each statement kind, filled by the grammar and
  // handed to the callbacks.
  lefiArray array;
  lefiCorrectionTable correctionTable;
  lefiDensity density;
  lefiIRDrop irdrop;
  lefiLayer layer;
  lefiMacro macro;
  lefiMaxStackVia maxStackVia;
  lefiMinFeature minFeature;
  lefiNoiseMargin noiseMargin;
  lefiNoiseTable noiseTable;
  lefiNonDefault nonDefault;
  lefiObstruction obstruction;
  lefiPin pin;
  lefiProp prop;
  lefiSite site;
  lefiSpacing spacing;
  lefiTiming timing;
  lefiUnits units;
  lefiUseMinSpacing useMinSpacing;
  lefiVia via;
  lefiViaRule viaRule;

  // The grammar's statement state.
  lefrLayerState layerState;
  lefrMacroState macroState;
  lefrStmtState stmtState;
};

extern lefrData* lefData;

}  // namespace LefDefParser

#endif
