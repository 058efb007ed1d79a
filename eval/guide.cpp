#include <charconv>
#include <fstream>

#include "eval/db.h"
#include "eval/io.h"
#include "eval/outfile.h"
#include "eval/textfile.h"

namespace velmor {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;

// A guide line: four corners and a routing-layer name. Lines whose numbers do
// not fit an int or whose layer is no routing layer carry no guide.
void addGuideLine(Database& db, Net& net, const std::vector<std::string>& words) {
  int c[4];
  for (int i = 0; i < 4; ++i)
    if (!textToInt(words[i], c[i])) return;
  const auto layer = db.routeLayerMap.find(words[4]);
  if (layer == db.routeLayerMap.end() || layer->second >= db.routeLayers.size()) return;
  net.addGuide(c[0], c[1], c[2], c[3], layer->second);
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
  const std::vector<char> separators = separatorTable("");
  std::vector<std::string> words;
  int net = -1;
  bool inBlock = false;
  while (readLineTokens(in, separators, words, true)) {
    if (words[0] == "(") {
      inBlock = true;
    } else if (words[0] == ")") {
      inBlock = false;
    } else if (!inBlock) {
      net = Database::net(words[0]);
    } else if (words.size() == 5 && net != -1) {
      addGuideLine(*db, db->nets[net], words);
    }
  }
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
