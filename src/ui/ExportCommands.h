#pragma once

// The window commands behind the check sheet and the assessment report; the windows call them with
// what they show.

#include <functional>
#include <optional>
#include <string>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"
#include "shell/Language.h"
#include "ui/AssessmentReport.h"
#include "ui/CheckSheet.h"

/// Opens a written file with the desktop's program for it; false when there is none.
using FileOpener = std::function<bool(const std::string& path)>;

/// The desktop opener: xdg-open, when a default application is known for the file's type.
bool openWithDesktop(const std::string& path);

/// The check sheet command (`KontTisk`): writes the workbook of `h` into `resultsFolder` (the temporary
/// folder when that does not exist) under a name from `histogramName` and the time, then opens it.
/// Without an opener for it an information message names the file. A failed write shows message 27.
/// `verdict` sums up the assessment of a reliability function at the top of the sheet.
/// Returns the path written.
std::optional<std::string> CheckSheetCommand(const Histogram& h, const std::string& caption,
                                             const std::string& histogramName,
                                             const std::string& resultsFolder, Language language,
                                             const FileOpener& opener = openWithDesktop,
                                             const CheckSheetVerdict* verdict = nullptr);

/// The report command: save dialog in `resultsFolder` (PDF filter, name from `projectName`), overwrite
/// question (message 6), the report, then an information message with the path. Returns the path.
/// Histogram names leading out of `histogramsFolder` are shown as the paths they lead to.
std::optional<std::string> AssessmentReportCommand(const ProjectState& project,
                                                   const std::string& projectName, const std::string& version,
                                                   const std::string& resultsFolder, Language language,
                                                   const std::string& histogramsFolder = {});
/// The same with the whole head of the report (its files, author, RMR tables, check and histograms
/// folder); the date is the time of writing.
std::optional<std::string> AssessmentReportCommand(const ProjectState& project, ReportHeader header,
                                                   const std::string& resultsFolder, Language language);
