#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QUrl>

#include <memory>
#include <string>
#include <vector>

#include "ServicesFixture.h"
#include "persistence/SettingsFile.h"
#include "ui/Pelmora.h"

using namespace Qt::StringLiterals;

/// A main window over a settings file in a temporary folder, with scripted dialogs and a recorded
/// shell "open".
class ShellTest : public ServicesTest {
 protected:
  TForm1& makeMain() {
    main = std::make_unique<TForm1>(*services);
    services->windows.form1 = main.get();
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
  TForm1& restart() {
    main.reset();
    reloadServices();
    return makeMain();
  }

  void TearDown() override {
    main.reset();
  }

  QAction* action(const char* name) const { return main->findChild<QAction*>(QString::fromUtf8(name)); }

  /// True when the settings file keeps what is written (the real file, not a stand-in).
  bool settingsPersist() {
    SettingsFile probe(path("probe.INI"));
    probe.writeInteger("s", "k", 42);
    return SettingsFile(path("probe.INI")).readInteger("s", "k", 0) == 42;
  }

  std::unique_ptr<TForm1> main;
  std::vector<QUrl> opened;
  std::vector<QString> started;
  bool openResult = true;
};
