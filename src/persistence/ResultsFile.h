#pragma once

// The results file (*.Vys): a complete snapshot of a computed project as a tagged binary stream
// (persistence/TaggedStream.h), histograms stored whole.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"
#include "rmr/RmrTables.h"
#include "shell/ChainMessages.h"
#include "shell/Refusal.h"

/// The results name cut at this marker before it proposes a file name.
inline constexpr std::string_view kResultsVersionMarker = "    ( Version  ";
/// Written in place of five values that nothing reads.
inline constexpr std::string_view kReservedText = "Jalovina";

/// Indices of the stored histograms, in file order.
enum ResultsHistogram {
  kResWidth,
  kResK,
  kResKn,
  kResQ,
  kResRmr,
  kResWorkD,
  kResGamma,
  kResSigmaR,
  kResReducedStrength,
  kResBoltLength,
  kResBoltLoad,
  kResBearingCapacity,
  kResReliability,
  kResHistogramCount
};

/// A stored histogram record: these descriptors in file order (count, min, max, range, step, total),
/// then the bins.
inline constexpr int kRecordDescriptors = 6;
/// Descriptor `i` (0 to 5) of `h` in record order.
double& recordDescriptor(Histogram& h, int i);

/// Everything a results file holds, in file order.
struct ResultsFileData {
  int formatLevel = 506;
  std::string version;     // the program version stored; empty without header
  std::string storedPath;  // the file's own path when it was saved
  int nextLayerRow = 1;
  double bStar = 0;
  double beta = 0;
  int layerCols = 5, layerRows = 11;    // the layer table as stored
  std::vector<std::string> layerCells;  // rows 1.., columns 1.., row by row
  std::string bStarText, twoBStarText, depthH, betaText;
  std::string widthName, kName, knName;  // K and Kn names from level 12
  bool combinedSupport = false;
  std::string qName, rmrName, gammaName;
  std::string d1, d2, boltCount, rowSpacing;  // ds from level 13
  std::string sigmaRName;
  std::array<Histogram, ProjectState::kLayers> layers;
  std::array<Histogram, kResHistogramCount> histograms;  // K from level 12, Kn from level 14
  std::array<bool, 5> done{};     // reduced strength, bolt length, bolt load, bearing capacity, assessment
  std::array<bool, 5> buttons{};  // GrafRePe, GrafDeSv, GrafZaSv, GrafUnSv, GrafFS
  RmrTables rmr;
  // Level 13 only: a text before EdH and a combined-support mark before the K name.
  std::string level13Text;
  bool level13Combined = false;

  /// Layer table cell (row 1.., column 1..); empty outside the stored table.
  std::string layerCell(int row, int col) const;

  friend bool operator==(const ResultsFileData&, const ResultsFileData&) = default;
};

/// The snapshot of `project` with the RMR tables, the chart button states and the work histogram
/// D of the bolt load; `storedPath` is the chosen file's full path.
ResultsFileData resultsFileFromState(const ProjectState& project, const RmrTables& rmr,
                                     const std::array<bool, 5>& buttons, const Histogram& workD,
                                     std::string_view programVersion, std::string_view storedPath);

/// The stream of `data` in the current layout.
std::string formatResultsFile(const ResultsFileData& data);

/// Reads a results file of any format level. Refuses (nullopt, `error` filled) a file that ends
/// early, holds a value with an unexpected tag, or a count or layer row out of range; the value
/// that stopped the reading is named in the message.
std::optional<ResultsFileData> parseResultsFile(std::string_view bytes, Refusal& error);

/// The results name shown after opening: the stored file name without folder, "_" as blanks,
/// cut before its first ".".
std::string resultsNameFromPath(std::string_view storedPath);

/// Puts the file's inputs, histograms and flags into `project` and its tables into `rmr`; values
/// that an older layout lacks keep what `project` held. `workD` receives the stored D.
/// A file of an earlier version keeps its results: a number text of H, d1, d2, n, ds or a layer
/// thickness that starts with a number but is not one as a whole ("22E") is read as far as it forms
/// one, as that version read it, and replaced by that number; each such reading is returned as a
/// warning.
std::vector<Refusal> openResultsInto(const ResultsFileData& data, ProjectState& project, RmrTables& rmr,
                                     Histogram& workD);

/// Every stored value in order, with its name and tag, for listings; stops at the first fault.
struct ResultsValue {
  std::string name;
  std::uint8_t tag = 0;
  std::string kind;  // "integer", "real", "boolean", "text"
  long long integer = 0;
  double real = 0;
  bool boolean = false;
  std::string text;
};
std::vector<ResultsValue> listResultsValues(std::string_view bytes, Refusal& error);
