#include "ui/RuntimeTexts.h"

#include <initializer_list>
#include <iterator>
#include <string_view>

#include "shell/Messages.h"
#include "shell/TextTable.h"

namespace {

constexpr TextPair<RuntimeText> kTexts[] = {
    {RuntimeText::ChartTitleReducedStrength, "Redukovaná pevnost nadložních hornin   [ MPa ]",
     "Reduced strength of the overburden   [ MPa ]"},
    {RuntimeText::ChartNameReducedStrength, "Redukovaná pevnost nadložních hornin ",
     "Reduced strength of the overburden "},
    {RuntimeText::ChartTitleBearingCapacity,
     "Únosnost %s svorníků ( průměry : d1 = %smm, d2 = %smm )  [ kN ]",
     "Bearing capacity of %s bolts ( diameters : d1 = %smm, d2 = %smm )  [ kN ]"},
    {RuntimeText::ChartNameBearingCapacity, "Únosnost svorníků", "Bearing capacity of bolts"},
    {RuntimeText::ChartTitleBoltLength, "Délka 1 svorníku  [ m ]", "Length of 1 bolt  [ m ]"},
    {RuntimeText::ChartNameBoltLength, "Délka 1 svorníku", "Length of 1 bolt"},
    {RuntimeText::ChartTitleBoltLoad, "Zatížení svorníků  [ kN / m díla]",
     "Bolt load  [ kN / m of the working ]"},
    {RuntimeText::ChartNameBoltLoad, "Zatížení svorníků", "Bolt load"},
    {RuntimeText::ChartTitleAssessment, "Posudek spolehlivosti ( %s ) ", "Reliability assessment ( %s ) "},
    {RuntimeText::ChartTitleIntactRock, "Pevnost neporušené horniny    ( podle hodnocení )",
     "Strength of intact rock    ( from the rating )"},
    {RuntimeText::ChartNameIntactRock, "Pevnost neporušené horniny", "Strength of intact rock"},
    {RuntimeText::ChartCaptionHistogramFile, "   VELTRA :   graf histogramu : %s",
     "   VELTRA :   histogram chart : %s"},
    {RuntimeText::WordProcessorFailed, "Textový editor se nepodařilo spustit :\r\n\r\n%s",
     "The word processor could not be started :\r\n\r\n%s"},
    {RuntimeText::NoWordProcessor,
     "Na tomto počítači není nainstalován textový editor.\r\n\r\nNainstalujte LibreOffice Writer nebo "
     "AbiWord.",
     "No word processor is installed on this computer.\r\n\r\nInstall LibreOffice Writer or AbiWord."},
    {RuntimeText::WidthSlotLabel, "B : Šířka důlního díla", "B : Width of the mine working"},
    {RuntimeText::UnsavedWork,
     "Vstupní údaje nebo výsledky nebyly uloženy !\r\n\r\nChcete je nejprve uložit ?",
     "The inputs or the results have not been saved !\r\n\r\nDo you want to save them first?"},
    {RuntimeText::SettingsNotSaved,
     "Nastavení se nepodařilo uložit; změny platí jen do konce běhu programu.\r\n\r\n%s",
     "The settings could not be saved; changes last only until the program ends.\r\n\r\n%s"},
    {RuntimeText::UnknownFileType,
     "Soubor nelze otevřít : VELTRA otevírá projekty (*.hor), výsledky (*.Vys) a histogramy "
     "(*.dis).\r\n\r\n%s",
     "The file cannot be opened : VELTRA opens projects (*.hor), results (*.Vys) and histograms "
     "(*.dis).\r\n\r\n%s"},
    {RuntimeText::ParameterLabel, "%s.parametr", "%s.parameter"},
    {RuntimeText::DialogYes, "&Ano", "&Yes"},
    {RuntimeText::DialogNo, "&Ne", "&No"},
    {RuntimeText::DialogCancel, "&Storno", "&Cancel"},
    {RuntimeText::DialogOk, "OK", "OK"},
    {RuntimeText::SplashLine1, "Program výpočtu spolehlivosti", "Program computing the reliability"},
    {RuntimeText::SplashLine2, "pelmora důlní výztuže", "of pelmora mine support"},
    {RuntimeText::SplashLine3, "Pravděpodobnostní posouzení svorníkové výztuže",
     "Probabilistic assessment of rock-bolt support"},
    {RuntimeText::SplashLine4, "Histogramy o nejvýše 256 intervalech", "Histograms of at most 256 bins"},
    {RuntimeText::SplashLine5, "© VELTRA, vývojový tým", "© VELTRA, development team"},
    {RuntimeText::IndexAxisTitle, "Index   f(z)", "Index   f(z)"},
    {RuntimeText::PPRawAxis, "F prvotní data", "F raw data"},
    {RuntimeText::InputReadingCentres, "Intervaly vstupů čteny jako body ve svých středech (dřívější verze)",
     "Input bins read as points at their centres (earlier versions)"},
    {RuntimeText::InputReadingUniform, "Intervaly vstupů čteny jako rozložené po své šířce",
     "Input bins read as spread over their width"},
    {RuntimeText::InputReadingUnknown, "; jak bylo spočteno uložené S, nelze zjistit",
     "; how the stored S was made cannot be told"},
    {RuntimeText::FitNeedsRawData,
     "Nejsou načtena žádná prvotní data.\r\n\r\nNejprve je otevřete tlačítkem \"Otevřít data ...\" "
     "nebo zapište tlačítkem \"Nová data\" a uložte.",
     "No raw data have been read.\r\n\r\nOpen them first with \"Open data ...\", or type them with \"New "
     "data\" and save them."},
};

static_assert(textTableComplete(kTexts, RuntimeText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string runtimeText(RuntimeText id, Language language) { return textOf(kTexts, id, language); }

std::string runtimeTextFormat(RuntimeText id, Language language, std::initializer_list<std::string> args) {
  return FillPlaceholders(runtimeText(id, language), args);
}

std::string inputReadingNote(InputReading reading, bool known, bool sayUniform, Language language) {
  if (reading == InputReading::Uniform && known && !sayUniform) return {};
  std::string note = runtimeText(
      reading == InputReading::Centres ? RuntimeText::InputReadingCentres : RuntimeText::InputReadingUniform,
      language);
  if (!known) note += runtimeText(RuntimeText::InputReadingUnknown, language);
  return note;
}
