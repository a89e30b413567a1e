#pragma once

// The assessment report: one PDF with the project, every input histogram with its characteristics
// and a small chart, the derived values, the result histograms, the probability of failure, the
// reliability index, the verdict and the class table under both design standards, and the quantiles.
// Needs a QApplication (the charts are drawn by Qt Charts, also offscreen).

#include <optional>
#include <string>

#include "io/AtomicFile.h"
#include "project/ProjectState.h"
#include "shell/Language.h"

/// What heads the report.
struct ReportHeader {
  std::string projectName;  // project or results name
  std::string date;         // date and time of the report
  std::string version;      // program version
  std::string
      histogramsFolder;  // where the project's histogram names lead (a name leaving it is shown resolved)
};

/// Pages the report of `project` takes: the summary page, the input pages (four inputs a page) and the
/// result pages (four results a page).
int assessmentReportPageCount(const ProjectState& project);

/// Writes the report of an assessed `project` (assessmentDone set) to `path`, atomically. False with
/// `error` filled when the project holds no assessment or the file could not be written (then also
/// `refusal`, why).
bool writeAssessmentReport(const std::string& path, const ProjectState& project, const ReportHeader& header,
                           Language language, std::string* error = nullptr,
                           std::optional<WriteRefusal>* refusal = nullptr);

/// The date text of a report: "d.M.yyyy  hh:mm" in Czech, "yyyy-MM-dd  hh:mm" in English.
std::string reportDateNow(Language language);
