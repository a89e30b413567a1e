#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QUrl>
#include <memory>
#include <string>
#include <vector>

#include "ServicesFixture.h"
#include "persistence/SettingsFile.h"
#include "ui/MainWindow.h"

using namespace Qt::StringLiterals;

/// A main window over a settings file in a temporary folder, with scripted dialogs and a recorded
/// shell "open".
class ShellTest : public ServicesTest {
 protected:
  MainWindow& makeMain() {
    main = std::make_unique<MainWindow>(*services);
    services->windows.main = main.get();
    main->urlOpener = [this](const QUrl& url) {
      opened.push_back(url);
      return openResult;
    };
    main->programStarter = [this](const QString& program, const QStringList& args) {
      started.push_back(program + u' ' + args.join(u' '));
      return true;
    };
    return *main;
  }

  /// A fresh run over the same settings file.
  MainWindow& restart() {
    main.reset();
    reloadServices();
    return makeMain();
  }

  void TearDown() override { main.reset(); }

  QAction* action(const char* name) const { return main->findChild<QAction*>(QString::fromUtf8(name)); }

  /// True when the settings file keeps what is written (the real file, not a stand-in).
  std::unique_ptr<MainWindow> main;
  std::vector<QUrl> opened;
  std::vector<QString> started;
  bool openResult = true;
};
