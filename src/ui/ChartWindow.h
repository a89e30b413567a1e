#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "histogram/Queries.h"
#include "reliability/Assessment.h"
#include "shell/Language.h"
#include "ui/BarChartParts.h"
#include "ui/ExportCommands.h"
#include "ui/VerificationTexts.h"
#include "verification/ChainCheck.h"

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class HistogramChartPanel;
class QChartView;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
struct Services;

/// The histogram chart window: the bar chart of one histogram with its probability table, the
/// value and probability queries, the display colours and the save of the shown histogram.
/// Form "Form3", settings prefix "Graf_Hornin-Form3".
class ChartWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ChartWindow(Services& services, QWidget* parent = nullptr);
  ~ChartWindow() override;

  /// Shows histogram `h` as source `source` (1 to 14, or kSrcHistogramFile for a histogram file
  /// shown by itself, titled with `cellText`, its file name) and raises the window. `cellText` is the
  /// name cell the chart was asked from: column 1 of layer row `layerRow` for source 1, cell (1, 1)
  /// of the input table for sources 2 to 4 and 6 to 9; other sources ignore it. The titles of
  /// sources 10 and 13 take the bolt texts and the results name from the main window's project.
  /// The caller hides its own chart button and moves its table cursor.
  void Fill(Source source, const Histogram& h, const std::string& cellText = {}, int layerRow = 0);

  /// Called after the shown histogram was saved: (source, layer row, file name without folder).
  /// The main window's slot and its table cell are renamed (through Windows) before the call.
  std::function<void(Source source, int layerRow, const std::string& name)> histogramSaved;

  /// Probability of failure of the reliability function; a value query at x = 0 shows it while the
  /// assessment panel is shown. Set by the assessment after each fill of source 13.
  void SetFailureProbability(std::optional<double> pf) { failureProbability_ = pf; }

  /// Puts the texts of `language` on the controls (the window's text set).
  void ApplyTexts(Language language);
  /// Texts composed at run time: caption of the shown source, copy hint, table header, axis titles.
  void ApplyRuntimeTexts(Language language);
  /// Applies the value and quantile colours to the query fields and the table colour to the tables.
  void ApplyColours();
  /// Preset values: marks item 2, angle 90, marks off, 1000 x 562 at 0, 0.
  void ApplyPresetValues();
  /// The display options changed: the row highlighting and the toolbar follow them.
  void applyDisplayOptions();

  // Handlers, public so the window can be driven without a display.
  void EditXYExit();
  void EditPExit();
  void RedrawBars();
  /// Puts the focus into the value field EditXY.
  void FocusValueField();
  /// Shows the distribution function of the shown histogram (KrivkaTrvani).
  void KrivkaTrvaniClick();
  /// Saves the shown histogram and renames its slot. Windows saving a histogram the chart does not
  /// show (the new-histogram store, the created histogram) call SaveHistogramCommand themselves.
  void SaveGrafClick();
  void BCharClick();
  void BitBtn8Click();
  void Button7Click();
  void CBValIndChange();
  void CheckBox1Click();
  void CBMarksChange();
  void SpinEdAngleChange();
  void UlozOknoClick();
  /// Check sheet of the shown histogram: a workbook in the results folder, opened by `checkSheetOpener`.
  void KontTiskClick();
  std::function<bool(const std::string& path)> checkSheetOpener = openWithDesktop;
  /// "Uložit obrázek…" (`UlozObrazek`): the chart as a PNG, SVG, PDF, JPEG or BMP file, offered in the
  /// results folder under the histogram's name.
  void UlozObrazekClick();
  void ColourButtonClick(int button);  // 1 to 6: Button1 .. Button6

  Source source() const { return source_; }
  const Histogram& histogram() const { return hist_; }
  const std::string& histogramName() const { return name_; }
  QueryMode queryMode() const { return mode_; }
  /// The two lines of the chart title.
  const std::array<std::string, 2>& titleLines() const { return titleLines_; }
  /// Labels of the bars in their order (the bottom axis shows a thinned selection of them).
  const std::vector<std::string>& barLabels() const;

  // ---- assessment panel
  // Panel3 (objectName "Panel3") is a QFrame across the bottom of the window; its first row ends with
  // the "txt" button Button7 and its contents are inserted before that button. It is shown by
  // Fill for source 13 only.
  // Contents (ChartAssessmentPanel.cpp): class labels Label2..4, Pd Edit1..3, Beta Edit9..11,
  // quantiles Edit4..6, Pf Edit7, beta_f Edit12, interval table StringGrid3, verdict Uroven in Panel4,
  // the standard CBNorma. Built on first use.

  /// Design standard chosen in CBNorma.
  DesignStandard assessmentStandard();
  /// Fills the assessment panel from an assessment of the shown reliability function.
  void ShowAssessment(const AssessmentResult& a);
  /// CBNorma changed: hides the window, runs the assessment again and shows the window.
  void CBNormaClick();
  /// Texts of the assessment panel in `language`.
  void ApplyAssessmentTexts(Language language);

  // ---- check of Pf (ChartVerificationPanel.cpp), in the assessment panel: the group GBOvereni with
  // the start button BBOvereni, the cancel button BBOvereniStorno, ProgressOvereni, the figures table
  // StringGridMC, the note LabOverVarovani, BBCitlivost, which opens the sensitivity window, and
  // BBNavrh, which opens the design window of the bolt pattern.

  /// Options of the next check: seed, target CoV and bounds (the defaults of veltra-cli).
  verification::MonteCarloOptions verificationOptions;
  /// Starts the check of the shown assessment off the user-interface thread.
  void BBOvereniClick();
  void BBOvereniStornoClick();
  /// Shows the last check in the sensitivity window.
  void BBCitlivostClick();
  bool verificationRunning() const { return checkRun_ != nullptr; }
  /// The last finished check of the assessment the main window holds now, or null.
  const verification::ChainCheck* currentCheck() const;

 private:
  struct CheckRun;
  void buildVerificationPanel(QBoxLayout* panel);
  void applyVerificationTexts(Language language);
  void checkProgress(verification::CheckStep step, std::int64_t done, std::int64_t total);
  void checkFinished(std::optional<verification::ChainCheck> check, bool refused);
  void showCheck();
  void clearCheck();
  std::shared_ptr<CheckRun> checkRun_;  // the running check; its end joins the thread
  std::optional<verification::ChainCheck> check_;
  std::optional<VerificationText> checkNote_;  // why the last check gave no figures
  QPushButton* BBOvereni_ = nullptr;
  QPushButton* BBOvereniStorno_ = nullptr;
  QPushButton* BBCitlivost_ = nullptr;
  QProgressBar* ProgressOvereni_ = nullptr;
  QTableWidget* StringGridMC_ = nullptr;
  QLabel* LabOverVarovani_ = nullptr;

 private:
  void ensureAssessmentPanel();
  QComboBox* CBNorma_ = nullptr;
  QLabel* Uroven_ = nullptr;
  QLabel* LabPairValues_ = nullptr;
  QLabel* LabInputReading_ = nullptr;
  std::array<QLabel*, 3> classLabels_{};        // Label2..Label4
  std::array<QLineEdit*, 3> pdFields_{};        // Edit1..Edit3
  std::array<QLineEdit*, 3> betaFields_{};      // Edit9..Edit11
  std::array<QLineEdit*, 3> quantileFields_{};  // Edit4..Edit6
  QLineEdit* Edit7_ = nullptr;                  // Pf
  QLineEdit* Edit12_ = nullptr;                 // beta_f
  QTableWidget* StringGrid3_ = nullptr;
  bool normaRunning_ = false;
  std::optional<AssessmentResult> shownAssessment_;  // re-worded on a language switch
  struct ReadingShown {
    InputReading reading;
    bool known, sayUniform;
  };
  std::optional<ReadingShown> shownReading_;  // the reading LabInputReading names
  void showInputReading(Language language);

 public:
 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildChart();
  void buildZoomBar();
  void buildCharacteristics();
  QGroupBox* buildQueries();
  void buildProbabilityTable();
  QGroupBox* buildMarks();
  void buildColourPanel();
  void buildAssessmentFrame();
  QGridLayout* buildButtons();
  void layoutControls(QGroupBox* queries, QGroupBox* marks, QGridLayout* buttons);
  void connectControls();
  void readSettings();
  void writeSettings();
  std::uint32_t barColour() const;
  void rebuildSeries();
  void fillTables();
  void highlightTable();
  void showQuery(int bars, std::uint32_t colour);
  void clearQuery();
  void resetQueryCells();
  void updateColourSamples();
  void updateToolbar();
  bool queryKey(QLineEdit* edit, QKeyEvent* key);
  bool parseQueryField(QLineEdit* edit, double& value);

  Services& services_;

  // Shown histogram and what it is.
  Histogram hist_;
  Source source_ = kSrcNone;
  int layerRow_ = 0;
  int captionMessage_ = 0;
  std::string name_;
  std::string cellText_;  // the name the source was shown with, for titles in another language
  std::array<std::string, 2> titleLines_;
  void chartTitle(Source source, const std::string& cellText, Language language, std::string& title,
                  std::string& name) const;
  /// The window caption of the shown source.
  std::string caption(Language language) const;
  void showTitle();
  bool redrawPositions_ = false;

  // Query state.
  QueryMode mode_ = QueryMode::None;
  bool queryShown_ = false;
  int queryBars_ = 0;
  std::uint32_t queryColour_ = 0;
  bool inQuery_ = false;
  std::optional<double> failureProbability_;

  // Controls.
  HistogramChartPanel* chart_ = nullptr;
  QTableWidget* StringGrid1_ = nullptr;
  QTableWidget* StringGrid2_ = nullptr;
  QTableWidget* StringGrid6_ = nullptr;
  QTableWidget* StringGrid7_ = nullptr;
  QLineEdit* EditXY_ = nullptr;
  QLineEdit* EditP_ = nullptr;
  QLabel* Label1_ = nullptr;
  QLabel* Label5_ = nullptr;
  QLabel* Label6_ = nullptr;
  QLabel* Label7_ = nullptr;
  QPushButton* ExitProgram_ = nullptr;
  QPushButton* SaveGraf_ = nullptr;
  QPushButton* BitBtn8_ = nullptr;
  QPushButton* BChar_ = nullptr;
  QPushButton* KontTisk_ = nullptr;
  QPushButton* UlozObrazek_ = nullptr;
  QPushButton* UlozOkno_ = nullptr;
  QPushButton* KrivkaTrvani_ = nullptr;
  QWidget* Panel5_ = nullptr;
  std::array<QPushButton*, 6> colourButtons_{};
  std::array<QFrame*, 6> colourSamples_{};
  QWidget* Panel3_ = nullptr;
  QBoxLayout* assessmentRow_ = nullptr;  // the row of Panel3 that holds the assessment
  QPushButton* Button7_ = nullptr;
};
