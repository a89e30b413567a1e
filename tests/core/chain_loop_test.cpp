// The fast pressure-factor loop against the plain triple loop: every bin equal to the last bit, with
// the bins taken at their centres and at their upper edges.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "chain_reference.h"
#include "reliability/PressureLoop.h"

namespace {

Histogram randomHistogram(std::mt19937_64& rng, int n, double min, double step, double zeroShare = 0.2) {
  std::uniform_real_distribution<double> u(0, 1);
  Histogram h;
  h.count = n;
  h.min = min;
  h.step = step;
  h.max = min + (n - 1) * step;
  h.range = n * step;
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    h.p[i] = u(rng) < zeroShare ? 0.0 : u(rng);
    sum += h.p[i];
  }
  if (sum == 0) h.p[0] = sum = 1;
  for (int i = 0; i < n; ++i) h.p[i] /= sum;
  h.total = 1000;
  return h;
}

void expectSameBins(const Histogram& fast, const Histogram& plain) {
  EXPECT_EQ(fast.count, plain.count);
  EXPECT_EQ(fast.min, plain.min);
  EXPECT_EQ(fast.max, plain.max);
  EXPECT_EQ(fast.step, plain.step);
  EXPECT_EQ(fast.range, plain.range);
  int differing = 0;
  for (int k = 0; k < kMaxBins; ++k)
    if (!(fast.p[k] == plain.p[k]) && ++differing <= 5)
      ADD_FAILURE() << "bin " << k + 1 << ": " << fast.p[k] << " != " << plain.p[k];
  EXPECT_EQ(differing, 0);
}

struct LoopCase {
  int nT, nQ, nR;  // nQ 0: without combined support
  int threads;
};

class PressureLoopMatchesPlainLoop : public ::testing::TestWithParam<LoopCase> {};

TEST_P(PressureLoopMatchesPlainLoop, OnRandomInputs) {
  const LoopCase c = GetParam();
  std::mt19937_64 rng(1234 + c.nT * 7 + c.nQ * 13 + c.nR);
  std::uniform_real_distribution<double> u(0, 1);
  for (int round = 0; round < (c.nQ * c.nR > 10000 ? 1 : 6); ++round) {
    const Histogram t = randomHistogram(rng, c.nT, 0.5 + 20 * u(rng), 0.01 + 0.3 * u(rng));
    const Histogram r = randomHistogram(rng, c.nR, 2 + 10 * u(rng), 0.02 + 0.2 * u(rng));
    const Histogram q = randomHistogram(rng, std::max(c.nQ, 1), 0.5 * u(rng), 0.001 + 0.01 * u(rng));
    const double h = 50 + 900 * u(rng);
    const Histogram* qp = c.nQ > 0 ? &q : nullptr;
    for (PairValues values : {PairValues::Centres, PairValues::UpperEdges}) {
      SCOPED_TRACE(values == PairValues::Centres ? "centres" : "upper edges");
      Histogram plain;
      ASSERT_EQ(chain_reference::literalLoop(t, qp, r, h, plain, values), LoopStatus::Ok);
      for (RowKernel kernel : {RowKernel::Fastest, RowKernel::TwoLane}) {
        Histogram fast;
        ASSERT_EQ(pressureLoop(t, qp, r, h, fast, {}, c.threads, values, kernel), LoopStatus::Ok);
        expectSameBins(fast, plain);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PressureLoopMatchesPlainLoop,
                         ::testing::Values(LoopCase{256, 0, 256, 1}, LoopCase{256, 0, 256, 2},
                                           LoopCase{1, 0, 1, 2}, LoopCase{37, 0, 200, 2},
                                           LoopCase{40, 30, 50, 1}, LoopCase{40, 30, 50, 2},
                                           LoopCase{1, 1, 1, 2}, LoopCase{256, 256, 256, 2}));

// A symmetric T and a support resistance above 1.5 H for part of q make many pair values exactly 0,
// which is then a tie between two bin centres when the frame is symmetric as well.
TEST(PressureLoop, ValuesExactlyBetweenTwoCentresMatchThePlainLoop) {
  std::mt19937_64 rng(99);
  std::uniform_real_distribution<double> u(0, 1);
  int ties = 0;
  for (int attempt = 0; attempt < 4000 && ties < 3; ++attempt) {
    Histogram t = randomHistogram(rng, 64, -3.15, 0.1);  // edges -3.2 .. 3.2
    t.max = -t.min;
    const Histogram r = randomHistogram(rng, 50, 4, 0.25);
    const Histogram q = randomHistogram(rng, 20, 0.0, 0.5, 0.0);
    const double h = 1 + 5 * u(rng);  // 1.5 H inside the q range
    Histogram plain;
    if (chain_reference::literalLoop(t, &q, r, h, plain) != LoopStatus::Ok) continue;
    if ((0 - plain.min) / plain.step != 127.5) continue;
    ++ties;
    for (PairValues values : {PairValues::Centres, PairValues::UpperEdges}) {
      ASSERT_EQ(chain_reference::literalLoop(t, &q, r, h, plain, values), LoopStatus::Ok);
      for (RowKernel kernel : {RowKernel::Fastest, RowKernel::TwoLane}) {
        Histogram fast;
        ASSERT_EQ(pressureLoop(t, &q, r, h, fast, {}, 2, values, kernel), LoopStatus::Ok);
        expectSameBins(fast, plain);
      }
      EXPECT_GT(plain.p[128 - 1 + 1], 0.0);  // 127.5 rounds to the even 128: bin 129
    }
  }
  EXPECT_GE(ties, 1);
}

TEST(PressureLoop, BinOfAValueAtAndNextToTheHalfWay) {
  const double min = 0.5, step = 0.25;
  for (int k = 0; k < 255; ++k) {
    const double tie = min + (k + 0.5) * step;  // exact in binary
    EXPECT_EQ(pressureLoopBin(tie, min, step), k % 2 == 0 ? k : k + 1) << k;
    EXPECT_EQ(pressureLoopBin(std::nextafter(tie, 0.0), min, step), k) << k;
    EXPECT_EQ(pressureLoopBin(std::nextafter(tie, 1e9), min, step), k + 1) << k;
  }
  EXPECT_EQ(pressureLoopBin(min - step / 2, min, step), 0);        // lower edge: -0.5 rounds to 0
  EXPECT_EQ(pressureLoopBin(min + 255.5 * step, min, step), 255);  // upper edge rounds to 256: end bin
  EXPECT_EQ(pressureLoopBin(1e300, min, step), 255);
  EXPECT_EQ(pressureLoopBin(-1e300, min, step), 0);
  EXPECT_EQ(pressureLoopBin(std::nan(""), min, step), -1);
}

TEST(PressureLoop, ProgressRunsOverTheBinsOfT) {
  std::mt19937_64 rng(5);
  const Histogram t = randomHistogram(rng, 10, 1, 0.1), r = randomHistogram(rng, 20, 5, 0.2),
                  q = randomHistogram(rng, 3, 0.1, 0.01);
  std::vector<std::int64_t> positions;
  std::int64_t maximum = 0;
  Histogram out;
  pressureLoop(
      t, &q, r, 300, out, [&](std::int64_t p, std::int64_t m) { positions.push_back(p), maximum = m; }, 2);
  ASSERT_EQ(positions.size(), 10u);
  EXPECT_EQ(positions.front(), 3 * 20);
  EXPECT_EQ(positions.back(), 10 * 3 * 20);
  EXPECT_EQ(maximum, 10 * 3 * 20);
}

TEST(PressureLoop, RefusesAnEmptyRangeAndOverflow) {
  std::mt19937_64 rng(8);
  const Histogram t = randomHistogram(rng, 5, 1, 0.1), r = randomHistogram(rng, 5, 5, 0.2);
  Histogram out;
  EXPECT_EQ(pressureLoop(t, nullptr, r, 0, out), LoopStatus::EmptyRange);  // H = 0: every factor is 0
  const Histogram big = randomHistogram(rng, 5, 1e300, 1e298);
  EXPECT_EQ(pressureLoop(big, nullptr, r, 1e6, out), LoopStatus::NotFinite);
}

}  // namespace

namespace {

// A frame far from 0 compared with its width: every bin is taken from the exact quotient.
TEST(PressureLoop, NarrowFrameFarFromZeroMatchesThePlainLoop) {
  std::mt19937_64 rng(77);
  const Histogram t = randomHistogram(rng, 200, 1e6, 1e-3);
  const Histogram r = randomHistogram(rng, 100, 20, 1e-7);
  for (PairValues values : {PairValues::Centres, PairValues::UpperEdges}) {
    Histogram plain;
    ASSERT_EQ(chain_reference::literalLoop(t, nullptr, r, 500, plain, values), LoopStatus::Ok);
    ASSERT_GT(std::fabs(plain.min / plain.step), 1048576.0);
    for (int threads : {1, 2}) {
      Histogram fast;
      ASSERT_EQ(pressureLoop(t, nullptr, r, 500, fast, {}, threads, values), LoopStatus::Ok);
      expectSameBins(fast, plain);
    }
  }
}

}  // namespace
