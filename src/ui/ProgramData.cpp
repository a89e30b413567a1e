#include "ui/ProgramData.h"

#include <QCoreApplication>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

fs::path installedDataFolder(const std::string& programFolder) {
  return fs::path(programFolder).parent_path() / "share" / "veltra";
}

}  // namespace

bool programInstalled(const std::string& programFolder) {
  std::error_code ec;
  return fs::path(programFolder).filename() == "bin" &&
         fs::is_directory(installedDataFolder(programFolder), ec);
}

std::string programDataFolder(const std::string& programFolder) {
  return programInstalled(programFolder) ? installedDataFolder(programFolder).string() : programFolder;
}

std::string programDataFolder() {
  return programDataFolder(QCoreApplication::applicationDirPath().toStdString());
}

bool programInstalled() { return programInstalled(QCoreApplication::applicationDirPath().toStdString()); }

std::string exampleTemplateFolder() { return programDataFolder() + "/examples/Veltra"; }
