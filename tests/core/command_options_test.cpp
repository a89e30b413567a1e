// The arguments of the command-line commands: numbers read as typed numbers are, and every refusal
// names the argument and what was expected.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commandline/CommandOptions.h"

namespace {

ParsedOptions parse(const char* command, const std::vector<std::string>& args) {
  const CommandSyntax* s = commandSyntax(command);
  EXPECT_NE(s, nullptr) << command;
  return parseCommandOptions(args, *s);
}

TEST(CommandOptions, RefusalsNameTheArgumentAndWhatWasExpected) {
  struct Case {
    const char* command;
    std::vector<std::string> args;
    std::string error;  // empty: accepted
  };
  const Case cases[] = {
      {"assess", {"p.hor", "--samples", "abc"}, "--samples \"abc\": a whole number from 1 to 1E+15 expected"},
      {"assess", {"p.hor", "--samples", "0"}, "--samples \"0\": a whole number"},
      {"assess", {"p.hor", "--samples", "1,5"}, "--samples \"1,5\": a whole number"},
      {"assess", {"p.hor", "--samples", "2e8"}, ""},
      {"assess", {"p.hor", "--cov", "1"}, "--cov \"1\": a number above 0 and below 1 expected"},
      {"assess", {"p.hor", "--cov", "nan"}, "--cov \"nan\""},
      {"assess", {"p.hor", "--cov", "0,05"}, ""},
      {"assess", {"p.hor", "--seed", "-1"}, "--seed \"-1\": a whole number from 0 to 18446744073709551615"},
      {"assess", {"p.hor", "--seed", "18446744073709551616"}, "--seed \"18446744073709551616\""},
      {"assess", {"p.hor", "--seed", "18446744073709551615"}, ""},
      {"assess", {"p.hor", "--standard", "2"}, "--standard \"2\": one of 0, 1 expected"},
      {"assess",
       {"p.hor", "--pair-values", "middle"},
       "--pair-values \"middle\": one of centres, upper-edges"},
      {"assess", {"p.hor", "--lang", "de"}, "--lang \"de\": one of cs, en expected"},
      {"assess", {"p.hor", "--ds"}, "--ds needs a value"},
      {"assess", {"p.hor", "--cov"}, "--cov needs a value: a number above 0 and below 1"},
      {"assess", {"p.hor", "--ds", "1", "--ds", "2"}, "--ds is given twice"},
      {"assess", {"p.hor", "--verify", "--verify"}, "--verify is given twice"},
      {"assess", {"p.hor", "--nope"}, "unknown option \"--nope\""},
      {"assess", {}, "too few arguments: 1 expected besides the options, 0 given"},
      {"assess", {"a.hor", "b.hor"}, "too many arguments: 1 expected besides the options, 2 given"},
      {"generate", {"0", "-5", "1", "--eps", "1,5E-7"}, ""},  // a negative parameter is no option
      {"generate", {"0"}, "too few arguments: 2 to 5 expected"},
      {"histogram", {"scale", "a.dis", "-2", "-o", "b.dis"}, ""},
      {"message", {"-1"}, ""},
  };
  for (const Case& c : cases) {
    const ParsedOptions p = parse(c.command, c.args);
    if (c.error.empty()) {
      EXPECT_TRUE(p.ok()) << c.command << ": " << p.error;
    } else {
      EXPECT_NE(p.error.find(c.error), std::string::npos) << c.command << ": " << p.error;
      EXPECT_TRUE(p.positional.empty() && p.values.empty());
    }
  }
}

TEST(CommandOptions, ValuesAreReadAsTheirKind) {
  const ParsedOptions p = parse("assess", {"p.hor", "--samples", "2e8", "--cov", "0,05", "--seed", "7",
                                           "--ds", "2,5e3", "--verify", "--lang", "en"});
  ASSERT_TRUE(p.ok()) << p.error;
  EXPECT_EQ(p.positional, std::vector<std::string>{"p.hor"});
  EXPECT_EQ(p.whole("--samples", 1), 200000000u);
  EXPECT_EQ(p.real("--cov", 0), 0.05);
  EXPECT_EQ(p.whole("--seed", 1), 7u);
  EXPECT_EQ(p.text("--ds"), "2,5e3");  // the field reads it with its own message
  EXPECT_TRUE(p.has("--verify"));
  EXPECT_EQ(p.text("--lang"), "en");
  EXPECT_EQ(p.text("--histograms"), std::nullopt);
  EXPECT_EQ(p.whole("--samples-missing", 3), 3u);

  const std::pair<const char*, std::optional<std::uint64_t>> whole[] = {
      {"0", 0u},           {" +12 ", 12u},
      {"2e8", 200000000u}, {"1,5E3", 1500u},
      {"1.5", {}},         {"-1", {}},
      {"abc", {}},         {"18446744073709551615", 18446744073709551615u},
      {"1e19", {}},        {"18446744073709551616", {}}};
  for (const auto& [text, value] : whole) EXPECT_EQ(parseWholeNumber(text), value) << text;
}

}  // namespace
