#pragma once

#include <string>

enum class FolderCopy { Copied, AlreadyThere, NoSource, Failed };

/// Copies the folder `from` with everything in it to `to` unless `to` already exists. The copy is
/// made in a temporary folder beside `to` and renamed into place, so `to` is either absent or
/// whole. Copies of read-only originals can be written by their owner. `error` names the failure.
FolderCopy copyFolderIfMissing(const std::string& from, const std::string& to, std::string* error = nullptr);
