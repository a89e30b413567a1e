#pragma once

#include <memory>
#include <string>

#include "persistence/SettingsFile.h"

class QApplication;
struct Services;
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

/// The windows of a run, created in start-up order (the main window first) and destroyed in reverse.
struct VeltraWindows {
  Services& services;
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
  std::unique_ptr<TForm3> form3;
  std::unique_ptr<TForm4> form4;
  std::unique_ptr<TForm5> form5;
  std::unique_ptr<TForm6> form6;
  std::unique_ptr<TForm7> form7;
  std::unique_ptr<TForm8> form8;
  std::unique_ptr<TForm9> form9;
  std::unique_ptr<TForm11> form11;
  std::unique_ptr<TForm12> form12;
  std::unique_ptr<TForm13> form13;
  std::unique_ptr<TForm14> form14;

  explicit VeltraWindows(Services& s);
  ~VeltraWindows();
};

/// Creates every window for `services` in start-up order and records them in `services.windows`.
/// Shows nothing but the splash; the caller shows the main window.
std::unique_ptr<VeltraWindows> createWindows(Services& services);

/// "Veltra.INI" beside the executable when that folder is writable, else in the user's
/// configuration folder (created when missing), read from the file beside the program until the
/// first write.
SettingsLocation settingsFileLocation();

/// The application title.
inline constexpr char kApplicationTitle[] = "VELTRA : Program výpočtu spolehlivosti pelmora důlní výztuže";

/// Starts the program: dialogs, folders, version, settings, windows; runs the event loop and
/// returns the exit code.
int runVeltra(QApplication& app);
