#include "shell/Version.h"

std::string programVersionText(std::string_view /*path*/) { return VELTRA_VERSION; }
