#include "lef/lefiMacro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lefTestDump.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::dump;
using lefTest::LefLogTest;
using lefTest::TrackedHeap;

class LefiMacroTest : public LefLogTest {};

const int kPtr = static_cast<int>(sizeof(void*));

lefiSitePattern* pattern(const char* name, double x, double y, int orient) {
  lefiSitePattern* p = lefiNewObj<lefiSitePattern>();
  p->set(name, x, y, orient, 2, 1, 0.5, 0);
  return p;
}

TEST_F(LefiMacroTest, ClearDropsTheFlagsButKeepsNameAndValues) {
  foldNames();
  lefiMacro m;
  m.clear();
  m.setName("nand2");
  m.setClass("CORE");
  m.setSource("USER");
  m.setGenerator("gen");
  m.setOrigin(0.5, -1);
  m.setSize(3.2, 1.8);
  m.setPower(2.5);
  m.setEEQ("nand2a");
  m.setLEQ("nand2b");
  m.setSiteName("core");
  m.setClockType("clk");
  m.setBuffer();
  m.setInverter();
  auto flags = [&m]() {
    return m.hasClass() + m.hasSource() + m.hasGenerator() + m.hasOrigin() + m.hasSize() +
           m.hasPower() + m.hasEEQ() + m.hasLEQ() + m.hasSiteName() + m.hasClockType() +
           m.isBuffer() + m.isInverter();
  };
  EXPECT_EQ(flags(), 12);
  // Names fold; so does the clock type, through the same table.
  EXPECT_STREQ(m.EEQ(), "NAND2A");
  EXPECT_STREQ(m.clockType(), "ClK");

  m.setName("nor2");  // alone it keeps what the macro holds
  EXPECT_EQ(flags(), 12);
  m.clear();
  EXPECT_EQ(flags(), 0);
  EXPECT_STREQ(m.name(), "NOR2");
  EXPECT_STREQ(m.macroClass(), "CORE");
  EXPECT_DOUBLE_EQ(m.sizeX(), 3.2);
}

TEST_F(LefiMacroTest, ClassAndSourceAreCutToTheirFields) {
  lefiMacro m;
  m.clear();
  m.setClass("BLOCK WITH A CLASS TEXT THAT IS TOO LONG");
  m.setSource("GENERATE-AND-MORE");
  EXPECT_STREQ(m.macroClass(), "BLOCK WITH A CLASS TEXT THAT IS");
  EXPECT_STREQ(m.source(), "GENERATE-AN");
}

TEST_F(LefiMacroTest, GenerateFoldsOnlyTheFirstName) {
  foldNames();
  lefiMacro m;
  m.clear();
  m.setName("m");
  EXPECT_EQ(m.hasGenerate(), 0);
  m.setGenerate("abc", "xyz");
  EXPECT_EQ(m.hasGenerate(), 1);
  char* a = nullptr;
  char* b = nullptr;
  m.generate(&a, &b);
  EXPECT_STREQ(a, "ABC");
  EXPECT_STREQ(b, "xyz");
  char* onlyB = nullptr;
  m.generate(nullptr, &onlyB);
  EXPECT_STREQ(onlyB, "xyz");
}

TEST_F(LefiMacroTest, ForeignEntriesTellPointAndOrientationApart) {
  foldNames();
  lefiMacro m;
  m.clear();
  m.setName("m");
  EXPECT_EQ(m.hasForeign(), 0);
  EXPECT_EQ(m.numForeigns(), 0);
  m.addForeign("cell", 1, 1, 2, 0);  // FOREIGN cell 1 2 N
  m.addForeign("bare", 0, 0, 0, -1);
  m.addForeign("turned", 0, 0, 0, 3);
  EXPECT_EQ(m.hasForeign(), 1);
  EXPECT_EQ(m.numForeigns(), 3);
  EXPECT_STREQ(m.foreignName(0), "CEll");
  EXPECT_EQ(m.hasForeignPoint(0), 1);
  EXPECT_EQ(m.hasForeignOrigin(0), 1);
  EXPECT_DOUBLE_EQ(m.foreignX(0), 1.0);
  EXPECT_DOUBLE_EQ(m.foreignY(0), 2.0);
  EXPECT_EQ(m.foreignOrient(0), 0);
  EXPECT_STREQ(m.foreignOrientStr(0), "N");
  EXPECT_EQ(m.hasForeignOrient(0), 1);
  EXPECT_EQ(m.hasForeignPoint(1), 0);
  EXPECT_EQ(m.hasForeignOrigin(1), 0);
  EXPECT_EQ(m.foreignOrient(1), -1);
  EXPECT_STREQ(m.foreignOrientStr(1), "");
  EXPECT_EQ(m.hasForeignOrient(1), 0);
  EXPECT_EQ(m.hasForeignOrigin(2), 0);
  EXPECT_STREQ(m.foreignOrientStr(2), "E");
  m.clear();
  EXPECT_EQ(m.hasForeign(), 0);
}

TEST_F(LefiMacroTest, SeventeenForeignsGrowTheListFrom16To32) {
  TrackedHeap heap;
  {
    lefiMacro m;
    m.clear();
    m.setName("m");
    heap.takeSizes();
    const char* names[17] = {"C0", "C1", "C2", "C3",  "C4",  "C5",  "C6",  "C7", "C8",
                             "C9", "CA", "CB", "CC", "CD", "CE", "CF", "CG"};
    m.addForeign(names[0], 1, 0, 0, -1);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{64, 64, 64, 128, 128, 16 * kPtr, 3}));
    for (int i = 1; i < 16; i++) m.addForeign(names[i], 1, i, -i, i % 8);
    EXPECT_EQ(heap.takeSizes(), std::vector<int>(15, 3));
    m.addForeign(names[16], 0, 0, 0, -1);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{128, 128, 128, 256, 256, 32 * kPtr, 3}));
    ASSERT_EQ(m.numForeigns(), 17);
    for (int i = 1; i < 16; i++) {
      EXPECT_STREQ(m.foreignName(i), names[i]);
      EXPECT_DOUBLE_EQ(m.foreignX(i), i);
      EXPECT_DOUBLE_EQ(m.foreignY(i), -i);
      EXPECT_EQ(m.foreignOrient(i), i % 8);
    }
    EXPECT_STREQ(m.foreignName(16), "CG");
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiMacroTest, SitePatternsStartAtFourAndGoWithClear) {
  TrackedHeap heap;
  {
    lefiMacro m;
    m.clear();
    m.setName("m");
    EXPECT_EQ(m.hasSitePattern(), 0);
    lefiSitePattern* p0 = pattern("core", 0, 0, 0);
    lefiSitePattern* p1 = pattern("core", 1.5, 0, 6);
    heap.takeSizes();
    m.setSitePattern(p0);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{4 * kPtr}));
    m.setSitePattern(p1);
    EXPECT_EQ(m.hasSitePattern(), 1);
    EXPECT_EQ(m.numSitePattern(), 2);
    EXPECT_EQ(m.sitePattern(1), p1);
    m.clear();
    EXPECT_EQ(m.hasSitePattern(), 0);
    EXPECT_EQ(m.numSitePattern(), 0);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiMacroTest, PropertiesGrowFromTwoAndKeepTheirCapacity) {
  TrackedHeap heap;
  {
    lefiMacro m;
    m.clear();
    m.setName("m");
    heap.takeSizes();
    m.setProperty("p1", "a", 'S');
    m.setNumProperty("p2", 0.0, "0", 'R');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{3, 2, 3, 2}));
    m.setNumProperty("p3", 3.5, "3.5", 'R');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{4 * kPtr, 4 * kPtr, 32, 4, 3, 4}));
    EXPECT_STREQ(m.propName(0), "p1");
    EXPECT_STREQ(m.propValue(0), "a");
    EXPECT_EQ(m.propIsString(1), 1);
    EXPECT_EQ(m.propIsNumber(1), 0);
    EXPECT_EQ(m.propIsNumber(2), 1);
    EXPECT_DOUBLE_EQ(m.propNum(2), 3.5);
    EXPECT_EQ(m.propType(2), 'R');

    m.clear();
    EXPECT_EQ(m.numProperties(), 0);
    heap.takeSizes();
    for (const char* n : {"q1", "q2", "q3", "q4"}) m.setProperty(n, "b", 'S');
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{3, 2, 3, 2, 3, 2, 3, 2}));
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiMacroTest, PropertiesFoldAndTheirIndexMessage) {
  foldNames();
  lefiMacro m;
  m.clear();
  m.setProperty("myName", "someValue", 'S');
  EXPECT_STREQ(m.propName(0), "MYNAME");
  EXPECT_STREQ(m.propValue(0), "SOMEVAlUE");
  const std::string bad =
      "ERROR (LEFPARS-1352): The index number -1 given for the macro property is invalid.\n"
      "Valid index is from 0 to 0";
  EXPECT_EQ(m.propName(-1), nullptr);
  EXPECT_EQ(m.propValue(-1), nullptr);
  EXPECT_EQ(m.propNum(-1), 0.0);
  EXPECT_EQ(m.propType(-1), 0);
  EXPECT_EQ(m.propIsNumber(-1), 0);
  EXPECT_EQ(m.propIsString(-1), 0);
  ASSERT_EQ(logged().size(), 6u);
  for (const std::string& t : logged()) EXPECT_EQ(t, bad);
}

TEST_F(LefiMacroTest, Print) {
  lefiMacro m;
  m.clear();
  m.setName("INV");
  m.setClass("CORE");
  m.setGenerator("G");
  m.setGenerate("A", "B");
  m.setPower(1.5);
  m.setOrigin(0, 0);
  m.setEEQ("E");
  m.setLEQ("L");
  m.setSource("USER");
  m.setXSymmetry();
  m.set90Symmetry();
  m.setSiteName("core");
  m.setSitePattern(pattern("core", 0, 0, 2));
  m.setSize(1.2, 3.4);
  m.addForeign("F1", 1, 1, 2, 0);
  m.addForeign("F2", 0, 0, 0, -1);
  m.addForeign("F3", 1, 0, 0, -1);
  m.setClockType("CK");
  EXPECT_EQ(dump(m),
            "MACRO INV\n"
            "  Class CORE\n"
            "  Generator G\n"
            "  Generate A B\n"
            "  Power 1.5\n"
            "  Origin 0,0\n"
            "  EEQ E\n"
            "  LEQ L\n"
            "  Source USER\n"
            "  Symmetry X\n"
            "  Symmetry R90\n"
            "  Site name core\n"
            "  Site pattern   SITE Pattern core  0,0 S\n"
            "    2,1 step 0.5,0\n"
            "  Size 1.2,3.4\n"
            "  Foreign F1  1,2  orient N\n"
            "  Foreign F2\n"
            "  Foreign F3  0,0\n"
            "  Clock type CK\n"
            "END MACRO INV\n");
}

TEST_F(LefiMacroTest, EveryCopyIsReleasedThroughTheHooks) {
  TrackedHeap heap;
  {
    lefiMacro m;
    for (const char* name : {"FIRST-MACRO-NAME-LONGER-THAN-16", "B"}) {
      m.clear();
      m.setName(name);
      m.setGenerator("a-generator-name-of-some-length");
      m.setGenerate("g1-longer-than-sixteen", "g2-longer-than-sixteen");
      m.setEEQ("eeq-longer-than-sixteen");
      m.setLEQ("leq-longer-than-sixteen");
      m.setSiteName("site-longer-than-sixteen");
      m.setClockType("clock-longer-than-sixteen");
      m.setSitePattern(pattern("core", 0, 0, 0));
      m.addForeign("F", 1, 1, 1, 1);
      m.setProperty("P", "V", 'S');
    }
    m.Destroy();
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

}  // namespace
}  // namespace LefDefParser
