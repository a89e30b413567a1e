#pragma once

#include <QObject>
#include <functional>

#include "project/ProjectState.h"
#include "reliability/Assessment.h"
#include "reliability/PressureLoop.h"
#include "shell/ChainMessages.h"

struct Services;
class ProjectModel;
class QProgressBar;
class QTableWidget;

/// The chain commands of the main window: the layer coefficient, the reduced strength, the bolt length,
/// the bolt load and the assessment, each on its own button (`ButBeta`, `BBRedPev`, `BBDelSvor`,
/// `BBZatSv`, `BBFunSpoj`), the whole chain (`SpocitatVse`, action `SpocitatVse1`, F9) and the result
/// chart buttons (`GrafRePe`, `GrafDeSv`, `GrafZaSv`, `GrafUnSv`, `GrafFS`). Each step runs its core
/// computation on the model, shows its messages through the dialog service, shows the result in the
/// chart window and announces the new results through the model.
class ChainController : public QObject {
  Q_OBJECT
 public:
  /// Finds the chain's controls in `window` by their object names and connects them.
  ChainController(Services& services, ProjectModel& model, QWidget* window);

  /// The assessment: bearing capacity, reliability function and verdict in the chart window's panel.
  /// Also run by the results reader and by a change of the standard in the chart window. False when
  /// it refused.
  bool runAssessment();
  /// The last assessment shown (valid while the project's assessmentDone).
  const AssessmentResult& assessment() const { return assessment_; }
  /// How the chain reads its inputs, as chosen in the settings menu.
  ChainReading readingOption() const;

  /// Shows the messages of a chain command in order and moves the focus as the last one asks.
  void showReport(const ChainReport& report);
  /// The focus goes to the input a message names (layer row `layerRow` of the layer table).
  void focusField(FocusField field, int layerRow);

 private:
  void computeLayerCoefficient();
  // The steps; each returns false when it refused (its message and focus are shown).
  bool computeReducedStrength();
  bool computeBoltLength();
  bool computeBoltLoad();
  /// Runs the four steps in order and stops at the first that refuses.
  void computeAll();
  // The result chart buttons: the result in the chart window while it is done.
  void chartReducedStrength();
  void chartBoltLength();
  void chartBoltLoad();
  void chartBearingCapacity();
  void chartReliability();

  void showInChart(Source source, const Histogram& h);
  /// Shows a step's messages; when it succeeded, its result in the chart window and the new results
  /// to the model. True when it succeeded.
  bool finishStep(const ChainReport& report, Source source, const Histogram& result);
  /// Runs a long loop with `bar` showing its progress; hidden again afterwards.
  ChainReport runWithProgress(QProgressBar* bar, const std::function<ChainReport(const LoopProgress&)>& run);

  Services& services_;
  ProjectModel& model_;
  QWidget* window_;
  QTableWidget* layerTable_;
  QProgressBar* boltLoadProgress_;
  QProgressBar* boltLengthProgress_;
  AssessmentResult assessment_;
};
