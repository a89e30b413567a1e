// Texts of the settings file listing window (set 7).
#include "ui/TextSets.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :      Výpis INI-souboru"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :      List of INI-file"},
};

const TextSetRegistration registration{{7, kCzech, kEnglish}};

}  // namespace
