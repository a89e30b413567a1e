#pragma once

// The check sheet of a histogram: a workbook with the sheet "Histogram" holding the caption, the
// characteristics, and the table of intervals and edges with probabilities, frequencies and the
// distribution function.

#include <string>
#include <variant>
#include <vector>

#include "histogram/Histogram.h"
#include "shell/Language.h"

/// One cell of the sheet; row and column 1-based as the spreadsheet counts them.
struct CheckSheetCell {
  int row = 0;
  int col = 0;
  std::variant<double, std::string> value;
};

/// The assessment of a reliability function, summed up at the top of its check sheet.
struct CheckSheetVerdict {
  double pf = 0;
  std::variant<double, std::string> betaF;  // the index, or the text shown in its place
  std::string standard;                     // name of the design standard
  std::string verdict;
};

/// The cells of the check sheet of `h` shown under window caption `caption`, in writing order.
/// Numbers are numeric cells; a characteristic that is no finite number is written as its text.
/// With `verdict` the sheet also holds Pf, beta_f, the standard and the verdict in D3:E7, beside the
/// characteristics.
std::vector<CheckSheetCell> checkSheetCells(const Histogram& h, const std::string& caption, Language language,
                                            const CheckSheetVerdict* verdict = nullptr);

/// Writes the workbook to `path` (through a temporary file beside it, renamed over `path`).
/// False with `error` filled when it could not be written.
bool writeCheckSheet(const std::string& path, const Histogram& h, const std::string& caption,
                     Language language, std::string* error = nullptr,
                     const CheckSheetVerdict* verdict = nullptr);

/// A name made safe for a file name: without a ".dis" ending; blanks, separators, dots and brackets
/// become one "_"; at most 60 bytes; "Histogram" when nothing is left.
std::string safeFileBase(const std::string& name);

/// File name of a check sheet: the histogram name made safe for a file name (blanks, separators and
/// brackets become "_", at most 60 characters) + "_" + yyyyMMdd_hhmmss + ".xlsx".
std::string checkSheetFileName(const std::string& histogramName, const std::string& timestamp);
