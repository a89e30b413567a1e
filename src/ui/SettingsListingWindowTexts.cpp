// Texts of the settings file listing window (set 7).
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :      Výpis INI-souboru"},
    {"ValueListEditor1", TextProp::Header, "Klíč", 0, 0},
    {"ValueListEditor1", TextProp::Header, "Hodnota", 0, 1},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :      List of INI-file"},
    {"ValueListEditor1", TextProp::Header, "Key", 0, 0},
    {"ValueListEditor1", TextProp::Header, "Value", 0, 1},
};

}  // namespace

const TextSet kSettingsListingWindowTexts{7, kCzech, kEnglish};
