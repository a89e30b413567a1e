#pragma once

#include <QMainWindow>

#include "reliability/ProjectState.h"
#include "rmr/RmrTables.h"

struct Services;

/// The main window: the project inputs, the computation chain and the general commands.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(Services& services, QWidget* parent = nullptr);
  ~TForm1() override;

  ProjectState& project() { return project_; }
  Services& services() { return services_; }

  // ---- shell: menus, toolbar, status bar, general commands

  // ---- project inputs

  // ---- computation chain

  // ---- project and results files
  /// Open project (`Otevrit`, Ctrl+O): reads a project file chosen by the user.
  void OtevritClick();
  /// Save project (`SaveTabHorn`, Ctrl+S).
  void SaveTabHornClick();
  /// Open results (`OpenVysl`): restores a results file and runs the assessment again.
  void OpenVyslClick();
  /// Save results (`SaveVysl`).
  void SaveVyslClick();
  /// Preset values (`DefaultHodnoty`).
  void DefaultHodnotyClick();
  /// Settings file listing (`INIsoubor1`).
  void INIsoubor1Click();
  /// Opens the rock type window (`tabdruhhor`).
  void tabdruhhorClick();
  /// Reads N and the rock types from the settings into the offer list (main window creation).
  void readRockTypeSettings();
  /// Writes N and the lines of the rock type window to the settings (main window closing).
  void writeRockTypeSettings();
  /// The rock type count N kept with the offer list.
  int& rockTypeCount() { return rockTypeCount_; }
  /// The tables and labels of the RMR window as stored in project and results files.
  RmrTables& rmrTables() { return rmrTables_; }
  /// Full path of the project file last saved or opened; empty before.
  const std::string& currentProjectFile() const { return currentProjectFile_; }

 private:
  Services& services_;
  ProjectState project_;

  // ---- shell members

  // ---- input members

  // ---- chain members

  // ---- file members
  int rockTypeCount_ = 0;
  RmrTables rmrTables_;
  std::string currentProjectFile_;
};
