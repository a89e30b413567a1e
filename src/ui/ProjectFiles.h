#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

struct Services;
struct InputAreaView;
struct ProjectOpenReport;
struct ProjectState;
struct RmrTables;
struct Refusal;
class ChainController;
class ProjectModel;
class QAbstractButton;
class QAction;
class QWidget;

/// Open and save of the project and the results, the assessment report and the unsaved work of the
/// main window: the actions `Otevrit1`, `SaveTabHorn1`, `OpenVysl1`, `SaveVysl1` and `ZpravaPDF1`.
class ProjectFiles : public QObject {
  Q_OBJECT
 public:
  /// Finds the actions and the result chart buttons in `window` by their names and connects the actions.
  /// `view` is what the input area shows of the project; `closeFloatingControls` closes the editors
  /// over the layer table before a file replaces the project.
  ProjectFiles(Services& services, ProjectModel& model, ChainController& chain, InputAreaView& view,
               std::function<void()> closeFloatingControls, QWidget* window);

  /// Save project (`SaveTabHorn`, Ctrl+S) and save results (`SaveVysl`); also offered by the
  /// unsaved-work question.
  void saveProject();
  void saveResults();
  /// Open project and open results with `path` in place of the open dialog's answer (a file named
  /// on the command line): the same questions, checks and messages as the commands.
  void openProjectFile(const std::string& path);
  void openResultsFile(const std::string& path);

  /// True when the inputs changed since the last save or results exist that were not saved.
  bool workUnsaved() const;
  /// Asks (Yes / No / Cancel) whether to save unsaved work first; Yes saves the results when there
  /// are unsaved results, else the project. False when the command is to stop (Cancel, or a save
  /// that did not happen).
  bool askToSaveWork();
  /// The inputs and (or) the results as they stand count as saved.
  void markWorkSaved(bool inputs, bool results);
  /// Whether the inputs and the results as they stand are those last saved.
  bool inputsSaved() const;
  bool resultsSaved() const;

 private:
  /// Open project (`Otevrit`, Ctrl+O): reads a project file chosen by the user.
  void openProject();
  /// Open results (`OpenVysl`): restores a results file and runs the assessment again.
  void openResults();
  /// New project (`Novy1`): asks about unsaved work, then the model starts a new project; saving of
  /// project and results is disabled until there is something to save.
  void newProject();
  /// Assessment report as a PDF (`ZpravaPDF`), enabled with `SaveVysl`.
  void writeReport();

  /// Shows the refusals and reports met while opening the project `path`, in their order, then the
  /// refusals and warnings of its typed inputs.
  void showOpenReport(const ProjectOpenReport& report, const std::string& path);
  /// Shows messages about the values of the file `path` (each naming the file); the focus goes where
  /// the first refusal asks.
  void showFileValueMessages(const std::vector<Refusal>& messages, const std::string& path);
  // The inputs and the results as a file would hold them.
  std::string inputsSnapshot() const;
  std::string resultsSnapshot() const;
  /// Result chart button `i` (0 GrafRePe ... 4 GrafFS).
  QAbstractButton* resultButton(int i) const;

  Services& services_;
  ProjectModel& model_;
  ProjectState& project_;
  ChainController& chain_;
  RmrTables& rmrTables_;
  InputAreaView& view_;
  std::function<void()> closeFloatingControls_;
  QWidget* window_;
  std::string givenFile_;  // answers the open dialog of the project or results command when set
  // Unsaved work: the inputs and the results as last saved, opened or started afresh.
  std::string savedInputs_, savedResults_;
};
