// What the text readers and the DEF import notice in files they still read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db_reset.h"
#include "e2e_run.h"
#include "eval/io.h"

namespace velmor {
namespace {

using Texts = std::vector<std::string>;

// Routing layers M1, M2; nets n1, top.n1, top.n2, top and a#b, two pins each.
class ReaderWarnings : public testing::Test {
 protected:
  void SetUp() override {
    Database& db = freshDatabase();
    db.addRouteLayer("M1");
    db.addRouteLayer("M2");
    for (const char* name : {"n1", "top.n1", "top.n2", "top", "a#b"}) db.addNet(name).pins = {Pin("p"), Pin("q")};
    IO::takeWarnings();
  }
  std::string file(const std::string& text) {
    writeFile(dir_ / "f", text);
    return (dir_ / "f").string();
  }
  WorkDir dir_;
};

// The whole word names the net before its first piece does; an unknown name
// is shown by its first 100 bytes.
TEST_F(ReaderWarnings, ConnectivityNamesWithPunctuation) {
  const std::string q(150, 'q');
  const std::string path = file(
      "Net top.n1 has no routing\nNet top.n2: has an unconnected terminal\nNet top.x9 has no routing\n"
      "Net ghost.n7 has no routing\nNet " + q + " has no routing\nNet n1 ok\n");
  testing::internal::CaptureStdout();
  ASSERT_TRUE(IO::readConnectRpt(path));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "unknown net name : ghost\nunknown net name : " + q.substr(0, 100) + "...\n");
  Texts ids;
  for (const Violation& v : Database::get()->violations) ids.push_back(std::to_string(v.id));
  EXPECT_EQ(ids, (Texts{"1", "2", "3", "-1", "-1"}));
  EXPECT_EQ(IO::takeWarnings(), Texts{});
}

TEST_F(ReaderWarnings, GuideLinesSkippedAndHashInNames) {
  const std::string path = file("a#b\n(\n0 0 10 10 M1 # note\n1e3 0 5 5 M1\n\n0 0 5 5 M7\n1 2 3 M1\n)\n");
  ASSERT_TRUE(IO::readRg(path));
  EXPECT_EQ(Database::get()->nets[4].guides[0], (std::vector<Shape>{{0, 0, 10, 10, 0}}));
  EXPECT_EQ(IO::takeWarnings(), Texts{"3 lines of guide file " + path +
                                      " are no guide (four whole numbers and a routing layer) and were skipped; "
                                      "the first is line 4."});
}

TEST_F(ReaderWarnings, WeightsThatAreNoFiniteNumber) {
  const std::string path = file("Wire 1e400\nVia\nnan Short five\nOpen 2\n");
  ASSERT_TRUE(IO::readWeights(path));
  EXPECT_EQ(Database::get()->weights, (std::vector<double>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2}));
  const std::string at = " of weights file " + path + ": ";
  EXPECT_EQ(IO::takeWarnings(), (Texts{"line 1" + at + "Wire 1e400 is no finite number; the weight is unchanged.",
                                       "line 3" + at + "Via nan is no finite number; the weight is unchanged.",
                                       "line 3" + at + "Short five is no finite number; the weight is unchanged."}));
}

TEST_F(ReaderWarnings, ShortsWithoutBounds) {
  const std::string path = file("SHORT\n\nSHORT Bounds ( 0, 0 ) ( 1, 1 )\n\nSHORT\n");
  ASSERT_TRUE(IO::readGeometryRpt(path));
  EXPECT_EQ(IO::takeWarnings(), Texts{"2 SHORT records of geometry report " + path + " have no Bounds and add no area."});
}

// Junk, an empty file, or a report given for the other one: no line read.
TEST_F(ReaderWarnings, FilesWithoutOneRecognisedLine) {
  struct Case {
    bool (*read)(const std::string&);
    const char* text;
    const char* kind;
  } cases[] = {{IO::readRg, "hello\n(\n)\n", "guide file "},
               {IO::readGeometryRpt, "Net n1 has no routing\n", "geometry report "},
               {IO::readConnectRpt, "SHORT\nBounds : ( 1, 2 ) ( 3, 4 )\n", "connectivity report "},
               {IO::readWeights, "", "weights file "}};
  for (const Case& c : cases) {
    const std::string path = file(c.text);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(c.read(path)) << c.kind;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(IO::takeWarnings(), Texts{"no line of " + std::string(c.kind) + path + " was recognised."});
  }
}

// Endless input without a line end stops after 64 MB.
TEST_F(ReaderWarnings, OverlongLineEndsTheRead) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(IO::readRg("/dev/zero"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Line 1 of guide file /dev/zero is longer than 64 MB.\n");
  EXPECT_FALSE(Database::get()->guideLoaded);
}

// Names from a file cannot steer the terminal: control bytes and DEL show as
// \xNN, UTF-8 stays; the 100-byte cut counts the bytes as read.
TEST_F(ReaderWarnings, ControlBytesInEchoedNamesAreEscaped) {
  const std::string long_name = std::string(99, 'a') + "\x1b" + "b";
  const std::string path = file("Net \x1b[2Jx has no routing\nNet \x07\x7f\x1f\x01 ok\nNet caf\xc3\xa9 ok\n"
                                "Net " + long_name + " ok\n");
  testing::internal::CaptureStdout();
  ASSERT_TRUE(IO::readConnectRpt(path));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "unknown net name : \\x1b[2Jx\n"
            "unknown net name : \\x07\\x7f\\x1f\\x01\n"
            "unknown net name : caf\xc3\xa9\n"
            "unknown net name : " + std::string(99, 'a') + "\\x1b...\n");
  const std::string weights = file("Wire \x1b]0;pwned\x07\n");
  ASSERT_TRUE(IO::readWeights(weights));
  EXPECT_EQ(IO::takeWarnings(), Texts{"line 1 of weights file " + weights +
                                      ": Wire \\x1b]0;pwned\\x07 is no finite number; the weight is unchanged."});
}

// A UTF-8 byte-order mark opens the file, not its first word; elsewhere, or
// cut short, its bytes stay in the word.
TEST_F(ReaderWarnings, ByteOrderMarkAtTheStartIsSkipped) {
  const std::string bom = "\xef\xbb\xbf";
  Database& db = *Database::get();
  ASSERT_TRUE(IO::readRg(file(bom + "n1\n(\n0 0 10 10 M1\n)\n")));
  ASSERT_FALSE(db.nets[0].guides.empty());
  EXPECT_EQ(db.nets[0].guides[0], (std::vector<Shape>{{0, 0, 10, 10, 0}}));
  ASSERT_TRUE(IO::readWeights(file(bom + "Wire 3\n")));
  EXPECT_EQ(db.weights[0], 3);
  ASSERT_TRUE(IO::readGeometryRpt(file(bom + "SHORT Bounds ( 0, 0 ) ( 1, 1 )\n")));
  ASSERT_EQ(db.violations.size(), 1u);
  EXPECT_EQ(db.violations[0].type, 2);
  struct Case {
    std::string text;
    std::string shown;
  } cases[] = {{bom + "Net n1 ok\nNet ghost ok\n", "unknown net name : ghost\n"},
               {"Net ghost ok\n" + bom + "Net x ok\n", "unknown net name : ghost\n"},
               {"\xef\xbb" "Net y ok\n", ""},
               {"Net " + bom + "z ok\n", "unknown net name : " + bom + "z\n"}};
  for (const Case& c : cases) {
    testing::internal::CaptureStdout();
    ASSERT_TRUE(IO::readConnectRpt(file(c.text)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.shown) << c.text;
  }
  EXPECT_EQ(IO::takeWarnings(), Texts{"no line of connectivity report " + (dir_ / "f").string() + " was recognised."});
}

TEST_F(ReaderWarnings, PathElementsThatGiveNoWire) {
  ASSERT_TRUE(IO::readLef(std::string(VELMOR_EXAMPLES) + "/velmor_tiny.input.lef"));
  const std::string path = file(
      "VERSION 5.8 ;\nDESIGN t ;\nVIAS 1 ;\n- FLAT + RECT M1 ( 0 0 ) ( 10 10 ) + RECT V1 ( 0 0 ) ( 5 5 ) ;\n"
      "END VIAS\nNETS 1 ;\n- a\n  + ROUTED V1 ( 0 0 ) ( 100 0 ) ( 100 100 ) NEW M9 ( 0 0 ) ( 0 50 )\n"
      "  NEW M1 ( 0 0 ) FLAT ( 10 0 ) ;\nEND NETS\nEND DESIGN\n");
  ASSERT_TRUE(IO::readDef(path));
  EXPECT_EQ(IO::takeWarnings(),
            (Texts{"3 path segments of the DEF nets lie on a layer that is no routing layer of the LEF, the first "
                   "on V1, and give no wire.",
                   "1 via elements of the DEF nets name a via that does not join two routing layers, the first "
                   "FLAT, and give no via wire."}));
}

}  // namespace
}  // namespace velmor
