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
};

static_assert(textTableComplete(kTexts, RefusalText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string RefusalTextOf(RefusalText id, Language language) { return textOf(kTexts, id, language); }
