#include <gtest/gtest.h>

#include "ScriptedDialogs.h"
#include "persistence/SettingsFile.h"
#include "ui/MainWindow.h"
#include "ui/Services.h"

TEST(MainWindow, HasItsFormName) {
  ScriptedDialogs dialogs;
  SettingsFile settings("/nonexistent/Veltra.INI");
  Services services{dialogs, settings, {}, {}, {}, {}};
  MainWindow w(services);
  EXPECT_EQ(w.objectName().toStdString(), "Form1");
}
