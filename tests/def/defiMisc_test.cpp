#include "def/defiDebug.h"
#include "def/defiMisc.h"
#include "def/defiPropType.h"
#include "defi_fixture.h"

using namespace LefDefParser;

namespace {

TEST(DefiOrientStr, NamesTheEightCodesAndNothingElse) {
  const struct {
    int code;
    const char* name;
  } cases[] = {{0, "N"},  {1, "W"},  {2, "S"},  {3, "E"}, {4, "FN"},
               {5, "FW"}, {6, "FS"}, {7, "FE"}, {8, ""},  {-1, ""}};
  for (const auto& c : cases) EXPECT_STREQ(defiOrientStr(c.code), c.name) << c.code;
}

TEST(DefiDebug, SwitchesDoNothing) {
  defiSetDebug(3, 1);
  EXPECT_EQ(defiDebug(3), 0);
}

using DefiCase = DefiTest;

TEST_F(DefiCase, DefcaseFoldsOnlyWhenNamesAreCaseInsensitive) {
  EXPECT_STREQ(DEFCASE("abc_1", data()), "abc_1");
  caseInsensitive();
  EXPECT_STREQ(DEFCASE("abc_1", data()), "ABC_1");
  EXPECT_STREQ(upperCase("m1Via", data()), "M1VIA");
}

TEST_F(DefiCase, CheckedErrorsObeyTheMessageLimitUncheckedOnesDoNot) {
  settings_.totalDefMsgLimit = 1;
  defiError(0, 6070, "first", data());
  defiError(0, 6070, "second", data());
  defiError(1, 0, "warning text", data());
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[0], "first");
  EXPECT_EQ(errors()[1], "warning text");
}

using DefiGeometriesTest = DefiTest;

TEST_F(DefiGeometriesTest, StartListAndResetBeginAgain) {
  defiGeometries g(data());
  g.startList(0, 0);
  for (int i = 1; i < 20; i++) g.addToList(i, 2 * i);
  ASSERT_EQ(g.numPoints(), 20);
  int x = 0, y = 0;
  g.points(19, &x, &y);
  EXPECT_EQ(x, 19);
  EXPECT_EQ(y, 38);

  g.startList(-5, 7);
  EXPECT_EQ(g.numPoints(), 1);
  g.points(0, &x, &y);
  EXPECT_EQ(x, -5);
  EXPECT_EQ(y, 7);

  g.Reset();
  EXPECT_EQ(g.numPoints(), 0);
  g.addToList(8, 9);
  g.points(0, &x, &y);
  EXPECT_EQ(x, 8);
  EXPECT_EQ(y, 9);
  EXPECT_TRUE(errors().empty());
}

TEST_F(DefiGeometriesTest, BadIndexReports6070AndLeavesOutputs) {
  defiGeometries g(data());
  g.startList(1, 2);
  g.addToList(3, 4);
  int x = 99, y = 98;
  g.points(2, &x, &y);
  g.points(-1, &x, &y);
  EXPECT_EQ(x, 99);
  EXPECT_EQ(y, 98);
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[0],
            "ERROR (LEFPARS-6070): The index number 2 given for GEOMETRY POINTS is "
            "invalid.\nValid index is from 0 to 2");
  EXPECT_EQ(errors()[1],
            "ERROR (LEFPARS-6070): The index number -1 given for GEOMETRY POINTS is "
            "invalid.\nValid index is from 0 to 2");
}

using DefiBoxTest = DefiTest;

TEST_F(DefiBoxTest, BoxIsTheFirstTwoPointsInFileOrder) {
  defiGeometries g(data());
  defiBox box;
  g.startList(10, 20);
  g.addToList(0, 0);
  box.addPoint(&g);
  EXPECT_EQ(box.xl(), 10);
  EXPECT_EQ(box.yl(), 20);
  EXPECT_EQ(box.xh(), 0);
  EXPECT_EQ(box.yh(), 0);

  g.startList(5, 6);
  g.addToList(100, 200);
  g.addToList(100, 6);
  g.addToList(-3, -4);
  box.addPoint(&g);
  EXPECT_EQ(box.xl(), 5);
  EXPECT_EQ(box.yl(), 6);
  EXPECT_EQ(box.xh(), 100);
  EXPECT_EQ(box.yh(), 200);
  defiPointList pts = box.getPoint();
  ASSERT_EQ(pts.numPoints, 4);
  EXPECT_EQ(pts.x[3], -3);
  EXPECT_EQ(pts.y[3], -4);
  EXPECT_EQ(printed(box), "Box 5,6 100 200\n");
}

TEST_F(DefiBoxTest, OnePointKeepsTheUpperCorner) {
  defiGeometries g(data());
  defiBox box;
  g.startList(1, 2);
  g.addToList(3, 4);
  box.addPoint(&g);
  g.startList(7, 8);
  box.addPoint(&g);
  EXPECT_EQ(box.xl(), 7);
  EXPECT_EQ(box.yl(), 8);
  EXPECT_EQ(box.xh(), 3);
  EXPECT_EQ(box.yh(), 4);
  EXPECT_EQ(box.getPoint().numPoints, 1);
}

using DefiStylesTest = DefiTest;

TEST_F(DefiStylesTest, ShorterPolygonReplacesTheLongerOne) {
  defiGeometries g(data());
  defiStyles style;
  EXPECT_EQ(style.getPolygon().numPoints, 0);
  style.setStyle(3);
  g.startList(0, 0);
  for (int i = 1; i < 8; i++) g.addToList(i, i);
  style.setPolygon(&g);
  ASSERT_EQ(style.getPolygon().numPoints, 8);

  g.startList(50, 60);
  for (int i = 1; i < 5; i++) g.addToList(50 + i, 60 - i);
  style.setPolygon(&g);
  defiPointList pts = style.getPolygon();
  ASSERT_EQ(pts.numPoints, 5);
  EXPECT_EQ(pts.x[0], 50);
  EXPECT_EQ(pts.y[4], 56);
  EXPECT_EQ(style.style(), 3);

  style.clear();
  EXPECT_EQ(style.style(), 0);
  EXPECT_EQ(style.getPolygon().numPoints, 0);
  style.setPolygon(&g);  // after clear the list is built anew
  EXPECT_EQ(style.getPolygon().numPoints, 5);
  EXPECT_EQ(style.getPolygon().y[4], 56);
}

using DefiSiteTest = DefiTest;

TEST_F(DefiSiteTest, SetNameStartsAFreshSite) {
  caseInsensitive();
  defiSite site(data());
  site.setName("core");
  site.setLocation(10.5, 20);
  site.setOrient(6);
  site.setDo(4, 1, 380, 0);
  EXPECT_STREQ(site.name(), "CORE");
  EXPECT_EQ(site.x_orig(), 10.5);
  EXPECT_EQ(site.y_orig(), 20);
  EXPECT_EQ(site.x_num(), 4);
  EXPECT_EQ(site.y_num(), 1);
  EXPECT_EQ(site.x_step(), 380);
  EXPECT_EQ(site.y_step(), 0);
  EXPECT_STREQ(site.orientStr(), "FS");

  site.setName("a_site_name_longer_than_thirty_two_bytes");
  EXPECT_STREQ(site.name(), "A_SITE_NAME_LONGER_THAN_THIRTY_TWO_BYTES");
  EXPECT_EQ(site.x_orig(), 0);
  EXPECT_EQ(site.x_num(), 0);
  EXPECT_EQ(site.x_step(), 0);
  EXPECT_EQ(site.orient(), 0);
}

TEST(DefiPropTypeTest, LookupIsExactFirstDefinitionWinsAndClearForgetsAll) {
  defiPropType table;
  table.setPropType("cellHeight", 'R');
  table.setPropType("count", 'I');
  table.setPropType("count", 'S');
  EXPECT_EQ(table.propType("cellHeight"), 'R');
  EXPECT_EQ(table.propType("count"), 'I');
  EXPECT_EQ(table.propType("CELLHEIGHT"), 'N');
  EXPECT_EQ(table.propType("missing"), 'N');
  EXPECT_EQ(table.propType(nullptr), 'N');
  table.Clear();
  EXPECT_EQ(table.propType("count"), 'N');
  table.setPropType("count", 'Q');
  EXPECT_EQ(table.propType("count"), 'Q');
}

}  // namespace
