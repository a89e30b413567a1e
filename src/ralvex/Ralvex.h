#pragma once

// The probability utility library: language, version, number texts, number parsers and
// histogram statistics. A histogram is passed as its bin probabilities P (only the first N used)
// with Min and Max, the centres of the first and last bin.

#include <span>
#include <string>
#include <string_view>

#include "ralvex/Dialogs.h"
#include "shell/Language.h"

namespace ralvex {

/// Shows a message dialog through the service in force; returns mrOk, mrYes or mrNo.
/// kind: 0 warning, 1 error, 2 information, 3 confirmation; buttons Ok (default 1) or YesNo (default 6).
int DefMessageDlg(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
                  int defaultButton, int help = 0);

/// Tells the library the interface language (true for Czech).
void DodejDoMessage(bool czech);
/// The language last told; Czech at start.
bool libraryCzech();
Language libraryLanguage();
/// MessageText(number) in the language last told.
std::string Msg(int number);

/// Dialogs titled with messages 1 to 4 in the language last told.
/// Confirm: Yes/No question, true only for Yes (a No or a closed box cancels).
bool Confirm(std::string_view text, int defaultButton = mrYes);
void Info(std::string_view text);     // OK, title message 2
void Error(std::string_view text);    // OK, title message 3
void Warning(std::string_view text);  // OK, title message 4

/// Version text of the program, four numbers such as "1.5.6.5"; the path is accepted for the call's shape.
std::string Verze(std::string_view path);

// Number texts use a decimal point, no thousands separator and "E" for the exponent; every finite
// value gives a text that parseDouble reads back. Non-finite values give " undefined".

/// Up to 10 significant digits ("0.1234567891", "1.5E-07", "250").
std::string StrNaCarku(double x);
/// Up to 6 significant digits.
std::string StrNaCarku1(double x);
/// Up to 15 significant digits (what a spreadsheet cell holds).
std::string TiskPrv(long double x);
/// x right-aligned in `width` characters (longer only if it cannot fit): below width 8 the nearest
/// integer (ties to even), else width - 6 significant digits (6 for width 12).
std::string TCetnost(int width, double x);
/// Axis label of a bar: its centre x with up to 5 significant digits; p is not shown.
std::string StrBottomGraf(double p, double x);

/// Parses a number with a decimal point, no thousands separator and an optional exponent.
/// On failure shows an error dialog (title message 3) with `message` followed by the offending text,
/// leaves x unchanged and returns false.
bool prevod_doub(std::string_view text, double& x, std::string_view message);
bool prevod_long(std::string_view text, long& n, std::string_view message);

/// Silent parsers behind prevod_doub / prevod_long, and the one reader of every typed or stored real.
/// Blanks around the number are allowed; otherwise the whole text must be the number:
/// [+-]digits[.digits][E[+-]digits], where a decimal comma may stand for the point ("1,5" is 1.5; no
/// thousands separator, inf, nan or hex). A value beyond the range of double fails; one below the
/// smallest double reads as 0. On failure x is unchanged.
bool parseDouble(std::string_view text, double& x);
/// [+-]digits within the range of long.
bool parseLong(std::string_view text, long& n);

// Histogram statistics. Bin i (0-based) has centre Min + i * (Max - Min) / (N - 1) and weight P[i];
// the weights are divided by their sum, so an unnormalised histogram gives the same values.
// A histogram without mass gives NaN (shown as " undefined").

/// Mean.
double PrumerX(std::span<const double> P, int N, double Min, double Max);
/// Dispersion = the VARIANCE about `mean` (the standard deviation is its square root).
double RozptylX(std::span<const double> P, int N, double Min, double Max, double mean);
/// Mean absolute deviation about `mean`.
double StrHodX(std::span<const double> P, int N, double Min, double Max, double mean);
/// 100 * sigma / |mean| in per cent (pass the standard deviation); NaN for a zero mean.
double KoefVariX(double mean, double sigma);
/// Skewness m3 / m2^1.5; with total n >= 3 corrected for sample size: * sqrt(n (n - 1)) / (n - 2).
/// NaN when all mass lies in one bin.
double Skewness(std::span<const double> P, int N, double Min, double Max, double mean, double total);
/// Excess kurtosis m4 / m2^2 - 3; with total n >= 4 corrected: ((n + 1) g2 + 6) (n - 1) / ((n - 2)(n - 3)).
/// NaN when all mass lies in one bin.
double Kurtosis(std::span<const double> P, int N, double Min, double Max, double mean, double total);
/// Median; interpolate: linearly within the bin where the distribution function reaches 1/2 (bin edges
/// half a step beyond the centres), else that bin's centre. `text` = StrNaCarku of the result.
double VypMedian(bool interpolate, std::span<const double> P, double Min, double Max, int N,
                 std::string& text);
/// Centre of the first bin with the largest probability; `text` = StrNaCarku of it.
double VypMode(std::span<const double> P, int N, double Min, double Max, std::string& text);
/// Mean of the N probabilities themselves.
double PrumerY(std::span<const double> P, int N);
/// Their dispersion: the variance (sum of (P[i] - meanY)^2) / N.
double RozptylY(std::span<const double> P, int N, double meanY);
/// Goodness of fit of P1 to the reference P2: the coefficient of determination
/// 1 - sum (P1 - P2)^2 / sum (P2 - meanY)^2, clipped to [0, 1]; 1 is a perfect fit.
/// meanY = PrumerY(P2); q (the square of RozptylY(P2)) only marks a flat reference: q <= 0 gives 0.
double VypocetCharTesnosti(int N, std::span<const double> P1, std::span<const double> P2, double meanY,
                           double q, int mode = 0);

}  // namespace ralvex
