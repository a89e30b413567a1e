#include "shell/TextyCeskoAngl.h"

// Placeholder until the message table lands.
std::string MessageText(int number, Language) { return "message " + std::to_string(number); }

std::string MessageFormat(int number, Language language, std::initializer_list<std::string> args) {
  std::string f = MessageText(number, language), out;
  auto it = args.begin();
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] == '%' && i + 1 < f.size() && f[i + 1] == 's' && it != args.end()) {
      out += *it++;
      ++i;
    } else {
      out += f[i];
    }
  }
  return out;
}
