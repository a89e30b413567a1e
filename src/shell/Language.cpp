#include "shell/Language.h"

#include "shell/Messages.h"

namespace {

bool czech = true;

}  // namespace

void setCurrentLanguageCzech(bool isCzech) { czech = isCzech; }
bool currentLanguageCzech() { return czech; }
Language currentLanguage() { return czech ? Language::Czech : Language::English; }
std::string currentMessageText(int number) { return MessageText(number, currentLanguage()); }
