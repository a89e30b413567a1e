#pragma once

// Layer coefficient Beta, the thickness of the first layer and the reduced strength R of the overburden.

#include <span>

#include "histogram/Histogram.h"
#include "histogram/HistogramArithmetic.h"
#include "project/ChainReading.h"
#include "project/ProjectState.h"
#include "shell/ChainMessages.h"

/// Layering coefficient Beta for 1 to 10 layers (1.0 ... 0.7); 0 outside that range.
double layerCoefficient(int layers);

/// One scaled layer: its strength histogram and its thickness m_i [m].
struct LayerInput {
  const Histogram* strength = nullptr;
  double thickness = 0;
};

/// R = (beta / 2B*) x (m_1 sigma_1 + ... + m_n sigma_n), normalised and trimmed; refused when a sum is.
HistogramOpResult reducedStrengthHistogram(std::span<const LayerInput> layers, double beta, double bStar);

/// The "b" command: Beta from the number of layers with a strength histogram and m1 = 2B* - (m2 + ... + mn)
/// written into the thickness of row 1. Warning 133 for an empty table, error 149 for a thickness below
/// row 1 that is no number above 0 (nothing changed), errors 134 and 135; on 134 and 135 Beta is kept
/// but its text is emptied.
ChainReport runLayerCoefficient(ProjectState& project);

/// The reduced-strength command: checks 36, 133, 38, 39, 41, 42, 43 in this order, then R with its flag.
/// A thickness that does not read as a positive number in rows 2..n is refused with message 149.
/// `reading` says how the layer strengths are read (recorded in `reducedStrengthReading`).
ChainReport runReducedStrength(ProjectState& project, InputReading reading = InputReading::Uniform);
