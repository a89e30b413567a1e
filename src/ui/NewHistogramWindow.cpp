#include "ui/NewHistogramWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "creation/FrequencyEntry.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/Services.h"
#include "ui/WindowPlace.h"
#include "ui/Windows.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kHandOverItem = 2;  // "Histogram" of the main window's creation selector

}  // namespace

NewHistogramWindow::NewHistogramWindow(Services& services, QWidget* parent)
    : SimpleWindow(services, 13, parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  buildControls();
  applyOwnTexts();
  applyEditColour();
}

void NewHistogramWindow::buildControls() {
  auto label = [this](const char* name) { return named<QLabel>(this, QString::fromUtf8(name)); };
  auto edit = [this](const char* name, bool readOnly) {
    auto* e = named<QLineEdit>(this, QString::fromUtf8(name));
    e->setReadOnly(readOnly);
    return e;
  };
  Edit1_ = edit("Edit1", false);
  Edit2_ = edit("Edit2", false);
  Edit3_ = edit("Edit3", true);
  Edit5_ = edit("Edit5", true);
  Edit6_ = edit("Edit6", true);
  ComboBox1_ = named<QComboBox>(this, u"ComboBox1"_s);
  ComboBox1_->setEditable(true);
  ComboBox1_->setInsertPolicy(QComboBox::NoInsert);
  Memo1_ = named<QPlainTextEdit>(this, u"Memo1"_s);
  Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1_->viewport()->installEventFilter(this);
  Memo1_->installEventFilter(this);
  for (QLineEdit* e : {Edit1_, Edit2_}) e->installEventFilter(this);
  Label3_ = label("Label3");
  BNavrat_ = named<QPushButton>(this, u"BNavrat"_s);
  BitBtn1_ = named<QPushButton>(this, u"BitBtn1"_s);
  for (QPushButton* b : {BNavrat_, BitBtn1_}) b->setAutoDefault(false);

  connect(Memo1_, &QPlainTextEdit::textChanged, this, &NewHistogramWindow::Memo1Change);
  connect(Memo1_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (unfinishedLine_ > 0 && caretLine() != unfinishedLine_) recount(false);  // the line is finished
  });
  connect(ComboBox1_, &QComboBox::currentTextChanged, this, &NewHistogramWindow::typeChanged);
  connect(BNavrat_, &QPushButton::clicked, this, &NewHistogramWindow::BNavratClick);
  connect(BitBtn1_, &QPushButton::clicked, this, &NewHistogramWindow::BitBtn1Click);

  auto* form = new QGridLayout;
  form->addWidget(label("Label1"), 0, 0);
  form->addWidget(Edit1_, 0, 1);
  form->addWidget(Label3_, 1, 0);
  form->addWidget(Edit2_, 1, 1);
  form->addWidget(label("Label2"), 2, 0);
  form->addWidget(ComboBox1_, 2, 1);
  auto* counts = new QGridLayout;
  counts->addWidget(label("Label5"), 0, 0);
  counts->addWidget(Edit3_, 0, 1);
  counts->addWidget(label("Label6"), 1, 0);
  counts->addWidget(Edit5_, 1, 1);
  counts->addWidget(label("Label7"), 2, 0);
  counts->addWidget(Edit6_, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BNavrat_);
  buttons->addWidget(BitBtn1_);
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addWidget(label("Label4"));
  top->addWidget(Memo1_, 1);
  top->addLayout(counts);
  top->addLayout(buttons);
}

void NewHistogramWindow::Open() {
  services_.windows.setMainEnabled(false);
  services_.windows.setCurrentSource(kSrcNewHistogram);
  applyEditColour();
  Memo1_->clear();  // runs the recount: the count field shows 0
  Edit1_->clear();
  Edit2_->clear();
  Edit5_->setText(u"0"_s);
  Edit6_->clear();
  ComboBox1_->setCurrentIndex(0);
  ComboBox1_->setEditText(ComboBox1_->itemText(0));
  typeChanged();
  spacing_ = 1;
  show();
  raise();
  activateWindow();
  Memo1_->setFocus();
}

void NewHistogramWindow::applyEditColour() {
  for (QWidget* w :
       {static_cast<QWidget*>(Edit1_), static_cast<QWidget*>(Edit2_), static_cast<QWidget*>(ComboBox1_)})
    setBaseColour(*w, services_.options.colours.edit);
}

bool NewHistogramWindow::discrete() const {
  return ComboBox1_->count() > 0 && ComboBox1_->currentText() == ComboBox1_->itemText(0);
}

void NewHistogramWindow::typeChanged() {
  const bool on = discrete();
  Edit2_->setVisible(on);
  Label3_->setVisible(on);
}

// ---------------------------------------------------------------------------------- the list

void NewHistogramWindow::Memo1Change() {
  Edit6_->clear();
  recount(true);
}

int NewHistogramWindow::caretLine() const { return Memo1_->textCursor().blockNumber() + 1; }

void NewHistogramWindow::recount(bool typing) {
  const FrequencyCount c = countFrequencies(ss(Memo1_->toPlainText()));
  unfinishedLine_ = 0;
  if (!c.ok) {
    // A sign alone at the caret is a number being typed: it is checked when its line is finished.
    const QString bad = QString::fromStdString(c.badText).trimmed();
    if (typing && !c.overflow && c.badLine == caretLine() && (bad == u"-"_s || bad == u"+"_s)) {
      unfinishedLine_ = c.badLine;
      return;
    }
    const Language lang = services_.language();
    errorDialog(lang, c.refusal().text(lang));
    return;
  }
  Edit3_->setText(QString::number(c.n));
  Edit5_->setText(QString::number(c.sum));
}

bool NewHistogramWindow::numberKey(QLineEdit* edit, QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const int k = key->key();
  if (k == Qt::Key_Return || k == Qt::Key_Enter) return true;  // swallowed, the focus stays
  if (k == Qt::Key_Backspace || k == Qt::Key_Delete || k == Qt::Key_Left || k == Qt::Key_Right ||
      k == Qt::Key_Home || k == Qt::Key_End || k == Qt::Key_Tab || k == Qt::Key_Backtab)
    return false;
  const QString t = key->text();
  if (t.size() != 1) return false;
  const QChar ch = t.front();
  if (ch == u',') {
    edit->insert(u"."_s);
    return true;
  }
  if (ch == u'e') {
    edit->insert(u"E"_s);
    return true;
  }
  if (ch.isDigit() || ch == u'-' || ch == u'.' || ch == u'E') return false;
  services_.dialogs.beep();
  return true;
}

bool NewHistogramWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == Edit1_ || watched == Edit2_))
    return numberKey(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::MouseButtonRelease && watched == Memo1_->viewport())
    Edit6_->setText(QString::number(Memo1_->textCursor().blockNumber() + 1));
  return SimpleWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------- save

void NewHistogramWindow::BNavratClick() {
  const Language lang = services_.language();
  FrequencyEntryInput in;
  in.minText = ss(Edit1_->text());
  in.maxText = ss(Edit2_->text());
  in.discrete = discrete();
  in.list = ss(Memo1_->toPlainText());
  in.spacing = spacing_;
  Refusal refusal;
  const auto entry = checkFrequencyEntry(in, refusal);
  if (!entry) {
    errorDialog(lang, refusal.text(lang));
    return;
  }
  if (services_.windows.creationWindowItem() == kHandOverItem) {
    services_.windows.storeCreatedHistogram(handOverHistogram(*entry));  // asks its own questions
    close();
    return;
  }
  // File route: the frequencies themselves with Total 1, so the file holds them as typed.
  bool cancelled = false;
  const auto saved = SaveHistogramCommand(services_, fileRouteHistogram(*entry), &cancelled);
  if (cancelled) return;  // the window stays open with its entry
  if (saved) services_.windows.createdHistogramSaved(*saved);
  close();
}

void NewHistogramWindow::BitBtn1Click() { close(); }

void NewHistogramWindow::closeEvent(QCloseEvent* event) {
  services_.windows.creationWindowClosed();
  SimpleWindow::closeEvent(event);
}
