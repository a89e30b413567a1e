#include <gtest/gtest.h>

#include "ScriptedDialogs.h"
#include "persistence/SettingsFile.h"
#include "ui/Pelmora.h"
#include "ui/Services.h"

TEST(MainWindow, HasItsFormName) {
  ScriptedDialogs dialogs;
  SettingsFile settings("/nonexistent/Veltra.INI");
  Services services{dialogs, settings, {}, {}, {}, {}};
  TForm1 w(services);
  EXPECT_EQ(w.objectName().toStdString(), "Form1");
}
