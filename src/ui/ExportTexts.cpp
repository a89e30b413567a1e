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
    {ExportText::ReportProjectFile, "Soubor projektu", "Project file"},
    {ExportText::ReportResultsFile, "Soubor výsledků", "Results file"},
    {ExportText::ReportNotSaved, "(neuloženo)", "(not saved)"},
    {ExportText::ReportPreparedBy, "Zpracoval", "Prepared by"},
    {ExportText::ReportSignedOn, "Datum", "Date"},
    {ExportText::ReportSignature, "Podpis", "Signature"},
    {ExportText::ReportModelPage, "Model a hodnocení RMR", "Model and rock mass rating"},
    {ExportText::ReportFormulas, "Model výpočtu v kostce", "The model in brief"},
    {ExportText::ReportFormulaR, "R = Beta / (2 B*) · (m1 σ1 + m2 σ2 + … + mn σn)   redukovaná pevnost nadloží [MPa]",
     "R = Beta / (2 B*) · (m1 σ1 + m2 σ2 + … + mn σn)   reduced strength of the overburden [MPa]"},
    {ExportText::ReportFormulaG,
     "g = (exp((1.5 H − q) / (45 R)) − 1)^0.6   tlakový součinitel; q = 0 bez kombinované výztuže",
     "g = (exp((1.5 H − q) / (45 R)) − 1)^0.6   pressure factor; q = 0 without combined support"},
    {ExportText::ReportFormulaL, "L = 0.251189 · Kn · B · K · g   délka 1 svorníku [m]",
     "L = 0.251189 · Kn · B · K · g   length of one bolt [m]"},
    {ExportText::ReportFormulaS, "S = 2.51189 · gamma · Kn · B · B · (1 − RMR/100) · g   zatížení svorníků [kN/m]",
     "S = 2.51189 · gamma · Kn · B · B · (1 − RMR/100) · g   bolt load [kN/m]"},
    {ExportText::ReportFormulaC, "C = SigmaR · n · π (d1 − d2)² / 4 / ds   únosnost svorníků [kN]",
     "C = SigmaR · n · π (d1 − d2)² / 4 / ds   bearing capacity of the bolts [kN]"},
    {ExportText::ReportFormulaFS,
     "FS = C − S   funkce spolehlivosti; vstupy nezávislé, histogramy skládané po dvojicích intervalů",
     "FS = C − S   reliability function; independent inputs, histograms combined bin pair by bin pair"},
    {ExportText::ReportFormulaPf, "Pf = P(FS < 0)   pravděpodobnost poruchy", "Pf = P(FS < 0)   probability of failure"},
    {ExportText::ReportFormulaBetaF, "beta_f = √(−log10 Pf / 0.198 − 1.5) − 0.605   index spolehlivosti",
     "beta_f = √(−log10 Pf / 0.198 − 1.5) − 0.605   reliability index"},
    {ExportText::ReportKNote,
     "K vstupuje jen do délky svorníku L; zatížení S délku L nepoužívá, proto K na Pf nemá vliv.",
     "K enters only the bolt length L; the bolt load S does not use L, so K has no effect on Pf."},
    {ExportText::ReportRmrRatings, "Hodnocení RMR (Bieniawski 1989)", "Rock mass rating RMR (Bieniawski 1989)"},
    {ExportText::ReportRmrB, "B  Vzdálenost jádrového vrtu RQD", "B  Drill core quality RQD"},
    {ExportText::ReportRmrC, "C  Vzdálenost ploch nespojitosti", "C  Spacing of discontinuities"},
    {ExportText::ReportRmrD1, "D1  Charakter ploch nespojitosti", "D1  Condition of discontinuities"},
    {ExportText::ReportRmrD2Persistence, "D2  Délka ploch nespojitosti", "D2  Persistence"},
    {ExportText::ReportRmrD2Aperture, "D2  Otevřenost", "D2  Aperture"},
    {ExportText::ReportRmrD2Roughness, "D2  Drsnost", "D2  Roughness"},
    {ExportText::ReportRmrD2Infilling, "D2  Výplň", "D2  Infilling"},
    {ExportText::ReportRmrD2Weathering, "D2  Zvětrání", "D2  Weathering"},
    {ExportText::ReportRmrE, "E  Přítomnost a tlak podzemní vody", "E  Groundwater"},
    {ExportText::ReportRmrF, "F  Orientace puklin vzhledem ke směru ražby",
     "F  Orientation of discontinuities to the drive"},
    {ExportText::ReportRmrSum, "Suma  B + C + D + E + F", "Sum  B + C + D + E + F"},
    {ExportText::ReportRmrClass, "Třída horninového masivu", "Rock mass class"},
    {ExportText::ReportRmrFromFile, "Histogram RMR načten ze souboru %s; hodnocení nebylo zadáno.",
     "The RMR histogram was read from the file %s; no rating was given."},
};

static_assert(textTableComplete(kTexts, ExportText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string exportText(ExportText id, Language language) { return textOf(kTexts, id, language); }

std::string exportTextFormat(ExportText id, Language language, std::initializer_list<std::string> args) {
  return FillPlaceholders(exportText(id, language), args);
}
