#pragma once

/// Interface language; Czech is the first language.
enum class Language { Czech, English };
