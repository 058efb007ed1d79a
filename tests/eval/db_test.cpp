#include <gtest/gtest.h>

#include "db_reset.h"

namespace velmor {
namespace {

TEST(Database, StartValues) {
  const Database& db = freshDatabase();
  EXPECT_EQ(db.lefDbu, 2000);
  EXPECT_EQ(db.defDbu, 2000);
  EXPECT_EQ(db.weights, std::vector<double>(11, 1.0));
  EXPECT_FALSE(db.guideLoaded || db.connLoaded || db.geoLoaded || db.weightsLoaded);
  EXPECT_TRUE(db.routeLayers.empty() && db.nets.empty() && db.violations.empty() && db.rows.empty());
  EXPECT_EQ(Database::net("A"), -1);
}

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

TEST(Database, MapsGivePositions) {
  Database& db = freshDatabase();
  for (const char* n : {"M1", "M2", "M3"}) ASSERT_NE(db.addRouteLayer(n), nullptr);
  EXPECT_EQ(db.routeLayerMap.at("M1"), 0);
  EXPECT_EQ(db.routeLayerMap.at("M2"), 1);
  EXPECT_EQ(db.routeLayerMap.at("M3"), 2);
  db.addCutLayer("V1");
  db.addMacro("INV");
  db.addMacro("NAND");
  db.addVia("VIA12");
  db.addInstance("u1");
  EXPECT_EQ(db.cutLayerMap.at("V1"), 0);
  EXPECT_EQ(db.macroMap.at("NAND"), 1u);
  EXPECT_EQ(db.viaMap.at("VIA12"), 0u);
  EXPECT_EQ(db.instanceMap.at("u1"), 0u);
  db.addRow("r");
  db.addRow("r");
  EXPECT_EQ(db.rows.size(), 2u);
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

TEST(Records, Defaults) {
  Database& db = freshDatabase();
  const RouteLayer& l = *db.addRouteLayer("M1");
  EXPECT_EQ(l.direction, 'X');
  EXPECT_EQ(l.pitchX + l.pitchY + l.width + l.spacing + l.area, 0);
  EXPECT_EQ(l.preferStart + l.preferNum + l.preferStep + l.wrongStart + l.wrongNum + l.wrongStep, 0);
  const Via& v = db.addVia("V");
  EXPECT_EQ(v.topLayer, 255);
  EXPECT_EQ(v.cutLayer, 255);
  EXPECT_EQ(v.bottomLayer, 255);
  const Instance& inst = db.addInstance("u1");
  EXPECT_EQ(inst.macro, 4294967295u);
  EXPECT_EQ(inst.position, Point::Null);
  EXPECT_FALSE(inst.flipX || inst.flipY);
  const Row& r = db.addRow("row");
  EXPECT_EQ(r.x, INT_MAX);
  EXPECT_EQ(r.y, INT_MAX);
  EXPECT_EQ(r.num + r.step + r.flip, 0);
  const Macro& m = db.addMacro("INV");
  EXPECT_EQ(m.bbox.lx, INT_MAX);
  EXPECT_EQ(m.bbox.hy, INT_MIN);
  const Violation vio;
  EXPECT_EQ(vio.id, -1);
  EXPECT_EQ(vio.box.lx, INT_MAX);
  EXPECT_EQ(vio.box.hx, INT_MIN);

  Pin p("A");
  EXPECT_EQ(p.bbox.lx, INT_MAX);
  EXPECT_EQ(p.use, 0);
  p.addShape(Shape(0, 0, 10, 20, 0));
  EXPECT_EQ(p.bbox.lx, 0);
  EXPECT_EQ(p.bbox.hy, 20);

  const PRLTable t(2, 3);
  EXPECT_EQ(t.table, std::vector<std::vector<int>>(2, std::vector<int>(3, 0)));
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
