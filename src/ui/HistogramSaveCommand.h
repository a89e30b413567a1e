#pragma once

// The save command of a histogram file, shared by the windows that save one.

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
