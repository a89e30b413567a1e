#include "shell/Messages.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct Message {
  int number;
  std::string_view cs, en;
};

// The numbered texts, Czech and English, in ascending order of number.
constexpr Message kMessages[] = {
    {1, "P o t v r z e n í", "C o n f i r m a t i o n"},
    {2, "I n f o r m a c e", "I n f o r m a t i o n"},
    {3, "C h y b a", "E r r o r"},
    {4, "U p o z o r n ě n í", "W a r n i n g"},
    {5,
     "A  d  r  e  s  á  ř  e  :\r\n"
     "\r\n"
     "\r\n"
     "VELTRA\t\t:   %s\r\n"
     "\r\n"
     "Histogramů\t:   %s\r\n"
     "Projektů\t\t:   %s\r\n"
     "Výsledků\t:   %s\r\n"
     "Prvotních dat\t:   %s",
     "D  i  r  e  c  t  o  r  i  e  s  :\r\n"
     "\r\n"
     "\r\n"
     "VELTRA\t\t:   %s\r\n"
     "\r\n"
     "Histograms\t:   %s\r\n"
     "Projects\t\t:   %s\r\n"
     "Results\t\t:   %s\r\n"
     "Raw data\t:   %s"},
    {6,
     "Soubor \r\n"
     "\r\n"
     "    %s\r\n"
     "\r\n"
     "již existuje ! Přepsat ?",
     "File \r\n"
     "\r\n"
     "    %s\r\n"
     "\r\n"
     "already exists ! Overwrite ?"},
    {7, "Chyba při spuštění programu Internet Explorer", "Error starting the web browser"},
    {8, "Program výpočtu spolehlivosti pelmora důlní výztuže",
     "Reliability assessment of rock-bolt support of mine workings"},
    {9,
     "Nabídka druhů hornin je prázdná !\r\n"
     "\r\n"
     "\tDoporučení :\r\n"
     "Tabulku druhů naplňte z MENU : \"Nastavení\" -> \"Tabulka druhů hornin\" ",
     "The list of rock types is empty !\r\n"
     "\r\n"
     "\tRecommendation :\r\n"
     "Fill the list from the MENU : \"Set up\" -> \"Table of rock types\" "},
    {10, "Chcete opravdu končit ?", "Do you really want to exit ?"},
    {11, "Požadovaný dat.soubor histogramu :  %s   n e e x i s t u j e  !",
     "The histogram data file :  %s   d o e s   n o t   e x i s t  !"},
    {12,
     "Není správný typ ( Discrete ) !\r\n"
     "\r\n"
     "\t( zadáno: Type= %s )",
     "Not the right type ( Discrete ) !\r\n"
     "\r\n"
     "\t( given: Type= %s )"},
    {13,
     "Výpočet  n e l z e  provést!\r\n"
     "Počet intervalů u histogramu > %s\r\n"
     "\r\n"
     "zadáno :  Pocet intervalů = ",
     "The computation  c a n n o t  be done!\r\n"
     "Number of intervals of the histogram > %s\r\n"
     "\r\n"
     "given :  Number of intervals = "},
    {14, "Nebylo zadáno klíčové slovo [Bins] !", "The keyword [Bins] is missing !"},
    {15, "Nebyl zadán některý z klíčových slov : Min | Max | Bins | Total ",
     "One of the keywords is missing : Min | Max | Bins | Total "},
    {16,
     "Nebylo zadáno  p l a t n é  číslo!\r\n"
     "\r\n"
     "Zadáno : Četnost v %s.intervalu = ",
     "Not a  v a l i d  number!\r\n"
     "\r\n"
     "Given : Frequency in interval %s = "},
    {17, "Byla zadána  z á p o r n á  četnost v %s.intervalu",
     "A  n e g a t i v e  frequency was given in interval %s"},
    {18,
     "Není správný  p o č e t  prvků !\r\n"
     "\r\n"
     "zadáno :    Prvků = %s     Suma = ",
     "Wrong  n u m b e r  of elements !\r\n"
     "\r\n"
     "given :    Elements = %s     Sum = "},
    {19,
     "Není správný  p o č e t  intervalů!\r\n"
     "\r\n"
     "Počet intervalů = %s    Zadáno = ",
     "Wrong  n u m b e r  of intervals!\r\n"
     "\r\n"
     "Number of intervals = %s    Given = "},
    {20, "Min > Max   (Zadáno: Min %s  Max %s)", "Min > Max   (Given: Min %s  Max %s)"},
    {21, "Nebyl vybrán druh horniny (sloupec 2) z tabulky horninových poměrů !",
     "No rock type (column 2) was chosen from the table of rock conditions !"},
    {22,
     "V tabulce \r\n"
     "\r\n"
     "\t--- %s ---\r\n"
     "\r\n"
     " je \"%s\", které  n e n í  u l o ž e n o  do souboru !\r\n"
     "\r\n"
     "\t\tUložit histogram do souboru ?",
     "In the table \r\n"
     "\r\n"
     "\t--- %s ---\r\n"
     "\r\n"
     " the \"%s\" is  n o t  s a v e d  to a file !\r\n"
     "\r\n"
     "\t\tSave the histogram to a file ?"},
    {23, " C e l k e m", " T o t a l"},
    {24, "Tabulka \"Horninové poměry nad důlním dílem\" je prázdná  !",
     "The table \"Rock conditions above the mine working\" is empty  !"},
    {25,
     "Soubor \r\n"
     "\r\n"
     "    %s\r\n"
     "\r\n"
     "již existuje !\r\n"
     "\r\n"
     "\t\tP ř e p s a t   ?\r\n"
     "\r\n",
     "File \r\n"
     "\r\n"
     "    %s\r\n"
     "\r\n"
     "already exists !\r\n"
     "\r\n"
     "\t\tO v e r w r i t e   ?\r\n"
     "\r\n"},
    {26, "Uložit okno | Uloží do schránky aktuální stav okna -   \" ",
     "Save window | Copies the current state of the window to the clipboard -   \" "},
    {27, "Chyba při zapisování souboru ", "Error writing the file "},
    {28,
     "V řádku %s tabulky \r\n"
     "\r\n"
     "\t--- Horninové poměry nad důlním dílem ---\r\n"
     "\r\n"
     " je \"%s\", které  n e n í  u l o ž e n o  do souboru !\r\n"
     "\r\n"
     "\t\tUložit histogram do souboru ?\r\n",
     "In row %s of the table \r\n"
     "\r\n"
     "\t--- Rock conditions above the mine working ---\r\n"
     "\r\n"
     " the \"%s\" is  n o t  s a v e d  to a file !\r\n"
     "\r\n"
     "\t\tSave the histogram to a file ?\r\n"},
    {29, "Průměr svorníku   d2 > d1  !", "Bolt diameter   d2 > d1  !"},
    {30, "Vzdálenost kotev < 1  !", "Row spacing of bolts < 1  !"},
    {31,
     "V tabulce \r\n"
     "\r\n"
     "\tK : Konvergenční koeficient\r\n"
     "\r\n"
     " nebyl zadán soubor !",
     "In the table \r\n"
     "\r\n"
     "\tK : Convergence coefficient\r\n"
     "\r\n"
     " no file was given !"},
    {32,
     "V tabulce \r\n"
     "\r\n"
     "\tq : Odpor podpěrné výztuže (kombinovaná výztuž)\r\n"
     "\r\n"
     " nebyl zadán soubor !",
     "In the table \r\n"
     "\r\n"
     "\tq : Resistance of the supporting part (combined support)\r\n"
     "\r\n"
     " no file was given !"},
    {33, "Konstanta B* = 0.0 (Meridián histogramu šířky důlního díla) !",
     "Constant B* = 0.0 (median of the histogram of the working width) !"},
    {34, "Soubor  n e e x i s t u j e  !", "File  d o e s   n o t   e x i s t  !"},
    {35,
     "Výpočet  n e l z e  provést !\r\n"
     "\r\n"
     "\tHodnoty histogramu způsobují dělení nulou !",
     "The computation  c a n n o t  be done !\r\n"
     "\r\n"
     "\tThe histogram values cause a division by zero !"},
    {36, "Histogram : \"Šířka důlního díla\" nebyl z a d á n !",
     "Histogram : \"Width of the mine working\" was not  g i v e n !"},
    {37,
     "Výpočet  n e l z e  provést!\r\n"
     "Hodnota suma u histogramu je neplatná!\r\n"
     "\r\n"
     "zadáno :  Suma = ",
     "The computation  c a n n o t  be done!\r\n"
     "The sum of the histogram is invalid!\r\n"
     "\r\n"
     "given :  Sum = "},
    {38, "Nebyl spočten koeficient \"beta\" !", "The coefficient \"beta\" has not been computed !"},
    {39, "V tabulce horninových poměrů není zadána v řádku %s \"Pevnost v jednoosém tlaku\" !",
     "In the table of rock conditions, row %s has no \"Uniaxial compressive strength\" !"},
    {40,
     "Výpočet  n e l z e  provést!\r\n"
     "Hodnota počtu intervalů u histogramu je neplatná!\r\n"
     "\r\n"
     "zadáno :  Počet intervalů = ",
     "The computation  c a n n o t  be done!\r\n"
     "The number of intervals of the histogram is invalid!\r\n"
     "\r\n"
     "given :  Number of intervals = "},
    {41, "V tabulce horninových  poměrů  n e n í  zadána v řádku %s \"Mocnost\" !",
     "In the table of rock conditions, row %s has  n o  \"Thickness\" !"},
    {42, "Koeficient beta = 0.0 (součinitel vrstevnatosti) !",
     "Coefficient beta = 0.0 (layer coefficient) !"},
    {43, "Koeficient B* = 0.0 (Meridián histogramu šířky důlního díla) !",
     "Coefficient B* = 0.0 (median of the histogram of the working width) !"},
    {44, "\"Délka svorníku\" nebyla s p o č t e n a !", "\"Bolt length\" has not been  c o m p u t e d !"},
    {45, "Histogram RMR - \"geomechancký klasifikační koeficient\" nebyl  z a d á n  ",
     "Histogram RMR - \"rock mass rating\" was not  g i v e n  "},
    {46, "Histogram Gamma - \"objemová hmotnost hornin\" nebyl  z a d á n  !",
     "Histogram Gamma - \"rock density\" was not  g i v e n  !"},
    {47, "Při výpočtu histogramu je u \" Zatížení svorníku \"  m i n = m a x !",
     "While computing the histogram \" Bolt load \"  m i n = m a x !"},
    {48, "\"Redukovaná pevnost\" nadložních hornin nebyla  s p o č t e n a !",
     "\"Reduced strength\" of the overburden has not been  c o m p u t e d !"},
    {49, "Histogram  K - \"Konvergenční koeficient\" nebyl z a d á n !",
     "Histogram  K - \"Convergence coefficient\" was not  g i v e n !"},
    {50, "Histogram  Kn - \"součinitel\" nebyl z a d á n !",
     "Histogram  Kn - \"coefficient\" was not  g i v e n !"},
    {51, "Efektivní hloubka \"H\" pod povrchem [m] nebyla z a d á n a  !",
     "Effective depth \"H\" below the surface [m] was not  g i v e n  !"},
    {52, "Histogram  q - \"odpor podpěrné výztuže\" nebyl z a d á n !",
     "Histogram  q - \"resistance of the supporting part\" was not  g i v e n !"},
    {53,
     "Při výpočtu histogramu \"Délka svorníku\" je\r\n"
     "\r\n"
     "\tmin = max !",
     "While computing the histogram \"Bolt length\"\r\n"
     "\r\n"
     "\tmin = max !"},
    {54, "\"Zatížení svorníků\" nebylo s p o č t e n o !", "\"Bolt load\" has not been  c o m p u t e d !"},
    {55, "Průměr svorníků \"d\" nebyl z a d á n !", "Bolt diameter \"d\" was not  g i v e n !"},
    {56, "Počet kotev \"n\" nebyl z a d á n !", "Number of bolts \"n\" was not  g i v e n !"},
    {57,
     "Histogram SigmaR - \"pevnost svorníků\" nebyl\r\n"
     "\r\n"
     "\t\tz a d á n  !",
     "Histogram SigmaR - \"bolt strength\" was not\r\n"
     "\r\n"
     "\t\tg i v e n  !"},
    {58, "NEVYHOVUJÍCÍ !", "NOT SATISFACTORY !"},
    {59, "Zvýšená", "Increased"},
    {60, "Obvyklá", "Normal"},
    {62, "Verze", "Version"},
    {77, "Frekvenční funkce : ", "Frequency function : "},
    {78, "Parametrické rozdělení", "Parametric distribution"},
    {79, "     C h a r a k t e r i s t i k y", "     C h a r a c t e r i s t i c s"},
    {80, "Parametrický histogram - typ : ", "Parametric histogram - type : "},
    {81, "   Z á k l a d n í", "   B a s i c"},
    {82, "   K o e f i c i e n t y", "   C o e f f i c i e n t s"},
    {83, "Variace", "Variation"},
    {84, "Regrese", "Regression"},
    {85, "Korelace ", "Correlation "},
    {86, "Šikmost ", "Skewness "},
    {87, "Špičatost ", "Kurtosis "},
    {88, "Počet intervalů není v rozsahu 3 .. ", "Number of intervals is not in the range 3 .. "},
    {89, "Střední hodnota - Mi", "Mean value - Mi"},
    {90, "Směr.odchylka - Sigma", "Std.deviation - Sigma"},
    {91, "Normální", "Normal"},
    {92, "Exponenciální", "Exponential"},
    {93, "Studentovo", "Student"},
    {94, "Beta_v_nule", "Beta_at_zero"},
    {95, "Beta_obecné", "Beta_general"},
    {96,
     "Nebylo zadáno platné číslo!\r\n"
     "\r\n"
     "Zadána min(x) : ",
     "Not a valid number!\r\n"
     "\r\n"
     "Given min(x) : "},
    {97, "Minimální pravděpodobnost Min(x) není > 0 !", "Minimum probability Min(x) is not > 0 !"},
    {98,
     "Program dovoluje :\r\n"
     "\r\n"
     "\tEps pro Min(x) v intervalu :   ( 1E-8 , 1 )   !",
     "The program allows :\r\n"
     "\r\n"
     "\tEps for Min(x) in the interval :   ( 1E-8 , 1 )   !"},
    {99,
     "Nebylo zadáno platné číslo!\r\n"
     "\r\n"
     "        Zadáno ",
     "Not a valid number!\r\n"
     "\r\n"
     "        Given "},
    {100, "Funkce není ještě vytvořena !", "The function has not been created yet !"},
    {101, "D ě l e n í   nulou !", "D i v i s i o n   by zero !"},
    {102, "P ř e t e č e n í  reálného čísla !", "O v e r f l o w  of a real number !"},
    {103, "P o d t e č e n í  reálného čísla !", "U n d e r f l o w  of a real number !"},
    {104, "N e d e f i n o v a n á  operace v pohyblivé řádové čárce !",
     "U n d e f i n e d  floating-point operation !"},
    {105, "Nedovolená  m a t e m a t i c k á  operace !", "Forbidden  m a t h e m a t i c a l  operation !"},
    {106, "N e d e f i n o v a n á  operace !", "U n d e f i n e d  operation !"},
    {107, "Prvotní data    : ", "Raw data    : "},
    {108, "Par.funkce - ", "Par.function - "},
    {109, ", Prv.data - ", ", Raw data - "},
    {110,
     "Žádné parametrické rozdělení  n e v y h o v u j e\r\n"
     "prvotním datům !\r\n"
     "\r\n"
     "\tDoporučení :\r\n"
     "\r\n"
     "1. Zkontrolujte prvotní data : chybně zapsané\r\n"
     "    nebo odlehlé hodnoty zkreslují histogram.\r\n"
     "2. Změňte počet intervalů histogramu\r\n"
     "    (vodítkem je Sturgesovo pravidlo 1 + 3.3 log10(n)).\r\n"
     "3. Upravte meze Min a Max histogramu prvotních dat.\r\n"
     "4. Změňte Eps pro Min(x) v intervalu ( 1E-8 , 1 ).\r\n"
     "5. Rozšiřte soubor měření o další hodnoty,\r\n"
     "    nebo použijte přímo histogram prvotních dat\r\n"
     "    (neparametrické rozdělení pravděpodobnosti).",
     "No parametric distribution  f i t s  the raw data !\r\n"
     "\r\n"
     "\tRecommendation :\r\n"
     "\r\n"
     "1. Check the raw data : mistyped or outlying\r\n"
     "    values distort the histogram.\r\n"
     "2. Change the number of intervals of the histogram\r\n"
     "    (the Sturges rule 1 + 3.3 log10(n) is a guide).\r\n"
     "3. Adjust the limits Min and Max of the histogram.\r\n"
     "4. Change Eps for Min(x) within ( 1E-8 , 1 ).\r\n"
     "5. Extend the set of measurements,\r\n"
     "    or use the raw data histogram itself\r\n"
     "    (non-parametric probability distribution)."},
    {111, "Parametry vstupu  : ", "Input parameters  : "},
    {112, "Soubor %s  n e e x i s t u j e  !", "File %s  d o e s   n o t   e x i s t  !"},
    {113, "Počet měřěných údajů je > ", "Number of measured values is > "},
    {114,
     "Nebylo zadáno platné číslo!\r\n"
     "\r\n"
     "        Zadaný počet intervalů ",
     "Not a valid number!\r\n"
     "\r\n"
     "        Given number of intervals "},
    {115, "Počet intervalů = 0 !", "Number of intervals = 0 !"},
    {116,
     "Počet intervalů je menší, než doporučuje\r\n"
     "Sturgesovo pravidlo :\r\n"
     "\r\n"
     "\tk = 1 + 3.3 log10(n)\r\n"
     "\r\n"
     "Pro n = %s měřených údajů je doporučený\r\n"
     "nejmenší počet intervalů  k = ",
     "The number of intervals is smaller than\r\n"
     "the Sturges rule recommends :\r\n"
     "\r\n"
     "\tk = 1 + 3.3 log10(n)\r\n"
     "\r\n"
     "For n = %s measured values the recommended\r\n"
     "smallest number of intervals is  k = "},
    {117, "Parametry vstupu  : F ( x | ", "Input parameters  : F ( x | "},
    {118, "V souboru nebylo zadáno platné číslo!", "The file holds an invalid number!"},
    {120, "    Funkce", "    Function"},
    {121, "Pravděpodobnost", "Probability"},
    {122, "   Četnost", "   Frequency"},
    {123, "      Od ", "      From "},
    {124, "      Do ", "      To "},
    {125, "  Č E T N O S T", "  F R E Q U E N C Y"},
    {127, " C e l k e m", " T o t a l"},
    {128,
     "Adresář souboru Help nenalezen !\r\n"
     "\r\n"
     "%s",
     "Folder of the Help file not found !\r\n"
     "\r\n"
     "%s"},
    {129,
     "Nebylo zadáno platné číslo!\r\n"
     "\r\n"
     "Zadáno : ",
     "Not a valid number!\r\n"
     "\r\n"
     "Given : "},
    {130, "Počet měřěných údajů je < 3 !", "Number of measured values is < 3 !"},
    {131, "Snížená", "Reduced"},
    {132, "Verze", "Version"},
    {133, "Tabulka \"horninových poměrů\" je p r á z d n á  !",
     "The table of \"rock conditions\" is  e m p t y  !"},
    {134,
     "Nebyl  z a d á n  histogram\r\n"
     "\r\n"
     "\t  \"Šířka důlního díla\" !",
     "The histogram\r\n"
     "\r\n"
     "\t  \"Width of the mine working\" was not  g i v e n !"},
    {135,
     "V tabulce \"horninových poměrů\" (řádek 1) \r\n"
     "\r\n"
     "\tMocnost m1 (2B*-suma_mi) <= 0.0 ( ",
     "In the table of \"rock conditions\" (row 1) \r\n"
     "\r\n"
     "\tThickness m1 (2B*-sum_mi) <= 0.0 ( "},
    {136, "Vytvořen ( \"", "Created ( \""},
    {137, "Frekvenční funkce : F ( x | ? , ? , ? )", "Frequency function : F ( x | ? , ? , ? )"},
    {138, "Parametrické rozdělení", "Parametric distribution"},
    {139, "Prvotmí data", "Raw data"},
    {140, "Nebyl vybrán druh horniny (sloupec 2) z tabulky horninových poměrů !",
     "No rock type (column 2) was chosen from the table of rock conditions !"},
    {141, "Nebyl spočten histogram (parametrický nebo z prvotních dat) !",
     "No histogram has been computed (parametric or from raw data) !"},
    {142,
     "Uložit \" %s \" do tabulky\r\n"
     "\r\n"
     "\t%s %s\r\n",
     "Save \" %s \" to the table\r\n"
     "\r\n"
     "\t%s %s\r\n"},
    {143,
     "Výpočet  n e l z e  provést!\r\n"
     "Hodnota Min u histogramu A je neplatná!\r\n"
     "\r\n"
     "zadáno :  ",
     "The computation  c a n n o t  be done!\r\n"
     "The Min of histogram A is invalid!\r\n"
     "\r\n"
     "given :  "},
    {144, "Chcete uložit histogram do souboru ?", "Do you want to save the histogram to a file ?"},
    {145, "Neplatná ef.hloubka \"H\" !  ( ", "Invalid effective depth \"H\" !  ( "},
    {146, "Neplatný průměr svorníku", "Invalid bolt diameter"},
    {147, "Neplatný počet kotev \"n\" !  ( ", "Invalid number of bolts \"n\" !  ( "},
    {148, "Inicializační soubor ještě nebyl vytvořen !",
     "The initialisation file has not been created yet !"},
    {149, "Neplatná mocnost vrstvy ", "Invalid layer thickness "},
    {150, "Nebyla zadána  mocnost vrstvy ", "No layer thickness was given "},
    {151, "Nebyla spočtena \"Redukovaná pevnost v tlaku\" !",
     "\"Reduced compressive strength\" has not been computed !"},
    {152, "Chcete opravdu přejít k default hodnotám objektů  ?",
     "Do you really want to return to the default values ?"},
    {153,
     "Zobrazení okna :\r\n"
     "\r\n"
     "\t\" %s \"\r\n"
     "\r\n"
     "je    u l o ž e n o    do schránky !",
     "The view of the window :\r\n"
     "\r\n"
     "\t\" %s \"\r\n"
     "\r\n"
     "is    c o p i e d    to the clipboard !"},
    {154, "", ""},
    {155, "Neplatná vzdálenost kotev \"ds\" !  ( %s )\r\n",
     "Invalid row spacing of bolts \"ds\" !  ( %s )\r\n"},
    {156, "Pelmora důlní výztuře", "Results_Veltra"},
    {157, "K : Konvergenční koeficient", "K : Convergence coefficient"},
    {158, "Kn :  koeficient", "Kn :  coefficient"},
    {159, "RMR* : Geomechancký klasifikační koeficient", "RMR* : Rock mass rating"},
    {160, "q : Odpor podpěrné výztuže (kombinovaná výztuž)",
     "q : Resistance of the supporting part (combined support)"},
    {161, "gamma : Objemová hmotnost hornin", "gamma : Rock density"},
    {162, "SigmaH : Pevnost svorníku", "SigmaH : Bolt strength"},
    {163, "   VELTRA :   graf histogramu : Pevnost v jednoosém tlaku  [ MPa ]",
     "   VELTRA :   histogram chart : Uniaxial compressive strength  [ MPa ]"},
    {164, "   VELTRA :   graf histogramu : Šířka důlního díla  [ m ]",
     "   VELTRA :   histogram chart : Width of the mine working  [ m ]"},
    {165, "   VELTRA :   graf histogramu : Konvergenční koeficient",
     "   VELTRA :   histogram chart : Convergence coefficient"},
    {166, "   VELTRA :   graf histogramu : Kn součinitel", "   VELTRA :   histogram chart : Kn coefficient"},
    {167, "   VELTRA :   graf histogramu : redukovaná pevnost  [ MPa ]",
     "   VELTRA :   histogram chart : reduced strength  [ MPa ]"},
    {168, "   VELTRA :   graf histogramu : Odpor podpěrné výztuže",
     "   VELTRA :   histogram chart : Resistance of the supporting part"},
    {169, "   VELTRA :   graf histogramu : RMR - geomechancký klasifikační koeficient",
     "   VELTRA :   histogram chart : RMR - rock mass rating"},
    {170, "   VELTRA :   graf histogramu : Gamma - objemová hmotnost hornin  [ t/m3 ]",
     "   VELTRA :   histogram chart : Gamma - rock density  [ t/m3 ]"},
    {171, "   VELTRA :   graf histogramu : SigmaR - pevnost svorníku  [ MPa ]",
     "   VELTRA :   histogram chart : SigmaR - bolt strength  [ MPa ]"},
    {172, "   VELTRA :   graf histogramu : únosnost svorníků  [ kN ]",
     "   VELTRA :   histogram chart : bearing capacity of bolts  [ kN ]"},
    {173, "   VELTRA :   graf histogramu : délka svorníku  [ m ]",
     "   VELTRA :   histogram chart : bolt length  [ m ]"},
    {174, "   VELTRA :   graf histogramu : zatížení svorníků  [ kN ]",
     "   VELTRA :   histogram chart : bolt load  [ kN ]"},
    {175, "   VELTRA :   graf histogramu : funkce spolehlivosti ",
     "   VELTRA :   histogram chart : reliability function "},
    {176, "   VELTRA :   graf histogramu : Pevnost neporušené horniny ( podle hodnocení )",
     "   VELTRA :   histogram chart : Strength of intact rock ( from the rating )"},
    {177,
     "Nebylo zadáno platné číslo!\r\n"
     "\r\n"
     "Zadáno : ",
     "Not a valid number!\r\n"
     "\r\n"
     "Given : "},
    {200, "Není zadána \"Vzdálenost jádrového vrtu RQD\" !\r\n",
     "\"RQD (rock quality designation of the drill core)\" is not given !\r\n"},
    {201, "Není zadána \"Vzdálenost ploch nespojitosti\" !\r\n",
     "\"Spacing of discontinuities\" is not given !\r\n"},
    {202, "Není zadána \"Přítomnost a tlak podzemní vody\" !\r\n",
     "\"Groundwater inflow and pressure\" is not given !\r\n"},
    {203, "Není zadána \"Orientace puklin vzhledem ke směru ražby\" !\r\n",
     "\"Orientation of joints to the direction of driving\" is not given !\r\n"},
    {204, "Není zadán \"Charakter ploch nespojitosti\" !\r\n",
     "\"Condition of discontinuities\" is not given !\r\n"},
    {205, "Celkové hodnocení horninového masivu je <0 !", "The total rating of the rock mass is <0 !"},
    {206, "Celkové hodnocení horninového masivu je >100 !", "The total rating of the rock mass is >100 !"},
    {207, "RMR vytvořen ( \"Tvorba RMR\" )", "RMR created ( \"RMR rating\" )"},
    {208, "Třída :", "Class :"},
    {209, "Histogtam parametrické funkce : ", "Histogram of parametric function : "},
    {210, "Histogram s neparametrickým rozdělením pravděpodobnosti",
     "Histogram with a non-parametric probability distribution"},
    {211,
     "        Chyba v procedure VypParaRoz : \r\n"
     "\r\n"
     "Parametrické rozdělení = ",
     "        Error in procedure VypParaRoz : \r\n"
     "\r\n"
     "Parametric distribution = "},
    {212, "Frekvenční funkce : ", "Frequency function : "},
    {213, "", ""},
    {214,
     "Xmin :\tstřed prvního intervalu histogramu\r\n"
     "Xmax :\tstřed posledního intervalu histogramu\r\n"
     "\r\n"
     "Median :\r\n"
     "\thodnota x, pro kterou distribuční funkce\r\n"
     "\tF(x) = 0.5 ; polovina pravděpodobnosti leží\r\n"
     "\tpod ní, polovina nad ní (lineární interpolace\r\n"
     "\tuvnitř intervalu)\r\n"
     "\r\n"
     "Mode :\r\n"
     "\tstřed intervalu s největší pravděpodobností\r\n"
     "\t(nejčastější hodnota)",
     "Xmin :\tcentre of the first interval of the histogram\r\n"
     "Xmax :\tcentre of the last interval of the histogram\r\n"
     "\r\n"
     "Median :\r\n"
     "\tthe value x at which the distribution function\r\n"
     "\tF(x) = 0.5 ; half of the probability lies below\r\n"
     "\tit, half above (linear interpolation within\r\n"
     "\tthe interval)\r\n"
     "\r\n"
     "Mode :\r\n"
     "\tcentre of the interval with the largest\r\n"
     "\tprobability (the most frequent value)"},
    {215,
     "Statistiky měřených hodnot (prvotních dat) :\r\n"
     "\r\n"
     "Počet dat :\r\n"
     "\tpočet měřených údajů n\r\n"
     "Střední hodnota Mi :\r\n"
     "\taritmetický průměr  Mi = suma(x) / n\r\n"
     "Směr.odchylka Sigma :\r\n"
     "\tvýběrová směrodatná odchylka\r\n"
     "\tSigma = odmocnina( (suma(x²) - suma(x)² / n) / (n - 1) )\r\n"
     "Šikmost :\r\n"
     "\tsuma((x - Mi)³) / Sigma³ / n ; kladná při delším\r\n"
     "\tpravém konci rozdělení, záporná při delším levém\r\n"
     "\r\n"
     "Z těchto hodnot se odvozují parametry parametrických\r\n"
     "rozdělení při hledání vhodného rozdělení (tlačítko \"Param\").",
     "Statistics of the measured values (raw data) :\r\n"
     "\r\n"
     "Number of data :\r\n"
     "\tnumber of measured values n\r\n"
     "Mean value Mi :\r\n"
     "\tarithmetic average  Mi = sum(x) / n\r\n"
     "Std.deviation Sigma :\r\n"
     "\tsample standard deviation\r\n"
     "\tSigma = sqrt( (sum(x²) - sum(x)² / n) / (n - 1) )\r\n"
     "Skewness :\r\n"
     "\tsum((x - Mi)³) / Sigma³ / n ; positive for a longer\r\n"
     "\tright tail of the distribution, negative for a longer left one\r\n"
     "\r\n"
     "The parameters of the parametric distributions are derived\r\n"
     "from these values when a suitable distribution is searched\r\n"
     "for (button \"Param\")."},
    {216, "Pravděpodobnost  P(x)", "Probability  P(x)"},
    {217, "Hodnota x", "Value x"},
    {218, "Hodnota x", "Value x"},
    {219, "Hodnota  F(x)", "Value  F(x)"},
    {221,
     "Charakteristiky histogramu prvotních dat :\r\n"
     "\r\n"
     "Střední hodnota :\r\n"
     "\tprůměr středů intervalů vážený jejich pravděpodobnostmi\r\n"
     "Směr.odchylka :\r\n"
     "\todmocnina z rozptylu středů intervalů kolem střední hodnoty\r\n"
     "Šikmost :\r\n"
     "\tkoeficient šikmosti histogramu\r\n"
     "\r\n"
     "Hodnoty jsou spočteny z histogramu, ne z jednotlivých\r\n"
     "měření ; od statistik prvotních dat se liší tím víc,\r\n"
     "čím širší jsou intervaly histogramu.",
     "Characteristics of the raw data histogram :\r\n"
     "\r\n"
     "Mean value :\r\n"
     "\taverage of the interval centres weighted by their probabilities\r\n"
     "Std.deviation :\r\n"
     "\tsquare root of the variance of the centres about the mean\r\n"
     "Skewness :\r\n"
     "\tcoefficient of skewness of the histogram\r\n"
     "\r\n"
     "The values are computed from the histogram, not from the\r\n"
     "single measurements ; they differ from the raw data statistics\r\n"
     "the more, the wider the intervals of the histogram."},
    {222,
     "Charakteristiky histogramu s parametrickým rozdělením :\r\n"
     "\t%s\r\n"
     "\r\n"
     "Střední hodnota :\r\n"
     "\tprůměr středů intervalů vážený jejich pravděpodobnostmi\r\n"
     "Směr.odchylka :\r\n"
     "\todmocnina z rozptylu středů intervalů kolem střední hodnoty\r\n"
     "Šikmost :\r\n"
     "\tkoeficient šikmosti histogramu\r\n"
     "\r\n"
     "Histogram je vytvořen na stejných intervalech jako histogram\r\n"
     "prvotních dat ; parametry rozdělení jsou odvozeny z prvotních\r\n"
     "dat. Porovnejte hodnoty s tabulkou prvotních dat : čím jsou\r\n"
     "si bližší, tím lépe rozdělení popisuje měřená data.",
     "Characteristics of the histogram with the parametric distribution :\r\n"
     "\t%s\r\n"
     "\r\n"
     "Mean value :\r\n"
     "\taverage of the interval centres weighted by their probabilities\r\n"
     "Std.deviation :\r\n"
     "\tsquare root of the variance of the centres about the mean\r\n"
     "Skewness :\r\n"
     "\tcoefficient of skewness of the histogram\r\n"
     "\r\n"
     "The histogram is formed on the same intervals as the raw data\r\n"
     "histogram ; the parameters of the distribution are derived from\r\n"
     "the raw data. Compare the values with the raw data table : the\r\n"
     "closer they are, the better the distribution describes the data."},
    {223, "Histogram s parametrickým rozdělením pravděpodobnosti : ",
     "Histogram with a parametric probability distribution : "},
    {224, "Nebylo zadáno platné číslo !", "Not a valid number !"},
    {225, "Hodnota min > max !", "Value min > max !"},
    {226, "Tabulka četností nebyla zadána !", "The frequency table has not been filled in !"},
    {227,
     "Výpočet nelze provést!\r\n"
     "Počet dat  > %s\r\n"
     "\r\n"
     "zadáno :  Pocet  = ",
     "The computation cannot be done!\r\n"
     "Number of data  > %s\r\n"
     "\r\n"
     "given :  Number  = "},
    {228, "Řádek :  ", "Line :  "},
    {229, "Prvek :  ", "Element :  "},
    {230, "Tabulka prvotních dat nebyla zadána !", "The raw data table has not been filled in !"},
    {231, "Nevyhovující", "Not satisfactory"},
    {232, "Úroveň spolehlivosti", "Reliability level"},
    {233, "nedefinován", "not defined"},
    {403, "Vyhovující", "Satisfactory"},
    {405, "Třída spolehlivosti a následků", "Reliability and consequence class"},
    {406, "D e f i n i c e   t ř í d   n á s l e d k ů",
     "D e f i n i t i o n   o f   c o n s e q u e n c e   c l a s s e s"},
    {407,
     "CC3 - velké následky :\r\n"
     "\tvelké ohrožení lidských životů nebo velmi významné\r\n"
     "\tekonomické, sociální a environmentální následky ;\r\n"
     "\tnapř. hlavní důlní díla s trvalou dopravou a pohybem\r\n"
     "\tosob, jámová náraží, díla s dlouhou dobou životnosti.\r\n"
     "\r\n"
     "CC2 - střední následky :\r\n"
     "\tstřední ohrožení lidských životů, značné ekonomické,\r\n"
     "\tsociální nebo environmentální následky ; např. chodby\r\n"
     "\ta úpadnice v provozu po dobu dobývání.\r\n"
     "\r\n"
     "CC1 - malé následky :\r\n"
     "\tmalé ohrožení lidských životů a malé nebo zanedbatelné\r\n"
     "\tekonomické, sociální nebo environmentální následky ;\r\n"
     "\tnapř. krátkodobá díla bez stálé obsluhy.",
     "CC3 - high consequences :\r\n"
     "\thigh consequence for loss of human life, or very great\r\n"
     "\teconomic, social or environmental consequences ;\r\n"
     "\te.g. main roadways with permanent haulage and travel\r\n"
     "\tof persons, shaft insets, long-lived workings.\r\n"
     "\r\n"
     "CC2 - medium consequences :\r\n"
     "\tmedium consequence for loss of human life, considerable\r\n"
     "\teconomic, social or environmental consequences ;\r\n"
     "\te.g. gate roads and drifts in use for the time of extraction.\r\n"
     "\r\n"
     "CC1 - low consequences :\r\n"
     "\tlow consequence for loss of human life, and small or\r\n"
     "\tnegligible economic, social or environmental consequences ;\r\n"
     "\te.g. short-lived workings without permanent attendance."},
    {408, "RC3/CC3 (velké následky)", "RC3/CC3 (high consequences)"},
    {409, "RC2/CC2 (střední následky)", "RC2/CC2 (medium consequences)"},
    {410, "RC1/CC1 (malé následky)", "RC1/CC1 (low consequences)"},
    {411, "Počet intervalů n=(3..1024)", "Number of intervals n=(3..1024)"},
    {412, "Distr.funkce F(x)", "Distr.function F(x)"},
    {501, "Nebylo zadáno platné číslo!", "Not a valid number!"},
    {502, "Zadaný parametr ", "Given parameter "},
    {503, "Parametr ", "Parameter "},
    {504, " není > 0 !", " is not > 0 !"},
    {505, "Neplatí podmínka :  ", "Condition violated :  "},
    {506, "P ř e t e č e n í  reálného čísla !", "O v e r f l o w  of a real number !"},
    {507, "Pro uvedené parametry nelze par.rozdělení použít !",
     "The parametric distribution cannot be used for these parameters !"},
    {508, "Dělení nulou ! (Konstanta C=0)", "Division by zero ! (Constant C=0)"},
    {509, "Není splněna podmínka ", "Condition not met "},
};

constexpr bool ascending() {
  for (size_t i = 1; i < std::size(kMessages); ++i)
    if (kMessages[i - 1].number >= kMessages[i].number) return false;
  return true;
}
static_assert(ascending(), "message numbers must be unique and ascending");

const Message* find(int number) {
  auto it = std::lower_bound(std::begin(kMessages), std::end(kMessages), number,
                             [](const Message& m, int n) { return m.number < n; });
  return it != std::end(kMessages) && it->number == number ? it : nullptr;
}

}  // namespace

std::string MessageText(int number, Language language) {
  if (const Message* m = find(number)) return std::string(language == Language::Czech ? m->cs : m->en);
  return "TextCis[" + std::to_string(number) +
         (language == Language::Czech ? "] neexistuje !" : "] no exist !");
}

bool MessageExists(int number) { return find(number) != nullptr; }

std::string MessageFormat(int number, Language language, std::initializer_list<std::string> args) {
  return FillPlaceholders(MessageText(number, language), args);
}

std::string FillPlaceholders(std::string_view f, std::initializer_list<std::string> args) {
  return FillPlaceholders(f, std::span<const std::string>(args.begin(), args.size()));
}

std::string FillPlaceholders(std::string_view f, std::span<const std::string> args) {
  std::string out;
  auto it = args.begin();
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] == '%' && i + 1 < f.size() && f[i + 1] == 's' && it != args.end()) {
      out += *it++;
      ++i;
    } else {
      out += f[i];
    }
  }
  return out;
}
