#pragma once

// The tables and result labels of the RMR window as plain data: what project and results files
// store of that window.

#include <array>
#include <string>
#include <string_view>
#include <vector>

/// A grid of text cells, `rows` x `cols`, row 0 and column 0 included.
struct GridTable {
  int cols = 0;
  int rows = 0;
  std::vector<std::string> cells;  // row by row

  GridTable() = default;
  GridTable(int c, int r) { resize(c, r); }

  /// Gives the grid a new size; cells inside both sizes keep their texts, new cells are empty.
  void resize(int c, int r);
  std::string& cell(int row, int col) { return cells[static_cast<size_t>(row) * cols + col]; }
  const std::string& cell(int row, int col) const { return cells[static_cast<size_t>(row) * cols + col]; }

  friend bool operator==(const GridTable&, const GridTable&) = default;
};

/// The seven RMR tables in file order and the three result labels.
struct RmrTables {
  static constexpr int kTables = 7;
  /// Index of the strength table, stored whole; the six rating tables before it store only
  /// rows 1.. and columns 1.. .
  static constexpr int kStrength = 6;
  /// objectNames of the tables in file order.
  static constexpr std::array<std::string_view, kTables> kNames{
      "StrGrRQD", "StrGrVPN", "StrGrChPN1", "StrGrChPN2", "StrGrPTV", "StrGrOP", "StrGrPNH"};

  std::array<GridTable, kTables> tables;
  std::string sum;        // Label3
  std::string rockClass;  // LTrida
  std::string rmr;        // LRMR

  /// The tables in their designed sizes, empty.
  RmrTables();

  /// Empties every cell of the six rating tables outside row 0 and column 0 and the three labels.
  void clearRatings();

  friend bool operator==(const RmrTables&, const RmrTables&) = default;
};

/// Largest column or row count a file may give an RMR or layer table.
inline constexpr int kMaxStoredTableSize = 64;
