#include "commandline/CommandOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "commandline/ChainOptions.h"
#include "shell/NumberText.h"

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr double kLargestWhole = 18446744073709551615.0;

OptionRule lang() { return {"--lang", OptionKind::Choice, 0, 0, false, false, {"cs", "en"}}; }
OptionRule text(std::string_view name) { return {name, OptionKind::Text, 0, 0, false, false, {}}; }

// The chain options a command takes, then its own.
std::vector<OptionRule> withChainOptions(unsigned taken, std::vector<OptionRule> own) {
  std::vector<OptionRule> all = chainOptionRules(taken);
  all.insert(all.end(), own.begin(), own.end());
  return all;
}

const std::vector<CommandSyntax>& syntaxes() {
  static const std::vector<CommandSyntax> all = {
      {"assess",
       withChainOptions(kAllChainOptions,
                        {{"--verify", OptionKind::Flag, 0, 0, false, false, {}},
                         {"--samples", OptionKind::Whole, 1, 1e15, false, false, {}},
                         {"--cov", OptionKind::Real, 0, 1, true, true, {}},
                         {"--seed", OptionKind::Whole, 0, kLargestWhole, false, false, {}}}),
       1, 1},
      {"design",
       withChainOptions(kAllChainOptions,
                        {{"--target", OptionKind::Choice, 0, 0, false, false, {"1", "2", "3"}},
                         text("--n"),
                         text("--d1"),
                         text("--ds-range"),
                         text("--csv")}),
       1, 1},
      {"results-dump", {lang()}, 1, 1},
      {"generate", {text("--eps"), text("--intervals"), lang()}, 2, 5},
      {"rawdata", {text("--intervals"), text("--min"), text("--max"), lang()}, 1, 1},
      {"fit", {text("--intervals"), text("--eps"), lang()}, 1, 1},
      {"rmr", chainOptionRules(kHistogramsOption | kLangOption | kInputReadingOption), 1, 1},
      {"histogram", {text("-o"), lang()}, 2, 3},
      {"message", {lang()}, 1, 1},
      // veltra --report FILE -o PDF: the report of the desktop program, read from its arguments after
      // the program's name.
      {"--report",
       withChainOptions(kHistogramsOption | kLangOption | kPairValuesOption | kInputReadingOption,
                        {text("--report"), text("-o"), text("--output"), text("--author")}),
       0, 0},
  };
  return all;
}

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

// A bound as the number texts write it ("1E+15"); the largest seed in full.
std::string boundText(double x) {
  if (x == kLargestWhole) return "18446744073709551615";
  return formatNumber(x);
}

std::string expected(const OptionRule& o) {
  switch (o.kind) {
    case OptionKind::Real:
      return std::string("a number ") + (o.lowestExcluded ? "above " : "from ") + boundText(o.lowest) +
             (o.highestExcluded ? " and below " : " to ") + boundText(o.highest);
    case OptionKind::Whole:
      return "a whole number from " + boundText(o.lowest) + " to " + boundText(o.highest);
    case OptionKind::Choice: {
      std::string s = "one of ";
      for (size_t i = 0; i < o.choices.size(); ++i) s += (i ? ", " : "") + std::string(o.choices[i]);
      return s;
    }
    case OptionKind::Flag:
    case OptionKind::Text:
      break;
  }
  return "a value";
}

bool inRange(const OptionRule& o, double v) {
  const bool above = o.lowestExcluded ? v > o.lowest : v >= o.lowest;
  const bool below = o.highestExcluded ? v < o.highest : v <= o.highest;
  return above && below;
}

bool accepted(const OptionRule& o, std::string_view value) {
  switch (o.kind) {
    case OptionKind::Flag:
    case OptionKind::Text:
      return true;
    case OptionKind::Real: {
      double v = 0;
      return parseDouble(value, v) && std::isfinite(v) && inRange(o, v);
    }
    case OptionKind::Whole: {
      const auto v = parseWholeNumber(value);
      // Bounds below 2^53 compare exactly as doubles; the largest bound takes every value.
      return v && static_cast<double>(*v) >= o.lowest &&
             (o.highest >= kLargestWhole || static_cast<double>(*v) <= o.highest);
    }
    case OptionKind::Choice:
      return std::find(o.choices.begin(), o.choices.end(), value) != o.choices.end();
  }
  return false;
}

}  // namespace

const CommandSyntax* commandSyntax(std::string_view command) {
  for (const CommandSyntax& s : syntaxes())
    if (s.command == command) return &s;
  return nullptr;
}

std::span<const CommandSyntax> commandSyntaxes() { return syntaxes(); }

std::optional<std::uint64_t> parseWholeNumber(std::string_view text) {
  std::string_view t = text;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (!t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    std::uint64_t v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return v;
  }
  double x = 0;
  if (!parseDouble(text, x) || !(x >= 0) || !(x < kTwoTo63) || x != std::floor(x)) return std::nullopt;
  return static_cast<std::uint64_t>(x);
}

std::optional<std::string> ParsedOptions::text(std::string_view name) const {
  const auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

double ParsedOptions::real(std::string_view name, double fallback) const {
  const auto it = values.find(name);
  double v = fallback;
  if (it != values.end() && !parseDouble(it->second, v)) v = fallback;
  return v;
}

std::uint64_t ParsedOptions::whole(std::string_view name, std::uint64_t fallback) const {
  const auto it = values.find(name);
  if (it == values.end()) return fallback;
  return parseWholeNumber(it->second).value_or(fallback);
}

ParsedOptions parseCommandOptions(std::span<const std::string> args, const CommandSyntax& syntax) {
  ParsedOptions out;
  auto fail = [&out](std::string why) {
    out.error = std::move(why);
    out.positional.clear();
    out.values.clear();
    return out;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto rule = std::find_if(syntax.options.begin(), syntax.options.end(),
                                   [&](const OptionRule& o) { return o.name == a; });
    if (rule == syntax.options.end()) {
      if (a.starts_with("--")) return fail("unknown option " + quoted(a));
      out.positional.push_back(a);
      continue;
    }
    if (out.has(a)) return fail(a + " is given twice");
    if (rule->kind == OptionKind::Flag) {
      out.values.emplace(a, std::string());
      continue;
    }
    if (i + 1 >= args.size())
      return fail(a + " needs a value" +
                  (rule->kind == OptionKind::Text ? std::string() : ": " + expected(*rule)));
    const std::string& value = args[++i];
    if (!accepted(*rule, value)) return fail(a + " " + quoted(value) + ": " + expected(*rule) + " expected");
    out.values.emplace(a, value);
  }
  const size_t n = out.positional.size();
  if (n < syntax.minPositional || n > syntax.maxPositional) {
    const std::string count =
        syntax.minPositional == syntax.maxPositional
            ? std::to_string(syntax.minPositional)
            : std::to_string(syntax.minPositional) + " to " + std::to_string(syntax.maxPositional);
    return fail((n < syntax.minPositional ? "too few arguments" : "too many arguments") + std::string(": ") +
                count + " expected besides the options, " + std::to_string(n) + " given");
  }
  return out;
}
