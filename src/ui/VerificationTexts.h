#pragma once

// Texts of the check of Pf (the Monte Carlo figures, the discretisation band, the sensitivity) that
// the assessment panel, the sensitivity window and the report compose at run time, in Czech and English.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Language.h"
#include "verification/ChainCheck.h"

enum class VerificationText : int {
  ProgressMonteCarlo = 0,  // progress bar formats of the three steps (%p is the bar's percentage)
  ProgressBand,
  ProgressSensitivity,
  Interval,   // %s lower, %s upper bound
  Inside,     // %s Pf of the assessment, %s reading of the inputs
  Outside,    // %s Pf of the assessment, %s reading of the inputs, %s lower, %s upper bound
  NoFailure,  // %s samples, %s upper bound
  TimedOut,   // %s seconds
  Cancelled,
  Refused,
  Stale,
  NoEffect,
  InputLayer,  // %s layer row
  InputWidth,
  InputKn,
  InputRmr,
  InputGamma,
  InputQ,
  InputSigmaR,
  InputK,
  TornadoAxis,
  TornadoAt05,
  TornadoAt50,
  TornadoAt95,
  AssessmentPf,  // %s Pf
  RowCentres,    // rows of the figures table (panel and report)
  RowUniform,
  RowBins,  // %s bins
  RowChain,
  ReportSection,
  ReportColumns,  // tab-separated headers: reading, Pf, interval, samples
  ReportSeed,     // %s seed, %s seconds
  ReportSensitivity,
  ReportSensitivityColumns,  // tab-separated headers: input, file, Pf at 5, 50, 95 %
  ReportExplanation,
  ReadingCentres,  // names of the reading of the inputs
  ReadingUniform,
  Count
};

/// The text `id` in `language` (UTF-8).
std::string verificationText(VerificationText id, Language language);
/// The text with "%s" placeholders filled in order.
std::string verificationTextFormat(VerificationText id, Language language,
                                   std::initializer_list<std::string> args);

/// The name of a random input of the check by its key ("sigma1".."sigma10", "B", "Kn", "RMR", "gamma",
/// "q", "SigmaR", "K"); the key itself for any other.
std::string verificationInputName(std::string_view key, Language language);

/// One row of the sensitivity as shown: an input, its file, and Pf with the input fixed at its 5, 50
/// and 95 % quantile (nullopt where the chain refused); `noEffect` for K, which enters the bolt length
/// only and so leaves Pf as it is.
struct SensitivityLine {
  std::string input, file;
  std::optional<double> pf05, pf50, pf95;
  bool noEffect = false;
};

/// The sensitivity of `check` in its order (largest spread first), then K.
std::vector<SensitivityLine> sensitivityLines(const verification::ChainCheck& check, Language language);

/// What the figures of a check say in plain words; `warning` when the assessment lies outside the
/// 95 % interval of the sample of its own reading.
struct CheckNote {
  std::vector<std::string> lines;
  bool warning = false;
};
CheckNote checkNote(const verification::ChainCheck& check, Language language);
