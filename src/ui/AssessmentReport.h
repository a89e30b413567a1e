#pragma once

// The assessment report: one PDF with the project and its files, every input histogram with its
// characteristics and a small chart, the derived values, the result histograms, the probability of
// failure, the reliability index, the verdict and the class table under both design standards, the
// quantiles, a field for the author and date, the model's formulas, the RMR rating and, when one was
// made, the check of Pf and the design of the bolt pattern.
// Needs a QApplication (the charts are drawn by Qt Charts, also offscreen).

#include <optional>
#include <string>

#include "io/AtomicFile.h"
#include "project/ProjectState.h"
#include "rmr/RmrTables.h"
#include "shell/Language.h"
#include "verification/ChainCheck.h"

struct DesignOutcome;

/// What heads the report, and what it tells beyond the project's values.
struct ReportHeader {
  std::string projectName;                          // project or results name
  std::string date;                                 // date and time of the report
  std::string version;                              // program version
  std::string projectFile;                          // path of the project file; empty when there is none
  std::string resultsFile;                          // path of the results file; empty when there is none
  std::string author;                               // who prepared it; empty leaves a line to write on
  const RmrTables* rmr = nullptr;                   // the RMR ratings of the project, when it has them
  const verification::ChainCheck* check = nullptr;  // a check of Pf; used when made for this assessment
  const DesignOutcome* design = nullptr;            // a design of the bolt pattern; used when it succeeded
  std::string
      histogramsFolder;  // where the project's histogram names lead (a name leaving it is shown resolved)
};

/// Pages the report of `project` takes: the summary page, the page of the model and the RMR rating,
/// the page of the check of Pf when `withCheck`, the input pages (four inputs a page) and the result
/// pages (four results a page), and the page of the bolt-pattern design when `withDesign`.
int assessmentReportPageCount(const ProjectState& project, bool withCheck = false, bool withDesign = false);

/// Writes the report of an assessed `project` (assessmentDone set) to `path`, atomically. False with
/// `error` filled when the project holds no assessment or the file could not be written (then also
/// `refusal`, why).
bool writeAssessmentReport(const std::string& path, const ProjectState& project, const ReportHeader& header,
                           Language language, std::string* error = nullptr,
                           std::optional<WriteRefusal>* refusal = nullptr);

/// The date text of a report: "d.M.yyyy  hh:mm" in Czech, "yyyy-MM-dd  hh:mm" in English.
std::string reportDateNow(Language language);
