#include "lef/lefiMisc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lef/lefiUtil.h"
#include "lefTestDump.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::allocSizes;
using lefTest::dump;
using lefTest::LefLogTest;

int countOf(int size) {
  int n = 0;
  for (int s : allocSizes()) n += (s == size);
  return n;
}

class LefiGeometriesTest : public LefLogTest {};

TEST_F(LefiGeometriesTest, PortOfLayerAndRects) {
  foldNames();
  lefiGeometries g;
  g.addLayer("metal1");
  g.addLayerExceptPgNet();
  g.addLayerMinSpacing(0.14);
  g.addLayerRuleWidth(0.3);
  g.addWidth(0.2);
  g.addRect(0, 0.1, 0.2, 1.5, 2.5);
  g.addRect(2, -1, -2, 3, 4);
  g.addClass("core");
  ASSERT_EQ(g.numItems(), 8);
  const lefiGeomEnum kinds[] = {lefiGeomLayerE, lefiGeomLayerExceptPgNetE,
                                lefiGeomLayerMinSpacingE, lefiGeomLayerRuleWidthE,
                                lefiGeomWidthE, lefiGeomRectE, lefiGeomRectE, lefiGeomClassE};
  for (int i = 0; i < 8; i++) EXPECT_EQ(g.itemType(i), kinds[i]) << i;
  EXPECT_STREQ(g.getLayer(0), "METAl1");
  EXPECT_EQ(g.hasLayerExceptPgNet(1), 1);
  EXPECT_EQ(g.getLayerMinSpacing(2), 0.14);
  EXPECT_EQ(g.getLayerRuleWidth(3), 0.3);
  EXPECT_EQ(g.getWidth(4), 0.2);
  const lefiGeomRectItem* r = g.getRect(5);
  EXPECT_EQ(r->xl, 0.1);
  EXPECT_EQ(r->yl, 0.2);
  EXPECT_EQ(r->xh, 1.5);
  EXPECT_EQ(r->yh, 2.5);
  EXPECT_EQ(r->colorMask, 0);
  EXPECT_EQ(g.getRect(6)->colorMask, 2);
  EXPECT_STREQ(g.getClass(7), "CORE");
  EXPECT_TRUE(logged().empty());
}

TEST_F(LefiGeometriesTest, EveryAccessorReportsItsNumberOnABadIndex) {
  lefiGeometries g;
  g.addRect(0, 0, 0, 1, 1);
  g.addWidth(1);
  // The count is 2, so index 2 is one past the end and 1 the last valid.
  struct {
    int num;
    const char* subject;
    bool (*call)(const lefiGeometries&);
  } cases[] = {
      {1360, "geometry item", [](const lefiGeometries& x) { return x.itemType(2) == 0; }},
      {1361, "geometry RECTANGLE", [](const lefiGeometries& x) { return !x.getRect(2); }},
      {1362, "geometry RECTANGLE ITERATE",
       [](const lefiGeometries& x) { return !x.getRectIter(2); }},
      {1363, "geometry PATH", [](const lefiGeometries& x) { return !x.getPath(2); }},
      {1364, "geometry PATH ITERATE", [](const lefiGeometries& x) { return !x.getPathIter(2); }},
      {1365, "geometry LAYER", [](const lefiGeometries& x) { return !x.getLayer(2); }},
      {1366, "geometry LAYER EXCEPT PG NET",
       [](const lefiGeometries& x) { return x.hasLayerExceptPgNet(2) == 0; }},
      {1367, "geometry LAYER MINSPACING",
       [](const lefiGeometries& x) { return x.getLayerMinSpacing(2) == 0.0; }},
      {1368, "geometry LAYER RULE WIDTH",
       [](const lefiGeometries& x) { return x.getLayerRuleWidth(2) == 0.0; }},
      {1369, "geometry WIDTH", [](const lefiGeometries& x) { return x.getWidth(2) == 0.0; }},
      {1370, "geometry POLYGON", [](const lefiGeometries& x) { return !x.getPolygon(2); }},
      {1371, "geometry POLYGON ITERATE",
       [](const lefiGeometries& x) { return !x.getPolygonIter(2); }},
      {1372, "geometry CLASS", [](const lefiGeometries& x) { return !x.getClass(2); }},
      {1373, "geometry VIA", [](const lefiGeometries& x) { return !x.getVia(2); }},
      {1374, "geometry VIA ITERATE", [](const lefiGeometries& x) { return !x.getViaIter(2); }},
  };
  for (const auto& c : cases) {
    lefTest::loggedTexts().clear();
    EXPECT_TRUE(c.call(g)) << c.num;
    ASSERT_EQ(logged().size(), 1u) << c.num;
    EXPECT_EQ(logged()[0], "ERROR (LEFPARS-" + std::to_string(c.num) +
                               "): The index number 2 given for the " + c.subject +
                               " is invalid.\nValid index is from 0 to 1");
  }
}

TEST_F(LefiGeometriesTest, NegativeIndexAndEmptyList) {
  lefiGeometries g;
  EXPECT_EQ(g.itemType(-1), lefiGeomUnknown);
  EXPECT_EQ(g.getRect(0), nullptr);
  ASSERT_EQ(logged().size(), 2u);
  EXPECT_EQ(logged()[0],
            "ERROR (LEFPARS-1360): The index number -1 given for the geometry item is "
            "invalid.\nValid index is from 0 to -1");
  EXPECT_EQ(logged()[1],
            "ERROR (LEFPARS-1361): The index number 0 given for the geometry RECTANGLE is "
            "invalid.\nValid index is from 0 to -1");
}

TEST_F(LefiGeometriesTest, PathsAndPolygonsCopyThePointList) {
  lefiGeometries g;
  g.addPolygon(0);  // no list yet
  g.startList(1, 2);
  g.addPath(0);
  g.startList(0, 0);
  g.addToList(4, 0);
  g.addToList(4, 3);
  g.addPolygon(3);
  g.startList(5, 6);  // the list restarts; the polygon keeps its points
  g.addToList(7, 8);
  g.addPath(1);

  const lefiGeomPolygonItem* empty = g.getPolygon(0);
  EXPECT_EQ(empty->numPoints, 0);
  EXPECT_EQ(empty->x, nullptr);
  EXPECT_EQ(empty->y, nullptr);

  const lefiGeomPathItem* one = g.getPath(1);
  ASSERT_EQ(one->numPoints, 1);
  EXPECT_EQ(one->x[0], 1.0);
  EXPECT_EQ(one->y[0], 2.0);

  const lefiGeomPolygonItem* tri = g.getPolygon(2);
  ASSERT_EQ(tri->numPoints, 3);
  EXPECT_EQ(tri->x[1], 4.0);
  EXPECT_EQ(tri->y[2], 3.0);
  EXPECT_EQ(tri->colorMask, 3);

  const lefiGeomPathItem* two = g.getPath(3);
  ASSERT_EQ(two->numPoints, 2);
  EXPECT_EQ(two->x[1], 7.0);
  EXPECT_EQ(two->y[1], 8.0);
}

TEST_F(LefiGeometriesTest, PointListStartsAt16AndDoubles) {
  recordAllocs();
  lefiGeometries g;
  g.startList(0, 0);
  EXPECT_EQ(countOf(16 * sizeof(double)), 2);
  g.startList(1, 1);  // reused, not reallocated
  EXPECT_EQ(countOf(16 * sizeof(double)), 2);
  for (int i = 1; i < 16; i++) g.addToList(i, i);
  EXPECT_EQ(countOf(32 * sizeof(double)), 0);
  g.addToList(16, 16);  // the 17th point
  EXPECT_EQ(countOf(32 * sizeof(double)), 2);
  g.addPath(0);
  const lefiGeomPathItem* p = g.getPath(0);
  ASSERT_EQ(p->numPoints, 17);
  EXPECT_EQ(p->x[0], 1.0);
  EXPECT_EQ(p->x[15], 15.0);
  EXPECT_EQ(p->y[16], 16.0);
}

TEST_F(LefiGeometriesTest, ViaMasksSplitIntoDigits) {
  foldNames();
  lefiGeometries g;
  const struct {
    int mask, top, cut, bottom;
  } cases[] = {{0, 0, 0, 0}, {21, 0, 2, 1}, {123, 1, 2, 3}, {5, 0, 0, 5}};
  for (const auto& c : cases) g.addVia(c.mask, 1.5, 2.5, "via12");
  for (int i = 0; i < 4; i++) {
    const lefiGeomViaItem* v = g.getVia(i);
    EXPECT_STREQ(v->name, "VIA12");
    EXPECT_EQ(v->x, 1.5);
    EXPECT_EQ(v->y, 2.5);
    EXPECT_EQ(v->topMaskNum, cases[i].top) << cases[i].mask;
    EXPECT_EQ(v->cutMaskNum, cases[i].cut) << cases[i].mask;
    EXPECT_EQ(v->bottomMaskNum, cases[i].bottom) << cases[i].mask;
  }
}

TEST_F(LefiGeometriesTest, IterateItemsCarryTheStepPatternAcrossClear) {
  lefiGeometries g;
  g.addRectIter(0, 0, 0, 1, 1);  // before any pattern
  const lefiGeomRectIterItem* r = g.getRectIter(0);
  EXPECT_EQ(r->xStart, -1.0);
  EXPECT_EQ(r->yStart, -1.0);
  EXPECT_EQ(r->xStep, -1.0);
  EXPECT_EQ(r->yStep, -1.0);

  g.addStepPattern(3, 4, 5, 6);
  g.clear();
  EXPECT_EQ(g.numItems(), 0);
  g.addViaIter(120, 1, 2, "v");
  g.startList(0, 0);
  g.addToList(1, 1);
  g.addPathIter(0);
  g.addPolygonIter(0);
  const lefiGeomViaIterItem* v = g.getViaIter(0);
  EXPECT_EQ(v->xStart, 3.0);
  EXPECT_EQ(v->yStep, 6.0);
  EXPECT_EQ(v->topMaskNum, 1);
  EXPECT_EQ(v->cutMaskNum, 2);
  EXPECT_EQ(v->bottomMaskNum, 0);
  const lefiGeomPathIterItem* p = g.getPathIter(1);
  EXPECT_EQ(p->numPoints, 2);
  EXPECT_EQ(p->yStart, 4.0);
  EXPECT_EQ(p->xStep, 5.0);
  const lefiGeomPolygonIterItem* q = g.getPolygonIter(2);
  EXPECT_EQ(q->numPoints, 2);
  EXPECT_EQ(q->xStart, 3.0);
}

TEST_F(LefiGeometriesTest, ItemArrayDoublesFromTwo) {
  recordAllocs();
  lefiGeometries g;
  EXPECT_EQ(countOf(2 * sizeof(void*)), 1);
  for (int i = 0; i < 3; i++) g.addWidth(i);
  EXPECT_EQ(countOf(4 * sizeof(void*)), 1);
  EXPECT_EQ(g.getWidth(2), 2.0);
  EXPECT_EQ(g.getWidth(0), 0.0);
}

TEST_F(LefiGeometriesTest, ViaLayerTakesOverAPolygon) {
  lefiGeometries* g = lefiNewObj<lefiGeometries>();
  g->startList(0, 0);
  g->addToList(2, 0);
  g->addToList(2, 2);
  g->addPolygon(1);
  lefiGeomPolygonItem* poly = g->getPolygon(0);
  g->clearPolyItems();
  EXPECT_EQ(g->numItems(), 0);
  lefiFreeObj(g);
  // The polygon outlives the list that made it.
  ASSERT_EQ(poly->numPoints, 3);
  EXPECT_EQ(poly->x[2], 2.0);
  EXPECT_EQ(poly->y[2], 2.0);
  lefiFreeArr(poly->x);
  lefiFreeArr(poly->y);
  lefFree(poly);
}

TEST_F(LefiGeometriesTest, DestroyTwiceAndReuse) {
  lefiGeometries g;
  g.startList(0, 0);
  g.addPath(0);
  g.addVia(0, 0, 0, "v");
  g.Destroy();
  g.Destroy();
  EXPECT_EQ(g.numItems(), 0);
  g.Init();
  g.addRect(0, 1, 2, 3, 4);
  EXPECT_EQ(g.getRect(0)->xh, 3.0);
}

TEST_F(LefiGeometriesTest, Dump) {
  lefiGeometries g;
  g.addLayer("M1");
  g.addLayerExceptPgNet();
  g.addLayerMinSpacing(0.5);
  g.addLayerRuleWidth(0.25);
  g.addWidth(1);
  g.startList(0, 0);
  g.addToList(1.5, 0);
  g.addPath(0);
  g.addPath(2);
  g.addStepPattern(2, 3, 10, 20);
  g.addPathIter(1);
  g.addRect(0, 0, 0, 1, 2);
  g.addRect(3, 0, 0, 1, 2);
  g.addRectIter(0, 0, 0, 1, 1);
  g.addRectIter(2, 0, 0, 1, 1);
  g.addPolygon(0);
  g.addPolygonIter(0);
  g.addPolygonIter(1);
  g.addVia(0, 0, 0, "V1");
  g.addViaIter(0, 0, 0, "V1");
  g.addClass("BUMP");
  EXPECT_EQ(dump(g),
            "Layer M1\n"
            "EXCEPTPGNET \n"
            "Spacing 0.5\n"
            "DesignRuleWidth 0.25\n"
            "Width 1\n"
            "Path 0,0 1.5,0\n"
            "Path MASK 2 0,0 1.5,0\n"
            "MASK 1Path iter  start 2,3  step 10,20\n"
            " 0,0 1.5,0\n"
            "Rect 0,0  1,2\n"
            "Rect MASK 3, 0,0  1,2\n"
            "Rect iter  start 2,3  step 10,20\n"
            "     0,0  1,1\n"
            "Rect MASK 2 iter  start 2,3  step 10,20\n"
            "     0,0  1,1\n"
            "Polygon 0,0 1.5,0\n"
            "Polygon iter  start 2,3  step 10,20\n"
            " 0,0 1.5,0\n"
            "Polygon MASK 1 iter  start 2,3  step 10,20\n"
            " 0,0 1.5,0\n"
            "Via \n"
            "Via iter \n"
            "Classtype BUMP\n");
  EXPECT_TRUE(logged().empty());
}

TEST_F(LefiGeometriesTest, DumpOfAnUnknownKindReports1375) {
  lefiGeometries g;
  g.add(lefMalloc(8), static_cast<lefiGeomEnum>(99));
  EXPECT_EQ(dump(g), "Unknown geometry type 99\n");
  ASSERT_EQ(logged().size(), 1u);
  EXPECT_EQ(logged()[0], "ERROR (LEFPARS-1375): unknown geometry type");
}

// ---------------------------------------------------------------- sites

class LefiSiteTest : public LefLogTest {};

TEST_F(LefiSiteTest, SymmetryClassSizeAndDump) {
  foldNames();
  lefiSite s;
  s.setName("core_site");
  s.setClass("core");
  s.setSize(0.2, 1.8);
  s.setXSymmetry();
  s.set90Symmetry();
  EXPECT_STREQ(s.name(), "CORE_SITE");
  EXPECT_STREQ(s.siteClass(), "core");  // as written
  EXPECT_EQ(s.hasXSymmetry(), 1);
  EXPECT_EQ(s.hasYSymmetry(), 0);
  EXPECT_EQ(s.has90Symmetry(), 1);
  EXPECT_EQ(dump(s), "SITE CORE_SITE CLASS core SIZE 0.2 1.8 SYMMETRY X SYMMETRY R90\n");
}

TEST_F(LefiSiteTest, NextSiteStartsEmpty) {
  recordAllocs();
  {
  lefiSite s;
  s.setName("A");
  s.setClass("PAD");
  s.setSize(1, 2);
  s.setYSymmetry();
  s.addRowPattern("a1", 0);
  s.addRowPattern("a2", 6);
  s.addRowPattern("a3", 9);
  EXPECT_EQ(s.numSites(), 3);
  EXPECT_STREQ(s.siteName(1), "a2");
  EXPECT_EQ(s.siteOrient(1), 6);
  EXPECT_STREQ(s.siteOrientStr(1), "FS");
  EXPECT_STREQ(s.siteOrientStr(2), "");
  s.setName("B");
  EXPECT_EQ(s.numSites(), 0);
  EXPECT_EQ(s.hasRowPattern(), 0);
  EXPECT_EQ(s.hasClass(), 0);
  EXPECT_STREQ(s.siteClass(), "");
  EXPECT_EQ(s.hasSize(), 0);
  EXPECT_EQ(s.hasYSymmetry(), 0);
  EXPECT_EQ(dump(s), "SITE B\n");
  }
  // The row-pattern arrays outlive the empty list and still go with the site.
  EXPECT_EQ(lefTest::liveBlocks(), 0);
}

TEST_F(LefiSiteTest, LongClassTextIsCutToElevenCharacters) {
  lefiSite s;
  s.setName("x");
  s.setClass("ABCDEFGHIJKLMNOP");
  EXPECT_STREQ(s.siteClass(), "ABCDEFGHIJK");
}

TEST_F(LefiSiteTest, SitePatternStepAndDump) {
  foldNames();
  lefiSitePattern p;
  p.set("core", 1, 2, 6, -1, -1, -1, -1);
  EXPECT_STREQ(p.name(), "CORE");
  EXPECT_STREQ(p.orientStr(), "FS");
  EXPECT_EQ(p.hasStepPattern(), 0);
  const double others[] = {0.0, 2.0, std::nan("")};
  for (int field = 0; field < 4; field++) {
    for (double v : others) {
      double s[4] = {-1, -1, -1, -1};
      s[field] = v;
      p.set("core", 1, 2, 6, s[0], s[1], s[2], s[3]);
      EXPECT_EQ(p.hasStepPattern(), 1) << field << " " << v;
    }
  }
  p.set("core", 1, 2, 6, 4, 1, 0.5, 0);
  EXPECT_EQ(p.xStart(), 4.0);
  EXPECT_EQ(p.yStep(), 0.0);
  EXPECT_EQ(dump(p), "  SITE Pattern CORE  1,2 FS\n    4,1 step 0.5,0\n");
}

TEST_F(LefiSiteTest, TrackPatternLayers) {
  foldNames();
  recordAllocs();
  lefiTrackPattern t;
  // The 16-byte name buffer, then the layer array for two names.
  EXPECT_EQ(allocSizes(), (std::vector<int>{16, 2 * sizeof(char*)}));
  t.set("x", 0.1, 20, 0.4);
  t.addLayer("metal1");
  t.addLayer("m2");
  EXPECT_EQ(countOf(4 * sizeof(char*)), 0);
  EXPECT_EQ(t.layerName(2), nullptr);
  ASSERT_EQ(logged().size(), 1u);
  EXPECT_EQ(logged()[0],
            "ERROR (LEFPARS-1377): The index number 2 given for the TRACK PATTERN  is "
            "invalid.\nValid index is from 0 to 1");
  t.addLayer("m3");
  EXPECT_EQ(countOf(4 * sizeof(char*)), 1);
  EXPECT_STREQ(t.layerName(0), "METAl1");
  EXPECT_STREQ(t.layerName(2), "M3");
  EXPECT_EQ(t.numLayers(), 3);
  EXPECT_EQ(dump(t), "  TRACK Pattern X  0.1 DO 20 STEP 0.4\n    LAYER METAl1 M2 M3 \n");
  t.clear();
  EXPECT_EQ(dump(t), "  TRACK Pattern X  0.1 DO 20 STEP 0.4\n");
}

TEST_F(LefiSiteTest, GcellPatternDumpsAsATrackPattern) {
  lefiGcellPattern g;
  g.set("Y", 0, 10, 2.5);
  EXPECT_EQ(g.numCRs(), 10);
  EXPECT_EQ(g.space(), 2.5);
  EXPECT_EQ(dump(g), "  TRACK Pattern Y  0 DO 10 STEP 2.5\n");
  g.Destroy();
  g.Destroy();
  EXPECT_EQ(g.numCRs(), 0);
}

// ---------------------------------------------------------------- small statements

class LefiLibraryTest : public LefLogTest {};

TEST_F(LefiLibraryTest, SpacingGrowsOnlyTheLongName) {
  recordAllocs();
  lefiSpacing s;
  allocSizes().clear();
  std::string longName(40, 'm');
  s.set(longName.c_str(), "m2x", 0.5, 0);
  ASSERT_EQ(allocSizes().size(), 1u);
  EXPECT_EQ(allocSizes()[0], 41);
  EXPECT_STREQ(s.name1(), longName.c_str());
  EXPECT_STREQ(s.name2(), "m2x");
}

TEST_F(LefiLibraryTest, SpacingFoldsBothNamesSeparately) {
  foldNames();
  lefiSpacing s;
  s.set("metal1", "via2", 0.3, 1);
  EXPECT_STREQ(s.name1(), "METAl1");
  EXPECT_STREQ(s.name2(), "VIA2");
  EXPECT_EQ(dump(s), "SPACING METAl1 VIA2 0.3  STACK\n");
}

TEST_F(LefiLibraryTest, SpacingCloneIsExactAndIndependent) {
  lefiSpacing* s = lefiNewObj<lefiSpacing>();
  s->set("M1", "M2", 0.25, 1);
  recordAllocs();
  lefiSpacing* c = s->clone();
  // The clone object, then one 3-byte buffer per name.
  EXPECT_EQ(countOf(3), 2);
  lefiFreeObj(s);
  EXPECT_STREQ(c->name1(), "M1");
  EXPECT_STREQ(c->name2(), "M2");
  EXPECT_EQ(c->distance(), 0.25);
  EXPECT_EQ(c->hasStack(), 1);
  c->set("M3", "M4", 1, 0);  // fits the 3-byte buffers
  EXPECT_STREQ(c->name2(), "M4");
  lefiFreeObj(c);
}

TEST_F(LefiLibraryTest, IRDropTableGrowsAndRestarts) {
  foldNames();
  CASE("");  // the fold buffer exists before the count starts
  recordAllocs();
  lefiIRDrop d;
  d.setTableName("drop1");
  for (int i = 0; i < 5; i++) d.setValues(i, 10 * i);
  // Name buffer and two 2-value arrays, then both arrays at 4 and at 8.
  EXPECT_EQ(allocSizes(), (std::vector<int>{16, 16, 16, 32, 32, 64, 64}));
  EXPECT_STREQ(d.name(), "DROP1");
  EXPECT_EQ(d.numValues(), 5);
  EXPECT_EQ(d.value1(4), 4.0);
  EXPECT_EQ(d.value2(3), 30.0);
  EXPECT_EQ(d.value1(5), 0.0);
  EXPECT_EQ(d.value2(-1), 0.0);
  ASSERT_EQ(logged().size(), 2u);
  EXPECT_EQ(logged()[0],
            "ERROR (LEFPARS-1376): The index number 5 given for the IRDROP is invalid.\n"
            "Valid index is from 0 to 4");
  EXPECT_EQ(logged()[1],
            "ERROR (LEFPARS-1376): The index number -1 given for the IRDROP is invalid.\n"
            "Valid index is from 0 to 4");
  d.setTableName("drop2");
  EXPECT_EQ(d.numValues(), 0);
  d.setValues(0.5, 1.5);
  EXPECT_EQ(dump(d), "IRDROP DROP2 0.5 1.5 \nEND IRDrop\n");
}

TEST_F(LefiLibraryTest, UseMinSpacingKeepsTheLastName) {
  foldNames();
  lefiUseMinSpacing u;
  EXPECT_EQ(u.name(), nullptr);
  CASE("");
  recordAllocs();
  u.set("obs", 1);
  u.set("pin", 0);
  EXPECT_EQ(lefTest::liveBlocks(), 1);
  EXPECT_STREQ(u.name(), "PIN");
  EXPECT_EQ(u.value(), 0);
  EXPECT_EQ(dump(u), "USEMINSPACING PIN 0\n");
}

TEST_F(LefiLibraryTest, MaxStackVia) {
  foldNames();
  lefiMaxStackVia m;
  m.setMaxStackVia(4);
  EXPECT_EQ(m.hasMaxStackViaRange(), 0);
  EXPECT_EQ(m.maxStackViaBottomLayer(), nullptr);
  EXPECT_EQ(m.maxStackViaTopLayer(), nullptr);
  EXPECT_EQ(dump(m), "MAXVIASTACK 4\n");
  m.setMaxStackViaRange("m1", "m3");
  m.setMaxStackViaRange("metal1", "metal4");
  EXPECT_EQ(m.hasMaxStackViaRange(), 1);
  EXPECT_STREQ(m.maxStackViaBottomLayer(), "METAl1");
  EXPECT_STREQ(m.maxStackViaTopLayer(), "METAl4");
  EXPECT_EQ(dump(m), "MAXVIASTACK 4 RANGE METAl1 METAl4\n");
  m.Init();
  recordAllocs();
  m.setMaxStackViaRange("m1", "m2");
  m.setMaxStackViaRange("m3", "m4");
  EXPECT_EQ(lefTest::liveBlocks(), 2);  // the first pair was given back
  m.Init();
  EXPECT_EQ(lefTest::liveBlocks(), 0);
  EXPECT_EQ(m.maxStackVia(), 0);
  EXPECT_EQ(m.hasMaxStackViaRange(), 0);
}

}  // namespace
}  // namespace LefDefParser
