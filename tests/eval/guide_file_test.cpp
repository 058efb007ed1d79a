#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "eval/db.h"
#include "eval/io.h"
#include "e2e_run.h"

namespace velmor {
namespace {

using Shapes = std::vector<Shape>;

std::string data(const char* name) { return std::string(VELMOR_TEST_DATA) + "/eval/" + name; }

const char kOut[] = "io_guide_out.guide";

// Routing layers M1 (H), M2 (V), M3 (no direction) and nets n0, n1, n2.
class GuideFile : public testing::Test {
protected:
  void SetUp() override {
    Database& db = *Database::get();
    db = Database();
    const char dirs[] = {'H', 'V', 'X'};
    for (int l = 0; l < 3; ++l)
      db.addRouteLayer("M" + std::to_string(l + 1))->direction = dirs[l];
    for (const char* n : {"n0", "n1", "n2"}) db.addNet(n);
  }

  void TearDown() override { std::remove(kOut); }

  static Net& net(int i) { return Database::get()->nets[i]; }
};

TEST_F(GuideFile, ReadsGuidesIntoTheirNetsAndLayers) {
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  EXPECT_TRUE(IO::readRg(data("io_guide_read.guide")));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(Database::get()->guideLoaded);

  ASSERT_EQ(net(0).guides.size(), 3u);
  EXPECT_EQ(net(0).guides[0], (Shapes{{7, 7, 8, 8, 0}}));
  EXPECT_EQ(net(0).guides[1], Shapes{});
  EXPECT_EQ(net(0).guides[2], Shapes{});

  ASSERT_EQ(net(1).guides.size(), 3u);
  EXPECT_EQ(net(1).guides[0], (Shapes{{100, 200, 300, 400, 0}, {INT_MIN, -10, INT_MAX, 10, 0}}));
  EXPECT_EQ(net(1).guides[1], (Shapes{{0, 0, 50, 60, 1}}));  // "abc" and "12abc" are no numbers
  EXPECT_EQ(net(1).guides[2], (Shapes{{100, 200, 300, 400, 2}}));

  EXPECT_TRUE(net(2).guides.empty());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(net(i).guides2.empty());
}

TEST_F(GuideFile, BlockWithoutClosingParenthesisKeepsItsNet) {
  EXPECT_TRUE(IO::readRg(data("io_guide_unclosed.guide")));
  ASSERT_EQ(net(0).guides.size(), 3u);
  EXPECT_EQ(net(0).guides[0], (Shapes{{1, 1, 2, 2, 0}}));
  EXPECT_EQ(net(0).guides[1], (Shapes{{3, 3, 4, 4, 1}}));
  EXPECT_EQ(net(0).guides[2], Shapes{});
  EXPECT_TRUE(net(1).guides.empty());
  EXPECT_TRUE(net(2).guides.empty());
}

TEST_F(GuideFile, FilesWithoutGuidesStillLoad) {
  for (const char* file : {"io_guide_empty.guide", "io_guide_comments.guide"}) {
    Database::get()->guideLoaded = false;
    EXPECT_TRUE(IO::readRg(data(file))) << file;
    EXPECT_TRUE(Database::get()->guideLoaded) << file;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(net(i).guides.empty()) << file;
  }
}

// Fills both merged lists by hand so that the writer's choice shows.
void setGuides(Net& n, std::vector<Shapes> guides, std::vector<Shapes> guides2) {
  n.guides = std::move(guides);
  n.guides2 = std::move(guides2);
}

TEST_F(GuideFile, WritesHorizontalLayersFromFirstListOthersFromSecond) {
  setGuides(net(0), {{{0, 0, 300, 100, 0}}, {{5, 6, 7, 8, 1}}, {{-20, -30, -10, 0, 2}}},
            {{{1, 1, 1, 1, 0}}, {{0, 0, 100, 200, 1}, {100, 0, 200, 100, 1}}, {{-20, -30, -10, 0, 2}, {0, 0, 1, 1, 2}}});
  setGuides(net(1), {{}, {}, {}}, {{}, {}, {}});
  setGuides(net(2), {{{10, 10, 20, 20, 0}, {30, 10, 40, 20, 0}}, {}, {}}, {{}, {}, {}});
  const char* const path = kOut;
  std::ofstream(path) << "stale text that must go away\nand more of it\n";
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(IO::writeRg(path));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(readFile(path),
            "n0\n(\n0 0 300 100 M1\n0 0 100 200 M2\n100 0 200 100 M2\n-20 -30 -10 0 M3\n0 0 1 1 M3\n)\n"
            "n1\n(\n)\n"
            "n2\n(\n10 10 20 20 M1\n30 10 40 20 M1\n)\n");
}

TEST_F(GuideFile, WritesNetsThatNeverGotGuideLists) {
  const char* const path = kOut;
  EXPECT_TRUE(IO::writeRg(path));
  EXPECT_EQ(readFile(path), "n0\n(\n)\nn1\n(\n)\nn2\n(\n)\n");
}

TEST_F(GuideFile, DesignWithoutNetsWritesAnEmptyFile) {
  *Database::get() = Database();
  Database::get()->addRouteLayer("M1");
  const char* const path = kOut;
  std::ofstream(path) << "stale\n";
  EXPECT_TRUE(IO::writeRg(path));
  EXPECT_EQ(readFile(path), "");
}

TEST_F(GuideFile, WriteFailuresReturnFalseSilently) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(IO::writeRg("io_guide_no_such_dir/out.guide"));
  struct stat st;
  if (stat("/dev/full", &st) == 0) {
    EXPECT_FALSE(IO::writeRg("/dev/full"));
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(GuideFile, LargeOutputKeepsEveryLine) {
  std::ostringstream expected;
  for (int i = 0; i < 5000; ++i) {
    Net& n = Database::get()->addNet("big" + std::to_string(i));
    setGuides(n, {{{i, -i, i + 1, 7, 0}}, {}, {}}, {{}, {{-i, 0, 3, i, 1}}, {}});
    expected << "big" << i << "\n(\n" << i << ' ' << -i << ' ' << i + 1 << " 7 M1\n"
             << -i << " 0 3 " << i << " M2\n)\n";
  }
  const char path[] = "io_guide_big.guide";
  EXPECT_TRUE(IO::writeRg(path));
  const std::string text = readFile(path);
  EXPECT_EQ(text.substr(0, 21), "n0\n(\n)\nn1\n(\n)\nn2\n(\n)\n");
  EXPECT_EQ(text.substr(21), expected.str());
  std::remove(path);
}

// Read, clean and write: overlapping M1 guides merge into one strip, the M2
// cells of the vertical layer are written merged into columns first.
TEST_F(GuideFile, ReadCleanWrite) {
  ASSERT_TRUE(IO::readRg(data("io_guide_roundtrip.guide")));
  for (Net& n : Database::get()->nets) n.cleanGuides();
  const char* const path = kOut;
  ASSERT_TRUE(IO::writeRg(path));
  EXPECT_EQ(readFile(path),
            "n0\n(\n0 0 300 100 M1\n0 0 100 200 M2\n100 0 200 100 M2\n)\n"
            "n1\n(\n)\n"
            "n2\n(\n)\n");
}

}  // namespace
}  // namespace velmor
