// Texts of the window NewHistogramWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :  Popis nového histogramu"},
    {"Label1", TextProp::Text, "Min"},
    {"Label3", TextProp::Text, "Max"},
    {"Label2", TextProp::Text, "Typ"},
    {"Label4", TextProp::Text, "Četnosti histogramu"},
    {"Label5", TextProp::Text, "Počet dat"},
    {"Label6", TextProp::Text, "Suma četností"},
    {"Label7", TextProp::Text, "index"},
    {"ComboBox1", TextProp::Items, "Discrete"},
    {"BNavrat", TextProp::Text, "&Save"},
    {"BitBtn1", TextProp::Text, "&Zrušit"},
    {"Edit1", TextProp::Hint, "Min|Dolní mez prvního intervalu (u čistě diskrétního typu první hodnota)"},
    {"Edit2", TextProp::Hint, "Max|Horní mez posledního intervalu"},
    {"ComboBox1", TextProp::Hint,
     "Typ histogramu|\"Discrete\": intervaly mezi Min a Max; jiný text: hodnoty Min, Min + 1, ..."},
    {"Memo1", TextProp::Hint,
     "Četnosti|Jedna celočíselná četnost na řádek, řádek i je interval i (nejvýše 256)"},
    {"Edit3", TextProp::Hint, "Počet dat|Počet řádků seznamu četností"},
    {"Edit5", TextProp::Hint, "Suma četností|Součet četností seznamu"},
    {"Edit6", TextProp::Hint, "index|Číslo řádku, na kterém stojí kurzor"},
    {"BNavrat", TextProp::Hint, "Uložit|Zkontroluje zadání a předá histogram nebo jej uloží do souboru"},
    {"BitBtn1", TextProp::Hint, "Zrušit|Zavře okno bez vytvoření histogramu"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :  Definition of new histogram"},
    {"Label1", TextProp::Text, "Min"},
    {"Label3", TextProp::Text, "Max"},
    {"Label2", TextProp::Text, "Type"},
    {"Label4", TextProp::Text, "Frequencies of histogram"},
    {"Label5", TextProp::Text, "Number of data"},
    {"Label6", TextProp::Text, "Sum of frequencies"},
    {"Label7", TextProp::Text, "index"},
    {"ComboBox1", TextProp::Items, "Discrete"},
    {"BNavrat", TextProp::Text, "&Save"},
    {"BitBtn1", TextProp::Text, "&Cancel"},
    {"Edit1", TextProp::Hint,
     "Min|Lower edge of the first interval (for the pure discrete type the first value)"},
    {"Edit2", TextProp::Hint, "Max|Upper edge of the last interval"},
    {"ComboBox1", TextProp::Hint,
     "Histogram type|Discrete: intervals between Min and Max; another text: values Min, Min + 1, ..."},
    {"Memo1", TextProp::Hint,
     "Frequencies|One whole-number frequency per line, line i is interval i (at most 256)"},
    {"Edit3", TextProp::Hint, "Number of data|Number of lines of the frequency list"},
    {"Edit5", TextProp::Hint, "Sum of frequencies|Sum of the frequencies of the list"},
    {"Edit6", TextProp::Hint, "index|Number of the line that holds the caret"},
    {"BNavrat", TextProp::Hint, "Save|Checks the entry and hands the histogram over or saves it to a file"},
    {"BitBtn1", TextProp::Hint, "Cancel|Closes the window without a histogram"},
};

}  // namespace

const TextSet kNewHistogramWindowTexts{13, kCzech, kEnglish};
