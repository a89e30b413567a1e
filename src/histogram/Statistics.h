#pragma once

#include <span>
#include <string>

// Statistics of a histogram passed as its bin probabilities P (only the first N used) with Min and
// Max, the centres of the first and last bin. Bin i (0-based) has centre Min + i * (Max - Min) / (N - 1) and
// weight P[i]; the weights are divided by their sum, so an unnormalised histogram gives the same values. A
// histogram without mass gives NaN (shown as " undefined").

/// Mean.
double binMean(std::span<const double> P, int N, double Min, double Max);
/// Dispersion = the VARIANCE about `mean` (the standard deviation is its square root).
double binVariance(std::span<const double> P, int N, double Min, double Max, double mean);
/// Mean absolute deviation about `mean`.
double binMeanDeviation(std::span<const double> P, int N, double Min, double Max, double mean);
/// 100 * sigma / |mean| in per cent (pass the standard deviation); NaN for a zero mean.
double coefficientOfVariation(double mean, double sigma);
/// Skewness m3 / m2^1.5; with total n >= 3 corrected for sample size: * sqrt(n (n - 1)) / (n - 2).
/// NaN when all mass lies in one bin.
double binSkewness(std::span<const double> P, int N, double Min, double Max, double mean, double total);
/// Excess kurtosis m4 / m2^2 - 3; with total n >= 4 corrected: ((n + 1) g2 + 6) (n - 1) / ((n - 2)(n - 3)).
/// NaN when all mass lies in one bin.
double binKurtosis(std::span<const double> P, int N, double Min, double Max, double mean, double total);
/// Median; interpolate: linearly within the bin where the distribution function reaches 1/2 (bin edges
/// half a step beyond the centres), else that bin's centre. `text` = formatNumber of the result.
double binMedian(bool interpolate, std::span<const double> P, double Min, double Max, int N,
                 std::string& text);
/// Centre of the first bin with the largest probability; `text` = formatNumber of it.
double binMode(std::span<const double> P, int N, double Min, double Max, std::string& text);
/// Mean of the N probabilities themselves.
double probabilityMean(std::span<const double> P, int N);
/// Their dispersion: the variance (sum of (P[i] - meanY)^2) / N.
double probabilityVariance(std::span<const double> P, int N, double meanY);
/// Goodness of fit of P1 to the reference P2: the coefficient of determination
/// 1 - sum (P1 - P2)^2 / sum (P2 - meanY)^2, clipped to [0, 1]; 1 is a perfect fit.
/// meanY = probabilityMean(P2); q (the square of probabilityVariance(P2)) only marks a flat reference: q <= 0
/// gives 0.
double goodnessOfFit(int N, std::span<const double> P1, std::span<const double> P2, double meanY, double q,
                     int mode = 0);
