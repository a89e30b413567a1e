#include "verification/PointModel.h"

#include <cmath>

#include "creation/SpecialFunctions.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLoad.h"
#include "reliability/InputChecks.h"

namespace verification {

int PointModel::indexOf(InputKind kind) const {
  for (size_t i = 0; i < inputs.size(); ++i)
    if (inputs[i].kind == kind) return static_cast<int>(i);
  return -1;
}

std::optional<PointModel> pointModelFromProject(const ProjectState& p, std::string* problem) {
  auto fail = [problem](const char* why) -> std::optional<PointModel> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  PointModel m;
  m.combined = p.combinedSupport;
  m.beta = p.betaValue > 0 ? p.betaValue : parseInputNumber(p.beta).value_or(0);
  m.bStar = p.bStar;
  const auto depth = fieldValue(InputField::DepthH, p.depthH);
  m.depthH = depth.value_or(0);
  m.capacityFactor = bearingCapacityFactor(fieldNumber(InputField::BoltCount, p.boltCount).value_or(0),
                                           fieldNumber(InputField::D1, p.d1).value_or(0),
                                           fieldNumber(InputField::D2, p.d2).value_or(0),
                                           fieldNumber(InputField::RowSpacing, p.rowSpacing).value_or(0));
  if (!(m.beta > 0) || !(m.bStar > 0)) return fail("layer coefficient or B* missing");
  if (!depth) return fail("depth H missing");
  if (!(m.capacityFactor > 0) || !std::isfinite(m.capacityFactor)) return fail("bolt cross-section missing");

  auto add = [&m](InputKind kind, int layer, std::string key, const HistogramSlot& slot) {
    ModelInput in;
    in.kind = kind;
    in.layer = layer;
    in.key = std::move(key);
    in.file = slot.name;
    in.h = slot.histogram;
    m.inputs.push_back(std::move(in));
  };
  for (int row = 1; row <= ProjectState::kLayers; ++row) {
    const LayerSlot& layer = p.layers[row - 1];
    if (layer.empty()) break;
    const auto t = fieldValue(InputField::Thickness, layer.thickness);
    if (!t) return fail("layer thickness missing");
    m.thickness.push_back(*t);
    add(InputKind::Layer, row, "sigma" + std::to_string(row), layer);
  }
  if (m.thickness.empty()) return fail("no layer");
  const struct {
    InputKind kind;
    const char* key;
    const HistogramSlot& slot;
  } others[] = {{InputKind::Width, "B", p.width}, {InputKind::Kn, "Kn", p.kn},
                {InputKind::Rmr, "RMR", p.rmr},   {InputKind::Gamma, "gamma", p.gamma},
                {InputKind::Q, "q", p.q},         {InputKind::SigmaR, "SigmaR", p.sigmaR}};
  for (const auto& o : others) {
    if (o.kind == InputKind::Q && !m.combined) continue;
    if (o.slot.empty()) return fail("an input histogram is missing");
    add(o.kind, 0, o.key, o.slot);
  }
  for (const ModelInput& in : m.inputs) {
    const Histogram& h = in.h;
    if (binCount(h) < 1 || !(h.step > 0) || !std::isfinite(h.step) || !std::isfinite(h.min))
      return fail("an input histogram has no width");
  }
  return m;
}

double pressureFactor(double depthH, double q, double r, bool combined) {
  if (combined) return RealPower(ExpBounded((1.5 * depthH - q) / (45 * r)) - 1, 0.6);
  return RealPower(ExpBounded((1.5 * depthH / 45) / r) - 1, 0.6);
}

double pointReliability(const PointModel& m, const double* layers, double b1, double b2, double kn,
                        double rmr, double gamma, double q, double sigmaR) {
  double sum = 0;
  for (size_t i = 0; i < m.thickness.size(); ++i) sum += m.thickness[i] * layers[i];
  const double r = m.beta / (2 * m.bStar) * sum;
  const double s = kBoltLoadConstant * gamma * kn * b1 * b2 * (1 - rmr / 100) *
                   pressureFactor(m.depthH, m.combined ? q : 0, r, m.combined);
  return sigmaR * m.capacityFactor - s;
}

}  // namespace verification
