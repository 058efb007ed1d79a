#include <gtest/gtest.h>

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

TEST(Setting, NoArguments) {
  const Parse p = parse({});
  EXPECT_TRUE(p.ok);
  const Setting& s = *Setting::get();
  EXPECT_EQ(s.lef + s.def + s.output + s.georpt + s.conrpt + s.guide, "");
  EXPECT_EQ(s.weights, "velmoreval.w");
  EXPECT_EQ(s.mode + s.simSeconds + s.threads, 0);
}

TEST(Setting, FileOptions) {
  ASSERT_TRUE(parse({"-lef", "a.lef", "-def", "b.def", "-output", "o.def", "-georpt", "g.rpt", "-conrpt",
                     "c.rpt", "-guide", "x.guide", "-weights", "w.txt", "-threads", "8", "-lef", "-def"})
                  .ok);
  const Setting& s = *Setting::get();
  EXPECT_EQ(s.lef, "-def");
  EXPECT_EQ(s.def, "b.def");
  EXPECT_EQ(s.output, "o.def");
  EXPECT_EQ(s.georpt, "g.rpt");
  EXPECT_EQ(s.conrpt, "c.rpt");
  EXPECT_EQ(s.guide, "x.guide");
  EXPECT_EQ(s.weights, "w.txt");
  EXPECT_EQ(s.threads, 8);
  EXPECT_EQ(s.mode, 0);
}

TEST(Setting, BenchmarkFillsEmptyNames) {
  ASSERT_TRUE(parse({"-benchmark", "test1"}).ok);
  const Setting& s = *Setting::get();
  EXPECT_EQ(s.lef, "velmor_test1.input.lef");
  EXPECT_EQ(s.def, "velmor_test1.input.def");
  EXPECT_EQ(s.guide, "velmor_test1.input.guide");
  EXPECT_EQ(s.conrpt, "velmor_test1.conn.rpt");
  EXPECT_EQ(s.georpt, "velmor_test1.geo.rpt");
  EXPECT_EQ(s.output, "");
  EXPECT_EQ(s.weights, "velmoreval.w");

  for (const auto& args : {std::vector<std::string>{"-guide", "my.guide", "-benchmark", "t"},
                           std::vector<std::string>{"-benchmark", "t", "-guide", "my.guide"}}) {
    ASSERT_TRUE(parse(args).ok);
    EXPECT_EQ(Setting::get()->guide, "my.guide");
    EXPECT_EQ(Setting::get()->lef, "velmor_t.input.lef");
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

TEST(Setting, ThreadsNotANumber) {
  EXPECT_TRUE(parse({"-threads", "abc"}).ok);
  EXPECT_EQ(Setting::get()->threads, 0);
  EXPECT_TRUE(parse({"-threads", "-3"}).ok);
  EXPECT_EQ(Setting::get()->threads, -3);
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
