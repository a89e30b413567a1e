// Texts of the window RawDataWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Prvotní data"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  Veltra : Raw data"},
};

}  // namespace

const TextSet kRawDataWindowTexts{5, kCzech, kEnglish};
