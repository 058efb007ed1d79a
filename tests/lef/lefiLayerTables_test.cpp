// Spacing tables, antenna models and current-density tables of a layer.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "lef/lefiLayer.h"
#include "lefTestHeap.h"
#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::LefLogTest;
using lefTest::TrackedHeap;

class LefiLayerTablesTest : public LefLogTest {};

void push(lefiLayer& layer, std::initializer_list<double> values) {
  for (double v : values) layer.addNumber(v);
}

// PARALLELRUNLENGTH 0 0.5 WIDTH 0 0.1 0.1 WIDTH 0.2 0.1 0.2
void twoRowTable(lefiLayer& layer) {
  layer.addSpacingTable();
  push(layer, {0.0, 0.5});
  layer.addSpParallelLength();
  layer.addSpParallelWidth(0.0);
  push(layer, {0.1, 0.1});
  layer.addSpParallelWidthSpacing();
  layer.addSpParallelWidth(0.2);
  push(layer, {0.1, 0.2});
  layer.addSpParallelWidthSpacing();
}

TEST_F(LefiLayerTablesTest, ThirdWidthRowDoublesTheTable) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    twoRowTable(layer);
    heap.takeSizes();
    layer.addSpParallelWidth(0.4);
    // widths for 4 rows, spacings for 4 rows of 2 columns
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{32, 64}));
    push(layer, {0.3, 0.4});
    layer.addSpParallelWidthSpacing();
    const lefiParallel* prl = layer.spacingTable(0)->parallel();
    EXPECT_EQ(prl->numWidth(), 3);
    EXPECT_DOUBLE_EQ(prl->widthSpacing(0, 0), 0.1);
    EXPECT_DOUBLE_EQ(prl->widthSpacing(0, 1), 0.1);
    EXPECT_DOUBLE_EQ(prl->widthSpacing(1, 0), 0.1);
    EXPECT_DOUBLE_EQ(prl->widthSpacing(1, 1), 0.2);
    EXPECT_DOUBLE_EQ(prl->widthSpacing(2, 1), 0.4);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

// A row with more spacings than lengths keeps only as many as there are
// columns (the second row is the last allocated one, so extra values would
// land past the table); a short row leaves zeros, not stale memory.
TEST_F(LefiLayerTablesTest, RowsLongerOrShorterThanTheLengthCount) {
  lefiLayer layer;
  layer.addSpacingTable();
  push(layer, {0.0, 1.0});
  layer.addSpParallelLength();
  layer.addSpParallelWidth(0.0);
  push(layer, {0.1, 0.2, 0.3});
  layer.addSpParallelWidthSpacing();
  layer.addSpParallelWidth(0.5);
  push(layer, {0.4, 0.5, 0.6});
  layer.addSpParallelWidthSpacing();
  layer.addSpParallelWidth(1.0);
  push(layer, {0.7});
  layer.addSpParallelWidthSpacing();
  const lefiParallel* prl = layer.spacingTable(0)->parallel();
  EXPECT_DOUBLE_EQ(prl->widthSpacing(0, 0), 0.1);
  EXPECT_DOUBLE_EQ(prl->widthSpacing(0, 1), 0.2);
  EXPECT_DOUBLE_EQ(prl->widthSpacing(1, 0), 0.4);
  EXPECT_DOUBLE_EQ(prl->widthSpacing(1, 1), 0.5);
  EXPECT_DOUBLE_EQ(prl->widthSpacing(2, 0), 0.7);
  EXPECT_DOUBLE_EQ(prl->widthSpacing(2, 1), 0.0);
}

// Rows of 2, 3 and 1 spacings: row 2 starts at the sixth stored spacing.
TEST_F(LefiLayerTablesTest, TwoWidthsRowsOfDifferentLengths) {
  lefiLayer layer;
  layer.addSpacingTable();
  layer.setSpTwoWidthsHasPRL(1);
  push(layer, {1.0, 2.0});
  layer.addSpTwoWidths(0.1, 0.5);
  push(layer, {3.0, 4.0, 5.0});
  layer.addSpTwoWidths(0.2, 0.0);
  push(layer, {6.0});
  layer.addSpTwoWidths(0.3, 0.0);
  const lefiTwoWidths* tw = layer.spacingTable(0)->twoWidths();
  ASSERT_NE(tw, nullptr);
  EXPECT_EQ(layer.spacingTable(0)->isParallel(), 0);
  EXPECT_EQ(tw->numWidth(), 3);
  EXPECT_EQ(tw->numWidthSpacing(0), 2);
  EXPECT_EQ(tw->numWidthSpacing(1), 3);
  EXPECT_EQ(tw->numWidthSpacing(2), 1);
  EXPECT_DOUBLE_EQ(tw->widthSpacing(0, 1), 2.0);
  EXPECT_DOUBLE_EQ(tw->widthSpacing(1, 0), 3.0);
  EXPECT_DOUBLE_EQ(tw->widthSpacing(1, 2), 5.0);
  EXPECT_DOUBLE_EQ(tw->widthSpacing(2, 0), 6.0);
  EXPECT_DOUBLE_EQ(tw->width(2), 0.3);
  EXPECT_EQ(tw->hasWidthPRL(0), 1);
  EXPECT_DOUBLE_EQ(tw->widthPRL(0), 0.5);
  EXPECT_EQ(tw->hasWidthPRL(1), 0);  // the flag is reset after each row
  EXPECT_EQ(layer.getNumber(), -1);
}

TEST_F(LefiLayerTablesTest, OrthogonalTable) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    layer.setSpacingTableOrtho();
    EXPECT_EQ(layer.hasSpacingTableOrtho(), 0);
    layer.addSpacingTableOrthoWithin(0.1, 0.2);
    layer.addSpacingTableOrthoWithin(0.3, 0.4);
    EXPECT_EQ(layer.hasSpacingTableOrtho(), 1);
    const lefiOrthogonal* ortho = layer.orthogonal();
    EXPECT_EQ(ortho->numOrthogonal(), 2);
    EXPECT_DOUBLE_EQ(ortho->cutWithin(1), 0.3);
    EXPECT_DOUBLE_EQ(ortho->orthoSpacing(1), 0.4);
    EXPECT_DOUBLE_EQ(ortho->cutWithin(5), 0.0);
    EXPECT_DOUBLE_EQ(ortho->orthoSpacing(-1), 0.0);
    EXPECT_TRUE(logged().empty());

    // A second table replaces the first, which is released.
    layer.setSpacingTableOrtho();
    layer.addSpacingTableOrthoWithin(0.5, 0.6);
    EXPECT_EQ(layer.orthogonal()->numOrthogonal(), 1);

    layer.setName("NEXT");
    EXPECT_EQ(layer.hasSpacingTableOrtho(), 0);
    EXPECT_EQ(layer.orthogonal(), nullptr);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiLayerTablesTest, TablesAreReleasedBetweenLayersAndRebuilt) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    twoRowTable(layer);
    layer.addSpacingTable();
    layer.setInfluence();
    layer.addSpInfluence(1.0, 2.0, 3.0);
    layer.addSpacingTable();
    push(layer, {1.0});
    layer.addSpTwoWidths(0.1, 0.0);
    EXPECT_EQ(layer.numSpacingTable(), 3);
    layer.setName("M2");
    EXPECT_EQ(layer.numSpacingTable(), 0);
    twoRowTable(layer);
    EXPECT_EQ(layer.numSpacingTable(), 1);
    EXPECT_DOUBLE_EQ(layer.spacingTable(0)->parallel()->widthSpacing(1, 1), 0.2);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

// A list given twice to one table or entry replaces the first copy.
TEST_F(LefiLayerTablesTest, RepeatedListsReplaceTheFirst) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    layer.addSpacingTable();
    push(layer, {0.0, 1.0});
    layer.addSpParallelLength();
    push(layer, {0.0, 2.0, 4.0});
    layer.addSpParallelLength();
    EXPECT_EQ(layer.spacingTable(0)->parallel()->numLength(), 3);
    EXPECT_DOUBLE_EQ(layer.spacingTable(0)->parallel()->length(2), 4.0);

    layer.addAccurrentDensity("RMS");
    push(layer, {0.1});
    layer.addAcWidth();
    push(layer, {0.2, 0.3});
    layer.addAcWidth();
    EXPECT_EQ(layer.accurrent(0)->numWidths(), 2);
    EXPECT_DOUBLE_EQ(layer.accurrent(0)->width(1), 0.3);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiLayerTablesTest, AntennaRuleWithoutModelGoesToOxide1) {
  lefiLayer layer;
  layer.setAntennaAreaRatio(100.0);
  ASSERT_EQ(layer.numAntennaModel(), 1);
  const lefiAntennaModel* model = layer.antennaModel(0);
  EXPECT_STREQ(model->antennaOxide(), "OXIDE1");
  EXPECT_EQ(model->hasAntennaAreaRatio(), 1);
  EXPECT_DOUBLE_EQ(model->antennaAreaRatio(), 100.0);
  EXPECT_EQ(layer.antennaModel(1), nullptr);
}

TEST_F(LefiLayerTablesTest, AntennaKindsActOnlyWhereTheyBelong) {
  lefiLayer layer;
  layer.setAntennaValue(lefiAntennaAF, 5.0);
  layer.setAntennaDUO(lefiAntennaDAR);
  const lefiAntennaModel* model = layer.antennaModel(0);
  EXPECT_EQ(model->hasAntennaAreaFactor(), 0);
  EXPECT_EQ(model->hasAntennaDiffAreaRatio(), 0);
  EXPECT_EQ(model->hasAntennaAreaFactorDUO(), 0);

  struct {
    lefiAntennaEnum kind;
    double value;
  } values[] = {{lefiAntennaDAR, 1.0}, {lefiAntennaCDAR, 3.0}, {lefiAntennaDSAR, 6.0},
                {lefiAntennaCDSAR, 8.0}};
  for (const auto& v : values) layer.setAntennaValue(v.kind, v.value);
  layer.setAntennaDUO(lefiAntennaAF);
  layer.setAntennaDUO(lefiAntennaSAF);
  layer.setAntennaCumRoutingPlusCut();
  layer.setAntennaGatePlusDiff(2.5);
  layer.setAntennaAreaMinusDiff(3.5);
  EXPECT_DOUBLE_EQ(model->antennaDiffAreaRatio(), 1.0);
  EXPECT_DOUBLE_EQ(model->antennaCumDiffAreaRatio(), 3.0);
  EXPECT_DOUBLE_EQ(model->antennaDiffSideAreaRatio(), 6.0);
  EXPECT_DOUBLE_EQ(model->antennaCumDiffSideAreaRatio(), 8.0);
  EXPECT_EQ(model->hasAntennaCumDiffSideAreaRatio(), 1);
  EXPECT_EQ(model->hasAntennaAreaFactorDUO(), 1);
  EXPECT_EQ(model->hasAntennaSideAreaFactorDUO(), 1);
  EXPECT_EQ(model->hasAntennaAreaFactor(), 0);
  EXPECT_EQ(model->hasAntennaCumRoutingPlusCut(), 1);
  EXPECT_DOUBLE_EQ(model->antennaGatePlusDiff(), 2.5);
  EXPECT_DOUBLE_EQ(model->antennaAreaMinusDiff(), 3.5);
}

TEST_F(LefiLayerTablesTest, AntennaTablesAreOwnedAndReplaced) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    lefiAntennaPWL* first = lefiAntennaPWL::create();
    first->addAntennaPWL(0.0, 1.0);
    layer.setAntennaPWL(lefiAntennaDAR, first);
    lefiAntennaPWL* second = lefiAntennaPWL::create();
    second->addAntennaPWL(0.5, 2.0);
    second->addAntennaPWL(1.0, 3.0);
    layer.setAntennaPWL(lefiAntennaDAR, second);  // releases the first
    lefiAntennaPWL* noSlot = lefiAntennaPWL::create();
    layer.setAntennaPWL(lefiAntennaAF, noSlot);  // released at once
    lefiAntennaPWL* reduce = lefiAntennaPWL::create();
    layer.setAntennaPWL(lefiAntennaADR, reduce);

    const lefiAntennaModel* model = layer.antennaModel(0);
    EXPECT_EQ(model->antennaDiffAreaRatioPWL(), second);
    EXPECT_EQ(model->hasAntennaDiffAreaRatioPWL(), 1);
    EXPECT_EQ(model->hasAntennaCumDiffAreaRatioPWL(), 0);
    EXPECT_EQ(model->antennaAreaDiffReducePWL(), reduce);
    EXPECT_EQ(second->numPWL(), 2);
    EXPECT_DOUBLE_EQ(second->PWLratio(1), 3.0);
    EXPECT_DOUBLE_EQ(second->PWLdiffusion(0), 0.5);
    EXPECT_DOUBLE_EQ(second->PWLratio(-1), 0.0);
    EXPECT_DOUBLE_EQ(second->PWLratio(2), 0.0);
    EXPECT_TRUE(logged().empty());
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
  EXPECT_EQ(heap.foreignFrees(), 0);
}

TEST_F(LefiLayerTablesTest, AntennaPwlGrowsAndSurvivesDestroyThenInit) {
  TrackedHeap heap;
  {
    lefiAntennaPWL pwl;
    heap.takeSizes();
    pwl.addAntennaPWL(1.0, 1.5);
    pwl.addAntennaPWL(2.0, 2.5);
    EXPECT_TRUE(heap.takeSizes().empty());
    pwl.addAntennaPWL(3.0, 3.5);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{32, 32}));
    EXPECT_DOUBLE_EQ(pwl.PWLdiffusion(0), 1.0);
    EXPECT_DOUBLE_EQ(pwl.PWLratio(2), 3.5);
    pwl.Destroy();
    pwl.Init();
    EXPECT_EQ(pwl.numPWL(), 0);
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

TEST_F(LefiLayerTablesTest, AntennaModelsBelowTheFirstAreNamed) {
  lefiLayer layer;
  layer.addAntennaModel(3);
  layer.setAntennaAreaRatio(30.0);
  ASSERT_EQ(layer.numAntennaModel(), 3);
  EXPECT_STREQ(layer.antennaModel(0)->antennaOxide(), "OXIDE1");
  EXPECT_STREQ(layer.antennaModel(1)->antennaOxide(), "OXIDE2");
  EXPECT_STREQ(layer.antennaModel(2)->antennaOxide(), "OXIDE3");
  EXPECT_EQ(layer.antennaModel(0)->hasAntennaAreaRatio(), 0);
  EXPECT_EQ(layer.antennaModel(2)->hasAntennaAreaRatio(), 1);

  layer.addAntennaModel(2);
  layer.setAntennaSideAreaRatio(4.0);
  layer.addAntennaModel(2);  // restarts OXIDE2 from empty
  EXPECT_EQ(layer.numAntennaModel(), 3);
  EXPECT_EQ(layer.antennaModel(1)->hasAntennaSideAreaRatio(), 0);
  layer.setAntennaCumAreaRatio(7.0);
  EXPECT_EQ(layer.antennaModel(1)->hasAntennaCumAreaRatio(), 1);
  EXPECT_EQ(layer.antennaModel(2)->hasAntennaCumAreaRatio(), 0);

  // Only OXIDE1 to OXIDE4 exist.
  layer.addAntennaModel(5);
  layer.addAntennaModel(0);
  EXPECT_EQ(layer.numAntennaModel(), 3);
  layer.addAntennaModel(4);
  EXPECT_EQ(layer.numAntennaModel(), 4);
  EXPECT_STREQ(layer.antennaModel(3)->antennaOxide(), "OXIDE4");

  layer.setName("NEXT");
  EXPECT_EQ(layer.numAntennaModel(), 0);
  layer.setAntennaAreaFactor(1.0);
  EXPECT_EQ(layer.numAntennaModel(), 1);
}

TEST_F(LefiLayerTablesTest, AcDensityTakesTheNumberStack) {
  foldNames();
  lefiLayer layer;
  layer.addAccurrentDensity("peak");
  push(layer, {1e6, 100e6});
  layer.addAcFrequency();
  push(layer, {0.5, 0.4});
  layer.addAcTableEntry();
  push(layer, {0.1, 0.2, 0.3});
  layer.addAcWidth();
  push(layer, {0.01});
  layer.addAcCutarea();
  EXPECT_EQ(layer.getNumber(), -1);
  EXPECT_EQ(layer.hasAccurrentDensity(), 1);
  EXPECT_EQ(layer.hasDccurrentDensity(), 0);
  ASSERT_EQ(layer.numAccurrentDensity(), 1);
  const lefiLayerDensity* ac = layer.accurrent(0);
  EXPECT_STREQ(ac->type(), "PEAK");
  EXPECT_EQ(ac->numFrequency(), 2);
  EXPECT_DOUBLE_EQ(ac->frequency(1), 100e6);
  EXPECT_EQ(ac->numTableEntries(), 2);
  EXPECT_DOUBLE_EQ(ac->tableEntry(0), 0.5);
  EXPECT_EQ(ac->numWidths(), 3);
  EXPECT_DOUBLE_EQ(ac->width(2), 0.3);
  EXPECT_EQ(ac->numCutareas(), 1);
  EXPECT_EQ(ac->hasOneEntry(), 0);
  EXPECT_EQ(layer.accurrent(1), nullptr);
  EXPECT_EQ(layer.dccurrent(0), nullptr);
  EXPECT_TRUE(logged().empty());
}

TEST_F(LefiLayerTablesTest, DcDensityWithOneValueAndMoreEntries) {
  lefiLayer layer;
  layer.addDccurrentDensity("AVERAGE");
  layer.setDcOneEntry(1.5);
  layer.addDccurrentDensity("AVERAGE");
  push(layer, {0.2});
  layer.addDcWidth();
  layer.addDccurrentDensity("AVERAGE");
  push(layer, {0.3, 0.4});
  layer.addDcTableEntry();
  EXPECT_EQ(layer.numDccurrentDensity(), 3);
  EXPECT_EQ(layer.dccurrent(0)->hasOneEntry(), 1);
  EXPECT_DOUBLE_EQ(layer.dccurrent(0)->oneEntry(), 1.5);
  EXPECT_EQ(layer.dccurrent(1)->hasOneEntry(), 0);
  EXPECT_EQ(layer.dccurrent(1)->numWidths(), 1);
  EXPECT_EQ(layer.dccurrent(2)->numTableEntries(), 2);
  EXPECT_EQ(layer.dccurrent(2)->numWidths(), 0);
}

TEST_F(LefiLayerTablesTest, PointListsGrowAndEmptyForTheNextLayer) {
  TrackedHeap heap;
  {
    lefiLayer layer;
    heap.takeSizes();
    layer.setResistancePoint(1.0, 10.0);
    layer.setResistancePoint(2.0, 20.0);
    EXPECT_TRUE(heap.takeSizes().empty());
    layer.setResistancePoint(3.0, 30.0);
    EXPECT_EQ(heap.takeSizes(), (std::vector<int>{32, 32}));
    layer.setCapacitancePoint(0.5, 0.6);
    layer.setCurrentPoint(0.7, 0.8);

    int n = 0;
    double* a = nullptr;
    double* b = nullptr;
    layer.resistanceArray(&n, &a, &b);
    EXPECT_EQ(n, 3);
    EXPECT_DOUBLE_EQ(a[0], 1.0);
    EXPECT_DOUBLE_EQ(b[1], 20.0);
    EXPECT_DOUBLE_EQ(b[2], 30.0);
    layer.currentDensityArray(&n, &a, &b);
    EXPECT_EQ(n, 1);
    EXPECT_DOUBLE_EQ(b[0], 0.8);
    EXPECT_EQ(layer.hasCapacitanceArray(), 1);

    layer.setName("NEXT");
    EXPECT_EQ(layer.hasResistanceArray(), 0);
    EXPECT_EQ(layer.hasCapacitanceArray(), 0);
    EXPECT_EQ(layer.hasCurrentDensityArray(), 0);
    // The arrays stay: four more points need no allocation.
    for (int i = 0; i < 4; i++) layer.setResistancePoint(i, i);
    EXPECT_TRUE(heap.takeSizes().empty());
  }
  EXPECT_EQ(heap.liveBlocks(), 0);
}

}  // namespace
}  // namespace LefDefParser
