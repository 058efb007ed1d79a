// Only lefiMisc.h: the orientation names come with the geometry and site
// classes, without the message sink.
#include "lef/lefiMisc.h"

#include <gtest/gtest.h>

namespace LefDefParser {
namespace {

TEST(LefiOrientStr, NamesOfAllCodes) {
  const struct {
    int code;
    const char* name;
  } cases[] = {
      {0, "N"},  {1, "W"},  {2, "S"},  {3, "E"},  {4, "FN"},
      {5, "FW"}, {6, "FS"}, {7, "FE"}, {8, ""},   {-1, ""},
      {1000, ""},
  };
  for (const auto& c : cases) EXPECT_STREQ(lefiOrientStr(c.code), c.name) << c.code;
}

}  // namespace
}  // namespace LefDefParser
