#pragma once

// Design of the bolt pattern. The pattern (n bolts a row of diameters d1, d2 at row spacing ds) enters
// the assessment only through the bearing-capacity factor k, so with S and L computed once Pf depends
// on k alone: the factor a target class needs is found by a search on k, and each pattern of the
// ranges needs only its bearing capacity and the subtraction C - S. Both run the assessment's own
// steps, so a pattern's Pf is the Pf the assessment gives for it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "design/PatternRanges.h"
#include "histogram/Histogram.h"
#include "project/ProjectState.h"
#include "reliability/Assessment.h"
#include "shell/ChainMessages.h"

namespace design {

/// What a design takes from a project whose chain has run to the bolt load.
struct DesignBasis {
  Histogram sigmaR;       // strength of the bolt steel [MPa]
  Histogram boltLoad;     // S [kN per m of working]
  double boltLength = 0;  // Lq: the bolt length L at its 95 % quantile [m]
  double d2 = 0;          // inner diameter of the bolts [mm], from the project
};

/// The basis of `project`; nullopt with the refusal in `report`: the bolt load or length not computed
/// (54, 44), SigmaR missing (57), a negative d2 (146), an input without width (35).
std::optional<DesignBasis> designBasis(const ProjectState& project, ChainReport& report);

/// Steel of the bolts [kg per m of working]: n pi (d1^2 - d2^2) / 4 x Lq x 7.85e-6 / (ds / 1000), d in
/// mm, Lq in mm. Formed as bolts per metre (n x 1000 / ds) times the mass of one bolt, so that patterns
/// with the same bolts per metre and the same bolt get exactly the same figure.
double steelPerMetre(int n, double d1, double d2, double ds, double boltLengthMetres);
/// Bolts per metre of working: n x 1000 / ds.
double boltsPerMetre(int n, double ds);

/// The assessment at one bearing-capacity factor.
struct FactorOutcome {
  double k = 0;
  double pf = 0;
  double failureMass = 0;  // F of the subtraction
  int classIndex = 0;      // 1 to 3, 0 for none
};

/// Runs the assessment's steps (C = k SigmaR, FS = C - S, Pf) at any k; a k met before is answered
/// from memory. One thread at a time.
class FactorAssessment {
 public:
  FactorAssessment(const DesignBasis& basis, DesignStandard standard);
  /// nullopt when the chain refuses at k; the refusal is in report().
  std::optional<FactorOutcome> at(double k);
  const ChainReport& report() const { return report_; }
  const DesignBasis& basis() const { return basis_; }
  DesignStandard standard() const { return standard_; }
  /// Distinct factors assessed so far.
  int evaluations() const { return static_cast<int>(memo_.size()); }

 private:
  DesignBasis basis_;
  DesignStandard standard_;
  ChainReport report_;
  std::unordered_map<std::uint64_t, FactorOutcome> memo_;
};

/// The smallest bearing-capacity factor that reaches a design probability.
struct RequiredFactor {
  enum class Status {
    Found,          // k below
    NeverReached,   // no k reaches Pd (a strength histogram at or below 0 holds too much mass)
    AlwaysReached,  // every k > 0 reaches Pd (no load above 0)
    Refused,        // the chain refused at some k; see FactorAssessment::report
    Cancelled,
  };
  Status status = Status::Refused;
  double k = 0;        // Found: Pf(k) <= Pd
  double pf = 0;       // Pf at k
  double kBelow = 0;   // Found: the factor just below k (k (1 - 1e-4) or closer), whose Pf exceeds Pd
  double pfBelow = 0;  // Pf there
};

/// Relative resolution of the search on k.
inline constexpr double kFactorResolution = 1e-4;

/// Stops a long computation and follows it. `progress` is called on the computing thread.
struct RunControl {
  const std::atomic<bool>* cancel = nullptr;
  std::function<void(int done, int total)> progress;
  bool cancelled() const { return cancel && cancel->load(); }
};

/// The smallest k whose Pf meets `pd`, with the k just below it not meeting it. Above the factor
/// from which FS lies wholly above 0 nothing can fail; below it the factors are scanned downwards in
/// steps of the resolution while no pair of the subtraction fails (there Pf is read by interpolation
/// and may wobble), and below that Pf is the failure mass, which cannot grow with k, so a bisection
/// brackets the crossing. The answer thus lies above every failing factor found.
RequiredFactor kRequired(FactorAssessment& assessment, double pd, const RunControl& control = {});

/// One pattern of a design.
struct PatternRow {
  int n = 0;
  double d1 = 0, d2 = 0, ds = 0;
  double k = 0;
  double pf = 0;
  int classIndex = 0;
  double steel = 0;          // kg per m of working
  double boltsPerMetre = 0;  // n x 1000 / ds
  /// Reaches class `target` (1 to 3) or a higher one.
  bool reaches(int target) const { return classIndex >= 1 && classIndex <= target; }
};

/// Lighter first: less steel, then fewer bolts per metre, then the larger ds (then n, d1).
bool lighter(const PatternRow& a, const PatternRow& b);

/// Every pattern of `ranges` (d2 from the basis), lightest first; empty when cancelled or refused
/// (the refusal is in the assessment's report).
std::vector<PatternRow> patterns(FactorAssessment& assessment, const PatternRanges& ranges,
                                 const RunControl& control = {}, int progressBase = 0, int progressTotal = 0);

/// Pf against ds for one (n, d1): the patterns at `spacings`, in their order.
std::vector<PatternRow> spacingCurve(FactorAssessment& assessment, int n, double d1,
                                     const std::vector<double>& spacings, const RunControl& control = {});

/// The pattern of least steel that reaches `target` (rows lightest first), or nullopt.
std::optional<PatternRow> lightest(const std::vector<PatternRow>& rows, int target);
/// The lightest pattern of the best class any pattern reaches, or nullopt when none reaches a class.
std::optional<PatternRow> bestReachable(const std::vector<PatternRow>& rows);

/// A whole design: the factor the target needs, every pattern, the lightest.
struct DesignRequest {
  PatternRanges ranges;
  int target = 2;  // class 1 (highest) to 3
  DesignStandard standard = DesignStandard::En1990;
};

struct DesignResult {
  bool ok = false;  // false: refused (report) or cancelled
  bool cancelled = false;
  ChainReport report;
  int target = 2;
  double pd = 0;
  double boltLength = 0;  // Lq [m]
  RequiredFactor required;
  std::vector<PatternRow> patterns;  // lightest first
  std::optional<PatternRow> lightest;
  std::optional<PatternRow> bestReachable;  // only when no pattern reaches the target
  int evaluations = 0;                      // distinct factors assessed
};

/// Runs a design; progress counts the search on k as one step and each pattern as one.
DesignResult runDesign(const DesignBasis& basis, const DesignRequest& request,
                       const RunControl& control = {});

/// Our own notice that no pattern of the ranges reaches class `target` (`label` its name).
Refusal nothingReaches(int target, const std::string& label);

/// The pattern table as CSV: a header row, then n, d1, d2, ds, k, pf, classIndex, steel per row;
/// "." decimals, numbers that read back exactly, lines ended by CR LF.
std::string patternTableCsv(const std::vector<PatternRow>& rows);

}  // namespace design
