#include "persistence/Extended80.h"

#include <cmath>
#include <limits>

std::array<std::uint8_t, 10> encodeExtended(double x) {
  std::uint64_t mant = 0;
  std::uint16_t se = std::signbit(x) ? 0x8000 : 0;
  if (std::isnan(x)) {
    se |= 0x7FFF;
    mant = 0xC000000000000000ULL;
  } else if (std::isinf(x)) {
    se |= 0x7FFF;
    mant = 0x8000000000000000ULL;
  } else if (x != 0) {
    int e = 0;
    const double f = std::frexp(std::fabs(x), &e);         // f in [0.5, 1), subnormals normalised too
    mant = static_cast<std::uint64_t>(std::ldexp(f, 64));  // exact: f has at most 53 bits
    se |= static_cast<std::uint16_t>(e - 1 + 16383);
  }
  std::array<std::uint8_t, 10> b{};
  for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(mant >> (8 * i));
  b[8] = static_cast<std::uint8_t>(se & 0xFF);
  b[9] = static_cast<std::uint8_t>(se >> 8);
  return b;
}

double decodeExtended(const std::uint8_t* b) {
  std::uint64_t mant = 0;
  for (int i = 0; i < 8; ++i) mant |= static_cast<std::uint64_t>(b[i]) << (8 * i);
  const unsigned se = b[8] | (static_cast<unsigned>(b[9]) << 8);
  const bool negative = (se & 0x8000) != 0;
  const int biased = static_cast<int>(se & 0x7FFF);
  double v;
  if (biased == 0x7FFF) {
    v = (mant << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  } else if (mant == 0) {
    v = 0;
  } else {
    // value = mant * 2^(exp - 63); denormals (biased 0) use the exponent of biased 1.
    int exp2 = (biased == 0 ? 1 : biased) - 16383 - 63;
    // Normalise so the top bit is set, then keep as many bits as the double can hold at this
    // magnitude, rounding once, to the nearest with ties to even.
    while ((mant & 0x8000000000000000ULL) == 0) {
      mant <<= 1;
      --exp2;
    }
    const int top = exp2 + 63;  // exponent of the leading bit
    int keep = 53;
    if (top < -1022) keep = 53 - (-1022 - top);  // subnormal range of double
    if (keep <= 0) {
      // Below half the smallest subnormal, or exactly half of it: ties go to even (zero).
      const bool aboveHalf = keep == 0 && (mant << 1) != 0;
      v = aboveHalf ? std::ldexp(1.0, -1074) : 0.0;
    } else {
      const int drop = 64 - keep;
      std::uint64_t kept = mant >> drop;
      const std::uint64_t rest = mant & ((std::uint64_t{1} << drop) - 1);
      const std::uint64_t half = std::uint64_t{1} << (drop - 1);
      if (rest > half || (rest == half && (kept & 1))) ++kept;  // may carry to 2^keep: still exact
      v = std::ldexp(static_cast<double>(kept), exp2 + drop);   // kept fits 54 bits: exact
    }
  }
  return negative ? -v : v;
}
