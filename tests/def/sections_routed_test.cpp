// The routed designs of the shared data read with every section callback registered and
// paths kept in their nets; chosen statements are compared with the files.
#include <sys/stat.h>

#include <algorithm>
#include <map>

#include "sections_fixture.h"

namespace sections {
namespace {

struct RoutedDesign {
  const char* file;
  // Callbacks per type code: 13 components, 16 nets, 40 pins, 42 rows, 43 tracks, 46 vias,
  // 52 special nets.
  std::map<int, int> counts;
  std::vector<std::string> lines;  // each must be among the recorded calls
};

class RoutedDesigns : public SectionsTest, public ::testing::WithParamInterface<RoutedDesign> {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetAddPathToNet();
    defrSetComponentCbk(record<defiComponent>);
    defrSetNetCbk(record<defiNet>);
    defrSetSNetCbk(record<defiNet>);
    defrSetPinCbk(record<defiPin>);
    defrSetRowCbk(record<defiRow>);
    defrSetTrackCbk(record<defiTrack>);
    defrSetViaCbk(record<defiVia>);
  }
};

TEST_P(RoutedDesigns, ReadCleanlyWithTheirNetsAndVias) {
  std::string path = std::string(VELMOR_SHARED) + "/data/def/" + GetParam().file;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) GTEST_SKIP() << "shared DEF data not found: " << path;
  FILE* f = fopen(path.c_str(), "r");
  ASSERT_NE(f, nullptr);
  defrInit();
  EXPECT_EQ(defrRead(f, path.c_str(), nullptr, 1), 0);
  fclose(f);
  EXPECT_EQ(errors(), "");

  std::map<int, int> counts;
  for (const std::string& line : calls()) counts[std::stoi(line)]++;
  for (const auto& [type, count] : GetParam().counts) EXPECT_EQ(counts[type], count) << type;
  for (const std::string& line : GetParam().lines)
    EXPECT_NE(std::find(calls().begin(), calls().end(), line), calls().end()) << line;
}

INSTANTIATE_TEST_SUITE_P(
    SharedData, RoutedDesigns,
    ::testing::Values(
        RoutedDesign{
            "cnt8_osu018.routed.def",
            {{13, 138}, {16, 122}, {40, 24}, {42, 0}, {43, 6}, {46, 5}, {52, 23}},
            {
                "43 TRACKS Y -300 DO 57 STEP 100 metal1",
                "43 TRACKS X -320 DO 108 STEP 80 metal2",
                "43 TRACKS X -320 DO 54 STEP 160 metal6",
                "46 VIA viagen21_post RECT metal1 -80,-20 80,20 RECT metal2 -80,-20 80,20 "
                "RECT via -45,-10 -25,10 RECT via 25,-10 45,10",
                "13 COMP BUFX2_3 BUFX2 STATUS 2 40,50 2",
                "13 COMP AOI22X1_2 AOI22X1 STATUS 2 1560,50 6",
                "40 PIN vdd vdd LAYER metal6 -80,-40 80,40 PLACED 2160,-260 N",
                "16 NET _38_ (NAND3X1_2 B) (NOR2X1_1 Y) WIRE ROUTED "
                "{ L:metal1 P:3520,2600 V:M2_M1 } { L:metal2 P:3520,2600 P:3520,2700 V:M3_M2 } "
                "{ L:metal3 P:3520,2700 P:3520,2600 P:3200,2600 V:M3_M2 } "
                "{ L:metal2 P:3200,2600 P:3200,2700 V:M2_M1 } "
                "{ L:metal1 P:3200,2700 P:3040,2700 }",
                "16 NET en (PIN en) (NOR2X1_4 A) (INVX1_3 A) WIRE ROUTED "
                "{ L:metal1 P:5360,4800 P:5440,4800 } { L:metal2 P:5360,5300 P:5360,4800 "
                "V:M2_M1 }",
                "52 NET _91_[7] WIRE ROUTED { L:metal1 W:40 P:6800,1615 P:6800,1560 } "
                "{ L:metal1 W:40 P:6960,1285 P:6960,1360 }",
            }},
        RoutedDesign{
            "alu8_gscl45nm.routed.def",
            {{13, 362}, {16, 304}, {40, 34}, {42, 0}, {43, 10}, {46, 26}, {52, 109}},
            {
                "43 TRACKS Y -1140 DO 123 STEP 380 metal1",
                "43 TRACKS X -760 DO 97 STEP 760 metal4",
                "43 TRACKS X 0 DO 21 STEP 3420 metal10",
                "46 VIA M2_M1_3 RECT via1 -65,-65 65,65 RECT metal1 -65,-135 65,135 "
                "RECT metal2 -135,-70 135,70",
                "40 PIN clk clk LAYER metal2 -70,-70 70,70 PLACED 6460,44840 N",
                "16 NET _215_ (OR2X2_2 B) (NOR2X1_1 Y) WIRE ROUTED "
                "{ L:metal1 P:38380,3040 V:M2_M1_2 } "
                "{ L:metal2 P:38380,3040 P:36860,3040 V:M2_M1_1 }",
                "52 NET _228_ WIRE ROUTED { L:metal1 W:130 P:26980,36870 P:26980,36795 } "
                "{ L:metal1 W:270 P:32680,40595 P:32680,40960 }",
                "52 NET a[0] WIRE ROUTED { L:metal1 W:130 P:56910,6840 }",
                "52 NET b[0]",
            }},
        RoutedDesign{
            "alu8_osu035.routed.def",
            {{13, 355}, {16, 324}, {40, 34}, {42, 0}, {43, 4}, {46, 3}, {52, 51}},
            {
                "43 TRACKS X -480 DO 159 STEP 160 metal2",
                "43 TRACKS X -320 DO 80 STEP 320 metal4",
                "46 VIA viagen21_post RECT metal1 -240,-40 240,40 RECT metal2 -240,-40 240,40 "
                "RECT via1 -160,-20 -120,20 RECT via1 -20,-20 20,20 RECT via1 120,-20 160,20",
                "13 COMP NAND2X1_3 NAND2X1 STATUS 2 80,100 6",
                "16 NET _233_ (NAND3X1_3 C) (NAND3X1_1 Y) WIRE ROUTED "
                "{ L:metal1 P:17600,4800 V:M2_M1 } { L:metal2 P:17600,4800 P:17600,4600 "
                "V:M3_M2 } { L:metal3 P:17600,4600 P:19680,4600 V:M3_M2 } "
                "{ L:metal2 P:19680,4600 P:19680,3800 V:M2_M1 }",
            }}),
    [](const ::testing::TestParamInfo<RoutedDesign>& info) {
      std::string name = info.param.file;
      return name.substr(0, name.find('.'));
    });

}  // namespace
}  // namespace sections
