#pragma once

#include <array>
#include <string>

#include "histogram/Histogram.h"

/// Source numbers: what a slot or a result is, shared with the chart window and the file reader.
enum Source : int {
  kSrcLayer = 1,
  kSrcWidth = 2,
  kSrcK = 3,
  kSrcKn = 4,
  kSrcReducedStrength = 5,
  kSrcQ = 6,
  kSrcRmr = 7,
  kSrcGamma = 8,
  kSrcSigmaR = 9,
  kSrcBearingCapacity = 10,
  kSrcBoltLength = 11,
  kSrcBoltLoad = 12,
  kSrcReliability = 13,
  kSrcNewHistogram = 14,
  kSrcCreated = 15,
};

/// One named input histogram; its histogram means something only while `name` is not empty.
struct HistogramSlot {
  int source = 0;
  std::string name;
  Histogram histogram;
  bool empty() const { return name.empty(); }
};

/// One overburden layer: rock type, strength slot and typed thickness (m).
struct LayerSlot : HistogramSlot {
  std::string rockType;
  std::string thickness;  // typed text; row 1 is computed
  LayerSlot() { source = kSrcLayer; }
};

/// Where invalidation starts; later results fall with it.
enum class InvalidateFrom { All, BoltLength, BoltLoad, BearingCapacity };

/// The whole state behind the input area of the main window.
struct ProjectState {
  static constexpr int kLayers = 10;

  std::array<LayerSlot, kLayers> layers;  // rows 1..10 of the layer table
  int nextLayerRow = 1;                   // first row without a strength histogram, 1..11

  HistogramSlot width{kSrcWidth, {}, {}};
  HistogramSlot k{kSrcK, {}, {}};
  HistogramSlot kn{kSrcKn, {}, {}};
  HistogramSlot q{kSrcQ, {}, {}};
  HistogramSlot rmr{kSrcRmr, {}, {}};
  HistogramSlot gamma{kSrcGamma, {}, {}};
  HistogramSlot sigmaR{kSrcSigmaR, {}, {}};

  double bStar = 0;     // B* from the width histogram (m)
  double twoBStar = 0;  // 2 B*
  std::string bStarText, twoBStarText;  // texts of EdB_H and EdB_2H
  std::string beta;                     // text of EdBeta; empty when invalid
  double betaValue = 0;                 // the layer coefficient Beta behind EdBeta
  std::string depthH;                   // EdH (m)
  std::string d1;                       // EdPS (mm)
  std::string d2 = "0";                 // EdPSV (mm)
  std::string boltCount;                // EdPK
  std::string rowSpacing = "1000";      // EdPSds (mm)
  bool combinedSupport = false;         // ChBKombVyzt
  std::string resultsName;              // EdNazevVys

  Histogram reducedStrength;     // source 5
  Histogram boltLength;          // source 11
  Histogram boltLoad;            // source 12
  Histogram bearingCapacity;     // source 10
  Histogram reliabilityFunction; // source 13
  double failureMass = 0;         // F of the subtraction C - S (not stored)
  double failureProbability = 0;  // Pf of the last assessment (not stored)

  bool reducedStrengthDone = false;
  bool boltLengthDone = false;
  bool boltLoadDone = false;
  bool bearingCapacityDone = false;
  bool assessmentDone = false;

  int selectedLayerRow = 0;
  int selectedColumn = 0;
  int currentSource = 0;
  bool boltInputsEdited = false;
  std::string currentHistogramFile;
  Histogram createdHistogram;
  bool histogramCreated = false;

  /// Number of layers with a strength histogram.
  int layerCount() const { return nextLayerRow - 1; }

  /// Clears the done flags from `from` onwards (and `beta` for All).
  void invalidate(InvalidateFrom from);

  /// The slot of a one-row table or layer source; nullptr for result sources.
  HistogramSlot* slotForSource(int source, int layerRow = 0);
};
