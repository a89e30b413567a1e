#pragma once

// The project file (*.hor): the inputs of a project as lines of text, histograms by file name.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/ProjectState.h"
#include "rmr/RmrTables.h"
#include "shell/Refusal.h"

/// Format level of files written by this version.
inline constexpr int kCurrentFormatLevel = 506;

/// Format level from a version line or text: the third number plus 100 times the second
/// ("1.5.6.5" gives 506, "1.0.13" gives 13); nullopt when those numbers do not read.
std::optional<int> formatLevelFromVersion(std::string_view versionLine);

/// Cuts `name` at the first occurrence of `marker` (nothing is cut when it does not occur).
std::string cutAt(std::string_view name, std::string_view marker);

inline constexpr std::string_view kProjectHeader = "POPIS DAT";
inline constexpr std::string_view kProjectVersionPrefix = "  Soubor vytvořen ve verzi :  ";
inline constexpr std::string_view kProjectDatePrefix = "  Datum :  ";
/// The version suffix that opening a project appends to the results name.
inline constexpr std::string_view kVersionMarker = "    ( Version";

/// One layer row as stored: rock type, strength histogram file name, thickness text.
struct ProjectLayerRow {
  std::string rockType, name, thickness;
  friend bool operator==(const ProjectLayerRow&, const ProjectLayerRow&) = default;
};

/// The content of a project file.
struct ProjectFileData {
  int formatLevel = kCurrentFormatLevel;
  std::string versionText;  // text after the first ':' of the version line, blanks kept; empty without header
  std::string dateText;     // text after the first ':' of the date line
  std::string resultsName;  // as stored
  std::string widthName;
  std::vector<ProjectLayerRow> layers;  // N rows, N = nextLayerRow when written
  std::string depthH, d1, d2, boltCount;
  std::string kName, knName;  // absent below level 12
  std::string rmrName;
  bool combinedSupport = false;
  std::string qName;  // stored only with combined support
  std::string gammaName, sigmaRName;
  bool hasRmr = true;  // absent up to level 16
  RmrTables rmr;

  friend bool operator==(const ProjectFileData&, const ProjectFileData&) = default;
};

/// What a project save writes of `project` and the RMR tables: the results name cut at the version
/// suffix, layer rows 1 .. nextLayerRow (capped at the ten rows), names as the cells hold them.
ProjectFileData projectFileFromState(const ProjectState& project, const RmrTables& rmr);

/// The file bytes (Windows-1250, CR LF) in the current layout with `programVersion` and `date`.
std::string formatProjectFile(const ProjectFileData& data, std::string_view programVersion,
                              std::string_view date);
/// The same lines as UTF-8, before the encoding (for the check of letters Windows-1250 lacks).
std::string formatProjectText(const ProjectFileData& data, std::string_view programVersion,
                              std::string_view date);

/// Reads a project file of any format level. Refuses (nullopt, `error` filled) a file that ends
/// early, whose version line gives no level, or whose layer, column or row count is no integer or
/// out of range.
std::optional<ProjectFileData> parseProjectFile(std::string_view bytes, Refusal& error);
std::optional<ProjectFileData> readProject(std::istream& in, Refusal& error);

/// The results name shown after opening: "_" become blanks, then the version and date suffix.
std::string openedResultsName(const ProjectFileData& data);
