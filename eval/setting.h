#pragma once

#include <string>

namespace velmor {

// The command-line settings (Setting::get()). The constructor is public so that
// a fresh settings object can be assigned over the singleton.
class Setting {
 public:
  std::string lef;
  std::string def;
  std::string output;
  std::string georpt;
  std::string conrpt;
  std::string guide;
  std::string weights = "velmoreval.w";
  int simSeconds = 0;
  int threads = 0;
  int mode = 0;  // 0 evaluation, 1 guide generation, 2 simulation

  static constexpr int kEvaluate = 0;
  static constexpr int kGenGuide = 1;
  static constexpr int kSimulate = 2;

  static Setting* get();
  // False after the first argument it does not understand, with
  // "Unknown option: " and the argument on standard error.
  static bool readArgs(int argc, char** argv);

 private:
  static Setting* _instance;
};

}  // namespace velmor
