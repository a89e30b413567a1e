#include "persistence/OpenProject.h"

#include "ralvex/Ralvex.h"
#include "reliability/InputChecks.h"
#include "reliability/ReducedStrength.h"

const HistogramFileError* ProjectOpenReport::firstHistogramError() const {
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
  hooks.loadHistogram = [&](int source, int row, const std::string& path) {
    report.lastSource = source;
    if (source != kSrcLayer) report.lastHistogramFile = path;
    HistogramSlot* slot = p.slotForSource(source, row);
    if (!slot) return false;
    HistogramFileError error;
    auto h = ReadHistogramFile(path, error);
    if (!h) {
      report.events.push_back({Kind::HistogramRefused, error, {}});
      return false;
    }
    slot->histogram = *h;
    return true;
  };
  hooks.computeBStar = [&] {
    const auto b = bStarFromWidth(p.width.histogram);
    if (!b) {
      report.events.push_back({Kind::BStarRefused, {}, {}});
      return;
    }
    p.bStar = *b;
    p.twoBStar = 2 * *b;
    p.bStarText = ralvex::StrNaCarku(p.bStar);
    p.twoBStarText = ralvex::StrNaCarku(p.twoBStar);
    report.events.push_back({Kind::BStarComputed, {}, {}});
  };
  hooks.computeBeta = [&] { report.events.push_back({Kind::BetaComputed, {}, runLayerCoefficient(p)}); };
  openProjectInto(data, histogramsFolder, p, rmr, hooks);
  return report;
}
