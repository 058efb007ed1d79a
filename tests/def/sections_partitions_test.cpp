// FLOORPLANCONSTRAINTS and PARTITIONS: constraint parts by side, partition members with their
// names read as names, and the one identity a partition keeps for all its members.
#include "def/defiFPC.h"
#include "def/defiPartition.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

namespace sections {

std::string describe(const defiFPC& f) {
  std::string out = format("FPC %s %c%s%s%s%s", f.name(),
                           f.isVertical() ? 'V' : f.isHorizontal() ? 'H' : '-',
                           f.hasAlign() ? " ALIGN" : "", f.hasMin() ? " MIN" : "",
                           f.hasMax() ? " MAX" : "", f.hasEqual() ? " EQUAL" : "");
  if (f.hasMin() || f.hasMax() || f.hasEqual())
    out += format(" %g/%g/%g", f.alignMin(), f.alignMax(), f.equal());
  for (int i = 0; i < f.numParts(); i++) {
    int corner = 0, kind = 0;
    char* name = nullptr;
    f.getPart(i, &corner, &kind, &name);
    out += format(" (%c %c %s)", corner, kind, name);
  }
  return out;
}

std::string describe(const defiPartition& p) {
  std::string out = format("PARTITION %s %c %s %s/%s%s%s%s%s%s%s", p.name(), p.direction(),
                           p.itemType(), p.instName(), p.pinName(),
                           p.isSetupRise() ? " SETUPRISE" : "", p.isSetupFall() ? " SETUPFALL" : "",
                           p.isHoldRise() ? " HOLDRISE" : "", p.isHoldFall() ? " HOLDFALL" : "",
                           p.hasMin() ? " MIN" : "", p.hasMax() ? " MAX" : "");
  if (p.hasMin() || p.hasMax()) out += format(" %g %g", p.partitionMin(), p.partitionMax());
  if (p.hasRiseMin()) out += format(" RISEMIN %g", p.riseMin());
  if (p.hasFallMin()) out += format(" FALLMIN %g", p.fallMin());
  if (p.hasRiseMax()) out += format(" RISEMAX %g", p.riseMax());
  if (p.hasFallMax()) out += format(" FALLMAX %g", p.fallMax());
  if (p.hasRiseMinRange()) out += format(" RISEMIN %g:%g", p.riseMinLeft(), p.riseMinRight());
  if (p.hasFallMinRange()) out += format(" FALLMIN %g:%g", p.fallMinLeft(), p.fallMinRight());
  if (p.hasRiseMaxRange()) out += format(" RISEMAX %g:%g", p.riseMaxLeft(), p.riseMaxRight());
  if (p.hasFallMaxRange()) out += format(" FALLMAX %g:%g", p.fallMaxLeft(), p.fallMaxRight());
  for (int i = 0; i < p.numPins(); i++) out += format(" %s%s", i ? "" : "PINS ", p.pin(i));
  return out;
}

namespace {

class Partitions : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetFPCStartCbk(recordInt);
    defrSetFPCCbk(record<defiFPC>);
    defrSetFPCEndCbk(recordVoid);
    defrSetPartitionsStartCbk(recordInt);
    defrSetPartitionCbk(record<defiPartition>);
    defrSetPartitionsEndCbk(recordVoid);
    defrSetPartitionsExtCbk(recordText);
  }
  static int read(const std::string& sections) {
    return defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\n" + sections + "END DESIGN\n");
  }
};

TEST_F(Partitions, FloorplanConstraintsKeepTheirPartsBySide) {
  EXPECT_EQ(read("FLOORPLANCONSTRAINTS 3 ;\n"
                 "- C1 HORIZONTAL ALIGN + BOTTOMLEFT ( ROWS r1 ) ( COMPS c1 ) + TOPRIGHT "
                 "( ROWS r2 ) ;\n- C2 VERTICAL MIN 5 ;\n"
                 "- ALIGN VERTICAL EQUAL 2.5 + TOPRIGHT ( comps VERTICAL ) ( rows 7 ) "
                 "+ BOTTOMLEFT ;\n- C4 HORIZONTAL MAX -3 ;\nEND FLOORPLANCONSTRAINTS\n"),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{
                         "73 3", "74 FPC C1 H ALIGN (B R r1) (B C c1) (T R r2)",
                         "74 FPC C2 V MIN 5/5/5",
                         "74 FPC ALIGN V EQUAL 2.5/2.5/2.5 (T C VERTICAL) (T R 7)",
                         "74 FPC C4 H MAX -3/-3/-3", "75"}));
  EXPECT_EQ(errors(), "");
}

// A component part is introduced by the keyword COMPONENTS or by the word COMPS, either in
// any case and on either side.
TEST_F(Partitions, ComponentPartsTakeComponentsOrComps) {
  struct Case {
    const char* rule;
    const char* described;
  } cases[] = {
      {"- C1 HORIZONTAL ALIGN + BOTTOMLEFT ( COMPONENTS u1 ) ;", "74 FPC C1 H ALIGN (B C u1)"},
      {"- C2 HORIZONTAL ALIGN + TOPRIGHT ( COMPONENTS u2 ) ;", "74 FPC C2 H ALIGN (T C u2)"},
      {"- C3 VERTICAL ALIGN + BOTTOMLEFT ( COMPS u3 ) ;", "74 FPC C3 V ALIGN (B C u3)"},
      {"- C4 VERTICAL ALIGN + TOPRIGHT ( Comps u4 ) ;", "74 FPC C4 V ALIGN (T C u4)"},
      {"- C5 VERTICAL ALIGN + TOPRIGHT ( components u5 ) ( ROWS r1 ) ( COMPS u6 ) "
       "+ BOTTOMLEFT ( COMPONENTS COMPONENTS ) ( comps COMPS ) ;",
       "74 FPC C5 V ALIGN (T C u5) (T R r1) (T C u6) (B C COMPONENTS) (B C COMPS)"},
  };
  std::string section = "FLOORPLANCONSTRAINTS 5 ;\n";
  std::vector<std::string> expected = {"73 5"};
  for (const Case& c : cases) {
    section += std::string(c.rule) + "\n";
    expected.push_back(c.described);
  }
  expected.push_back("75");
  EXPECT_EQ(read(section + "END FLOORPLANCONSTRAINTS\n"), 0);
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

TEST_F(Partitions, APartKindOtherThanRowsOrCompsIsASyntaxError) {
  EXPECT_EQ(read("FLOORPLANCONSTRAINTS 1 ;\n- C1 HORIZONTAL ALIGN + TOPRIGHT ( CELLS c1 ) ;\n"
                 "END FLOORPLANCONSTRAINTS\n"),
            1);
  EXPECT_EQ(calls(), (std::vector<std::string>{"73 1"}));
  EXPECT_EQ(errors(), "ERROR (DEFPARS-5500): Def parser has encountered an error in file t.def "
                      "at line 4, on token CELLS.\nProblem can be syntax error on the def file "
                      "or an invalid parameter name.\nDouble check the syntax on the def file "
                      "with the LEFDEF Reference Manual.\n");
}

// The members of a partition share one identity, the last member's, and add up their
// values and pins; names that spell keywords or numbers are names.
TEST_F(Partitions, MembersWriteIntoOneRecord) {
  EXPECT_EQ(read("PARTITIONS 4 ;\n"
                 "- P1 TURNOFF SETUPRISE HOLDFALL + FROMIOPIN IN1 RISEMIN 0.1 ;\n"
                 "- P2 + FROMCLOCKPIN u1 CK RISE MIN 1 2 MAX 3 4 PINS p1 p2 p3 p4 p5 p6 p7 p8 "
                 "p9 p10 p11 p12 ;\n"
                 "- P3 TURNOFF HOLDRISE + TOCOMPPIN u2 A RISEMIN 1 2 FALLMAX 3 4 "
                 "+ TOIOPIN Y FALLMAX 6 ;\n"
                 "- PIN + TOCLOCKPIN PIN clk FALL PINS Y IN 7 + BEGINEXT \"tag\" x ENDEXT ;\n"
                 "- P5 TURNOFF SETUPFALL + FROMCOMPPIN 12 MAX RISEMAX 0 1 FALLMIN 2 3 ;\n"
                 "END PARTITIONS\n"),
            0);
  EXPECT_EQ(calls(),
            (std::vector<std::string>{
                "79 4",
                "80 PARTITION P1 F IO /IN1 SETUPRISE HOLDFALL RISEMIN 0.1",
                "80 PARTITION P2 F CLOCK u1/CK MIN MAX 3 4 PINS p1 p2 p3 p4 p5 p6 p7 p8 p9 p10 "
                "p11 p12",
                "80 PARTITION P3 T IO /Y HOLDRISE FALLMAX 6 RISEMIN 1:2 FALLMAX 3:4",
                "32  \"tag\" x ENDEXT",
                "80 PARTITION PIN T CLOCK PIN/clk PINS Y IN 7",
                "80 PARTITION P5 F COMP 12/MAX SETUPFALL FALLMIN 2:3 RISEMAX 0:1",
                "81"}));
  EXPECT_EQ(errors(), "");
}

TEST_F(Partitions, LongPartAndPinListsFitTheParserStacks) {
  std::string fpc = "- F HORIZONTAL ALIGN + TOPRIGHT", part = "74 FPC F H ALIGN";
  std::string partition = "- P + FROMCLOCKPIN i p RISE PINS";
  std::string pins = "80 PARTITION P F CLOCK i/p PINS";
  for (int i = 0; i < 300; i++) {
    const std::string n = std::to_string(i);
    fpc += " ( COMPS c" + n + " )";
    part += " (T C c" + n + ")";
    partition += " q" + n;
    pins += " q" + n;
  }
  EXPECT_EQ(read("FLOORPLANCONSTRAINTS 1 ;\n" + fpc + " ;\nEND FLOORPLANCONSTRAINTS\n" +
                 "PARTITIONS 1 ;\n" + partition + " ;\nEND PARTITIONS\n"),
            0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"73 1", part, "75", "79 1", pins, "81"}));
  EXPECT_EQ(errors(), "");
}

using DefiPartitionTest = DefiTest;

TEST_F(DefiPartitionTest, BadLettersAndIndexes) {
  defiPartition p(data());
  p.setName("P");
  p.addTurnOff("X", "R");
  p.addPin("a");
  EXPECT_EQ(sections::describe(p), "PARTITION P   BOGUS / HOLDRISE PINS a");
  EXPECT_EQ(p.pin(1), nullptr);
  EXPECT_EQ(p.pin(-1), nullptr);
  defiFPC f(data());
  f.setName("F", "DIAGONAL");
  EXPECT_EQ(sections::describe(f), "FPC F -");
  EXPECT_EQ(errors(), (std::vector<std::string>{
                          "ERROR (DEFPARS-6100): The value spefified for PARTITION SETUP is "
                          "invalid. The valid value for SETUP is 'R' or 'F'. Specify a valid "
                          "value for SETUP and then try again.",
                          "ERROR (DEFPARS-6030): Invalid direction specified with FPC name. The "
                          "valid direction is either 'H' or 'V'. Specify a valid value and then "
                          "try again."}));
  // Out-arguments are written only for an existing part.
  int corner = 1, kind = 2;
  char* name = nullptr;
  f.getPart(0, &corner, &kind, &name);
  EXPECT_EQ(corner + kind, 3);
  EXPECT_EQ(name, nullptr);
}

}  // namespace
}  // namespace sections
