// The computation chain of the main window: layer coefficient, reduced strength, bolt length, bolt
// load and the reliability assessment, each on its own button.

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/MainWindow.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

void MainWindow::setupChain() {
  connect(ButBeta_, &QPushButton::clicked, this, &MainWindow::ButBetaClick);
  connect(BBRedPev_, &QPushButton::clicked, this, &MainWindow::BBRedPevClick);
  connect(BBDelSvor_, &QPushButton::clicked, this, &MainWindow::BBDelSvorClick);
  connect(BBZatSv_, &QPushButton::clicked, this, &MainWindow::BBZatSvorClick);
  connect(BBFunSpoj_, &QPushButton::clicked, this, &MainWindow::BBFunSpojClick);
  connect(SpocitatVse_, &QPushButton::clicked, this, &MainWindow::SpocitatVseClick);
  connect(actSpocitatVse, &QAction::triggered, this, &MainWindow::SpocitatVseClick);
  connect(GrafRePe_, &QPushButton::clicked, this, &MainWindow::GrafRePeClick);
  connect(GrafDeSv_, &QPushButton::clicked, this, &MainWindow::GrafDeSvClick);
  connect(GrafZaSv_, &QPushButton::clicked, this, &MainWindow::GrafZaSvClick);
  connect(GrafUnSv_, &QPushButton::clicked, this, &MainWindow::GrafUnSvClick);
  connect(GrafFS_, &QPushButton::clicked, this, &MainWindow::GrafFSClick);
}

void MainWindow::showChainReport(const ChainReport& report) {
  const Language language = services_.language();
  for (const Refusal& m : report.messages) {
    std::string rowLabel;
    if (m.layerRow > 0)
      if (const QTableWidgetItem* it = StrGrHorn_->item(m.layerRow, 0)) rowLabel = it->text().toStdString();
    messageDialog(MessageText(titleNumberOf(m.kind), language), m.text(language, rowLabel), m.kind,
                  DlgButtons::Ok, mrOk);
    focusChainField(m.focus, m.layerRow);
  }
}

void MainWindow::focusChainField(FocusField field, int layerRow) {
  switch (field) {
    case FocusField::None:
      break;
    case FocusField::EdH:
      EdH_->setFocus();
      break;
    case FocusField::EdPS:
      EdPS_->setFocus();
      break;
    case FocusField::EdPSV:
      EdPSV_->setFocus();
      break;
    case FocusField::EdPK:
      EdPK_->setFocus();
      break;
    case FocusField::EdPSds:
      EdPSds_->setFocus();
      break;
    case FocusField::LayerTable:
      StrGrHorn_->setFocus();
      if (layerRow > 0) StrGrHorn_->setCurrentCell(layerRow, 3);
      break;
  }
}

ChainReport MainWindow::runWithProgress(QProgressBar* bar,
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

void MainWindow::ButBetaClick() {
  const ChainReport report = runLayerCoefficient(project_);
  refreshInputArea();
  StrGrHorn_->setCurrentCell(-1, -1);
  showChainReport(report);
}

bool MainWindow::BBRedPevClick() {
  const ChainReport report = runReducedStrength(project_, chainReadingOption().inputs);
  showChainReport(report);
  if (!report.ok) return false;
  showInChart(kSrcReducedStrength, project_.reducedStrength, {}, 0);
  updateResultButtons();
  return true;
}

ChainReading MainWindow::chainReadingOption() const {
  const DisplayOptions& o = services_.options;
  return {o.pairUpperEdges ? PairValues::UpperEdges : PairValues::Centres,
          o.inputCentres ? InputReading::Centres : InputReading::Uniform};
}

bool MainWindow::BBDelSvorClick() {
  const ChainReport report = runWithProgress(ProgressBar2_, [this](const LoopProgress& progress) {
    return runBoltLength(project_, progress, 0, chainReadingOption());
  });
  showChainReport(report);
  if (!report.ok) return false;
  showInChart(kSrcBoltLength, project_.boltLength, {}, 0);
  updateResultButtons();
  return true;
}

bool MainWindow::BBZatSvorClick() {
  const ChainReport report = runWithProgress(ProgressBar1_, [this](const LoopProgress& progress) {
    return runBoltLoad(project_, progress, 0, chainReadingOption());
  });
  showChainReport(report);
  if (!report.ok) return false;
  showInChart(kSrcBoltLoad, project_.boltLoad, {}, 0);
  updateResultButtons();
  return true;
}

void MainWindow::SpocitatVseClick() {
  for (bool (MainWindow::*step)() : {&MainWindow::BBRedPevClick, &MainWindow::BBDelSvorClick,
                                     &MainWindow::BBZatSvorClick, &MainWindow::BBFunSpojClick})
    if (!(this->*step)()) return;
}

bool MainWindow::BBFunSpojClick() {
  const Windows& windows = services_.windows;
  const DesignStandard standard = windows.assessmentStandard();
  AssessmentResult a;
  const ChainReport report = runAssessment(project_, standard, services_.language(), a);
  showChainReport(report);
  updateResultButtons();
  if (!report.ok) return false;
  assessment_ = a;
  showInChart(kSrcBearingCapacity, project_.bearingCapacity, {}, 0);
  windows.setFailureProbability(a.pf);
  showInChart(kSrcReliability, project_.reliabilityFunction, {}, 0);
  windows.showAssessment(a);
  setSaveEnabled("SaveVysl1", true);
  if (auto* b = findChild<QAbstractButton*>(u"SaveVysl"_s)) b->setEnabled(true);
  return true;
}

void MainWindow::GrafRePeClick() {
  if (project_.reducedStrengthDone) showInChart(kSrcReducedStrength, project_.reducedStrength, {}, 0);
}

void MainWindow::GrafDeSvClick() {
  if (project_.boltLengthDone) showInChart(kSrcBoltLength, project_.boltLength, {}, 0);
}

void MainWindow::GrafZaSvClick() {
  if (project_.boltLoadDone) showInChart(kSrcBoltLoad, project_.boltLoad, {}, 0);
}

void MainWindow::GrafUnSvClick() {
  if (project_.bearingCapacityDone) showInChart(kSrcBearingCapacity, project_.bearingCapacity, {}, 0);
}

void MainWindow::GrafFSClick() {
  if (!project_.assessmentDone) return;
  services_.windows.setFailureProbability(assessment_.pf);
  showInChart(kSrcReliability, project_.reliabilityFunction, {}, 0);
  services_.windows.showAssessment(assessment_);
}
