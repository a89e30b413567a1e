#include "ui/ExportCommands.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>

#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/AssessmentReport.h"
#include "ui/CheckSheet.h"
#include "ui/ExportTexts.h"

namespace {

void showError(const std::string& text, Language lang) { errorDialog(lang, text); }

void showInfo(const std::string& text, Language lang) { infoDialog(lang, text); }

}  // namespace

bool openWithDesktop(const std::string& path) {
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (xdgOpen.isEmpty()) return false;
  if (!xdgMime.isEmpty()) {
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("filetype"), QString::fromStdString(path)});
    query.waitForFinished(5000);
    const QString type = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (type.isEmpty()) return false;
    QProcess app;
    app.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    app.waitForFinished(5000);
    if (QString::fromUtf8(app.readAllStandardOutput()).trimmed().isEmpty()) return false;
  }
  return QProcess::startDetached(xdgOpen, {QString::fromStdString(path)});
}

std::optional<std::string> CheckSheetCommand(const Histogram& h, const std::string& caption,
                                             const std::string& histogramName,
                                             const std::string& resultsFolder, Language language,
                                             const FileOpener& opener, const CheckSheetVerdict* verdict) {
  std::string folder = resultsFolder;
  if (folder.empty() || !QFileInfo(QString::fromStdString(folder)).isDir())
    folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString();
  const std::string stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")).toStdString();
  const std::string path =
      (std::filesystem::path(folder) / checkSheetFileName(histogramName, stamp)).string();
  std::string error;
  if (!writeCheckSheet(path, h, caption, language, &error, verdict)) {
    showError(MessageText(27, language) + path, language);
    return std::nullopt;
  }
  if (!opener || !opener(path))
    showInfo(exportTextFormat(ExportText::SheetNoViewer, language, {path}), language);
  return path;
}

std::optional<std::string> AssessmentReportCommand(const ProjectState& project,
                                                   const std::string& projectName, const std::string& version,
                                                   const std::string& resultsFolder, Language language,
                                                   const std::string& histogramsFolder) {
  ReportHeader header;
  header.projectName = projectName;
  header.version = version;
  header.histogramsFolder = histogramsFolder;
  return AssessmentReportCommand(project, std::move(header), resultsFolder, language);
}

std::optional<std::string> AssessmentReportCommand(const ProjectState& project, ReportHeader header,
                                                   const std::string& resultsFolder, Language language) {
  if (!project.assessmentDone) {
    showError(exportText(ExportText::ReportNotAssessed, language), language);
    return std::nullopt;
  }
  FileDialogOptions o;
  o.initialFolder = resultsFolder;
  o.fileName = safeFileBase(header.projectName) + ".pdf";
  o.defaultExtension = "pdf";
  o.filter = exportText(ExportText::ReportFilter, language);
  const std::optional<std::string> chosen = dialogs().saveFileName(o);
  if (!chosen || chosen->empty()) return std::nullopt;
  std::string path = *chosen;
  if (std::filesystem::path(path).extension().empty()) path += ".pdf";
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(path), ec)) {
    const int answer = messageDialog(MessageText(1, language), MessageFormat(6, language, {path}),
                                     DlgKind::Confirmation, DlgButtons::YesNo, mrYes);
    if (answer != mrYes) return std::nullopt;
  }
  header.date = reportDateNow(language);
  std::string error;
  std::optional<WriteRefusal> why;
  if (!writeAssessmentReport(path, project, header, language, &error, &why)) {
    showError(MessageText(27, language) + path + (why ? "\r\n\r\n" + why->text(language) : ""), language);
    return std::nullopt;
  }
  showInfo(exportTextFormat(ExportText::ReportWritten, language, {path}), language);
  return path;
}
