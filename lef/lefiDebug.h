// Message sink, name folding and debug flags shared by every LEF data class.
#ifndef VELMOR_LEF_LEFIDEBUG_H
#define VELMOR_LEF_LEFIDEBUG_H

#include "lef/lefiMisc.h"  // lefiOrientStr, for callers that took it from here

namespace LefDefParser {

// Folding table: lower-case letters but 'l' upper-cased; bytes 0-31 and
// 127-255 map to 0 and so end a folded text.
extern const unsigned char lefiShift[256];

// alreadyCounted 0: apply the reader's limits and count the error first.
void lefiError(int alreadyCounted, int msgNum, const char* text);

// The name itself, or its folded copy in the per-read fold buffer (which the
// next fold overwrites) while names are not case sensitive and shift-case
// is set.
const char* CASE(const char* name);
const char* lefUpperCase(const char* name);

void lefiSetDebug(int num, int value);
int lefiDebug(int num);

}  // namespace LefDefParser

#endif
