// Texts of the parametric distribution window (ParametricWindow) in Czech and English.
#include "ui/ChartExportTexts.h"
#include "ui/ParametricWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kOwnCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Parametrické rozdělení"},
    {"GBTypRozd", TextProp::Text, " Typ rozdělení "},
    {"Label1", TextProp::Text, "Rozdělení pravděpodobnosti :"},
    {"Label2", TextProp::Text, "Počet intervalů "},
    {"Label6", TextProp::Text, "Eps pro Min (x) "},
    {"GBPopisky", TextProp::Text, " Popisky "},
    {"CheckBox1", TextProp::Text, "Popisky dat"},
    {"Label11", TextProp::Text, "Úhel :"},
    {"Label4", TextProp::Text, "Osa x :"},
    {"BChar", TextProp::Text, "Char"},
    {"BitBtn1", TextProp::Text, "&Zavřít"},
    {"CBTypRozdeleni", TextProp::Hint, "Typ rozdělení|Výběr typu parametrického rozdělení pravděpodobnosti"},
    {"EdPocetIntervalu", TextProp::Hint, "Počet intervalů|Počet intervalů histogramu (3 .. 256)"},
    {"EdEps", TextProp::Hint, "Eps|Min f(x) = Eps * Max f(x) : určuje meze histogramu"},
    {"EdPara1", TextProp::Hint, "1. parametr|První parametr rozdělení"},
    {"EdPara2", TextProp::Hint, "2. parametr|Druhý parametr rozdělení"},
    {"EdPara3", TextProp::Hint, "3. parametr|Třetí parametr rozdělení"},
    {"EdPara4", TextProp::Hint, "4. parametr|Čtvrtý parametr rozdělení"},
    {"BChar", TextProp::Hint, "Charakteristiky|Charakteristiky zobrazeného histogramu"},
    {"SpeedButton1", TextProp::Hint, "Kopie okna|Zkopíruje obraz okna do schránky"},
    {"BitBtn1", TextProp::Hint, "Zavřít|Zavře okno a předá histogram hlavnímu oknu"},
    {"StringGrid1", TextProp::Hint, "Xmin, Xmax, Median, Mode|Klikem se zobrazí vysvětlení"},
    {"StringGrid2", TextProp::Hint,
     "Tabulka pravděpodobností|Intervaly, pravděpodobnosti, četnosti a distribuční funkce"},
    {"Chart1L", TextProp::Hint, "Graf|Histogram parametrického rozdělení"},
    {"CBMarks", TextProp::Hint, "Popisky|Obsah popisků sloupců"},
    {"SpinEdAngle", TextProp::Hint, "Úhel|Úhel popisků sloupců"},
    {"CBValInd", TextProp::Hint, "Osa x|Popisky osy x : index nebo hodnota"},
};

constexpr TextRow kOwnEnglish[] = {
    {"", TextProp::Caption, "  Veltra :   Parametric distribution"},
    {"GBTypRozd", TextProp::Text, " Distribution type "},
    {"Label1", TextProp::Text, "Probability distribution :"},
    {"Label2", TextProp::Text, "Number of intervals "},
    {"Label6", TextProp::Text, "Eps for Min (x) "},
    {"GBPopisky", TextProp::Text, " Labels "},
    {"CheckBox1", TextProp::Text, "Data labels"},
    {"Label11", TextProp::Text, "Angle :"},
    {"Label4", TextProp::Text, "Axis x :"},
    {"BChar", TextProp::Text, "Char"},
    {"BitBtn1", TextProp::Text, "&Close"},
    {"CBTypRozdeleni", TextProp::Hint, "Distribution type|Choice of the parametric probability distribution"},
    {"EdPocetIntervalu", TextProp::Hint,
     "Number of intervals|Number of intervals of the histogram (3 .. 256)"},
    {"EdEps", TextProp::Hint, "Eps|Min f(x) = Eps * Max f(x) : sets the limits of the histogram"},
    {"EdPara1", TextProp::Hint, "1st parameter|First parameter of the distribution"},
    {"EdPara2", TextProp::Hint, "2nd parameter|Second parameter of the distribution"},
    {"EdPara3", TextProp::Hint, "3rd parameter|Third parameter of the distribution"},
    {"EdPara4", TextProp::Hint, "4th parameter|Fourth parameter of the distribution"},
    {"BChar", TextProp::Hint, "Characteristics|Characteristics of the shown histogram"},
    {"SpeedButton1", TextProp::Hint, "Window copy|Copies the image of the window to the clipboard"},
    {"BitBtn1", TextProp::Hint, "Close|Closes the window and hands the histogram to the main window"},
    {"StringGrid1", TextProp::Hint, "Xmin, Xmax, Median, Mode|Click for an explanation"},
    {"StringGrid2", TextProp::Hint,
     "Probability table|Intervals, probabilities, frequencies and distribution function"},
    {"Chart1L", TextProp::Hint, "Chart|Histogram of the parametric distribution"},
    {"CBMarks", TextProp::Hint, "Labels|Content of the bar labels"},
    {"SpinEdAngle", TextProp::Hint, "Angle|Angle of the bar labels"},
    {"CBValInd", TextProp::Hint, "Axis x|Labels of axis x : index or value"},
};

constexpr auto kCzech = joinTextRows(kOwnCzech, kChartExportCzech);
constexpr auto kEnglish = joinTextRows(kOwnEnglish, kChartExportEnglish);

void afterTexts(QWidget& window, Language language) {
  if (auto* w = qobject_cast<ParametricWindow*>(&window)) w->ApplyRuntimeTexts(language);
}

}  // namespace

const TextSet kParametricWindowTexts{4, kCzech, kEnglish, afterTexts};
