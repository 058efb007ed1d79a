#pragma once

#include <atomic>
#include <istream>
#include <string>
#include <vector>

#include "def/defrCallbacks.h"
#include "lef/lefrCallbacks.h"

namespace velmor {

struct GuideText;

// The evaluator's file functions. Readers print their own "Unable to open"
// line; every function returns success and leaves the run's verdict on it to
// the caller.
class IO {
public:
  static bool readLef(const std::string& path);
  static bool readDef(const std::string& path);
  // Via elements of the last DEF read's nets whose name no via defines; they
  // give no via wire.
  static long long unknownViaElements();

  // Reader callbacks of the two imports; the user data is the Database.
  using LefType = LefDefParser::lefrCallbackType_e;
  using DefType = LefDefParser::defrCallbackType_e;
  static int readLefUnits(LefType, LefDefParser::lefiUnits* units, void* db);
  static int readLefLayer(LefType, LefDefParser::lefiLayer* layer, void* db);
  static int readLefVia(LefType, LefDefParser::lefiVia* via, void* db);
  static int readLefMacroBegin(LefType, const char* name, void* db);
  static int readLefMacro(LefType, LefDefParser::lefiMacro* macro, void* db);
  static int readLefPin(LefType, LefDefParser::lefiPin* pin, void* db);
  static int readDefDesign(DefType, const char* name, void* db);
  static int readDefUnits(DefType, double dbu, void* db);
  static int readDefProperty(DefType, LefDefParser::defiProp* prop, void* db);
  static int readDefDieArea(DefType, LefDefParser::defiBox* box, void* db);
  static int readDefRow(DefType, LefDefParser::defiRow* row, void* db);
  static int readDefTrack(DefType, LefDefParser::defiTrack* track, void* db);
  static int readDefGcellGrid(DefType, LefDefParser::defiGcellGrid* grid, void* db);
  static int readDefComponent(DefType, LefDefParser::defiComponent* comp, void* db);
  static int readDefVia(DefType, LefDefParser::defiVia* via, void* db);
  static int readDefNet(DefType, LefDefParser::defiNet* net, void* db);

  static bool readRg(const std::string& path);
  // readRg in two steps, so that the first can run while the DEF is read:
  // parseRg needs the routing layers only and prints nothing; addRg gives
  // the nets their guides and prints, warns and returns what readRg does.
  // With `clean`, parseRg also cleans the guides of each block whose name
  // no other block has, and the net of such a block takes them cleaned (its
  // guides2 no longer empty); the nets must have no guides yet. Once `stop`
  // is set, the read ends at its next block and leaves `text` empty.
  static void parseRg(const std::string& path, GuideText& text, bool clean = false,
                      const std::atomic<bool>* stop = nullptr);
  static bool addRg(GuideText& text);
  static bool writeRg(const std::string& path);
  static bool readGeometryRpt(const std::string& path);
  static bool readConnectRpt(const std::string& path);
  static bool readWeights(const std::string& path);
  static bool writeDef(const std::string& defPath, const std::string& outPath);
  // "path: reason" of the last write that failed; empty after a success.
  static const std::string& writeFailure();
  // Warnings the readers and imports collected since the last call.
  static std::vector<std::string> takeWarnings();

  // Splits one line (with skipEmpty, the next line that has a word) into
  // words; a non-zero entry of the 256-entry table marks a separator and '#'
  // ends the line (kWordComment: where it begins a word). `lines`, when
  // given, counts the lines begun. A line longer than kMaxLine bytes ends the
  // reading: false, no words and the stream's bad state.
  static bool readLineTokens(std::istream& in, const std::vector<char>& separators,
                             std::vector<std::string>& tokens, bool skipEmpty, long long* lines = nullptr);

  static bool isFlipX(int orient);
  static bool isFlipY(int orient);
};

// Separator classes of the line files.
enum SeparatorClass : char { kWordChar = 0, kPunctuation = 1, kBlank = 2, kComment = 3, kWordComment = 4 };

constexpr std::size_t kMaxLine = std::size_t{64} << 20;

// A table with the four blanks, '#' and the given punctuation characters.
std::vector<char> separatorTable(const char* punctuation);

// What the file functions leave for IO::writeFailure and IO::takeWarnings.
void setWriteFailure(const std::string& text);
void addReaderWarning(const std::string& text);

// Decimal integer text (optional sign, digits; no number reads as 0) into an
// int; false when the value does not fit.
bool textToInt(const std::string& text, int& value);

}  // namespace velmor
