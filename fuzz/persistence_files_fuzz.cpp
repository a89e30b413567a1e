// libFuzzer target: the project and results file readers on arbitrary bytes; what they accept is
// written again and must read back to the same content.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "persistence/RockTypes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FileError error;
  if (const auto r = parseResultsFile(bytes, error)) {
    ResultsFileData current = *r;
    current.formatLevel = kCurrentFormatLevel;
    if (current.version.empty()) current.version = "1.5.6.5";
    // Compared as bytes: NaN reals never compare equal.
    const std::string written = formatResultsFile(current);
    const auto back = parseResultsFile(written, error);
    if (!back || formatResultsFile(*back) != written) std::abort();
  } else if (error.text(Language::English).empty()) {
    std::abort();  // a refusal always has words
  }
  if (const auto p = parseProjectFile(bytes, error)) {
    if (p->layers.size() > static_cast<size_t>(ProjectState::kLayers + 1)) std::abort();
  } else if (error.text(Language::Czech).empty()) {
    std::abort();
  }
  parseRockTypeFile(bytes);
  return 0;
}
