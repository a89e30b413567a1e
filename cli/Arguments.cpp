#include "Arguments.h"

#include <iostream>
#include <string>
#include <vector>

namespace cli {

std::optional<ParsedOptions> readArguments(int argc, char* argv[], int first, std::string_view command,
                                           std::string_view usage) {
  const std::vector<std::string> args(argv + first, argv + argc);
  ParsedOptions parsed = parseCommandOptions(args, *commandSyntax(command));
  if (parsed.ok()) return parsed;
  std::cerr << "veltra-cli " << command << ": " << parsed.error << '\n' << usage;
  return std::nullopt;
}

Language languageOf(const ParsedOptions& options) {
  return options.text("--lang") == "en" ? Language::English : Language::Czech;
}

}  // namespace cli
