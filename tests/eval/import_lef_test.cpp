#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "eval/db.h"
#include "eval/io.h"
#include "eval/lef.h"
#include "lef/lefrReader.h"
#include "tests/eval/db_reset.h"
#include "tests/eval/fields.h"

namespace velmor {
namespace {

const std::string kData = std::string(VELMOR_TEST_DATA) + "/eval/";

std::vector<int> shapeFields(const std::vector<Shape>& shapes) {
  std::vector<int> v;
  for (const Shape& s : shapes) v.insert(v.end(), {s.lx, s.ly, s.hx, s.hy, s.layer});
  return v;
}

struct LefRead {
  bool ok;
  std::string err;
};

LefRead readLef(const std::string& path) {
  testing::internal::CaptureStderr();
  const bool ok = IO::readLef(path);
  return {ok, testing::internal::GetCapturedStderr()};
}

TEST(LefUnits, LengthsRoundHalvesAwayFromZeroAndClamp) {
  struct Case {
    double v, f;
    int want;
  } cases[] = {
      {0.2, 1000, 200},  {0.19, 1000, 190},   {0.00025, 2000, 1},      {-0.00025, 2000, -1},
      {0.0004, 1000, 0}, {-0.0006, 1000, -1}, {3e9, 1000, 2147483647}, {-3e9, 1000, -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(lefLength(c.v, c.f), c.want) << c.v << " at " << c.f;
  EXPECT_EQ(lefArea(0.06, 1000), 60000);
  EXPECT_EQ(lefArea(0.0000001, 2000), 0);    // 0.4 square units
  EXPECT_EQ(lefArea(0.000000125, 2000), 1);  // 0.5 square units
  EXPECT_EQ(truncToInt(-7.9), -7);
  EXPECT_EQ(truncToInt(0.0 / 0.0), 0);
}

class LefImport : public testing::Test {
 protected:
  void SetUp() override { db = &freshDatabase(); }
  Database* db = nullptr;
};

TEST_F(LefImport, RoutingAndCutLayers) {
  const LefRead r = readLef(kData + "import_tech.lef");
  ASSERT_TRUE(r.ok) << r.err;
  EXPECT_EQ(db->lefDbu, 1000);
  // MASTERSLICE poly is not a routing or a cut layer.
  ASSERT_EQ(db->routeLayers.size(), 3u);
  ASSERT_EQ(db->cutLayers.size(), 2u);
  EXPECT_EQ(db->routeLayerMap.count("poly") + db->cutLayerMap.count("poly"), 0u);

  const RouteLayer& m1 = db->routeLayers[0];
  EXPECT_EQ(m1.name, "M1");
  EXPECT_EQ(m1.direction, 'H');
  EXPECT_EQ(m1.pitchX, 200);
  EXPECT_EQ(m1.pitchY, 200);
  EXPECT_EQ(m1.width, 100);
  EXPECT_EQ(m1.spacing, 120);  // first SPACING rule of a routing layer
  EXPECT_EQ(m1.area, 60000);
  EXPECT_TRUE(m1.prlTables.empty());

  const RouteLayer& m2 = db->routeLayers[1];
  EXPECT_EQ(m2.direction, 'V');
  EXPECT_EQ(m2.pitchX, 190);
  EXPECT_EQ(m2.pitchY, 200);
  EXPECT_EQ(m2.spacing, 0);
  EXPECT_EQ(m2.area, 0);
  // The INFLUENCE table after the PARALLELRUNLENGTH one adds none.
  ASSERT_EQ(m2.prlTables.size(), 1u);
  EXPECT_EQ(m2.prlTables[0].table, (std::vector<std::vector<int>>{{100, 150, 200}, {200, 250, 300}}));

  const RouteLayer& m3 = db->routeLayers[2];
  EXPECT_EQ(m3.direction, 'X');  // DIAG45
  EXPECT_EQ(m3.pitchY, 400);
  EXPECT_EQ(m3.width, 200);
  ASSERT_EQ(m3.prlTables.size(), 1u);
  EXPECT_EQ(m3.prlTables[0].table, (std::vector<std::vector<int>>{{1}}));  // 0.5 units rounds up

  EXPECT_EQ(db->cutLayers[0].name, "V1");
  EXPECT_EQ(db->cutLayers[0].spacing, 120);  // last rule, options after the value ignored
  EXPECT_EQ(db->cutLayers[1].spacing, 150);
  EXPECT_EQ(db->routeLayerMap.at("M3"), 2);
  EXPECT_EQ(db->cutLayerMap.at("V2"), 1);
}

TEST_F(LefImport, ViasKeepTheLefListOrderQuirk) {
  const LefRead r = readLef(kData + "import_tech.lef");
  ASSERT_TRUE(r.ok) << r.err;
  ASSERT_EQ(db->vias.size(), 4u);
  struct Case {
    const char* name;
    int top, cut, bottom;
    std::vector<int> topRects, cutRects, bottomRects;
  } cases[] = {
      // Listed M2, V1, M1: the last-listed layer's rectangles land in the first list.
      {"via12", 1, 0, 0, {100, 100, 200, 200, -50, -100, 50, 100}, {-50, -50, 50, 50}, {-100, -50, 100, 50}},
      {"via23", 2, 1, 1, {-100, -50, 100, 50}, {-50, -50, 50, 50}, {-50, -100, 50, 100}},
      {"viaPillar", 255, 255, 255, {}, {}, {}},
      {"viaSame", 0, 0, 0, {-100, -100, 100, 100}, {-50, -50, 50, 50}, {-50, -50, 50, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Via& v = db->vias[db->viaMap.at(c.name)];
    EXPECT_EQ(v.name, c.name);
    EXPECT_EQ(v.topLayer, c.top);
    EXPECT_EQ(v.cutLayer, c.cut);
    EXPECT_EQ(v.bottomLayer, c.bottom);
    EXPECT_EQ(boxFields(v.topRects), c.topRects);
    EXPECT_EQ(boxFields(v.cutRects), c.cutRects);
    EXPECT_EQ(boxFields(v.bottomRects), c.bottomRects);
  }
  EXPECT_EQ(r.err, "via pillar not supported\n");
}

TEST_F(LefImport, MacrosAndPins) {
  const LefRead r = readLef(kData + "import_tech.lef");
  ASSERT_TRUE(r.ok) << r.err;
  ASSERT_EQ(db->macros.size(), 2u);
  const Macro& inv = db->macros[db->macroMap.at("INV")];
  EXPECT_EQ(inv.macroClass, "CORE");
  EXPECT_EQ(inv.site, "core");
  EXPECT_EQ(boxFields({inv.bbox}), (std::vector<int>{100, 100, 1100, 2100}));
  ASSERT_EQ(inv.pins.size(), 2u);

  const Pin& a = inv.pins[0];
  EXPECT_EQ(a.name, "A");
  EXPECT_EQ(a.use, 's');
  EXPECT_EQ(a.direction, 'i');
  // Each PORT starts without a layer; corners given high first are ordered.
  EXPECT_EQ(shapeFields(a.shapes), (std::vector<int>{100, 100, 200, 200, 1, 0, 0, 100, 300, 0}));
  EXPECT_EQ(boxFields({a.bbox}), (std::vector<int>{0, 0, 200, 300}));

  const Pin& z = inv.pins[1];
  EXPECT_EQ(z.use, 'c');
  EXPECT_EQ(z.direction, 0);  // OUTPUT TRISTATE has no letter
  // The cut-layer RECT is on no layer, not on M2 before it.
  EXPECT_EQ(shapeFields(z.shapes),
            (std::vector<int>{500, 100, 600, 200, 0, 400, 0, 450, 900, 1, 400, 400, 450, 450, 255}));
  EXPECT_EQ(boxFields({z.bbox}), (std::vector<int>{400, 0, 600, 900}));

  const Macro& fill = db->macros[1];
  EXPECT_EQ(fill.name, "FILL");
  EXPECT_EQ(fill.site, "");
  EXPECT_EQ(boxFields({fill.bbox}), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_TRUE(fill.pins.empty());
}

TEST_F(LefImport, WithoutUnitsRepeatedNamesAndUnknownViaLayers) {
  const LefRead r = readLef(kData + "import_nounits.lef");
  ASSERT_TRUE(r.ok) << r.err;
  EXPECT_EQ(db->lefDbu, 2000);
  ASSERT_EQ(db->routeLayers.size(), 3u);
  EXPECT_EQ(db->routeLayers[0].pitchX, 400);
  EXPECT_EQ(db->routeLayers[0].direction, 'V');
  // The repeated M1 is filled but the name still finds the first.
  EXPECT_EQ(db->routeLayers[2].name, "M1");
  EXPECT_EQ(db->routeLayers[2].pitchX, 600);
  EXPECT_EQ(db->routeLayerMap.at("M1"), 0);

  const Via& v = db->vias.at(0);
  EXPECT_EQ(v.topLayer, 255);  // the missing routing layer sorts first
  EXPECT_EQ(v.cutLayer, 0);
  EXPECT_EQ(v.bottomLayer, 0);
  EXPECT_EQ(boxFields(v.bottomRects), (std::vector<int>{-1, -2, 1, 2}));
  EXPECT_EQ(boxFields(v.topRects), (std::vector<int>{0, 0, 2, 2}));  // kept though M3 is unknown
  EXPECT_EQ(r.err, "unknown layer : M3\n");
}

TEST_F(LefImport, FailuresReportAndReturnFalse) {
  const LefRead missing = readLef(kData + "import_absent.lef");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.err, "Unable to open LEF file : " + kData + "import_absent.lef\n");
  EXPECT_TRUE(db->routeLayers.empty());

  const LefRead bad = readLef(kData + "import_bad.lef");
  EXPECT_FALSE(bad.ok);
  const std::string tail = "Error in parsing LEF file (error: 1)\n";
  ASSERT_GE(bad.err.size(), tail.size()) << bad.err;
  EXPECT_EQ(bad.err.substr(bad.err.size() - tail.size()), tail);
  // Records before the error stay.
  ASSERT_GE(db->routeLayers.size(), 1u);
  EXPECT_EQ(db->routeLayers[0].name, "M1");
}

TEST_F(LefImport, CallbacksAreRemovedAfterTheRead) {
  ASSERT_TRUE(readLef(kData + "import_nounits.lef").ok);
  ASSERT_EQ(db->routeLayers.size(), 3u);
  // A plain read of the same file afterwards reaches no import callback.
  FILE* f = std::fopen((kData + "import_nounits.lef").c_str(), "r");
  ASSERT_NE(f, nullptr);
  LefDefParser::lefrInit();
  LefDefParser::lefrReset();
  EXPECT_EQ(LefDefParser::lefrRead(f, "import_nounits.lef", db), 0);
  std::fclose(f);
  EXPECT_EQ(db->routeLayers.size(), 3u);
  EXPECT_EQ(db->vias.size(), 1u);
}

// One more layer than a layer byte can index stops the read cleanly.
TEST_F(LefImport, TooManyLayersFailTheLoad) {
  for (const char* type : {"ROUTING", "CUT"}) {
    SCOPED_TRACE(type);
    freshDatabase();
    const std::string path = std::string("import_many_") + type + ".lef";
    const std::string kind = type == std::string("ROUTING") ? "routing" : "cut";
    {
      std::ofstream out(path);
      out << "VERSION 5.8 ;\n";
      for (int i = 0; i < 257; ++i)
        out << "LAYER L" << i << "\n  TYPE " << type << " ;\n"
            << (kind == "routing" ? "  DIRECTION HORIZONTAL ;\n  PITCH 0.2 ;\n  WIDTH 0.1 ;\n" : "")
            << "END L" << i << "\n";
      out << "END LIBRARY\n";
    }
    const LefRead r = readLef(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.err, "Too many " + kind +
                         " layers: L255 would be number 256 (at most 255)\n"
                         "Error in parsing LEF file (error: 1)\n");
    EXPECT_EQ(db->routeLayers.size() + db->cutLayers.size(), 255u);
    std::remove(path.c_str());
  }
}

}  // namespace
}  // namespace velmor
