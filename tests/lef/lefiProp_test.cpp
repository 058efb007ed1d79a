#include "lef/lefiProp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lef/lefiPropType.h"
#include "lefTestDump.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::allocSizes;
using lefTest::dump;

class LefiPropTest : public lefTest::LefLogTest {};

TEST_F(LefiPropTest, DefinitionKinds) {
  foldNames();
  lefiProp p;
  const char* objType = "macro";
  p.setPropType(objType, "myProp");
  p.setPropInteger();
  p.setRange(1, 10);
  p.setNumber(5);
  EXPECT_EQ(p.propType(), objType);  // kept by pointer
  EXPECT_STREQ(p.propName(), "MYPROP");
  EXPECT_EQ(p.dataType(), 'I');
  EXPECT_EQ(p.left(), 1.0);
  EXPECT_EQ(p.right(), 10.0);
  EXPECT_EQ(dump(p), "Prop type 'macro'\n  number  5.00\n  range  1.00 - 10.00\n");

  p.clear();
  p.setPropType("library", "map");
  p.setPropNameMapString("abc");
  EXPECT_EQ(p.dataType(), 'N');
  EXPECT_EQ(p.hasNameMapString(), 1);
  EXPECT_STREQ(p.string(), "ABC");
  EXPECT_EQ(dump(p), "Prop type 'library'\n  string 'ABC'\n");

  p.clear();
  p.setPropType("pin", "q");
  p.setPropQString("hello world");
  EXPECT_EQ(p.dataType(), 'Q');
  EXPECT_EQ(p.hasNameMapString(), 0);
  EXPECT_STREQ(p.string(), "HEllO WORlD");
}

TEST_F(LefiPropTest, LongNameGrowsTheBufferToItsLength) {
  lefiProp p;
  recordAllocs();
  std::string name(20, 'n');
  p.setPropType("via", name.c_str());
  EXPECT_EQ(allocSizes(), std::vector<int>{21});
  EXPECT_EQ(std::string(p.propName()), name);
  allocSizes().clear();
  p.setPropType("via", "short");
  p.setPropString();
  EXPECT_TRUE(allocSizes().empty());
  EXPECT_EQ(p.dataType(), 'S');
}

class LefiPropTypeTest : public lefTest::LefLogTest {};

TEST_F(LefiPropTypeTest, LookUp) {
  lefiPropType t;
  EXPECT_EQ(t.propType(nullptr), 'N');
  EXPECT_EQ(t.propType("none"), 'N');
  t.setPropType("a", 'I');
  t.setPropType("b", 'R');
  t.setPropType("a", 'R');  // a second definition: the first one wins
  t.setPropType("c", 'S');
  t.setPropType("d", 'Q');  // grows past four entries
  EXPECT_EQ(t.propType("a"), 'I');
  EXPECT_EQ(t.propType("b"), 'R');
  EXPECT_EQ(t.propType("c"), 'S');
  EXPECT_EQ(t.propType("d"), 'Q');
  EXPECT_EQ(t.propType("A"), 'N');  // exact comparison
  t.Clear();
  EXPECT_EQ(t.propType("a"), 'N');
  t.setPropType("e", 'R');
  EXPECT_EQ(t.propType("e"), 'R');
}

TEST_F(LefiPropTypeTest, FoldedNamesAreFoundByTheirWrittenForm) {
  foldNames();
  lefiPropType t;
  t.setPropType("myProp", 'I');
  EXPECT_EQ(t.propType("myProp"), 'I');
  EXPECT_EQ(t.propType("MYPROP"), 'I');
}

int hookCalls = 0;
void* countingMalloc(int size) {
  hookCalls++;
  return malloc(size);
}

TEST_F(LefiPropTypeTest, UsesThePlainHeap) {
  lefSettings->MallocFunction = countingMalloc;
  hookCalls = 0;
  {
    lefiPropType t;
    t.setPropType("x", 'I');
    t.setPropType("y", 'I');
    t.setPropType("z", 'I');
  }
  EXPECT_EQ(hookCalls, 0);
  lefSettings->MallocFunction = nullptr;
}

}  // namespace
}  // namespace LefDefParser
