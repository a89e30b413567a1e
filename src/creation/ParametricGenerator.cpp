#include "creation/ParametricGenerator.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

#include "creation/SpecialFunctions.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSqrt2Pi = 2.50662827463100050242;
constexpr double kSqrt6 = 2.44948974278317809820;
constexpr double kSqrt3 = 1.73205080756887729353;
// Variance of the raised-cosine shape for s = 1: 1/3 - 2/pi^2.
constexpr double kRaisedCosineVariance = 0.1306909660486578;

// Steps a search walks one by one before it continues by doubling and bisection.
constexpr long long kLiteralSteps = 32768;

struct TypeInfo {
  const char* name;  // list text; nullptr when it comes from a message
  int nameMessage;
  int shown;  // parameter fields shown
  const char* labels[4];
  const char* suffix;
  bool p1Positive, p2Positive;  // required > 0
};

constexpr TypeInfo kTypes[kParametricTypeCount] = {
    {nullptr, 91, 2, {"Mi", "Sigma", "", ""}, " F (x | Mi,Sigma)", false, true},
    {"LogNormal_2P", 0, 2, {"Mi", "Sigma", "", ""}, " F (x | Mi,Sigma)", true, true},
    {"Gumbelovo_I", 0, 2, {"Mi", "Sigma", "", ""}, " F (x | Mi,Sigma)", false, true},
    {"Gumbelovo_II", 0, 2, {"Mi", "Sigma", "", ""}, " F (x | Mi,Sigma)", false, true},
    {"Raised-cosine", 0, 2, {"Mi", "s", "", ""}, " F (x | Mi,s)", false, true},
    {"Cauchy", 0, 2, {"Xo", "Gama", "", ""}, " F (x | Xo,gama)", false, true},
    {"Fisher-Tippett", 0, 2, {"Mi", "Beta", "", ""}, " F (x | Mi,beta)", false, true},
    {"Laplace", 0, 2, {"Mi", "b", "", ""}, " F (x | Mi,b)", false, true},
    {"Logistic", 0, 2, {"Mi", "s", "", ""}, " F (x | Mi,s)", false, true},
    {"Weibull", 0, 2, {"k", "lambda", "", ""}, " F (x | k,lambda)", true, true},
    {"Rayleigh", 0, 1, {"Sigma", "", "", ""}, " F (x | Sigma)", true, false},
    {"L\xC3\xA9vy", 0, 1, {"c", "", "", ""}, " F (x | c)", true, false},
    {nullptr, 93, 1, {"n", "", "", ""}, " F (x | n)", true, false},
    {nullptr, 94, 2, {"alfa", "beta", "", ""}, " F (x | alfa,beta)", true, true},
    {nullptr, 95, 4, {"alfa", "beta", "a", "b"}, " F (x | alfa,beta,a,b)", true, true},
    {"Gama", 0, 2, {"k", "theta", "", ""}, " F (x | k,theta)", true, true},
    {"Snedecorovo", 0, 2, {"n1", "n2", "", ""}, " F(x|n1,n2)", true, true},
    {"Pareto", 0, 2, {"Xm", "k", "", ""}, " F (x | xm,k)", true, true},
    {"Uniform", 0, 2, {"a", "b", "", ""}, " F (x | a,b)", false, false},
    {"Triangular", 0, 3, {"a", "b", "c", ""}, " F (x | a,b,c)", false, false},
    {nullptr, 92, 1, {"delta", "", "", ""}, " F (x | delta)", true, false},
    {"X2", 0, 1, {"n", "", "", ""}, " F(x | n)", true, false},
    {"Half-Logistic", 0, 1, {"delta", "", "", ""}, " F (x | delta)", false, false},
    {"LogNormal_3P", 0, 3, {"Mi", "Sigma", "        Skewness", ""}, " F (x | Mi,Sigma,Skewness)", true, true},
};

bool fieldShown(int type, int field) {
  if (field == 0) return true;
  if (field == 1) return kTypes[type].shown >= 2;
  if (field == 2) return type == kPtBetaGeneral || type == kPtTriangular || type == kPtLogNormal3P;
  return type == kPtBetaGeneral;
}

// Fixed notation with five decimals (scientific beyond 15 digits), decimal point.
std::string formatted(double x) {
  char buf[64];
  if (std::isfinite(x) && std::fabs(x) < 1e15)
    std::snprintf(buf, sizeof buf, "%.5f", x);
  else
    std::snprintf(buf, sizeof buf, "%.14E", x);
  return buf;
}

// Thrown inside the guarded computation.
struct ArithmeticFault {
  int message;
};
struct Refused {};

constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

int faultMessageOfFlags() {
  if (std::fetestexcept(FE_DIVBYZERO)) return 101;
  if (std::fetestexcept(FE_OVERFLOW)) return 102;
  return 104;
}

class Generator {
 public:
  Generator(const ParametricRequest& rq, Language lang) : rq_(rq), lang_(lang) {}

  ParametricResult run();

 private:
  const ParametricRequest& rq_;
  Language lang_;
  ParametricResult res_;
  bool fitting_ = false;
  int t_ = 0;
  double P_[4] = {0, 0, 0, 0};
  double eps_ = 0;
  double h_ = 0.1;
  double min_ = 0, max_ = 0;
  double S_ = 0;
  double L_ = 0;
  bool cut_ = false;
  // Per-type constants, carried in extended precision where the platform has it.
  long double C1_ = 0, C2_ = 0, C3_ = 0, C4_ = 0;
  bool neg23_ = false;

  // Two-entry cache of the density: walks look at the current and the previous point.
  double cx_[2] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
  double cf_[2] = {0, 0};
  int cnext_ = 0;

  std::string label(int field) const { return res_.presentation.labels[field]; }

  [[noreturn]] void refuse(Refusal r, int focus, bool restore = false, DlgKind kind = DlgKind::Error) {
    res_.valid = false;
    if (!fitting_) {
      r.parameterField = focus;
      r.restoreText = restore;
      r.kind = kind;
      res_.refusal = std::move(r);
    }
    throw Refused{};
  }
  [[noreturn]] void reject() {
    res_.valid = false;
    throw Refused{};
  }
  void check() const {
    if (std::fetestexcept(kFaultFlags)) throw ArithmeticFault{faultMessageOfFlags()};
  }
  double checked(double v) const {
    check();
    if (!std::isfinite(v)) throw ArithmeticFault{std::isnan(v) ? 104 : 102};
    return v;
  }

  bool readParameters(int n);
  void presentation();
  void deriveFitting();
  void constants();
  long double density(double x) const;
  double F(double x) {
    if (x == cx_[0]) return cf_[0];
    if (x == cx_[1]) return cf_[1];
    const double v = checked(static_cast<double>(density(x)));
    cx_[cnext_] = x;
    cf_[cnext_] = v;
    cnext_ ^= 1;
    return v;
  }

  template <class Stop>
  double walk(double x0, double h, Stop stop);
  [[noreturn]] void noRange(double h) {
    refuse(ownRefusal(RefusalText::ParametricNoRange,
                      {formatted(kParametricSearchStepLimit).substr(0, 13), formatNumber(h)}),
           0);
  }
  void rangeSymmetric(double x0);
  void rangeGeneral(double x0);
  void rangeOneSided(double x0);
  double modeSearch(double xStart, double h, bool stopOnEqual, double upperClamp);
  void widenToSample();
  void range();
  void rangeWeibull();
  void rangeBetaAtZero();
  void rangeBetaGeneral();
  void rangeGamma();
  void rangeSnedecor();
  void rangePareto();
  void rangeDecaying();  // exponential and half-logistic
  void fillBins();
  void postProcess();
};

// ------------------------------------------------------------------ parameters

bool Generator::readParameters(int n) {
  if (n == 0) {
    for (int i = 0; i < 4; ++i) {
      double v = 0;
      if (!parseDouble(res_.params[i], v)) {
        Refusal r = numberedRefusal(501, {}, "\r\n\r\n        ");
        r.then.push_back(numberedRefusal(502, {}, label(i) + " : " + res_.params[i]));
        refuse(std::move(r), i + 1, true);
      }
      P_[i] = v;
    }
    return true;
  }
  double v = P_[n - 1];
  if (fitting_) {
    // The written estimate is checked like a typed value.
    if (!parseDouble(res_.params[n - 1], v)) reject();
  }
  if (v <= 0) {
    Refusal r = numberedRefusal(503, {}, "\r\n\r\n     " + label(n - 1));
    r.then.push_back(numberedRefusal(504));
    refuse(std::move(r), n);
  }
  return true;
}

void Generator::presentation() {
  auto& pr = res_.presentation;
  pr = ParametricPresentationOf(t_, lang_);
}

// Table of the estimates from the sample; writes the parameter texts and the description.
void Generator::deriveFitting() {
  const SampleSummary& s = rq_.sample;
  const double m = s.mean, sd = s.sigma, g = s.skewness, v = sd * sd;
  const std::string mt = s.meanText.empty() ? formatNumber(m) : s.meanText;
  const std::string st = s.sigmaText.empty() ? formatNumber(sd) : s.sigmaText;
  const std::string gt = s.skewnessText.empty() ? formatNumber(g) : s.skewnessText;
  auto& T = res_.params;
  P_[0] = m;  // the moments stand for P1 and P2 until the type replaces them
  P_[1] = sd;
  auto set = [&](int i, double value, std::string text) {
    P_[i] = value;
    T[i] = std::move(text);
  };
  auto mid = s.xmin + (s.xmax - s.xmin) / 2;
  switch (t_) {
    case kPtNormal:
    case kPtLogNormal2P:
    case kPtGumbelI:
    case kPtGumbelII:
      if (t_ == kPtGumbelI && !(mid >= s.median)) reject();
      if (t_ == kPtGumbelII && !(mid <= s.median)) reject();
      set(0, m, mt);
      set(1, sd, st);
      res_.description = "Mi=" + T[0] + ",Sigma=" + T[1] + ")";
      break;
    case kPtRaisedCosine:
      set(0, m, mt);
      P_[1] = checked(std::sqrt(v / kRaisedCosineVariance));
      T[1] = formatted(P_[1]);
      res_.description = "Mi=" + T[0] + ",s=" + T[1] + ")";
      break;
    case kPtFisherTippett:
      set(0, m, mt);
      P_[1] = checked(kSqrt6 * sd / kPi);
      T[1] = formatted(P_[1]);
      res_.description = "Mi=" + T[0] + ",Beta=" + T[1] + ")";
      break;
    case kPtLaplace:
      set(0, m, mt);
      P_[1] = checked(sd / std::sqrt(2.0));
      T[1] = formatted(P_[1]);
      res_.description = "Mi=" + T[0] + ",b=" + T[1] + ")";
      break;
    case kPtLogistic:
      set(0, m, mt);
      P_[1] = checked(kSqrt3 * sd / kPi);
      T[1] = formatted(P_[1]);
      res_.description = "Mi=" + T[0] + ", s=" + T[1] + ")";
      break;
    case kPtWeibull: {
      const double k = s.weibullShape;
      if (!(k > 0)) reject();
      P_[0] = k;
      P_[1] = checked(m / GammaFunction(1 + 1 / k));
      T[0] = formatted(P_[0]);
      T[1] = formatted(P_[1]);
      res_.description = "k=" + T[0] + ", Lambda=" + T[1] + ")";
      break;
    }
    case kPtRayleigh:
      P_[0] = sd;
      T[0] = formatted(sd);
      res_.description = "Sigma=" + T[0] + ")";
      break;
    case kPtStudent: {
      // v = 1 would divide by zero; n is then unbounded and the type is unsuitable like v < 1.
      if (!(v - 1 > 0)) reject();
      const double n = checked(2 * v / (v - 1));
      if (n - 1 <= 0) reject();
      P_[0] = n;
      T[0] = formatted(n);
      res_.description = "n=" + T[0] + ")";
      break;
    }
    case kPtBetaAtZero: {
      const double a = checked(m * m * (1 - m) * v / ((1 - m) * (1 - m) * (1 - m) * (1 - m) + m));
      P_[0] = a;
      P_[1] = checked(a * (1 - m) / m);
      T[0] = formatted(P_[0]);
      T[1] = formatted(P_[1]);
      res_.description = "alfa=" + T[0] + ",beta=" + T[1] + ")";
      break;
    }
    case kPtBetaGeneral: {
      const double a = s.xmin, b = s.xmax;
      if (m == b) reject();
      const double r = checked((m - a) / (b - m));
      if (r == 0) reject();
      const double d = (1 + r) * (1 + r) * v;
      if (d == 0) reject();
      const double beta = checked(((b - a) * (b - a) * r / d - 1) / (1 + r));
      P_[1] = beta;
      P_[0] = checked(beta * r);
      P_[2] = a;
      P_[3] = b;
      for (int i = 0; i < 4; ++i) T[i] = formatted(P_[i]);
      res_.description = "alfa=" + T[0] + ",beta=" + T[1] + "a=" + T[2] + ",b=" + T[3] + ")";
      break;
    }
    case kPtGamma:
      P_[0] = checked(m * m / v);
      P_[1] = checked(v / m);
      T[0] = formatted(P_[0]);
      T[1] = formatted(P_[1]);
      res_.description = "k=" + T[0] + ",theta=" + T[1] + ")";
      break;
    case kPtSnedecor: {
      const double n2 = checked(2 * m / (m - 1));
      const double n1 = checked(2 * n2 * n2 / ((1 - 2 * n2 * n2) * v * (n2 - 2) * (n2 - 4)));
      if (n1 <= 0) reject();
      P_[0] = n1;
      P_[1] = n2;
      T[0] = formatted(n1);
      T[1] = formatted(n2);
      res_.description = "n1=" + T[0] + ",n2=" + T[1] + ")";
      break;
    }
    case kPtExponential:
      set(0, m, mt);
      res_.description = "delta=" + T[0] + ")";
      break;
    case kPtChiSquare:
      set(0, m, mt);
      res_.description = "n=" + T[0] + ")";
      break;
    case kPtHalfLogistic:
      set(0, m, mt);
      break;
    case kPtLogNormal3P:
      if (g == 0) reject();
      set(0, m, mt);
      set(1, sd, st);
      set(2, g, gt);
      res_.description = "Mi=" + T[0] + ",Sigma=" + T[1] + ",Skewness=" + T[2] + ")";
      break;
    default:  // Cauchy, Lévy, Pareto, uniform, triangular
      reject();
  }
}

// ------------------------------------------------------------------ densities

void Generator::constants() {
  const long double p1 = P_[0], p2 = P_[1];
  auto G = [](long double x) -> long double { return GammaFunction(static_cast<double>(x)); };
  auto RP = [](long double x, long double y) -> long double {
    return RealPower(static_cast<double>(x), static_cast<double>(y));
  };
  switch (t_) {
    case kPtNormal:
      C1_ = kSqrt2Pi * p2;
      C2_ = 2 * p2 * p2;
      break;
    case kPtLogNormal2P:
      C1_ = 1 + (p2 / p1) * (p2 / p1);
      C2_ = kSqrt2Pi;
      C3_ = std::sqrt(C1_);
      C4_ = LnBounded(C1_);
      break;
    case kPtGumbelI:
    case kPtGumbelII:
      C1_ = kPi / (std::sqrt(6.0) * p2);
      C2_ = t_ == kPtGumbelI ? p1 - 0.577 / C1_ : p1 + 0.577 / C1_;
      break;
    case kPtCauchy:
      C1_ = kPi * p2;
      break;
    case kPtLaplace:
      C1_ = 2 * p2;
      break;
    case kPtRayleigh:
      C1_ = p1 * p1;
      break;
    case kPtLevy:
      C1_ = std::sqrt(0.5 * p1 / kPi);
      C2_ = -0.5 * p1;
      break;
    case kPtStudent:
      C1_ = (p1 + 1) / 2;
      C2_ = G(C1_) / (std::sqrt(kPi * p1) * G(p1 / 2));
      break;
    case kPtBetaAtZero:
      C1_ = G(p1) * G(p2) / G(p1 + p2);
      break;
    case kPtBetaGeneral:
      C1_ = G(p1) * G(p2) / G(p1 + p2);
      C2_ = RP(P_[3] - P_[2], p1 + p2 - 1);
      break;
    case kPtGamma:
      C1_ = G(p1) * RP(p2, p1);
      break;
    case kPtSnedecor:
      C1_ = G((p1 + p2) / 2) / G(p1 / 2) / G(p2 / 2) * RP(p1 / p2, p1 / 2);
      C2_ = p1 / p2;
      break;
    case kPtPareto:
      C1_ = p2 * RP(p1, p2);
      break;
    case kPtUniform:
      C1_ = 1 / (p2 - p1);
      break;
    case kPtTriangular:
      C1_ = 2 * (p2 - p1) * (P_[2] - p1);
      C2_ = 2 * (p2 - p1) * (p2 - P_[2]);
      break;
    case kPtChiSquare:
      C1_ = G(p1 / 2) * RP(2, p1 / 2);
      break;
    case kPtLogNormal3P: {
      double g = P_[2];
      neg23_ = g > 0;
      g = -std::fabs(g);
      const double g2 = g * g;
      const double C = RP(std::sqrt(g2 + 4) / (2 * g2) - (g2 + 2) / (2 * g2 * g), 0.3333333333333333);
      check();
      if (C == 0) refuse(numberedRefusal(508), 0);
      double z0 = 1 / (g2 * C) + C - 1 / g;
      if (neg23_) z0 = -z0;
      C1_ = z0;
      C2_ = 1 + 1 / (z0 * z0);  // w
      C3_ = LnBounded(C2_);
      C4_ = std::sqrt(C2_);
      break;
    }
    default:
      break;
  }
  check();
}

long double Generator::density(double x) const {
  const long double p1 = P_[0], p2 = P_[1];
  switch (t_) {
    case kPtNormal:
      return 1 / (C1_ * ExpBounded((x - p1) * (x - p1) / C2_));
    case kPtLogNormal2P:
      if (x <= 0) return 0;  // the limit at 0; avoids 0 / 0
      return ExpBounded(-RealPower(LnBounded(x * C3_ / p1), 2) / (2 * C4_)) / (C2_ * x * std::sqrt(C4_));
    case kPtGumbelI: {
      const long double z = -C1_ * (x - C2_);
      return C1_ * ExpBounded(z - ExpBounded(z));
    }
    case kPtGumbelII: {
      const long double z = C1_ * (x - C2_);
      return C1_ * ExpBounded(z - ExpBounded(z));
    }
    case kPtRaisedCosine:
      return (1 + std::cos(kPi * (x - p1) / p2)) / 2 / p2;
    case kPtCauchy: {
      const long double z = (x - p1) / p2;
      return 1 / (C1_ * (1 + z * z));
    }
    case kPtFisherTippett: {
      const long double e = ExpBounded((p1 - x) / p2);
      return ExpBounded(-e) * e / p2;
    }
    case kPtLaplace:
      return ExpBounded(-std::fabs(x - p1) / p2) / C1_;
    case kPtLogistic: {
      const long double e = ExpBounded(-(x - p1) / p2);
      return e / ((e + 1) * p2 * (e + 1));
    }
    case kPtWeibull:
      return (p1 / p2) * RealPower(x / p2, p1 - 1) * ExpBounded(-RealPower(x / p2, p1));
    case kPtRayleigh: {
      const long double z = x / p1;
      return (x / C1_) * ExpBounded(-0.5 * z * z);
    }
    case kPtLevy:
      if (x <= 0) return 0;  // the limit at 0; avoids a division by 0
      return C1_ / RealPower(x, 1.5) * ExpBounded(C2_ / x);
    case kPtStudent:
      return C2_ * RealPower(1 + x * x / p1, -C1_);
    case kPtBetaAtZero:
      return RealPower(x, p1 - 1) * RealPower(1 - x, p2 - 1) / C1_;
    case kPtBetaGeneral:
      return RealPower(x - P_[2], p1 - 1) * RealPower(P_[3] - x, p2 - 1) / C1_ / C2_;
    case kPtGamma:
      return RealPower(x, p1 - 1) * ExpBounded(-x / p2) / C1_;
    case kPtSnedecor:
      return C1_ * RealPower(x, p1 / 2 - 1) * RealPower(1 + C2_ * x, -(p1 + p2) / 2);
    case kPtPareto:
      return C1_ / RealPower(x, p2 + 1);
    case kPtUniform:
      return C1_;
    case kPtTriangular:
      return x <= P_[2] ? (x - p1) / C1_ : (p2 - x) / C2_;
    case kPtExponential:
      return ExpBounded(-x / p1) / p1;
    case kPtChiSquare:
      return RealPower(x, p1 / 2 - 1) * ExpBounded(-x / 2) / C1_;
    case kPtHalfLogistic: {
      const long double e = ExpBounded(-x);
      return 2 * e / RealPower(1 + e, 2);
    }
    case kPtLogNormal3P: {
      const long double z = (x - p1) / p2;
      const long double d = std::fabs(z - C1_);
      if (d == 0) return 0;  // the limit at the threshold
      const long double q = std::log(C4_ * d / std::fabs(C1_));
      return ExpBounded(-q * q / (2 * C3_)) / (d * std::sqrt(2 * kPi * C3_));
    }
    default:
      return 0;
  }
}

// ------------------------------------------------------------------ searches

// Walks x0 + h, x0 + 2h, ... and returns the first point where stop(x, xPrev) holds. The first steps
// add h one at a time; a walk still going after kLiteralSteps continues from there by doubling the
// stride and bisecting, which finds the same crossing of a unimodal density in a few evaluations.
template <class Stop>
double Generator::walk(double x0, double h, Stop stop) {
  if (!(h != 0) || !std::isfinite(h))
    refuse(ownRefusal(RefusalText::ParametricStepLost, {formatNumber(h), formatNumber(x0)}), 0);
  double x = x0;
  for (long long j = 1; j <= kLiteralSteps; ++j) {
    const double prev = x;
    x = x + h;
    if (x == prev)
      refuse(ownRefusal(RefusalText::ParametricStepLost, {formatNumber(std::fabs(h)), formatNumber(x)}), 0);
    if (!std::isfinite(x)) noRange(std::fabs(h));
    if (stop(x, prev)) return x;
  }
  const double base = x;
  auto at = [&](double i) { return base + i * h; };
  // Stride doubling: stop holds at `hi`, not at `lo`.
  double lo = 0, hi = 1;
  while (true) {
    const double xh = at(hi);
    if (!std::isfinite(xh) || hi > kParametricSearchStepLimit) noRange(std::fabs(h));
    if (xh == at(hi - 1))
      refuse(ownRefusal(RefusalText::ParametricStepLost, {formatNumber(std::fabs(h)), formatNumber(xh)}), 0);
    if (stop(xh, at(hi - 1))) break;
    lo = hi;
    hi *= 2;
  }
  while (hi - lo > 1) {
    const double mid = std::floor((lo + hi) / 2);
    if (stop(at(mid), at(mid - 1)))
      hi = mid;
    else
      lo = mid;
  }
  return at(hi);
}

void Generator::rangeSymmetric(double x0) {
  const double T = F(x0) * eps_;
  auto stop = [&](double x, double) { return !(F(x) > T); };
  max_ = F(x0) > T ? walk(x0, h_, stop) : x0;
  min_ = F(x0) > T ? walk(x0, -h_, stop) : x0;
}

void Generator::rangeGeneral(double x0) {
  const double f0 = F(x0);
  const bool go = std::fabs(checked(f0 / f0)) > eps_;
  auto up = [&](double x, double) { return !(std::fabs(checked(F(x) / f0)) > eps_); };
  auto down = [&](double x, double) {
    const double f = F(x);
    return !(std::fabs(checked(f / f0)) > eps_) || f == f0;
  };
  max_ = go ? walk(x0, h_, up) : x0;
  min_ = go ? walk(x0, -h_, down) : x0;
}

void Generator::rangeOneSided(double x0) {
  auto up = [&](double x, double prev) {
    const double f = F(x);
    return !(f > eps_) || f == F(prev);
  };
  auto down = [&](double x, double prev) {
    const double f = F(x);
    return !(f > eps_) || x < 0 || f == F(prev);
  };
  const bool go = F(x0) > eps_;
  max_ = go ? walk(x0, h_, up) : x0;
  min_ = go ? walk(x0, -h_, down) : x0;
}

// x := xStart; walks while the previous value is at most the current one; returns the mode x - h.
double Generator::modeSearch(double xStart, double h, bool stopOnEqual, double upperClamp) {
  auto cur = [&](double x) { return x >= upperClamp ? 0.0 : F(x); };
  const double x = walk(xStart, h, [&](double x, double prev) {
    const double a = cur(prev), b = cur(x);
    return stopOnEqual ? !(a < b) : !(a <= b);
  });
  return x - h;
}

void Generator::widenToSample() {
  if (!fitting_) return;
  const SampleSummary& s = rq_.sample;
  if (s.mode - s.xmin < (s.xmax - s.xmin) / 2) {
    max_ = std::max(max_, s.xmax);
    min_ = std::min(min_, s.xmin);
  }
}

void Generator::rangeWeibull() {
  const double p1 = P_[0], p2 = P_[1];
  const double inf = std::numeric_limits<double>::infinity();
  const double k = p1, l = p2;
  h_ = l > 1 ? 0.001 * std::max(k, l) : 0.001 * std::min(k, l);
  eps_ = 0.01 * eps_;
  double xs = 1e-5;
  if (k > 1) xs = fitting_ ? modeSearch(1e-6, h_, false, inf) : l * RealPower((k - 1) / k, 1 / k);
  check();
  rangeOneSided(xs);
  min_ = 0;
}

void Generator::rangeBetaAtZero() {
  const double p1 = P_[0], p2 = P_[1];
  const double a = p1, b = p2;
  h_ = 0.001;
  const double xs = (a > 1 && b > 1) ? (a - 1) / (a + b - 2) : 1e-5;
  const double T = F(xs) * eps_;
  // Lower: f is taken at the point before the step and is 0 once x <= 0.
  min_ = 0;
  if (T < F(xs)) {
    const double x = walk(xs, -h_, [&](double x, double prev) { return !(T < (x <= 0 ? 0.0 : F(prev))); });
    if (x > 0) min_ = x + h_;
  }
  max_ = 1;
  if (T < F(xs)) {
    const double x = walk(xs, h_, [&](double x, double prev) { return !(T < (x >= 1 ? 0.0 : F(prev))); });
    if (x < 1) max_ = x - h_;
  }
}

void Generator::rangeBetaGeneral() {
  const double a = P_[2], b = P_[3];
  h_ = 0.0001;
  const double xm = modeSearch(a, h_, false, b);
  const double T = F(xm) * eps_;
  min_ = a;
  if (T < F(xm)) {
    const double x = walk(xm, -h_, [&](double x, double) { return x <= a || !(T < F(x)); });
    if (x > a) min_ = x + h_;
  }
  max_ = b;
  if (T < F(xm)) {
    bool flat = false;
    const double x = walk(xm, h_, [&](double x, double prev) {
      const double f = F(x);
      flat = f == F(prev);
      return flat || x >= b || !(T < f);
    });
    if (flat && fitting_) reject();
    if (x < b) max_ = x - h_;
  }
}

void Generator::rangeGamma() {
  const double p1 = P_[0], p2 = P_[1];
  const double k = p1, th = p2;
  h_ = 0.001 * p2;
  eps_ = 1e-5 * eps_;
  rangeOneSided((k - 1) * th);
  if (min_ == max_) refuse(numberedRefusal(104), 0);
}

void Generator::rangeSnedecor() {
  const double inf = std::numeric_limits<double>::infinity();
  h_ = 0.01;
  const double mode = modeSearch(0.01, 0.01, true, inf);
  rangeOneSided(mode);
  min_ = 0;
  if (min_ > max_) refuse(numberedRefusal(507), 2, false, DlgKind::Information);
}

void Generator::rangePareto() {
  const double p1 = P_[0], p2 = P_[1];
  h_ = 0.1;
  if (p2 > 1) h_ = h_ / p2;
  if (p1 < 1) h_ = h_ * p1;
  min_ = p1;
  const double T = F(p1) * eps_;
  double x = p1;
  if (F(p1) > T) {
    bool flat = false;
    x = walk(p1, h_, [&](double x, double prev) {
      const double f = F(x);
      flat = f == F(prev) && f > T;
      return !(f > T) || f == F(prev);
    });
    if (flat && fitting_) reject();
  }
  max_ = x - h_;
}

void Generator::rangeDecaying() {
  const double p1 = P_[0];
  h_ = t_ == kPtExponential ? 0.1 * p1 : 0.1;
  min_ = p1;
  const double T = (t_ == kPtExponential ? 1.0 : 0.1) * eps_ * F(p1);
  const double x = F(p1) > T ? walk(p1, h_, [&](double x, double) { return !(F(x) > T); }) : p1;
  if (x > 0) max_ = x - h_;
}

void Generator::range() {
  const double p1 = P_[0], p2 = P_[1];
  const SampleSummary& s = rq_.sample;
  switch (t_) {
    case kPtNormal:
      h_ = 0.01 * p2;
      if (fitting_) {
        const double T = F(p1) * eps_;
        if (F(s.xmin) <= T && F(s.xmax) <= T) return;  // Min and Max stay the sample's
      }
      rangeSymmetric(p1);
      return;
    case kPtLogNormal2P:
      h_ = 0.01 * p2;
      if (fitting_) {
        const double T = F(p1) * eps_;
        if (F(s.xmin) <= T && F(s.xmax) <= T) reject();
      }
      rangeGeneral(p1);
      widenToSample();
      return;
    case kPtGumbelI:
    case kPtGumbelII:
      h_ = 0.001 * p2;
      rangeGeneral(p1);
      return;
    case kPtRaisedCosine:
      min_ = p1 - p2;
      max_ = p1 + p2;
      return;
    case kPtCauchy:
      h_ = 0.001 * p2;
      eps_ = 10 * eps_;
      rangeSymmetric(p1);
      return;
    case kPtFisherTippett:
      h_ = 0.001 * p2;
      if (fitting_ && ExpBounded((p1 - s.xmax) / p2) <= eps_ && ExpBounded((p1 - s.xmin) / p2) <= eps_)
        return;
      rangeGeneral(p1);
      widenToSample();
      return;
    case kPtLaplace:
      h_ = 0.001 * p2;
      if (fitting_) {
        const double T = F(p1) * eps_;
        if (ExpBounded(-std::fabs(s.xmin - p1) / p2) / (2 * p2) <= T &&
            ExpBounded(-std::fabs(s.xmax - p1) / p2) / (2 * p2) <= T)
          return;
      }
      rangeSymmetric(p1);
      return;
    case kPtLogistic:
      h_ = 0.001 * p2;
      if (fitting_ && ExpBounded(-(s.xmax - p1) / p2) <= eps_ && ExpBounded(-(s.xmin - p1) / p2) <= eps_)
        return;
      rangeSymmetric(p1);
      return;
    case kPtWeibull:
      rangeWeibull();
      return;
    case kPtRayleigh:
      h_ = 0.001 * p1;
      eps_ = 0.01 * eps_;
      rangeOneSided(p1);
      min_ = 0;
      return;
    case kPtLevy:
      h_ = 0.001 * p1;
      rangeOneSided(p1 / 3);
      min_ = 0;
      return;
    case kPtStudent:
      h_ = 0.1;
      rangeSymmetric(0);
      return;
    case kPtBetaAtZero:
      rangeBetaAtZero();
      return;
    case kPtBetaGeneral:
      rangeBetaGeneral();
      return;
    case kPtGamma:
      rangeGamma();
      return;
    case kPtSnedecor:
      rangeSnedecor();
      return;
    case kPtPareto:
      rangePareto();
      return;
    case kPtUniform:
    case kPtTriangular:
      min_ = p1;
      max_ = p2;
      return;
    case kPtExponential:
    case kPtHalfLogistic:
      rangeDecaying();
      return;
    case kPtChiSquare:
      h_ = 0.01;
      rangeOneSided(p1);
      min_ = 0;
      return;
    case kPtLogNormal3P:
      h_ = 0.01 * p2;
      rangeGeneral(p1);
      return;
    default:
      return;
  }
}

void Generator::fillBins() {
  const int n = rq_.intervals;
  const double step = (max_ - min_) / n;
  res_.step = step;
  if (fitting_ && step == 0) res_.valid = false;
  check();
  if (!fitting_ && !(step > 0 && std::isfinite(step))) {
    // A range without width (or reversed) gives no histogram.
    refuse(numberedRefusal(507), 0, false, DlgKind::Information);
  }
  for (int i = 1; i <= n; ++i) {
    const double x = min_ + (i - 0.5) * step;
    if (cut_ && x < L_) continue;
    // Outside its support a density formula can turn negative (an integral power of a negative
    // distance); such a centre gets no weight.
    const double f = std::max(F(x), 0.0);
    res_.p[i - 1] = f;
    S_ += f;
    check();
  }
}

void Generator::postProcess() {
  const int n = rq_.intervals;
  res_.min = min_;
  res_.max = max_;
  if (!(S_ != 0) || !std::isfinite(S_)) {
    res_.valid = false;
    res_.p.fill(0);
    if (!fitting_)
      res_.refusal = ownRefusal(RefusalText::ParametricNoMass, {formatted(min_), formatted(max_)});
    return;
  }
  for (int i = 0; i < n; ++i) res_.p[i] = res_.p[i] / S_;
  Histogram h;
  h.count = n;
  h.p = res_.p;
  NormaliseHistogram(n, h);
  res_.p = h.p;
  // A frequency scale that keeps every bin when the histogram is saved.
  res_.total = frequencyScale(h);
}

ParametricResult Generator::run() {
  t_ = rq_.type;
  res_.intervals = rq_.intervals;
  res_.params = rq_.params;
  fitting_ = rq_.mode == GenerateMode::Fitting;
  if (t_ < 0 || t_ >= kParametricTypeCount) {
    res_.valid = false;
    if (!fitting_) res_.refusal = ownRefusal(RefusalText::ParametricBadType, {}, std::to_string(t_));
    return res_;
  }
  if (rq_.intervals < 1 || rq_.intervals > kMaxBins) {
    res_.valid = false;
    res_.refusal = numberedRefusal(88, {}, "256 !");
    return res_;
  }
  eps_ = rq_.eps;
  res_.valid = true;
  presentation();
  if (rq_.reset) {
    const auto d = ParametricDefaultParams(t_);
    const int n = (t_ == kPtUniform || t_ == kPtTriangular) ? 3 : 4;
    for (int i = 0; i < n; ++i) res_.params[i] = d[i];
  }

  const int savedRound = std::fegetround();
  std::fesetround(FE_TONEAREST);
  try {
    readParameters(0);
  } catch (const Refused&) {
    std::fesetround(savedRound);
    return res_;
  }
  auto& pr = res_.presentation;
  if (t_ == kPtWeibull) pr.epsVisible = P_[0] >= 1;
  if (t_ == kPtBetaAtZero) pr.epsVisible = P_[0] > 1 && P_[1] > 1;

  if (fitting_) {
    min_ = rq_.sample.xmin;
    max_ = rq_.sample.xmax;
  }
  if (rq_.limits.active) {
    min_ = rq_.limits.min;
    L_ = min_;
  }
  // The fault's message follows message 211 with the type's name (in the generator's language).
  auto fault = [this](int message) {
    Refusal r = numberedRefusal(message);
    r.before.push_back(numberedRefusal(211, {}, ParametricTypeName(t_, lang_) + "\r\n\r\n       "));
    return r;
  };

  fenv_t saved;
  std::feholdexcept(&saved);
  std::feclearexcept(FE_ALL_EXCEPT);
  bool refused = false;
  try {
    if (fitting_) deriveFitting();
    // Required positive parameters.
    if (kTypes[t_].p1Positive) readParameters(1);
    if (kTypes[t_].p2Positive) readParameters(2);
    switch (t_) {
      case kPtBetaGeneral:
        if (!(P_[3] > P_[2])) refuse(numberedRefusal(505, {}, " a < b !"), 4);
        break;
      case kPtGamma:
        if (P_[0] < 1) refuse(numberedRefusal(509, {}, "(k-1).theta >= 0   !"), 0);
        break;
      case kPtUniform:
      case kPtTriangular:
        if (!(P_[1] > P_[0])) refuse(numberedRefusal(505, {}, " a < b !"), 1);
        if (t_ == kPtTriangular && !(P_[0] <= P_[2] && P_[2] <= P_[1]))
          refuse(numberedRefusal(505, {}, " a <= c <= b !"), 3);
        break;
      case kPtLogNormal3P:
        if (P_[2] == 0) refuse(numberedRefusal(505, {}, " Skewness <> 0 !"), 0);
        break;
      case kPtHalfLogistic:
        res_.description = "Delta=" + res_.params[0] + ")";
        break;
      default:
        break;
    }
    constants();
    if (t_ == kPtBetaGeneral && !(C1_ <= 1e308)) refuse(numberedRefusal(506), 2);
    if (t_ == kPtGamma && C1_ == 0) refuse(ownRefusal(RefusalText::ParametricZeroDensity), 0);
    if (t_ == kPtSnedecor && !(C1_ <= 1e308)) refuse(numberedRefusal(506), 1);
    range();
    if (rq_.limits.active && t_ != kPtRaisedCosine && t_ != kPtUniform && t_ != kPtTriangular) {
      min_ = rq_.limits.min;
      max_ = rq_.limits.max;
    }
    if (rq_.limits.active) {
      cut_ = true;
      L_ = rq_.limits.min;
      if (t_ == kPtWeibull || t_ == kPtRayleigh || t_ == kPtLevy || t_ == kPtGamma || t_ == kPtChiSquare)
        L_ = 0;
    }
    fillBins();
  } catch (const Refused&) {
    refused = true;
  } catch (const ArithmeticFault& f) {
    res_.fault = fault(f.message);
  } catch (...) {
    res_.fault = fault(106);
  }
  std::feclearexcept(FE_ALL_EXCEPT);
  std::fesetenv(&saved);
  std::fesetround(savedRound);
  if (refused) {
    if (res_.refusal && res_.refusal->text(lang_).empty()) res_.refusal.reset();
    res_.valid = false;
    res_.p.fill(0);
    return res_;
  }
  postProcess();
  return res_;
}

}  // namespace

// ------------------------------------------------------------------ public

namespace {

// English list texts where they differ from the Czech ones (the names taken from messages have their
// own English texts), and the English spelling of Cauchy's scale "Gama".
constexpr std::pair<int, const char*> kEnglishNames[] = {
    {2, "Gumbel_I"}, {3, "Gumbel_II"}, {15, "Gamma"}, {16, "Snedecor"}};

std::string inEnglish(std::string text) {
  if (text == "Gama") return "Gamma";
  if (const size_t at = text.find(",gama)"); at != std::string::npos) text.replace(at, 6, ",gamma)");
  return text;
}

}  // namespace

std::string ParametricTypeName(int type, Language language) {
  if (type < 0 || type >= kParametricTypeCount) return "";
  const TypeInfo& ti = kTypes[type];
  if (!ti.name) return MessageText(ti.nameMessage, language);
  if (language == Language::English)
    for (const auto& [t, name] : kEnglishNames)
      if (t == type) return name;
  return ti.name;
}

ParametricPresentation ParametricPresentationOf(int type, Language language) {
  ParametricPresentation pr;
  if (type < 0 || type >= kParametricTypeCount) return pr;
  const TypeInfo& ti = kTypes[type];
  const bool english = language == Language::English;
  pr.captionSuffix = english ? inEnglish(ti.suffix) : ti.suffix;
  pr.caption = MessageText(212, language) + pr.captionSuffix;
  for (int i = 0; i < 4; ++i) {
    pr.fieldVisible[i] = fieldShown(type, i);
    pr.labels[i] = !pr.fieldVisible[i] ? "" : english ? inEnglish(ti.labels[i]) : ti.labels[i];
  }
  pr.epsVisible = type != kPtUniform && type != kPtTriangular;
  return pr;
}

std::array<std::string, 4> ParametricDefaultParams(int type) {
  if (type == kPtUniform || type == kPtTriangular) return {"0", "20", "5", "1.9"};
  return {"10", "1", "1.1", "1.9"};
}

Histogram ParametricResult::histogram() const {
  Histogram h;
  if (!valid) return h;
  h.count = intervals;
  h.min = min + step / 2;
  h.max = max - step / 2;
  h.range = max - min;
  h.step = step;
  h.total = total;
  h.p = p;
  return h;
}

ParametricResult GenerateParametric(const ParametricRequest& request, Language language) {
  Generator g(request, language);
  return g.run();
}
