// Texts of the window NewHistogramWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :  Popis nového histogramu"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :  Definition of new histogram"},
};

}  // namespace

const TextSet kNewHistogramWindowTexts{13, kCzech, kEnglish};
