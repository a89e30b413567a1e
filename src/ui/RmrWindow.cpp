#include "ui/RmrWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <charconv>

#include "rmr/RmrRating.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/NamedWidget.h"
#include "ui/ProjectModel.h"
#include "ui/QtText.h"
#include "ui/Services.h"
#include "ui/WidgetHelpers.h"
#include "ui/WindowPlace.h"
#include "ui/Windows.h"

using namespace Qt::StringLiterals;
using namespace rmr_cells;

namespace {

constexpr int kRowHeight = 20;

// The grid of a table: row 0 and column 0 are plain fixed cells; `editableCol` is the column the
// user may type into (-1 for none).
QTableWidget* makeGrid(QWidget* parent, const char* name, int cols, int rows, int editableCol) {
  auto* t = new QTableWidget(rows, cols, parent);
  t->setObjectName(QString::fromUtf8(name));
  t->horizontalHeader()->hide();
  t->verticalHeader()->hide();
  t->verticalHeader()->setDefaultSectionSize(kRowHeight);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                     QAbstractItemView::AnyKeyPressed);
  t->setFixedHeight(rows * kRowHeight + 2 * t->frameWidth());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      auto* it = new QTableWidgetItem;
      if (r == 0 || c == 0) {
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(t->palette().color(QPalette::Button));
      } else if (c != editableCol) {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      t->setItem(r, c, it);
    }
  return t;
}

// The number a description starts with ("3/  Špatný" gives 3); 0 when none.
int leadingItemNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int n = 0;
  const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), n);
  return ec == std::errc() ? n : 0;
}

}  // namespace

RmrWindow::RmrWindow(Services& services, QWidget* parent) : SimpleWindow(services, 9, parent) {
  buildControls();
  filling_ = true;
  applyOwnTexts();
  filling_ = false;
  showTables();
  if (ProjectModel* project = services_.windows.projectModel())
    connect(project, &ProjectModel::rmrTablesChanged, this, &RmrWindow::showTables);
}

RmrTables& RmrWindow::model() {
  if (ProjectModel* project = services_.windows.projectModel()) return project->rmrTables();
  static RmrTables alone;  // a window built without a main window (never in the program)
  return alone;
}

namespace {

QGroupBox* holding(QGroupBox* g, QWidget* w) {
  auto* l = new QVBoxLayout(g);
  l->setContentsMargins(4, 2, 4, 4);
  l->addWidget(w);
  return g;
}

}  // namespace

void RmrWindow::buildControls() {
  static_assert(std::tuple_size_v<TableGroups> == RmrTables::kTables);
  const TableGroups groups = buildRatingTables();
  QGroupBox* classGroup = buildClassTable();
  buildLists();
  buildResultAndButtons();
  layOut(groups, classGroup);
}

// The six rating tables and the strength table, in the order of RmrTables::tables, each in its group.
RmrWindow::TableGroups RmrWindow::buildRatingTables() {
  constexpr const char* kGroups[] = {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4",
                                     "GroupBox5", "GroupBox6", "GroupBox7"};
  RmrTables designed;
  TableGroups groups{};
  for (int t = 0; t < RmrTables::kTables; ++t) {
    const GridTable& g = designed.tables[t];
    const int editable = t == RmrTables::kStrength ? -1 : g.cols - 1;
    tables_[t] = makeGrid(this, RmrTables::kNames[t].data(), g.cols, g.rows, editable);
    groups[t] = holding(named<QGroupBox>(this, QString::fromUtf8(kGroups[t])), tables_[t]);
  }
  for (int t = 0; t < RmrTables::kTables; ++t) {
    QTableWidget* grid = tables_[t];
    QHeaderView* h = grid->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Fixed);
    grid->setTextElideMode(Qt::ElideNone);
    h->resizeSection(0, t == kD2 ? 90 : 40);
    for (int c = 1; c < grid->columnCount(); ++c) h->resizeSection(c, t == RmrTables::kStrength ? 95 : 80);
    h->setSectionResizeMode(1, QHeaderView::Stretch);
    if (t == kF) h->setSectionResizeMode(2, QHeaderView::Stretch);
    connect(grid, &QTableWidget::cellClicked, this, [this, t](int r, int c) { cellClicked(t, r, c); });
    connect(grid, &QTableWidget::itemChanged, this, [this, t](QTableWidgetItem* it) {
      if (!filling_) cellEdited(t, it->row(), it->column());
    });
  }
  QHeaderView* strength = tables_[RmrTables::kStrength]->horizontalHeader();
  strength->setSectionResizeMode(0, QHeaderView::Stretch);
  strength->setSectionResizeMode(1, QHeaderView::Fixed);
  strength->resizeSection(3, 50);

  strengthChartButton_ = new QToolButton(tables_[RmrTables::kStrength]->viewport());
  strengthChartButton_->setObjectName(u"GrafPevnost"_s);
  strengthChartButton_->hide();
  strengthChartButton_->installEventFilter(this);
  connect(strengthChartButton_, &QToolButton::clicked, this, [this] { strengthChartClicked(chartRow_); });
  return groups;
}

// The table of the five rock classes, shown only.
QGroupBox* RmrWindow::buildClassTable() {
  classTable_ = makeGrid(this, "StrGrRMR", 6, 6, -1);
  classTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  classTable_->setSelectionMode(QAbstractItemView::NoSelection);
  classTable_->setFocusPolicy(Qt::NoFocus);
  classTable_->setTextElideMode(Qt::ElideNone);
  classTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  classTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  return holding(named<QGroupBox>(this, u"GroupBox8"_s), classTable_);
}

// The lists over the description cells and the two lists of F.
void RmrWindow::buildLists() {
  const auto lists = ratingLists();
  for (int i = 0; i < static_cast<int>(lists.size()); ++i)
    lists_.push_back({nullptr, lists[i].table, lists[i].row, kDescription, i});
  lists_.push_back({nullptr, kF, 1, kFKind, -1});
  lists_.push_back({nullptr, kF, 1, kFOrientation, -1});
  for (size_t i = 0; i < lists_.size(); ++i) {
    List& l = lists_[i];
    const QString name = i < lists.size()
                             ? QString::fromUtf8(lists[i].control.data(), lists[i].control.size())
                         : l.col == kFKind ? u"CBTypPromF1"_s
                                           : u"CBTypPromF2"_s;
    l.box = new QComboBox(tables_[l.table]->viewport());
    l.box->setObjectName(name);
    l.box->hide();
    l.box->installEventFilter(this);
    connect(l.box, &QComboBox::activated, this, [this, i](int item) { listChosen(lists_[i], item); });
  }
}

void RmrWindow::buildResultAndButtons() {
  auto label = [this](const char* name) { return named<QLabel>(this, QString::fromUtf8(name)); };
  classCaption_ = label("Label1");
  sumCaption_ = label("Label2");
  sumLabel_ = label("Label3");
  rmrCaption_ = label("Label5");
  classLabel_ = label("LTrida");
  rmrLabel_ = label("LRMR");
  QFont bold = classLabel_->font();
  bold.setBold(true);
  for (QLabel* l : {sumLabel_, classLabel_, rmrLabel_}) l->setFont(bold);

  auto button = [this](const char* name) {
    auto* b = named<QPushButton>(this, QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
  };
  createButton_ = button("BitBtn2");
  chartButton_ = button("GrafHistRMR");
  clearButton_ = button("ClearTabH");
  saveWindowButton_ = button("UlozOkno");
  exitButton_ = button("ExitProgram");
  chartButton_->setEnabled(false);
  connect(createButton_, &QPushButton::clicked, this, &RmrWindow::BitBtn2Click);
  connect(chartButton_, &QPushButton::clicked, this, &RmrWindow::GrafHistRMRClick);
  connect(clearButton_, &QPushButton::clicked, this, &RmrWindow::ClearTabH);
  connect(saveWindowButton_, &QPushButton::clicked, this, &RmrWindow::UlozOknoClick);
  connect(exitButton_, &QPushButton::clicked, this, &RmrWindow::ExitProgramClick);
}

// B, C, D1, E and F on the left; D2, the strength table, the result and the buttons on the right; the
// class table across the bottom.
void RmrWindow::layOut(const TableGroups& groups, QGroupBox* classGroup) {
  auto* left = new QVBoxLayout;
  for (int t : {kB, kC, kD1, kE, kF}) left->addWidget(groups[t]);
  left->addStretch();
  auto* result = new QGridLayout;
  result->addWidget(sumCaption_, 0, 0, Qt::AlignRight);
  result->addWidget(sumLabel_, 0, 1);
  result->addWidget(classCaption_, 1, 0, Qt::AlignRight);
  result->addWidget(classLabel_, 1, 1);
  result->addWidget(rmrCaption_, 2, 0, Qt::AlignRight);
  result->addWidget(rmrLabel_, 2, 1);
  result->setColumnStretch(1, 1);
  auto* buttons = new QGridLayout;
  buttons->addWidget(createButton_, 0, 0);
  buttons->addWidget(chartButton_, 0, 1);
  buttons->addWidget(clearButton_, 0, 2);
  buttons->addWidget(saveWindowButton_, 1, 1);
  buttons->addWidget(exitButton_, 1, 2);
  auto* right = new QVBoxLayout;
  right->addWidget(groups[kD2]);
  right->addWidget(groups[RmrTables::kStrength]);
  right->addLayout(result);
  right->addStretch();
  right->addLayout(buttons);
  auto* upper = new QHBoxLayout;
  upper->addLayout(left, 1);
  upper->addLayout(right, 1);
  auto* top = new QVBoxLayout(this);
  top->addLayout(upper);
  top->addWidget(classGroup);
}

// ------------------------------------------------------------------------------------------ open

bool RmrWindow::Open() {
  const ProjectState* project = services_.windows.project();
  if (!project) return false;
  const ProjectState& p = *project;
  const Language lang = services_.language();
  if (!p.reducedStrengthDone) {
    errorDialog(lang, MessageText(151, lang));
    return false;
  }
  const auto a = ::strengthRatingHistogram(p.reducedStrength);
  if (!a) {
    errorDialog(lang, strengthRatingRefusal().text(lang));
    return false;
  }
  services_.windows.setMainEnabled(false);
  filling_ = true;
  applyOwnTexts();
  filling_ = false;
  a_ = *a;
  const Histogram& r = p.reducedStrength;
  setCell(RmrTables::kStrength, 1, 1, formatNumber(r.min));
  setCell(RmrTables::kStrength, 1, 2, formatNumber(r.max));
  setCell(RmrTables::kStrength, 2, 1, formatNumber(a_.min));
  setCell(RmrTables::kStrength, 2, 2, formatNumber(a_.max));
  applyTableColour();
  show();
  raise();
  activateWindow();
  return true;
}

void RmrWindow::applyTableColour() {
  setBaseColour(*classTable_, services_.options.colours.table);
  if (rockClass_ > 0) highlightClass();
}

// ----------------------------------------------------------------------------------- tables

void RmrWindow::showTables() {
  RmrTables& m = model();
  filling_ = true;
  for (int t = 0; t < RmrTables::kTables; ++t) {
    QTableWidget* grid = tables_[t];
    GridTable& g = m.tables[t];
    // A stored table smaller than the window's grows; a larger one keeps its extra cells.
    if (g.cols < grid->columnCount() || g.rows < grid->rowCount())
      g.resize(std::max(g.cols, grid->columnCount()), std::max(g.rows, grid->rowCount()));
    for (int r = 0; r < grid->rowCount(); ++r)
      for (int c = 0; c < grid->columnCount(); ++c) {
        if (r == 0 || c == 0)
          g.cell(r, c) = ss(grid->item(r, c)->text());  // the window's own headers in the current language
        else
          grid->item(r, c)->setText(qs(g.cell(r, c)));
      }
  }
  filling_ = false;
  sumLabel_->setText(qs(m.sum));
  classLabel_->setText(qs(m.rockClass));
  rmrLabel_->setText(qs(m.rmr));
  rockClass_ = 0;
  chartButton_->setEnabled(false);
  highlightClass();
  for (List& l : lists_) l.box->hide();  // a replaced table takes no pending choice
  strengthChartButton_->hide();
}

void RmrWindow::setCell(int table, int row, int col, const std::string& text) {
  filling_ = true;
  if (QTableWidgetItem* it = tables_[table]->item(row, col)) it->setText(qs(text));
  filling_ = false;
  GridTable& g = model().tables[table];
  if (row < g.rows && col < g.cols) g.cell(row, col) = text;
}

void RmrWindow::cellEdited(int table, int row, int col) {
  GridTable& g = model().tables[table];
  if (row < g.rows && col < g.cols) g.cell(row, col) = ss(tables_[table]->item(row, col)->text());
  // A rating typed over takes the result back as a choice does; header texts do not.
  if (table != RmrTables::kStrength && row > 0 && col == tables_[table]->columnCount() - 1) clearResult();
}

void RmrWindow::cellClicked(int table, int row, int col) {
  if (row <= 0 || col <= 0) return;
  closeLists();  // a list left open hands its choice to its cell first
  if (table == RmrTables::kStrength) {
    if (col != 3) return;
    chartRow_ = row;
    strengthChartButton_->setGeometry(
        tables_[table]->visualItemRect(tables_[table]->item(row, col)).adjusted(1, 1, -1, -1));
    strengthChartButton_->show();
    strengthChartButton_->raise();
    strengthChartButton_->setFocus();
    return;
  }
  for (List& l : lists_) {
    if (l.table != table || l.row != row || l.col != col) continue;
    l.box->setCurrentIndex(-1);
    l.box->setGeometry(tables_[table]->visualItemRect(tables_[table]->item(row, col)));
    l.box->show();
    l.box->raise();
    l.box->setFocus();
    // The click that opens the list shows its items at once (after the click has ended in the grid).
    QTimer::singleShot(0, l.box, [box = l.box] {
      if (box->isVisible()) box->showPopup();
    });
    return;
  }
}

void RmrWindow::listChosen(List& list, int item) {
  if (item < 0) return;
  if (list.listIndex >= 0) {
    const RatingList& r = ratingLists()[list.listIndex];
    if (item < static_cast<int>(r.ratings.size()))
      setCell(list.table, list.row, tables_[list.table]->columnCount() - 1, std::to_string(r.ratings[item]));
  } else if (list.col == kFOrientation) {
    writeOrientationRating();
  } else {
    // A new kind of work re-rates an orientation already chosen, so the rating never belongs to
    // another kind of work than the one shown.
    if (leadingItemNumber(model().tables[kF].cell(1, kFOrientation)) > 0) writeOrientationRating();
  }
  clearResult();
}

void RmrWindow::writeOrientationRating() {
  const List& kindList = lists_[lists_.size() - 2];
  const List& orientationList = lists_.back();
  const GridTable& f = model().tables[kF];
  const int kind = kindList.box->currentIndex() >= 0 ? kindList.box->currentIndex() + 1
                                                     : leadingItemNumber(f.cell(1, kFKind));
  const int orientation = orientationList.box->currentIndex() >= 0
                              ? orientationList.box->currentIndex() + 1
                              : leadingItemNumber(f.cell(1, kFOrientation));
  const auto rating = orientationRating(kind, orientation);
  // Without a kind of work the cell is emptied: a rating of another kind must not stay.
  setCell(kF, 1, kFRating, rating ? std::to_string(*rating) : std::string());
}

void RmrWindow::closeLists() {
  for (List& l : lists_) listExit(l);
  strengthChartButton_->hide();
}

void RmrWindow::listExit(List& list) {
  if (!list.box->isVisible()) return;
  list.box->hide();
  if (list.box->currentIndex() >= 0) setCell(list.table, list.row, list.col, ss(list.box->currentText()));
  tables_[list.table]->setCurrentCell(list.row, 0);
}

bool RmrWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // The focus moving into a list's own drop-down (its popup) is no leaving.
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
        !QApplication::activePopupWidget()) {
      if (watched == strengthChartButton_) {
        strengthChartButton_->hide();
      } else {
        for (List& l : lists_)
          if (watched == l.box) {
            listExit(l);
            break;
          }
      }
    }
  }
  return SimpleWindow::eventFilter(watched, event);
}

// ----------------------------------------------------------------------------------- result

void RmrWindow::setLabels(const std::string& sum, const std::string& rockClass, const std::string& rmr) {
  RmrTables& m = model();
  m.sum = sum;
  m.rockClass = rockClass;
  m.rmr = rmr;
  sumLabel_->setText(qs(sum));
  classLabel_->setText(qs(rockClass));
  rmrLabel_->setText(qs(rmr));
}

void RmrWindow::highlightClass() {
  const QColor table = colourFromBgr(services_.options.colours.table);
  for (int r = 0; r < classTable_->rowCount(); ++r)
    for (int c = 1; c < classTable_->columnCount(); ++c) {
      QTableWidgetItem* it = classTable_->item(r, c);
      const bool on = c == rockClass_;
      it->setBackground(on ? palette().color(QPalette::Highlight)
                           : (r == 0 ? palette().color(QPalette::Button) : table));
      it->setForeground(on ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::Text));
    }
}

void RmrWindow::clearResult() {
  setLabels({}, {}, {});
  rockClass_ = 0;
  highlightClass();
  chartButton_->setEnabled(false);
}

void RmrWindow::BitBtn2Click() {
  const Language lang = services_.language();
  closeLists();
  clearResult();
  const RmrOutcome o = createRmr(model(), a_);
  ProjectState* p = services_.windows.project();
  // The slot takes the histogram once one is made; it is named only with a class (below). A Create
  // refused for a rating leaves the slot as it was.
  if (o.histogramMade && p) {
    p->rmr.histogram = o.rmr;
    p->rmr.name.clear();
    if (ProjectModel* project = services_.windows.projectModel()) {
      project->invalidate(InvalidateFrom::BoltLoad);
      project->inputsReplaced();
    }
  }
  setLabels(o.sumText, {}, o.histogramMade ? o.rmrText : std::string());
  if (!o.report.ok) {
    if (!o.report.messages.empty()) errorDialog(lang, o.report.messages.front().text(lang));
    return;
  }
  rockClass_ = o.classIndex;
  setLabels(o.sumText, std::string(classNumeral(o.classIndex)), o.rmrText);
  highlightClass();
  classCaption_->setText(qs(MessageText(208, lang)));
  rmrCaption_->setText(u"RMR :"_s);
  chartButton_->setEnabled(true);
  if (p) {
    p->rmr.name = MessageText(207, lang);
    services_.windows.projectModel()->inputsReplaced();
  }
}

void RmrWindow::GrafHistRMRClick() {
  if (const ProjectState* p = services_.windows.project())
    services_.windows.showInChart(kSrcRmr, p->rmr.histogram);
}

void RmrWindow::strengthChartClicked(int row) {
  strengthChartButton_->hide();
  const ProjectState* p = services_.windows.project();
  if (row == 1 && p && p->reducedStrengthDone)
    services_.windows.showInChart(kSrcReducedStrength, p->reducedStrength);
  else if (row == 2 && binCount(a_) > 0)
    services_.windows.showInChart(kSrcNewHistogram, a_);  // titled as the strength rating of intact rock
}

void RmrWindow::ClearTabH() {
  model().clearRatings();
  showTables();
  clearResult();
}

void RmrWindow::UlozOknoClick() {
  if (QClipboard* cb = QApplication::clipboard()) cb->setPixmap(grab());
}

void RmrWindow::ExitProgramClick() { close(); }

void RmrWindow::closeEvent(QCloseEvent* event) {
  closeLists();  // the project's RMR slot changes only by Create
  SimpleWindow::closeEvent(event);
}
