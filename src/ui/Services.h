#pragma once

#include <string>

#include "persistence/SettingsFile.h"
#include "project/ProjectState.h"
#include "ralvex/Dialogs.h"
#include "ralvex/Ralvex.h"
#include "shell/AppFolders.h"
#include "shell/DisplayOptions.h"
#include "ui/Windows.h"

/// Qt's own texts (file and colour dialogs, the edit menus of text fields) in `language`: Czech from
/// Qt's translations when they are installed, else Qt's English.
void applyQtLanguage(Language language);

/// What every window is given: dialogs, settings, folders, version, options and the other windows.
struct Services {
  ralvex::Dialogs& dialogs;
  SettingsFile& settings;
  AppFolders folders;
  std::string programVersion;
  DisplayOptions options;
  Windows windows;

  Language language() const { return options.language; }
  /// The one way to switch the language: the windows' options, the library's messages and Qt's own
  /// dialogs.
  void setLanguage(Language l) {
    options.language = l;
    ralvex::DodejDoMessage(l == Language::Czech);
    applyQtLanguage(l);
  }
};
