// Texts of window 14.
#include "ui/TextSets.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA : Table of applicable histograms with parametric probability distribution"},
};

const TextSetRegistration registration{{14, kCzech, kEnglish}};

}  // namespace
