// Texts of the bolt-pattern design window (set 16) and the texts it composes at run time.
#include <QString>
#include <array>

#include "ui/ChartExportTexts.h"
#include "ui/DesignWindow.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kOwnCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Návrh kotvení"},
    {"LabTrida", TextProp::Text, "Cílová třída spolehlivosti"},
    {"LabNavrhPK", TextProp::Text, "Počty svorníků v řadě n"},
    {"LabNavrhPS", TextProp::Text, "Průměry svorníku d1 [mm]"},
    {"LabNavrhDs", TextProp::Text, "Rozteč řad ds [mm]  od:do:krok"},
    {"EdNavrhPK", TextProp::Hint, "Počty svorníků|Celá čísla oddělená čárkou, např. 2,3,4,5,6"},
    {"EdNavrhPS", TextProp::Hint, "Průměry svorníku|Čísla v mm oddělená čárkou, např. 16,18,20,22"},
    {"EdNavrhDs", TextProp::Hint, "Rozteče řad|Od:do:krok v mm, např. 500:2000:50"},
    {"BBSpocitat", TextProp::Text, "&Navrhnout"},
    {"BBSpocitat", TextProp::Hint, "Navrhnout|Spočítá potřebné k a všechny vzory zadaných rozsahů"},
    {"LabKrivky", TextProp::Text, "Křivky v grafu"},
    {"LBKrivky", TextProp::Hint, "Křivky|Zaškrtnuté dvojice (n, d1) se kreslí v grafu"},
    {"Chart1", TextProp::Hint, "Pf podle rozteče|Pravděpodobnost poruchy podle rozteče řad a Pd tříd normy"},
    {"StringGrid1", TextProp::Hint,
     "Vzory kotvení|Nejlehčí nahoře; nejlehčí vzor, který dosáhne cílové třídy, je zvýrazněn"},
    {"StringGrid1", TextProp::Header, "n", 0, 0},
    {"StringGrid1", TextProp::Header, "d1 [mm]", 0, 1},
    {"StringGrid1", TextProp::Header, "d2 [mm]", 0, 2},
    {"StringGrid1", TextProp::Header, "ds [mm]", 0, 3},
    {"StringGrid1", TextProp::Header, "k", 0, 4},
    {"StringGrid1", TextProp::Header, "Pf", 0, 5},
    {"StringGrid1", TextProp::Header, "Třída", 0, 6},
    {"StringGrid1", TextProp::Header, "Ocel [kg/m]", 0, 7},
    {"BBPouzit", TextProp::Text, "&Použít tento vzor"},
    {"BBPouzit", TextProp::Hint,
     "Použít tento vzor|Zapíše n, d1 a ds vybraného (jinak nejlehčího) vzoru do hlavního okna"},
    {"BBUlozTabulku", TextProp::Text, "Uložit &tabulku ..."},
    {"BBUlozTabulku", TextProp::Hint, "Uložit tabulku|Uloží tabulku vzorů do souboru CSV"},
    {"ExitProgram", TextProp::Text, "&Zavřít"},
    {"ExitProgram", TextProp::Hint, "Zavřít|Zavře okno návrhu kotvení"},
};

constexpr TextRow kOwnEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :   Bolt pattern design"},
    {"LabTrida", TextProp::Text, "Target reliability class"},
    {"LabNavrhPK", TextProp::Text, "Bolts in a row n"},
    {"LabNavrhPS", TextProp::Text, "Bolt diameters d1 [mm]"},
    {"LabNavrhDs", TextProp::Text, "Row spacing ds [mm]  min:max:step"},
    {"EdNavrhPK", TextProp::Hint, "Bolts in a row|Whole numbers separated by commas, e.g. 2,3,4,5,6"},
    {"EdNavrhPS", TextProp::Hint, "Bolt diameters|Numbers in mm separated by commas, e.g. 16,18,20,22"},
    {"EdNavrhDs", TextProp::Hint, "Row spacings|Min:max:step in mm, e.g. 500:2000:50"},
    {"BBSpocitat", TextProp::Text, "&Design"},
    {"BBSpocitat", TextProp::Hint, "Design|Computes the required k and every pattern of the ranges"},
    {"LabKrivky", TextProp::Text, "Curves in the chart"},
    {"LBKrivky", TextProp::Hint, "Curves|The checked pairs (n, d1) are drawn in the chart"},
    {"Chart1", TextProp::Hint,
     "Pf against spacing|Probability of failure against the row spacing and the Pd of the standard's "
     "classes"},
    {"StringGrid1", TextProp::Hint,
     "Bolt patterns|Lightest first; the lightest pattern that reaches the target class is marked"},
    {"StringGrid1", TextProp::Header, "n", 0, 0},
    {"StringGrid1", TextProp::Header, "d1 [mm]", 0, 1},
    {"StringGrid1", TextProp::Header, "d2 [mm]", 0, 2},
    {"StringGrid1", TextProp::Header, "ds [mm]", 0, 3},
    {"StringGrid1", TextProp::Header, "k", 0, 4},
    {"StringGrid1", TextProp::Header, "Pf", 0, 5},
    {"StringGrid1", TextProp::Header, "Class", 0, 6},
    {"StringGrid1", TextProp::Header, "Steel [kg/m]", 0, 7},
    {"BBPouzit", TextProp::Text, "&Use this pattern"},
    {"BBPouzit", TextProp::Hint,
     "Use this pattern|Writes n, d1 and ds of the selected (else the lightest) pattern into the main window"},
    {"BBUlozTabulku", TextProp::Text, "Save &table ..."},
    {"BBUlozTabulku", TextProp::Hint, "Save table|Saves the pattern table as a CSV file"},
    {"ExitProgram", TextProp::Text, "&Close"},
    {"ExitProgram", TextProp::Hint, "Close|Closes the bolt pattern design window"},
};

constexpr auto kCzech = joinTextRows(kOwnCzech, kChartExportCzech);
constexpr auto kEnglish = joinTextRows(kOwnEnglish, kChartExportEnglish);

// The figures, the chart and the table in the new language.
void afterTexts(QWidget& window, Language language) {
  if (auto* form = qobject_cast<DesignWindow*>(&window)) form->ApplyRuntimeTexts(language);
}

struct RuntimeRow {
  DesignText id;
  const char* czech;
  const char* english;
};

constexpr RuntimeRow kRuntime[] = {
    {DesignText::Computing, "Počítám návrh ...", "Designing ..."},
    {DesignText::KRequired, "Potřebné k = %1   (Pf = %2)", "Required k = %1   (Pf = %2)"},
    {DesignText::KAlwaysReached, "Cílové třídy dosáhne každé k > 0.",
     "Every k > 0 reaches the target class."},
    {DesignText::KNeverReached, "Cílové třídy nedosáhne žádné k.", "No k reaches the target class."},
    {DesignText::Margin, "Rezerva současného kotvení  k / k potřebné = %1",
     "Margin of the present pattern  k / required k = %1"},
    {DesignText::MarginNone, "Rezerva současného kotvení: -", "Margin of the present pattern: -"},
    {DesignText::Current, "Současné kotvení:  n = %1,  d1 = %2 mm,  ds = %3 mm,  k = %4,  Pf = %5,  %6",
     "Present pattern:  n = %1,  d1 = %2 mm,  ds = %3 mm,  k = %4,  Pf = %5,  %6"},
    {DesignText::CurrentNone, "Současné kotvení: údaje svorníků v hlavním okně nedávají vzor.",
     "Present pattern: the bolt fields of the main window give no pattern."},
    {DesignText::Lightest, "Nejlehčí vzor:  n = %1,  d1 = %2 mm,  ds = %3 mm,  ocel %4 kg/m,  Pf = %5,  %6",
     "Lightest pattern:  n = %1,  d1 = %2 mm,  ds = %3 mm,  steel %4 kg/m,  Pf = %5,  %6"},
    {DesignText::BestReachable,
     "Nejlehčí vzor nejlepší dosažené třídy:  n = %1,  d1 = %2 mm,  ds = %3 mm,  ocel %4 kg/m,  Pf = %5,  %6",
     "Lightest pattern of the best class reached:  n = %1,  d1 = %2 mm,  ds = %3 mm,  steel %4 kg/m,  Pf = "
     "%5,  "
     "%6"},
    {DesignText::PatternCount, "Zobrazeno vzorů: %1 z %2", "Patterns shown: %1 of %2"},
    {DesignText::CurveName, "n = %1, d1 = %2", "n = %1, d1 = %2"},
    {DesignText::PdLine, "Pd %1 = %2", "Pd %1 = %2"},
    {DesignText::AxisSpacing, "Rozteč řad ds [mm]", "Row spacing ds [mm]"},
    {DesignText::AxisPf, "Pravděpodobnost poruchy Pf", "Probability of failure Pf"},
    {DesignText::ClassNone, "žádná třída", "no class"},
    {DesignText::TableFilter, "Tabulka CSV (*.csv)|*.csv|Všechny soubory (*.*)|*.*",
     "CSV table (*.csv)|*.csv|All files (*.*)|*.*"},
    {DesignText::TableTitle, "Uložit tabulku vzorů kotvení", "Save the table of bolt patterns"},
    {DesignText::ReportSection, "Návrh kotvení", "Bolt pattern design"},
    {DesignText::ReportTarget, "Cílová třída:  %1   (Pd = %2)", "Target class:  %1   (Pd = %2)"},
    {DesignText::ReportLength, "Délka svorníku Lq (95% kvantil):  %1 m",
     "Bolt length Lq (95% quantile):  %1 m"},
    {DesignText::ReportColumns, "n\td1 [mm]\tds [mm]\tk\tPf\tTřída\tOcel [kg/m]",
     "n\td1 [mm]\tds [mm]\tk\tPf\tClass\tSteel [kg/m]"},
    {DesignText::ReportBest, "Nejlehčí vzory, které dosáhnou cílové třídy",
     "The lightest patterns that reach the target class"},
};

}  // namespace

const TextSet kDesignWindowTexts{16, kCzech, kEnglish, afterTexts};

std::string designText(DesignText id, Language language) {
  for (const RuntimeRow& r : kRuntime)
    if (r.id == id) return language == Language::English ? r.english : r.czech;
  return {};
}

std::string designTextFormat(DesignText id, Language language, const std::vector<std::string>& args) {
  QString t = QString::fromUtf8(designText(id, language));
  for (const std::string& a : args) t = t.arg(QString::fromStdString(a));
  return t.toStdString();
}
