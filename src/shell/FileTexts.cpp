#include "shell/FileTexts.h"

#include <iterator>
#include <string_view>

#include "shell/Messages.h"
#include "shell/TextTable.h"

namespace {

constexpr TextPair<FileText> kTexts[] = {
    {FileText::LostLettersIntro,
     "Tyto texty obsahují znaky, které kódování Windows-1250 neumí uložit :\r\n\r\n",
     "These texts hold letters that the Windows-1250 encoding cannot store:\r\n\r\n"},
    {FileText::LostLettersMore, "    ... a další texty : %s\r\n", "    ... and more texts: %s\r\n"},
    {FileText::LostLettersAsk,
     "\r\nV souboru by tyto znaky byly nahrazeny znakem \"?\".\r\n\r\nUložit přesto ?",
     "\r\nIn the file these letters would become \"?\".\r\n\r\nSave anyway?"},
    {FileText::LostLettersNotWritten, "\r\nSoubor nebyl uložen, aby se tyto znaky neztratily !",
     "\r\nThe file was not written, so that these letters are not lost!"},
    {FileText::FileNamed, "\r\n\r\nSoubor :  %s", "\r\n\r\nFile:  %s"},
};

static_assert(textTableComplete(kTexts, FileText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string FileTextOf(FileText id, Language language) { return textOf(kTexts, id, language); }

std::string FileTextFormat(FileText id, Language language, std::initializer_list<std::string> args) {
  return FillPlaceholders(FileTextOf(id, language), args);
}
