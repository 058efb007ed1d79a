#include "eval/textfile.h"

#include <sys/stat.h>

#include <cctype>
#include <cstring>
#include <cstdlib>
#include <iostream>

namespace velmor {

bool openText(std::ifstream& in, const std::string& path, const char* label) {
  // A directory opens but reads as an empty file; it must not pass for one.
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
    in.setstate(std::ios::failbit);
  else
    in.open(path);
  if (!in) {
    std::cerr << label << path << std::endl;
    return false;
  }
  // Some editors begin a file with a byte-order mark; it is no part of the first word.
  std::streambuf* buf = in.rdbuf();
  int matched = 0;
  while (matched < 3 && buf->sgetc() == static_cast<unsigned char>(kByteOrderMark[matched])) {
    buf->sbumpc();
    ++matched;
  }
  if (matched < 3)
    while (matched > 0) buf->sputbackc(kByteOrderMark[--matched]);
  return true;
}

bool startsWithByteOrderMark(const char* begin, const char* end) {
  return end - begin >= 3 && std::memcmp(begin, kByteOrderMark, 3) == 0;
}

namespace {

std::size_t digitsFrom(const std::string& t, std::size_t i) {
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
  return i;
}

}  // namespace

std::size_t decimalLength(const std::string& text) {
  const std::size_t start = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  std::size_t end = digitsFrom(text, start);
  std::size_t digits = end - start;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = digitsFrom(text, end + 1);
    digits += fractionEnd - end - 1;
    end = fractionEnd;
  }
  if (digits == 0) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t e = end + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t expEnd = digitsFrom(text, e);
    if (expEnd > e) end = expEnd;
  }
  return end;
}

double decimalNumber(const std::string& text) {
  const std::size_t length = decimalLength(text);
  return length == 0 ? 0.0 : std::strtod(text.substr(0, length).c_str(), nullptr);
}

std::string clipped(const std::string& word) {
  constexpr std::size_t kShown = 100;
  std::string shown;
  for (std::size_t i = 0; i < word.size() && i < kShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(word[i]);
    if (c >= 0x20 && c != 0x7f) {
      shown += static_cast<char>(c);
      continue;
    }
    static const char kHex[] = "0123456789abcdef";
    shown += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
  }
  return word.size() <= kShown ? shown : shown + "...";
}

void reportLongLine(long long line, const char* label, const std::string& path) {
  std::cerr << "Line " << line << " of " << label << path << " is longer than 64 MB." << std::endl;
}

}  // namespace velmor
