// The PROPERTYDEFINITIONS statement: what the Prop callbacks receive and the
// type tables that later PROPERTY statements take their types from.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMacro.h"
#include "lef/lefiProp.h"
#include "lef/lefrReadFixture.h"
#include "lef/lefrSettings.h"

namespace {

using LefDefParser::lefiProp;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

int propCbk(lefrCallbackType_e type, lefiProp* prop, void*) {
  std::string line = "prop " + std::to_string(type) + " " + prop->propType() + " " +
                     prop->propName() + " " + prop->dataType();
  if (prop->hasRange()) line += " range " + num(prop->left()) + " " + num(prop->right());
  if (prop->hasNumber()) line += " number " + num(prop->number());
  if (prop->hasString()) line += std::string(" string ") + prop->string();
  if (prop->hasNameMapString()) line += " namemap";
  journal(line);
  return 0;
}

int beginCbk(lefrCallbackType_e type, void*, void*) {
  journal("begin " + std::to_string(type));
  return 0;
}

int endCbk(lefrCallbackType_e type, void*, void*) {
  journal("end " + std::to_string(type));
  return 0;
}

// The properties of a macro and of its pins with their type letters.
int macroCbk(lefrCallbackType_e, LefDefParser::lefiMacro* macro, void*) {
  for (int i = 0; i < macro->numProperties(); i++)
    journal(std::string("macro prop ") + macro->propName(i) + " " + macro->propValue(i) + " " +
            macro->propType(i));
  return 0;
}

int pinCbk(lefrCallbackType_e, LefDefParser::lefiPin* pin, void*) {
  for (int i = 0; i < pin->numProperties(); i++)
    journal(std::string("pin prop ") + pin->propName(i) + " " + pin->propValue(i) + " " +
            pin->propType(i));
  return 0;
}

const char* const kDefinitions =
    "VERSION 5.8 ;\n"
    "PROPERTYDEFINITIONS\n"
    "  LAYER myProp INTEGER RANGE 1 10 ;\n"
    "  MACRO area REAL 2.5 ;\n"
    "  PIN tag STRING \"abc\" ;\n"
    "  VIA kind NAMEMAPSTRING ABC ;\n"
    "  LIBRARY libName STRING ;\n"
    "  COMPONENTPIN cp INTEGER 7 ;\n"
    "  VIARULE vr REAL RANGE 0.5 1.5 ;\n"
    "  NONDEFAULTRULE nd STRING ;\n"
    "END PROPERTYDEFINITIONS\n";

using PropDefsTest = lefTest::LefReadTest;

TEST_F(PropDefsTest, EachDefinitionReachesThePropCallbackBetweenBeginAndEnd) {
  LefDefParser::lefrSetPropBeginCbk(beginCbk);
  LefDefParser::lefrSetPropCbk(propCbk);
  LefDefParser::lefrSetPropEndCbk(endCbk);
  EXPECT_EQ(read(std::string(kDefinitions) + "END LIBRARY\n"), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            (Lines{"begin 8", "prop 9 layer myProp I range 1 10", "prop 9 macro area R number 2.5",
                   "prop 9 pin tag Q string abc", "prop 9 via kind N string ABC namemap",
                   "prop 9 library libName S", "prop 9 componentpin cp I number 7",
                   "prop 9 viarule vr R range 0.5 1.5", "prop 9 nondefaultrule nd S", "end 10"}));
}

TEST_F(PropDefsTest, TablesAreFilledWithoutAPropCallback) {
  EXPECT_EQ(read(std::string(kDefinitions) + "END LIBRARY\n"), 0);
  const LefDefParser::lefrProps& tables = LefDefParser::lefSettings->lefProps;
  EXPECT_EQ(tables.lefrLayerProp.propType("myProp"), 'I');
  EXPECT_EQ(tables.lefrMacroProp.propType("area"), 'R');
  EXPECT_EQ(tables.lefrPinProp.propType("tag"), 'Q');
  EXPECT_EQ(tables.lefrViaProp.propType("kind"), 'S');
  EXPECT_EQ(tables.lefrLibProp.propType("libName"), 'S');
  EXPECT_EQ(tables.lefrCompProp.propType("cp"), 'I');
  EXPECT_EQ(tables.lefrViaRuleProp.propType("vr"), 'R');
  EXPECT_EQ(tables.lefrNondefProp.propType("nd"), 'S');
  // Each name went to its own kind's table only.
  EXPECT_EQ(tables.lefrMacroProp.propType("myProp"), 'N');
}

TEST_F(PropDefsTest, PropertiesOfMacrosAndPinsTakeTheDefinedTypes) {
  LefDefParser::lefrSetMacroCbk(macroCbk);
  LefDefParser::lefrSetPinCbk(pinCbk);
  EXPECT_EQ(read(std::string(kDefinitions) + "MACRO m1\n"
                                             "  PROPERTY area 3 undefinedName x ;\n"
                                             "  PIN a\n"
                                             "    PROPERTY tag \"q r\" area 1.25 ;\n"
                                             "  END a\n"
                                             "END m1\n"
                                             "END LIBRARY\n"),
            0);
  // area is a macro property, so on the pin it is undefined ('N').
  EXPECT_EQ(calls(), (Lines{"pin prop tag q r Q", "pin prop area 1.25 N", "macro prop area 3 R",
                            "macro prop undefinedName x N"}));
}

TEST_F(PropDefsTest, APropertyNameSpellingAKeywordIsAName) {
  LefDefParser::lefrSetPropCbk(propCbk);
  EXPECT_EQ(read("VERSION 5.8 ;\nPROPERTYDEFINITIONS\n  MACRO LAYER STRING ;\nEND "
                 "PROPERTYDEFINITIONS\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), Lines{"prop 9 macro LAYER S"});
}

int stopCbk(lefrCallbackType_e, lefiProp*, void*) { return 5; }

TEST_F(PropDefsTest, ACallbackResultEndsTheRead) {
  LefDefParser::lefrSetPropCbk(stopCbk);
  LefDefParser::lefrSetPropEndCbk(endCbk);
  EXPECT_EQ(read(std::string(kDefinitions) + "END LIBRARY\n"), 5);
  EXPECT_EQ(calls(), Lines{});
}

}  // namespace
