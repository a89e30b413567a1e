#include "persistence/AssessFile.h"

#include <cctype>
#include <string_view>

#include "io/FileRead.h"
#include "persistence/FileError.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"
#include "shell/Messages.h"

namespace {

bool endsWithNoCase(std::string_view s, std::string_view tail) {
  if (s.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) !=
        std::tolower(static_cast<unsigned char>(tail[i])))
      return false;
  return true;
}

AssessedFile& refuse(AssessedFile& out, int message, std::string text) {
  out.ok = false;
  out.message = message;
  out.text = std::move(text);
  return out;
}

// The first message of a refused command.
AssessedFile& refuse(AssessedFile& out, const ChainReport& r, Language language) {
  if (r.messages.empty())
    return refuse(out, 0, language == Language::English ? "The computation failed." : "Výpočet se nezdařil.");
  return refuse(out, r.messages.front().number, chainMessageText(r.messages.front(), language));
}

}  // namespace

AssessedFile assessFile(const std::string& file, const std::string& histogramsFolder, const std::string& ds,
                        DesignStandard standard, Language lang, PairValues values) {
  AssessedFile out;
  ProjectState& p = out.project;
  std::string bytes;
  const bool results = endsWithNoCase(file, ".vys");
  if (const auto refused = readWholeFile(file, results ? FileKind::Results : FileKind::Project, bytes)) {
    if (refused->why == FileRefusal::Why::Missing)
      return refuse(out, 34, FileError::missing().text(lang) + " ( " + file + " )");
    return refuse(out, 0, refused->text(lang));
  }

  if (results) {
    out.isResults = true;
    FileError e;
    const auto data = parseResultsFile(bytes, e);
    if (!data) return refuse(out, e.message, e.text(lang));
    Histogram workD;
    openResultsInto(*data, p, out.rmr, workD);
    if (ChainReport r = runAssessment(p, standard, lang, out.assessment); !r.ok) return refuse(out, r, lang);
    out.ok = true;
    return out;
  }

  FileError e;
  const auto data = parseProjectFile(bytes, e);
  if (!data) return refuse(out, e.message, e.text(lang));
  const ProjectOpenReport opened = openProject(*data, histogramsFolder, p, out.rmr);
  if (const HistogramFileError* he = opened.firstHistogramError())
    return refuse(out, he->message, he->text(lang));
  if (opened.bStarRefused()) return refuse(out, 33, MessageText(33, lang));
  p.rowSpacing = ds;

  if (ChainReport r = runReducedStrength(p); !r.ok) return refuse(out, r, lang);
  if (ChainReport r = runBoltLength(p, {}, 0, values); !r.ok) return refuse(out, r, lang);
  if (ChainReport r = runBoltLoad(p, {}, 0, values); !r.ok) return refuse(out, r, lang);
  if (ChainReport r = runAssessment(p, standard, lang, out.assessment); !r.ok) return refuse(out, r, lang);
  out.ok = true;
  return out;
}
