#include "def/defiDebug.h"

#include <cstdio>

#include "def/defrData.h"

namespace LefDefParser {

const char* defiOrientStr(int orient) {
  static const char* const kNames[] = {"N", "W", "S", "E", "FN", "FW", "FS", "FE"};
  return orient >= 0 && orient < 8 ? kNames[orient] : "";
}

void defiError(int check, int msgNum, const char* text, defrData* data) {
  if (!data) data = defiCurrentData();
  if (data) {
    data->defiError(check, msgNum, text);
  } else {
    fputs(text, stderr);
  }
}

const char* upperCase(const char* name, defrData* data) {
  if (!data) data = defiCurrentData();
  return data ? data->upperCase(name) : name;
}

const char* DEFCASE(const char* name, defrData* data) {
  if (!data) data = defiCurrentData();
  return data ? data->DEFCASE(name) : name;
}

void defiSetDebug(int, int) {}

int defiDebug(int) { return 0; }

}  // namespace LefDefParser
