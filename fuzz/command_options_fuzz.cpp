// libFuzzer target: the argument parsing of every veltra-cli command. The input is the argument list,
// NUL-separated; its first byte chooses the command.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commandline/CommandOptions.h"

namespace {

[[noreturn]] void fail(const CommandSyntax& s, const std::vector<std::string>& args, const char* what) {
  std::fprintf(stderr, "%s: command %.*s, %zu arguments:", what, static_cast<int>(s.command.size()),
               s.command.data(), args.size());
  for (const auto& a : args) std::fprintf(stderr, " [%s]", a.c_str());
  std::fprintf(stderr, "\n");
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto syntaxes = commandSyntaxes();
  const CommandSyntax& syntax = syntaxes[data[0] % syntaxes.size()];
  std::vector<std::string> args;
  std::string current;
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  if (size > 1) args.push_back(current);

  const ParsedOptions p = parseCommandOptions(args, syntax);
  if (!p.ok()) {
    if (!p.positional.empty() || !p.values.empty()) fail(syntax, args, "a refusal keeps values");
    return 0;
  }
  if (p.positional.size() < syntax.minPositional || p.positional.size() > syntax.maxPositional)
    fail(syntax, args, "positional count");
  for (const auto& [name, value] : p.values) {
    const OptionRule* rule = nullptr;
    for (const OptionRule& o : syntax.options)
      if (o.name == name) rule = &o;
    if (!rule) fail(syntax, args, "an option outside the syntax");
    if (rule->kind == OptionKind::Real) {
      const double v = p.real(name, std::nan(""));
      const bool inside = (rule->lowestExcluded ? v > rule->lowest : v >= rule->lowest) &&
                          (rule->highestExcluded ? v < rule->highest : v <= rule->highest);
      if (!std::isfinite(v) || !inside) fail(syntax, args, "a real outside its range");
    }
    if (rule->kind == OptionKind::Whole) {
      const auto v = parseWholeNumber(value);
      if (!v || static_cast<double>(*v) < rule->lowest)
        fail(syntax, args, "a whole number outside its range");
    }
  }
  // The same arguments read again give the same result.
  const ParsedOptions again = parseCommandOptions(args, syntax);
  if (again.positional != p.positional || again.values != p.values) fail(syntax, args, "not repeatable");
  return 0;
}
