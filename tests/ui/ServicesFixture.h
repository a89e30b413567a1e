#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>

#include "ScriptedDialogs.h"
#include "persistence/SettingsFile.h"
#include "ui/Services.h"
#include "ui/WindowTable.h"

/// Makes the windows that are made when first opened, for tests that walk every window.
inline void makeEveryWindow(const Windows& w) {
  for (const WindowEntry& e : windowTable())
    if (e.onFirstOpen && w.createOnFirstOpen) w.createOnFirstOpen(e.number);
}

/// Services over a settings file and a documents folder in a temporary folder, with scripted dialogs.
class ServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    settings = std::make_unique<SettingsFile>(path("Veltra.INI"));
    services = std::make_unique<Services>(Services{dialogs, *settings, {}, "1.5.6.5", {}, {}});
    services->folders = deriveAppFolders(path("Documents"), tmp.path().toStdString());
  }

  /// The settings read again from their file and fresh services over the same folders, as in a new run.
  void reloadServices() {
    settings = std::make_unique<SettingsFile>(path("Veltra.INI"));
    const AppFolders folders = services->folders;
    services = std::make_unique<Services>(Services{dialogs, *settings, folders, "1.5.6.5", {}, {}});
  }

  /// The Veltra folders created, with the example histograms and projects copied into them.
  void copyExamples() const {
    namespace fs = std::filesystem;
    const auto& f = services->folders;
    for (const auto& d : {f.HistogramsFolder, f.ProjectsFolder, f.ResultsFolder}) fs::create_directories(d);
    for (const char* sub : {"Histograms", "Projects"})
      for (const auto& e : fs::directory_iterator(fs::path(EXAMPLES_DIR) / "Veltra" / sub))
        fs::copy_file(e.path(), fs::path(f.VeltraFolder) / sub / e.path().filename());
  }

  std::string path(const char* name) const {
    return (tmp.path() + u'/' + QString::fromUtf8(name)).toStdString();
  }

  QTemporaryDir tmp;
  ScriptedDialogs dialogs;
  std::unique_ptr<SettingsFile> settings;
  std::unique_ptr<Services> services;
};
