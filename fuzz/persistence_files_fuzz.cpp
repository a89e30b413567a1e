// libFuzzer target: the project and results file readers on arbitrary bytes; what they accept is
// written again and must read back to the same content. The same bytes also drive damage to the
// histogram records of a valid results file: the reader must accept exactly the files whose
// records are all sound or untouched empty slots.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "persistence/RockTypes.h"

namespace {

// A results file whose every stored record is sound, and one empty layer slot.
ResultsFileData validResults() {
  ProjectState p;
  auto hist = [](double lower, double upper, std::initializer_list<std::int64_t> f) {
    std::int64_t total = 0;
    for (auto v : f) total += v;
    const std::vector<std::int64_t> fs(f);
    return FromFrequencies(lower, upper, static_cast<int>(fs.size()), fs, static_cast<double>(total));
  };
  for (int r = 0; r < 3; ++r) {
    p.layers[r].name = "L" + std::to_string(r) + ".dis";
    p.layers[r].thickness = "1.5";
    p.layers[r].histogram = hist(10.0 * r, 10.0 * r + 5, {1, 2, 4, 2, 1});
  }
  p.nextLayerRow = 4;
  for (HistogramSlot* s : {&p.width, &p.k, &p.kn, &p.q, &p.rmr, &p.gamma, &p.sigmaR}) {
    s->name = "x.dis";
    s->histogram = hist(1, 2, {3, 1});
  }
  p.reducedStrength = p.boltLength = p.boltLoad = p.bearingCapacity = p.reliabilityFunction =
      hist(-1, 3, {1, 1, 2});
  return resultsFileFromState(p, RmrTables{}, {true, true, true, true, true}, hist(0, 1, {1}), "1.5.6.5",
                              "/r/A.Vys");
}

// Descriptors in record order, then the bins.
double& field(Histogram& h, unsigned i) {
  return i < kRecordDescriptors ? recordDescriptor(h, static_cast<int>(i))
                                : h.p[(i - kRecordDescriptors) % kMaxBins];
}

// Mutation records of 11 bytes: slot, field (6 descriptors, then bins), kind, 8 value bytes.
void damageDescriptors(const std::uint8_t* data, std::size_t size) {
  static const ResultsFileData base = validResults();
  ResultsFileData d = base;
  constexpr int kSlots = ProjectState::kLayers + kResHistogramCount;
  auto slot = [&](unsigned s) -> Histogram& {
    s %= kSlots;
    return s < ProjectState::kLayers ? d.layers[s] : d.histograms[s - ProjectState::kLayers];
  };
  const double inf = std::numeric_limits<double>::infinity();
  const double special[] = {
      0,  -0.0,  1,      2.5,    255,          256, 257,  300,
      -5, 1e300, -1e300, 1e-300, std::nan(""), inf, -inf, std::numeric_limits<double>::denorm_min()};
  for (std::size_t at = 0; at + 11 <= size; at += 11) {
    Histogram& h = slot(data[at]);
    const unsigned f = data[at + 1];  // even: a descriptor; odd: one of the first 128 bins
    double& x = field(h, f % 2 == 0 ? (f / 2) % kRecordDescriptors : kRecordDescriptors + f / 2);
    double v;
    std::memcpy(&v, data + at + 3, sizeof v);
    switch (data[at + 2] % 4) {
      case 0:
        x = v;
        break;  // any bit pattern
      case 1:
        x = special[data[at + 3] % std::size(special)];
        break;  // a value that matters
      case 2:
        x = x * (1 + std::ldexp(static_cast<double>(static_cast<std::int8_t>(data[at + 3])), -40));
        break;
      default:
        x = x + static_cast<std::int8_t>(data[at + 3]);
        break;  // a neighbour, a count one off
    }
  }
  bool sound = true;
  for (int s = 0; s < kSlots; ++s) {
    const Histogram& h = slot(static_cast<unsigned>(s));
    if (!isEmptyRecord(h) && checkHistogramRecord(h)) sound = false;
  }
  Refusal error;
  const auto back = parseResultsFile(formatResultsFile(d), error);
  if (back.has_value() != sound) std::abort();
  if (!back && error.text(Language::English).find("is out of range") == std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Refusal error;
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
  damageDescriptors(data, size);
  return 0;
}
