#pragma once

// The options of the command-line commands: each command's table, and the one parser that reads the
// arguments against it. Numbers are read as every typed number is (a decimal comma as the point, the
// whole text); a refused argument is named with what was expected.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class OptionKind {
  Flag,    // no value
  Text,    // any value (checked later by the field it fills)
  Real,    // a number within [lowest, highest], or above lowest when lowestExcluded
  Whole,   // a whole number within [lowest, highest]
  Choice,  // one of `choices`
};

struct OptionRule {
  std::string_view name;  // "--ds", "-o"
  OptionKind kind = OptionKind::Text;
  double lowest = 0;
  double highest = 0;
  bool lowestExcluded = false;
  bool highestExcluded = false;
  std::vector<std::string_view> choices;
};

/// The arguments a command takes: its options, and how many other arguments (positional) it needs.
struct CommandSyntax {
  std::string_view command;  // "assess", "histogram", ...
  std::vector<OptionRule> options;
  std::size_t minPositional = 0;
  std::size_t maxPositional = 0;
};

/// The syntax of every command of veltra-cli; null for an unknown command.
const CommandSyntax* commandSyntax(std::string_view command);
/// Every command's syntax, for walking them all.
std::span<const CommandSyntax> commandSyntaxes();

/// The arguments read against a syntax. `error` is empty when they were accepted; otherwise it names
/// the argument and what was wrong, e.g. `--samples "abc": a whole number from 1 to ... expected`.
struct ParsedOptions {
  std::vector<std::string> positional;
  std::map<std::string, std::string, std::less<>> values;  // option name -> value as given ("" for a flag)
  std::string error;

  bool ok() const { return error.empty(); }
  bool has(std::string_view name) const { return values.find(name) != values.end(); }
  /// The value text of an option, or nullopt when it was not given.
  std::optional<std::string> text(std::string_view name) const;
  /// The number of a Real or Whole option (as accepted), or `fallback` when it was not given.
  double real(std::string_view name, double fallback) const;
  std::uint64_t whole(std::string_view name, std::uint64_t fallback) const;
};

/// Reads `args` (the arguments after the command's name) against `syntax`. An argument starting with
/// "--", or one that is an option's name, is an option; every other one is positional (so "-5" is a
/// positional number). An unknown option, an option given twice, a missing or refused value and a
/// positional count outside the syntax's bounds are errors.
ParsedOptions parseCommandOptions(std::span<const std::string> args, const CommandSyntax& syntax);

/// A whole number as the Whole options read it: digits (exactly, up to 2^64 - 1) or a number text
/// ("2e8", "1,5E3") whose value is whole and below 2^63.
std::optional<std::uint64_t> parseWholeNumber(std::string_view text);
