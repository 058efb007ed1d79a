#include "lef/lefrData.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "lef/lefrMemory.h"

namespace LefDefParser {

lefrData* lefData = nullptr;

namespace {

char* newTokenBuf() {
  char* buf = static_cast<char*>(lefPlainRealloc(nullptr, kLefTokenBufSize));
  buf[0] = '\0';
  return buf;
}

}  // namespace

lefrData::lefrData()
    : lefrFile(nullptr),
      lefrLog(nullptr),
      fileName(nullptr),
      lineNumber(1),
      next(current_buffer),
      end(current_buffer),
      first_buffer(1),
      encrypted(0),
      inputEnded(0),
      tokenCount(0),
      currentToken(newTokenBuf()),
      prevToken(newTokenBuf()),
      tokenSize(kLefTokenBufSize),
      tokenLength(-1),
      spaceMissing(0),
      eofReported(0),
      tokenTooLong(0),
      ringPlace(0),
      input_level(-1),
      expandedChars(0),
      lefDumbMode(0),
      lefNoNum(0),
      lefNlToken(0),
      inDefine(0),
      lefNdRule(0),
      ndName(nullptr),
      lefNewIsKeyword(0),
      hasNonAscii(0),
      doneLib(1),
      ge56done(0),
      afterExtension(0),
      errorCount(0),
      warningCount(0),
      infoCount(0),
      blockingErrors(0),
      syntaxErrNum(1),
      versionNum(5.8),
      namesCaseSensitive(1),
      leflVal(strtod("-2147483648", nullptr)),
      lefrVal(strtod("2147483647", nullptr)),
      lefrDoneCbk(0),
      hadBlockingError(0),
      hasVer(0),
      hasNameCase(0),
      hasBusBit(0),
      hasDivChar(0),
      hasManufactur(0),
      hasMinfeature(0),
      hasSite(0),
      hasFixedMask(0),
      lefFixedMask(0),
      ant53(0),
      use5_3(0),
      use5_4(0),
      foldBuf(nullptr),
      foldBufSize(0),
      nd(nullptr),
      antennaPWL(nullptr),
      noiseMargin(),
      macroState() {
  memset(msgCnt, 0, sizeof(msgCnt));
  memset(msgLimitReported, 0, sizeof(msgLimitReported));
  memset(debug, 0, sizeof(debug));
  memset(current_buffer, 0, sizeof(current_buffer));
  for (int i = 0; i < kLefRingSize; i++) {
    ring[i] = static_cast<char*>(lefMalloc(kLefTokenBufSize));
    ringSizes[i] = kLefTokenBufSize;
  }
  memset(inputStackPos, 0, sizeof(inputStackPos));
#define LEF_WARNING_COUNTER_INIT(kind) kind##Warnings = 0;
  LEF_WARNING_KINDS(LEF_WARNING_COUNTER_INIT)
#undef LEF_WARNING_COUNTER_INIT
  struct stat st;
  if (stat(kLefWarningLog, &st) == 0 && !(lefSettings && lefSettings->LogFileAppend))
    remove(kLefWarningLog);
}

lefrData::~lefrData() {
  if (lefrLog) fclose(lefrLog);
  for (int i = 0; i < kLefRingSize; i++) lefFree(ring[i]);
  free(ndName);
  for (char* buf : exprBuffers) lefFree(buf);
  lefiFreeObj(antennaPWL);
  if (foldBuf) lefFree(foldBuf);
  free(currentToken);
  free(prevToken);
}

void lefrData::reset() {
  delete lefData;
  lefData = new lefrData();
}

void lefrData::initRead() {
  hasVer = 0;
  hasNameCase = 0;
  hasBusBit = 0;
  hasDivChar = 0;
  hasManufactur = 0;
  hasMinfeature = 0;
  hasSite = 0;
  hasFixedMask = 0;
  use5_3 = 0;
  use5_4 = 0;
  doneLib = 1;
}

}  // namespace LefDefParser
