#pragma once

#include <memory>
#include <string>
#include <vector>

#include "persistence/SettingsFile.h"
#include "ui/Services.h"

class QApplication;

/// The windows of a run, created from the window table (the main window first) and destroyed in
/// reverse; the role pointers are those of `services.windows`.
struct VeltraWindows : Windows {
  Services& services;
  std::vector<std::unique_ptr<QWidget>> owned;  // creation order

  explicit VeltraWindows(Services& s);
  ~VeltraWindows();
};

/// Creates every window for `services` in start-up order and records them in `services.windows`;
/// the rarely used ones (about, settings listing, colour, help information) are made when first opened.
/// Shows nothing but the splash; the caller shows the main window.
std::unique_ptr<VeltraWindows> createWindows(Services& services);

/// "Veltra.INI" beside the executable when that folder is writable and the program is not installed
/// (see programInstalled), else in the user's configuration folder (created when missing), read from
/// the file beside the program until the first write.
SettingsLocation settingsFileLocation();
/// The same for an executable in `programFolder` and the configuration folder `configFolder`.
SettingsLocation settingsFileLocation(const std::string& programFolder, const std::string& configFolder);

/// The application title.
inline constexpr char kApplicationTitle[] = "VELTRA : Program výpočtu spolehlivosti pelmora důlní výztuže";

/// Starts the program: arguments, dialogs, folders, version, settings, the examples copied into
/// the documents folder when `Veltra` is missing there, windows, the files named on the command
/// line; runs the event loop and returns the exit code.
int runVeltra(QApplication& app);
