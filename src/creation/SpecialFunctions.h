#pragma once

// Double-precision special functions with explicit domain handling: outside a function's domain,
// or on overflow and underflow, a fixed substitute value is returned and no fault is raised.

#include <cstdint>

/// Substitute for poles and overflow, a few units below the largest finite double.
inline constexpr double LargestReal = 1.797693134862315e308;
inline constexpr double ExpLowerLimit = -708.3964185322641;
inline constexpr double ExpUpperLimit = 709.782712893384;
inline constexpr double GammaUpperLimit = 171.624376956302;
/// 2^-1024: IntegerPower does not invert a smaller magnitude.
inline constexpr double SmallestInvertible = 5.562684646268003e-309;

/// Gamma(x); 0 and negative integers give GammaSignOf(x) * LargestReal, x > GammaUpperLimit LargestReal.
double GammaFunction(double x);
/// e^x; 0 below ExpLowerLimit, LargestReal above ExpUpperLimit.
double ExpBounded(double x);
/// ln x; -LargestReal for x <= 0.
double LnBounded(double x);
/// log10 x as ln x * (1 / ln 10); -LargestReal for x <= 0.
double Log10Bounded(double x);
/// x^n by repeated squaring of a base of magnitude at most 1.
double IntegerPower(double x, std::int32_t n);
/// x^y; integral exponents go to IntegerPower, a non-positive base otherwise gives 0.
double RealPower(double x, double y);
