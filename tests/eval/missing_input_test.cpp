#include <gtest/gtest.h>

#include "db_reset.h"
#include "eval/io.h"

namespace velmor {
namespace {

// Every reader of the evaluator's own files: a path that does not open, or
// names a directory, is named on standard error, the result is false and the
// database keeps what it held, its flag included.
TEST(MissingInput, ReaderNamesThePathAndChangesNothing) {
  struct Case {
    const char* file;
    bool (*read)(const std::string&);
    const char* message;
    bool Database::*flag;
  };
  const Case cases[] = {
      {"io_guide_missing.guide", IO::readRg, "Unable to open guide file: ", &Database::guideLoaded},
      {"io_geo_missing.rpt", IO::readGeometryRpt, "Unable to open rpt file: ", &Database::geoLoaded},
      {"io_conn_missing.rpt", IO::readConnectRpt, "Unable to open rpt file: ", &Database::connLoaded},
      {"io_weights_missing.w", IO::readWeights, "Unable to open weights file: ", &Database::weightsLoaded},
  };
  const std::string dir = std::string(VELMOR_TEST_DATA) + "/eval";
  for (const Case& c : cases) {
    for (const std::string& path : {dir + "/" + c.file, dir}) {
      Database& db = freshDatabase();
      db.addRouteLayer("M1");
      db.addNet("n0");
      db.weights[3] = 4.0;
      testing::internal::CaptureStdout();
      testing::internal::CaptureStderr();
      EXPECT_FALSE(c.read(path)) << path;
      EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message + path + "\n");
      EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << path;
      EXPECT_FALSE(db.*c.flag) << path;
      EXPECT_TRUE(db.violations.empty()) << path;
      EXPECT_TRUE(db.nets[0].guides.empty()) << path;
      EXPECT_EQ(db.weights, (std::vector<double>{1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 1})) << path;
    }
  }
}

}  // namespace
}  // namespace velmor
