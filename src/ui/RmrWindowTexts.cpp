// Texts of the window RmrWindow in Czech and English.
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

// Rows of the class table that read the same in both languages.
#define RMR_FIXED_CLASS_ROWS                                                                          \
  {"StrGrRMR", TextProp::Cell, "                  I", 0, 1},                                          \
      {"StrGrRMR", TextProp::Cell, "                  II", 0, 2},                                     \
      {"StrGrRMR", TextProp::Cell, "                  III", 0, 3},                                    \
      {"StrGrRMR", TextProp::Cell, "                  IV", 0, 4},                                     \
      {"StrGrRMR", TextProp::Cell, "                  V", 0, 5},                                      \
      {"StrGrRMR", TextProp::Cell, " 100-81", 1, 1}, {"StrGrRMR", TextProp::Cell, "  80-61", 1, 2},   \
      {"StrGrRMR", TextProp::Cell, "  60-41", 1, 3}, {"StrGrRMR", TextProp::Cell, "  40-21", 1, 4},   \
      {"StrGrRMR", TextProp::Cell, "  < 21", 1, 5}, {"StrGrRMR", TextProp::Cell, " > 400", 3, 1},     \
      {"StrGrRMR", TextProp::Cell, " 300-400", 3, 2}, {"StrGrRMR", TextProp::Cell, " 200-300", 3, 3}, \
      {"StrGrRMR", TextProp::Cell, " 100-200", 3, 4}, {"StrGrRMR", TextProp::Cell, " < 100", 3, 5},   \
      {"StrGrRMR", TextProp::Cell, " > 45", 4, 1}, {"StrGrRMR", TextProp::Cell, " 35-45", 4, 2},      \
      {"StrGrRMR", TextProp::Cell, " 25-35", 4, 3}, {"StrGrRMR", TextProp::Cell, " 15-25", 4, 4}, {   \
    "StrGrRMR", TextProp::Cell, " < 15", 4, 5                                                         \
  }

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption,
     "  VELTRA :   Třída horninového masivu dle hodnocení  RMR ( podle Bieniawskeho 1989 ) "},
    {"GroupBox1", TextProp::Text, " B :  Kvalita vrtného jádra RQD "},
    {"GroupBox2", TextProp::Text, " C :  Vzdálenost ploch nespojitosti "},
    {"GroupBox3", TextProp::Text, " D1 :  Charakter ploch nespojitosti "},
    {"GroupBox4", TextProp::Text, " D2 :  Charakter ploch nespojitosti podrobně "},
    {"GroupBox5", TextProp::Text, " E :  Přítomnost a tlak podzemní vody "},
    {"GroupBox6", TextProp::Text, " F :  Orientace puklin vzhledem ke směru ražby "},
    {"GroupBox7", TextProp::Text, " A :  Pevnost neporušené horniny "},
    {"GroupBox8", TextProp::Text, " Třída horninového masivu "},
    {"Label1", TextProp::Text, "{m208}"},
    {"Label2", TextProp::Text, "Suma  B + C + D1 ( D2 ) + E - F  ="},
    {"Label3", TextProp::Hint,
     "Součet hodnocení|B + C + D + E + F, kde hodnocení F (orientace puklin) je 0 nebo záporné a přičítá se"},
    {"Label5", TextProp::Text, "RMR :"},
    {"BitBtn2", TextProp::Text, "&Tvorba  RMR"},
    {"BitBtn2", TextProp::Hint,
     "Tvorba histogramu RMR| Provede sumaci hodnocení, určí třídu hor.masivu a vytvoří parametricky "
     "histogram RMR . "},
    {"GrafHistRMR", TextProp::Text, "&Graf RMR"},
    {"GrafHistRMR", TextProp::Hint, "Graf RMR|Zobrazí histogram RMR v okně grafu"},
    {"ClearTabH", TextProp::Text, "&Vymazat tabulky"},
    {"ClearTabH", TextProp::Hint, "Vymazat tabulky|Vymaže všechna hodnocení, součet, třídu a RMR"},
    {"UlozOkno", TextProp::Text, "&Kopie okna"},
    {"UlozOkno", TextProp::Hint, "Kopie okna|Zkopíruje okno do schránky"},
    {"ExitProgram", TextProp::Text, "&Konec"},
    {"ExitProgram", TextProp::Hint, "Konec|Zavře okno hodnocení RMR"},
    {"GrafPevnost", TextProp::Text, "Graf"},
    {"StrGrRQD", TextProp::Hint, "RQD|Klepnutím do sloupce popisu vyberte kvalitu vrtného jádra"},
    {"StrGrVPN", TextProp::Hint,
     "Vzdálenost ploch nespojitosti|Klepnutím do sloupce popisu vyberte vzdálenost"},
    {"StrGrChPN1", TextProp::Hint,
     "Charakter ploch nespojitosti|Klepnutím do sloupce popisu vyberte charakter"},
    {"StrGrChPN2", TextProp::Hint,
     "Charakter ploch nespojitosti podrobně|Vyberte všech pět vlastností; použije se menší z D1 a součtu D2"},
    {"StrGrPTV", TextProp::Hint, "Podzemní voda|Klepnutím do sloupce popisu vyberte přítok a tlak vody"},
    {"StrGrOP", TextProp::Hint, "Orientace puklin|Vyberte nejprve druh díla, potom orientaci puklin"},
    {"StrGrPNH", TextProp::Hint,
     "Pevnost|Krajní hodnoty redukované pevnosti a jejího hodnocení; sloupec Graf je zobrazí"},
    {"StrGrRMR", TextProp::Hint, "Třídy horninového masivu|Zvýrazněný sloupec je třída vytvořeného RMR"},
    {"StrGrRQD", TextProp::Cell, "  Popis", 0, 1},
    {"StrGrRQD", TextProp::Cell, " Hodnocení", 0, 2},
    {"StrGrRQD", TextProp::Cell, " B", 1, 0},
    {"StrGrVPN", TextProp::Cell, "  Popis", 0, 1},
    {"StrGrVPN", TextProp::Cell, " Hodnocení", 0, 2},
    {"StrGrVPN", TextProp::Cell, " C", 1, 0},
    {"StrGrChPN1", TextProp::Cell, "  Popis", 0, 1},
    {"StrGrChPN1", TextProp::Cell, " Hodnocení", 0, 2},
    {"StrGrChPN1", TextProp::Cell, " D1", 1, 0},
    {"StrGrChPN2", TextProp::Cell, "  Popis", 0, 1},
    {"StrGrChPN2", TextProp::Cell, " Hodnocení", 0, 2},
    {"StrGrChPN2", TextProp::Cell, " Délka", 1, 0},
    {"StrGrChPN2", TextProp::Cell, " Rozevření", 2, 0},
    {"StrGrChPN2", TextProp::Cell, " Drsnost", 3, 0},
    {"StrGrChPN2", TextProp::Cell, " Výplň", 4, 0},
    {"StrGrChPN2", TextProp::Cell, " Zvětrání", 5, 0},
    {"StrGrPTV", TextProp::Cell, "  Popis", 0, 1},
    {"StrGrPTV", TextProp::Cell, " Hodnocení", 0, 2},
    {"StrGrPTV", TextProp::Cell, " E", 1, 0},
    {"StrGrOP", TextProp::Cell, "  Druh díla", 0, 1},
    {"StrGrOP", TextProp::Cell, "  Orientace", 0, 2},
    {"StrGrOP", TextProp::Cell, " Hodnocení", 0, 3},
    {"StrGrOP", TextProp::Cell, " F", 1, 0},
    {"StrGrPNH", TextProp::Cell, "    Pevnost", 0, 0},
    {"StrGrPNH", TextProp::Cell, "  Min", 0, 1},
    {"StrGrPNH", TextProp::Cell, "  Max", 0, 2},
    {"StrGrPNH", TextProp::Cell, "Graf", 0, 3},
    {"StrGrPNH", TextProp::Cell, " Redukovaná [ MPa ]", 1, 0},
    {"StrGrPNH", TextProp::Cell, " Neporušené horniny (hodnocení)", 2, 0},
    {"StrGrRMR", TextProp::Cell, "   T  Ř  Í  D  A", 0, 0},
    {"StrGrRMR", TextProp::Cell, "   Rozsah RMR", 1, 0},
    {"StrGrRMR", TextProp::Cell, "   Doba stability zajištěného výrubu", 2, 0},
    {"StrGrRMR", TextProp::Cell, "   Soudržnost horniny [ kPa ]", 3, 0},
    {"StrGrRMR", TextProp::Cell, "   Úhel tření horniny [ ° ]", 4, 0},
    {"StrGrRMR", TextProp::Cell, "   Kvalita horniny", 5, 0},
    {"StrGrRMR", TextProp::Cell, " 20 let pro 15m rozpětí", 2, 1},
    {"StrGrRMR", TextProp::Cell, " 1 rok pro 10m rozpětí", 2, 2},
    {"StrGrRMR", TextProp::Cell, " 1 týden pro 5m rozpětí", 2, 3},
    {"StrGrRMR", TextProp::Cell, " 10 hod pro 2.5m rozpetí", 2, 4},
    {"StrGrRMR", TextProp::Cell, " 30 min pro 1m rozpětí", 2, 5},
    {"StrGrRMR", TextProp::Cell, " Výborná", 5, 1},
    {"StrGrRMR", TextProp::Cell, " Dobrá", 5, 2},
    {"StrGrRMR", TextProp::Cell, " Střední", 5, 3},
    {"StrGrRMR", TextProp::Cell, " Nízká", 5, 4},
    {"StrGrRMR", TextProp::Cell, " Velmi nízká", 5, 5},
    RMR_FIXED_CLASS_ROWS,
    {"CBTypPromB", TextProp::Items,
     "1/        > 90%\n2/  75% - 90%\n3/  50% - 75%\n4/  25% - 50% \n5/        < 25%       "},
    {"CBTypPromC", TextProp::Items,
     "1/       > 2000 mm\n2/  600 - 2000 mm\n3/  200 -   600 mm\n4/   60 -    200 mm\n5/         <   60 mm"},
    {"CBTypPromD1", TextProp::Items,
     "1/ Velmi drsný povrch, nesouvislý, neodlučný, nezvětralý\n"
     "2/ Nepatrně drsný povrch, odlučnost<1mm, nepatrně zvětralé\n"
     "3/ Nepatrně drsný povrch, odlučnost<1mm, velmi zvětralé\n"
     "4/ Ohlazený povrch, odlučnost<5mm, lemy pod 5mm souvislé\n"
     "5/ Měkké lemy nad 5mm tloušťky nebo odlučnost nad 5mm souvislé"},
    {"CBTypPromD21", TextProp::Items,
     "1/      < 1m\n2/   1  - 3m\n3/   3  - 10m\n4/  10 - 20m\n5/       >20m"},
    {"CBTypPromD22", TextProp::Items,
     "1/   žádná\n2/       < 0.1mm\n3/  0.1 - 1.0mm\n4/  1.0 - 5.0mm\n5       >5.0mm"},
    {"CBTypPromD23", TextProp::Items, "1/  velmi hrubé\n2/  hrubé\n3/  málo hrubé\n4/  hladké\n5/  uhlazené"},
    {"CBTypPromD24", TextProp::Items,
     "1/  žádná\n2/  tvrdá    < 5.0mm\n3/  tvrdá    > 5.0mm\n4/  měkká < 5.0mm\n5/  měkká > 5.0mm"},
    {"CBTypPromD25", TextProp::Items,
     "1/  nezvětralé\n2/  nepatrné\n3/  průměrné\n4/  velké\n5/  rozložená hornina"},
    {"CBTypPromE", TextProp::Items,
     "1/  Suché,          Přítok :  žádný,  Tlak :        0\n"
     "2/  Navlhlé,        Přítok :    < 10,   Tlak :   < 0.1\n"
     "3/  Mokré,          Přítok : 10 - 25,  Tlak : 0.1-0.2\n"
     "4/  Odkapávání,  Přítok : 25 -125, Tlak : 0.2-0.5\n"
     "5/  Přítok ,          Přítok :   > 125,  Tlak :    > 0.5"},
    {"CBTypPromF1", TextProp::Items, "1/  Tunely a doly\n2/  Základy\n3/  Svahy"},
    {"CBTypPromF2", TextProp::Items,
     "1/  Velmi příznivý\n2/  Příznivý\n3/  Špatný\n4/  Nepříznivý\n5/  Velmi nepříznivý"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :   Rock Mass Rating - RMR ( according Bienawski, 1989 ) "},
    {"GroupBox1", TextProp::Text, " B :  Drill core quality RQD "},
    {"GroupBox2", TextProp::Text, " C :  Spacing of discontinuities "},
    {"GroupBox3", TextProp::Text, " D1 :  Condition of discontinuities "},
    {"GroupBox4", TextProp::Text, " D2 :  Condition of discontinuities in detail "},
    {"GroupBox5", TextProp::Text, " E :  Groundwater inflow and pressure "},
    {"GroupBox6", TextProp::Text, " F :  Orientation of joints to the direction of driving "},
    {"GroupBox7", TextProp::Text, " A :  Strength of intact rock "},
    {"GroupBox8", TextProp::Text, " Rock mass class "},
    {"Label1", TextProp::Text, "{m208}"},
    {"Label2", TextProp::Text, "Sum  B + C + D1 ( D2 ) + E - F  ="},
    {"Label3", TextProp::Hint,
     "Sum of the ratings|B + C + D + E + F, where the rating F (orientation of discontinuities) is 0 or "
     "negative "
     "and is added"},
    {"Label5", TextProp::Text, "RMR :"},
    {"BitBtn2", TextProp::Text, "&Create  RMR"},
    {"BitBtn2", TextProp::Hint,
     "Create RMR histogram| Sums the ratings, determines the rock mass class and creates the RMR histogram "
     ". "},
    {"GrafHistRMR", TextProp::Text, "RMR &chart"},
    {"GrafHistRMR", TextProp::Hint, "RMR chart|Shows the RMR histogram in the chart window"},
    {"ClearTabH", TextProp::Text, "C&lear tables"},
    {"ClearTabH", TextProp::Hint, "Clear tables|Clears every rating, the sum, the class and the RMR"},
    {"UlozOkno", TextProp::Text, "Copy &window"},
    {"UlozOkno", TextProp::Hint, "Copy window|Copies the window to the clipboard"},
    {"ExitProgram", TextProp::Text, "E&xit"},
    {"ExitProgram", TextProp::Hint, "Exit|Closes the RMR rating window"},
    {"GrafPevnost", TextProp::Text, "Chart"},
    {"StrGrRQD", TextProp::Hint, "RQD|Click the description column to choose the drill core quality"},
    {"StrGrVPN", TextProp::Hint,
     "Spacing of discontinuities|Click the description column to choose the spacing"},
    {"StrGrChPN1", TextProp::Hint,
     "Condition of discontinuities|Click the description column to choose the condition"},
    {"StrGrChPN2", TextProp::Hint,
     "Condition of discontinuities in detail|Choose all five properties; the smaller of D1 and the D2 sum is "
     "used"},
    {"StrGrPTV", TextProp::Hint,
     "Groundwater|Click the description column to choose the inflow and pressure"},
    {"StrGrOP", TextProp::Hint, "Orientation of joints|Choose the kind of work first, then the orientation"},
    {"StrGrPNH", TextProp::Hint,
     "Strength|Outer values of the reduced strength and of its rating; the Chart column shows them"},
    {"StrGrRMR", TextProp::Hint, "Rock mass classes|The highlighted column is the class of the created RMR"},
    {"StrGrRQD", TextProp::Cell, "  Description", 0, 1},
    {"StrGrRQD", TextProp::Cell, " Rating", 0, 2},
    {"StrGrRQD", TextProp::Cell, " B", 1, 0},
    {"StrGrVPN", TextProp::Cell, "  Description", 0, 1},
    {"StrGrVPN", TextProp::Cell, " Rating", 0, 2},
    {"StrGrVPN", TextProp::Cell, " C", 1, 0},
    {"StrGrChPN1", TextProp::Cell, "  Description", 0, 1},
    {"StrGrChPN1", TextProp::Cell, " Rating", 0, 2},
    {"StrGrChPN1", TextProp::Cell, " D1", 1, 0},
    {"StrGrChPN2", TextProp::Cell, "  Description", 0, 1},
    {"StrGrChPN2", TextProp::Cell, " Rating", 0, 2},
    {"StrGrChPN2", TextProp::Cell, " Persistence", 1, 0},
    {"StrGrChPN2", TextProp::Cell, " Aperture", 2, 0},
    {"StrGrChPN2", TextProp::Cell, " Roughness", 3, 0},
    {"StrGrChPN2", TextProp::Cell, " Infilling", 4, 0},
    {"StrGrChPN2", TextProp::Cell, " Weathering", 5, 0},
    {"StrGrPTV", TextProp::Cell, "  Description", 0, 1},
    {"StrGrPTV", TextProp::Cell, " Rating", 0, 2},
    {"StrGrPTV", TextProp::Cell, " E", 1, 0},
    {"StrGrOP", TextProp::Cell, "  Kind of work", 0, 1},
    {"StrGrOP", TextProp::Cell, "  Orientation", 0, 2},
    {"StrGrOP", TextProp::Cell, " Rating", 0, 3},
    {"StrGrOP", TextProp::Cell, " F", 1, 0},
    {"StrGrPNH", TextProp::Cell, "    Strength", 0, 0},
    {"StrGrPNH", TextProp::Cell, "  Min", 0, 1},
    {"StrGrPNH", TextProp::Cell, "  Max", 0, 2},
    {"StrGrPNH", TextProp::Cell, "Chart", 0, 3},
    {"StrGrPNH", TextProp::Cell, " Reduced [ MPa ]", 1, 0},
    {"StrGrPNH", TextProp::Cell, " Intact rock (rating)", 2, 0},
    {"StrGrRMR", TextProp::Cell, "   C  L  A  S  S", 0, 0},
    {"StrGrRMR", TextProp::Cell, "   RMR range", 1, 0},
    {"StrGrRMR", TextProp::Cell, "   Stand-up time of supported excavation", 2, 0},
    {"StrGrRMR", TextProp::Cell, "   Cohesion of rock mass [ kPa ]", 3, 0},
    {"StrGrRMR", TextProp::Cell, "   Friction angle of rock mass [ ° ]", 4, 0},
    {"StrGrRMR", TextProp::Cell, "   Rock mass quality", 5, 0},
    {"StrGrRMR", TextProp::Cell, " 20 years for 15m span", 2, 1},
    {"StrGrRMR", TextProp::Cell, " 1 year for 10m span", 2, 2},
    {"StrGrRMR", TextProp::Cell, " 1 week for 5m span", 2, 3},
    {"StrGrRMR", TextProp::Cell, " 10 hours for 2.5m span", 2, 4},
    {"StrGrRMR", TextProp::Cell, " 30 min for 1m span", 2, 5},
    {"StrGrRMR", TextProp::Cell, " Very good", 5, 1},
    {"StrGrRMR", TextProp::Cell, " Good", 5, 2},
    {"StrGrRMR", TextProp::Cell, " Fair", 5, 3},
    {"StrGrRMR", TextProp::Cell, " Poor", 5, 4},
    {"StrGrRMR", TextProp::Cell, " Very poor", 5, 5},
    RMR_FIXED_CLASS_ROWS,
    {"CBTypPromB", TextProp::Items,
     "1/        > 90%\n2/  75% - 90%\n3/  50% - 75%\n4/  25% - 50% \n5/        < 25%       "},
    {"CBTypPromC", TextProp::Items,
     "1/       > 2000 mm\n2/  600 - 2000 mm\n3/  200 -   600 mm\n4/   60 -    200 mm\n5/         <   60 mm"},
    {"CBTypPromD1", TextProp::Items,
     "1/ Very rough surfaces, not continuous, no separation, unweathered\n"
     "2/ Slightly rough surfaces, separation<1mm, slightly weathered\n"
     "3/ Slightly rough surfaces, separation<1mm, highly weathered\n"
     "4/ Slickensided surfaces, separation<5mm, gouge under 5mm, continuous\n"
     "5/ Soft gouge over 5mm thick or separation over 5mm, continuous"},
    {"CBTypPromD21", TextProp::Items,
     "1/      < 1m\n2/   1  - 3m\n3/   3  - 10m\n4/  10 - 20m\n5/       >20m"},
    {"CBTypPromD22", TextProp::Items,
     "1/   none\n2/       < 0.1mm\n3/  0.1 - 1.0mm\n4/  1.0 - 5.0mm\n5       >5.0mm"},
    {"CBTypPromD23", TextProp::Items,
     "1/  very rough\n2/  rough\n3/  slightly rough\n4/  smooth\n5/  slickensided"},
    {"CBTypPromD24", TextProp::Items,
     "1/  none\n2/  hard    < 5.0mm\n3/  hard    > 5.0mm\n4/  soft < 5.0mm\n5/  soft > 5.0mm"},
    {"CBTypPromD25", TextProp::Items,
     "1/  unweathered\n2/  slightly\n3/  moderately\n4/  highly\n5/  decomposed rock"},
    {"CBTypPromE", TextProp::Items,
     "1/  Dry,              Inflow :  none,    Pressure :        0\n"
     "2/  Damp,           Inflow :    < 10,    Pressure :   < 0.1\n"
     "3/  Wet,              Inflow : 10 - 25,  Pressure : 0.1-0.2\n"
     "4/  Dripping,       Inflow : 25 -125,  Pressure : 0.2-0.5\n"
     "5/  Flowing,        Inflow :   > 125,   Pressure :    > 0.5"},
    {"CBTypPromF1", TextProp::Items, "1/  Tunnels and mines\n2/  Foundations\n3/  Slopes"},
    {"CBTypPromF2", TextProp::Items,
     "1/  Very favourable\n2/  Favourable\n3/  Fair\n4/  Unfavourable\n5/  Very unfavourable"},
};

}  // namespace

const TextSet kRmrWindowTexts{9, kCzech, kEnglish};
