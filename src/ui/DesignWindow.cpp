#include "ui/DesignWindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLogValueAxis>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "io/AtomicFile.h"
#include "project/ProjectState.h"
#include "reliability/Assessment.h"
#include "reliability/InputChecks.h"
#include "shell/ChainMessages.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/ChartExport.h"
#include "ui/NamedWidget.h"
#include "ui/Notices.h"
#include "ui/ProjectModel.h"
#include "ui/QtText.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

// The most rows the table shows (the lightest); the CSV holds them all.
constexpr int kMaxTableRows = 2000;

// Sorts by the number it holds, not by its text.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(const QString& text, double value) : QTableWidgetItem(text) {
    setData(Qt::UserRole, value);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

bool sameBasis(const design::DesignBasis& a, const design::DesignBasis& b) {
  return a.sigmaR == b.sigmaR && a.boltLoad == b.boltLoad && a.boltLength == b.boltLength && a.d2 == b.d2;
}

// The project's own pattern from its fields; nullopt when they do not give one.
std::optional<design::PatternRow> projectPattern(const ProjectState& p, double d2) {
  // The fields as the assessment reads them.
  const auto nText = fieldNumber(InputField::BoltCount, p.boltCount),
             d1Text = fieldNumber(InputField::D1, p.d1),
             dsText = fieldNumber(InputField::RowSpacing, p.rowSpacing);
  if (!nText || !d1Text || !dsText) return std::nullopt;
  const double n = *nText, d1 = *d1Text, ds = *dsText;
  if (n < 1 || d1 <= d2 || ds <= 0) return std::nullopt;
  design::PatternRow r;
  r.n = static_cast<int>(n);
  r.d1 = d1;
  r.d2 = d2;
  r.ds = ds;
  r.k = bearingCapacityFactor(n, d1, d2, ds);
  return r;
}

}  // namespace

std::string pfText(double x, Language language) {
  std::string t = formatNumberShort(x);
  if (language == Language::Czech) std::replace(t.begin(), t.end(), '.', ',');
  return t;
}

std::string designNumber(double x, Language language) {
  std::string t = design::numberText(x);
  if (language == Language::Czech) std::replace(t.begin(), t.end(), '.', ',');
  return t;
}

// What a design is made of; a design of equal inputs is not run again.
struct DesignWindow::Inputs {
  std::optional<design::DesignBasis> basis;
  std::string boltCount, d1, rowSpacing;
  std::string nText, d1Text, dsText;
  int target = 2;
  DesignStandard standard = DesignStandard::En1990;
  bool operator==(const Inputs& o) const {
    const bool bases = basis.has_value() == o.basis.has_value() && (!basis || sameBasis(*basis, *o.basis));
    return bases && boltCount == o.boltCount && d1 == o.d1 && rowSpacing == o.rowSpacing &&
           nText == o.nText && d1Text == o.d1Text && dsText == o.dsText && target == o.target &&
           standard == o.standard;
  }
};

// A design on its way: the thread's cancel flag and the watcher of its result.
struct DesignWindow::Run {
  std::shared_ptr<std::atomic<bool>> cancel = std::make_shared<std::atomic<bool>>(false);
  QFutureWatcher<DesignOutcome> watcher;
};

DesignWindow::DesignWindow(Services& services, QWidget* parent) : SimpleWindow(services, 16, parent) {
  setEnablesMainOnClose(false);  // opened over an enabled main window
  buildControls();
  applyOwnTexts();
  if (ProjectModel* project = services.windows.projectModel()) {
    for (auto changed :
         {&ProjectModel::inputsChanged, &ProjectModel::resultsChanged, &ProjectModel::patternChanged})
      connect(project, changed, this, &DesignWindow::projectChanged);
  }
}

DesignWindow::~DesignWindow() {
  if (running_) {
    running_->cancel->store(true);
    running_->watcher.waitForFinished();
  }
}

void DesignWindow::buildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(6, 6, 6, 6);

  // Target and ranges.
  auto* inputs = new QGridLayout;
  inputs->setHorizontalSpacing(8);
  CBTrida_ = named<QComboBox>(this, u"CBTrida"_s);
  EdNavrhPK_ = named<QLineEdit>(this, u"EdNavrhPK"_s);
  EdNavrhPS_ = named<QLineEdit>(this, u"EdNavrhPS"_s);
  EdNavrhDs_ = named<QLineEdit>(this, u"EdNavrhDs"_s);
  const design::PatternRanges defaults;
  auto list = [](const auto& values) {
    QStringList parts;
    for (const auto v : values) parts << qs(design::numberText(static_cast<double>(v)));
    return parts.join(u',');
  };
  EdNavrhPK_->setText(list(defaults.n));
  EdNavrhPS_->setText(list(defaults.d1));
  EdNavrhDs_->setText(qs(design::numberText(defaults.ds.min) + ":" + design::numberText(defaults.ds.max) +
                         ":" + design::numberText(defaults.ds.step)));
  BBSpocitat_ = named<QPushButton>(this, u"BBSpocitat"_s);
  BBSpocitat_->setAutoDefault(false);
  const std::pair<const char*, QWidget*> fields[] = {{"LabTrida", CBTrida_},
                                                     {"LabNavrhPK", EdNavrhPK_},
                                                     {"LabNavrhPS", EdNavrhPS_},
                                                     {"LabNavrhDs", EdNavrhDs_}};
  int col = 0;
  for (const auto& [label, field] : fields) {
    inputs->addWidget(named<QLabel>(this, QString::fromLatin1(label)), 0, col);
    inputs->addWidget(field, 1, col++);
  }
  inputs->setColumnStretch(1, 1);
  inputs->setColumnStretch(2, 2);
  inputs->setColumnStretch(3, 1);
  inputs->addWidget(BBSpocitat_, 1, col);
  root->addLayout(inputs);

  // Chart with the curve list beside it.
  auto* middle = new QHBoxLayout;
  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->legend()->setAlignment(Qt::AlignRight);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  axisX_ = new QValueAxis;
  axisX_->setLabelFormat(u"%.0f"_s);
  axisY_ = new QLogValueAxis;
  axisY_->setBase(10);
  axisY_->setLabelFormat(u"%.0E"_s);
  axisY_->setMinorTickCount(-1);
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  Chart1_ = new QChartView(chart_, this);
  Chart1_->setObjectName(u"Chart1"_s);
  Chart1_->setRenderHint(QPainter::Antialiasing);
  Chart1_->setMinimumSize(480, 280);
  middle->addWidget(Chart1_, 1);
  auto* side = new QVBoxLayout;
  LBKrivky_ = named<QListWidget>(this, u"LBKrivky"_s);
  LBKrivky_->setMaximumWidth(190);
  side->addWidget(named<QLabel>(this, u"LabKrivky"_s));
  side->addWidget(LBKrivky_, 1);
  auto* exportRow = new QHBoxLayout;
  UlozGraf_ = named<QToolButton>(this, u"UlozGraf"_s);
  UlozGraf_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  auto* UlozObrazek = named<QPushButton>(this, u"UlozObrazek"_s);
  UlozObrazek->setAutoDefault(false);
  exportRow->addWidget(UlozGraf_);
  exportRow->addWidget(UlozObrazek, 1);
  side->addLayout(exportRow);
  middle->addLayout(side);
  root->addLayout(middle, 3);

  // The figures of the design.
  LabStav_ = named<QLabel>(this, u"LabStav"_s);
  LabStav_->setWordWrap(true);
  LabKPotreb_ = named<QLabel>(this, u"LabKPotreb"_s);
  LabRezerva_ = named<QLabel>(this, u"LabRezerva"_s);
  LabSoucasny_ = named<QLabel>(this, u"LabSoucasny"_s);
  LabNejlehci_ = named<QLabel>(this, u"LabNejlehci"_s);
  LabNejlehci_->setWordWrap(true);
  QFont bold = LabNejlehci_->font();
  bold.setBold(true);
  LabNejlehci_->setFont(bold);
  for (QLabel* l : {LabStav_, LabKPotreb_, LabRezerva_, LabSoucasny_, LabNejlehci_}) {
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    root->addWidget(l);
  }

  StringGrid1_ = new QTableWidget(0, 8, this);
  StringGrid1_->setObjectName(u"StringGrid1"_s);
  StringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1_->verticalHeader()->setVisible(false);
  StringGrid1_->verticalHeader()->setDefaultSectionSize(StringGrid1_->fontMetrics().height() + 6);
  StringGrid1_->horizontalHeader()->setStretchLastSection(true);
  StringGrid1_->setSortingEnabled(true);
  root->addWidget(StringGrid1_, 2);

  auto* bottom = new QHBoxLayout;
  LabPocet_ = named<QLabel>(this, u"LabPocet"_s);
  bottom->addWidget(LabPocet_);
  bottom->addStretch();
  BBPouzit_ = named<QPushButton>(this, u"BBPouzit"_s);
  BBUlozTabulku_ = named<QPushButton>(this, u"BBUlozTabulku"_s);
  ExitProgram_ = named<QPushButton>(this, u"ExitProgram"_s);
  for (QPushButton* b : {BBPouzit_, BBUlozTabulku_, ExitProgram_}) {
    b->setAutoDefault(false);
    bottom->addWidget(b);
  }
  BBPouzit_->setEnabled(false);
  BBUlozTabulku_->setEnabled(false);
  root->addLayout(bottom);

  chartExport_ = new ChartExport(
      UlozGraf_, Chart1_, [this] { return services_.folders.ResultsFolder; },
      [this] { return services_.language(); });
  chartExport_->proposedName = [] { return std::string("Navrh"); };
  connect(UlozObrazek, &QPushButton::clicked, chartExport_, &ChartExport::SaveImageClick);
  connect(BBSpocitat_, &QPushButton::clicked, this, &DesignWindow::BBSpocitatClick);
  connect(BBPouzit_, &QPushButton::clicked, this, &DesignWindow::BBPouzitClick);
  connect(BBUlozTabulku_, &QPushButton::clicked, this, &DesignWindow::BBUlozTabulkuClick);
  connect(ExitProgram_, &QPushButton::clicked, this, &QWidget::close);
  connect(CBTrida_, &QComboBox::activated, this, [this] { designAgain(false, true); });
  for (QLineEdit* e : {EdNavrhPK_, EdNavrhPS_, EdNavrhDs_})
    connect(e, &QLineEdit::returnPressed, this, [this] { designAgain(false, true); });
  connect(LBKrivky_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const auto key =
        std::make_pair(item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toDouble());
    const auto at = std::find(shown_.begin(), shown_.end(), key);
    if (item->checkState() == Qt::Checked && at == shown_.end()) shown_.push_back(key);
    if (item->checkState() != Qt::Checked && at != shown_.end()) shown_.erase(at);
    drawChart();
  });
  CBTrida_->addItems({u"1"_s, u"2"_s, u"3"_s});
  CBTrida_->setCurrentIndex(1);
}

void DesignWindow::Open() {
  show();
  raise();
  activateWindow();
  designAgain(false, true);
}

void DesignWindow::projectChanged() {
  if (pending_ || (!isVisible() && !outcome_ && !running_)) return;
  pending_ = true;
  QTimer::singleShot(0, this, [this] {
    pending_ = false;
    designAgain(false, false);
  });
}

void DesignWindow::designAgain(bool force, bool askOnBadRanges) {
  const Language lang = services_.language();
  auto inputs = std::make_unique<Inputs>();
  inputs->target = CBTrida_->currentIndex() + 1;
  inputs->standard = services_.windows.assessmentStandard();
  inputs->nText = ss(EdNavrhPK_->text());
  inputs->d1Text = ss(EdNavrhPS_->text());
  inputs->dsText = ss(EdNavrhDs_->text());
  ChainReport report;
  if (const ProjectState* p = services_.windows.project()) {
    inputs->basis = design::designBasis(*p, report);
    inputs->boltCount = p->boltCount;
    inputs->d1 = p->d1;
    inputs->rowSpacing = p->rowSpacing;
  }
  if (!force && lastInputs_ && *lastInputs_ == *inputs) return;
  lastInputs_ = std::move(inputs);
  const Inputs& in = *lastInputs_;
  if (running_) running_->cancel->store(true);
  running_.reset();
  CBTrida_->setItemText(0, qs(classLabel(in.standard, 1, lang)));
  CBTrida_->setItemText(1, qs(classLabel(in.standard, 2, lang)));
  CBTrida_->setItemText(2, qs(classLabel(in.standard, 3, lang)));

  auto refuse = [&](std::optional<Refusal> m, bool ask) {
    outcome_.reset();
    refusal_ = m;
    showOutcome();
    if (ask && m) showRefusal(lang, *m);
    emit designFinished();
  };
  if (!in.basis) {
    // Without a bolt load there is nothing to design; the window says why without a dialog.
    refuse(report.messages.empty() ? std::nullopt : std::optional(report.messages.front()), false);
    return;
  }
  design::DesignRequest request;
  request.target = in.target;
  request.standard = in.standard;
  const auto n = design::parseBoltCounts(in.nText);
  const auto d1 = design::parseDiameters(in.d1Text);
  const auto ds = design::parseSpacingRange(in.dsText);
  std::optional<Refusal> bad;
  if (!n)
    bad = design::badBoltCounts(in.nText);
  else if (!d1)
    bad = design::badDiameters(in.d1Text, in.basis->d2);
  else if (!ds)
    bad = design::badSpacingRange(in.dsText);
  if (!bad) {
    request.ranges.n = *n;
    request.ranges.d1 = *d1;
    request.ranges.ds = *ds;
    bad = design::checkRanges(request.ranges, in.basis->d2);
  }
  if (bad) {
    refuse(*bad, askOnBadRanges);
    return;
  }

  auto run = std::make_shared<Run>();
  running_ = run;
  showStatus(qs(designText(DesignText::Computing, lang)));
  BBPouzit_->setEnabled(false);
  BBUlozTabulku_->setEnabled(false);
  connect(&run->watcher, &QFutureWatcher<DesignOutcome>::finished, this, [this, run] { finished(run); });
  const design::DesignBasis basis = *in.basis;
  std::optional<design::PatternRow> current;
  if (const ProjectState* p = services_.windows.project()) current = projectPattern(*p, basis.d2);
  run->watcher.setFuture(QtConcurrent::run([basis, request, current, cancel = run->cancel] {
    DesignOutcome o;
    design::RunControl control;
    control.cancel = cancel.get();
    o.standard = request.standard;
    o.result = design::runDesign(basis, request, control);
    if (current) {
      design::FactorAssessment at(basis, request.standard);
      if (const auto f = at.at(current->k)) {
        o.current = current;
        o.current->pf = f->pf;
        o.current->classIndex = f->classIndex;
        o.current->steel =
            design::steelPerMetre(current->n, current->d1, current->d2, current->ds, basis.boltLength);
        o.current->boltsPerMetre = design::boltsPerMetre(current->n, current->ds);
      }
    }
    using Status = design::RequiredFactor::Status;
    if (o.current && o.result.required.status == Status::Found && o.result.required.k > 0)
      o.margin = o.current->k / o.result.required.k;
    return o;
  }));
}

void DesignWindow::finished(const std::shared_ptr<Run>& run) {
  if (run != running_) return;  // superseded by a newer design
  DesignOutcome o = run->watcher.result();
  running_.reset();
  if (!o.result.ok) {
    outcome_.reset();
    refusal_ = o.result.report.messages.empty() ? std::optional<Refusal>() : o.result.report.messages.front();
  } else {
    refusal_.reset();
    // The curves shown stay when the ranges still hold them; else the lightest's and the project's.
    std::vector<std::pair<int, double>> keep;
    for (const auto& c : shown_)
      for (const design::PatternRow& r : o.result.patterns)
        if (r.n == c.first && r.d1 == c.second) {
          keep.push_back(c);
          break;
        }
    if (keep.empty()) {
      auto add = [&](const std::optional<design::PatternRow>& r) {
        if (!r) return;
        for (const design::PatternRow& p : o.result.patterns)
          if (p.n == r->n && p.d1 == r->d1 &&
              std::find(keep.begin(), keep.end(), std::pair(r->n, r->d1)) == keep.end()) {
            keep.emplace_back(r->n, r->d1);
            return;
          }
      };
      add(o.result.lightest ? o.result.lightest : o.result.bestReachable);
      add(o.current);
      if (keep.empty() && !o.result.patterns.empty())
        keep.emplace_back(o.result.patterns.front().n, o.result.patterns.front().d1);
    }
    shown_ = std::move(keep);
    outcome_ = std::move(o);
  }
  showOutcome();
  emit designFinished();
}

void DesignWindow::showStatus(const QString& text) {
  LabStav_->setText(text);
  LabStav_->setVisible(!text.isEmpty());
}

void DesignWindow::ApplyRuntimeTexts(Language language) {
  const DesignStandard standard =
      lastInputs_ ? lastInputs_->standard : services_.windows.assessmentStandard();
  for (int c = 1; c <= 3; ++c) CBTrida_->setItemText(c - 1, qs(classLabel(standard, c, language)));
  if (running_)
    showStatus(qs(designText(DesignText::Computing, language)));
  else
    showOutcome();
}

void DesignWindow::showOutcome() {
  const Language l = services_.language();
  auto num = [l](double x) { return designNumber(x, l); };
  auto pf = [l](double x) { return pfText(x, l); };
  auto cls = [&](const design::PatternRow& r, DesignStandard s) {
    return r.classIndex >= 1 && r.classIndex <= 3 ? classLabel(s, r.classIndex, l)
                                                  : designText(DesignText::ClassNone, l);
  };
  auto pattern = [&](DesignText id, const design::PatternRow& r, DesignStandard s) {
    return qs(designTextFormat(id, l,
                               {std::to_string(r.n), num(r.d1), num(r.ds),
                                num(std::round(r.steel * 100) / 100), pf(r.pf), cls(r, s)}));
  };
  const bool has = outcome_.has_value();
  showStatus(refusal_ ? qs(refusal_->text(l)) : QString());
  for (QLabel* lab : {LabKPotreb_, LabRezerva_, LabSoucasny_, LabNejlehci_}) lab->setVisible(has);
  BBPouzit_->setEnabled(has && !outcome_->result.patterns.empty());
  BBUlozTabulku_->setEnabled(has && !outcome_->result.patterns.empty());
  if (!has) {
    StringGrid1_->setRowCount(0);
    LBKrivky_->clear();
    LabPocet_->clear();
    drawChart();
    return;
  }
  const DesignOutcome& o = *outcome_;
  const design::DesignResult& d = o.result;
  using Status = design::RequiredFactor::Status;
  switch (d.required.status) {
    case Status::Found:
      LabKPotreb_->setText(qs(designTextFormat(
          DesignText::KRequired, l, {num(std::round(d.required.k * 1e4) / 1e4), pf(d.required.pf)})));
      break;
    case Status::AlwaysReached:
      LabKPotreb_->setText(qs(designText(DesignText::KAlwaysReached, l)));
      break;
    default:
      LabKPotreb_->setText(qs(designText(DesignText::KNeverReached, l)));
      break;
  }
  LabRezerva_->setText(
      o.margin ? qs(designTextFormat(DesignText::Margin, l, {num(std::round(*o.margin * 1000) / 1000)}))
               : qs(designText(DesignText::MarginNone, l)));
  if (o.current)
    LabSoucasny_->setText(qs(designTextFormat(
        DesignText::Current, l,
        {std::to_string(o.current->n), num(o.current->d1), num(o.current->ds),
         num(std::round(o.current->k * 1000) / 1000), pf(o.current->pf), cls(*o.current, o.standard)})));
  else
    LabSoucasny_->setText(qs(designText(DesignText::CurrentNone, l)));
  if (d.lightest) {
    LabNejlehci_->setText(pattern(DesignText::Lightest, *d.lightest, o.standard));
  } else {
    QString t = qs(design::nothingReaches(d.target, classLabel(o.standard, d.target, l)).text(l));
    if (d.bestReachable) t += u"\n"_s + pattern(DesignText::BestReachable, *d.bestReachable, o.standard);
    LabNejlehci_->setText(t);
  }
  fillTable();
  fillCurveList();
  drawChart();
}

void DesignWindow::fillTable() {
  const Language l = services_.language();
  const DesignOutcome& o = *outcome_;
  const auto& rows = o.result.patterns;
  const int shown = static_cast<int>(std::min<size_t>(rows.size(), kMaxTableRows));
  StringGrid1_->setSortingEnabled(false);
  StringGrid1_->clearContents();
  StringGrid1_->setRowCount(shown);
  const std::optional<design::PatternRow>& lightest = o.result.lightest;
  QFont bold = StringGrid1_->font();
  bold.setBold(true);
  // The patterns that reach the target first, each part lightest first.
  std::vector<int> order(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_partition(order.begin(), order.end(),
                        [&](int i) { return rows[static_cast<size_t>(i)].reaches(o.result.target); });
  for (int row = 0; row < shown; ++row) {
    const int i = order[static_cast<size_t>(row)];
    const design::PatternRow& r = rows[static_cast<size_t>(i)];
    const bool isLightest = lightest && r.n == lightest->n && r.d1 == lightest->d1 && r.ds == lightest->ds;
    const std::pair<QString, double> cells[] = {
        {QString::number(r.n), r.n},
        {qs(designNumber(r.d1, l)), r.d1},
        {qs(designNumber(r.d2, l)), r.d2},
        {qs(designNumber(r.ds, l)), r.ds},
        {qs(designNumber(std::round(r.k * 1000) / 1000, l)), r.k},
        {qs(pfText(r.pf, l)), r.pf},
        {r.classIndex ? qs(classLabel(o.standard, r.classIndex, l))
                      : qs(designText(DesignText::ClassNone, l)),
         r.classIndex ? r.classIndex : 4},
        {qs(designNumber(std::round(r.steel * 100) / 100, l)), r.steel}};
    for (int c = 0; c < 8; ++c) {
      auto* it = new NumberItem(cells[c].first, cells[c].second);
      // The pattern's place in the lightest-first list, whatever the sorting.
      it->setData(Qt::UserRole + 1, i);
      if (isLightest) {
        it->setFont(bold);
        it->setBackground(QColor(0xC8, 0xF0, 0xC8));
      } else if (!r.reaches(o.result.target)) {
        it->setForeground(QColor(0x80, 0x80, 0x80));
      }
      StringGrid1_->setItem(row, c, it);
    }
  }
  // As listed until the user sorts.
  StringGrid1_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  StringGrid1_->setSortingEnabled(true);
  LabPocet_->setText(qs(
      designTextFormat(DesignText::PatternCount, l, {std::to_string(shown), std::to_string(rows.size())})));
}

void DesignWindow::fillCurveList() {
  const Language l = services_.language();
  QSignalBlocker block(LBKrivky_);
  LBKrivky_->clear();
  std::vector<std::pair<int, double>> keys;
  for (const design::PatternRow& r : outcome_->result.patterns) keys.emplace_back(r.n, r.d1);
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  for (const auto& [n, d1] : keys) {
    auto* it = new QListWidgetItem(
        qs(designTextFormat(DesignText::CurveName, l, {std::to_string(n), designNumber(d1, l)})), LBKrivky_);
    it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
    it->setData(Qt::UserRole, n);
    it->setData(Qt::UserRole + 1, d1);
    const bool on = std::find(shown_.begin(), shown_.end(), std::pair(n, d1)) != shown_.end();
    it->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

std::vector<std::pair<int, double>> DesignWindow::shownCurves() const { return shown_; }

std::pair<double, double> DesignWindow::pfAxisRange() const {
  double lo = 1, hi = 0;
  auto take = [&](double v) {
    if (v > 0 && std::isfinite(v)) {
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  };
  if (outcome_) {
    for (int c = 1; c <= 3; ++c) take(designProbability(outcome_->standard, c));
    for (const design::PatternRow& r : outcome_->result.patterns)
      if (std::find(shown_.begin(), shown_.end(), std::pair(r.n, r.d1)) != shown_.end()) take(r.pf);
  }
  if (hi <= 0) return {1e-7, 1};
  // Three decades below the smallest Pd show a curve leave the classes; lower Pf sit at the bottom.
  if (outcome_) lo = std::max(lo, designProbability(outcome_->standard, 1) * 1e-3);
  // Whole decades, one below the smallest figure so that Pf = 0 has its own place at the bottom.
  return {std::pow(10.0, std::floor(std::log10(lo)) - 1),
          std::min(1.0, std::pow(10.0, std::ceil(std::log10(hi))))};
}

void DesignWindow::drawChart() {
  chart_->removeAllSeries();
  const Language l = services_.language();
  axisX_->setTitleText(qs(designText(DesignText::AxisSpacing, l)));
  axisY_->setTitleText(qs(designText(DesignText::AxisPf, l)));
  const auto [lo, hi] = pfAxisRange();
  axisY_->setRange(lo, hi > lo ? hi : lo * 10);
  axisY_->setLabelFormat(u"%.0E"_s);  // labels laid out again for the new range
  if (!outcome_ || outcome_->result.patterns.empty()) {
    axisX_->setRange(0, 1);
    return;
  }
  const DesignOutcome& o = *outcome_;
  double x0 = o.result.patterns.front().ds, x1 = x0;
  std::map<std::pair<int, double>, std::vector<std::pair<double, double>>> curves;
  for (const design::PatternRow& r : o.result.patterns) {
    x0 = std::min(x0, r.ds);
    x1 = std::max(x1, r.ds);
    if (std::find(shown_.begin(), shown_.end(), std::pair(r.n, r.d1)) != shown_.end())
      curves[{r.n, r.d1}].emplace_back(r.ds, r.pf > 0 ? r.pf : lo);
  }
  if (x1 <= x0) x1 = x0 + 1;
  axisX_->setRange(x0, x1);
  auto attach = [this](QAbstractSeries* s) {
    chart_->addSeries(s);
    s->attachAxis(axisX_);
    s->attachAxis(axisY_);
  };
  for (auto& [key, points] : curves) {
    std::sort(points.begin(), points.end());
    auto* s = new QLineSeries;
    s->setName(qs(designTextFormat(DesignText::CurveName, l,
                                   {std::to_string(key.first), designNumber(key.second, l)})));
    for (const auto& [x, y] : points) s->append(x, y);
    s->setPointsVisible(points.size() < 60);
    attach(s);
  }
  const QColor pdColours[3] = {QColor(0xC0, 0x20, 0x20), QColor(0xD0, 0x80, 0x00), QColor(0x20, 0x80, 0x20)};
  for (int c = 1; c <= 3; ++c) {
    const double pd = designProbability(o.standard, c);
    auto* s = new QLineSeries;
    s->setName(qs(designTextFormat(DesignText::PdLine, l, {classLabel(o.standard, c, l), pfText(pd, l)})));
    s->setPen(QPen(pdColours[c - 1], c == o.result.target ? 2.5 : 1.5, Qt::DashLine));
    s->append(x0, pd);
    s->append(x1, pd);
    attach(s);
  }
}

std::optional<design::PatternRow> DesignWindow::chosenPattern() const {
  if (!outcome_) return std::nullopt;
  const auto& rows = outcome_->result.patterns;
  const QList<QTableWidgetItem*> selected = StringGrid1_->selectedItems();
  if (!selected.isEmpty()) {
    const int at = selected.front()->data(Qt::UserRole + 1).toInt();
    if (at >= 0 && static_cast<size_t>(at) < rows.size()) return rows[static_cast<size_t>(at)];
  }
  return outcome_->result.lightest;
}

void DesignWindow::BBPouzitClick() {
  if (const auto r = chosenPattern())
    if (ProjectModel* project = services_.windows.projectModel()) project->takePattern(r->n, r->d1, r->ds);
}

void DesignWindow::BBUlozTabulkuClick() {
  if (!outcome_) return;
  const Language lang = services_.language();
  FileDialogOptions o;
  o.title = designText(DesignText::TableTitle, lang);
  o.initialFolder = services_.folders.ResultsFolder;
  o.fileName = "Navrh.csv";
  o.defaultExtension = "csv";
  o.filter = designText(DesignText::TableFilter, lang);
  const auto chosen = services_.dialogs.saveFileName(o);
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (std::filesystem::path(path).extension().empty()) path += ".csv";
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(path), ec) &&
      !confirmDialog(lang, MessageFormat(6, lang, {path})))
    return;
  WriteRefusal why;
  if (!writeFileAtomically(path, design::patternTableCsv(outcome_->result.patterns), &why))
    errorDialog(lang, MessageText(27, lang) + path + "\r\n\r\n" + why.text(lang));
}
