#pragma once

// A main window with the chart and rock type windows over a temporary documents folder holding the
// example histograms and projects, with scripted dialogs.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "ServicesFixture.h"
#include "shell/Messages.h"
#include "ui/ChartWindow.h"
#include "ui/MainWindow.h"
#include "ui/ProjectFiles.h"
#include "ui/RockTypesWindow.h"
#include "ui/SettingsListingWindow.h"

using namespace Qt::StringLiterals;

class FilesTest : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    copyExamples();
    makeWindows();
  }

  void makeWindows() {
    main = std::make_unique<MainWindow>(*services);
    services->windows.main = main.get();
    chart = std::make_unique<ChartWindow>(*services);
    services->windows.chart = chart.get();
    rocks = std::make_unique<RockTypesWindow>(*services);
    services->windows.rockTypes = rocks.get();
    listing = std::make_unique<SettingsListingWindow>(*services);
    services->windows.settingsListing = listing.get();
  }

  /// A fresh run over the same settings file and folders.
  void restart() {
    listing.reset();
    rocks.reset();
    chart.reset();
    main.reset();
    reloadServices();
    makeWindows();
  }

  void TearDown() override {
    listing.reset();
    rocks.reset();
    chart.reset();
    main.reset();
  }

  std::string projects(const std::string& name) const {
    return services->folders.ProjectsFolder + "/" + name;
  }
  std::string results(const std::string& name) const { return services->folders.ResultsFolder + "/" + name; }

  template <class T>
  T* get(const char* name) const {
    auto* c = main->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QString edit(const char* name) const { return get<QLineEdit>(name)->text(); }
  QString cell(const char* table, int row, int col) const {
    auto* t = get<QTableWidget>(table);
    return t && t->item(row, col) ? t->item(row, col)->text() : QString();
  }
  QAction* action(const char* name) const { return main->findChild<QAction*>(QString::fromUtf8(name)); }

  static std::string bytesOf(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  static void put(const std::string& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }

  /// Opens a project file through the command, answering its open dialog with `file`.
  void openProject(const std::string& file) {
    dialogs.answerFile(file);
    main->openProjectAction->trigger();
  }

  /// The layers and the input slots of `after` hold the names and histograms of `before`.
  static void expectSameSlots(const ProjectState& after, const ProjectState& before) {
    for (int r = 0; r < ProjectState::kLayers; ++r) {
      EXPECT_EQ(after.layers[r].rockType, before.layers[r].rockType);
      EXPECT_EQ(after.layers[r].name, before.layers[r].name);
      EXPECT_EQ(after.layers[r].thickness, before.layers[r].thickness);
      EXPECT_EQ(after.layers[r].histogram, before.layers[r].histogram);
    }
    for (auto slot : {&ProjectState::width, &ProjectState::k, &ProjectState::kn, &ProjectState::q,
                      &ProjectState::rmr, &ProjectState::gamma, &ProjectState::sigmaR}) {
      EXPECT_EQ((after.*slot).name, (before.*slot).name);
      EXPECT_EQ((after.*slot).histogram, (before.*slot).histogram);
    }
  }

  static std::string msg(int n) { return MessageText(n, Language::Czech); }
  bool asked(int message) const { return dialogs.anyTextContains(msg(message)); }

  std::unique_ptr<MainWindow> main;
  std::unique_ptr<ChartWindow> chart;
  std::unique_ptr<RockTypesWindow> rocks;
  std::unique_ptr<SettingsListingWindow> listing;
};
