#include "MessageCommand.h"

#include <climits>
#include <cstring>
#include <iostream>

#include "ralvex/Ralvex.h"
#include "shell/Messages.h"

// veltra-cli message N [--lang cs|en]: prints the text of message N as stored (UTF-8, CR LF kept).
int runMessageCommand(int argc, char* argv[]) {
  const char* usage = "usage: veltra-cli message N [--lang cs|en]\n";
  if (argc < 3) {
    std::cerr << usage;
    return 2;
  }
  long number = 0;
  if (!ralvex::parseLong(argv[2], number) || number < INT_MIN || number > INT_MAX) {
    std::cerr << "message number expected, got \"" << argv[2] << "\"\n" << usage;
    return 2;
  }
  Language language = Language::Czech;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
      const std::string lang = argv[++i];
      if (lang == "cs") {
        language = Language::Czech;
      } else if (lang == "en") {
        language = Language::English;
      } else {
        std::cerr << "unknown language \"" << lang << "\" (cs or en)\n";
        return 2;
      }
    } else {
      std::cerr << usage;
      return 2;
    }
  }
  std::cout << MessageText(static_cast<int>(number), language) << '\n';
  return 0;
}
