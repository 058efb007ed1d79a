// Inputs the fuzzer found troublesome: each must be read to a failing result, quickly.
#include <gtest/gtest.h>

#include <dirent.h>

#include <string>
#include <vector>

#include "defrTestRead.h"

using namespace LefDefParser;

namespace {

int onText(defrCallbackType_e, const char*, void*) { return 0; }

TEST(DefFuzzFindings, EveryKeptInputFailsCleanly) {
  const std::string dir = std::string(VELMOR_TEST_DATA) + "/def/fuzz";
  DIR* d = opendir(dir.c_str());
  ASSERT_NE(d, nullptr) << dir;
  std::vector<std::string> names;
  while (dirent* e = readdir(d)) {
    if (e->d_name[0] != '.') names.push_back(e->d_name);
  }
  closedir(d);
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    defrtest::freshReader();
    defrSetAddPathToNet();
    defrSetDesignCbk(onText);
    defrInit();
    FILE* f = fopen((dir + "/" + name).c_str(), "r");
    ASSERT_NE(f, nullptr) << name;
    EXPECT_NE(defrRead(f, name.c_str(), nullptr, 1), 0) << name;
    fclose(f);
  }
}

}  // namespace
