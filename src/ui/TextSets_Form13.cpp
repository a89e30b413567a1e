// Texts of window 13.
#include "ui/TextSets.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :  Popis nového histogramu"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :  Definition of new histogram"},
};

const TextSetRegistration registration{{13, kCzech, kEnglish}};

}  // namespace
