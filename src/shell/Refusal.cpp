#include "shell/Refusal.h"

#include <utility>

#include "shell/FileTexts.h"
#include "shell/Messages.h"

std::string Refusal::text(Language language, std::string_view rowLabel) const {
  std::string t;
  for (const Refusal& r : before) t += r.text(language);
  if (message != 0)
    t += FillPlaceholders(MessageText(message, language), args);
  else if (own != RefusalText::None)
    t += FillPlaceholders(RefusalTextOf(own, language), args);
  else if (readReason)
    t += readReason->text(language);
  else if (!lostLetters.empty())
    t += unencodableMessage(lostLetters, language, false);
  if (layerRow > 0)
    t += !rowLabel.empty()         ? std::string(rowLabel)
         : !this->rowLabel.empty() ? this->rowLabel
                                   : std::to_string(layerRow);
  t += extra;
  for (const Refusal& r : then) t += r.text(language);
  if (!file.empty()) t += FileTextFormat(FileText::FileNamed, language, {file});
  if (writeReason) t += "\r\n\r\n" + writeReason->text(language);
  return t;
}

int Refusal::titleMessage() const { return titleNumberOf(kind); }

int titleNumberOf(DlgKind kind) {
  switch (kind) {
    case DlgKind::Confirmation:
      return 1;
    case DlgKind::Information:
      return 2;
    case DlgKind::Error:
      return 3;
    case DlgKind::Warning:
      return 4;
  }
  return 3;
}

Refusal numberedRefusal(int message, std::vector<std::string> args, std::string extra) {
  Refusal r;
  r.message = message;
  r.args = std::move(args);
  r.extra = std::move(extra);
  return r;
}

Refusal ownRefusal(RefusalText id, std::vector<std::string> args, std::string extra) {
  Refusal r = numberedRefusal(0, std::move(args), std::move(extra));
  r.own = id;
  return r;
}

Refusal lineDetail(Refusal r, int line, std::string_view text) {
  r.extra += "\r\n\r\n\t";
  r.then.push_back(numberedRefusal(228, {}, std::to_string(line) + "\r\n\t"));
  r.then.push_back(numberedRefusal(229, {}, std::string(text)));
  return r;
}

Refusal fileMissing() { return numberedRefusal(34); }

Refusal fileNotRead(const FileRefusal& refusal) {
  if (refusal.why == FileRefusal::Why::Missing) return fileMissing();
  Refusal r;
  r.readReason = refusal;
  return r;
}

Refusal fileNotWritten(const std::string& name, std::optional<WriteRefusal> why) {
  Refusal r = numberedRefusal(27, {}, name);
  r.writeReason = std::move(why);
  return r;
}

Refusal fileDamaged(RefusalText id, std::vector<std::string> args) {
  Refusal r = ownRefusal(RefusalText::FileDamaged);
  r.then.push_back(ownRefusal(id, std::move(args)));
  return r;
}
