// Texts of the sensitivity window (set 15).
#include "ui/SensitivityWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Citlivost pravděpodobnosti poruchy na vstupech"},
    {"ExitProgram", TextProp::Text, "&Zavřít"},
    {"ExitProgram", TextProp::Hint, "Zavřít|Zavře okno citlivosti"},
    {"Chart1", TextProp::Hint,
     "Tornádo|Pf se vstupem pevně na 5% kvantilu, mediánu a 95% kvantilu, ostatní vstupy náhodné; "
     "nahoře vstup s největším rozpětím"},
    {"StringGrid1", TextProp::Hint, "Citlivost|Pf se vstupem pevně na kvantilu, ostatní vstupy náhodné"},
    {"StringGrid1", TextProp::Header, "Vstup", 0, 0},
    {"StringGrid1", TextProp::Header, "Soubor", 0, 1},
    {"StringGrid1", TextProp::Header, "Pf (5 %)", 0, 2},
    {"StringGrid1", TextProp::Header, "Pf (50 %)", 0, 3},
    {"StringGrid1", TextProp::Header, "Pf (95 %)", 0, 4},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :   Sensitivity of the probability of failure to the inputs"},
    {"ExitProgram", TextProp::Text, "&Close"},
    {"ExitProgram", TextProp::Hint, "Close|Closes the sensitivity window"},
    {"Chart1", TextProp::Hint,
     "Tornado|Pf with the input fixed at its 5% quantile, median and 95% quantile, the other inputs "
     "random; the input with the largest spread on top"},
    {"StringGrid1", TextProp::Hint,
     "Sensitivity|Pf with the input fixed at a quantile, the other inputs random"},
    {"StringGrid1", TextProp::Header, "Input", 0, 0},
    {"StringGrid1", TextProp::Header, "File", 0, 1},
    {"StringGrid1", TextProp::Header, "Pf (5 %)", 0, 2},
    {"StringGrid1", TextProp::Header, "Pf (50 %)", 0, 3},
    {"StringGrid1", TextProp::Header, "Pf (95 %)", 0, 4},
};

// The tornado and the table's names in the new language.
void afterTexts(QWidget& window, Language language) {
  if (auto* form = qobject_cast<SensitivityWindow*>(&window)) form->ApplyRuntimeTexts(language);
}

}  // namespace

const TextSet kSensitivityWindowTexts{15, kCzech, kEnglish, afterTexts};
