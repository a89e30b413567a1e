#include "persistence/OpenProject.h"

#include <algorithm>
#include <filesystem>

#include "persistence/ProjectOpenSteps.h"
#include "reliability/InputChecks.h"
#include "reliability/ReducedStrength.h"
#include "shell/Dialogs.h"
#include "shell/NumberText.h"

void openProjectInto(const ProjectFileData& d, const std::string& folder, ProjectState& p, RmrTables& rmr,
                     const ProjectOpenHooks& hooks) {
  p.invalidate(InvalidateFrom::All);
  p.resultsName = openedResultsName(d);

  auto load = [&](HistogramSlot& slot, Source source, int row, const std::string& name) -> bool {
    slot.name = name;
    if (name.empty()) return false;
    const std::string path = projectHistogramPath(folder, name);
    const bool ok = hooks.loadHistogram && hooks.loadHistogram(source, row, path);
    if (!ok) slot.histogram = Histogram{};  // the name stays; nothing stale is computed with
    return ok;
  };

  if (load(p.width, kSrcWidth, 0, d.widthName) && hooks.computeBStar) hooks.computeBStar();

  const int n = static_cast<int>(d.layers.size());
  p.nextLayerRow = std::max(1, std::min(n, ProjectState::kLayers + 1));
  for (int r = 1; r <= ProjectState::kLayers; ++r) {
    LayerSlot& l = p.layers[r - 1];
    if (r > n) {  // rows the file does not hold are emptied
      l.rockType.clear();
      l.name.clear();
      l.thickness.clear();
      l.histogram = Histogram{};
      continue;
    }
    const ProjectLayerRow& row = d.layers[r - 1];
    l.rockType = row.rockType;
    if (load(l, kSrcLayer, r, row.name) && r == p.nextLayerRow && p.nextLayerRow <= ProjectState::kLayers)
      ++p.nextLayerRow;
    l.thickness = row.thickness;
  }
  if (hooks.computeBeta) hooks.computeBeta();

  p.depthH = d.depthH;
  p.d1 = d.d1;
  p.d2 = d.d2;
  p.boltCount = d.boltCount;
  if (d.formatLevel > 11) {
    load(p.k, kSrcK, 0, d.kName);
    load(p.kn, kSrcKn, 0, d.knName);
  }
  load(p.rmr, kSrcRmr, 0, d.rmrName);
  p.combinedSupport = d.combinedSupport;
  if (d.combinedSupport) {
    load(p.q, kSrcQ, 0, d.qName);
  } else {
    p.q.name.clear();
    p.q.histogram = Histogram{};
  }
  load(p.gamma, kSrcGamma, 0, d.gammaName);
  load(p.sigmaR, kSrcSigmaR, 0, d.sigmaRName);

  // The file's RMR tables replace the window's; a file without them leaves them cleared.
  RmrTables cleared = rmr;
  cleared.clearRatings();
  rmr = d.hasRmr ? d.rmr : cleared;
  if (d.hasRmr) {
    // Header cells are not stored for the rating tables: keep the window's own.
    for (int t = 0; t < RmrTables::kStrength; ++t) {
      GridTable& g = rmr.tables[t];
      const GridTable& own = cleared.tables[t];
      for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.cols; ++c)
          if ((r == 0 || c == 0) && r < own.rows && c < own.cols) g.cell(r, c) = own.cell(r, c);
    }
  }
}

std::string projectHistogramPath(const std::string& histogramsFolder, const std::string& name) {
  return !name.empty() && name.front() == '/' ? name : histogramsFolder + "/" + name;
}

std::string shownHistogramName(const std::string& histogramsFolder, const std::string& name) {
  const std::filesystem::path p(name);
  const bool leaves =
      p.is_absolute() || std::any_of(p.begin(), p.end(), [](const auto& c) { return c == ".."; });
  if (!leaves) return name;
  return std::filesystem::path(projectHistogramPath(histogramsFolder, name)).lexically_normal().string();
}

const Refusal* ProjectOpenReport::firstHistogramError() const {
  for (const ProjectOpenEvent& e : events)
    if (e.kind == ProjectOpenEvent::Kind::HistogramRefused) return &e.histogramError;
  return nullptr;
}

bool ProjectOpenReport::bStarRefused() const {
  for (const ProjectOpenEvent& e : events)
    if (e.kind == ProjectOpenEvent::Kind::BStarRefused) return true;
  return false;
}

ProjectOpenReport openProject(const ProjectFileData& data, const std::string& histogramsFolder,
                              ProjectState& p, RmrTables& rmr) {
  using Kind = ProjectOpenEvent::Kind;
  ProjectOpenReport report;
  ProjectOpenHooks hooks;
  hooks.loadHistogram = [&](Source source, int row, const std::string& path) {
    report.lastSource = source;
    if (source != kSrcLayer) report.lastHistogramFile = path;
    HistogramSlot* slot = p.slotForSource(source, row);
    if (!slot) return false;
    Refusal error;
    auto h = ReadHistogramFile(path, error);
    if (!h) {
      report.events.push_back({Kind::HistogramRefused, error, {}, source, row, path});
      return false;
    }
    slot->histogram = *h;
    report.events.push_back({Kind::HistogramRead, {}, {}, source, row, path});
    return true;
  };
  hooks.computeBStar = [&] {
    const auto b = bStarFromWidth(p.width.histogram);
    if (!b) {
      report.events.push_back({Kind::BStarRefused, {}, {}, kSrcWidth, 0, {}});
      return;
    }
    p.bStar = *b;
    p.twoBStar = 2 * *b;
    p.bStarText = formatNumber(p.bStar);
    p.twoBStarText = formatNumber(p.twoBStar);
    report.events.push_back({Kind::BStarComputed, {}, {}, kSrcWidth, 0, {}});
  };
  hooks.computeBeta = [&] {
    report.events.push_back({Kind::BetaComputed, {}, runLayerCoefficient(p), kSrcLayer, 0, {}});
  };
  openProjectInto(data, histogramsFolder, p, rmr, hooks);
  report.inputs = typedInputMessages(p);
  return report;
}
