#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ChainReading.h"

/// Source numbers: what a slot or a result is, shared with the chart window and the file reader.
enum Source : int {
  kSrcNone = 0,  // nothing shown yet; no slot
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
  kSrcHistogramFile = 16,  // a histogram file shown by itself (opened from the command line)
};

/// One named input histogram; its histogram means something only while `name` is not empty.
struct HistogramSlot {
  Source source = kSrcNone;
  std::string name;
  Histogram histogram;
  bool empty() const { return name.empty(); }
  friend bool operator==(const HistogramSlot&, const HistogramSlot&) = default;
};

/// One overburden layer: rock type, strength slot and typed thickness (m).
struct LayerSlot : HistogramSlot {
  std::string rockType;
  std::string thickness;  // typed text; row 1 is computed
  LayerSlot() { source = kSrcLayer; }
  friend bool operator==(const LayerSlot&, const LayerSlot&) = default;
};

/// Where invalidation starts; later results fall with it.
enum class InvalidateFrom { All, BoltLength, BoltLoad, BearingCapacity };

/// Label of layer row `row` (1..10) in column 0 of the layer table: the numbers line up on the right.
std::string layerRowLabel(int row);

/// Results that fall when the input of `source` (1..9, also 15 is never an input) changes; nullopt for
/// sources that are no input slot.
std::optional<InvalidateFrom> invalidationForSource(Source source);

/// Target slot of item `index` (0..7) of the send target list: B, layer, K, Kn, q, RMR, gamma, SigmaR.
Source sourceForTargetItem(int index);

/// A project: its input slots, typed inputs and computed results. What the window shows of it
/// (selection, current slot) lives in the main window.
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

  double bStar = 0;                     // B* from the width histogram (m)
  double twoBStar = 0;                  // 2 B*
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

  /// The rock type offer list of the layer table, in order (filled from the settings and the rock
  /// type window).
  std::vector<std::string> rockTypes;

  Histogram reducedStrength;      // source 5
  Histogram boltLength;           // source 11
  Histogram boltLoad;             // source 12
  Histogram bearingCapacity;      // source 10
  Histogram reliabilityFunction;  // source 13
  // How R, L and S were made (not stored in files; see readingOfStoredResults for a results file).
  InputReading reducedStrengthReading = InputReading::Uniform;
  ChainReading boltLengthReading;
  ChainReading boltLoadReading;
  bool boltLoadReadingKnown = true;  // false: S read from a results file that no reading makes again
  double failureMass = 0;            // F of the subtraction C - S (not stored)
  double failureProbability = 0;     // Pf of the last assessment (not stored)

  bool reducedStrengthDone = false;
  bool boltLengthDone = false;
  bool boltLoadDone = false;
  bool bearingCapacityDone = false;
  bool assessmentDone = false;

  /// How the inputs behind S were read: centres when R or S read them so.
  InputReading loadInputReading() const {
    return reducedStrengthReading == InputReading::Centres || boltLoadReading.inputs == InputReading::Centres
               ? InputReading::Centres
               : InputReading::Uniform;
  }

  /// Number of layers with a strength histogram.
  int layerCount() const { return nextLayerRow - 1; }

  /// Clears the done flags from `from` onwards (and `beta` for All).
  void invalidate(InvalidateFrom from);

  /// Empties the layers, the slot names, H, Beta, d1 and n, sets d2 to "0", clears every result and
  /// starts the layers again at row 1. Keeps ds, the results name, B*, the combined support mark and
  /// the rock type list.
  void clear();

  /// Sends a histogram into the slot of `source` (layer row `layerRow` for source 1) under `name`:
  /// opens the next layer row when `layerRow` is the first free one. Does not invalidate.
  /// Returns false when the source or row names no slot that accepts input.
  bool fillSlot(Source source, int layerRow, const std::string& name, const Histogram& h);

  /// The slot of a one-row table or layer source; nullptr for result sources.
  HistogramSlot* slotForSource(Source source, int layerRow = 0);

  friend bool operator==(const ProjectState&, const ProjectState&) = default;
};
