#pragma once

// The x87 80-bit extended real, little-endian: 64-bit significand with its explicit leading bit,
// then the sign and the 15-bit exponent (bias 16383). Converted arithmetically, independent of the
// layout of long double.

#include <array>
#include <cstdint>

/// The 10 bytes of `x`; exact for every double (NaN becomes the quiet NaN, keeping its sign).
std::array<std::uint8_t, 10> encodeExtended(double x);

/// The double nearest to the extended real in `bytes` (ties to even); values beyond the range of
/// double become infinities, values below it zero or subnormals.
double decodeExtended(const std::uint8_t* bytes);
