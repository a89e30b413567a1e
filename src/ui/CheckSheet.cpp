// The check sheet workbook, written with libxlsxwriter.

#include "ui/CheckSheet.h"

#include <xlsxwriter.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <random>

#include "histogram/HistogramCharacteristics.h"
#include "histogram/Statistics.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/ExportTexts.h"

namespace {

void put(std::vector<CheckSheetCell>& cells, int row, int col, double v) { cells.push_back({row, col, v}); }
void put(std::vector<CheckSheetCell>& cells, int row, int col, std::string v) {
  cells.push_back({row, col, std::move(v)});
}
// A statistic: the number, or its text when it is no finite number (a cell cannot hold NaN).
void putStatistic(std::vector<CheckSheetCell>& cells, int row, double v, const std::string& text) {
  if (std::isfinite(v))
    put(cells, row, 2, v);
  else
    put(cells, row, 2, text);
}

}  // namespace

std::vector<CheckSheetCell> checkSheetCells(const Histogram& h, const std::string& caption, Language language,
                                            const CheckSheetVerdict* verdict) {
  std::vector<CheckSheetCell> cells;
  const int N = binCount(h);
  const std::span<const double> P(h.p.data(), kMaxBins);
  put(cells, 1, 1, "Histogram : " + caption);

  // The assessment in brief, beside the characteristics: the cells the table below uses stay as they are.
  if (verdict) {
    put(cells, 3, 4, exportText(ExportText::ReportAssessment, language));
    put(cells, 4, 4, "Pf");
    put(cells, 4, 5, verdict->pf);
    put(cells, 5, 4, "beta_f");
    if (const double* b = std::get_if<double>(&verdict->betaF))
      put(cells, 5, 5, *b);
    else
      put(cells, 5, 5, std::get<std::string>(verdict->betaF));
    put(cells, 6, 4, exportText(ExportText::ReportStandard, language));
    put(cells, 6, 5, verdict->standard);
    put(cells, 7, 4, exportText(ExportText::ReportVerdict, language));
    put(cells, 7, 5, verdict->verdict);
  }

  if (N >= 3) {
    const CharacteristicsTable t = Characteristics(P, N, h.min, h.max, h.total, language);
    const double meanDeviation = binMeanDeviation(P, N, h.min, h.max, t.mean);
    const double variation = coefficientOfVariation(t.mean, t.sigma);
    const double values[12] = {t.lower,          t.upper,   static_cast<double>(N), h.total,   t.mean,
                               t.dispersion,     t.sigma,   meanDeviation,          variation, t.skewness,
                               t.kurtosis + 3.0, t.kurtosis};
    for (int k = 0; k < 12; ++k) {
      put(cells, 3 + k, 1, t.rows[k].label);
      putStatistic(cells, 3 + k, values[k], t.rows[k].value);
    }
  }

  for (int c = 0; c < 5; ++c)
    put(cells, 16, 1 + c, exportText(ExportText::SheetHeaderInterval + c, language));

  const double step = h.step;
  put(cells, 17, 2, h.min - step / 2);
  put(cells, 17, 5, 0.0);
  double F = 0;
  for (int i = 1; i <= N; ++i) {
    const double p = h.p[i - 1];
    const int r = 16 + 2 * i;
    double centre = h.min + (i - 1) * step;
    // The centre as its six-digit text shows it, kept a number.
    double shown = centre;
    if (parseDouble(formatNumberShort(centre), shown)) centre = shown;
    put(cells, r, 1, static_cast<double>(i));
    put(cells, r, 2, centre);
    put(cells, r, 3, p);
    put(cells, r, 4, p * h.total);
    put(cells, r, 5, F + p / 2);
    F += p;
    put(cells, r + 1, 2, h.min + (i - 0.5) * step);
    put(cells, r + 1, 5, F);
  }
  put(cells, 2 * N + 18, 2, MessageText(127, language));
  put(cells, 2 * N + 18, 3, F);
  put(cells, 2 * N + 18, 4, h.total);
  return cells;
}

bool writeCheckSheet(const std::string& path, const Histogram& h, const std::string& caption,
                     Language language, std::string* error, const CheckSheetVerdict* verdict) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  std::random_device rd;
  const fs::path temp =
      target.parent_path() / (target.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
  const std::string tempName = temp.string();

  lxw_workbook* wb = workbook_new(tempName.c_str());
  if (!wb) {
    if (error) *error = "cannot create the workbook";
    return false;
  }
  lxw_worksheet* ws = workbook_add_worksheet(wb, "Histogram");
  lxw_format* numberFormat = workbook_add_format(wb);
  format_set_num_format(numberFormat, "General");
  worksheet_set_column(ws, 0, 0, 34, nullptr);
  worksheet_set_column(ws, 1, 4, 20, nullptr);
  if (verdict) worksheet_set_column(ws, 3, 3, 26, nullptr);  // the labels of the assessment
  for (const CheckSheetCell& c : checkSheetCells(h, caption, language, verdict)) {
    const lxw_row_t row = static_cast<lxw_row_t>(c.row - 1);
    const lxw_col_t col = static_cast<lxw_col_t>(c.col - 1);
    if (const double* v = std::get_if<double>(&c.value))
      worksheet_write_number(ws, row, col, *v, nullptr);
    else
      worksheet_write_string(ws, row, col, std::get<std::string>(c.value).c_str(), nullptr);
  }
  const lxw_error rc = workbook_close(wb);
  std::error_code ec;
  if (rc != LXW_NO_ERROR) {
    if (error) *error = lxw_strerror(rc);
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    if (error) *error = ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

std::string safeFileBase(const std::string& histogramName) {
  std::string name = histogramName;
  if (name.size() > 4) {
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".dis") name.resize(name.size() - 4);
  }
  std::string base;
  for (unsigned char c : name) {
    const bool unsafe = c < 0x20 || c == ' ' || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
                        c == '"' || c == '<' || c == '>' || c == '|' || c == '(' || c == ')' || c == '[' ||
                        c == ']' || c == '.';
    if (unsafe) {
      if (!base.empty() && base.back() != '_') base += '_';
    } else {
      base += static_cast<char>(c);
    }
  }
  while (!base.empty() && base.back() == '_') base.pop_back();
  while (!base.empty() && base.front() == '_') base.erase(base.begin());
  // Cut at 60 bytes without splitting a UTF-8 character.
  if (base.size() > 60) {
    size_t cut = 60;
    while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) --cut;
    base.resize(cut);
  }
  if (base.empty()) base = "Histogram";
  return base;
}

std::string checkSheetFileName(const std::string& histogramName, const std::string& timestamp) {
  return safeFileBase(histogramName) + "_" + timestamp + ".xlsx";
}
