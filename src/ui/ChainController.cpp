#include "ui/ChainController.h"

#include <QAbstractButton>
#include <QAction>
#include <QProgressBar>
#include <QTableWidget>
#include <QWidget>

#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/Refusal.h"
#include "ui/NamedWidget.h"
#include "ui/Notices.h"
#include "ui/ProjectModel.h"
#include "ui/Services.h"

ChainController::ChainController(Services& services, ProjectModel& model, QWidget* window)
    : QObject(window),
      services_(services),
      model_(model),
      window_(window),
      layerTable_(namedChild<QTableWidget>(window, "StrGrHorn")),
      boltLoadProgress_(namedChild<QProgressBar>(window, "ProgressBar1")),
      boltLengthProgress_(namedChild<QProgressBar>(window, "ProgressBar2")) {
  const auto onClick = [&](const char* button, auto handler) {
    connect(namedChild<QAbstractButton>(window, button), &QAbstractButton::clicked, this, handler);
  };
  onClick("ButBeta", &ChainController::computeLayerCoefficient);
  onClick("BBRedPev", &ChainController::computeReducedStrength);
  onClick("BBDelSvor", &ChainController::computeBoltLength);
  onClick("BBZatSv", &ChainController::computeBoltLoad);
  onClick("BBFunSpoj", &ChainController::runAssessment);
  onClick("SpocitatVse", &ChainController::computeAll);
  connect(namedChild<QAction>(window, "SpocitatVse1"), &QAction::triggered, this,
          &ChainController::computeAll);
  onClick("GrafRePe", &ChainController::chartReducedStrength);
  onClick("GrafDeSv", &ChainController::chartBoltLength);
  onClick("GrafZaSv", &ChainController::chartBoltLoad);
  onClick("GrafUnSv", &ChainController::chartBearingCapacity);
  onClick("GrafFS", &ChainController::chartReliability);
}

void ChainController::showReport(const ChainReport& report) {
  const Language language = services_.language();
  for (const Refusal& m : report.messages) {
    std::string rowLabel;
    if (m.layerRow > 0)
      if (const QTableWidgetItem* it = layerTable_->item(m.layerRow, 0)) rowLabel = it->text().toStdString();
    showRefusal(language, m, rowLabel);
    focusField(m.focus, m.layerRow);
  }
}

void ChainController::focusField(FocusField field, int layerRow) {
  const char* edit = nullptr;
  switch (field) {
    case FocusField::None:
      return;
    case FocusField::EdH:
      edit = "EdH";
      break;
    case FocusField::EdPS:
      edit = "EdPS";
      break;
    case FocusField::EdPSV:
      edit = "EdPSV";
      break;
    case FocusField::EdPK:
      edit = "EdPK";
      break;
    case FocusField::EdPSds:
      edit = "EdPSds";
      break;
    case FocusField::LayerTable:
      layerTable_->setFocus();
      if (layerRow > 0) layerTable_->setCurrentCell(layerRow, 3);
      return;
  }
  if (auto* w = namedChild<QWidget>(window_, edit)) w->setFocus();
}

ChainReport ChainController::runWithProgress(QProgressBar* bar,
                                             const std::function<ChainReport(const LoopProgress&)>& run) {
  bar->setMinimum(1);
  bar->setMaximum(1);
  bar->setValue(1);
  bar->show();
  int shownPercent = -1;
  const ChainReport report = run([&](std::int64_t position, std::int64_t maximum) {
    // Repaint only when the bar would look different.
    const int percent = maximum > 0 ? static_cast<int>(100 * position / maximum) : 100;
    if (percent == shownPercent) return;
    shownPercent = percent;
    bar->setMaximum(100);
    bar->setValue(std::max(1, percent));
    bar->repaint();
  });
  bar->setValue(bar->minimum());
  bar->hide();
  return report;
}

ChainReading ChainController::readingOption() const {
  const DisplayOptions& o = services_.options;
  return {o.pairUpperEdges ? PairValues::UpperEdges : PairValues::Centres,
          o.inputCentres ? InputReading::Centres : InputReading::Uniform};
}

void ChainController::showInChart(Source source, const Histogram& h) {
  services_.windows.showHistogram(source, h, {}, 0);
}

void ChainController::computeLayerCoefficient() {
  const ChainReport report = runLayerCoefficient(model_.state());
  model_.inputsReplaced();
  layerTable_->setCurrentCell(-1, -1);
  showReport(report);
}

bool ChainController::finishStep(const ChainReport& report, Source source, const Histogram& result) {
  showReport(report);
  if (!report.ok) return false;
  showInChart(source, result);
  model_.resultsReplaced();
  return true;
}

bool ChainController::computeReducedStrength() {
  ProjectState& project = model_.state();
  const ChainReport report = runReducedStrength(project, readingOption().inputs);
  return finishStep(report, kSrcReducedStrength, project.reducedStrength);
}

bool ChainController::computeBoltLength() {
  ProjectState& project = model_.state();
  const ChainReport report = runWithProgress(boltLengthProgress_, [&](const LoopProgress& progress) {
    return runBoltLength(project, progress, 0, readingOption());
  });
  return finishStep(report, kSrcBoltLength, project.boltLength);
}

bool ChainController::computeBoltLoad() {
  ProjectState& project = model_.state();
  const ChainReport report = runWithProgress(boltLoadProgress_, [&](const LoopProgress& progress) {
    return runBoltLoad(project, progress, 0, readingOption());
  });
  return finishStep(report, kSrcBoltLoad, project.boltLoad);
}

void ChainController::computeAll() {
  for (bool (ChainController::*step)() :
       {&ChainController::computeReducedStrength, &ChainController::computeBoltLength,
        &ChainController::computeBoltLoad, &ChainController::runAssessment})
    if (!(this->*step)()) return;
}

bool ChainController::runAssessment() {
  ProjectState& project = model_.state();
  const DesignStandard standard = services_.windows.assessmentStandard();
  AssessmentResult a;
  const ChainReport report = ::runAssessment(project, standard, services_.language(), a);
  showReport(report);
  model_.resultsReplaced();
  if (!report.ok) return false;
  assessment_ = a;
  showInChart(kSrcBearingCapacity, project.bearingCapacity);
  chartReliability();
  setActionEnabled(window_, "SaveVysl1", true);
  if (auto* b = namedChild<QAbstractButton>(window_, "SaveVysl")) b->setEnabled(true);
  return true;
}

void ChainController::chartReducedStrength() {
  if (model_.state().reducedStrengthDone) showInChart(kSrcReducedStrength, model_.state().reducedStrength);
}

void ChainController::chartBoltLength() {
  if (model_.state().boltLengthDone) showInChart(kSrcBoltLength, model_.state().boltLength);
}

void ChainController::chartBoltLoad() {
  if (model_.state().boltLoadDone) showInChart(kSrcBoltLoad, model_.state().boltLoad);
}

void ChainController::chartBearingCapacity() {
  if (model_.state().bearingCapacityDone) showInChart(kSrcBearingCapacity, model_.state().bearingCapacity);
}

void ChainController::chartReliability() {
  if (!model_.state().assessmentDone) return;
  services_.windows.setFailureProbability(assessment_.pf);
  showInChart(kSrcReliability, model_.state().reliabilityFunction);
  services_.windows.showAssessment(assessment_);
}
