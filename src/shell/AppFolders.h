#pragma once

#include <string>

/// The working folders, derived once at start-up from the user's documents folder; "/" separates.
struct AppFolders {
  std::string DocumentsFolder;
  std::string VeltraFolder;      // DocumentsFolder + "/Veltra"
  std::string HistogramsFolder;  // VeltraFolder + "/Histograms"
  std::string ProjectsFolder;    // VeltraFolder + "/Projects"
  std::string ResultsFolder;     // VeltraFolder + "/Results"
  std::string RawDataFolder;     // VeltraFolder + "/RawData"
  std::string StartFolder;       // current folder when the main window is created
};

/// Folders derived from `documentsFolder`; `startFolder` is kept as given.
AppFolders deriveAppFolders(const std::string& documentsFolder, const std::string& startFolder);
