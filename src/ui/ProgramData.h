#pragma once

#include <string>

/// The folder of the program's own read-only files (help, example template) for an executable in
/// `programFolder`: `<prefix>/share/veltra` when the program is installed (executable in
/// `<prefix>/bin` beside that folder), else `programFolder` itself (the build tree).
std::string programDataFolder(const std::string& programFolder);
/// True when `programFolder` is the `bin` folder of an installation (see programDataFolder).
bool programInstalled(const std::string& programFolder);

/// The same for the running executable.
std::string programDataFolder();
bool programInstalled();

/// The example folder the program copies into the documents folder as `Veltra` when that is missing.
std::string exampleTemplateFolder();
