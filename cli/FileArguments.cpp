#include "FileArguments.h"

#include <algorithm>

bool readFileArguments(int argc, char* argv[],
                       const std::vector<std::pair<std::string_view, std::optional<std::string>*>>& valued,
                       std::string& file, Language& language) {
  for (int i = 2; i < argc; ++i) {
    const std::string_view a = argv[i];
    const bool hasValue = i + 1 < argc;
    const auto option =
        std::find_if(valued.begin(), valued.end(), [&](const auto& v) { return v.first == a; });
    if (option != valued.end() && hasValue) {
      *option->second = argv[++i];
    } else if (a == "--lang" && hasValue) {
      const std::string_view l = argv[++i];
      if (l != "cs" && l != "en") return false;
      language = l == "cs" ? Language::Czech : Language::English;
    } else if (file.empty() && !a.starts_with("--")) {
      file = a;
    } else {
      return false;
    }
  }
  return !file.empty();
}
