// Main window: project and results files, the rock type list, preset values and the settings listing.

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
#include "shell/Refusal.h"
#include "ui/ExportCommands.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/LostLetters.h"
#include "ui/MainWindow.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/WindowPlace.h"
#include "ui/WindowTable.h"

using namespace Qt::StringLiterals;

namespace {

void information(Language lang, const std::string& text) {
  messageDialog(MessageText(2, lang), text, DlgKind::Information, DlgButtons::Ok, mrOk);
}

void error(Language lang, const std::string& text) {
  messageDialog(MessageText(3, lang), text, DlgKind::Error, DlgButtons::Ok, mrOk);
}

bool confirm(Language lang, const std::string& text) {
  return messageDialog(MessageText(1, lang), text, DlgKind::Confirmation, DlgButtons::YesNo, mrYes) == mrYes;
}

// A question about saving a histogram: title of errors, error icon, Yes and No.
bool askToSave(Language lang, const std::string& text) {
  return messageDialog(MessageText(3, lang), text, DlgKind::Error, DlgButtons::YesNo, mrYes) == mrYes;
}

FileDialogOptions fileDialog(const std::string& folder, const std::string& name, const std::string& ext) {
  FileDialogOptions o;
  o.fileName = name;
  o.initialFolder = folder;
  o.defaultExtension = ext;
  o.filter = "Distributions Files (*." + ext + ")|*." + ext + "|All files (*.*)|*.*";
  o.filterIndex = 1;
  return o;
}

// Asks for a file of type `ext` in `folder` (unless `given` names one), reads it into `path` and
// parses it with `parse`. A missing file (message 34), a path that is no regular file or one above the
// limit of `kind`, and a refused file are reported and give nothing.
template <class Data>
std::optional<Data> openAndParse(Services& services, const std::string& folder, const std::string& ext,
                                 FileKind kind, std::optional<Data> (*parse)(std::string_view, Refusal&),
                                 const std::string& given, std::string& path) {
  const Language lang = services.language();
  const auto chosen =
      given.empty() ? services.dialogs.openFileName(fileDialog(folder, "", ext)) : std::optional(given);
  if (!chosen || chosen->empty()) return std::nullopt;
  std::string bytes;
  if (const auto refused = readWholeFile(*chosen, kind, bytes)) {
    error(lang, fileNotRead(*refused).text(lang));
    return std::nullopt;
  }
  Refusal refusal;
  auto data = parse(bytes, refusal);
  if (!data) {
    error(lang, refusal.text(lang));
    return std::nullopt;
  }
  path = *chosen;
  return data;
}

// The chosen name with the file type's extension unless it ends in it (a name may hold dots of its own).
std::string withExtension(const std::string& path, const std::string& ext) {
  return withFileExtension(path, ext);
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// False when the folder of `path` cannot take a new file: it does not exist or is no folder.
bool folderTakesFiles(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  std::error_code ec;
  return std::filesystem::is_directory(parent.empty() ? std::filesystem::path(".") : parent, ec) &&
         ::access((parent.empty() ? std::string(".") : parent.string()).c_str(), W_OK) == 0;
}

// Short date in the format in force: "d.m.yyyy" with the date separator.
std::string shortDate(char sep) {
  const QDate d = QDate::currentDate();
  return std::to_string(d.day()) + sep + std::to_string(d.month()) + sep + std::to_string(d.year());
}

}  // namespace

// ---------------------------------------------------------------- set-up and rock types

void MainWindow::setupFiles() {
  connect(actOtevrit, &QAction::triggered, this, &MainWindow::OtevritClick);
  connect(actSaveTabHorn, &QAction::triggered, this, &MainWindow::SaveTabHornClick);
  connect(actOpenVysl, &QAction::triggered, this, &MainWindow::OpenVyslClick);
  connect(actSaveVysl, &QAction::triggered, this, &MainWindow::SaveVyslClick);
  connect(actDefaultHodnoty, &QAction::triggered, this, &MainWindow::DefaultHodnotyClick);
  connect(actTabdruhhor, &QAction::triggered, this, &MainWindow::tabdruhhorClick);
  connect(actINIsoubor, &QAction::triggered, this, &MainWindow::INIsoubor1Click);
}

void MainWindow::readRockTypeSettings() {
  const RockTypeList list = ::readRockTypeSettings(services_.settings);
  rockTypeCount_ = list.count;
  // A stored count of 0 leaves the offer list as it is.
  if (list.count > 0) setRockTypes(list.offer);
}

void MainWindow::writeRockTypeSettings() {
  // The rock type window's lines; without that window, the offer list itself.
  const std::vector<std::string> lines = services_.windows.rockTypeLines(project_.rockTypes);
  ::writeRockTypeSettings(services_.settings, rockTypeCount_, lines);
}

void MainWindow::tabdruhhorClick() { services_.windows.openRockTypes(); }

// ---------------------------------------------------------------- settings listing

void MainWindow::INIsoubor1Click() {
  const Language lang = services_.language();
  // The listing shows the file the settings object really uses.
  const std::string& path = services_.settings.path();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || !services_.windows.openSettingsListing(path))
    information(lang, MessageText(148, lang));
}

// ---------------------------------------------------------------- preset values

void MainWindow::DefaultHodnotyClick() {
  const Language lang = services_.language();
  if (!confirm(lang, MessageText(152, lang) + "\r\n")) return;

  hide();
  const Windows& w = services_.windows;
  presetWindowPlace(*this, *findWindowEntry(1)->place);
  w.presetPlaces();

  // Marks, precision and intervals of the other windows.
  w.applyPresetValues();
  actVsechnyTesnosti->setChecked(false);

  // Colours.
  DisplayColours& c = services_.options.colours;
  c.histogram = settings::kPresetColorChart;
  c.value = settings::kPresetColorFce;
  c.quantile = settings::kPresetColorKvantil;
  c.assessment = settings::kPresetColorFS;
  c.table = settings::kPresetColorTab;
  c.edit = settings::kPresetColorEdit;
  applyEditColour();
  w.applyEditColour();
  w.applyChartColours();
  w.applyTableColour();

  // Separators and their formats, then the language.
  checkDateSeparator('.');
  checkTimeSeparator(':');
  AnglictinaClick();

  show();
  actAno->setChecked(true);
  actNe->setChecked(false);
  syncOptionsFromMenu();
  emit displayOptionsChanged();
}

// ---------------------------------------------------------------- project file

void MainWindow::SaveTabHornClick() {
  const Language lang = services_.language();
  ProjectState& p = project_;
  if (p.nextLayerRow <= 1) {
    error(lang, MessageText(24, lang));
    return;
  }
  const std::string name = cutAt(p.resultsName, kVersionMarker);
  const auto chosen =
      services_.dialogs.saveFileName(fileDialog(services_.folders.ProjectsFolder, name, "hor"));
  if (!chosen || chosen->empty()) return;
  const std::string path = withExtension(*chosen, "hor");
  if (fileExists(path) && !confirm(lang, MessageFormat(25, lang, {path}))) return;
  // The checks that refuse a project come before anything is asked or written.
  if (p.k.name.empty()) {
    error(lang, MessageText(31, lang));
    return;
  }
  if (p.combinedSupport && p.q.name.empty()) {
    error(lang, MessageText(32, lang));
    return;
  }
  if (!folderTakesFiles(path)) {
    error(lang, fileNotWritten(path).text(lang));
    return;
  }

  // Histograms made in memory are saved to files first, or leave the project.
  auto askSlot = [&](HistogramSlot& slot, const std::string& label) {
    if (slot.name.empty() || slot.name.find(".dis") != std::string::npos) return;
    std::optional<std::string> saved;
    if (askToSave(lang, MessageFormat(22, lang, {label, slot.name})))
      saved = SaveHistogramCommand(services_, slot.histogram);
    slot.name = saved ? *saved : std::string();
  };
  askSlot(p.width, runtimeText(RuntimeText::WidthSlotLabel, lang));
  ProjectFileData data;  // filled below after the questions, from the state they leave
  std::vector<bool> dropLayer(ProjectState::kLayers, false);
  for (int r = 1; r <= std::min(p.nextLayerRow, ProjectState::kLayers); ++r) {
    LayerSlot& l = p.layers[r - 1];
    if (l.name.empty() || l.name.find('.') != std::string::npos) continue;
    std::optional<std::string> saved;
    if (askToSave(lang, MessageFormat(28, lang, {layerRowLabel(r), l.name})))
      saved = SaveHistogramCommand(services_, l.histogram);
    if (saved)
      l.name = *saved;
    else
      dropLayer[r - 1] = true;  // written as an empty name and thickness
  }
  askSlot(p.k, MessageText(157, lang));
  askSlot(p.kn, MessageText(158, lang));
  askSlot(p.rmr, MessageText(159, lang));
  if (p.combinedSupport) askSlot(p.q, MessageText(160, lang));
  askSlot(p.gamma, MessageText(161, lang));
  askSlot(p.sigmaR, MessageText(162, lang));
  refreshInputArea();

  data = projectFileFromState(p, rmrTables_);
  for (int r = 0; r < ProjectState::kLayers && r < static_cast<int>(data.layers.size()); ++r)
    if (dropLayer[r]) data.layers[r].name.clear(), data.layers[r].thickness.clear();
  const std::string text =
      formatProjectText(data, services_.programVersion, shortDate(services_.options.dateSeparator));
  if (!confirmLostLetters(services_, unencodableLines(text))) return;
  if (WriteRefusal why; !writeFileAtomically(path, utf8ToCp1250(text), &why)) {
    error(lang, fileNotWritten(path, why).text(lang));
    return;
  }
  currentProjectFile_ = path;
  markWorkSaved(true, false);
}

void MainWindow::showFileValueMessages(const std::vector<Refusal>& messages, const std::string& path) {
  const Language lang = services_.language();
  const Refusal* firstRefusal = nullptr;
  for (const Refusal& m : messages) {
    messageDialog(MessageText(titleNumberOf(m.kind), lang), fileValueText(m, path, lang), m.kind,
                  DlgButtons::Ok, mrOk);
    if (!firstRefusal && m.kind != DlgKind::Warning) firstRefusal = &m;
  }
  if (firstRefusal) focusChainField(firstRefusal->focus, firstRefusal->layerRow);
}

void MainWindow::showOpenReport(const ProjectOpenReport& report, const std::string& path) {
  const Language lang = services_.language();
  for (const ProjectOpenEvent& e : report.events) {
    switch (e.kind) {
      case ProjectOpenEvent::Kind::HistogramRefused:
        error(lang, e.histogramError.text(lang));
        break;
      case ProjectOpenEvent::Kind::BStarRefused:
        error(lang, bStarProblemText(lang));
        break;
      case ProjectOpenEvent::Kind::HistogramRead:
      case ProjectOpenEvent::Kind::BStarComputed:
        break;
      case ProjectOpenEvent::Kind::BetaComputed:
        StrGrHorn_->setCurrentCell(-1, -1);
        // A thickness refusal the typed inputs below repeat is shown there, with the file's name.
        if (std::none_of(report.inputs.begin(), report.inputs.end(), [&](const Refusal& m) {
              return e.beta.firstNumber() == 149 && m.message == 149 &&
                     m.layerRow == e.beta.messages[0].layerRow;
            }))
          showChainReport(e.beta);
        break;
    }
  }
  showFileValueMessages(report.inputs, path);
}

void MainWindow::OtevritClick() {
  if (!askToSaveWork()) return;
  std::string path;
  const auto data = openAndParse(services_, services_.folders.ProjectsFolder, "hor", FileKind::Project,
                                 &parseProjectFile, givenFile_, path);
  if (!data) return;
  hideFloatingControls();
  const ProjectOpenReport report =
      openProject(*data, services_.folders.HistogramsFolder, project_, rmrTables_);
  view_.currentSource = report.lastSource;
  if (!report.lastHistogramFile.empty()) view_.currentHistogramFile = report.lastHistogramFile;
  view_.selectedLayerRow = 0;
  refreshInputArea();
  showOpenReport(report, path);
  if (data->hasRmr) setSaveEnabled("SaveTabHorn1", true);
  currentProjectFile_ = path;
  currentResultsFile_.clear();
  services_.windows.rmrTablesReplaced();
  markWorkSaved(true, true);
}

// ---------------------------------------------------------------- results file

void MainWindow::ZpravaPDFClick() {
  // The results name without the version an opened project appends to it.
  std::string name = cutAt(project_.resultsName, kVersionMarker);
  if (name.empty() && !currentProjectFile_.empty())
    name = std::filesystem::path(currentProjectFile_).stem().string();
  if (name.empty()) name = "Veltra";
  ReportHeader header;
  header.projectName = name;
  header.version = services_.programVersion;
  header.projectFile = currentProjectFile_;
  header.resultsFile = currentResultsFile_;
  header.rmr = &rmrTables_;
  header.check = services_.windows.currentCheck();
  header.design = services_.windows.currentDesign();
  header.histogramsFolder = services_.folders.HistogramsFolder;
  AssessmentReportCommand(project_, std::move(header), services_.folders.ResultsFolder, services_.language());
}

void MainWindow::SaveVyslClick() {
  const Language lang = services_.language();
  const std::string name = cutAt(project_.resultsName, kResultsVersionMarker);
  const auto chosen =
      services_.dialogs.saveFileName(fileDialog(services_.folders.ResultsFolder, name, "Vys"));
  if (!chosen || chosen->empty()) return;
  const std::string path = withExtension(*chosen, "Vys");
  if (fileExists(path) && !confirm(lang, MessageFormat(6, lang, {path}))) return;
  view_.selectedLayerRow = 0;
  const std::array<bool, 5> buttons = {GrafRePe_->isEnabled(), GrafDeSv_->isEnabled(), GrafZaSv_->isEnabled(),
                                       GrafUnSv_->isEnabled(), GrafFS_->isEnabled()};
  // D = 1 - RMR/100 is the work histogram of the bolt load, kept in the file for completeness.
  const Histogram workD = project_.rmr.name.empty() ? Histogram{} : rockMassFactor(project_.rmr.histogram);
  const ResultsFileData data =
      resultsFileFromState(project_, rmrTables_, buttons, workD, services_.programVersion, path);
  if (WriteRefusal why; !writeFileAtomically(path, formatResultsFile(data), &why)) {
    error(lang, fileNotWritten(path, why).text(lang));
    return;
  }
  currentResultsFile_ = path;
  markWorkSaved(true, true);
}

void MainWindow::OpenVyslClick() {
  if (!askToSaveWork()) return;
  std::string path;
  const auto data = openAndParse(services_, services_.folders.ResultsFolder, "Vys", FileKind::Results,
                                 &parseResultsFile, givenFile_, path);
  if (!data) return;
  hideFloatingControls();
  Histogram workD;
  std::vector<Refusal> values = openResultsInto(*data, project_, rmrTables_, workD);
  for (Refusal& m : typedInputMessages(project_)) values.push_back(std::move(m));
  settleStoredReading(project_, chainReadingOption());
  view_.selectedLayerRow = 0;
  refreshInputArea();
  showFileValueMessages(values, path);
  QPushButton* buttons[] = {GrafRePe_, GrafDeSv_, GrafZaSv_, GrafUnSv_, GrafFS_};
  for (int i = 0; i < 5; ++i) buttons[i]->setEnabled(data->buttons[i]);
  setSaveEnabled("SaveVysl1", true);
  setSaveEnabled("SaveTabHorn1", true);
  services_.windows.rmrTablesReplaced();
  currentProjectFile_.clear();  // the results stand for themselves
  currentResultsFile_ = path;
  BBFunSpojClick();
  markWorkSaved(true, true);
}

void MainWindow::openProjectFile(const std::string& path) {
  givenFile_ = path;
  OtevritClick();
  givenFile_.clear();
}

void MainWindow::openResultsFile(const std::string& path) {
  givenFile_ = path;
  OpenVyslClick();
  givenFile_.clear();
}

// ---------------------------------------------------------------- unsaved work

std::string MainWindow::inputsSnapshot() const {
  return formatProjectText(projectFileFromState(project_, rmrTables_), {}, {});
}

std::string MainWindow::resultsSnapshot() const {
  const ProjectState& p = project_;
  if (!(p.reducedStrengthDone || p.boltLengthDone || p.boltLoadDone || p.bearingCapacityDone ||
        p.assessmentDone))
    return {};
  return formatResultsFile(resultsFileFromState(p, rmrTables_, {}, Histogram{}, {}, {}));
}

void MainWindow::markWorkSaved(bool inputs, bool results) {
  if (inputs) savedInputs_ = inputsSnapshot();
  if (results) savedResults_ = resultsSnapshot();
}

bool MainWindow::workUnsaved() const {
  if (inputsSnapshot() != savedInputs_) return true;
  const std::string results = resultsSnapshot();
  return !results.empty() && results != savedResults_;
}

bool MainWindow::askToSaveWork() {
  if (!workUnsaved()) return true;
  const Language lang = services_.language();
  const int answer = messageDialog(MessageText(1, lang), runtimeText(RuntimeText::UnsavedWork, lang),
                                   DlgKind::Confirmation, DlgButtons::YesNoCancel, mrYes);
  if (answer == mrNo) return true;
  if (answer != mrYes) return false;
  const std::string results = resultsSnapshot();
  if (!results.empty() && results != savedResults_ && actSaveVysl && actSaveVysl->isEnabled())
    SaveVyslClick();
  else
    SaveTabHornClick();
  return !workUnsaved();
}
