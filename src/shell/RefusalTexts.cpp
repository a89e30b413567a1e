#include "shell/RefusalTexts.h"

#include "shell/TextTable.h"

namespace {

constexpr TextPair<RefusalText> kTexts[] = {
    {RefusalText::None, "", ""},
    {RefusalText::FileDamaged, "Soubor je poškozený nebo neúplný a nebyl načten !\r\n\r\n",
     "The file is damaged or incomplete and was not read !\r\n\r\n"},
    {RefusalText::ProjectEndsEarly, "Soubor končí předčasně (chybí řádek %s).",
     "The file ends early (line %s is missing)."},
    {RefusalText::ProjectBadCount, "Na řádku %s není platný počet ( %s ).",
     "Line %s holds no valid count ( %s )."},
    {RefusalText::ProjectBadVersion, "Řádek verze nelze přečíst ( %s ).",
     "The version line cannot be read ( %s )."},
    {RefusalText::ResultsTrailingBytes, "Za poslední hodnotou ( č. %s ) následuje od bajtu %s ještě ",
     "After the last value ( no. %s ) follow "},
    {RefusalText::ResultsTrailingBytesEnd, "%s bajtů.", "%s more bytes from byte %s."},
    {RefusalText::ResultsOutOfRange, "Hodnota č. %s ( %s ) je mimo platný rozsah : %s",
     "Value no. %s ( %s ) is out of range: %s"},
    {RefusalText::ResultsEndsEarly, "Soubor končí předčasně u hodnoty č. %s ( %s ), bajt %s.",
     "The file ends early at value no. %s ( %s ), byte %s."},
    {RefusalText::ResultsUnexpectedType, "Neočekávaný typ %s u hodnoty č. %s ( %s ), bajt %s.",
     "Unexpected type %s at value no. %s ( %s ), byte %s."},
    {RefusalText::ResultsBadUtf8, "Text u hodnoty č. %s ( %s ), bajt %s, není platné UTF-8.",
     "The text at value no. %s ( %s ), byte %s, is not valid UTF-8."},
    {RefusalText::ResultsBadTextLength, "Neplatná délka textu u hodnoty č. %s ( %s ).",
     "Invalid text length at value no. %s ( %s )."},
    {RefusalText::HistogramMaxInvalid,
     "Výpočet  n e l z e  provést!\r\nHodnota Max u histogramu je neplatná!\r\n\r\nzadáno :  ",
     "The computation  c a n n o t  be done!\r\nThe Max of the histogram is invalid!\r\n\r\ngiven :  "},
    {RefusalText::HistogramKeyRepeated, "Klíčové slovo %s je zadáno vícekrát ( %s× ) !",
     "The key word %s is given more than once ( %s times )!"},
    {RefusalText::HistogramNoBins, "Histogram nemá žádný interval !\r\n\r\nzadáno :  Bins = %s",
     "The histogram has no interval!\r\n\r\nentered :  Bins = %s"},
    {RefusalText::HistogramZeroTotal, "Součet četností je nulový !\r\n\r\nzadáno :  Total = %s",
     "The sum of the frequencies is zero!\r\n\r\nentered :  Total = %s"},
    {RefusalText::HistogramEdgesOutOfRange,
     "Meze histogramu jsou mimo rozsah čísel !\r\n\r\nzadáno :  Min = %s   Max = %s",
     "The histogram bounds are out of the range of numbers!\r\n\r\nentered :  Min = %s   Max = %s"},
    {RefusalText::HistogramMinMaxZero, "Min=0 a Max=0", "Min=0 a Max=0"},
    {RefusalText::HistogramNotSavable, "Histogram nelze uložit: nemá platné meze, intervaly nebo četnosti.",
     "The histogram cannot be saved: its bounds, intervals or frequencies are not valid."},
    {RefusalText::HistogramNotSaved, "Histogram nelze uložit tak, aby se ze souboru načetl stejný :\r\n\r\n",
     "The histogram cannot be saved so that it reads back the same:\r\n\r\n"},
    {RefusalText::HistogramBinLost,
     "Četnost %s.intervalu ( pravděpodobnost %s ) by v souboru byla 0 : pravděpodobnosti histogramu se "
     "nevejdou do 64bitových četností.",
     "The frequency of interval %s ( probability %s ) would be 0 in the file: the histogram's probabilities "
     "do not fit 64-bit frequencies."},
    {RefusalText::HistogramNotEqual, "Načtený histogram se liší : %s", "The histogram read back differs: %s"},
    {RefusalText::RawMinNotBelowMax, "MinX >= MaxX !", "MinX >= MaxX !"},
    {RefusalText::RawMaxNotAboveMin, "MaxX <= MinX !", "MaxX <= MinX !"},
    {RefusalText::RawRangeTooLarge, "Rozsah MinX .. MaxX je příliš velký !",
     "The range MinX .. MaxX is too large !"},
    {RefusalText::FrequencySumOverflow, "Součet četností přesahuje rozsah celých čísel !",
     "The sum of the frequencies exceeds the range of whole numbers !"},
    {RefusalText::FrequencyNegative, "Četnost nesmí být záporná !", "A frequency must not be negative !"},
    {RefusalText::FrequencySumZero, "Součet četností je 0 !\r\n\r\nZadejte alespoň jednu kladnou četnost.",
     "The sum of the frequencies is 0 !\r\n\r\nEnter at least one positive frequency."},
    {RefusalText::FrequencySumTooLarge,
     "Součet četností je příliš velký !\r\n\r\n\tNejvýše : %s\r\n\tZadáno : %s",
     "The sum of the frequencies is too large !\r\n\r\n\tAt most : %s\r\n\tGiven : %s"},
    {RefusalText::FrequencyRangeTooLarge, "Rozsah Max - Min přesahuje rozsah reálných čísel !",
     "The range Max - Min exceeds the range of real numbers !"},
    {RefusalText::ParametricNoRange,
     "Pro uvedené parametry nelze rozsah rozdělení najít :\r\n\r\n"
     "hustota neklesne pod Eps * Max f(x) do %s kroků hledání (krok h = %s).\r\n"
     "Zvětšete Eps nebo změňte parametry !",
     "The range of the distribution cannot be found for these parameters :\r\n\r\n"
     "the density does not fall below Eps * Max f(x) within %s search steps (step h = %s).\r\n"
     "Increase Eps or change the parameters !"},
    {RefusalText::ParametricStepLost,
     "Pro uvedené parametry nelze rozsah rozdělení najít :\r\n\r\n"
     "krok hledání h = %s je u x = %s menší než přesnost čísla.\r\n"
     "Změňte parametry !",
     "The range of the distribution cannot be found for these parameters :\r\n\r\n"
     "the search step h = %s is below the precision of numbers at x = %s.\r\n"
     "Change the parameters !"},
    {RefusalText::ParametricBadType, "Neznámý typ rozdělení : ", "Unknown distribution type : "},
    {RefusalText::ParametricNoMass,
     "Pro uvedené parametry nevznikl žádný histogram :\r\n\r\n"
     "hustota je v celém rozsahu %s .. %s nulová nebo není konečné číslo.\r\n"
     "Změňte parametry !",
     "These parameters give no histogram :\r\n\r\n"
     "the density is zero or not a finite number over the whole range %s .. %s.\r\n"
     "Change the parameters !"},
    {RefusalText::ParametricZeroDensity,
     "Pro uvedené parametry nevznikl žádný histogram :\r\n\r\n"
     "hustota je všude nulová (její konstanta je menší než nejmenší reálné číslo).\r\n"
     "Změňte parametry !",
     "These parameters give no histogram :\r\n\r\n"
     "the density is zero everywhere (its constant is below the smallest real number).\r\n"
     "Change the parameters !"},
    {RefusalText::ParametricNoHistogram, "Pro uvedené parametry nevznikl žádný histogram !",
     "These parameters give no histogram !"},
    {RefusalText::FitFailuresHead,
     "Tyto typy rozdělení nebylo možné proložit\r\npro chybu výpočtu, v tabulce nejsou :\r\n\r\n",
     "These distribution types could not be fitted\r\nfor an arithmetic fault, they are not in the table "
     ":\r\n\r\n"},
    {RefusalText::ComputationFailed, "Výpočet se nezdařil.", "The computation failed."},
    {RefusalText::DepthUnusual, "Efektivní hloubka \"H\" = %s m je neobvykle velká !\r\n( více než %s m )",
     "The effective depth \"H\" = %s m is unusually large !\r\n( more than %s m )"},
    {RefusalText::DiameterUnusual,
     "Průměr svorníku \"d1\" = %s mm je neobvykle velký !\r\n( více než %s mm )",
     "The bolt diameter \"d1\" = %s mm is unusually large !\r\n( more than %s mm )"},
    {RefusalText::BoltCountUnusual, "Počet kotev \"n\" = %s je neobvykle velký !\r\n( více než %s )",
     "The number of bolts \"n\" = %s is unusually large !\r\n( more than %s )"},
    {RefusalText::SpacingUnusual,
     "Vzdálenost kotev \"ds\" = %s mm je neobvykle velká !\r\n( více než %s mm )",
     "The row spacing \"ds\" = %s mm is unusually large !\r\n( more than %s mm )"},
    {RefusalText::WidthUnusual, "Histogram šířky důlního díla \"B\" sahá až k %s m !\r\n( více než %s m )",
     "The width histogram \"B\" reaches %s m !\r\n( more than %s m )"},
    {RefusalText::WidthNotPositive,
     "Histogram šířky důlního díla \"B\" obsahuje šířky <= 0  ( nejmenší %s m ) !",
     "The width histogram \"B\" holds widths <= 0  ( the smallest %s m ) !"},
    {RefusalText::CheckTheInput, "\r\n\r\nZkontrolujte prosím zadání.", "\r\n\r\nPlease check the input."},
    {RefusalText::RatingInvalid, "Hodnocení %s není platné celé číslo !\r\n\r\n\tZadáno : %s",
     "The rating %s is not a valid whole number !\r\n\r\n\tGiven : %s"},
    {RefusalText::OrientationRatingMissing,
     "Není zadáno hodnocení \"Orientace puklin vzhledem ke směru ražby\" !\r\n\r\n"
     "\tVyberte druh díla a potom orientaci puklin.",
     "The rating of \"Orientation of joints to the direction of driving\" is not given !\r\n\r\n"
     "\tChoose the kind of work, then the orientation of joints."},
    {RefusalText::StrengthRatingReversed,
     "Histogram hodnocení pevnosti neporušené horniny nelze vytvořit !\r\n\r\n"
     "\tHodnocení horní meze \"Redukované pevnosti\" není vyšší než hodnocení dolní meze.",
     "The histogram of the strength rating of intact rock cannot be made !\r\n\r\n"
     "\tThe rating of the upper edge of the \"Reduced strength\" is not above that of its lower edge."},
    {RefusalText::DesignNothingReaches, "Žádný vzor kotvení v zadaných rozsazích nedosahuje třídy %s ( %s ).",
     "No bolt pattern in the ranges reaches class %s ( %s )."},
    {RefusalText::DesignBadTarget, "Cílová třída musí být 1, 2 nebo 3.",
     "The target class must be 1, 2 or 3."},
    {RefusalText::DesignImpossible, "Návrh  n e l z e  provést !\r\n\r\n",
     "The design can not be done !\r\n\r\n"},
    {RefusalText::DesignBadBoltCounts,
     "Počty svorníků n musí být celá čísla od 1 do %s oddělená čárkami.  ( %s )",
     "The numbers of bolts n must be whole numbers from 1 to %s separated by commas.  ( %s )"},
    {RefusalText::DesignBadDiameters,
     "Průměry d1 musí být čísla větší než d2 = %s mm oddělená čárkami.  ( %s )",
     "The diameters d1 must be numbers above d2 = %s mm separated by commas.  ( %s )"},
    {RefusalText::DesignBadSpacingRange,
     "Rozsah vzdáleností řad ds musí mít tvar MIN:MAX:KROK s 0 < MIN <= MAX, KROK > 0 a nejvýše %s "
     "hodnotami.  ( %s )",
     "The range of row spacings ds must read MIN:MAX:STEP with 0 < MIN <= MAX, STEP > 0 and at most %s "
     "values.  ( %s )"},
    {RefusalText::DesignTooManyPatterns, "Rozsahy dávají %s vzorů kotvení; lze jich posoudit nejvýše %s.",
     "The ranges give %s bolt patterns; at most %s can be assessed."},
    {RefusalText::ChainOverflow,
     "Výpočet  n e l z e  provést !\r\n\r\n\tHodnoty histogramu přesahují rozsah reálných čísel !",
     "The computation can not be done !\r\n\r\n\tThe histogram values exceed the range of real numbers !"},
    {RefusalText::ReadAsEarlierVersion, "Hodnota \"%s\" (", "The value \"%s\" ("},
    {RefusalText::LayerThicknessField, "mocnost vrstvy %s", "thickness of layer %s"},
    {RefusalText::ReadAsEarlierVersionEnd,
     "), uložená starší verzí programu,\r\nje čtena jako %s, jak ji četla tato verze.",
     "), stored by an earlier version of the program,\r\nis read as %s, as that version read it."},
    {RefusalText::ArithmeticEmptyInput,
     "Výpočet  n e l z e  provést!\r\n\r\nHistogram nemá žádný interval nebo jich má více než 256.",
     "The computation  c a n n o t  be done!\r\n\r\nA histogram has no interval or more than 256."},
    {RefusalText::ArithmeticBadStep,
     "Výpočet  n e l z e  provést!\r\n\r\nŠířka intervalu histogramu není kladná.",
     "The computation  c a n n o t  be done!\r\n\r\nThe interval width of a histogram is not positive."},
    {RefusalText::ArithmeticBadValues,
     "Výpočet  n e l z e  provést!\r\n\r\nMeze histogramu nejsou konečná čísla.",
     "The computation  c a n n o t  be done!\r\n\r\nThe bounds of a histogram are not finite numbers."},
    {RefusalText::ArithmeticDegenerateFrame,
     "Výpočet  n e l z e  provést!\r\n\r\nVýsledný histogram by neměl žádný interval (rozpětí výsledku je "
     "menší než polovina počáteční šířky intervalu).",
     "The computation  c a n n o t  be done!\r\n\r\nThe resulting histogram would have no interval (the "
     "result spans less than half of the first interval width)."},
    {RefusalText::ArithmeticOverflow,
     "Výpočet  n e l z e  provést!\r\n\r\nHodnoty histogramu přesahují rozsah reálných čísel.",
     "The computation  c a n n o t  be done!\r\n\r\nThe histogram values exceed the range of real numbers."},
    {RefusalText::ArithmeticOutOfFrame, "MIMO index  %s", "MIMO index  %s"},
};

static_assert(textTableComplete(kTexts, RefusalText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string RefusalTextOf(RefusalText id, Language language) { return textOf(kTexts, id, language); }
