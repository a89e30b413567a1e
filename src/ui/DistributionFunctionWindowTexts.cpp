// Texts of the distribution function window (DistributionFunctionWindow) in Czech and English.
#include "ui/ChartExportTexts.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kOwnCzech[] = {
    {"", TextProp::Caption, "  VELTRA   :   Graf distribuční funkce"},
    {"CheckBox1", TextProp::Text, "Marks"},
    {"ExitBtn", TextProp::Text, "&Zavřít"},
    {"Chart1L", TextProp::Hint, "Distribuční funkce|Graf distribuční funkce F(x) = P(X <= x)"},
    {"StringGrid2", TextProp::Hint, "Tabulka|Distribuční funkce na hranicích a ve středech intervalů"},
    {"CBMarks", TextProp::Hint, "Popisky|Obsah popisků sloupců"},
    {"SpinEdAngle", TextProp::Hint, "Úhel|Úhel popisků sloupců"},
    {"CBValInd", TextProp::Hint, "Osa x|Popisky osy x : index nebo hodnota"},
    {"SpeedButton1", TextProp::Hint, "Kopie okna|Zkopíruje obraz okna do schránky"},
    {"OtevriWord", TextProp::Hint, "Word|Otevře nový dokument textového editoru"},
    {"ExitBtn", TextProp::Hint, "Zavřít|Zavře okno distribuční funkce"},
};

constexpr TextRow kOwnEnglish[] = {
    {"", TextProp::Caption, "  VELTRA : Distribution function chart "},
    {"CheckBox1", TextProp::Text, "Marks"},
    {"ExitBtn", TextProp::Text, "&Close"},
    {"Chart1L", TextProp::Hint, "Distribution function|Chart of the distribution function F(x) = P(X <= x)"},
    {"StringGrid2", TextProp::Hint, "Table|Distribution function at the edges and centres of the intervals"},
    {"CBMarks", TextProp::Hint, "Labels|Content of the bar labels"},
    {"SpinEdAngle", TextProp::Hint, "Angle|Angle of the bar labels"},
    {"CBValInd", TextProp::Hint, "Axis x|Labels of axis x : index or value"},
    {"SpeedButton1", TextProp::Hint, "Window copy|Copies the image of the window to the clipboard"},
    {"OtevriWord", TextProp::Hint, "Word|Opens a new word-processor document"},
    {"ExitBtn", TextProp::Hint, "Close|Closes the distribution function window"},
};

constexpr auto kCzech = joinTextRows(kOwnCzech, kChartExportCzech);
constexpr auto kEnglish = joinTextRows(kOwnEnglish, kChartExportEnglish);

void afterTexts(QWidget& window, Language language) {
  if (auto* w = qobject_cast<DistributionFunctionWindow*>(&window)) w->ApplyRuntimeTexts(language);
}

}  // namespace

const TextSet kDistributionFunctionWindowTexts{12, kCzech, kEnglish, afterTexts};
