#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lef/lefiLayer.h"
#include "lef/lefrData.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::LefLogTest;
using lefTest::loggedTexts;

// The syntax parts of the texts, as the reader writes them.
const std::string kSpacingSyntax =
    "\"SPACING minSpacing [CENTERTOCENTER]\"\n\"[LAYER secondLayerName | ADJACENTCUTS "
    "{2|3|4} WITHIN cutWithin | PARALLELOVERLAP | AREA cutArea]\" or\n\"SPACING eolSpace "
    "ENDOFLINE eolWidth WITHIN eolWITHIN [PARALLELEDGE parSpace WITHIN parWithin "
    "[TOWEDGES]]\"\n";
const std::string kCutSpacingSyntax =
    "Correct syntax is \"SPACING cutSpacing [CENTERTOCENTER][SAMENET]\n\t[LAYER "
    "secondLayerName[STACK]\n\t| ADJACENTCUTS {2 | 3 | 4} WITHIN cutWithin "
    "[EXCEPTSAMEPGNET]\n\t| PARALLELOVERLAP\n\t| AREA cutArea ;\"";
const std::string kArraySyntax =
    "Correct syntax is ARRAYSPACING [LONGARRAY] [WIDTH viaWidth] CUTSPACING cutSpacing\n"
    "\tARRAYCUTS arrayCuts SPACING arraySpacing ...\n";
const std::string kMinstepSyntax =
    "Correct syntax is \"MINSTEP minStepLength [MAXEDGES maxEdges] [MINADJACENTLENGTH "
    "minAdjLength | MINBETWEENLENGTH minBetweenLength [EXCEPTSAMECORNERS]] ;\"\n";
const std::string kEnclosureSyntax =
    "\nCorrect syntax is \"ENCLOSURE [ABOVE|BELOW] overhang1 overhang2\n\t[WIDTH minWidth "
    "[EXCEPTEXTRACUT cutWithin]\n\t|LENGTH minLength] ;\"\n";

class LefiLayerParseTest : public LefLogTest {
 protected:
  void SetUp() override {
    LefLogTest::SetUp();
    lefData->fileName = "tech.lef";
    lefData->lineNumber = 12;
    strcpy(lefData->currentToken, "END");
  }

  // A layer of the given TYPE holding one string property; the log empty.
  void load(const char* type, const char* propName, const char* value) {
    loggedTexts().clear();
    layer.setName("L1");
    layer.setType(type);
    layer.addProp(propName, value, 'S');
  }

  // The log after one text of the re-parsers, framed by the reader.
  static std::vector<std::string> only(int num, const std::string& text) {
    return {"ERROR (LEFPARS-" + std::to_string(num) + "): " + text +
            " Error in file tech.lef at line 12, on token END.\n"};
  }
  static std::string wrongType(const std::string& prop, const std::string& value,
                               const char* allowed, const char* type) {
    return "The property " + prop + " with value " + value + " is for TYPE " + allowed +
           " only.\nThe current layer has the TYPE " + type +
           ".\nUpdate the property of your lef file with the correct syntax or remove this "
           "property from your lef file.\n";
  }

  lefiLayer layer;
};

TEST_F(LefiLayerParseTest, SpacingRulesOfCutLayers) {
  load("CUT", "LEF57_SPACING",
       "SPACING 0.1 CENTERTOCENTER SAMENET ; SPACING 0.2 LAYER V2 STACK ; "
       "SPACING 0.3 PARALLELOVERLAP ; SPACING 0.4 AREA 0.05 ; "
       "SPACING 0.5 ADJACENTCUTS 3 WITHIN 0.6 EXCEPTSAMEPGNET ; SPACING 0.7 LAYER V3 ;");
  layer.parseSpacing(0);
  EXPECT_TRUE(logged().empty());
  ASSERT_EQ(layer.numSpacing(), 6);
  EXPECT_EQ(layer.hasSpacingCenterToCenter(0) + layer.hasSpacingSamenet(0), 2);
  EXPECT_STREQ(layer.spacingName(1), "V2");
  EXPECT_EQ(layer.hasSpacingLayerStack(1), 1);
  EXPECT_EQ(layer.hasSpacingParallelOverlap(2), 1);
  EXPECT_DOUBLE_EQ(layer.spacingArea(3), 0.05);
  EXPECT_EQ(layer.hasSpacingAdjacent(4), 1);
  EXPECT_EQ(layer.spacingAdjacentCuts(4), 3);
  EXPECT_DOUBLE_EQ(layer.spacingAdjacentWithin(4), 0.6);
  EXPECT_EQ(layer.hasSpacingAdjacentExcept(4), 1);
  EXPECT_STREQ(layer.spacingName(5), "V3");
  EXPECT_EQ(layer.hasSpacingLayerStack(5), 0);
  EXPECT_DOUBLE_EQ(layer.spacing(5), 0.7);
}

TEST_F(LefiLayerParseTest, EndOfLineRulesOfRoutingLayers) {
  load("ROUTING", "LEF57_SPACING",
       "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.05 ; SPACING 0.3 ENDOFLINE 0.25 WITHIN 0.06 "
       "PARALLELEDGE 0.1 WITHIN 0.15 TWOEDGES ;");
  layer.parseSpacing(0);
  EXPECT_TRUE(logged().empty());
  ASSERT_EQ(layer.numSpacing(), 2);
  EXPECT_DOUBLE_EQ(layer.spacing(0), 0.1);
  EXPECT_DOUBLE_EQ(layer.spacingEolWidth(0), 0.2);
  EXPECT_DOUBLE_EQ(layer.spacingEolWithin(0), 0.05);
  EXPECT_EQ(layer.hasSpacingParellelEdge(0) + layer.hasSpacingTwoEdges(0), 0);
  EXPECT_DOUBLE_EQ(layer.spacing(1), 0.3);
  EXPECT_EQ(layer.hasSpacingEndOfLine(1), 1);
  EXPECT_DOUBLE_EQ(layer.spacingParSpace(1), 0.1);
  EXPECT_DOUBLE_EQ(layer.spacingParWithin(1), 0.15);
  EXPECT_EQ(layer.hasSpacingTwoEdges(1), 1);
}

TEST_F(LefiLayerParseTest, SpacingValuesThatStopEarly) {
  const std::string either = "Correct syntax is either " + kSpacingSyntax;
  const std::string plain = "Correct syntax is " + kSpacingSyntax;
  const std::string cutOnly = "CUT";
  struct Case {
    const char* type;
    const char* value;
    int rules;  // stored before the parse ended
    int msg;    // 0: none
    const std::string* tail;
  } cases[] = {
      {"ROUTING", "SPACING", 0, 0, nullptr},
      {"ROUTING", "SPACING 0.1 SAMEMETAL", 0, 0, nullptr},
      {"ROUTING", "LAYER M1", 0, 0, nullptr},
      {"ROUTING", "SPACING 0.1", 0, 1305, &either},
      {"ROUTING", "SPACING 0.1 ;", 0, 1305, &either},
      {"ROUTING", "SPACING 0.1 ENDOFLINE", 0, 1305, &either},
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 WITHIN", 0, 1305, &either},
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 0.3 ;", 0, 1305, &either},
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.3", 0, 0, nullptr},
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.3 PARALLELEDGE 0.1 WITHIN", 0, 1305,
       &plain},
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.3 PARALLELEDGE 0.1 WITHIN 0.2", 0, 1305,
       &plain},
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.3 PARALLELEDGE 0.1 0.2 ;", 0, 1305,
       &plain},
      // An unknown option drops its rule; the next rule is read.
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.3 TWOEDGES ; SPACING 0.5 ENDOFLINE 0.2 "
                  "WITHIN 0.3 ;",
       1, 0, nullptr},
      {"ROUTING", "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.3 PARALLELEDGE 0.1 WITHIN 0.2 TWOEDGES "
                  "EXTRA ; SPACING 0.5 ENDOFLINE 0.2 WITHIN 0.3 ;",
       1, 0, nullptr},
      {"ROUTING", "SPACING 0.2 ADJACENTCUTS 3 WITHIN 0.3 ;", 0, 1321, &cutOnly},
      {"CUT", "SPACING 0.1 ENDOFLINE 0.2 WITHIN 0.3 ;", 0, 1322, nullptr},
      // The rule is opened before its options are read.
      {"CUT", "SPACING 0.2 ADJACENTCUTS 5 WITHIN 0.3 ;", 1, 1320, nullptr},
      {"CUT", "SPACING 0.2 ADJACENTCUTS 2 0.3 ;", 1, 1320, nullptr},
      {"CUT", "SPACING 0.1 LAYER", 1, 0, nullptr},
      {"CUT", "SPACING 0.1 CENTERTOCENTER", 1, 0, nullptr},
      {"CUT", "SPACING 0.1 LAYER V1", 1, 1320, nullptr},
      {"CUT", "SPACING 0.1 LAYER V1 STACK", 1, 1320, nullptr},
      {"CUT", "SPACING 0.1 ADJACENTCUTS", 1, 1320, nullptr},
      {"CUT", "SPACING 0.1 ADJACENTCUTS 2 WITHIN", 1, 1320, nullptr},
      {"CUT", "SPACING 0.1 ADJACENTCUTS 2 WITHIN 0.1 EXCEPTSAMEPGNET", 1, 1320, nullptr},
      {"CUT", "SPACING 0.1 AREA", 1, 1320, nullptr},
      {"CUT", "SPACING 0.1 PARALLELOVERLAP", 1, 1320, nullptr},
  };
  for (const Case& c : cases) {
    load(c.type, "LEF57_SPACING", c.value);
    layer.parseSpacing(0);
    EXPECT_EQ(layer.numSpacing(), c.rules) << c.value;
    std::string head =
        std::string("Incorrect syntax defined for property LEF57_SPACING: ") + c.value + ".\n";
    std::vector<std::string> expected;
    if (c.msg == 1305) expected = only(1305, head + *c.tail);
    if (c.msg == 1320) expected = only(1320, head + kCutSpacingSyntax);
    if (c.msg == 1321) expected = only(1321, wrongType("LEF57_SPACING", c.value, "CUT", c.type));
    if (c.msg == 1322)
      expected = only(1322, wrongType("LEF57_SPACING", c.value, "ROUTING", c.type));
    EXPECT_EQ(logged(), expected) << c.value;
    if (c.rules == 1 && c.msg == 0 && c.type[0] == 'R') {
      EXPECT_DOUBLE_EQ(layer.spacing(0), 0.5) << c.value;
      EXPECT_EQ(layer.hasSpacingTwoEdges(0), 0) << c.value;
    }
  }
}

TEST_F(LefiLayerParseTest, ArraySpacing) {
  load("CUT", "LEF57_ARRAYSPACING",
       "ARRAYSPACING WIDTH 0.1 CUTSPACING 0.2 ARRAYCUTS 2 SPACING 1.0 ;");
  layer.parseArraySpacing(0);
  EXPECT_TRUE(logged().empty());
  EXPECT_EQ(layer.hasLongArray(), 0);
  EXPECT_DOUBLE_EQ(layer.viaWidth(), 0.1);
  EXPECT_DOUBLE_EQ(layer.cutSpacing(), 0.2);
  ASSERT_EQ(layer.numArrayCuts(), 1);
  EXPECT_EQ(layer.arrayCuts(0), 2);
  EXPECT_DOUBLE_EQ(layer.arraySpacing(0), 1.0);

  load("CUT", "LEF57_ARRAYSPACING",
       "ARRAYSPACING LONGARRAY CUTSPACING 0.3 ARRAYCUTS 2 SPACING 1 ARRAYCUTS 4 SPACING 2 ;");
  layer.parseArraySpacing(0);
  EXPECT_TRUE(logged().empty());
  EXPECT_EQ(layer.hasLongArray(), 1);
  EXPECT_EQ(layer.hasViaWidth(), 0);
  ASSERT_EQ(layer.numArrayCuts(), 2);
  EXPECT_EQ(layer.arrayCuts(1), 4);
}

TEST_F(LefiLayerParseTest, ArraySpacingMessages) {
  struct Case {
    const char* value;
    int msg;
    std::string text;   // after the value
    double cutSpacing;  // what was stored before the message
  } cases[] = {
      {"SPACING 1 ;", 1307, ".\n", 0.0},
      {"ARRAYSPACING CUTSPACING 0.2 LONGARRAY ;", 1308,
       ".\nLONGARRAY is defined after CUTSPACING.\n", 0.2},
      {"ARRAYSPACING CUTSPACING 0.2 WIDTH 0.1 ;", 1309, ".\nWIDTH is defined after CUTSPACING.\n",
       0.2},
      {"ARRAYSPACING CUTSPACING 0.2 CUTSPACING 0.3 ;", 1310,
       ".\nCUTSPACING has defined more than once.\n", 0.2},
      {"ARRAYSPACING ARRAYCUTS 2 SPACING 1 ;", 1311,
       ".\nCUTSPACING which is required is either has not been defined or defined in a wrong "
       "location.\n",
       0.0},
      {"ARRAYSPACING CUTSPACING 0.2 ARRAYCUTS 2 WIDTH 1 ;", 1312,
       ".\nSPACING should be defined with ARRAYCUTS.\n", 0.2},
      {"ARRAYSPACING CUTSPACING 0.2 FOO ;", 1313, ".\n", 0.2},
      {"ARRAYSPACING CUTSPACING 0.2", 1313, ".\n", 0.2},
      {"ARRAYSPACING CUTSPACING 0.2 ;", 1314, "\nARRAYCUTS is required but has not been defined.\n",
       0.2},
  };
  for (const Case& c : cases) {
    load("CUT", "LEF57_ARRAYSPACING", c.value);
    layer.parseArraySpacing(0);
    std::string head = c.msg == 1312 ? "Incorrect syntax defined for  property "
                                     : "Incorrect syntax defined for property ";
    EXPECT_EQ(logged(), only(c.msg, head + "LEF57_ARRAYSPACING: " + c.value + c.text + kArraySyntax))
        << c.value;
    EXPECT_DOUBLE_EQ(layer.cutSpacing(), c.cutSpacing) << c.value;
    EXPECT_EQ(layer.numArrayCuts(), 0) << c.value;
  }
}

TEST_F(LefiLayerParseTest, Minstep) {
  load("ROUTING", "LEF57_MINSTEP", "MINSTEP 0.05 MINBETWEENLENGTH 0.1 EXCEPTSAMECORNERS ;");
  layer.addProp("LEF57_MINSTEP", "MINSTEP 0.1 MAXEDGES 2 MINADJACENTLENGTH 0.3 ;", 'S');
  layer.addProp("LEF57_MINSTEP", "MINSTEP 0 ;", 'S');  // a length of 0 adds nothing
  for (int i = 0; i < 3; i++) layer.parseMinstep(i);
  EXPECT_TRUE(logged().empty());
  ASSERT_EQ(layer.numMinstep(), 2);
  EXPECT_DOUBLE_EQ(layer.minstep(0), 0.05);
  EXPECT_DOUBLE_EQ(layer.minstepMinBetLength(0), 0.1);
  EXPECT_EQ(layer.hasMinstepXSameCorners(0), 1);
  EXPECT_EQ(layer.hasMinstepMaxedges(0) + layer.hasMinstepMinAdjLength(0), 0);
  EXPECT_EQ(layer.minstepMaxedges(1), 2);
  EXPECT_DOUBLE_EQ(layer.minstepMinAdjLength(1), 0.3);
  EXPECT_EQ(layer.hasMinstepXSameCorners(1) + layer.hasMinstepMinBetLength(1), 0);
}

TEST_F(LefiLayerParseTest, MinstepMessages) {
  // Form 1 ends the value with ".", form 2 does not, form 3 also starts
  // lower-case.
  struct Case {
    const char* value;
    int form;
  } cases[] = {
      {"MINSTEP 0.1 FOO ;", 1},
      {"STEP 0.1 ;", 1},
      {"MINSTEP 0.05 EXCEPTSAMECORNERS ;", 2},
      {"MINSTEP 0.1 MAXEDGES 2 MAXEDGES 3 ;", 2},
      {"MINSTEP 0.1 MINADJACENTLENGTH 0.1 MINBETWEENLENGTH 0.2 ;", 2},
      {"MINSTEP 0.1 MINBETWEENLENGTH 0.1 MINADJACENTLENGTH 0.2 ;", 2},
      {"MINSTEP 0.1 MAXEDGES 2", 3},
      {"MINSTEP", 3},
      {"MINSTEP 0.1 MAXEDGES", 3},
  };
  for (const Case& c : cases) {
    load("ROUTING", "LEF57_MINSTEP", c.value);
    layer.parseMinstep(0);
    std::string text = std::string(c.form == 3 ? "i" : "I") +
                       "ncorrect syntax defined for property LEF57_MINSTEP: " + c.value +
                       (c.form == 1 ? ".\n" : "\n") + kMinstepSyntax;
    EXPECT_EQ(logged(), only(1315, text)) << c.value;
    EXPECT_EQ(layer.numMinstep(), 0) << c.value;
  }
  load("CUT", "LEF57_MINSTEP", "MINSTEP 0.1 ;");
  layer.parseMinstep(0);
  EXPECT_EQ(logged(), only(1323, wrongType("LEF57_MINSTEP", "MINSTEP 0.1 ;", "ROUTING", "CUT")));
}

// A value far longer than any fixed message buffer arrives whole.
TEST_F(LefiLayerParseTest, MessagesCarryTheWholeValue) {
  std::string value = "MINSTEP 0.1 " + std::string(3000, 'X') + " ;";
  load("ROUTING", "LEF57_MINSTEP", value.c_str());
  layer.parseMinstep(0);
  EXPECT_EQ(logged(), only(1315, "Incorrect syntax defined for property LEF57_MINSTEP: " + value +
                                     ".\n" + kMinstepSyntax));
}

TEST_F(LefiLayerParseTest, AntennaFactorsGoToOxide1OrAreReported) {
  struct Case {
    const char* name;
    const char* value;
    void (lefiLayer::*parse)(int);
    int msg;  // 0: stored
    const char* syntax;
  } cases[] = {
      {"LEF57_ANTENNACUMROUTINGPLUSCUT", "ANTENNACUMROUTINGPLUSCUT",
       &lefiLayer::parseAntennaCumRouting, 0, nullptr},
      {"LEF57_ANTENNAGATEPLUSDIFF", "ANTENNAGATEPLUSDIFF 2.5", &lefiLayer::parseAntennaGatePlus, 0,
       nullptr},
      {"LEF57_ANTENNAAREAMINUSDIFF", "ANTENNAAREAMINUSDIFF 0.7", &lefiLayer::parseAntennaAreaMinus,
       0, nullptr},
      {"LEF57_ANTENNACUMROUTINGPLUSCUT", "ANTENNACUMROUTING", &lefiLayer::parseAntennaCumRouting,
       1316, "\"ANTANNACUMROUTINGPLUSCUT\""},
      {"LEF57_ANTENNAGATEPLUSDIFF", "ANTENNAGATEPLUSDIFF", &lefiLayer::parseAntennaGatePlus, 1317,
       "\"ANTENNAGATEPLUSDIFF plusDiffFactor\""},
      {"LEF57_ANTENNAGATEPLUSDIFF", "GATEPLUSDIFF 1", &lefiLayer::parseAntennaGatePlus, 1317,
       "\"ANTENNAGATEPLUSDIFF plusDiffFactor\""},
      {"LEF57_ANTENNAAREAMINUSDIFF", "ANTENNAAREAMINUS 1", &lefiLayer::parseAntennaAreaMinus, 1318,
       "\"ANTENNAAREAMINUSDIFF minusDiffFactor\""},
  };
  for (const Case& c : cases) {
    load("ROUTING", c.name, c.value);
    (layer.*c.parse)(0);
    if (c.msg) {
      EXPECT_EQ(logged(), only(c.msg, std::string("Incorrect syntax defined for property ") +
                                          c.name + ": " + c.value + ".\nCorrect syntax is " +
                                          c.syntax + "\n"))
          << c.value;
      EXPECT_EQ(layer.numAntennaModel(), 0) << c.value;
      continue;
    }
    EXPECT_TRUE(logged().empty()) << c.value;
    ASSERT_EQ(layer.numAntennaModel(), 1) << c.value;
    lefiAntennaModel* m = layer.antennaModel(0);
    EXPECT_STREQ(m->antennaOxide(), "OXIDE1");
    char kind = c.name[13];  // C(umRouting), G(atePlus), A(reaMinus)
    EXPECT_EQ(m->hasAntennaCumRoutingPlusCut(), kind == 'C' ? 1 : 0) << c.value;
    EXPECT_EQ(m->hasAntennaGatePlusDiff(), kind == 'G' ? 1 : 0) << c.value;
    EXPECT_EQ(m->hasAntennaAreaMinusDiff(), kind == 'A' ? 1 : 0) << c.value;
    if (kind == 'G') {
      EXPECT_DOUBLE_EQ(m->antennaGatePlusDiff(), 2.5);
    } else if (kind == 'A') {
      EXPECT_DOUBLE_EQ(m->antennaAreaMinusDiff(), 0.7);
    }
  }
}

TEST_F(LefiLayerParseTest, AreaDiffReduceTable) {
  load("ROUTING", "LEF57_ANTENNAAREADIFFREDUCEPWL",
       "ANTENNAAREADIFFREDUCEPWL ( ( 0.1 0.2 ) ( 0.3 0.4 ) ( 0.5 0.6 ) )");
  layer.parseAntennaAreaDiff(0);
  EXPECT_TRUE(logged().empty());
  ASSERT_EQ(layer.numAntennaModel(), 1);
  lefiAntennaPWL* pwl = layer.antennaModel(0)->antennaAreaDiffReducePWL();
  ASSERT_NE(pwl, nullptr);
  ASSERT_EQ(pwl->numPWL(), 3);
  EXPECT_DOUBLE_EQ(pwl->PWLdiffusion(0), 0.1);
  EXPECT_DOUBLE_EQ(pwl->PWLratio(2), 0.6);

  // A pair or a table left open, or no table at all: reported, nothing kept.
  for (const char* v : {"ANTENNAAREADIFFREDUCEPWL ( ( 0.1 0.2 ( 0.3 0.4 ) )",
                        "ANTENNAAREADIFFREDUCEPWL ( ( 0.1 0.2 )", "ANTENNAAREADIFFREDUCEPWL ( ( 0.1",
                        "ANTENNAAREADIFFREDUCEPWL 0.1 0.2", "AREADIFFREDUCEPWL ( ( 0.1 0.2 ) )"}) {
    load("ROUTING", "LEF57_ANTENNAAREADIFFREDUCEPWL", v);
    layer.parseAntennaAreaDiff(0);
    EXPECT_EQ(layer.numAntennaModel(), 0) << v;
    EXPECT_EQ(logged(), only(1319, std::string("Incorrect syntax defined for property "
                                               "LEF57_ANTENNAAREADIFFREDUCEPWL: ") +
                                       v +
                                       ".\nCorrect syntax is \"ANTENNAAREADIFFREDUCEPWL (( "
                                       "diffArea1 metalDiffFactor1 ) ( diffArea2 "
                                       "metalDiffFactor2 )...)\"\n"))
        << v;
  }
}

TEST_F(LefiLayerParseTest, Enclosure) {
  load("CUT", "LEF57_ENCLOSURE", "ENCLOSURE ABOVE 0.01 0.02 WIDTH 0.1 EXCEPTEXTRACUT 0.2 ;");
  layer.addProp("LEF57_ENCLOSURE", "ENCLOSURE 0.03 0.04 LENGTH 0.3 ;", 'S');
  // These two end without storing anything and without a message.
  layer.addProp("LEF57_ENCLOSURE", "ENCLOSURE CUTCLASS VA 0.1 0.1 ;", 'S');
  layer.addProp("LEF57_ENCLOSURE",
                "ENCLOSURE 0.01 0.02 WIDTH 0.1 EXCEPTEXTRACUT 0.2 NOSHAREDEDGE ;", 'S');
  for (int i = 0; i < 4; i++) layer.parseLayerEnclosure(i);
  EXPECT_TRUE(logged().empty());
  ASSERT_EQ(layer.numEnclosure(), 2);
  EXPECT_STREQ(layer.enclosureRule(0), "ABOVE");
  EXPECT_DOUBLE_EQ(layer.enclosureOverhang1(0), 0.01);
  EXPECT_DOUBLE_EQ(layer.enclosureOverhang2(0), 0.02);
  EXPECT_DOUBLE_EQ(layer.enclosureMinWidth(0), 0.1);
  EXPECT_DOUBLE_EQ(layer.enclosureExceptExtraCut(0), 0.2);
  EXPECT_EQ(layer.hasEnclosureMinLength(0), 0);
  EXPECT_EQ(layer.hasEnclosureRule(1), 0);
  EXPECT_EQ(layer.hasEnclosureWidth(1), 0);
  EXPECT_DOUBLE_EQ(layer.enclosureMinLength(1), 0.3);
}

TEST_F(LefiLayerParseTest, EnclosureMessages) {
  // The second text lacks the bracket after cutWithin.
  std::string noBracket = kEnclosureSyntax;
  noBracket.erase(noBracket.find("cutWithin]") + 9, 1);
  struct Case {
    const char* value;
    const std::string* tail;
  } cases[] = {
      {"ENCLOSURE 0.01 0.02 WIDTH 0.1 LENGTH 0.3 ;", &noBracket},
      {"ENCLOSURE LENGTH 0.3 0.01 0.02 ;", &noBracket},
      {"ENCLOSURE WIDTH 0.1 0.01 0.02 ;", &kEnclosureSyntax},
      {"ENCLOSURE 0.01 0.02 BELOW ;", &kEnclosureSyntax},
      {"ENCLOSURE 0.01 0.02 0.03 ;", &kEnclosureSyntax},
      {"ENCLOSURE ABOVE ;", &kEnclosureSyntax},
      {"ENCLOSURE 0.01 0.02", &kEnclosureSyntax},
      {"ENCLOSURE 0.01", &kEnclosureSyntax},
      {"SPACING 0.01 0.02 ;", &kEnclosureSyntax},
  };
  for (const Case& c : cases) {
    load("CUT", "LEF57_ENCLOSURE", c.value);
    layer.parseLayerEnclosure(0);
    EXPECT_EQ(layer.numEnclosure(), 0) << c.value;
    EXPECT_EQ(logged(), only(1330, std::string("Incorrect syntax defined for property "
                                               "LEF57_ENCLOSURE: ") +
                                       c.value + *c.tail))
        << c.value;
  }
  load("ROUTING", "LEF57_ENCLOSURE", "ENCLOSURE 0.01 0.02 ;");
  layer.parseLayerEnclosure(0);
  EXPECT_EQ(logged(),
            only(1331, wrongType("LEF57_ENCLOSURE", "ENCLOSURE 0.01 0.02 ;", "CUT", "ROUTING")));
}

TEST_F(LefiLayerParseTest, Lef58TypeAgainstTheReadersTypePairs) {
  load("ROUTING", "LEF58_TYPE", "TYPE MIMCAP ;");
  layer.parseLayerType(0);
  EXPECT_TRUE(logged().empty());
  EXPECT_STREQ(layer.layerType(), "MIMCAP");
  load("CUT", "LEF58_TYPE", "TYPE\tTSV;");
  layer.parseLayerType(0);
  EXPECT_TRUE(logged().empty());
  EXPECT_STREQ(layer.layerType(), "TSV");

  load("MASTERSLICE", "LEF58_TYPE", "TYPE MIMCAP ;");
  layer.parseLayerType(0);
  EXPECT_EQ(layer.hasLayerType(), 0);
  EXPECT_EQ(logged(),
            only(1327, "Property LEF58_TYPE has incorrect TYPE value: 'MIMCAP'. For TYPE "
                       "MASTERSLICE layers valid values are: ABOVEDIEEDGE, BELOWDIEEDGE, "
                       "DIFFUSION, MEOL, NWELL, PWELL, TRIMMETAL, TRIMPOLY.\n"));
  load("IMPLANT", "LEF58_TYPE", "TYPE NWELL ;");
  layer.parseLayerType(0);
  EXPECT_EQ(logged(), only(1328, "Layers with TYPE IMPLANT cannot have LEF58_TYPE property.\n"));
  load("CUT", "LEF58_TYPE", "TYPO TSV ;");
  layer.parseLayerType(0);
  EXPECT_EQ(logged(), only(1329, "Incorrect LEF58_TYPE property value syntax: 'TYPO TSV ;'. "
                                 "Correct syntax: 'TYPE <type> ;'.\n"));
}

TEST_F(LefiLayerParseTest, EntryPointsDispatchByNameTypeAndVersion) {
  struct Case {
    double version;
    int need58;
    int rules;  // of each LEF57 kind
    int lef58;
  } cases[] = {{5.5, 0, 0, 0}, {5.6, 0, 1, 0}, {5.7, 1, 1, 1}, {5.8, 1, 1, 1}};
  for (const Case& c : cases) {
    lefData->versionNum = c.version;
    layer.setName("M1");
    layer.setType("ROUTING");
    layer.addProp("LEF57_MINSTEP", "MINSTEP 0.1 ;", 'S');
    layer.addProp("LEF57_SPACING", "SPACING 0.2 ENDOFLINE 0.1 WITHIN 0.1 ;", 'S');
    layer.addProp("LEF57_MINSTEP", "MINSTEP 0.3 ;", 'R');  // not a string property
    layer.addProp("LEF57_", "MINSTEP 0.4 ;", 'S');
    layer.addProp("LEF57_OTHER", "MINSTEP 0.5 ;", 'S');
    layer.addProp("LEF58_TYPE", "TYPE MIMCAP ;", 'S');
    EXPECT_EQ(layer.need58PropsProcessing(), c.need58) << c.version;
    layer.parse65nmRules();
    layer.parseLEF58Layer();
    EXPECT_EQ(layer.numMinstep(), c.rules) << c.version;
    EXPECT_DOUBLE_EQ(layer.minstep(0), c.rules ? 0.1 : 0.0) << c.version;
    EXPECT_EQ(layer.numSpacing(), c.rules) << c.version;
    EXPECT_EQ(layer.hasLayerType(), c.lef58) << c.version;
  }
}

}  // namespace
}  // namespace LefDefParser
