// The input area of the main window: the layer table, the one-row histogram tables, the typed
// inputs, the result chart buttons and the panel that sends a created histogram into a slot.
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
#include "ui/MainWindow.h"
#include "ui/NamedWidget.h"
#include "ui/Notices.h"
#include "ui/ProjectFiles.h"
#include "ui/QtText.h"
#include "ui/Services.h"

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

// Routes the events of the input controls to the main window (which keeps its own eventFilter).
class InputAreaFilter final : public QObject {
 public:
  explicit InputAreaFilter(MainWindow* form) : QObject(form), form_(form) {}
  bool eventFilter(QObject* watched, QEvent* event) override { return form_->inputFilter(watched, event); }

 private:
  MainWindow* form_;
};

// ------------------------------------------------------------------------------------------ setup

QTableWidget* MainWindow::makeSlotTable(Source source, const char* name, const char* openName,
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
    if (s.source == 0) {
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
    StringGridSelectCell(source, r, c);
    // One click on a chart cell opens the chart: the button the selection put there is pressed at once.
    if (SlotTable* st = slotTable(source); st && c == 2 && st->chart->isVisible()) st->chart->click();
  });
  connect(t, &QTableWidget::currentCellChanged, this,
          [this, source](int r, int c, int, int) { StringGridSelectCell(source, r, c); });
  struct Handlers {
    Source source;
    void (MainWindow::*open)();
    void (MainWindow::*chart)();
  };
  static constexpr Handlers kHandlers[] = {
      {kSrcWidth, &MainWindow::OtevHistDDClick, &MainWindow::GrafHistDDClick},
      {kSrcK, &MainWindow::OtevHistAlfaClick, &MainWindow::GrafHistAlfaClick},
      {kSrcKn, &MainWindow::OtevHistKnClick, &MainWindow::GrafHistKnClick},
      {kSrcQ, &MainWindow::OtevHistOPVClick, &MainWindow::GrafHistOPVClick},
      {kSrcRmr, &MainWindow::OtevHistGKKClick, &MainWindow::GrafHistGKKClick},
      {kSrcGamma, &MainWindow::OtevHistOHHClick, &MainWindow::GrafHistOHHClick},
      {kSrcSigmaR, &MainWindow::OtevHistPSClick, &MainWindow::GrafHistPSClick},
  };
  for (const Handlers& h : kHandlers)
    if (h.source == source) {
      connect(st->open, &QToolButton::clicked, this, h.open);
      connect(st->chart, &QToolButton::clicked, this, h.chart);
    }
  return t;
}

void MainWindow::setupInputArea() {
  auto* central = named<QWidget>(this, u"InputArea"_s);
  setCentralWidget(central);
  auto* root = new QVBoxLayout(central);
  root->setContentsMargins(8, 6, 8, 6);
  root->setSpacing(6);

  // Results name.
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(named<QLabel>(central, u"Label25"_s));
  EdNazevVys_ = makeEdit(central, u"EdNazevVys"_s, 0);
  nameRow->addWidget(EdNazevVys_, 1);
  root->addLayout(nameRow);

  auto* columns = new QHBoxLayout;
  columns->setSpacing(8);
  root->addLayout(columns, 1);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left, 4);
  columns->addLayout(right, 3);

  left->addWidget(buildAssignment1(central));
  left->addWidget(buildSendBox(central));
  left->addStretch(1);
  right->addWidget(buildAssignment2(central));
  right->addStretch(1);
  for (QPushButton* b : {GrafRePe_, GrafDeSv_, GrafZaSv_, GrafUnSv_, GrafFS_}) {
    b->setText({});
    b->setIcon(chartIcon());
    b->setFixedWidth(44);
  }
  for (QPushButton* b : {BBRedPev_, BBDelSvor_, BBZatSv_, BBFunSpoj_, SpocitatVse_}) b->setMinimumWidth(170);
  ProgressBar1_->hide();
  ProgressBar2_->hide();

  connectInputArea(new InputAreaFilter(this));

  // Start-up state: first items, no combined support, no results.
  project_.resultsName = MessageText(156, services_.language());
  CBDruhTab_->setCurrentIndex(0);
  CBTypOkna_->setCurrentIndex(0);
  view_.histogramCreated = false;
  connect(&model_, &ProjectModel::inputsChanged, this, &MainWindow::refreshInputArea);
  connect(&model_, &ProjectModel::resultsChanged, this, &MainWindow::updateResultButtons);
  connect(&model_, &ProjectModel::patternChanged, this, &MainWindow::showPattern);
  project_.invalidate(InvalidateFrom::All);
  model_.inputsReplaced();
}

// The overburden, the width of the working, Beta, B* and the reduced strength.
QGroupBox* MainWindow::buildAssignment1(QWidget* parent) {
  GroupBox2_ = named<QGroupBox>(parent, u"GroupBox2"_s);
  auto* g2 = new QVBoxLayout(GroupBox2_);
  g2->addWidget(named<QLabel>(GroupBox2_, u"Label1"_s));

  g2->addWidget(buildLayerTable(GroupBox2_));
  g2->addWidget(makeSlotTable(kSrcWidth, "StringGridDD", "OtevHistDD", "GrafHistDD"));

  auto* betaRow = new QHBoxLayout;
  betaRow->addWidget(named<QLabel>(GroupBox2_, u"Label21"_s));
  EdBeta_ = makeEdit(GroupBox2_, u"EdBeta"_s, 80, true);
  betaRow->addWidget(EdBeta_);
  ButBeta_ = named<QPushButton>(GroupBox2_, u"ButBeta"_s);
  ButBeta_->setFixedWidth(32);
  betaRow->addWidget(ButBeta_);
  betaRow->addSpacing(16);
  betaRow->addWidget(named<QLabel>(GroupBox2_, u"LabelB_H"_s));
  EdB_H_ = makeEdit(GroupBox2_, u"EdB_H"_s, 80, true);
  betaRow->addWidget(EdB_H_);
  betaRow->addSpacing(8);
  betaRow->addWidget(named<QLabel>(GroupBox2_, u"LabelB_2H"_s));
  EdB_2H_ = makeEdit(GroupBox2_, u"EdB_2H"_s, 80, true);
  betaRow->addWidget(EdB_2H_);
  betaRow->addStretch(1);
  g2->addLayout(betaRow);

  BBRedPev_ = named<QPushButton>(GroupBox2_, u"BBRedPev"_s);
  GrafRePe_ = named<QPushButton>(GroupBox2_, u"GrafRePe"_s);
  g2->addLayout(stepRow(BBRedPev_, GrafRePe_));
  return GroupBox2_;
}

// The layer table with its thickness editor, the rock type list and the floating open/chart buttons.
QTableWidget* MainWindow::buildLayerTable(QWidget* parent) {
  StrGrHorn_ = named<QTableWidget>(parent, u"StrGrHorn"_s);
  prepareTable(StrGrHorn_, 11, 5);
  StrGrHorn_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                              QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  {
    const QPalette pal = StrGrHorn_->palette();
    for (int c = 0; c < 5; ++c) StrGrHorn_->setItem(0, c, fixedItem({}, pal));
    for (int r = 1; r <= ProjectState::kLayers; ++r) {
      StrGrHorn_->setItem(r, 0, fixedItem(qs(layerRowLabel(r)), pal));
      StrGrHorn_->item(r, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      for (int c = 1; c < 5; ++c) StrGrHorn_->setItem(r, c, plainItem());
    }
  }
  StrGrHorn_->setColumnWidth(0, 64);
  StrGrHorn_->setColumnWidth(1, 160);
  StrGrHorn_->setColumnWidth(3, 124);
  StrGrHorn_->setColumnWidth(4, 52);
  StrGrHorn_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StrGrHorn_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  // Column widths and the table's width follow the headers of the language in force.
  auto fitHeaders = [this](QTableWidgetItem* it) {
    if (it->row() != 0) return;
    static constexpr int kMin[] = {64, 160, 230, 110, 52};
    const QFontMetrics fm = StrGrHorn_->fontMetrics();
    int total = 2 * StrGrHorn_->frameWidth();
    for (int c = 0; c < 5; ++c) {
      const int w = std::max(kMin[c], fm.horizontalAdvance(StrGrHorn_->item(0, c)->text()) + 16);
      if (c != 2) StrGrHorn_->setColumnWidth(c, w);
      total += w;
    }
    StrGrHorn_->setMinimumWidth(total);
  };
  connect(StrGrHorn_, &QTableWidget::itemChanged, StrGrHorn_, fitHeaders);
  fitHeaders(StrGrHorn_->item(0, 1));
  fitTableHeight(StrGrHorn_);
  StrGrHorn_->setItemDelegateForColumn(
      3, new ThicknessDelegate(
             StrGrHorn_, services_.dialogs, [this](int row) { thicknessEdited(row); },
             [this] { EdH_->setFocus(); }));

  CBTypProm_ = new QComboBox(StrGrHorn_->viewport());
  CBTypProm_->setObjectName(u"CBTypProm"_s);
  CBTypProm_->hide();
  OtevHist_ = makeFloating(StrGrHorn_->viewport(), u"OtevHist"_s, u"…"_s);
  GrafHist_ = makeFloating(StrGrHorn_->viewport(), u"GrafHist"_s, {});
  GrafHist_->setIcon(chartIcon());
  StrGrHorn_->setItemDelegateForColumn(4, new ChartCellDelegate(StrGrHorn_));

  return StrGrHorn_;
}

// Selection and sending of a created histogram.
QGroupBox* MainWindow::buildSendBox(QWidget* parent) {
  GroupBox1_ = named<QGroupBox>(parent, u"GroupBox1"_s);
  auto* g1 = new QGridLayout(GroupBox1_);
  g1->addWidget(named<QLabel>(GroupBox1_, u"Label3"_s), 0, 0);
  CBTypOkna_ = named<QComboBox>(GroupBox1_, u"CBTypOkna"_s);
  g1->addWidget(CBTypOkna_, 0, 1);
  g1->addWidget(named<QLabel>(GroupBox1_, u"Label15"_s), 1, 0);
  CBDruhTab_ = named<QComboBox>(GroupBox1_, u"CBDruhTab"_s);
  g1->addWidget(CBDruhTab_, 1, 1);
  BitBtn1_ = named<QPushButton>(GroupBox1_, u"BitBtn1"_s);
  BitBtn1_->setMinimumWidth(90);
  g1->addWidget(BitBtn1_, 0, 2, 2, 1);
  g1->setColumnStretch(1, 1);

  return GroupBox1_;
}

// The bolting: K, Kn, H, combined support, q, RMR, gamma, SigmaH, the bolt fields and the commands.
QGroupBox* MainWindow::buildAssignment2(QWidget* parent) {
  GroupBox3_ = named<QGroupBox>(parent, u"GroupBox3"_s);
  auto* g3 = new QVBoxLayout(GroupBox3_);
  g3->addWidget(makeSlotTable(kSrcK, "StringGridAlfa", "OtevHistAlfa", "GrafHistAlfa"));
  g3->addWidget(makeSlotTable(kSrcKn, "StringGridKn", "OtevHistKn", "GrafHistKn"));
  auto* hRow = new QHBoxLayout;
  hRow->addWidget(named<QLabel>(GroupBox3_, u"Label13"_s));
  EdH_ = makeEdit(GroupBox3_, u"EdH"_s, 100);
  hRow->addWidget(EdH_);
  hRow->addStretch(1);
  g3->addLayout(hRow);

  ChBKombVyzt_ = named<QCheckBox>(GroupBox3_, u"ChBKombVyzt"_s);
  g3->addWidget(ChBKombVyzt_);
  g3->addWidget(makeSlotTable(kSrcQ, "StringGridOPV", "OtevHistOPV", "GrafHistOPV"));

  BBDelSvor_ = named<QPushButton>(GroupBox3_, u"BBDelSvor"_s);
  GrafDeSv_ = named<QPushButton>(GroupBox3_, u"GrafDeSv"_s);
  ProgressBar2_ = named<QProgressBar>(GroupBox3_, u"ProgressBar2"_s);
  g3->addLayout(stepRow(BBDelSvor_, GrafDeSv_, ProgressBar2_));

  auto* rmrTable = makeSlotTable(kSrcRmr, "StringGridGKK", "OtevHistGKK", "GrafHistGKK");
  auto* rmrRow = new QHBoxLayout;
  rmrRow->addWidget(rmrTable, 1);
  BitBtn2_ = named<QPushButton>(GroupBox3_, u"BitBtn2"_s);
  rmrRow->addWidget(BitBtn2_, 0, Qt::AlignBottom);
  g3->addLayout(rmrRow);
  g3->addWidget(makeSlotTable(kSrcGamma, "StringGridOHH", "OtevHistOHH", "GrafHistOHH"));

  BBZatSv_ = named<QPushButton>(GroupBox3_, u"BBZatSv"_s);
  GrafZaSv_ = named<QPushButton>(GroupBox3_, u"GrafZaSv"_s);
  ProgressBar1_ = named<QProgressBar>(GroupBox3_, u"ProgressBar1"_s);
  g3->addLayout(stepRow(BBZatSv_, GrafZaSv_, ProgressBar1_));

  g3->addWidget(makeSlotTable(kSrcSigmaR, "StringGridPS", "OtevHistPS", "GrafHistPS"));
  g3->addLayout(buildBoltFields(GroupBox3_));

  auto* fsRow = new QHBoxLayout;
  auto* l27 = named<QLabel>(GroupBox3_, u"Label27"_s);
  GrafUnSv_ = named<QPushButton>(GroupBox3_, u"GrafUnSv"_s);
  l27->setBuddy(GrafUnSv_);
  BBFunSpoj_ = named<QPushButton>(GroupBox3_, u"BBFunSpoj"_s);
  GrafFS_ = named<QPushButton>(GroupBox3_, u"GrafFS"_s);
  fsRow->addWidget(l27);
  fsRow->addWidget(GrafUnSv_);
  fsRow->addSpacing(24);
  fsRow->addWidget(BBFunSpoj_);
  fsRow->addWidget(GrafFS_);
  fsRow->addStretch(1);
  g3->addLayout(fsRow);

  SpocitatVse_ = named<QPushButton>(GroupBox3_, u"SpocitatVse"_s);
  auto* allRow = new QHBoxLayout;
  allRow->addStretch(1);
  allRow->addWidget(SpocitatVse_);
  g3->addLayout(allRow);

  return GroupBox3_;
}

// Outer and inner diameter, number and spacing of the bolts.
QGridLayout* MainWindow::buildBoltFields(QWidget* parent) {
  auto* bolts = new QGridLayout;
  bolts->setHorizontalSpacing(8);
  EdPS_ = makeEdit(parent, u"EdPS"_s, 80);
  EdPSV_ = makeEdit(parent, u"EdPSV"_s, 80);
  EdPK_ = makeEdit(parent, u"EdPK"_s, 80);
  EdPSds_ = makeEdit(parent, u"EdPSds"_s, 80);
  bolts->setVerticalSpacing(4);
  bolts->addWidget(named<QLabel>(parent, u"Label11"_s), 0, 0);
  bolts->addWidget(EdPS_, 0, 1);
  bolts->addWidget(named<QLabel>(parent, u"Label4"_s), 1, 0);
  bolts->addWidget(EdPSV_, 1, 1);
  bolts->addWidget(named<QLabel>(parent, u"Label12"_s), 2, 0);
  bolts->addWidget(EdPK_, 2, 1);
  bolts->addWidget(named<QLabel>(parent, u"Label28"_s), 3, 0);
  bolts->addWidget(EdPSds_, 3, 1);
  bolts->setColumnStretch(2, 1);
  return bolts;
}

// Signals of the input area and its key and focus filter.
void MainWindow::connectInputArea(QObject* filter) {
  connect(StrGrHorn_, &QTableWidget::cellClicked, this, [this](int r, int c) {
    StrGrHornSelectCell(r, c);
    if (c == 4 && GrafHist_->isVisible()) GrafHist_->click();  // one click on a chart cell opens the chart
  });
  connect(StrGrHorn_, &QTableWidget::currentCellChanged, this,
          [this](int r, int c, int, int) { StrGrHornSelectCell(r, c); });
  connect(StrGrHorn_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
    if (refreshing_ || it->column() != 3 || it->row() < 1) return;
    project_.layers[it->row() - 1].thickness = ss(it->text());
  });
  connect(OtevHist_, &QToolButton::clicked, this, &MainWindow::OtevHistClick);
  connect(GrafHist_, &QToolButton::clicked, this, &MainWindow::GrafHistClick);
  connect(CBTypProm_, &QComboBox::activated, this, [this] {
    CBDruhTab_->setCurrentIndex(1);
    StrGrHorn_->setFocus();  // the list hides and hands its item to the cell
  });

  connect(EdNazevVys_, &QLineEdit::textEdited, this,
          [this](const QString& t) { project_.resultsName = ss(t); });
  connect(EdH_, &QLineEdit::textEdited, this, [this](const QString& t) {
    project_.depthH = ss(t);
    InvalidateResults(InvalidateFrom::BoltLength);
  });
  const std::pair<QLineEdit*, std::string ProjectState::*> boltEdits[] = {
      {EdPS_, &ProjectState::d1},
      {EdPSV_, &ProjectState::d2},
      {EdPK_, &ProjectState::boltCount},
      {EdPSds_, &ProjectState::rowSpacing}};
  for (auto [edit, field] : boltEdits)
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& t) {
      project_.*field = ss(t);
      view_.boltInputsEdited = true;
      InvalidateResults(InvalidateFrom::BearingCapacity);
    });

  connect(ChBKombVyzt_, &QCheckBox::clicked, this, &MainWindow::ChBKombVyztClick);
  connect(CBTypOkna_, &QComboBox::activated, this, &MainWindow::CBTypOknaChange);
  connect(BitBtn1_, &QPushButton::clicked, this, &MainWindow::BitBtn1Click);
  connect(BitBtn2_, &QPushButton::clicked, this, &MainWindow::BitBtn2Click);
  connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);

  for (QObject* o :
       std::initializer_list<QObject*>{EdNazevVys_, EdH_, EdPS_, EdPSV_, EdPK_, EdPSds_, StrGrHorn_,
                                       CBTypProm_, OtevHist_, GrafHist_, StrGrHorn_->viewport()})
    o->installEventFilter(filter);
  for (auto& st : slotTables_) {
    st.open->installEventFilter(filter);
    st.chart->installEventFilter(filter);
    st.grid->viewport()->installEventFilter(filter);
  }
}

// ------------------------------------------------------------------------------ state <-> controls

MainWindow::SlotTable* MainWindow::slotTable(Source source) {
  for (auto& s : slotTables_)
    if (s.source == source) return &s;
  return nullptr;
}

void MainWindow::setLayerCell(int row, int col, const std::string& text) {
  const bool was = refreshing_;
  refreshing_ = true;
  StrGrHorn_->item(row, col)->setText(qs(text));
  refreshing_ = was;
}

void MainWindow::showSlotName(Source source, int layerRow) {
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

void MainWindow::updateLayerFlags() {
  const bool was = refreshing_;
  refreshing_ = true;
  for (int r = 1; r <= ProjectState::kLayers; ++r) {
    const bool editable = r >= 2 && r <= project_.nextLayerRow - 1;
    StrGrHorn_->item(r, 3)->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                              : Qt::ItemIsEnabled);
    // Rows that accept input keep the table's own text colour (so they follow the window's enabled
    // state: a row opened while a creation window disables this one must not stay grey); the rest are
    // greyed a little.
    const bool open = r <= project_.nextLayerRow;
    StrGrHorn_->item(r, 4)->setData(kChartCellRole, open && !project_.layers[r - 1].empty());
    const QColor grey = palette().color(QPalette::Active, QPalette::PlaceholderText);
    for (int c = 1; c < 5; ++c) {
      QTableWidgetItem* it = StrGrHorn_->item(r, c);
      if (open)
        it->setData(Qt::ForegroundRole, QVariant());
      else
        it->setForeground(grey);
    }
  }
  refreshing_ = was;
}

void MainWindow::refreshInputArea() {
  const bool was = refreshing_;
  refreshing_ = true;
  for (int r = 1; r <= ProjectState::kLayers; ++r) {
    const LayerSlot& l = project_.layers[r - 1];
    StrGrHorn_->item(r, 1)->setText(qs(l.rockType));
    const QString shown = qs(shownHistogramName(services_.folders.HistogramsFolder, l.name));
    StrGrHorn_->item(r, 2)->setText(shown);
    StrGrHorn_->item(r, 2)->setToolTip(shown);
    StrGrHorn_->item(r, 3)->setText(qs(l.thickness));
  }
  for (auto& st : slotTables_) showSlotName(st.source, 0);
  EdNazevVys_->setText(qs(project_.resultsName));
  EdH_->setText(qs(project_.depthH));
  EdBeta_->setText(qs(project_.beta));
  EdB_H_->setText(qs(project_.bStarText));
  EdB_2H_->setText(qs(project_.twoBStarText));
  EdPS_->setText(qs(project_.d1));
  EdPSV_->setText(qs(project_.d2));
  EdPK_->setText(qs(project_.boltCount));
  EdPSds_->setText(qs(project_.rowSpacing));
  ChBKombVyzt_->setChecked(project_.combinedSupport);
  slotTable(kSrcQ)->grid->setEnabled(project_.combinedSupport);
  updateLayerFlags();
  updateResultButtons();
  fillRockTypeList();
  refreshing_ = was;
}

void MainWindow::setRockTypes(std::vector<std::string> rockTypes) {
  project_.rockTypes = std::move(rockTypes);
  fillRockTypeList();
}

void MainWindow::fillRockTypeList() {
  if (comboOpen_) return;
  CBTypProm_->clear();
  for (const auto& t : project_.rockTypes) CBTypProm_->addItem(qs(t));
  CBTypProm_->setCurrentIndex(-1);
}

void MainWindow::updateResultButtons() {
  GrafRePe_->setEnabled(project_.reducedStrengthDone);
  GrafDeSv_->setEnabled(project_.boltLengthDone);
  GrafZaSv_->setEnabled(project_.boltLoadDone);
  GrafUnSv_->setEnabled(project_.bearingCapacityDone);
  GrafFS_->setEnabled(project_.assessmentDone);
}

void MainWindow::InvalidateResults(InvalidateFrom from) {
  model_.invalidate(from);
  if (from == InvalidateFrom::All) EdBeta_->clear();
}

void MainWindow::setSaveEnabled(const char* action, bool enabled) {
  if (auto* a = findChild<QAction*>(QString::fromLatin1(action))) a->setEnabled(enabled);
}

void MainWindow::ClearProject() {
  hideFloatingControls();
  project_.clear();
  view_.selectedLayerRow = 0;
  view_.selectedColumn = 0;
  model_.inputsReplaced();
  setSaveEnabled("SaveTabHorn1", false);
  setSaveEnabled("SaveVysl1", false);
}

void MainWindow::NovyClick() {
  if (!files_->askToSaveWork()) return;
  ClearProject();
  CBDruhTab_->setCurrentIndex(0);
  CBTypOkna_->setCurrentIndex(0);
  project_.combinedSupport = false;
  project_.resultsName = MessageText(156, services_.language());
  project_.bStar = project_.twoBStar = 0;
  project_.bStarText.clear();
  project_.twoBStarText.clear();
  model_.inputsReplaced();
  model_.rmrTables().clearRatings();  // a new project also clears the RMR tables
  model_.rmrTablesReplaced();
  model_.setFiles({}, {});  // a new project has no files yet
  files_->markWorkSaved(true, true);
}

// --------------------------------------------------------------------------------- floating controls

void MainWindow::placeOverCell(QWidget* w, QTableWidget* t, int row, int col, bool rightEnd) {
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

void MainWindow::hideFloatingControls() {
  comboOpen_ = false;
  for (QWidget* w : std::initializer_list<QWidget*>{CBTypProm_, OtevHist_, GrafHist_}) w->hide();
  for (auto& st : slotTables_) {
    st.open->hide();
    st.chart->hide();
  }
}

void MainWindow::StrGrHornSelectCell(int row, int col) {
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
      hideFloatingControls();
      fillRockTypeList();
      comboRow_ = row;
      comboOpen_ = true;
      placeOverCell(CBTypProm_, StrGrHorn_, row, col, false);
      break;
    case 2:
      placeOverCell(OtevHist_, StrGrHorn_, row, col, true);
      break;
    case 4:
      if (!project_.layers[row - 1].empty()) placeOverCell(GrafHist_, StrGrHorn_, row, col, false);
      break;
    default:
      break;
  }
}

void MainWindow::CBTypPromExit() {
  if (!comboOpen_) return;
  comboOpen_ = false;
  CBTypProm_->hide();
  const int row = comboRow_;
  if (CBTypProm_->currentIndex() >= 0 && row >= 1 && row <= ProjectState::kLayers) {
    project_.layers[row - 1].rockType = ss(CBTypProm_->currentText());
    setLayerCell(row, 1, project_.layers[row - 1].rockType);
  }
  if (project_.rockTypes.empty())
    messageDialog(MessageText(1, services_.language()), MessageText(9, services_.language()),
                  DlgKind::Information, DlgButtons::Ok, mrOk);
}

void MainWindow::StringGridSelectCell(Source source, int row, int col) {
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

bool MainWindow::readSlotFile(Source source, int layerRow, const std::string& path) {
  HistogramSlot* slot = project_.slotForSource(source, layerRow);
  if (!slot) return false;
  const auto h = ReadHistogramCommand(services_, path);
  if (!h) return false;
  slot->histogram = *h;
  return true;
}

bool MainWindow::computeBStar() {
  const auto b = bStarFromWidth(project_.width.histogram);
  if (!b) {
    errorDialog(services_.language(), bStarProblemText(services_.language()));
    return false;
  }
  project_.bStar = *b;
  project_.twoBStar = 2 * *b;
  project_.bStarText = formatNumber(project_.bStar);
  project_.twoBStarText = formatNumber(project_.twoBStar);
  EdB_H_->setText(qs(project_.bStarText));
  EdB_2H_->setText(qs(project_.twoBStarText));
  if (const auto r = widthRefusal(project_.width.histogram))
    showProblems({inputProblem(*r)}, nullptr);
  else if (const auto w = widthWarning(project_.width.histogram))
    showProblems({inputProblem(*w)}, nullptr);
  return true;
}

void MainWindow::openSlotFile(Source source) {
  const Language lang = services_.language();
  int row = 0;
  if (source == kSrcLayer) {
    OtevHist_->hide();
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
  InvalidateResults(*invalidationForSource(source));
  view_.currentHistogramFile = *path;
  if (readSlotFile(source, row, *path)) {
    slot->name = fileNameOnly(*path);
    if (source == kSrcLayer) {
      setSaveEnabled("SaveTabHorn1", true);
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
    StrGrHorn_->setCurrentCell(row, 0);
  else
    slotTable(source)->grid->setCurrentCell(1, 0);
}

void MainWindow::OtevHistClick() { openSlotFile(kSrcLayer); }
void MainWindow::OtevHistDDClick() { openSlotFile(kSrcWidth); }
void MainWindow::OtevHistAlfaClick() { openSlotFile(kSrcK); }
void MainWindow::OtevHistKnClick() { openSlotFile(kSrcKn); }
void MainWindow::OtevHistOPVClick() { openSlotFile(kSrcQ); }
void MainWindow::OtevHistGKKClick() { openSlotFile(kSrcRmr); }
void MainWindow::OtevHistOHHClick() { openSlotFile(kSrcGamma); }
void MainWindow::OtevHistPSClick() { openSlotFile(kSrcSigmaR); }

void MainWindow::showSlotChart(Source source, int layerRow) {
  if (source == kSrcLayer) {
    GrafHist_->hide();
  } else if (SlotTable* st = slotTable(source)) {
    st->chart->hide();
    st->grid->setCurrentCell(1, 0);
  }
  const HistogramSlot* slot = project_.slotForSource(source, layerRow);
  if (!slot || slot->empty()) return;
  showInChart(source, slot->histogram, slot->name, layerRow);
}

void MainWindow::GrafHistClick() { showSlotChart(kSrcLayer, view_.selectedLayerRow); }
void MainWindow::GrafHistDDClick() { showSlotChart(kSrcWidth, 0); }
void MainWindow::GrafHistAlfaClick() { showSlotChart(kSrcK, 0); }
void MainWindow::GrafHistKnClick() { showSlotChart(kSrcKn, 0); }
void MainWindow::GrafHistOPVClick() { showSlotChart(kSrcQ, 0); }
void MainWindow::GrafHistGKKClick() { showSlotChart(kSrcRmr, 0); }
void MainWindow::GrafHistOHHClick() { showSlotChart(kSrcGamma, 0); }
void MainWindow::GrafHistPSClick() { showSlotChart(kSrcSigmaR, 0); }

// ------------------------------------------------------------------------------------ typed inputs

void MainWindow::showProblems(const std::vector<Refusal>& problems, QWidget* focusBack) {
  const Language lang = services_.language();
  bool refused = false;
  for (const auto& p : problems) {
    showRefusal(lang, p);
    refused = refused || p.kind != DlgKind::Warning;
  }
  // A warning leaves the value accepted; a refusal puts the focus back for the correction.
  if (refused && focusBack) QTimer::singleShot(0, focusBack, [focusBack] { focusBack->setFocus(); });
}

void MainWindow::EdHExit() {
  // EdH is checked whenever it is left; a value already warned about is not warned about again.
  const std::string text = ss(EdH_->text());
  std::vector<Refusal> problems = checkDepthH(text);
  const bool onlyWarning = problems.size() == 1 && problems[0].kind == DlgKind::Warning;
  if (onlyWarning && text == depthWarned_) problems.clear();
  if (onlyWarning) depthWarned_ = text;
  showProblems(problems, EdH_);
}

void MainWindow::EdPSExit() {
  if (!view_.boltInputsEdited) return;
  auto problems = checkD1(ss(EdPS_->text()));
  view_.boltInputsEdited = false;
  showProblems(problems, EdPS_);
}

void MainWindow::EdPSVExit() {
  if (!view_.boltInputsEdited) return;
  std::string text = ss(EdPSV_->text());
  auto problems = checkD2(text, ss(EdPS_->text()));
  if (qs(text) != EdPSV_->text()) EdPSV_->setText(qs(text));
  project_.d2 = text;
  view_.boltInputsEdited = false;
  showProblems(problems, EdPSV_);
}

void MainWindow::EdPKExit() {
  if (!view_.boltInputsEdited) return;
  auto problems = checkBoltCount(ss(EdPK_->text()));
  view_.boltInputsEdited = false;
  showProblems(problems, EdPK_);
}

void MainWindow::EdPSdsExit() {
  if (!view_.boltInputsEdited) return;
  std::string text = ss(EdPSds_->text());
  auto problems = checkRowSpacing(text);
  if (qs(text) != EdPSds_->text()) EdPSds_->setText(qs(text));
  project_.rowSpacing = text;
  view_.boltInputsEdited = false;
  showProblems(problems, EdPSds_);
}

void MainWindow::showPattern() {
  EdPK_->setText(qs(project_.boltCount));
  EdPS_->setText(qs(project_.d1));
  EdPSds_->setText(qs(project_.rowSpacing));
  view_.boltInputsEdited = false;
}

void MainWindow::thicknessEdited(int row) {
  if (refreshing_ || row < 2) return;
  InvalidateResults(InvalidateFrom::All);
  project_.layers[0].thickness.clear();
  setLayerCell(1, 3, {});
}

void MainWindow::StrGrHornExit() {
  if (checkingLayers_) return;
  const auto problem = checkThicknesses(project_);
  if (!problem) return;
  checkingLayers_ = true;
  showProblems({*problem}, nullptr);
  hideFloatingControls();
  StrGrHorn_->setFocus();
  StrGrHorn_->setCurrentCell(problem->layerRow, 3);
  checkingLayers_ = false;
}

void MainWindow::onFocusChanged(QWidget* old, QWidget* now) {
  if (!StrGrHorn_) return;
  auto inTable = [this](QWidget* w) { return w && (w == StrGrHorn_ || StrGrHorn_->isAncestorOf(w)); };
  if (inTable(old) && !inTable(now) && now && now->window() == this)
    QMetaObject::invokeMethod(this, &MainWindow::StrGrHornExit, Qt::QueuedConnection);
}

bool MainWindow::inputFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();

  // The floating controls hide when they lose the focus (not to their own popup or another window).
  if (type == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
    if (watched == CBTypProm_) {
      CBTypPromExit();
      return false;
    }
    if (auto* w = qobject_cast<QToolButton*>(watched)) {
      w->hide();
      return false;
    }
  }

  // Edits with a check: leaving or clicking runs it once the event is done.
  using Check = void (MainWindow::*)();
  const std::pair<QLineEdit*, Check> checks[] = {{EdH_, &MainWindow::EdHExit},
                                                 {EdPS_, &MainWindow::EdPSExit},
                                                 {EdPSV_, &MainWindow::EdPSVExit},
                                                 {EdPK_, &MainWindow::EdPKExit},
                                                 {EdPSds_, &MainWindow::EdPSdsExit}};
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

  if (watched == StrGrHorn_) {
    if (isEnter(ke)) {
      EdH_->setFocus();
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
  if (watched == EdNazevVys_)
    return isEnter(ke) || filterTypedKey(services_.dialogs, ke, KeyClass::Name, edit);
  if (watched == EdH_) {
    if (isEnter(ke)) {
      slotTable(kSrcK)->grid->setFocus();
      return true;
    }
    return filterTypedKey(services_.dialogs, ke, KeyClass::Real, edit);
  }
  const std::pair<QLineEdit*, QLineEdit*> boltChain[] = {
      {EdPS_, EdPSV_}, {EdPSV_, EdPK_}, {EdPK_, EdPSds_}, {EdPSds_, nullptr}};
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

void MainWindow::ChBKombVyztClick() {
  project_.combinedSupport = ChBKombVyzt_->isChecked();
  slotTable(kSrcQ)->grid->setEnabled(project_.combinedSupport);
  if (!project_.combinedSupport) {
    slotTable(kSrcQ)->open->hide();
    slotTable(kSrcQ)->chart->hide();
    project_.q.name.clear();
    showSlotName(kSrcQ, 0);
    if (project_.boltLengthDone) InvalidateResults(InvalidateFrom::BoltLength);
  }
}

// ------------------------------------------------------------------------- created histograms

void MainWindow::CBTypOknaChange() {
  view_.histogramCreated = false;
  view_.currentHistogramFile.clear();
  services_.windows.openCreationWindow(CBTypOkna_->currentIndex());
}

bool MainWindow::saveCreatedHistogram() {
  const auto name = saveHistogramToFile(view_.createdHistogram);
  if (!name) return false;
  view_.currentHistogramFile = *name;
  return true;
}

void MainWindow::StoreCreatedHistogram(const Histogram& h) {
  view_.createdHistogram = h;
  view_.histogramCreated = true;
  view_.currentSource = kSrcCreated;
  BitBtn1Click();
}

void MainWindow::BitBtn1Click() {
  const Language lang = services_.language();
  const int target = CBDruhTab_->currentIndex();
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
  const std::string method = ss(CBTypOkna_->currentText());
  if (messageDialog(MessageText(1, lang),
                    sendConfirmationText(method, ss(CBDruhTab_->currentText()), row, lang),
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
    setSaveEnabled("SaveTabHorn1", true);
    updateLayerFlags();
    StrGrHorn_->setCurrentCell(row, 0);
  }
  InvalidateResults(*invalidationForSource(source));
  CBTypOkna_->setCurrentIndex(0);
  view_.histogramCreated = false;
}

void MainWindow::BitBtn2Click() {
  // The RMR window checks the reduced strength, disables this window and enables it when it closes.
  services_.windows.openRmrWindow();
}

int MainWindow::creationWindowItem() const { return CBTypOkna_->currentIndex(); }

void MainWindow::selectCreationWindowItem(int item) { CBTypOkna_->setCurrentIndex(item); }

// ------------------------------------------------------------------------------ chart window calls

void MainWindow::showInChart(Source source, const Histogram& h, const std::string& name, int layerRow) {
  services_.windows.showHistogram(source, h, name, layerRow);
}

std::optional<std::string> MainWindow::saveHistogramToFile(const Histogram& h) {
  return SaveHistogramCommand(services_, h);
}
