// The lexer on its own: words, numbers, strings, comments, punctuation,
// input blocks and the modes the grammar sets.
#include <cstring>
#include <string>
#include <vector>

#include "lef/lefrMessages.h"
#include "lef/lefrData.h"
#include "lexFixture.h"

namespace lefTest {
namespace {

using LefDefParser::lefData;
using Tokens = std::vector<std::string>;

struct LexCase {
  const char* name;
  const char* text;
  Tokens expected;
};

class LexTokens : public LexTest, public ::testing::WithParamInterface<LexCase> {};

TEST_P(LexTokens, YieldsTheTokens) {
  EXPECT_EQ(lex(GetParam().text), GetParam().expected);
  EXPECT_TRUE(errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Words, LexTokens,
    ::testing::Values(
        LexCase{"keywords", "END LIBRARY", {"292", "322"}},
        LexCase{"keywordsAnyCase", "end Library", {"292", "322"}},
        LexCase{"nameKeepsItsCase", "metal1", {"425:metal1"}},
        LexCase{"loneDotIsAString", ". END", {"425:.", "292"}},
        LexCase{"loneMinusIsAChar", "- END", {"45", "292"}},
        LexCase{"negativeNumber", "-5 END", {"427=-5", "292"}},
        LexCase{"numberForms", "0.25 .5 1e3", {"427=0.25", "427=0.5", "427=1000"}},
        LexCase{"semicolonGluedToNumber", "END 0.5;", {"292", "425:0.5;"}},
        LexCase{"hashInsideWord", "a#bc", {"425:a#bc"}},
        LexCase{"commentToLineEnd", "# END\nLIBRARY", {"322"}},
        LexCase{"commentAfterWord", "END # LIBRARY x\nEND", {"292", "292"}},
        LexCase{"operators", ">= <= <> ; ( )", {"475", "473", "472", "59", "40", "41"}},
        LexCase{"crLfLikeLf", "END\r\nLIBRARY\r\n", {"292", "322"}},
        LexCase{"quotedString", "\"a b\" END", {"426:a b", "292"}},
        LexCase{"emptyQuotedString", "\"\" END", {"426:", "292"}},
        LexCase{"escapedQuote", "\"a\\\"b\" END", {"426:a\"b", "292"}},
        LexCase{"quotedStringAtEnd", "\"xy\"", {"426:xy"}},
        LexCase{"quotedNewlinesKept", "\"a\nb\" END", {"426:a\nb", "292"}},
        LexCase{"ampersandWordWithoutDefine", "&nothing", {"425:&NOTHING"}}),
    [](const ::testing::TestParamInfo<LexCase>& info) { return std::string(info.param.name); });

struct NumberCase {
  const char* text;
  double value;
};

class LexNumbers : public LexTest, public ::testing::WithParamInterface<NumberCase> {};

// Values must be exactly the doubles the literals denote.
TEST_P(LexNumbers, AreExact) {
  start(std::string(GetParam().text) + " END");
  ASSERT_EQ(LefDefParser::lefyylex(), kNumber);
  EXPECT_EQ(LefDefParser::lefyylval.dval, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LexNumbers,
    ::testing::Values(NumberCase{"0.1", 0.1}, NumberCase{"-0.005", -0.005},
                      NumberCase{"123456.789", 123456.789},
                      NumberCase{"1234567890.12345", 1234567890.12345},
                      NumberCase{"0.30000000000000004", 0.30000000000000004},
                      NumberCase{"12345678901234567890", 12345678901234567890.0},
                      NumberCase{"5.", 5.0}, NumberCase{"-.5", -0.5}, NumberCase{"1e-3", 0.001},
                      NumberCase{"0x10", 16.0}));

TEST_F(LexTest, PartlyNumericWordsAreNames) {
  EXPECT_EQ(lex("1.2.3 5e 0.5x END"), (Tokens{"425:1.2.3", "425:5e", "425:0.5x", "292"}));
}

TEST_F(LexTest, FileOfFewerThanFourBytesIsEmpty) {
  EXPECT_EQ(lex("END"), Tokens{});
  EXPECT_EQ(lex("END "), Tokens{"292"});
}

TEST_F(LexTest, CarriageReturnsAreNotCounted) {
  EXPECT_EQ(lex("END\r\n\r\nLIBRARY\r\n"), (Tokens{"292", "322"}));
  EXPECT_EQ(lefData->lineNumber, 4);
}

TEST_F(LexTest, QuotedStringBeforeNewlineEndsTheInput) {
  EXPECT_EQ(lex("\"abc\"\nEND"), Tokens{});
  EXPECT_EQ(lefData->spaceMissing, 1);
  EXPECT_STREQ(lefData->currentToken, "\"abc");
}

TEST_F(LexTest, EscapesStayWhenPropertyStringProcessingIsOff) {
  LefDefParser::lefrDisablePropStrProcess();
  EXPECT_EQ(lex("\"a\\b\" END"), (Tokens{"426:a\\b", "292"}));
}

TEST_F(LexTest, ShiftCaseUpperCasesNamesOnlyWhenNamesAreCaseInsensitive) {
  LefDefParser::lefrSetShiftCase();
  start("layer1 end");
  lefData->namesCaseSensitive = 0;
  EXPECT_EQ(tokens(), (Tokens{"425:LAYER1", "292"}));
  start("layer1 end");
  EXPECT_EQ(tokens(), (Tokens{"425:layer1", "292"}));
}

TEST_F(LexTest, NoNumberModeReadsNumbersAsNames) {
  start("5 5 END");
  lefData->lefNoNum = 1;
  EXPECT_EQ(tokens(), (Tokens{"425:5", "427=5", "292"}));
}

TEST_F(LexTest, DumbModeReadsKeywordsAsNamesForItsCount) {
  start("END END ; END");
  lefData->lefDumbMode = 2;
  EXPECT_EQ(tokens(), (Tokens{"425:END", "425:END", "59", "292"}));
}

TEST_F(LexTest, DumbModeGivesNewOnlyWhenAllowed) {
  start("NEW NEW");
  lefData->lefDumbMode = 2;
  lefData->lefNewIsKeyword = 1;
  EXPECT_EQ(tokens(), (Tokens{"335", "335"}));
}

TEST_F(LexTest, NonDefaultRuleNameIsAlwaysAName) {
  start("rule1 END rule1");
  LefDefParser::lefSetNonDefault("rule1");
  lefData->lefNdRule = 1;
  EXPECT_EQ(tokens(), (Tokens{"425:rule1", "292", "425:rule1"}));
  LefDefParser::lefUnsetNonDefault();
  EXPECT_EQ(lefData->ndName, nullptr);
}

TEST_F(LexTest, NewlinesAreTokensWhileSignificant) {
  start("END\n\nEND");
  lefData->lefNlToken = 1;
  EXPECT_EQ(tokens(), (Tokens{"292", "10", "10", "292"}));
}

TEST_F(LexTest, RingBufferIsReusedAfterTenStrings) {
  start("s0 s1 s2 s3 s4 s5 s6 s7 s8 s9 s10");
  std::vector<char*> values;
  for (int i = 0; i < 11; i++) {
    ASSERT_EQ(LefDefParser::lefyylex(), kTString);
    values.push_back(LefDefParser::lefyylval.string);
  }
  EXPECT_STREQ(values[9], "s9");
  EXPECT_NE(values[0], values[9]);
  EXPECT_EQ(values[0], values[10]);
  EXPECT_STREQ(values[0], "s10");
}

TEST_F(LexTest, LongWordGrowsTheTokenBuffers) {
  std::string word(10000, 'w');
  EXPECT_EQ(lex(word + " END"), (Tokens{"425:" + word, "292"}));
  EXPECT_EQ(lefData->tokenSize, 16384);
}

// Input is read in blocks of 16384 characters; words and blank runs that
// cross a block's end, carriage returns inside words and words that outgrow
// the token buffers read as if the text were one piece.
TEST_F(LexTest, WordsAcrossBlockEndsAndCarriageReturns) {
  std::string longWord(20000, 'a');
  struct Case {
    std::string text;
    Tokens expected;
  } cases[] = {
      {std::string(16380, ' ') + "MACROX END", {"425:MACROX", "292"}},
      {std::string(16390, '\t') + "END", {"292"}},
      {"EN\rD\r\nEND", {"292", "292"}},
      {std::string(16000, ' ') + longWord + " END", {"425:" + longWord, "292"}},
  };
  for (const Case& c : cases) EXPECT_EQ(lex(c.text), c.expected) << c.text.size();
}

TEST_F(LexTest, HistoryTakesTheTextUpToASeparateSemicolon) {
  start("HISTORY a;b ; END");
  ASSERT_EQ(LefDefParser::lefyylex(), kHistory);
  EXPECT_EQ(lefData->History_text, " a;b ");
  EXPECT_EQ(tokens(), Tokens{"292"});
}

TEST_F(LexTest, HistoryCountsItsLines) {
  start("HISTORY one\ntwo ;\nEND");
  ASSERT_EQ(LefDefParser::lefyylex(), kHistory);
  EXPECT_EQ(lefData->History_text, " one\ntwo ");
  EXPECT_EQ(tokens(), Tokens{"292"});
  EXPECT_EQ(lefData->lineNumber, 3);
}

TEST_F(LexTest, ExtensionGathersTagAndBody) {
  start("BEGINEXT \"tag\"\n body \"q\" ENDEXT\nEND");
  ASSERT_EQ(LefDefParser::lefyylex(), kBeginExt);
  EXPECT_EQ(lefData->History_text, " \"tag\"\n body \"q\" ENDEXT");
  EXPECT_EQ(tokens(), Tokens{"292"});
  EXPECT_TRUE(errors().empty());
}

struct LexErrorCase {
  const char* name;
  const char* text;
  Tokens expected;
  const char* error;
};

class LexErrors : public LexTest, public ::testing::WithParamInterface<LexErrorCase> {};

TEST_P(LexErrors, ReportsTheError) {
  EXPECT_EQ(lex(GetParam().text), GetParam().expected);
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0], GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, LexErrors,
    ::testing::Values(
        LexErrorCase{"semicolonWord", "END ;; END",
                     {"292"},
                     "ERROR (LEFPARS-1009): Symbol ';' should be separated by space(s). Error "
                     "in file lex.lef at line 1, on token ;;.\n"},
        LexErrorCase{"oddPunctuation", "END $$ END",
                     {"292"},
                     "ERROR (LEFPARS-6016): Odd punctuation found. Error in file lex.lef at "
                     "line 1, on token $$.\n"},
        LexErrorCase{"nonAscii", "END caf\xC3\xA9 END",
                     {"292"},
                     "ERROR (LEFPARS-1008): Invalid characters found in 'caf\xC3\xA9'.\nThese "
                     "characters might have created by character types other than English. "
                     "Error in file lex.lef at line 1, on token caf\xC3\xA9.\n"},
        LexErrorCase{"unclosedString", "END \"abc\nEND",
                     {"292"},
                     "ERROR (LEFPARS-6015): Unexpected end of the LEF file. Error in file "
                     "lex.lef at line 2, on token \"abc\nEND.\n"},
        LexErrorCase{"historyWithoutEnd", "HISTORY abc",
                     {"258"},
                     "ERROR (LEFPARS-6015): Unexpected end of the LEF file. Error in file "
                     "lex.lef at line 1, on token HISTORY.\n"},
        LexErrorCase{"extensionTagUnquoted", "BEGINEXT tag\nEND",
                     {"495", "425:ag", "292"},
                     "ERROR (LEFPARS-1005): \" is missing in tag Error in file lex.lef at line "
                     "1, on token BEGINEXT.\n"},
        LexErrorCase{"extensionTagEmpty", "BEGINEXT \"\" END",
                     {"495", "292"},
                     "ERROR (LEFPARS-1004): Tag for BEGINEXT is empty Error in file lex.lef at "
                     "line 1, on token BEGINEXT.\n"},
        LexErrorCase{"extensionTagMissing", "BEGINEXT\nEND",
                     {"495", "292"},
                     "ERROR (LEFPARS-1003): tag is missing for BEGINEXT Error in file lex.lef "
                     "at line 2, on token BEGINEXT.\n"},
        LexErrorCase{"extensionWithoutEnd", "BEGINEXT \"t\" x END LIBRARY",
                     {"1"},
                     "ERROR (LEFPARS-1007): ENDEXT is missing Error in file lex.lef at line 1, "
                     "on token BEGINEXT.\n"},
        LexErrorCase{"extensionOpenQuote", "BEGINEXT \"t\" \"x ENDEXT END",
                     {"495", "292"},
                     "ERROR (LEFPARS-1006): Ending \" is missing Error in file lex.lef at line "
                     "1, on token BEGINEXT.\n"}),
    [](const ::testing::TestParamInfo<LexErrorCase>& info) {
      return std::string(info.param.name);
    });

TEST_F(LexTest, ErrorsAfterAnEndOfInputErrorAreSilent) {
  start("$$ $$");
  EXPECT_EQ(LefDefParser::lefyylex(), 0);
  LefDefParser::lefError(1503, "later");
  EXPECT_EQ(errors().size(), 1u);
}

std::vector<int>& reportedLines() {
  static std::vector<int> lines;
  return lines;
}
void recordLine(int line) { reportedLines().push_back(line); }

TEST_F(LexTest, LineNumberFunctionSeesMultiplesOfTheDelta) {
  reportedLines().clear();
  LefDefParser::lefrSetLineNumberFunction(recordLine);
  LefDefParser::lefrSetDeltaNumberLines(2);
  // A delta of 0 would divide by zero; it is ignored.
  LefDefParser::lefrSetDeltaNumberLines(0);
  lex("END\nEND\nEND\nEND\nEND\n");
  EXPECT_EQ(reportedLines(), (std::vector<int>{2, 4, 6}));
}

// A reader that hands out one byte per call, as a pipe may.
size_t oneByteAtATime(FILE* f, char* buf, size_t) { return fread(buf, 1, 1, f); }

TEST_F(LexTest, ReadFunctionWithShortBlocksLosesNothing) {
  LefDefParser::lefrSetReadFunction(oneByteAtATime);
  EXPECT_EQ(lex("END LIBRARY"), (Tokens{"292", "322"}));
  LefDefParser::lefrUnsetReadFunction();
  EXPECT_EQ(lex("END LIBRARY"), (Tokens{"292", "322"}));
}

}  // namespace
}  // namespace lefTest
