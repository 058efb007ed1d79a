// SCANCHAINS: what the chain callback receives, the repeated START message, the PARTITION
// version gate, long instance lists and the record's guards.
#include "def/defiScanchain.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

namespace sections {

// " inst(in,out,bits)" per instance, "-" for an absent pin.
static std::string instances(int n, char** inst, char** in, char** out, int* bits) {
  std::string s;
  for (int i = 0; i < n; i++)
    s += format(" %s(%s,%s,%d)", inst[i], in[i] ? in[i] : "-", out[i] ? out[i] : "-", bits[i]);
  return s;
}

std::string describe(const defiScanchain& c) {
  std::string out = format("CHAIN %s", c.name());
  char *inst, *pin, **insts, **ins, **outs;
  int n, *bits;
  c.start(&inst, &pin);
  if (c.hasStart()) out += format(" START %s '%s'", inst, pin);
  c.stop(&inst, &pin);
  if (c.hasStop()) out += format(" STOP %s '%s'", inst, pin);
  if (c.hasCommonInPin()) out += format(" IN %s", c.commonInPin());
  if (c.hasCommonOutPin()) out += format(" OUT %s", c.commonOutPin());
  c.floating(&n, &insts, &ins, &outs, &bits);
  if (c.hasFloating()) out += " FLOATING" + instances(n, insts, ins, outs, bits);
  for (int i = 0; i < c.numOrderedLists(); i++) {
    c.ordered(i, &n, &insts, &ins, &outs, &bits);
    out += " ORDERED" + instances(n, insts, ins, outs, bits);
  }
  if (c.hasPartition()) out += format(" PARTITION %s %d", c.partitionName(), c.partitionMaxBits());
  return out;
}

namespace {

class ScanChains : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetScanchainsStartCbk(recordInt);
    defrSetScanchainCbk(record<defiScanchain>);
    defrSetScanchainsEndCbk(recordVoid);
    defrSetScanChainExtCbk(recordText);
  }
};

TEST_F(ScanChains, MembersReachTheChainCallback) {
  EXPECT_EQ(defrtest::readText(
                "VERSION 5.8 ;\nSCANCHAINS 2.5 ;\n"
                "- c1 + START PIN1 + STOP PIN SI + COMMONSCANPINS ( IN SI ) ( OUT SO )\n"
                "  + FLOATING A ( IN SI ) ( OUT SO ) ( BITS 4 ) B 123\n"
                "  + ORDERED x1 ( OUT q ) ( bits 4.5 ) x2 ( BITS 99999999999 )\n"
                "  + ORDERED y1 ( In z ) ( BITS x ) + PARTITION P1 MAXBITS 7.5\n"
                "  + BEGINEXT \"tag\" ext ENDEXT ;\n"
                "- PIN + COMMONSCANPINS ( IN old ) ( OUT so )\n"
                "  + COMMONSCANPINS ( in si ) ( In x ) + FLOATING Y + PARTITION IN ;\n"
                "END SCANCHAINS\nEND DESIGN\n"),
            0);
  // Only IN/in, OUT/out and BITS/bits count; BITS keeps the leading integer, within the
  // int range. The second chain keeps nothing of the first.
  std::vector<std::string> expected = {
      "67 3",
      "30  \"tag\" ext ENDEXT",
      "68 CHAIN c1 START PIN1 '' STOP PIN 'SI' IN SI OUT SO FLOATING A(SI,SO,4) B(-,-,-1) "
      "123(-,-,-1) ORDERED x1(-,q,4) x2(-,-,2147483647) ORDERED y1(-,-,0) PARTITION P1 8",
      "68 CHAIN PIN IN si OUT so FLOATING Y(-,-,-1) PARTITION IN -1",
      "69"};
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

// The repeated START and STOP are reported, the later ones kept, and the read goes on.
TEST_F(ScanChains, RepeatedStartAndStopKeepTheLastOne) {
  EXPECT_EQ(defrtest::readText("VERSION 5.5 ;\nSCANCHAINS 1 ;\n"
                               "- c + START u1 a + START u2 b + STOP u3 + STOP u4 c ;\n"
                               "END SCANCHAINS\nEND DESIGN\n",
                               "t.def", nullptr, 0),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"67 1", "68 CHAIN C START U2 'B' STOP U4 'C'",
                                               "69"}));
  EXPECT_EQ(errors(),
            "ERROR (DEFPARS-6150): The START statement in the SCANCHAINS has defined more than "
            "one time in the SCANCHAINS statement.\nUpdate the DEF file to only one START "
            "statement and then try again."
            "ERROR (DEFPARS-6151): The STOP statment in the SCANCHAINS has defined more than one "
            "time in the SCANCHAINS statement.\nUpdate the DEF file to only one STOP statement "
            "and then try again.");
}

TEST_F(ScanChains, PartitionNeedsVersion55) {
  EXPECT_EQ(defrtest::readText("VERSION 5.4 ;\nSCANCHAINS 1 ;\n- c + PARTITION P1 ;\n"
                               "END SCANCHAINS\nEND DESIGN\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{"67 1"});
  EXPECT_EQ(errors(),
            "ERROR (DEFPARS-6538): The PARTITION statement is available in version 5.5 and "
            "later.\nHowever, your DEF file is defined with version 5.4 Error in file t.def at "
            "line 3, on token ;.\nUpdate the def file before parsing the file again.\n");
}

TEST_F(ScanChains, LongListsReadWhole) {
  std::string def = "VERSION 5.8 ;\nSCANCHAINS 1 ;\n- c + FLOATING";
  std::string expected = "68 CHAIN c FLOATING";
  for (int i = 0; i < 300; i++) {
    def += format(" f%d ( IN i%d )", i, i);
    expected += format(" f%d(i%d,-,-1)", i, i);
  }
  def += " + ORDERED";
  expected += " ORDERED";
  for (int i = 0; i < 40; i++) {
    def += format(" o%d ( BITS %d )", i, i);
    expected += format(" o%d(-,-,%d)", i, i);
  }
  EXPECT_EQ(defrtest::readText(def + " ;\nEND SCANCHAINS\nEND DESIGN\n"), 0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"67 1", expected, "69"}));
}

using DefiScanchainTest = DefiTest;

// The setters of a last instance ignore an empty list; a bad list index writes a count of 0
// and null arrays over whatever the out-arguments held.
TEST_F(DefiScanchainTest, EmptyListsAndBadListIndexes) {
  defiScanchain chain(data());
  chain.setName("c");
  chain.addFloatingIn("a");
  chain.setFloatingBits(3);
  chain.addOrderedInst("u1");
  chain.addOrderedList();
  chain.addOrderedOut("b");
  chain.setOrderedBits(2);
  EXPECT_EQ(describe(chain), "CHAIN c ORDERED");
  int n = 7, bitsValue = 0;
  char* text = nullptr;
  char **inst = &text, **in = &text, **out = &text;
  int* bits = &bitsValue;
  chain.ordered(chain.numOrderedLists(), &n, &inst, &in, &out, &bits);
  EXPECT_TRUE(n == 0 && !inst && !in && !out && !bits);
}

}  // namespace
}  // namespace sections
