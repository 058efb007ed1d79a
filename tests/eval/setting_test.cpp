#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "db_reset.h"

namespace velmor {
namespace {

struct Parse {
  bool ok;
  std::string err;
};

Parse parse(std::vector<std::string> args) {
  freshSetting();
  args.insert(args.begin(), "velmoreval");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(&a[0]);
  testing::internal::CaptureStderr();
  const bool ok = Setting::readArgs(static_cast<int>(argv.size()), argv.data());
  return {ok, testing::internal::GetCapturedStderr()};
}

// lef, def, output, georpt, conrpt, guide, weights
std::vector<std::string> names(const Setting& s) {
  return {s.lef, s.def, s.output, s.georpt, s.conrpt, s.guide, s.weights};
}

// A later option overwrites an earlier one, whatever its value looks like;
// -benchmark fills only the names not given, before or after it.
TEST(Setting, FileNames) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> names;
  } cases[] = {
      {{"-lef", "a.lef", "-def", "b.def", "-output", "o.def", "-georpt", "g.rpt", "-conrpt", "c.rpt", "-guide",
        "x.guide", "-weights", "w.txt", "-threads", "8", "-lef", "-def"},
       {"-def", "b.def", "o.def", "g.rpt", "c.rpt", "x.guide", "w.txt"}},
      {{"-benchmark", "test1"},
       {"velmor_test1.input.lef", "velmor_test1.input.def", "", "velmor_test1.geo.rpt", "velmor_test1.conn.rpt",
        "velmor_test1.input.guide", "velmoreval.w"}},
      {{"-guide", "my.guide", "-benchmark", "t"},
       {"velmor_t.input.lef", "velmor_t.input.def", "", "velmor_t.geo.rpt", "velmor_t.conn.rpt", "my.guide",
        "velmoreval.w"}},
      {{"-benchmark", "t", "-guide", "my.guide"},
       {"velmor_t.input.lef", "velmor_t.input.def", "", "velmor_t.geo.rpt", "velmor_t.conn.rpt", "my.guide",
        "velmoreval.w"}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(parse(c.args).ok) << c.args[0];
    EXPECT_EQ(names(*Setting::get()), c.names) << c.args[0];
    EXPECT_EQ(Setting::get()->mode, 0);
  }
}

TEST(Setting, SimTakesNextArgument) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
    int mode;
    int seconds;
    std::string err;
  };
  const Case cases[] = {
      {{"-sim", "30"}, true, 2, 30, ""},
      {{"-sim"}, true, 2, 0, ""},
      {{"-sim", "-lef", "a.lef"}, false, 2, 0, "Unknown option: a.lef\n"},
      {{"-genguide", "-sim"}, true, 2, 0, ""},
      {{"-sim", "5", "-genguide"}, true, 1, 5, ""},
      {{"-sim", " +12x"}, true, 2, 12, ""},
      {{"-sim", "99999999999"}, true, 2, 2147483647, ""},
  };
  for (const Case& c : cases) {
    const Parse p = parse(c.args);
    EXPECT_EQ(p.ok, c.ok) << c.args[0];
    EXPECT_EQ(p.err, c.err);
    EXPECT_EQ(Setting::get()->mode, c.mode);
    EXPECT_EQ(Setting::get()->simSeconds, c.seconds);
  }
}

// The value is taken as a number, 0 when it is none.
TEST(Setting, Threads) {
  for (const auto& [text, threads] : {std::pair<const char*, int>{"8", 8}, {"abc", 0}, {"-3", -3}}) {
    EXPECT_TRUE(parse({"-threads", text}).ok);
    EXPECT_EQ(Setting::get()->threads, threads) << text;
  }
}

TEST(Setting, RejectedArguments) {
  for (const char* opt : {"-lef", "-weights", "-benchmark", "-threads", "-guide"}) {
    const Parse p = parse({"-def", "d.def", opt});
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.err, std::string("Unknown option: ") + opt + "\n");
    EXPECT_EQ(Setting::get()->def, "d.def");  // kept from before the failure
  }
  const Parse upper = parse({"-LEF", "x"});
  EXPECT_FALSE(upper.ok);
  EXPECT_EQ(upper.err, "Unknown option: -LEF\n");
  EXPECT_EQ(parse({"-lefx", "a"}).err, "Unknown option: -lefx\n");
  EXPECT_EQ(parse({"foo"}).err, "Unknown option: foo\n");
}

}  // namespace
}  // namespace velmor
