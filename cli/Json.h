#pragma once

// JSON forms shared by the command-line commands.

#include <nlohmann/json.hpp>
#include <string>

#include "histogram/Histogram.h"
#include "shell/Language.h"
#include "shell/Refusal.h"

namespace cli {

/// Keys keep their insertion order.
using Json = nlohmann::ordered_json;

/// {"count":N,"min":..,"max":..,"range":..,"step":..,"total":..,"p":[p1..pN]}; numbers round-trip exactly.
Json histogramJson(const Histogram& h);

/// {"error":{"message":N,"text":"..."}}; N is 0 for a text without number.
Json errorJson(int message, const std::string& text);

/// Prints `j` and a line break on standard output.
void printJson(const Json& j);

/// Prints errorJson(message, text) and returns the refusal exit status 1.
int refuse(int message, const std::string& text);
/// The same for `refusal`: its message number and its whole text in `language`.
int refuse(const Refusal& refusal, Language language);

}  // namespace cli
