#pragma once

// A table of Czech / English texts indexed by an enum whose values run 0, 1, ... Count - 1, listed
// in that order:
//
//   constexpr TextPair<ExportText> kTexts[] = {{ExportText::SheetHeaderX, "     x", "     x"}, ...};
//   static_assert(textTableComplete(kTexts, ExportText::Count));
//   std::string exportText(ExportText id, Language l) { return textOf(kTexts, id, l); }

#include <cstddef>
#include <string>
#include <string_view>

#include "shell/Language.h"

template <typename Id>
struct TextPair {
  Id id;
  std::string_view cs, en;
};

/// True when the table holds one text per id, in the order of the ids.
template <typename Id, std::size_t N>
constexpr bool textTableComplete(const TextPair<Id> (&table)[N], Id count) {
  if (N != static_cast<std::size_t>(count)) return false;
  for (std::size_t i = 0; i < N; ++i)
    if (static_cast<std::size_t>(table[i].id) != i) return false;
  return true;
}

/// The text `id` in `language`; empty for an id beyond the table.
template <typename Id, std::size_t N>
std::string textOf(const TextPair<Id> (&table)[N], Id id, Language language) {
  const auto k = static_cast<std::size_t>(id);
  if (k >= N) return {};
  return std::string(language == Language::English ? table[k].en : table[k].cs);
}
