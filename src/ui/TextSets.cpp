#include "ui/TextSets.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "shell/Messages.h"
#include "ui/QtText.h"
#include "ui/WindowTable.h"

namespace {

bool setText(QObject* target, const QString& text) {
  if (auto* a = qobject_cast<QAction*>(target)) {
    a->setText(text);
  } else if (auto* m = qobject_cast<QMenu*>(target)) {
    m->setTitle(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(target)) {
    g->setTitle(text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(target)) {
    b->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(target)) {
    l->setText(text);
  } else if (auto* e = qobject_cast<QLineEdit*>(target)) {
    e->setText(text);
  } else {
    return false;
  }
  return true;
}

bool setHint(QObject* target, const QString& shortHint, const QString& longHint) {
  if (auto* m = qobject_cast<QMenu*>(target)) target = m->menuAction();
  if (auto* a = qobject_cast<QAction*>(target)) {
    a->setToolTip(shortHint);
    a->setStatusTip(longHint);
  } else if (auto* w = qobject_cast<QWidget*>(target)) {
    w->setToolTip(shortHint);
    w->setStatusTip(longHint);
  } else {
    return false;
  }
  return true;
}

bool setCell(QObject* target, int row, int col, const QString& text) {
  auto* t = qobject_cast<QTableWidget*>(target);
  if (!t || row < 0 || col < 0 || row >= t->rowCount() || col >= t->columnCount()) return false;
  if (auto* item = t->item(row, col)) {
    item->setText(text);
  } else {
    t->setItem(row, col, new QTableWidgetItem(text));
  }
  return true;
}

bool setHeader(QObject* target, int col, const QString& text) {
  auto* t = qobject_cast<QTableWidget*>(target);
  if (!t || col < 0 || col >= t->columnCount()) return false;
  if (auto* item = t->horizontalHeaderItem(col)) {
    item->setText(text);
  } else {
    t->setHorizontalHeaderItem(col, new QTableWidgetItem(text));
  }
  return true;
}

bool setItems(QObject* target, const QString& text) {
  auto* c = qobject_cast<QComboBox*>(target);
  if (!c) return false;
  // Re-texting must not look like a user's choice to the window's handlers.
  const QSignalBlocker block(c);
  const int index = c->currentIndex();
  c->clear();
  c->addItems(text.split(u'\n'));
  if (index < c->count()) c->setCurrentIndex(index);
  return true;
}

}  // namespace

const TextSet* findTextSet(int window) {
  const WindowEntry* e = findWindowEntry(window);
  return e ? e->texts : nullptr;
}

std::vector<int> registeredTextSets() {
  std::vector<int> out;
  for (const WindowEntry& e : windowTable())
    if (e.texts) out.push_back(e.number);
  return out;
}

std::span<const TextRow> textRows(int window, Language language) {
  const TextSet* set = findTextSet(window);
  if (!set) return {};
  return language == Language::Czech ? set->czech : set->english;
}

std::string expandTextTokens(std::string_view text, Language language) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '{' && i + 2 < text.size() && text[i + 1] == 'm') {
      const size_t close = text.find('}', i + 2);
      if (close != std::string_view::npos && close > i + 2 &&
          std::all_of(text.begin() + long(i) + 2, text.begin() + long(close),
                      [](char c) { return c >= '0' && c <= '9'; })) {
        out += MessageText(std::stoi(std::string(text.substr(i + 2, close - i - 2))), language);
        i = close + 1;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

std::pair<std::string, std::string> splitHint(std::string_view hint) {
  const size_t bar = hint.find('|');
  if (bar == std::string_view::npos) return {std::string(hint), std::string(hint)};
  return {std::string(hint.substr(0, bar)), std::string(hint.substr(bar + 1))};
}

QObject* findTextTarget(QWidget& window, std::string_view control) {
  if (control.empty()) return &window;
  return window.findChild<QObject*>(qs(control));
}

bool applyTextRow(QWidget& window, const TextRow& row, Language language) {
  QObject* target = findTextTarget(window, row.control);
  if (!target) return false;
  const std::string text = expandTextTokens(row.text, language);
  switch (row.prop) {
    case TextProp::Caption:
      if (auto* w = qobject_cast<QWidget*>(target)) {
        w->setWindowTitle(QString::fromStdString(text));
        return true;
      }
      return false;
    case TextProp::Text:
      return setText(target, QString::fromStdString(text));
    case TextProp::Hint: {
      const auto [shortHint, longHint] = splitHint(text);
      return setHint(target, QString::fromStdString(shortHint), QString::fromStdString(longHint));
    }
    case TextProp::Cell:
      return setCell(target, row.row, row.col, QString::fromStdString(text));
    case TextProp::Items:
      return setItems(target, QString::fromStdString(text));
    case TextProp::Header:
      return setHeader(target, row.col, QString::fromStdString(text));
    case TextProp::Tooltip:
      if (auto* w = qobject_cast<QWidget*>(target)) {
        w->setToolTip(QString::fromStdString(text));
        return true;
      }
      return false;
  }
  return false;
}

void applyTextRows(QWidget& window, std::span<const TextRow> rows, Language language) {
  for (const TextRow& row : rows) applyTextRow(window, row, language);
}

void applyTexts(QWidget& window, int windowNumber, Language language) {
  const TextSet* set = findTextSet(windowNumber);
  if (!set) return;
  for (const TextRow& row : language == Language::Czech ? set->czech : set->english)
    applyTextRow(window, row, language);
  if (set->after) set->after(window, language);
}
