#pragma once

#include <fstream>
#include <string>

namespace velmor {

// Opens a text file for reading; when it does not open, or is a directory,
// writes `label`, the path and a line end on standard error.
bool openText(std::ifstream& in, const std::string& path, const char* label);

// The decimal number that `text` begins with (sign, digits, fraction,
// exponent), 0 when it begins with none. Hexadecimal, "inf" and "nan" are no
// decimal numbers: they read as 0, or as the digits before them.
double decimalNumber(const std::string& text);

}  // namespace velmor
