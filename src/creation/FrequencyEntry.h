#pragma once

// A histogram typed as frequencies: Min, Max (for the type "Discrete") and one whole-number frequency
// per line of a list. The list is counted as it is typed; Save checks the entry and forms either the
// created histogram of the main window (p = f / S) or the histogram the file writer writes (p = f,
// Total 1, so that the file holds the typed frequencies).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "histogram/Histogram.h"
#include "shell/Refusal.h"

/// The lines of the frequency list: split at LF (a CR before it is dropped); an empty last line after
/// the final line break is no line.
std::vector<std::string_view> frequencyLines(std::string_view list);

/// Outcome of counting the list.
struct FrequencyCount {
  bool ok = true;
  int n = 0;                    // number of lines
  std::int64_t sum = 0;         // S
  std::vector<std::int64_t> f;  // one per line
  int badLine = 0;              // 1-based line that stopped the count
  std::string badText;          // its text
  bool overflow = false;        // the line is a number, but S left the 64-bit range there

  /// The refusal of a stopped count: message 224 + "  ( integer )", then the line number (message
  /// 228) and the text (message 229) on tab-indented lines; an overflowing sum has its own first line.
  Refusal refusal() const;
};

/// Counts the list: every line a whole number in the signed 64-bit range (blanks around it allowed);
/// an empty or blank line counts as 0.
FrequencyCount countFrequencies(std::string_view list);

/// What the window holds at Save.
struct FrequencyEntryInput {
  std::string minText;
  std::string maxText;
  bool discrete = true;  // the type item "Discrete" is selected; otherwise pure discrete
  std::string list;
  double spacing = 1;  // pure-discrete spacing
};

/// A checked entry: the descriptor (count, min, max, range, step) and the frequencies.
struct FrequencyEntry {
  Histogram shape;  // bins and total left empty
  std::vector<std::int64_t> f;
  std::int64_t sum = 0;
};

/// Largest sum of frequencies: every frequency and the sum stay exact in the histogram's reals.
inline constexpr std::int64_t kLargestFrequencySum = std::int64_t{1} << 53;

/// The checks of Save in order: a line that is no whole number (the count's message), an empty list
/// (226), more than 256 lines (227 with the count), a negative frequency, a sum of 0 or above
/// kLargestFrequencySum (texts of our own), Min missing or no number ("Min - " + 224), and for
/// "Discrete" Max missing or no number ("Max - " + 224), Min >= Max (225), a width beyond the reals.
/// Min and Max are read whole, a decimal comma as the point ("2,5" is 2.5; "2.5 m" is no number).
std::optional<FrequencyEntry> checkFrequencyEntry(const FrequencyEntryInput& input, Refusal& refusal);

/// The created histogram handed to the main window: p_i = f_i / S, total S.
Histogram handOverHistogram(const FrequencyEntry& entry);
/// The histogram the file route writes: p_i = f_i, total 1.
Histogram fileRouteHistogram(const FrequencyEntry& entry);
