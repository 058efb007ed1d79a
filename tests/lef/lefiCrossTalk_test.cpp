#include "lef/lefiCrossTalk.h"

#include <gtest/gtest.h>

#include <vector>

#include "lefTestLog.h"

namespace LefDefParser {
namespace {

using lefTest::allocSizes;

// The two families differ only in the name of the victims' value list.
struct NoiseFamily {
  using Table = lefiNoiseTable;
  static void addValue(Table& t, double d) { t.addVictimNoise(d); }
  static int numValues(const lefiNoiseVictim* v) { return v->numNoises(); }
  static double value(const lefiNoiseVictim* v, int i) { return v->noise(i); }
};

struct CorrectionFamily {
  using Table = lefiCorrectionTable;
  static void addValue(Table& t, double d) { t.addVictimCorrection(d); }
  static int numValues(const lefiCorrectionVictim* v) { return v->numCorrections(); }
  static double value(const lefiCorrectionVictim* v, int i) { return v->correction(i); }
};

template <class F>
class LefiCrossTalkTest : public lefTest::LefLogTest {};

using Families = ::testing::Types<NoiseFamily, CorrectionFamily>;
TYPED_TEST_SUITE(LefiCrossTalkTest, Families);

TYPED_TEST(LefiCrossTalkTest, ResistanceNumbersGrowFromOne) {
  typename TypeParam::Table t;
  t.setup(1);
  t.newEdge();
  t.addResistance();
  this->recordAllocs();
  t.addResistanceNumber(0.5);
  t.addResistanceNumber(1.5);
  t.addResistanceNumber(2.5);
  EXPECT_EQ(allocSizes(), (std::vector<int>{2 * sizeof(double), 4 * sizeof(double)}));
  const auto* r = t.edge(0)->resistance(0);
  ASSERT_EQ(r->numNums(), 3);
  EXPECT_EQ(r->num(0), 0.5);
  EXPECT_EQ(r->num(1), 1.5);
  EXPECT_EQ(r->num(2), 2.5);
}

TYPED_TEST(LefiCrossTalkTest, VictimValuesInFileOrder) {
  typename TypeParam::Table t;
  t.setup(3);
  t.newEdge();
  t.addEdge(0.1);
  t.addResistance();
  t.addResistanceNumber(7);
  t.addVictimLength(12.5);
  for (int i = 0; i < 5; i++) TypeParam::addValue(t, i * 0.25);
  t.addVictimLength(20);
  TypeParam::addValue(t, 9);
  EXPECT_EQ(t.num(), 3);
  ASSERT_EQ(t.numEdges(), 1);
  EXPECT_EQ(t.edge(0)->edge(), 0.1);
  const auto* r = t.edge(0)->resistance(0);
  ASSERT_EQ(r->numVictims(), 2);
  const auto* v = r->victim(0);
  EXPECT_EQ(v->length(), 12.5);
  ASSERT_EQ(TypeParam::numValues(v), 5);
  for (int i = 0; i < 5; i++) EXPECT_EQ(TypeParam::value(v, i), i * 0.25);
  EXPECT_EQ(r->victim(1)->length(), 20.0);
  EXPECT_EQ(TypeParam::numValues(r->victim(1)), 1);
}

TYPED_TEST(LefiCrossTalkTest, EdgesKeepTheirOwnEntries) {
  typename TypeParam::Table t;
  t.setup(1);
  t.newEdge();
  t.addEdge(1);
  t.addResistance();
  t.addResistanceNumber(10);
  t.newEdge();
  t.addEdge(2);
  t.addResistance();
  t.addResistance();
  t.addResistanceNumber(20);
  t.addVictimLength(5);
  TypeParam::addValue(t, 0.5);
  t.newEdge();  // a third edge grows the edge list past two
  ASSERT_EQ(t.numEdges(), 3);
  EXPECT_EQ(t.edge(0)->numResistances(), 1);
  EXPECT_EQ(t.edge(0)->resistance(0)->num(0), 10.0);
  EXPECT_EQ(t.edge(0)->resistance(0)->numVictims(), 0);
  EXPECT_EQ(t.edge(1)->edge(), 2.0);
  ASSERT_EQ(t.edge(1)->numResistances(), 2);
  EXPECT_EQ(t.edge(1)->resistance(0)->numNums(), 0);
  EXPECT_EQ(t.edge(1)->resistance(1)->num(0), 20.0);
  EXPECT_EQ(TypeParam::value(t.edge(1)->resistance(1)->victim(0), 0), 0.5);
  EXPECT_EQ(t.edge(2)->edge(), 0.0);
  EXPECT_EQ(t.edge(2)->numResistances(), 0);
}

TYPED_TEST(LefiCrossTalkTest, SetupStartsANewTable) {
  typename TypeParam::Table t;
  t.setup(1);
  t.newEdge();
  t.addResistance();
  t.addVictimLength(1);
  TypeParam::addValue(t, 1);
  t.setup(2);
  EXPECT_EQ(t.num(), 2);
  EXPECT_EQ(t.numEdges(), 0);
  t.newEdge();
  EXPECT_EQ(t.edge(0)->numResistances(), 0);
}

TYPED_TEST(LefiCrossTalkTest, OperationsWithoutTheirParentDoNothing) {
  typename TypeParam::Table t;
  t.setup(1);
  t.addEdge(1);
  t.addResistance();
  t.addResistanceNumber(1);
  t.addVictimLength(1);
  TypeParam::addValue(t, 1);
  EXPECT_EQ(t.numEdges(), 0);
  t.newEdge();
  t.addResistanceNumber(1);
  t.addVictimLength(1);
  TypeParam::addValue(t, 1);
  EXPECT_EQ(t.edge(0)->numResistances(), 0);
  t.addResistance();
  TypeParam::addValue(t, 1);
  EXPECT_EQ(t.edge(0)->resistance(0)->numVictims(), 0);
  t.Destroy();
  t.Destroy();
  EXPECT_EQ(t.numEdges(), 0);
}

}  // namespace
}  // namespace LefDefParser
