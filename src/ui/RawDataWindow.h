#pragma once

#include <QAbstractListModel>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "creation/Fitting.h"
#include "creation/RawData.h"
#include "histogram/Histogram.h"
#include "shell/Dialogs.h"
#include "ui/BarChartParts.h"
#include "ui/SimpleWindow.h"

class HistogramChartPanel;
class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

/// Texts the raw data window composes at run time.

/// The sorted raw values as list lines; only the rows a view asks for are formatted.
class RawValueModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  void setValues(const std::vector<double>* values);
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  const std::vector<double>* values_ = nullptr;
};

/// The raw data window: reads measured values, builds their histogram of N intervals, fits the
/// parametric types and hands the shown histogram to the main window when it closes.
/// Form "Form5", settings prefix "PrvotniData Form5".
class RawDataWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit RawDataWindow(Services& services, QWidget* parent = nullptr);
  ~RawDataWindow() override;

  /// Empties the window for a new histogram (also run when it is opened from the main window).
  void Reset();
  /// Open data: the open dialog, then LoadFile.
  void OpenDataClick();
  /// Reads the raw data file `path`; false after a refusal (shown).
  bool LoadFile(const std::string& path);
  /// "NeParam": builds the raw-data histogram from the fields.
  void Button2Click();
  /// "Param": fits the parametric types and opens the table window.
  void BuParamClick();
  /// A type chosen in CBTypPara: shows its histogram.
  void CBTypParaChange();
  /// "TAB": shows the table of suitable distributions.
  void BTabCharClick();
  void BCharClick();
  void BNovyClick();
  void BSaveClick();
  void BcancelClick();
  void BitBtn1Click();
  void EdPocetIntervaluExit();
  void EdMinExit();
  void EdMaxExit();
  void EdEpsExit();
  void StringGrid1Click();
  void StringGrid3Click();
  void StringGrid6Click();
  /// The chart command toolbar: shown when the window spans the screen, the main window's option asks
  /// for it and the histogram table is shown.
  void updateToolbar();

  // State the table window and the tests read.
  const std::vector<double>& values() const { return values_; }
  const RawStatistics& statistics() const { return stats_; }
  const std::optional<FitResult>& fitResult() const { return fit_; }
  FitResult* mutableFitResult() { return fit_ ? &*fit_ : nullptr; }
  /// The histogram on the chart (raw-data or parametric), if any.
  const std::optional<Histogram>& shownHistogram() const { return shown_; }
  /// The raw-data histogram, if one is built.
  const std::optional<Histogram>& rawHistogram() const { return raw_; }
  /// The bars of the chart.
  const BarChart& bars() const;
  bool dirty() const { return dirty_; }
  /// Selects position `pos` of the type list as if the user chose it.
  void selectType(int pos);
  void applyEditColour() override;
  void applyTableColour() override;
  void applyPresetValues() override;
  /// Texts composed at run time, again after a language switch.
  void ApplyRuntimeTexts(Language language);

 protected:
  void closeEvent(QCloseEvent* event) override;
  /// Opened from the main window: starts empty.
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  QVBoxLayout* buildValueColumn();
  void buildFields(QVBoxLayout* mid);
  void buildTypeTables(QVBoxLayout* mid);
  void buildChartControls(QVBoxLayout* mid);
  QVBoxLayout* buildChartColumn();
  void connectControls();
  void readSettings();
  void writeSettings();
  void drawHistogram(const Histogram& h, int type);
  void drawBars();
  void fillHistogramTable(const Histogram& h);
  void showFirstLastCentres();
  FileDialogOptions rawDataFileOptions() const;
  void limitLeft(QLineEdit* edit, bool lower, double& limit, double other, QString& restore);
  void fieldChanged();
  void dropFit();
  void showTesnost(double t);
  bool loaded() const;
  Language lang() const;
  void error(const std::string& text);

  std::vector<double> values_;
  RawStatistics stats_;
  std::optional<Histogram> raw_, shown_;
  int shownType_ = -1;
  std::optional<FitResult> fit_;
  std::vector<int> offered_;
  bool dirty_ = false;
  int intervals_ = 128;
  double eps_ = 1e-7;
  double min_ = 0, max_ = 0;
  QString restoreMin_, restoreMax_, restoreEps_, restoreIntervals_;
  std::string fileName_;
  std::string loadedAt_;

  RawValueModel* model_ = nullptr;
  QPushButton *OpenData_ = nullptr, *Button2_ = nullptr, *BChar_ = nullptr, *BuParam_ = nullptr,
              *BTabChar_ = nullptr, *BNovy_ = nullptr, *BSave_ = nullptr, *Bcancel_ = nullptr,
              *BitBtn1_ = nullptr;
  QLineEdit *EdNazev_ = nullptr, *EdMin_ = nullptr, *EdMax_ = nullptr, *EdPocetIntervalu_ = nullptr,
            *EdEps_ = nullptr, *EdTesnost_ = nullptr;
  QTableView* MemoDat_ = nullptr;
  QTableWidget *StringGrid1_ = nullptr, *StringGrid2_ = nullptr, *StringGrid3_ = nullptr,
               *StringGrid5_ = nullptr, *StringGrid6_ = nullptr;
  QPlainTextEdit* Memo1_ = nullptr;
  QGroupBox *GroupBox2_ = nullptr, *GroupBox5_ = nullptr, *GroupBox6_ = nullptr, *GBPopisky_ = nullptr;
  QComboBox* CBTypPara_ = nullptr;
  QProgressBar* ProgressBar1_ = nullptr;
  QLabel *Label1_ = nullptr, *Label2_ = nullptr, *Label3_ = nullptr, *Label4_ = nullptr, *Label11_ = nullptr;
  HistogramChartPanel* chart_ = nullptr;
  BarChart barsMin_;
  QChartView* Chart1Min_ = nullptr;
};
