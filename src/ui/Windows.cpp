#include "ui/Windows.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>
#include <QUrl>

#include "ui/AboutWindow.h"
#include "ui/ChainController.h"
#include "ui/ChartWindow.h"
#include "ui/DesignWindow.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/FitTableWindow.h"
#include "ui/HelpInfoWindow.h"
#include "ui/InputArea.h"
#include "ui/MainWindow.h"
#include "ui/NewHistogramWindow.h"
#include "ui/ParametricWindow.h"
#include "ui/ProjectFiles.h"
#include "ui/RawDataWindow.h"
#include "ui/RmrWindow.h"
#include "ui/RockTypesWindow.h"
#include "ui/SensitivityWindow.h"
#include "ui/Services.h"
#include "ui/SettingsListingWindow.h"
#include "ui/SimpleWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"
#include "ui/WindowTable.h"

namespace {

// Every window of the table that derives from SimpleWindow.
template <typename F>
void forEachSimpleWindow(const Windows& w, F f) {
  for (const WindowEntry& e : windowTable())
    if (auto* simple = qobject_cast<SimpleWindow*>(e.find(w))) f(*simple);
}

// Every window of the table but the main window, with its row.
template <typename F>
void forEachOtherWindow(const Windows& w, F f) {
  for (const WindowEntry& e : windowTable())
    if (e.number != 1)
      if (QWidget* window = e.find(w)) f(*window, e);
}

// The window of `member` (table row `number`), made now when it is made on first opening.
template <typename W>
W* opened(const Windows& w, W* Windows::*member, int number) {
  if (!(w.*member) && w.createOnFirstOpen) w.createOnFirstOpen(number);
  return w.*member;
}

void showOverMain(const Windows& w, QWidget* window) {
  w.setMainEnabled(false);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

ProjectState* Windows::project() const { return main ? &main->project() : nullptr; }

ProjectModel* Windows::projectModel() const { return main ? &main->model() : nullptr; }

void Windows::runAssessment() const {
  if (main) main->chain().runAssessment();
}

DesignStandard Windows::assessmentStandard() const {
  return chart ? chart->assessmentStandard() : DesignStandard::En1990;
}

void Windows::setFailureProbability(double pf) const {
  if (chart) chart->SetFailureProbability(pf);
}

void Windows::showAssessment(const AssessmentResult& a) const {
  if (chart) chart->ShowAssessment(a);
}

void Windows::showHistogram(Source source, const Histogram& h, const std::string& name, int layerRow) const {
  if (chart) chart->Fill(source, h, name, layerRow);
}

std::vector<std::string> Windows::rockTypeLines(const std::vector<std::string>& fallback) const {
  return rockTypes ? rockTypes->editLines() : fallback;
}

void Windows::openRockTypes() const {
  if (rockTypes) rockTypes->openFromMain();
}

void Windows::selectAxis(bool index) const {
  // Item 0 of the chart windows' selector is the index, item 1 the value.
  const int item = index ? 0 : 1;
  QWidget* charts[] = {chart, parametric, rawData};
  for (QWidget* w : charts) {
    if (!w) continue;
    if (auto* cb = w->findChild<QComboBox*>(QStringLiteral("CBValInd")); cb && item < cb->count()) {
      const QSignalBlocker block(cb);
      cb->setCurrentIndex(item);
    }
  }
}

bool Windows::showHelpInfo() const {
  if (!opened(*this, &Windows::helpInfo, 11)) return false;
  setMainEnabled(false);
  helpInfo->show();
  helpInfo->raise();
  return true;
}

void Windows::helpViewerConfirmed() const {
  if (main) main->helpViewerConfirmed();
}

bool Windows::openUrl(const std::string& url) const {
  return main && main->urlOpener && main->urlOpener(QUrl(QString::fromStdString(url)));
}

void Windows::setMainEnabled(bool enabled) const {
  if (main) main->setEnabled(enabled);
}

void Windows::openAbout() const {
  if (opened(*this, &Windows::about, 2)) showOverMain(*this, about);
}

bool Windows::openSettingsListing(const std::string& path) const {
  if (!opened(*this, &Windows::settingsListing, 7) || !settingsListing->loadFile(path)) return false;
  settingsListing->show();
  settingsListing->raise();
  return true;
}

void Windows::openCreationWindow(int item) const {
  // The creation windows reset themselves when they are shown.
  if (item == 2) {
    openNewHistogramWindow();  // it disables the main window itself
    return;
  }
  QWidget* w = item == 0   ? static_cast<QWidget*>(parametric)
               : item == 1 ? static_cast<QWidget*>(rawData)
                           : nullptr;
  if (w) showOverMain(*this, w);
}

void Windows::applyTexts(Language lang) const {
  forEachOtherWindow(*this, [lang](QWidget& w, const WindowEntry& e) { ::applyTexts(w, e.number, lang); });
}

void Windows::presetPlaces() const {
  // A window made later would take its old stored place: make it now and place it.
  if (createOnFirstOpen)
    for (const WindowEntry& e : windowTable())
      if (e.onFirstOpen && !e.find(*this)) createOnFirstOpen(e.number);
  forEachOtherWindow(*this, [](QWidget& w, const WindowEntry& e) { presetWindowPlace(w, *e.place); });
}

void Windows::displayOptionsChanged() const {
  // Checked: a stand-in holding only a chart window's selectors may fill the role.
  if (auto* c = qobject_cast<ChartWindow*>(static_cast<QObject*>(chart))) c->applyDisplayOptions();
  if (rawData) rawData->updateToolbar();
}

void Windows::applyEditColour() const {
  if (main) main->inputArea().applyEditColour();
  forEachSimpleWindow(*this, [](SimpleWindow& w) { w.applyEditColour(); });
}

void Windows::applyTableColour() const {
  forEachSimpleWindow(*this, [](SimpleWindow& w) { w.applyTableColour(); });
}

void Windows::applyChartColours() const {
  if (chart) chart->ApplyColours();
}

void Windows::applyPresetValues() const {
  if (chart) chart->ApplyPresetValues();
  forEachSimpleWindow(*this, [](SimpleWindow& w) { w.applyPresetValues(); });
}

void Windows::setAxisLabels(bool index) const {
  // As if the user clicked the menu item.
  if (main) (index ? main->axisIndexItem : main->axisValueItem)->trigger();
}

void Windows::redrawChart() const {
  if (chart) chart->RedrawBars();
}

void Windows::focusChartValueField() const {
  if (chart) chart->FocusValueField();
}

void Windows::openWordDocument() const {
  if (main) main->wordProcessorAction->trigger();
}

void Windows::showDistributionFunction(const Histogram& h, const std::string& name) const {
  if (distributionFunction) distributionFunction->Fill(h, name);
}

void Windows::showInChart(Source source, const Histogram& h) const {
  if (!chart) return;
  ProjectState* p = project();
  const HistogramSlot* slot = p ? p->slotForSource(source) : nullptr;
  chart->histogramSaved = [this](Source, int, const std::string&) {
    if (main) main->model().inputsReplaced();
  };
  chart->Fill(source, h, slot ? slot->name : std::string());
}

void Windows::openProjectFile(const std::string& path) const {
  if (main) main->files().openProjectFile(path);
}

void Windows::openResultsFile(const std::string& path) const {
  if (main) main->files().openResultsFile(path);
}

void Windows::showHistogramFile(const Histogram& h, const std::string& fileName) const {
  if (chart) chart->Fill(kSrcHistogramFile, h, fileName);
}

void Windows::openRmrWindow() const {
  if (rmr) rmr->Open();
}

void Windows::openNewHistogramWindow() const {
  if (newHistogram) newHistogram->Open();
}

int Windows::creationWindowItem() const { return main ? main->inputArea().creationMethod() : 0; }

void Windows::storeCreatedHistogram(const Histogram& h) const {
  if (main) main->inputArea().storeCreatedHistogram(h);
}

void Windows::createdHistogramSaved(const std::string& name) const {
  if (main) main->inputArea().view().currentHistogramFile = name;
}

void Windows::setCurrentSource(Source source) const {
  if (main) main->inputArea().view().currentSource = source;
}

void Windows::creationWindowClosed() const {
  if (!main) return;
  main->inputArea().selectCreationMethod(0);
  main->inputArea().view().currentSource = kSrcCreated;
}

const FitResult* Windows::fitResult() const {
  return rawData && rawData->fitResult() ? &*rawData->fitResult() : nullptr;
}

std::span<const double> Windows::rawValues() const {
  return rawData ? std::span<const double>(rawData->values()) : std::span<const double>();
}

void Windows::selectFittedType(int pos) const {
  if (rawData) rawData->selectType(pos);
}

void Windows::removeFittedTypes(int from) const {
  if (FitResult* fit = rawData ? rawData->mutableFitResult() : nullptr) RemoveFromRankingPosition(*fit, from);
}

bool Windows::openFitTable() const {
  if (!fitTable || !fitResult()) return false;
  rawData->setEnabled(false);
  fitTable->showFit();
  return true;
}

void Windows::fitTableClosed() const {
  if (rawData) rawData->setEnabled(true);
}

void Windows::showFitRawHistogram(const Histogram& h) const {
  if (fitTable) fitTable->showRawHistogram(h);
}

void Windows::showFitTypeHistogram(const Histogram& h) const {
  if (fitTable) fitTable->showTypeHistogram(h);
}

void Windows::showSensitivity(const verification::ChainCheck& check) const {
  if (sensitivity) sensitivity->Fill(check);
}

void Windows::closeSensitivity() const {
  if (sensitivity) sensitivity->close();
}

const verification::ChainCheck* Windows::currentCheck() const {
  // Checked: a stand-in may fill the chart role.
  auto* c = qobject_cast<ChartWindow*>(static_cast<QObject*>(chart));
  return c ? c->currentCheck() : nullptr;
}

void Windows::openDesign() const {
  if (design) design->Open();
}

const DesignOutcome* Windows::currentDesign() const {
  // A design still running supersedes the one shown.
  return design && !design->computing() ? design->outcome() : nullptr;
}
