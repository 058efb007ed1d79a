// One 5.8 file holding every section the routed-design tests do not: each callback receives what
// the file says, and the sections obsolete since 5.4 only warn.
#include "sections_fixture.h"

namespace sections {
namespace {

TEST_F(SectionsTest, EverySectionReadsAndReachesItsCallbacks) {
  for (auto set : {defrSetRegionStartCbk, defrSetGroupsStartCbk, defrSetPinPropStartCbk,
                   defrSetBlockageStartCbk, defrSetSlotStartCbk, defrSetFillStartCbk,
                   defrSetNonDefaultStartCbk, defrSetStylesStartCbk, defrSetScanchainsStartCbk,
                   defrSetAssertionsStartCbk, defrSetConstraintsStartCbk, defrSetIOTimingsStartCbk,
                   defrSetFPCStartCbk, defrSetTimingDisablesStartCbk, defrSetPartitionsStartCbk})
    set(recordInt);
  for (auto set : {defrSetRegionEndCbk, defrSetGroupsEndCbk, defrSetPinPropEndCbk,
                   defrSetBlockageEndCbk, defrSetSlotEndCbk, defrSetFillEndCbk,
                   defrSetNonDefaultEndCbk, defrSetStylesEndCbk, defrSetScanchainsEndCbk,
                   defrSetAssertionsEndCbk, defrSetConstraintsEndCbk, defrSetIOTimingsEndCbk,
                   defrSetFPCEndCbk, defrSetTimingDisablesEndCbk, defrSetPartitionsEndCbk})
    set(recordVoid);
  defrSetGroupNameCbk(recordText);
  defrSetGroupMemberCbk(recordText);
  defrSetRegionCbk(record<defiRegion>);
  defrSetGroupCbk(record<defiGroup>);
  defrSetPinPropCbk(record<defiPinProp>);
  defrSetBlockageCbk(record<defiBlockage>);
  defrSetSlotCbk(record<defiSlot>);
  defrSetFillCbk(record<defiFill>);
  defrSetNonDefaultCbk(record<defiNonDefault>);
  defrSetStylesCbk(record<defiStyles>);
  defrSetScanchainCbk(record<defiScanchain>);
  defrSetAssertionCbk(record<defiAssertion>);
  defrSetConstraintCbk(record<defiAssertion>);
  defrSetIOTimingCbk(record<defiIOTiming>);
  defrSetFPCCbk(record<defiFPC>);
  defrSetTimingDisableCbk(record<defiTimingDisable>);
  defrSetPartitionCbk(record<defiPartition>);

  EXPECT_EQ(readData("all_sections.def"), 0);
  std::vector<std::string> expected = {
      "48 1", "49 REGION r1 0,0 100,200 TYPE FENCE area=0.5:R#0.5", "50",
      "56 1", "57 g1", "58 u1", "58 u2", "59 GROUP g1 REGION r1 w=3:I#3", "60",
      "82 1", "83 PINPROP 0 'u1' A cap=1.5:R#1.5", "84",
      "85 2", "86 BLOCKAGE LAYER M1 COMPONENT u1/u1 RECT 0,0 10,20",
      "86 BLOCKAGE PLACEMENT PARTIAL 1:40 RECT 0,0 5,5", "87",
      "88 1", "89 SLOT M2 RECT 1,2 3,4", "90",
      "91 2", "92 FILL LAYER M1 MASK 0 RECT 0,0 5,5", "92 FILL VIA V12 MASK 000 PTS 10,10 20,10",
      "93",
      "95 1", "96 NDR wide LAYER M1 0.2 SPACING 0.3 VIA V12 ndp=2:I#2", "97",
      "98 1", "99 STYLE 0 30,10 10,30", "100",
      "67 1", "68 CHAIN c1 START u1 'SO' STOP PIN 'SO' FLOATING u2(SI,-,-1)", "69",
      // ASSERTIONS, CONSTRAINTS and IOTIMINGS reach no callback in a 5.8 file.
      "73 1", "74 FPC f1 V MIN 5/5/5 (B R r1)", "75",
      "76 1", "77 TD FROMTO u1 A u2 Y", "78",
      "79 1", "80 PARTITION p1 F IO /in1 RISEMIN 0.1", "81",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
  const std::string obsolete = "is obsolete in version 5.4 and later.\nThe DEF parser will ignore "
                               "this statement. See file all_sections.def at line ";
  EXPECT_EQ(warnings(), "WARNING (DEFPARS-7031): The ASSERTIONS statement " + obsolete + "41.\n" +
                            "WARNING (DEFPARS-7031): The ASSERTIONS statement " + obsolete + "43.\n" +
                            "WARNING (DEFPARS-7032): The CONSTRAINTS statement " + obsolete + "44.\n" +
                            "WARNING (DEFPARS-7032): The CONSTRAINTS statement " + obsolete + "46.\n" +
                            "WARNING (DEFPARS-7035): The IOTIMINGS statement " + obsolete + "47.\n");
}

// The catch-all counter fills every slot, so each section's events are counted.
TEST_F(SectionsTest, EverySectionCountsInTheUnusedCallbackReport) {
  defrSetRegisterUnusedCallbacks();
  EXPECT_EQ(readData("all_sections.def"), 0);
  std::vector<int> counts(defUnusedCallbackCount() + 48, defUnusedCallbackCount() + 101);
  std::vector<int> expected = {
      1, 1, 1, 0, 0, 0, 0, 0,  // 48-50 regions
      1, 1, 2, 1, 1,           // 56-60 groups
      0, 0, 0, 0, 0, 0,        // 61-66 assertions, constraints: none in a 5.8 file
      1, 1, 1, 0, 0, 0,        // 67-69 scan chains, 70-72 I/O timings: none in 5.8
      1, 1, 1, 1, 1, 1, 1, 1, 1,  // 73-81 floorplan constraints, timing disables, partitions
      1, 1, 1,                 // 82-84 pin properties
      1, 2, 1, 1, 1, 1, 1, 2, 1,  // 85-93 blockages, slots, fills
      0,                       // 94 NAMESCASESENSITIVE: not in this file
      1, 1, 1, 1, 1, 1,        // 95-100 non-default rules, styles
  };
  EXPECT_EQ(counts, expected);
}

}  // namespace
}  // namespace sections
