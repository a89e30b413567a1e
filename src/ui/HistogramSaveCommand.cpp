#include "ui/HistogramSaveCommand.h"

#include <filesystem>

#include "histogram/HistogramFile.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/LostLetters.h"
#include "ui/Notices.h"
#include "ui/Services.h"

std::optional<std::string> SaveHistogramCommand(Services& services, const Histogram& h, bool* cancelled) {
  const Language lang = services.language();
  std::optional<std::string> chosen =
      services.dialogs.saveFileName(HistogramFileDialogs::save(services.folders.HistogramsFolder));
  if (cancelled) *cancelled = !chosen || chosen->empty();
  if (!chosen || chosen->empty()) return std::nullopt;
  // A name not ending in ".dis" gets it, also one with dots of its own ("Gamma_2.6_0.08").
  const std::string path = withFileExtension(*chosen, "dis");
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(path), ec)) {
    const int answer = messageDialog(MessageText(1, lang), MessageFormat(6, lang, {path}),
                                     DlgKind::Confirmation, DlgButtons::YesNo, mrYes);
    if (answer != mrYes) return std::nullopt;
  }
  if (!confirmLostLetters(services, unencodableIdentification(path))) return std::nullopt;
  Refusal error;
  if (!WriteHistogramFile(path, h, error, true)) {
    errorDialog(lang, error.text(lang));
    return std::nullopt;
  }
  return fileNameOnly(path);
}

std::optional<Histogram> ReadHistogramCommand(const Services& services, const std::string& path) {
  Refusal error;
  auto h = ReadHistogramFile(path, error);
  if (!h) showRefusal(services.language(), error);
  return h;
}
