#pragma once

#include <string>
#include <string_view>

#include "shell/FileReasons.h"
#include "shell/Language.h"

/// Writes `bytes` to a temporary file in the folder of `path` and renames it over `path`, so a failed
/// write never leaves a damaged file. A symbolic link is followed and its target replaced (the link
/// stays); an existing file keeps its mode and, where permitted, its owner and group; a new file gets
/// 0666 less the umask. A file without write permission, a folder that cannot be written (for the
/// superuser too, when no write bit is set), and a target that is no regular file are refused. Returns
/// false (and fills `refusal` when given) on failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes, WriteRefusal* refusal = nullptr);
