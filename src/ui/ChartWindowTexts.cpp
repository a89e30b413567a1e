// Texts of the histogram chart window (ChartWindow) in Czech and English.
#include "ui/ChartWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "VELTRA : Graf histogramu, spolehlivost"},
    {"SaveGraf", TextProp::Text, "&Uložit histogram"},
    {"SaveGraf", TextProp::Hint, "Uložit histogram|Uloží zobrazený histogram do souboru (*.dis)"},
    {"BChar", TextProp::Text, "&Charakteristiky"},
    {"BChar", TextProp::Hint, "Charakteristiky|Charakteristiky zobrazeného histogramu"},
    {"KrivkaTrvani", TextProp::Text, "&Distr. funkce"},
    {"KrivkaTrvani", TextProp::Hint, "Distribuční funkce|Graf distribuční funkce histogramu"},
    {"KontTisk", TextProp::Text, "&Kontrolní tisk"},
    {"KontTisk", TextProp::Hint, "Kontrolní tisk|Kontrolní tisk do tabulkového procesoru"},
    {"BitBtn8", TextProp::Text, "&Barvy"},
    {"BitBtn8", TextProp::Hint, "Barvy|Nastavení barev grafu, dotazů a tabulek"},
    {"UlozOkno", TextProp::Text, "Kopie &okna"},
    {"UlozObrazek", TextProp::Text, "Uložit obrázek…"},
    {"UlozObrazek", TextProp::Hint,
     "Uložit obrázek|Uloží graf do souboru PNG, SVG, PDF, JPEG nebo BMP podle zvoleného typu nebo přípony"},
    {"ExitProgram", TextProp::Text, "&Zavřít"},
    {"ExitProgram", TextProp::Hint, "Zavřít|Zavře okno grafu"},
    {"Button1", TextProp::Text, "Histogram"},
    {"Button1", TextProp::Hint, "Histogram|Barva sloupců histogramu"},
    {"M1", TextProp::Hint, "Barva histogramu"},
    {"Button2", TextProp::Text, "x"},
    {"Button3", TextProp::Text, "P(X<=x)"},
    {"Button4", TextProp::Text, "Posudek"},
    {"Button5", TextProp::Text, "Tabulka"},
    {"Button6", TextProp::Text, "Edit okno"},
    {"Button7", TextProp::Text, "txt"},
    {"Button7", TextProp::Hint, "txt|Definice tříd následků"},
    {"Panel3", TextProp::Hint, "Posudek spolehlivosti"},
    {"CheckBox1", TextProp::Text, "Popisky dat"},
    {"Label1", TextProp::Text, "Hodnota  x :"},
    {"Label5", TextProp::Text, "Pravděpodobnost  P :"},
    {"Label6", TextProp::Text, "Úhel :"},
    {"Label7", TextProp::Text, "Osa x :"},
    {"GBDotazy", TextProp::Text, "Dotazy"},
    {"GBPopisky", TextProp::Text, "Popisky"},
    {"EditXY", TextProp::Hint, "Hodnota x|Hodnota x → P(x), P(X<=x)  (Enter nebo opuštění pole)"},
    {"EditP", TextProp::Hint,
     "Pravděpodobnost P|Pravděpodobnost P z (0, 1] → kvantil Qp  (Enter nebo opuštění pole)"},
    {"Chart1", TextProp::Hint, "Graf histogramu|Klepnutí do grafu skryje panel barev"},
    {"StringGrid1", TextProp::Hint, "Základní údaje histogramu"},
    {"StringGrid2", TextProp::Hint, "Tabulka pravděpodobností a distribuční funkce"},
    {"StringGrid1", TextProp::Cell, "Počet intervalů", 0, 0},
    {"StringGrid1", TextProp::Cell, "Min", 1, 0},
    {"StringGrid1", TextProp::Cell, "Max", 2, 0},
    {"StringGrid1", TextProp::Cell, "Suma pravděpodobností", 3, 0},
    {"StringGrid1", TextProp::Cell, "Suma četností", 4, 0},
    {"StringGrid7", TextProp::Cell, "P(x)", 0, 0},
    {"StringGrid7", TextProp::Cell, "P(X<=x)", 1, 0},
    {"StringGrid6", TextProp::Cell, "Qp", 0, 0},
    {"CBMarks", TextProp::Items, "P(x)\nx\nx & P(x)\nINT ... x\nINT & P(x)"},
    {"CBValInd", TextProp::Items, "Index x\nValue x"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "Veltra : Graph of histogram, reliability"},
    {"SaveGraf", TextProp::Text, "&Save histogram"},
    {"SaveGraf", TextProp::Hint, "Save histogram|Saves the shown histogram to a file (*.dis)"},
    {"BChar", TextProp::Text, "&Characteristics"},
    {"BChar", TextProp::Hint, "Characteristics|Characteristics of the shown histogram"},
    {"KrivkaTrvani", TextProp::Text, "&Distr. function"},
    {"KrivkaTrvani", TextProp::Hint,
     "Distribution function|Chart of the distribution function of the histogram"},
    {"KontTisk", TextProp::Text, "Check &print"},
    {"KontTisk", TextProp::Hint, "Check print|Check print to a spreadsheet"},
    {"BitBtn8", TextProp::Text, "Co&lours"},
    {"BitBtn8", TextProp::Hint, "Colours|Colours of the chart, the queries and the tables"},
    {"UlozOkno", TextProp::Text, "Copy &window"},
    {"UlozObrazek", TextProp::Text, "Save image…"},
    {"UlozObrazek", TextProp::Hint,
     "Save image|Saves the chart to a PNG, SVG, PDF, JPEG or BMP file by the chosen type or extension"},
    {"ExitProgram", TextProp::Text, "&Close"},
    {"ExitProgram", TextProp::Hint, "Close|Closes the chart window"},
    {"Button1", TextProp::Text, "Histogram"},
    {"Button1", TextProp::Hint, "Histogram|Colour of the histogram bars"},
    {"M1", TextProp::Hint, "Colour of the histogram"},
    {"Button2", TextProp::Text, "x"},
    {"Button3", TextProp::Text, "P(X<=x)"},
    {"Button4", TextProp::Text, "Assessment"},
    {"Button5", TextProp::Text, "Table"},
    {"Button6", TextProp::Text, "Edit window"},
    {"Button7", TextProp::Text, "txt"},
    {"Button7", TextProp::Hint, "txt|Definition of the consequence classes"},
    {"Panel3", TextProp::Hint, "Reliability assessment"},
    {"CheckBox1", TextProp::Text, "Data labels"},
    {"Label1", TextProp::Text, "Value  x :"},
    {"Label5", TextProp::Text, "Probability  P :"},
    {"Label6", TextProp::Text, "Angle :"},
    {"Label7", TextProp::Text, "Axis x :"},
    {"GBDotazy", TextProp::Text, "Queries"},
    {"GBPopisky", TextProp::Text, "Labels"},
    {"EditXY", TextProp::Hint, "Value x|Value x → P(x), P(X<=x)  (Enter or leave the field)"},
    {"EditP", TextProp::Hint,
     "Probability P|Probability P in (0, 1] → quantile Qp  (Enter or leave the field)"},
    {"Chart1", TextProp::Hint, "Chart of the histogram|A click into the chart hides the colour panel"},
    {"StringGrid1", TextProp::Hint, "Basic data of the histogram"},
    {"StringGrid2", TextProp::Hint, "Table of probabilities and of the distribution function"},
    {"StringGrid1", TextProp::Cell, "Number of intervals", 0, 0},
    {"StringGrid1", TextProp::Cell, "Min", 1, 0},
    {"StringGrid1", TextProp::Cell, "Max", 2, 0},
    {"StringGrid1", TextProp::Cell, "Sum of probabilities", 3, 0},
    {"StringGrid1", TextProp::Cell, "Sum of frequencies", 4, 0},
    {"StringGrid7", TextProp::Cell, "P(x)", 0, 0},
    {"StringGrid7", TextProp::Cell, "P(X<=x)", 1, 0},
    {"StringGrid6", TextProp::Cell, "Qp", 0, 0},
    {"CBMarks", TextProp::Items, "P(x)\nx\nx & P(x)\nINT ... x\nINT & P(x)"},
    {"CBValInd", TextProp::Items, "Index x\nValue x"},
};

constexpr TextRow kAssessmentCzech[] = {
    {"Label9", TextProp::Text, "{m405}"},
    {"Label10", TextProp::Text, "Pd"},
    {"Label11", TextProp::Text, "Beta"},
    {"Label12", TextProp::Text, "Qpd"},
    {"Label13", TextProp::Text, "Pf :"},
    {"Label14", TextProp::Text, "beta_f :"},
    {"Label15", TextProp::Text, "Norma :"},
    {"LabPairValues", TextProp::Text, "S vyhodnoceno na horních mezích intervalů (dřívější verze)"},
    {"StringGrid3", TextProp::Cell, "  Interval s 0", 0, 0},
    {"StringGrid3", TextProp::Cell, "  Min", 1, 0},
    {"StringGrid3", TextProp::Cell, "  Střed intervalu", 2, 0},
    {"Edit7", TextProp::Tooltip, "Pravděpodobnost poruchy Pf"},
    {"Edit12", TextProp::Tooltip, "Index spolehlivosti beta_f"},
    {"CBNorma", TextProp::Tooltip, "Norma tříd spolehlivosti"},
    {"CBNorma", TextProp::Items, "ČSN EN 1990\nČSN (STN) 73 1401"},
};

constexpr TextRow kAssessmentEnglish[] = {
    {"Label9", TextProp::Text, "{m405}"},
    {"Label10", TextProp::Text, "Pd"},
    {"Label11", TextProp::Text, "Beta"},
    {"Label12", TextProp::Text, "Qpd"},
    {"Label13", TextProp::Text, "Pf :"},
    {"Label14", TextProp::Text, "beta_f :"},
    {"Label15", TextProp::Text, "Standard :"},
    {"LabPairValues", TextProp::Text, "S evaluated at the upper bin edges (earlier versions)"},
    {"StringGrid3", TextProp::Cell, "  Interval with 0", 0, 0},
    {"StringGrid3", TextProp::Cell, "  Min", 1, 0},
    {"StringGrid3", TextProp::Cell, "  Interval centre", 2, 0},
    {"Edit7", TextProp::Tooltip, "Probability of failure Pf"},
    {"Edit12", TextProp::Tooltip, "Reliability index beta_f"},
    {"CBNorma", TextProp::Tooltip, "Standard of the reliability classes"},
    {"CBNorma", TextProp::Items, "ČSN EN 1990\nČSN (STN) 73 1401"},
};

constexpr TextRow kVerificationCzech[] = {
    {"GBOvereni", TextProp::Text, "Ověření Pf"},
    {"BBOvereni", TextProp::Text, "Ověřit (Monte Carlo)"},
    {"BBOvereni", TextProp::Hint,
     "Ověřit (Monte Carlo)|Ověří Pf posudku přímým vzorkováním modelu, pásmem diskretizace a citlivostí na "
     "vstupech"},
    {"BBOvereniStorno", TextProp::Text, "Přerušit"},
    {"BBOvereniStorno", TextProp::Hint, "Přerušit|Přeruší běžící ověření"},
    {"BBCitlivost", TextProp::Text, "Citlivost ..."},
    {"BBCitlivost", TextProp::Hint, "Citlivost|Okno citlivosti Pf na jednotlivých vstupech (tornádo)"},
    {"StringGridMC", TextProp::Header, "Výpočet", 0, 0},
    {"StringGridMC", TextProp::Header, "Pf", 0, 1},
    {"StringGridMC", TextProp::Header, "95% interval", 0, 2},
    {"StringGridMC", TextProp::Header, "Vzorků", 0, 3},
    {"StringGridMC", TextProp::Hint,
     "Ověření Pf|Monte Carlo: Pf vzorkovaný bod po bodu se vstupy ve středech intervalů (čtení posudku) a "
     "rovnoměrně v intervalech; pod ním Pf posudku se vstupy zhrubenými na 64 a 128 intervalů"},
};

constexpr TextRow kVerificationEnglish[] = {
    {"GBOvereni", TextProp::Text, "Check of Pf"},
    {"BBOvereni", TextProp::Text, "Verify (Monte Carlo)"},
    {"BBOvereni", TextProp::Hint,
     "Verify (Monte Carlo)|Checks the Pf of the assessment by sampling the model directly, by the "
     "discretisation band and by the sensitivity to the inputs"},
    {"BBOvereniStorno", TextProp::Text, "Cancel"},
    {"BBOvereniStorno", TextProp::Hint, "Cancel|Cancels the running check"},
    {"BBCitlivost", TextProp::Text, "Sensitivity ..."},
    {"BBCitlivost", TextProp::Hint, "Sensitivity|Window of the sensitivity of Pf to each input (tornado)"},
    {"StringGridMC", TextProp::Header, "Computation", 0, 0},
    {"StringGridMC", TextProp::Header, "Pf", 0, 1},
    {"StringGridMC", TextProp::Header, "95% interval", 0, 2},
    {"StringGridMC", TextProp::Header, "Samples", 0, 3},
    {"StringGridMC", TextProp::Hint,
     "Check of Pf|Monte Carlo: Pf sampled point by point with the inputs at their bin centres (the reading "
     "of the assessment) and uniform in their bins; below, the Pf of the assessment with the inputs "
     "coarsened to 64 and 128 bins"},
};

// Texts composed at run time: the caption of the shown source, the table header, the axis titles.
void afterTexts(QWidget& window, Language language) {
  if (auto* form = qobject_cast<ChartWindow*>(&window)) form->ApplyRuntimeTexts(language);
}

}  // namespace

const TextSet kChartWindowTexts{3, kCzech, kEnglish, afterTexts};
const TextSet kChartAssessmentTexts{3, kAssessmentCzech, kAssessmentEnglish};
const TextSet kChartVerificationTexts{3, kVerificationCzech, kVerificationEnglish};
