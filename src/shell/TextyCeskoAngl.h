#pragma once

#include <string>

#include "shell/Language.h"

/// Text of numbered message `number` in `language` (UTF-8); an out-of-range text for unknown numbers.
/// Messages 1 to 4 are the dialog titles (confirmation, information, error, warning).
std::string MessageText(int number, Language language);

/// MessageText with "%s" placeholders filled in order.
std::string MessageFormat(int number, Language language, std::initializer_list<std::string> args);
