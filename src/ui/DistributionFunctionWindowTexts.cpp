// Texts of the distribution function window (DistributionFunctionWindow) in Czech and English.
#include "ui/DistributionFunctionWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA   :   Graf distribuční funkce"},
    {"CheckBox1", TextProp::Text, "Marks"},
    {"ExitBtn", TextProp::Text, "&Zavřít"},
    {"Nastaven2", TextProp::Text, "&Graf do"},
    {"Schranka", TextProp::Text, "&Schránky"},
    {"Bitmapa", TextProp::Text, "&Bitmapy"},
    {"Metafile", TextProp::Text, "&MetaFile"},
    {"JPGFile", TextProp::Text, "&JPGFile"},
    {"Chart1L", TextProp::Hint, "Distribuční funkce|Graf distribuční funkce F(x) = P(X <= x)"},
    {"StringGrid2", TextProp::Hint, "Tabulka|Distribuční funkce na hranicích a ve středech intervalů"},
    {"CBMarks", TextProp::Hint, "Popisky|Obsah popisků sloupců"},
    {"SpinEdAngle", TextProp::Hint, "Úhel|Úhel popisků sloupců"},
    {"CBValInd", TextProp::Hint, "Osa x|Popisky osy x : index nebo hodnota"},
    {"UlozGraf", TextProp::Hint,
     "Uložit graf | Uloží graf. Předem klikem pravého tlačítka myši na ikonu grafu zvolte typ uložení !"},
    {"SpeedButton1", TextProp::Hint, "Kopie okna|Zkopíruje obraz okna do schránky"},
    {"OtevriWord", TextProp::Hint, "Word|Otevře nový dokument textového editoru"},
    {"ExitBtn", TextProp::Hint, "Zavřít|Zavře okno distribuční funkce"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA : Distribution function chart "},
    {"CheckBox1", TextProp::Text, "Marks"},
    {"ExitBtn", TextProp::Text, "&Close"},
    {"Nastaven2", TextProp::Text, "&Chart to"},
    {"Schranka", TextProp::Text, "&Clipboard"},
    {"Bitmapa", TextProp::Text, "&Bitmap"},
    {"Metafile", TextProp::Text, "&MetaFile"},
    {"JPGFile", TextProp::Text, "&JPGFile"},
    {"Chart1L", TextProp::Hint, "Distribution function|Chart of the distribution function F(x) = P(X <= x)"},
    {"StringGrid2", TextProp::Hint, "Table|Distribution function at the edges and centres of the intervals"},
    {"CBMarks", TextProp::Hint, "Labels|Content of the bar labels"},
    {"SpinEdAngle", TextProp::Hint, "Angle|Angle of the bar labels"},
    {"CBValInd", TextProp::Hint, "Axis x|Labels of axis x : index or value"},
    {"UlozGraf", TextProp::Hint,
     "Save chart | Saves the chart. Choose the kind of saving first by a right click on the chart icon !"},
    {"SpeedButton1", TextProp::Hint, "Window copy|Copies the image of the window to the clipboard"},
    {"OtevriWord", TextProp::Hint, "Word|Opens a new word-processor document"},
    {"ExitBtn", TextProp::Hint, "Close|Closes the distribution function window"},
};

void afterTexts(QWidget& window, Language language) {
  if (auto* w = qobject_cast<DistributionFunctionWindow*>(&window)) w->ApplyRuntimeTexts(language);
}

}  // namespace

const TextSet kDistributionFunctionWindowTexts{12, kCzech, kEnglish, afterTexts};
