#include "persistence/AssessFile.h"

#include <cctype>
#include <string_view>

#include "io/FileRead.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/InputChecks.h"
#include "reliability/ReducedStrength.h"
#include "reliability/StoredReading.h"
#include "shell/Messages.h"
#include "shell/Refusal.h"

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
  if (r.messages.empty()) return refuse(out, 0, RefusalTextOf(RefusalText::ComputationFailed, language));
  return refuse(out, r.messages.front().message, r.messages.front().text(language));
}

// Keeps the warnings among `inputs` and refuses at the first refusal; false after a refusal. `file`
// is named after each message when given.
bool takeInputs(AssessedFile& out, const std::vector<Refusal>& inputs, const std::string& file,
                Language lang) {
  for (const Refusal& m : inputs) {
    const std::string text = file.empty() ? m.text(lang) : fileValueText(m, file, lang);
    if (m.kind != DlgKind::Warning) {
      refuse(out, m.message, text);
      return false;
    }
    out.warnings.push_back(text);
  }
  return true;
}

// The row spacing given for a project: its refusal or warning.
std::vector<Refusal> typedInputMessagesOfRowSpacing(const std::string& ds) {
  if (auto m = fieldRefusal(InputField::RowSpacing, ds)) return {*m};
  if (auto w = fieldWarning(InputField::RowSpacing, ds)) return {*w};
  return {};
}

}  // namespace

AssessedFile runFileChain(const std::string& file, const std::string& histogramsFolder, const std::string& ds,
                          Language lang, ChainReading reading) {
  AssessedFile out;
  ProjectState& p = out.project;
  std::string bytes;
  const bool results = endsWithNoCase(file, ".vys");
  if (const auto refused = readWholeFile(file, results ? FileKind::Results : FileKind::Project, bytes)) {
    if (refused->why == FileRefusal::Why::Missing)
      return refuse(out, 34, fileMissing().text(lang) + " ( " + file + " )");
    return refuse(out, 0, refused->text(lang));
  }

  if (results) {
    out.isResults = true;
    Refusal e;
    const auto data = parseResultsFile(bytes, e);
    if (!data) return refuse(out, e.message, e.text(lang));
    Histogram workD;
    std::vector<Refusal> inputs = openResultsInto(*data, p, out.rmr, workD);
    for (Refusal& m : typedInputMessages(p)) inputs.push_back(std::move(m));
    if (!takeInputs(out, inputs, file, lang)) return out;
    settleStoredReading(p, reading);
    out.ok = true;
    return out;
  }

  Refusal e;
  const auto data = parseProjectFile(bytes, e);
  if (!data) return refuse(out, e.message, e.text(lang));
  const ProjectOpenReport opened = openProject(*data, histogramsFolder, p, out.rmr);
  if (const Refusal* he = opened.firstHistogramError()) return refuse(out, he->message, he->text(lang));
  if (opened.bStarRefused()) return refuse(out, 33, MessageText(33, lang));
  if (!takeInputs(out, opened.inputs, file, lang)) return out;
  // Layers thicker than 2B* are refused with m1 (message 135); the chain would only miss row 1's thickness.
  for (const ProjectOpenEvent& ev : opened.events)
    if (ev.kind == ProjectOpenEvent::Kind::BetaComputed && ev.beta.firstNumber() == 135)
      return refuse(out, ev.beta, lang);
  p.rowSpacing = ds;
  if (!takeInputs(out, typedInputMessagesOfRowSpacing(ds), {}, lang)) return out;

  if (ChainReport r = runReducedStrength(p, reading.inputs); !r.ok) return refuse(out, r, lang);
  if (ChainReport r = runBoltLength(p, {}, 0, reading); !r.ok) return refuse(out, r, lang);
  if (ChainReport r = runBoltLoad(p, {}, 0, reading); !r.ok) return refuse(out, r, lang);
  out.ok = true;
  return out;
}

AssessedFile assessFile(const std::string& file, const std::string& histogramsFolder, const std::string& ds,
                        DesignStandard standard, Language lang, ChainReading reading) {
  AssessedFile out = runFileChain(file, histogramsFolder, ds, lang, reading);
  if (!out.ok) return out;
  out.ok = false;
  if (ChainReport r = runAssessment(out.project, standard, lang, out.assessment); !r.ok)
    return refuse(out, r, lang);
  out.ok = true;
  return out;
}
