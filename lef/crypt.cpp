#include "lef/crypt.h"

#include <cstdarg>

namespace LefDefParser {

FILE* encOpenFileForRead(char* path) { return fopen(path, "r"); }

FILE* encOpenFileForWrite(char* path, int) { return fopen(path, "w"); }

int encCloseFile(FILE* fp) { return fclose(fp); }

void encClearBuf(FILE*) {}

void encReadingEncrypted() {}

void encWritingEncrypted() {}

int encIsEncrypted(unsigned char*) { return 0; }

int encFgetc(FILE* fp) { return getc(fp); }

int encFputc(char c, FILE* fp) { return fputc(c, fp); }

int encPrint(FILE* fp, char* format, ...) {
  va_list args;
  va_start(args, format);
  int n = vfprintf(fp, format, args);
  va_end(args);
  return n;
}

}  // namespace LefDefParser
