#pragma once

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QString>
#include <initializer_list>
#include <utility>

/// A new `W` owned by `parent` and carrying the object name `name`, by which tests, settings keys and
/// text sets find it.
template <typename W, typename P>
W* named(P* parent, const QString& name) {
  auto* w = new W(parent);
  w->setObjectName(name);
  return w;
}

/// The child of `window` named `name`, or nullptr: how the parts of a window that do not own a control
/// (the chain commands, the project files) find it.
template <typename T>
T* namedChild(const QObject* window, const char* name) {
  return window->findChild<T*>(QString::fromLatin1(name));
}

/// Enables or disables the action of `window` named `name`, when it has one.
inline void setActionEnabled(const QObject* window, const char* name, bool enabled) {
  if (auto* a = namedChild<QAction>(window, name)) a->setEnabled(enabled);
}

/// Rows of `grid` from `firstRow` on: a label named by the first of each pair (made in `parent`; its
/// text set gives its text) in column 0 and the field in column 1.
inline void addLabelledRows(QGridLayout* grid, QWidget* parent,
                            std::initializer_list<std::pair<QString, QWidget*>> rows, int firstRow = 0) {
  int row = firstRow;
  for (const auto& [label, field] : rows) {
    grid->addWidget(named<QLabel>(parent, label), row, 0);
    grid->addWidget(field, row++, 1);
  }
}
