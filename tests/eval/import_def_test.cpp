#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "eval/db.h"
#include "eval/io.h"
#include "tests/eval/db_reset.h"
#include "tests/eval/fields.h"

namespace velmor {
namespace {

const std::string kData = std::string(VELMOR_TEST_DATA) + "/eval/";

// A wire as {x1, y1, x2, y2, layer1, layer2, value}.
using WireFields = std::vector<std::vector<long long>>;

WireFields wireFields(const Net& n) {
  WireFields v;
  for (const Wire& w : n.wires) v.push_back({w.p1.x, w.p1.y, w.p2.x, w.p2.y, w.layer1, w.layer2, w.viaIndex});
  return v;
}

std::vector<std::string> pinNames(const Net& n) {
  std::vector<std::string> v;
  for (const Pin& p : n.pins) v.push_back(p.name);
  return v;
}

std::vector<int> trackFields(const std::vector<Track>& tracks) {
  std::vector<int> v;
  for (const Track& t : tracks) v.insert(v.end(), {t.start, t.num, t.step});
  return v;
}

// The routed design on the library of import_tech.lef: routing layers M1 (H),
// M2 (V), M3 (diagonal) at 0..2, cut layers V1, V2, LEF vias via12, via23,
// the four-layer viaPillar and viaSame (M1 to M1) at 0..3, macros INV and FILL.
class DefImport : public testing::Test {
 protected:
  void SetUp() override {
    db = &freshDatabase();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(IO::readLef(kData + "import_tech.lef"));
    testing::internal::GetCapturedStderr();
    testing::internal::CaptureStderr();
    ok = IO::readDef(kData + "import_design.def");
    err = testing::internal::GetCapturedStderr();
  }

  const Net& net(const char* name) const { return db->nets.at(db->netMap.at(name)); }

  Database* db = nullptr;
  bool ok = false;
  std::string err;
};

TEST_F(DefImport, HeaderRowsTracksAndGrid) {
  ASSERT_TRUE(ok) << err;
  EXPECT_EQ(db->designName, "top");
  EXPECT_EQ(db->defDbu, 1000);

  struct RowCase {
    const char* name;
    int x, y, num, step, flip;
  } rows[] = {
      {"row_0", 0, 1400, 100, 200, 1},
      {"row_1", 0, 2800, 100, 300, 0},
      {"row_2", 10, 4200, 10, 0, 1},  // DO without STEP after a row with one
      {"row_3", 20, 5600, 0, 0, 0},
  };
  ASSERT_EQ(db->rows.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    const Row& r = db->rows[i];
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(r.name, rows[i].name);
    EXPECT_EQ(std::vector<int>({r.x, r.y, r.num, r.step, r.flip}),
              std::vector<int>({rows[i].x, rows[i].y, rows[i].num, rows[i].step, rows[i].flip}));
  }

  struct TrackCase {
    int layer;
    std::vector<int> prefer, wrong, preferTracks, wrongTracks;
  } tracks[] = {
      // M1 is horizontal: TRACKS X is its wrong way; the second TRACKS Y wins the triple.
      {0, {60, 30, 260}, {100, 50, 200}, {50, 40, 250, 60, 30, 260}, {100, 50, 200}},
      {1, {100, 50, 200}, {0, 0, 0}, {100, 50, 200}, {}},
      // No direction: every statement is wrong-way.
      {2, {0, 0, 0}, {50, 40, 250}, {}, {50, 40, 250}},
  };
  for (const TrackCase& t : tracks) {
    SCOPED_TRACE(t.layer);
    const RouteLayer& l = db->routeLayers[t.layer];
    EXPECT_EQ(trackFields({l.prefer()}), t.prefer);
    EXPECT_EQ(trackFields({l.wrong()}), t.wrong);
    EXPECT_EQ(trackFields(l.preferTracks), t.preferTracks);
    EXPECT_EQ(trackFields(l.wrongTracks), t.wrongTracks);
  }

  // GCELLGRID lines are not kept: the grid is built from the tracks.
  EXPECT_TRUE(db->gcell.xLines.empty());
  EXPECT_TRUE(db->gcell.yLines.empty());
}

TEST_F(DefImport, Components) {
  ASSERT_TRUE(ok) << err;
  const int kNull = 2147483647;
  struct Case {
    const char* name;
    unsigned int macro;
    int x, y, flipX, flipY;
  } cases[] = {
      {"u1", 0, 100, 200, 0, 1},       {"u2", 0, 300, 400, 1, 1},     {"u3", 0, 0, 0, 1, 0},
      {"u4", 0, 5, 6, 0, 0},           {"u5", 0, kNull, kNull, 0, 0}, {"u6", 0, kNull, kNull, 0, 0},
      {"u7", 4294967295u, 1, 1, 0, 0}, {"u8", 1, kNull, kNull, 0, 0},
  };
  ASSERT_EQ(db->instances.size(), 8u);
  for (size_t i = 0; i < 8; ++i) {
    const Instance& n = db->instances[i];
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    EXPECT_EQ(n.name, c.name);
    EXPECT_EQ(n.macro, c.macro);
    EXPECT_EQ(std::vector<int>({n.position.x, n.position.y, n.flipX, n.flipY}),
              std::vector<int>({c.x, c.y, c.flipX, c.flipY}));
  }
}

TEST_F(DefImport, DefViasFollowTheLefOnes) {
  ASSERT_TRUE(ok) << err;
  ASSERT_EQ(db->vias.size(), 8u);
  EXPECT_EQ(db->viaMap.at("via12"), 0u);  // the LEF record keeps the name
  EXPECT_EQ(db->vias[4].name, "via12");
  EXPECT_EQ(db->viaMap.at("dvia12"), 5u);
  EXPECT_EQ(db->viaMap.at("dvia23"), 6u);

  const Via& rects = db->vias[5];
  EXPECT_EQ(std::vector<int>({rects.topLayer, rects.cutLayer, rects.bottomLayer}),
            std::vector<int>({1, 0, 0}));
  EXPECT_EQ(boxFields(rects.topRects), (std::vector<int>{-60, -50, 60, 50}));
  EXPECT_EQ(boxFields(rects.cutRects), (std::vector<int>{-50, -50, 50, 50}));
  EXPECT_EQ(boxFields(rects.bottomRects), (std::vector<int>{-50, -60, 50, 60, 0, 0, 100, 100}));

  const Via& generated = db->vias[6];
  EXPECT_EQ(std::vector<int>({generated.topLayer, generated.cutLayer, generated.bottomLayer}),
            std::vector<int>({2, 1, 1}));
  EXPECT_TRUE(generated.topRects.empty() && generated.cutRects.empty() && generated.bottomRects.empty());

  // Polygons name layers too; only rectangles are kept.
  const Via& polygons = db->vias[7];
  EXPECT_EQ(std::vector<int>({polygons.topLayer, polygons.cutLayer, polygons.bottomLayer}),
            std::vector<int>({1, 0, 0}));
  EXPECT_EQ(boxFields(polygons.cutRects), (std::vector<int>{0, 0, 5, 5}));
  EXPECT_TRUE(polygons.topRects.empty() && polygons.bottomRects.empty());
}

TEST_F(DefImport, NetsWalkEveryPathElement) {
  ASSERT_TRUE(ok) << err;
  ASSERT_EQ(db->nets.size(), 9u);
  struct Case {
    const char* name;
    std::vector<std::string> pins;
    WireFields wires;
  } cases[] = {
      {"n1", {"clk", "u1", "u2"}, {{100, 100, 500, 100, 0, 0, 0}, {500, 100, 500, 900, 1, 1, 0}}},
      {"n2", {"u1"}, {{100, 100, 500, 100, 0, 0, 0}, {500, 100, 500, 100, 0, 1, 0}}},
      {"n3", {}, {{100, 100, 100, 100, 0, 1, 0}}},
      // Each bend is a segment of its own.
      {"n4", {}, {{100, 100, 100, 500, 1, 1, 0}, {100, 500, 300, 500, 1, 1, 0}}},
      // Vias inside the path move it M1 -> M2 -> M3; '*' repeats a coordinate.
      {"n5",
       {},
       {{100, 100, 400, 100, 0, 0, 0},
        {400, 100, 400, 100, 0, 1, 0},
        {400, 100, 400, 700, 1, 1, 0},
        {400, 700, 400, 700, 1, 2, 6},
        {400, 700, 900, 700, 2, 2, 0}}},
      // No segment to the virtual point; the RECT patch is no wire.
      {"n6", {}, {{0, 0, 0, 100, 1, 1, 0}, {200, 100, 200, 300, 1, 1, 0}, {200, 300, 400, 300, 1, 1, 0}}},
      {"n7", {"out"}, {{0, 0, 0, 100, 1, 1, 0}}},  // the FIXED wiring is skipped
      {"n8", {"u3"}, {}},
      // A cut-layer path keeps its via; an unknown layer, a via without two
      // routing layers (viaPillar, viaSame) or an unknown via leave the rest of
      // the path unmeasured.
      {"n9", {}, {{200, 100, 200, 100, 0, 1, 0}, {0, 0, 10, 0, 0, 0, 0}, {0, 0, 0, 40, 1, 1, 0}}},
  };
  for (size_t i = 0; i < 9; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    EXPECT_EQ(db->nets[i].name, c.name);
    EXPECT_EQ(pinNames(db->nets[i]), c.pins);
    EXPECT_EQ(wireFields(db->nets[i]), c.wires);
  }
  EXPECT_EQ(IO::unknownViaElements(), 3);
  EXPECT_EQ(err, "");
}

TEST(DefImportFile, DefaultsAndFailures) {
  Database& db = freshDatabase();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(IO::readDef(kData + "import_plain.def"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(IO::unknownViaElements(), 0);  // the count is the last read's
  EXPECT_EQ(db.designName, "plain");
  EXPECT_EQ(db.defDbu, 2000);
  ASSERT_EQ(db.nets.size(), 1u);
  EXPECT_EQ(pinNames(db.nets[0]), std::vector<std::string>{"a"});

  freshDatabase();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(IO::readDef(kData + "import_absent.def"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Unable to open DEF file: " + kData + "import_absent.def\n");

  Database& bad = freshDatabase();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(IO::readDef(kData + "import_bad.def"));
  const std::string err = testing::internal::GetCapturedStderr();
  const std::string tail = "Error in parsing DEF file (error: 1)\n";
  ASSERT_GE(err.size(), tail.size()) << err;
  EXPECT_EQ(err.substr(err.size() - tail.size()), tail);
  // What came before the error stays.
  EXPECT_EQ(bad.designName, "bad");
  ASSERT_EQ(bad.instances.size(), 1u);
  EXPECT_EQ(bad.instances[0].position.x, 1);
}

// A via defined after a net that names it is unknown to that net only.
TEST(DefImportFile, ViaDefinedAfterANetNamingIt) {
  const Database& db = freshDatabase();
  testing::internal::CaptureStderr();
  ASSERT_TRUE(IO::readLef(kData + "import_tech.lef"));
  const bool read = IO::readDef(kData + "import_late_via.def");
  const std::string err = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(read) << err;
  ASSERT_EQ(db.nets.size(), 2u);
  EXPECT_EQ(wireFields(db.nets[0]), WireFields{});
  EXPECT_EQ(wireFields(db.nets[1]), (WireFields{{0, 0, 0, 0, 0, 1, 4}}));  // after the LEF's four vias
  EXPECT_EQ(IO::unknownViaElements(), 1);
}

}  // namespace
}  // namespace velmor
