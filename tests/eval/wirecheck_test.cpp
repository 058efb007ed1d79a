#include <gtest/gtest.h>

#include "db_reset.h"

namespace velmor {
namespace {

// Layers 0 'H', 1 'V', 2 'X'.
Database& threeLayers() {
  Database& db = freshDatabase();
  const char dirs[] = {'H', 'V', 'X'};
  for (int i = 0; i < 3; ++i) db.addRouteLayer("M" + std::to_string(i + 1))->direction = dirs[i];
  return db;
}

Wire seg(int x1, int y1, int x2, int y2, unsigned char layer) {
  return Wire(Point(x1, y1), Point(x2, y2), layer, 0);
}

TEST(WireCheck, WrongWay) {
  threeLayers();
  struct Case {
    Wire w;
    bool wrong;
  };
  const Case cases[] = {
      {seg(0, 5, 10, 5, 0), false},        {seg(0, 5, 10, 5, 1), true},
      {seg(0, 5, 10, 5, 2), true},         {seg(5, 0, 5, 10, 0), true},
      {seg(5, 0, 5, 10, 1), false},        {seg(5, 0, 5, 10, 2), false},
      {seg(0, 0, 3, 4, 0), true},          {seg(0, 0, 3, 4, 1), false},  // diagonal counts as vertical
      {seg(7, 7, 7, 7, 0), false},         {seg(7, 7, 7, 7, 1), true},
      {seg(7, 7, 7, 7, 2), true},  // zero length is horizontal
      {Wire(Point(0, 5), 0, 1, 0), false}, {Wire(Point(0, 5), 1, 2, 0), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.w.isWrongWay(), c.wrong)
        << c.w.p1.x << "," << c.w.p1.y << " " << c.w.p2.x << "," << c.w.p2.y << " on " << int(c.w.layer1);
}

TEST(WireCheck, TrackMembership) {
  const Track t{100, 10, 200};
  for (int c : {100, 300, 1100, 1900}) EXPECT_TRUE(t.contains(c)) << c;
  for (int c : {99, 101, 200, 1901, 2100, -100, INT_MIN, INT_MAX}) EXPECT_FALSE(t.contains(c)) << c;
  const Track none{0, 0, 0};
  EXPECT_TRUE(none.contains(0));
  EXPECT_FALSE(none.contains(200));
  EXPECT_TRUE((Track{70, 0, 10}).contains(70));
  EXPECT_FALSE((Track{70, 0, 10}).contains(80));
  EXPECT_FALSE((Track{70, 5, -10}).contains(60));
  // The last track sits near the top of the int range without overflow.
  const Track high{2147483000, 3, 300};
  EXPECT_TRUE(high.contains(2147483600));
  EXPECT_FALSE(high.contains(2147483647));
}

TEST(WireCheck, OffTrackSegments) {
  Database& db = threeLayers();
  db.routeLayers[0].addTrack('H', 100, 10, 200);  // y tracks of the H layer
  db.routeLayers[0].addTrack('V', 0, 10, 50);     // x tracks, wrong way
  db.routeLayers[1].addTrack('V', 10, 10, 100);   // x tracks of the V layer
  db.routeLayers[1].addTrack('H', 5, 10, 100);    // y tracks, wrong way
  struct Case {
    Wire w;
    bool off;
  };
  const Case cases[] = {
      {seg(3, 300, 999, 300, 0), false},  // preferred, tested by y
      {seg(3, 301, 999, 301, 0), true},
      {seg(50, 0, 50, 999, 0), false},  // wrong way on H: x against the wrong-way triple
      {seg(60, 0, 60, 999, 0), true},
      {seg(110, 1, 110, 2, 1), false},  // preferred on V: x
      {seg(111, 1, 111, 2, 1), true},
      {seg(0, 105, 9, 105, 1), false},  // wrong way on V: y
      {seg(0, 110, 9, 110, 1), true},
      {seg(0, 301, 111, 1000, 0),
       false},  // diagonal: vertical, wrong way on H, x against the wrong-way triple
      {seg(10, 300, 111, 1000, 0), true},
      {seg(60, 300, 0, 301, 0), true},  // only the first point is tested
      {seg(0, 0, 100, 0, 2), false},    // unset triples: only coordinate 0
      {seg(0, 5, 100, 5, 2), true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.w.isOffTrack(), c.off) << c.w.p1.x << "," << c.w.p1.y << " " << c.w.p2.x << "," << c.w.p2.y;
}

TEST(WireCheck, OffTrackVias) {
  Database& db = threeLayers();
  db.routeLayers[0].addTrack('H', 100, 10, 200);
  db.routeLayers[0].addTrack('V', 0, 100, 1);  // wrong-way tracks never count for vias
  db.routeLayers[1].addTrack('V', 10, 10, 100);
  EXPECT_FALSE(Wire(Point(110, 300), 0, 1, 0).isOffTrack());
  EXPECT_TRUE(Wire(Point(110, 301), 0, 1, 0).isOffTrack());  // misses the H layer's y tracks
  EXPECT_TRUE(Wire(Point(50, 300), 0, 1, 0).isOffTrack());   // misses the V layer's x tracks
  EXPECT_TRUE(Wire(Point(110, 300), 1, 2, 0).isOffTrack());  // X layer tested by x, only 0 on track
}

// Several TRACKS statements on one axis (one per mask): any of them counts.
TEST(WireCheck, SeveralStatementsPerAxis) {
  Database& db = threeLayers();
  RouteLayer& h = db.routeLayers[0];
  h.addTrack('H', 0, 10, 400);
  h.addTrack('H', 200, 10, 400);
  EXPECT_EQ(h.preferStart, 200);
  EXPECT_FALSE(seg(0, 400, 10, 400, 0).isOffTrack());
  EXPECT_FALSE(seg(0, 600, 10, 600, 0).isOffTrack());
  EXPECT_TRUE(seg(0, 300, 10, 300, 0).isOffTrack());
  EXPECT_FALSE(Wire(Point(0, 400), 0, 2, 0).isOffTrack());
  h.addTrack('V', 0, 5, 1000);
  h.addTrack('V', 500, 5, 1000);
  EXPECT_FALSE(seg(500, 0, 500, 10, 0).isOffTrack());
  EXPECT_FALSE(seg(1000, 0, 1000, 10, 0).isOffTrack());
  EXPECT_TRUE(seg(700, 0, 700, 10, 0).isOffTrack());
}

}  // namespace
}  // namespace velmor
