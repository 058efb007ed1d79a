// NONDEFAULTRULES and STYLES: what their callbacks receive and their version gates; the rule
// record's index messages, clamps and guards.
#include <climits>

#include "def/defiNonDefault.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

namespace sections {

std::string describe(const defiNonDefault& n) {
  std::string out = format("NDR %s%s", n.name(), n.hasHardspacing() ? " HARDSPACING" : "");
  for (int i = 0; i < n.numLayers(); i++) {
    out += format(" LAYER %s %g", n.layerName(i), n.layerWidth(i));
    if (n.hasLayerDiagWidth(i)) out += format(" DIAG %g", n.layerDiagWidth(i));
    if (n.hasLayerSpacing(i)) out += format(" SPACING %g", n.layerSpacing(i));
    if (n.hasLayerWireExt(i)) out += format(" WIREEXT %g", n.layerWireExt(i));
  }
  for (int i = 0; i < n.numVias(); i++) out += format(" VIA %s", n.viaName(i));
  for (int i = 0; i < n.numViaRules(); i++) out += format(" VIARULE %s", n.viaRuleName(i));
  for (int i = 0; i < n.numMinCuts(); i++)
    out += format(" MINCUTS %s %d", n.cutLayerName(i), n.numCuts(i));
  return out + properties(n);
}

std::string describe(const defiStyles& s) {
  return format("STYLE %d", s.style()) + points(s.getPolygon());
}

namespace {

class NonDefaultRules : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetNonDefaultStartCbk(recordInt);
    defrSetNonDefaultCbk(record<defiNonDefault>);
    defrSetNonDefaultEndCbk(recordVoid);
    defrSetStylesStartCbk(recordInt);
    defrSetStylesCbk(record<defiStyles>);
    defrSetStylesEndCbk(recordVoid);
  }
};

TEST_F(NonDefaultRules, RulesAndStylesReachTheirCallbacks) {
  EXPECT_EQ(defrtest::readText(
                "VERSION 5.8 ; DESIGN d ;\n"
                "PROPERTYDEFINITIONS NONDEFAULTRULE ndp INTEGER ; END PROPERTYDEFINITIONS\n"
                "NONDEFAULTRULES 2.5 ;\n"
                "- wide + HARDSPACING + LAYER M1 WIDTH 1 + LAYER M2 WIDTH 2 WIREEXT 0.7\n"
                "  SPACING 0.3 DIAGWIDTH 0.5 SPACING 0.6 + VIA v1 + VIARULE vr1\n"
                "  + MINCUTS V1 2.7 ;\n"
                "- LAYER + LAYER M1 WIDTH 0.2 SPACING 0.3 + LAYER 17 WIDTH 0.4 WIREEXT 0.1\n"
                "  + PROPERTY ndp 1234567 undef \"a b\" ;\n"
                "END NONDEFAULTRULES\n"
                "STYLES 2 ;\n"
                "- STYLE 2.9 ( 30 10 ) ( 10 30 ) ( * 5 ) ( 7 * ) ;\n"
                "- STYLE 1 ( 30 10 ) ( 10 30 ) ;\n"
                "END STYLES\nEND DESIGN\n"),
            0);
  // The slot of "17" held every flag of M2 in the first rule: none survives.
  std::vector<std::string> expected = {
      "95 3",
      "96 NDR wide HARDSPACING LAYER M1 1 LAYER M2 2 DIAG 0.5 SPACING 0.6 WIREEXT 0.7 VIA v1 "
      "VIARULE vr1 MINCUTS V1 2",
      "96 NDR LAYER LAYER M1 0.2 SPACING 0.3 LAYER 17 0.4 WIREEXT 0.1 "
      "ndp=1.23457e+06:I#1.23457e+06 undef=a b:N",
      "97",
      "98 2",
      "99 STYLE 2 30,10 10,30 10,5 7,5",
      "99 STYLE 1 30,10 10,30",
      "100"};
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
  EXPECT_EQ(warnings(), "WARNING (DEFPARS-7010): The PropName undef is not defined for "
                        "NONDEFAULTRULE. See file t.def at line 8.\n");
}

// Before 5.6 the sections are refused only when their start callback is registered; the
// rules still reach their callback without it, the styles never do.
TEST_F(NonDefaultRules, OldFilesGateOnTheStartCallback) {
  const std::string ndr = "NONDEFAULTRULES 1 ;\n- r + VIA v ;\n- s ;\nEND NONDEFAULTRULES\n";
  const std::string styles = "STYLES 1 ;\n- STYLE 1 ( 0 0 ) ( 1 1 ) ;\nEND STYLES\n";
  struct Case {
    const std::string& body;
    bool startCallback;
    int result;
    std::vector<std::string> calls;
    std::string errors;
  };
  const Case cases[] = {
      {ndr, true, 1, {},
       "ERROR (DEFPARS-6545): The NONDEFAULTRULE statement is available in version 5.6 and "
       "later.\nHowever, your DEF file is defined with version 5.5. Error in file t.def at line "
       "2, on token ;.\nUpdate the def file before parsing the file again.\n"},
      {ndr, false, 0, {"96 NDR r VIA v", "96 NDR s", "97"}, ""},
      {styles, true, 1, {},
       "ERROR (DEFPARS-6546): The STYLES statement is available in version 5.6 and later.\n"
       "However, your DEF file is defined with version 5.5 Error in file t.def at line 2, on "
       "token ;.\nUpdate the def file before parsing the file again.\n"},
      {styles, false, 0, {"100"}, ""},
  };
  for (const Case& c : cases) {
    SetUp();
    if (!c.startCallback) {
      defrUnsetNonDefaultStartCbk();
      defrUnsetStylesStartCbk();
    }
    EXPECT_EQ(defrtest::readText("VERSION 5.5 ;\n" + c.body + "END DESIGN\n"), c.result);
    EXPECT_EQ(calls(), c.calls) << c.body;
    EXPECT_EQ(errors(), c.errors);
  }
}

using DefiNonDefaultTest = DefiTest;

// Values truncate toward zero within the int range; properties stay as written while names
// fold; the layer setters ignore a rule without a layer.
TEST_F(DefiNonDefaultTest, ValuesPropertiesAndBadIndexes) {
  caseInsensitive();
  defiNonDefault rule(data());
  rule.setName("r1");
  rule.setName("wide");
  rule.addWidth(5);
  rule.addSpacing(5);
  const double widths[] = {0.9, -1.5, 3e9, -1e300};
  const int expected[] = {0, -1, INT_MAX, INT_MIN};
  for (int i = 0; i < 4; i++) {
    rule.addLayer("m1");
    rule.addWidth(widths[i]);
    EXPECT_EQ(rule.layerWidthVal(i), expected[i]);
  }
  rule.addProperty("lowName", "lowValue", 'S');
  EXPECT_EQ(describe(rule), "NDR WIDE LAYER M1 0.9 LAYER M1 -1.5 LAYER M1 3e+09 LAYER M1 -1e+300 "
                            "lowName=lowValue:S");
  EXPECT_EQ(rule.viaName(rule.numVias()), nullptr);
  EXPECT_EQ(rule.propName(-1), nullptr);
  EXPECT_EQ(DefiTest::errors(), (std::vector<std::string>{
      "ERROR (DEFPARS-6090): The index number 0 specified for the NONDEFAULT LAYER is invalid.\n"
      "Valid index is from 0 to 0. Specify a valid index number and then try again.",
      "ERROR (DEFPARS-6091): The index number -1 specified for the NONDEFAULT PROPERTY is "
      "invalid.\nValid index is from 0 to 1. Specify a valid index number and then try again."}));
}

}  // namespace
}  // namespace sections
