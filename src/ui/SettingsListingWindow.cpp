#include "ui/SettingsListingWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "io/FileRead.h"
#include "persistence/TextLines.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

SettingsListingWindow::SettingsListingWindow(Services& services, QWidget* parent)
    : SimpleWindow(services, 7, parent) {
  ValueListEditor1_ = new QTableWidget(0, 2, this);
  ValueListEditor1_->setObjectName(u"ValueListEditor1"_s);
  ValueListEditor1_->verticalHeader()->setVisible(false);
  ValueListEditor1_->horizontalHeader()->setStretchLastSection(true);
  ValueListEditor1_->verticalHeader()->setDefaultSectionSize(ValueListEditor1_->fontMetrics().height() + 6);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ValueListEditor1_);
  applyOwnTexts();
}

bool SettingsListingWindow::loadFile(const std::string& path) {
  std::string bytes;
  if (readWholeFile(path, FileKind::Settings, bytes)) return false;
  const auto lines = decodeTextLines(bytes);
  ValueListEditor1_->clearContents();
  ValueListEditor1_->setRowCount(static_cast<int>(lines.size()));
  for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
    const std::string& line = lines[r];
    const size_t eq = line.find('=');
    const bool section = !line.empty() && line.front() == '[';
    const std::string key = section || eq == std::string::npos ? line : line.substr(0, eq);
    const std::string value = section || eq == std::string::npos ? std::string() : line.substr(eq + 1);
    ValueListEditor1_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(key)));
    ValueListEditor1_->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(value)));
  }
  ValueListEditor1_->resizeColumnToContents(0);
  return true;
}
