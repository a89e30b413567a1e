// Texts of the window RawDataWindow in Czech and English.
#include "ui/ChartExportTexts.h"
#include "ui/RawDataWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kOwnCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Prvotní data"},
    {"GroupBox5", TextProp::Text, "  Histogram prvotních dat  "},
    {"GroupBox6", TextProp::Text, "Prvotní data"},
    {"GBPopisky", TextProp::Text, "Popisky"},
    {"Label1", TextProp::Text, "Min"},
    {"Label2", TextProp::Text, "Max"},
    {"Label3", TextProp::Text, "Počet intervalů"},
    {"Label4", TextProp::Text, "Eps P(Xmin)"},
    {"Label11", TextProp::Text, "Typ ( podle těsnosti )"},
    {"OpenData", TextProp::Text, "&Otevřít data ..."},
    {"Button2", TextProp::Text, "NeParam"},
    {"BChar", TextProp::Text, "Charakteristiky"},
    {"BuParam", TextProp::Text, "Param"},
    {"BTabChar", TextProp::Text, "TAB"},
    {"BNovy", TextProp::Text, "&Nová data"},
    {"BSave", TextProp::Text, "&Save  "},
    {"Bcancel", TextProp::Text, "Zrušit"},
    {"UlozGraf", TextProp::Text, "Uložit graf"},
    {"SpeedButton1", TextProp::Text, "Kopie okna"},
    {"BitBtn1", TextProp::Text, "&Zavřít"},
    {"CheckBox1", TextProp::Text, "Popisky dat"},
    {"OpenData", TextProp::Hint, "Otevřít|Načte prvotní data ze souboru (jedna hodnota na řádku)"},
    {"Button2", TextProp::Hint, "Histogram|Histogram prvotních dat (neparametrický)"},
    {"BuParam", TextProp::Hint, "Parametrická rozdělení|Vyrovná prvotní data parametrickými rozděleními"},
    {"BTabChar", TextProp::Hint, "Tabulka|Tabulka vhodných parametrických rozdělení"},
    {"BChar", TextProp::Hint, "Charakteristiky|Charakteristiky zobrazeného histogramu"},
    {"BNovy", TextProp::Hint, "Nová data|Zápis nových prvotních dat"},
    {"MemoDat", TextProp::Hint, "Prvotní data|Hodnoty seřazené vzestupně s pořadím"},
    {"CBTypPara", TextProp::Hint, "Typ|Vhodná rozdělení seřazená podle těsnosti"},
    {"EdPocetIntervalu", TextProp::Hint, "Počet intervalů|3 až 256"},
    {"EdEps", TextProp::Hint, "Eps|Eps pro Min(x) v intervalu ( 1E-8 , 1 )"},
    {"StringGrid1", TextProp::Hint, "Histogram|Klepnutím vysvětlení"},
    {"StringGrid3", TextProp::Hint, "Statistiky|Klepnutím vysvětlení"},
    {"StringGrid6", TextProp::Hint, "Charakteristiky|Klepnutím vysvětlení"},
    {"StringGrid3", TextProp::Cell, "Počet dat", 0, 0},
    {"StringGrid3", TextProp::Cell, "Střední hodnota", 1, 0},
    {"StringGrid3", TextProp::Cell, "Směr.odchylka", 2, 0},
    {"StringGrid3", TextProp::Cell, "Šikmost", 3, 0},
    {"StringGrid1", TextProp::Cell, "Xmin", 0, 0},
    {"StringGrid1", TextProp::Cell, "Xmax", 1, 0},
    {"StringGrid1", TextProp::Cell, "Median", 2, 0},
    {"StringGrid1", TextProp::Cell, "Mode", 3, 0},
    {"StringGrid6", TextProp::Cell, "Střední hodnota", 0, 0},
    {"StringGrid6", TextProp::Cell, "Směr.odchylka", 1, 0},
    {"StringGrid6", TextProp::Cell, "Šikmost", 2, 0},
    {"CBMarks", TextProp::Items, "P(x)\nx\nx & P(x)\nINT ... x\nINT & P(x)"},
    {"CBValInd", TextProp::Items, "Index x\nValue x"},
    {"SpinEdAngle", TextProp::Hint, "Úhel|Úhel popisků dat ve stupních"},
    {"CBMarks", TextProp::Hint, "Popisky|Co popisky sloupců ukazují"},
    {"Panel6", TextProp::Hint, "Graf|Zvětšení a zmenšení grafu"},
};

constexpr TextRow kOwnEnglish[] = {
    {"", TextProp::Caption, "  Veltra : Raw data"},
    {"GroupBox5", TextProp::Text, "  Raw data histogram  "},
    {"GroupBox6", TextProp::Text, "Raw data"},
    {"GBPopisky", TextProp::Text, "Labels"},
    {"Label1", TextProp::Text, "Min"},
    {"Label2", TextProp::Text, "Max"},
    {"Label3", TextProp::Text, "Number of intervals"},
    {"Label4", TextProp::Text, "Eps P(Xmin)"},
    {"Label11", TextProp::Text, "Type ( by closeness )"},
    {"OpenData", TextProp::Text, "&Open data ..."},
    {"Button2", TextProp::Text, "NonParam"},
    {"BChar", TextProp::Text, "Characteristics"},
    {"BuParam", TextProp::Text, "Param"},
    {"BTabChar", TextProp::Text, "TAB"},
    {"BNovy", TextProp::Text, "&New data"},
    {"BSave", TextProp::Text, "&Save  "},
    {"Bcancel", TextProp::Text, "Cancel"},
    {"UlozGraf", TextProp::Text, "Save chart"},
    {"SpeedButton1", TextProp::Text, "Copy window"},
    {"BitBtn1", TextProp::Text, "&Close"},
    {"CheckBox1", TextProp::Text, "Data labels"},
    {"OpenData", TextProp::Hint, "Open|Reads raw data from a file (one value a line)"},
    {"Button2", TextProp::Hint, "Histogram|Histogram of the raw data (non-parametric)"},
    {"BuParam", TextProp::Hint, "Parametric distributions|Fits parametric distributions to the raw data"},
    {"BTabChar", TextProp::Hint, "Table|Table of the suitable parametric distributions"},
    {"BChar", TextProp::Hint, "Characteristics|Characteristics of the shown histogram"},
    {"BNovy", TextProp::Hint, "New data|Typing new raw data"},
    {"MemoDat", TextProp::Hint, "Raw data|The values in ascending order with their index"},
    {"CBTypPara", TextProp::Hint, "Type|Suitable distributions by closeness"},
    {"EdPocetIntervalu", TextProp::Hint, "Number of intervals|3 to 256"},
    {"EdEps", TextProp::Hint, "Eps|Eps for Min(x) within ( 1E-8 , 1 )"},
    {"StringGrid1", TextProp::Hint, "Histogram|Click for an explanation"},
    {"StringGrid3", TextProp::Hint, "Statistics|Click for an explanation"},
    {"StringGrid6", TextProp::Hint, "Characteristics|Click for an explanation"},
    {"StringGrid3", TextProp::Cell, "Count", 0, 0},
    {"StringGrid3", TextProp::Cell, "Mean", 1, 0},
    {"StringGrid3", TextProp::Cell, "Std. deviation", 2, 0},
    {"StringGrid3", TextProp::Cell, "Skewness", 3, 0},
    {"StringGrid1", TextProp::Cell, "Xmin", 0, 0},
    {"StringGrid1", TextProp::Cell, "Xmax", 1, 0},
    {"StringGrid1", TextProp::Cell, "Median", 2, 0},
    {"StringGrid1", TextProp::Cell, "Mode", 3, 0},
    {"StringGrid6", TextProp::Cell, "Mean", 0, 0},
    {"StringGrid6", TextProp::Cell, "Std. deviation", 1, 0},
    {"StringGrid6", TextProp::Cell, "Skewness", 2, 0},
    {"CBMarks", TextProp::Items, "P(x)\nx\nx & P(x)\nINT ... x\nINT & P(x)"},
    {"CBValInd", TextProp::Items, "Index x\nValue x"},
    {"SpinEdAngle", TextProp::Hint, "Angle|Angle of the data labels in degrees"},
    {"CBMarks", TextProp::Hint, "Labels|What the labels of the bars show"},
    {"Panel6", TextProp::Hint, "Chart|Zooming the chart in and out"},
};

constexpr auto kCzech = joinTextRows(kOwnCzech, kChartExportCzech);
constexpr auto kEnglish = joinTextRows(kOwnEnglish, kChartExportEnglish);

// Texts the window composes at run time follow the language too.
void after(QWidget& window, Language language) {
  if (auto* w = qobject_cast<RawDataWindow*>(&window)) w->ApplyRuntimeTexts(language);
}

}  // namespace

const TextSet kRawDataWindowTexts{5, kCzech, kEnglish, &after};
