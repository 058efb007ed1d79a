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

bool IO::readWeights(const std::string& path) {
  std::ifstream in;
  if (!openText(in, path, "Unable to open weights file: ")) return false;
  Database* db = Database::get();
  static_assert(kWeightCount == 11, "one key per score weight");
  std::string key, value;
  while (in >> key >> value) {
    for (std::size_t i = 0; i < kWeightCount; ++i) {
      if (key == kWeightKeys[i]) {
        db->weights[i] = decimalNumber(value);
        break;
      }
    }
  }
  db->weightsLoaded = true;
  return true;
}

}  // namespace velmor
