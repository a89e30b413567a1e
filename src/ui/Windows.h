#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "reliability/Assessment.h"
#include "shell/Language.h"

struct FitResult;
struct Histogram;
struct ProjectState;
class ProjectModel;
class QObject;
class QWidget;
class MainWindow;
class AboutWindow;
class ChartWindow;
class ParametricWindow;
class RawDataWindow;
class RockTypesWindow;
class SettingsListingWindow;
class ColourWindow;
class RmrWindow;
class HelpInfoWindow;
class DistributionFunctionWindow;
class NewHistogramWindow;
class FitTableWindow;
class SensitivityWindow;
class DesignWindow;
struct DesignOutcome;
namespace verification {
struct ChainCheck;
}

/// The windows of the run by role, filled at start-up from the window table; any may be null in tests.
/// Windows reach each other only through the requests below, never through each other's handlers
/// or controls; a request to a missing window does nothing.
struct Windows {
  MainWindow* main = nullptr;
  AboutWindow* about = nullptr;
  ChartWindow* chart = nullptr;
  ParametricWindow* parametric = nullptr;
  RawDataWindow* rawData = nullptr;
  RockTypesWindow* rockTypes = nullptr;
  SettingsListingWindow* settingsListing = nullptr;
  ColourWindow* colour = nullptr;
  RmrWindow* rmr = nullptr;
  HelpInfoWindow* helpInfo = nullptr;
  DistributionFunctionWindow* distributionFunction = nullptr;
  NewHistogramWindow* newHistogram = nullptr;
  FitTableWindow* fitTable = nullptr;
  SensitivityWindow* sensitivity = nullptr;
  DesignWindow* design = nullptr;

  /// Makes window `number` of the window table that is made when first opened (start-up sets it;
  /// none in tests that build their windows by hand).
  std::function<void(int number)> createOnFirstOpen;

  /// The project of the main window, or null.
  ProjectState* project() const;
  /// The project model of the main window (its signals say what changed), or null.
  ProjectModel* projectModel() const;
  /// Runs the assessment command of the main window.
  void runAssessment() const;
  /// The standard chosen in the chart window's assessment panel (EN 1990 without a chart window).
  DesignStandard assessmentStandard() const;
  /// Shows an assessment (Pf first, for the reliability function) in the chart window.
  void setFailureProbability(double pf) const;
  void showAssessment(const AssessmentResult& a) const;
  /// Shows histogram `h` of `source` in the chart window (see ChartWindow::Fill).
  void showHistogram(Source source, const Histogram& h, const std::string& name, int layerRow) const;
  /// The lines of the rock type window; `fallback` without that window.
  std::vector<std::string> rockTypeLines(const std::vector<std::string>& fallback) const;
  /// Opens the rock type window for editing the offer list.
  void openRockTypes() const;
  /// Shows the information on the help viewer over the disabled main window; false without that window.
  bool showHelpInfo() const;
  /// The user says the legacy help viewer is there: the main window stops offering the information
  /// and opens its help in that viewer.
  void helpViewerConfirmed() const;
  /// Opens `url` by the main window's shell opener; false when it could not (or there is no main window).
  bool openUrl(const std::string& url) const;

  // ---- files named on the command line
  /// The main window opens the project or results file `path` as its open commands do.
  void openProjectFile(const std::string& path) const;
  void openResultsFile(const std::string& path) const;
  /// Shows histogram `h`, read from the file `fileName` (without folder), in the chart window.
  void showHistogramFile(const Histogram& h, const std::string& fileName) const;

  // ---- opening windows
  /// The main window is disabled while a window opened from it is shown, and enabled again when it closes.
  void setMainEnabled(bool enabled) const;
  /// Shows the about window over the disabled main window.
  void openAbout() const;
  /// Shows the settings file `path` in the settings listing window; false when there is no such
  /// window or the file cannot be read.
  bool openSettingsListing(const std::string& path) const;
  /// Opens the creation window of the main window's selector item `item`: 0 the parametric
  /// distribution, 1 the raw data, 2 the new-histogram window. Each enables the main window again
  /// when it closes.
  void openCreationWindow(int item) const;

  // ---- every window at once
  /// The text sets in `lang` on every window but the main window, which sets its own.
  void applyTexts(Language lang) const;
  /// The preset places of every window but the main window, which places itself (the windows made
  /// when first opened are made for it).
  void presetPlaces() const;
  /// The main window's display options changed (row highlighting, axis labels, ...).
  void displayOptionsChanged() const;
  /// The axis selector of the chart windows on the index (true) or the value, without running their handlers.
  void selectAxis(bool index) const;
  /// The display colours in force on the fields and tables of every window.
  void applyEditColour() const;
  void applyTableColour() const;
  void applyChartColours() const;
  /// The preset values of every window's own controls (marks, precision, intervals).
  void applyPresetValues() const;

  /// The axis-label option of the main window's menu pair (index or value); the chart selectors follow.
  void setAxisLabels(bool index) const;
  /// The chart window draws its bars again (after a change of the label option).
  void redrawChart() const;
  /// The focus goes to the chart window's value field.
  void focusChartValueField() const;
  /// A new word-processor document (the main window's command).
  void openWordDocument() const;
  /// The distribution function window shows `h`, named `name`.
  void showDistributionFunction(const Histogram& h, const std::string& name) const;

  // ---- RMR window and new-histogram window
  /// Shows `h` in the chart window as source `source` (a save from there renames the slot).
  void showInChart(Source source, const Histogram& h) const;
  /// Opens the RMR window and the new-histogram window.
  void openRmrWindow() const;
  void openNewHistogramWindow() const;
  /// Item of the main window's histogram-creation selector `CBTypOkna` (2 is "Histogram").
  int creationWindowItem() const;
  /// Hands a histogram made by a creation window to the main window as the created histogram
  /// (source 15) and runs its store action ("&Ulož"), which asks its own questions. The histogram
  /// carries its own range and total.
  void storeCreatedHistogram(const Histogram& h) const;
  /// The name (without folder) of the histogram file a creation window has just written.
  void createdHistogramSaved(const std::string& name) const;
  /// The current source of the main window (14 the new-histogram store, 15 the created histogram).
  void setCurrentSource(Source source) const;
  /// A creation window closed: the selector shows its first item again, the current source is 15.
  void creationWindowClosed() const;

  // ---- raw data window and its table of suitable distributions
  /// The fitting results of the raw data window, or null.
  const FitResult* fitResult() const;
  /// The sorted raw values of the raw data window (empty without that window).
  std::span<const double> rawValues() const;
  /// The raw data window shows the type at position `pos` of its type list.
  void selectFittedType(int pos) const;
  /// The types from ranking position `from` on leave the raw data window's fitting results.
  void removeFittedTypes(int from) const;
  /// Shows the table of suitable distributions over the disabled raw data window; false without a
  /// table window or fitting results.
  bool openFitTable() const;
  /// The table closed: the raw data window is enabled again.
  void fitTableClosed() const;
  /// The table's overview charts: the raw-data histogram and the histogram the raw data window shows.
  void showFitRawHistogram(const Histogram& h) const;
  void showFitTypeHistogram(const Histogram& h) const;

  // ---- check of Pf
  /// The sensitivity window shows `check`.
  void showSensitivity(const verification::ChainCheck& check) const;
  /// The sensitivity window closes (its check no longer belongs to the assessment).
  void closeSensitivity() const;
  /// The chart window's last check of the assessment the main window holds now, or null.
  const verification::ChainCheck* currentCheck() const;

  // ---- design of the bolt pattern
  /// Opens the design window, which designs for the project as it is.
  void openDesign() const;
  /// The design window's last design of the project as it is, or null.
  const DesignOutcome* currentDesign() const;
};
