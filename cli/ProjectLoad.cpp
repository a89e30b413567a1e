#include "ProjectLoad.h"

#include <cstdio>
#include <cstdlib>

#include "Json.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectFile.h"
#include "shell/Messages.h"

namespace cli {

// xdg-user-dir answers the home folder itself when no documents folder is configured; the program
// then uses ~/Documents, and so does this.
std::string documentsFolder() {
  const char* homeEnv = std::getenv("HOME");
  std::string home = homeEnv ? homeEnv : "";
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  if (const char* x = std::getenv("XDG_DOCUMENTS_DIR"); x && *x) return x;
  if (FILE* p = popen("xdg-user-dir DOCUMENTS 2>/dev/null", "r")) {
    char buf[4096];
    std::string out;
    while (fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    if (!out.empty() && out != home) return out;
  }
  return home + "/Documents";
}

std::string histogramsFolder(const std::optional<std::string>& given) {
  return given ? *given : documentsFolder() + "/Veltra/Histograms";
}

std::optional<int> openProject(std::string_view bytes, const std::string& folder, Language lang,
                               ProjectState& p, RmrTables& rmr) {
  Refusal e;
  const auto data = parseProjectFile(bytes, e);
  if (!data) return refuse(e, lang);
  const ProjectOpenReport opened = ::openProject(*data, folder, p, rmr);
  if (const Refusal* he = opened.firstHistogramError()) return refuse(*he, lang);
  if (opened.bStarRefused()) return refuse(33, MessageText(33, lang));
  return std::nullopt;
}

}  // namespace cli
