// The input area of the main window: the layer table, the one-row histogram tables, the typed
// inputs, the result chart buttons and the panel that sends a created histogram into a slot.
#include "ui/InputArea.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "design/PatternRanges.h"
#include "histogram/HistogramFile.h"
#include "persistence/OpenProject.h"
#include "reliability/InputChecks.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/NamedWidget.h"
#include "ui/Notices.h"
#include "ui/ProjectModel.h"
#include "ui/QtText.h"
#include "ui/Services.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

namespace {

// The key class of each typed edit; read-only edits have none.
struct TypedEdit {
  QLineEdit* edit;
  KeyClass cls;
};

// Applies a key class to one typed character; true when the event is consumed.
bool filterTypedKey(Dialogs& dialogs, QKeyEvent* ke, KeyClass cls, QLineEdit* edit) {
  if (ke->matches(QKeySequence::Paste)) {
    if (edit) edit->insert(qs(filterText(cls, ss(QGuiApplication::clipboard()->text()))));
    return true;
  }
  if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QList<uint> chars = ke->text().toUcs4();
  if (chars.isEmpty()) return false;
  const char32_t c = chars.front();
  if ((c < 0x20 && c != U'\b') || c == 0x7F) return false;  // Tab, Escape, Delete: not typed text
  const KeyVerdict v = filterKey(cls, c);
  if (!v.accept) {
    if (v.beep) dialogs.beep();
    return true;
  }
  if (v.replacement != c) {
    if (edit) edit->insert(QString::fromUcs4(&v.replacement, 1));
    return true;
  }
  return false;
}

bool isEnter(QKeyEvent* ke) { return ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter; }

// Editor of the thickness cells: the real-number key filter, Enter commits and moves on to EdH.
class ThicknessDelegate final : public QStyledItemDelegate {
 public:
  ThicknessDelegate(QObject* parent, Dialogs& dialogs, std::function<void(int)> edited,
                    std::function<void()> enter)
      : QStyledItemDelegate(parent),
        dialogs_(dialogs),
        edited_(std::move(edited)),
        enter_(std::move(enter)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* ed = named<QLineEdit>(parent, u"StrGrHornEditor"_s);
    ed->setFrame(false);
    const int row = index.row();
    QObject::connect(ed, &QLineEdit::textEdited, ed, [f = edited_, row] { f(row); });
    return ed;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* ke = static_cast<QKeyEvent*>(event);
      auto* ed = qobject_cast<QLineEdit*>(object);
      if (isEnter(ke)) {
        if (ed) {
          emit commitData(ed);
          emit closeEditor(ed, QAbstractItemDelegate::NoHint);
        }
        enter_();
        return true;
      }
      if (filterTypedKey(dialogs_, ke, KeyClass::Real, ed)) return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  Dialogs& dialogs_;
  std::function<void(int)> edited_;
  std::function<void()> enter_;
};

QTableWidgetItem* fixedItem(const QString& text, const QPalette& pal) {
  auto* it = new QTableWidgetItem(text);
  it->setFlags(Qt::ItemIsEnabled);
  it->setBackground(pal.button());
  return it;
}

QTableWidgetItem* plainItem() {
  auto* it = new QTableWidgetItem();
  it->setFlags(Qt::ItemIsEnabled);
  return it;
}

int rowHeightFor(const QWidget* w) { return w->fontMetrics().height() + 10; }

void fitTableHeight(QTableWidget* t) {
  int h = 2 * t->frameWidth();
  for (int r = 0; r < t->rowCount(); ++r) h += t->rowHeight(r);
  t->setFixedHeight(h);
}

void prepareTable(QTableWidget* t, int rows, int cols) {
  t->setRowCount(rows);
  t->setColumnCount(cols);
  t->horizontalHeader()->hide();
  t->verticalHeader()->hide();
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setWordWrap(false);
  t->setTextElideMode(Qt::ElideRight);
  const int rh = rowHeightFor(t);
  t->verticalHeader()->setMinimumSectionSize(rh);
  for (int r = 0; r < rows; ++r) t->setRowHeight(r, rh);
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, int width, bool readOnly = false) {
  auto* e = named<QLineEdit>(parent, name);
  e->setReadOnly(readOnly);
  if (width > 0) e->setFixedWidth(width);
  if (readOnly) e->setFocusPolicy(Qt::ClickFocus);
  return e;
}

// One step of the chain in a row: its button, its chart button and its progress bar, if any.
QHBoxLayout* stepRow(QPushButton* step, QPushButton* chart, QProgressBar* bar = nullptr) {
  auto* row = new QHBoxLayout;
  row->addWidget(step);
  row->addWidget(chart);
  if (bar) row->addWidget(bar, 1);
  row->addStretch(1);
  return row;
}

// A small bar chart: the face of every chart button, the same in both languages.
QIcon chartIcon() {
  QPixmap pm(18, 18);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2f, 0x5f, 0xa8));
  const int heights[] = {7, 13, 10, 4};
  for (int i = 0; i < 4; ++i) p.drawRect(1 + i * 4, 17 - heights[i], 3, heights[i]);
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.drawLine(0, 17, 17, 17);
  return QIcon(pm);
}

// Item role that marks a chart cell whose slot holds a histogram.
constexpr int kChartCellRole = Qt::UserRole + 1;

// Chart cells of a slot with a histogram are drawn as a button with the chart icon, so the one click
// that opens the chart is visible before it is made.
class ChartCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!index.data(kChartCellRole).toBool()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(1, 1, -1, -1);
    button.state = option.state | QStyle::State_Raised;
    button.icon = chartIcon();
    button.iconSize = QSize(18, 18);
    const QWidget* w = option.widget;
    (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_PushButton, &button, painter, w);
  }
};

QToolButton* makeFloating(QWidget* parent, const QString& name, const QString& text) {
  auto* b = named<QToolButton>(parent, name);
  b->setText(text);
  b->setFocusPolicy(Qt::StrongFocus);
  b->setAutoRaise(false);
  b->hide();
  return b;
}

}  // namespace

// ------------------------------------------------------------------------------------------ setup

InputArea::InputArea(Services& services, ProjectModel& model, QWidget* parent)
    : QWidget(parent), services_(services), model_(model), project_(model.state()) {
  setObjectName(u"InputArea"_s);
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(8, 6, 8, 6);
  root->setSpacing(6);

  // Results name.
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(named<QLabel>(this, u"Label25"_s));
  resultsNameEdit_ = makeEdit(this, u"EdNazevVys"_s, 0);
  nameRow->addWidget(resultsNameEdit_, 1);
  root->addLayout(nameRow);

  auto* columns = new QHBoxLayout;
  columns->setSpacing(8);
  root->addLayout(columns, 1);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left, 4);
  columns->addLayout(right, 3);

  left->addWidget(buildRockMassBox());
  left->addWidget(buildSendBox());
  left->addStretch(1);
  right->addWidget(buildBoltingBox());
  right->addStretch(1);
  for (QPushButton* b :
       {reducedStrengthChart_, boltLengthChart_, boltLoadChart_, bearingCapacityChart_, reliabilityChart_}) {
    b->setText({});
    b->setIcon(chartIcon());
    b->setFixedWidth(44);
  }
  for (QPushButton* b :
       {reducedStrengthButton_, boltLengthButton_, boltLoadButton_, assessmentButton_, computeAllButton_})
    b->setMinimumWidth(170);
  boltLoadProgress_->hide();
  boltLengthProgress_->hide();

  connectControls();

  // Start-up state: first items, no combined support, no results.
  project_.resultsName = MessageText(156, services_.language());
  targetSelector_->setCurrentIndex(0);
  creationSelector_->setCurrentIndex(0);
  view_.histogramCreated = false;
  connect(&model_, &ProjectModel::projectStarted, this, &InputArea::projectStarted);
  connect(&model_, &ProjectModel::inputsChanged, this, &InputArea::showProject);
  connect(&model_, &ProjectModel::resultsChanged, this, &InputArea::showResultButtons);
  connect(&model_, &ProjectModel::patternChanged, this, &InputArea::showPattern);
  connect(&model_, &ProjectModel::slotRenamed, this, &InputArea::showSlotName);
  connect(&model_, &ProjectModel::rockTypesChanged, this, &InputArea::fillRockTypeList);
  project_.invalidate(InvalidateFrom::All);
  model_.inputsReplaced();
}

QTableWidget* InputArea::makeSlotTable(Source source, const char* name, const char* openName,
                                       const char* chartName) {
  auto* t = named<QTableWidget>(this, QString::fromLatin1(name));
  prepareTable(t, 2, 3);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  const QPalette pal = t->palette();
  t->setItem(0, 0, fixedItem({}, pal));
  t->setItem(0, 1, fixedItem({}, pal));
  t->setItem(0, 2, fixedItem({}, pal));
  t->setItem(1, 0, fixedItem({}, pal));
  t->setItem(1, 1, plainItem());
  t->setItem(1, 2, plainItem());
  t->setColumnWidth(0, 12);
  t->setColumnWidth(2, 52);
  t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  t->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
  // The header decides the width; it follows the language.
  auto fitHeader = [t](QTableWidgetItem* it) {
    if (it->row() == 0 && it->column() == 1)
      t->setMinimumWidth(std::max(300, t->fontMetrics().horizontalAdvance(it->text()) + 12 + 52 + 24));
  };
  connect(t, &QTableWidget::itemChanged, t, fitHeader);
  fitHeader(t->item(0, 1));
  fitTableHeight(t);

  SlotTable* st = nullptr;
  for (auto& s : slotTables_)
    if (s.source == kSrcNone) {
      st = &s;
      break;
    }
  st->source = source;
  st->grid = t;
  st->open = makeFloating(t->viewport(), QString::fromLatin1(openName), u"…"_s);
  st->chart = makeFloating(t->viewport(), QString::fromLatin1(chartName), {});
  st->chart->setIcon(chartIcon());
  t->setItemDelegateForColumn(2, new ChartCellDelegate(t));
  connect(t, &QTableWidget::cellClicked, this, [this, source](int r, int c) {
    slotCellSelected(source, r, c);
    // One click on a chart cell opens the chart: the button the selection put there is pressed at once.
    if (SlotTable* st = slotTable(source); st && c == 2 && st->chart->isVisible()) st->chart->click();
  });
  connect(t, &QTableWidget::currentCellChanged, this,
          [this, source](int r, int c, int, int) { slotCellSelected(source, r, c); });
  connect(st->open, &QToolButton::clicked, this, [this, source] { openSlotFile(source); });
  connect(st->chart, &QToolButton::clicked, this, [this, source] { showSlotChart(source, 0); });
  return t;
}

// The overburden, the width of the working, Beta, B* and the reduced strength.
QGroupBox* InputArea::buildRockMassBox() {
  auto* box = named<QGroupBox>(this, u"GroupBox2"_s);
  auto* g2 = new QVBoxLayout(box);
  g2->addWidget(named<QLabel>(box, u"Label1"_s));

  g2->addWidget(buildLayerTable(box));
  g2->addWidget(makeSlotTable(kSrcWidth, "StringGridDD", "OtevHistDD", "GrafHistDD"));

  auto* betaRow = new QHBoxLayout;
  betaRow->addWidget(named<QLabel>(box, u"Label21"_s));
  betaEdit_ = makeEdit(box, u"EdBeta"_s, 80, true);
  betaRow->addWidget(betaEdit_);
  betaButton_ = named<QPushButton>(box, u"ButBeta"_s);
  betaButton_->setFixedWidth(32);
  betaRow->addWidget(betaButton_);
  betaRow->addSpacing(16);
  betaRow->addWidget(named<QLabel>(box, u"LabelB_H"_s));
  bStarEdit_ = makeEdit(box, u"EdB_H"_s, 80, true);
  betaRow->addWidget(bStarEdit_);
  betaRow->addSpacing(8);
  betaRow->addWidget(named<QLabel>(box, u"LabelB_2H"_s));
  twoBStarEdit_ = makeEdit(box, u"EdB_2H"_s, 80, true);
  betaRow->addWidget(twoBStarEdit_);
  betaRow->addStretch(1);
  g2->addLayout(betaRow);

  reducedStrengthButton_ = named<QPushButton>(box, u"BBRedPev"_s);
  reducedStrengthChart_ = named<QPushButton>(box, u"GrafRePe"_s);
  g2->addLayout(stepRow(reducedStrengthButton_, reducedStrengthChart_));
  return box;
}

// The layer table with its thickness editor, the rock type list and the floating open/chart buttons.
QTableWidget* InputArea::buildLayerTable(QWidget* parent) {
  layerTable_ = named<QTableWidget>(parent, u"StrGrHorn"_s);
  prepareTable(layerTable_, 11, 5);
  layerTable_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                               QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  {
    const QPalette pal = layerTable_->palette();
    for (int c = 0; c < 5; ++c) layerTable_->setItem(0, c, fixedItem({}, pal));
    for (int r = 1; r <= ProjectState::kLayers; ++r) {
      layerTable_->setItem(r, 0, fixedItem(qs(layerRowLabel(r)), pal));
      layerTable_->item(r, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      for (int c = 1; c < 5; ++c) layerTable_->setItem(r, c, plainItem());
    }
  }
  layerTable_->setColumnWidth(0, 64);
  layerTable_->setColumnWidth(1, 160);
  layerTable_->setColumnWidth(3, 124);
  layerTable_->setColumnWidth(4, 52);
  layerTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  layerTable_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  // Column widths and the table's width follow the headers of the language in force.
  auto fitHeaders = [this](QTableWidgetItem* it) {
    if (it->row() != 0) return;
    static constexpr int kMin[] = {64, 160, 230, 110, 52};
    const QFontMetrics fm = layerTable_->fontMetrics();
    int total = 2 * layerTable_->frameWidth();
    for (int c = 0; c < 5; ++c) {
      const int w = std::max(kMin[c], fm.horizontalAdvance(layerTable_->item(0, c)->text()) + 16);
      if (c != 2) layerTable_->setColumnWidth(c, w);
      total += w;
    }
    layerTable_->setMinimumWidth(total);
  };
  connect(layerTable_, &QTableWidget::itemChanged, layerTable_, fitHeaders);
  fitHeaders(layerTable_->item(0, 1));
  fitTableHeight(layerTable_);
  layerTable_->setItemDelegateForColumn(
      3, new ThicknessDelegate(
             layerTable_, services_.dialogs, [this](int row) { thicknessEdited(row); },
             [this] { depthHEdit_->setFocus(); }));

  rockTypeList_ = new QComboBox(layerTable_->viewport());
  rockTypeList_->setObjectName(u"CBTypProm"_s);
  rockTypeList_->hide();
  layerOpenButton_ = makeFloating(layerTable_->viewport(), u"OtevHist"_s, u"…"_s);
  layerChartButton_ = makeFloating(layerTable_->viewport(), u"GrafHist"_s, {});
  layerChartButton_->setIcon(chartIcon());
  layerTable_->setItemDelegateForColumn(4, new ChartCellDelegate(layerTable_));

  return layerTable_;
}

// Selection and sending of a created histogram.
QGroupBox* InputArea::buildSendBox() {
  auto* box = named<QGroupBox>(this, u"GroupBox1"_s);
  auto* g1 = new QGridLayout(box);
  g1->addWidget(named<QLabel>(box, u"Label3"_s), 0, 0);
  creationSelector_ = named<QComboBox>(box, u"CBTypOkna"_s);
  g1->addWidget(creationSelector_, 0, 1);
  g1->addWidget(named<QLabel>(box, u"Label15"_s), 1, 0);
  targetSelector_ = named<QComboBox>(box, u"CBDruhTab"_s);
  g1->addWidget(targetSelector_, 1, 1);
  sendButton_ = named<QPushButton>(box, u"BitBtn1"_s);
  sendButton_->setMinimumWidth(90);
  g1->addWidget(sendButton_, 0, 2, 2, 1);
  g1->setColumnStretch(1, 1);

  return box;
}

// The bolting: K, Kn, H, combined support, q, RMR, gamma, SigmaH, the bolt fields and the commands.
QGroupBox* InputArea::buildBoltingBox() {
  auto* box = named<QGroupBox>(this, u"GroupBox3"_s);
  auto* g3 = new QVBoxLayout(box);
  g3->addWidget(makeSlotTable(kSrcK, "StringGridAlfa", "OtevHistAlfa", "GrafHistAlfa"));
  g3->addWidget(makeSlotTable(kSrcKn, "StringGridKn", "OtevHistKn", "GrafHistKn"));
  auto* hRow = new QHBoxLayout;
  hRow->addWidget(named<QLabel>(box, u"Label13"_s));
  depthHEdit_ = makeEdit(box, u"EdH"_s, 100);
  hRow->addWidget(depthHEdit_);
  hRow->addStretch(1);
  g3->addLayout(hRow);

  combinedSupportBox_ = named<QCheckBox>(box, u"ChBKombVyzt"_s);
  g3->addWidget(combinedSupportBox_);
  g3->addWidget(makeSlotTable(kSrcQ, "StringGridOPV", "OtevHistOPV", "GrafHistOPV"));

  boltLengthButton_ = named<QPushButton>(box, u"BBDelSvor"_s);
  boltLengthChart_ = named<QPushButton>(box, u"GrafDeSv"_s);
  boltLengthProgress_ = named<QProgressBar>(box, u"ProgressBar2"_s);
  g3->addLayout(stepRow(boltLengthButton_, boltLengthChart_, boltLengthProgress_));

  auto* rmrTable = makeSlotTable(kSrcRmr, "StringGridGKK", "OtevHistGKK", "GrafHistGKK");
  auto* rmrRow = new QHBoxLayout;
  rmrRow->addWidget(rmrTable, 1);
  rmrButton_ = named<QPushButton>(box, u"BitBtn2"_s);
  rmrRow->addWidget(rmrButton_, 0, Qt::AlignBottom);
  g3->addLayout(rmrRow);
  g3->addWidget(makeSlotTable(kSrcGamma, "StringGridOHH", "OtevHistOHH", "GrafHistOHH"));

  boltLoadButton_ = named<QPushButton>(box, u"BBZatSv"_s);
  boltLoadChart_ = named<QPushButton>(box, u"GrafZaSv"_s);
  boltLoadProgress_ = named<QProgressBar>(box, u"ProgressBar1"_s);
  g3->addLayout(stepRow(boltLoadButton_, boltLoadChart_, boltLoadProgress_));

  g3->addWidget(makeSlotTable(kSrcSigmaR, "StringGridPS", "OtevHistPS", "GrafHistPS"));
  g3->addLayout(buildBoltFields(box));

  auto* fsRow = new QHBoxLayout;
  auto* l27 = named<QLabel>(box, u"Label27"_s);
  bearingCapacityChart_ = named<QPushButton>(box, u"GrafUnSv"_s);
  l27->setBuddy(bearingCapacityChart_);
  assessmentButton_ = named<QPushButton>(box, u"BBFunSpoj"_s);
  reliabilityChart_ = named<QPushButton>(box, u"GrafFS"_s);
  fsRow->addWidget(l27);
  fsRow->addWidget(bearingCapacityChart_);
  fsRow->addSpacing(24);
  fsRow->addWidget(assessmentButton_);
  fsRow->addWidget(reliabilityChart_);
  fsRow->addStretch(1);
  g3->addLayout(fsRow);

  computeAllButton_ = named<QPushButton>(box, u"SpocitatVse"_s);
  auto* allRow = new QHBoxLayout;
  allRow->addStretch(1);
  allRow->addWidget(computeAllButton_);
  g3->addLayout(allRow);

  return box;
}

// Outer and inner diameter, number and spacing of the bolts.
QGridLayout* InputArea::buildBoltFields(QWidget* parent) {
  auto* bolts = new QGridLayout;
  bolts->setHorizontalSpacing(8);
  d1Edit_ = makeEdit(parent, u"EdPS"_s, 80);
  d2Edit_ = makeEdit(parent, u"EdPSV"_s, 80);
  boltCountEdit_ = makeEdit(parent, u"EdPK"_s, 80);
  rowSpacingEdit_ = makeEdit(parent, u"EdPSds"_s, 80);
  bolts->setVerticalSpacing(4);
  addLabelledRows(bolts, parent,
                  {{u"Label11"_s, d1Edit_},
                   {u"Label4"_s, d2Edit_},
                   {u"Label12"_s, boltCountEdit_},
                   {u"Label28"_s, rowSpacingEdit_}});
  bolts->setColumnStretch(2, 1);
  return bolts;
}

// Signals of the input area and its key and focus filter.
void InputArea::connectControls() {
  connect(layerTable_, &QTableWidget::cellClicked, this, [this](int r, int c) {
    layerCellSelected(r, c);
    if (c == 4 && layerChartButton_->isVisible())
      layerChartButton_->click();  // one click on a chart cell opens the chart
  });
  connect(layerTable_, &QTableWidget::currentCellChanged, this,
          [this](int r, int c, int, int) { layerCellSelected(r, c); });
  connect(layerTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
    if (refreshing_ || it->column() != 3 || it->row() < 1) return;
    project_.layers[it->row() - 1].thickness = ss(it->text());
  });
  connect(layerOpenButton_, &QToolButton::clicked, this, [this] { openSlotFile(kSrcLayer); });
  connect(layerChartButton_, &QToolButton::clicked, this,
          [this] { showSlotChart(kSrcLayer, view_.selectedLayerRow); });
  connect(rockTypeList_, &QComboBox::activated, this, [this] {
    targetSelector_->setCurrentIndex(1);
    layerTable_->setFocus();  // the list hides and hands its item to the cell
  });

  connect(resultsNameEdit_, &QLineEdit::textEdited, this,
          [this](const QString& t) { project_.resultsName = ss(t); });
  connect(depthHEdit_, &QLineEdit::textEdited, this, [this](const QString& t) {
    project_.depthH = ss(t);
    invalidateResults(InvalidateFrom::BoltLength);
  });
  const std::pair<QLineEdit*, std::string ProjectState::*> boltEdits[] = {
      {d1Edit_, &ProjectState::d1},
      {d2Edit_, &ProjectState::d2},
      {boltCountEdit_, &ProjectState::boltCount},
      {rowSpacingEdit_, &ProjectState::rowSpacing}};
  for (auto [edit, field] : boltEdits)
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& t) {
      project_.*field = ss(t);
      view_.boltInputsEdited = true;
      invalidateResults(InvalidateFrom::BearingCapacity);
    });

  connect(combinedSupportBox_, &QCheckBox::clicked, this, &InputArea::combinedSupportToggled);
  connect(creationSelector_, &QComboBox::activated, this, &InputArea::creationMethodChosen);
  connect(sendButton_, &QPushButton::clicked, this, &InputArea::sendCreatedHistogram);
  connect(rmrButton_, &QPushButton::clicked, this, &InputArea::openRmrWindow);
  connect(qApp, &QApplication::focusChanged, this, &InputArea::focusChanged);

  for (QObject* o : std::initializer_list<QObject*>{
           resultsNameEdit_, depthHEdit_, d1Edit_, d2Edit_, boltCountEdit_, rowSpacingEdit_, layerTable_,
           rockTypeList_, layerOpenButton_, layerChartButton_, layerTable_->viewport()})
    o->installEventFilter(this);
  for (auto& st : slotTables_) {
    st.open->installEventFilter(this);
    st.chart->installEventFilter(this);
    st.grid->viewport()->installEventFilter(this);
  }
}

// ------------------------------------------------------------------------------ state <-> controls

InputArea::SlotTable* InputArea::slotTable(Source source) {
  for (auto& s : slotTables_)
    if (s.source == source) return &s;
  return nullptr;
}

void InputArea::setLayerCell(int row, int col, const std::string& text) {
  const bool was = refreshing_;
  refreshing_ = true;
  layerTable_->item(row, col)->setText(qs(text));
  refreshing_ = was;
}

void InputArea::showSlotName(Source source, int layerRow) {
  if (source == kSrcLayer) {
    if (layerRow >= 1 && layerRow <= ProjectState::kLayers)
      setLayerCell(
          layerRow, 2,
          shownHistogramName(services_.folders.HistogramsFolder, project_.layers[layerRow - 1].name));
    updateLayerFlags();  // the chart cell follows the name
    return;
  }
  SlotTable* st = slotTable(source);
  HistogramSlot* slot = project_.slotForSource(source);
  if (!st || !slot) return;
  // A name leading out of the histograms folder shows where it leads.
  const QString shown = qs(shownHistogramName(services_.folders.HistogramsFolder, slot->name));
  st->grid->item(1, 1)->setText(shown);
  st->grid->item(1, 1)->setToolTip(shown);
  st->grid->item(1, 2)->setData(kChartCellRole, !slot->empty());
}

void InputArea::updateLayerFlags() {
  const bool was = refreshing_;
  refreshing_ = true;
  for (int r = 1; r <= ProjectState::kLayers; ++r) {
    const bool editable = r >= 2 && r <= project_.nextLayerRow - 1;
    layerTable_->item(r, 3)->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                               : Qt::ItemIsEnabled);
    // Rows that accept input keep the table's own text colour (so they follow the window's enabled
    // state: a row opened while a creation window disables this one must not stay grey); the rest are
    // greyed a little.
    const bool open = r <= project_.nextLayerRow;
    layerTable_->item(r, 4)->setData(kChartCellRole, open && !project_.layers[r - 1].empty());
    const QColor grey = palette().color(QPalette::Active, QPalette::PlaceholderText);
    for (int c = 1; c < 5; ++c) {
      QTableWidgetItem* it = layerTable_->item(r, c);
      if (open)
        it->setData(Qt::ForegroundRole, QVariant());
      else
        it->setForeground(grey);
    }
  }
  refreshing_ = was;
}

void InputArea::showProject() {
  const bool was = refreshing_;
  refreshing_ = true;
  for (int r = 1; r <= ProjectState::kLayers; ++r) {
    const LayerSlot& l = project_.layers[r - 1];
    layerTable_->item(r, 1)->setText(qs(l.rockType));
    const QString shown = qs(shownHistogramName(services_.folders.HistogramsFolder, l.name));
    layerTable_->item(r, 2)->setText(shown);
    layerTable_->item(r, 2)->setToolTip(shown);
    layerTable_->item(r, 3)->setText(qs(l.thickness));
  }
  for (auto& st : slotTables_) showSlotName(st.source, 0);
  resultsNameEdit_->setText(qs(project_.resultsName));
  depthHEdit_->setText(qs(project_.depthH));
  betaEdit_->setText(qs(project_.beta));
  bStarEdit_->setText(qs(project_.bStarText));
  twoBStarEdit_->setText(qs(project_.twoBStarText));
  d1Edit_->setText(qs(project_.d1));
  d2Edit_->setText(qs(project_.d2));
  boltCountEdit_->setText(qs(project_.boltCount));
  rowSpacingEdit_->setText(qs(project_.rowSpacing));
  combinedSupportBox_->setChecked(project_.combinedSupport);
  slotTable(kSrcQ)->grid->setEnabled(project_.combinedSupport);
  updateLayerFlags();
  showResultButtons();
  fillRockTypeList();
  refreshing_ = was;
}

void InputArea::fillRockTypeList() {
  if (rockTypeListOpen_) return;
  rockTypeList_->clear();
  for (const auto& t : project_.rockTypes) rockTypeList_->addItem(qs(t));
  rockTypeList_->setCurrentIndex(-1);
}

void InputArea::showResultButtons() {
  reducedStrengthChart_->setEnabled(project_.reducedStrengthDone);
  boltLengthChart_->setEnabled(project_.boltLengthDone);
  boltLoadChart_->setEnabled(project_.boltLoadDone);
  bearingCapacityChart_->setEnabled(project_.bearingCapacityDone);
  reliabilityChart_->setEnabled(project_.assessmentDone);
}

void InputArea::invalidateResults(InvalidateFrom from) {
  model_.invalidate(from);
  if (from == InvalidateFrom::All) betaEdit_->clear();
}

void InputArea::projectStarted() {
  view_.selectedLayerRow = 0;
  view_.selectedColumn = 0;
  targetSelector_->setCurrentIndex(0);
  creationSelector_->setCurrentIndex(0);
}

// --------------------------------------------------------------------------------- floating controls

void InputArea::placeOverCell(QWidget* w, QTableWidget* t, int row, int col, bool rightEnd) {
  const QRect cell = t->visualItemRect(t->item(row, col));
  if (rightEnd) {
    const int side = cell.height() - 2;
    w->setGeometry(cell.right() - side, cell.top() + 1, side, side);
  } else {
    w->setGeometry(cell.adjusted(1, 1, -1, -1));
  }
  w->show();
  w->raise();
  w->setFocus();
}

void InputArea::closeFloatingControls() {
  rockTypeListOpen_ = false;
  for (QWidget* w : std::initializer_list<QWidget*>{rockTypeList_, layerOpenButton_, layerChartButton_})
    w->hide();
  for (auto& st : slotTables_) {
    st.open->hide();
    st.chart->hide();
  }
}

void InputArea::layerCellSelected(int row, int col) {
  if (row <= 0 || col <= 0) return;
  view_.selectedLayerRow = row;
  view_.selectedColumn = col;
  view_.currentSource = kSrcLayer;
  if (row > project_.nextLayerRow) {
    view_.selectedLayerRow = 0;
    return;
  }
  switch (col) {
    case 1:
      closeFloatingControls();
      fillRockTypeList();
      rockTypeRow_ = row;
      rockTypeListOpen_ = true;
      placeOverCell(rockTypeList_, layerTable_, row, col, false);
      break;
    case 2:
      placeOverCell(layerOpenButton_, layerTable_, row, col, true);
      break;
    case 4:
      if (!project_.layers[row - 1].empty()) placeOverCell(layerChartButton_, layerTable_, row, col, false);
      break;
    default:
      break;
  }
}

void InputArea::rockTypeListClosed() {
  if (!rockTypeListOpen_) return;
  rockTypeListOpen_ = false;
  rockTypeList_->hide();
  const int row = rockTypeRow_;
  if (rockTypeList_->currentIndex() >= 0 && row >= 1 && row <= ProjectState::kLayers) {
    project_.layers[row - 1].rockType = ss(rockTypeList_->currentText());
    setLayerCell(row, 1, project_.layers[row - 1].rockType);
  }
  if (project_.rockTypes.empty())
    messageDialog(MessageText(1, services_.language()), MessageText(9, services_.language()),
                  DlgKind::Information, DlgButtons::Ok, mrOk);
}

void InputArea::slotCellSelected(Source source, int row, int col) {
  if (row <= 0 || col <= 0) return;
  if (source == kSrcQ && !project_.combinedSupport) return;
  SlotTable* st = slotTable(source);
  HistogramSlot* slot = project_.slotForSource(source);
  if (!st || !slot) return;
  view_.currentSource = source;
  if (col == 1)
    placeOverCell(st->open, st->grid, 1, 1, true);
  else if (col == 2 && !slot->empty())
    placeOverCell(st->chart, st->grid, 1, 2, false);
}

// ------------------------------------------------------------------------------------- histograms

bool InputArea::readSlotFile(Source source, int layerRow, const std::string& path) {
  HistogramSlot* slot = project_.slotForSource(source, layerRow);
  if (!slot) return false;
  const auto h = ReadHistogramCommand(services_, path);
  if (!h) return false;
  slot->histogram = *h;
  return true;
}

bool InputArea::computeBStar() {
  const auto b = bStarFromWidth(project_.width.histogram);
  if (!b) {
    errorDialog(services_.language(), bStarProblemText(services_.language()));
    return false;
  }
  project_.bStar = *b;
  project_.twoBStar = 2 * *b;
  project_.bStarText = formatNumber(project_.bStar);
  project_.twoBStarText = formatNumber(project_.twoBStar);
  bStarEdit_->setText(qs(project_.bStarText));
  twoBStarEdit_->setText(qs(project_.twoBStarText));
  if (const auto r = widthRefusal(project_.width.histogram))
    showProblems({inputProblem(*r)}, nullptr);
  else if (const auto w = widthWarning(project_.width.histogram))
    showProblems({inputProblem(*w)}, nullptr);
  return true;
}

void InputArea::openSlotFile(Source source) {
  const Language lang = services_.language();
  int row = 0;
  if (source == kSrcLayer) {
    layerOpenButton_->hide();
    row = view_.selectedLayerRow;
    if (row < 1 || row > ProjectState::kLayers || project_.layers[row - 1].rockType.empty()) {
      errorDialog(lang, MessageText(21, lang));
      return;
    }
  } else if (SlotTable* st = slotTable(source)) {
    st->open->hide();
  }
  HistogramSlot* slot = project_.slotForSource(source, row);
  if (!slot) return;

  const auto path =
      services_.dialogs.openFileName(HistogramFileDialogs::open(services_.folders.HistogramsFolder));
  if (!path) return;
  invalidateResults(*invalidationForSource(source));
  view_.currentHistogramFile = *path;
  if (readSlotFile(source, row, *path)) {
    slot->name = fileNameOnly(*path);
    if (source == kSrcLayer) {
      setActionEnabled(window(), "SaveTabHorn1", true);
      if (row == project_.nextLayerRow) ++project_.nextLayerRow;
      updateLayerFlags();
    } else if (source == kSrcWidth) {
      computeBStar();
    }
  } else {
    slot->name.clear();
  }
  showSlotName(source, row);
  if (source == kSrcLayer)
    layerTable_->setCurrentCell(row, 0);
  else
    slotTable(source)->grid->setCurrentCell(1, 0);
}

void InputArea::showSlotChart(Source source, int layerRow) {
  if (source == kSrcLayer) {
    layerChartButton_->hide();
  } else if (SlotTable* st = slotTable(source)) {
    st->chart->hide();
    st->grid->setCurrentCell(1, 0);
  }
  const HistogramSlot* slot = project_.slotForSource(source, layerRow);
  if (!slot || slot->empty()) return;
  services_.windows.showHistogram(source, slot->histogram, slot->name, layerRow);
}

// ------------------------------------------------------------------------------------ typed inputs

void InputArea::showProblems(const std::vector<Refusal>& problems, QWidget* focusBack) {
  const Language lang = services_.language();
  bool refused = false;
  for (const auto& p : problems) {
    showRefusal(lang, p);
    refused = refused || p.kind != DlgKind::Warning;
  }
  // A warning leaves the value accepted; a refusal puts the focus back for the correction.
  if (refused && focusBack) QTimer::singleShot(0, focusBack, [focusBack] { focusBack->setFocus(); });
}

void InputArea::depthHLeft() {
  // EdH is checked whenever it is left; a value already warned about is not warned about again.
  const std::string text = ss(depthHEdit_->text());
  std::vector<Refusal> problems = checkDepthH(text);
  const bool onlyWarning = problems.size() == 1 && problems[0].kind == DlgKind::Warning;
  if (onlyWarning && text == depthWarned_) problems.clear();
  if (onlyWarning) depthWarned_ = text;
  showProblems(problems, depthHEdit_);
}

// A bolt field left after an edit: `check` may complete the text (d2 and ds get their defaults), which
// is then shown and, with `stored`, kept in the project; the problems are shown.
void InputArea::boltFieldLeft(QLineEdit* edit, std::string* stored,
                              const std::function<std::vector<Refusal>(std::string&)>& check) {
  if (!view_.boltInputsEdited) return;
  std::string text = ss(edit->text());
  const std::vector<Refusal> problems = check(text);
  if (stored) {
    if (qs(text) != edit->text()) edit->setText(qs(text));
    *stored = text;
  }
  view_.boltInputsEdited = false;
  showProblems(problems, edit);
}

void InputArea::d1Left() {
  boltFieldLeft(d1Edit_, nullptr, [](std::string& text) { return checkD1(text); });
}

void InputArea::d2Left() {
  boltFieldLeft(d2Edit_, &project_.d2,
                [this](std::string& text) { return checkD2(text, ss(d1Edit_->text())); });
}

void InputArea::boltCountLeft() {
  boltFieldLeft(boltCountEdit_, nullptr, [](std::string& text) { return checkBoltCount(text); });
}

void InputArea::rowSpacingLeft() {
  boltFieldLeft(rowSpacingEdit_, &project_.rowSpacing,
                [](std::string& text) { return checkRowSpacing(text); });
}

void InputArea::showPattern() {
  boltCountEdit_->setText(qs(project_.boltCount));
  d1Edit_->setText(qs(project_.d1));
  rowSpacingEdit_->setText(qs(project_.rowSpacing));
  view_.boltInputsEdited = false;
}

void InputArea::thicknessEdited(int row) {
  if (refreshing_ || row < 2) return;
  invalidateResults(InvalidateFrom::All);
  project_.layers[0].thickness.clear();
  setLayerCell(1, 3, {});
}

void InputArea::layerTableLeft() {
  if (checkingLayers_) return;
  const auto problem = checkThicknesses(project_);
  if (!problem) return;
  checkingLayers_ = true;
  showProblems({*problem}, nullptr);
  closeFloatingControls();
  layerTable_->setFocus();
  layerTable_->setCurrentCell(problem->layerRow, 3);
  checkingLayers_ = false;
}

void InputArea::focusChanged(QWidget* old, QWidget* now) {
  if (!layerTable_) return;
  auto inTable = [this](QWidget* w) { return w && (w == layerTable_ || layerTable_->isAncestorOf(w)); };
  if (inTable(old) && !inTable(now) && now && now->window() == window())
    QMetaObject::invokeMethod(this, &InputArea::layerTableLeft, Qt::QueuedConnection);
}

bool InputArea::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();

  // The floating controls hide when they lose the focus (not to their own popup or another window).
  if (type == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
    if (watched == rockTypeList_) {
      rockTypeListClosed();
      return false;
    }
    if (auto* w = qobject_cast<QToolButton*>(watched)) {
      w->hide();
      return false;
    }
  }

  // Edits with a check: leaving or clicking runs it once the event is done.
  using Check = void (InputArea::*)();
  const std::pair<QLineEdit*, Check> checks[] = {{depthHEdit_, &InputArea::depthHLeft},
                                                 {d1Edit_, &InputArea::d1Left},
                                                 {d2Edit_, &InputArea::d2Left},
                                                 {boltCountEdit_, &InputArea::boltCountLeft},
                                                 {rowSpacingEdit_, &InputArea::rowSpacingLeft}};
  for (auto [edit, check] : checks) {
    if (watched != edit) continue;
    if (type == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        QMetaObject::invokeMethod(this, check, Qt::QueuedConnection);
    } else if (type == QEvent::MouseButtonRelease) {
      QMetaObject::invokeMethod(this, check, Qt::QueuedConnection);
    }
  }

  if (type != QEvent::KeyPress) return false;
  auto* ke = static_cast<QKeyEvent*>(event);
  auto* edit = qobject_cast<QLineEdit*>(watched);

  if (watched == layerTable_) {
    if (isEnter(ke)) {
      depthHEdit_->setFocus();
      return true;
    }
    // Accepted keys open the thickness editor, which filters them itself; refused ones beep here.
    const QList<uint> chars = ke->text().toUcs4();
    if (chars.isEmpty() || (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
      return false;
    const char32_t c = chars.front();
    if ((c < 0x20 && c != U'\b') || c == 0x7F) return false;
    if (filterKey(KeyClass::Real, c).accept) return false;
    services_.dialogs.beep();
    return true;
  }
  if (watched == resultsNameEdit_)
    return isEnter(ke) || filterTypedKey(services_.dialogs, ke, KeyClass::Name, edit);
  if (watched == depthHEdit_) {
    if (isEnter(ke)) {
      slotTable(kSrcK)->grid->setFocus();
      return true;
    }
    return filterTypedKey(services_.dialogs, ke, KeyClass::Real, edit);
  }
  const std::pair<QLineEdit*, QLineEdit*> boltChain[] = {{d1Edit_, d2Edit_},
                                                         {d2Edit_, boltCountEdit_},
                                                         {boltCountEdit_, rowSpacingEdit_},
                                                         {rowSpacingEdit_, nullptr}};
  for (auto [from, to] : boltChain) {
    if (watched != from) continue;
    if (isEnter(ke)) {
      if (to) to->setFocus();
      return true;
    }
    return filterTypedKey(services_.dialogs, ke, KeyClass::Integer, edit);
  }
  return false;
}

// ----------------------------------------------------------------------------- combined support

void InputArea::combinedSupportToggled() {
  project_.combinedSupport = combinedSupportBox_->isChecked();
  slotTable(kSrcQ)->grid->setEnabled(project_.combinedSupport);
  if (!project_.combinedSupport) {
    slotTable(kSrcQ)->open->hide();
    slotTable(kSrcQ)->chart->hide();
    project_.q.name.clear();
    showSlotName(kSrcQ, 0);
    if (project_.boltLengthDone) invalidateResults(InvalidateFrom::BoltLength);
  }
}

// ------------------------------------------------------------------------- created histograms

void InputArea::creationMethodChosen() {
  view_.histogramCreated = false;
  view_.currentHistogramFile.clear();
  services_.windows.openCreationWindow(creationSelector_->currentIndex());
}

bool InputArea::saveCreatedHistogram() {
  const auto name = SaveHistogramCommand(services_, view_.createdHistogram);
  if (!name) return false;
  view_.currentHistogramFile = *name;
  return true;
}

void InputArea::storeCreatedHistogram(const Histogram& h) {
  view_.createdHistogram = h;
  view_.histogramCreated = true;
  view_.currentSource = kSrcCreated;
  sendCreatedHistogram();
}

void InputArea::sendCreatedHistogram() {
  const Language lang = services_.language();
  const int target = targetSelector_->currentIndex();
  const Source source = sourceForTargetItem(target);
  const int row = source == kSrcLayer ? view_.selectedLayerRow : 0;
  if (source == kSrcLayer && (row < 1 || row > ProjectState::kLayers || row > project_.nextLayerRow ||
                              project_.layers[row - 1].rockType.empty())) {
    infoDialog(lang, MessageText(140, lang));
    return;
  }
  if (!view_.histogramCreated) {
    infoDialog(lang, MessageText(141, lang));
    return;
  }
  const std::string method = ss(creationSelector_->currentText());
  if (messageDialog(MessageText(1, lang),
                    sendConfirmationText(method, ss(targetSelector_->currentText()), row, lang),
                    DlgKind::Confirmation, DlgButtons::YesNo, mrYes) == mrNo)
    return;
  if (messageDialog(MessageText(1, lang), MessageText(144, lang) + "\r\n", DlgKind::Error, DlgButtons::YesNo,
                    mrYes) == mrYes)
    saveCreatedHistogram();

  const std::string name =
      view_.currentHistogramFile.empty() ? createdSlotName(method) : fileNameOnly(view_.currentHistogramFile);
  project_.fillSlot(source, row, name, view_.createdHistogram);
  view_.currentSource = source;
  showSlotName(source, row);
  if (source == kSrcWidth) computeBStar();
  if (source == kSrcLayer) {
    // A project of created layers must be savable as well as one of loaded files.
    setActionEnabled(window(), "SaveTabHorn1", true);
    updateLayerFlags();
    layerTable_->setCurrentCell(row, 0);
  }
  invalidateResults(*invalidationForSource(source));
  creationSelector_->setCurrentIndex(0);
  view_.histogramCreated = false;
}

void InputArea::openRmrWindow() {
  // The RMR window checks the reduced strength, disables the main window and enables it when it closes.
  services_.windows.openRmrWindow();
}

int InputArea::creationMethod() const { return creationSelector_->currentIndex(); }

void InputArea::selectCreationMethod(int item) { creationSelector_->setCurrentIndex(item); }

// ------------------------------------------------------------------------------ display options

void InputArea::applyEditColour() {
  for (QLineEdit* e : {d1Edit_, d2Edit_, boltCountEdit_, rowSpacingEdit_})
    setBaseColour(*e, services_.options.colours.edit);
}

void InputArea::followLanguage() {
  const Language lang = services_.language();
  const Language other = lang == Language::Czech ? Language::English : Language::Czech;
  if (project_.resultsName == MessageText(156, other)) {
    project_.resultsName = MessageText(156, lang);
    resultsNameEdit_->setText(qs(project_.resultsName));
  }
}

void InputArea::selectFirstItems() {
  for (QComboBox* c : {creationSelector_, targetSelector_})
    if (c->currentIndex() < 0) c->setCurrentIndex(0);
}
