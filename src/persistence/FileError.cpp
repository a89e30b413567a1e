#include "persistence/FileError.h"

#include "shell/Messages.h"

std::string FileError::text(Language language) const {
  if (message == 0) return (language == Language::English ? ownEn : ownCs) + extra;
  return FillPlaceholders(MessageText(message, language), args) + extra;
}

FileError FileError::missing() {
  FileError e;
  e.message = 34;
  return e;
}

FileError FileError::notWritten(const std::string& name) {
  FileError e;
  e.message = 27;
  e.extra = name;
  return e;
}

FileError FileError::damaged(const std::string& whatCs, const std::string& whatEn) {
  FileError e;
  e.message = 0;
  e.ownCs = "Soubor je poškozený nebo neúplný a nebyl načten !\r\n\r\n" + whatCs;
  e.ownEn = "The file is damaged or incomplete and was not read !\r\n\r\n" + whatEn;
  return e;
}
