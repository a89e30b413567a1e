#include "ui/DistributionFunctionWindow.h"

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
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <set>

#include "histogram/HistogramFile.h"
#include "histogram/Queries.h"
#include "persistence/SettingsKeys.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/BarChartParts.h"
#include "ui/ChartExport.h"
#include "ui/CheckSheet.h"
#include "ui/NamedWidget.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QColor fromBgr(std::uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

constexpr std::uint32_t kBarColour = 12639424;
constexpr std::uint32_t kCentreRowColour = 14609886;

// Striped centre rows draw their text again at the cell's top-left corner.
class TopLeftDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(Qt::UserRole).toBool()) option->displayAlignment = Qt::AlignLeft | Qt::AlignTop;
  }
};

}  // namespace

std::vector<DistributionFunctionRow> DistributionFunctionRows(const Histogram& h) {
  const int n = binCount(h);
  std::vector<DistributionFunctionRow> rows;
  rows.reserve(2 * n + 1);
  rows.push_back({0, h.min - h.step / 2, 0});
  double F = 0;
  for (int i = 1; i <= n; ++i) {
    const double p = h.p[i - 1];
    rows.push_back({i, h.min + (i - 1) * h.step, F + p / 2});
    F += p;
    rows.push_back({0, h.min + (i - 0.5) * h.step, F});
  }
  return rows;
}

std::string DistributionFunctionTitle(const std::string& name) { return withoutFileExtension(name, "dis"); }

DistributionFunctionWindow::DistributionFunctionWindow(Services& services, QWidget* parent)
    : SimpleWindow(services, 12, parent), bars_(this, QString(), 400, [this] { return marks_.state(); }) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setEnablesMainOnClose(false);
  buildControls();
  readSettings();
  applyOwnTexts();
  applyTableColour();
}

DistributionFunctionWindow::~DistributionFunctionWindow() = default;

void DistributionFunctionWindow::buildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(6, 6, 6, 6);
  auto* top = new QHBoxLayout;
  root->addLayout(top);
  marks_ = makeMarksControls(this, {u"P(x)"_s, u"x"_s, u"x & P(x)"_s, u"INT"_s, u"INT & P(x)"_s},
                             {u"Index  x"_s, u"Value   x"_s});
  UlozGraf_ = named<QToolButton>(this, u"UlozGraf"_s);
  UlozGraf_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  SpeedButton1_ = named<QToolButton>(this, u"SpeedButton1"_s);
  SpeedButton1_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  OtevriWord_ = named<QToolButton>(this, u"OtevriWord"_s);
  OtevriWord_->setText(u"W"_s);
  UlozObrazek_ = makeButton(this, u"UlozObrazek"_s);
  ExitBtn_ = named<QPushButton>(this, u"ExitBtn"_s);
  ExitBtn_->setAutoDefault(false);
  for (QWidget* w :
       std::initializer_list<QWidget*>{marks_.CheckBox1, marks_.CBMarks, marks_.SpinEdAngle, marks_.CBValInd,
                                       UlozObrazek_, UlozGraf_, SpeedButton1_, OtevriWord_})
    top->addWidget(w);
  top->addStretch();
  top->addWidget(ExitBtn_);

  auto* body = new QHBoxLayout;
  root->addLayout(body, 1);
  bars_.set->setColor(fromBgr(kBarColour));
  bars_.axisY->setRange(0, 1.05);
  bars_.chart->setTitleBrush(QBrush(Qt::black));
  Chart1L_ = new QChartView(bars_.chart, this);
  Chart1L_->setObjectName(u"Chart1L"_s);
  Chart1L_->setMinimumSize(300, 200);
  body->addWidget(Chart1L_, 3);

  StringGrid2_ = new QTableWidget(0, 3, this);
  StringGrid2_->setObjectName(u"StringGrid2"_s);
  StringGrid2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid2_->setSelectionMode(QAbstractItemView::NoSelection);
  StringGrid2_->verticalHeader()->setVisible(false);
  StringGrid2_->setItemDelegate(new TopLeftDelegate(StringGrid2_));
  StringGrid2_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  body->addWidget(StringGrid2_, 2);

  Panel1_ = named<QWidget>(Chart1L_, u"Panel1"_s);
  addZoomButtons(Panel1_, bars_.chart, false);
  Panel1_->hide();

  ChartExport* exporter = SetUpChartExport(*UlozGraf_, *Chart1L_, services_.folders.ResultsFolder);
  exporter->proposedName = [this] { return safeFileBase(title_); };
  connect(UlozObrazek_, &QPushButton::clicked, exporter, &ChartExport::SaveImageClick);

  connect(marks_.CheckBox1, &QCheckBox::clicked, this, &DistributionFunctionWindow::CheckBox1Click);
  connect(marks_.CBMarks, &QComboBox::activated, this, &DistributionFunctionWindow::CBMarksChange);
  connect(marks_.SpinEdAngle, &QSpinBox::valueChanged, this, &DistributionFunctionWindow::SpinEdAngleChange);
  connect(marks_.SpinEdAngle, &QSpinBox::editingFinished, this, &DistributionFunctionWindow::SpinEdAngleExit);
  connect(marks_.CBValInd, &QComboBox::activated, this, &DistributionFunctionWindow::CBValIndClick);
  connect(ExitBtn_, &QPushButton::clicked, this, &QWidget::close);
  connect(SpeedButton1_, &QToolButton::clicked, this,
          [this] { QApplication::clipboard()->setPixmap(grab()); });
  connect(OtevriWord_, &QToolButton::clicked, this, [this] { services_.windows.openWordDocument(); });
}

void DistributionFunctionWindow::readSettings() {
  const SettingsFile& s = services_.settings;
  background_ = std::uint32_t(settings::readInteger(s, settings::kDistBackground, 16777215));
  bars_.chart->setBackgroundBrush(fromBgr(background_));
  marks_.readSettings(s, &settings::kDistMarks, settings::kDistAngle);
  marks_.CBValInd->setCurrentIndex(services_.options.axisIndex ? 0 : 1);
}

void DistributionFunctionWindow::writeSettings() {
  SettingsFile& s = services_.settings;
  marks_.writeSettings(s, settings::kDistMarks, settings::kDistAngle);
  settings::write(s, settings::kDistBackground, background_);
}

void DistributionFunctionWindow::ApplyRuntimeTexts(Language) {
  if (isVisible()) fillAgain();
}

void DistributionFunctionWindow::applyTableColour() {
  QPalette pal = StringGrid2_->palette();
  pal.setColor(QPalette::Base, fromBgr(services_.options.colours.table));
  StringGrid2_->setPalette(pal);
  highlightTable();
}

void DistributionFunctionWindow::applyPresetValues() {
  marks_.CBMarks->setCurrentIndex(2);
  marks_.SpinEdAngle->blockSignals(true);
  marks_.SpinEdAngle->setValue(90);
  marks_.SpinEdAngle->blockSignals(false);
}

// ------------------------------------------------------------------------------------------------
// Fill

void DistributionFunctionWindow::Fill(const Histogram& h, const std::string& name) {
  hist_ = h;
  name_ = name;
  fillAgain();
  show();
  raise();
  activateWindow();
}

void DistributionFunctionWindow::fillAgain() {
  const Language lang = services_.language();
  applyTableColour();
  title_ = DistributionFunctionTitle(name_);
  bars_.chart->setTitle(qs(title_));

  const int n = binCount(hist_);
  const bool index = services_.options.axisIndex;
  marks_.CBValInd->setCurrentIndex(index ? 0 : 1);
  bars_.axisX->setTitleText(index ? u"Index x"_s : qs(MessageText(218, lang)));
  std::vector<std::string> labels;
  QList<qreal> values;
  double F = 0;
  for (int i = 1; i <= n; ++i) {
    F += hist_.p[i - 1];
    values.append(F);
    const double x = i < n ? hist_.min + (i - 1) * hist_.step : hist_.max;
    labels.push_back(index ? std::to_string(i - 1) : formatBarLabel(F, x));
  }
  bars_.setBars(values, std::move(labels), marks_.turned() ? 1.3 : 1.0);

  // Table.
  const std::vector<DistributionFunctionRow> rows = DistributionFunctionRows(hist_);
  StringGrid2_->setUpdatesEnabled(false);
  StringGrid2_->clearContents();
  StringGrid2_->setRowCount(int(rows.size()));
  StringGrid2_->setHorizontalHeaderLabels({u" INT"_s, u"     x"_s, u"     F(x)"_s});
  for (int r = 0; r < int(rows.size()); ++r) {
    const DistributionFunctionRow& row = rows[r];
    const QString c0 = row.interval > 0 ? qs(formatNumberAligned(4, row.interval)) : QString();
    const QString cells[3] = {c0, qs(formatNumber(row.x)), qs(formatNumber(row.F))};
    for (int c = 0; c < 3; ++c) StringGrid2_->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  highlightTable();
  StringGrid2_->resizeColumnsToContents();
  StringGrid2_->setUpdatesEnabled(true);
  StringGrid2_->show();
  placeToolbar();
}

void DistributionFunctionWindow::highlightTable() {
  const bool on = services_.options.highlightRows;
  const QColor table = fromBgr(services_.options.colours.table);
  for (int r = 0; r < StringGrid2_->rowCount(); ++r) {
    const bool centre = r % 2 == 1;  // grid rows 2, 4, ..., 2N under the header
    for (int c = 0; c < 3; ++c)
      if (QTableWidgetItem* it = StringGrid2_->item(r, c)) {
        it->setBackground(on && centre ? fromBgr(kCentreRowColour) : table);
        it->setData(Qt::UserRole, on && centre);
      }
  }
}

void DistributionFunctionWindow::placeToolbar() {
  const QScreen* screen = this->screen();
  const bool wide = screen && width() >= screen->geometry().width();
  Panel1_->setVisible(wide && services_.options.plotCommander);
  Panel1_->move(Chart1L_->width() - 298, 33);
}

// ------------------------------------------------------------------------------------------------
// Handlers

void DistributionFunctionWindow::CheckBox1Click() { fillAgain(); }

void DistributionFunctionWindow::CBMarksChange() {
  if (marks_.CheckBox1->isChecked()) fillAgain();
}

void DistributionFunctionWindow::SpinEdAngleChange() {
  marks_.CheckBox1->setChecked(false);
  CheckBox1Click();
}

void DistributionFunctionWindow::SpinEdAngleExit() { bars_.placeMarks(); }

void DistributionFunctionWindow::CBValIndClick() {
  services_.windows.setAxisLabels(marks_.CBValInd->currentIndex() != 1);
  services_.options.axisIndex = marks_.CBValInd->currentIndex() != 1;
  fillAgain();
  services_.windows.redrawChart();
}

void DistributionFunctionWindow::Deactivated() {
  if (isVisible() && !closing_) close();
}

void DistributionFunctionWindow::changeEvent(QEvent* event) {
  SimpleWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && QApplication::activeWindow() &&
      QApplication::activeWindow() != this)
    Deactivated();
}

void DistributionFunctionWindow::resizeEvent(QResizeEvent* event) {
  SimpleWindow::resizeEvent(event);
  placeToolbar();
}

void DistributionFunctionWindow::closeEvent(QCloseEvent* event) {
  closing_ = true;
  writeSettings();
  marks_.CheckBox1->setChecked(false);
  services_.windows.focusChartValueField();
  SimpleWindow::closeEvent(event);
  closing_ = false;
}
