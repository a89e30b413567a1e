// The assessment panel of the chart window: reliability classes of the chosen standard, the
// probability of failure, the reliability index, the quantiles at the design probabilities, the
// interval that holds 0 and the verdict.

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "persistence/SettingsKeys.h"
#include "project/ProjectState.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/BarChartParts.h"
#include "ui/ChartWindow.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

using namespace Qt::StringLiterals;

namespace {

QLineEdit* makeField(QWidget* parent, const QString& name, int width) {
  auto* e = named<QLineEdit>(parent, name);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setAlignment(Qt::AlignCenter);
  e->setMinimumWidth(width);
  return e;
}

}  // namespace

void ChartWindow::ensureAssessmentPanel() {
  if (CBNorma_) return;
  QBoxLayout* layout = assessmentRow_;
  int at = 0;  // before the "txt" button

  // Classes: label, Pd, Beta and the quantile Qpd of each.
  auto* classes = new QWidget(Panel3_);
  auto* cg = new QGridLayout(classes);
  cg->setContentsMargins(0, 0, 0, 0);
  cg->setHorizontalSpacing(6);
  cg->setVerticalSpacing(3);
  const char* heads[] = {"Label9", "Label10", "Label11", "Label12"};
  for (int c = 0; c < 4; ++c)
    cg->addWidget(named<QLabel>(classes, QString::fromLatin1(heads[c])), 0, c, Qt::AlignCenter);
  for (int i = 0; i < 3; ++i) {
    classLabels_[i] = named<QLabel>(classes, u"Label%1"_s.arg(i + 2));
    pdFields_[i] = makeField(classes, u"Edit%1"_s.arg(i + 1), 80);
    betaFields_[i] = makeField(classes, u"Edit%1"_s.arg(i + 9), 44);
    quantileFields_[i] = makeField(classes, u"Edit%1"_s.arg(i + 4), 96);
    cg->addWidget(classLabels_[i], i + 1, 0);
    cg->addWidget(pdFields_[i], i + 1, 1);
    cg->addWidget(betaFields_[i], i + 1, 2);
    cg->addWidget(quantileFields_[i], i + 1, 3);
  }
  layout->insertWidget(at++, classes, 0, Qt::AlignTop);

  // Standard, Pf, beta_f and the verdict.
  auto* result = new QWidget(Panel3_);
  auto* rg = new QGridLayout(result);
  rg->setContentsMargins(0, 0, 0, 0);
  rg->setHorizontalSpacing(6);
  rg->setVerticalSpacing(3);
  CBNorma_ = named<QComboBox>(result, u"CBNorma"_s);
  connect(CBNorma_, &QComboBox::activated, this, [this](int index) {
    settings::write(services_.settings, settings::kChartNorma, index);
    CBNormaClick();
  });
  Edit7_ = makeField(result, u"Edit7"_s, 90);
  Edit12_ = makeField(result, u"Edit12"_s, 90);
  auto* panel4 = named<QFrame>(result, u"Panel4"_s);
  panel4->setFrameShape(QFrame::StyledPanel);
  auto* pl = new QHBoxLayout(panel4);
  pl->setContentsMargins(2, 2, 2, 2);
  Uroven_ = named<QLabel>(panel4, u"Uroven"_s);
  Uroven_->setAlignment(Qt::AlignCenter);
  Uroven_->setAutoFillBackground(true);
  QFont bold = Uroven_->font();
  bold.setBold(true);
  Uroven_->setFont(bold);
  Uroven_->setMinimumWidth(150);
  pl->addWidget(Uroven_);
  addLabelledRows(rg, result, {{u"Label15"_s, CBNorma_}, {u"Label13"_s, Edit7_}, {u"Label14"_s, Edit12_}});
  rg->addWidget(panel4, 3, 0, 1, 2);
  // Named only when S came from the pressure loop at upper bin edges.
  LabPairValues_ = named<QLabel>(result, u"LabPairValues"_s);
  LabPairValues_->setWordWrap(true);
  LabPairValues_->setVisible(false);
  rg->addWidget(LabPairValues_, 4, 0, 1, 2);
  // Named only when the inputs were not read as piecewise uniform, or not as the settings say.
  LabInputReading_ = named<QLabel>(result, u"LabInputReading"_s);
  LabInputReading_->setWordWrap(true);
  LabInputReading_->setVisible(false);
  rg->addWidget(LabInputReading_, 5, 0, 1, 2);
  layout->insertWidget(at++, result, 0, Qt::AlignTop);

  // The interval that holds 0.
  StringGrid3_ = new QTableWidget(3, 2, Panel3_);
  StringGrid3_->setObjectName(u"StringGrid3"_s);
  StringGrid3_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid3_->setSelectionMode(QAbstractItemView::NoSelection);
  StringGrid3_->setFocusPolicy(Qt::NoFocus);
  StringGrid3_->horizontalHeader()->setVisible(false);
  StringGrid3_->verticalHeader()->setVisible(false);
  StringGrid3_->verticalHeader()->setDefaultSectionSize(StringGrid3_->fontMetrics().height() + 6);
  StringGrid3_->setColumnWidth(0, 110);
  StringGrid3_->setColumnWidth(1, 110);
  StringGrid3_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid3_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid3_->setFixedSize(224,
                             3 * (StringGrid3_->fontMetrics().height() + 6) + 2 * StringGrid3_->frameWidth());
  layout->insertWidget(at++, StringGrid3_, 0, Qt::AlignTop);
  layout->insertStretch(at++, 1);
  buildVerificationPanel(static_cast<QBoxLayout*>(Panel3_->layout()));

  ApplyAssessmentTexts(services_.language());
  // The standard chosen last time; the items exist once the texts are on.
  const auto norma = settings::readInteger(services_.settings, settings::kChartNorma);
  CBNorma_->setCurrentIndex(norma == 1 ? 1 : 0);
}

void ChartWindow::ApplyAssessmentTexts(Language language) {
  ensureAssessmentPanel();
  applyTextRows(*this,
                language == Language::Czech ? kChartAssessmentTexts.czech : kChartAssessmentTexts.english,
                language);
  applyVerificationTexts(language);
  DesignStandard standard =
      CBNorma_->currentIndex() == 1 ? DesignStandard::Csn731401 : DesignStandard::En1990;
  if (shownAssessment_) standard = shownAssessment_->standard;  // the classes shown are those of its standard
  for (int i = 0; i < 3; ++i) {
    classLabels_[i]->setText(qs(classLabel(standard, i + 1, language)));
    quantileFields_[i]->setToolTip(
        qs(MessageText(232, language) + " : " + classLabel(standard, i + 1, language)));
  }
  // The texts of a shown assessment that depend on the language.
  if (shownAssessment_) {
    const AssessmentResult& a = *shownAssessment_;
    Uroven_->setText(qs(classLabel(a.standard, a.classIndex, language)));
    if (a.betaFKind == BetaFKind::Undefined) Edit12_->setText(qs(MessageText(233, language)));
    for (int i = 0; i < 3; ++i)
      if (!a.quantiles[i]) quantileFields_[i]->setText(qs(MessageText(233, language)));
  }
  showInputReading(language);
}

void ChartWindow::showInputReading(Language language) {
  const std::string note = shownReading_ ? inputReadingNote(shownReading_->reading, shownReading_->known,
                                                            shownReading_->sayUniform, language)
                                         : std::string();
  LabInputReading_->setText(qs(note));
  LabInputReading_->setVisible(!note.empty());
}

DesignStandard ChartWindow::assessmentStandard() {
  ensureAssessmentPanel();
  return CBNorma_->currentIndex() == 1 ? DesignStandard::Csn731401 : DesignStandard::En1990;
}

void ChartWindow::ShowAssessment(const AssessmentResult& a) {
  ensureAssessmentPanel();
  const Language language = services_.language();
  shownAssessment_.reset();
  ApplyAssessmentTexts(language);

  // Classes of the chosen standard.
  for (QLineEdit* e : quantileFields_) e->clear();
  Edit7_->setText(u"0.00000"_s);
  for (int i = 0; i < 3; ++i) {
    classLabels_[i]->setText(qs(a.classLabels[i]));
    pdFields_[i]->setText(qs(formatNumberShort(a.pd[i])));
    betaFields_[i]->setText(qs(formatNumber(a.classBeta[i])));
  }

  // Probability of failure and the reliability index.
  Edit7_->setText(qs(formatNumberShort(a.pf)));
  switch (a.betaFKind) {
    case BetaFKind::Value:
      Edit12_->setText(qs(formatNumber(a.betaF)));
      break;
    case BetaFKind::Undefined:
      Edit12_->setText(qs(MessageText(233, language)));
      break;
    case BetaFKind::Out:
      Edit12_->setText(u"  <OUT> "_s);
      break;
  }
  if (a.crossingFound) {
    setCell(StringGrid3_, 0, 1, u"  %1 / %2"_s.arg(a.crossingBin).arg(a.binCount));
    setCell(StringGrid3_, 1, 1, qs(formatNumber(a.fsMin)));
    setCell(StringGrid3_, 2, 1, qs(formatNumber(a.crossingCentre)));
  } else {
    for (int r = 0; r < 3; ++r) setCell(StringGrid3_, r, 1, QString());
  }

  // Verdict: the class on the colour of the quantile fields, or "unsatisfactory" on red.
  QPalette pal = Uroven_->palette();
  if (a.classIndex > 0) {
    pal.setColor(QPalette::Window, quantileFields_[0]->palette().color(QPalette::Base));
    pal.setColor(QPalette::WindowText, Qt::black);
  } else {
    pal.setColor(QPalette::Window, QColor(255, 0, 0));
    pal.setColor(QPalette::WindowText, Qt::white);
  }
  Uroven_->setPalette(pal);
  Uroven_->setText(qs(a.verdict));

  // Quantiles at the design probabilities.
  for (int i = 0; i < 3; ++i)
    quantileFields_[i]->setText(a.quantiles[i] ? qs(formatNumber(*a.quantiles[i]))
                                               : qs(MessageText(233, language)));
  const ProjectState* project = services_.windows.project();
  LabPairValues_->setVisible(project && project->boltLoadReading.values == PairValues::UpperEdges);
  shownReading_.reset();
  if (project) {
    // A reassessment of a results file whose S was read otherwise than the settings say names its reading.
    const InputReading reading = project->loadInputReading();
    const InputReading option =
        services_.options.inputCentres ? InputReading::Centres : InputReading::Uniform;
    shownReading_ = ReadingShown{reading, project->boltLoadReadingKnown, reading != option};
  }
  showInputReading(language);
  shownAssessment_ = a;
  if (check_ && !currentCheck()) clearCheck();  // a check of another assessment
}

void ChartWindow::CBNormaClick() {
  if (!services_.windows.project() || normaRunning_) return;  // nothing to assess without the main window
  normaRunning_ = true;
  hide();
  services_.windows.runAssessment();
  show();
  raise();
  normaRunning_ = false;
}
