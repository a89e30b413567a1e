#include "ui/RawDataWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "histogram/HistogramCharacteristics.h"
#include "histogram/HistogramFile.h"
#include "histogram/Statistics.h"
#include "persistence/SettingsKeys.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/BarChartParts.h"
#include "ui/ChartExport.h"
#include "ui/CheckSheet.h"
#include "ui/HistogramChartPanel.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/WidgetHelpers.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::uint32_t kRawColour = 8388608;   // overview of the raw-data histogram
constexpr std::uint32_t kBarColour = 15780518;  // bars of the shown histogram
constexpr std::uint32_t kIntervalRowColour = 16769505;
constexpr std::uint32_t kTotalRowColour = 11783167;

QTableWidget* makeGrid(QWidget* parent, const QString& name, int rows, int columns) {
  auto* g = makeReadOnlyGrid(parent, name, rows, columns);
  g->setSelectionMode(QAbstractItemView::NoSelection);
  g->setFocusPolicy(Qt::NoFocus);
  g->horizontalHeader()->setVisible(false);
  return g;
}

// Raw-data bars in `colour` (0xBBGGRR), outlined a shade darker.
void setUpChart(BarChart& bars, std::uint32_t colour) {
  bars.chart->setMargins(QMargins(4, 4, 8, 4));
  const QColor c = colourFromBgr(colour);
  bars.setColours(c, c.darker(140));
}

bool numberKey(QChar c) {
  return c.isDigit() || c == u',' || c == u'-' || c == u'.' || c == u'E' || c == u'e';
}

}  // namespace

// ------------------------------------------------------------------------------------------------
// Value list

void RawValueModel::setValues(const std::vector<double>* values) {
  beginResetModel();
  values_ = values;
  endResetModel();
}

int RawValueModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !values_ ? 0 : static_cast<int>(values_->size());
}

QVariant RawValueModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !values_ || index.row() < 0 || index.row() >= rowCount()) return {};
  return qs(RawValueLine((*values_)[static_cast<size_t>(index.row())], index.row() + 1));
}

// ------------------------------------------------------------------------------------------------
// Construction

RawDataWindow::RawDataWindow(Services& services, QWidget* parent)
    : SimpleWindow(services, 5, parent), barsMin_(this, QString(), 240) {
  build();
  connectControls();
  applyOwnTexts();
  readSettings();
  ApplyRuntimeTexts(lang());
  applyEditColour();
  applyTableColour();
  Reset();
}

RawDataWindow::~RawDataWindow() = default;

void RawDataWindow::build() {
  auto* root = new QHBoxLayout(this);
  root->addLayout(buildValueColumn(), 0);
  auto* mid = new QVBoxLayout;
  buildFields(mid);
  buildTypeTables(mid);
  buildChartControls(mid);
  root->addLayout(mid, 0);
  root->addLayout(buildChartColumn(), 1);

  for (QLineEdit* e : {EdMin_, EdMax_, EdPocetIntervalu_, EdEps_}) e->installEventFilter(this);
  Memo1_->viewport()->installEventFilter(this);
  for (QTableWidget* g : {StringGrid1_, StringGrid3_, StringGrid6_}) g->viewport()->installEventFilter(this);
}

// Left column: file, value list, raw statistics, and the new/close buttons.
QVBoxLayout* RawDataWindow::buildValueColumn() {
  auto* left = new QVBoxLayout;
  OpenData_ = makeButton(this, u"OpenData"_s);
  EdNazev_ = named<QLineEdit>(this, u"EdNazev"_s);
  EdNazev_->setReadOnly(true);
  ProgressBar1_ = named<QProgressBar>(this, u"ProgressBar1"_s);
  ProgressBar1_->setTextVisible(false);
  ProgressBar1_->setMaximumHeight(10);
  // One column of rows of one fixed height: the view's layout does not visit every row (a list view's
  // does, which costs milliseconds at 500000 values).
  MemoDat_ = named<QTableView>(this, u"MemoDat"_s);
  MemoDat_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MemoDat_->setSelectionBehavior(QAbstractItemView::SelectRows);
  MemoDat_->setShowGrid(false);
  MemoDat_->setWordWrap(false);
  MemoDat_->setFont(QFont(u"Monospace"_s));
  MemoDat_->horizontalHeader()->hide();
  MemoDat_->horizontalHeader()->setStretchLastSection(true);
  MemoDat_->verticalHeader()->hide();
  MemoDat_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  MemoDat_->verticalHeader()->setDefaultSectionSize(QFontMetrics(MemoDat_->font()).height() + 2);
  model_ = new RawValueModel(this);
  MemoDat_->setModel(model_);
  StringGrid3_ = makeGrid(this, u"StringGrid3"_s, 4, 2);
  StringGrid3_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitGridHeight(StringGrid3_);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(OpenData_);
  fileRow->addWidget(EdNazev_, 1);
  left->addLayout(fileRow);
  left->addWidget(ProgressBar1_);
  left->addWidget(MemoDat_, 1);
  left->addWidget(StringGrid3_);
  auto* newRow = new QHBoxLayout;
  BNovy_ = makeButton(this, u"BNovy"_s);
  BitBtn1_ = makeButton(this, u"BitBtn1"_s);
  newRow->addWidget(BNovy_);
  newRow->addWidget(BitBtn1_);
  left->addLayout(newRow);
  return left;
}

// The histogram's fields (Min, Max, intervals, Eps) and their buttons.
void RawDataWindow::buildFields(QVBoxLayout* mid) {
  GroupBox5_ = named<QGroupBox>(this, u"GroupBox5"_s);
  auto* fields = new QGridLayout(GroupBox5_);
  Label1_ = named<QLabel>(GroupBox5_, u"Label1"_s);
  Label2_ = named<QLabel>(GroupBox5_, u"Label2"_s);
  Label3_ = named<QLabel>(GroupBox5_, u"Label3"_s);
  Label4_ = named<QLabel>(GroupBox5_, u"Label4"_s);
  EdMin_ = named<QLineEdit>(GroupBox5_, u"EdMin"_s);
  EdMax_ = named<QLineEdit>(GroupBox5_, u"EdMax"_s);
  EdPocetIntervalu_ = named<QLineEdit>(GroupBox5_, u"EdPocetIntervalu"_s);
  EdEps_ = named<QLineEdit>(GroupBox5_, u"EdEps"_s);
  fields->addWidget(Label1_, 0, 0);
  fields->addWidget(EdMin_, 0, 1);
  fields->addWidget(Label2_, 0, 2);
  fields->addWidget(EdMax_, 0, 3);
  fields->addWidget(Label3_, 1, 0);
  fields->addWidget(EdPocetIntervalu_, 1, 1);
  fields->addWidget(Label4_, 1, 2);
  fields->addWidget(EdEps_, 1, 3);
  Button2_ = makeButton(GroupBox5_, u"Button2"_s);
  BChar_ = makeButton(GroupBox5_, u"BChar"_s);
  BuParam_ = makeButton(GroupBox5_, u"BuParam"_s);
  BTabChar_ = makeButton(GroupBox5_, u"BTabChar"_s);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {Button2_, BChar_, BuParam_, BTabChar_}) buttons->addWidget(b);
  fields->addLayout(buttons, 2, 0, 1, 4);
  mid->addWidget(GroupBox5_);
}

// The histogram table, the fitted type with its closeness, and the small chart of the raw histogram.
void RawDataWindow::buildTypeTables(QVBoxLayout* mid) {
  StringGrid1_ = makeGrid(this, u"StringGrid1"_s, 4, 2);
  StringGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitGridHeight(StringGrid1_);
  mid->addWidget(StringGrid1_);

  GroupBox2_ = named<QGroupBox>(this, u"GroupBox2"_s);
  auto* typeBox = new QGridLayout(GroupBox2_);
  Label11_ = named<QLabel>(GroupBox2_, u"Label11"_s);
  CBTypPara_ = named<QComboBox>(GroupBox2_, u"CBTypPara"_s);
  EdTesnost_ = named<QLineEdit>(GroupBox2_, u"EdTesnost"_s);
  EdTesnost_->setReadOnly(true);
  typeBox->addWidget(Label11_, 0, 0);
  typeBox->addWidget(CBTypPara_, 0, 1);
  typeBox->addWidget(EdTesnost_, 1, 1);
  mid->addWidget(GroupBox2_);

  StringGrid6_ = makeGrid(this, u"StringGrid6"_s, 3, 2);
  StringGrid6_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitGridHeight(StringGrid6_);
  mid->addWidget(StringGrid6_);

  setUpChart(barsMin_, kRawColour);
  Chart1Min_ = new QChartView(barsMin_.chart, this);
  Chart1Min_->setObjectName(u"Chart1Min"_s);
  Chart1Min_->setMinimumHeight(120);
  mid->addWidget(Chart1Min_);
}

// The marks controls and the export buttons, with the chart panel that owns them.
void RawDataWindow::buildChartControls(QVBoxLayout* mid) {
  GBPopisky_ = named<QGroupBox>(this, u"GBPopisky"_s);
  auto* marks = new QHBoxLayout(GBPopisky_);
  HistogramChartPanel::Setup setup;
  setup.name = u"Chart1"_s;
  setup.fallbackWidth = 500;
  setup.marksParent = GBPopisky_;  // items from the window's texts
  setup.pushButtons = true;
  setup.zoomName = u"Panel6"_s;
  setup.folder = [this] { return services_.folders.StartFolder; };
  setup.proposedName = [this] { return safeFileBase(fileName_.substr(0, fileName_.rfind('.'))); };
  chart_ = new HistogramChartPanel(services_, std::move(setup), this);
  const MarksControls& markControls = chart_->marks();
  markControls.SpinEdAngle->setSuffix(u"\u00B0"_s);
  for (QWidget* w : std::initializer_list<QWidget*>{markControls.CheckBox1, markControls.CBMarks,
                                                    markControls.SpinEdAngle, markControls.CBValInd})
    marks->addWidget(w);
  mid->addWidget(GBPopisky_);
  auto* export_ = new QHBoxLayout;
  export_->addWidget(chart_->saveImageButton());
  export_->addWidget(chart_->saveChartButton());
  export_->addWidget(chart_->copyButton());
  mid->addLayout(export_);
}

// Right: chart over the probability table, or the typed-data box.
QVBoxLayout* RawDataWindow::buildChartColumn() {
  auto* right = new QVBoxLayout;
  setUpChart(chart_->bars(), kBarColour);
  chart_->setMinimumSize(420, 260);
  setTabOrder(chart_->saveImageButton(), chart_);  // the tab order the window has always had
  // Chart command toolbar: zoom of the plot.
  right->addWidget(chart_->zoomBar());
  right->addWidget(chart_, 3);
  StringGrid2_ = makeGrid(this, u"StringGrid2"_s, 0, 3);
  right->addWidget(StringGrid2_, 2);
  GroupBox6_ = named<QGroupBox>(this, u"GroupBox6"_s);
  auto* typed = new QVBoxLayout(GroupBox6_);
  Memo1_ = named<QPlainTextEdit>(GroupBox6_, u"Memo1"_s);
  StringGrid5_ = makeGrid(GroupBox6_, u"StringGrid5"_s, 1, 2);
  StringGrid5_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitGridHeight(StringGrid5_);
  BSave_ = makeButton(GroupBox6_, u"BSave"_s);
  Bcancel_ = makeButton(GroupBox6_, u"Bcancel"_s);
  typed->addWidget(Memo1_, 1);
  typed->addWidget(StringGrid5_);
  auto* typedButtons = new QHBoxLayout;
  typedButtons->addWidget(BSave_);
  typedButtons->addWidget(Bcancel_);
  typed->addLayout(typedButtons);
  right->addWidget(GroupBox6_, 2);
  return right;
}

void RawDataWindow::connectControls() {
  connect(OpenData_, &QPushButton::clicked, this, &RawDataWindow::OpenDataClick);
  connect(Button2_, &QPushButton::clicked, this, &RawDataWindow::Button2Click);
  connect(BuParam_, &QPushButton::clicked, this, &RawDataWindow::BuParamClick);
  connect(BTabChar_, &QPushButton::clicked, this, &RawDataWindow::BTabCharClick);
  connect(BChar_, &QPushButton::clicked, this, &RawDataWindow::BCharClick);
  connect(BNovy_, &QPushButton::clicked, this, &RawDataWindow::BNovyClick);
  connect(BSave_, &QPushButton::clicked, this, &RawDataWindow::BSaveClick);
  connect(Bcancel_, &QPushButton::clicked, this, &RawDataWindow::BcancelClick);
  connect(BitBtn1_, &QPushButton::clicked, this, &RawDataWindow::BitBtn1Click);
  connect(CBTypPara_, &QComboBox::activated, this, &RawDataWindow::CBTypParaChange);
  for (QLineEdit* e : {EdMin_, EdMax_, EdPocetIntervalu_, EdEps_})
    connect(e, &QLineEdit::textEdited, this, &RawDataWindow::fieldChanged);
  const auto redraw = [this] {
    if (shown_ && !chart_->isHidden()) drawBars();
  };
  connect(chart_, &HistogramChartPanel::redrawWanted, this, redraw);
  connect(chart_, &HistogramChartPanel::axisLabelsChanged, this, redraw);
  connect(Memo1_, &QPlainTextEdit::textChanged, this,
          [this] { setCell(StringGrid5_, 0, 0, u" "_s + QString::number(Memo1_->blockCount())); });
}

Language RawDataWindow::lang() const { return const_cast<RawDataWindow*>(this)->services().language(); }

void RawDataWindow::error(const std::string& text) { errorDialog(lang(), text); }

void RawDataWindow::ApplyRuntimeTexts(Language language) {
  for (int i = 0; i < CBTypPara_->count() && i < static_cast<int>(offered_.size()); ++i)
    CBTypPara_->setItemText(i, qs(DistributionTypeName(offered_[static_cast<size_t>(i)], language)));
  chart_->marks().CBValInd->setCurrentIndex(services_.options.axisIndex ? 0 : 1);
  if (shown_ && chart_->isVisible()) drawHistogram(*shown_, shownType_);
}

void RawDataWindow::readSettings() {
  const SettingsFile& s = services_.settings;
  EdEps_->setText(qs(settings::readEpsText(s, settings::kRawEps)));
  EdPocetIntervalu_->setText(qs(settings::readIntervalsText(s, settings::kRawIntervals)));
  parseDouble(ss(EdEps_->text()), eps_);
  long n = 0;
  if (parseLong(ss(EdPocetIntervalu_->text()), n) && n >= 3 && n <= kMaxBins)
    intervals_ = static_cast<int>(n);
  chart_->readSettings(&settings::kRawMarks, settings::kRawAngle);
}

void RawDataWindow::writeSettings() {
  SettingsFile& s = services_.settings;
  settings::writeText(s, settings::kRawEps, ss(EdEps_->text()));
  settings::writeText(s, settings::kRawIntervals, ss(EdPocetIntervalu_->text()));
  chart_->writeSettings(settings::kRawMarks, settings::kRawAngle);
}

void RawDataWindow::applyEditColour() {
  for (QLineEdit* e : {EdMin_, EdMax_, EdPocetIntervalu_, EdEps_})
    setBaseColour(*e, services_.options.colours.edit);
}

void RawDataWindow::applyTableColour() {
  for (QTableWidget* g : {StringGrid1_, StringGrid2_, StringGrid3_, StringGrid5_, StringGrid6_})
    setBaseColour(*g, services_.options.colours.table);
  setBaseColour(*MemoDat_, services_.options.colours.table);
}

void RawDataWindow::applyPresetValues() {
  EdEps_->setText(QString::fromUtf8(settings::kRawEps.textDefault.data(),
                                    qsizetype(settings::kRawEps.textDefault.size())));
  EdPocetIntervalu_->setText(QString::fromUtf8(settings::kRawIntervals.textDefault.data(),
                                               qsizetype(settings::kRawIntervals.textDefault.size())));
  chart_->presetMarks();
}

// ------------------------------------------------------------------------------------------------
// Reset, open

bool RawDataWindow::loaded() const {
  const QTableWidgetItem* count = StringGrid3_->item(0, 1);
  return count && !count->text().trimmed().isEmpty() && !EdNazev_->text().isEmpty() && !values_.empty();
}

void RawDataWindow::Reset() {
  Memo1_->clear();
  model_->setValues(nullptr);
  values_.clear();
  stats_ = {};
  raw_.reset();
  shown_.reset();
  shownType_ = -1;
  fit_.reset();
  offered_.clear();
  CBTypPara_->clear();
  move(0, 0);
  EdMin_->clear();
  EdMax_->clear();
  EdNazev_->clear();
  fileName_.clear();
  GroupBox2_->setTitle({});
  restoreEps_ = EdEps_->text();
  dirty_ = false;
  chart_->marks().CheckBox1->setChecked(false);
  for (QWidget* w : std::initializer_list<QWidget*>{BTabChar_, BChar_, chart_->saveChartButton(),
                                                    chart_->saveImageButton(), chart_->copyButton(),
                                                    EdPocetIntervalu_, EdEps_})
    w->setEnabled(false);
  for (int r = 0; r < 4; ++r) {
    setCell(StringGrid1_, r, 1, {});
    setCell(StringGrid3_, r, 1, {});
  }
  EdTesnost_->clear();
  setCell(StringGrid5_, 0, 0, {});
  setCell(StringGrid5_, 0, 1, {});
  StringGrid1_->hide();
  chart_->hide();
  StringGrid2_->hide();
  GroupBox6_->hide();
  GBPopisky_->hide();
  barsMin_.clear();
  chart_->bars().clear();
  updateToolbar();
  ProgressBar1_->setValue(0);
}

// The file dialog of raw data files, for opening and for saving typed values.
FileDialogOptions RawDataWindow::rawDataFileOptions() const {
  FileDialogOptions o;
  o.initialFolder = services_.folders.RawDataFolder;
  o.fileName = "Raw_Data";
  o.defaultExtension = "txt";
  o.filter = "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*";
  return o;
}

void RawDataWindow::OpenDataClick() {
  Reset();
  const auto chosen = services_.dialogs.openFileName(rawDataFileOptions());
  Reset();
  chart_->bars().chart->setTitle({});
  chart_->bars().clear();
  if (!chosen || chosen->empty()) return;
  LoadFile(*chosen);
}

bool RawDataWindow::LoadFile(const std::string& path) {
  const Language language = lang();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error(MessageFormat(112, language, {path}));
    return false;
  }
  EdNazev_->setText(qs(fileNameOnly(path)));
  ProgressBar1_->setRange(0, 1000);
  Refusal e;
  QElapsedTimer shown;
  shown.start();
  auto x = ReadRawDataFile(path, e, [this, &shown](std::int64_t done, std::int64_t all) {
    ProgressBar1_->setValue(all > 0 ? static_cast<int>(1000 * done / all) : 0);
    if (shown.elapsed() >= 100) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      shown.restart();
    }
  });
  if (!x) {
    EdNazev_->clear();
    error(e.text(language));
    return false;
  }
  fileName_ = fileNameOnly(path);
  loadedAt_ = ss(QDateTime::currentDateTime().toString(u"d.M.yyyy' , 'hh:mm:ss"_s));
  values_ = std::move(*x);
  SortRawValues(values_);
  stats_ = ComputeRawStatistics(values_);
  setCell(StringGrid3_, 0, 1, u"     "_s + QString::number(stats_.n));
  setCell(StringGrid3_, 1, 1, qs(formatNumber(stats_.mean)));
  setCell(StringGrid3_, 2, 1, qs(formatNumber(stats_.standardDeviation)));
  setCell(StringGrid3_, 3, 1, qs(formatNumber(stats_.skewness)));
  min_ = values_.front();
  max_ = values_.back();
  EdMin_->setText(qs(formatNumber(min_)));
  EdMax_->setText(qs(formatNumber(max_)));
  model_->setValues(&values_);
  EdEps_->setEnabled(true);
  restoreMin_ = EdMin_->text();
  restoreMax_ = EdMax_->text();
  restoreIntervals_ = EdPocetIntervalu_->text();
  Button2Click();
  for (QWidget* w : std::initializer_list<QWidget*>{EdPocetIntervalu_, BChar_, chart_->saveChartButton(),
                                                    chart_->saveImageButton(), chart_->copyButton()})
    w->setEnabled(true);
  showFirstLastCentres();
  ProgressBar1_->setValue(1000);
  return true;
}

// ------------------------------------------------------------------------------------------------
// Histogram

void RawDataWindow::showFirstLastCentres() {
  if (!(max_ > min_)) return;
  const double step = (max_ - min_) / intervals_;
  setCell(StringGrid1_, 0, 1, qs(formatNumber(min_ + 0.5 * step)));
  setCell(StringGrid1_, 1, 1, qs(formatNumber(min_ + (intervals_ - 0.5) * step)));
}

void RawDataWindow::dropFit() {
  fit_.reset();
  offered_.clear();
  CBTypPara_->clear();
  CBTypPara_->setEnabled(false);
  EdTesnost_->clear();
  BTabChar_->setEnabled(false);
  GroupBox2_->setTitle({});
}

void RawDataWindow::Button2Click() {
  if (!loaded()) {
    CBTypPara_->clear();
    EdTesnost_->clear();
    return;
  }
  chart_->marks().CheckBox1->setChecked(false);
  dropFit();
  // The fields, unless they still show the texts written for the exact limits.
  double v = 0;
  if (EdMin_->text() != qs(formatNumber(min_)) && parseDouble(ss(EdMin_->text()), v)) min_ = v;
  if (EdMax_->text() != qs(formatNumber(max_)) && parseDouble(ss(EdMax_->text()), v)) max_ = v;
  long n = 0;
  if (parseLong(ss(EdPocetIntervalu_->text()), n) && n >= 3 && n <= kMaxBins)
    intervals_ = static_cast<int>(n);
  const auto h = RawDataHistogram(values_, intervals_, min_, max_);
  if (!h) {
    error(HistogramLimitsError(min_, max_).text(lang()));
    return;
  }
  EdMin_->setText(qs(formatNumber(min_)));
  EdMax_->setText(qs(formatNumber(max_)));
  StringGrid2_->hide();
  raw_ = h;
  drawHistogram(*h, -1);
  const std::span<const double> p(h->p.data(), static_cast<size_t>(binCount(*h)));
  barsMin_.setBars(p, indexLabels(binCount(*h)), barChartTop(p, 1.08));
  services_.windows.showFitRawHistogram(*h);
  dirty_ = false;
}

void RawDataWindow::drawHistogram(const Histogram& h, int type) {
  const Language language = lang();
  shown_ = h;
  shownType_ = type;
  const int N = binCount(h);
  const std::string typeName = type >= 0 ? DistributionTypeName(type, language) : std::string();
  const std::string base = fileName_.substr(0, fileName_.rfind('.'));  // whole name, extension dropped
  std::string title = MessageText(108, language) + typeName;
  if (type >= 0 && fit_ && !fit_->parameterText[static_cast<size_t>(type)].empty())
    title += " ( " + fit_->parameterText[static_cast<size_t>(type)];
  title += MessageText(109, language) + base;
  if (type < 0) title += " ( " + loadedAt_ + " )";
  chart_->bars().chart->setTitle(qs(title));
  drawBars();
  chart_->show();
  services_.windows.showFitTypeHistogram(h);

  // Probability table.
  const ProbabilityTableModel t = ProbabilityTable(
      std::span<const double>(h.p.data(), static_cast<size_t>(N)), N, h.step, h.min, language);
  StringGrid2_->setUpdatesEnabled(false);
  StringGrid2_->setRowCount(t.rowCount());
  const bool highlight = services_.options.highlightRows;
  for (int r = 0; r < t.rowCount(); ++r)
    for (int c = 0; c < 3; ++c) {
      setCell(StringGrid2_, r, c, qs(t.cells[static_cast<size_t>(r)][static_cast<size_t>(c)]));
      QColor bg = colourFromBgr(services_.options.colours.table);
      if (highlight && r >= 2 && r < t.totalRow() && r % 2 == 0) bg = colourFromBgr(kIntervalRowColour);
      if (highlight && r == t.totalRow() && c >= 1) bg = colourFromBgr(kTotalRowColour);
      StringGrid2_->item(r, c)->setBackground(bg);
    }
  StringGrid2_->resizeColumnsToContents();
  StringGrid2_->setUpdatesEnabled(true);
  if (!GroupBox6_->isVisible()) StringGrid2_->show();

  // Histogram table and characteristics.
  fillHistogramTable(h);
  StringGrid1_->show();
  GBPopisky_->show();
  for (QWidget* w : std::initializer_list<QWidget*>{BChar_, chart_->saveChartButton(),
                                                    chart_->saveImageButton(), chart_->copyButton()})
    w->setEnabled(true);
  CharacteristicsTable ct;
  CharacteristicsText(MessageText(209, language) + typeName,
                      std::span<const double>(h.p.data(), static_cast<size_t>(N)), N, h.min, h.max,
                      static_cast<double>(stats_.n), language, &ct);
  setCell(StringGrid6_, 0, 1, qs(formatNumber(ct.mean)));
  setCell(StringGrid6_, 1, 1, qs(formatNumber(ct.sigma)));
  setCell(StringGrid6_, 2, 1, qs(formatNumber(ct.skewness)));
  updateToolbar();
}

void RawDataWindow::drawBars() {
  if (!shown_) return;
  const Histogram& h = *shown_;
  const int N = binCount(h);
  const bool index = services_.options.axisIndex;
  chart_->bars().axisX->setTitleText(index ? qs(runtimeText(RuntimeText::IndexAxisTitle, lang()))
                                           : qs(MessageText(217, lang())));
  chart_->bars().setHistogramBars(
      std::span<const double>(h.p.data(), static_cast<size_t>(N)), index,
      [&h](int i) { return h.min + i * h.step; }, chart_->marks().turned());
}

const BarChart& RawDataWindow::bars() const { return chart_->bars(); }

void RawDataWindow::updateToolbar() { chart_->placeZoomBar(!StringGrid1_->isHidden()); }

void RawDataWindow::resizeEvent(QResizeEvent* event) {
  SimpleWindow::resizeEvent(event);
  updateToolbar();
}

void RawDataWindow::fillHistogramTable(const Histogram& h) {
  const int N = binCount(h);
  const std::span<const double> P(h.p.data(), static_cast<size_t>(N));
  std::string text;
  setCell(StringGrid1_, 0, 1, qs(formatNumber(h.min)));
  setCell(StringGrid1_, 1, 1, qs(formatNumber(h.max)));
  binMedian(true, P, h.min, h.max, N, text);
  setCell(StringGrid1_, 2, 1, qs(text));
  binMode(P, N, h.min, h.max, text);
  setCell(StringGrid1_, 3, 1, qs(text));
}

void RawDataWindow::BCharClick() {
  if (!shown_) return;
  const Language language = lang();
  const int N = binCount(*shown_);
  const std::string typeName = shownType_ >= 0 ? DistributionTypeName(shownType_, language) : std::string();
  const std::string text =
      CharacteristicsText(MessageText(209, language) + typeName,
                          std::span<const double>(shown_->p.data(), static_cast<size_t>(N)), N, shown_->min,
                          shown_->max, static_cast<double>(stats_.n), language);
  messageDialog(MessageText(79, language), text, DlgKind::Information, DlgButtons::Ok, mrOk);
}

// ------------------------------------------------------------------------------------------------
// Fields

void RawDataWindow::fieldChanged() {
  chart_->hide();
  StringGrid1_->hide();
  StringGrid2_->hide();
  GBPopisky_->hide();
  dropFit();
  for (QAbstractButton* b : {chart_->saveChartButton(), chart_->saveImageButton(), chart_->copyButton()})
    b->setEnabled(false);
  updateToolbar();
  dirty_ = true;
}

void RawDataWindow::EdPocetIntervaluExit() {
  if (!dirty_) return;
  const Language language = lang();
  int N = intervals_;
  const FieldCheck c = CheckIntervalCount(ss(EdPocetIntervalu_->text()), stats_.n, N);
  if (!c.ok) {
    error(c.error->text(language));
    if (c.emptyField) EdPocetIntervalu_->clear();
    return;
  }
  if (c.warning) warningDialog(language, c.warning->text(language));
  intervals_ = N;
  restoreIntervals_ = EdPocetIntervalu_->text();
  showFirstLastCentres();
  Button2Click();
}

void RawDataWindow::EdMinExit() { limitLeft(EdMin_, true, min_, max_, restoreMin_); }

void RawDataWindow::EdMaxExit() { limitLeft(EdMax_, false, max_, min_, restoreMax_); }

// Min or Max left: a refused value goes back to the last accepted text; an accepted one is shown in the
// number format and the raw histogram is made again.
void RawDataWindow::limitLeft(QLineEdit* edit, bool lower, double& limit, double other, QString& restore) {
  if (!dirty_) return;
  if (!loaded()) {
    edit->clear();
    return;
  }
  double v = limit;
  const FieldCheck c = CheckLimit(ss(edit->text()), lower, other, v);
  if (!c.ok) {
    edit->setFocus();
    error(c.error->text(lang()));
    edit->setText(restore);
    return;
  }
  limit = v;
  edit->setText(qs(formatNumber(v)));
  restore = edit->text();
  showFirstLastCentres();
  dropFit();
  Button2Click();
}

void RawDataWindow::EdEpsExit() {
  if (!dirty_) return;
  double v = eps_;
  const FieldCheck c = CheckEps(ss(EdEps_->text()), v);
  if (!c.ok) {
    error(c.error->text(lang()));
    EdEps_->setText(restoreEps_);
  } else {
    eps_ = v;
    restoreEps_ = EdEps_->text();
  }
  Button2Click();
}

bool RawDataWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
    const QString t = key->text();
    if (t.isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ||
        key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete || !t.at(0).isPrint())
      return false;
    const QChar c = t.at(0);
    const bool ok = edit == EdPocetIntervalu_ ? c.isDigit() : numberKey(c);
    if (!ok) {
      services_.dialogs.beep();
      return true;
    }
    QChar put = c;
    if (c == u',') put = u'.';
    if (c == u'e' && (edit == EdMin_ || edit == EdMax_)) put = u'E';
    if (put != c) {
      edit->insert(QString(put));
      fieldChanged();
      return true;
    }
    return false;
  }
  if (edit && (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonPress)) {
    // Checked once the focus change is done, so a dialog does not fight it.
    QTimer::singleShot(0, this, [this, edit] {
      if (edit == EdPocetIntervalu_) EdPocetIntervaluExit();
      if (edit == EdMin_) EdMinExit();
      if (edit == EdMax_) EdMaxExit();
      if (edit == EdEps_) EdEpsExit();
    });
    return false;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == Memo1_->viewport()) {
      setCell(StringGrid5_, 0, 1, u" "_s + QString::number(Memo1_->textCursor().blockNumber()));
    } else if (watched == StringGrid1_->viewport()) {
      StringGrid1Click();
    } else if (watched == StringGrid3_->viewport()) {
      StringGrid3Click();
    } else if (watched == StringGrid6_->viewport()) {
      StringGrid6Click();
    }
  }
  return SimpleWindow::eventFilter(watched, event);
}

void RawDataWindow::StringGrid1Click() {
  messageDialog(MessageText(1, lang()), MessageText(214, lang()), DlgKind::Information, DlgButtons::Ok, mrOk);
}

void RawDataWindow::StringGrid3Click() {
  messageDialog(MessageText(1, lang()), MessageText(215, lang()), DlgKind::Information, DlgButtons::Ok, mrOk);
}

void RawDataWindow::StringGrid6Click() {
  const Language language = lang();
  const std::string text = fit_ && shownType_ >= 0
                               ? MessageFormat(222, language, {DistributionTypeName(shownType_, language)})
                               : MessageText(221, language);
  messageDialog(MessageText(79, language), text, DlgKind::Information, DlgButtons::Ok, mrOk);
}

// ------------------------------------------------------------------------------------------------
// Fitting

void RawDataWindow::showTesnost(double t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.5f", t);
  EdTesnost_->setText(QString::fromLatin1(buf));
}

void RawDataWindow::BuParamClick() {
  if (!loaded()) {
    CBTypPara_->clear();
    EdTesnost_->clear();
    infoDialog(lang(), runtimeText(RuntimeText::FitNeedsRawData, lang()));
    return;
  }
  const Language language = lang();
  GBPopisky_->hide();
  Button2Click();
  if (!raw_) return;
  StringGrid2_->hide();
  chart_->hide();
  setCell(StringGrid1_, 2, 1, {});
  setCell(StringGrid1_, 3, 1, {});
  ProgressBar1_->setRange(0, 1000);
  QElapsedTimer shown;
  shown.start();
  FitResult r = FitDistributions({values_, stats_, *raw_, eps_}, language, [this, &shown](int done, int all) {
    ProgressBar1_->setValue(all > 0 ? 1000 * done / all : 0);
    if (shown.elapsed() >= 100) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      shown.restart();
    }
  });
  ProgressBar1_->setValue(1000);
  const std::string failed = FitFailureWarning(r, language);
  if (!r.anySuitable()) {
    error(MessageText(110, language) + (failed.empty() ? "" : "\r\n\r\n" + failed));
    dropFit();
    Button2Click();
    return;
  }
  fit_ = std::move(r);
  offered_ = fit_->offered;
  CBTypPara_->clear();
  for (int type : offered_) CBTypPara_->addItem(qs(DistributionTypeName(type, language)));
  CBTypPara_->setEnabled(true);
  BTabChar_->setEnabled(true);
  Button2_->setEnabled(true);
  if (!offered_.empty()) {
    selectType(0);
    if (shown_) GroupBox2_->setTitle(u"  "_s + GroupBox2_->title() + u"  "_s);
  }
  BTabCharClick();
  if (!failed.empty()) warningDialog(language, failed);
}

void RawDataWindow::selectType(int pos) {
  if (pos < 0 || pos >= CBTypPara_->count()) return;
  CBTypPara_->setCurrentIndex(pos);
  CBTypParaChange();
}

void RawDataWindow::CBTypParaChange() {
  if (!loaded() || !fit_) {
    CBTypPara_->clear();
    EdTesnost_->clear();
    return;
  }
  const int pos = CBTypPara_->currentIndex();
  if (pos < 0 || pos >= static_cast<int>(offered_.size())) return;
  const int type = offered_[static_cast<size_t>(pos)];
  const double t = fit_->tesnost[static_cast<size_t>(type)];
  showTesnost(t);
  const auto& h = fit_->display[static_cast<size_t>(type)];
  if (t == 0 || !h) {
    chart_->hide();
    StringGrid2_->hide();
    setCell(StringGrid1_, 2, 1, {});
    setCell(StringGrid1_, 3, 1, {});
    GroupBox2_->setTitle({});
    shown_.reset();
    shownType_ = -1;
    return;
  }
  GroupBox2_->setTitle(qs(MessageText(117, lang()) + fit_->parameterText[static_cast<size_t>(type)]));
  drawHistogram(*h, type);
}

void RawDataWindow::BTabCharClick() {
  if (fit_) services_.windows.openFitTable();
}

// ------------------------------------------------------------------------------------------------
// Typed data

void RawDataWindow::BNovyClick() {
  Reset();
  StringGrid2_->hide();
  GroupBox6_->show();
  Memo1_->setFocus();
}

void RawDataWindow::BSaveClick() {
  const Language language = lang();
  QStringList lines = Memo1_->toPlainText().split(u'\n');
  std::vector<std::string> typed;
  for (const QString& l : lines) typed.push_back(ss(l));
  if (std::all_of(typed.begin(), typed.end(), [](const std::string& l) { return l.empty() || l == "\r"; })) {
    error(MessageText(230, language));
    GroupBox6_->hide();
    return;
  }
  const auto chosen = services_.dialogs.saveFileName(rawDataFileOptions());
  if (!chosen || chosen->empty()) {
    GroupBox6_->hide();
    return;
  }
  std::string path = *chosen;
  if (fileNameOnly(path).find('.') == std::string::npos) path += ".txt";
  std::error_code ec;
  if (std::filesystem::exists(path, ec) && !confirmDialog(language, MessageFormat(25, language, {path})))
    return;
  Refusal e;
  if (!SaveTypedRawData(path, typed, e)) {
    error(e.text(language));
    if (e.message == 224) return;  // the box stays open for the correction
  }
  GroupBox6_->hide();
}

void RawDataWindow::BcancelClick() { GroupBox6_->hide(); }

// ------------------------------------------------------------------------------------------------
// Close

void RawDataWindow::BitBtn1Click() { close(); }

void RawDataWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) Reset();
  SimpleWindow::showEvent(event);
}

void RawDataWindow::closeEvent(QCloseEvent* event) {
  // The shown histogram carries its span and the count of values as its total.
  if (shown_ && chart_->isVisible()) services_.windows.storeCreatedHistogram(*shown_);
  writeSettings();
  chart_->marks().CheckBox1->setChecked(false);
  chart_->hide();
  SimpleWindow::closeEvent(event);
}
