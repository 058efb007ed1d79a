// Geometry statements in PORT and OBS: the items the callbacks receive and
// the messages of the layer, mask and value rules.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lef/lefiVia.h"
#include "lef/lefrData.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiGeometries;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

std::string points(int n, const double* x, const double* y) {
  std::string s;
  for (int i = 0; i < n; i++) s += " " + num(x[i]) + "," + num(y[i]);
  return s;
}

std::string step(double xs, double ys, double xt, double yt) {
  return " do " + num(xs) + " by " + num(ys) + " step " + num(xt) + " " + num(yt);
}

// One journal line per item.
void journalItems(const char* what, const lefiGeometries* g) {
  journal(what);
  for (int i = 0; i < g->numItems(); i++) {
    std::string line = " ";
    switch (g->itemType(i)) {
      case LefDefParser::lefiGeomLayerE:
        line += std::string("layer ") + g->getLayer(i);
        break;
      case LefDefParser::lefiGeomClassE:
        line += std::string("class ") + g->getClass(i);
        break;
      case LefDefParser::lefiGeomLayerExceptPgNetE:
        line += "exceptpgnet";
        break;
      case LefDefParser::lefiGeomLayerMinSpacingE:
        line += "spacing " + num(g->getLayerMinSpacing(i));
        break;
      case LefDefParser::lefiGeomLayerRuleWidthE:
        line += "rulewidth " + num(g->getLayerRuleWidth(i));
        break;
      case LefDefParser::lefiGeomWidthE:
        line += "width " + num(g->getWidth(i));
        break;
      case LefDefParser::lefiGeomPathE: {
        auto* p = g->getPath(i);
        line += "path mask " + std::to_string(p->colorMask) + points(p->numPoints, p->x, p->y);
        break;
      }
      case LefDefParser::lefiGeomPathIterE: {
        auto* p = g->getPathIter(i);
        line += "pathiter mask " + std::to_string(p->colorMask) + points(p->numPoints, p->x, p->y) +
                step(p->xStart, p->yStart, p->xStep, p->yStep);
        break;
      }
      case LefDefParser::lefiGeomRectE: {
        auto* r = g->getRect(i);
        line += "rect mask " + std::to_string(r->colorMask) + " " + num(r->xl) + " " + num(r->yl) +
                " " + num(r->xh) + " " + num(r->yh);
        break;
      }
      case LefDefParser::lefiGeomRectIterE: {
        auto* r = g->getRectIter(i);
        line += "rectiter mask " + std::to_string(r->colorMask) + " " + num(r->xl) + " " +
                num(r->yl) + " " + num(r->xh) + " " + num(r->yh) +
                step(r->xStart, r->yStart, r->xStep, r->yStep);
        break;
      }
      case LefDefParser::lefiGeomPolygonE: {
        auto* p = g->getPolygon(i);
        line += "polygon mask " + std::to_string(p->colorMask) + points(p->numPoints, p->x, p->y);
        break;
      }
      case LefDefParser::lefiGeomPolygonIterE: {
        auto* p = g->getPolygonIter(i);
        line += "polygoniter mask " + std::to_string(p->colorMask) +
                points(p->numPoints, p->x, p->y) + step(p->xStart, p->yStart, p->xStep, p->yStep);
        break;
      }
      case LefDefParser::lefiGeomViaE: {
        auto* v = g->getVia(i);
        line += std::string("via ") + v->name + " mask " + std::to_string(v->topMaskNum) +
                std::to_string(v->cutMaskNum) + std::to_string(v->bottomMaskNum) + " " + num(v->x) +
                " " + num(v->y);
        break;
      }
      case LefDefParser::lefiGeomViaIterE: {
        auto* v = g->getViaIter(i);
        line += std::string("viaiter ") + v->name + " mask " + std::to_string(v->topMaskNum) +
                std::to_string(v->cutMaskNum) + std::to_string(v->bottomMaskNum) + " " + num(v->x) +
                " " + num(v->y) + step(v->xStart, v->yStart, v->xStep, v->yStep);
        break;
      }
      default:
        line += "unexpected item " + std::to_string(g->itemType(i));
    }
    journal(line);
  }
}

int obsCbk(lefrCallbackType_e, LefDefParser::lefiObstruction* obs, void*) {
  journalItems("obs", obs->geometries());
  return 0;
}

int pinCbk(lefrCallbackType_e, LefDefParser::lefiPin* pin, void*) {
  for (int p = 0; p < pin->numPorts(); p++) journalItems("port", pin->port(p));
  return 0;
}

class GeometryTest : public lefTest::LefReadTest {
 protected:
  // A macro of the given version around the statements.
  static std::string macro(const char* version, const std::string& statements) {
    return std::string("VERSION ") + version + " ;\nMACRO m\n" + statements +
           "END m\nEND LIBRARY\n";
  }
};

TEST_F(GeometryTest, EveryItemKindReachesTheObstructionCallbackInOrder) {
  LefDefParser::lefrSetObstructionCbk(obsCbk);
  const char* obs =
      "  OBS\n"
      "    LAYER metal1 EXCEPTPGNET SPACING 0.2 ;\n"
      "    WIDTH 0.1 ;\n"
      "    PATH 0 0 1 0 1 1 ;\n"
      "    PATH MASK 2 ITERATE 0 0 0 1 DO 3 BY 1 STEP 2 0 ;\n"
      "    LAYER metal2 DESIGNRULEWIDTH 0.5 ;\n"
      "    RECT MASK 1 ( 0 0 ) ( 1 2 ) ;\n"
      "    RECT ITERATE 0 0 1 1 DO 2 BY 2 STEP 5 5 ;\n"
      "    POLYGON 0 0 1 0 1 1 0 1 ;\n"
      "    POLYGON MASK 3 ITERATE 0 0 2 0 2 2 DO 1 BY 4 STEP 0 3 ;\n"
      "    VIA MASK 123 0.5 0.5 via12 ;\n"
      "    VIA ITERATE 0 0 via23 DO 2 BY 3 STEP 1 1 ;\n"
      "  END\n";
  EXPECT_EQ(read(macro("5.8", obs)), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(warnings(), Lines{});
  EXPECT_EQ(
      calls(),
      (Lines{"obs", " layer metal1", " exceptpgnet", " spacing 0.2", " width 0.1",
             " path mask 0 0,0 1,0 1,1", " pathiter mask 2 0,0 0,1 do 3 by 1 step 2 0",
             " layer metal2", " rulewidth 0.5", " rect mask 1 0 0 1 2",
             " rectiter mask 0 0 0 1 1 do 2 by 2 step 5 5", " polygon mask 0 0,0 1,0 1,1 0,1",
             " polygoniter mask 3 0,0 2,0 2,2 do 1 by 4 step 0 3", " via via12 mask 123 0.5 0.5",
             " viaiter via23 mask 000 0 0 do 2 by 3 step 1 1"}));
}

TEST_F(GeometryTest, AnEmptyObsCallsNoCallback) {
  LefDefParser::lefrSetObstructionCbk(obsCbk);
  EXPECT_EQ(read(macro("5.8", "  OBS\n  END\n")), 0);
  EXPECT_EQ(calls(), Lines{});
}

TEST_F(GeometryTest, MaskedRectIsStoredFrom58) {
  LefDefParser::lefrSetObstructionCbk(obsCbk);
  EXPECT_EQ(read(macro("5.8", "  OBS\n    LAYER m1 ;\n    RECT MASK 2 0 0 1 1 ;\n  END\n")), 0);
  EXPECT_EQ(calls(), (Lines{"obs", " layer m1", " rect mask 2 0 0 1 1"}));
}

// Blocking errors of the geometry rules. Each case: the version, the
// statements of the macro, the callbacks (Pin, Obstruction) to register and
// the error expected.
struct GeometryErrorCase {
  const char* name;
  const char* version;
  const char* statements;
  bool callbacks;
  const char* error;
};

class GeometryErrorTest : public GeometryTest,
                          public ::testing::WithParamInterface<GeometryErrorCase> {};

TEST_P(GeometryErrorTest, Reports) {
  if (GetParam().callbacks) {
    LefDefParser::lefrSetObstructionCbk(obsCbk);
    LefDefParser::lefrSetPinCbk(pinCbk);
  }
  EXPECT_EQ(read(macro(GetParam().version, GetParam().statements)), 1);
  EXPECT_EQ(errors(), Lines{GetParam().error});
  EXPECT_EQ(calls(), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GeometryErrorTest,
    ::testing::Values(
        GeometryErrorCase{"RectBeforeLayerInPort", "5.8",
                          "  PIN p\n    PORT\n      RECT 0 0 1 1 ;\n    END\n  END p\n", true,
                          "ERROR (LEFPARS-1701): A LAYER statement is missing in Geometry.\nLAYER "
                          "is a required statement before any geometry can be defined. Error in "
                          "file test.lef at line 5, on token ;.\n"},
        GeometryErrorCase{"MaskedRectIn57", "5.7",
                          "  OBS\n    LAYER m1 ;\n    RECT MASK 2 0 0 1 1 ;\n  END\n", true,
                          "ERROR (LEFPARS-2083): Color mask information can only be defined with "
                          "version 5.8. Error in file test.lef at line 5, on token ;.\n"},
        GeometryErrorCase{"MaskedViaIn57", "5.7", "  OBS\n    VIA MASK 1 0 0 v1 ;\n  END\n", true,
                          "ERROR (LEFPARS-2083): Color mask information can only be defined with "
                          "version 5.8. Error in file test.lef at line 4, on token ;.\n"},
        GeometryErrorCase{"NegativeSpacing", "5.8",
                          "  OBS\n    LAYER m1 SPACING -1 ;\n    RECT 0 0 1 1 ;\n  END\n", true,
                          "ERROR (LEFPARS-1659): THE SPACING statement has the value -1 in MACRO "
                          "OBS.\nValue has to be 0 or greater. Error in file test.lef at line 4, "
                          "on token -1.\n"},
        GeometryErrorCase{"NegativeRuleWidth", "5.8",
                          "  OBS\n    LAYER m1 DESIGNRULEWIDTH -0.5 ;\n  END\n", true,
                          "ERROR (LEFPARS-1660): THE DESIGNRULEWIDTH statement has the value -0.5 "
                          "in MACRO OBS.\nValue has to be 0 or greater. Error in file test.lef at "
                          "line 4, on token -0.5.\n"},
        // A coordinate past the int range is reported on its own line, before
        // the rest of the point is read.
        GeometryErrorCase{"HugeFirstCoordinate", "5.8",
                          "  OBS\n    LAYER m1 ;\n    RECT 3000000000\n      0 1 1 ;\n  END\n",
                          true, "ERROR (LEFPARS-203) Number has exceeded the limit for an "
                          "integer. See file test.lef at line 5.\n"},
        GeometryErrorCase{"HugeCornerInParentheses", "5.8",
                          "  PIN p\n    PORT\n      LAYER m1 ;\n      RECT ( 0 0 ) ( 1\n"
                          "        -3000000000 ) ;\n    END\n  END p\n",
                          true, "ERROR (LEFPARS-203) Number has exceeded the limit for an "
                          "integer. See file test.lef at line 7.\n"},
        GeometryErrorCase{"ExceptPgNetIn56WithoutCallbacks", "5.6",
                          "  OBS\n    LAYER m1 EXCEPTPGNET ;\n  END\n", false,
                          "ERROR (LEFPARS-1699): EXCEPTPGNET is a version 5.7 or later "
                          "syntax.\nYour lef file is defined with version 5.6. Error in file "
                          "test.lef at line 4, on token EXCEPTPGNET.\n"}),
    [](const ::testing::TestParamInfo<GeometryErrorCase>& info) { return info.param.name; });

TEST_F(GeometryTest, ALayerWithoutShapeWarnsAtTheNextLayerWithoutCallbacks) {
  const char* port =
      "  PIN p\n    PORT\n      LAYER M1 ;\n      LAYER M2 ;\n      RECT 0 0 1 1 ;\n"
      "    END\n  END p\n";
  EXPECT_EQ(read(macro("5.8", port)), 0);
  EXPECT_EQ(warnings(), Lines{"WARNING (LEFPARS-2065): Either PATH, RECT or POLYGON statement is a "
                              "required in MACRO/PIN/PORT. See file test.lef at line 6.\n"});

  // Once the macro had an OBS, the text names MACRO/OBS, in the OBS as well
  // as in a later PORT.
  lefTest::readLog() = lefTest::ReadLog();
  const char* obs = "  OBS\n    LAYER M1 ;\n    LAYER M2 ;\n    RECT 0 0 1 1 ;\n  END\n";
  EXPECT_EQ(read(macro("5.8", std::string(obs) + port)), 0);
  EXPECT_EQ(
      warnings(),
      (Lines{"WARNING (LEFPARS-2076): Either PATH, RECT or POLYGON statement is a required in "
             "MACRO/OBS. See file test.lef at line 5.\n",
             "WARNING (LEFPARS-2076): Either PATH, RECT or POLYGON statement is a required in "
             "MACRO/OBS. See file test.lef at line 11.\n"}));
}

TEST_F(GeometryTest, LayerWarningsCountAgainstTheLayerLimit) {
  LefDefParser::lefrSetLayerWarnings(1);
  EXPECT_EQ(read(macro("5.8",
                       "  OBS\n    LAYER a ;\n    LAYER b ;\n    LAYER c ;\n    RECT 0 0 "
                       "1 1 ;\n  END\n")),
            0);
  EXPECT_EQ(warnings().size(), 1u);
}

TEST_F(GeometryTest, NegativeSpacingKeepsTheLayerWithoutIt) {
  LefDefParser::lefrSetObstructionCbk(obsCbk);
  EXPECT_EQ(read(macro("5.8", "  OBS\n    LAYER m1 SPACING -1 ;\n    RECT 0 0 1 1 ;\n  END\n")), 1);
  // The error blocks the callback, but the obstruction took the list over.
  EXPECT_EQ(calls(), Lines{});
  journalItems("obs", LefDefParser::lefData->obstruction.geometries());
  EXPECT_EQ(calls(), (Lines{"obs", " layer m1", " rect mask 0 0 0 1 1"}));
}

int viaCbk(lefrCallbackType_e, LefDefParser::lefiVia*, void*) { return 0; }

TEST_F(GeometryTest, AViaPolygonCutShortLeavesNoPointListBehind) {
  // A syntax error inside the via's POLYGON abandons it; the points of a
  // later PATH must still go to the OBS list.
  LefDefParser::lefrSetViaCbk(viaCbk);
  LefDefParser::lefrSetObstructionCbk(obsCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nVIA v1\n  LAYER m1 ;\n    POLYGON 0 0 1 0 1 1 = ;\nEND v1\n"
                 "MACRO m\n  OBS\n    LAYER m1 ;\n      PATH 0 0 5 0 ;\n  END\nEND m\nEND "
                 "LIBRARY\n"),
            1);
  ASSERT_FALSE(errors().empty());
  EXPECT_EQ(errors()[0].substr(0, 24), "ERROR (LEFPARS-1): Lef p");
  // The syntax error blocks the callback; the obstruction holds the list.
  journalItems("obs", LefDefParser::lefData->obstruction.geometries());
  EXPECT_EQ(calls(), (Lines{"obs", " layer m1", " path mask 0 0,0 5,0"}));
}

TEST_F(GeometryTest, PortItemsGoToThePinInOrderWithTheirClass) {
  LefDefParser::lefrSetPinCbk(pinCbk);
  EXPECT_EQ(read(macro("5.8",
                       "  PIN p\n    PORT\n      CLASS BUMP ;\n      LAYER m1 ;\n        "
                       "POLYGON 0 0 1 0 0 1 ;\n    END\n  END p\n")),
            0);
  EXPECT_EQ(calls(), (Lines{"port", " class BUMP", " layer m1", " polygon mask 0 0,0 1,0 0,1"}));
}

}  // namespace
