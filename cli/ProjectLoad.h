#pragma once

// Opening a project file on the command line as the program opens it: histograms read from the
// histograms folder, B*, Beta and m1 computed.

#include <optional>
#include <string>
#include <string_view>

#include "project/ProjectState.h"
#include "rmr/RmrTables.h"
#include "shell/Language.h"

namespace cli {

/// The user's documents folder: $XDG_DOCUMENTS_DIR, then xdg-user-dir, then ~/Documents.
std::string documentsFolder();

/// The histograms folder: `given`, else the documents folder + "/Veltra/Histograms".
std::string histogramsFolder(const std::optional<std::string>& given);

/// Applies the project file `bytes` to `project` and `rmr`, reading its histograms from `folder`.
/// On a refusal (a damaged file, a histogram that cannot be read, a width without B*) prints it
/// and returns the exit status 1; nullopt when the project was opened.
std::optional<int> openProject(std::string_view bytes, const std::string& folder, Language language,
                               ProjectState& project, RmrTables& rmr);

}  // namespace cli
