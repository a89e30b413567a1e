#include "ui/ProjectFiles.h"

#include <sys/stat.h>

#include <QAbstractButton>
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
#include "ui/ChainController.h"
#include "ui/ExportCommands.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/InputArea.h"
#include "ui/LostLetters.h"
#include "ui/NamedWidget.h"
#include "ui/ProjectModel.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/WindowPlace.h"
#include "ui/WindowTable.h"

using namespace Qt::StringLiterals;

namespace {

void error(Language lang, const std::string& text) { errorDialog(lang, text); }

bool confirm(Language lang, const std::string& text) { return confirmDialog(lang, text); }

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

ProjectFiles::ProjectFiles(Services& services, ProjectModel& model, ChainController& chain,
                           InputAreaView& view, std::function<void()> closeFloatingControls, QWidget* window)
    : QObject(window),
      services_(services),
      model_(model),
      project_(model.state()),
      chain_(chain),
      rmrTables_(model.rmrTables()),
      view_(view),
      closeFloatingControls_(std::move(closeFloatingControls)),
      window_(window) {
  const auto onTrigger = [&](const char* name, auto handler) {
    connect(namedChild<QAction>(window_, name), &QAction::triggered, this, handler);
  };
  onTrigger("Novy1", &ProjectFiles::newProject);
  onTrigger("Otevrit1", &ProjectFiles::openProject);
  onTrigger("SaveTabHorn1", &ProjectFiles::saveProject);
  onTrigger("OpenVysl1", &ProjectFiles::openResults);
  onTrigger("SaveVysl1", &ProjectFiles::saveResults);
  onTrigger("ZpravaPDF1", &ProjectFiles::writeReport);
}

QAbstractButton* ProjectFiles::resultButton(int i) const {
  static const char* const kNames[] = {"GrafRePe", "GrafDeSv", "GrafZaSv", "GrafUnSv", "GrafFS"};
  return namedChild<QAbstractButton>(window_, kNames[i]);
}

bool ProjectFiles::inputsSaved() const { return inputsSnapshot() == savedInputs_; }

bool ProjectFiles::resultsSaved() const { return resultsSnapshot() == savedResults_; }

// ---------------------------------------------------------------- project file

void ProjectFiles::saveProject() {
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
  model_.inputsReplaced();

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
  model_.setFiles(path, model_.resultsFile());
  markWorkSaved(true, false);
}

void ProjectFiles::showFileValueMessages(const std::vector<Refusal>& messages, const std::string& path) {
  const Language lang = services_.language();
  const Refusal* firstRefusal = nullptr;
  for (const Refusal& m : messages) {
    messageDialog(MessageText(titleNumberOf(m.kind), lang), fileValueText(m, path, lang), m.kind,
                  DlgButtons::Ok, mrOk);
    if (!firstRefusal && m.kind != DlgKind::Warning) firstRefusal = &m;
  }
  if (firstRefusal) chain_.focusField(firstRefusal->focus, firstRefusal->layerRow);
}

void ProjectFiles::showOpenReport(const ProjectOpenReport& report, const std::string& path) {
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
        if (auto* table = namedChild<QTableWidget>(window_, "StrGrHorn")) table->setCurrentCell(-1, -1);
        // A thickness refusal the typed inputs below repeat is shown there, with the file's name.
        if (std::none_of(report.inputs.begin(), report.inputs.end(), [&](const Refusal& m) {
              return e.beta.firstNumber() == 149 && m.message == 149 &&
                     m.layerRow == e.beta.messages[0].layerRow;
            }))
          chain_.showReport(e.beta);
        break;
    }
  }
  showFileValueMessages(report.inputs, path);
}

void ProjectFiles::newProject() {
  if (!askToSaveWork()) return;
  closeFloatingControls_();
  model_.startNewProject(MessageText(156, services_.language()));
  setActionEnabled(window_, "SaveTabHorn1", false);
  setActionEnabled(window_, "SaveVysl1", false);
  markWorkSaved(true, true);
}

void ProjectFiles::openProject() {
  if (!askToSaveWork()) return;
  std::string path;
  const auto data = openAndParse(services_, services_.folders.ProjectsFolder, "hor", FileKind::Project,
                                 &parseProjectFile, givenFile_, path);
  if (!data) return;
  closeFloatingControls_();
  const ProjectOpenReport report =
      ::openProject(*data, services_.folders.HistogramsFolder, project_, rmrTables_);
  view_.currentSource = report.lastSource;
  if (!report.lastHistogramFile.empty()) view_.currentHistogramFile = report.lastHistogramFile;
  view_.selectedLayerRow = 0;
  model_.inputsReplaced();
  showOpenReport(report, path);
  if (data->hasRmr) setActionEnabled(window_, "SaveTabHorn1", true);
  model_.setFiles(path, {});
  model_.rmrTablesReplaced();
  markWorkSaved(true, true);
}

// ---------------------------------------------------------------- results file

void ProjectFiles::writeReport() {
  // The results name without the version an opened project appends to it.
  std::string name = cutAt(project_.resultsName, kVersionMarker);
  if (name.empty() && !model_.projectFile().empty())
    name = std::filesystem::path(model_.projectFile()).stem().string();
  if (name.empty()) name = "Veltra";
  ReportHeader header;
  header.projectName = name;
  header.version = services_.programVersion;
  header.projectFile = model_.projectFile();
  header.resultsFile = model_.resultsFile();
  header.rmr = &rmrTables_;
  header.check = services_.windows.currentCheck();
  header.design = services_.windows.currentDesign();
  header.histogramsFolder = services_.folders.HistogramsFolder;
  AssessmentReportCommand(project_, std::move(header), services_.folders.ResultsFolder, services_.language());
}

void ProjectFiles::saveResults() {
  const Language lang = services_.language();
  const std::string name = cutAt(project_.resultsName, kResultsVersionMarker);
  const auto chosen =
      services_.dialogs.saveFileName(fileDialog(services_.folders.ResultsFolder, name, "Vys"));
  if (!chosen || chosen->empty()) return;
  const std::string path = withExtension(*chosen, "Vys");
  if (fileExists(path) && !confirm(lang, MessageFormat(6, lang, {path}))) return;
  view_.selectedLayerRow = 0;
  std::array<bool, 5> buttons{};
  for (int i = 0; i < 5; ++i) buttons[i] = resultButton(i)->isEnabled();
  // D = 1 - RMR/100 is the work histogram of the bolt load, kept in the file for completeness.
  const Histogram workD = project_.rmr.name.empty() ? Histogram{} : rockMassFactor(project_.rmr.histogram);
  const ResultsFileData data =
      resultsFileFromState(project_, rmrTables_, buttons, workD, services_.programVersion, path);
  if (WriteRefusal why; !writeFileAtomically(path, formatResultsFile(data), &why)) {
    error(lang, fileNotWritten(path, why).text(lang));
    return;
  }
  model_.setFiles(model_.projectFile(), path);
  markWorkSaved(true, true);
}

void ProjectFiles::openResults() {
  if (!askToSaveWork()) return;
  std::string path;
  const auto data = openAndParse(services_, services_.folders.ResultsFolder, "Vys", FileKind::Results,
                                 &parseResultsFile, givenFile_, path);
  if (!data) return;
  closeFloatingControls_();
  Histogram workD;
  std::vector<Refusal> values = openResultsInto(*data, project_, rmrTables_, workD);
  for (Refusal& m : typedInputMessages(project_)) values.push_back(std::move(m));
  settleStoredReading(project_, chain_.readingOption());
  view_.selectedLayerRow = 0;
  model_.inputsReplaced();
  showFileValueMessages(values, path);
  for (int i = 0; i < 5; ++i) resultButton(i)->setEnabled(data->buttons[i]);
  setActionEnabled(window_, "SaveVysl1", true);
  setActionEnabled(window_, "SaveTabHorn1", true);
  model_.rmrTablesReplaced();
  model_.setFiles({}, path);  // the results stand for themselves
  chain_.runAssessment();
  markWorkSaved(true, true);
}

void ProjectFiles::openProjectFile(const std::string& path) {
  givenFile_ = path;
  openProject();
  givenFile_.clear();
}

void ProjectFiles::openResultsFile(const std::string& path) {
  givenFile_ = path;
  openResults();
  givenFile_.clear();
}

// ---------------------------------------------------------------- unsaved work

std::string ProjectFiles::inputsSnapshot() const {
  return formatProjectText(projectFileFromState(project_, rmrTables_), {}, {});
}

std::string ProjectFiles::resultsSnapshot() const {
  const ProjectState& p = project_;
  if (!(p.reducedStrengthDone || p.boltLengthDone || p.boltLoadDone || p.bearingCapacityDone ||
        p.assessmentDone))
    return {};
  return formatResultsFile(resultsFileFromState(p, rmrTables_, {}, Histogram{}, {}, {}));
}

void ProjectFiles::markWorkSaved(bool inputs, bool results) {
  if (inputs) savedInputs_ = inputsSnapshot();
  if (results) savedResults_ = resultsSnapshot();
  model_.workSaved();
}

bool ProjectFiles::workUnsaved() const {
  if (inputsSnapshot() != savedInputs_) return true;
  const std::string results = resultsSnapshot();
  return !results.empty() && results != savedResults_;
}

bool ProjectFiles::askToSaveWork() {
  if (!workUnsaved()) return true;
  const Language lang = services_.language();
  const int answer = messageDialog(MessageText(1, lang), runtimeText(RuntimeText::UnsavedWork, lang),
                                   DlgKind::Confirmation, DlgButtons::YesNoCancel, mrYes);
  if (answer == mrNo) return true;
  if (answer != mrYes) return false;
  const std::string results = resultsSnapshot();
  if (!results.empty() && results != savedResults_ && namedChild<QAction>(window_, "SaveVysl1")->isEnabled())
    saveResults();
  else
    saveProject();
  return !workUnsaved();
}
