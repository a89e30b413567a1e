#pragma once

// The probability utility library: language, version, number texts, number parsers and
// histogram statistics. A histogram is passed as its bin probabilities P (only the first N used)
// with Min and Max, the centres of the first and last bin.

#include <span>
#include <string>
#include <string_view>

#include "ralvex/Dialogs.h"

namespace ralvex {

/// Shows a message dialog through the service in force; returns mrOk, mrYes or mrNo.
/// kind: 0 warning, 1 error, 2 information, 3 confirmation; buttons Ok (default 1) or YesNo (default 6).
int DefMessageDlg(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
                  int defaultButton, int help = 0);

/// Tells the library the interface language (true for Czech).
void DodejDoMessage(bool czech);
/// The language last told; Czech at start.
bool libraryCzech();

/// Version text of the program, four numbers such as "1.5.6.5"; the path is accepted for the call's shape.
std::string Verze(std::string_view path);

/// Display text of a real, readable back by the number parser; " undefined" when not finite.
std::string StrNaCarku(double x);
/// A shorter display text of a real, readable back by the number parser.
std::string StrNaCarku1(double x);
/// Text of an extended real for the spreadsheet check sheet.
std::string TiskPrv(long double x);
/// x as text of the given width (4 or 5 for interval numbers, 12 for probabilities).
std::string TCetnost(int width, double x);
/// Label of a bar with probability p and centre x.
std::string StrBottomGraf(double p, double x);

/// Parses a number with a decimal point, no thousands separator and an optional exponent.
/// On failure shows an error dialog with `message` (and the text) and returns false.
bool prevod_doub(std::string_view text, double& x, std::string_view message);
bool prevod_long(std::string_view text, long& n, std::string_view message);

/// Silent parsers behind prevod_doub / prevod_long: the whole text must be the number.
bool parseDouble(std::string_view text, double& x);
bool parseLong(std::string_view text, long& n);

double PrumerX(std::span<const double> P, int N, double Min, double Max);
double RozptylX(std::span<const double> P, int N, double Min, double Max, double mean);
double StrHodX(std::span<const double> P, int N, double Min, double Max, double mean);
double KoefVariX(double mean, double sigma);
double Skewness(std::span<const double> P, int N, double Min, double Max, double mean, double total);
double Kurtosis(std::span<const double> P, int N, double Min, double Max, double mean, double total);
double VypMedian(bool interpolate, std::span<const double> P, double Min, double Max, int N, std::string& text);
double VypMode(std::span<const double> P, int N, double Min, double Max, std::string& text);
double PrumerY(std::span<const double> P, int N);
double RozptylY(std::span<const double> P, int N, double meanY);
double VypocetCharTesnosti(int N, std::span<const double> P1, std::span<const double> P2, double meanY, double q,
                           int mode = 0);

}  // namespace ralvex
