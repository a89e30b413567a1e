#pragma once

// The parametric distribution generator: one of 24 distribution types, its parameters, Eps and a
// number of intervals give a histogram whose bin weights are the density at the bin centres.
//
// Window mode takes the parameters as typed texts; fitting mode derives them from a sample summary
// (method of moments), writes them back as texts and may reject a type as unsuitable for the sample.
// Nothing is shown here: refusals, arithmetic faults and the presentation of the parameter group are
// returned as data for the caller to apply.

#include <array>
#include <optional>
#include <string>

#include "histogram/Histogram.h"
#include "shell/Language.h"
#include "shell/Refusal.h"

/// Number of distribution types (indices 0 .. 23).
inline constexpr int kParametricTypeCount = 24;

/// Type indices with a role of their own.
enum ParametricType : int {
  kPtNormal = 0,
  kPtLogNormal2P = 1,
  kPtGumbelI = 2,
  kPtGumbelII = 3,
  kPtRaisedCosine = 4,
  kPtCauchy = 5,
  kPtFisherTippett = 6,
  kPtLaplace = 7,
  kPtLogistic = 8,
  kPtWeibull = 9,
  kPtRayleigh = 10,
  kPtLevy = 11,
  kPtStudent = 12,
  kPtBetaAtZero = 13,
  kPtBetaGeneral = 14,
  kPtGamma = 15,
  kPtSnedecor = 16,
  kPtPareto = 17,
  kPtUniform = 18,
  kPtTriangular = 19,
  kPtExponential = 20,
  kPtChiSquare = 21,
  kPtHalfLogistic = 22,
  kPtLogNormal3P = 23,
};

/// The list text of type `type` (five of them follow the language), "" outside 0 .. 23.
std::string ParametricTypeName(int type, Language language);

enum class GenerateMode { Window, Fitting };

/// What fitting mode knows of the sample: its moments and its histogram's summary.
struct SampleSummary {
  double mean = 0, sigma = 0, skewness = 0;
  /// The moments as the raw-statistics table shows them; an empty text is written as StrNaCarku(value).
  std::string meanText, sigmaText, skewnessText;
  /// First and last bin centre, median and mode of the sample's histogram.
  double xmin = 0, xmax = 0, median = 0, mode = 0;
  /// Weibull: the trial shape k chosen by the fitting loop.
  double weibullShape = 1.5;
};

/// Limits typed by the user for the sample's histogram: they replace Min and Max (types other than
/// raised-cosine, uniform and triangular) and, for the types of x >= 0, cut bins centred below 0.
struct UserLimits {
  bool active = false;
  double min = 0, max = 0;
};

struct ParametricRequest {
  int type = kPtNormal;
  /// Texts of the four parameter fields (decimal point, optional exponent).
  std::array<std::string, 4> params{"10", "1", "1.1", "1.9"};
  double eps = 1e-7;    // [1e-8, 1]; the caller checks it
  int intervals = 128;  // 3 .. 256; the caller checks it
  /// The type changed or the window opened: the parameter texts get the type's defaults first.
  bool reset = false;
  GenerateMode mode = GenerateMode::Window;
  SampleSummary sample;  // fitting mode only
  UserLimits limits;
};

/// How the parameter group looks for a type.
struct ParametricPresentation {
  std::string caption;                 // message 212 + the type's suffix
  std::string captionSuffix;           // e.g. " F (x | Mi,Sigma)"
  std::array<std::string, 4> labels;   // "" for a hidden field
  std::array<bool, 4> fieldVisible{};  // P1 always; P2 .. P4 by type
  bool epsVisible = true;  // hidden for uniform and triangular; Weibull k < 1, beta at 0 a, b <= 1
};

struct ParametricResult {
  bool valid = false;
  int intervals = 0;                  // N
  std::array<double, kMaxBins> p{};   // p[0 .. N-1], normalised; the rest 0
  double min = 0, max = 0;            // outer edges of the histogram
  double step = 0;                    // (max - min) / N
  double total = 0;                   // frequency scale
  std::string description;            // fitting mode (and half-logistic): "Mi=10,Sigma=1)" style
  std::array<std::string, 4> params;  // parameter texts after the call (defaults, estimates)
  ParametricPresentation presentation;
  // A refusal of the parameters (window mode only): the dialog kind is error or information,
  // parameterField / restoreText say which field takes the focus and gets its last text back.
  std::optional<Refusal> refusal;
  // An arithmetic fault caught during the computation (shown in both modes, titled message 3):
  // message 101 division by zero, 102 overflow, 103 underflow, 104 invalid operation, 105 other
  // arithmetic fault, 106 other fault, after message 211 with the type's name.
  std::optional<Refusal> fault;

  /// The histogram record: count N, min/max the first/last centre, range = max - min, step, total, bins.
  Histogram histogram() const;
};

/// Presentation of type `type` alone (caption, labels, shown fields, Eps shown before the parameters
/// are known).
ParametricPresentation ParametricPresentationOf(int type, Language language);

/// Default parameter texts after a reset: "0", "20", "5" for uniform and triangular, else
/// "10", "1", "1.1", "1.9".
std::array<std::string, 4> ParametricDefaultParams(int type);

/// Runs the generator. Never throws; bad input gives valid = false with a refusal or a fault.
ParametricResult GenerateParametric(const ParametricRequest& request, Language language);

/// Maximum number of steps of one range or mode search; beyond it the parameters are refused.
inline constexpr double kParametricSearchStepLimit = 1e12;
