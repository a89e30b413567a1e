// Texts of the window RmrWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Třída horninového masivu dle hodnocení  RMR ( podle Bieniawskeho 1989 ) "},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :   Rock Mass Rating - RMR ( according Bienawski, 1989 ) "},
};

}  // namespace

const TextSet kRmrWindowTexts{9, kCzech, kEnglish};
