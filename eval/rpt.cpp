#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <set>

#include "eval/db.h"
#include "eval/io.h"
#include "eval/textfile.h"

namespace velmor {

namespace {

Violation openNet(int id) {
  Violation v;
  v.type = 1;
  v.id = id;
  return v;
}

constexpr char kUnableToOpen[] = "Unable to open rpt file: ";

// Microns to database units, rounded half away from zero; values beyond an int
// saturate so that a violation is never dropped or wrapped.
int toDbu(const std::string& word, double scale) {
  const double v = std::round(decimalNumber(word) * scale);
  if (std::isnan(v)) return 0;  // an overflowing number times a scale of 0
  if (v <= INT_MIN) return INT_MIN;
  if (v >= INT_MAX) return INT_MAX;
  return static_cast<int>(v);
}

constexpr int kShortType = 2;

struct TypeKeyword {
  const char* word;
  int type;
  int subtype;  // -1 keeps the pending subtype
};
const TypeKeyword kTypeKeywords[] = {
    {"SHORT", kShortType, -1}, {"AREA", 3, -1}, {"SPACING", 4, -1}, {"EndOfLine", 4, 2}};

// Applies the keywords of one line to the pending record; a keyword whose
// numbers are missing from the line is ignored. True when the line held one.
bool scanGeometryLine(const std::vector<std::string>& w, double scale, Violation& v) {
  const std::size_t n = w.size();
  bool any = false;
  for (std::size_t i = 0; i < n; ++i) {
    for (const TypeKeyword& k : kTypeKeywords) {
      if (w[i] != k.word) continue;
      v.type = k.type;
      if (k.subtype >= 0) v.subtype = k.subtype;
      any = true;
    }
    if (w[i] == "Bounds" && i + 4 < n) {
      v.box = Box(toDbu(w[i + 1], scale), toDbu(w[i + 2], scale), toDbu(w[i + 3], scale),
                  toDbu(w[i + 4], scale));
      i += 4;
      any = true;
    }
    if (w[i] == "Actual" && i + 1 < n) v.actual = toDbu(w[++i], scale), any = true;
    if (w[i] == "Min" && i + 1 < n) v.min = toDbu(w[++i], scale), any = true;
  }
  return any;
}

bool isNamePunctuation(char c) { return std::strchr("().,:", c) != nullptr; }

// The words of a connectivity line: its blank-separated words cut at the
// punctuation, except that the word after "Net" stays whole (less one
// trailing ':', ',' or '.') when the design has a net of that name. A '#'
// ends the line and drops the piece it runs into.
void netLineWords(const std::vector<std::string>& raw, std::vector<std::string>& words) {
  words.clear();
  bool name = false;  // the next word is the name after "Net"
  for (const std::string& r : raw) {
    if (name && std::any_of(r.begin(), r.end(), isNamePunctuation) && r.find('#') == std::string::npos) {
      const bool trailing = r.back() == ':' || r.back() == ',' || r.back() == '.';
      const std::string whole = r.substr(0, r.size() - (trailing ? 1 : 0));
      if (Database::net(whole) != -1) {
        words.push_back(whole);
        name = false;
        continue;
      }
    }
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= r.size(); ++i) {
      if (i < r.size() && r[i] == '#') return;
      if (i < r.size() && !isNamePunctuation(r[i])) continue;
      if (i > begin) {
        words.push_back(r.substr(begin, i - begin));
        name = !name && words.back() == "Net";
      }
      begin = i + 1;
    }
  }
}

// Phrases of a net line, tried in order; the first one found decides.
struct Phrase {
  std::vector<const char*> words;
  bool open;
};
const Phrase kPhrases[] = {
    {{"has", "regular", "routing", "with", "opens"}, true},
    {{"dangline", "Wire"}, false},
    {{"dangling", "Via"}, false},
    {{"has", "an", "unconnected", "terminal"}, true},
    {{"no", "routing"}, true},
};

bool reportsOpen(const std::vector<std::string>& w) {
  for (const Phrase& p : kPhrases) {
    const auto same = [](const std::string& a, const char* b) { return a == b; };
    if (std::search(w.begin(), w.end(), p.words.begin(), p.words.end(), same) != w.end())
      return p.open;
  }
  return false;
}

}  // namespace

bool IO::readGeometryRpt(const std::string& path) {
  std::ifstream in;
  if (!openText(in, path, kUnableToOpen)) return false;
  Database* db = Database::get();
  const double scale = db->defDbu;
  const std::vector<char> separators = separatorTable("(),:");
  std::vector<std::string> words;
  Violation pending;
  long long shortsWithoutBox = 0, line = 0;
  bool recognised = false;
  while (readLineTokens(in, separators, words, false, &line)) {
    if (!words.empty()) {
      recognised |= scanGeometryLine(words, scale, pending);
      continue;
    }
    // Each record starts afresh, so none inherits another's box or values,
    // not even from a record without a type, which is not stored.
    if (pending.type == kShortType && pending.box.lx > pending.box.hx) ++shortsWithoutBox;
    if (pending.type != 0) db->violations.push_back(pending);
    pending = Violation();
  }
  if (in.bad()) {
    reportLongLine(line, "rpt file ", path);
    return false;
  }
  if (!recognised) addReaderWarning("no line of geometry report " + path + " was recognised.");
  if (shortsWithoutBox > 0)
    addReaderWarning(std::to_string(shortsWithoutBox) + " SHORT records of geometry report " + path +
                     " have no Bounds and add no area.");
  db->geoLoaded = true;
  return true;
}

// A line names its net after the word "Net" (the last such word decides). An
// open net whose name the design lacks still counts, so it is never lost.
bool IO::readConnectRpt(const std::string& path) {
  std::ifstream in;
  if (!openText(in, path, kUnableToOpen)) return false;
  Database* db = Database::get();
  std::vector<char> blanks = separatorTable("");
  blanks['#'] = kWordChar;  // netLineWords takes the comment mark
  std::vector<std::string> raw, words;
  std::set<int> openNets;
  std::set<std::string> unknownOpenNets;
  long long line = 0;
  bool recognised = false;
  while (readLineTokens(in, blanks, raw, true, &line)) {
    netLineWords(raw, words);
    if (words.empty() || words[0] != "Net") continue;
    recognised = true;
    int net = -1;
    const std::string* unknown = nullptr;
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
      if (words[i] != "Net") continue;
      const std::string& name = words[++i];
      net = Database::net(name);
      unknown = net == -1 ? &name : nullptr;
      if (unknown) std::cout << "unknown net name : " << clipped(name) << '\n';
    }
    if (net == -1 && !unknown) continue;
    if (net != -1 && db->nets[net].pins.size() < 2) continue;
    if (!reportsOpen(words)) continue;
    if (unknown)
      unknownOpenNets.insert(*unknown);
    else
      openNets.insert(net);
  }
  std::cout.flush();
  if (in.bad()) {
    reportLongLine(line, "rpt file ", path);
    return false;
  }
  if (!recognised) addReaderWarning("no line of connectivity report " + path + " was recognised.");
  for (int net : openNets) db->violations.push_back(openNet(net));
  for (std::size_t i = 0; i < unknownOpenNets.size(); ++i) db->violations.push_back(openNet(-1));
  db->connLoaded = true;
  return true;
}

}  // namespace velmor
