#include <gtest/gtest.h>

#include "reliability/ProjectState.h"

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
  struct Case { InvalidateFrom from; Flags expected; };
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
