// Writes the example histograms, projects and results of examples/Veltra from plausible values
// of a roadway in a coal mine: three roof layers, a 5.5 m wide working at 900 m effective depth.
// Built and run by scripts/make_examples.sh against the core library.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "histogram/HistogramFile.h"
#include "io/AtomicFile.h"
#include "persistence/AssessFile.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "reliability/BoltLoad.h"

namespace {

std::string folder;

// Frequencies of `n` bins over [lo, hi] from a normal (or, with `logNormal`, log-normal) law with
// mean `mu` and deviation `sigma`, scaled to `total` observations.
Histogram discretised(double lo, double hi, int n, double mu, double sigma, bool logNormal = false,
                      double total = 1000) {
  auto cdf = [&](double x) {
    if (logNormal) {
      if (x <= 0) return 0.0;
      const double s2 = std::log(1 + sigma * sigma / (mu * mu));
      const double m = std::log(mu) - s2 / 2;
      return 0.5 * std::erfc(-(std::log(x) - m) / std::sqrt(2 * s2));
    }
    return 0.5 * std::erfc(-(x - mu) / (sigma * std::sqrt(2.0)));
  };
  std::vector<std::int64_t> f(n);
  std::int64_t sum = 0;
  const double step = (hi - lo) / n;
  for (int i = 0; i < n; ++i) {
    const double p = cdf(lo + (i + 1) * step) - cdf(lo + i * step);
    f[i] = std::llround(p * total);
    sum += f[i];
  }
  return FromFrequencies(lo, hi, n, f, static_cast<double>(sum));
}

void save(const std::string& name, const Histogram& h) {
  HistogramFileError e;
  if (!WriteHistogramFile(folder + "/Histograms/" + name, h, e)) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), e.text(Language::English).c_str());
    std::exit(1);
  }
}

// Assesses a project as `veltra-cli assess` does (the chain's default reading, ds 1000 mm) and writes
// the results file.
void computeResults(const std::string& projectName, const std::string& resultsName) {
  const AssessedFile r = assessFile(folder + "/Projects/" + projectName, folder + "/Histograms", "1000",
                                    DesignStandard::En1990, Language::Czech);
  if (!r.ok) {
    std::fprintf(stderr, "%s: %s\n", projectName.c_str(), r.text.c_str());
    std::exit(1);
  }
  const ResultsFileData data =
      resultsFileFromState(r.project, r.rmr, {true, true, true, true, true},
                           rockMassFactor(r.project.rmr.histogram), VELTRA_VERSION, resultsName);
  if (!writeFileAtomically(folder + "/Results/" + resultsName, formatResultsFile(data))) {
    std::fprintf(stderr, "cannot write %s\n", resultsName.c_str());
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  folder = argc > 1 ? argv[1] : "examples/Veltra";

  // Width of the working: 5.5 m as designed, +-0.15 m as driven.
  save("Sirka_chodby.dis", discretised(5.025, 5.975, 19, 5.5, 0.15));
  // Uniaxial compressive strength of the roof layers [MPa].
  save("Jilovec_pevnost.dis", discretised(8, 56, 24, 26, 6, true));
  save("Prachovec_pevnost.dis", discretised(16, 76, 30, 40, 8, true));
  save("Piskovec_pevnost.dis", discretised(24, 114, 30, 62, 12, true));
  // Convergence coefficient K and coefficient Kn.
  save("K_konvergence.dis", discretised(0.76, 1.24, 24, 1.0, 0.07));
  save("Kn_soucinitel.dis", discretised(0.88, 1.36, 24, 1.1, 0.07));
  // Rock mass rating of the roof.
  save("RMR_strop.dis", discretised(22, 58, 18, 40, 5));
  // Rock density [t/m3].
  save("Gamma_hornin.dis", discretised(2.35, 2.75, 20, 2.55, 0.06));
  // Strength of the bolt steel [MPa].
  save("SigmaR_ocel.dis", discretised(480, 640, 32, 560, 22));
  // Resistance of the supporting arches of a combined support [MPa].
  save("q_oblouky.dis", discretised(0.02, 0.14, 24, 0.08, 0.015));

  ProjectFileData p;
  p.resultsName = "Chodba_K12";
  p.widthName = "Sirka_chodby.dis";
  p.layers = {{"Jílovec", "Jilovec_pevnost.dis", "6"},
              {"Prachovec", "Prachovec_pevnost.dis", "2.0"},
              {"Pískovec", "Piskovec_pevnost.dis", "3.0"},
              {"", "", ""}};
  p.depthH = "900";
  p.d1 = "20";
  p.d2 = "0";
  p.boltCount = "3";
  p.kName = "K_konvergence.dis";
  p.knName = "Kn_soucinitel.dis";
  p.rmrName = "RMR_strop.dis";
  p.gammaName = "Gamma_hornin.dis";
  p.sigmaRName = "SigmaR_ocel.dis";
  const std::string date = "2.5.2024";
  auto write = [&](const std::string& name, const ProjectFileData& d) {
    if (!writeFileAtomically(folder + "/Projects/" + name, formatProjectFile(d, VELTRA_VERSION, date))) {
      std::fprintf(stderr, "cannot write %s\n", name.c_str());
      std::exit(1);
    }
  };
  write("Chodba_K12.hor", p);

  ProjectFileData c = p;
  c.resultsName = "Chodba_K12_kombinovana";
  c.combinedSupport = true;
  c.qName = "q_oblouky.dis";
  write("Chodba_K12_kombinovana.hor", c);

  computeResults("Chodba_K12.hor", "Chodba_K12.Vys");
  computeResults("Chodba_K12_kombinovana.hor", "Chodba_K12_kombinovana.Vys");
  return 0;
}
