#pragma once

// The steps of opening a project, for openProject (persistence/OpenProject.h) and its tests only:
// windows and the command line open a project through openProject.

#include <functional>
#include <string>

#include "persistence/ProjectFile.h"
#include "project/ProjectState.h"
#include "rmr/RmrTables.h"

/// What opening does at each step; only openProject fills them.
struct ProjectOpenHooks {
  /// Reads `histogramsFolder + "/" + name` into the slot of `source` (layer `row` for source 1);
  /// false when the reader refused it.
  std::function<bool(Source source, int row, const std::string& path)> loadHistogram;
  /// Computes B* after the width histogram was read.
  std::function<void()> computeBStar;
  /// Computes Beta and m1 after the layers were read.
  std::function<void()> computeBeta;
};

/// Applies a parsed project: results invalidated, results name with the version suffix, every
/// named histogram read again through the hooks in file order, rows beyond N and the q cell of a
/// project without combined support emptied, the RMR tables replaced (cleared when the file has
/// none). A slot whose histogram cannot be read keeps its name and an empty histogram.
void openProjectInto(const ProjectFileData& data, const std::string& histogramsFolder, ProjectState& project,
                     RmrTables& rmr, const ProjectOpenHooks& hooks);
