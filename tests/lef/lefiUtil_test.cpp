#include "lef/lefiUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "lef/lefiMessages.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::LefLogTest;

class LefiUtilTest : public LefLogTest {};

// Every index text takes exactly the index and the last valid index, and
// every data-class text carries its own number in its head.
TEST(LefiMessages, TableIsWellFormed) {
  int indexTexts = 0;
  for (const lefiMessage& m : lefiMessageTable) {
    std::string text = m.text;
    if (text.rfind("ERROR (LEFPARS-", 0) != 0) continue;  // re-parser texts: framed by lefError
    char head[32];
    snprintf(head, sizeof(head), "ERROR (LEFPARS-%d): ", m.num);
    EXPECT_EQ(text.rfind(head, 0), 0u) << text;
    size_t first = text.find("%d");
    if (first == std::string::npos) continue;
    indexTexts++;
    size_t second = text.find("%d", first + 2);
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_EQ(text.find('%', second + 2), std::string::npos) << text;
  }
  // 1300-1304, 1350, 1352, 1360-1374, 1376, 1377, 1402-1408, 1420 twice,
  // 1421, 1422, 1431.
  EXPECT_EQ(indexTexts, 5 + 2 + 15 + 2 + 7 + 2 + 2 + 1);
}

TEST_F(LefiUtilTest, IndexCheckReportsTheLastValidIndex) {
  struct {
    int i, count;
    bool ok;
    const char* text;
  } cases[] = {
      {0, 3, true, nullptr},
      {2, 3, true, nullptr},
      {3, 3, false,
       "ERROR (LEFPARS-1360): The index number 3 given for the geometry item is "
       "invalid.\nValid index is from 0 to 2"},
      {-1, 3, false,
       "ERROR (LEFPARS-1360): The index number -1 given for the geometry item is "
       "invalid.\nValid index is from 0 to 2"},
      {0, 0, false,
       "ERROR (LEFPARS-1360): The index number 0 given for the geometry item is "
       "invalid.\nValid index is from 0 to -1"},
  };
  for (const auto& c : cases) {
    lefTest::loggedTexts().clear();
    EXPECT_EQ(lefiIndexOk(c.i, c.count, kLefiMsgNum1360, kLefiMsg1360), c.ok);
    if (c.ok) {
      EXPECT_TRUE(logged().empty());
    } else {
      ASSERT_EQ(logged().size(), 1u);
      EXPECT_EQ(logged()[0], c.text);
    }
  }
}

TEST_F(LefiUtilTest, IrregularIndexTexts) {
  lefiIndexOk(7, 2, kLefiMsgNum1301, kLefiMsg1301);
  lefiIndexOk(4, 4, kLefiMsgNum1377, kLefiMsg1377);
  lefiIndexOk(5, 1, kLefiMsgNum1422, kLefiMsg1422);
  ASSERT_EQ(logged().size(), 3u);
  EXPECT_EQ(logged()[0],
            "ERROR (LEFPARS-1301): The index number 7 given for the layer MINSIZE is "
            "invalid.\nValid index is from 0 to 1\n");
  EXPECT_EQ(logged()[1],
            "ERROR (LEFPARS-1377): The index number 4 given for the TRACK PATTERN  is "
            "invalid.\nValid index is from 0 to 3");
  EXPECT_EQ(logged()[2],
            "ERROR (LEFPARS-1422): The layer number 5 given for the VIA PROPERTY is "
            "invalid.\nValid number is from 0 to 0");
}

TEST_F(LefiUtilTest, RegrowKeepsEntriesAndZeroesTheRest) {
  int* a = nullptr;
  lefiRegrow(a, 0, 2);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a[0], 0);
  a[0] = 7;
  a[1] = 8;
  lefiRegrow(a, 2, 4);
  EXPECT_EQ(a[0], 7);
  EXPECT_EQ(a[1], 8);
  EXPECT_EQ(a[2], 0);
  EXPECT_EQ(a[3], 0);
  lefiFreeArr(a);
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(lefiNextCap(0), 2);
  EXPECT_EQ(lefiNextCap(0, 16), 16);
  EXPECT_EQ(lefiNextCap(3), 6);
}

TEST_F(LefiUtilTest, NameBufferGrowsToExactLengthAndFoldsOnRequest) {
  foldNames();
  char* buf = static_cast<char*>(lefMalloc(16));
  int size = 16;
  lefiSetNameBuf(buf, size, "metal1", true);
  EXPECT_STREQ(buf, "METAl1");
  EXPECT_EQ(size, 16);
  lefiSetNameBuf(buf, size, "a_name_of_twenty_six_chars", false);
  EXPECT_STREQ(buf, "a_name_of_twenty_six_chars");
  EXPECT_EQ(size, 27);
  lefiFreeStr(buf);
  EXPECT_EQ(buf, nullptr);

  char* copy = lefiCopyStr("via1", true);
  EXPECT_STREQ(copy, "VIA1");
  lefiFreeStr(copy);
  EXPECT_EQ(lefiCopyStr(nullptr, true), nullptr);
}

TEST(LefiCopyFixed, TruncatesAndTerminates) {
  char field[12];
  lefiCopyFixed(field, sizeof(field), "OUTPUT");
  EXPECT_STREQ(field, "OUTPUT");
  lefiCopyFixed(field, sizeof(field), "ABCDEFGHIJKLMNOP");
  EXPECT_STREQ(field, "ABCDEFGHIJK");
}

TEST_F(LefiUtilTest, PropListGrowsClearsAndReportsItsOwnMessage) {
  lefiPropList p;
  p.Init(1, false, kLefiMsgNum1300, kLefiMsg1300);
  EXPECT_EQ(p.cap, 1);
  p.add("a", "x", 0.0, 'S');
  p.add("b", "2", 2.0, 'I');
  EXPECT_EQ(p.cap, 2);
  p.add("c", "0", 0.0, 'R');
  EXPECT_EQ(p.cap, 4);
  EXPECT_STREQ(p.name(0), "a");
  EXPECT_STREQ(p.value(1), "2");
  EXPECT_EQ(p.number(1), 2.0);
  EXPECT_EQ(p.type(2), 'R');
  EXPECT_EQ(p.isNumber(1), 1);
  EXPECT_EQ(p.isString(2), 1);  // the number 0 reads as a string
  EXPECT_TRUE(logged().empty());
  EXPECT_EQ(p.name(3), nullptr);
  ASSERT_EQ(logged().size(), 1u);
  EXPECT_EQ(logged()[0],
            "ERROR (LEFPARS-1300): The index number 3 given for the layer property is "
            "invalid.\nValid index is from 0 to 2");
  p.clear();
  EXPECT_EQ(p.num, 0);
  EXPECT_EQ(p.cap, 4);
  p.Destroy();
  p.Destroy();
  EXPECT_EQ(p.names, nullptr);
  EXPECT_EQ(p.cap, 0);
}

TEST_F(LefiUtilTest, PropListFoldsAndClonesIndependently) {
  foldNames();
  lefiPropList p;
  p.Init(0, true, kLefiMsgNum1422, kLefiMsg1422);
  p.add("myProp", "some value", 0.0, 'S');
  EXPECT_EQ(p.cap, 2);
  EXPECT_STREQ(p.name(0), "MYPROP");
  EXPECT_STREQ(p.value(0), "SOME VAlUE");
  lefiPropList c;
  c.Init(0, true, kLefiMsgNum1422, kLefiMsg1422);
  c.cloneFrom(p);
  p.Destroy();
  EXPECT_EQ(c.num, 1);
  EXPECT_EQ(c.cap, 1);
  EXPECT_STREQ(c.name(0), "MYPROP");
  c.Destroy();
}

TEST_F(LefiUtilTest, ForeignListStartsAt16AndKeepsEntries) {
  lefiForeignList f;
  f.Init();
  for (int i = 0; i < 17; i++) f.add("cell", 1, 1, i, 2.0 * i, i % 8);
  EXPECT_EQ(f.num, 17);
  EXPECT_EQ(f.cap, 32);
  EXPECT_EQ(f.x[15], 15.0);
  EXPECT_EQ(f.y[16], 32.0);
  EXPECT_EQ(f.orient[9], 1);
  EXPECT_STREQ(f.names[16], "cell");
  f.clear();
  EXPECT_EQ(f.num, 0);
  EXPECT_EQ(f.orient[0], -1);
  f.Destroy();
  f.Destroy();
  EXPECT_EQ(f.names, nullptr);
}

TEST_F(LefiUtilTest, ValueLayerListCopiesLayerNames) {
  foldNames();
  lefiValueLayerList v;
  v.Init();
  EXPECT_EQ(v.cap, 1);
  std::string layer = "metal1";
  v.add(1.5, layer.c_str());
  v.add(2.5, nullptr);
  v.add(3.5, "m2");
  layer[0] = 'X';
  EXPECT_EQ(v.cap, 4);
  EXPECT_STREQ(v.layers[0], "metal1");  // unfolded, and a copy
  EXPECT_EQ(v.layers[1], nullptr);
  EXPECT_EQ(v.values[2], 3.5);
  v.Destroy();
  v.Destroy();
  EXPECT_EQ(v.values, nullptr);
}

struct Counted {
  static int inits;
  static int destroys;
  int* data;
  Counted() : data(nullptr) { Init(); }
  ~Counted() { Destroy(); }
  void Init() {
    inits++;
    data = static_cast<int*>(lefMalloc(sizeof(int)));
  }
  void Destroy() {
    if (data) destroys++;
    lefiFreeArr(data);
  }
};
int Counted::inits = 0;
int Counted::destroys = 0;

TEST_F(LefiUtilTest, ChildObjectsAreInitedAndDestroyedOnce) {
  Counted::inits = Counted::destroys = 0;
  Counted* c = lefiNewObj<Counted>();
  EXPECT_EQ(Counted::inits, 1);
  Counted* list[] = {c};
  EXPECT_EQ(lefiLast(list, 1), c);
  EXPECT_EQ(lefiLast(list, 0), nullptr);
  lefiFreeObj(c);
  EXPECT_EQ(c, nullptr);
  EXPECT_EQ(Counted::destroys, 1);
  lefiFreeObj(c);
}

}  // namespace
}  // namespace LefDefParser
