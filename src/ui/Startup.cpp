#include "ui/Startup.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ralvex/Dialogs.h"
#include "ralvex/Ralvex.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"
#include "ui/Services.h"
#include "ui/WindowTable.h"

using namespace Qt::StringLiterals;

VeltraWindows::VeltraWindows(Services& s) : services(s) {}

VeltraWindows::~VeltraWindows() {
  // The windows go in reverse order of creation; none may reach a destroyed one meanwhile.
  services.windows = {};
  while (!owned.empty()) owned.pop_back();
}

std::unique_ptr<VeltraWindows> createWindows(Services& services) {
  auto w = std::make_unique<VeltraWindows>(services);
  for (const WindowEntry& e : windowTable()) w->owned.emplace_back(e.create(services));
  static_cast<Windows&>(*w) = services.windows;
  // The RMR window writes its description texts into the project's RMR tables when it is built.
  if (w->main) w->main->startClean();
  return w;
}

SettingsLocation settingsFileLocation() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  const SettingsLocation where =
      chooseSettingsLocation(QCoreApplication::applicationDirPath().toStdString(), config.toStdString(),
                             [](const std::string& path) { return ::access(path.c_str(), W_OK) == 0; });
  if (where.path.rfind(config.toStdString(), 0) == 0) QDir().mkpath(config);
  return where;
}

int runVeltra(QApplication& app) {
  QCoreApplication::setApplicationName(u"Veltra"_s);
  // The title names the program to the desktop; it is not appended to window captions.
  app.setProperty("applicationTitle", QString::fromUtf8(kApplicationTitle));

  QtDialogs qtDialogs;
  ralvex::setDialogs(&qtDialogs);
  const SettingsLocation where = settingsFileLocation();
  SettingsFile settings(where.path, where.seedPath);
  Services services{qtDialogs, settings, {}, {}, {}, {}};
  services.folders =
      deriveAppFolders(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
                       QDir::currentPath().toStdString());
  services.programVersion = ralvex::Verze(QCoreApplication::applicationFilePath().toStdString());

  const std::unique_ptr<VeltraWindows> windows = createWindows(services);
  windows->main->endProgram = [] { QCoreApplication::exit(0); };
  windows->main->show();
  const int code = app.exec();
  ralvex::setDialogs(nullptr);
  return code;
}
