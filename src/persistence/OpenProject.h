#pragma once

// Opening a project: the parsed file applied to the project, its histograms read, B* and Beta
// computed on the way. Shared by the main window and the command line; shows nothing.

#include <string>
#include <vector>

#include "histogram/HistogramFile.h"
#include "persistence/ProjectFile.h"
#include "project/ProjectState.h"
#include "rmr/RmrTables.h"
#include "shell/ChainMessages.h"

/// One thing that happened while opening, in the order it happened.
struct ProjectOpenEvent {
  enum class Kind {
    HistogramRead,     // a named histogram was read into its slot
    HistogramRefused,  // a named histogram could not be read; `histogramError` says why
    BStarRefused,      // the width histogram gives no B* (message 33)
    BStarComputed,     // B* and 2B* were computed from the width histogram
    BetaComputed,      // the layer coefficient ran after the layers were read; `beta` is its report
  };
  Kind kind;
  Refusal histogramError;
  ChainReport beta;
  Source source = kSrcNone;  // slot the event concerns (layer `row` of a layer histogram)
  int row = 0;
  std::string path;  // file of a histogram event
};

/// What opening recomputed and every refusal met, in order.
struct ProjectOpenReport {
  std::vector<ProjectOpenEvent> events;
  /// Refusals and warnings of the typed inputs as opened (typedInputMessages), after the events.
  std::vector<Refusal> inputs;
  Source lastSource = kSrcLayer;  // source of the last histogram read (the window's current slot)
  std::string lastHistogramFile;  // path of the last one-row slot histogram read

  /// The first histogram refusal, or null.
  const Refusal* firstHistogramError() const;
  bool bStarRefused() const;
};

/// Where a project's histogram `name` is read: the name itself when it is an absolute path, else
/// `histogramsFolder` + "/" + name.
std::string projectHistogramPath(const std::string& histogramsFolder, const std::string& name);
/// The name as the input area and the report show it: the name itself, or, when it leads out of
/// `histogramsFolder` (an absolute path or one through ".."), the path it is read from, normalised.
std::string shownHistogramName(const std::string& histogramsFolder, const std::string& name);

/// Applies `data` to `project` and `rmr` (results invalidated, results name with the version
/// suffix, rows beyond N and the q cell of a project without combined support emptied, the RMR tables
/// replaced or cleared), reading each named histogram from
/// `histogramsFolder`, computing B* once the width is read and Beta once the layers are read.
ProjectOpenReport openProject(const ProjectFileData& data, const std::string& histogramsFolder,
                              ProjectState& project, RmrTables& rmr);
