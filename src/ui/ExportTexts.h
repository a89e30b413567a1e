#pragma once

// Texts of the exports (check sheet, assessment report) that are no numbered message, in Czech and
// English.

#include <initializer_list>
#include <string>

#include "shell/Language.h"

enum class ExportText : int {
  SheetHeaderInterval = 0,  // the five column headers of the check sheet, in order
  SheetHeaderX,
  SheetHeaderProbability,
  SheetHeaderFrequency,
  SheetHeaderDistribution,
  SheetNoViewer,  // %s: path of the written workbook
  ReportTitle,
  ReportProject,
  ReportDate,
  ReportVersion,
  ReportInputs,
  ReportLayer,  // %s: layer row
  ReportFile,
  ReportThickness,
  ReportGivenValues,
  ReportDepth,
  ReportD1,
  ReportD2,
  ReportBoltCount,
  ReportRowSpacing,
  ReportCombined,
  ReportYes,
  ReportNo,
  ReportDerived,
  ReportResults,
  ReportReducedStrength,
  ReportBoltLength,
  ReportBoltLoad,
  ReportBearingCapacity,
  ReportReliabilityFunction,
  ReportAssessment,
  ReportPf,
  ReportBetaF,
  ReportUpperEdges,
  ReportStandard,
  ReportClass,
  ReportSatisfied,
  ReportVerdict,
  ReportQuantiles,
  ReportPage,     // %s of %s
  ReportWritten,  // %s: path
  ReportNotAssessed,
  ReportRmr,
  ReportStandardEn1990,  // names of the design standards, the same in both languages
  ReportStandardCsn731401,
  ReportProjectFile,
  ReportResultsFile,
  ReportNotSaved,
  ReportPreparedBy,
  ReportSignedOn,
  ReportSignature,
  ReportModelPage,
  ReportFormulas,
  ReportFormulaR,  // the formulas of the model in brief, in chain order
  ReportFormulaG,
  ReportFormulaL,
  ReportFormulaS,
  ReportFormulaC,
  ReportFormulaFS,
  ReportFormulaPf,
  ReportFormulaBetaF,
  ReportKNote,
  ReportRmrRatings,
  ReportRmrB,  // the rated parameters, in table order
  ReportRmrC,
  ReportRmrD1,
  ReportRmrD2Persistence,
  ReportRmrD2Aperture,
  ReportRmrD2Roughness,
  ReportRmrD2Infilling,
  ReportRmrD2Weathering,
  ReportRmrE,
  ReportRmrF,
  ReportRmrSum,
  ReportRmrClass,
  ReportRmrFromFile,  // %s: file of the RMR histogram
  ImageFilter,        // the save dialog of chart images: PNG, SVG, PDF, JPEG, BMP in this order
  ReportFilter,       // the save dialog of the report
  Count
};

/// The text `id` in `language` (UTF-8, line breaks as CR LF).
std::string exportText(ExportText id, Language language);
/// The text with "%s" placeholders filled in order.
std::string exportTextFormat(ExportText id, Language language, std::initializer_list<std::string> args);

inline ExportText operator+(ExportText t, int k) { return static_cast<ExportText>(static_cast<int>(t) + k); }
