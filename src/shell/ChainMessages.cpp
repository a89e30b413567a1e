#include "shell/ChainMessages.h"

#include <cctype>
#include <charconv>

#include "shell/Messages.h"

double leadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const size_t start = i;
  auto digits = [&] {
    const size_t from = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return i - from;
  };
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0;
  size_t end = i;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (digits() > 0) end = i;
  }
  // from_chars takes no "+" and wants a digit before the point: build its form of the number.
  std::string number;
  size_t from = start;
  if (text[from] == '+' || text[from] == '-') {
    if (text[from] == '-') number.push_back('-');
    ++from;
  }
  if (text[from] == '.') number.push_back('0');
  number.append(text.substr(from, end - from));
  double x = 0;
  const auto r = std::from_chars(number.data(), number.data() + number.size(), x);
  if (r.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: fall back to the sign-correct limit.
    const bool negative = number[0] == '-';
    const bool tiny =
        number.find_first_of("Ee") != std::string::npos && number[number.find_first_of("Ee") + 1] == '-';
    if (tiny) return negative ? -0.0 : 0.0;
    return negative ? -1.7976931348623157e308 : 1.7976931348623157e308;
  }
  return r.ec == std::errc() ? x : 0;
}
