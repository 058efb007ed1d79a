// Free functions of the DEF data model: messages, case folding, orientation
// names. A null state pointer means the state of the global reader context.
#ifndef DEFI_DEBUG_H
#define DEFI_DEBUG_H

namespace LefDefParser {

class defrData;

// "N", "W", "S", "E", "FN", "FW", "FS", "FE" for 0..7, else "".
const char* defiOrientStr(int orient);

// check 0: counted against the message limits; 1: passed on uncounted.
void defiError(int check, int msgNum, const char* text, defrData* data);

// Both return a buffer of the state that the next call reuses.
const char* upperCase(const char* name, defrData* data);
const char* DEFCASE(const char* name, defrData* data);

void defiSetDebug(int num, int value);
int defiDebug(int num);

}  // namespace LefDefParser

#endif
