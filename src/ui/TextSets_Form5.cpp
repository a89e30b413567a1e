// Texts of window 5.
#include "ui/TextSets.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Prvotní data"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  Veltra : Raw data"},
};

const TextSetRegistration registration{{5, kCzech, kEnglish}};

}  // namespace
