#include <algorithm>
#include <cmath>

#include "eval/db.h"
#include "eval/io.h"
#include "eval/textfile.h"

namespace velmor {

namespace {

// Weight file keys by metric index.
const char* const kWeightKeys[] = {"Wire",         "Via",         "OutOfGuideWire", "OutOfGuideVia",
                                   "OffTrackWire", "OffTrackVia", "WrongWayWire",   "Short",
                                   "Area",         "Spacing",     "Open"};
constexpr std::size_t kWeightCount = sizeof kWeightKeys / sizeof kWeightKeys[0];

}  // namespace

// Words are paired across lines, as white space separates them all; '#' is
// no comment mark here.
bool IO::readWeights(const std::string& path) {
  std::ifstream in;
  if (!openText(in, path, "Unable to open weights file: ")) return false;
  Database* db = Database::get();
  static_assert(kWeightCount == 11, "one key per score weight");
  std::vector<char> blanks = separatorTable("");
  blanks['#'] = kWordChar;
  blanks['\v'] = blanks['\f'] = kBlank;
  std::vector<std::string> words;
  std::string key;
  bool haveKey = false, recognised = false;
  long long line = 0;
  while (readLineTokens(in, blanks, words, true, &line)) {
    for (const std::string& word : words) {
      if (!haveKey) {
        key = word;
        haveKey = true;
        continue;
      }
      haveKey = false;
      const std::size_t i = std::find(kWeightKeys, kWeightKeys + kWeightCount, key) - kWeightKeys;
      if (i == kWeightCount) continue;
      recognised = true;
      const double value = decimalNumber(word);
      if (decimalLength(word) > 0 && std::isfinite(value)) {
        db->weights[i] = value;
        continue;
      }
      addReaderWarning("line " + std::to_string(line) + " of weights file " + path + ": " + key + " " +
                       clipped(word) + " is no finite number; the weight is unchanged.");
    }
  }
  if (in.bad()) {
    reportLongLine(line, "weights file ", path);
    return false;
  }
  if (!recognised) addReaderWarning("no line of weights file " + path + " was recognised.");
  db->weightsLoaded = true;
  return true;
}

}  // namespace velmor
