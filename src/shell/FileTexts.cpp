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
    {FileText::ReadIsFolder, "%s\r\n\r\nje složka, ne soubor !", "%s\r\n\r\nis a folder, not a file!"},
    {FileText::ReadIsPipe, "%s\r\n\r\nje pojmenovaná roura, ne soubor !",
     "%s\r\n\r\nis a named pipe, not a file!"},
    {FileText::ReadIsDevice, "%s\r\n\r\nje zařízení, ne soubor !", "%s\r\n\r\nis a device, not a file!"},
    {FileText::ReadIsSocket, "%s\r\n\r\nje socket, ne soubor !", "%s\r\n\r\nis a socket, not a file!"},
    {FileText::ReadIsOther, "%s\r\n\r\nnení obyčejný soubor !", "%s\r\n\r\nis not a regular file!"},
    {FileText::ReadNoAccess, "Soubor\r\n\r\n    %s\r\n\r\nnelze číst : přístup odepřen !",
     "The file\r\n\r\n    %s\r\n\r\ncannot be read: permission denied!"},
    {FileText::ReadTooLarge,
     "Soubor\r\n\r\n    %s\r\n\r\nje příliš velký ( %s ) !\r\nSoubor tohoto druhu smí mít nejvýše %s.",
     "The file\r\n\r\n    %s\r\n\r\nis too large ( %s )!\r\nA file of this kind may hold at most %s."},
    {FileText::ReadFailed, "Soubor\r\n\r\n    %s\r\n\r\nnelze číst : %s",
     "The file\r\n\r\n    %s\r\n\r\ncannot be read: %s"},
    {FileText::WriteNoAccess, "Přístup odepřen : chybí oprávnění k zápisu.",
     "Permission denied: no right to write."},
    {FileText::WriteReadOnlyFile, "Soubor je jen pro čtení.", "The file is read-only."},
    {FileText::WriteFolderReadOnly, "Do složky %s nelze zapisovat, soubor v ní proto nelze nahradit.",
     "The folder %s cannot be written, so no file in it can be replaced."},
    {FileText::WriteIsFolder, "Cíl je složka, ne soubor.", "The target is a folder, not a file."},
    {FileText::WriteNotRegular, "Cíl není obyčejný soubor : je to %s.",
     "The target is not a regular file: it is %s."},
    {FileText::WriteFolderMissing, "Složka %s neexistuje.", "The folder %s does not exist."},
    {FileText::WriteNotAFolder, "%s není složka, ale soubor.", "%s is not a folder but a file."},
    {FileText::WriteNameTooLong, "Název souboru je příliš dlouhý.", "The file name is too long."},
    {FileText::WriteDiskFull, "Na disku není dost místa.", "The disk is full."},
    {FileText::WriteReadOnlyFileSystem, "Souborový systém je jen pro čtení.",
     "The file system is read-only."},
    {FileText::WriteLinkLoop, "Symbolické odkazy tvoří smyčku.", "The symbolic links form a loop."},
    {FileText::WriteFailed, "Chyba systému : %s", "System error: %s"},
    {FileText::KindPipe, "pojmenovaná roura", "a named pipe"},
    {FileText::KindDevice, "zařízení", "a device"},
    {FileText::KindSocket, "socket", "a socket"},
    {FileText::KindOther, "zvláštní soubor", "a special file"},
};

static_assert(textTableComplete(kTexts, FileText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string FileTextOf(FileText id, Language language) { return textOf(kTexts, id, language); }

std::string FileTextFormat(FileText id, Language language, std::initializer_list<std::string> args) {
  return FillPlaceholders(FileTextOf(id, language), args);
}
