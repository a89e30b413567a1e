#pragma once

// Characteristics of a histogram (bounds, moments, median, mode) and its probability table.
// A histogram is given as probabilities P (the first N used), N, and Min and Max, the centres of
// the first and last interval.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "shell/Language.h"

/// One characteristic: padded label and value text.
struct Characteristic {
  std::string label;  // padded with blanks to 30 characters (Czech) or 33 (English)
  std::string value;
};

/// The fourteen characteristics in their order: Min, Max, number of intervals, sum of frequencies,
/// mean, dispersion, standard deviation, mean deviation, coefficient of variation, skewness,
/// concentration, kurtosis, median, mode; and the numbers callers keep.
struct CharacteristicsTable {
  std::array<Characteristic, 14> rows;
  double lower = 0;  // Min - h/2
  double upper = 0;  // Max + h/2
  double mean = 0;
  double dispersion = 0;
  double sigma = 0;  // square root of the dispersion
  double skewness = 0;
  double kurtosis = 0;  // excess kurtosis
};

/// Computes the characteristics; requires N >= 3. `total` is the histogram's sum of frequencies.
CharacteristicsTable Characteristics(std::span<const double> P, int N, double Min, double Max, double total,
                                     Language language);

/// The characteristics as one text headed by `title`; message 411 alone when N < 3.
/// `table` (optional) receives the computed table.
std::string CharacteristicsText(const std::string& title, std::span<const double> P, int N, double Min,
                                double Max, double total, Language language,
                                CharacteristicsTable* table = nullptr);

/// The three-column probability table: 2N + 3 rows. Row 0 the header, row 1 the lower edge, then for
/// interval i (1..N) row 2i (number, centre, probability) and row 2i + 1 (upper edge), last row the total.
struct ProbabilityTableModel {
  int N = 0;
  std::vector<std::array<std::string, 3>> cells;  // [row][column]
  std::vector<double> centres;                    // N centres
  std::vector<double> edges;                      // N + 1 edges, edges[0] the lower edge
  std::vector<double> probabilities;              // P[1..N]
  double sum = 0;                                 // sum of P[1..N]

  int rowCount() const { return static_cast<int>(cells.size()); }
  static int intervalRow(int i) { return 2 * i; }  // i 1-based
  static int edgeRow(int i) { return 2 * i + 1; }  // upper edge of interval i; edgeRow(0) = 1
  int totalRow() const { return 2 * N + 2; }
};

/// Builds the probability table of P[1..N] with bin width `step` and first centre `Min`.
ProbabilityTableModel ProbabilityTable(std::span<const double> P, int N, double step, double Min,
                                       Language language);
