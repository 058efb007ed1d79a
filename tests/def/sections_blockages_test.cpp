// BLOCKAGES, SLOTS and FILLS: the shapes and options each entry hands out, the resets
// between entries, and the version and option rules of their checks.
#include "def/defiBlockage.h"
#include "def/defiFill.h"
#include "def/defiSlot.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

namespace sections {

template <class Rec>
static std::string shapes(const Rec& r) {
  std::string out;
  for (int i = 0; i < r.numRectangles(); i++)
    out += format(" RECT %d,%d %d,%d", r.xl(i), r.yl(i), r.xh(i), r.yh(i));
  for (int i = 0; i < r.numPolygons(); i++) out += " POLYGON" + points(r.getPolygon(i));
  return out;
}

std::string describe(const defiBlockage& b) {
  std::string out = "BLOCKAGE";
  if (b.hasLayer()) out += format(" LAYER %s", b.layerName());
  if (b.hasPlacement())
    out += format(" PLACEMENT PARTIAL %d:%g", b.hasPartial(), b.placementMaxDensity());
  if (b.hasComponent())
    out += format(" COMPONENT %s/%s", b.layerComponentName(), b.placementComponentName());
  for (auto f : {std::make_pair(b.hasSlots(), " SLOTS"), {b.hasFills(), " FILLS"},
                 {b.hasPushdown(), " PUSHDOWN"}, {b.hasExceptpgnet(), " EXCEPTPGNET"},
                 {b.hasSoft(), " SOFT"}})
    if (f.first) out += f.second;
  if (b.hasSpacing()) out += format(" SPACING %d", b.minSpacing());
  if (b.hasDesignRuleWidth()) out += format(" DRW %d", b.designRuleWidth());
  if (b.hasMask()) out += format(" MASK %d", b.mask());
  return out + shapes(b);
}

std::string describe(const defiSlot& s) { return format("SLOT %s", s.layerName()) + shapes(s); }

std::string describe(const defiFill& f) {
  std::string out = "FILL";
  if (f.hasLayer()) out += format(" LAYER %s MASK %d", f.layerName(), f.layerMask());
  if (f.hasLayerOpc()) out += " OPC";
  if (f.hasVia())
    out += format(" VIA %s MASK %d%d%d", f.viaName(), f.viaTopMask(), f.viaCutMask(),
                  f.viaBottomMask());
  if (f.hasViaOpc()) out += " OPC";
  out += shapes(f);
  for (int i = 0; i < f.numViaPts(); i++) out += " PTS" + points(f.getViaPts(i));
  return out;
}

namespace {

class Shapes : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetBlockageStartCbk(recordInt);
    defrSetBlockageCbk(record<defiBlockage>);
    defrSetBlockageEndCbk(recordVoid);
    defrSetSlotStartCbk(recordInt);
    defrSetSlotCbk(record<defiSlot>);
    defrSetSlotEndCbk(recordVoid);
    defrSetFillStartCbk(recordInt);
    defrSetFillCbk(record<defiFill>);
    defrSetFillEndCbk(recordVoid);
  }
  static int read(const char* version, const std::string& body) {
    return defrtest::readText(std::string("VERSION ") + version + " ;\nDESIGN d ;\n" + body +
                              "END DESIGN\n");
  }
};

TEST_F(Shapes, EntriesCarryOnlyTheirOwnOptionsAndShapes) {
  EXPECT_EQ(readData("blockages_slots_fills.def"), 0);
  std::vector<std::string> expected = {
      "85 5",
      "86 BLOCKAGE LAYER M1 COMPONENT c1/c1 SLOTS PUSHDOWN EXCEPTPGNET SPACING 0 MASK 2 "
      "RECT 0,0 10,20 POLYGON 0,0 5,0 5,5",
      // Names spelled like keywords or numbers; the width is truncated.
      "86 BLOCKAGE LAYER RECT DRW 3 RECT 1,2 3,4",
      "86 BLOCKAGE PLACEMENT PARTIAL 1:0 COMPONENT PIN/PIN PUSHDOWN RECT -1,-2 3,4",
      "86 BLOCKAGE PLACEMENT PARTIAL 0:-1 SOFT RECT 0,0 1,1",
      "87",
      "88 2",
      "89 SLOT M1 RECT 0,0 5,5 POLYGON 0,0 5,0 5,5",
      "89 SLOT 123 RECT 1,1 2,2",
      "90",
      "91 3",
      "92 FILL VIA V1 MASK 213 OPC PTS 0,0 10,0",
      // Neither kind of fill keeps the other kind's points.
      "92 FILL LAYER M1 MASK 2 OPC RECT 0,0 5,5 POLYGON 0,0 5,0 5,5",
      "92 FILL VIA FILLS MASK 000 PTS 1,1",
      "93",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

// Each entry sits on line 4; the message ends at the token read when it was found.
TEST_F(Shapes, OptionsRefusedByVersionOrCombination) {
  const char* const k6541 =
      "The SPACING statement is defined in the LAYER statement,\nbut there is already either a "
      "SPACING statement or DESIGNRULEWIDTH  statement has defined in the LAYER statement.\n"
      "Update your DEF file to have either SPACING statement or a DESIGNRULEWIDTH statement.";
  const char* const k6542 =
      "The defined BLOCKAGES COMPONENT statement has either COMPONENT, SLOTS, FILLS, PUSHDOWN "
      "or EXCEPTPGNET defined.\nOnly one of these statements is allowed per LAYER. Updated the "
      "DEF file to define a valid BLOCKAGES COMPONENT statement per layer.";
  const char* const k6543 =
      "The defined BLOCKAGES PLACEMENT statement has either COMPONENT, PUSHDOWN, SOFT or "
      "PARTIAL defined.\nOnly one of these statements is allowed per LAYER. Updated the DEF "
      "file to define a valid BLOCKAGES PLACEMENT statement.";
  const char* const k7415 = "The MASK statement is available in version 5.8 and later.\nHowever, "
                           "your DEF file is defined with version 5.7";
  const struct {
    const char *version, *section, *entry;
    int num;
    const char *text, *token;
    bool withoutEntryCallbacks = false;  // masks are checked all the same
  } cases[] = {
      {"5.7", "BLOCKAGES", "- LAYER M1 + COMPONENT c1 + PUSHDOWN RECT ( 0 0 ) ( 1 1 ) ;", 6542,
       k6542, "PUSHDOWN"},
      {"5.8", "BLOCKAGES", "- LAYER M1 + SLOTS + FILLS RECT ( 0 0 ) ( 1 1 ) ;", 6542, k6542,
       "FILLS"},
      {"5.8", "BLOCKAGES", "- PLACEMENT + SOFT + PARTIAL 50 RECT ( 0 0 ) ( 1 1 ) ;", 6543,
       k6543, "50"},
      {"5.6", "BLOCKAGES", "- LAYER M1 + SPACING 2 + DESIGNRULEWIDTH 3 RECT ( 0 0 ) ( 1 1 ) ;",
       6541, k6541, "3"},
      {"5.5", "BLOCKAGES", "- LAYER M1 + DESIGNRULEWIDTH 3 RECT ( 0 0 ) ( 1 1 ) ;", 6541,
       k6541, "3"},
      {"5.5", "BLOCKAGES", "- LAYER M1 + SPACING 2 RECT ( 0 0 ) ( 1 1 ) ;", 6540,
       "The SPACING statement is available in version 5.6 and later.\nHowever, your DEF file "
       "is defined with version 5.5", "2"},
      {"5.6", "BLOCKAGES", "- LAYER M1 + EXCEPTPGNET RECT ( 0 0 ) ( 1 1 ) ;", 6549,
       "The EXCEPTPGNET is available in version 5.7 or later.\nHowever, your DEF file is "
       "defined with version 5.6.", "EXCEPTPGNET"},
      {"5.6", "BLOCKAGES", "- PLACEMENT + SOFT RECT ( 0 0 ) ( 1 1 ) ;", 6547,
       "The PLACEMENT SOFT is available in version 5.7 or later.\nHowever, your DEF file is "
       "defined with version 5.6.", "SOFT"},
      {"5.6", "BLOCKAGES", "- PLACEMENT + PARTIAL 5 RECT ( 0 0 ) ( 1 1 ) ;", 6548,
       "The PARTIAL is available in version 5.7 or later.\nHowever, your DEF file is defined "
       "with version 5.6.", "5"},
      {"5.6", "BLOCKAGES", "- PLACEMENT POLYGON ( 0 0 ) ( 1 0 ) ( 1 1 ) ;", 6544,
       "A POLYGON statement is defined in the BLOCKAGE statement,\nbut it is not defined in "
       "the BLOCKAGE LAYER statement.\nUpdate your DEF file to either remove the POLYGON "
       "statement from the BLOCKAGE statement or\ndefine the POLYGON statement in a BLOCKAGE "
       "LAYER statement.", ";"},
      {"5.6", "FILLS", "- LAYER M1 + OPC RECT ( 0 0 ) ( 1 1 ) ;", 6553,
       "The LAYER OPC is available in version 5.7 or later.\nHowever, your DEF file is "
       "defined with version 5.6.", "OPC"},
      {"5.6", "FILLS", "- VIA V1 + OPC ( 0 0 ) ;", 6554,
       "The VIA OPC is available in version 5.7 or later.\nHowever, your DEF file is defined "
       "with version 5.6.", "OPC"},
      {"5.7", "FILLS", "- LAYER M1 + MASK 1 RECT ( 0 0 ) ( 1 1 ) ;", 7415, k7415, "1"},
      {"5.7", "BLOCKAGES", "- LAYER M1 + MASK 1 RECT ( 0 0 ) ( 1 1 ) ;", 7415, k7415, "1", true},
  };
  for (const auto& c : cases) {
    SetUp();
    if (c.withoutEntryCallbacks) defrSetBlockageCbk(nullptr);
    const std::string section = c.section;
    EXPECT_EQ(read(c.version, section + " 1 ;\n" + c.entry + "\nEND " + section + "\n"), 1);
    EXPECT_EQ(calls(), std::vector<std::string>{section == "FILLS" ? "91 1" : "85 1"});
    EXPECT_EQ(errors(), format("ERROR (DEFPARS-%d): %s Error in file t.def at line 4, on token "
                               "%s.\nUpdate the def file before parsing the file again.\n",
                               c.num, c.text, c.token))
        << c.entry;
  }
}

// The 21st error ends the read, even inside an option refused for its version.
TEST_F(Shapes, TooManyErrorsEndTheRead) {
  std::string entry = "- LAYER M1";
  for (int i = 0; i < 21; i++) entry += " + EXCEPTPGNET";
  EXPECT_EQ(read("5.6", "BLOCKAGES 1 ;\n" + entry + " RECT ( 0 0 ) ( 1 1 ) ;\nEND BLOCKAGES\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{"85 1"});
  const std::string last = "ERROR (DEFPARS-6011): Too many syntax errors have been reported. "
                           "Error in file t.def at line 4, on token EXCEPTPGNET.\nUpdate the def "
                           "file before parsing the file again.\n";
  EXPECT_EQ(errors().substr(errors().size() - last.size()), last);
}

TEST_F(Shapes, OldPolygonsAreDroppedOrReportedEveryTime) {
  EXPECT_EQ(read("5.5", "BLOCKAGES 1 ;\n- PLACEMENT POLYGON ( 0 0 ) ( 1 0 ) ( 1 1 ) ;\n"
                        "END BLOCKAGES\nSLOTS 1 ;\n"
                        "- LAYER M1 RECT ( 0 0 ) ( 1 1 ) POLYGON ( 0 0 ) ( 1 0 ) ( 1 1 ) ;\n"
                        "END SLOTS\n"),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"85 1", "86 BLOCKAGE PLACEMENT PARTIAL 0:-1",
                                               "87", "88 1", "89 SLOT M1 RECT 0,0 1,1", "90"}));
  EXPECT_EQ(errors(), "");

  SetUp();
  EXPECT_EQ(read("5.5", "FILLS 1 ;\n- LAYER M1 POLYGON ( 0 0 ) ( 1 0 ) ( 1 1 ) "
                        "POLYGON ( 0 0 ) ( 2 0 ) ( 2 2 ) ;\nEND FILLS\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{"91 1"});
  const char* text = "ERROR (DEFPARS-6564): POLYGON statement in FILLS LAYER is a version 5.6 "
                     "and later syntax.\nYour def file is defined with version 5.5. Error in "
                     "file t.def at line 4, on token %s.\nUpdate the def file before parsing "
                     "the file again.\n";
  EXPECT_EQ(errors(), format(text, "POLYGON") + format(text, ";"));
}

TEST_F(Shapes, WithoutTheEntryCallbacksNothingIsChecked) {
  defrSetBlockageCbk(nullptr);
  defrSetFillCbk(nullptr);
  EXPECT_EQ(read("5.5", "BLOCKAGES 1 ;\n- LAYER M1 + SPACING 2 + PUSHDOWN + SLOTS "
                        "RECT ( 0 0 ) ( 1 1 ) ;\nEND BLOCKAGES\nFILLS 1 ;\n"
                        "- LAYER M1 + OPC POLYGON ( 0 0 ) ( 1 0 ) ( 1 1 ) ;\nEND FILLS\n"),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"85 1", "87", "91 1", "93"}));
  EXPECT_EQ(errors(), "");
}

TEST_F(Shapes, BadRectangleIndexWarningsAreNotCounted) {
  defrSetTotalMsgLimit(1);
  defrSetBlockageCbk([](defrCallbackType_e, defiBlockage* b, void*) {
    calls().push_back(std::to_string(b->xl(-1) + b->yh(1)));
    return 0;
  });
  defrSetFillCbk([](defrCallbackType_e, defiFill* f, void*) {
    calls().push_back(std::to_string(f->xh(3)));
    return 0;
  });
  EXPECT_EQ(read("5.8", "BLOCKAGES 1 ;\n- LAYER M1 RECT ( 7 7 ) ( 9 9 ) ;\nEND BLOCKAGES\n"
                        "FILLS 1 ;\n- LAYER M1 RECT ( 7 7 ) ( 9 9 ) ;\nEND FILLS\nbogus ;\n"),
            1);
  EXPECT_EQ(calls(), (std::vector<std::string>{"85 1", "0", "87", "91 1", "0", "93"}));
  EXPECT_EQ(errors(), "bad index for blockage xlbad index for blockage yhbad index for Fill xh"
                      "ERROR (DEFPARS-5500): Def parser has encountered an error in file t.def "
                      "at line 9, on token bogus.\nProblem can be syntax error on the def file "
                      "or an invalid parameter name.\nDouble check the syntax on the def file "
                      "with the LEFDEF Reference Manual.\n");
}

// The fill of a via is handed out at its last point, before the ';'.
TEST_F(Shapes, FillViaCallbackReturningOneEndsTheReadQuietly) {
  defrSetFillCbk([](defrCallbackType_e, defiFill* f, void*) {
    calls().push_back(f->viaName());
    return 1;
  });
  EXPECT_EQ(read("5.8", "FILLS 2 ;\n- VIA V1 ( 0 0 ) END FILLS\n"), 1);
  EXPECT_EQ(calls(), (std::vector<std::string>{"91 2", "V1"}));
  EXPECT_EQ(errors(), "");
}

TEST_F(Shapes, ThreeHundredFillViaPointsReadWithoutExhaustingTheStack) {
  std::string body = "FILLS 1 ;\n- VIA V1";
  std::string pts;
  for (int i = 0; i < 300; i++) {
    body += format(" ( %d %d )", i, -i);
    pts += format(" %d,%d", i, -i);
  }
  EXPECT_EQ(read("5.8", body + " ;\nEND FILLS\n"), 0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"91 1", "92 FILL VIA V1 MASK 000 PTS" + pts,
                                               "93"}));
  EXPECT_EQ(errors(), "");
}

}  // namespace
}  // namespace sections

using DefiShapesTest = DefiTest;

TEST_F(DefiShapesTest, SlotRectangleIndexIsAnErrorPointListsAreSilent) {
  LefDefParser::defiSlot slot(data());
  slot.addRect(1, 2, 3, 4);
  EXPECT_EQ(slot.yh(0), 4);
  EXPECT_EQ(slot.xl(1), 0);
  EXPECT_EQ(errors(), std::vector<std::string>{
                          "ERROR (DEFPARS-6160): The index number 1 specified for the SLOT "
                          "RECTANGLE is invalid.\nValid index number is from 0 to 1. Specify a "
                          "valid index number and then try again."});

  LefDefParser::defiFill fill(data());
  LefDefParser::defiGeometries g(data());
  g.startList(5, 6);
  fill.addPts(&g);
  fill.addPolygon(&g);
  for (auto p : {fill.getViaPts(1), fill.getViaPts(-1), fill.getPolygon(1), slot.getPolygon(0)})
    EXPECT_TRUE(p.numPoints == 0 && p.x == nullptr && p.y == nullptr);
  EXPECT_EQ(errors().size(), 1u);
}
