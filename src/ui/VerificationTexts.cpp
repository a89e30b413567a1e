#include "ui/VerificationTexts.h"

#include <cmath>
#include <string_view>

#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/TextTable.h"

namespace {

constexpr TextPair<VerificationText> kTexts[] = {
    {VerificationText::ProgressMonteCarlo, "Monte Carlo  %p %", "Monte Carlo  %p %"},
    {VerificationText::ProgressBand, "Pásmo diskretizace  %p %", "Discretisation band  %p %"},
    {VerificationText::ProgressSensitivity, "Citlivost  %p %", "Sensitivity  %p %"},
    {VerificationText::Interval, "%s  až  %s", "%s  to  %s"},
    {VerificationText::Inside,
     "Pf posudku (%s) leží v 95% intervalu Monte Carlo se stejným čtením vstupů (%s).",
     "The Pf of the assessment (%s) lies inside the 95% interval of Monte Carlo with the same reading of "
     "the inputs (%s)."},
    {VerificationText::Outside,
     "Pozor: Pf posudku (%s) leží MIMO 95% interval Monte Carlo se stejným čtením vstupů (%s: %s až %s). "
     "Histogramový výpočet se tu od přímého vzorkování liší víc, než vysvětlí náhoda; Pf posudku berte "
     "s rezervou a porovnejte jej s pásmem diskretizace.",
     "Caution: the Pf of the assessment (%s) lies OUTSIDE the 95% interval of Monte Carlo with the same "
     "reading of the inputs (%s: %s to %s). The histogram computation differs from direct sampling by more "
     "than chance explains; treat the Pf of the assessment with reserve and compare it with the "
     "discretisation band."},
    {VerificationText::NoFailure,
     "V %s vzorcích nenastala žádná porucha: Monte Carlo jen potvrzuje, že Pf je nejvýše %s.",
     "No failure in %s samples: Monte Carlo only confirms that Pf is at most %s."},
    {VerificationText::TimedOut, "Vzorkování zastavil časový limit %s s; interval je proto širší.",
     "The time limit of %s s stopped the sampling; the interval is wider for it."},
    {VerificationText::Cancelled, "Ověření bylo přerušeno.", "The check was cancelled."},
    {VerificationText::Refused,
     "Ověření nelze provést: projektu chybí hodnota, kterou Pf potřebuje (mocnosti vrstev, H, Beta, B* "
     "nebo svorníky).",
     "The check cannot be made: the project lacks a value Pf needs (layer thicknesses, H, Beta, B* or the "
     "bolts)."},
    {VerificationText::Stale, "Posudek se během ověření změnil; ověření bylo zahozeno. Spusťte je znovu.",
     "The assessment changed during the check; the check was discarded. Run it again."},
    {VerificationText::NoEffect, "bez vlivu na Pf", "no effect on Pf"},
    {VerificationText::InputLayer, "Pevnost vrstvy %s", "Strength of layer %s"},
    {VerificationText::InputWidth, "Šířka důlního díla B", "Width of the mine working B"},
    {VerificationText::InputKn, "Součinitel Kn", "Coefficient Kn"},
    {VerificationText::InputRmr, "RMR", "RMR"},
    {VerificationText::InputGamma, "Objemová hmotnost hornin gamma", "Rock density gamma"},
    {VerificationText::InputQ, "Odpor podpěrné výztuže q", "Resistance of the supporting part q"},
    {VerificationText::InputSigmaR, "Pevnost svorníků SigmaR", "Bolt strength SigmaR"},
    {VerificationText::InputK, "Konvergenční koeficient K", "Convergence coefficient K"},
    {VerificationText::TornadoAxis, "Pf  (logaritmická osa; Pf = 0 leží na levém okraji)",
     "Pf  (log axis; Pf = 0 lies on the left edge)"},
    {VerificationText::TornadoAt05, "vstup na 5% kvantilu", "input at its 5% quantile"},
    {VerificationText::TornadoAt50, "vstup na mediánu", "input at its median"},
    {VerificationText::TornadoAt95, "vstup na 95% kvantilu", "input at its 95% quantile"},
    {VerificationText::AssessmentPf, "Pf posudku = %s", "Pf of the assessment = %s"},
    {VerificationText::RowCentres, "Monte Carlo, středy intervalů", "Monte Carlo, bin centres"},
    {VerificationText::RowUniform, "Monte Carlo, rovnoměrně v intervalech", "Monte Carlo, uniform in bins"},
    {VerificationText::RowBins, "Posudek, vstupy na %s intervalech", "Assessment, inputs on %s bins"},
    {VerificationText::RowChain, "Posudek, vstupy jak jsou", "Assessment, inputs as they are"},
    {VerificationText::ReportSection, "Ověření Pf", "Check of Pf"},
    {VerificationText::ReportColumns, "Výpočet\tPf\t95% interval\tVzorků",
     "Computation\tPf\t95% interval\tSamples"},
    {VerificationText::ReportSeed, "Semínko %s, doba vzorkování %s s", "Seed %s, sampling time %s s"},
    {VerificationText::ReportSensitivity,
     "Citlivost Pf na vstupech (vstup pevně na kvantilu, ostatní náhodné)",
     "Sensitivity of Pf to the inputs (one input fixed at a quantile, the others random)"},
    {VerificationText::ReportSensitivityColumns, "Vstup\tSoubor\tPf (5 %)\tPf (50 %)\tPf (95 %)",
     "Input\tFile\tPf (5 %)\tPf (50 %)\tPf (95 %)"},
    {VerificationText::ReportExplanation,
     "Monte Carlo vzorkuje týž model bod po bodu: se vstupy ve středech intervalů a rovnoměrně "
     "v intervalech; posudek se porovnává se vzorkem téhož čtení vstupů, jaké použil. Pásmo diskretizace "
     "ukazuje Pf posudku se vstupy zhrubenými na méně intervalů.",
     "Monte Carlo samples the same model point by point: with the inputs at their bin centres and uniform "
     "in their bins; the assessment is compared with the sample of the reading of the inputs it used. The "
     "discretisation band shows the Pf of the assessment with the inputs coarsened to fewer bins."},
    {VerificationText::ReadingCentres, "středy intervalů", "bin centres"},
    {VerificationText::ReadingUniform, "rovnoměrně v intervalech", "uniform in bins"},
};

static_assert(textTableComplete(kTexts, VerificationText::Count), "one text per id, in the order of the ids");

}  // namespace

std::string verificationText(VerificationText id, Language language) { return textOf(kTexts, id, language); }

std::string verificationTextFormat(VerificationText id, Language language,
                                   std::initializer_list<std::string> args) {
  return FillPlaceholders(verificationText(id, language), args);
}

std::string verificationInputName(std::string_view key, Language language) {
  if (key.starts_with("sigma"))
    return verificationTextFormat(VerificationText::InputLayer, language, {std::string(key.substr(5))});
  const struct {
    std::string_view key;
    VerificationText name;
  } names[] = {{"B", VerificationText::InputWidth}, {"Kn", VerificationText::InputKn},
               {"RMR", VerificationText::InputRmr}, {"gamma", VerificationText::InputGamma},
               {"q", VerificationText::InputQ},     {"SigmaR", VerificationText::InputSigmaR},
               {"K", VerificationText::InputK}};
  for (const auto& n : names)
    if (n.key == key) return verificationText(n.name, language);
  return std::string(key);
}

std::vector<SensitivityLine> sensitivityLines(const verification::ChainCheck& check, Language language) {
  auto figure = [](double pf) { return std::isnan(pf) ? std::nullopt : std::optional(pf); };
  std::vector<SensitivityLine> lines;
  for (const verification::SensitivityRow& r : check.sensitivity)
    lines.push_back({verificationInputName(r.key, language), r.file, figure(r.pf05), figure(r.pf50),
                     figure(r.pf95), false});
  // K enters the bolt length only; the bolt load, and so Pf, does not use it.
  lines.push_back({verificationInputName("K", language), check.kFile, {}, {}, {}, true});
  return lines;
}

CheckNote checkNote(const verification::ChainCheck& check, Language language) {
  const verification::PfEstimate& own =
      verification::matchingEstimate(check.monteCarlo, check.reading.inputs);
  const std::string reading =
      verificationText(check.reading.inputs == InputReading::Centres ? VerificationText::ReadingCentres
                                                                     : VerificationText::ReadingUniform,
                       language);
  const std::string chain = formatNumberShort(check.chainPf);
  CheckNote note;
  note.warning = !check.chainInsideOwnReading();
  if (note.warning)
    note.lines.push_back(
        verificationTextFormat(VerificationText::Outside, language,
                               {chain, reading, formatNumberShort(own.lo95), formatNumberShort(own.hi95)}));
  else
    note.lines.push_back(verificationTextFormat(VerificationText::Inside, language, {chain, reading}));
  if (own.failures == 0)
    note.lines.push_back(verificationTextFormat(VerificationText::NoFailure, language,
                                                {std::to_string(own.samples), formatNumberShort(own.hi95)}));
  if (check.monteCarlo.timedOut)
    note.lines.push_back(verificationTextFormat(VerificationText::TimedOut, language,
                                                {std::to_string(std::lround(check.monteCarlo.seconds))}));
  return note;
}
