// The lexer on its own: words, numbers, strings, comments, aliases and modes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "def/defrData.h"
#include "def/defrReader.h"
#include "def_parser.hpp"

using namespace LefDefParser;

namespace {

std::string errorLog;
void logError(const char* text) { errorLog += text; }
std::string warningLog;
void logWarning(const char* text) { warningLog += text; }

// One token as the grammar sees it: its code and its text or number.
struct Tok {
  int code;
  std::string text;
  bool operator==(const Tok& o) const { return code == o.code && text == o.text; }
};

std::ostream& operator<<(std::ostream& os, const Tok& t) {
  return os << "{" << t.code << ", \"" << t.text << "\"}";
}

Tok str(const char* s) { return {T_STRING, s}; }
Tok qstr(const char* s) { return {QSTRING, s}; }
Tok num(const char* s) { return {NUMBER, s}; }
Tok key(int code) { return {code, ""}; }
Tok chr(char c) { return {c, ""}; }

class Lexer : public ::testing::Test {
protected:
  defrSettings settings;
  defrCallbacks callbacks;
  defrSession session;
  std::unique_ptr<defrData> data{new defrData(&callbacks, &settings, &session)};
  std::string input;
  FILE* file = nullptr;

  void SetUp() override {
    errorLog.clear();
    warningLog.clear();
    settings.ErrorLogFunction = logError;
    settings.WarningLogFunction = logWarning;
    session.FileName = "lex.def";
  }
  void TearDown() override {
    if (file) fclose(file);
  }

  // A new read state and input, as a new read would have.
  void restart() {
    if (file) fclose(file);
    file = nullptr;
    data.reset(new defrData(&callbacks, &settings, &session));
    errorLog.clear();
  }

  void open(const std::string& text) {
    input = text;
    file = fmemopen(&input[0], input.size(), "r");
    data->File = file;
  }

  Tok next() {
    DEFYYSTYPE value;
    int code = data->defyylex(&value);
    if (code == T_STRING || code == QSTRING) return {code, value.string};
    if (code == NUMBER) {
      char buf[64];
      snprintf(buf, sizeof buf, "%.10g", value.dval);
      return {code, buf};
    }
    return {code, ""};
  }

  // Every token up to the end of input (code 0), which is not included.
  std::vector<Tok> all(const std::string& text) {
    open(text);
    std::vector<Tok> toks;
    for (Tok t = next(); t.code != 0 && toks.size() < 1000; t = next()) toks.push_back(t);
    return toks;
  }
};

using Toks = std::vector<Tok>;

TEST_F(Lexer, KeywordsInAnyCaseNamesAsWritten) {
  EXPECT_EQ(all("COMPONENTS components Rows abc SPECIALNETS\n"),
            (Toks{key(K_COMPS), key(K_COMPS), key(K_ROWS), str("abc"), key(K_SNETS)}));
  EXPECT_EQ(errorLog,
            "ERROR (DEFPARS-6002): Incomplete def file. Error in file lex.def at line 2, on "
            "token SPECIALNETS.\nUpdate the def file before parsing the file again.\n");
}

TEST_F(Lexer, CaseInsensitiveNamesAreUpperCased) {
  data->names_case_sensitive = 0;
  EXPECT_EQ(all("abc a_b9\n"), (Toks{str("ABC"), str("A_B9")}));
}

TEST_F(Lexer, NumbersAndPunctuation) {
  EXPECT_EQ(all("-5 - 1e3 12abc 0.25 .5 -abc ( ) * ; + >= <= <>"),
            (Toks{num("-5"), chr('-'), num("1000"), str("12abc"), num("0.25"), num("0.5"),
                  str("-abc"), chr('('), chr(')'), chr('*'), chr(';'), chr('+'), key(K_GE),
                  key(K_LE), key(K_NE)}));
  EXPECT_EQ(data->errors, 1);  // only the 6002 at the end
}

TEST_F(Lexer, NumbersBeyondTheIntRangeAreReported) {
  EXPECT_EQ(all("3000000000.0 3000000000 2147483647 -2147483648"),
            (Toks{num("3000000000"), num("3000000000"), num("2147483647"), num("-2147483648")}));
  const std::string range =
      "<Number has exceed the limit for an integer> in lex.def at line 1\n";
  EXPECT_EQ(errorLog.substr(0, 2 * range.size()), range + range);
  EXPECT_EQ(data->errors, 3);  // two range messages and the 6002
}

TEST_F(Lexer, LongIntegersFallBackToTheRealConversion) {
  // 18 digits are converted directly, 19 by strtol, 30 by strtod.
  EXPECT_EQ(all("-999999999999999999 1000000000000000000 222222222222222222222222222222"),
            (Toks{num("-1e+18"), num("1e+18"), num("2.222222222e+29")}));
  EXPECT_EQ(data->errors, 4);  // three out of the int range, then the 6002
}

TEST_F(Lexer, RealModeSkipsTheRangeTest) {
  data->real_num = 1;
  EXPECT_EQ(all("3000000000 1.5e2"), (Toks{num("3000000000"), num("150")}));
  EXPECT_EQ(data->errors, 1);
}

TEST_F(Lexer, OddPunctuationIsFatal) {
  open("<< ROWS");
  EXPECT_EQ(next(), chr('<'));
  EXPECT_EQ(errorLog,
            "ERROR (DEFPARS-6017): Odd punctuation found. Error in file lex.def at line 1, on "
            "token <<.\nUpdate the def file before parsing the file again.\n");
  EXPECT_EQ(next(), key(K_ROWS));
  EXPECT_EQ(next().code, 0);
  EXPECT_EQ(data->errors, 2);  // the 6002 is counted but not shown
  EXPECT_EQ(errorLog.find("6002"), std::string::npos);
}

TEST_F(Lexer, CommentsStartOnlyAtTheBeginningOfAWord) {
  EXPECT_EQ(all("a#b # ROWS ; ignored\nROWS\n"), (Toks{str("a#b"), key(K_ROWS)}));
  EXPECT_EQ(data->nlines, 3);
}

TEST_F(Lexer, CommentCharacterCanBeChanged) {
  settings.CommentChar = '!';
  EXPECT_EQ(all("!ROWS skipped\n# ROWS\n"), (Toks{chr('#'), key(K_ROWS)}));
}

TEST_F(Lexer, QuotedStringsWithEscapes) {
  EXPECT_EQ(all("\"a\\\"b\" \"two words\" \"\""),
            (Toks{qstr("a\"b"), qstr("two words"), qstr("")}));
}

TEST_F(Lexer, QuotedStringsWithoutEscapeProcessing) {
  settings.DisPropStrProcess = 1;
  EXPECT_EQ(all("\"a\\\"b\" "), (Toks{qstr("a\\"), str("b\"")}));
}

TEST_F(Lexer, NewlinesInStringsAreCounted) {
  EXPECT_EQ(all("\"x\ny\" \"p\\\nq\"\nROWS"), (Toks{qstr("x\ny"), qstr("p\nq"), key(K_ROWS)}));
  EXPECT_EQ(data->nlines, 4);
}

TEST_F(Lexer, CarriageReturnsAreSkipped) {
  EXPECT_EQ(all("ROWS\r\nab\rc\r\n"), (Toks{key(K_ROWS), str("abc")}));
  EXPECT_EQ(data->nlines, 3);
}

TEST_F(Lexer, FilesShorterThanFourBytesAreEmpty) {
  EXPECT_EQ(all("END"), Toks{});
  EXPECT_EQ(errorLog,
            "ERROR (DEFPARS-6002): Incomplete def file. Error in file lex.def at line 1, on "
            "token <unprintable>.\nUpdate the def file before parsing the file again.\n");
}

struct BadByteCase {
  std::string text;
  std::string shown;
};

TEST_F(Lexer, UnreadableBytesEndTheInput) {
  const BadByteCase cases[] = {
      {std::string("ROWS na\xC3\xA9me ROWS"), "na\xC3\xA9me"},
      {std::string("ROWS a\xFF" "b ROWS"), "a\xFF" "b"},
      {std::string("ROWS a\x01" "b ROWS"), "a\x01" "b"},
      {std::string("ROWS a\0b ROWS", 13), std::string("a")},
  };
  for (const BadByteCase& c : cases) {
    restart();
    EXPECT_EQ(all(c.text), (Toks{key(K_ROWS)}));
    EXPECT_EQ(errorLog,
              "ERROR (DEFPARS-6008): Invalid characters found in '" + c.shown +
                  "'.\nThese characters might be using the character types other than "
                  "English.\nCreate characters by specifying valid characters types. Error in "
                  "file lex.def at line 1, on token " + c.shown +
                  ".\nUpdate the def file before parsing the file again.\n");
  }
}

TEST_F(Lexer, NameModeReadsKeywordsAndNumbersAsNames) {
  open("ROWS 12 ROWS 12 ROWS");
  data->dumb_mode = 2;
  data->no_num = 2;
  EXPECT_EQ(next(), str("ROWS"));
  EXPECT_EQ(next(), str("12"));
  EXPECT_EQ(next(), key(K_ROWS));
  EXPECT_EQ(next(), num("12"));
}

TEST_F(Lexer, SemicolonAndPlusEndNameMode) {
  open("ROWS ; ROWS + ROWS ROWS");
  data->dumb_mode = 1000;
  data->no_num = 1000;
  EXPECT_EQ(next(), str("ROWS"));
  EXPECT_EQ(next(), chr(';'));
  EXPECT_EQ(next(), key(K_ROWS));
  data->dumb_mode = 1000;
  EXPECT_EQ(next(), chr('+'));
  EXPECT_EQ(next(), key(K_ROWS));
  EXPECT_EQ(next(), key(K_ROWS));
}

TEST_F(Lexer, ContextKeywordsInNameMode) {
  data->dumb_mode = 1000;
  data->by_is_keyword = 1;
  data->virtual_is_keyword = 1;
  data->orient_is_keyword = 1;
  EXPECT_EQ(all("BY by By DO mask MASK Mask fn Fs FE fe STEP"),
            (Toks{key(K_BY), key(K_BY), str("By"), str("DO"), key(K_MASK), key(K_MASK),
                  str("Mask"), key(K_FN), key(K_FS), key(K_FE), str("fe"), str("STEP")}));
}

TEST_F(Lexer, HistoryRunsToASemicolonAfterABlank) {
  open("HISTORY a;b c\n d ; ROWS");
  EXPECT_EQ(next(), key(K_HISTORY));
  EXPECT_EQ(data->History_text, " a;b c\n d ");
  EXPECT_EQ(next(), chr(';'));
  EXPECT_EQ(next(), key(K_ROWS));
  EXPECT_EQ(data->nlines, 2);
}

TEST_F(Lexer, HistoryAtTheEndOfInput) {
  open("HISTORY never closed");
  EXPECT_EQ(next(), key(K_HISTORY));
  EXPECT_EQ(data->History_text, " never closed");
  EXPECT_EQ(errorLog.substr(0, 55), "ERROR (DEFPARS-6015): Unexpected end of the DEF file. E");
}

struct ExtCase {
  const char* text;
  const char* history;
  int error;
};

TEST_F(Lexer, ExtensionSections) {
  const ExtCase cases[] = {
      {"BEGINEXT \"tag\" body \"x\" ENDEXT ROWS", " \"tag\" body \"x\" ENDEXT", 0},
      {"BEGINEXT \"tag\" \"open ENDEXT ROWS", " \"tag\" \"open ENDEXT", 6006},
      {"BEGINEXT tag\" ROWS", " ", 6005},
      {"BEGINEXT \"\" ROWS", " \"\"", 6004},
      {"BEGINEXT \"ta\ng\" ROWS", " \"ta", 6003},
      {"BEGINEXT \"tag\" x\nEND DESIGN", " \"tag\" x\nEND DESIGN", 6007},
  };
  for (const ExtCase& c : cases) {
    restart();
    open(c.text);
    EXPECT_EQ(next(), key(K_BEGINEXT)) << c.text;
    EXPECT_EQ(data->History_text, c.history) << c.text;
    std::string prefix =
        c.error ? "ERROR (DEFPARS-" + std::to_string(c.error) + ")" : std::string();
    EXPECT_EQ(errorLog.substr(0, prefix.size()), prefix) << c.text;
    if (!c.error) {
      EXPECT_EQ(errorLog, "") << c.text;
    }
  }
  EXPECT_EQ(data->nlines, 1);  // the 6007 case counted one line, then stepped back
}

TEST_F(Lexer, AliasesFeedTheirWords) {
  EXPECT_EQ(all("&ALIAS &X = A B\nC &endalias ignored\n&X ROWS &Y\n"),
            (Toks{str("A"), str("B"), str("C"), key(K_ROWS), str("&Y")}));
  EXPECT_EQ(data->nlines, 4);
}

TEST_F(Lexer, AliasNeedsAnEqualsSign) {
  EXPECT_EQ(all("&ALIAS &X A &ENDALIAS\n"), (Toks{str("&ENDALIAS")}));
  EXPECT_EQ(errorLog.substr(0, 35), "ERROR (DEFPARS-6000): Expecting '='");
}

TEST_F(Lexer, AliasAtTheEndOfInput) {
  EXPECT_EQ(all("&ALIAS &X = A B"), Toks{});
  EXPECT_EQ(errorLog.substr(0, 43), "ERROR (DEFPARS-6001): End of file in &ALIAS");
  EXPECT_EQ(data->def_alias_set.at("&X").text, " A B");
}

TEST_F(Lexer, SelfReferringAliasesStop) {
  EXPECT_EQ(all("&ALIAS &A = &A &ENDALIAS\n&A ROWS\n"), (Toks{str("&A"), key(K_ROWS)}));
  EXPECT_EQ(errorLog.substr(0, 85),
            "ERROR (DEFPARS-6012): Aliases are nested too deeply; the word is read as it "
            "stands. E");
  restart();
  // Without blanks the used-up text is popped before each push: the depth never grows.
  EXPECT_EQ(all("&ALIAS &B = &B&ENDALIAS\n&B ROWS\n"), (Toks{str("&B"), key(K_ROWS)}));
  EXPECT_EQ(errorLog.substr(0, 21), "ERROR (DEFPARS-6012):");
}

TEST_F(Lexer, AliasesNamingThemselvesTwiceStayBounded) {
  open("&ALIAS &D = &D &D &ENDALIAS\n&D ROWS\n");
  size_t n = 0;
  Tok t = next();
  for (; t.code != 0 && t.code != K_ROWS && n < 10000000; t = next()) {
    EXPECT_EQ(t, str("&D"));
    n++;
  }
  EXPECT_EQ(t, key(K_ROWS));
  EXPECT_LT(n, 1000000u);
  EXPECT_NE(errorLog.find("ERROR (DEFPARS-6012)"), std::string::npos);
}

TEST_F(Lexer, TailRecursiveAliasesStopAtTheBudget) {
  // " q &T" ends with the alias: each use pops before it pushes, so the depth stays at one
  // and the budget ends it. The 34-byte file allows 1048576 + 16 * 34 = 1049120 bytes; the
  // k-th expansion (from 0) starts at 6k bytes used and needs 5 more: 6k + 5 <= 1049120
  // holds up to k = 174852, so 174853 expansions.
  open("&ALIAS &T = q &T&ENDALIAS\n&T ROWS\n");
  size_t qs = 0;
  Tok t = next();
  for (; t == str("q") && qs < 10000000; t = next()) qs++;
  EXPECT_EQ(qs, 174853u);
  EXPECT_EQ(t, str("&T"));
  EXPECT_EQ(next(), key(K_ROWS));
}

TEST_F(Lexer, AliasBudgetIsPerRead) {
  // The second use finds the budget spent: one refusal, then the word itself.
  open("&ALIAS &T = q &T&ENDALIAS\n&T &T ROWS\n");
  Tok t = next();
  while (t == str("q")) t = next();
  EXPECT_EQ(t, str("&T"));
  EXPECT_EQ(next(), str("&T"));
  EXPECT_EQ(next(), key(K_ROWS));
}

TEST_F(Lexer, AddedAliasesExpandWithoutTheirFlag) {
  open("&P ROWS");
  data->addAlias("&P", "Q R", 1);
  EXPECT_EQ(next(), str("Q"));
  EXPECT_EQ(next(), str("R"));
  EXPECT_EQ(next(), key(K_ROWS));
}

TEST_F(Lexer, DataAfterEndDesign) {
  const struct {
    const char* text;
    const char* info;
  } cases[] = {
      {"ROWS # comment\n",
       "INFO (DEFPARS-8000): There are still data after the END DESIGN statement See file "
       "lex.def at line 1.\n"},
      {"# comment\n\n", ""},
  };
  for (const auto& c : cases) {
    restart();
    warningLog.clear();
    open(c.text);
    data->doneDesign = 1;
    EXPECT_EQ(next().code, 0) << c.text;
    EXPECT_EQ(warningLog, c.info) << c.text;
    EXPECT_EQ(errorLog, "") << c.text;
  }
}

int reported = 0;
void onLine(int line) { reported = line; }

TEST_F(Lexer, LineNumbersAreReportedEveryInterval) {
  settings.defiDeltaNumberLines = 3;
  settings.LineNumberFunction = onLine;
  reported = 0;
  std::vector<int> seen;
  open("a\nb\nc\nd\ne\nf\ng\n");
  for (Tok t = next(); t.code; t = next()) seen.push_back(reported);
  EXPECT_EQ(seen, (std::vector<int>{0, 0, 3, 3, 3, 6, 6}));
}

TEST_F(Lexer, LongTokensGrowTheBuffers) {
  std::string longName(10000, 'n');
  EXPECT_EQ(all(longName + " \"" + longName + "\""), (Toks{str(longName.c_str()),
                                                          qstr(longName.c_str())}));
}

// Words longer than two input blocks, read as written and folded.
TEST_F(Lexer, LongWordsAcrossInputBlocks) {
  std::string written, folded;
  for (int i = 0; i < 10000; i++) {
    written += "aB-9";
    folded += "AB-9";
  }
  EXPECT_EQ(all("p1 " + written + "\n" + written + " p2"),
            (Toks{str("p1"), str(written.c_str()), str(written.c_str()), str("p2")}));
  restart();
  data->names_case_sensitive = 0;
  EXPECT_EQ(all("p1 " + written + "\t" + written + " p2"),
            (Toks{str("P1"), str(folded.c_str()), str(folded.c_str()), str("P2")}));
}

}  // namespace

