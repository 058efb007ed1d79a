#pragma once

#include <istream>
#include <string>
#include <vector>

namespace velmor {

// The evaluator's file functions. Readers print their own "Unable to open"
// line; every function returns success and leaves the run's verdict on it to
// the caller.
class IO {
public:
  static bool readLef(const std::string& path);
  static bool readDef(const std::string& path);

  static bool readRg(const std::string& path);
  static bool writeRg(const std::string& path);
  static bool readGeometryRpt(const std::string& path);
  static bool readConnectRpt(const std::string& path);
  static bool readWeights(const std::string& path);
  static bool writeDef(const std::string& defPath, const std::string& outPath);

  // Splits one line (with skipEmpty, the next line that has a word) into
  // words; a non-zero entry of the 256-entry table marks a separator and '#'
  // ends the line.
  static bool readLineTokens(std::istream& in, const std::vector<char>& separators,
                             std::vector<std::string>& tokens, bool skipEmpty);

  static bool isFlipX(int orient);
  static bool isFlipY(int orient);
};

// Separator classes of the line files.
enum SeparatorClass : char { kWordChar = 0, kPunctuation = 1, kBlank = 2, kComment = 3 };

// A table with the four blanks, '#' and the given punctuation characters.
std::vector<char> separatorTable(const char* punctuation);

// Decimal integer text (optional sign, digits; no number reads as 0) into an
// int; false when the value does not fit.
bool textToInt(const std::string& text, int& value);

}  // namespace velmor
