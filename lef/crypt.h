// File access of the reader library. No input is ever enciphered here, so
// the reader always reads plain text.
#ifndef VELMOR_LEF_CRYPT_H
#define VELMOR_LEF_CRYPT_H

#include <cstdio>

namespace LefDefParser {

FILE* encOpenFileForRead(char* path);
// The second argument is kept for callers; the file is always truncated.
FILE* encOpenFileForWrite(char* path, int encrypt);
int encCloseFile(FILE* fp);
void encClearBuf(FILE* fp);
void encReadingEncrypted();
void encWritingEncrypted();
// Always 0: the first four bytes of a file never mark it as enciphered.
int encIsEncrypted(unsigned char* bytes);
int encFgetc(FILE* fp);
int encFputc(char c, FILE* fp);
int encPrint(FILE* fp, char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace LefDefParser

#endif
