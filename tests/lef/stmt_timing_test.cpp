// The macro TIMING statement read from LEF texts: one Timing callback per
// FROMPIN group below 5.4, an obsolete warning from 5.4 on.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiTiming;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

// One line per record, naming only what the record holds.
int timingCbk(lefrCallbackType_e type, lefiTiming* t, void*) {
  std::string line = "timing " + std::to_string(type) + " from";
  for (int i = 0; i < t->numFromPins(); i++) line += std::string(" ") + t->fromPin(i);
  line += " to";
  for (int i = 0; i < t->numToPins(); i++) line += std::string(" ") + t->toPin(i);
  if (t->hasRiseIntrinsic())
    line += " rise " + num(t->riseIntrinsicOne()) + " " + num(t->riseIntrinsicTwo()) + " var " +
            num(t->riseIntrinsicThree()) + " " + num(t->riseIntrinsicFour());
  if (t->hasRiseSlew())
    line += " riseslew " + num(t->riseSlewOne()) + " " + num(t->riseSlewTwo()) + " " +
            num(t->riseSlewThree()) + " " + num(t->riseSlewFour());
  if (t->hasFallIntrinsic())
    line += " fall " + num(t->fallIntrinsicOne()) + " " + num(t->fallIntrinsicTwo()) + " var " +
            num(t->fallIntrinsicThree()) + " " + num(t->fallIntrinsicFour());
  if (t->hasFallSlew2())
    line += " fallslew2 " + num(t->fallSlewFive()) + " " + num(t->fallSlewSix()) + " " +
            num(t->fallSlewSeven());
  if (t->hasRiseRS()) line += " risers " + num(t->riseRSOne()) + " " + num(t->riseRSTwo());
  if (t->hasFallCS()) line += " fallcs " + num(t->fallCSOne()) + " " + num(t->fallCSTwo());
  if (t->hasFallTo()) line += " fallt0 " + num(t->fallToOne()) + " " + num(t->fallToTwo());
  if (t->hasUnateness()) line += std::string(" unate ") + t->unateness();
  if (t->hasDelay())
    line += std::string(" delay ") + t->delayRiseOrFall() + " " + t->delayUnateness() + " " +
            num(t->delayTableOne()) + " " + num(t->delayTableTwo()) + " " + num(t->delayTableThree());
  if (t->hasTransition())
    line += std::string(" transition ") + t->transitionRiseOrFall() + " " +
            t->transitionUnateness();
  for (int i = 0; i < t->numOfAxisNumbers(); i++) line += " axis " + num(t->axisNumbers()[i]);
  for (int i = 0; i < t->numOfTableEntries(); i++) {
    double a, b, c;
    t->tableEntry(i, &a, &b, &c);
    line += " entry " + num(a) + "," + num(b) + "," + num(c);
  }
  if (t->hasStableTiming())
    line += " stable " + num(t->stableSetup()) + " " + num(t->stableHold()) + " " +
            t->stableRiseFall();
  if (t->hasSDFtwoPinTrigger())
    line += std::string(" sdf2 ") + t->SDFtwoPinTriggerType() + " " + t->SDFfromTrigger() +
            " " + t->SDFtoTrigger() + " " + num(t->SDFtriggerOne());
  if (t->hasSDFonePinTrigger())
    line += std::string(" sdf1 ") + t->SDFonePinTriggerType() + " " + num(t->SDFtriggerThree());
  if (t->hasSDFcond()) line += std::string(" cond ") + t->SDFcond();
  if (t->hasSDFcondStart()) line += std::string(" condstart ") + t->SDFcondStart();
  journal(line);
  return 0;
}

std::string macroWithTiming(const char* version, const char* timing) {
  return std::string("VERSION ") + version +
         " ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n"
         "MACRO inv\n  CLASS CORE ;\n  SIZE 1 BY 2 ;\n" +
         timing + "END inv\nEND LIBRARY\n";
}

class TimingStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetTimingCbk(timingCbk);
  }
};

TEST_F(TimingStmtTest, EachFromPinGroupIsOneRecordBefore54) {
  std::string text = macroWithTiming(
      "5.3",
      "  TIMING\n"
      "    FROMPIN A ;\n"
      "    TOPIN Y ;\n"
      "    RISE INTRINSIC 0.1 0.2 0.3 0.4 0.5 0.6 VARIABLE 0.7 0.8 ;\n"
      "    FALL INTRINSIC 1 2 3 4 5 6 7 8 9 VARIABLE 10 11 ;\n"
      "    RISERS 1.5 2.5 ;\n"
      "    FALLCS 3 4 ;\n"
      "    FALLT0 5 6 ;\n"
      "    UNATENESS INVERT ;\n"
      "    RISE DELAY UNATENESS NONINVERT TABLEDIMENSION 1 2 3 ;\n"
      "    TABLEAXIS 0.1 0.2 0.3 ;\n"
      "    TABLEENTRIES ( 1 2 3 ) ( 4 5 6 ) ;\n"
      "    SDFCOND \"A==1\" ;\n"
      "    EXTENSION ;\n"
      "    FROMPIN B C ;\n"
      "    TOPIN Y ;\n"
      "    STABLE SETUP 0.5 HOLD 0.6 FALL ;\n"
      "    SETUP POSEDGE NEGEDGE TABLEDIMENSION 7 8 9 ;\n"
      "    FALL TRANSITIONTIME UNATENESS NONUNATE TABLEDIMENSION 1 1 1 ;\n"
      "    SDFCONDSTART \"B\" ;\n"
      "  END TIMING\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            (Lines{"timing 46 from A to Y rise 0.1 0.2 var 0.7 0.8 riseslew 0.3 0.4 0.5 0.6 "
                   "fall 1 2 var 10 11 fallslew2 7 8 9 risers 1.5 2.5 fallcs 3 4 fallt0 5 6 "
                   "unate INVERT delay RISE NONINVERT 1 2 3 axis 0.1 axis 0.2 axis 0.3 entry "
                   "1,2,3 entry 4,5,6 cond A==1",
                   "timing 46 from B C to Y transition FALL NONUNATE stable 0.5 0.6 FALL sdf2 "
                   "SETUP POSEDGE NEGEDGE 7 condstart B"}));
}

TEST_F(TimingStmtTest, OnePinTriggers) {
  std::string text = macroWithTiming(
      "5.3",
      "  TIMING\n    FROMPIN CK ;\n    MPWH TABLEDIMENSION 1 2 3.5 ;\n  END TIMING\n"
      "  TIMING\n    FROMPIN CK ;\n    PERIOD TABLEDIMENSION 1 2 4 ;\n  END TIMING\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(), (Lines{"timing 46 from CK to sdf1 MPWH 3.5", "timing 46 from CK to sdf1 "
                                                                  "PERIOD 4"}));
}

// The pin names stay right however many come in one group.
TEST_F(TimingStmtTest, LongPinListKeepsEveryName) {
  std::string text = macroWithTiming(
      "5.3", "  TIMING\n    FROMPIN a b c d e f g h i j k l ;\n    TOPIN z ;\n  END TIMING\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(), Lines{"timing 46 from a b c d e f g h i j k l to z"});
}

// Pin names are names even where they spell keywords.
TEST_F(TimingStmtTest, PinNamesSpellingKeywords) {
  std::string text =
      macroWithTiming("5.3", "  TIMING\n    FROMPIN X RISE ;\n    TOPIN Y ;\n  END TIMING\n");
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(calls(), Lines{"timing 46 from X RISE to Y"});
}

TEST_F(TimingStmtTest, RecordWithoutFromPinIsNotDelivered) {
  EXPECT_EQ(read(macroWithTiming("5.3", "  TIMING\n    RISERS 1 2 ;\n  END TIMING\n")), 0);
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(TimingStmtTest, From54EachStatementIsObsolete) {
  std::string text = macroWithTiming(
      "5.4",
      "  TIMING\n    FROMPIN A ;\n    TOPIN Y ;\n  END TIMING\n"
      "  TIMING\n    FROMPIN B ;\n    TOPIN Y ;\n  END TIMING\n");
  const char* w =
      "WARNING (LEFPARS-2066): MACRO TIMING statement is obsolete in version 5.4 and later.\nThe "
      "LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this "
      "statement from the LEF file with version 5.4 or later. See file test.lef at line ";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(warnings(), (Lines{std::string(w) + "11.\n", std::string(w) + "15.\n"}));
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(TimingStmtTest, WithoutCallbackNoWarning) {
  LefDefParser::lefrUnsetTimingCbk();
  EXPECT_EQ(read(macroWithTiming("5.4", "  TIMING\n    FROMPIN A ;\n  END TIMING\n")), 0);
  EXPECT_EQ(warnings(), Lines{});
}

}  // namespace
