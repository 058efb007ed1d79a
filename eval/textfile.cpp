#include "eval/textfile.h"

#include <sys/stat.h>

#include <cctype>
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
  if (!in) std::cerr << label << path << std::endl;
  return static_cast<bool>(in);
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
  return word.size() <= kShown ? word : word.substr(0, kShown) + "...";
}

void reportLongLine(long long line, const char* label, const std::string& path) {
  std::cerr << "Line " << line << " of " << label << path << " is longer than 64 MB." << std::endl;
}

}  // namespace velmor
