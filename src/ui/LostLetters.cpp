#include "ui/LostLetters.h"

#include <map>
#include <memory>

#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"

bool confirmLostLetters(const Services& services, const std::vector<UnencodableText>& texts) {
  if (texts.empty()) return true;
  const Language lang = services.language();
  return messageDialog(MessageText(4, lang), unencodableMessage(texts, lang, true), DlgKind::Warning,
                       DlgButtons::YesNo, mrNo) == mrYes;
}

void watchSettingsWrites(Services& services) {
  // Settings are written key by key, often many at a time: one answer per text serves the run.
  auto answers = std::make_shared<std::map<std::string, bool>>();
  Services* s = &services;
  services.settings.confirmUnencodable = [s, answers](const std::string& key, const std::string& value,
                                                      const std::string& letters) {
    const auto known = answers->find(value);
    if (known != answers->end()) return known->second;
    const bool yes = confirmLostLetters(*s, {{key + "=" + value, letters}});
    (*answers)[value] = yes;
    return yes;
  };
  services.settings.writeFailed = [s](const std::string& error) {
    const Language lang = s->language();
    warningDialog(lang, runtimeTextFormat(RuntimeText::SettingsNotSaved, lang, {error}));
  };
}
