#include <charconv>
#include <fstream>

#include "eval/db.h"
#include "eval/io.h"
#include "eval/outfile.h"
#include "eval/textfile.h"

namespace velmor {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;

// A guide line: four whole numbers that fit an int and a routing-layer name.
bool readGuideLine(const Database& db, const std::vector<std::string>& words, Shape& guide) {
  if (words.size() != 5) return false;
  int c[4];
  for (int i = 0; i < 4; ++i) {
    const std::string& w = words[i];
    const std::size_t sign = w[0] == '+' || w[0] == '-' ? 1 : 0;
    if (w.size() == sign || w.find_first_not_of("0123456789", sign) != std::string::npos) return false;
    if (!textToInt(w, c[i])) return false;
  }
  const auto layer = db.routeLayerMap.find(words[4]);
  if (layer == db.routeLayerMap.end() || layer->second >= db.routeLayers.size()) return false;
  guide = Shape(c[0], c[1], c[2], c[3], layer->second);
  return true;
}

void appendInt(std::string& out, int value) {
  char digits[16];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendGuide(std::string& out, const Shape& g, const std::string& layerName) {
  for (int v : {g.lx, g.ly, g.hx, g.hy}) {
    appendInt(out, v);
    out += ' ';
  }
  out += layerName;
  out += '\n';
}

// Horizontal layers take the guides merged into horizontal strips first, all
// others those merged into vertical strips first.
bool writeGuides(OutputFile& out) {
  if (!out.open()) return false;
  const Database* db = Database::get();
  std::string text;
  text.reserve(2 * kFlushBytes);
  for (const Net& net : db->nets) {
    text += net.name;
    text += "\n(\n";
    for (std::size_t l = 0; l < db->routeLayers.size(); ++l) {
      const RouteLayer& layer = db->routeLayers[l];
      const auto& lists = layer.direction == 'H' ? net.guides : net.guides2;
      if (l >= lists.size()) continue;
      for (const Shape& g : lists[l]) appendGuide(text, g, layer.name);
    }
    text += ")\n";
    if (text.size() >= kFlushBytes) {
      if (!out.write(text.data(), text.size())) return false;
      text.clear();
    }
  }
  return out.write(text.data(), text.size());
}

}  // namespace

bool IO::readRg(const std::string& path) {
  std::ifstream in;
  if (!openText(in, path, "Unable to open guide file: ")) return false;
  Database* db = Database::get();
  std::vector<char> separators = separatorTable("");
  separators['#'] = kWordComment;  // net names may hold '#'
  std::vector<std::string> words;
  int net = -1;
  bool inBlock = false, recognised = false;
  long long line = 0, skipped = 0, firstSkipped = 0;
  Shape guide;
  while (readLineTokens(in, separators, words, true, &line)) {
    if (words[0] == "(") {
      inBlock = true;
    } else if (words[0] == ")") {
      inBlock = false;
    } else if (!inBlock) {
      net = Database::net(words[0]);
      recognised |= net != -1;
    } else if (!readGuideLine(*db, words, guide)) {
      if (skipped++ == 0) firstSkipped = line;
    } else if (net != -1) {
      db->nets[net].addGuide(guide);
      recognised = true;
    }
  }
  if (in.bad()) {
    reportLongLine(line, "guide file ", path);
    return false;
  }
  if (!recognised) addReaderWarning("no line of guide file " + path + " was recognised.");
  if (skipped > 0)
    addReaderWarning(std::to_string(skipped) + " lines of guide file " + path +
                     " are no guide (four whole numbers and a routing layer) and were skipped; the first is line " +
                     std::to_string(firstSkipped) + ".");
  db->guideLoaded = true;
  return true;
}

bool IO::writeRg(const std::string& path) {
  OutputFile out(path);
  const bool ok = writeGuides(out) && out.commit();
  setWriteFailure(out.failure());
  return ok;
}

}  // namespace velmor
