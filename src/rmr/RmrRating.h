#pragma once

// The RMR classification (Bieniawski 1989): the strength rating histogram A built from the reduced
// strength R, the ratings of the choice lists, and the RMR histogram with its median and class.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "histogram/Histogram.h"
#include "rmr/RmrTables.h"
#include "shell/ChainMessages.h"

/// Rating of the strength of intact rock s (MPa): -0.0001 s^2 + 0.0816 s + 0.9085.
double strengthRating(double s);

/// A from R: 256 bins between the ratings of R's outer edges, each bin of R added to the bin of the
/// rating of its centre (index rounded half to even; a centre that rates beyond the edges, where the
/// rating curve turns above 408 MPa, goes to the end bin), then normalised. nullopt when R has no
/// bins, its step is not positive and finite, or the rating of its upper edge is not above that of
/// its lower edge.
std::optional<Histogram> strengthRatingHistogram(const Histogram& r);
/// Our refusal when strengthRatingHistogram gives nothing although R exists.
Refusal strengthRatingRefusal();

/// One choice list of a rating table: its control, the table (index into RmrTables::tables) and row
/// it rates, and the rating of each item in list order.
struct RatingList {
  std::string_view control;
  int table = 0;
  int row = 1;
  std::span<const int> ratings;
};

/// The lists of the rating tables B, C, D1, D2 (rows 1..5), E, in that order. The F table has the
/// two lists CBTypPromF1 (kind of work) and CBTypPromF2 (orientation) rated by orientationRating.
std::span<const RatingList> ratingLists();

/// Cells of the tables (row 1 unless said otherwise; the rating is the last column).
namespace rmr_cells {
inline constexpr int kB = 0, kC = 1, kD1 = 2, kD2 = 3, kE = 4, kF = 5;  // table indices
inline constexpr int kDescription = 1;                                  // column of the chosen description
inline constexpr int kRating = 2;                                       // rating column of the tables B .. E
inline constexpr int kFKind = 1, kFOrientation = 2, kFRating = 3;       // columns of the F table
}  // namespace rmr_cells

/// Number of kinds of work (rows) and orientations (columns) of the orientation table.
inline constexpr int kWorkKinds = 3;
inline constexpr int kOrientations = 5;

/// Rating F for kind of work `kind` (1 tunnels and mines, 2 foundations, 3 slopes) and orientation
/// `orientation` (1 very favourable .. 5 very unfavourable); nullopt outside the table.
std::optional<int> orientationRating(int kind, int orientation);

/// Rock mass class of an RMR median: below 21 class 5 (V), below 41 4, below 61 3, below 81 2, else 1.
int rockMassClass(double median);
/// "I" .. "V" for class 1 .. 5, empty for anything else.
std::string_view classNumeral(int rockClass);

/// What Create makes of the tables and A.
struct RmrOutcome {
  ChainReport report;          // ok only when a class was set
  bool histogramMade = false;  // the RMR histogram stands (also after 205 and 206)
  Histogram rmr;
  int d = 0;
  long long sum = 0;
  std::string sumText;  // Label3
  double median = 0;
  std::string rmrText;  // LRMR
  int classIndex = 0;   // 1..5, 0 without class
};

/// Create the RMR histogram: the ratings B, C, E, the orientation F and D (from D1 and D2) are read
/// from their cells in that order (messages 200 .. 204 for the first missing), the sum shifts A into
/// the RMR histogram, whose median (the upper edge of the bin where the distribution function reaches
/// 1/2) decides the class; messages 205 and 206 for a median below 0 or above 100. A cell that holds
/// no whole number, or an F rating that is missing while the orientation is chosen, is refused with a
/// text of our own. A without bins is refused with message 151.
RmrOutcome createRmr(const RmrTables& tables, const Histogram& a);
