// &DEFINE statements and their expressions, and aliases, in whole reads.
#include <string>
#include <vector>

#include "lef/lefrData.h"
#include "lefrReadFixture.h"

namespace lefTest {
namespace {

using namespace LefDefParser;
using Lines = std::vector<std::string>;

const std::string kHeader55 =
    "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n";

int onGrid(lefrCallbackType_e, double v, void*) {
  char buf[64];
  snprintf(buf, sizeof(buf), "%g", v);
  journal(buf);
  return 0;
}
int onBusBit(lefrCallbackType_e, const char* v, void*) {
  journal(std::string("[") + v + "]");
  return 0;
}
int onArray(lefrCallbackType_e, lefiArray*, void*) { return 0; }

struct ExprCase {
  const char* name;
  const char* expression;
  const char* value;
};

class NumericDefines : public LefReadTest, public ::testing::WithParamInterface<ExprCase> {};

TEST_P(NumericDefines, GiveTheirValue) {
  lefrSetManufacturingCbk(onGrid);
  EXPECT_EQ(read(kHeader55 + "&DEFINE &x = " + GetParam().expression +
                 " ;\nMANUFACTURINGGRID &x ;\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), Lines{GetParam().value});
  EXPECT_TRUE(errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, NumericDefines,
    ::testing::Values(
        ExprCase{"parentheses", "2 * ( 3 + 4 )", "14"},
        ExprCase{"productFirst", "1 + 2 * 3", "7"},
        ExprCase{"leftToRight", "8 - 2 - 1", "5"},
        ExprCase{"division", "10 / 4", "2.5"},
        ExprCase{"negation", "- 2 + 5", "3"},
        ExprCase{"ifTrue", "IF 1 < 2 THEN 5 ELSE 6", "5"},
        ExprCase{"ifFalse", "IF 2 <= 1 THEN 5 ELSE 6", "6"},
        ExprCase{"ifNot", "IF NOT ( 1 > 2 ) THEN 1 ELSE 0", "1"},
        ExprCase{"stringLess", "IF \"ab\" < \"b\" THEN 1 ELSE 0", "1"},
        ExprCase{"stringEqual", "IF \"ab\" = \"ab\" THEN 1 ELSE 0", "1"},
        ExprCase{"emptyStringOr", "IF \"\" OR \"x\" THEN 1 ELSE 0", "1"},
        ExprCase{"emptyStringAnd", "IF \"\" AND \"x\" THEN 1 ELSE 0", "0"},
        ExprCase{"numberAnd", "IF 0 AND 1 THEN 1 ELSE 0", "0"},
        ExprCase{"numberOr", "IF 0 OR 2 THEN 1 ELSE 0", "1"},
        ExprCase{"booleanNotEqual", "IF TRUE <> FALSE THEN 1 ELSE 0", "1"},
        ExprCase{"greaterEqual", "IF 2 >= 2 THEN 1 ELSE 0", "1"}),
    [](const ::testing::TestParamInfo<ExprCase>& info) { return std::string(info.param.name); });

TEST_F(LefReadTest, BooleanDefineIsUsableInConditions) {
  lefrSetManufacturingCbk(onGrid);
  EXPECT_EQ(read(kHeader55 +
                 "&DEFINEB &b = NOT ( 1 > 2 ) ;\n"
                 "&DEFINEB &c = \"ab\" > \"b\" ;\n"
                 "&DEFINE &y = IF &b THEN 3 ELSE 4 ;\n"
                 "&DEFINE &z = IF &c THEN 3 ELSE 4 ;\n"
                 "MANUFACTURINGGRID &y ;\nMANUFACTURINGGRID &z ;\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"3", "4"}));
}

TEST_F(LefReadTest, StringDefineConcatenates) {
  lefrSetBusBitCharsCbk(onBusBit);
  EXPECT_EQ(read(kHeader55 + "&DEFINES &s = \"<\" + ( \">\" ) ;\nBUSBITCHARS &s ;\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"[[]]", "[<>]"}));
}

TEST_F(LefReadTest, StringDefineStillExpandsAfterOtherDefines) {
  lefrSetBusBitCharsCbk(onBusBit);
  EXPECT_EQ(read(kHeader55 + "&DEFINES &s = \"ab\" ;\n&DEFINE &n = 1 ;\n&DEFINEB &t = TRUE ;\n"
                             "BUSBITCHARS &s ;\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"[[]]", "[ab]"}));
}

TEST_F(LefReadTest, DefineMayEndAtTheLineEnd) {
  lefrSetManufacturingCbk(onGrid);
  EXPECT_EQ(read(kHeader55 +
                 "&DEFINE &x = IF 1 < 2\n7\n8\n"
                 "&DEFINE &y = 9\n"
                 "MANUFACTURINGGRID &x ;\nMANUFACTURINGGRID &y ;\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"7", "9"}));
  EXPECT_TRUE(errors().empty());
}

TEST_F(LefReadTest, MessageAndCreateFileHaveNoEffect) {
  EXPECT_EQ(read(kHeader55 + "&MESSAGE &m = \"hello\" ;\n&CREATEFILE &f = \"out\" ;\n"
                             "END LIBRARY\n"),
            0);
  EXPECT_TRUE(errors().empty());
}

TEST_F(LefReadTest, DefinesAreObsoleteFromFiveSix) {
  lefrSetArrayCbk(onArray);
  EXPECT_EQ(read("VERSION 5.6 ;\n&DEFINE &x = 1 ;\n&DEFINES &s = \"a\" ;\n"
                 "&DEFINEB &b = TRUE ;\n"),
            0);
  const char* const tail =
      " statement is obsolete in version 5.6 and later.\nThe LEF parser will ignore this "
      "statement.\nTo avoid this warning in the future, remove this statement from the LEF "
      "file with version 5.6 or later. See file test.lef at line ";
  EXPECT_EQ(warnings(), (Lines{std::string("WARNING (LEFPARS-2067): DEFINE") + tail + "2.\n",
                               std::string("WARNING (LEFPARS-2068): DEFINES") + tail + "3.\n",
                               std::string("WARNING (LEFPARS-2069): DEFINEB") + tail + "4.\n"}));
  EXPECT_TRUE(lefData->define_set.empty());
}

TEST_F(LefReadTest, ObsoleteDefinesWarnOnlyWithAnArrayCallback) {
  lefrSetManufacturingCbk(onGrid);
  EXPECT_EQ(read("VERSION 5.6 ;\n&DEFINE &x = 1 ;\nMANUFACTURINGGRID &x ;\n"), 1);
  EXPECT_TRUE(warnings().empty());
  EXPECT_TRUE(calls().empty());
  EXPECT_EQ(errors().size(), 1u);
}

TEST_F(LefReadTest, AliasReferencesWorkInNewVersions) {
  lefrSetManufacturingCbk(onGrid);
  EXPECT_EQ(read("VERSION 5.6 ;\n&ALIAS &mg = MANUFACTURINGGRID 0.25 &ENDALIAS\n&mg ;\n"), 0);
  EXPECT_EQ(calls(), Lines{"0.25"});
}

TEST_F(LefReadTest, RecursiveAliasEndsInASyntaxError) {
  EXPECT_EQ(read("VERSION 5.6 ;\n&ALIAS &a = &b &b &ENDALIAS\n&ALIAS &b = &a &a &ENDALIAS\n&a\n"),
            1);
  EXPECT_EQ(errors().size(), 1u);
}

TEST_F(LefReadTest, AliasBlowUpFoundByFuzzingEnds) {
  FILE* f = fopen(VELMOR_TEST_DATA "/lef/lex_alias_blowup.lef", "r");
  ASSERT_NE(f, nullptr);
  lefrInit();
  EXPECT_EQ(lefrRead(f, "blowup.lef", nullptr), 1);
  fclose(f);
}

}  // namespace
}  // namespace lefTest
