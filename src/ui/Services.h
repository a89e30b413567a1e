#pragma once

#include <string>

#include "persistence/SettingsFile.h"
#include "project/ProjectState.h"
#include "ralvex/Dialogs.h"
#include "ralvex/Ralvex.h"
#include "shell/AppFolders.h"
#include "shell/DisplayOptions.h"
#include "ui/Windows.h"

/// What every window is given: dialogs, settings, folders, version, options and the other windows.
struct Services {
  ralvex::Dialogs& dialogs;
  SettingsFile& settings;
  AppFolders folders;
  std::string programVersion;
  DisplayOptions options;
  Windows windows;

  Language language() const { return options.language; }
  /// The one way to switch the language: the windows' options and the library's messages.
  void setLanguage(Language l) {
    options.language = l;
    ralvex::DodejDoMessage(l == Language::Czech);
  }
};
