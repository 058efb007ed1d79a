#include <gtest/gtest.h>

#include "db_reset.h"

namespace velmor {
namespace {

// Layer 1 vertical with x tracks 100 + 200k (k < 100) and y tracks 50 + 100k
// (k < 10): x lines from 0 to 20000, y lines from 0 to 1000.
Database& verticalDesign() {
  Database& db = freshDatabase();
  db.addRouteLayer("M1")->direction = 'H';
  RouteLayer& m2 = *db.addRouteLayer("M2");
  m2.direction = 'V';
  m2.addTrack('V', 100, 100, 200);
  m2.addTrack('H', 50, 10, 100);
  return db;
}

void addWireTo(Database& db, int x, int y) {
  if (db.nets.empty()) db.addNet("n");
  db.nets[0].wires.emplace_back(Point(x, y), Point(x, y), 0, 0);
}

TEST(GCell, LinesEvery15Tracks) {
  Database& db = verticalDesign();
  db.gcell.xLines = {1, 2, 3};  // GCELLGRID lines do not survive
  ASSERT_EQ(db.setup(), EvalStatus::kOk);
  EXPECT_EQ(db.gcell.xLines, (std::vector<int>{0, 3000, 6000, 9000, 12000, 15000, 18000, 20000}));
  EXPECT_EQ(db.gcell.numX, 7);
  // y: start 0, end 1000, the cell of 1500 is wider than the span: start and end.
  EXPECT_EQ(db.gcell.yLines, (std::vector<int>{0, 1000}));
  EXPECT_EQ(db.gcell.numY, 1);
}

// Tracks 100 .. 19900 span 0 .. 20000; a statement with no track (DO 0) spans
// 0 .. 0. Either way the wires at -450 and 20150 widen it to -600 .. 20200.
TEST(GCell, WidenedByWholeStepsOverWires) {
  for (int count : {100, 0}) {
    Database& db = verticalDesign();
    db.routeLayers[1].addTrack('V', 100, count, 200);
    addWireTo(db, 20150, 500);
    addWireTo(db, -450, 500);
    ASSERT_EQ(db.setup(), EvalStatus::kOk) << count;
    EXPECT_EQ(db.gcell.xLines, (std::vector<int>{-600, 2400, 5400, 8400, 11400, 14400, 17400, 20200}))
        << count;
  }
}

TEST(GCell, HorizontalLayerSwapsTriples) {
  Database& db = freshDatabase();
  db.addRouteLayer("M1");
  RouteLayer& m2 = *db.addRouteLayer("M2");
  m2.direction = 'H';
  m2.addTrack('H', 0, 31, 10);  // y: -5 .. 305, lines -5, 145, 305
  m2.addTrack('V', 5, 4, 10);   // x: 0 .. 40
  ASSERT_EQ(db.setup(), EvalStatus::kOk);
  EXPECT_EQ(db.gcell.yLines, (std::vector<int>{-5, 145, 305}));
  EXPECT_EQ(db.gcell.xLines, (std::vector<int>{0, 40}));
}

// The grid needs layer 1 and a usable track triple on each axis; on failure
// the grid is left empty.
TEST(GCell, SetupFailures) {
  Database& db = freshDatabase();
  db.addRouteLayer("M1");
  EXPECT_EQ(db.setup(), EvalStatus::kFewRouteLayers);
  db.addRouteLayer("M2")->direction = 'V';
  addWireTo(db, 500, 500);
  EXPECT_EQ(db.setup(), EvalStatus::kNoXTracks);  // step 0 with a wire outside: must not hang
  db.routeLayers[1].addTrack('V', 0, 10, 100);
  EXPECT_EQ(db.setup(), EvalStatus::kNoYTracks);
  EXPECT_TRUE(db.gcell.xLines.empty());
  EXPECT_EQ(db.gcell.numX, 0);
  db.routeLayers[1].addTrack('H', 0, 10, 100);
  EXPECT_EQ(db.setup(), EvalStatus::kOk);
  db.routeLayers[1].addTrack('H', 2000000000, 2, 100000000);
  EXPECT_EQ(db.setup(), EvalStatus::kGridOverflow);
}

// Routers often give each layer tracks in its own direction only: an axis
// that layer 1 has no tracks for takes those of the nearest layer having them,
// the one above first.
TEST(GCell, AxisWithoutTracksTakesNearestLayer) {
  Database& db = freshDatabase();
  RouteLayer* m1 = db.addRouteLayer("M1");
  m1->direction = 'H';
  m1->addTrack('H', 0, 31, 10);  // y: -5 .. 305, lines -5, 145, 305
  RouteLayer* m2 = db.addRouteLayer("M2");
  m2->direction = 'V';
  m2->addTrack('V', 100, 100, 200);  // x only
  ASSERT_EQ(db.setup(), EvalStatus::kOk);
  EXPECT_EQ(db.gcell.xLines, (std::vector<int>{0, 3000, 6000, 9000, 12000, 15000, 18000, 20000}));
  EXPECT_EQ(db.gcell.yLines, (std::vector<int>{-5, 145, 305}));

  RouteLayer* m3 = db.addRouteLayer("M3");
  m3->direction = 'H';
  m3->addTrack('H', 50, 10, 100);  // y: 0 .. 1000, wider than one span: 0, 1000
  ASSERT_EQ(db.setup(), EvalStatus::kOk);
  EXPECT_EQ(db.gcell.yLines, (std::vector<int>{0, 1000}));
  EXPECT_EQ(db.gcell.numY, 1);
}

// A span narrower than half a cell still gives one cell, so no lookup falls
// outside the grid.
TEST(GCell, NarrowSpanKeepsOneCell) {
  Database& db = freshDatabase();
  db.addRouteLayer("M1");
  RouteLayer& m2 = *db.addRouteLayer("M2");
  m2.direction = 'V';
  m2.addTrack('V', 100, 3, 200);  // 0 .. 600, below half a cell (1500)
  m2.addTrack('H', 0, 1, 1);      // a single track, step 1: 0 .. 0
  ASSERT_EQ(db.setup(), EvalStatus::kOk);
  EXPECT_EQ(db.gcell.xLines, (std::vector<int>{0, 600}));
  EXPECT_EQ(db.gcell.yLines, (std::vector<int>{0, 1}));
  EXPECT_EQ(db.gcell.numX, 1);
  EXPECT_EQ(db.gcell.numY, 1);
}

TEST(GCell, RealCoordinates) {
  Database& db = verticalDesign();
  ASSERT_EQ(db.setup(), EvalStatus::kOk);
  const Box b = Database::getRealCoor(6, 0);
  EXPECT_EQ(b.lx, 18000);
  EXPECT_EQ(b.hx, 20000);
  EXPECT_EQ(b.ly, 0);
  EXPECT_EQ(b.hy, 1000);
  testing::internal::CaptureStdout();
  for (const auto& [gx, gy] : {std::pair{-1, 0}, {7, 0}, {0, 1}}) {
    const Box n = Database::getRealCoor(gx, gy);
    EXPECT_EQ(n.lx, INT_MIN);
    EXPECT_EQ(n.hy, INT_MAX);
  }
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "warning : referencing invalid GCell (-1,0)\n"
            "warning : referencing invalid GCell (7,0)\n"
            "warning : referencing invalid GCell (0,1)\n");
}

// Grid of verticalDesign widened to y 0..3000 by a wire: x cells of 3000
// (the last 2000), y cells 0..1500..3000.
Net& generationDesign(std::vector<Wire> wires) {
  Database& db = verticalDesign();
  db.routeLayers[1].addTrack('H', 50, 30, 100);  // y: 0 .. 3000, lines 0, 1500, 3000
  Net& n = db.addNet("n");
  n.wires = std::move(wires);
  EXPECT_EQ(db.setup(), EvalStatus::kOk);
  EXPECT_EQ(db.gcell.yLines, (std::vector<int>{0, 1500, 3000}));
  return db.nets[0];
}

TEST(GuideGeneration, CellsOfWireEnds) {
  struct Case {
    const char* what;
    Wire wire;
    std::vector<Shape> layer0;
    std::vector<Shape> layer1;
  };
  const Case cases[] = {
      {"inside one cell",
       Wire(Point(3100, 100), Point(3200, 100), 0, 0),
       {Shape(3000, 0, 6000, 1500, 0)},
       {}},
      {"across cells",
       Wire(Point(6500, 1600), Point(18500, 1600), 1, 0),
       {},
       {Shape(6000, 1500, 20000, 3000, 1)}},
      {"end on inner line", Wire(Point(1000, 10), Point(3000, 10), 0, 0), {Shape(0, 0, 3000, 1500, 0)}, {}},
      {"end on first line", Wire(Point(0, 0), Point(0, 1500), 0, 0), {Shape(0, 0, 3000, 1500, 0)}, {}},
      {"via",
       Wire(Point(19000, 2999), 0, 1, 3),
       {Shape(18000, 1500, 20000, 3000, 0)},
       {Shape(18000, 1500, 20000, 3000, 1)}},
  };
  for (const Case& c : cases) {
    Net& n = generationDesign({c.wire});
    n.addGuide(1, 1, 2, 2, 0);  // replaced
    n.createGuides();
    EXPECT_TRUE(n.guides2.empty()) << c.what;
    ASSERT_EQ(n.guides.size(), 2u) << c.what;
    EXPECT_EQ(n.guides[0], c.layer0) << c.what;
    EXPECT_EQ(n.guides[1], c.layer1) << c.what;
  }
}

TEST(GuideGeneration, RepeatedCellsCleanedToOne) {
  Net& n = generationDesign(
      {Wire(Point(100, 100), Point(200, 100), 0, 0), Wire(Point(300, 100), Point(300, 400), 0, 0)});
  n.createGuides();
  EXPECT_EQ(n.guides[0].size(), 2u);
  n.cleanGuides();
  EXPECT_EQ(n.guides[0], std::vector<Shape>{Shape(0, 0, 3000, 1500, 0)});
  EXPECT_EQ(n.guides2[0], std::vector<Shape>{Shape(0, 0, 3000, 1500, 0)});
}

TEST(GuideGeneration, NoWiresOrNoGridNoGuides) {
  Net& n = generationDesign({});
  n.createGuides();
  EXPECT_TRUE(n.guides.empty());
  n.cleanGuides();
  EXPECT_EQ(n.guides, LayerGuides(2));
  EXPECT_EQ(n.guides2, LayerGuides(2));

  // A failed setup leaves no grid; no whole-plane guides are made from it.
  Database& db = *Database::get();
  db.routeLayers[1].preferStep = 0;
  db.nets[0].wires.emplace_back(Point(1, 1), Point(5, 1), 0, 0);
  ASSERT_EQ(db.setup(), EvalStatus::kNoXTracks);
  testing::internal::CaptureStdout();
  db.nets[0].createGuides();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(db.nets[0].guides.empty());
}

}  // namespace
}  // namespace velmor
