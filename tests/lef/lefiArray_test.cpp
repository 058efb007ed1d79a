#include "lef/lefiArray.h"

#include <gtest/gtest.h>

#include <vector>

#include "lefTestDump.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::allocSizes;

class LefiArrayTest : public lefTest::LefLogTest {
 protected:
  static lefiSitePattern* site(const char* name, int orient) {
    lefiSitePattern* s = lefiNewObj<lefiSitePattern>();
    s->set(name, 1, 2, orient, -1, -1, -1, -1);
    return s;
  }
};

TEST_F(LefiArrayTest, DefaultCapGrowsFromFourToEight) {
  lefiArray a;
  recordAllocs();
  a.setTableSize(5);
  for (int i = 0; i < 5; i++) a.addDefaultCap(i + 1, 0.5 * i);
  EXPECT_EQ(allocSizes(), (std::vector<int>{8 * sizeof(int), 8 * sizeof(double)}));
  EXPECT_EQ(a.hasDefaultCap(), 1);
  EXPECT_EQ(a.tableSize(), 5);
  EXPECT_EQ(a.numDefaultCaps(), 5);
  for (int i = 0; i < 5; i++) {
    EXPECT_EQ(a.defaultCapMinPins(i), i + 1);
    EXPECT_EQ(a.defaultCap(i), 0.5 * i);
  }
}

TEST_F(LefiArrayTest, ListsGrowOnTheirOwn) {
  lefiArray a;
  recordAllocs();
  a.addCanPlace(site("c1", 0));
  a.addCanPlace(site("c2", 0));
  a.addSitePattern(site("s1", 0));
  allocSizes().clear();
  a.addCanPlace(site("c3", 0));
  // The pattern object and its name, then the grown 4-pointer array.
  ASSERT_FALSE(allocSizes().empty());
  EXPECT_EQ(allocSizes().back(), static_cast<int>(4 * sizeof(void*)));
  allocSizes().clear();
  a.addSitePattern(site("s2", 0));
  a.addCannotOccupy(site("o1", 0));
  for (int s : allocSizes()) EXPECT_NE(s, static_cast<int>(4 * sizeof(void*)));
  EXPECT_EQ(a.numCanPlace(), 3);
  EXPECT_EQ(a.numSitePattern(), 2);
  EXPECT_EQ(a.numCannotOccupy(), 1);
  EXPECT_STREQ(a.canPlace(2)->name(), "c3");
  EXPECT_STREQ(a.sitePattern(1)->name(), "s2");
}

TEST_F(LefiArrayTest, TracksGcellsAndClear) {
  foldNames();
  lefiArray a;
  a.setName("core_array");
  lefiTrackPattern* t = lefiNewObj<lefiTrackPattern>();
  t->set("X", 0, 10, 0.5);
  t->addLayer("metal2");
  a.addTrack(t);
  lefiGcellPattern* g = lefiNewObj<lefiGcellPattern>();
  g->set("Y", 0, 4, 2);
  a.addGcell(g);
  a.addSitePattern(site("s", 0));
  a.setTableSize(2);
  a.addDefaultCap(1, 0.1);
  a.addFloorPlan("fp");
  EXPECT_EQ(a.numTrack(), 1);
  EXPECT_STREQ(a.track(0)->layerName(0), "METAl2");
  EXPECT_EQ(a.gcell(0)->numCRs(), 4);
  EXPECT_EQ(lefTest::dump(a), "ARRAY CORE_ARRAY\n");

  a.clear();
  EXPECT_EQ(a.numSitePattern() + a.numCanPlace() + a.numCannotOccupy() + a.numTrack() +
                a.numGcell() + a.numFloorPlans() + a.numDefaultCaps(),
            0);
  EXPECT_EQ(a.hasDefaultCap(), 0);
  EXPECT_EQ(a.tableSize(), 0);
  EXPECT_STREQ(a.name(), "CORE_ARRAY");
}

TEST_F(LefiArrayTest, FloorPlans) {
  foldNames();
  lefiArray a;
  a.addSiteToFloorPlan("CANPLACE", site("lost", 0));  // no floor plan yet: dropped
  a.addFloorPlan("plan_a");
  a.addSiteToFloorPlan("CANPLACE", site("s1", 0));
  a.addSiteToFloorPlan("CANNOTOCCUPY", site("s2", 2));
  a.addFloorPlan("plan_b");
  a.addSiteToFloorPlan("canplace", site("s3", 4));
  ASSERT_EQ(a.numFloorPlans(), 2);
  EXPECT_STREQ(a.floorPlanName(0), "PlAN_A");
  EXPECT_EQ(a.numSites(0), 2);
  EXPECT_STREQ(a.siteType(0, 0), "CANPLACE");
  EXPECT_STREQ(a.siteType(0, 1), "CANNOTOCCUPY");
  EXPECT_STREQ(a.site(0, 1)->name(), "S2");
  EXPECT_EQ(a.site(0, 1)->orient(), 2);
  EXPECT_EQ(a.numSites(1), 1);
  EXPECT_STREQ(a.siteType(1, 0), "canplace");  // type texts stay as passed
  EXPECT_STREQ(a.site(1, 0)->name(), "S3");
}

TEST_F(LefiArrayTest, ReuseAcrossStatementsAndDestroyTwice) {
  lefiArray a;
  for (int round = 0; round < 3; round++) {
    a.setName(round == 1 ? "a_much_longer_array_name" : "a");
    a.addCanPlace(site("c", 0));
    a.addFloorPlan("f");
    a.addSiteToFloorPlan("CANPLACE", site("x", 1));
    EXPECT_EQ(a.numCanPlace(), 1);
    EXPECT_EQ(a.numSites(0), 1);
    a.clear();
  }
  a.Destroy();
  a.Destroy();
  EXPECT_EQ(a.numFloorPlans(), 0);
}

}  // namespace
}  // namespace LefDefParser
