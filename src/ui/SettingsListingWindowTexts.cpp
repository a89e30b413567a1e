// Texts of the settings file listing window (set 7).
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :      Výpis INI-souboru"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :      List of INI-file"},
};

}  // namespace

const TextSet kSettingsListingWindowTexts{7, kCzech, kEnglish};
