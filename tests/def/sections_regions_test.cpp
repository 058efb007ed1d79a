// REGIONS, GROUPS and PINPROPERTIES: what their callbacks receive and their messages.
#include "def/defiGroup.h"
#include "def/defiRegion.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

namespace sections {

std::string describe(const defiRegion& r) {
  std::string out = format("REGION %s", r.name());
  for (int i = 0; i < r.numRectangles(); i++)
    out += format(" %d,%d %d,%d", r.xl(i), r.yl(i), r.xh(i), r.yh(i));
  if (r.hasType()) out += format(" TYPE %s", r.type());
  return out + properties(r);
}

std::string describe(const defiGroup& g) {
  std::string out = format("GROUP %s", g.name());
  if (g.hasRegionName()) out += format(" REGION %s", g.regionName());
  int n;
  int *xl, *yl, *xh, *yh;
  g.regionRects(&n, &xl, &yl, &xh, &yh);
  for (int i = 0; i < n; i++) out += format(" BOX %d,%d %d,%d", xl[i], yl[i], xh[i], yh[i]);
  if (g.hasMaxX()) out += format(" MAXX %d", g.maxX());
  if (g.hasMaxY()) out += format(" MAXY %d", g.maxY());
  if (g.hasPerim()) out += format(" PERIM %d", g.perim());
  return out + properties(g);
}

std::string describe(const defiPinProp& p) {
  return format("PINPROP %d '%s' %s", p.isPin(), p.instName(), p.pinName()) + properties(p);
}

namespace {

// A header that satisfies every version's checks; the body starts on line 6.
std::string file(const char* version, const std::string& body) {
  return std::string("VERSION ") + version + " ;\nNAMESCASESENSITIVE ON ;\nDIVIDERCHAR \"/\" ;\n"
         "BUSBITCHARS \"[]\" ;\nDESIGN d ;\n" + body + "END DESIGN\n";
}

void registerAll(bool groupCbk) {
  defrSetRegionStartCbk(recordInt);
  defrSetRegionCbk(record<defiRegion>);
  defrSetRegionEndCbk(recordVoid);
  defrSetGroupsStartCbk(recordInt);
  defrSetGroupNameCbk(recordText);
  defrSetGroupMemberCbk(recordText);
  defrSetGroupCbk(groupCbk ? record<defiGroup> : nullptr);
  defrSetGroupsEndCbk(recordVoid);
  defrSetGroupExtCbk(recordText);
  defrSetPinPropStartCbk(recordInt);
  defrSetPinPropCbk(record<defiPinProp>);
  defrSetPinPropEndCbk(recordVoid);
}

using RegionsGroupsPinProps = SectionsTest;

TEST_F(RegionsGroupsPinProps, EachCallbackReceivesWhatTheFileSays) {
  const std::string warn = "WARNING (DEFPARS-", obsolete = " is obsolete in version 5.5 and "
      "later.\nThe DEF parser will ignore this statement. See file t.def at line ";
  const struct {
    const char* version;
    bool groupCbk;
    std::string body;
    int result;
    std::vector<std::string> calls;
    std::string messages;
  } cases[] = {
      // The second region's six properties push its name out of the lexer's value ring.
      {"5.8", true, "PROPERTYDEFINITIONS REGION area REAL ; REGION label STRING ; END "
       "PROPERTYDEFINITIONS\nREGIONS 2.5 ;\n- r1 ( 0 0 ) ( 100 100 ) ( 200 0 ) ( 300 100 ) + "
       "TYPE FENCE ;\n- REGION ( 5 5 ) ( 1 1 ) + PROPERTY area 1234567 label a label b + "
       "PROPERTY label c label d und e ;\n- 17 ( -1 -2 ) ( 3 4 ) ;\nEND REGIONS\n", 0,
       {"48 3", "49 REGION r1 0,0 100,100 200,0 300,100 TYPE FENCE",
        "49 REGION REGION 5,5 1,1 area=1.23457e+06:R#1.23457e+06 label=a:S label=b:S "
        "label=c:S label=d:S und=e:N", "49 REGION 17 -1,-2 3,4", "50"},
       warn + "7010): The PropName und is not defined for REGION. See file t.def at line 9.\n"},
      {"5.8", true, "REGIONS 1 ;\n- r ( 0 0 ) ( 1 1 ) + TYPE FENCE + TYPE GUIDE ;\n"
       "END REGIONS\n", 1, {"48 1"},
       "ERROR (DEFPARS-6563): The TYPE statement already exists. It has been defined in the "
       "REGION statement. Error in file t.def at line 7, on token GUIDE.\nUpdate the def file "
       "before parsing the file again.\n"},
      // Twelve members after the name; the group record still carries G1.
      {"5.8", true, "PROPERTYDEFINITIONS GROUP w INTEGER ; END PROPERTYDEFINITIONS\nGROUPS 2 ;\n"
       "- G1 a* b/c* 123 * IN Y m7 m8 m9 m10 m11 m12 + REGION FENCE + SOFT MAXX 10 + PROPERTY w 3 "
       "und x ;\n- G2 + REGION ( 0 0 ) ( 10 10 ) + BEGINEXT \"t\" x ENDEXT ;\nEND GROUPS\n", 0,
       {"56 2", "57 G1", "58 a*", "58 b/c*", "58 123", "58 *", "58 IN", "58 Y", "58 m7",
        "58 m8", "58 m9", "58 m10", "58 m11", "58 m12", "59 GROUP G1 REGION FENCE w=3:I#3 und=x:N",
        "57 G2", "29  \"t\" x ENDEXT", "59 GROUP G2", "60"},
       warn + "7010): The PropName und is not defined for GROUP. See file t.def at line 8.\n" +
           warn + "7027): The GROUP REGION pt pt statement" + obsolete + "9.\n"},
      {"5.4", true, "GROUPS 2 ;\n- G1 + SOFT MAXX 10.5 MAXY 2 MAXHALFPERIMETER 7 + REGION ( 0 "
       "0 ) ( 10 10 ) ;\n- G2 ;\nEND GROUPS\n", 0,
       {"56 2", "57 G1", "59 GROUP G1 BOX 0,0 10,10 MAXX 11 MAXY 2 PERIM 7", "57 G2",
        "59 GROUP G2", "60"}, ""},
      {"5.4", false, "GROUPS 1 ;\n- G1 + SOFT MAXX 1 MAXY 2 ;\nEND GROUPS\n", 0,
       {"56 1", "57 G1", "60"},
       warn + "7028): The GROUP SOFT MAXX statement" + obsolete + "7.\n" + warn +
           "7029): The GROUP SOFT MAXY statement" + obsolete + "7.\n"},
      // No ';' after the count.
      {"5.8", true, "PROPERTYDEFINITIONS COMPONENTPIN cap REAL ; END PROPERTYDEFINITIONS\n"
       "PINPROPERTIES 2\n- PIN IN1 + PROPERTY cap 0.5 + PROPERTY und 1234567 ;\n- 7 Y ;\n"
       "END PINPROPERTIES\n", 0,
       {"82 2", "83 PINPROP 1 '' IN1 cap=0.5:R#0.5 und=1.23457e+06:N#1.23457e+06",
        "83 PINPROP 0 '7' Y", "84"},
       warn + "7010): The PropName und is not defined for PINPROPERTIES. See file t.def at "
              "line 8.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    defrtest::freshReader();
    calls().clear();
    registerAll(c.groupCbk);
    EXPECT_EQ(defrtest::readText(file(c.version, c.body)), c.result);
    EXPECT_EQ(calls(), c.calls);
    EXPECT_EQ(errors() + warnings(), c.messages);
  }
}

TEST_F(RegionsGroupsPinProps, HundredsOfMembersAndRectanglesFitTheParserStack) {
  std::string group = "GROUPS 1 ;\n- G", region = "REGIONS 1 ;\n- R";
  for (int i = 0; i < 300; i++) {
    group += " m" + std::to_string(i);
    region += " ( 0 0 ) ( 1 1 )";
  }
  registerAll(true);
  EXPECT_EQ(defrtest::readText(file("5.8", group + " ;\nEND GROUPS\n" + region +
                                                " ;\nEND REGIONS\n")),
            0);
  ASSERT_EQ(calls().size(), 307u);
  EXPECT_EQ(calls()[301], "58 m299");
  EXPECT_EQ(calls()[305].size(), std::string("49 REGION R").size() + 300 * 8);
}

using RegionGroupModel = DefiTest;

TEST_F(RegionGroupModel, BadIndexesReportTheirListsExactly) {
  defiRegion region(data());
  region.setup("r");
  region.addRect(1, 2, 3, 4);
  region.setType("FENCE");
  region.setup("r2");  // a new region has no type left
  EXPECT_EQ(region.hasType(), 0);
  EXPECT_EQ(region.xl(region.numRectangles()), 0);
  EXPECT_EQ(region.propName(-1), nullptr);
  defiGroup group(data());
  group.setup("g");
  group.addNumProperty("w", 2.0, "2", 'I');
  EXPECT_EQ(group.propName(group.numProps()), nullptr);
  EXPECT_EQ(errors(), (std::vector<std::string>{
      "ERROR (DEFPARS-6131): The index number 0 specified for the REGION RECTANGLE is invalide."
      "\nValid index number is from 0 to 0. Specify a valid index number and then try again.",
      "ERROR (DEFPARS-6130): The index number -1 specified for the REGION PROPERTY is invalide."
      "\nValid index number is from 0 to 0. Specify a valid index number and then try again.",
      "ERROR (LEFPARS-6050): The index number 1 given for the GROUP PROPERTY is invalid.\n"
      "Valid index is from 0 to 1"}));
}

}  // namespace
}  // namespace sections
