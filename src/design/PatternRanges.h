#pragma once

// The ranges a bolt pattern is designed over: bolt numbers n, outer diameters d1 and row spacings ds,
// read from their texts ("2,3,4", "16,18,20", "500:2000:50") and checked.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ChainMessages.h"

namespace design {

/// Row spacings min, min + step, ... up to max [mm].
struct SpacingRange {
  double min = 500;
  double max = 2000;
  double step = 50;
  /// The spacings of the range; a last value within 1e-9 steps of max counts as reaching it.
  std::vector<double> values() const;
};

/// The patterns of a design: every n with every d1 and every ds of the range.
struct PatternRanges {
  std::vector<int> n{2, 3, 4, 5, 6};
  std::vector<double> d1{16, 18, 20, 22, 25, 28, 32};
  SpacingRange ds;
  std::size_t patternCount() const;
};

/// Most bolts in a row, most spacings and most patterns a design takes.
inline constexpr int kMaxBoltsInRow = 1000;
inline constexpr std::size_t kMaxSpacings = 10000;
inline constexpr std::size_t kMaxPatterns = 100000;

/// "2,3,4": whole numbers 1..kMaxBoltsInRow separated by commas (blanks around them allowed), sorted,
/// repeats dropped; nullopt for anything else.
std::optional<std::vector<int>> parseBoltCounts(std::string_view text);
/// "16,18.5,20": finite positive numbers separated by commas, sorted, repeats dropped.
std::optional<std::vector<double>> parseDiameters(std::string_view text);
/// "MIN:MAX:STEP" with 0 < MIN <= MAX, STEP > 0 and at most kMaxSpacings values.
std::optional<SpacingRange> parseSpacingRange(std::string_view text);

/// The refusals of the range checks (our own texts, message 0), in both languages.
Refusal badBoltCounts(std::string_view text);
Refusal badDiameters(std::string_view text, double d2);
Refusal badSpacingRange(std::string_view text);
Refusal tooManyPatterns(std::size_t count);

/// Checks parsed ranges against the inner diameter d2: every d1 above d2, at most kMaxPatterns
/// patterns. nullopt when they can be designed over.
std::optional<Refusal> checkRanges(const PatternRanges& ranges, double d2);

/// A number as the shortest text that reads back to it ("." decimals).
std::string numberText(double x);

}  // namespace design
