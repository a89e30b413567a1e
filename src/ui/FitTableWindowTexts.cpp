// Texts of the window FitTableWindow in Czech and English.
#include "ui/FitTableWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption,
     "  VELTRA : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"},
    {"Label1", TextProp::Text, "Řadit podle :"},
    {"Label2", TextProp::Text, "vzhledem k :"},
    {"Label3", TextProp::Text, "Histogram prvotních dat :"},
    {"Label4", TextProp::Text, "Prvotní data :"},
    {"ChBVymazRadkuTab", TextProp::Text, "Odstranit ?"},
    {"BKonec", TextProp::Text, "&Konec"},
    {"CBTypVyberu", TextProp::Items,
     "\nTěsnost\nMedian\nMode\nStřední hodnota\nRozptyl\nSměrodatná odchylka\nVariační "
     "koeficient\nŠikmost\nŠpičatost\n"
     "K-S vzdálenost\nK-S p-hodnota\nA-D statistika"},
    {"CBVyber", TextProp::Items, "Prvotní data\nHistogram prvotních dat"},
    {"SGCharPD", TextProp::Cell, " Typ", 0, 1},
    {"SGCharPD", TextProp::Cell, " Těsnost", 0, 2},
    {"SGCharPD", TextProp::Cell, " Median", 0, 3},
    {"SGCharPD", TextProp::Cell, " Mode", 0, 4},
    {"SGCharPD", TextProp::Cell, " Střední hodnota", 0, 5},
    {"SGCharPD", TextProp::Cell, " Rozptyl", 0, 6},
    {"SGCharPD", TextProp::Cell, " Směrodatná odchylka", 0, 7},
    {"SGCharPD", TextProp::Cell, " Variační koeficient [%]", 0, 8},
    {"SGCharPD", TextProp::Cell, " Šikmost", 0, 9},
    {"SGCharPD", TextProp::Cell, " Špičatost", 0, 10},
    {"SGChar", TextProp::Cell, " Typ", 0, 1},
    {"SGChar", TextProp::Cell, " Těsnost", 0, 2},
    {"SGChar", TextProp::Cell, " Median", 0, 3},
    {"SGChar", TextProp::Cell, " Mode", 0, 4},
    {"SGChar", TextProp::Cell, " Střední hodnota", 0, 5},
    {"SGChar", TextProp::Cell, " Rozptyl", 0, 6},
    {"SGChar", TextProp::Cell, " Směrodatná odchylka", 0, 7},
    {"SGChar", TextProp::Cell, " Variační koeficient [%]", 0, 8},
    {"SGChar", TextProp::Cell, " Šikmost", 0, 9},
    {"SGChar", TextProp::Cell, " Špičatost", 0, 10},
    {"SGChar", TextProp::Cell, " Parametry", 0, 11},
    {"SGChar", TextProp::Cell, " K-S vzdálenost", 0, 12},
    {"SGChar", TextProp::Cell, " K-S p-hodnota", 0, 13},
    {"SGChar", TextProp::Cell, " A-D statistika", 0, 14},
    {"SGCharPD", TextProp::Cell, " Parametry", 0, 11},
    {"SGCharPD", TextProp::Cell, " K-S vzdálenost", 0, 12},
    {"SGCharPD", TextProp::Cell, " K-S p-hodnota", 0, 13},
    {"SGCharPD", TextProp::Cell, " A-D statistika", 0, 14},
    {"SGCharPDZ", TextProp::Cell, " Střední hodnota", 0, 0},
    {"SGCharPDZ", TextProp::Cell, " Směrodatná odchylka", 0, 1},
    {"SGCharPDZ", TextProp::Cell, " Šikmost", 0, 2},
    {"SGChar", TextProp::Hint, "Vhodná rozdělení|Klepnutím na řádek se typ zobrazí v okně prvotních dat"},
    {"CBTypVyberu", TextProp::Hint, "Řazení|Řadí tabulku podle zvolené charakteristiky"},
    {"BKonec", TextProp::Hint, "Konec|Zavře tabulku"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption,
     "  VELTRA : Table of applicable histograms with parametric probability distribution"},
    {"Label1", TextProp::Text, "Sort by :"},
    {"Label2", TextProp::Text, "compared with :"},
    {"Label3", TextProp::Text, "Raw data histogram :"},
    {"Label4", TextProp::Text, "Raw data :"},
    {"ChBVymazRadkuTab", TextProp::Text, "Remove ?"},
    {"BKonec", TextProp::Text, "&Exit"},
    {"CBTypVyberu", TextProp::Items,
     "\nCloseness\nMedian\nMode\nAverage\nDispersion\nStandard deviation\nVariation\nSkewness\nKurtosis\n"
     "K-S distance\nK-S p-value\nA-D statistic"},
    {"CBVyber", TextProp::Items, "Raw data\nRaw data histogram"},
    {"SGCharPD", TextProp::Cell, " Type", 0, 1},
    {"SGCharPD", TextProp::Cell, " Closeness", 0, 2},
    {"SGCharPD", TextProp::Cell, " Median", 0, 3},
    {"SGCharPD", TextProp::Cell, " Mode", 0, 4},
    {"SGCharPD", TextProp::Cell, " Average", 0, 5},
    {"SGCharPD", TextProp::Cell, " Dispersion", 0, 6},
    {"SGCharPD", TextProp::Cell, " Standard deviation", 0, 7},
    {"SGCharPD", TextProp::Cell, " Variation [%]", 0, 8},
    {"SGCharPD", TextProp::Cell, " Skewness", 0, 9},
    {"SGCharPD", TextProp::Cell, " Kurtosis", 0, 10},
    {"SGChar", TextProp::Cell, " Type", 0, 1},
    {"SGChar", TextProp::Cell, " Closeness", 0, 2},
    {"SGChar", TextProp::Cell, " Median", 0, 3},
    {"SGChar", TextProp::Cell, " Mode", 0, 4},
    {"SGChar", TextProp::Cell, " Average", 0, 5},
    {"SGChar", TextProp::Cell, " Dispersion", 0, 6},
    {"SGChar", TextProp::Cell, " Standard deviation", 0, 7},
    {"SGChar", TextProp::Cell, " Variation [%]", 0, 8},
    {"SGChar", TextProp::Cell, " Skewness", 0, 9},
    {"SGChar", TextProp::Cell, " Kurtosis", 0, 10},
    {"SGChar", TextProp::Cell, " Parameters", 0, 11},
    {"SGChar", TextProp::Cell, " K-S distance", 0, 12},
    {"SGChar", TextProp::Cell, " K-S p-value", 0, 13},
    {"SGChar", TextProp::Cell, " A-D statistic", 0, 14},
    {"SGCharPD", TextProp::Cell, " Parameters", 0, 11},
    {"SGCharPD", TextProp::Cell, " K-S distance", 0, 12},
    {"SGCharPD", TextProp::Cell, " K-S p-value", 0, 13},
    {"SGCharPD", TextProp::Cell, " A-D statistic", 0, 14},
    {"SGCharPDZ", TextProp::Cell, " Average", 0, 0},
    {"SGCharPDZ", TextProp::Cell, " Standard deviation", 0, 1},
    {"SGCharPDZ", TextProp::Cell, " Skewness", 0, 2},
    {"SGChar", TextProp::Hint,
     "Suitable distributions|A click on a row shows its type in the raw data window"},
    {"CBTypVyberu", TextProp::Hint, "Sorting|Sorts the table by the chosen characteristic"},
    {"BKonec", TextProp::Hint, "Exit|Closes the table"},
};

// Texts the window composes at run time follow the language too.
void after(QWidget& window, Language language) {
  if (auto* w = qobject_cast<FitTableWindow*>(&window)) w->ApplyRuntimeTexts(language);
}

}  // namespace

const TextSet kFitTableWindowTexts{14, kCzech, kEnglish, &after};
