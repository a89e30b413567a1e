#pragma once

#include <string>

/// Interface language; Czech is the first language.
enum class Language { Czech, English };

// The core's current language: the titles of the dialog helpers (shell/Dialogs.h) and the texts of
// number parsing errors follow it. Services::setLanguage sets it with the windows' language.

/// Sets the current language (true for Czech).
void setCurrentLanguageCzech(bool czech);
/// The current language; Czech at start.
bool currentLanguageCzech();
Language currentLanguage();
/// MessageText(number) in the current language.
std::string currentMessageText(int number);
