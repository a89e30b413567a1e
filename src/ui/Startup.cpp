#include "ui/Startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include "ralvex/Dialogs.h"
#include "ralvex/Ralvex.h"
#include "ui/Color.h"
#include "ui/DruhyHornin.h"
#include "ui/Graf_Hornin.h"
#include "ui/IniSoubor.h"
#include "ui/KrivkaTrvani.h"
#include "ui/ParamRozdel.h"
#include "ui/Pelmora.h"
#include "ui/Prob2_u.h"
#include "ui/QtDialogs.h"
#include "ui/PrvotniData.h"
#include "ui/RMR.h"
#include "ui/Services.h"
#include "ui/TabChar.h"
#include "ui/VistaHlp.h"
#include "ui/ZadaniHistogramu.h"

using namespace Qt::StringLiterals;

VeltraWindows::VeltraWindows(Services& s) : services(s) {}

VeltraWindows::~VeltraWindows() {
  // The windows go in reverse order of creation; none may reach a destroyed one meanwhile.
  services.windows = {};
  form14.reset();
  form13.reset();
  form12.reset();
  form11.reset();
  form9.reset();
  form8.reset();
  form7.reset();
  form6.reset();
  form5.reset();
  form4.reset();
  form3.reset();
  form2.reset();
  form1.reset();
}

std::unique_ptr<VeltraWindows> createWindows(Services& services) {
  auto w = std::make_unique<VeltraWindows>(services);
  Windows& all = services.windows;
  w->form1 = std::make_unique<TForm1>(services);
  all.form1 = w->form1.get();
  w->form2 = std::make_unique<TForm2>(services);
  all.form2 = w->form2.get();
  w->form3 = std::make_unique<TForm3>(services);
  all.form3 = w->form3.get();
  w->form4 = std::make_unique<TForm4>(services);
  all.form4 = w->form4.get();
  w->form5 = std::make_unique<TForm5>(services);
  all.form5 = w->form5.get();
  w->form6 = std::make_unique<TForm6>(services);
  all.form6 = w->form6.get();
  w->form7 = std::make_unique<TForm7>(services);
  all.form7 = w->form7.get();
  w->form8 = std::make_unique<TForm8>(services);
  all.form8 = w->form8.get();
  w->form9 = std::make_unique<TForm9>(services);
  all.form9 = w->form9.get();
  w->form11 = std::make_unique<TForm11>(services);
  all.form11 = w->form11.get();
  w->form12 = std::make_unique<TForm12>(services);
  all.form12 = w->form12.get();
  w->form13 = std::make_unique<TForm13>(services);
  all.form13 = w->form13.get();
  w->form14 = std::make_unique<TForm14>(services);
  all.form14 = w->form14.get();
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
  Services services{ralvex::dialogs(), settings, {}, {}, {}, {}};
  services.folders = deriveAppFolders(
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
      QDir::currentPath().toStdString());
  services.programVersion = ralvex::Verze(QCoreApplication::applicationFilePath().toStdString());

  const std::unique_ptr<VeltraWindows> windows = createWindows(services);
  windows->form1->endProgram = [] { QCoreApplication::exit(0); };
  windows->form1->show();
  const int code = app.exec();
  ralvex::setDialogs(nullptr);
  return code;
}
