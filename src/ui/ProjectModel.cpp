#include "ui/ProjectModel.h"

#include "design/PatternRanges.h"

void ProjectModel::invalidate(InvalidateFrom from) {
  state_.invalidate(from);
  emit resultsChanged();
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
