#include "ui/ProjectModel.h"

#include "design/PatternRanges.h"

void ProjectModel::invalidate(InvalidateFrom from) {
  state_.invalidate(from);
  emit resultsChanged();
}

void ProjectModel::renameSlot(Source source, int layerRow, std::string name) {
  if (HistogramSlot* slot = state_.slotForSource(source, layerRow)) slot->name = std::move(name);
  emit slotRenamed(source, layerRow);
}

void ProjectModel::startNewProject(const std::string& resultsName) {
  state_.clear();
  state_.combinedSupport = false;
  state_.resultsName = resultsName;
  state_.bStar = state_.twoBStar = 0;
  state_.bStarText.clear();
  state_.twoBStarText.clear();
  rmrTables_.clearRatings();
  projectFile_.clear();
  resultsFile_.clear();
  emit projectStarted();
  emit inputsChanged();
  emit rmrTablesChanged();
  emit fileStateChanged();
}

void ProjectModel::setRockTypes(std::vector<std::string> rockTypes) {
  state_.rockTypes = std::move(rockTypes);
  emit rockTypesChanged();
}

void ProjectModel::takePattern(int boltCount, double d1, double rowSpacing) {
  // The chain reads these fields with "." decimals, in either language.
  state_.boltCount = std::to_string(boltCount);
  state_.d1 = design::numberText(d1);
  state_.rowSpacing = design::numberText(rowSpacing);
  emit patternChanged();
  invalidate(InvalidateFrom::BearingCapacity);
}

void ProjectModel::setFiles(std::string projectFile, std::string resultsFile) {
  projectFile_ = std::move(projectFile);
  resultsFile_ = std::move(resultsFile);
  emit fileStateChanged();
}
