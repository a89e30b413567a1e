#include "rmr/RmrTables.h"

void GridTable::resize(int c, int r) {
  if (c < 0) c = 0;
  if (r < 0) r = 0;
  std::vector<std::string> next(static_cast<size_t>(c) * r);
  for (int row = 0; row < std::min(r, rows); ++row)
    for (int col = 0; col < std::min(c, cols); ++col)
      next[static_cast<size_t>(row) * c + col] = std::move(cell(row, col));
  cells = std::move(next);
  cols = c;
  rows = r;
}

RmrTables::RmrTables() {
  // Label column, description (two for the orientation table), rating; the strength table has
  // its label column, Min, Max and the chart column.
  constexpr int sizes[kTables][2] = {{3, 2}, {3, 2}, {3, 2}, {3, 6}, {3, 2}, {4, 2}, {4, 3}};
  for (int t = 0; t < kTables; ++t) tables[t].resize(sizes[t][0], sizes[t][1]);
}

void RmrTables::clearRatings() {
  for (int t = 0; t < kStrength; ++t)
    for (int r = 1; r < tables[t].rows; ++r)
      for (int c = 1; c < tables[t].cols; ++c) tables[t].cell(r, c).clear();
  sum.clear();
  rockClass.clear();
  rmr.clear();
}
