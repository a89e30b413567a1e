#include "shell/AppFolders.h"

AppFolders deriveAppFolders(const std::string& documentsFolder, const std::string& startFolder) {
  AppFolders f;
  f.DocumentsFolder = documentsFolder;
  f.VeltraFolder = documentsFolder + "/Veltra";
  f.HistogramsFolder = f.VeltraFolder + "/Histograms";
  f.ProjectsFolder = f.VeltraFolder + "/Projects";
  f.ResultsFolder = f.VeltraFolder + "/Results";
  f.RawDataFolder = f.VeltraFolder + "/RawData";
  f.StartFolder = startFolder;
  return f;
}
