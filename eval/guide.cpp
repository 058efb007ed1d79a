#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <iostream>
#include <string_view>
#include <utility>

#include "eval/db.h"
#include "eval/guidetext.h"
#include "eval/io.h"
#include "eval/outfile.h"
#include "eval/textfile.h"
#include "eval/workers.h"

namespace velmor {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;

// Words are cut every this many bytes, as IO::readLineTokens cuts them.
constexpr std::size_t kMaxWord = 1000;
constexpr std::size_t kReadBlock = std::size_t{1} << 20;
constexpr std::size_t kBlocksPerChunk = 4096;
constexpr std::size_t kNetsPerChunk = 256;

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The words of one line (without its line feed) as IO::readLineTokens
// splits a guide file's: the four blanks separate, a '#' that begins a word
// ends the line. The first six are kept, all are counted.
struct LineWords {
  std::string_view word[6];
  std::size_t count = 0;

  void split(const char* p, const char* end) {
    count = 0;
    for (;;) {
      while (p != end && blank(*p)) ++p;
      if (p == end || *p == '#') return;
      const char* start = p;
      while (p != end && !blank(*p)) ++p;
      // A piece after a cut that begins with '#' ends the line too.
      for (const char* piece = start; piece < p; piece += kMaxWord) {
        if (piece != start && *piece == '#') return;
        add(piece, std::min<std::size_t>(kMaxWord, static_cast<std::size_t>(p - piece)));
      }
    }
  }

 private:
  void add(const char* p, std::size_t n) {
    if (count < 6) word[count] = std::string_view(p, n);
    ++count;
  }
};

// Optional sign and digits only, the value within int.
bool wholeNumber(std::string_view w, int& value) {
  const char* from = w.data();
  const char* end = from + w.size();
  if (*from == '+' && ++from != end && *from == '-') return false;  // from_chars takes no '+' but a '-'
  const std::from_chars_result r = std::from_chars(from, end, value);
  return r.ec == std::errc() && r.ptr == end;
}

// The guide file's lines into a GuideText; routing layers are looked up in a
// copy taken at the start, so the database may change meanwhile.
class GuideParser {
 public:
  GuideParser(const Database& db, GuideText& text) : text_(text), layerCount_(db.routeLayers.size()) {
    for (const auto& [name, index] : db.routeLayerMap)
      if (index < db.routeLayers.size()) layers_.push_back({name, index});
  }

  void line(const char* begin, const char* end, long long number) {
    if (number == 1 && startsWithByteOrderMark(begin, end)) begin += 3;
    words_.split(begin, end);
    if (words_.count == 0) return;
    const std::string_view first = words_.word[0];
    if (first == "(") {
      inBlock_ = true;
    } else if (first == ")") {
      inBlock_ = false;
    } else if (!inBlock_) {
      text_.names.append(first.data(), first.size());
      text_.blocks.emplace_back().nameEnd = text_.names.size();
    } else if (!guide()) {
      if (text_.skipped++ == 0) text_.firstSkipped = number;
    } else if (!text_.blocks.empty()) {
      LayerGuides& guides = text_.blocks.back().guides;
      if (guides.empty()) guides.resize(layerCount_);
      guides[guide_.layer].push_back(guide_);
    }
  }

 private:
  struct Layer {
    std::string name;
    unsigned char index;
  };

  // Four whole numbers that fit an int and a routing-layer name.
  bool guide() {
    if (words_.count != 5) return false;
    int c[4];
    for (int i = 0; i < 4; ++i)
      if (!wholeNumber(words_.word[i], c[i])) return false;
    const std::string_view name = words_.word[4];
    if (last_ >= layers_.size() || layers_[last_].name != name) {
      last_ = 0;
      while (last_ < layers_.size() && layers_[last_].name != name) ++last_;
      if (last_ == layers_.size()) return false;
    }
    guide_ = Shape(c[0], c[1], c[2], c[3], layers_[last_].index);
    return true;
  }

  GuideText& text_;
  std::size_t layerCount_;
  std::vector<Layer> layers_;
  std::size_t last_ = 0;  // the layer of the last guide, looked at first
  LineWords words_;
  Shape guide_;
  bool inBlock_ = false;
};

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

// Lines are cut from blocks read whole; a line that reaches past kMaxLine
// ends the reading as it ends IO::readLineTokens.
void IO::parseRg(const std::string& path, GuideText& text, bool clean, const std::atomic<bool>* stop) {
  const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
  text = GuideText();
  text.path = path;
  // A directory opens but reads as an empty file; it must not pass for one.
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  text.opened = true;
  GuideParser parser(*Database::get(), text);
  std::vector<char> buffer(kReadBlock);
  std::size_t begin = 0, scanned = 0, filled = 0;
  long long line = 0;
  for (bool end = false;;) {
    const char* data = buffer.data();
    const void* feed = std::memchr(data + scanned, '\n', filled - scanned);
    if (feed) {
      const char* stop = static_cast<const char*>(feed);
      if (static_cast<std::size_t>(stop - data) - begin > kMaxLine) {
        text.longLine = line + 1;
        break;
      }
      parser.line(data + begin, stop, ++line);
      begin = scanned = static_cast<std::size_t>(stop - data) + 1;
      continue;
    }
    scanned = filled;
    if (filled - begin > kMaxLine) {
      text.longLine = line + 1;
      break;
    }
    if (end) {
      if (filled > begin) parser.line(data + begin, data + filled, ++line);
      break;
    }
    if (stopped()) break;
    std::memmove(buffer.data(), data + begin, filled - begin);
    filled -= begin, scanned -= begin, begin = 0;
    if (buffer.size() - filled < kReadBlock / 2) buffer.resize(2 * buffer.size());
    const ssize_t n = read(fd, buffer.data() + filled, buffer.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) end = true;
    else filled += static_cast<std::size_t>(n);
  }
  close(fd);
  if (stopped()) {
    text = GuideText();
    return;
  }
  if (!clean) return;
  // A name that several blocks give gathers their guides before cleaning.
  auto name = [&text](std::size_t b) {
    const std::size_t start = b ? text.blocks[b - 1].nameEnd : 0;
    return std::string_view(text.names).substr(start, text.blocks[b].nameEnd - start);
  };
  std::vector<std::size_t> byName(text.blocks.size());
  for (std::size_t b = 0; b < byName.size(); ++b) byName[b] = b;
  std::sort(byName.begin(), byName.end(), [&name](std::size_t a, std::size_t b) { return name(a) < name(b); });
  std::vector<char> alone(text.blocks.size(), 1);
  for (std::size_t i = 1; i < byName.size(); ++i)
    if (name(byName[i - 1]) == name(byName[i])) alone[byName[i - 1]] = alone[byName[i]] = 0;
  forEachChunk(text.blocks.size(), kNetsPerChunk, [&](std::size_t, std::size_t from, std::size_t to) {
    for (std::size_t b = from; b < to && !stopped(); ++b)
      if (alone[b]) Net::cleanGuides(text.blocks[b].guides, text.blocks[b].guides2);
  });
  if (stopped()) text = GuideText();
}

bool IO::addRg(GuideText& text) {
  if (!text.opened) {
    std::cerr << "Unable to open guide file: " << text.path << std::endl;
    return false;
  }
  Database* db = Database::get();
  std::vector<GuideText::Block>& blocks = text.blocks;
  std::vector<int> netOf(blocks.size());
  forEachChunk(blocks.size(), kBlocksPerChunk, [&](std::size_t, std::size_t from, std::size_t to) {
    std::string name;
    for (std::size_t b = from; b < to; ++b) {
      const std::size_t start = b ? blocks[b - 1].nameEnd : 0;
      netOf[b] = Database::net(name.assign(text.names, start, blocks[b].nameEnd - start));
    }
  });
  const bool recognised = std::find_if(netOf.begin(), netOf.end(), [](int n) { return n != -1; }) != netOf.end();
  // Each worker takes a range of nets and goes through the blocks in file
  // order, so a net named by several blocks takes their guides in that order.
  const std::size_t netsPerChunk = db->nets.size() / (4 * workerCount()) + 1;
  forEachChunk(db->nets.size(), netsPerChunk, [&](std::size_t, std::size_t from, std::size_t to) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      if (netOf[b] < 0 || static_cast<std::size_t>(netOf[b]) < from || static_cast<std::size_t>(netOf[b]) >= to)
        continue;
      Net& net = db->nets[netOf[b]];
      if (!blocks[b].guides2.empty()) {
        net.guides = std::move(blocks[b].guides);
        net.guides2 = std::move(blocks[b].guides2);
        continue;
      }
      for (const std::vector<Shape>& layer : blocks[b].guides)
        for (const Shape& s : layer) net.addGuide(s);
    }
  });
  if (text.longLine > 0) {
    reportLongLine(text.longLine, "guide file ", text.path);
    return false;
  }
  if (!recognised) addReaderWarning("no line of guide file " + text.path + " was recognised.");
  if (text.skipped > 0)
    addReaderWarning(std::to_string(text.skipped) + " lines of guide file " + text.path +
                     " are no guide (four whole numbers and a routing layer) and were skipped; the first is line " +
                     std::to_string(text.firstSkipped) + ".");
  db->guideLoaded = true;
  return true;
}

bool IO::readRg(const std::string& path) {
  GuideText text;
  parseRg(path, text);
  return addRg(text);
}

bool IO::writeRg(const std::string& path) {
  OutputFile out(path);
  const bool ok = writeGuides(out) && out.commit();
  setWriteFailure(out.failure());
  return ok;
}

}  // namespace velmor
