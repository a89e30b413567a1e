// The check of Pf in the assessment panel of the chart window: the Monte Carlo estimate in both
// readings of the inputs with their 95 % intervals, the discretisation band and the sensitivity, run
// off the user-interface thread with progress and a cancel.

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <atomic>
#include <thread>

#include "project/ProjectState.h"
#include "shell/NumberText.h"
#include "ui/ChartWindow.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/VerificationTexts.h"
#include "ui/WindowTexts.h"

using namespace Qt::StringLiterals;

namespace {

QString vt(VerificationText id, Language l) { return qs(verificationText(id, l)); }
QString pfText(double pf) { return qs(formatNumberShort(pf)); }

// Rows of the figures table: the two readings of Monte Carlo, the band, the assessment itself.
constexpr int kRowCentres = 0, kRowUniform = 1, kRowBand = 2;
constexpr int kFigureRows = kRowBand + static_cast<int>(std::size(verification::kBandBins)) + 1;

}  // namespace

// The thread of a running check and its cancel flag; the end of the run joins the thread.
struct ChartWindow::CheckRun {
  std::atomic<bool> cancel{false};
  std::thread worker;
  ~CheckRun() {
    cancel = true;
    if (worker.joinable()) worker.join();
  }
};

void ChartWindow::buildVerificationPanel(QBoxLayout* panel) {
  auto* group = named<QGroupBox>(Panel3_, u"GBOvereni"_s);
  auto* g = new QGridLayout(group);
  g->setContentsMargins(6, 2, 6, 4);
  g->setHorizontalSpacing(8);
  g->setVerticalSpacing(4);
  BBOvereni_ = named<QPushButton>(group, u"BBOvereni"_s);
  BBOvereniStorno_ = named<QPushButton>(group, u"BBOvereniStorno"_s);
  BBCitlivost_ = named<QPushButton>(group, u"BBCitlivost"_s);
  auto* BBNavrh = named<QPushButton>(group, u"BBNavrh"_s);
  for (QPushButton* b : {BBOvereni_, BBOvereniStorno_, BBCitlivost_, BBNavrh}) b->setAutoDefault(false);
  BBOvereniStorno_->setEnabled(false);
  BBCitlivost_->setEnabled(false);
  ProgressOvereni_ = named<QProgressBar>(group, u"ProgressOvereni"_s);
  ProgressOvereni_->setRange(0, 1000);
  ProgressOvereni_->setValue(0);
  ProgressOvereni_->setTextVisible(true);
  ProgressOvereni_->setVisible(false);

  // The figures and the note appear once a check has given them.
  StringGridMC_ = new QTableWidget(kFigureRows, 4, group);
  StringGridMC_->setObjectName(u"StringGridMC"_s);
  StringGridMC_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGridMC_->setSelectionMode(QAbstractItemView::NoSelection);
  StringGridMC_->setFocusPolicy(Qt::NoFocus);
  StringGridMC_->verticalHeader()->setVisible(false);
  const int rowHeight = StringGridMC_->fontMetrics().height() + 4;
  StringGridMC_->verticalHeader()->setDefaultSectionSize(rowHeight);
  StringGridMC_->horizontalHeader()->setFixedHeight(rowHeight);
  StringGridMC_->horizontalHeader()->setStretchLastSection(true);
  StringGridMC_->setColumnWidth(0, 262);
  StringGridMC_->setColumnWidth(1, 100);
  StringGridMC_->setColumnWidth(2, 196);
  StringGridMC_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridMC_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridMC_->setFixedSize(640, (kFigureRows + 1) * rowHeight + 2 * StringGridMC_->frameWidth());
  StringGridMC_->setVisible(false);

  LabOverVarovani_ = named<QLabel>(group, u"LabOverVarovani"_s);
  LabOverVarovani_->setWordWrap(true);
  LabOverVarovani_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LabOverVarovani_->setAutoFillBackground(true);
  LabOverVarovani_->setMargin(3);
  LabOverVarovani_->setMinimumWidth(200);
  LabOverVarovani_->setVisible(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BBOvereni_);
  buttons->addWidget(BBOvereniStorno_);
  buttons->addWidget(BBCitlivost_);
  buttons->addWidget(BBNavrh);
  buttons->addWidget(ProgressOvereni_, 1);
  buttons->addStretch();
  g->addLayout(buttons, 0, 0, 1, 2);
  g->addWidget(StringGridMC_, 1, 0, Qt::AlignTop);
  g->addWidget(LabOverVarovani_, 1, 1, Qt::AlignTop);
  g->setColumnStretch(1, 1);
  panel->addWidget(group);

  connect(BBOvereni_, &QPushButton::clicked, this, &ChartWindow::BBOvereniClick);
  connect(BBOvereniStorno_, &QPushButton::clicked, this, &ChartWindow::BBOvereniStornoClick);
  connect(BBCitlivost_, &QPushButton::clicked, this, &ChartWindow::BBCitlivostClick);
  connect(BBNavrh, &QPushButton::clicked, this, [this] { services_.windows.openDesign(); });
}

void ChartWindow::applyVerificationTexts(Language language) {
  if (!BBOvereni_) return;
  applyTextRows(*this,
                language == Language::Czech ? kChartVerificationTexts.czech : kChartVerificationTexts.english,
                language);
  setCell(StringGridMC_, kRowCentres, 0, vt(VerificationText::RowCentres, language));
  setCell(StringGridMC_, kRowUniform, 0, vt(VerificationText::RowUniform, language));
  for (size_t i = 0; i < std::size(verification::kBandBins); ++i)
    setCell(StringGridMC_, kRowBand + static_cast<int>(i), 0,
            qs(verificationTextFormat(VerificationText::RowBins, language,
                                      {std::to_string(verification::kBandBins[i])})));
  setCell(StringGridMC_, kFigureRows - 1, 0, vt(VerificationText::RowChain, language));
  showCheck();
}

const verification::ChainCheck* ChartWindow::currentCheck() const {
  const ProjectState* p = services_.windows.project();
  return check_ && !check_->cancelled && p && check_->madeFor(*p) ? &*check_ : nullptr;
}

void ChartWindow::BBOvereniClick() {
  ensureAssessmentPanel();
  const ProjectState* project = services_.windows.project();
  if (checkRun_ || !project || !project->assessmentDone) return;
  clearCheck();
  verification::ChainCheckOptions options;
  options.monteCarlo = verificationOptions;
  auto run = std::make_shared<CheckRun>();
  options.cancel = &run->cancel;
  // Progress and the end come back to this window through its event queue.
  options.progress = [this](verification::CheckStep step, std::int64_t done, std::int64_t total) {
    QMetaObject::invokeMethod(
        this, [this, step, done, total] { checkProgress(step, done, total); }, Qt::QueuedConnection);
  };
  checkRun_ = run;
  BBOvereni_->setEnabled(false);
  BBOvereniStorno_->setEnabled(true);
  ProgressOvereni_->setValue(0);
  ProgressOvereni_->setFormat(vt(VerificationText::ProgressMonteCarlo, services_.language()));
  ProgressOvereni_->setVisible(true);
  run->worker = std::thread([this, project = *project, options = std::move(options)] {
    std::string problem;
    std::optional<verification::ChainCheck> check = verification::checkChain(project, options, &problem);
    const bool refused = !check;
    QMetaObject::invokeMethod(
        this,
        [this, check = std::move(check), refused]() mutable { checkFinished(std::move(check), refused); },
        Qt::QueuedConnection);
  });
}

void ChartWindow::BBOvereniStornoClick() {
  if (checkRun_) checkRun_->cancel = true;
}

void ChartWindow::BBCitlivostClick() {
  if (const verification::ChainCheck* check = currentCheck()) services_.windows.showSensitivity(*check);
}

void ChartWindow::checkProgress(verification::CheckStep step, std::int64_t done, std::int64_t total) {
  if (!checkRun_ || total <= 0) return;
  // The three steps share the bar: sampling up to 70 %, the band to 80 %, the sensitivity to the end.
  static constexpr int kFrom[] = {0, 700, 800}, kTo[] = {700, 800, 1000};
  static constexpr VerificationText kFormat[] = {VerificationText::ProgressMonteCarlo,
                                                 VerificationText::ProgressBand,
                                                 VerificationText::ProgressSensitivity};
  const int s = static_cast<int>(step);
  const double share = std::clamp(static_cast<double>(done) / static_cast<double>(total), 0.0, 1.0);
  ProgressOvereni_->setFormat(vt(kFormat[s], services_.language()));
  ProgressOvereni_->setValue(kFrom[s] + static_cast<int>(share * (kTo[s] - kFrom[s])));
}

void ChartWindow::checkFinished(std::optional<verification::ChainCheck> check, bool refused) {
  checkRun_.reset();  // joins the thread, which has handed over its result
  BBOvereni_->setEnabled(true);
  BBOvereniStorno_->setEnabled(false);
  ProgressOvereni_->setVisible(false);
  const ProjectState* project = services_.windows.project();
  if (refused)
    checkNote_ = VerificationText::Refused;
  else if (check->cancelled)
    checkNote_ = VerificationText::Cancelled;
  else if (!project || !check->madeFor(*project))
    checkNote_ = VerificationText::Stale;
  else
    check_ = std::move(check);
  showCheck();
}

void ChartWindow::clearCheck() {
  if (check_) services_.windows.closeSensitivity();  // it shows the check that goes
  check_.reset();
  checkNote_.reset();
  showCheck();
}

void ChartWindow::showCheck() {
  if (!StringGridMC_) return;
  const Language l = services_.language();
  for (int r = 0; r < kFigureRows; ++r)
    for (int c = 1; c < 4; ++c) setCell(StringGridMC_, r, c, QString());
  QPalette pal = LabOverVarovani_->palette();
  pal.setColor(QPalette::Window, palette().color(QPalette::Window));
  pal.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
  const verification::ChainCheck* check = check_ ? &*check_ : nullptr;
  BBCitlivost_->setEnabled(check && !check->sensitivity.empty());
  StringGridMC_->setVisible(check != nullptr);
  LabOverVarovani_->setVisible(check || checkNote_);
  if (!check) {
    LabOverVarovani_->setPalette(pal);
    LabOverVarovani_->setText(checkNote_ ? vt(*checkNote_, l) : QString());
    return;
  }

  auto estimateRow = [&](int row, const verification::PfEstimate& e) {
    setCell(StringGridMC_, row, 1, pfText(e.pf));
    setCell(StringGridMC_, row, 2,
            qs(verificationTextFormat(VerificationText::Interval, l,
                                      {formatNumberShort(e.lo95), formatNumberShort(e.hi95)})));
    setCell(StringGridMC_, row, 3, QString::number(e.samples));
  };
  estimateRow(kRowCentres, check->monteCarlo.centres);
  estimateRow(kRowUniform, check->monteCarlo.uniform);
  for (size_t i = 0; i < check->band.size(); ++i)
    if (check->band[i]) setCell(StringGridMC_, kRowBand + static_cast<int>(i), 1, pfText(*check->band[i]));
  setCell(StringGridMC_, kFigureRows - 1, 1, pfText(check->chainPf));

  // The note: outside the interval of its own reading is a warning; otherwise what the figures say.
  const CheckNote note = checkNote(*check, l);
  QStringList lines;
  for (const std::string& line : note.lines) lines << qs(line);
  if (note.warning) {
    pal.setColor(QPalette::Window, QColor(255, 0, 0));
    pal.setColor(QPalette::WindowText, Qt::white);
  }
  LabOverVarovani_->setPalette(pal);
  LabOverVarovani_->setText(lines.join(u'\n'));
}
