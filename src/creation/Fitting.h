#pragma once

// Fitting the parametric distribution types to raw data: goodness of fit ("těsnost") against the
// raw-data histogram, ranking, the table of suitable distributions with its sorting and removal rule,
// and the Kolmogorov-Smirnov and Anderson-Darling measures against the raw values.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "creation/ParametricGenerator.h"
#include "creation/RawData.h"
#include "histogram/Histogram.h"
#include "shell/Language.h"

inline constexpr int kDistributionTypes = 24;
inline constexpr int kUniformType = 18;
inline constexpr int kTriangularType = 19;
inline constexpr int kWeibullType = 9;
/// Rows of the fit table.
inline constexpr int kFitTableRows = 23;
/// Fields of a row, 1-based (0 unused): 1 name, 2 těsnost, 3 median, 4 mode, 5 mean, 6 dispersion,
/// 7 standard deviation, 8 coefficient of variation, 9 skewness, 10 kurtosis, 11 parameter text,
/// 12 Kolmogorov-Smirnov distance, 13 its p-value, 14 Anderson-Darling statistic, 15..19 blank.
inline constexpr int kFitFields = 19;
enum FitField {
  kFieldName = 1,
  kFieldTesnost,
  kFieldMedian,
  kFieldMode,
  kFieldMean,
  kFieldDispersion,
  kFieldStandardDeviation,
  kFieldVariation,
  kFieldSkewness,
  kFieldKurtosis,
  kFieldParameters,
  kFieldKs,
  kFieldKsPValue,
  kFieldAd,
};

/// Name of distribution type t (0..23) in `language` ("Normální", "LogNormal_2P", ...).
std::string DistributionTypeName(int t, Language language);

/// A těsnost is accepted when it lies in (0.0001, 1].
bool FitAccepted(double tesnost);

/// Kolmogorov-Smirnov distance between the sorted values `x` and the distribution function of the
/// histogram h (linear within each bin, 0 below its lower edge, 1 above its upper edge).
double KsDistance(std::span<const double> sortedX, const Histogram& h);
/// Asymptotic p-value of distance d for n values: Q_KS((sqrt n + 0.12 + 0.11 / sqrt n) d).
double KsPValue(double d, long n);
/// Anderson-Darling statistic A² of the sorted values against the same distribution function, which is
/// held within [1E-10, 1 - 1E-10] so that values outside the histogram give a large finite A².
double AndersonDarling(std::span<const double> sortedX, const Histogram& h);
/// Distribution function of h at x (linear within each bin).
double HistogramCdf(const Histogram& h, double x);

/// One row of the fit table: the type (-1 for the raw-data row) and the texts of fields 1..19
/// (field 1 is filled when shown, in the language in force).
struct FitRow {
  int type = -1;
  std::array<std::string, kFitFields + 1> field{};
  bool filled() const { return !field[kFieldTesnost].empty() || type >= 0; }
};

/// The statistical fields 3..10 of histogram h over its first and last centres with its total.
void FillRowStatistics(FitRow& row, const Histogram& h);
/// Fields 12..14: Kolmogorov-Smirnov distance, its p-value and Anderson-Darling of the sorted values
/// against h (nothing for no values).
void FillFitMeasures(FitRow& row, const Histogram& h, std::span<const double> sortedX);
/// The raw-data row: "1" as těsnost, " ----- " as parameters.
FitRow RawDataRow(const Histogram& rawHistogram, std::span<const double> sortedX);
/// Text of field k of row r in `language` (field 1: the type name, "Prvotní data"/"Raw data").
std::string FitFieldText(const FitRow& row, int k, Language language);

/// Number read from a field text; nullopt for a blank or " undefined" text.
std::optional<double> FieldValue(const std::string& text);

/// Reverses the bins of a parametric histogram whose median lies on the other side of the middle of
/// [min, max] than the raw mean.
void ApplyDisplayRule(Histogram& h, double rawMean);

/// Ranking: the 24 types ordered by těsnost, largest first, by selection sort (the first largest of
/// the remaining entries is swapped into each position). Returns the type codes.
std::array<int, kDistributionTypes> RankByTesnost(const std::array<double, kDistributionTypes>& tesnost);

/// Sort keys of the table: item k of the sort selector sorts by field k + 1 (1 Těsnost .. 9 Špičatost);
/// 10, 11, 12 sort by the Kolmogorov-Smirnov distance, its p-value and the Anderson-Darling statistic.
inline constexpr int kSortItems = 13;
/// Reference of the items 4, 6 and 8 (mean, standard deviation, skewness).
enum class SortReference { RawData, RawHistogram };
/// Raw-data moments (the reference "Prvotní data").
struct RawMoments {
  double mean = 0, standardDeviation = 0, skewness = 0;
};
/// True for items sorted by distance to a reference (4, 6, 8).
bool SortUsesReference(int item);
/// Sorts the filled rows in place: items 4, 6, 8 by |value - reference| smallest first, the distance and
/// statistic items 10 and 12 smallest first, the others largest first; all by selection sort (first
/// best swapped into each position). Empty rows are closed up after the filled ones. Item 0 does nothing.
void SortFitRows(std::vector<FitRow>& rows, int item, SortReference reference, const FitRow& rawRow,
                 const RawMoments& raw);

/// Index of the first unsuitable row among the filled rows: its median is 0 (or missing), or its
/// standard deviation lies outside [0.75 s, 1.25 s] of the raw standard deviation s. nullopt: none.
std::optional<int> FirstUnsuitableRow(const std::vector<FitRow>& rows, double rawStandardDeviation);

// ------------------------------------------------------------------ the fitting loop

/// What the fitting reads: the sorted raw values, their statistics, the raw-data histogram (the
/// reference, whose outer edges are the limits of every fitted histogram) and Eps.
struct FitInput {
  std::span<const double> sortedX;
  RawStatistics statistics;
  Histogram rawHistogram;
  double eps = 1e-7;
};

/// Weibull shapes tried: from 1.5 by 0.01 (added in double) while below 8.04, 655 shapes.
std::vector<double> WeibullShapes();
/// The shape of the largest těsnost over WeibullShapes (a later shape must be strictly better; 1.5
/// when none is above 0); `best` receives that těsnost.
double BestWeibullShape(const std::function<double(double)>& tesnost, double& best);

/// A type left out of the fitting by an arithmetic fault of its own computation.
struct FitFailure {
  int type = 0;
  Refusal fault;
};

/// Everything the fitting found. Types are indexed by their code 0..23.
struct FitResult {
  std::array<double, kDistributionTypes> tesnost{};             // 0 = unsuitable
  std::array<std::string, kDistributionTypes> parameterText{};  // description cut before its first ")"
  std::array<std::array<std::string, 4>, kDistributionTypes> parameters{};  // parameter texts written
  /// The histogram shown for a suitable type (display rule applied).
  std::array<std::optional<Histogram>, kDistributionTypes> display{};
  std::array<int, kDistributionTypes> ranking{};  // type codes by těsnost, largest first
  std::vector<int> offered;  // the first K of the ranking (K = rows whose median is not 0)
  std::vector<FitRow> rows;  // fit table rows in the order the types were found suitable
  FitRow rawRow;
  RawMoments rawMoments;
  double weibullShape = 1.5;         // best shape (when Weibull suits)
  std::vector<FitFailure> failures;  // types whose computation faulted, in the order tried

  bool anySuitable() const;
};

/// The one warning after a fit naming each type left out by an arithmetic fault and its fault; empty
/// when none was.
std::string FitFailureWarning(const FitResult& result, Language language);

/// Progress over the types: done out of all steps (each Weibull shape is a step).
using FitProgress = std::function<void(int done, int all)>;

/// Fits every type but 18 and 19 to the raw data and ranks the suitable ones. A type whose computation
/// faults is left out (FitResult::failures); the others are fitted as usual.
FitResult FitDistributions(const FitInput& input, Language language, const FitProgress& progress = {});

/// Drops the fitting results from table row `from` on (ranking positions from `from` on): their
/// těsnost becomes 0, their table rows and display histograms are emptied.
void RemoveFromRankingPosition(FitResult& result, int from);
