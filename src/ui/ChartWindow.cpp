#include "ui/ChartWindow.h"

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
#include <QFrame>
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "histogram/HistogramCharacteristics.h"
#include "histogram/HistogramFile.h"
#include "persistence/ProjectFile.h"
#include "persistence/SettingsKeys.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/BarChartParts.h"
#include "ui/ChartExport.h"
#include "ui/CheckSheet.h"
#include "ui/ExportCommands.h"
#include "ui/ExportTexts.h"
#include "ui/HistogramChartPanel.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/LostLetters.h"
#include "ui/NamedWidget.h"
#include "ui/ProjectModel.h"
#include "ui/QtText.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/TextSets.h"

using namespace Qt::StringLiterals;

namespace {

void setFrameColour(QFrame* f, std::uint32_t c) {
  f->setStyleSheet(u"QFrame { background-color: %1; border: 1px solid #606060; }"_s.arg(fromBgr(c).name()));
}

void setEditColours(QLineEdit* e, std::uint32_t text, std::uint32_t base) {
  QPalette pal = e->palette();
  pal.setColor(QPalette::Text, fromBgr(text));
  pal.setColor(QPalette::Base, fromBgr(base));
  e->setPalette(pal);
}

QTableWidget* makeGrid(QWidget* parent, const QString& name, int rows, int columns) {
  auto* g = makeReadOnlyGrid(parent, name, rows, columns);
  g->setSelectionMode(QAbstractItemView::NoSelection);
  g->setFocusPolicy(Qt::NoFocus);
  g->verticalHeader()->setMinimumSectionSize(g->fontMetrics().height() + 4);
  return g;
}

bool isNumberKey(QChar c) {
  return c.isDigit() || c == u',' || c == u'-' || c == u'.' || c == u'E' || c == u'e';
}

}  // namespace

// ------------------------------------------------------------------------------------------------
// Construction

ChartWindow::ChartWindow(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form3"_s);
  setWindowFlag(Qt::Window);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  buildControls();
  for (int r = 0; r < 5; ++r) setCell(StringGrid1_, r, 0, {});
  for (int r = 0; r < 2; ++r) setCell(StringGrid7_, r, 0, {});
  setCell(StringGrid6_, 0, 0, {});
  ApplyTexts(services_.language());
  ApplyColours();
  readSettings();
  chart_->marks().CheckBox1->setChecked(false);
  resetQueryCells();
  // ---- assessment panel: its contents are built here.
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::applyDisplayOptions() {
  highlightTable();
  updateToolbar();
}

void ChartWindow::buildControls() {
  buildChart();
  buildCharacteristics();
  QGroupBox* queries = buildQueries();
  buildProbabilityTable();
  QGroupBox* marks = buildMarks();
  buildColourPanel();
  buildAssessmentFrame();
  QGridLayout* buttons = buildButtons();
  layoutControls(queries, marks, buttons);
  connectControls();
}

// Chart with the bar series; selected bars carry the query colour.
void ChartWindow::buildChart() {
  HistogramChartPanel::Setup setup;
  setup.name = u"Chart1"_s;
  setup.fallbackWidth = 500;
  setup.marksLater = true;
  setup.marksHandlers = false;  // the marks also keep a shown query
  setup.toolbar = false;
  setup.zoomName = u"Panel6"_s;
  chart_ = new HistogramChartPanel(services_, std::move(setup), this);
  chart_->bars().chart->setMargins(QMargins(6, 4, 12, 4));
  chart_->bars().axisY->setMinorTickCount(1);
  QFont axisTitleFont = chart_->bars().axisX->titleFont();
  axisTitleFont.setPointSizeF(axisTitleFont.pointSizeF() * 0.9);
  axisTitleFont.setBold(false);
  chart_->bars().axisX->setTitleFont(axisTitleFont);
  chart_->bars().axisY->setTitleFont(axisTitleFont);

  chart_->setRenderHint(QPainter::Antialiasing, false);
  chart_->setMinimumSize(360, 240);
  chart_->viewport()->installEventFilter(this);
}

// Characteristics table.
void ChartWindow::buildCharacteristics() {
  StringGrid1_ = makeGrid(this, u"StringGrid1"_s, 5, 2);
  StringGrid1_->horizontalHeader()->setVisible(false);
  StringGrid1_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  StringGrid1_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  fitGridHeight(StringGrid1_);
}

// Value and probability queries.
QGroupBox* ChartWindow::buildQueries() {
  auto* queries = named<QGroupBox>(this, u"GBDotazy"_s);
  auto* ql = new QGridLayout(queries);
  ql->setContentsMargins(8, 6, 8, 8);
  ql->setHorizontalSpacing(8);
  ql->setVerticalSpacing(4);
  Label1_ = named<QLabel>(queries, u"Label1"_s);
  Label5_ = named<QLabel>(queries, u"Label5"_s);
  EditXY_ = named<QLineEdit>(queries, u"EditXY"_s);
  EditP_ = named<QLineEdit>(queries, u"EditP"_s);
  for (QLineEdit* e : {EditXY_, EditP_}) {
    e->setMinimumWidth(110);
    e->installEventFilter(this);
  }
  StringGrid7_ = makeGrid(queries, u"StringGrid7"_s, 2, 2);
  StringGrid6_ = makeGrid(queries, u"StringGrid6"_s, 1, 2);
  for (QTableWidget* g : {StringGrid7_, StringGrid6_}) {
    g->horizontalHeader()->setVisible(false);
    g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    g->setColumnWidth(0, 70);
    g->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    fitGridHeight(g);
  }
  ql->addWidget(Label1_, 0, 0);
  ql->addWidget(EditXY_, 1, 0);
  ql->addWidget(StringGrid7_, 0, 1, 2, 1);
  ql->addWidget(Label5_, 2, 0);
  ql->addWidget(EditP_, 3, 0);
  ql->addWidget(StringGrid6_, 2, 1, 2, 1, Qt::AlignTop);
  ql->setColumnStretch(1, 1);
  return queries;
}

// Probability table.
void ChartWindow::buildProbabilityTable() {
  StringGrid2_ = makeGrid(this, u"StringGrid2"_s, 0, 5);
  StringGrid2_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  StringGrid2_->horizontalHeader()->setStretchLastSection(false);
  StringGrid2_->setTextElideMode(Qt::ElideNone);
  StringGrid2_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  StringGrid2_->setColumnWidth(0, 44);
  StringGrid2_->setColumnWidth(1, 82);
  StringGrid2_->setColumnWidth(2, 100);
  StringGrid2_->setColumnWidth(3, 86);
}

// Marks and labels of the bars.
QGroupBox* ChartWindow::buildMarks() {
  auto* marks = named<QGroupBox>(this, u"GBPopisky"_s);
  auto* ml = new QHBoxLayout(marks);
  ml->setContentsMargins(8, 4, 8, 6);
  chart_->createMarks(marks, {u"P(x)"_s, u"x"_s, u"x & P(x)"_s, u"INT ... x"_s, u"INT & P(x)"_s},
                      {u"Index x"_s, u"Value x"_s});
  chart_->marks().SpinEdAngle->setValue(90);
  chart_->marks().SpinEdAngle->setSuffix(u"\u00B0"_s);
  Label6_ = named<QLabel>(marks, u"Label6"_s);
  Label7_ = named<QLabel>(marks, u"Label7"_s);
  ml->addWidget(chart_->marks().CheckBox1);
  ml->addWidget(chart_->marks().CBMarks);
  ml->addSpacing(6);
  ml->addWidget(Label6_);
  ml->addWidget(chart_->marks().SpinEdAngle);
  ml->addSpacing(12);
  ml->addWidget(Label7_);
  ml->addWidget(chart_->marks().CBValInd);
  ml->addStretch();
  return marks;
}

// Colour panel.
void ChartWindow::buildColourPanel() {
  Panel5_ = named<QFrame>(this, u"Panel5"_s);
  static_cast<QFrame*>(Panel5_)->setFrameShape(QFrame::StyledPanel);
  auto* cl = new QGridLayout(Panel5_);
  cl->setContentsMargins(8, 4, 8, 4);
  cl->setHorizontalSpacing(6);
  cl->setVerticalSpacing(4);
  for (int i = 0; i < 6; ++i) {
    colourButtons_[i] = makeButton(Panel5_, u"Button%1"_s.arg(i + 1));
    colourSamples_[i] = new QFrame(Panel5_);
    colourSamples_[i]->setObjectName(u"M%1"_s.arg(i + 1));
    colourSamples_[i]->setFixedSize(18, 18);
    cl->addWidget(colourSamples_[i], i / 3, 2 * (i % 3));
    cl->addWidget(colourButtons_[i], i / 3, 2 * (i % 3) + 1);
    connect(colourButtons_[i], &QPushButton::clicked, this, [this, i] { ColourButtonClick(i + 1); });
  }
  cl->setColumnStretch(6, 1);
  Panel5_->hide();
}

// Assessment panel frame, filled by the assessment.
void ChartWindow::buildAssessmentFrame() {
  Panel3_ = named<QFrame>(this, u"Panel3"_s);
  static_cast<QFrame*>(Panel3_)->setFrameShape(QFrame::StyledPanel);
  // The row of the assessment; the check of Pf goes below it.
  auto* rows = new QVBoxLayout(Panel3_);
  rows->setContentsMargins(6, 4, 6, 4);
  rows->setSpacing(4);
  auto* al = new QHBoxLayout;
  rows->addLayout(al);
  assessmentRow_ = al;
  Button7_ = makeButton(Panel3_, u"Button7"_s);
  Button7_->setFixedWidth(44);
  al->addWidget(Button7_, 0, Qt::AlignTop | Qt::AlignRight);
  Panel3_->hide();
}

// Command buttons.
QGridLayout* ChartWindow::buildButtons() {
  SaveGraf_ = makeButton(this, u"SaveGraf"_s);
  BChar_ = makeButton(this, u"BChar"_s);
  KrivkaTrvani_ = makeButton(this, u"KrivkaTrvani"_s);
  KontTisk_ = makeButton(this, u"KontTisk"_s);
  UlozOkno_ = makeButton(this, u"UlozOkno"_s);
  UlozObrazek_ = makeButton(this, u"UlozObrazek"_s);
  BitBtn8_ = makeButton(this, u"BitBtn8"_s);
  ExitProgram_ = makeButton(this, u"ExitProgram"_s);
  SaveGraf_->setEnabled(false);
  KrivkaTrvani_->setEnabled(false);
  KontTisk_->setEnabled(false);
  auto* buttons = new QGridLayout;
  buttons->setHorizontalSpacing(6);
  buttons->setVerticalSpacing(4);
  buttons->addWidget(SaveGraf_, 0, 0);
  buttons->addWidget(BChar_, 0, 1);
  buttons->addWidget(KrivkaTrvani_, 0, 2);
  buttons->addWidget(BitBtn8_, 0, 3);
  buttons->addWidget(KontTisk_, 1, 0);
  buttons->addWidget(UlozOkno_, 1, 1);
  buttons->addWidget(UlozObrazek_, 1, 2);
  buttons->addWidget(ExitProgram_, 1, 3);
  return buttons;
}

// Chart left, tables and queries right; the assessment panel runs under both columns.
void ChartWindow::layoutControls(QGroupBox* queries, QGroupBox* marks, QGridLayout* buttons) {
  auto* left = new QVBoxLayout;
  left->setSpacing(4);
  left->addWidget(chart_->zoomBar());
  left->addWidget(chart_, 1);
  left->addWidget(Panel5_);
  left->addWidget(marks);
  auto* right = new QVBoxLayout;
  right->setSpacing(6);
  right->addWidget(StringGrid1_);
  right->addWidget(queries);
  right->addWidget(StringGrid2_, 1);
  right->addLayout(buttons);
  auto* rightBox = new QWidget(this);
  rightBox->setLayout(right);
  right->setContentsMargins(0, 0, 0, 0);
  rightBox->setFixedWidth(480);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(8);
  columns->addLayout(left, 1);
  columns->addWidget(rightBox);
  // The assessment panel runs under both columns: it needs the whole width.
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 6, 6, 6);
  top->setSpacing(6);
  top->addLayout(columns, 1);
  top->addWidget(Panel3_);
}

// Handlers of the controls.
void ChartWindow::connectControls() {
  connect(ExitProgram_, &QPushButton::clicked, this, &QWidget::close);
  connect(SaveGraf_, &QPushButton::clicked, this, &ChartWindow::SaveGrafClick);
  connect(BChar_, &QPushButton::clicked, this, &ChartWindow::BCharClick);
  connect(KrivkaTrvani_, &QPushButton::clicked, this, &ChartWindow::KrivkaTrvaniClick);
  connect(BitBtn8_, &QPushButton::clicked, this, &ChartWindow::BitBtn8Click);
  connect(Button7_, &QPushButton::clicked, this, &ChartWindow::Button7Click);
  connect(UlozOkno_, &QPushButton::clicked, this, &ChartWindow::UlozOknoClick);
  connect(KontTisk_, &QPushButton::clicked, this, &ChartWindow::KontTiskClick);
  connect(UlozObrazek_, &QPushButton::clicked, this, &ChartWindow::UlozObrazekClick);
  connect(chart_->marks().CBValInd, &QComboBox::activated, this, &ChartWindow::CBValIndChange);
  connect(chart_->marks().CheckBox1, &QCheckBox::clicked, this, &ChartWindow::CheckBox1Click);
  connect(chart_->marks().CBMarks, &QComboBox::activated, this, &ChartWindow::CBMarksChange);
  connect(chart_->marks().SpinEdAngle, &QSpinBox::valueChanged, this, &ChartWindow::SpinEdAngleChange);
}

// ------------------------------------------------------------------------------------------------
// Texts, colours, settings

void ChartWindow::ApplyTexts(Language language) { applyTexts(*this, 3, language); }

void ChartWindow::ApplyRuntimeTexts(Language language) {
  ApplyAssessmentTexts(language);  // the assessment panel (ChartAssessmentPanel.cpp)
  if (captionMessage_ != 0 || source_ == kSrcHistogramFile) setWindowTitle(qs(caption(language)));
  if (source_ != 0 && !titleLines_.empty()) {
    chartTitle(source_, cellText_, language, titleLines_[0], name_);
    showTitle();
  }
  UlozOkno_->setToolTip(qs(MessageText(26, language)) + windowTitle() + u" \""_s);
  for (QTableWidget* g : {StringGrid1_, StringGrid7_, StringGrid6_})
    for (int r = 0; r < g->rowCount(); ++r) {
      QTableWidgetItem* it = g->item(r, 0);
      if (!it) continue;
      it->setBackground(palette().color(QPalette::Button));
      QFont f = it->font();
      f.setBold(g != StringGrid1_);
      it->setFont(f);
    }
  StringGrid2_->setHorizontalHeaderLabels({u"  INT"_s, u"     x"_s, qs(MessageText(121, language)),
                                           qs(MessageText(122, language)), qs(MessageText(412, language))});
  chart_->bars().axisY->setTitleText(qs(MessageText(121, language)));
  chart_->bars().axisX->setTitleText(services_.options.axisIndex ? u"Index x"_s
                                                                 : qs(MessageText(217, language)));
  if (CBNorma_) ApplyAssessmentTexts(language);  // once the assessment panel exists
  // The total row of the table in the new language.
  const int totalRow = StringGrid2_->rowCount() - 1;
  if (totalRow > 0)
    if (QTableWidgetItem* it = StringGrid2_->item(totalRow, 1)) it->setText(qs(MessageText(127, language)));
}

void ChartWindow::ApplyColours() {
  const DisplayColours& c = services_.options.colours;
  setEditColours(EditXY_, c.value, 0xFFFFFF);
  setEditColours(EditP_, c.quantile, 0xFFFFFF);
  for (QTableWidget* g : {StringGrid1_, StringGrid2_}) {
    QPalette pal = g->palette();
    pal.setColor(QPalette::Base, fromBgr(c.table));
    g->setPalette(pal);
  }
  highlightTable();
  updateColourSamples();
}

void ChartWindow::ApplyPresetValues() {
  chart_->marks().CBMarks->setCurrentIndex(2);
  chart_->marks().SpinEdAngle->setValue(90);
  chart_->marks().CheckBox1->setChecked(false);
  setWindowState(windowState() & ~Qt::WindowMaximized);
  move(0, 0);
  resize(1000, 562);
}

void ChartWindow::readSettings() {
  SettingsFile& s = services_.settings;
  const settings::Geometry g = settings::readGeometry(s, settings::kForm3Geometry);
  move(g.left, g.top);
  resize(std::clamp(g.width, 400, 10000), std::clamp(g.height, 300, 10000));
  chart_->readSettings(nullptr, settings::kChartAngle);
  chart_->writeSettings(settings::kChartMarks, settings::kChartAngle);
}

void ChartWindow::writeSettings() {
  SettingsFile& s = services_.settings;
  settings::writeGeometry(s, settings::kForm3Geometry, {pos().x(), pos().y(), width(), height()});
  chart_->writeSettings(settings::kChartMarks, settings::kChartAngle);
}

// ------------------------------------------------------------------------------------------------
// Fill

void ChartWindow::chartTitle(Source source, const std::string& cellText, Language lang, std::string& title,
                             std::string& name) const {
  std::string bolts, d1, d2, results;
  if (const ProjectState* project = services_.windows.project()) {
    const ProjectState& p = *project;
    bolts = p.boltCount;
    d1 = p.d1;
    d2 = p.d2;
    results = cutAt(p.resultsName, kVersionMarker);  // without the version an opened project appends
  }
  // A name that already ends in the unit does not get it twice.
  auto withUnit = [&](const std::string& unit) {
    const bool has =
        cellText.size() >= unit.size() - 2 &&
        cellText.compare(cellText.size() - (unit.size() - 2), unit.size() - 2, unit.substr(2)) == 0;
    return has ? cellText : cellText + unit;
  };
  name = cellText;
  switch (source) {
    case kSrcLayer:
      title = withUnit("  [ MPa ]");
      break;
    case kSrcWidth:
      title = withUnit("  [ m ]");
      break;
    case kSrcK:
    case kSrcKn:
    case kSrcQ:
    case kSrcRmr:
      title = cellText;
      break;
    case kSrcGamma:
      title = withUnit("  [ t/m3 ]");
      break;
    case kSrcSigmaR:
      title = withUnit("  [ MPa ]");
      break;
    case kSrcReducedStrength:
      title = runtimeText(RuntimeText::ChartTitleReducedStrength, lang);
      name = runtimeText(RuntimeText::ChartNameReducedStrength, lang);
      break;
    case kSrcBearingCapacity:
      title = runtimeTextFormat(RuntimeText::ChartTitleBearingCapacity, lang, {bolts, d1, d2});
      name = runtimeText(RuntimeText::ChartNameBearingCapacity, lang);
      break;
    case kSrcBoltLength:
      title = runtimeText(RuntimeText::ChartTitleBoltLength, lang);
      name = runtimeText(RuntimeText::ChartNameBoltLength, lang);
      break;
    case kSrcBoltLoad:
      title = runtimeText(RuntimeText::ChartTitleBoltLoad, lang);
      name = runtimeText(RuntimeText::ChartNameBoltLoad, lang);
      break;
    case kSrcReliability:
      title = runtimeTextFormat(RuntimeText::ChartTitleAssessment, lang, {results});
      name = title;
      break;
    case kSrcHistogramFile:
      title = cellText;
      break;
    default:
      title = runtimeText(RuntimeText::ChartTitleIntactRock, lang);
      name = runtimeText(RuntimeText::ChartNameIntactRock, lang);
      break;
  }
}

std::string ChartWindow::caption(Language lang) const {
  if (source_ == kSrcHistogramFile)
    return runtimeTextFormat(RuntimeText::ChartCaptionHistogramFile, lang, {cellText_});
  return MessageText(captionMessage_, lang);
}

void ChartWindow::showTitle() {
  // The title is rich text: keep runs of blanks.
  auto html = [](const std::string& s) { return qs(s).toHtmlEscaped().replace(u"  "_s, u"&nbsp; "_s); };
  chart_->bars().chart->setTitle(u"<div align=\"center\">"_s + html(titleLines_[0]) +
                                 u"<br><span style=\"font-weight:normal\">"_s + html(titleLines_[1]) +
                                 u"</span></div>"_s);
}

void ChartWindow::Fill(Source source, const Histogram& h, const std::string& cellText, int layerRow) {
  const Language lang = services_.language();
  // 1. Controls to their starting state.
  clearQuery();
  EditXY_->clear();
  EditP_->clear();
  resetQueryCells();
  chart_->marks().CheckBox1->setChecked(false);
  chart_->marks().CBMarks->setCurrentIndex(0);
  redrawPositions_ = false;

  // 4. Title line, caption and name of the source.
  if ((source < kSrcLayer || source > kSrcReliability) && source != kSrcHistogramFile)
    source = kSrcNewHistogram;
  std::string title;
  chartTitle(source, cellText, lang, title, name_);
  source_ = source;
  layerRow_ = layerRow;
  hist_ = h;
  cellText_ = cellText;
  captionMessage_ = source == kSrcHistogramFile ? 0 : 162 + source;
  setWindowTitle(qs(caption(lang)));
  Panel3_->setVisible(source == kSrcReliability);

  // 5. Only what has no file yet, or a result, can be saved from here.
  // Layers and results can always be saved; an input slot only while it names no file.
  const bool result =
      source == kSrcReducedStrength || (source >= kSrcBearingCapacity && source <= kSrcReliability);
  const bool inputSlot =
      (source >= kSrcWidth && source <= kSrcKn) || (source >= kSrcQ && source <= kSrcSigmaR);
  bool canSave = source == kSrcLayer || result;
  if (inputSlot) canSave = cellText.find('.') == std::string::npos;
  SaveGraf_->setEnabled(canSave);
  KontTisk_->setEnabled(binCount(hist_) > 0);
  UlozObrazek_->setEnabled(binCount(hist_) > 0);
  KrivkaTrvani_->setEnabled(true);

  // 6. Second title line: date and time in the program's formats.
  const QDateTime now = QDateTime::currentDateTime();
  const QChar ds = QChar::fromLatin1(services_.options.dateSeparator);
  const QChar ts = QChar::fromLatin1(services_.options.timeSeparator);
  titleLines_ = {title, (now.date().toString(u"d%1M%1yyyy"_s.arg(ds)) + u" , "_s +
                         now.time().toString(u"hh%1mm%1ss"_s.arg(ts)))
                            .toStdString()};
  showTitle();

  // 7. Characteristics table.
  const int n = binCount(hist_);
  double sum = 0;
  for (int i = 0; i < n; ++i) sum += hist_.p[i];
  setCell(StringGrid1_, 0, 1, u"         "_s + QString::number(n));
  setCell(StringGrid1_, 1, 1, u"  "_s + qs(formatNumber(hist_.min)));
  setCell(StringGrid1_, 2, 1, u"  "_s + qs(formatNumber(hist_.max)));
  setCell(StringGrid1_, 3, 1, u"  "_s + qs(formatNumber(sum)));
  setCell(StringGrid1_, 4, 1, u"  "_s + qs(formatNumber(hist_.total)));

  // 2, 3, 8. Bars in the current colour with their labels.
  chart_->marks().CBValInd->setCurrentIndex(services_.options.axisIndex ? 0 : 1);
  rebuildSeries();

  // 9. Hint of the window copy.
  UlozOkno_->setToolTip(qs(MessageText(26, lang)) + windowTitle() + u" \""_s);

  // 10. Table, window, toolbar, focus.
  fillTables();
  ApplyColours();
  show();
  raise();
  activateWindow();
  updateToolbar();
  EditP_->setFocus();
}

std::uint32_t ChartWindow::barColour() const {
  const DisplayColours& c = services_.options.colours;
  return source_ == kSrcReliability ? c.assessment : c.histogram;
}

void ChartWindow::rebuildSeries() {
  const int n = binCount(hist_);
  const bool index = services_.options.axisIndex;
  chart_->bars().axisX->setTitleText(index ? u"Index x"_s : qs(MessageText(217, services_.language())));

  chart_->bars().setHistogramBars(
      std::span<const double>(hist_.p.data(), size_t(n)), index,
      [this](int i) { return barLabelPosition(hist_, i + 1, redrawPositions_); }, chart_->marks().turned());
  QBarSet* set = chart_->bars().set;
  set->setColor(fromBgr(barColour()));
  set->deselectAllBars();
  if (queryShown_ && queryBars_ > 0) {
    set->setSelectedColor(fromBgr(queryColour_));
    QList<int> sel;
    for (int i = 0; i < std::min(queryBars_, n); ++i) sel.append(i);
    set->selectBars(sel);
  }
}

void ChartWindow::fillTables() {
  const Language lang = services_.language();
  const std::vector<ProbabilityRow> rows = probabilityRows(hist_);
  StringGrid2_->setUpdatesEnabled(false);
  StringGrid2_->clearContents();
  StringGrid2_->setRowCount(int(rows.size()));
  for (int r = 0; r < int(rows.size()); ++r) {
    const ProbabilityRow& row = rows[r];
    const std::array<QString, 5> c = probabilityRowTexts(row, lang);
    for (int col = 0; col < 5; ++col) {
      auto* it = new QTableWidgetItem(c[col]);
      if (row.kind == ProbabilityRow::Interval) {
        QFont f = it->font();
        f.setBold(col == 1);
        it->setFont(f);
      } else if (row.kind != ProbabilityRow::Total && col == 1) {
        it->setForeground(QColor(90, 90, 90));
      }
      StringGrid2_->setItem(r, col, it);
    }
  }
  highlightTable();
  StringGrid2_->resizeColumnsToContents();
  StringGrid2_->setUpdatesEnabled(true);
}

void ChartWindow::highlightTable() {
  const int rows = StringGrid2_->rowCount();
  if (rows == 0) return;
  const bool on = services_.options.highlightRows;
  TableHighlight s;
  s.mode = mode_;
  s.reliability = source_ == kSrcReliability;
  s.tableColour = services_.options.colours.table;
  s.valueFieldEmpty = EditXY_->text().isEmpty() || !parseDouble(EditXY_->text().toStdString(), s.x);
  s.probabilityFieldEmpty = EditP_->text().isEmpty() || !parseDouble(EditP_->text().toStdString(), s.p);
  const QColor table = fromBgr(s.tableColour);
  for (int r = 0; r < rows; ++r) {
    QColor bg = table;
    const bool intervalRow = r % 2 == 1 && r < rows - 1;
    if (on && intervalRow) bg = fromBgr(intervalRowColour(hist_, (r + 1) / 2, s));
    for (int c = 0; c < 5; ++c) {
      QColor cell = bg;
      if (on && r == rows - 1 && c >= 1 && c <= 3) cell = fromBgr(kTotalRowColour);
      if (QTableWidgetItem* it = StringGrid2_->item(r, c)) it->setBackground(cell);
    }
  }
}

// ------------------------------------------------------------------------------------------------
// Queries

void ChartWindow::resetQueryCells() {
  setCell(StringGrid7_, 0, 1, u"0.000000"_s);
  setCell(StringGrid7_, 1, 1, u"0.000000"_s);
  setCell(StringGrid6_, 0, 1, u"0.000000"_s);
}

void ChartWindow::clearQuery() {
  queryShown_ = false;
  queryBars_ = 0;
  chart_->bars().set->deselectAllBars();
}

void ChartWindow::showQuery(int bars, std::uint32_t colour) {
  queryShown_ = true;
  queryBars_ = bars;
  queryColour_ = colour;
  chart_->bars().set->setSelectedColor(fromBgr(colour));
  chart_->bars().set->deselectAllBars();
  QList<int> sel;
  for (int i = 0; i < std::min(bars, binCount(hist_)); ++i) sel.append(i);
  chart_->bars().set->selectBars(sel);
  chart_->bars().placeMarks();
}

void ChartWindow::RedrawBars() {
  clearQuery();
  redrawPositions_ = true;
  rebuildSeries();
  highlightTable();
}

// Reads a query field; an invalid text is reported and the focus goes back to the field.
bool ChartWindow::parseQueryField(QLineEdit* edit, double& value) {
  const std::string text = edit->text().toStdString();
  if (!text.empty() && text[0] != 'E' && text[0] != 'e' && parseDouble(text, value) && std::isfinite(value))
    return true;
  QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
  const Language lang = services_.language();
  errorDialog(lang, MessageText(177, lang) + text);
  return false;
}

void ChartWindow::EditXYExit() {
  if (inQuery_) return;
  inQuery_ = true;
  setCell(StringGrid7_, 0, 1, u"0"_s);
  setCell(StringGrid7_, 1, 1, u"0"_s);
  mode_ = QueryMode::Value;
  double x = 0;
  if (EditXY_->text().isEmpty()) {
    // No value asked: no result, rather than a 0 that reads as one.
    setCell(StringGrid7_, 0, 1, QString());
    setCell(StringGrid7_, 1, 1, QString());
    RedrawBars();
  } else if (parseQueryField(EditXY_, x)) {
    const ValueQuery q = valueQuery(hist_, x);
    if (!q.inRange) {
      clearQuery();
      EditXY_->clear();
    } else {
      double cdf = q.cdf;
      if (source_ == kSrcReliability && Panel3_->isVisible() && x == 0 && failureProbability_)
        cdf = *failureProbability_;
      showQuery(q.interval, services_.options.colours.value);
      setCell(StringGrid7_, 0, 1, qs(formatNumber(q.px)));
      setCell(StringGrid7_, 1, 1, qs(formatNumber(cdf)));
    }
  }
  highlightTable();
  inQuery_ = false;
}

void ChartWindow::EditPExit() {
  if (inQuery_) return;
  inQuery_ = true;
  setCell(StringGrid6_, 0, 1, u"0"_s);
  mode_ = QueryMode::Probability;
  double p = 0;
  if (EditP_->text().isEmpty()) {
    setCell(StringGrid6_, 0, 1, QString());
    RedrawBars();
  } else if (parseQueryField(EditP_, p)) {
    const QuantileQuery q = quantileQuery(hist_, p);
    if (!q.inRange) {
      clearQuery();
      EditP_->clear();
    } else {
      if (p == 1) EditP_->setText(u"1"_s);
      showQuery(q.interval, services_.options.colours.quantile);
      setCell(StringGrid6_, 0, 1, qs(formatNumber(q.qp)));
    }
  }
  highlightTable();
  inQuery_ = false;
}

bool ChartWindow::queryKey(QLineEdit* edit, QKeyEvent* key) {
  const int k = key->key();
  if (k == Qt::Key_Return || k == Qt::Key_Enter) {
    QLineEdit* other = edit == EditXY_ ? EditP_ : EditXY_;
    other->setFocus(Qt::TabFocusReason);
    // Leaving the field runs its query; without a focus change (hidden window) run it here.
    if (!other->hasFocus()) edit == EditXY_ ? EditXYExit() : EditPExit();
    return true;
  }
  const QString text = key->text();
  const bool character = !text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & Qt::ControlModifier);
  if (k != Qt::Key_Backspace && !character) return false;  // navigation and editing keys
  if (edit->text().isEmpty()) {
    mode_ = QueryMode::None;
    RedrawBars();
  }
  if (k == Qt::Key_Backspace) return false;
  const QChar c = text.at(0);
  if (!isNumberKey(c)) {
    services_.dialogs.beep();
    return true;
  }
  edit->insert(c == u',' ? u"."_s : c == u'e' ? u"E"_s : QString(c));
  return true;
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditXY_ || watched == EditP_) {
    auto* edit = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
      case QEvent::KeyPress:
        return queryKey(edit, static_cast<QKeyEvent*>(event));
      case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
          edit == EditXY_ ? EditXYExit() : EditPExit();
        break;
      }
      case QEvent::MouseButtonRelease:
        edit == EditXY_ ? EditXYExit() : EditPExit();
        break;
      default:
        break;
    }
  } else if (chart_ && watched == chart_->viewport() && event->type() == QEvent::MouseButtonPress) {
    Panel5_->hide();
  }
  return QWidget::eventFilter(watched, event);
}

// ------------------------------------------------------------------------------------------------
// Marks and labels

void ChartWindow::CBValIndChange() {
  services_.options.axisIndex =
      chart_->marks().CBValInd->currentIndex() != 1;  // item 0: by index, 1: by value
  clearQuery();
  if (mode_ == QueryMode::Value && !EditXY_->text().isEmpty()) {
    redrawPositions_ = true;
    rebuildSeries();
    EditXYExit();
  } else if (mode_ == QueryMode::Probability && !EditP_->text().isEmpty()) {
    redrawPositions_ = true;
    rebuildSeries();
    EditPExit();
  } else {
    RedrawBars();
  }
}

void ChartWindow::CheckBox1Click() {
  if (chart_->marks().CheckBox1->isChecked()) {
    // Redraw keeps a displayed query.
    const bool shown = queryShown_;
    const int bars = queryBars_;
    const std::uint32_t colour = queryColour_;
    RedrawBars();
    if (shown) showQuery(bars, colour);
  } else {
    chart_->bars().placeMarks();
  }
}

void ChartWindow::CBMarksChange() {
  if (chart_->marks().CheckBox1->isChecked()) CheckBox1Click();
}

void ChartWindow::SpinEdAngleChange() {
  chart_->marks().CheckBox1->setChecked(false);
  chart_->bars().placeMarks();
}

// ------------------------------------------------------------------------------------------------
// Buttons

void ChartWindow::SaveGrafClick() {
  const std::optional<std::string> saved = SaveHistogramCommand(services_, hist_);
  if (!saved) return;
  // The slot shown takes the file's name (the input area follows the model).
  if (ProjectModel* model = services_.windows.projectModel()) model->renameSlot(source_, layerRow_, *saved);
  if (histogramSaved) histogramSaved(source_, layerRow_, *saved);
}

void ChartWindow::BCharClick() {
  const Language lang = services_.language();
  const int n = binCount(hist_);
  const std::string text = CharacteristicsText("H i s t o g r a m  : \r\n" + name_,
                                               std::span<const double>(hist_.p.data(), hist_.p.size()), n,
                                               hist_.min, hist_.max, hist_.total, lang);
  messageDialog(MessageText(79, lang), text, DlgKind::Information, DlgButtons::Ok, mrOk);
}

void ChartWindow::Button7Click() {
  const Language lang = services_.language();
  messageDialog(MessageText(406, lang), MessageText(407, lang), DlgKind::Information, DlgButtons::Ok, mrOk);
}

void ChartWindow::KontTiskClick() {
  // The reliability function's sheet sums up the assessment shown with it.
  std::optional<CheckSheetVerdict> verdict;
  if (source_ == kSrcReliability && shownAssessment_) {
    const AssessmentResult& a = *shownAssessment_;
    const ExportText standard = a.standard == DesignStandard::Csn731401 ? ExportText::ReportStandardCsn731401
                                                                        : ExportText::ReportStandardEn1990;
    verdict = CheckSheetVerdict{a.pf, {}, exportText(standard, services_.language()), a.verdict};
    if (a.betaFKind == BetaFKind::Value)
      verdict->betaF = a.betaF;
    else
      verdict->betaF =
          a.betaFKind == BetaFKind::Out ? std::string("<OUT>") : MessageText(233, services_.language());
  }
  CheckSheetCommand(hist_, windowTitle().toStdString(), name_, services_.folders.ResultsFolder,
                    services_.language(), checkSheetOpener, verdict ? &*verdict : nullptr);
}

void ChartWindow::UlozObrazekClick() {
  SaveChartImage(*chart_, services_.folders.ResultsFolder, safeFileBase(name_), services_.language());
}

void ChartWindow::UlozOknoClick() {
  if (QClipboard* cb = QApplication::clipboard()) cb->setPixmap(grab());
}

void ChartWindow::BitBtn8Click() {
  if (Panel5_->isVisible()) {
    Panel5_->hide();
    return;
  }
  updateColourSamples();
  colourButtons_[0]->setEnabled(source_ != kSrcReliability);
  colourButtons_[3]->setEnabled(source_ == kSrcReliability);
  Panel5_->show();
}

void ChartWindow::updateColourSamples() {
  const DisplayColours& c = services_.options.colours;
  const std::uint32_t v[] = {c.histogram, c.value, c.quantile, c.assessment, c.table, c.edit};
  for (int i = 0; i < 6; ++i) setFrameColour(colourSamples_[i], v[i]);
}

void ChartWindow::ColourButtonClick(int button) {
  DisplayColours& c = services_.options.colours;
  std::uint32_t* target[] = {&c.histogram, &c.value, &c.quantile, &c.assessment, &c.table, &c.edit};
  if (button < 1 || button > 6) return;
  const std::optional<std::uint32_t> chosen = services_.dialogs.chooseColour(*target[button - 1]);
  if (!chosen) return;
  *target[button - 1] = *chosen & 0xFFFFFF;
  switch (button) {
    case 1:
    case 4: {
      // Fill again; the query fields keep their texts and the last query is shown again.
      const QString x = EditXY_->text(), p = EditP_->text();
      const QueryMode mode = mode_;
      const bool save = SaveGraf_->isEnabled();
      const std::string cell = name_;
      const Histogram h = hist_;
      Fill(source_, h, cell, layerRow_);
      SaveGraf_->setEnabled(save);
      EditXY_->setText(x);
      EditP_->setText(p);
      mode_ = mode;
      if (mode == QueryMode::Value && !x.isEmpty()) EditXYExit();
      if (mode == QueryMode::Probability && !p.isEmpty()) EditPExit();
      highlightTable();
      Panel5_->show();
      break;
    }
    case 2:
    case 3:
      if (queryShown_)
        showQuery(queryBars_, button == 2 && mode_ == QueryMode::Value         ? c.value
                              : button == 3 && mode_ == QueryMode::Probability ? c.quantile
                                                                               : queryColour_);
      break;
    case 5:
      services_.windows.applyTableColour();
      break;
    case 6:
      services_.windows.applyEditColour();
      break;
    default:
      break;
  }
  ApplyColours();
}

// ------------------------------------------------------------------------------------------------
// Window

void ChartWindow::updateToolbar() { chart_->placeZoomBar(); }

const std::vector<std::string>& ChartWindow::barLabels() const { return chart_->bars().labels(); }

void ChartWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  updateToolbar();
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  writeSettings();
  SaveGraf_->setEnabled(false);
  clearQuery();
  mode_ = QueryMode::None;
  Panel5_->hide();
  QWidget::closeEvent(event);
}

void ChartWindow::FocusValueField() { EditXY_->setFocus(); }

void ChartWindow::KrivkaTrvaniClick() { services_.windows.showDistributionFunction(hist_, name_); }
