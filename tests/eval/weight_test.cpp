#include <gtest/gtest.h>

#include "eval/db.h"
#include "eval/io.h"

namespace velmor {
namespace {

using Weights = std::vector<double>;

const Weights kOnes(11, 1.0);

class ReadWeights : public testing::Test {
protected:
  void SetUp() override { *Database::get() = Database(); }

  static std::string data(const char* name) { return std::string(VELMOR_TEST_DATA) + "/eval/" + name; }
};

TEST_F(ReadWeights, FilesSetTheNamedWeights) {
  struct Case {
    const char* file;
    Weights weights;
  } cases[] = {
      {"io_weights_lines.w", {0.5, 2, 3, 4, 0.25, 6, 7, 500, 600, 700, 1000}},
      {"io_weights_one_line.w", {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
      {"io_weights_short.w", {1, 1, 1, 1, 1, 1, 1, 500, 1, 1, 1}},
      // Keys in another case are no keys.
      {"io_weights_case.w", kOnes},
      {"io_weights_empty.w", kOnes},
      // A key without a value after it is ignored.
      {"io_weights_dangling_key.w", {1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      // '#' is a word like any other: pairs become (#,my) (weights,Wire) (3,Via).
      {"io_weights_hash.w", kOnes},
      // Repeated key keeps the last value; a number stops at its first foreign
      // character (0x1A is 0); unknown keys skip their value; "abc", "nan" and
      // "inf" are no decimal numbers and leave their weight; an exponent
      // without digits is not part of the number.
      {"io_weights_mixed.w", {0, -0.25, 0.5, 1, 1, 25, -2.5, 1, 9, 7, 1}},
  };
  for (const Case& c : cases) {
    *Database::get() = Database();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(IO::readWeights(data(c.file))) << c.file;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << c.file;
    EXPECT_EQ(Database::get()->weights, c.weights) << c.file;
    EXPECT_TRUE(Database::get()->weightsLoaded) << c.file;
  }
}

}  // namespace
}  // namespace velmor
