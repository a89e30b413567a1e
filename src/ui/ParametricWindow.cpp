#include "ui/ParametricWindow.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <set>

#include "histogram/HistogramCharacteristics.h"
#include "histogram/Queries.h"
#include "histogram/Statistics.h"
#include "persistence/SettingsKeys.h"
#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/BarChartParts.h"
#include "ui/ChartExport.h"
#include "ui/CheckSheet.h"
#include "ui/DisplayOptions.h"
#include "ui/HistogramChartPanel.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::uint32_t kBarColour = 15780518;
constexpr std::uint32_t kStripeColour = 16769505;

QTableWidget* makeGrid(QWidget* parent, const QString& name, int rows, int columns) {
  auto* g = makeReadOnlyGrid(parent, name, rows, columns);
  g->setSelectionMode(QAbstractItemView::NoSelection);
  g->setFocusPolicy(Qt::NoFocus);
  return g;
}

void error(Language l, const std::string& text) { errorDialog(l, text); }

void dialog(Language l, int titleMessage, const std::string& text) {
  const auto kind = titleMessage == 2 ? DlgKind::Information : DlgKind::Error;
  messageDialog(MessageText(titleMessage, l), text, kind, DlgButtons::Ok, mrOk);
}

}  // namespace

ParametricWindow::ParametricWindow(Services& services, QWidget* parent) : SimpleWindow(services, 4, parent) {
  buildControls();
  readSettings();
  applyOwnTexts();
  applyTableColour();
  applyEditColour();
}

ParametricWindow::~ParametricWindow() = default;

void ParametricWindow::buildControls() {
  auto* root = new QHBoxLayout(this);
  root->setContentsMargins(6, 6, 6, 6);
  auto* left = new QVBoxLayout;
  root->addLayout(left, 0);
  buildTypeGroup(left);
  buildParameters(left);
  buildCentresTable(left);
  buildMarksAndChart(left);
  buildButtons(left);
  buildChartArea(root);
  connectHandlers();
}

// The distribution type, the interval count and the precision.
void ParametricWindow::buildTypeGroup(QVBoxLayout* left) {
  auto* gbType = named<QGroupBox>(this, u"GBTypRozd"_s);
  auto* tl = new QGridLayout(gbType);
  CBTypRozdeleni_ = named<QComboBox>(gbType, u"CBTypRozdeleni"_s);
  CBTypRozdeleni_->setMaxVisibleItems(30);
  for (int t = 0; t < kParametricTypeCount; ++t)
    CBTypRozdeleni_->addItem(qs(ParametricTypeName(t, services_.language())));
  auto* label1 = named<QLabel>(gbType, u"Label1"_s);
  auto* label2 = named<QLabel>(gbType, u"Label2"_s);
  EdPocetIntervalu_ = named<QLineEdit>(gbType, u"EdPocetIntervalu"_s);
  Label6_ = named<QLabel>(gbType, u"Label6"_s);
  EdEps_ = named<QLineEdit>(gbType, u"EdEps"_s);
  tl->addWidget(label1, 0, 0, 1, 2);
  tl->addWidget(CBTypRozdeleni_, 1, 0, 1, 2);
  tl->addWidget(label2, 2, 0);
  tl->addWidget(EdPocetIntervalu_, 2, 1);
  tl->addWidget(Label6_, 3, 0);
  tl->addWidget(EdEps_, 3, 1);
  left->addWidget(gbType);
}

// The parameters of the type.
void ParametricWindow::buildParameters(QVBoxLayout* left) {
  GBParametry_ = named<QGroupBox>(this, u"GBParametry"_s);
  auto* pl = new QGridLayout(GBParametry_);
  for (int i = 0; i < 4; ++i) {
    LabPara_[i] = new QLabel(GBParametry_);
    LabPara_[i]->setObjectName(u"LabPara%1"_s.arg(i + 1));
    EdPara_[i] = new QLineEdit(GBParametry_);
    EdPara_[i]->setObjectName(u"EdPara%1"_s.arg(i + 1));
    pl->addWidget(LabPara_[i], i, 0);
    pl->addWidget(EdPara_[i], i, 1);
  }
  left->addWidget(GBParametry_);
}

// First and last centre, median, mode.
void ParametricWindow::buildCentresTable(QVBoxLayout* left) {
  StringGrid1_ = makeGrid(this, u"StringGrid1"_s, 4, 2);
  StringGrid1_->horizontalHeader()->setVisible(false);
  StringGrid1_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  StringGrid1_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  const char* rows[] = {"Xmin", "Xmax", "Median", "Mode"};
  for (int r = 0; r < 4; ++r) setCell(StringGrid1_, r, 0, QString::fromLatin1(rows[r]));
  int h = 2 * StringGrid1_->frameWidth();
  for (int r = 0; r < 4; ++r) h += StringGrid1_->rowHeight(r);
  StringGrid1_->setFixedHeight(h);
  StringGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  left->addWidget(StringGrid1_);
}

// Marks and axis labels, with the chart panel that owns their controls.
void ParametricWindow::buildMarksAndChart(QVBoxLayout* left) {
  auto* marks = named<QGroupBox>(this, u"GBPopisky"_s);
  auto* ml = new QGridLayout(marks);
  HistogramChartPanel::Setup setup;
  setup.name = u"Chart1L"_s;
  setup.seriesName = u"p    pf(z)"_s;
  setup.fallbackWidth = 500;
  setup.marksParent = marks;
  setup.marksItems = {u"P(x)"_s, u"x"_s, u"x & P(x)"_s, u"INT ... x"_s, u"INT & P(x)"_s};
  setup.axisItems = {u"Index x"_s, u"Value x"_s};
  setup.folder = [folder = services_.folders.StartFolder] { return folder; };
  setup.proposedName = [this] { return safeFileBase(ss(CBTypRozdeleni_->currentText())); };
  setup.chartShown = [this] { return chartShown_; };
  chart_ = new HistogramChartPanel(services_, std::move(setup), this);
  const MarksControls& markControls = chart_->marks();
  auto* label11 = named<QLabel>(marks, u"Label11"_s);
  auto* label4 = named<QLabel>(marks, u"Label4"_s);
  ml->addWidget(markControls.CheckBox1, 0, 0);
  ml->addWidget(markControls.CBMarks, 0, 1);
  ml->addWidget(label11, 1, 0);
  ml->addWidget(markControls.SpinEdAngle, 1, 1);
  ml->addWidget(label4, 2, 0);
  ml->addWidget(markControls.CBValInd, 2, 1);
  left->addWidget(marks);
}

// The buttons below the controls.
void ParametricWindow::buildButtons(QVBoxLayout* left) {
  auto* buttons = new QHBoxLayout;
  BChar_ = named<QPushButton>(this, u"BChar"_s);
  BChar_->setAutoDefault(false);
  BChar_->setEnabled(false);
  BitBtn1_ = named<QPushButton>(this, u"BitBtn1"_s);
  BitBtn1_->setAutoDefault(false);
  buttons->addWidget(BChar_);
  buttons->addWidget(chart_->saveImageButton());
  buttons->addWidget(chart_->saveChartButton());
  buttons->addWidget(chart_->copyButton());
  buttons->addStretch();
  buttons->addWidget(BitBtn1_);
  left->addLayout(buttons);
  left->addStretch();
}

// Chart and probability table.
void ParametricWindow::buildChartArea(QHBoxLayout* root) {
  const MarksControls& markControls = chart_->marks();
  auto* right = new QVBoxLayout;
  root->addLayout(right, 1);
  QChart* chart = chart_->bars().chart;
  chart->setMargins(QMargins(6, 4, 12, 4));
  chart_->bars().set->setColor(fromBgr(kBarColour));
  chart->legend()->show();  // the bar set's name
  chart->legend()->setAlignment(Qt::AlignRight);
  chart->setTitleBrush(QBrush(Qt::blue));
  chart_->setMinimumSize(360, 240);
  chart_->hide();
  right->addWidget(chart_, 3);
  right->insertWidget(0, chart_->zoomBar());

  probabilityTable_ = makeGrid(this, u"StringGrid2"_s, 0, 5);
  probabilityTable_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  probabilityTable_->hide();
  right->addWidget(probabilityTable_, 2);
  // The tab order the window has always had.
  setTabOrder(markControls.CBValInd, BChar_);
  setTabOrder(BChar_, chart_->saveChartButton());
  setTabOrder(chart_->saveChartButton(), chart_->copyButton());
  setTabOrder(chart_->copyButton(), chart_->saveImageButton());
  setTabOrder(chart_->saveImageButton(), BitBtn1_);
  setTabOrder(BitBtn1_, chart_);
}

// The handlers of the controls.
void ParametricWindow::connectHandlers() {
  connect(CBTypRozdeleni_, &QComboBox::activated, this, &ParametricWindow::CBTypRozdeleniChange);
  for (int i = 0; i < 4; ++i) {
    EdPara_[i]->installEventFilter(this);
    connect(EdPara_[i], &QLineEdit::textEdited, this, [this] {
      changed_ = true;
      hideChart();
    });
  }
  for (QLineEdit* e : {EdPocetIntervalu_, EdEps_}) {
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this] {
      changed_ = true;
      hideChart();
    });
  }
  CBTypRozdeleni_->installEventFilter(this);
  StringGrid1_->viewport()->installEventFilter(this);
  const auto redraw = [this] {
    if (chartShown_) rebuildSeries();
  };
  connect(chart_, &HistogramChartPanel::redrawWanted, this, redraw);
  connect(chart_, &HistogramChartPanel::axisLabelsChanged, this, redraw);
  connect(BChar_, &QPushButton::clicked, this, &ParametricWindow::BCharClick);
  connect(BitBtn1_, &QPushButton::clicked, this, &QWidget::close);
}

void ParametricWindow::readSettings() {
  const SettingsFile& s = services_.settings;
  EdEps_->setText(qs(settings::readEpsText(s, settings::kParamEps)));
  EdPocetIntervalu_->setText(qs(settings::readIntervalsText(s, settings::kParamIntervals)));
  chart_->readSettings(&settings::kParamMarks, settings::kParamAngle);
  rememberedEps_ = ss(EdEps_->text());
  restoreIntervals_ = ss(EdPocetIntervalu_->text());
}

void ParametricWindow::writeSettings() {
  SettingsFile& s = services_.settings;
  settings::writeText(s, settings::kParamEps, ss(EdEps_->text()));
  settings::writeText(s, settings::kParamIntervals, ss(EdPocetIntervalu_->text()));
  chart_->writeSettings(settings::kParamMarks, settings::kParamAngle);
}

void ParametricWindow::ApplyRuntimeTexts(Language language) {
  for (int t = 0; t < kParametricTypeCount && t < CBTypRozdeleni_->count(); ++t)
    CBTypRozdeleni_->setItemText(t, qs(ParametricTypeName(t, language)));
  if (!chartShown_) return;
  ParametricPresentation p = ParametricPresentationOf(CBTypRozdeleni_->currentIndex(), language);
  p.epsVisible = result_.presentation.epsVisible;
  result_.presentation = p;
  applyPresentation(p);
  draw();
  if (LabPara_[0]->text() == u"Mi"_s || LabPara_[0]->text() == u"Xo"_s)
    LabPara_[0]->setText(qs(MessageText(89, language)));
  if (LabPara_[1]->text() == u"Sigma"_s) LabPara_[1]->setText(qs(MessageText(90, language)));
}

void ParametricWindow::applyTableColour() {
  const QColor c = fromBgr(services_.options.colours.table);
  for (QTableWidget* g : {StringGrid1_, probabilityTable_}) {
    QPalette pal = g->palette();
    pal.setColor(QPalette::Base, c);
    g->setPalette(pal);
  }
  highlightTable();
}

void ParametricWindow::applyEditColour() {
  const QColor c = fromBgr(services_.options.colours.edit);
  for (QLineEdit* e : {EdPocetIntervalu_, EdEps_, EdPara_[0], EdPara_[1], EdPara_[2], EdPara_[3]}) {
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, c);
    e->setPalette(pal);
  }
}

void ParametricWindow::applyPresetValues() {
  EdEps_->setText(u"1E-7"_s);
  EdPocetIntervalu_->setText(u"128"_s);
  chart_->presetMarks();
  rememberedEps_ = "1E-7";
  restoreIntervals_ = "128";
}

QLineEdit* ParametricWindow::fieldEdit(int field) const {
  if (field == 0) return EdPocetIntervalu_;
  if (field == 5) return EdEps_;
  return EdPara_[field - 1];
}

// ------------------------------------------------------------------------------------------------
// Open and compute

void ParametricWindow::Open() {
  if (!isVisible()) {
    show();  // showEvent opens
    return;
  }
  minText_.clear();
  maxText_.clear();
  EdPocetIntervalu_->setEnabled(false);
  changed_ = false;
  CBTypRozdeleni_->setCurrentIndex(0);
  const Language lang = services_.language();
  for (int i = 0; i < 4; ++i) {
    LabPara_[i]->show();
    EdPara_[i]->show();
    EdPara_[i]->setEnabled(false);
    LabPara_[i]->setText(qs(runtimeTextFormat(RuntimeText::ParameterLabel, lang, {std::to_string(i + 1)})));
  }
  GBParametry_->setTitle(qs(MessageText(137, lang)));
  reset_ = true;
  const char* defaults[] = {"10", "1", "1.1", "1.9"};
  for (int i = 0; i < 4; ++i) EdPara_[i]->setText(QString::fromLatin1(defaults[i]));
  chart_->marks().CheckBox1->setChecked(false);
  applyTableColour();
  rememberedEps_ = ss(EdEps_->text());
  VypocetParaRozClick();
}

void ParametricWindow::showEvent(QShowEvent* event) {
  SimpleWindow::showEvent(event);
  // Shown by the main window (which disables itself meanwhile): a new histogram starts.
  if (!event->spontaneous()) Open();
}

bool ParametricWindow::checkEps() {
  const Language lang = services_.language();
  double eps = 0;
  std::string text = ss(EdEps_->text());
  auto putBack = [&] {
    EdEps_->setText(qs(rememberedEps_));
    text = rememberedEps_;
  };
  bool ok = true;
  if (!parseDouble(text, eps)) {
    error(lang, MessageText(99, lang) + " Eps : " + text);
    putBack();
    ok = false;
    if (!parseDouble(text, eps)) return false;
  }
  if (!(eps > 0)) {
    error(lang, MessageText(97, lang));
    putBack();
    ok = false;
    if (!parseDouble(text, eps) || !(eps > 0)) return false;
  }
  if (eps < 1e-8 || eps > 1) {
    error(lang, MessageText(98, lang));
    putBack();
    ok = false;
  }
  return ok || parseDouble(ss(EdEps_->text()), eps);
}

void ParametricWindow::VypocetParaRozClick() {
  if (computing_) return;
  computing_ = true;
  struct Done {
    bool& f;
    ~Done() { f = false; }
  } done{computing_};
  const Language lang = services_.language();

  // 1. Eps; the four parameter fields become editable.
  double eps = 1e-7;
  if (!parseDouble(ss(EdEps_->text()), eps) || !(eps >= 1e-8 && eps <= 1)) {
    checkEps();
    if (!parseDouble(ss(EdEps_->text()), eps) || !(eps >= 1e-8 && eps <= 1)) eps = 1e-7;
  }
  for (QLineEdit* e : EdPara_) e->setEnabled(true);

  // 2. Number of intervals.
  long n = 0;
  if (!parseLong(ss(EdPocetIntervalu_->text()), n) || n < 3 || n > kMaxBins) {
    EdPocetIntervalu_->setEnabled(true);
    EdPocetIntervalu_->setFocus();
    error(lang, MessageText(88, lang) + "256" + " !");
    EdPocetIntervalu_->setText(qs(restoreIntervals_));
    return;
  }

  // 3. The generator.
  ParametricRequest rq;
  rq.type = std::max(0, CBTypRozdeleni_->currentIndex());
  for (int i = 0; i < 4; ++i) rq.params[i] = ss(EdPara_[i]->text());
  rq.eps = eps;
  rq.intervals = int(n);
  rq.reset = reset_;
  reset_ = false;
  result_ = GenerateParametric(rq, lang);
  applyPresentation(result_.presentation);
  for (int i = 0; i < 4; ++i)
    if (qs(result_.params[i]) != EdPara_[i]->text()) EdPara_[i]->setText(qs(result_.params[i]));
  if (result_.fault) dialog(lang, result_.fault->message == 101 ? 2 : 3, result_.fault->text(lang));
  if (result_.refusal) {
    const Refusal& r = *result_.refusal;
    QLineEdit* focus = r.parameterField >= 1 ? EdPara_[r.parameterField - 1] : nullptr;
    if (focus) {
      focus->setEnabled(true);
      focus->setFocus();
    }
    dialog(lang, r.titleMessage(), r.text(lang));
    if (focus && r.restoreText) focus->setText(qs(restoreParams_[r.parameterField - 1]));
  }

  // 4. Nothing to draw.
  if (!result_.valid) {
    hideChart();
    EdPocetIntervalu_->setEnabled(true);
    return;
  }

  // 5. Chart, kept edges, drawing.
  minText_ = formatNumber(result_.min);
  maxText_ = formatNumber(result_.max);
  chartShown_ = true;
  draw();

  // 6. Longer labels for the mean and the standard deviation.
  if (LabPara_[0]->text() == u"Mi"_s || LabPara_[0]->text() == u"Xo"_s)
    LabPara_[0]->setText(qs(MessageText(89, lang)));
  if (LabPara_[1]->text() == u"Sigma"_s) LabPara_[1]->setText(qs(MessageText(90, lang)));

  // 7. Restore texts.
  restoreIntervals_ = ss(EdPocetIntervalu_->text());
  for (int i = 0; i < 4; ++i) restoreParams_[i] = ss(EdPara_[i]->text());
  changed_ = false;
}

void ParametricWindow::applyPresentation(const ParametricPresentation& p) {
  GBParametry_->setTitle(qs(p.caption));
  for (int i = 0; i < 4; ++i) {
    LabPara_[i]->setText(qs(p.labels[i]));
    LabPara_[i]->setVisible(p.fieldVisible[i]);
    EdPara_[i]->setVisible(p.fieldVisible[i]);
  }
  EdEps_->setVisible(p.epsVisible);
  Label6_->setVisible(p.epsVisible);
}

void ParametricWindow::hideChart() {
  chartShown_ = false;
  chart_->hide();
  probabilityTable_->hide();
}

// ------------------------------------------------------------------------------------------------
// Drawing

void ParametricWindow::draw() {
  const Language lang = services_.language();
  chart_->placeZoomBar();
  GBParametry_->setTitle(u"  "_s + GBParametry_->title() + u"  "_s);

  // Title.
  const QDateTime now = QDateTime::currentDateTime();
  const DisplayOptions& o = services_.options;
  titleLines_[0] =
      formatShortDate(now.date().day(), now.date().month(), now.date().year(), o.dateSeparator) + " , " +
      formatShortTime(now.time().hour(), now.time().minute(), now.time().second(), o.timeSeparator);
  std::string second = MessageText(78, lang) + " : " + ss(CBTypRozdeleni_->currentText());
  const ParametricPresentation& p = result_.presentation;
  if (p.fieldVisible[0]) {
    second += "  F ( x |  " + p.labels[0] + "=" + ss(EdPara_[0]->text());
    for (int i = 1; i < 4; ++i)
      if (p.fieldVisible[i]) second += " , " + p.labels[i] + "=" + ss(EdPara_[i]->text());
    second += " )";
  }
  titleLines_[1] = second;
  chart_->bars().chart->setTitle(qs(titleLines_[0]) + u"<br>"_s + qs(titleLines_[1]).toHtmlEscaped());

  rebuildSeries();
  chart_->show();

  // Summary table.
  const int n = result_.intervals;
  const double first = result_.min + result_.step / 2, last = result_.max - result_.step / 2;
  setCell(StringGrid1_, 0, 1, qs(formatNumber(first)));
  setCell(StringGrid1_, 1, 1, qs(formatNumber(last)));
  std::string median, mode;
  const std::span<const double> P(result_.p.data(), result_.p.size());
  binMedian(true, P, first, last, n, median);
  binMode(P, n, first, last, mode);
  setCell(StringGrid1_, 2, 1, qs(median));
  setCell(StringGrid1_, 3, 1, qs(mode));

  fillTables();
  probabilityTable_->show();
  BChar_->setEnabled(true);
  EdPocetIntervalu_->setEnabled(true);
}

void ParametricWindow::rebuildSeries() {
  const int n = result_.intervals;
  const bool index = services_.options.axisIndex;
  BarChart& bars = chart_->bars();
  bars.axisX->setTitleText(index ? u"Index   f(z)"_s : qs(MessageText(217, services_.language())));
  chart_->marks().CBValInd->setCurrentIndex(index ? 0 : 1);
  bars.setHistogramBars(
      std::span<const double>(result_.p.data(), size_t(n)), index,
      [this](int i) { return result_.min + (i + 0.5) * result_.step; }, chart_->marks().turned());
}

void ParametricWindow::fillTables() {
  const Language lang = services_.language();
  const std::vector<ProbabilityRow> rows = probabilityRows(result_.histogram());
  probabilityTable_->setUpdatesEnabled(false);
  probabilityTable_->clearContents();
  probabilityTable_->setRowCount(int(rows.size()));
  probabilityTable_->setHorizontalHeaderLabels({u"  INT"_s, u"     x"_s, qs(MessageText(121, lang)),
                                                qs(MessageText(122, lang)), qs(MessageText(412, lang))});
  for (int r = 0; r < int(rows.size()); ++r) {
    const ProbabilityRow& row = rows[r];
    const std::array<QString, 5> c = probabilityRowTexts(row, lang);
    for (int col = 0; col < 5; ++col) probabilityTable_->setItem(r, col, new QTableWidgetItem(c[col]));
  }
  highlightTable();
  probabilityTable_->resizeColumnsToContents();
  probabilityTable_->setUpdatesEnabled(true);
}

void ParametricWindow::highlightTable() {
  const int rows = probabilityTable_->rowCount();
  const bool on = services_.options.highlightRows;
  const QColor table = fromBgr(services_.options.colours.table);
  for (int r = 0; r < rows; ++r) {
    const bool intervalRow = r % 2 == 1 && r < rows - 1;
    for (int c = 0; c < 5; ++c) {
      QColor cell = table;
      if (on && intervalRow) cell = fromBgr(kStripeColour);
      if (on && r == rows - 1 && c >= 1 && c <= 3) cell = fromBgr(kTotalRowColour);
      if (QTableWidgetItem* it = probabilityTable_->item(r, c)) it->setBackground(cell);
    }
  }
}

const std::vector<std::string>& ParametricWindow::barLabels() const { return chart_->bars().labels(); }

// ------------------------------------------------------------------------------------------------
// Handlers

void ParametricWindow::CBTypRozdeleniChange() {
  reset_ = true;
  minText_.clear();
  maxText_.clear();
  EdPocetIntervalu_->setEnabled(false);
  const int t = CBTypRozdeleni_->currentIndex();
  EdPara_[2]->setEnabled(t == kPtBetaGeneral || t == kPtTriangular || t == kPtLogNormal3P);
  VypocetParaRozClick();
}

void ParametricWindow::FieldExit(int field) {
  if (computing_) return;
  if (field == 5) {
    if (!changed_) return;
    checkEps();
    VypocetParaRozClick();
    return;
  }
  if (field == 3 || changed_) VypocetParaRozClick();
}

void ParametricWindow::StringGrid1Click() {
  const Language lang = services_.language();
  messageDialog(MessageText(1, lang), MessageText(214, lang), DlgKind::Information, DlgButtons::Ok, mrOk);
}

void ParametricWindow::BCharClick() {
  if (!chartShown_) return;
  const Language lang = services_.language();
  // The library takes the first and last bin centres.
  const Histogram h = result_.histogram();
  long n = result_.intervals;
  parseLong(ss(EdPocetIntervalu_->text()), n);
  const std::string text = CharacteristicsText(MessageText(80, lang) + ss(CBTypRozdeleni_->currentText()),
                                               std::span<const double>(h.p.data(), h.p.size()), int(n), h.min,
                                               h.max, h.total, lang);
  messageDialog(MessageText(79, lang), text, DlgKind::Information, DlgButtons::Ok, mrOk);
}

// ------------------------------------------------------------------------------------------------
// Keys, leaving fields, close

bool ParametricWindow::fieldKey(QLineEdit* edit, int field, QKeyEvent* key) {
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    focusNextChild();
    return true;
  }
  const QString t = key->text();
  if (t.isEmpty() || !t.at(0).isPrint()) return false;  // navigation and editing keys
  const QChar c = t.at(0);
  bool ok = c.isDigit();
  if (field == 0) {
    ok = c.isDigit();
  } else if (field == 4) {
    ok = c.isDigit() || c == u',' || c == u'.';
  } else {
    ok = c.isDigit() || c == u',' || c == u'-' || c == u'.' || c == u'E' || c == u'e';
  }
  if (!ok) {
    dialogs().beep();
    return true;
  }
  QString put = t;
  if (c == u',') put = u"."_s;
  if (c == u'e' && field >= 1 && field <= 3) put = u"E"_s;
  if (put != t) {
    edit->insert(put);
    emit edit->textEdited(edit->text());
    return true;
  }
  return false;
}

bool ParametricWindow::eventFilter(QObject* watched, QEvent* event) {
  int field = -1;
  if (watched == EdPocetIntervalu_) field = 0;
  if (watched == EdEps_) field = 5;
  for (int i = 0; i < 4; ++i)
    if (watched == EdPara_[i]) field = i + 1;
  if (field >= 0) {
    if (event->type() == QEvent::KeyPress)
      return fieldKey(static_cast<QLineEdit*>(watched), field, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) FieldExit(field);
    }
    return false;
  }
  if (watched == CBTypRozdeleni_ && event->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      VypocetParaRozClick();
      focusNextChild();
      return true;
    }
  }
  if (watched == StringGrid1_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    StringGrid1Click();
    return true;
  }
  return SimpleWindow::eventFilter(watched, event);
}

void ParametricWindow::resizeEvent(QResizeEvent* event) {
  SimpleWindow::resizeEvent(event);
  chart_->placeZoomBar();
}

void ParametricWindow::closeEvent(QCloseEvent* event) {
  if (chartShown_) {
    const Histogram h = result_.histogram();
    emit histogramCreated(h);
    services_.windows.storeCreatedHistogram(h);
    setCell(StringGrid1_, 2, 1, QString());
    setCell(StringGrid1_, 3, 1, QString());
    hideChart();
  }
  writeSettings();
  chart_->marks().CheckBox1->setChecked(false);
  rememberedEps_ = ss(EdEps_->text());
  SimpleWindow::closeEvent(event);
}
