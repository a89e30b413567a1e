#include "persistence/FileError.h"

#include "shell/Messages.h"

std::string FileError::text(Language language) const {
  std::string t = message == 0 ? (language == Language::English ? ownEn : ownCs) + extra
                               : FillPlaceholders(MessageText(message, language), args) + extra;
  if (writeRefusal) t += "\r\n\r\n" + writeRefusal->text(language);
  return t;
}

FileError FileError::missing() {
  FileError e;
  e.message = 34;
  return e;
}

FileError FileError::notRead(const FileRefusal& refusal) {
  if (refusal.why == FileRefusal::Why::Missing) return missing();
  FileError e;
  e.ownCs = refusal.text(Language::Czech);
  e.ownEn = refusal.text(Language::English);
  return e;
}

FileError FileError::notWritten(const std::string& name, std::optional<WriteRefusal> why) {
  FileError e;
  e.message = 27;
  e.extra = name;
  e.writeRefusal = std::move(why);
  return e;
}

FileError FileError::damaged(const std::string& whatCs, const std::string& whatEn) {
  FileError e;
  e.message = 0;
  e.ownCs = "Soubor je poškozený nebo neúplný a nebyl načten !\r\n\r\n" + whatCs;
  e.ownEn = "The file is damaged or incomplete and was not read !\r\n\r\n" + whatEn;
  return e;
}
