#include "eval/setting.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace velmor {

Setting* Setting::_instance = nullptr;

Setting* Setting::get() {
  if (!_instance) _instance = new Setting();
  return _instance;
}

namespace {

// strtol in base 10, clamped into an int instead of wrapping.
int decimal(const char* text) {
  const long v = std::strtol(text, nullptr, 10);
  return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

// Options that take the next argument as a file name.
struct FileOption {
  const char* name;
  std::string Setting::*field;
};

const FileOption kFileOptions[] = {
    {"-lef", &Setting::lef},         {"-def", &Setting::def},       {"-output", &Setting::output},
    {"-georpt", &Setting::georpt},   {"-conrpt", &Setting::conrpt}, {"-guide", &Setting::guide},
    {"-weights", &Setting::weights},
};

// Names that -benchmark fills, in fill order.
const FileOption kBenchmarkFiles[] = {
    {".input.lef", &Setting::lef},   {".input.def", &Setting::def},  {".input.guide", &Setting::guide},
    {".conn.rpt", &Setting::conrpt}, {".geo.rpt", &Setting::georpt},
};

}  // namespace

bool Setting::readArgs(int argc, char** argv) {
  if (argc < 2) return true;
  Setting& s = *get();
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
    bool matched = false;
    for (const FileOption& o : kFileOptions) {
      if (next && std::strcmp(arg, o.name) == 0) {
        s.*o.field = next;
        ++i;
        matched = true;
        break;
      }
    }
    if (matched) continue;
    if (std::strcmp(arg, "-genguide") == 0) {
      s.mode = kGenGuide;
    } else if (next && std::strcmp(arg, "-threads") == 0) {
      s.threads = decimal(next);
      ++i;
    } else if (std::strcmp(arg, "-sim") == 0) {
      s.mode = kSimulate;
      if (next) {
        s.simSeconds = decimal(next);
        ++i;
      }
    } else if (next && std::strcmp(arg, "-benchmark") == 0) {
      for (const FileOption& f : kBenchmarkFiles)
        if ((s.*f.field).empty()) s.*f.field = std::string("velmor_") + next + f.name;
      ++i;
    } else {
      std::cerr << "Unknown option: " << arg << std::endl;
      return false;
    }
  }
  return true;
}

}  // namespace velmor
