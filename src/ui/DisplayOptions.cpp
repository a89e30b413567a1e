#include "ui/DisplayOptions.h"

std::string shortDateFormat(char dateSeparator) {
  const std::string s(1, dateSeparator);
  return "d" + s + "m" + s + "yyyy";
}

std::string shortTimeFormat(char timeSeparator) {
  const std::string s(1, timeSeparator);
  return "hh" + s + "mm" + s + "ss";
}

std::string formatShortDate(int day, int month, int year, char dateSeparator) {
  const std::string s(1, dateSeparator);
  return std::to_string(day) + s + std::to_string(month) + s + std::to_string(year);
}

std::string formatShortTime(int hour, int minute, int second, char timeSeparator) {
  const auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  const std::string s(1, timeSeparator);
  return two(hour) + s + two(minute) + s + two(second);
}
