#include "shell/DisplayOptions.h"

std::string shortDateFormat(char dateSeparator) {
  const std::string s(1, dateSeparator);
  return "d" + s + "m" + s + "yyyy";
}

std::string shortTimeFormat(char timeSeparator) {
  const std::string s(1, timeSeparator);
  return "hh" + s + "mm" + s + "ss";
}
