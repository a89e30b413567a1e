// Texts of window 4.
#include "ui/TextSets.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Parametrické rozdělení"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  Veltra :   Parametric distribution"},
};

const TextSetRegistration registration{{4, kCzech, kEnglish}};

}  // namespace
