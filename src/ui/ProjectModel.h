#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "project/ProjectState.h"
#include "rmr/RmrTables.h"

/// The project the windows share: owns the `ProjectState` and the RMR tables and announces what changed of
/// it. Code that writes `state()` itself says what it changed (`inputsReplaced`, `resultsReplaced`, ...); the
/// windows follow the signals instead of being told by hand.
class ProjectModel : public QObject {
  Q_OBJECT
 public:
  explicit ProjectModel(QObject* parent = nullptr) : QObject(parent) {}

  ProjectState& state() { return state_; }
  const ProjectState& state() const { return state_; }

  /// The tables and labels of the RMR window as stored in project and results files.
  RmrTables& rmrTables() { return rmrTables_; }
  const RmrTables& rmrTables() const { return rmrTables_; }

  /// The inputs were written by someone other than the input area's own controls (a file read, a new
  /// project, a chain step, another window): the input area shows them again.
  void inputsReplaced() { emit inputsChanged(); }
  /// The results or their done flags changed.
  void resultsReplaced() { emit resultsChanged(); }
  /// A new project: everything empty but the rock type offer, no combined support, the results name
  /// `resultsName`, cleared RMR ratings, no files. Announces projectStarted, then what it replaced.
  void startNewProject(const std::string& resultsName);
  /// The RMR tables were replaced (new project, project or results file read).
  void rmrTablesReplaced() { emit rmrTablesChanged(); }
  /// Clears the done flags from `from` onwards (see ProjectState::invalidate).
  void invalidate(InvalidateFrom from);
  /// A histogram saved from the chart window names the slot of `source` (layer `layerRow`).
  void renameSlot(Source source, int layerRow, std::string name);
  /// The rock type offer list (ProjectState::rockTypes) is replaced by the rock type window's lines or
  /// by the stored list.
  void setRockTypes(std::vector<std::string> rockTypes);
  /// The count N of rock types written to the settings with the offer list: the rock type window's list
  /// starts with the first N items of the offer.
  int& rockTypeCount() { return rockTypeCount_; }
  /// n, d1 and ds [mm] of a designed bolt pattern become the bolt inputs; the bearing capacity and
  /// what follows fall.
  void takePattern(int boltCount, double d1, double rowSpacing);

  /// The project file last saved or opened and the results file since then; empty when none.
  const std::string& projectFile() const { return projectFile_; }
  const std::string& resultsFile() const { return resultsFile_; }
  void setFiles(std::string projectFile, std::string resultsFile);
  /// The work was saved, opened or started afresh (the unsaved-work check starts again).
  void workSaved() { emit fileStateChanged(); }

 signals:
  /// A new project was started (before inputsChanged and the others announce its contents).
  void projectStarted();
  /// The inputs changed other than through the input area's controls.
  void inputsChanged();
  /// The results or their done flags changed (a chain step, an invalidation, a file read).
  void resultsChanged();
  /// The bolt pattern inputs (d1, n, ds) were replaced by a designed pattern.
  void patternChanged();
  /// The slot of `source` (layer `layerRow`) has a new name.
  void slotRenamed(Source source, int layerRow);
  /// The rock type offer list was replaced.
  void rockTypesChanged();
  /// The file names or the saved state of the work changed.
  void fileStateChanged();
  /// The RMR tables were replaced as a whole.
  void rmrTablesChanged();

 private:
  ProjectState state_;
  RmrTables rmrTables_;
  int rockTypeCount_ = 0;
  std::string projectFile_;
  std::string resultsFile_;
};
