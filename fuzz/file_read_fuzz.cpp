// libFuzzer target: reading files whole and in pieces, with the checks of kind and size.
//
// Byte 0 chooses what stands at the path (a regular file, a sparse file grown beyond its content, a
// named pipe, a folder, a link to the file, a dangling link, links in a loop, a device), byte 1 the
// piece size of the raw data stream, byte 2 the size limit; the rest is the file's content.
// Reading never blocks; a regular file reads back its bytes unless it is above the limit; anything
// else is refused naming what it is; the raw data stream and the histogram reader agree with their
// readers of bytes; and every histogram read can be written and reads back as written.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "creation/RawData.h"
#include "histogram/HistogramFile.h"
#include "io/FileRead.h"

namespace {

void clear(const std::string& path) {
  ::unlink(path.c_str());
  ::rmdir(path.c_str());
}

// A folder for one input's objects, removed with everything in it when the input is done.
struct Folder {
  std::string path;
  Folder() {
    char name[] = "/tmp/veltra_file_read_fuzz_XXXXXX";
    if (!::mkdtemp(name)) std::abort();
    path = name;
  }
  ~Folder() {
    for (const char* f : {"/file", "/link", "/loop"}) clear(path + f);
    ::rmdir(path.c_str());
  }
};

void put(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

enum Object { kFile, kSparse, kPipe, kFolder, kLink, kDangling, kLoop, kDevice, kObjects };

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const auto object = static_cast<Object>(data[0] % kObjects);
  const std::size_t chunk = 1 + data[1] % 64;
  const std::uint64_t limit = data[2] == 0 ? 0 : std::uint64_t{data[2]} * 8;
  const std::string_view content(reinterpret_cast<const char*>(data + 3), size - 3);

  const Folder folder;
  const std::string file = folder.path + "/file", link = folder.path + "/link", loop = folder.path + "/loop";
  std::string path = file;
  std::uint64_t fileSize = content.size();
  switch (object) {
    case kFile:
      put(file, content);
      break;
    case kSparse:
      put(file, content);
      fileSize = content.size() + std::uint64_t{data[1]} * 4096;
      if (::truncate(file.c_str(), static_cast<off_t>(fileSize)) != 0) std::abort();
      break;
    case kPipe:
      if (::mkfifo(file.c_str(), 0600) != 0) std::abort();
      break;
    case kFolder:
      if (::mkdir(file.c_str(), 0700) != 0) std::abort();
      break;
    case kLink:
      put(file, content);
      if (::symlink(file.c_str(), link.c_str()) != 0) std::abort();
      path = link;
      break;
    case kDangling:
      if (::symlink(file.c_str(), link.c_str()) != 0) std::abort();
      path = link;
      break;
    case kLoop:
      if (::symlink(loop.c_str(), link.c_str()) != 0 || ::symlink(link.c_str(), loop.c_str()) != 0)
        std::abort();
      path = link;
      break;
    case kDevice:
      path = "/dev/zero";
      break;
    case kObjects:
      break;
  }
  const bool regular = object == kFile || object == kSparse || object == kLink;

  // Whole: the bytes of a regular file within the limit, else a refusal that says why.
  std::string bytes = "unchanged";
  const auto refused = readWholeFile(path, limit, bytes);
  if (regular && (limit == 0 || fileSize <= limit)) {
    if (refused) std::abort();
    if (bytes.size() != fileSize || bytes.compare(0, content.size(), content) != 0) std::abort();
    for (std::size_t i = content.size(); i < bytes.size(); ++i)
      if (bytes[i] != '\0') std::abort();
  } else {
    if (!refused || bytes != "unchanged") std::abort();
    using Why = FileRefusal::Why;
    const Why expected = regular               ? Why::TooLarge
                         : object == kPipe     ? Why::Pipe
                         : object == kFolder   ? Why::Folder
                         : object == kDevice   ? Why::Device
                         : object == kDangling ? Why::Missing
                                               : Why::Failed;  // a loop of links
    if (refused->why != expected) std::abort();
    if (expected != Why::Missing && (refused->text(Language::Czech).find(path) == std::string::npos ||
                                     refused->text(Language::English).empty()))
      std::abort();
  }

  // In pieces: raw data as its reader of bytes reads them.
  Refusal streamed, whole;
  const auto x = ReadRawDataFile(path, streamed, {}, chunk);
  if (regular) {
    std::string all(content);
    all.resize(fileSize, '\0');
    const auto y = ReadRawValues(all, whole);
    if (x.has_value() != y.has_value()) std::abort();
    if (x && *x != *y) std::abort();
    if (!x && streamed.message != whole.message) std::abort();
  } else if (x) {
    std::abort();
  }

  // A histogram file as its text; what is read is written again and reads back the same.
  Refusal fromFile, fromText;
  const auto h = ReadHistogramFile(path, fromFile);
  if (!regular || fileSize > fileSizeLimit(FileKind::Histogram)) {
    if (h) std::abort();
    return 0;
  }
  std::string all(content);
  all.resize(fileSize, '\0');
  const auto g = ReadHistogramText(all, fromText);
  if (h.has_value() != g.has_value() || (h && !(*h == *g))) std::abort();
  if (!h) return 0;
  std::string text;
  Refusal written;
  if (!HistogramFileText(*h, "Fuzz.dis", text, written)) {
    // Only a file whose Total is beyond the 64-bit frequencies may hold bins no file can write.
    if (!(h->total > 9.2e18)) std::abort();
    return 0;
  }
  const auto back = ReadHistogramText(text, fromText);
  if (!back || back->count != h->count) std::abort();
  for (int i = 0; i < binCount(*h); ++i)
    if (std::fabs(back->p[i] - h->p[i]) > kFrequencyPrecision * h->p[i]) std::abort();
  return 0;
}
