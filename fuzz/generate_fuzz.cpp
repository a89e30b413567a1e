// libFuzzer target: the parametric generator on random types, parameters, Eps, N and sample summaries.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "creation/ParametricGenerator.h"

namespace {

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t byte() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
  double real() {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | byte();
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
  }
  // A parameter text: a typed-looking text or a random double written out.
  std::string text() {
    const std::uint8_t kind = byte();
    if (kind % 4 == 0) {
      std::string s;
      const int n = byte() % 12;
      for (int i = 0; i < n; ++i) s.push_back(static_cast<char>(byte()));
      return s;
    }
    if (kind % 4 == 1) return std::to_string(static_cast<int>(byte()) - 64);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", real());
    return buf;
  }
};

double finiteOr(double x, double fallback) { return std::isfinite(x) ? x : fallback; }

}  // namespace

// Reports the request and the result before stopping the run.
[[noreturn]] static void fail(const ParametricRequest& rq, const ParametricResult& r, const char* what) {
  std::fprintf(stderr, "%s: type %d N %d eps %g mode %d params [%s] [%s] [%s] [%s] min %g max %g step %g\n",
               what, rq.type, rq.intervals, rq.eps, static_cast<int>(rq.mode), rq.params[0].c_str(),
               rq.params[1].c_str(), rq.params[2].c_str(), rq.params[3].c_str(), r.min, r.max, r.step);
  for (int i = 0; i < r.intervals; ++i) std::fprintf(stderr, " %g", r.p[i]);
  std::fprintf(stderr, " valid %d fault %d\n", r.valid, r.fault ? r.fault->message : 0);
  std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in{data, size};
  ParametricRequest rq;
  rq.type = in.byte() % 26;  // 24 and 25 are outside the list
  rq.intervals = 3 + in.byte() % 254;
  const std::uint8_t flags = in.byte();
  rq.eps = std::pow(10.0, -8.0 * (in.byte() / 255.0));
  rq.reset = flags & 1;
  for (auto& p : rq.params) p = in.text();
  if (flags & 2) {
    rq.mode = GenerateMode::Fitting;
    SampleSummary& s = rq.sample;
    s.mean = finiteOr(in.real(), 10);
    s.sigma = std::fabs(finiteOr(in.real(), 1));
    s.skewness = finiteOr(in.real(), 0.5);
    s.xmin = finiteOr(in.real(), 5);
    s.xmax = finiteOr(in.real(), 15);
    s.median = finiteOr(in.real(), 10);
    s.mode = finiteOr(in.real(), 10);
    s.weibullShape = 1.5 + (in.byte() % 200) * 0.01;
  }
  if (flags & 4) rq.limits = {true, finiteOr(in.real(), 0), finiteOr(in.real(), 20)};

  const ParametricResult r = GenerateParametric(rq, flags & 8 ? Language::English : Language::Czech);
  if (r.refusal && r.refusal->text(Language::English).empty()) fail(rq, r, "refusal without text");
  if (r.fault && (r.fault->message < 101 || r.fault->message > 106)) fail(rq, r, "fault message");
  if (r.valid) {
    double sum = 0;
    for (int i = 0; i < r.intervals; ++i) {
      if (!(r.p[i] >= 0) || !std::isfinite(r.p[i])) fail(rq, r, "bin");
      sum += r.p[i];
    }
    if (!(sum > 0.999 && sum < 1.001)) fail(rq, r, "sum");
    if (!std::isfinite(r.min) || !std::isfinite(r.max) || !std::isfinite(r.step)) fail(rq, r, "range");
    const Histogram h = r.histogram();
    if (binCount(h) != rq.intervals) fail(rq, r, "count");
  }
  return 0;
}
