#include "eval/io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace velmor {

namespace {

constexpr std::size_t kMaxWord = 1000;

// Mirror flags by orientation code N, W, S, E, FN, FW, FS, FE.
constexpr bool kFlipX[8] = {false, false, true, false, true, false, false, false};
constexpr bool kFlipY[8] = {false, false, true, false, false, false, true, false};

bool validOrient(int orient) { return orient >= 0 && orient < 8; }

std::string lastWriteFailure;
std::vector<std::string> readerWarnings;

}  // namespace

std::vector<char> separatorTable(const char* punctuation) {
  std::vector<char> table(256, kWordChar);
  for (unsigned char c : {'\t', '\n', '\r', ' '}) table[c] = kBlank;
  for (const char* p = punctuation; *p; ++p) table[static_cast<unsigned char>(*p)] = kPunctuation;
  table['#'] = kComment;
  return table;
}

bool textToInt(const std::string& text, int& value) {
  errno = 0;
  const long long v = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

// Reads straight from the stream buffer so that a line costs no allocation;
// the stream states end up as a getline of the same line would leave them.
bool IO::readLineTokens(std::istream& in, const std::vector<char>& separators,
                        std::vector<std::string>& tokens, bool skipEmpty, long long* lines) {
  tokens.clear();
  char word[kMaxWord];
  while (!in.fail() && tokens.empty()) {
    std::istream::sentry ok(in, true);
    if (ok) {
      std::streambuf* buf = in.rdbuf();
      std::size_t len = 0;
      std::size_t lineLength = 0;
      bool comment = false;
      for (;;) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
          in.setstate(lineLength > 0 ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
          break;
        }
        if (lineLength++ == 0 && lines) ++*lines;
        if (c == '\n') break;
        if (lineLength > kMaxLine) {
          tokens.clear();
          in.setstate(std::ios::badbit);
          return false;
        }
        if (comment) continue;
        const char kind = separators[static_cast<unsigned char>(c)];
        if (c == '#' && (kind != kWordComment || len == 0) && kind != kWordChar) {
          // A word that runs into the comment mark is dropped.
          comment = true;
          len = 0;
        } else if (kind == kWordChar || kind == kWordComment) {
          word[len++] = static_cast<char>(c);
          if (len == kMaxWord) {
            tokens.emplace_back(word, len);
            len = 0;
          }
        } else if (len > 0) {
          tokens.emplace_back(word, len);
          len = 0;
        }
      }
      if (len > 0) tokens.emplace_back(word, len);
    }
    if (!skipEmpty) return true;
  }
  return !tokens.empty();
}

void setWriteFailure(const std::string& text) { lastWriteFailure = text; }

void addReaderWarning(const std::string& text) { readerWarnings.push_back(text); }

const std::string& IO::writeFailure() { return lastWriteFailure; }

std::vector<std::string> IO::takeWarnings() {
  std::vector<std::string> taken;
  taken.swap(readerWarnings);
  return taken;
}

bool IO::isFlipX(int orient) { return validOrient(orient) && kFlipX[orient]; }

bool IO::isFlipY(int orient) { return validOrient(orient) && kFlipY[orient]; }

}  // namespace velmor
