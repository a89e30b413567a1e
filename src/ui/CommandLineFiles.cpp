#include "ui/CommandLineFiles.h"

#include <QFileInfo>
#include <QUrl>
#include <filesystem>

#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

enum class FileKind { Project, Results, Histogram, Other };

FileKind kindOf(const std::string& path) {
  const QString ext = QFileInfo(QString::fromStdString(path)).suffix().toLower();
  if (ext == u"hor"_s) return FileKind::Project;
  if (ext == u"vys"_s) return FileKind::Results;
  if (ext == u"dis"_s) return FileKind::Histogram;
  return FileKind::Other;
}

std::string absolutePath(const QString& argument) {
  const QUrl url(argument);
  const QString local = url.isLocalFile() ? url.toLocalFile() : argument;
  return QFileInfo(local).absoluteFilePath().toStdString();
}

}  // namespace

ProgramArguments parseProgramArguments(const QStringList& arguments) {
  ProgramArguments a;
  bool options = true;
  for (const QString& arg : arguments) {
    if (options && arg == u"--"_s) {
      options = false;
    } else if (options && (arg == u"--help"_s || arg == u"-h"_s)) {
      a.action = ProgramArguments::Action::Help;
    } else if (options && arg == u"--version"_s) {
      a.action = ProgramArguments::Action::Version;
    } else if (options && arg.size() > 1 && arg.startsWith(u'-')) {
      a.action = ProgramArguments::Action::Usage;
      a.unknownOption = arg.toStdString();
      return a;
    } else {
      a.files.push_back(absolutePath(arg));
    }
  }
  return a;
}

std::string programUsage() {
  return "usage: veltra [FILE.hor | FILE.Vys | FILE.dis]...\n"
         "       veltra --report PROJECT.hor|RESULTS.Vys [--histograms DIR] -o FILE.pdf [--lang cs|en]\n"
         "       veltra --help | --version\n";
}

void openCommandLineFiles(Services& services, const std::vector<std::string>& files) {
  const Windows& windows = services.windows;
  for (const std::string& f : files) {
    switch (kindOf(f)) {
      case FileKind::Project:
        windows.openProjectFile(f);
        break;
      case FileKind::Results:
        windows.openResultsFile(f);
        break;
      case FileKind::Histogram:
        break;
      case FileKind::Other: {
        const Language lang = services.language();
        errorDialog(lang, runtimeTextFormat(RuntimeText::UnknownFileType, lang, {f}));
        break;
      }
    }
  }
  for (const std::string& f : files)
    if (kindOf(f) == FileKind::Histogram)
      if (const auto h = ReadHistogramCommand(services, f))
        windows.showHistogramFile(*h, std::filesystem::path(f).filename().string());
}
