#pragma once
// Reads the arguments of the commands that take one file plus valued options and --lang.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/Messages.h"

/// Reads argv[2..]: one file name, each option of `valued` followed by its value, `--lang cs|en`.
/// False on an unknown or incomplete option, a second file name, an unknown language or no file.
bool readFileArguments(int argc, char* argv[],
                       const std::vector<std::pair<std::string_view, std::optional<std::string>*>>& valued,
                       std::string& file, Language& language);
