#include "def/defiRowTrack.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

using DefiRowTest = DefiTest;

TEST_F(DefiRowTest, DoAndStepAreOptional) {
  defiRow row(data());
  row.setup("ROW_0", "core", 1000, 2000, 6);
  EXPECT_EQ(sections::describe(row), "ROW ROW_0 core 1000,2000 FS");
  row.setDo(84, 1, 0, 0);
  EXPECT_EQ(sections::describe(row), "ROW ROW_0 core 1000,2000 FS DO 84 BY 1 STEP 0 0");

  row.setup("ROW_1", "core", 0, 0, 0);
  row.setDo(84, 1, 380, 0);
  row.setHasDoStep();
  EXPECT_EQ(printed(row),
            "Row 'ROW_1' 'core' 0,0  orient N\n  DO X 84 STEP 380\n  DO Y 1 STEP 0\n");
  row.setup("ROW_2", "core", 0, 0, 0);
  EXPECT_EQ(sections::describe(row), "ROW ROW_2 core 0,0 N");
  EXPECT_EQ(row.xStep(), 0);
}

TEST_F(DefiRowTest, PropertyIndexErrorIs6140) {
  defiRow row(data());
  row.setup("r", "s", 0, 0, 0);
  EXPECT_EQ(row.propName(0), nullptr);
  row.addNumProperty("h", 1.5, "1.5", 'R');
  EXPECT_EQ(row.propNumber(0), 1.5);
  EXPECT_EQ(row.propValue(1), nullptr);
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[0],
            "ERROR (DEFPARS-6140): The index number 0 specified for the ROW PROPERTY is "
            "invalid.\nValid index is from 0 to 0. Specify a valid index number and then "
            "try again.");
  EXPECT_EQ(errors()[1],
            "ERROR (DEFPARS-6140): The index number 1 specified for the ROW PROPERTY is "
            "invalid.\nValid index is from 0 to 1. Specify a valid index number and then "
            "try again.");
  row.setup("r2", "s", 0, 0, 0);
  EXPECT_EQ(row.numProps(), 0);
}

using DefiTrackTest = DefiTest;

TEST_F(DefiTrackTest, NineLayersAndAFreshStatement) {
  defiTrack track(data());
  track.setup("X");
  track.setDo(190, 500, 380);
  track.addMask(2, 1);
  for (int i = 1; i <= 9; i++) track.addLayer(("metal" + std::to_string(i)).c_str());
  EXPECT_EQ(sections::describe(track),
            "TRACKS X 190 DO 500 STEP 380 MASK 2 SAMEMASK metal1 metal2 metal3 metal4 metal5 "
            "metal6 metal7 metal8 metal9");
  EXPECT_EQ(track.layer(9), nullptr);

  track.setup("Y");
  EXPECT_EQ(sections::describe(track), "TRACKS Y 0 DO 0 STEP 0");
  EXPECT_EQ(track.layer(0), nullptr);
  track.setDo(0, 10, 200);
  track.addLayer("M1");
  track.addLayer("M3");
  EXPECT_EQ(printed(track), "Track 'Y'\n  DO 0 10 STEP 200\n  2 layers  'M1' 'M3'\n");
}

TEST_F(DefiTrackTest, GcellGridKeepsIntegersAndPrints) {
  defiGcellGrid grid(data());
  grid.setup("Y", 0, 31, 2800.5);
  EXPECT_EQ(printed(grid), "GcellGrid 'Y'\n  DO 0 31 STEP 2800.5\n");
}

}  // namespace
