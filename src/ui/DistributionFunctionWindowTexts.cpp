// Texts of the window DistributionFunctionWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA   :   Graf distribuční funkce"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA : Distribution function chart "},
};

}  // namespace

const TextSet kDistributionFunctionWindowTexts{12, kCzech, kEnglish};
