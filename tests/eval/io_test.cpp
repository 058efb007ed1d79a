#include "eval/io.h"
#include "eval/textfile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmor {
namespace {

using Words = std::vector<std::string>;

const std::vector<char> kGuideTable = separatorTable("");
const std::vector<char> kGeoTable = separatorTable("(),:");
const std::vector<char> kConnTable = separatorTable("(),.:");

// Every call of the tokenizer on one stream until it returns false.
std::vector<Words> allLines(const std::string& text, const std::vector<char>& table, bool skipEmpty) {
  std::istringstream in(text);
  std::vector<Words> lines;
  Words words;
  while (IO::readLineTokens(in, table, words, skipEmpty)) lines.push_back(words);
  EXPECT_TRUE(words.empty());
  return lines;
}

struct LineCase {
  const char* name;
  const std::vector<char>* table;
  const char* line;
  Words words;
};

TEST(ReadLineTokens, OneLineWithEachTable) {
  const LineCase cases[] = {
      {"empty line", &kGuideTable, "\n", {}},
      {"blanks and punctuation only", &kGeoTable, " \t(,):\r\n", {}},
      {"comment from the first column", &kGuideTable, "#net1 ( )\n", {}},
      {"word running into '#' is dropped", &kGuideTable, "net1 net2#x\n", {"net1"}},
      {"word before blank and '#' is kept", &kGuideTable, "net1 net2 #x\n", {"net1", "net2"}},
      {"runs of tabs and spaces", &kGuideTable, "\t 10  20\t\t30 40 M1 \n", {"10", "20", "30", "40", "M1"}},
      {"carriage return before line feed", &kGuideTable, "0 0 5 5 M2\r\n", {"0", "0", "5", "5", "M2"}},
      {"guide table keeps punctuation in words", &kGuideTable, "a.b(c),d:e\n", {"a.b(c),d:e"}},
      {"geometry keyword with a corner", &kGeoTable, "Bounds: (1.5, 2.25)\n", {"Bounds", "1.5", "2.25"}},
      {"geometry keeps full stops", &kGeoTable, "n1.a\n", {"n1.a"}},
      {"connectivity splits at full stop", &kConnTable, "Net n1.a open.\n", {"Net", "n1", "a", "open"}},
      {"upper bytes are word characters", &kConnTable, "\xC3\xA9t\xC3\xA9 x\n", {"\xC3\xA9t\xC3\xA9", "x"}},
  };
  for (const LineCase& c : cases) {
    std::istringstream in(c.line);
    Words words{"stale"};
    EXPECT_TRUE(IO::readLineTokens(in, *c.table, words, false)) << c.name;
    EXPECT_EQ(words, c.words) << c.name;
  }
}

TEST(ReadLineTokens, LongWordsAreCutIntoPiecesOfAThousand) {
  const std::string a1000(1000, 'a');
  struct Case {
    std::string line;
    Words words;
  } cases[] = {
      {a1000 + "\n", {a1000}},
      {a1000 + "b\n", {a1000, "b"}},
      {std::string(2500, 'c') + " d\n", {std::string(1000, 'c'), std::string(1000, 'c'), std::string(500, 'c'), "d"}},
      {a1000 + "#\n", {a1000}},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.line);
    Words words;
    EXPECT_TRUE(IO::readLineTokens(in, kGuideTable, words, false));
    EXPECT_EQ(words, c.words) << c.line.size();
  }
}

TEST(ReadLineTokens, KeepingEmptyLinesSeesEveryLinePlusOne) {
  EXPECT_EQ(allLines("a b\n\n# c\nd", kGeoTable, false),
            (std::vector<Words>{{"a", "b"}, {}, {}, {"d"}, {}}));
  EXPECT_EQ(allLines("a b\n\n# c\nd\n", kGeoTable, false),
            (std::vector<Words>{{"a", "b"}, {}, {}, {"d"}, {}}));
  EXPECT_EQ(allLines("", kGeoTable, false), (std::vector<Words>{{}}));
}

TEST(ReadLineTokens, SkippingEmptyLinesGivesOnlyLinesWithWords) {
  EXPECT_EQ(allLines("\n  \n#x\na b\r\n\n(\n c#\n", kGuideTable, true),
            (std::vector<Words>{{"a", "b"}, {"("}}));
  EXPECT_EQ(allLines("last", kGuideTable, true), (std::vector<Words>{{"last"}}));
  EXPECT_EQ(allLines("", kGuideTable, true), (std::vector<Words>{}));
  EXPECT_EQ(allLines("\n\n# only comments\n", kGuideTable, true), (std::vector<Words>{}));
}

TEST(ReadLineTokens, FailedStreamGivesNothing) {
  std::istringstream in("a b\n");
  in.setstate(std::ios::failbit);
  Words words{"stale"};
  EXPECT_FALSE(IO::readLineTokens(in, kGuideTable, words, false));
  EXPECT_TRUE(words.empty());
}

TEST(Orientation, MirrorFlagsByCode) {
  struct Case {
    int code;
    bool x, y;
  } cases[] = {{0, false, false}, {1, false, false}, {2, true, true},   {3, false, false},
               {4, true, false},  {5, false, false}, {6, false, true},  {7, false, false},
               {-1, false, false}, {8, false, false}, {255, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IO::isFlipX(c.code), c.x) << c.code;
    EXPECT_EQ(IO::isFlipY(c.code), c.y) << c.code;
  }
}

TEST(TextToInt, RangeChecked) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"0", true, 0},
               {"-42", true, -42},
               {"+7", true, 7},
               {"12abc", true, 12},
               {"abc", true, 0},
               {"2147483647", true, 2147483647},
               {"-2147483648", true, -2147483647 - 1},
               {"2147483648", false, 99},
               {"-2147483649", false, 99},
               {"99999999999999999999999", false, 99}};
  for (const Case& c : cases) {
    int v = 99;
    EXPECT_EQ(textToInt(c.text, v), c.ok) << c.text;
    EXPECT_EQ(v, c.value) << c.text;
  }
}

TEST(DecimalNumber, LeadingDecimalTextOnly) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"2.25", 2.25},  {"-0.00025", -0.00025}, {"+7", 7},      {"-.5", -0.5},   {"5.", 5},
               {"1.5e3x", 1500}, {"25E-1", 2.5},        {"3e", 3},      {"3e+", 3},      {"12abc", 12},
               {".", 0},         {"+", 0},              {"", 0},        {"abc", 0},      {"0x1A", 0},
               {"inf", 0},       {"-nan", 0},           {"e5", 0},      {"1,5", 1}};
  for (const Case& c : cases) EXPECT_EQ(decimalNumber(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace velmor
