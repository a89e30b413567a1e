// Texts of window 9.
#include "ui/TextSets.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Třída horninového masivu dle hodnocení  RMR ( podle Bieniawskeho 1989 ) "},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :   Rock Mass Rating - RMR ( according Bienawski, 1989 ) "},
};

const TextSetRegistration registration{{9, kCzech, kEnglish}};

}  // namespace
