#pragma once

#include <fstream>
#include <string>

namespace velmor {

// Opens a text file for reading; when it does not open, or is a directory,
// writes `label`, the path and a line end on standard error.
// A UTF-8 byte-order mark at the very start is skipped.
bool openText(std::ifstream& in, const std::string& path, const char* label);

constexpr char kByteOrderMark[3] = {'\xef', '\xbb', '\xbf'};
bool startsWithByteOrderMark(const char* begin, const char* end);

// The decimal number that `text` begins with (sign, digits, fraction,
// exponent), 0 when it begins with none. Hexadecimal, "inf" and "nan" are no
// decimal numbers: they read as 0, or as the digits before them.
double decimalNumber(const std::string& text);
// The length of that number's text; 0 when `text` begins with none.
std::size_t decimalLength(const std::string& text);

// A word as messages show it: at most its first 100 bytes, then "...". Bytes
// below 0x20 and 0x7f show as \xNN, so that a name cannot steer the terminal.
std::string clipped(const std::string& word);

// Writes "Line N of `label` path is longer than 64 MB." on standard error.
void reportLongLine(long long line, const char* label, const std::string& path);

}  // namespace velmor
