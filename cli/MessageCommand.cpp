#include "MessageCommand.h"

#include <climits>
#include <iostream>
#include <string>

#include "Arguments.h"
#include "Json.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

// veltra-cli message N [--lang cs|en]: prints the text of message N as stored (UTF-8, CR LF kept).
int runMessageCommand(int argc, char* argv[]) {
  const char* usage = "usage: veltra-cli message N [--lang cs|en]\n";
  const auto a = cli::readArguments(argc, argv, 2, "message", usage);
  if (!a) return 2;
  const std::string& text = a->positional[0];
  long number = 0;
  if (!parseLong(text, number) || number < INT_MIN || number > INT_MAX) {
    std::cerr << "veltra-cli message: message number expected, got \"" << text << "\"\n" << usage;
    return 2;
  }
  const Language language = cli::languageOf(*a);
  if (!MessageExists(static_cast<int>(number)))
    return cli::refuse(0, (language == Language::Czech ? "Zpráva číslo " + text + " neexistuje !"
                                                       : "There is no message number " + text + " !"));
  std::cout << MessageText(static_cast<int>(number), language) << '\n';
  return 0;
}
