#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::LefLogTest;
using lefTest::TrackedHeap;

using Values = std::vector<double>;

class LefiTimingTest : public LefLogTest {
 protected:
  Values intrinsics() {
    return {t.riseIntrinsicOne(), t.riseIntrinsicTwo(), t.riseIntrinsicThree(),
            t.riseIntrinsicFour(), t.fallIntrinsicOne(), t.fallIntrinsicTwo(),
            t.fallIntrinsicThree(), t.fallIntrinsicFour()};
  }
  Values slews() {
    return {t.riseSlewOne(),  t.riseSlewTwo(),  t.riseSlewThree(), t.riseSlewFour(),
            t.riseSlewFive(), t.riseSlewSix(),  t.riseSlewSeven(), t.fallSlewOne(),
            t.fallSlewTwo(),  t.fallSlewThree(), t.fallSlewFour(), t.fallSlewFive(),
            t.fallSlewSix(),  t.fallSlewSeven()};
  }
  // Rise intrinsic, fall intrinsic, rise slew, rise slew 2, fall slew, fall
  // slew 2.
  std::vector<int> sideFlags() {
    return {t.hasRiseIntrinsic(), t.hasFallIntrinsic(), t.hasRiseSlew(),
            t.hasRiseSlew2(),     t.hasFallSlew(),      t.hasFallSlew2()};
  }
  lefiTiming t;
};

// The reader hands over texts from buffers that it reuses; what the block
// shows must not change when the caller's text does.
TEST_F(LefiTimingTest, PinListsAndTextsAreTheBlocksOwnCopies) {
  EXPECT_EQ(t.hasData(), 0);
  char buf[32];
  for (const char* text : {"in1", "in2"}) t.addFromPin(strcpy(buf, text));
  t.addToPin(strcpy(buf, "out"));
  t.addDelay(strcpy(buf, "RISE"), "POSITIVE_UNATE", 1, 2, 3);
  t.setSDFcond(strcpy(buf, "cond1"));
  strcpy(buf, "clobbered");
  EXPECT_EQ(t.hasData(), 1);
  EXPECT_EQ(t.numFromPins(), 2);
  EXPECT_STREQ(t.fromPin(0), "in1");
  EXPECT_STREQ(t.fromPin(1), "in2");
  EXPECT_EQ(t.numToPins(), 1);
  EXPECT_STREQ(t.toPin(0), "out");
  EXPECT_STREQ(t.delayRiseOrFall(), "RISE");
  EXPECT_STREQ(t.delayUnateness(), "POSITIVE_UNATE");
  EXPECT_STREQ(t.SDFcond(), "cond1");
  t.clear();
  EXPECT_EQ(t.hasData() + t.numFromPins() + t.numToPins(), 0);
}

TEST_F(LefiTimingTest, IntrinsicSideDecidesWhereVariablesAndSlewsGo) {
  t.addRiseFallSlew(1, 2, 3, 4);  // no intrinsic yet: the fall side
  EXPECT_EQ(sideFlags(), (std::vector<int>{0, 0, 0, 0, 1, 0}));
  t.addRiseFall("rise", 0.1, 0.2);
  t.addRiseFallVariable(0.3, 0.4);
  t.addRiseFallSlew(11, 12, 13, 14);
  t.addRiseFallSlew2(15, 16, 17);
  EXPECT_EQ(sideFlags(), (std::vector<int>{1, 0, 1, 1, 1, 0}));
  t.addRiseFall("FALL", 0.5, 0.6);
  t.addRiseFallVariable(0.7, 0.8);
  t.addRiseFallSlew2(25, 26, 27);
  EXPECT_EQ(sideFlags(), (std::vector<int>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(intrinsics(), (Values{0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8}));
  EXPECT_EQ(slews(), (Values{11, 12, 13, 14, 15, 16, 17, 1, 2, 3, 4, 25, 26, 27}));

  t.addRiseFall("Rise", 1, 1);  // a capital R is a rise as well
  t.addRiseFallSlew(21, 22, 23, 24);
  EXPECT_EQ(t.riseSlewOne(), 21);
  t.clear();
  EXPECT_EQ(sideFlags(), (std::vector<int>(6, 0)));
  t.addRiseFallSlew(31, 32, 33, 34);  // clear went back to the fall side
  EXPECT_EQ(t.fallSlewOne(), 31);
  EXPECT_EQ(t.riseSlewOne(), 21);
}

TEST_F(LefiTimingTest, AxisNumbersAndTableEntriesGrowByDoubling) {
  TrackedHeap heap;
  {
    lefiTiming tm;
    heap.takeSizes();
    tm.addTableAxisNumber(0.5);  // room for one from the start
    EXPECT_TRUE(heap.takeSizes().empty());
    tm.addTableAxisNumber(1.5);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * 8}));
    tm.addTableAxisNumber(2.5);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{4 * 8}));
    ASSERT_EQ(tm.numOfAxisNumbers(), 3);
    EXPECT_EQ(Values(tm.axisNumbers(), tm.axisNumbers() + 3), (Values{0.5, 1.5, 2.5}));

    tm.addTableEntry(1, 2, 3);
    EXPECT_TRUE(heap.takeSizes().empty());
    tm.addTableEntry(4, 5, 6);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{2 * 3 * 8}));
    EXPECT_EQ(tm.numOfTableEntries(), 2);
    Values got(6);
    tm.tableEntry(0, &got[0], &got[1], &got[2]);
    tm.tableEntry(1, &got[3], &got[4], &got[5]);
    EXPECT_EQ(got, (Values{1, 2, 3, 4, 5, 6}));
    tm.clear();
    EXPECT_EQ(tm.numOfAxisNumbers() + tm.numOfTableEntries(), 0);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiTimingTest, EveryCopyIsReleasedThroughTheHooks) {
  TrackedHeap heap;
  {
    lefiTiming tm;
    for (int block = 0; block < 2; block++) {
      for (const char* p : {"a", "b", "c"}) tm.addFromPin(p);
      tm.addToPin("z");
      tm.addUnateness("u1");
      tm.addUnateness("u2");
      tm.setStable(1, 2, "RISE");
      tm.addDelay("RISE", "NON_UNATE", 1, 2, 3);
      tm.addTransition("FALL", "NON_UNATE", 1, 2, 3);
      tm.addSDF1Pin("posedge", 1, 2, 3);
      tm.addSDF2Pins("negedge", "f", "t", 1, 2, 3);
      tm.setSDFcondStart("s");
      tm.setSDFcondEnd("e");
      tm.setSDFcond("c");
      tm.clear();
    }
    tm.Destroy();
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

}  // namespace
}  // namespace LefDefParser
