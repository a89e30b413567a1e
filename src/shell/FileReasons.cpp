#include "shell/FileReasons.h"

#include <cstdio>
#include <cstring>

#include "shell/FileTexts.h"

std::string sizeText(std::uint64_t bytes) {
  static const char* const kUnits[] = {"kB", "MB", "GB", "TB", "PB", "EB"};
  if (bytes < 1000) return std::to_string(bytes) + " B";
  double v = static_cast<double>(bytes) / 1000;
  int u = 0;
  while (v >= 999.95 && u < 5) {
    v /= 1000;
    ++u;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, v < 10 ? "%.1f %s" : "%.0f %s", v, kUnits[u]);
  return buf;
}

std::string FileRefusal::text(Language language) const {
  switch (why) {
    case Why::Missing:
      return {};
    case Why::NoAccess:
      return FileTextFormat(FileText::ReadNoAccess, language, {path});
    case Why::Folder:
      return FileTextFormat(FileText::ReadIsFolder, language, {path});
    case Why::Pipe:
      return FileTextFormat(FileText::ReadIsPipe, language, {path});
    case Why::Device:
      return FileTextFormat(FileText::ReadIsDevice, language, {path});
    case Why::Socket:
      return FileTextFormat(FileText::ReadIsSocket, language, {path});
    case Why::NotRegular:
      return FileTextFormat(FileText::ReadIsOther, language, {path});
    case Why::TooLarge:
      return FileTextFormat(FileText::ReadTooLarge, language, {path, sizeText(size), sizeText(limit)});
    case Why::Failed:
      return FileTextFormat(FileText::ReadFailed, language, {path, std::strerror(error)});
  }
  return {};
}

std::string WriteRefusal::text(Language language) const {
  switch (why) {
    case Why::NoAccess:
      return FileTextOf(FileText::WriteNoAccess, language);
    case Why::ReadOnlyFile:
      return FileTextOf(FileText::WriteReadOnlyFile, language);
    case Why::FolderReadOnly:
      return FileTextFormat(FileText::WriteFolderReadOnly, language, {folder});
    case Why::IsFolder:
      return FileTextOf(FileText::WriteIsFolder, language);
    case Why::NotRegular: {
      const FileText kind = target == Target::Pipe     ? FileText::KindPipe
                            : target == Target::Device ? FileText::KindDevice
                            : target == Target::Socket ? FileText::KindSocket
                                                       : FileText::KindOther;
      return FileTextFormat(FileText::WriteNotRegular, language, {FileTextOf(kind, language)});
    }
    case Why::FolderMissing:
      return FileTextFormat(FileText::WriteFolderMissing, language, {folder});
    case Why::NotAFolder:
      return FileTextFormat(FileText::WriteNotAFolder, language, {folder});
    case Why::NameTooLong:
      return FileTextOf(FileText::WriteNameTooLong, language);
    case Why::DiskFull:
      return FileTextOf(FileText::WriteDiskFull, language);
    case Why::ReadOnlyFileSystem:
      return FileTextOf(FileText::WriteReadOnlyFileSystem, language);
    case Why::LinkLoop:
      return FileTextOf(FileText::WriteLinkLoop, language);
    case Why::Failed:
      return FileTextFormat(FileText::WriteFailed, language, {std::strerror(error)});
  }
  return {};
}
