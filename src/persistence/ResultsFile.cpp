#include "persistence/ResultsFile.h"

#include <cstdio>

#include "persistence/ProjectFile.h"
#include "persistence/TaggedStream.h"
#include "reliability/InputChecks.h"
#include "shell/Dialogs.h"
#include "shell/NumberText.h"

double& recordDescriptor(Histogram& h, int i) {
  switch (i) {
    case 0:
      return h.count;
    case 1:
      return h.min;
    case 2:
      return h.max;
    case 3:
      return h.range;
    case 4:
      return h.step;
    default:
      return h.total;
  }
}

namespace {

const char* const kHistogramNames[kResHistogramCount] = {"width B",
                                                         "K",
                                                         "Kn",
                                                         "q",
                                                         "RMR",
                                                         "D = 1 - RMR/100",
                                                         "gamma",
                                                         "SigmaR",
                                                         "reduced strength",
                                                         "bolt length",
                                                         "bolt load",
                                                         "bearing capacity",
                                                         "reliability function"};
const char* const kFlagNames[5] = {"reducedStrengthDone", "boltLengthDone", "boltLoadDone",
                                   "bearingCapacityDone", "assessmentDone"};
const char* const kButtonNames[5] = {"GrafRePe", "GrafDeSv", "GrafZaSv", "GrafUnSv", "GrafFS"};
const char* const kDescriptorNames[kRecordDescriptors] = {"count", "min", "max", "range", "step", "total"};

// The name of a value, built into text only for listings and messages.
struct Name {
  Name(const char* a_, int i_ = -1, const char* b_ = nullptr, int j_ = -1, const char* c_ = nullptr,
       int k_ = -1)
      : a(a_), i(i_), b(b_), j(j_), c(c_), k(k_) {}
  const char* a;
  int i;
  const char* b;
  int j;
  const char* c;
  int k;
  std::string str() const {
    std::string s = a;
    if (i >= 0) s += " " + std::to_string(i);
    if (b) s += std::string(" ") + b;
    if (j >= 0) s += " " + std::to_string(j);
    if (c) s += std::string(" ") + c;
    if (k >= 0) s += " " + std::to_string(k);
    return s;
  }
};

ResultsValue value(const std::string& name, std::uint8_t tag, const char* kind) {
  ResultsValue r;
  r.name = name;
  r.tag = tag;
  r.kind = kind;
  return r;
}

// Reads values in order and, when asked, lists each with its name; the first fault stops all.
class Walker {
 public:
  Walker(std::string_view bytes, std::vector<ResultsValue>* listing)
      : bytes_(bytes), in_(bytes), listing_(listing) {}

  long long integer(const Name& name) {
    return take(name, "integer", &TaggedReader::readInteger, &ResultsValue::integer);
  }
  double real(const Name& name) { return take(name, "real", &TaggedReader::readReal, &ResultsValue::real); }
  bool boolean(const Name& name) {
    return take(name, "boolean", &TaggedReader::readBool, &ResultsValue::boolean);
  }
  std::string text(const Name& name) {
    return take(name, "text", &TaggedReader::readText, &ResultsValue::text);
  }
  void histogram(const char* name, Histogram& h) {
    const std::size_t first = in_.valueIndex() + 1;
    for (int i = 0; i < kRecordDescriptors; ++i)
      recordDescriptor(h, i) = real({name, -1, kDescriptorNames[i]});
    for (int b = 0; b < kMaxBins && ok(); ++b) h.p[b] = real({name, -1, "bin", b + 1});
    check(name, h, first, first + kRecordDescriptors);
  }
  /// Refuses a histogram record that is neither sound nor the untouched record of an empty slot;
  /// `descriptorAt` and `binsAt` are the value numbers of its count and of its first bin.
  void check(const std::string& name, const Histogram& h, std::size_t descriptorAt, std::size_t binsAt) {
    if (!ok() || isEmptyRecord(h)) return;
    const auto fault = checkHistogramRecord(h);
    if (!fault) return;
    std::size_t at = binsAt;  // the sum of the bins is named by the first bin
    for (int i = 0; i < kRecordDescriptors; ++i)
      if (fault->field == kDescriptorNames[i]) at = descriptorAt + i;
    if (fault->field.rfind("bin ", 0) == 0) at = binsAt + std::stoul(fault->field.substr(4)) - 1;
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", fault->value);
    badValueAt(name + " " + fault->field, text, at);
  }
  /// A count that sizes a table: refused unless 1 .. kMaxStoredTableSize.
  int count(const Name& name) {
    const long long v = integer(name);
    if (ok() && (v < 1 || v > kMaxStoredTableSize)) badValue(name.str(), std::to_string(v));
    return ok() ? static_cast<int>(v) : 1;
  }
  void badValue(const std::string& name, const std::string& value) {
    badValueAt(name, value, in_.valueIndex());
  }
  void badValueAt(const std::string& name, const std::string& value, std::size_t index) {
    if (!badName_.empty() || !in_.ok()) return;
    badName_ = name;
    badText_ = value;
    badIndex_ = index;
  }

  /// Refuses bytes after the last value.
  void end() {
    if (ok() && !in_.atEnd()) trailing_ = bytes_.size() - in_.offset();
  }

  bool ok() const { return in_.ok() && badName_.empty() && trailing_ == 0; }
  std::size_t valueIndex() const { return in_.valueIndex(); }

  Refusal error() const {
    if (trailing_ != 0) {
      const std::string at = std::to_string(in_.offset()), n = std::to_string(trailing_);
      // The two languages name the byte and the count in different order: the end is a text apart.
      Refusal r = fileDamaged(RefusalText::ResultsTrailingBytes, {std::to_string(in_.valueIndex()), at});
      r.then.push_back(ownRefusal(RefusalText::ResultsTrailingBytesEnd, {n, at}));
      return r;
    }
    if (!badName_.empty()) {
      const std::string i = std::to_string(badIndex_);
      return fileDamaged(RefusalText::ResultsOutOfRange, {i, badName_, badText_});
    }
    const std::string i = std::to_string(in_.valueIndex());
    const std::string at = std::to_string(in_.faultOffset());
    switch (in_.fault()) {
      case TaggedFault::EndsEarly:
        return fileDamaged(RefusalText::ResultsEndsEarly, {i, lastName_, at});
      case TaggedFault::UnexpectedTag: {
        const std::string t = std::to_string(in_.faultTag());
        return fileDamaged(RefusalText::ResultsUnexpectedType, {t, i, lastName_, at});
      }
      case TaggedFault::BadUtf8:
        return fileDamaged(RefusalText::ResultsBadUtf8, {i, lastName_, at});
      default:
        return fileDamaged(RefusalText::ResultsBadTextLength, {i, lastName_});
    }
  }

 private:
  std::string_view bytes_;
  TaggedReader in_;
  std::size_t trailing_ = 0;
  std::vector<ResultsValue>* listing_;
  std::string lastName_;
  std::string badName_, badText_;
  std::size_t badIndex_ = 0;

  // Reads one value and, when listing, adds a row with the value in `field`.
  template <class T, class F>
  T take(const Name& name, const char* kind, T (TaggedReader::*read)(), F ResultsValue::*field) {
    if (!ok()) return T{};
    const auto tag = static_cast<std::uint8_t>(in_.peekTag());
    T v = (in_.*read)();
    note(name);
    if (listing_ && in_.ok()) {
      ResultsValue r = value(name.str(), tag, kind);
      r.*field = v;
      listing_->push_back(std::move(r));
    }
    return v;
  }
  void note(const Name& name) {
    if (in_.ok()) return;
    if (lastName_.empty()) lastName_ = name.str();
  }
};

// The one walk over the layout shared by reading and listing.
void walk(Walker& w, ResultsFileData& d) {
  const std::string first = w.text("header");
  if (!w.ok()) return;
  if (first == "POPIS DAT") {
    d.version = w.text("version");
    if (!w.ok()) return;
    const auto level = formatLevelFromVersion(d.version);
    if (!level) {
      w.badValue("version", d.version);
      return;
    }
    d.formatLevel = *level;
    d.storedPath = w.text("stored path");
  } else {
    d.formatLevel = 12;
    d.version.clear();
    d.storedPath = first;
  }
  const long long next = w.integer("nextLayerRow");
  if (w.ok() && (next < 1 || next > ProjectState::kLayers + 1))
    w.badValue("nextLayerRow", std::to_string(next));
  d.nextLayerRow = static_cast<int>(next);
  d.bStar = w.real("B*");
  d.beta = w.real("Beta");
  d.layerCols = w.count("layer table columns");
  d.layerRows = w.count("layer table rows");
  d.layerCells.clear();
  for (int r = 1; r < d.layerRows && w.ok(); ++r)
    for (int c = 1; c < d.layerCols && w.ok(); ++c)
      d.layerCells.push_back(w.text({"layer table row", r, "column", c}));
  d.bStarText = w.text("EdB_H");
  d.twoBStarText = w.text("EdB_2H");
  if (d.formatLevel == 13) d.level13Text = w.text("EdH (older layout)");
  d.depthH = w.text("EdH");
  d.betaText = w.text("EdBeta");
  d.widthName = w.text("width name");
  if (d.formatLevel > 11) {
    if (d.formatLevel == 13) d.level13Combined = w.boolean("combined support (older layout)");
    d.kName = w.text("K name");
    d.knName = w.text("Kn name");
  }
  d.combinedSupport = w.boolean("combined support");
  d.qName = w.text("q name");
  d.rmrName = w.text("RMR name");
  d.gammaName = w.text("gamma name");
  d.d1 = w.text("EdPS");
  d.d2 = w.text("EdPSV");
  d.boltCount = w.text("EdPK");
  if (d.formatLevel > 12) d.rowSpacing = w.text("EdPSds");
  d.sigmaRName = w.text("SigmaR name");
  const std::size_t descriptorsAt = w.valueIndex() + 1;
  for (int l = 0; l < ProjectState::kLayers && w.ok(); ++l)
    for (int i = 0; i < kRecordDescriptors; ++i)
      recordDescriptor(d.layers[l], i) = w.real({"layer", l + 1, kDescriptorNames[i]});
  const std::size_t binsAt = w.valueIndex() + 1;
  for (int l = 0; l < ProjectState::kLayers && w.ok(); ++l)
    for (int b = 0; b < kMaxBins && w.ok(); ++b) d.layers[l].p[b] = w.real({"layer", l + 1, "bin", b + 1});
  for (int l = 0; l < ProjectState::kLayers && w.ok(); ++l)
    w.check("layer " + std::to_string(l + 1), d.layers[l], descriptorsAt + kRecordDescriptors * l,
            binsAt + kMaxBins * l);
  for (int h = 0; h < kResHistogramCount && w.ok(); ++h) {
    if (h == kResK && d.formatLevel <= 11) continue;
    if (h == kResKn && d.formatLevel <= 13) continue;
    w.histogram(kHistogramNames[h], d.histograms[h]);
  }
  for (int i = 0; i < 5; ++i) d.done[i] = w.boolean(kFlagNames[i]);
  for (int i = 0; i < 5; ++i) d.buttons[i] = w.boolean(kButtonNames[i]);
  for (int i = 0; i < 5; ++i) w.text({"reserved", i + 1});
  for (int t = 0; t < RmrTables::kTables && w.ok(); ++t) {
    const char* name = RmrTables::kNames[t].data();
    const int cols = w.count({name, -1, "columns"});
    const int rows = w.count({name, -1, "rows"});
    if (!w.ok()) break;
    GridTable& g = d.rmr.tables[t];
    g.resize(cols, rows);
    for (int r = 0; r < rows && w.ok(); ++r)
      for (int c = 0; c < cols && w.ok(); ++c) g.cell(r, c) = w.text({name, -1, "row", r, "column", c});
  }
  d.rmr.sum = w.text("Label3");
  d.rmr.rockClass = w.text("LTrida");
  d.rmr.rmr = w.text("LRMR");
}

std::optional<ResultsFileData> parseImpl(std::string_view bytes, Refusal& error,
                                         std::vector<ResultsValue>* listing) {
  Walker w(bytes, listing);
  ResultsFileData d;
  walk(w, d);
  w.end();
  if (!w.ok()) {
    error = w.error();
    return std::nullopt;
  }
  return d;
}

double parseBeta(const std::string& text) { return parseInputNumber(text).value_or(0); }

// A text that starts with a number ("22E", "1.2.3", "900-"): blanks, a sign, then a digit or a point
// before a digit.
bool startsWithNumber(std::string_view t) {
  size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (i < t.size() && t[i] == '.') ++i;
  return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

// An earlier version read its number texts as far as they formed a number and stored its results
// computed so: such a text is replaced by that number, with a warning naming the field.
void readAsEarlierVersions(std::string& text, Refusal field, std::vector<Refusal>& out) {
  if (text.empty() || parseInputNumber(text) || !startsWithNumber(text)) return;
  const std::string number = formatNumber(leadingNumber(text));
  Refusal m = ownRefusal(RefusalText::ReadAsEarlierVersion, {text});
  m.then = {std::move(field), ownRefusal(RefusalText::ReadAsEarlierVersionEnd, {number})};
  m.kind = DlgKind::Warning;
  out.push_back(std::move(m));
  text = number;
}

}  // namespace

std::string ResultsFileData::layerCell(int row, int col) const {
  if (row < 1 || col < 1 || row >= layerRows || col >= layerCols) return {};
  const size_t i = static_cast<size_t>(row - 1) * (layerCols - 1) + (col - 1);
  return i < layerCells.size() ? layerCells[i] : std::string();
}

ResultsFileData resultsFileFromState(const ProjectState& p, const RmrTables& rmr,
                                     const std::array<bool, 5>& buttons, const Histogram& workD,
                                     std::string_view programVersion, std::string_view storedPath) {
  ResultsFileData d;
  d.formatLevel = kCurrentFormatLevel;
  d.version = std::string(programVersion);
  d.storedPath = std::string(storedPath);
  d.nextLayerRow = p.nextLayerRow;
  d.bStar = p.bStar;
  d.beta = p.betaValue > 0 ? p.betaValue : parseBeta(p.beta);
  d.layerCols = 5;
  d.layerRows = ProjectState::kLayers + 1;
  for (const auto& l : p.layers) {
    d.layerCells.push_back(l.rockType);
    d.layerCells.push_back(l.name);
    d.layerCells.push_back(l.thickness);
    d.layerCells.push_back({});  // the chart column
  }
  d.bStarText = p.bStarText;
  d.twoBStarText = p.twoBStarText;
  d.depthH = p.depthH;
  d.betaText = p.beta;
  d.widthName = p.width.name;
  d.kName = p.k.name;
  d.knName = p.kn.name;
  d.combinedSupport = p.combinedSupport;
  d.qName = p.q.name;
  d.rmrName = p.rmr.name;
  d.gammaName = p.gamma.name;
  d.d1 = p.d1;
  d.d2 = p.d2;
  d.boltCount = p.boltCount;
  d.rowSpacing = p.rowSpacing;
  d.sigmaRName = p.sigmaR.name;
  for (int l = 0; l < ProjectState::kLayers; ++l) d.layers[l] = p.layers[l].histogram;
  d.histograms[kResWidth] = p.width.histogram;
  d.histograms[kResK] = p.k.histogram;
  d.histograms[kResKn] = p.kn.histogram;
  d.histograms[kResQ] = p.q.histogram;
  d.histograms[kResRmr] = p.rmr.histogram;
  d.histograms[kResWorkD] = workD;
  d.histograms[kResGamma] = p.gamma.histogram;
  d.histograms[kResSigmaR] = p.sigmaR.histogram;
  d.histograms[kResReducedStrength] = p.reducedStrength;
  d.histograms[kResBoltLength] = p.boltLength;
  d.histograms[kResBoltLoad] = p.boltLoad;
  d.histograms[kResBearingCapacity] = p.bearingCapacity;
  d.histograms[kResReliability] = p.reliabilityFunction;
  d.done = {p.reducedStrengthDone, p.boltLengthDone, p.boltLoadDone, p.bearingCapacityDone, p.assessmentDone};
  d.buttons = buttons;
  d.rmr = rmr;
  return d;
}

std::string formatResultsFile(const ResultsFileData& d) {
  TaggedWriter w;
  w.writeText("POPIS DAT");
  w.writeText(d.version);
  w.writeText(d.storedPath);
  w.writeInteger(d.nextLayerRow);
  w.writeReal(d.bStar);
  w.writeReal(d.beta);
  w.writeInteger(d.layerCols);
  w.writeInteger(d.layerRows);
  for (int r = 1; r < d.layerRows; ++r)
    for (int c = 1; c < d.layerCols; ++c) w.writeText(d.layerCell(r, c));
  w.writeText(d.bStarText);
  w.writeText(d.twoBStarText);
  w.writeText(d.depthH);
  w.writeText(d.betaText);
  w.writeText(d.widthName);
  w.writeText(d.kName);
  w.writeText(d.knName);
  w.writeBool(d.combinedSupport);
  for (const std::string* s :
       {&d.qName, &d.rmrName, &d.gammaName, &d.d1, &d.d2, &d.boltCount, &d.rowSpacing, &d.sigmaRName})
    w.writeText(*s);
  for (auto l : d.layers)
    for (int i = 0; i < kRecordDescriptors; ++i) w.writeReal(recordDescriptor(l, i));
  for (const auto& l : d.layers)
    for (double p : l.p) w.writeReal(p);
  for (auto h : d.histograms) {
    for (int i = 0; i < kRecordDescriptors; ++i) w.writeReal(recordDescriptor(h, i));
    for (double p : h.p) w.writeReal(p);
  }
  for (bool b : d.done) w.writeBool(b);
  for (bool b : d.buttons) w.writeBool(b);
  for (int i = 0; i < 5; ++i) w.writeText(kReservedText);
  for (const GridTable& g : d.rmr.tables) {
    w.writeInteger(g.cols);
    w.writeInteger(g.rows);
    for (const auto& c : g.cells) w.writeText(c);
  }
  w.writeText(d.rmr.sum);
  w.writeText(d.rmr.rockClass);
  w.writeText(d.rmr.rmr);
  return w.bytes();
}

std::optional<ResultsFileData> parseResultsFile(std::string_view bytes, Refusal& error) {
  return parseImpl(bytes, error, nullptr);
}

std::vector<ResultsValue> listResultsValues(std::string_view bytes, Refusal& error) {
  std::vector<ResultsValue> out;
  parseImpl(bytes, error, &out);
  return out;
}

std::string resultsNameFromPath(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  for (char& c : name)
    if (c == '_') c = ' ';
  const size_t dot = name.find('.');
  return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::vector<Refusal> openResultsInto(const ResultsFileData& d, ProjectState& p, RmrTables& rmr,
                                     Histogram& workD) {
  p.resultsName = resultsNameFromPath(d.storedPath);
  p.nextLayerRow = d.nextLayerRow;
  p.bStar = d.bStar;
  p.twoBStar = 2 * d.bStar;
  for (int r = 1; r <= ProjectState::kLayers; ++r) {
    LayerSlot& l = p.layers[r - 1];
    l.rockType = d.layerCell(r, 1);
    l.name = d.layerCell(r, 2);
    l.thickness = d.layerCell(r, 3);
    l.histogram = d.layers[r - 1];
  }
  p.bStarText = d.bStarText;
  p.twoBStarText = d.twoBStarText;
  p.depthH = d.depthH;
  p.beta = d.betaText;
  p.betaValue = d.beta;
  p.width.name = d.widthName;
  if (d.formatLevel > 11) {
    p.k.name = d.kName;
    p.kn.name = d.knName;
  }
  p.combinedSupport = d.combinedSupport;
  p.q.name = d.qName;
  p.rmr.name = d.rmrName;
  p.gamma.name = d.gammaName;
  p.d1 = d.d1;
  p.d2 = d.d2;
  p.boltCount = d.boltCount;
  if (d.formatLevel > 12) p.rowSpacing = d.rowSpacing;
  p.sigmaR.name = d.sigmaRName;
  p.width.histogram = d.histograms[kResWidth];
  if (d.formatLevel > 11) p.k.histogram = d.histograms[kResK];
  if (d.formatLevel > 13) p.kn.histogram = d.histograms[kResKn];
  p.q.histogram = d.histograms[kResQ];
  p.rmr.histogram = d.histograms[kResRmr];
  workD = d.histograms[kResWorkD];
  p.gamma.histogram = d.histograms[kResGamma];
  p.sigmaR.histogram = d.histograms[kResSigmaR];
  p.reducedStrength = d.histograms[kResReducedStrength];
  p.boltLength = d.histograms[kResBoltLength];
  p.boltLoad = d.histograms[kResBoltLoad];
  // The file does not say how R, L and S were made; settleStoredReading finds out.
  p.reducedStrengthReading = InputReading::Uniform;
  p.boltLengthReading = p.boltLoadReading = ChainReading{};
  p.boltLoadReadingKnown = true;
  p.bearingCapacity = d.histograms[kResBearingCapacity];
  p.reliabilityFunction = d.histograms[kResReliability];
  p.reducedStrengthDone = d.done[0];
  p.boltLengthDone = d.done[1];
  p.boltLoadDone = d.done[2];
  p.bearingCapacityDone = d.done[3];
  p.assessmentDone = d.done[4];
  rmr = d.rmr;

  std::vector<Refusal> read;
  if (d.formatLevel < kCurrentFormatLevel) {
    for (int r = 1; r <= ProjectState::kLayers; ++r)
      readAsEarlierVersions(p.layers[r - 1].thickness,
                            ownRefusal(RefusalText::LayerThicknessField, {std::to_string(r)}), read);
    readAsEarlierVersions(p.depthH, numberedRefusal(0, {}, "H"), read);
    readAsEarlierVersions(p.d1, numberedRefusal(0, {}, "d1"), read);
    readAsEarlierVersions(p.d2, numberedRefusal(0, {}, "d2"), read);
    readAsEarlierVersions(p.boltCount, numberedRefusal(0, {}, "n"), read);
    readAsEarlierVersions(p.rowSpacing, numberedRefusal(0, {}, "ds"), read);
  }
  return read;
}
