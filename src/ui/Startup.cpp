#include "ui/Startup.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <iostream>

#include "io/FolderCopy.h"
#include "shell/Dialogs.h"
#include "shell/Version.h"
#include "ui/CommandLineFiles.h"
#include "ui/MainWindow.h"
#include "ui/ProgramData.h"
#include "ui/QtDialogs.h"
#include "ui/Services.h"
#include "ui/SplashScreen.h"
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
  for (const WindowEntry& e : windowTable())
    if (!e.onFirstOpen) w->owned.emplace_back(e.create(services));
  services.windows.createOnFirstOpen = [all = w.get()](int number) {
    const WindowEntry* e = findWindowEntry(number);
    if (!e || e->find(all->services.windows)) return;
    all->owned.emplace_back(e->create(all->services));
    static_cast<Windows&>(*all) = all->services.windows;
  };
  static_cast<Windows&>(*w) = services.windows;
  // The RMR window writes its description texts into the project's RMR tables when it is built.
  if (w->main) w->main->startClean();
  return w;
}

SettingsLocation settingsFileLocation(const std::string& programFolder, const std::string& configFolder) {
  // An installed program never writes into its own folder, even when run by an administrator.
  const bool installed = programInstalled(programFolder);
  const SettingsLocation where = chooseSettingsLocation(
      programFolder, configFolder,
      [installed](const std::string& path) { return !installed && ::access(path.c_str(), W_OK) == 0; });
  if (where.path.rfind(configFolder, 0) == 0) QDir().mkpath(QString::fromStdString(configFolder));
  return where;
}

SettingsLocation settingsFileLocation() {
  return settingsFileLocation(
      QCoreApplication::applicationDirPath().toStdString(),
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
}

int runVeltra(QApplication& app) {
  const ProgramArguments arguments = parseProgramArguments(app.arguments().mid(1));
  if (arguments.action == ProgramArguments::Action::Usage) {
    std::cerr << "veltra: unknown option " << arguments.unknownOption << '\n' << programUsage();
    return 2;
  }
  QCoreApplication::setApplicationName(u"Veltra"_s);
  QGuiApplication::setDesktopFileName(u"cz.veltra.Veltra"_s);  // the menu entry of an installed program
  // The title names the program to the desktop; it is not appended to window captions.
  app.setProperty("applicationTitle", QString::fromUtf8(kApplicationTitle));

  const Services* running = nullptr;  // the language of the dialogs' buttons, once the services exist
  QtDialogs qtDialogs([&running] { return running ? running->language() : Language::Czech; });
  setDialogs(&qtDialogs);
  const SettingsLocation where = settingsFileLocation();
  SettingsFile settings(where.path, where.seedPath);
  Services services{qtDialogs, settings, {}, {}, {}, {}};
  running = &services;
  services.folders =
      deriveAppFolders(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
                       QDir::currentPath().toStdString());
  services.programVersion = programVersionText(QCoreApplication::applicationFilePath().toStdString());
  std::string copyError;
  if (copyFolderIfMissing(exampleTemplateFolder(), services.folders.VeltraFolder, &copyError) ==
      FolderCopy::Failed)
    std::cerr << "veltra: the examples could not be copied to " << services.folders.VeltraFolder << ": "
              << copyError << '\n';

  const std::unique_ptr<VeltraWindows> windows = createWindows(services);
  windows->main->endProgram = [] { QCoreApplication::exit(0); };
  windows->main->show();
  // Files named on the command line open once the event loop runs; the splash would hide their dialogs.
  if (!arguments.files.empty())
    QTimer::singleShot(0, &app, [&services, &windows, files = arguments.files] {
      if (SplashScreen* splash = windows->main->splash()) splash->close();
      openCommandLineFiles(services, files);
    });
  const int code = app.exec();
  setDialogs(nullptr);
  return code;
}
