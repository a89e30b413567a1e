#include "ui/Startup.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "ralvex/Dialogs.h"
#include "ui/Pelmora.h"
#include "ui/Services.h"

int runVeltra(QApplication& app) {
  SettingsFile settings(QCoreApplication::applicationDirPath().toStdString() + "/Veltra.INI");
  Services services{ralvex::dialogs(), settings, {}, {}, {}, {}};
  services.folders = deriveAppFolders(
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
      QDir::currentPath().toStdString());
  TForm1 form1(services);
  services.windows.form1 = &form1;
  form1.show();
  return app.exec();
}
