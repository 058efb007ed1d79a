// ASSERTIONS, CONSTRAINTS, IOTIMINGS and TIMINGDISABLES: what their callbacks receive, the
// version gates, and the record rules no file can reach.
#include "defi_fixture.h"
#include "sections_fixture.h"

#include "def/defiAssertion.h"
#include "def/defiIOTiming.h"
#include "def/defiTimingDisable.h"

namespace sections {

std::string describe(const defiAssertion& a) {
  std::string out = std::string(a.isAssertion() ? "ASSERTION" : "CONSTRAINT") +
                    (a.isSum() ? " SUM" : "") + (a.isDiff() ? " DIFF" : "") +
                    (a.isDelay() ? " DELAY" : "");
  if (a.isWiredlogic()) out += format(" WIREDLOGIC %s %g", a.netName(), a.distance());
  else if (*a.netName()) out += format(" NETNAME %s", a.netName());
  for (int i = 0; i < a.numItems(); i++) {
    char *fi = nullptr, *fp = nullptr, *ti = nullptr, *tp = nullptr;
    a.net(i, &fi);
    a.path(i, &fi, &fp, &ti, &tp);
    out += a.isNet(i) ? format(" n:%s", fi) : format(" p:%s/%s/%s/%s", fi, fp, ti, tp);
  }
  if (a.hasRiseMin()) out += format(" RISEMIN %g", a.riseMin());
  if (a.hasRiseMax()) out += format(" RISEMAX %g", a.riseMax());
  if (a.hasFallMin()) out += format(" FALLMIN %g", a.fallMin());
  if (a.hasFallMax()) out += format(" FALLMAX %g", a.fallMax());
  return out;
}

std::string describe(const defiIOTiming& t) {
  std::string out = format("IOTIMING %s %s", t.inst(), t.pin());
  if (t.hasVariableRise()) out += format(" VARR %g %g", t.variableRiseMin(), t.variableRiseMax());
  if (t.hasVariableFall()) out += format(" VARF %g %g", t.variableFallMin(), t.variableFallMax());
  if (t.hasSlewRise()) out += format(" SLEWR %g %g", t.slewRiseMin(), t.slewRiseMax());
  if (t.hasSlewFall()) out += format(" SLEWF %g %g", t.slewFallMin(), t.slewFallMax());
  if (t.hasCapacitance()) out += format(" CAP %g", t.capacitance());
  if (t.hasDriveCell()) out += format(" DRIVECELL %s", t.driveCell());
  if (t.hasFrom()) out += format(" FROM %s", t.from());
  if (t.hasTo()) out += format(" TO %s", t.to());
  if (t.hasParallel()) out += format(" PARALLEL %g", t.parallel());
  return out;
}

std::string describe(const defiTimingDisable& t) {
  std::string out = "TD";
  if (t.hasFromTo())
    out += format(" FROMTO %s %s %s %s", t.fromInst(), t.fromPin(), t.toInst(), t.toPin());
  if (t.hasThru()) out += format(" THRU %s %s", t.thruInst(), t.thruPin());
  if (t.hasMacroFromTo())
    out += format(" MACRO %s FROM %s TO %s", t.macroName(), t.fromPin(), t.toPin());
  if (t.hasMacroThru()) out += format(" MACRO %s THRU %s", t.macroName(), t.thruPin());
  if (t.hasReentrantPathsFlag()) out += " REENTRANT";
  return out;
}

namespace {

// Every header statement is given, so that old versions add no warnings of their own.
std::string file(const char* version, const std::string& body, const char* names = "ON") {
  return format("VERSION %s ;\nNAMESCASESENSITIVE %s ;\nDIVIDERCHAR \"/\" ;\n", version, names) +
         "BUSBITCHARS \"[]\" ;\nDESIGN d ;\n" + body + "END DESIGN\n";
}

// The message numbers of a log, in order.
std::vector<int> numbers(const std::string& log) {
  std::vector<int> out;
  for (size_t at = log.find("DEFPARS-"); at != std::string::npos; at = log.find("DEFPARS-", at + 1))
    out.push_back(std::stoi(log.substr(at + 8, 4)));
  return out;
}

TEST_F(SectionsTest, AssertionsAndConstraintsReachTheirOwnCallbacksBefore54) {
  for (auto set : {defrSetAssertionsStartCbk, defrSetConstraintsStartCbk}) set(recordInt);
  for (auto set : {defrSetAssertionsEndCbk, defrSetConstraintsEndCbk}) set(recordVoid);
  for (auto set : {defrSetAssertionCbk, defrSetConstraintCbk}) set(record<defiAssertion>);
  EXPECT_EQ(defrtest::readText(file("5.3",
      "ASSERTIONS 3 ;\n- SUM ( NET a, NET b , PATH i1 p1 i2 p2 ) + RISEMIN 1 + FALLMAX 2.5 ;\n"
      "- WIREDLOGIC w1 + MAXDIST 7 ;\n- NET Y + RISEMAX 3 + FALLMIN 4 ;\nEND ASSERTIONS\n"
      "CONSTRAINTS 1.5 ;\n- DIFF ( SUM ( NET a NET b ) NET c ) ;\n"
      "- SUM ( PATH PIN IN 123 OUT, NET n ) ;\nEND CONSTRAINTS\n")), 0);
  std::vector<std::string> expected = {
      "61 3",
      "62 ASSERTION SUM DELAY n:a n:b p:i1/p1/i2/p2 RISEMIN 1 FALLMAX 2.5",
      "62 ASSERTION WIREDLOGIC w1 7",
      "62 ASSERTION DELAY n:Y RISEMAX 3 FALLMIN 4",
      "63", "64 2",
      // SUM inside DIFF: both flags stay, and the message does not fail the read.
      "65 CONSTRAINT SUM DIFF DELAY n:a n:b n:c",
      "65 CONSTRAINT SUM DELAY p:PIN/IN/123/OUT n:n",
      "66",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "ERROR (DEPPARS-6202): Unable to process the DEF file. Both SUM and DIFF "
                      "statements are defined in constraint/assertion.\nUpdate the DEF file to "
                      "define either a SUM or DIFF statement only.");
  EXPECT_EQ(warnings(), "");
}

TEST_F(SectionsTest, AssertionGatesFollowTheCallbacksAndTheVersion) {
  const struct {
    const char* version;
    bool assertionCbk, constraintCbk;
    std::vector<std::string> calls;
    std::vector<int> warnings;
  } cases[] = {
      {"5.3", false, true, {"65 CONSTRAINT DELAY n:c"}, {7032, 7032}},
      {"5.3", true, false, {"62 ASSERTION DELAY n:a"}, {7031, 7031}},
      {"5.8", true, true, {}, {7031, 7031, 7032, 7032}},
  };
  for (const auto& c : cases) {
    defrtest::freshReader();
    calls().clear();
    if (c.assertionCbk) defrSetAssertionCbk(record<defiAssertion>);
    if (c.constraintCbk) defrSetConstraintCbk(record<defiAssertion>);
    EXPECT_EQ(defrtest::readText(file(c.version, "ASSERTIONS 1 ;\n- NET a ;\nEND ASSERTIONS\n"
                                      "CONSTRAINTS 1 ;\n- NET c ;\nEND CONSTRAINTS\n")), 0);
    EXPECT_EQ(calls(), c.calls) << c.version;
    EXPECT_EQ(numbers(warnings()), c.warnings) << c.version;
  }
}

TEST_F(SectionsTest, IOTimingRulesBefore54) {
  defrSetIOTimingsStartCbk(recordInt);
  defrSetIOTimingCbk(record<defiIOTiming>);
  defrSetIOTimingsEndCbk(recordVoid);
  defrSetIoTimingsExtCbk(recordText);
  const std::string body =
      "IOTIMINGS 2 ;\n- ( PIN in1 ) + RISE VARIABLE 1 2 + FALL SLEWRATE 3 4 + CAPACITANCE 5\n"
      "  + DRIVECELL INV FROMPIN A TOPIN Y PARALLEL 2 ;\n"
      "- ( u1 IN ) + BEGINEXT \"e\" io ENDEXT ;\nEND IOTIMINGS\n";
  EXPECT_EQ(defrtest::readText(file("5.3", body)), 0);
  std::vector<std::string> expected = {
      "70 2",
      "71 IOTIMING PIN in1 VARR 1 2 SLEWF 3 4 CAP 5 DRIVECELL INV FROM A TO Y PARALLEL 2",
      "31  \"e\" io ENDEXT", "71 IOTIMING u1 IN", "72"};
  EXPECT_EQ(calls(), expected);

  calls().clear();
  EXPECT_EQ(defrtest::readText(file("5.8", body)), 0);
  EXPECT_EQ(calls(), std::vector<std::string>{});
  EXPECT_EQ(numbers(warnings()), std::vector<int>{7035});
}

TEST_F(SectionsTest, TimingDisablesInEveryFormWithKeywordNamedPins) {
  defrSetTimingDisablesStartCbk(recordInt);
  defrSetTimingDisableCbk(record<defiTimingDisable>);
  defrSetTimingDisablesEndCbk(recordVoid);
  EXPECT_EQ(defrtest::readText(file("5.8",
      "TIMINGDISABLES 5 ;\n- FROMPIN u1 IN TOPIN u2 Y ;\n- THRUPIN u3 OUT ;\n"
      "- MACRO AND2 FROMPIN A TOPIN Y ;\n- macro INV thrupin IN ;\n- REENTRANTPATHS ;\n"
      "END TIMINGDISABLES\n")), 0);
  std::vector<std::string> expected = {
      "76 5", "77 TD FROMTO u1 IN u2 Y", "77 TD THRU u3 OUT", "77 TD MACRO AND2 FROM A TO Y",
      "77 TD MACRO INV THRU IN", "77 TD REENTRANT", "78"};
  EXPECT_EQ(calls(), expected);

  calls().clear();
  EXPECT_EQ(defrtest::readText(file("5.5", "TIMINGDISABLES 1 ;\n- frompin u1 a topin u2 y ;\n"
                                           "END TIMINGDISABLES\n", "OFF")), 0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"76 1", "77 TD FROMTO U1 A U2 Y", "78"}));

  // Any other word after '-' is a syntax error.
  EXPECT_EQ(defrtest::readText(file("5.8", "TIMINGDISABLES 1 ;\n- THRU u1 a ;\n"
                                           "END TIMINGDISABLES\n")), 1);
  EXPECT_EQ(numbers(errors()), std::vector<int>{5500});
}

TEST_F(SectionsTest, ThreeHundredOperandsInOneSum) {
  defrSetConstraintCbk(record<defiAssertion>);
  std::string rule = "- SUM (", expected = "65 CONSTRAINT SUM DELAY";
  for (int i = 0; i < 300; i++) {
    rule += " NET n" + std::to_string(i);
    expected += " n:n" + std::to_string(i);
  }
  EXPECT_EQ(defrtest::readText(file("5.3", "CONSTRAINTS 1 ;\n" + rule + " ) ;\nEND CONSTRAINTS\n")),
            0);
  EXPECT_EQ(calls(), std::vector<std::string>{expected});
}

class TimingRecords : public DefiTest {};

// What no file reaches: empty and comma names, both rule kinds at once, a bad letter, and
// printing a record without a kind (a reentrant one has its own).
TEST_F(TimingRecords, GuardsAndMessagesOfTheRecords) {
  defiAssertion a(data());
  EXPECT_EQ(describe(a), "CONSTRAINT");  // a fresh record is a cleared one
  char toPin[] = "p2,";
  a.addNet("");  // nothing to add, nothing to strip
  a.addNet("a,");
  a.addPath("i1", "p1", "i2", toPin);
  EXPECT_STREQ(toPin, "p2,");
  a.setDelay();
  a.setWiredlogic("w", 3);
  EXPECT_EQ(describe(a), "CONSTRAINT DELAY WIREDLOGIC w 3 n:a p:i1/p1/i2/p2");

  defiIOTiming io(data());
  io.setVariable("X", 1, 2);
  EXPECT_EQ(describe(io), "IOTIMING  ");
  defiTimingDisable td(data());
  td.setReentrantPathsFlag();
  printed(td);
  td.clear();
  printed(td);
  EXPECT_EQ(errors(), (std::vector<std::string>{
      "ERROR (DEFPARS-6201): Unable to process the DEF file. Both WIREDLOGIC and DELAY statements "
      "are defined in constraint/assertion.\nUpdate the DEF file to define either a WIREDLOGIC or "
      "DELAY statement only.",
      "ERROR (DEFPARS-6060): Invalid value specified for IOTIMING rise/fall. The valid value for "
      "rise is 'R' and for fall is 'F'. Specify a valid value and then try again.",
      "ERROR (DEFPARS-6170): The TimingDisable type is invalid. The valid types are FROMPIN, & "
      "THRUPIN. Specify the valid type and then try again."}));
}

}  // namespace
}  // namespace sections
