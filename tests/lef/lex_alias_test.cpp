// Aliases and defines as the lexer expands them.
#include <string>
#include <vector>

#include "lef/lefrData.h"
#include "lexFixture.h"

namespace lefTest {
namespace {

using LefDefParser::lefData;
using Tokens = std::vector<std::string>;

TEST_F(LexTest, AliasExpandsToItsText) {
  EXPECT_EQ(lex("&ALIAS &el = END LIBRARY &ENDALIAS\n&el"), (Tokens{"292", "322"}));
  EXPECT_EQ(lefData->alias_set.at("&EL"), " END LIBRARY ");
  EXPECT_TRUE(errors().empty());
}

TEST_F(LexTest, LowerCaseAliasIsFoundInCaseSensitiveNames) {
  // Names are case sensitive in a fresh read; the reference is upper-cased.
  ASSERT_EQ((start("x"), lefData->namesCaseSensitive), 1);
  EXPECT_EQ(lex("&alias &mw = END &endalias\n&mw &MW"), (Tokens{"292", "292"}));
}

TEST_F(LexTest, AliasBodySpansLinesUpToTheEndMarker) {
  EXPECT_EQ(lex("&ALIAS &two = END\nLIBRARY &EndAlias rest of line\n&two END"),
            (Tokens{"292", "322", "292"}));
  EXPECT_EQ(lefData->alias_set.at("&TWO"), " END\nLIBRARY ");
  EXPECT_EQ(lefData->lineNumber, 3);
}

TEST_F(LexTest, AliasWithoutEqualsIsReportedAndStillStored) {
  EXPECT_EQ(lex("&ALIAS &a END LIBRARY &ENDALIAS\n&a"), (Tokens{"322"}));
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0],
            "ERROR (LEFPARS-1000): Expecting '=' Error in file lex.lef at line 1, on token "
            "END.\n");
}

TEST_F(LexTest, AliasWithoutEndMarkerStoresNothing) {
  EXPECT_EQ(lex("&ALIAS &a = END\nLIBRARY\n"), Tokens{});
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0],
            "ERROR (LEFPARS-1001): End of file in &ALIAS Error in file lex.lef at line 3, on "
            "token =.\n");
  EXPECT_TRUE(lefData->alias_set.empty());
}

TEST_F(LexTest, SelfReferencingAliasStopsAtTheStackDepth) {
  EXPECT_EQ(lex("&ALIAS &a = &a &ENDALIAS\n&a"), (Tokens{"425:&A"}));
  EXPECT_EQ(lefData->input_level, -1);
}

TEST_F(LexTest, AliasesNestUpToTwentyTexts) {
  // &a1 expands to &a2 and so on; &a20 is the twentieth text on the stack.
  std::string text;
  for (int i = 1; i <= 20; i++)
    text += "&ALIAS &a" + std::to_string(i) + " = &a" + std::to_string(i + 1) + " &ENDALIAS\n";
  text += "&ALIAS &a21 = END &ENDALIAS\n";
  EXPECT_EQ(lex(text + "&a2"), (Tokens{"292"}));
  EXPECT_EQ(lex(text + "&a1"), (Tokens{"425:&A21"}));
}

TEST_F(LexTest, CommentInsideAliasRunsOnIntoTheFile) {
  EXPECT_EQ(lex("&ALIAS &c = END # x &ENDALIAS\n&c\nLIBRARY"), (Tokens{"292", "322"}));
}

TEST_F(LexTest, LongWordInAliasGrowsTheTokenBuffer) {
  std::string word(9000, 'n');
  EXPECT_EQ(lex("&ALIAS &w = " + word + " &ENDALIAS\n&w END"), (Tokens{"425:" + word, "292"}));
}

TEST_F(LexTest, DefinesGiveTheirValues) {
  start("&n &b &f &s &none");
  LefDefParser::lefAddNumDefine("&n", 2.5);
  LefDefParser::lefAddBooleanDefine("&b", 1);
  LefDefParser::lefAddBooleanDefine("&f", 0);
  LefDefParser::lefAddStringDefine("&s", "hello");
  EXPECT_EQ(tokens(), (Tokens{"427=2.5", "470", "469", "426:hello", "425:&NONE"}));
}

TEST_F(LexTest, StringDefineIsNotExpandedWhileADefineIsRead) {
  start("&s &DEFINE &s");
  LefDefParser::lefAddStringDefine("&s", "v");
  // Inside a define statement the reference stays a quoted text.
  EXPECT_EQ(tokens(), (Tokens{"426:v", "463", "426:\"v"}));
}

TEST_F(LexTest, StringDefineThatSpellsAKeywordGivesTheKeyword) {
  start("&DEFINE &o");
  lefData->defines_set["&O"] = "on";
  EXPECT_EQ(tokens(), (Tokens{"463", "349"}));
}

}  // namespace
}  // namespace lefTest
