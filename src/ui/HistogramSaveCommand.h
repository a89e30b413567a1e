#pragma once

// The save and read commands of a histogram file, shared by the windows that save or read one.

#include <optional>
#include <string>

#include "histogram/Histogram.h"

struct Services;

/// Save command of a histogram file: the save dialog in the histograms folder, the overwrite
/// question, then the file. Returns the chosen file name without its folder, or nullopt when the
/// dialog was cancelled, the overwrite refused or the file could not be written (reported).
/// `cancelled` (when given) tells whether the save dialog was cancelled.
std::optional<std::string> SaveHistogramCommand(Services& services, const Histogram& h,
                                                bool* cancelled = nullptr);

/// Reads the histogram file `path`; a file that cannot be read or is refused is reported (title of
/// errors, the reader's message) and gives nullopt.
std::optional<Histogram> ReadHistogramCommand(const Services& services, const std::string& path);
