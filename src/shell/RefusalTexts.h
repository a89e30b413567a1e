#pragma once

// The texts of refusals that have no numbered message, in Czech and English. A text may hold "%s"
// places, filled in order from the refusal's arguments (FillPlaceholders).

#include <string>

#include "shell/Language.h"

enum class RefusalText : int {
  None = 0,
  // Project, results and rock type files.
  FileDamaged,              // heads the reason a file was not read (appended after it)
  ProjectEndsEarly,         // %s: the missing line
  ProjectBadCount,          // %s: line, its text
  ProjectBadVersion,        // %s: the version line
  ResultsTrailingBytes,     // %s: value number, byte (Czech: and the byte count); ResultsTrailingBytesEnd
                            // follows
  ResultsTrailingBytesEnd,  // %s: byte count, byte (the two languages name them in different order)
  ResultsOutOfRange,        // %s: value number, name, text
  ResultsEndsEarly,         // %s: value number, name, byte
  ResultsUnexpectedType,    // %s: type, value number, name, byte
  ResultsBadUtf8,           // %s: value number, name, byte
  ResultsBadTextLength,     // %s: value number, name
  // Histogram files.
  HistogramMaxInvalid,       // followed by "Max = " and the text
  HistogramKeyRepeated,      // %s: key, how many times
  HistogramNoBins,           // %s: Bins as written
  HistogramZeroTotal,        // %s: Total as written
  HistogramEdgesOutOfRange,  // %s: Min, Max as written
  HistogramMinMaxZero,
  HistogramNotSavable,  // no valid bounds, intervals or frequencies
  HistogramNotSaved,    // heads the reader's refusal of the text the writer would write
  HistogramBinLost,     // %s: bin number, its probability
  HistogramNotEqual,    // %s: what differs
  // Raw data.
  RawMinNotBelowMax,
  RawMaxNotAboveMin,
  RawRangeTooLarge,
  // Frequency entry.
  FrequencySumOverflow,
  FrequencyNegative,
  FrequencySumZero,
  FrequencySumTooLarge,  // %s: the largest sum, the sum given
  FrequencyRangeTooLarge,
  // Parametric distributions.
  ParametricNoRange,   // %s: the search steps, the step h
  ParametricStepLost,  // %s: the step h, x
  ParametricBadType,   // followed by the type number
  ParametricNoMass,    // %s: Min, Max
  ParametricZeroDensity,
  ParametricNoHistogram,
  FitFailuresHead,  // heads the list of types left out of the fit for an arithmetic fault
  // The computation chain.
  ComputationFailed,  // a command that failed without a message
  // Values, chain, RMR, design, histogram arithmetic.
  DepthUnusual,      // %s: value, bound
  DiameterUnusual,   // %s: value, bound
  BoltCountUnusual,  // %s: value, bound
  SpacingUnusual,    // %s: value, bound
  WidthUnusual,      // %s: largest width, bound
  WidthNotPositive,  // %s: smallest width
  CheckTheInput,     // follows a warning of a value
  RatingInvalid,     // %s: the rating, its text
  OrientationRatingMissing,
  StrengthRatingReversed,
  DesignNothingReaches,  // %s: class, its label
  DesignBadTarget,
  DesignImpossible,       // heads a refusal of the design ranges
  DesignBadBoltCounts,    // %s: most bolts, the text
  DesignBadDiameters,     // %s: d2, the text
  DesignBadSpacingRange,  // %s: most values, the text
  DesignTooManyPatterns,  // %s: patterns, most
  ChainOverflow,
  ReadAsEarlierVersion,     // %s: the text; the field and ReadAsEarlierVersionEnd follow
  LayerThicknessField,      // %s: layer row
  ReadAsEarlierVersionEnd,  // %s: the number read
  ArithmeticEmptyInput,
  ArithmeticBadStep,
  ArithmeticBadValues,
  ArithmeticDegenerateFrame,
  ArithmeticOverflow,
  ArithmeticOutOfFrame,  // %s: the bin index computed
  Count
};

/// The text `id` in `language` (UTF-8, line breaks as CR LF), its "%s" places unfilled.
std::string RefusalTextOf(RefusalText id, Language language);
