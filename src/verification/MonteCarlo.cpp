#include "verification/MonteCarlo.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

#include "creation/SpecialFunctions.h"
#include "reliability/BoltLoad.h"

namespace verification {

AliasTable::AliasTable(const Histogram& h) {
  // Only bins with mass get a column, so a bin without mass is never drawn.
  std::vector<int> bins;
  double sum = 0;
  for (int i = 0; i < binCount(h); ++i)
    if (h.p[i] > 0) {
      bins.push_back(i);
      sum += h.p[i];
    }
  if (bins.empty()) bins.push_back(0), sum = 1;
  const auto n = static_cast<int>(bins.size());
  columns_ = static_cast<std::uint64_t>(n);
  table_.resize(n);
  std::vector<double> scaled(n);
  std::vector<int> small, large;
  for (int c = 0; c < n; ++c) {
    scaled[c] = h.p[bins[c]] > 0 ? h.p[bins[c]] / sum * n : 1.0;
    (scaled[c] < 1 ? small : large).push_back(c);
  }
  while (!small.empty() && !large.empty()) {
    const int s = small.back(), l = large.back();
    small.pop_back();
    table_[s] = {static_cast<std::uint64_t>(std::ldexp(scaled[s], 32)), bins[s], bins[l]};
    scaled[l] = (scaled[l] + scaled[s]) - 1;
    if (scaled[l] < 1) {
      large.pop_back();
      small.push_back(l);
    }
  }
  // What is left holds a share of 1 up to rounding: the column is its own bin throughout.
  for (int c : small) table_[c] = {std::uint64_t{1} << 32, bins[c], bins[c]};
  for (int c : large) table_[c] = {std::uint64_t{1} << 32, bins[c], bins[c]};
}

PfEstimate pfEstimate(std::int64_t failures, std::int64_t samples, double targetCov) {
  PfEstimate e;
  e.samples = samples;
  e.failures = failures;
  if (samples <= 0) {
    e.cov = std::numeric_limits<double>::infinity();
    e.hi95 = 1;
    return e;
  }
  const double n = static_cast<double>(samples), p = static_cast<double>(failures) / n;
  e.pf = p;
  e.cov = failures > 0 ? std::sqrt((1 - p) / (n * p)) : std::numeric_limits<double>::infinity();
  constexpr double z = 1.959963984540054;
  const double z2n = z * z / n;
  const double centre = (p + z2n / 2) / (1 + z2n);
  const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4 * n)) / (1 + z2n);
  e.lo95 = failures == 0 ? 0.0 : std::max(0.0, centre - half);
  e.hi95 = failures == samples ? 1.0 : std::min(1.0, centre + half);
  e.converged = e.cov <= targetCov;
  return e;
}

Sampler::Sampler(const PointModel& model, bool bounds) : model_(model) {
  // Each input's values are scaled once by the constant it is multiplied with.
  auto make = [](const Histogram& h, double scale, double shift = 0) {
    Input in;
    in.alias = AliasTable(h);
    const int n = binCount(h);
    in.centre.resize(n);
    in.lower.resize(n);
    for (int i = 0; i < n; ++i) {
      const double c = h.min + i * h.step;
      in.centre[i] = shift + c * scale;
      in.lower[i] = shift + (c - h.step / 2) * scale;
    }
    in.width = h.step * scale;
    return in;
  };
  const double f = model.beta / (2 * model.bStar);
  size_t layer = 0;
  for (const ModelInput& in : model.inputs) {
    switch (in.kind) {
      case InputKind::Layer:
        layers_.push_back(make(in.h, 45 * f * model.thickness[layer++]));
        break;
      case InputKind::Width:
        b_ = make(in.h, 1);
        break;
      case InputKind::Kn:
        kn_ = make(in.h, 1);
        break;
      case InputKind::Rmr:
        d_ = make(in.h, -0.01, 1);
        break;
      case InputKind::Gamma:
        gamma_ = make(in.h, kBoltLoadConstant);
        break;
      case InputKind::Q:
        q_ = make(in.h, 1);
        break;
      case InputKind::SigmaR:
        c_ = make(in.h, model.capacityFactor);
        break;
    }
  }
  if (!model.combined) {
    Histogram zero;
    zero.count = 1;
    zero.step = 1;
    zero.p[0] = 1;
    q_ = make(zero, 0);
  }

  // The range of x over the outer edges of R (45 R) and q.
  auto span = [](const Input& in) {
    double lo = in.lower.front(), hi = lo;
    for (size_t i = 0; i < in.lower.size(); ++i)
      for (double v : {in.lower[i], in.lower[i] + in.width}) lo = std::min(lo, v), hi = std::max(hi, v);
    return std::pair{lo, hi};
  };
  double rLo = 0, rHi = 0;
  for (const Input& l : layers_) {
    const auto [lo, hi] = span(l);
    rLo += lo;
    rHi += hi;
  }
  const auto [qLo, qHi] = span(q_);
  const double depthTerm = 1.5 * model.depthH;
  if (!bounds || !(rLo > 0) || !std::isfinite(rHi) || !std::isfinite(depthTerm)) return;
  double xLo = std::numeric_limits<double>::infinity(), xHi = -xLo;
  for (double q : {qLo, qHi})
    for (double r : {rLo, rHi}) {
      const double x = (depthTerm - q) / r;
      xLo = std::min(xLo, x);
      xHi = std::max(xHi, x);
    }
  constexpr int kCells = 4096;
  if (!(xHi > xLo) || !std::isfinite(xHi - xLo)) return;
  const double dx = (xHi - xLo) / kCells;
  xLo_ = xLo - 2 * dx;  // a margin of cells on either side
  inverseDx_ = 1 / dx;
  table_.resize(kCells + 6);
  for (size_t k = 0; k < table_.size(); ++k)
    table_[k] = RealPower(ExpBounded(xLo_ + static_cast<double>(k) * dx) - 1, 0.6);
}

BlockCount Sampler::block(std::uint64_t seed, std::int64_t blockIndex, std::int64_t count) const {
  SplitMix64 seeder{seed ^ 0x5851f42d4c957f2dULL};
  const std::uint64_t key = seeder.next();
  SplitMix64 rng{key + static_cast<std::uint64_t>(blockIndex) * 0xd1b54a32d192ed03ULL};
  rng.state = rng.next();
  constexpr double kUnit = 0x1.0p-53;
  const double depthTerm = 1.5 * model_.depthH;
  const size_t nLayers = layers_.size();
  BlockCount counts;
  struct Pair {
    double centre, uniform;
  };
  auto draw = [&](const Input& in) {
    const int bin = in.alias.draw(rng.next());
    const double u = static_cast<double>(rng.next() >> 11) * kUnit;
    return Pair{in.centre[bin], in.lower[bin] + u * in.width};
  };
  auto factor = [&](double q, double r45) { return RealPower(ExpBounded((depthTerm - q) / r45) - 1, 0.6); };
  // FS < 0 for load factor p (gamma Kn B B D), pressure arguments q, 45 R and capacity c. The tabulated
  // neighbours bound g (one cell of slack either way for the rounding of x and of the grid); only a
  // sample the bounds leave in doubt is evaluated exactly.
  const bool tabulated = !table_.empty();
  const auto last = static_cast<std::int64_t>(table_.size()) - 1;
  auto fails = [&](double p, double q, double r45, double c) {
    if (tabulated && p >= 0) {
      const double position = ((depthTerm - q) / r45 - xLo_) * inverseDx_;
      if (position >= 1 && position < static_cast<double>(last - 2)) {
        const auto k = static_cast<std::int64_t>(position);
        const double below = c - p * table_[k + 2], above = c - p * table_[k - 1];
        const double margin = 1e-9 * (std::fabs(c) + std::fabs(p * table_[k + 2]));
        if (below > margin) return false;
        if (above < -margin) return true;
      }
    }
    return c - p * factor(q, r45) < 0;
  };
  for (std::int64_t s = 0; s < count; ++s) {
    Pair r{0, 0};
    for (size_t i = 0; i < nLayers; ++i) {
      const Pair v = draw(layers_[i]);
      r.centre += v.centre;
      r.uniform += v.uniform;
    }
    const Pair b1 = draw(b_), b2 = draw(b_), kn = draw(kn_), d = draw(d_), g = draw(gamma_), q = draw(q_),
               c = draw(c_);
    counts.centres +=
        fails(g.centre * kn.centre * b1.centre * b2.centre * d.centre, q.centre, r.centre, c.centre);
    counts.uniform +=
        fails(g.uniform * kn.uniform * b1.uniform * b2.uniform * d.uniform, q.uniform, r.uniform, c.uniform);
  }
  return counts;
}

MonteCarloResult runMonteCarlo(const PointModel& model, const MonteCarloOptions& o) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const Sampler sampler(model);
  int threads = o.threads > 0
                    ? o.threads
                    : static_cast<int>(std::max(1u, std::min(8u, std::thread::hardware_concurrency())));
  const std::int64_t maxSamples = std::max<std::int64_t>(1, o.maxSamples);
  const std::int64_t maxBlocks = (maxSamples + kSamplesPerBlock - 1) / kSamplesPerBlock;

  MonteCarloResult result;
  bool centresDone = false, uniformDone = false;
  std::int64_t blocks = 0, samples = 0;
  BlockCount total;
  std::vector<BlockCount> round;
  auto cancelled = [&] { return o.cancel && o.cancel->load(std::memory_order_relaxed); };
  auto seconds = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };

  while (!(centresDone && uniformDone)) {
    if (cancelled()) {
      result.cancelled = true;
      break;
    }
    if (blocks >= maxBlocks) break;
    if (seconds() >= o.maxSeconds) {
      result.timedOut = true;
      break;
    }
    // Rounds grow with the run (4 .. 64 blocks), a rule that does not depend on the threads.
    const std::int64_t n = std::min(maxBlocks - blocks, std::clamp<std::int64_t>(blocks, 4, 64));
    round.assign(static_cast<size_t>(n), {});
    std::atomic<std::int64_t> next{0};
    std::atomic<bool> stopped{false};
    auto work = [&] {
      for (std::int64_t i; (i = next.fetch_add(1)) < n;) {
        if (cancelled()) {
          stopped = true;
          return;
        }
        const std::int64_t b = blocks + i;
        const std::int64_t count = std::min(kSamplesPerBlock, maxSamples - b * kSamplesPerBlock);
        round[static_cast<size_t>(i)] = sampler.block(o.seed, b, count);
      }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min<std::int64_t>(threads, n); ++t) {
      try {
        helpers.emplace_back(work);
      } catch (...) {
        break;  // fewer threads: the others take the blocks
      }
    }
    work();
    for (auto& h : helpers) h.join();
    if (stopped) {
      result.cancelled = true;
      break;
    }
    for (std::int64_t i = 0; i < n; ++i) {
      total.centres += round[static_cast<size_t>(i)].centres;
      total.uniform += round[static_cast<size_t>(i)].uniform;
      samples += std::min(kSamplesPerBlock, maxSamples - (blocks + i) * kSamplesPerBlock);
    }
    blocks += n;
    if (!centresDone) {
      result.centres = pfEstimate(total.centres, samples, o.targetCov);
      centresDone = result.centres.converged;
    }
    if (!uniformDone) {
      result.uniform = pfEstimate(total.uniform, samples, o.targetCov);
      uniformDone = result.uniform.converged;
    }
    if (o.progress) {
      std::int64_t expected = samples;
      for (const PfEstimate* e : {&result.centres, &result.uniform}) {
        if (e->converged) continue;
        const double need = e->failures > 0 ? (1 - e->pf) / (e->pf * o.targetCov * o.targetCov)
                                            : static_cast<double>(maxSamples);
        expected = std::max(expected, static_cast<std::int64_t>(std::min<double>(need, maxSamples)));
      }
      o.progress(samples, expected);
    }
  }
  result.seconds = seconds();
  return result;
}

}  // namespace verification
