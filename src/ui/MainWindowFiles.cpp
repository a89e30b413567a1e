// Main window: the rock type list, preset values and the settings listing.

#include <sys/stat.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>
#include <filesystem>

#include "histogram/HistogramFile.h"
#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "persistence/RockTypes.h"
#include "persistence/SettingsKeys.h"
#include "reliability/BoltLoad.h"
#include "reliability/InputChecks.h"
#include "reliability/StoredReading.h"
#include "shell/Dialogs.h"
#include "shell/Encoding.h"
#include "shell/Messages.h"
#include "ui/ChainController.h"
#include "ui/ExportCommands.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/InputArea.h"
#include "ui/LostLetters.h"
#include "ui/MainWindow.h"
#include "ui/ProjectFiles.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/WindowPlace.h"
#include "ui/WindowTable.h"

using namespace Qt::StringLiterals;

namespace {

void information(Language lang, const std::string& text) { infoDialog(lang, text); }

bool confirm(Language lang, const std::string& text) { return confirmDialog(lang, text); }

}  // namespace

// ---------------------------------------------------------------- set-up and rock types

void MainWindow::setupFiles() {
  files_ = new ProjectFiles(
      services_, model_, *chain_, inputArea_->view(), [this] { inputArea_->closeFloatingControls(); }, this);
  connect(presetValuesAction, &QAction::triggered, this, &MainWindow::presetValues);
  connect(rockTypesAction, &QAction::triggered, this, [this] { services_.windows.openRockTypes(); });
  connect(settingsListingAction, &QAction::triggered, this, &MainWindow::showSettingsListing);
}

void MainWindow::readRockTypeSettings() {
  const RockTypeList list = ::readRockTypeSettings(services_.settings);
  model_.rockTypeCount() = list.count;
  // A stored count of 0 leaves the offer list as it is.
  if (list.count > 0) model_.setRockTypes(list.offer);
}

void MainWindow::writeRockTypeSettings() {
  // The rock type window's lines; without that window, the offer list itself.
  const std::vector<std::string> lines = services_.windows.rockTypeLines(project_.rockTypes);
  ::writeRockTypeSettings(services_.settings, model_.rockTypeCount(), lines);
}

// ---------------------------------------------------------------- settings listing

void MainWindow::showSettingsListing() {
  const Language lang = services_.language();
  // The listing shows the file the settings object really uses.
  const std::string& path = services_.settings.path();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || !services_.windows.openSettingsListing(path))
    information(lang, MessageText(148, lang));
}

// ---------------------------------------------------------------- preset values

void MainWindow::presetValues() {
  const Language lang = services_.language();
  if (!confirm(lang, MessageText(152, lang) + "\r\n")) return;

  hide();
  const Windows& w = services_.windows;
  presetWindowPlace(*this, *findWindowEntry(1)->place);
  w.presetPlaces();

  // Marks, precision and intervals of the other windows.
  w.applyPresetValues();
  allClosenessItem->setChecked(false);

  // Colours.
  DisplayColours& c = services_.options.colours;
  c.histogram = settings::kPresetColorChart;
  c.value = settings::kPresetColorFce;
  c.quantile = settings::kPresetColorKvantil;
  c.assessment = settings::kPresetColorFS;
  c.table = settings::kPresetColorTab;
  c.edit = settings::kPresetColorEdit;
  inputArea_->applyEditColour();
  w.applyEditColour();
  w.applyChartColours();
  w.applyTableColour();

  // Separators and their formats, then the language.
  checkDateSeparator('.');
  checkTimeSeparator(':');
  pairItemClicked(englishItem, czechItem, OptionEffect::Language);

  show();
  highlightRowsItem->setChecked(true);
  plainRowsItem->setChecked(false);
  syncOptionsFromMenu();
  emit displayOptionsChanged();
}
