#pragma once

// Bearing capacity of the bolts, the reliability function FS = C - S, the probability of failure
// and the verdict against the reliability classes of a design standard.

#include <array>
#include <optional>
#include <string>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"
#include "shell/ChainMessages.h"
#include "shell/Language.h"

/// Design standards of the combo box CBNorma, in item order.
enum class DesignStandard { En1990 = 0, Csn731401 = 1 };

/// How the reliability index is shown.
enum class BetaFKind {
  Value,      // beta_f below
  Undefined,  // Pf = 0: message 233
  Out,        // FS entirely below 0: "  <OUT> "
};

/// Everything the assessment panel shows, plus the numbers behind it.
struct AssessmentResult {
  DesignStandard standard = DesignStandard::En1990;
  std::array<std::string, 3> classLabels;  // classes 1 (highest) to 3, in the chosen language
  std::array<double, 3> pd{};              // design probabilities of classes 1 to 3
  std::array<double, 3> classBeta{};       // 4.3, 3.8, 3.3
  double failureMass = 0;                  // F of the subtraction C - S
  double pf = 0;                           // probability of failure
  BetaFKind betaFKind = BetaFKind::Undefined;
  double betaF = 0;                                // reliability index, meaningful for BetaFKind::Value
  int classIndex = 0;                              // 1 to 3; 0 = no class satisfied
  std::string verdict;                             // class label, or message 231 when no class is satisfied
  std::array<std::optional<double>, 3> quantiles;  // Qpd for the Pd of classes 1 to 3; nullopt = not reached
  // Interval table: the bin holding 0 (1-based, 0 when FS lies entirely below 0), of binCount bins.
  bool crossingFound = false;
  int crossingBin = 0;
  int binCount = 0;
  double fsMin = 0;           // centre of the first bin of FS
  double crossingCentre = 0;  // centre of the bin holding 0 (crossingBin)
};

/// Design probability and index of class 1..3 of `standard`; labels follow `language`.
double designProbability(DesignStandard standard, int classIndex);
double classReliabilityIndex(int classIndex);
std::string classLabel(DesignStandard standard, int classIndex, Language language);

/// Reliability index of a probability of failure: sqrt(-log10(Pf)/0.198 - 1.5) - 0.605, or -0.605 when
/// the radicand is negative.
double reliabilityIndex(double pf);

/// The class `pf` satisfies under `standard`: the highest (1 before 2 before 3) whose Pd is not
/// exceeded; 0 when it exceeds all three.
int classForPf(DesignStandard standard, double pf);

/// Pf read from a reliability function FS (normalised and trimmed) and the failure mass F of its
/// subtraction, with the place of the zero crossing.
struct FailureReading {
  double pf = 0;
  int crossing = 0;      // 1-based bin after the zero (n + 1 for a zero in the last bin); 0 when FS < 0
  double lowerEdge = 0;  // lower edge of that bin
};
FailureReading readFailureProbability(const Histogram& fs, double failureMass);

/// Assessment of a reliability function FS (normalised and trimmed) with the failure mass F of its
/// subtraction.
AssessmentResult assessReliability(const Histogram& fs, double failureMass, DesignStandard standard,
                                   Language language);

/// Bearing-capacity factor k [m2 x 1000 per m of row spacing] of n bolts of diameters d1, d2 [mm] at
/// row spacing ds [mm].
double bearingCapacityFactor(double n, double d1, double d2, double ds);

/// C = k x SigmaR, normalised and trimmed, as the bearing capacity is formed for the factor k; nullopt
/// with the refusal in `report` (message 35, or values beyond the reals).
std::optional<Histogram> bearingCapacityAt(const Histogram& sigmaR, double k, ChainReport& report);

/// The reliability function FS = C - S, normalised and trimmed, with the failure mass F of the
/// subtraction.
struct ReliabilityFunction {
  Histogram fs;
  double failureMass = 0;
};
std::optional<ReliabilityFunction> reliabilityFunction(const Histogram& c, const Histogram& s,
                                                       ChainReport& report);

/// The bearing capacity C (`bearingCapacity`, flag) from SigmaR and the bolt texts: checks 29 and 30 and
/// the zero-cross-section refusals. SigmaR is read as the bolt load read its inputs
/// (`boltLoadReading`). Does not check the presence of the inputs (see runAssessment).
ChainReport runBearingCapacity(ProjectState& project);

/// The whole assessment command: checks 54 to 57, the bearing capacity, FS = C - S and the verdict.
/// On success fills `result` and sets `bearingCapacityDone` and `assessmentDone`.
ChainReport runAssessment(ProjectState& project, DesignStandard standard, Language language,
                          AssessmentResult& result);
