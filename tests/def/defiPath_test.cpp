#include <vector>

#include "def/defiPath.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

using DefiPathTest = DefiTest;

TEST_F(DefiPathTest, SeventeenPointsWalkInOrder) {
  defiPath p(data());
  p.Init();
  std::string expected = "{";
  for (int i = 0; i < 17; i++) {
    p.addPoint(i * 10, -i);
    expected += " P:" + std::to_string(i * 10) + "," + std::to_string(-i);
  }
  EXPECT_EQ(sections::describe(p), expected + " }");
  EXPECT_EQ(p.next(), DEFIPATH_DONE);  // stays at the end
}

TEST_F(DefiPathTest, EmptyAndUninitialisedPathsEndAtOnce) {
  defiPath fresh(data());
  EXPECT_EQ(fresh.next(), DEFIPATH_DONE);
  EXPECT_EQ(fresh.currentType(), DEFIPATH_DONE);
  EXPECT_EQ(fresh.getLayer(), nullptr);
  defiPath p(data());
  p.Init();
  EXPECT_EQ(p.next(), DEFIPATH_DONE);
  p.initTraverse();
  EXPECT_EQ(p.prev(), DEFIPATH_DONE);
  p.initTraverseBackwards();
  EXPECT_EQ(p.prev(), DEFIPATH_DONE);
}

// A routed segment as the grammar builds it: every kind of element once.
void buildFullPath(defiPath& p) {
  p.Init();
  p.addLayer("metal2");          // 1
  p.setTaper();                  // 7
  p.addTaperRule("rule1");       // 10
  p.addStyle(2);                 // 9
  p.addWidth(140);               // 4
  p.addShape("stripe");          // 8
  p.addMask(2);                  // 14
  p.addPoint(100, 200);          // 5
  p.addFlushPoint(100, 900, 35); // 6
  p.addVirtualPoint(300, 900);   // 13
  p.addVia("via23");             // 2
  p.addViaRotation(5);           // 3
  p.addViaMask(123);             // 15
  p.addViaData(3, 2, 400, 500);  // 11
  p.addViaRect(-10, -20, 30, 40);  // 12
}

TEST_F(DefiPathTest, EveryElementReadsBackWithItsGetter) {
  defiPath p(data());
  buildFullPath(p);
  EXPECT_EQ(sections::describe(p),
            "{ L:metal2 T R:rule1 Y:2 W:140 S:stripe M:2 P:100,200 F:100,900,35 U:300,900 "
            "V:via23 O:FW C:123 D:3,2,400,500 E:-10,-20,30,40 }");
}

TEST_F(DefiPathTest, GettersOfAnotherKindGiveNothing) {
  defiPath p(data());
  p.Init();
  p.addLayer("M1");
  p.addPoint(5, 6);
  p.initTraverse();
  p.next();  // the layer
  int x = -1, y = -2, e = -3, f = -4;
  p.getPoint(&x, &y);
  p.getViaRect(&x, &y, &e, &f);
  p.getViaData(&x, &y, &e, &f);
  p.getFlushPoint(&x, &y, &e);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(y, -2);
  EXPECT_EQ(e, -3);
  EXPECT_EQ(f, -4);
  EXPECT_EQ(p.getVia(), nullptr);
  EXPECT_EQ(p.getViaRotationStr(), nullptr);
  EXPECT_EQ(p.getWidth(), 0);
  EXPECT_EQ(p.getTaper(), 0);
  p.next();  // the point
  EXPECT_EQ(p.getLayer(), nullptr);
  EXPECT_EQ(p.getMask(), 0);
}

TEST_F(DefiPathTest, ViaMaskDigits) {
  const struct {
    int mask, top, cut, bottom;
  } cases[] = {{123, 1, 2, 3}, {3, 0, 0, 3}, {102, 1, 0, 2}, {40, 0, 4, 0}};
  for (const auto& c : cases) {
    defiPath p(data());
    p.Init();
    p.addViaMask(c.mask);
    p.initTraverse();
    ASSERT_EQ(p.next(), DEFIPATH_VIAMASK);
    EXPECT_EQ(p.getViaTopMask(), c.top) << c.mask;
    EXPECT_EQ(p.getViaCutMask(), c.cut) << c.mask;
    EXPECT_EQ(p.getViaBottomMask(), c.bottom) << c.mask;
  }
}

TEST_F(DefiPathTest, ReverseOrderKeepsEachPayloadWithItsTag) {
  defiPath p(data());
  p.Init();
  p.addLayer("M3");
  p.addPoint(7, 8);
  p.addVia("V34");
  p.reverseOrder();
  EXPECT_EQ(sections::describe(p), "{ V:V34 P:7,8 L:M3 }");
  p.initTraverseBackwards();
  ASSERT_EQ(p.prev(), DEFIPATH_LAYER);
  EXPECT_STREQ(p.getLayer(), "M3");
}

TEST_F(DefiPathTest, NamesFoldWhenCaseInsensitive) {
  caseInsensitive();
  defiPath p(data());
  p.Init();
  p.addLayer("metal1");
  p.addVia("via12_a");
  EXPECT_EQ(sections::describe(p), "{ L:METAL1 V:VIA12_A }");
}

TEST_F(DefiPathTest, ManyLongNamesStayIntact) {
  defiPath p(data());
  p.Init();
  std::string expected = "{";
  for (int i = 0; i < 40; i++) {
    const std::string name = "layer_with_a_rather_long_name_" + std::to_string(i);
    p.addLayer(name.c_str());
    expected += " L:" + name;
  }
  EXPECT_EQ(sections::describe(p), expected + " }");
}

TEST_F(DefiPathTest, MovingLeavesTheSourceEmptyAndReusable) {
  defiPath working(data());
  working.Init();
  working.addLayer("M2");
  working.addPoint(1, 2);
  defiPath kept(&working);
  EXPECT_EQ(working.next(), DEFIPATH_DONE);
  EXPECT_EQ(working.getLayer(), nullptr);
  working.Destroy();
  working.Destroy();
  working.Init();
  working.addPoint(3, 4);
  EXPECT_EQ(sections::describe(working), "{ P:3,4 }");
  EXPECT_EQ(sections::describe(kept), "{ L:M2 P:1,2 }");

  // The taken-over arrays still grow.
  kept.addVia("VIA23");
  for (int i = 0; i < 17; i++) kept.addPoint(i, -i);
  kept.addLayer("M3");
  std::string expected = "{ L:M2 P:1,2 V:VIA23";
  for (int i = 0; i < 17; i++) expected += " P:" + std::to_string(i) + "," + std::to_string(-i);
  EXPECT_EQ(sections::describe(kept), expected + " L:M3 }");
}

TEST_F(DefiPathTest, PrintWritesOneLinePerElement) {
  defiPath p(data());
  p.Init();
  p.addLayer("M1");
  p.addWidth(70);
  p.addPoint(10, 20);
  p.addFlushPoint(10, 50, 5);
  p.addVirtualPoint(0, 50);
  p.addMask(1);
  p.addVia("VIA1");
  p.addViaRotation(4);
  p.addViaData(2, 3, 100, 200);
  p.addViaRect(-1, -2, 3, 4);
  p.addShape("RING");
  p.addTaperRule("TR");
  EXPECT_EQ(printed(p),
            "Path:\n"
            " layer M1\n"
            " width 70\n"
            " point 10,20\n"
            " flushpoint 10,50,5\n"
            " virtualpoint 0,50\n"
            " mask 1\n"
            " via VIA1\n"
            " via rotation FN\n"
            " DO 2 BY 3 STEP 100 200\n"
            " rect -1,-2,3,4\n"
            " shape RING\n"
            " taperrule TR\n");
}

// The flag marks the adds after which the list is at its hand-out size.
std::vector<int> flaggedCounts(int netKind, int total) {
  defrData* none = nullptr;
  defiPathList list;
  defiPath working(none);
  std::vector<int> flagged;
  for (int i = 1; i <= total; i++) {
    working.Init();
    working.addPoint(i, i);
    int flag = 0;
    list.add(&working, 0, netKind, &flag);
    if (flag) flagged.push_back(i);
  }
  return flagged;
}

TEST(DefiPathListTest, RegularNetHandOutSizesDoubleThenStepBy65536) {
  EXPECT_EQ(flaggedCounts(1, 200000),
            (std::vector<int>{8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192,
                              16384, 32768, 65536, 131072, 196608}));
}

TEST(DefiPathListTest, SpecialNetHandOutSizesStartAt1000) {
  EXPECT_EQ(flaggedCounts(2, 196000),
            (std::vector<int>{1000, 2000, 4000, 8000, 16000, 32000, 64000, 129536,
                              195072}));
}

TEST_F(DefiPathTest, ResetDropsHeldPathsButKeepsTheSize) {
  defiPathList list;
  defiPath working(data());
  int flag = 0;
  for (int i = 0; i < 8; i++) {
    working.Init();
    working.addPoint(i, 0);
    list.add(&working, 0, 1, &flag);
  }
  EXPECT_EQ(flag, 1);
  flag = 0;
  working.Init();
  working.addPoint(99, 0);
  list.add(&working, 1, 1, &flag);
  EXPECT_EQ(list.num(), 1);
  EXPECT_EQ(list.capacity(), 8);
  EXPECT_EQ(flag, 0);
  const defiPath* held = list.at(0);
  ASSERT_NE(held, nullptr);
  held->initTraverse();
  held->next();
  int x = 0, y = 0;
  held->getPoint(&x, &y);
  EXPECT_EQ(x, 99);
  EXPECT_EQ(list.at(1), nullptr);
  EXPECT_EQ(list.at(-1), nullptr);
}

}  // namespace
