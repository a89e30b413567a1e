// Texts of the window FitTableWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA : Table of applicable histograms with parametric probability distribution"},
};

}  // namespace

const TextSet kFitTableWindowTexts{14, kCzech, kEnglish};
