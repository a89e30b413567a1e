#include "persistence/ProjectFile.h"

#include <charconv>
#include <istream>
#include <sstream>

#include "persistence/TextLines.h"
#include "shell/Encoding.h"

namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<long long> parseWhole(std::string_view s) {
  s = trimBlanks(s);
  long long v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

// A value is one line: a line break inside it would shift every later line.
std::string oneLine(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

std::string afterColon(std::string_view line) {
  const size_t at = line.find(':');
  return at == std::string_view::npos ? std::string() : std::string(line.substr(at + 1));
}

// Sequential reader over the lines of the file; reading past the end marks the file as short.
class LineReader {
 public:
  explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  std::string next() {
    if (pos_ >= lines_.size()) {
      if (!ended_) endedAt_ = pos_ + 1;
      ended_ = true;
      ++pos_;
      return {};
    }
    return lines_[pos_++];
  }
  bool ended() const { return ended_; }
  size_t endedAt() const { return endedAt_; }
  size_t lineNumber() const { return pos_; }  // 1-based number of the line last read

 private:
  std::vector<std::string> lines_;
  size_t pos_ = 0;
  bool ended_ = false;
  size_t endedAt_ = 0;
};

Refusal endsEarly(size_t line) {
  const std::string n = std::to_string(line);
  return fileDamaged(RefusalText::ProjectEndsEarly, {n});
}

Refusal badCount(size_t line, std::string_view text) {
  const std::string n = std::to_string(line);
  const std::string t(text);
  return fileDamaged(RefusalText::ProjectBadCount, {n, t});
}

}  // namespace

std::optional<int> formatLevelFromVersion(std::string_view line) {
  const size_t dot = line.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  std::string rest;
  for (char c : line.substr(dot + 1))
    if (c != ' ') rest += c;
  const size_t d2 = rest.find('.');
  const std::string minor = rest.substr(0, d2);
  std::string third;
  if (d2 != std::string::npos) {
    const size_t d3 = rest.find('.', d2 + 1);
    third = rest.substr(d2 + 1, d3 == std::string::npos ? std::string::npos : d3 - d2 - 1);
  }
  const auto mi = parseWhole(minor);
  const auto th = parseWhole(third);
  if (!mi || !th || *mi < 0 || *th < 0 || *mi > 1000000 || *th > 1000000) return std::nullopt;
  return static_cast<int>(*th + (minor == "0" ? 0 : 100 * *mi));
}

std::string cutAt(std::string_view name, std::string_view marker) {
  const size_t at = name.find(marker);
  return std::string(at == std::string_view::npos ? name : name.substr(0, at));
}

ProjectFileData projectFileFromState(const ProjectState& p, const RmrTables& rmr) {
  ProjectFileData d;
  d.resultsName = cutAt(p.resultsName, kVersionMarker);
  d.widthName = p.width.name;
  const int n = std::max(0, std::min(p.nextLayerRow, ProjectState::kLayers + 1));
  for (int r = 1; r <= n; ++r) {
    if (r <= ProjectState::kLayers) {
      const auto& l = p.layers[r - 1];
      d.layers.push_back({l.rockType, l.name, l.thickness});
    } else {
      d.layers.push_back({});  // the empty row after the tenth layer
    }
  }
  d.depthH = p.depthH;
  d.d1 = p.d1;
  d.d2 = p.d2;
  d.boltCount = p.boltCount;
  d.kName = p.k.name;
  d.knName = p.kn.name;
  d.rmrName = p.rmr.name;
  d.combinedSupport = p.combinedSupport;
  d.qName = p.combinedSupport ? p.q.name : std::string();
  d.gammaName = p.gamma.name;
  d.sigmaRName = p.sigmaR.name;
  d.hasRmr = true;
  d.rmr = rmr;
  return d;
}

std::string formatProjectFile(const ProjectFileData& d, std::string_view programVersion,
                              std::string_view date) {
  return utf8ToCp1250(formatProjectText(d, programVersion, date));
}

std::string formatProjectText(const ProjectFileData& d, std::string_view programVersion,
                              std::string_view date) {
  TextLineWriter w;
  auto line = [&](std::string_view s) { w.line(oneLine(s)); };
  line(kProjectHeader);
  line(std::string(kProjectVersionPrefix) + std::string(programVersion));
  line(std::string(kProjectDatePrefix) + std::string(date));
  line(d.resultsName);
  line(d.widthName);
  line(std::to_string(d.layers.size()));
  for (const auto& l : d.layers) {
    line(l.rockType);
    line(l.name);
    line(l.thickness);
  }
  line(d.depthH);
  line(d.d1);
  line(d.d2);
  line(d.boltCount);
  line(d.kName);
  line(d.knName);
  line(d.rmrName);
  line(d.combinedSupport ? "TRUE" : "FALSE");
  if (d.combinedSupport) line(d.qName);
  line(d.gammaName);
  line(d.sigmaRName);
  for (int t = 0; t < RmrTables::kTables; ++t) {
    const GridTable& g = d.rmr.tables[t];
    line(std::to_string(g.cols));
    line(std::to_string(g.rows));
    const int first = t == RmrTables::kStrength ? 0 : 1;
    for (int r = first; r < g.rows; ++r)
      for (int c = first; c < g.cols; ++c) line(g.cell(r, c));
  }
  line(d.rmr.sum);
  line(d.rmr.rockClass);
  line(d.rmr.rmr);
  return w.text();
}

std::optional<ProjectFileData> parseProjectFile(std::string_view bytes, Refusal& error) {
  LineReader in(decodeTextLines(bytes));
  ProjectFileData d;
  std::string first = in.next();
  if (in.ended()) {
    error = endsEarly(1);
    return std::nullopt;
  }
  if (first == kProjectHeader) {
    const std::string versionLine = in.next();
    const auto level = formatLevelFromVersion(versionLine);
    if (!in.ended() && !level) {
      error = fileDamaged(RefusalText::ProjectBadVersion, {versionLine});
      return std::nullopt;
    }
    d.formatLevel = level.value_or(0);
    d.versionText = afterColon(versionLine);
    d.dateText = afterColon(in.next());
    d.resultsName = in.next();
  } else {
    d.formatLevel = 12;
    d.resultsName = first;
  }
  d.widthName = in.next();
  const std::string nText = in.next();
  if (in.ended()) {
    error = endsEarly(in.endedAt());
    return std::nullopt;
  }
  const auto n = parseWhole(nText);
  if (!n || *n < 0 || *n > ProjectState::kLayers + 1) {
    error = badCount(in.lineNumber(), nText);
    return std::nullopt;
  }
  for (long long r = 0; r < *n; ++r) {
    ProjectLayerRow row;
    row.rockType = in.next();
    row.name = in.next();
    row.thickness = in.next();
    d.layers.push_back(std::move(row));
  }
  if (d.formatLevel == 13) in.next();  // a line of that version that nothing reads
  d.depthH = in.next();
  d.d1 = in.next();
  d.d2 = in.next();
  d.boltCount = in.next();
  if (d.formatLevel > 11) {
    d.kName = in.next();
    d.knName = in.next();
  }
  d.rmrName = in.next();
  d.combinedSupport = in.next() == "TRUE";
  if (d.combinedSupport) d.qName = in.next();
  d.gammaName = in.next();
  d.sigmaRName = in.next();
  d.hasRmr = d.formatLevel > 16;
  if (d.hasRmr) {
    for (int t = 0; t < RmrTables::kTables && !in.ended(); ++t) {
      const std::string colsText = in.next();
      const size_t colsLine = in.lineNumber();
      const std::string rowsText = in.next();
      if (in.ended()) break;
      const auto cols = parseWhole(colsText);
      const auto rows = parseWhole(rowsText);
      if (!cols || *cols < 1 || *cols > kMaxStoredTableSize) {
        error = badCount(colsLine, colsText);
        return std::nullopt;
      }
      if (!rows || *rows < 1 || *rows > kMaxStoredTableSize) {
        error = badCount(colsLine + 1, rowsText);
        return std::nullopt;
      }
      GridTable& g = d.rmr.tables[t];
      g.resize(static_cast<int>(*cols), static_cast<int>(*rows));
      const int firstCell = t == RmrTables::kStrength ? 0 : 1;
      for (int r = firstCell; r < g.rows; ++r)
        for (int c = firstCell; c < g.cols; ++c) g.cell(r, c) = in.next();
    }
    d.rmr.sum = in.next();
    d.rmr.rockClass = in.next();
    d.rmr.rmr = in.next();
  }
  if (in.ended()) {
    error = endsEarly(in.endedAt());
    return std::nullopt;
  }
  return d;
}

std::optional<ProjectFileData> readProject(std::istream& in, Refusal& error) {
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) {
    error = fileMissing();
    return std::nullopt;
  }
  return parseProjectFile(ss.str(), error);
}

std::string openedResultsName(const ProjectFileData& d) {
  std::string name = d.resultsName;
  for (char& c : name)
    if (c == '_') c = ' ';
  return name + std::string(kVersionMarker) + d.versionText + "  /" + d.dateText + " )";
}
