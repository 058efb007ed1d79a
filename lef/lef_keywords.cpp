// The LEF lexer. Input comes in blocks; the common path of a word costs one
// pass over its characters, one keyword lookup and one ring-buffer copy.
#include "lef/lef_keywords.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "lef/crypt.h"
#include "lef/lefiDebug.h"
#include "lef/lefrData.h"
#include "lef/lefrMemory.h"
#include "lef/lefrMessages.h"
#include "lef/lefrSettings.h"

namespace LefDefParser {

namespace {

enum lefTokenCode {
#define LEF_KEYWORD(name, text, code, debugName) name = code,
#define LEF_TOKEN(name, code, debugName) name = code,
#include "lef/lef_tokens.def"
};

const int kFirstBlock = 4;

void* checkedRealloc(void* p, size_t size, bool plainHeap) {
  return plainHeap ? lefPlainRealloc(p, size) : lefRealloc(p, size);
}

// toupper and isalpha of the default locale, without a call per character.
inline char upperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
inline bool isLetter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
inline bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
// Bytes no token may hold: non-ASCII, and NUL, which would end the token's text early.
inline bool isInvalid(int c) { return c == 0 || c > 127; }

// Eight bytes at a time: the scans below take a word of eight characters
// where at least eight are left, and find the byte that needs a closer look.
#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
const bool kWordScan = true;
inline int firstFlagged(uint64_t flags) { return flags ? __builtin_ctzll(flags) / 8 : 8; }
#else
const bool kWordScan = false;
inline int firstFlagged(uint64_t) { return 0; }
#endif
const uint64_t kOnes = 0x0101010101010101ull;
const uint64_t kHighBits = kOnes * 0x80;

inline uint64_t load8(const char* p) {
  uint64_t x;
  memcpy(&x, p, sizeof x);
  return x;
}

// Index of the first byte that is not a space, 8 if none.
inline int firstNonSpace(const char* p) { return firstFlagged(load8(p) ^ (kOnes * ' ')); }

// Index of the first byte below '!' or above 127, 8 if none. A borrow only
// reaches bytes after a flagged one, so the first flag is exact.
inline int firstSpecial(const char* p) {
  uint64_t x = load8(p);
  return firstFlagged((((x - kOnes * '!') & ~x) | x) & kHighBits);
}

// The eight ASCII bytes with a-z upper-cased.
inline uint64_t upper8(uint64_t x) {
  uint64_t low7 = x & ~kHighBits;
  uint64_t atLeastA = low7 + kOnes * (0x80 - 'a');
  uint64_t aboveZ = low7 + kOnes * (0x80 - 'z' - 1);
  return x ^ ((atLeastA & ~aboveZ & ~x & kHighBits) >> 2);
}

// Whether the word upper-cased is the upper-case text.
bool sameUpper(const char* word, const char* text, size_t length) {
  for (size_t i = 0; i < length; i++)
    if (upperChar(word[i]) != text[i]) return false;
  return true;
}

// The upper-case keywords of the token table by length and first letter: a
// word is compared with the few of its length and letter, not hashed. Only
// upper-case spellings can match a word upper-cased.
class KeywordIndex {
 public:
  KeywordIndex() {
#define LEF_KEYWORD(name, text, code, debugName) \
  static_assert(sizeof(text) < kMaxLength, "keyword too long"); \
  add(text, code);
#define LEF_KEYWORD_ALIAS(text, name) \
  static_assert(sizeof(text) < kMaxLength, "keyword too long"); \
  add(text, name);
#include "lef/lef_tokens.def"
  }

  // The keyword code of the word, 0 if it is none. The word's buffer must
  // hold kMaxLength bytes: the comparison reads whole words of it.
  int find(const char* word, size_t length) const {
    int slot = slotOf(word[0]);
    if (length >= kMaxLength || slot < 0) return 0;
    for (const Entry& e : buckets_[length][slot])
      if (kWordScan ? sameUpper8(word, e.text, length) : sameUpper(word, e.text, length))
        return e.code;
    return 0;
  }

  static const size_t kMaxLength = 32;

 private:
  struct Entry {
    char text[kMaxLength];  // padded with zeros
    int code;
  };

  static bool sameUpper8(const char* word, const char* text, size_t length) {
    for (size_t i = 0; i < length; i += 8) {
      uint64_t keep = length - i >= 8 ? ~0ull : (1ull << (8 * (length - i))) - 1;
      if ((upper8(load8(word + i)) ^ load8(text + i)) & keep) return false;
    }
    return true;
  }

  static int slotOf(char c) {
    c = upperChar(c);
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return c == '&' ? 26 : c == '_' ? 27 : -1;
  }

  void add(const char* text, int code) {
    size_t length = strlen(text);
    for (size_t i = 0; i < length; i++)
      if (upperChar(text[i]) != text[i]) return;
    int slot = slotOf(text[0]);
    if (length == 0 || slot < 0) return;
    Entry e = {};
    memcpy(e.text, text, length);
    e.code = code;
    buckets_[length][slot].push_back(e);
  }

  std::vector<Entry> buckets_[kMaxLength][28];
};

const KeywordIndex kKeywords;
static_assert(kLefTokenBufSize >= KeywordIndex::kMaxLength, "token buffer too short");

// Names that start with '&' are looked up upper-cased, so they are stored
// that way whatever the case sensitivity.
std::string tableKey(const char* name) {
  if (name[0] != '&') return strip_case(name);
  std::string key(name);
  for (char& c : key) c = upperChar(c);
  return key;
}

void print_nlines(int line) {
  LEFI_LINE_NUMBER_FUNCTION fn = lefSettings->LineNumberFunction;
  if (fn && line % lefSettings->DeltaNumberLines == 0) fn(line);
}

void newLine() { print_nlines(++lefData->lineNumber); }

// Reads up to size bytes through the caller's read function or fread.
size_t readBlock(char* buf, size_t size) {
  LEFI_READ_FUNCTION fn = lefSettings->ReadFunction;
  return fn ? fn(lefData->lefrFile, buf, size) : fread(buf, 1, size, lefData->lefrFile);
}

// A failing stream is an incomplete file, not a short one.
void endInput() {
  lefData->inputEnded = 1;
  if (!lefSettings->ReadFunction && lefData->lefrFile && ferror(lefData->lefrFile)) {
    lefError(1002, "Incomplete lef file.");
    lefData->eofReported = 1;
  }
}

// Refills the block; false at the end of input.
bool lefReloadBuffer() {
  lefrData* d = lefData;
  if (d->inputEnded || !d->lefrFile) return false;
  size_t got = 0;
  if (d->first_buffer) {
    d->first_buffer = 0;
    // A reader that returns short blocks still gets its four bytes.
    while (got < kFirstBlock) {
      size_t n = readBlock(d->current_buffer + got, kFirstBlock - got);
      if (n == 0) break;
      got += n;
    }
    if (got < kFirstBlock) {
      endInput();
      return false;
    }
    d->encrypted = encIsEncrypted(reinterpret_cast<unsigned char*>(d->current_buffer));
  } else {
    got = readBlock(d->current_buffer, kLefInputBufSize);
    if (got == 0) {
      endInput();
      return false;
    }
  }
  d->next = d->current_buffer;
  d->end = d->current_buffer + got;
  return true;
}

// Pending texts come first; an exhausted text gives way to the one below it
// and finally to the file.
int lefGetcSlow() {
  lefrData* d = lefData;
  while (d->input_level >= 0) {
    const std::string& text = d->inputStack[d->input_level];
    size_t& pos = d->inputStackPos[d->input_level];
    if (pos < text.size()) return static_cast<unsigned char>(text[pos++]);
    d->input_level--;
  }
  for (;;) {
    if (d->next == d->end && !lefReloadBuffer()) return EOF;
    unsigned char c = static_cast<unsigned char>(*d->next++);
    if (c != '\r') return c;
  }
}

inline int lefGetc() {
  lefrData* d = lefData;
  if (d->input_level < 0 && d->next != d->end && *d->next != '\r')
    return static_cast<unsigned char>(*d->next++);
  return lefGetcSlow();
}

void UNlefGetc(char ch) {
  lefrData* d = lefData;
  if (d->input_level >= 0) {
    if (d->inputStackPos[d->input_level] > 0) d->inputStackPos[d->input_level]--;
    return;
  }
  if (d->next <= d->current_buffer) {
    lefError(1111, "UNlefGetc: buffer access violation.");
    return;
  }
  *--d->next = ch;
}

// Ends the input after a token or text longer than kLefMaxToken, which would
// otherwise grow with input that has no blanks (such as an endless stream).
void tokenTooLong() {
  lefrData* d = lefData;
  lefError(1012, "The token is longer than 64 MB.");
  d->eofReported = 1;
  d->tokenTooLong = 1;
  d->inputEnded = 1;
  d->next = d->end;
  d->input_level = -1;
}

// Doubles the two token buffers, up to kLefMaxToken bytes of text; returns
// the write position in the new current buffer. Past that size the token is
// dropped: the position steps back so the caller's write stays inside.
char* growTokenBuffers(char* pos) {
  lefrData* d = lefData;
  size_t used = pos - d->currentToken;
  if (used >= static_cast<size_t>(kLefMaxToken)) {
    *pos = '\0';
    tokenTooLong();
    return pos - 1;
  }
  d->tokenSize = d->tokenSize > kLefMaxToken / 2 ? kLefMaxToken + 1 : d->tokenSize * 2;
  d->currentToken = static_cast<char*>(checkedRealloc(d->currentToken, d->tokenSize, true));
  d->prevToken = static_cast<char*>(checkedRealloc(d->prevToken, d->tokenSize, true));
  return d->currentToken + used;
}

// Appends one character to the token, growing the buffers when full.
inline char* IncCurPos(char* pos, char c) {
  if (pos - lefData->currentToken >= lefData->tokenSize - 1) pos = growTokenBuffers(pos);
  *pos++ = c;
  return pos;
}

bool isBlank(int c) { return c == ' ' || c == '\t' || (c == '\n' && !lefData->lefNlToken); }

void debugNewline(const char* text) {
  if (lefiDebug(11)) printf("%s", text);
}

// The next word of the pending texts; false when none is left.
bool GetTokenFromStack() {
  lefrData* d = lefData;
  while (d->input_level >= 0) {
    const std::string& text = d->inputStack[d->input_level];
    size_t& pos = d->inputStackPos[d->input_level];
    while (pos < text.size() && isBlank(static_cast<unsigned char>(text[pos]))) pos++;
    if (pos >= text.size()) {
      d->input_level--;
      continue;
    }
    char* out = lefData->currentToken;
    if (text[pos] == '\n') {
      pos++;
      out = IncCurPos(out, '\n');
      *out = '\0';
      if (lefiDebug(11)) printf("Stack[%d] Newline token\n", d->input_level);
      return true;
    }
    while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t' && text[pos] != '\n') {
      if (isInvalid(static_cast<unsigned char>(text[pos]))) d->hasNonAscii = 1;
      out = IncCurPos(out, text[pos++]);
    }
    if (out > lefData->currentToken + 1 && out[-1] == '"') out--;
    *out = '\0';
    if (lefiDebug(11))
      printf("Stack[%d]: <%s>, dm=%d\n", d->input_level, lefData->currentToken,
             d->lefDumbMode);
    return true;
  }
  return false;
}

// Reads a quoted string after its opening quote; false ends the input.
bool readQuoted(char* out) {
  bool escapes = !lefSettings->DisPropStrProcess;
  for (;;) {
    int c = lefGetc();
    if (c == EOF) break;
    if (c == '"') {
      *out = '\0';
      int after = lefGetc();
      if (after == EOF || after == ' ') {
        if (after != EOF) UNlefGetc(static_cast<char>(after));
        return true;
      }
      UNlefGetc(static_cast<char>(after));
      lefData->spaceMissing = 1;
      return false;
    }
    if (c == '\\' && escapes) {
      c = lefGetc();
      if (c == '\n' || c == EOF) break;
    }
    if (c == '\n') newLine();
    if (isInvalid(c)) lefData->hasNonAscii = 1;
    out = IncCurPos(out, static_cast<char>(c));
  }
  *out = '\0';
  lefError(6015, "Unexpected end of the LEF file.");
  lefData->eofReported = 1;
  return false;
}

// The common case of the lexer, one character at a time through lefGetc,
// done in a loop over the block: it stops at whatever lefGetc handles
// specially (the block's end, pushed texts, carriage returns) and before
// the token buffers would have to grow.
void skipBlanksInBlock() {
  lefrData* d = lefData;
  if (d->input_level >= 0) return;
  char* p = d->next;
  while (p != d->end && (*p == ' ' || *p == '\t')) p++;
  d->next = p;
}

char* copyWordInBlock(char* out, bool shift) {
  lefrData* d = lefData;
  if (d->input_level >= 0) return out;
  char* p = d->next;
  char* end = d->end;
  size_t room = d->currentToken + d->tokenSize - 1 - out;
  if (static_cast<size_t>(end - p) > room) end = p + room;
  bool nonAscii = false;
  for (; p != end; p++) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') break;
    nonAscii |= isInvalid(c);
    if (shift && c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
    *out++ = static_cast<char>(c);
  }
  if (nonAscii) d->hasNonAscii = 1;
  d->next = p;
  return out;
}

// Bytes a word stops at, or that the block scan leaves to lefGetc.
const struct ByteClasses {
  unsigned char of[256];
  ByteClasses() : of() {
    of[static_cast<unsigned char>(' ')] = of[static_cast<unsigned char>('\t')] = kEndsWord;
    of[static_cast<unsigned char>('\n')] = of[static_cast<unsigned char>('\r')] = kEndsWord;
    of[0] = kInvalid;
    for (int c = 128; c < 256; c++) of[c] = kInvalid;
  }
  static const unsigned char kEndsWord = 1;
  static const unsigned char kInvalid = 2;
} kByteClass;

// A plain word that ends inside the block, read in one pass: blanks and
// newlines before it are skipped as lefGetc would, the word's end is found
// eight bytes at a time and its text copied at once. Everything else
// (the block's end, pushed texts, carriage returns, quotes, newline tokens,
// a word longer than the token buffers) is left to the general path, from
// where this one stopped.
inline __attribute__((always_inline)) bool wordInBlock() {
  lefrData* d = lefData;
  if (d->input_level >= 0) return false;
  const char* p = d->next;
  const char* end = d->end;
  for (;;) {
    for (int skip = 8; kWordScan && skip == 8 && end - p >= 8; p += skip) skip = firstNonSpace(p);
    while (p != end && (*p == ' ' || *p == '\t')) p++;
    if (p == end || *p != '\n' || d->lefNlToken) break;
    d->next = const_cast<char*>(++p);
    newLine();
  }
  d->next = const_cast<char*>(p);
  if (p == end || *p == '\n' || *p == '"' || *p == '\r') return false;
  const char* q = p;
  for (int skip = 8; kWordScan && skip == 8 && end - q >= 8; q += skip) skip = firstSpecial(q);
  unsigned char classes = 0;
  for (; q != end; q++) {
    unsigned char c = kByteClass.of[static_cast<unsigned char>(*q)];
    if (c == ByteClasses::kEndsWord) break;
    classes |= c;
  }
  size_t length = q - p;
  if (q == end || *q == '\r' || length >= static_cast<size_t>(d->tokenSize) - 1) return false;
  char* out = d->currentToken;
  if (!d->namesCaseSensitive && lefSettings->ShiftCase) {
    for (size_t i = 0; i < length; i++) out[i] = upperChar(p[i]);
  } else if (length < 16 && p + 16 <= d->current_buffer + kLefInputBufSize) {
    memcpy(out, p, 16);  // one fixed-size move for the usual short word
  } else {
    memcpy(out, p, length);
  }
  out[length] = '\0';
  if (classes & ByteClasses::kInvalid) d->hasNonAscii = 1;
  d->tokenLength = static_cast<int>(length);
  d->next = const_cast<char*>(q);
  return true;
}

// The general path, one character at a time; kept out of line so that the
// common path stays small.
__attribute__((noinline)) bool GetTokenSlow() {
  lefrData* d = lefData;
  int c;
  do {
    skipBlanksInBlock();
    c = lefGetc();
    if (c == '\n') {
      newLine();
      if (d->lefNlToken) {
        debugNewline("Newline token\n");
        char* out = IncCurPos(lefData->currentToken, '\n');
        *out = '\0';
        return true;
      }
    }
  } while (c == ' ' || c == '\t' || c == '\n');
  if (c == EOF) {
    strcpy(lefData->currentToken, lefData->prevToken);
    return false;
  }

  char* out = IncCurPos(lefData->currentToken, static_cast<char>(c));
  if (c == '"') return readQuoted(out);
  if (isInvalid(c)) d->hasNonAscii = 1;
  bool shift = !lefData->namesCaseSensitive && lefSettings->ShiftCase;
  if (shift && c >= 'a' && c <= 'z') out[-1] = static_cast<char>(c - 'a' + 'A');
  for (;;) {
    out = copyWordInBlock(out, shift);
    c = lefGetc();
    if (c == ' ' || c == '\t' || c == '\n' || c == EOF) break;
    if (isInvalid(c)) d->hasNonAscii = 1;
    if (shift && c >= 'a' && c <= 'z') c = c - 'a' + 'A';
    out = IncCurPos(out, static_cast<char>(c));
  }
  *out = '\0';
  if (c != EOF) UNlefGetc(static_cast<char>(c));
  return true;
}

// One raw word, newline or quoted string into the current token buffer.
inline bool GetToken() {
  lefrData* d = lefData;
  d->tokenCount++;
  d->hasNonAscii = 0;
  d->tokenLength = -1;
  if (d->input_level >= 0 && GetTokenFromStack()) return true;
  return wordInBlock() || GetTokenSlow();
}

// Skips a comment; false at the end of input.
bool skipComment() {
  int c;
  while ((c = lefGetc()) != '\n')
    if (c == EOF) return false;
  newLine();
  return true;
}

// Whether the name may expand now: the stack has room, the name is not
// being expanded already (a recursive alias would never end), and the
// read's expansions stay within their budget (nested references could
// otherwise multiply without end).
bool mayExpand(const char* name) {
  lefrData* d = lefData;
  if (d->input_level >= kLefInputStackSize - 1 || d->expandedChars > kLefExpansionBudget)
    return false;
  for (int i = 0; i <= d->input_level; i++)
    if (d->inputStackName[i] == name) return false;
  return true;
}

void pushText(const char* name, const std::string& text) {
  lefrData* d = lefData;
  d->input_level++;
  d->inputStack[d->input_level] = text;
  d->inputStackName[d->input_level] = name;
  d->inputStackPos[d->input_level] = 0;
  d->expandedChars += text.size();
}

bool endsWith(const std::string& text, const char* suffix) {
  size_t n = strlen(suffix);
  return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

// Reads "&ALIAS name = text &ENDALIAS".
void lefStoreAlias() {
  if (!GetToken()) return;
  std::string name = lefData->currentToken;
  if (!GetToken() || strcmp(lefData->currentToken, "=") != 0) lefError(1000, "Expecting '='");

  static const char kEnd[] = "&ENDALIAS";
  const size_t endLen = sizeof(kEnd) - 1;
  std::string body;
  for (;;) {
    size_t lineStart = body.size();
    int c;
    while ((c = lefGetc()) != EOF) {
      body += static_cast<char>(c);
      if (c == '\n') {
        newLine();
        break;
      }
      if (body.size() > static_cast<size_t>(kLefMaxToken)) {
        tokenTooLong();
        return;
      }
    }
    // A marker may straddle the previous line's end.
    size_t from = lineStart >= endLen ? lineStart - endLen + 1 : 0;
    for (size_t i = from; i + endLen <= body.size(); i++) {
      if (strncasecmp(body.c_str() + i, kEnd, endLen) == 0) {
        body.resize(i);
        lefData->alias_set[tableKey(name.c_str())] = body;
        return;
      }
    }
    if (c == EOF) {
      lefError(1001, "End of file in &ALIAS");
      return;
    }
  }
}

int returnString(const char* text, size_t length) {
  lefyylval.string = ringCopy(text, length);
  return T_STRING;
}

int returnString(const char* text) { return returnString(text, strlen(text)); }

int lefamper_lookup(const char* word) {
  double num;
  int flag;
  const char* text;
  if (lefGetDoubleDefine(word, &num)) {
    lefyylval.dval = num;
    return NUMBER;
  }
  if (lefGetIntDefine(word, &flag)) return flag ? K_TRUE : K_FALSE;
  if (lefGetStringDefine(word, &text)) {
    auto it = lefSettings->Keyword_set.find(text);
    if (it != lefSettings->Keyword_set.end()) return it->second;
    lefyylval.string = ringCopy(text);
    return text[0] == '"' ? QSTRING : T_STRING;
  }
  return returnString(word);
}

// Text of a HISTORY statement up to a ';' after white space.
void readHistory() {
  std::string& text = lefData->History_text;
  int prev = ' ';
  for (;;) {
    int c = lefGetc();
    if (c == EOF) {
      lefError(6015, "Unexpected end of the LEF file.");
      lefData->eofReported = 1;
      return;
    }
    if (c == ';' && (prev == ' ' || prev == '\t' || prev == '\n')) return;
    if (c == '\n') newLine();
    text += static_cast<char>(c);
    prev = c;
    if (text.size() > static_cast<size_t>(kLefMaxToken)) {
      tokenTooLong();
      return;
    }
  }
}

// Tag and body of a BEGINEXT; returns the token for the grammar.
int readExtension() {
  std::string& text = lefData->History_text;
  bool opened = false;
  size_t tagStart = 0;
  for (;;) {
    int c = lefGetc();
    if (c == EOF) return K_BEGINEXT;
    if (c == '\n') {
      newLine();
      lefError(1003, "tag is missing for BEGINEXT");
      return K_BEGINEXT;
    }
    text += static_cast<char>(c);
    if (c == '"') {
      if (!opened) {
        opened = true;
        tagStart = text.size();
        continue;
      }
      if (text.size() == tagStart + 1) {
        lefError(1004, "Tag for BEGINEXT is empty");
        return K_BEGINEXT;
      }
      break;
    }
    if (!opened && c != ' ') {
      lefError(1005, "\" is missing in tag");
      return K_BEGINEXT;
    }
  }
  bool inQuote = false;
  for (;;) {
    int c = lefGetc();
    if (c == EOF) break;
    if (c == '\n') newLine();
    if (c == '"') inQuote = !inQuote;
    text += static_cast<char>(c);
    if (text.size() > static_cast<size_t>(kLefMaxToken)) {
      tokenTooLong();
      break;
    }
    if (endsWith(text, "ENDEXT")) {
      if (inQuote) lefError(1006, "Ending \" is missing");
      break;
    }
    if (endsWith(text, "END LIBRARY")) {
      lefError(1007, "ENDEXT is missing");
      return 1;
    }
  }
  return K_BEGINEXT;
}

bool startsNumber(const char* tok) {
  return isDigit(static_cast<unsigned char>(tok[0])) || tok[0] == '.' ||
         (tok[0] == '-' && tok[1] != '\0');
}

// strtod of the whole token; false when strtod would stop early. Plain
// decimals of up to 15 digits are exact as integer over power of ten, which
// one division rounds as strtod does; anything else goes to strtod.
inline __attribute__((always_inline)) bool toNumber(const char* tok, double* value) {
  static const double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = tok;
  bool negative = *p == '-';
  if (negative) p++;
  // Digits past the 15th wrap the mantissa, but then strtod decides.
  unsigned long long mantissa = 0;
  const char* start = p;
  for (; isDigit(static_cast<unsigned char>(*p)); p++) mantissa = mantissa * 10 + (*p - '0');
  long digits = p - start;
  long fraction = 0;
  if (*p == '.') {
    start = ++p;
    for (; isDigit(static_cast<unsigned char>(*p)); p++) mantissa = mantissa * 10 + (*p - '0');
    fraction = p - start;
    digits += fraction;
  }
  if (*p == '\0' && digits > 0 && digits <= 15) {
    double v = static_cast<double>(mantissa);
    if (fraction) v /= kPow10[fraction];
    *value = negative ? -v : v;
    return true;
  }
  char* end;
  *value = strtod(tok, &end);
  return *end == '\0';
}

}  // namespace

char* ringCopy(const char* text) { return ringCopy(text, strlen(text)); }

char* ringCopy(const char* text, size_t length) {
  lefrData* d = lefData;
  int len = static_cast<int>(length) + 1;
  int place = d->ringPlace;
  d->ringPlace = (place + 1) % kLefRingSize;
  if (d->ringSizes[place] < len) {
    d->ring[place] = static_cast<char*>(checkedRealloc(d->ring[place], len, false));
    d->ringSizes[place] = len;
  }
  memcpy(d->ring[place], text, len);
  return d->ring[place];
}

std::string strip_case(const char* text) {
  std::string out(text);
  if (!lefData->namesCaseSensitive)
    for (char& c : out) c = upperChar(c);
  return out;
}

int lefGetKeyword(const char* text, int* token) {
  auto it = lefSettings->Keyword_set.find(text);
  if (it == lefSettings->Keyword_set.end()) return 0;
  *token = it->second;
  return 1;
}

namespace {

template <class Map>
const typename Map::mapped_type* findDefined(const Map& map, const char* text) {
  if (map.empty()) return nullptr;
  auto it = map.find(strip_case(text));
  return it == map.end() ? nullptr : &it->second;
}

}  // namespace

int lefGetAlias(const char* text, const char** value) {
  const std::string* found = findDefined(lefData->alias_set, text);
  if (found) *value = found->c_str();
  return found != nullptr;
}

int lefGetStringDefine(const char* text, const char** value) {
  const std::string* found = findDefined(lefData->defines_set, text);
  if (found) *value = found->c_str();
  return found != nullptr;
}

int lefGetIntDefine(const char* text, int* value) {
  const int* found = findDefined(lefData->defineb_set, text);
  if (found) *value = *found;
  return found != nullptr;
}

int lefGetDoubleDefine(const char* text, double* value) {
  const double* found = findDefined(lefData->define_set, text);
  if (found) *value = *found;
  return found != nullptr;
}

void lefAddStringDefine(const char* name, const char* value) {
  lefData->defines_set[tableKey(name)] = std::string("\"") + value;
  lefData->inDefine = 0;
}

void lefAddBooleanDefine(const char* name, int value) {
  lefData->defineb_set[tableKey(name)] = value;
}

void lefAddNumDefine(const char* name, double value) {
  lefData->define_set[tableKey(name)] = value;
}

void lefSetNonDefault(const char* name) {
  free(lefData->ndName);
  size_t size = strlen(name) + 1;
  lefData->ndName = static_cast<char*>(memcpy(lefPlainRealloc(nullptr, size), name, size));
}

void lefUnsetNonDefault() {
  lefData->lefNdRule = 0;
  free(lefData->ndName);
  lefData->ndName = nullptr;
}

const char* lef_kywd(int token) {
  switch (token) {
#define LEF_KEYWORD(name, text, code, debugName) \
  case code:                                     \
    return debugName;
#define LEF_TOKEN(name, code, debugName) \
  case code:                             \
    return debugName;
#include "lef/lef_tokens.def"
  }
  return "bogus";
}

namespace {

// The token function's body, inlined into lefyylex.
inline __attribute__((always_inline)) int sublex() {
  lefrData* d = lefData;
  lefrData* p = lefData;
  // The previous token is kept by swapping buffers (both have the same
  // size); at the end of input the current token is put back.
  std::swap(d->prevToken, d->currentToken);

  char* tok;
  for (;;) {
    if (!GetToken() || d->tokenTooLong) return 0;
    tok = d->currentToken;
    if (tok[0] == lefSettings->CommentChar) {
      if (!skipComment()) return 0;
      continue;
    }
    if (tok[0] != '&') break;
    for (char* c = tok; *c; c++) *c = upperChar(*c);
    if (strcmp(tok, "&ALIAS") == 0) {
      lefStoreAlias();
      continue;
    }
    if (strncmp(tok, "&DEFINE", 7) == 0) {
      p->inDefine = 1;
      break;
    }
    const char* text;
    if ((lefGetAlias(tok, &text) || (!p->inDefine && lefGetStringDefine(tok, &text))) &&
        mayExpand(tok)) {
      pushText(tok, text);
      continue;
    }
    break;
  }

  if (p->hasNonAscii) {
    lefErrorf(1008,
              "Invalid characters found in '%s'.\nThese characters might have created by "
              "character types other than English.",
              lefMessageToken(tok).c_str());
    return 0;
  }
  if (p->afterExtension && strcmp(tok, "END") == 0) p->afterExtension = 0;
  if ((p->doneLib && d->versionNum < 5.6) || p->afterExtension || p->ge56done) {
    lefInfo(3000, "There are still data after the END LIBRARY");
    return 0;
  }
  size_t length = d->tokenLength >= 0 ? d->tokenLength : strlen(tok);
  if (tok[0] == '"') {
    lefyylval.string = ringCopy(tok + 1, length - 1);
    return QSTRING;
  }
  if (p->lefDumbMode >= 0) p->lefDumbMode--;
  if (p->lefNoNum >= 0) p->lefNoNum--;

  if (startsNumber(tok)) {
    double num;
    if (toNumber(tok, &num) && p->lefNoNum < 0) {
      lefyylval.dval = num;
      return NUMBER;
    }
    return returnString(tok, length);
  }
  if (p->lefNdRule && strcmp(tok, "END") != 0) {
    if (p->ndName && strcmp(tok, p->ndName) == 0) return returnString(tok, length);
    p->lefDumbMode = -1;
  }
  if (p->lefDumbMode >= 0) {
    if (tok[1] == '\0' && strchr("()+;*", tok[0])) {
      if (tok[0] == ';' || tok[0] == '+') p->lefDumbMode = 0;
      return static_cast<unsigned char>(tok[0]);
    }
    if (p->lefNewIsKeyword && strcmp(tok, "NEW") == 0) return K_NEW;
    return returnString(tok, length);
  }
  unsigned char first = static_cast<unsigned char>(tok[0]);
  if (!isLetter(first) && first != '&' && first != '_') {
    if (tok[1] == '\0') return first;
    if (strcmp(tok, ">=") == 0) return K_GE;
    if (strcmp(tok, "<=") == 0) return K_LE;
    if (strcmp(tok, "<>") == 0) return K_NE;
    if (tok[0] == ';') {
      lefError(1009, "Symbol ';' should be separated by space(s).");
      return 0;
    }
    lefError(6016, "Odd punctuation found.");
    d->eofReported = 1;
    return 0;
  }

  p->History_text.clear();
  int code = kKeywords.find(tok, length);
  if (code == 0) {
    if (tok[0] == '&') return lefamper_lookup(tok);
    // NOT has no keyword entry; it is an operator only inside a define.
    if (p->inDefine && length == 3 && sameUpper(tok, "NOT", 3)) return K_NOT;
    return returnString(tok, length);
  }
  if (code == K_HISTORY) {
    readHistory();
  } else if (code == K_BEGINEXT) {
    return readExtension();
  }
  return code;
}

}  // namespace

int lefsublex() { return sublex(); }

int lefyylex() {
  int token = sublex();
  if (lefData->debug[13]) {
    if (token == 0)
      printf("yylex NIL");
    else if (token < 256)
      printf("yylex char %c\n", token);
    else if (token == QSTRING)
      printf("yylex quoted string '%s'\n", lefyylval.string);
    else if (token == T_STRING)
      printf("yylex string '%s'\n", lefyylval.string);
    else if (token == NUMBER)
      printf("yylex number %f\n", lefyylval.dval);
    else
      printf("yylex keyword %s\n", lef_kywd(token));
  }
  if (token != 0) return token;
  if (lefData->doneLib) return 0;
  if (lefData->spaceMissing) return -1;
  lefError(1002, "Incomplete lef file.");
  lefData->eofReported = 1;
  return -1;
}

}  // namespace LefDefParser
