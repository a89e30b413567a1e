#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "shell/Language.h"

/// Text of numbered message `number` in `language` (UTF-8, line breaks as CR LF); for a number without
/// an entry "TextCis[<number>] neexistuje !" (Czech) or "TextCis[<number>] no exist !" (English).
/// Messages 1 to 4 are the dialog titles (confirmation, information, error, warning).
std::string MessageText(int number, Language language);

/// True when `number` has an entry in the table.
bool MessageExists(int number);

/// MessageText with "%s" placeholders filled in order; surplus placeholders stay as they are.
std::string MessageFormat(int number, Language language, std::initializer_list<std::string> args);

/// `text` with its "%s" placeholders filled in order by `args`; a "%s" inside an argument and surplus
/// placeholders stay as they are.
std::string FillPlaceholders(std::string_view text, std::span<const std::string> args);
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string> args);
