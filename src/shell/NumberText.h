#pragma once

#include <string>
#include <string_view>

// Number texts use a decimal point, no thousands separator and "E" for the exponent; every finite
// value gives a text that parseDouble reads back. Non-finite values give " undefined".

/// Up to 10 significant digits ("0.1234567891", "1.5E-07", "250").
std::string formatNumber(double x);
/// Up to 6 significant digits.
std::string formatNumberShort(double x);
/// Up to 15 significant digits (what a spreadsheet cell holds).
std::string formatNumberCell(long double x);
/// x right-aligned in `width` characters (longer only if it cannot fit): below width 8 the nearest
/// integer (ties to even), else width - 6 significant digits (6 for width 12).
std::string formatNumberAligned(int width, double x);
/// Axis label of a bar: its centre x with up to 5 significant digits; p is not shown.
std::string formatBarLabel(double p, double x);

/// The one reader of every typed or stored real. Blanks around the number are allowed; otherwise the whole
/// text must be the number:
/// [+-]digits[.digits][E[+-]digits], where a decimal comma may stand for the point ("1,5" is 1.5; no
/// thousands separator, inf, nan or hex). A value beyond the range of double fails; one below the
/// smallest double reads as 0. On failure x is unchanged.
bool parseDouble(std::string_view text, double& x);
/// [+-]digits within the range of long.
bool parseLong(std::string_view text, long& n);
