#include <gtest/gtest.h>

#include "project/ProjectState.h"

namespace {

struct Flags {
  bool r, l, s, c, a;
};

Flags flagsAfter(InvalidateFrom from) {
  ProjectState p;
  p.reducedStrengthDone = p.boltLengthDone = p.boltLoadDone = p.bearingCapacityDone = p.assessmentDone = true;
  p.beta = "0.95";
  p.invalidate(from);
  return {p.reducedStrengthDone, p.boltLengthDone, p.boltLoadDone, p.bearingCapacityDone, p.assessmentDone};
}

TEST(ProjectStateTest, InvalidationClearsFromTheGivenResultOnwards) {
  struct Case {
    InvalidateFrom from;
    Flags expected;
  };
  const Case cases[] = {
      {InvalidateFrom::All, {false, false, false, false, false}},
      {InvalidateFrom::BoltLength, {true, false, false, false, false}},
      {InvalidateFrom::BoltLoad, {true, true, false, false, false}},
      {InvalidateFrom::BearingCapacity, {true, true, true, false, false}},
  };
  for (const auto& c : cases) {
    Flags f = flagsAfter(c.from);
    EXPECT_EQ(f.r, c.expected.r);
    EXPECT_EQ(f.l, c.expected.l);
    EXPECT_EQ(f.s, c.expected.s);
    EXPECT_EQ(f.c, c.expected.c);
    EXPECT_EQ(f.a, c.expected.a);
  }
}

}  // namespace

namespace {

TEST(ProjectStateTest, RowLabelsLineUpOnTheRight) {
  EXPECT_EQ(layerRowLabel(1), "       1");
  EXPECT_EQ(layerRowLabel(9), "       9");
  EXPECT_EQ(layerRowLabel(10), "     10");
}

TEST(ProjectStateTest, EachInputSourceInvalidatesItsPartOfTheChain) {
  EXPECT_EQ(invalidationForSource(kSrcLayer), InvalidateFrom::All);
  EXPECT_EQ(invalidationForSource(kSrcWidth), InvalidateFrom::All);
  EXPECT_EQ(invalidationForSource(kSrcK), InvalidateFrom::BoltLength);
  EXPECT_EQ(invalidationForSource(kSrcKn), InvalidateFrom::BoltLength);
  EXPECT_EQ(invalidationForSource(kSrcQ), InvalidateFrom::BoltLength);
  EXPECT_EQ(invalidationForSource(kSrcRmr), InvalidateFrom::BoltLoad);
  EXPECT_EQ(invalidationForSource(kSrcGamma), InvalidateFrom::BoltLoad);
  EXPECT_EQ(invalidationForSource(kSrcSigmaR), InvalidateFrom::BearingCapacity);
  EXPECT_FALSE(invalidationForSource(kSrcReducedStrength));
  const int expected[] = {kSrcWidth, kSrcLayer, kSrcK, kSrcKn, kSrcQ, kSrcRmr, kSrcGamma, kSrcSigmaR};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(sourceForTargetItem(i), expected[i]);
  EXPECT_EQ(sourceForTargetItem(8), 0);
}

TEST(ProjectStateTest, ClearKeepsSpacingNameSupportAndRockTypes) {
  ProjectState p;
  Histogram h;
  h.count = 1;
  ASSERT_TRUE(p.fillSlot(kSrcLayer, 1, "a.dis", h));
  ASSERT_TRUE(p.fillSlot(kSrcLayer, 2, "b.dis", h));
  EXPECT_EQ(p.nextLayerRow, 3);
  EXPECT_FALSE(p.fillSlot(kSrcLayer, 4, "c.dis", h));  // beyond the first free row
  ASSERT_TRUE(p.fillSlot(kSrcLayer, 1, "c.dis", h));   // replacing keeps the count
  EXPECT_EQ(p.nextLayerRow, 3);
  p.fillSlot(kSrcQ, 0, "q.dis", h);
  p.layers[1].rockType = "Pískovec";
  p.depthH = "500";
  p.d1 = "22";
  p.d2 = "10";
  p.boltCount = "4";
  p.rowSpacing = "800";
  p.resultsName = "X";
  p.combinedSupport = true;
  p.rockTypes = {"Pískovec"};
  p.bStarText = "5";
  p.reducedStrengthDone = true;
  p.clear();
  EXPECT_EQ(p.nextLayerRow, 1);
  EXPECT_TRUE(p.layers[0].empty());
  EXPECT_TRUE(p.layers[1].rockType.empty());
  EXPECT_TRUE(p.q.empty());
  EXPECT_TRUE(p.depthH.empty());
  EXPECT_TRUE(p.d1.empty());
  EXPECT_EQ(p.d2, "0");
  EXPECT_TRUE(p.boltCount.empty());
  EXPECT_FALSE(p.reducedStrengthDone);
  EXPECT_EQ(p.rowSpacing, "800");
  EXPECT_EQ(p.resultsName, "X");
  EXPECT_TRUE(p.combinedSupport);
  EXPECT_EQ(p.rockTypes.size(), 1u);
  EXPECT_EQ(p.bStarText, "5");
}

}  // namespace
