#pragma once

#include <string>
#include <string_view>

/// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a failed
/// write never leaves a damaged file. Returns false (and fills `error` when given) on failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

/// Reads a whole file; nullopt-like false when it cannot be opened.
bool readWholeFile(const std::string& path, std::string& bytes);
