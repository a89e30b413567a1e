// Texts of the rock type list window (set 6).
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "   VELTRA :      Tabulka typů hornin"},
    {"Memo1", TextProp::Hint,
     "Druhy hornin|Seznam druhů hornin nabízených v tabulce horninových poměrů, jeden druh na řádek"},
    {"BBSaveNabidky", TextProp::Text, "&Uložit do nabídky hornin"},
    {"OpenTabHorn", TextProp::Hint, "Otevřít|Načte tabulku druhů hornin ze souboru"},
    {"SaveTabHorn", TextProp::Hint, "Uložit|Uloží tabulku druhů hornin do souboru"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "   VELTRA :      Rock types table"},
    {"Memo1", TextProp::Hint,
     "Rock types|The rock types offered in the table of rock conditions, one per line"},
    {"BBSaveNabidky", TextProp::Text, "&Save to the rock type offer"},
    {"OpenTabHorn", TextProp::Hint, "Open|Reads the table of rock types from a file"},
    {"SaveTabHorn", TextProp::Hint, "Save|Saves the table of rock types to a file"},
};

}  // namespace

const TextSet kRockTypesWindowTexts{6, kCzech, kEnglish};
