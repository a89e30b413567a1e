#pragma once

#include <cmath>
#include <string>
#include <vector>

// A binomial bell about 2 on steps of 1/64, one value per CR LF line: the mean is exactly 2, where the
// Snedecor estimate divides by zero.
inline std::string bellAboutTwo() {
  std::string values;
  double c = 1;
  std::vector<double> weight(41);
  for (int j = 20; j <= 40; ++j) {
    weight[static_cast<size_t>(j)] = weight[static_cast<size_t>(40 - j)] = c;
    c = c * (40 - j) / (j + 1);
  }
  for (int j = 0; j <= 40; ++j)
    for (long k = 0; k < std::lround(300 * weight[static_cast<size_t>(j)]); ++k)
      values += std::to_string(2 + (j - 20) / 64.0) + "\r\n";
  return values;
}
