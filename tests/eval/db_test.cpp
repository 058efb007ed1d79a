#include <gtest/gtest.h>

#include "db_reset.h"

namespace velmor {
namespace {

TEST(Database, RepeatedNamesKeepFirstPosition) {
  Database& db = freshDatabase();
  db.addNet("A");
  db.addNet("B");
  db.addNet("A").wires.emplace_back(Point(1, 1), Point(2, 1), 0, 0);
  ASSERT_EQ(db.nets.size(), 3u);
  EXPECT_EQ(Database::net("A"), 0);
  EXPECT_EQ(Database::net("B"), 1);
  EXPECT_EQ(db.nets[2].name, "A");
  EXPECT_EQ(db.nets[2].wires.size(), 1u);
  EXPECT_TRUE(db.nets[0].wires.empty());
}

// Layer bytes 0..254 are positions; 255 means none, so a 256th layer is refused.
TEST(Database, LayerListsStopAt255) {
  Database& db = freshDatabase();
  for (int i = 0; i < 255; ++i) {
    ASSERT_NE(db.addRouteLayer("M" + std::to_string(i)), nullptr);
    ASSERT_NE(db.addCutLayer("V" + std::to_string(i)), nullptr);
  }
  EXPECT_EQ(db.routeLayerMap.at("M254"), 254);
  EXPECT_EQ(db.addRouteLayer("M255"), nullptr);
  EXPECT_EQ(db.addCutLayer("V255"), nullptr);
  EXPECT_EQ(db.routeLayers.size(), 255u);
  EXPECT_EQ(db.cutLayers.size(), 255u);
  EXPECT_EQ(db.routeLayerMap.count("M255"), 0u);
  EXPECT_EQ(db.cutLayerMap.count("V255"), 0u);
}

std::string reportOf(const RouteLayer& l) {
  testing::internal::CaptureStdout();
  l.report();
  return testing::internal::GetCapturedStdout();
}

TEST(Records, RouteLayerReportLine) {
  RouteLayer m2("M2");
  m2.direction = 'H';
  m2.pitchX = m2.pitchY = 400;
  m2.width = 200;
  m2.spacing = 200;
  m2.addTrack('H', 200, 100, 400);
  m2.addTrack('V', 300, 80, 400);
  EXPECT_EQ(reportOf(m2),
            "M2 (H) p400,400 w200 s200 a0 prefer: srt200 stp400 num100 wrong: srt300 stp400 num80\n");
  EXPECT_EQ(reportOf(RouteLayer("M9")),
            "M9 (X) p0,0 w0 s0 a0 prefer: srt0 stp0 num0 wrong: srt0 stp0 num0\n");
}

// The triple keeps the last statement of its kind; every statement is listed.
TEST(Records, TracksByDirection) {
  RouteLayer v("M3");
  v.direction = 'V';
  v.addTrack('V', 100, 10, 200);
  v.addTrack('V', 150, 5, 400);
  v.addTrack('H', 7, 3, 9);
  EXPECT_EQ(v.preferStart, 150);
  EXPECT_EQ(v.preferNum, 5);
  EXPECT_EQ(v.preferStep, 400);
  EXPECT_EQ(v.wrongStart, 7);
  EXPECT_EQ(v.preferTracks.size(), 2u);
  EXPECT_EQ(v.wrongTracks.size(), 1u);
  RouteLayer x("M4");
  x.addTrack('V', 1, 2, 3);
  x.addTrack('H', 4, 5, 6);
  EXPECT_EQ(x.preferStep, 0);
  EXPECT_EQ(x.wrongStart, 4);
  EXPECT_EQ(x.wrongTracks.size(), 2u);
}

}  // namespace
}  // namespace velmor
