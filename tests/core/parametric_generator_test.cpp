#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "creation/ParametricGenerator.h"
#include "creation/SpecialFunctions.h"
#include "shell/Messages.h"

namespace {

ParametricResult gen(int type, std::array<std::string, 4> params, double eps = 1e-7, int n = 128) {
  ParametricRequest rq;
  rq.type = type;
  rq.params = params;
  rq.eps = eps;
  rq.intervals = n;
  return GenerateParametric(rq, Language::Czech);
}

double sumOf(const ParametricResult& r) {
  return std::accumulate(r.p.begin(), r.p.begin() + r.intervals, 0.0);
}

std::string cs(int n) { return MessageText(n, Language::Czech); }

TEST(ParametricGenerator, NormalSearchStopsAtTheFirstGridPointBelowTheThreshold) {
  const auto r = gen(kPtNormal, {"10", "1", "1.1", "1.9"}, 1e-7, 128);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(r.min, 4.32, 1e-9);
  EXPECT_NEAR(r.max, 15.68, 1e-9);
  EXPECT_NEAR(r.step, 0.08875, 1e-11);
  const Histogram h = r.histogram();
  EXPECT_EQ(h.count, 128);
  EXPECT_NEAR(h.min, 4.364375, 1e-9);
  EXPECT_DOUBLE_EQ(h.max, r.max - r.step / 2);
  EXPECT_DOUBLE_EQ(h.range, 128 * h.step);
  EXPECT_NEAR(sumOf(r), 1, 1e-12);
  // Symmetric bins around Mi.
  EXPECT_NEAR(r.p[0], r.p[127], 1e-15);
  EXPECT_EQ(r.presentation.caption, cs(212) + " F (x | Mi,Sigma)");
  EXPECT_TRUE(r.presentation.epsVisible);
}

TEST(ParametricGenerator, FixedRangeTypes) {
  const auto u = gen(kPtUniform, {"0", "20", "5", "1.9"});
  ASSERT_TRUE(u.valid);
  EXPECT_EQ(u.min, 0);
  EXPECT_EQ(u.max, 20);
  for (int i = 0; i < 128; ++i) EXPECT_NEAR(u.p[i], 1.0 / 128, 1e-16);
  EXPECT_FALSE(u.presentation.epsVisible);

  for (double eps : {1e-8, 1e-3, 0.5}) {
    const auto c = gen(kPtRaisedCosine, {"7", "3", "1.1", "1.9"}, eps);
    ASSERT_TRUE(c.valid);
    EXPECT_EQ(c.min, 4);
    EXPECT_EQ(c.max, 10);
  }
}

TEST(ParametricGenerator, OneSidedStarts) {
  const auto e = gen(kPtExponential, {"2", "1", "1.1", "1.9"});
  ASSERT_TRUE(e.valid);
  EXPECT_EQ(e.min, 2);
  EXPECT_GT(e.p[0], e.p[1]);

  // Half-logistic starts at P1; the shape is the density of x itself.
  const auto hl = gen(kPtHalfLogistic, {"3", "1", "1.1", "1.9"});
  ASSERT_TRUE(hl.valid);
  EXPECT_EQ(hl.min, 3);
  auto f = [](double x) { return 2 * std::exp(-x) / std::pow(1 + std::exp(-x), 2); };
  const double x1 = hl.min + 0.5 * hl.step, x9 = hl.min + 9.5 * hl.step;
  EXPECT_NEAR(hl.p[0] / hl.p[9], f(x1) / f(x9), 1e-9);
  EXPECT_EQ(hl.description, "Delta=3)");

  // Gamma k = 1: the search starts at (k - 1) theta = 0 and its downward walk stops one step below it.
  const auto g = gen(kPtGamma, {"1", "2", "1.1", "1.9"});
  ASSERT_TRUE(g.valid);
  EXPECT_NEAR(g.min, -0.002, 1e-15);
}

struct RefusalCase {
  const char* what;
  int type;
  std::array<std::string, 4> params;
  int message;
  std::string text;
  int focus;
  bool restore;
};

TEST(ParametricGenerator, RefusalsCarryTheirMessageAndFocus) {
  const RefusalCase cases[] = {
      {"parse",
       kPtNormal,
       {"10", "1x", "1.1", "1.9"},
       501,
       cs(501) + "\r\n\r\n        " + cs(502) + "Sigma : 1x",
       2,
       true},
      {"sigma",
       kPtNormal,
       {"10", "0", "1.1", "1.9"},
       503,
       cs(503) + "\r\n\r\n     Sigma" + cs(504),
       2,
       false},
      {"lognormal mi",
       kPtLogNormal2P,
       {"-1", "1", "1.1", "1.9"},
       503,
       cs(503) + "\r\n\r\n     Mi" + cs(504),
       1,
       false},
      {"gamma k", kPtGamma, {"0.5", "1", "1.1", "1.9"}, 509, cs(509) + "(k-1).theta >= 0   !", 0, false},
      {"beta a=b", kPtBetaGeneral, {"2", "3", "5", "5"}, 505, cs(505) + " a < b !", 4, false},
      {"uniform", kPtUniform, {"20", "0", "5", "1.9"}, 505, cs(505) + " a < b !", 1, false},
      {"triangular c", kPtTriangular, {"0", "20", "21", "1.9"}, 505, cs(505) + " a <= c <= b !", 3, false},
      {"lognormal 3p", kPtLogNormal3P, {"10", "1", "0", "1.9"}, 505, cs(505) + " Skewness <> 0 !", 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto r = gen(c.type, c.params);
    EXPECT_FALSE(r.valid);
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->message, c.message);
    EXPECT_EQ(r.refusal->text(Language::Czech), c.text);
    EXPECT_EQ(r.refusal->parameterField, c.focus);
    EXPECT_EQ(r.refusal->restoreText, c.restore);
    EXPECT_EQ(r.refusal->titleMessage(), 3);
    EXPECT_EQ(sumOf(r), 0);
  }
  EXPECT_TRUE(gen(kPtGamma, {"1", "1", "1.1", "1.9"}).valid);
  EXPECT_TRUE(gen(kPtTriangular, {"0", "20", "0", "1.9"}).valid);
  EXPECT_TRUE(gen(kPtTriangular, {"0", "20", "20", "1.9"}).valid);
}

TEST(ParametricGenerator, NoHistogramIsExplained) {
  // Every bin centre underflows.
  const auto b = gen(kPtBetaAtZero, {"1000", "1000", "1.1", "1.9"});
  EXPECT_FALSE(b.valid);
  ASSERT_TRUE(b.refusal);
  EXPECT_NE(b.refusal->text(Language::Czech).find("nevznikl žádný histogram"), std::string::npos)
      << b.refusal->text(Language::Czech);
  EXPECT_FALSE(b.fault);
  // Gamma(k) theta^k = 0.
  const auto g = gen(kPtGamma, {"2", "1E-300", "1.1", "1.9"});
  EXPECT_FALSE(g.valid);
  ASSERT_TRUE(g.refusal);
  EXPECT_NE(g.refusal->text(Language::Czech).find("všude nulová"), std::string::npos)
      << g.refusal->text(Language::Czech);
}

TEST(ParametricGenerator, TinyBinsArePrunedToZero) {
  const auto r = gen(kPtBetaAtZero, {"20", "1", "1.1", "1.9"});
  ASSERT_TRUE(r.valid);
  int zeros = 0;
  for (int i = 0; i < 128; ++i) zeros += r.p[i] == 0;
  EXPECT_GT(zeros, 0);
  EXPECT_EQ(r.p[0], 0);
  EXPECT_GT(r.p[127], 0);
}

TEST(ParametricGenerator, ArithmeticFaultIsReportedWithTheHeader) {
  const auto r = gen(kPtUniform, {"-1E308", "1E308", "5", "1.9"});
  EXPECT_FALSE(r.valid);
  ASSERT_TRUE(r.fault);
  EXPECT_EQ(r.fault->message, 102);
  EXPECT_EQ(r.fault->text(Language::Czech), cs(211) + "Uniform\r\n\r\n       " + cs(102));
}

TEST(ParametricGenerator, PathologicalParametersEndWithAClearRefusal) {
  // Huge Mi: the step 0.01 is lost next to x.
  const auto huge = gen(kPtNormal, {"1E20", "1", "1.1", "1.9"});
  ASSERT_TRUE(huge.refusal);
  EXPECT_EQ(huge.refusal->message, 0);
  EXPECT_NE(huge.refusal->text(Language::Czech).find("h = 0.01"), std::string::npos);
  // Lévy with a tiny c needs more steps than the bound.
  const auto levy = gen(kPtLevy, {"1E-10", "1", "1.1", "1.9"}, 1e-8);
  ASSERT_TRUE(levy.refusal);
  EXPECT_EQ(levy.refusal->message, 0);
  // Heavy tails far beyond the stepping phase still end at the first grid point below the threshold.
  const auto cauchy = gen(kPtCauchy, {"10", "1", "1.1", "1.9"}, 1e-8);
  ASSERT_TRUE(cauchy.valid);
  EXPECT_NEAR(cauchy.max, 10 + 3162.278, 1e-6);
  EXPECT_NEAR(cauchy.min, 10 - 3162.278, 1e-6);
  // Pareto with k near 0: a very long but finite range.
  const auto pareto = gen(kPtPareto, {"10", "1E-9", "1.1", "1.9"}, 1e-8);
  EXPECT_TRUE(pareto.valid || pareto.refusal);
  // Tiny Sigma.
  const auto tiny = gen(kPtNormal, {"10", "1E-12", "1.1", "1.9"}, 1e-8);
  EXPECT_TRUE(tiny.valid || tiny.refusal);
}

ParametricResult fit(int type, const SampleSummary& s, double eps = 1e-7, int n = 32) {
  ParametricRequest rq;
  rq.type = type;
  rq.mode = GenerateMode::Fitting;
  rq.sample = s;
  rq.eps = eps;
  rq.intervals = n;
  return GenerateParametric(rq, Language::Czech);
}

SampleSummary sample() {
  SampleSummary s;
  s.mean = 10;
  s.sigma = 2;
  s.skewness = 0.5;
  s.meanText = "10";
  s.sigmaText = "2";
  s.skewnessText = "0.5";
  s.xmin = 5;
  s.xmax = 16;
  s.median = 9.8;
  s.mode = 9.5;
  s.weibullShape = 3;
  return s;
}

TEST(ParametricFitting, TypesThatNeverFitAreRejectedSilently) {
  for (int t : {kPtCauchy, kPtLevy, kPtPareto, kPtUniform, kPtTriangular}) {
    SCOPED_TRACE(t);
    const auto r = fit(t, sample());
    EXPECT_FALSE(r.valid);
    EXPECT_FALSE(r.refusal);
    EXPECT_FALSE(r.fault);
  }
}

TEST(ParametricFitting, AcceptanceRules) {
  SampleSummary s = sample();
  // Student: n = 2v / (v - 1) needs a variance above 1.
  EXPECT_TRUE(fit(kPtStudent, s).valid);
  s.sigma = 0.9;
  EXPECT_FALSE(fit(kPtStudent, s).valid);
  s.sigma = 1;  // v - 1 = 0
  EXPECT_FALSE(fit(kPtStudent, s).valid);
  EXPECT_FALSE(fit(kPtStudent, s).fault);

  // Gumbel I needs midrange >= median, Gumbel II midrange <= median.
  s = sample();  // midrange 10.5
  s.median = 10.5;
  EXPECT_TRUE(fit(kPtGumbelI, s).valid);
  EXPECT_TRUE(fit(kPtGumbelII, s).valid);
  s.median = 10.6;
  EXPECT_FALSE(fit(kPtGumbelI, s).valid);
  EXPECT_TRUE(fit(kPtGumbelII, s).valid);
  s.median = 10.4;
  EXPECT_TRUE(fit(kPtGumbelI, s).valid);
  EXPECT_FALSE(fit(kPtGumbelII, s).valid);

  s = sample();
  s.skewness = 0;
  EXPECT_FALSE(fit(kPtLogNormal3P, s).valid);
  s.skewness = 0.5;
  EXPECT_TRUE(fit(kPtLogNormal3P, s).valid);

  // Beta general: mean at the upper limit.
  s = sample();
  s.mean = s.xmax;
  EXPECT_FALSE(fit(kPtBetaGeneral, s).valid);
}

TEST(ParametricFitting, NormalKeepsTheSampleRangeWhenItsTailsAreNegligible) {
  SampleSummary s = sample();
  s.xmin = 10 - 8 * 2;
  s.xmax = 10 + 8 * 2;
  const auto wide = fit(kPtNormal, s);
  ASSERT_TRUE(wide.valid);
  EXPECT_EQ(wide.min, s.xmin);
  EXPECT_EQ(wide.max, s.xmax);
  const auto narrow = fit(kPtNormal, sample());
  ASSERT_TRUE(narrow.valid);
  EXPECT_NEAR(narrow.min, 10 - 2 * 5.68, 1e-6);  // Table C search with h = 0.02
}

TEST(ParametricFitting, WrittenParametersAndDescriptions) {
  const SampleSummary s = sample();
  struct Case {
    int type;
    std::string p1, p2, description;
  } cases[] = {
      {kPtNormal, "10", "2", "Mi=10,Sigma=2)"},
      {kPtRaisedCosine, "10", "5.53232", "Mi=10,s=5.53232)"},
      {kPtFisherTippett, "10", "1.55939", "Mi=10,Beta=1.55939)"},
      {kPtLaplace, "10", "1.41421", "Mi=10,b=1.41421)"},
      {kPtLogistic, "10", "1.10266", "Mi=10, s=1.10266)"},
      {kPtWeibull, "3.00000", "11.19847", "k=3.00000, Lambda=11.19847)"},
      {kPtRayleigh, "2.00000", "1", "Sigma=2.00000)"},
      {kPtStudent, "2.66667", "1", "n=2.66667)"},
      {kPtGamma, "25.00000", "0.40000", "k=25.00000,theta=0.40000)"},
      {kPtExponential, "10", "1", "delta=10)"},
      {kPtChiSquare, "10", "1", "n=10)"},
      {kPtHalfLogistic, "10", "1", "Delta=10)"},
      {kPtLogNormal3P, "10", "2", "Mi=10,Sigma=2,Skewness=0.5)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    const auto r = fit(c.type, s);
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.params[0], c.p1);
    EXPECT_EQ(r.params[1], c.p2);
    EXPECT_EQ(r.description, c.description);
  }
  const auto beta = fit(kPtBetaGeneral, s);
  EXPECT_EQ(beta.params[2], "5.00000");
  EXPECT_EQ(beta.params[3], "16.00000");
  EXPECT_NE(beta.description.find(")"), std::string::npos);
  EXPECT_NE(beta.description.find(beta.params[1] + "a=5.00000,b=16.00000)"), std::string::npos);
}

TEST(ParametricFitting, UserLimitsReplaceTheRangeAndCutNegativeCentres) {
  ParametricRequest rq;
  rq.type = kPtRayleigh;
  rq.mode = GenerateMode::Fitting;
  rq.sample = sample();
  rq.intervals = 10;
  rq.limits = {true, -2, 8};
  const auto r = GenerateParametric(rq, Language::Czech);
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.min, -2);
  EXPECT_EQ(r.max, 8);
  EXPECT_EQ(r.p[0], 0);  // centre -1.5
  EXPECT_EQ(r.p[1], 0);  // centre -0.5
  EXPECT_GT(r.p[2], 0);
}

}  // namespace

namespace {

// Densities written independently of the generator (up to a constant factor).
double shape(int t, const std::array<double, 4>& P, double x) {
  const double p1 = P[0], p2 = P[1];
  const double pi = 3.14159265358979323846;
  switch (t) {
    case kPtNormal:
      return std::exp(-(x - p1) * (x - p1) / (2 * p2 * p2));
    case kPtLogNormal2P: {
      const double w = 1 + (p2 / p1) * (p2 / p1);
      const double l = std::log(x * std::sqrt(w) / p1);
      return std::exp(-l * l / (2 * std::log(w))) / x;
    }
    case kPtGumbelI: {
      const double a = pi / (std::sqrt(6.0) * p2), u = p1 - 0.577 / a, z = -a * (x - u);
      return std::exp(z - std::exp(z));
    }
    case kPtGumbelII: {
      const double a = pi / (std::sqrt(6.0) * p2), u = p1 + 0.577 / a, z = a * (x - u);
      return std::exp(z - std::exp(z));
    }
    case kPtRaisedCosine:
      return 1 + std::cos(pi * (x - p1) / p2);
    case kPtCauchy:
      return 1 / (1 + std::pow((x - p1) / p2, 2));
    case kPtFisherTippett: {
      const double e = std::exp((p1 - x) / p2);
      return std::exp(-e) * e;
    }
    case kPtLaplace:
      return std::exp(-std::fabs(x - p1) / p2);
    case kPtLogistic: {
      const double e = std::exp(-(x - p1) / p2);
      return e / ((1 + e) * (1 + e));
    }
    case kPtWeibull:
      return std::pow(x / p2, p1 - 1) * std::exp(-std::pow(x / p2, p1));
    case kPtRayleigh:
      return x * std::exp(-x * x / (2 * p1 * p1));
    case kPtLevy:
      return std::pow(x, -1.5) * std::exp(-p1 / (2 * x));
    case kPtStudent:
      return std::pow(1 + x * x / p1, -(p1 + 1) / 2);
    case kPtBetaAtZero:
      return std::pow(x, p1 - 1) * std::pow(1 - x, p2 - 1);
    case kPtBetaGeneral:
      return std::pow(x - P[2], p1 - 1) * std::pow(P[3] - x, p2 - 1);
    case kPtGamma:
      return std::pow(x, p1 - 1) * std::exp(-x / p2);
    case kPtSnedecor:
      return std::pow(x, p1 / 2 - 1) * std::pow(1 + p1 / p2 * x, -(p1 + p2) / 2);
    case kPtPareto:
      return std::pow(x, -(p2 + 1));
    case kPtUniform:
      return 1;
    case kPtTriangular:
      return x <= P[2] ? (x - p1) / (P[2] - p1) : (p2 - x) / (p2 - P[2]);
    case kPtExponential:
      return std::exp(-x / p1);
    case kPtChiSquare:
      return std::pow(x, p1 / 2 - 1) * std::exp(-x / 2);
    case kPtHalfLogistic:
      return std::exp(-x) / std::pow(1 + std::exp(-x), 2);
    default:
      return 0;
  }
}

struct ShapeCase {
  int type;
  std::array<double, 4> P;
  int visible;  // parameter fields shown
  const char* suffix;
};

TEST(ParametricGenerator, EveryTypeHasItsDensityShapeAndPresentation) {
  const ShapeCase cases[] = {
      {kPtNormal, {10, 1, 1.1, 1.9}, 2, " F (x | Mi,Sigma)"},
      {kPtLogNormal2P, {10, 3, 1.1, 1.9}, 2, " F (x | Mi,Sigma)"},
      {kPtGumbelI, {10, 2, 1.1, 1.9}, 2, " F (x | Mi,Sigma)"},
      {kPtGumbelII, {10, 2, 1.1, 1.9}, 2, " F (x | Mi,Sigma)"},
      {kPtRaisedCosine, {10, 3, 1.1, 1.9}, 2, " F (x | Mi,s)"},
      {kPtCauchy, {10, 2, 1.1, 1.9}, 2, " F (x | Xo,gama)"},
      {kPtFisherTippett, {10, 2, 1.1, 1.9}, 2, " F (x | Mi,beta)"},
      {kPtLaplace, {10, 2, 1.1, 1.9}, 2, " F (x | Mi,b)"},
      {kPtLogistic, {10, 2, 1.1, 1.9}, 2, " F (x | Mi,s)"},
      {kPtWeibull, {2.5, 3, 1.1, 1.9}, 2, " F (x | k,lambda)"},
      {kPtRayleigh, {3, 1, 1.1, 1.9}, 1, " F (x | Sigma)"},
      {kPtLevy, {2, 1, 1.1, 1.9}, 1, " F (x | c)"},
      {kPtStudent, {5, 1, 1.1, 1.9}, 1, " F (x | n)"},
      {kPtBetaAtZero, {2, 5, 1.1, 1.9}, 2, " F (x | alfa,beta)"},
      {kPtBetaGeneral, {2, 3, 1, 4}, 4, " F (x | alfa,beta,a,b)"},
      {kPtGamma, {3, 2, 1.1, 1.9}, 2, " F (x | k,theta)"},
      {kPtSnedecor, {6, 12, 1.1, 1.9}, 2, " F(x|n1,n2)"},
      {kPtPareto, {2, 3, 1.1, 1.9}, 2, " F (x | xm,k)"},
      {kPtUniform, {0, 20, 5, 1.9}, 2, " F (x | a,b)"},
      {kPtTriangular, {0, 20, 5, 1.9}, 3, " F (x | a,b,c)"},
      {kPtExponential, {4, 1, 1.1, 1.9}, 1, " F (x | delta)"},
      {kPtChiSquare, {6, 1, 1.1, 1.9}, 1, " F(x | n)"},
      {kPtHalfLogistic, {0.5, 1, 1.1, 1.9}, 1, " F (x | delta)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ParametricTypeName(c.type, Language::English));
    std::array<std::string, 4> texts;
    for (int i = 0; i < 4; ++i) {
      char b[32];
      std::snprintf(b, sizeof b, "%g", c.P[i]);
      texts[i] = b;
    }
    const auto r = gen(c.type, texts, 1e-6, 64);
    ASSERT_TRUE(r.valid);
    EXPECT_NEAR(sumOf(r), 1, 1e-12);
    EXPECT_LT(r.min, r.max);
    EXPECT_EQ(r.presentation.captionSuffix, c.suffix);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(r.presentation.fieldVisible[i], i < c.visible || (c.visible == 3 && i == 2));
    // The largest bin as reference; every kept bin in proportion to the density at its centre.
    int ref = 0;
    for (int i = 1; i < 64; ++i)
      if (r.p[i] > r.p[ref]) ref = i;
    const double fref = shape(c.type, c.P, r.min + (ref + 0.5) * r.step);
    for (int i = 0; i < 64; ++i) {
      if (r.p[i] == 0) continue;
      const double x = r.min + (i + 0.5) * r.step;
      EXPECT_NEAR(r.p[i] / r.p[ref], shape(c.type, c.P, x) / fref, 1e-9 * (1 + shape(c.type, c.P, x) / fref))
          << i;
    }
  }
}

TEST(ParametricGenerator, ThreeParameterLogNormalMirrorsWithTheSkewness) {
  const auto right = gen(kPtLogNormal3P, {"10", "2", "1", "1.9"}, 1e-6, 64);
  const auto left = gen(kPtLogNormal3P, {"10", "2", "-1", "1.9"}, 1e-6, 64);
  ASSERT_TRUE(right.valid);
  ASSERT_TRUE(left.valid);
  // Mirror images about Mi: the same bins in reverse order.
  EXPECT_NEAR(right.min - 10, 10 - left.max, 0.05);
  int mr = 0, ml = 0;
  for (int i = 1; i < 64; ++i) {
    if (right.p[i] > right.p[mr]) mr = i;
    if (left.p[i] > left.p[ml]) ml = i;
  }
  EXPECT_LT(right.min + (mr + 0.5) * right.step, 10);  // right-skewed: mode below the mean
  EXPECT_GT(left.min + (ml + 0.5) * left.step, 10);
}

TEST(ParametricGenerator, ResetLoadsTheTypeDefaultsAndEpsVisibilityFollowsTheParameters) {
  ParametricRequest rq;
  rq.type = kPtUniform;
  rq.params = {"x", "y", "z", "7"};
  rq.reset = true;
  auto r = GenerateParametric(rq, Language::English);
  EXPECT_EQ(r.params, (std::array<std::string, 4>{"0", "20", "5", "7"}));
  EXPECT_TRUE(r.valid);
  rq.type = kPtGamma;
  r = GenerateParametric(rq, Language::English);
  EXPECT_EQ(r.params, (std::array<std::string, 4>{"10", "1", "1.1", "1.9"}));

  EXPECT_FALSE(gen(kPtWeibull, {"0.8", "2", "1.1", "1.9"}).presentation.epsVisible);
  EXPECT_TRUE(gen(kPtWeibull, {"1", "2", "1.1", "1.9"}).presentation.epsVisible);
  EXPECT_FALSE(gen(kPtBetaAtZero, {"1", "2", "1.1", "1.9"}).presentation.epsVisible);
  EXPECT_TRUE(gen(kPtBetaAtZero, {"2", "2", "1.1", "1.9"}).presentation.epsVisible);
  EXPECT_EQ(ParametricTypeName(kPtNormal, Language::English), MessageText(91, Language::English));
  EXPECT_EQ(gen(kPtLogNormal3P, {"10", "1", "1", "1"}).presentation.labels[2], "        Skewness");
}

}  // namespace

namespace {

TEST(ParametricFitting, FaultsAreReportedInFittingModeToo) {
  SampleSummary s = sample();
  s.mean = 0;  // theta = v / m divides by zero
  const auto r = fit(kPtGamma, s);
  EXPECT_FALSE(r.valid);
  ASSERT_TRUE(r.fault);
  EXPECT_EQ(r.fault->message, 101);
  EXPECT_EQ(r.fault->text(Language::Czech), cs(211) + "Gama\r\n\r\n       " + cs(101));
  EXPECT_FALSE(r.refusal);
}

TEST(ParametricFitting, WidenToSampleOnlyWhenTheModeLiesInTheLowerHalf) {
  SampleSummary s = sample();
  s.xmin = -50;
  s.xmax = 60;  // far beyond the searched range
  s.mode = 0;   // lower half of [-50, 60]
  const auto wide = fit(kPtFisherTippett, s);
  ASSERT_TRUE(wide.valid);
  EXPECT_EQ(wide.min, -50);
  EXPECT_EQ(wide.max, 60);
  s.mode = 30;  // upper half: the searched range stays
  const auto narrow = fit(kPtFisherTippett, s);
  ASSERT_TRUE(narrow.valid);
  EXPECT_GT(narrow.min, -50);
  EXPECT_LT(narrow.max, 60);
}

TEST(ParametricFitting, LowerCutOfUserLimitsOnATypeThatKeepsItsRange) {
  // Raised-cosine keeps Min = Mi - s; bins centred below the user's Min stay empty.
  ParametricRequest rq;
  rq.type = kPtRaisedCosine;
  rq.mode = GenerateMode::Fitting;
  rq.sample = sample();
  rq.intervals = 10;
  rq.limits = {true, 8, 30};
  const auto r = GenerateParametric(rq, Language::Czech);
  ASSERT_TRUE(r.valid);
  EXPECT_NEAR(r.min, 10 - 5.53232, 1e-5);
  for (int i = 0; i < 10; ++i) {
    const double x = r.min + (i + 0.5) * r.step;
    if (x < 8)
      EXPECT_EQ(r.p[i], 0) << i;
    else
      EXPECT_GT(r.p[i], 0) << i;
  }
}

}  // namespace
