#pragma once

/// Interface language; Czech is the first language. The program keeps the one current language in its
/// display options (ui/DisplayOptions.h); the core takes it as a parameter.
enum class Language { Czech, English };
