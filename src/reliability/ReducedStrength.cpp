#include "reliability/ReducedStrength.h"

#include <array>
#include <cmath>

#include "creation/SpecialFunctions.h"
#include "histogram/HistogramArithmetic.h"
#include "reliability/ChainCommon.h"
#include "reliability/InputChecks.h"
#include "reliability/InputReading.h"
#include "shell/Dialogs.h"
#include "shell/NumberText.h"

double layerCoefficient(int layers) {
  static constexpr std::array<double, 10> kBeta{1.0, 0.95, 0.9, 0.86, 0.82, 0.79, 0.76, 0.73, 0.71, 0.7};
  return layers >= 1 && layers <= 10 ? kBeta[layers - 1] : 0.0;
}

HistogramOpResult reducedStrengthHistogram(std::span<const LayerInput> layers, double beta, double bStar) {
  const double f = beta / (2 * bStar);
  HistogramOpResult r;
  r.ok = true;
  for (size_t i = 0; i < layers.size(); ++i) {
    Histogram layer = *layers[i].strength;
    ScaleHistogram(layer, layers[i].thickness * f);
    if (i == 0) {
      r.h = layer;
    } else {
      r = AddHistograms(r.h, layer);
      if (!r) return r;
    }
  }
  NormaliseHistogram(binCount(r.h), r.h);
  TrimHistogram(r.h);
  return r;
}

namespace {

bool tableEmpty(const ProjectState& p) { return p.nextLayerRow == 1 && p.layers[0].rockType.empty(); }

// Message 149 for the thickness of layer `row` when it is no thickness, with the focus on the layer
// table; false when it is one.
bool refusedThickness(ChainReport& report, int row, const std::string& text) {
  auto m = fieldRefusal(InputField::Thickness, text, row);
  if (!m) return false;
  report.ok = false;
  report.messages.push_back(std::move(*m));
  return true;
}

}  // namespace

ChainReport runLayerCoefficient(ProjectState& p) {
  ChainReport report;
  if (tableEmpty(p)) return refuse(report, 133, DlgKind::Warning);
  // A thickness the table check refuses is not summed into m1 either: same message, nothing changed.
  for (int row = 2; row <= ProjectState::kLayers; ++row) {
    const LayerSlot& layer = p.layers[row - 1];
    if (layer.name.empty() || layer.thickness.empty()) continue;
    if (refusedThickness(report, row, layer.thickness)) return report;
  }

  int layers = 0;
  double others = 0;
  for (int row = 1; row <= ProjectState::kLayers; ++row) {
    const LayerSlot& layer = p.layers[row - 1];
    if (layer.name.empty()) continue;
    ++layers;
    if (row > 1) others += fieldValue(InputField::Thickness, layer.thickness).value_or(0);
  }
  if (layers > 0) p.betaValue = layerCoefficient(layers);
  p.beta = formatNumber(p.betaValue);
  p.layers[0].thickness.clear();

  if (p.twoBStarText.empty()) {
    p.beta.clear();
    return refuse(report, 134);
  }
  const double m1 = 2 * p.bStar - others;
  if (m1 <= 0) {
    p.beta.clear();
    Refusal m;
    m.message = 135;
    m.extra = formatNumber(m1) + " ) !";
    report.messages.push_back(std::move(m));
    return report;
  }
  std::string text = formatNumber(m1);
  for (char& c : text)
    if (c == ',') c = '.';
  p.layers[0].thickness = text;
  report.ok = true;
  return report;
}

ChainReport runReducedStrength(ProjectState& p, InputReading reading) {
  ChainReport report;
  if (missingInput(p.width)) return refuseMissing(report, p.width, 36);
  if (tableEmpty(p)) return refuse(report, 133);
  if (p.layers[0].thickness.empty()) return refuse(report, 38);

  int n = 0;  // the last row holding anything
  for (int row = 1; row <= ProjectState::kLayers; ++row) {
    const LayerSlot& layer = p.layers[row - 1];
    if (!layer.rockType.empty() || !layer.name.empty() || !layer.thickness.empty()) n = row;
  }
  for (int row = 1; row <= n; ++row)
    if (missingInput(p.layers[row - 1]))
      return refuseMissing(report, p.layers[row - 1], 39, {std::to_string(row)});
  for (int row = 2; row <= n; ++row)
    if (p.layers[row - 1].thickness.empty()) return refuse(report, 41, {std::to_string(row)});
  if (p.beta.empty()) return refuse(report, 42);
  if (p.bStarText.empty()) return refuse(report, 43);

  // A zero or negative thickness would collapse the layer to a point (or mirror it); the table check
  // refuses the same texts when the table is left.
  std::array<Histogram, ProjectState::kLayers> strengths;
  std::array<LayerInput, ProjectState::kLayers> layers;
  for (int row = 1; row <= n; ++row) {
    const LayerSlot& layer = p.layers[row - 1];
    if (refusedThickness(report, row, layer.thickness)) return report;
    if (!usableHistogram(layer.histogram)) return refuse(report, 35);
    strengths[row - 1] = readInput(layer.histogram, reading);
    layers[row - 1] = {&strengths[row - 1], *fieldValue(InputField::Thickness, layer.thickness)};
  }
  // Beta as computed; a state restored from a file may hold only its text, which reads back the same.
  const double beta = p.betaValue > 0 ? p.betaValue : parseInputNumber(p.beta).value_or(0);
  if (!(beta > 0)) return refuse(report, 42);
  if (!(p.bStar > 0)) return refuse(report, 43);

  const HistogramOpResult r = reducedStrengthHistogram(std::span(layers.data(), n), beta, p.bStar);
  if (!r) return refuseArithmetic(report, r);
  p.reducedStrength = r.h;
  p.reducedStrengthDone = true;
  p.reducedStrengthReading = reading;
  report.ok = true;
  return report;
}
