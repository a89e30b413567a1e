#pragma once

// The chain's model evaluated point by point, for sampling:
//   R  = (Beta / 2B*) sum m_i sigma_i
//   S  = 2.51189 gamma Kn B1 B2 (1 - RMR/100) g(q, R)
//   g  = (exp((1.5 H - q) / (45 R)) - 1)^0.6   (q = 0 without combined support)
//   C  = SigmaR k,   FS = C - S
// The two B factors are independent copies; every input is independent, as the chain takes them.

#include <optional>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"

namespace verification {

/// The random inputs that enter FS.
enum class InputKind { Layer, Width, Kn, Rmr, Gamma, Q, SigmaR };

struct ModelInput {
  InputKind kind = InputKind::Layer;
  int layer = 0;     // 1..10 for a layer
  std::string key;   // "sigma1".."sigma10", "B", "Kn", "RMR", "gamma", "q", "SigmaR"
  std::string file;  // the slot's histogram name
  Histogram h;
};

/// The constants and inputs of FS, read from a project whose chain has run up to the bolt load.
struct PointModel {
  std::vector<double> thickness;  // m_i of the layers, in row order
  double beta = 0, bStar = 0, depthH = 0;
  double capacityFactor = 0;  // k of C = SigmaR k
  bool combined = false;
  std::vector<ModelInput> inputs;  // layers first, then B, Kn, RMR, gamma, (q), SigmaR

  /// Index of the input of `kind` (the first for layers); -1 when absent.
  int indexOf(InputKind kind) const;
};

/// The model of `project`; nullopt with `problem` set when the project lacks a value FS needs.
std::optional<PointModel> pointModelFromProject(const ProjectState& project, std::string* problem = nullptr);

/// The pressure factor g(q, R) through the chain's bounded exponential and power.
double pressureFactor(double depthH, double q, double r, bool combined);

/// FS at one point: `layers` the layer strengths in row order, the rest the other inputs (q ignored
/// without combined support).
double pointReliability(const PointModel& m, const double* layers, double b1, double b2, double kn,
                        double rmr, double gamma, double q, double sigmaR);

}  // namespace verification
