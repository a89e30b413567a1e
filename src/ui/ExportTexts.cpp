#include "ui/ExportTexts.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "shell/Messages.h"
#include "shell/TextTable.h"

namespace {

constexpr TextPair<ExportText> kTexts[] = {
    {ExportText::SheetHeaderInterval, " Interval", " Intervals"},
    {ExportText::SheetHeaderX, "     x", "     x"},
    {ExportText::SheetHeaderProbability, " Pravděpodobnost P(x)", " Probability P(x)"},
    {ExportText::SheetHeaderFrequency, " Četnost", " Frequency"},
    {ExportText::SheetHeaderDistribution, " Distr.funkce F(x)", " Distr.function F(x)"},
    {ExportText::SheetNoViewer,
     "Kontrolní tabulka byla uložena do souboru\r\n\r\n    %s\r\n\r\nProgram pro její otevření nebyl "
     "nalezen.",
     "The check sheet was saved to the file\r\n\r\n    %s\r\n\r\nNo program to open it was found."},
    {ExportText::ReportTitle, "Zpráva o posouzení spolehlivosti svorníkové výztuže",
     "Report on the reliability assessment of the rock-bolt support"},
    {ExportText::ReportProject, "Projekt", "Project"},
    {ExportText::ReportDate, "Datum", "Date"},
    {ExportText::ReportVersion, "Verze programu", "Program version"},
    {ExportText::ReportInputs, "Vstupní histogramy", "Input histograms"},
    {ExportText::ReportLayer, "Vrstva %s", "Layer %s"},
    {ExportText::ReportFile, "Soubor", "File"},
    {ExportText::ReportThickness, "mocnost [ m ]", "thickness [ m ]"},
    {ExportText::ReportGivenValues, "Zadané hodnoty", "Given values"},
    {ExportText::ReportDepth, "efektivní hloubka pod povrchem  [ m ]",
     "effective depth below the surface  [ m ]"},
    {ExportText::ReportD1, "vnější průměr svorníků d1 [ mm ]", "outer bolt diameter d1 [ mm ]"},
    {ExportText::ReportD2, "vnitřní průměr svorníků d2 [ mm ]", "inner bolt diameter d2 [ mm ]"},
    {ExportText::ReportBoltCount, "počet kotev n", "number of bolts n"},
    {ExportText::ReportRowSpacing, "vzdálenost kotev ds [ mm ]", "bolt row spacing ds [ mm ]"},
    {ExportText::ReportCombined, "Kombinovaná výztuž", "Combined support"},
    {ExportText::ReportYes, "ano", "yes"},
    {ExportText::ReportNo, "ne", "no"},
    {ExportText::ReportDerived, "Odvozené hodnoty", "Derived values"},
    {ExportText::ReportResults, "Výsledné histogramy", "Result histograms"},
    {ExportText::ReportReducedStrength, "Redukovaná pevnost nadložních hornin R  [ MPa ]",
     "Reduced strength of the overburden R  [ MPa ]"},
    {ExportText::ReportBoltLength, "Délka 1 svorníku L  [ m ]", "Length of one bolt L  [ m ]"},
    {ExportText::ReportBoltLoad, "Zatížení svorníků S  [ kN / m díla ]",
     "Bolt load S  [ kN / m of working ]"},
    {ExportText::ReportBearingCapacity, "Únosnost svorníků C  [ kN ]",
     "Bearing capacity of the bolts C  [ kN ]"},
    {ExportText::ReportReliabilityFunction, "Funkce spolehlivosti FS = C - S  [ kN ]",
     "Reliability function FS = C - S  [ kN ]"},
    {ExportText::ReportAssessment, "Posouzení spolehlivosti", "Reliability assessment"},
    {ExportText::ReportPf, "Pravděpodobnost poruchy Pf", "Probability of failure Pf"},
    {ExportText::ReportBetaF, "Index spolehlivosti beta_f", "Reliability index beta_f"},
    {ExportText::ReportUpperEdges, "S vyhodnoceno na horních mezích intervalů (dřívější verze)",
     "S evaluated at the upper bin edges (earlier versions)"},
    {ExportText::ReportStandard, "Norma", "Standard"},
    {ExportText::ReportClass, "Třída", "Class"},
    {ExportText::ReportSatisfied, "vyhovuje", "satisfied"},
    {ExportText::ReportVerdict, "Výrok", "Verdict"},
    {ExportText::ReportQuantiles, "Kvantily FS pro Pd  Qpd  [ kN ]", "Quantiles of FS at Pd  Qpd  [ kN ]"},
    {ExportText::ReportPage, "Strana %s z %s", "Page %s of %s"},
    {ExportText::ReportWritten, "Zpráva byla uložena do souboru\r\n\r\n    %s",
     "The report was saved to the file\r\n\r\n    %s"},
    {ExportText::ReportNotAssessed, "Posouzení spolehlivosti nebylo provedeno.",
     "The reliability assessment has not been run."},
    {ExportText::ReportRmr, "RMR", "RMR"},
    {ExportText::ReportStandardEn1990, "ČSN EN 1990", "ČSN EN 1990"},
    {ExportText::ReportStandardCsn731401, "ČSN (STN) 73 1401", "ČSN (STN) 73 1401"},
    {ExportText::ImageFilter,
     "Obrázek PNG (*.png)|*.png|Vektorový obrázek SVG (*.svg)|*.svg|Dokument PDF (*.pdf)|*.pdf|"
     "Obrázek JPEG (*.jpg)|*.jpg;*.jpeg|Obrázek BMP (*.bmp)|*.bmp",
     "PNG image (*.png)|*.png|SVG vector image (*.svg)|*.svg|PDF document (*.pdf)|*.pdf|"
     "JPEG image (*.jpg)|*.jpg;*.jpeg|BMP image (*.bmp)|*.bmp"},
    {ExportText::ReportFilter, "Dokument PDF (*.pdf)|*.pdf|Všechny soubory (*.*)|*.*",
     "PDF document (*.pdf)|*.pdf|All files (*.*)|*.*"},
};

static_assert(textTableComplete(kTexts, ExportText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string exportText(ExportText id, Language language) { return textOf(kTexts, id, language); }

std::string exportTextFormat(ExportText id, Language language, std::initializer_list<std::string> args) {
  return FillPlaceholders(exportText(id, language), args);
}
