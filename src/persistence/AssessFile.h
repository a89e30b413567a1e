#pragma once

// Assessment of a project or results file without a window: a project runs the whole chain with
// its histograms read from a folder; a results file runs the assessment again on its stored results.

#include <optional>
#include <string>
#include <vector>

#include "project/ChainReading.h"
#include "project/ProjectState.h"
#include "reliability/Assessment.h"
#include "rmr/RmrTables.h"
#include "shell/Language.h"

/// What assessFile and runFileChain give: the state after the chain and the assessment, or the first refusal.
struct AssessedFile {
  bool ok = false;
  int message = 0;   // number of the refusing message (0 for a text without number)
  std::string text;  // its text in the language asked for
  bool isResults = false;
  ProjectState project;
  RmrTables rmr;
  AssessmentResult assessment;
  /// Warnings about the inputs (valid but physically absurd values, numbers read as an earlier version
  /// read them), each naming its file where it came from one.
  std::vector<std::string> warnings;
};

/// Reads `file` and brings its chain up to the bolt load: a results file gives its stored results, a
/// project file runs the reduced strength, the bolt length and the bolt load with `ds` as its row
/// spacing and `reading`; a results file's reading fields say how its stored S was made
/// (settleStoredReading, `reading` first). The typed inputs are checked first, as assessFile checks them.
/// `ok` when that succeeded; `assessment` stays empty.
AssessedFile runFileChain(const std::string& file, const std::string& histogramsFolder, const std::string& ds,
                          Language language, ChainReading reading = {});

/// Assesses `file` (a results file when its name ends in ".vys", any case, else a project file).
/// `histogramsFolder` is where a project's histograms are read; `ds` the row spacing text of a project;
/// `reading` how the chain reads the inputs of a project. A results file is assessed again as its stored
/// S was made (settleStoredReading, `reading` first); the project's reading fields say how. The typed
/// inputs are checked before the chain runs: the first refusal ends it with the field's message (naming
/// the file).
AssessedFile assessFile(const std::string& file, const std::string& histogramsFolder, const std::string& ds,
                        DesignStandard standard, Language language, ChainReading reading = {});
