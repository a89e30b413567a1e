#pragma once

// The histogram file (*.dis): a text file in frequency form, lines ended by CR LF.
//
//   [Description] / Identification=<file name> / Type=Discrete / Form=Frequency / <empty>
//   [Parameters] / Min=<lower edge> / Max=<upper edge> / Bins=<n> / Total=<sum> / [Bins] / f1 ... fn

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "histogram/Histogram.h"
#include "io/AtomicFile.h"
#include "shell/Dialogs.h"
#include "shell/Encoding.h"
#include "shell/Language.h"
#include "shell/Refusal.h"

/// Reads a histogram file from `in`; nullopt with `error` filled on any refusal.
std::optional<Histogram> ReadHistogram(std::istream& in, Refusal& error);
/// Reads the text of a histogram file. Lines end in LF or CR LF, or in CR alone in a file without
/// LF; key words in the Identification line are no keys.
std::optional<Histogram> ReadHistogramText(std::string_view data, Refusal& error);
/// Reads the histogram file at `path` (message 11 with the path when it does not exist; a path that
/// is no regular file, or a file above the histogram file limit, is refused naming what it is).
std::optional<Histogram> ReadHistogramFile(const std::string& path, Refusal& error);

/// The text of the file of h, with `identification` (the file name without folder, UTF-8; written
/// in Windows-1250) on its Identification line. The frequencies are those of ToFrequencies; the edges
/// have five decimals, or as many as they need to read back unchanged. False with `error` filled when
/// h has no readable frequency form (no bins, edges not finite, a negative frequency or a zero total),
/// when a positive bin would get the frequency 0, or when the text would not read back as h (within
/// kFrequencyPrecision of its width).
bool HistogramFileText(const Histogram& h, std::string_view identification, std::string& text,
                       Refusal& error);
/// HistogramFileText written to `out`.
bool WriteHistogram(std::ostream& out, const Histogram& h, std::string_view identification, Refusal& error);
/// Writes h to `path` atomically; message 27 with the path and the reason when the file cannot be written.
/// A file name with letters Windows-1250 cannot store is refused (our message naming them)
/// unless `acceptLostLetters`, when they are written as "?".
bool WriteHistogramFile(const std::string& path, const Histogram& h, Refusal& error,
                        bool acceptLostLetters = false);
/// The Identification line of a file at `path` when it would lose letters in Windows-1250.
std::vector<UnencodableText> unencodableIdentification(const std::string& path);

/// File dialog settings of histogram files: initial folder `histogramsFolder`, default extension
/// "dis", the filter "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*", first filter selected.
struct HistogramFileDialogs {
  /// Save dialog: proposed name "Histogram".
  static FileDialogOptions save(const std::string& histogramsFolder);
  /// Open dialog: no proposed name.
  static FileDialogOptions open(const std::string& histogramsFolder);
};

/// File name without folder ("/" or "\\" separated).
std::string fileNameOnly(std::string_view path);

/// True when the file name of `path` ends in "." + `extension`, letters of any case.
bool hasFileExtension(std::string_view path, std::string_view extension);
/// `path` with "." + `extension` appended unless its file name already ends in it: a name with dots
/// of its own ("Gamma_2.6_0.08") still gets the extension.
std::string withFileExtension(std::string path, std::string_view extension);
/// `name` without a trailing "." + `extension` (any letter case); other dots stay.
std::string withoutFileExtension(std::string name, std::string_view extension);
