#pragma once

#include <string>

#include "persistence/SettingsFile.h"
#include "project/ProjectState.h"
#include "shell/AppFolders.h"
#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "ui/DisplayOptions.h"
#include "ui/Windows.h"

/// Qt's own texts (file and colour dialogs, the edit menus of text fields) in `language`: Czech from
/// Qt's translations when they are installed, else Qt's English.
void applyQtLanguage(Language language);

/// What every window is given: dialogs, settings, folders, version, options and the other windows.
struct Services {
  Dialogs& dialogs;
  SettingsFile& settings;
  AppFolders folders;
  std::string programVersion;
  DisplayOptions options;
  Windows windows;

  Language language() const { return options.language; }
  /// The one way to switch the language: the windows' options (which the dialogs service and every
  /// window read) and Qt's own dialogs.
  void setLanguage(Language l) {
    options.language = l;
    applyQtLanguage(l);
  }
};
