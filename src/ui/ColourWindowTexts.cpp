// Texts of the window ColourWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "VELTRA"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "VELTRA"},
};

}  // namespace

const TextSet kColourWindowTexts{8, kCzech, kEnglish};
