#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include "eval/db.h"
#include "eval/io.h"

namespace velmor {
namespace {

std::string data(const char* name) { return std::string(VELMOR_TEST_DATA) + "/eval/" + name; }

// type/subtype/id min actual [box]
std::string show(const Violation& v) {
  std::ostringstream s;
  s << v.type << '/' << v.subtype << '/' << v.id << " min " << v.min << " actual " << v.actual << " ["
    << v.box.lx << ' ' << v.box.ly << ' ' << v.box.hx << ' ' << v.box.hy << ']';
  return s.str();
}

std::vector<std::string> violations() {
  std::vector<std::string> out;
  for (const Violation& v : Database::get()->violations) out.push_back(show(v));
  return out;
}

using Lines = std::vector<std::string>;

// The box of a record without bounds.
const std::string kNoBox = "[2147483647 2147483647 -2147483648 -2147483648]";

class GeometryReport : public testing::Test {
protected:
  void SetUp() override { *Database::get() = Database(); }
};

TEST_F(GeometryReport, RecordsAtTwoThousandUnitsPerMicron) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(IO::readGeometryRpt(data("io_geo_records.rpt")));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(Database::get()->geoLoaded);
  EXPECT_EQ(violations(), (Lines{
                              // SHORT, bounds in parentheses on the next line.
                              "2/0/-1 min 0 actual 0 [2000 4000 3000 4500]",
                              // Upper-right corner first; a comment line ends it.
                              "3/0/-1 min 40 actual 20 [6000 8000 11000 13000]",
                              // SPACING keeps the end-of-line subtype; halves round away from zero.
                              "4/2/-1 min 80 actual 70 [-2000 -1 1 2000]",
                              // A new record starts with no subtype (CR LF line ends).
                              "4/0/-1 min 0 actual 0 [0 0 2000 2000]",
                              // No bounds: nothing inherited from the record before.
                              "2/0/-1 min 0 actual 0 " + kNoBox,
                              // Nothing carries over from the record without a type before
                              // it; the last type wins; the word after "Actual" is tested
                              // for "Min"; numbers missing at the line end are not read.
                              "3/0/-1 min 10000 actual 0 " + kNoBox,
                              // Out-of-range values saturate, nan and words read as 0.
                              "2/0/-1 min 0 actual 0 [0 -2147483648 2147483647 1000]",
                              // Last record without a line end; the typeless record
                              // before it left nothing behind.
                              "3/0/-1 min 1000 actual 0 " + kNoBox,
                          }));
}

TEST_F(GeometryReport, ScaleIsTheDefUnits) {
  Database::get()->defDbu = 1000;
  EXPECT_TRUE(IO::readGeometryRpt(data("io_geo_units.rpt")));
  EXPECT_EQ(violations(), (Lines{"4/0/-1 min 70 actual 50 [100 200 300 400]"}));
}

TEST_F(GeometryReport, AppendsAfterEarlierViolations) {
  Violation open;
  open.type = 1;
  open.id = 3;
  Database::get()->violations.push_back(open);
  EXPECT_TRUE(IO::readGeometryRpt(data("io_geo_units.rpt")));
  EXPECT_EQ(violations(), (Lines{"1/0/3 min 0 actual 0 " + kNoBox,
                                 "4/0/-1 min 140 actual 100 [200 400 600 800]"}));
}

TEST_F(GeometryReport, HeaderOnlyStoresNothing) {
  EXPECT_TRUE(IO::readGeometryRpt(data("io_geo_header.rpt")));
  EXPECT_TRUE(Database::get()->geoLoaded);
  EXPECT_EQ(violations(), Lines{});
}

// Nets clk (3 pins), single (1 pin), bus, n3 .. n7 (2 pins each).
class ConnectReport : public testing::Test {
protected:
  void SetUp() override {
    Database& db = *Database::get();
    db = Database();
    const struct {
      const char* name;
      int pins;
    } nets[] = {{"clk", 3}, {"single", 1}, {"bus", 2}, {"n3", 2}, {"n4", 2}, {"n5", 2}, {"n6", 2}, {"n7", 2}};
    for (const auto& n : nets) {
      Net& net = db.addNet(n.name);
      for (int p = 0; p < n.pins; ++p) net.pins.emplace_back("p" + std::to_string(p));
    }
  }

  static std::string open(int id) { return "1/0/" + std::to_string(id) + " min 0 actual 0 " + kNoBox; }
};

TEST_F(ConnectReport, OpenNetsOncePerNetInNetOrder) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(IO::readConnectRpt(data("io_conn_report.rpt")));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "unknown net name : ghost\n"
            "unknown net name : ghost\n"
            "unknown net name : phantom\n"
            "unknown net name : ghost\n"
            "unknown net name : nobody\n");
  EXPECT_TRUE(Database::get()->connLoaded);
  // clk, bus (named "bus.0"), n3, n4 (last "Net" of its line), n7; then the
  // open nets the design lacks, ghost and phantom, once each.
  EXPECT_EQ(violations(), (Lines{open(0), open(2), open(3), open(4), open(7), open(-1), open(-1)}));
}

TEST_F(ConnectReport, StoredInAscendingNetOrderAfterEarlierViolations) {
  Violation shortV;
  shortV.type = 2;
  Database::get()->violations.push_back(shortV);
  EXPECT_TRUE(IO::readConnectRpt(data("io_conn_order.rpt")));
  EXPECT_EQ(violations(), (Lines{"2/0/-1 min 0 actual 0 " + kNoBox, open(2), open(5), open(7)}));
}

TEST_F(ConnectReport, ReportWithoutNetLines) {
  EXPECT_TRUE(IO::readConnectRpt(data("io_conn_clean.rpt")));
  EXPECT_TRUE(Database::get()->connLoaded);
  EXPECT_EQ(violations(), Lines{});
}

}  // namespace
}  // namespace velmor
