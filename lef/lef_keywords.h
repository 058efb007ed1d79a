// The LEF lexer: tokens for the grammar, aliases and defines.
#ifndef VELMOR_LEF_LEF_KEYWORDS_H
#define VELMOR_LEF_LEF_KEYWORDS_H

#include <string>

namespace LefDefParser {

struct lefPOINT {
  double x;
  double y;
};

// Semantic value of a token or a grammar symbol. It must stay trivially
// copyable: the parser moves its stacks with memcpy.
union YYSTYPE {
  double dval;
  int integer;
  char* string;
  lefPOINT pt;
};
#define YYSTYPE_IS_DECLARED 1
#define YYSTYPE_IS_TRIVIAL 1

// Value of the last token; defined by the grammar.
extern YYSTYPE lefyylval;

// The grammar's token function: 0 or -1 at the end of input.
int lefyylex();
int lefsublex();

// Copies a text into the next of the ten ring buffers; valid until ten
// further copies.
char* ringCopy(const char* text);
char* ringCopy(const char* text, size_t length);
// The text upper-cased unless names are case sensitive.
std::string strip_case(const char* text);

int lefGetKeyword(const char* text, int* token);
int lefGetAlias(const char* text, const char** value);
int lefGetStringDefine(const char* text, const char** value);
int lefGetIntDefine(const char* text, int* value);
int lefGetDoubleDefine(const char* text, double* value);
void lefAddStringDefine(const char* name, const char* value);
void lefAddBooleanDefine(const char* name, int value);
void lefAddNumDefine(const char* name, double value);

void lefSetNonDefault(const char* name);
void lefUnsetNonDefault();

// Debug name of a token code; "bogus" for codes without one.
const char* lef_kywd(int token);

}  // namespace LefDefParser

#endif
