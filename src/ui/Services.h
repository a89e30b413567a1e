#pragma once

#include <string>

#include "persistence/SettingsFile.h"
#include "ralvex/Dialogs.h"
#include "reliability/ProjectState.h"
#include "shell/AppFolders.h"
#include "shell/DisplayOptions.h"

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm11;
class TForm12;
class TForm13;
class TForm14;

/// The windows of the application, filled at start-up in creation order; any may be null in tests.
struct Windows {
  TForm1* form1 = nullptr;
  TForm2* form2 = nullptr;
  TForm3* form3 = nullptr;
  TForm4* form4 = nullptr;
  TForm5* form5 = nullptr;
  TForm6* form6 = nullptr;
  TForm7* form7 = nullptr;
  TForm8* form8 = nullptr;
  TForm9* form9 = nullptr;
  TForm11* form11 = nullptr;
  TForm12* form12 = nullptr;
  TForm13* form13 = nullptr;
  TForm14* form14 = nullptr;
};

/// What every window is given: dialogs, settings, folders, version, options and the other windows.
struct Services {
  ralvex::Dialogs& dialogs;
  SettingsFile& settings;
  AppFolders folders;
  std::string programVersion;
  DisplayOptions options;
  Windows windows;

  Language language() const { return options.language; }
};
