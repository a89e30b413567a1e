// Texts of the window ParametricWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Parametrické rozdělení"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  Veltra :   Parametric distribution"},
};

}  // namespace

const TextSet kParametricWindowTexts{4, kCzech, kEnglish};
