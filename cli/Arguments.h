#pragma once
// Reads a command's arguments against its syntax (commandline/CommandOptions.h).

#include <optional>
#include <string_view>

#include "commandline/CommandOptions.h"
#include "shell/Language.h"

namespace cli {

/// The arguments argv[first..] of `command`; on a refused argument prints "veltra-cli <command>: <what>"
/// and `usage` to standard error and gives nullopt (the caller exits with 2).
std::optional<ParsedOptions> readArguments(int argc, char* argv[], int first, std::string_view command,
                                           std::string_view usage);

/// The language of --lang (Czech without it).
Language languageOf(const ParsedOptions& options);

}  // namespace cli
