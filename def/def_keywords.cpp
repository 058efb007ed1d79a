// The DEF lexer: block reads, tokens, aliases, HISTORY and extension texts, and the
// hand-over of finished routing paths.
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "def/defrCallbacks.h"
#include "def/defrData.h"
#include "def/defrReader.h"
#include "def_parser.hpp"

namespace LefDefParser {

int defyylex(DEFYYSTYPE* value, defrData* data) { return data->defyylex(value); }

void defyyerror(defrData* data, const char* text) { data->defyyerror(text); }

namespace {

constexpr size_t kFirstFill = 4;
constexpr int kAliasDepth = 20;
// Alias text a read may expand, nesting included: 1 MiB plus 16 times the bytes read so
// far. Aliases naming themselves, or each other twice, would otherwise expand without end.
constexpr size_t kAliasBudget = 1 << 20;
constexpr size_t kAliasPerByte = 16;

bool isBlank(int c) { return c == ' ' || c == '\t'; }

// A printable ASCII byte other than the blank.
bool isPlain(char c) { return c > ' ' && c < 127; }

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool isAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isDelimiter(int c) { return c == ' ' || c == '\t' || c == '\n' || c == EOF; }

// Bytes that make a word unreadable: control bytes other than the blanks, and non-ASCII.
bool isBadByte(int c) { return c >= 128 || c <= 8 || (c >= 14 && c <= 31); }

bool endsWith(const std::string& text, const char* tail) {
  size_t n = strlen(tail);
  return text.size() >= n && text.compare(text.size() - n, n, tail) == 0;
}

// A context keyword counts in its upper-case or all-lower-case spelling only.
bool isContextWord(const char* token, const char* upper) {
  bool asUpper = true, asLower = true;
  for (; *upper; upper++, token++) {
    asUpper = asUpper && *token == *upper;
    asLower = asLower && *token == *upper - 'A' + 'a';
    if (!asUpper && !asLower) return false;
  }
  return *token == '\0';
}

}  // namespace

int defrData::fillBuffer() {
  if (inputEnded) return 0;
  size_t want = first_buffer ? kFirstFill : kBlock;
  size_t got = settings->ReadFunction ? settings->ReadFunction(File, buffer, want)
                                      : fread(buffer, 1, want, File);
  // A first block shorter than its 4 bytes means an empty file.
  if (got == 0 || (first_buffer && got < kFirstFill) || got > want) {
    inputEnded = 1;
    next = last = buffer;
    buffer[0] = '\0';
    return 0;
  }
  first_buffer = 0;
  buffer[got] = '\0';
  streamBytes += got;
  next = buffer;
  last = buffer + got;
  return 1;
}

void defrData::UNGETC(int c) {
  if (c == EOF) return;
  if (next > buffer)
    next--;
  else
    defError(6111, "UNGETC: buffer access violation.");
}

void defrData::countLine() {
  nlines++;
  int interval = settings->defiDeltaNumberLines;
  if (interval <= 0 || nlines % interval != 0) return;
  if (settings->LineNumberFunction)
    settings->LineNumberFunction(static_cast<int>(nlines));
  else if (settings->LongLineNumberFunction)
    settings->LongLineNumberFunction(nlines);
}

// A token, alias or text without end (such as an endless stream without blanks)
// would otherwise grow with the input.
void defrData::tokenTooLong() {
  defError(6018, "The token is longer than 64 MB.");
  hasFatalError = 1;
  lexEnded = 1;
  inputEnded = 1;
  next = last = buffer;
  buffer[0] = '\0';
  input_level = -1;
}

bool defrData::growToken(size_t len) {
  if (lexEnded) return false;
  if (len >= kDefMaxToken) {
    deftoken[len < deftoken.size() ? len : deftoken.size() - 1] = '\0';
    tokenTooLong();
    return false;
  }
  deftoken.resize(deftoken.size() > kDefMaxToken / 2 ? kDefMaxToken + 1 : deftoken.size() * 2);
  return true;
}

int defrData::tokenFromAlias() {
  while (input_level >= 0) {
    PendingAlias& top = input_stack[input_level];
    const std::string& text = top.text;
    size_t pos = top.pos;
    while (pos < text.size() && (isBlank(text[pos]) || (!nlToken && text[pos] == '\n'))) pos++;
    if (pos >= text.size()) {
      top.text.clear();
      top.pos = 0;
      input_level--;
      continue;
    }
    size_t len = 0;
    if (text[pos] == '\n') {
      putToken(len++, '\n');
      pos++;
    } else {
      while (pos < text.size() && !isDelimiter(static_cast<unsigned char>(text[pos])) && !lexEnded)
        putToken(len++, text[pos++]);
      if (lexEnded) return 1;  // too long: sublex ends the input
      if (len > 0 && deftoken[len - 1] == '"') len--;
    }
    putToken(len, '\0');
    tokenLen = len;
    top.pos = pos;
    return 1;
  }
  return 0;
}

// Blanks, and line ends that are no tokens, up to the next token or the buffer's end.
inline void defrData::skipSpace() {
  const char* p = next;
  for (;;) {
    while (isBlank(*p)) p++;
    if (*p != '\n' || nlToken) break;
    next = ++p;
    countLine();
  }
  next = p;
}

// A plain word that lies wholly in the buffer, with its delimiter: scanned and copied in
// one pass. Anything else (strings, odd bytes, a word at the buffer's end) takes the
// general path from the word's first byte.
inline bool defrData::plainWord() {
  skipSpace();
  const char* p = next;
  if (!isPlain(*p) || *p == '"') return false;
  // Copied while scanned: the token buffer holds the rest of the block.
  if (static_cast<size_t>(last - p) >= deftoken.size()) return false;
  char* const tok = deftoken.data();
  char* out = tok;
  if (names_case_sensitive) {
    do *out++ = *p++;
    while (isPlain(*p));
  } else {
    do *out++ = upperAscii(*p++);
    while (isPlain(*p));
  }
  if (!isDelimiter(static_cast<unsigned char>(*p))) return false;
  const size_t len = static_cast<size_t>(out - tok);
  tok[len] = '\0';
  tokenLen = len;
  next = p;
  return true;
}

namespace {

// An integer token that numberToken reads as an int NUMBER: an optional '-' and at most
// ten digits, in the int range, ended by a blank. Advances p past it.
bool scanPointInt(const char*& p, const char* end, int* value) {
  const char* q = p;
  const bool negative = q < end && *q == '-';
  q += negative;
  const char* const digits = q;
  const char* const stop = end - q > 10 ? q + 10 : end;
  long long sum = 0;
  for (unsigned d; q < stop && (d = static_cast<unsigned char>(*q) - '0') <= 9; q++)
    sum = sum * 10 + d;
  if (q == digits || q == end || !isBlank(*q)) return false;
  if (negative) sum = -sum;
  if (sum < INT_MIN || sum > INT_MAX) return false;
  *value = static_cast<int>(sum);
  p = q;
  return true;
}

}  // namespace

// "( x y )" wholly in the buffer on one line, read with every effect of its four tokens:
// the last two texts ("y", ")"), the countdowns (the numbers need no_num spent by the
// '('), no line counted.
int defrData::pointToken(DEFYYSTYPE* value) {
  const char comment = settings->CommentChar;
  if (doneDesign || real_num || no_num > 0 || comment == '(' || comment == ')' ||
      comment == '-' || (comment >= '0' && comment <= '9'))
    return 0;
  const char* p = next;
  const char* const end = last;
  if (end - p < 8 || p[0] != '(' || !isBlank(p[1])) return 0;
  p += 2;
  int xy[2];
  const char* yText = nullptr;
  for (int& v : xy) {
    while (p < end && isBlank(*p)) p++;
    yText = p;
    if (!scanPointInt(p, end, &v)) return 0;
  }
  const size_t yLen = static_cast<size_t>(p - yText);
  while (p < end && isBlank(*p)) p++;
  if (end - p < 2 || p[0] != ')' || !isDelimiter(static_cast<unsigned char>(p[1]))) return 0;
  next = p + 1;
  memcpy(pv_deftoken.data(), yText, yLen);
  pv_deftoken[yLen] = '\0';
  deftoken[0] = ')';
  deftoken[1] = '\0';
  tokenLen = 1;
  defNonAsciiFlag = 0;
  dumb_mode = dumb_mode >= 4 ? dumb_mode - 4 : -1;
  no_num = -1;
  value->pt.x = xy[0];
  value->pt.y = xy[1];
  return T_POINT;
}

int defrData::DefGetToken() {
  defNonAsciiFlag = 0;
  if (input_level >= 0 && tokenFromAlias()) return 1;
  if (plainWord()) return 1;

  int c;
  for (;;) {
    const char* p = next;
    const char* end = last;
    while (p < end && isBlank(*p)) p++;
    next = p;
    c = GETC();
    if (c == '\n') {
      countLine();
      if (nlToken) break;
    } else if (!isBlank(c)) {
      break;
    }
  }
  if (c == EOF) return 0;

  size_t len = 0;
  if (c == '\n') {
    putToken(len++, '\n');
  } else if (c == '"') {
    putToken(len++, '"');
    const bool escapes = !settings->DisPropStrProcess;
    for (;;) {
      c = GETC();
      if (c == EOF) return 0;
      if (c == '"') break;
      if (escapes && c == '\\') {
        c = GETC();
        if (c == EOF) return 0;
      }
      if (c == '\n') countLine();
      if (c >= 128) defNonAsciiFlag = 1;
      putToken(len++, static_cast<char>(c));
    }
  } else {
    const bool fold = !names_case_sensitive;
    for (;;) {
      if (isBadByte(c)) defNonAsciiFlag = 1;
      if (fold && c >= 'a' && c <= 'z') c = c - 'a' + 'A';
      putToken(len++, static_cast<char>(c));
      // Plain printable bytes straight from the buffer, through locals the token stores
      // cannot alias; anything else goes through GETC.
      const char* p = next;
      const char* end = last;
      char* tok = deftoken.data();
      size_t room = deftoken.size() - 1;
      while (p < end) {
        char d = *p;
        if (!isPlain(d)) break;
        if (len >= room) {
          if (!growToken(len)) {
            p = last;
            break;
          }
          tok = deftoken.data();
          room = deftoken.size() - 1;
        }
        tok[len++] = fold ? upperAscii(d) : d;
        p++;
      }
      next = p;
      c = GETC();
      if (isDelimiter(c)) break;
    }
    UNGETC(c);
  }
  if (lexEnded) return 0;
  putToken(len, '\0');
  tokenLen = len;
  return 1;
}

const char* defrData::ringCopy(const char* text, size_t len) {
  std::vector<char>& slot = ring[ringPlace];
  if (++ringPlace == static_cast<int>(sizeof ring / sizeof ring[0])) ringPlace = 0;
  if (slot.size() < len + 1) slot.resize(len + 1);
  char* out = slot.data();
  // Texts come from the token buffers, which hold at least a block.
  if (len < 16 && slot.size() >= 16) {
    memcpy(out, text, 16);
  } else {
    memcpy(out, text, len + 1);
  }
  return out;
}

int defrData::skipComment() {
  const std::string& wanted = magic;
  size_t matched = 0;
  bool matching = !wanted.empty();
  bool leading = true;
  int c;
  while ((c = GETC()) != EOF && c != '\n') {
    if (!matching) continue;
    if (leading && isBlank(c)) continue;
    leading = false;
    if (c != static_cast<unsigned char>(wanted[matched])) {
      matching = false;
      continue;
    }
    if (++matched == wanted.size()) {
      matching = false;
      if (settings->MagicCommentFoundFunction) settings->MagicCommentFoundFunction();
    }
  }
  if (c == EOF) return 0;
  countLine();
  return 1;
}

void defrData::addAlias(const char* name, const char* value, int marked) {
  defrAlias& alias = def_alias_set[name];
  alias.text = value;
  alias.marked = marked;
}

int defrData::defGetKeyword(const char* name, int* token) const {
  int found = settings->keywordToken(name);
  if (!found) return 0;
  *token = found;
  return 1;
}

void defrData::readAlias() {
  if (!DefGetToken()) return;
  std::string name(deftoken.data());
  if (!DefGetToken() || strcmp(deftoken.data(), "=") != 0) {
    defError(6000, "Expecting '='");
    return;
  }
  std::string text, line;
  for (;;) {
    line.clear();
    int c;
    while ((c = GETC()) != EOF && c != '\n') {
      line += static_cast<char>(c);
      if (text.size() + line.size() > kDefMaxToken) {
        tokenTooLong();
        return;
      }
    }
    std::string upper(line);
    for (char& u : upper) u = static_cast<char>(toupper(static_cast<unsigned char>(u)));
    size_t marker = upper.find("&ENDALIAS");
    if (c == '\n') countLine();
    if (marker != std::string::npos) {
      text.append(line, 0, marker);
      break;
    }
    text += line;
    if (c == EOF) {
      defError(6001, "End of file in &ALIAS");
      break;
    }
    text += '\n';
  }
  addAlias(name.c_str(), text.c_str(), 0);
}

int defrData::pushAlias(const char* name, int expansions) {
  auto it = def_alias_set.find(name);
  if (it == def_alias_set.end()) return 0;
  while (input_level >= 0 &&
         input_stack[input_level].pos >= input_stack[input_level].text.size())
    input_level--;
  // Refused past the stack's depth, past as many expansions in a row that yield no word,
  // and past the budget.
  const std::string& text = it->second.text;
  if (input_level + 1 >= kAliasDepth || expansions >= kAliasDepth ||
      aliasBytes + text.size() > kAliasBudget + kAliasPerByte * streamBytes) {
    defError(6012, "Aliases are nested too deeply; the word is read as it stands.");
    return 0;
  }
  aliasBytes += text.size() + 1;
  input_level++;
  input_stack[input_level].text = text;
  input_stack[input_level].pos = 0;
  return 1;
}

void defrData::readHistory() {
  History_text.clear();
  int prev = 0;
  for (;;) {
    int c = GETC();
    if (c == EOF) {
      defError(6015, "Unexpected end of the DEF file.");
      return;
    }
    if (c == ';' && (prev == ' ' || prev == '\t' || prev == '\n')) {
      UNGETC(c);  // the grammar reads the ';' itself
      return;
    }
    if (c == '\n') countLine();
    History_text += static_cast<char>(c);
    prev = c;
    if (History_text.size() > kDefMaxToken) {
      tokenTooLong();
      return;
    }
  }
}

void defrData::readExtension() {
  int c;
  while (isBlank(c = GETC())) History_text += static_cast<char>(c);
  if (c == EOF) {
    defError(6015, "Unexpected end of the DEF file.");
    return;
  }
  if (c != '"') {
    defError(6005, "The '\"' is missing within the tag. Specify the '\"' in the tag and then "
                   "try again.");
    return;
  }
  History_text += '"';
  bool empty = true;
  for (;;) {
    c = GETC();
    if (c == EOF) {
      defError(6015, "Unexpected end of the DEF file.");
      return;
    }
    if (c == '\n') {
      countLine();
      defError(6003, "tag is missing for BEGINEXT");
      return;
    }
    History_text += static_cast<char>(c);
    if (c == '"') break;
    empty = false;
  }
  if (empty) {
    defError(6004, "The BEGINEXT tag is empty. Specify a value for the tag and try again.");
    return;
  }
  bool inString = false;
  for (;;) {
    c = GETC();
    if (c == EOF) {
      defError(6015, "Unexpected end of the DEF file.");
      return;
    }
    if (c == '\n') countLine();
    if (c == '"') inString = !inString;
    History_text += static_cast<char>(c);
    if (History_text.size() > kDefMaxToken) {
      tokenTooLong();
      return;
    }
    if (endsWith(History_text, "ENDEXT")) {
      if (inString)
        defError(6006, "The ending '\"' is missing in the tag. Specify the ending '\"' in the "
                       "tag and then try again.");
      return;
    }
    if (endsWith(History_text, "END DESIGN")) {
      defError(6007, "The ENDEXT statement is missing in the DEF file. Include the statement "
                     "and then try again.");
      nlines--;
      return;
    }
  }
}

int defrData::numberToken(DEFYYSTYPE* value) {
  const char* text = deftoken.data();
  char* end;
  if (!real_num) {
    // As strtol over the whole token: the token holds no blank and no '+'. Up to 18
    // digits cannot overflow and are summed here; longer ones go to from_chars.
    long asInt = 0;
    bool whole;
    const char* const stop = text + tokenLen;
    const bool negative = text[0] == '-';
    if (tokenLen - negative - 1 < 18) {
      unsigned long sum = 0;
      const char* p = text + negative;
      for (; p < stop; p++) {
        unsigned digit = static_cast<unsigned char>(*p) - '0';
        if (digit > 9) break;
        sum = sum * 10 + digit;
      }
      whole = p == stop;
      asInt = negative ? -static_cast<long>(sum) : static_cast<long>(sum);
    } else {
      std::from_chars_result got = std::from_chars(text, stop, asInt);
      whole = got.ec == std::errc() && got.ptr == stop;
    }
    if (whole && no_num < 0) {
      value->dval = static_cast<double>(asInt);
      if (asInt >= -2147483648LL && asInt <= 2147483647LL) return NUMBER;
    }
  }
  double asReal = strtod(text, &end);
  if (*end != '\0' || no_num >= 0) {
    value->string = const_cast<char*>(ringCopy(text, tokenLen));
    return T_STRING;
  }
  value->dval = asReal;
  if (!real_num && (asReal < intMin || asReal > intMax)) {
    std::string message = defrFormat("<Number has exceed the limit for an integer> in %s at line %s\n",
                                     session->FileName.c_str(), std::to_string(nlines).c_str());
    defiError(1, 0, message.c_str());
    errors++;
  }
  return NUMBER;
}

int defrData::stringModeToken(DEFYYSTYPE* value) {
  const char* text = deftoken.data();
  if (text[1] == '\0') {
    switch (text[0]) {
      case ';':
      case '+':
        dumb_mode = 0;
        no_num = 0;
        return text[0];
      case '(':
      case ')':
      case '*':
        return text[0];
      default:
        break;
    }
  }
  // Context words are recognised only while the grammar has switched them on.
  switch (text[0]) {
    case 'B':
    case 'b':
      if (by_is_keyword && isContextWord(text, "BY")) return K_BY;
      break;
    case 'C':
    case 'c':
      if (cover_is_keyword && isContextWord(text, "COVER")) return K_COVER;
      break;
    case 'D':
    case 'd':
      if (do_is_keyword && isContextWord(text, "DO")) return K_DO;
      break;
    case 'F':
    case 'f':
      if (fixed_is_keyword && isContextWord(text, "FIXED")) return K_FIXED;
      break;
    case 'M':
    case 'm':
      if (mustjoin_is_keyword && isContextWord(text, "MUSTJOIN")) return K_MUSTJOIN;
      if (virtual_is_keyword && isContextWord(text, "MASK")) return K_MASK;
      break;
    case 'N':
    case 'n':
      if (new_is_keyword && isContextWord(text, "NEW")) return K_NEW;
      if (nondef_is_keyword && isContextWord(text, "NONDEFAULTRULE")) return K_NONDEFAULTRULE;
      break;
    case 'R':
    case 'r':
      if (routed_is_keyword && isContextWord(text, "ROUTED")) return K_ROUTED;
      if (rect_is_keyword && isContextWord(text, "RECT")) return K_RECT;
      break;
    case 'S':
    case 's':
      if (step_is_keyword && isContextWord(text, "STEP")) return K_STEP;
      break;
    case 'V':
    case 'v':
      if (virtual_is_keyword && isContextWord(text, "VIRTUAL")) return K_VIRTUAL;
      break;
    default:
      break;
  }
  if (orient_is_keyword && (text[1] == '\0' || text[2] == '\0')) {
    if (strcmp(text, "FE") == 0) return K_FE;
    struct Orient {
      char first, second;
      int token;
    };
    static const Orient kOrients[] = {{'N', 0, K_N},    {'S', 0, K_S},    {'E', 0, K_E},
                                      {'W', 0, K_W},    {'F', 'N', K_FN}, {'F', 'S', K_FS},
                                      {'F', 'W', K_FW}};
    char first = upperAscii(text[0]);
    char second = upperAscii(text[1]);
    for (const Orient& o : kOrients) {
      if (first == o.first && second == o.second) return o.token;
    }
  }
  value->string = const_cast<char*>(ringCopy(text, tokenLen));
  return T_STRING;
}

int defrData::wordToken(DEFYYSTYPE* value) {
  const char* text = deftoken.data();
  unsigned char first = static_cast<unsigned char>(text[0]);
  if (!isAsciiLetter(first) && first != '&' && first != '_') {
    if (text[1] == '\0') return first;
    if (strcmp(text, ">=") == 0) return K_GE;
    if (strcmp(text, "<=") == 0) return K_LE;
    if (strcmp(text, "<>") == 0) return K_NE;
    defError(6017, "Odd punctuation found.");
    hasFatalError = 1;
    return first;
  }
  History_text.clear();
  size_t len = strlen(text);
  if (uc_token.size() < len + 1) uc_token.resize(deftoken.size());
  for (size_t i = 0; i <= len; i++) uc_token[i] = upperAscii(text[i]);
  int token = 0;
  if (!defGetKeyword(uc_token.data(), &token)) {
    value->string = const_cast<char*>(ringCopy(text, tokenLen));
    return T_STRING;
  }
  if (token == K_HISTORY) readHistory();
  if (token == K_BEGINEXT) readExtension();
  return token;
}

int defrData::sublex(DEFYYSTYPE* value) {
  if (point_is_token && input_level < 0 &&
      (lastToken == ')' || lastToken == T_POINT || lastToken == T_STRING)) {
    skipSpace();
    if (next < last && *next == '(') {
      if (int token = pointToken(value)) return token;
    }
  }
  int expansions = 0;
  for (;;) {
    deftoken.swap(pv_deftoken);
    if (!DefGetToken() || lexEnded) {
      deftoken = pv_deftoken;  // messages at the end still name the last token
      return 0;
    }
    const char* text = deftoken.data();
    if (text[0] == settings->CommentChar) {
      if (!skipComment()) return 0;
      continue;
    }
    if (text[0] == '&') {
      if (strcmp(upperCase(text), "&ALIAS") == 0) {
        readAlias();
        continue;
      }
      if (pushAlias(text, expansions)) {
        expansions++;
        continue;
      }
    }
    break;
  }
  const char* text = deftoken.data();
  if (defNonAsciiFlag) {
    std::string message = defrFormat(
        "Invalid characters found in '%s'.\nThese characters might be using the character "
        "types other than English.\nCreate characters by specifying valid characters types.",
        defrMessageToken(text).c_str());
    defError(6008, message.c_str());
    hasFatalError = 1;
    lexEnded = 1;
    return 0;
  }
  if (doneDesign) {
    defInfo(8000, "There are still data after the END DESIGN statement");
    return 0;
  }
  if (text[0] == '"') {
    value->string = const_cast<char*>(ringCopy(text + 1, tokenLen - 1));
    return QSTRING;
  }
  if (dumb_mode >= 0) dumb_mode--;
  if (no_num >= 0) no_num--;
  unsigned char first = static_cast<unsigned char>(text[0]);
  if (isdigit(first) || first == '.' || (first == '-' && text[1] != '\0'))
    return numberToken(value);
  return dumb_mode < 0 ? wordToken(value) : stringModeToken(value);
}

int defrData::defyylex(DEFYYSTYPE* value) {
  if (lexEnded) return 0;
  int token = sublex(value);
  lastToken = token;
  if (token == 0 && !doneDesign) {
    defError(6002, "Incomplete def file.");
    hasFatalError = 1;
  }
  return token;
}

void defrData::pathIsDone(int shield, int reset, int netOsnet, int* needCbk) {
  if ((callbacks->NetCbk || callbacks->SNetCbk) && settings->AddPathToNet) {
    if (Subnet)
      Subnet->addWirePath(&Path, reset, netOsnet, needCbk);
    else if (shield)
      Net.addShieldPath(&Path, reset, netOsnet, needCbk);
    else
      Net.addWirePath(&Path, reset, netOsnet, needCbk);
  } else if (callbacks->PathCbk) {
    callbacks->PathCbk(defrPathCbkType, &Path, session->UserData);
    Path.Destroy();
  }
  Path.Init();
}

}  // namespace LefDefParser
