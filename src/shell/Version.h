#pragma once

#include <string>
#include <string_view>

/// Version text of the program, four numbers such as "1.5.6.5"; the path is accepted for the call's shape.
std::string programVersionText(std::string_view path);
