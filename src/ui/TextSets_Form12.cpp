// Texts of window 12.
#include "ui/TextSets.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA   :   Graf distribuční funkce"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA : Distribution function chart "},
};

const TextSetRegistration registration{{12, kCzech, kEnglish}};

}  // namespace
