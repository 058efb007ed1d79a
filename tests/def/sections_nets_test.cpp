// NETS: connections, options, wiring paths element by element, subnets, and where a
// finished path goes.
#include "sections_fixture.h"

namespace sections {
namespace {

class Nets : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetNetStartCbk(recordInt);
    defrSetNetCbk(record<defiNet>);
    defrSetNetNameCbk(recordText);
    defrSetNetNonDefaultRuleCbk(recordText);
    defrSetNetSubnetNameCbk(recordText);
    defrSetNetEndCbk(recordVoid);
  }
};

TEST_F(Nets, ConnectionsOptionsAndPathsAreKeptWithTheNet) {
  defrSetAddPathToNet();
  EXPECT_EQ(readData("nets.def"), 0);
  std::vector<std::string> expected = {
      "15 5",
      "17 n1",
      "18 wide",
      "16 NET n1 (* A) (PIN p1) (i1 A SYN) SOURCE TEST FIXEDBUMP FREQUENCY 100.5 ORIGINAL n0 "
      "PATTERN STEINER WEIGHT 2 XTALK 3 ESTCAP 1.25 USE CLOCK STYLE 4 NONDEFAULTRULE wide "
      "SHIELDNET VSS WIRE ROUTED { L:M1 P:100,200 P:100,500 V:V12 P:300,500 } "
      "{ L:M2 T P:300,500 F:300,800,10 C:002 V:V23 O:N } "
      "{ L:M3 R:rule1 Y:2 P:11,-11 M:3 P:20,-11 E:-1,0,1,2 M:2 E:-1,-1,1,1 U:30,-11 } "
      "{ L:M1 P:0,0 T } width=2:R#2 other=x y:N",
      // A net named like a keyword, connections spelling keywords and numbers.
      "17 NEW",
      "16 NET NEW (i7 NEW) (NEW ROUTED) (7 N) WIRE FIXED { L:M1 P:1,1 } { L:M1 P:2,2 }",
      "16 NET  (i9 Z MUSTJOIN)",
      "17 n4",
      "19 sub1",
      "16 NET n4 VPIN vp1 M2 -5,-5 5,5 P 10,10 6 SUBNET sub1 (i1 B) (i2 C SYN) NONDEFAULTRULE "
      "ndr WIRE ROUTED { L:M1 P:0,0 P:0,10 } { L:M2 P:0,10 P:5,10 } "
      "WIRE NOSHIELD { L:M3 P:1,2 P:3,2 }",
      "17 n5",
      "16 NET n5",
      "20",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
  EXPECT_EQ(warnings(), "WARNING (DEFPARS-7010): The PropName other is not defined for NET. "
                        "See file nets.def at line 15.\n");
}

const char kRoutedNet[] =
    "VERSION 5.8 ;\nDESIGN d ;\nNETS 1 ;\n- a ( i1 A ) + ROUTED M1 ( 100 200 ) ( * 500 ) V12 "
    "( 300 * ) NEW M2 ( 300 500 ) ( 300 900 ) ;\nEND NETS\nEND DESIGN\n";

TEST_F(Nets, WithoutPathsInTheNetThePathCallbackGetsEachPath) {
  defrSetPathCbk(record<defiPath>);
  EXPECT_EQ(defrtest::readText(kRoutedNet), 0);
  std::vector<std::string> expected = {
      "15 1",
      "17 a",
      "21 { L:M1 P:100,200 P:100,500 V:V12 P:300,500 }",
      "21 { L:M2 P:300,500 P:300,900 }",
      "16 NET a (i1 A) WIRE ROUTED",
      "20",
  };
  EXPECT_EQ(calls(), expected);
}

// A '*' takes the coordinate of the point before, across NEW too; an extension makes a
// flush point, after a MASK too; halves round away from zero.
TEST_F(Nets, RepeatedCoordinatesAndFlushPoints) {
  defrSetPathCbk(record<defiPath>);
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nNETS 1 ;\n- a + ROUTED M1 ( 10 20 ) "
                               "( * * ) ( 40 * 5 ) ( * 60 7 ) ( * 70.5 ) ( 1.5 * )\n"
                               "  NEW M2 ( * * 3 ) ( -2.5 * ) MASK 2 ( 6 7 8 ) MASK 1 ( * * 9 )"
                               " ;\nEND NETS\nEND DESIGN\n"),
            0);
  std::vector<std::string> expected = {
      "15 1",
      "17 a",
      "21 { L:M1 P:10,20 P:10,20 F:40,20,5 F:40,60,7 P:40,71 P:2,71 }",
      "21 { L:M2 F:2,71,3 P:-3,71 M:2 F:6,7,8 M:1 F:6,7,9 }",
      "16 NET a WIRE ROUTED",
      "20",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

TEST_F(Nets, WithoutTheNetCallbackOnlyTheNameIsHandedOut) {
  defrUnsetNetCbk();
  defrSetPathCbk(record<defiPath>);
  EXPECT_EQ(defrtest::readText(kRoutedNet), 0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"15 1", "17 a", "20"}));
}

TEST_F(Nets, AViaArrayIsRefusedInARegularNet) {
  defrSetAddPathToNet();
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nNETS 1 ;\n- a + ROUTED M1 ( 0 0 ) "
                               "VIA1 DO 2 BY 3 STEP 10 10 ;\nEND NETS\nEND DESIGN\n"),
            1);
  EXPECT_EQ(calls(), (std::vector<std::string>{"15 1", "17 a"}));
  EXPECT_EQ(errors(), "ERROR (DEFPARS-6567): The VIA DO statement is defined in the NET "
                      "statement and is invalid.\nRemove this statement from your DEF file and "
                      "try again. Error in file t.def at line 4, on token 10.\nUpdate the def "
                      "file before parsing the file again.\n");
}

// Points after a point or a name, a '*' after them, and a second net whose longer texts
// do not fit the blocks of the first net's paths.
TEST_F(Nets, PathsOfConsecutiveNets) {
  defrSetAddPathToNet();
  const std::string layer(60, 'L'), via(60, 'V');
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nNETS 2 ;\n- a + ROUTED M1 ( 1 2 ) "
                               "( 3 4 ) ( * 5 ) V12 ( 6 7 ) NEW M2 ( 8 9 ) ( * 10 ) NEW M3\t( 11\t12 )"
                               " ;\n- b + ROUTED " + layer + " ( 13 14 ) ( -15 * ) " + via +
                               " ;\nEND NETS\nEND DESIGN\n"),
            0);
  std::vector<std::string> expected = {
      "15 2",
      "17 a",
      "16 NET a WIRE ROUTED { L:M1 P:1,2 P:3,4 P:3,5 V:V12 P:6,7 } { L:M2 P:8,9 P:8,10 } "
      "{ L:M3 P:11,12 }",
      "17 b",
      "16 NET b WIRE ROUTED { L:" + layer + " P:13,14 P:-15,14 V:" + via + " }",
      "20",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
}

// The message names the token after the point and the line it is on.
TEST_F(Nets, AStrayParenthesisAfterAPoint) {
  defrSetAddPathToNet();
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nNETS 1 ;\n- a + ROUTED M1 ( 1 2 )\n"
                               "  ( 3 4 ) ) ;\nEND NETS\nEND DESIGN\n"),
            1);
  EXPECT_EQ(errors().rfind("ERROR (DEFPARS-5500): Def parser has encountered an error in file "
                           "t.def at line 5, on token ).\n",
                           0),
            0u)
      << errors();
}

TEST_F(Nets, APathWithoutItsLayerIsAnError) {
  defrSetAddPathToNet();
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nNETS 1 ;\n- a + ROUTED TAPER "
                               "( 0 0 ) ( 5 0 ) ;\nEND NETS\nEND DESIGN\n"),
            1);
  EXPECT_NE(errors().find("ERROR (DEFPARS-6531): The layerName which is required in path is "
                          "missing. Include the layerName in the path and then try again."),
            std::string::npos)
      << errors();
}

TEST_F(Nets, OldFilesRefuseNewOptionsButStoreThem) {
  defrSetAddPathToNet();
  EXPECT_EQ(defrtest::readText("VERSION 5.4 ;\nDESIGN d ;\nNETS 1 ;\n- a + FIXEDBUMP "
                               "+ FREQUENCY 2 ;\nEND NETS\nEND DESIGN\n"),
            1);
  EXPECT_EQ(errors(),
            "ERROR (DEFPARS-6530): The FIXEDBUMP statement is available in version 5.5 and "
            "later.\nHowever, your DEF file is defined with version 5.4. Error in file t.def at "
            "line 4, on token FIXEDBUMP.\nUpdate the def file before parsing the file again.\n"
            "ERROR (DEFPARS-6558): The FREQUENCY statement is a version 5.5 and later syntax.\n"
            "However, your DEF file is defined with version 5.4 Error in file t.def at line 4, "
            "on token 2.\nUpdate the def file before parsing the file again.\n");
}

TEST_F(Nets, PathLayersAreReadAsNames) {
  defrSetAddPathToNet();
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nNETS 1 ;\n- n + ROUTED VIA ( 0 0 ) "
                               "NEW 12 ( 1 1 ) + NOSHIELD NETS ( 2 2 ) ;\nEND NETS\nEND DESIGN\n"),
            0);
  EXPECT_EQ(calls()[2],
            "16 NET n WIRE ROUTED { L:VIA P:0,0 } { L:12 P:1,1 } WIRE NOSHIELD { L:NETS P:2,2 }");
}

// A path far longer than the parser's 200-entry stacks.
TEST_F(Nets, ALongPathFitsInTheFixedStacks) {
  defrSetAddPathToNet();
  std::string def = "VERSION 5.8 ;\nDESIGN d ;\nNETS 1 ;\n- long + ROUTED M1 ( 0 0 )";
  for (int i = 1; i < 1000; i++) def += " ( * " + std::to_string(i) + " ) V" + std::to_string(i);
  def += " ;\nEND NETS\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(def), 0);
  ASSERT_EQ(calls().size(), 4u);
  const std::string& net = calls()[2];
  // 1000 points and 999 vias, the last of them at (0, 999).
  size_t points = 0, vias = 0;
  for (size_t at = net.find(" P:"); at != std::string::npos; at = net.find(" P:", at + 1)) points++;
  for (size_t at = net.find(" V:"); at != std::string::npos; at = net.find(" V:", at + 1)) vias++;
  EXPECT_EQ(points, 1000u);
  EXPECT_EQ(vias, 999u);
  EXPECT_NE(net.find("P:0,998 V:V998 P:0,999 V:V999 }"), std::string::npos);
  EXPECT_EQ(errors(), "");
}

}  // namespace
}  // namespace sections
