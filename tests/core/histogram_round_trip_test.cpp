// Every histogram the program can create, saved as a histogram file and read back, gives the chain
// the same probability of failure.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "creation/Fitting.h"
#include "creation/FrequencyEntry.h"
#include "creation/ParametricGenerator.h"
#include "creation/RawData.h"
#include "histogram/HistogramFile.h"
#include "io/FileRead.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectFile.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"
#include "rmr/RmrRating.h"

namespace {

const std::string kExamples = std::string(EXAMPLES_DIR) + "/Veltra";

struct Example {
  ProjectState project;
  RmrTables rmr;
};

Example example(const std::string& project = kExamples + "/Projects/Chodba_K12.hor") {
  Example e;
  std::string bytes;
  EXPECT_FALSE(readWholeFile(project, FileKind::Project, bytes).has_value());
  Refusal error;
  const auto data = parseProjectFile(bytes, error);
  EXPECT_TRUE(data) << error.text(Language::English);
  if (data) openProject(*data, kExamples + "/Histograms", e.project, e.rmr);
  return e;
}

// Pf of the example with `h` in the slot of `source` (layer 1 for a layer strength).
double pfWith(const Histogram& h, Source source) {
  Example e = example();
  e.project.slotForSource(source, 1)->histogram = h;
  if (source == kSrcLayer) runLayerCoefficient(e.project);
  EXPECT_TRUE(runReducedStrength(e.project).ok);
  EXPECT_TRUE(runBoltLength(e.project).ok);
  EXPECT_TRUE(runBoltLoad(e.project).ok);
  AssessmentResult a;
  EXPECT_TRUE(runAssessment(e.project, DesignStandard::En1990, Language::English, a).ok);
  return a.pf;
}

struct TempDir {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("veltra_round_" + std::to_string(::getpid()));
  TempDir() { std::filesystem::create_directories(path); }
  ~TempDir() { std::filesystem::remove_all(path); }
};

Histogram savedAndRead(const Histogram& h, const std::string& path) {
  Refusal e;
  EXPECT_TRUE(WriteHistogramFile(path, h, e)) << e.text(Language::English);
  const auto back = ReadHistogramFile(path, e);
  EXPECT_TRUE(back) << e.text(Language::English);
  return back ? *back : Histogram{};
}

// Lognormal values from a fixed seed (Box-Muller over the standard generator, the same everywhere).
std::vector<double> lognormalSample(size_t n, double mu, double sigma) {
  std::mt19937_64 rng(20240917);
  std::vector<double> x;
  x.reserve(n);
  while (x.size() < n) {
    const double u1 = (static_cast<double>(rng() >> 11) + 0.5) * 0x1p-53;
    const double u2 = static_cast<double>(rng() >> 11) * 0x1p-53;
    const double r = std::sqrt(-2 * std::log(u1));
    x.push_back(std::exp(mu + sigma * r * std::cos(2 * M_PI * u2)));
    x.push_back(std::exp(mu + sigma * r * std::sin(2 * M_PI * u2)));
  }
  x.resize(n);
  std::sort(x.begin(), x.end());
  return x;
}

Histogram fittedLogNormal(const std::vector<double>& x) {
  FitInput in;
  in.sortedX = x;
  in.statistics = ComputeRawStatistics(x);
  in.rawHistogram = *RawDataHistogram(x, 128, x.front(), x.back());
  const FitResult fit = FitDistributions(in, Language::English);
  const auto& h = fit.display[1];  // LogNormal_2P
  EXPECT_TRUE(h.has_value());
  return h.value_or(Histogram{});
}

int positiveBins(const Histogram& h) {
  return static_cast<int>(
      std::count_if(h.p.begin(), h.p.begin() + binCount(h), [](double p) { return p > 0; }));
}

}  // namespace

TEST(HistogramRoundTrip, EveryCreationRouteGivesTheSamePfAfterSavingAndReading) {
  struct Route {
    const char* name;
    Source source;
    std::function<Histogram()> make;
  };
  const std::vector<double> strengths = lognormalSample(50000, std::log(25.0), 0.3);
  const std::vector<Route> routes{
      {"parametric normal", kSrcLayer,
       [] {
         ParametricRequest r;
         r.type = 0;
         r.params = {"26", "6", "1.1", "1.9"};
         r.eps = 1e-8;
         r.intervals = 200;
         return GenerateParametric(r, Language::English).histogram();
       }},
      {"parametric Weibull", kSrcLayer,
       [] {
         ParametricRequest r;
         r.type = 9;
         r.params = {"2.5", "30", "1.1", "1.9"};
         r.intervals = 128;
         return GenerateParametric(r, Language::English).histogram();
       }},
      {"fitted LogNormal_2P", kSrcLayer, [&] { return fittedLogNormal(strengths); }},
      {"typed frequencies", kSrcLayer,
       [] {
         FrequencyEntryInput in{"8", "52", true, "1\n3\n7\n20\n41\n60\n41\n20\n7\n3\n1\n", 1};
         Refusal refusal;
         const auto entry = checkFrequencyEntry(in, refusal);
         EXPECT_TRUE(entry) << refusal.text(Language::English);
         return entry ? handOverHistogram(*entry) : Histogram{};
       }},
      {"raw data counts", kSrcLayer,
       [&] { return *RawDataHistogram(strengths, 128, strengths.front(), strengths.back()); }},
      {"RMR", kSrcRmr,
       [] {
         // The example's layers with rated tables.
         Example e = example(std::string(TEST_DATA_DIR) + "/projects/Chodba_K12_RMR.hor");
         EXPECT_TRUE(runReducedStrength(e.project).ok);
         // Poorer RQD, spacing, joint and water ratings: a rock mass weak enough to fail now and then.
         e.rmr.tables[rmr_cells::kB].cell(1, rmr_cells::kRating) = "3";
         e.rmr.tables[rmr_cells::kC].cell(1, rmr_cells::kRating) = "5";
         e.rmr.tables[rmr_cells::kD1].cell(1, rmr_cells::kRating) = "0";
         e.rmr.tables[rmr_cells::kE].cell(1, rmr_cells::kRating) = "0";
         const auto a = strengthRatingHistogram(e.project.reducedStrength);
         EXPECT_TRUE(a);
         const RmrOutcome o = createRmr(e.rmr, a.value_or(Histogram{}));
         EXPECT_TRUE(o.histogramMade);
         return o.rmr;
       }},
  };
  TempDir dir;
  for (const Route& route : routes) {
    const Histogram made = route.make();
    ASSERT_GT(binCount(made), 0) << route.name;
    const Histogram back = savedAndRead(made, (dir.path / "route.dis").string());
    EXPECT_EQ(positiveBins(back), positiveBins(made)) << route.name;
    const double pf = pfWith(made, route.source);
    EXPECT_GT(pf, 0) << route.name;
    EXPECT_NEAR(pfWith(back, route.source), pf, 1e-9 * pf) << route.name;
  }
}

TEST(HistogramRoundTrip, AFittedLogNormalKeepsItsTails) {
  // Written with the count of values as its frequency scale, 45 of its 128 bins became 0.
  const Histogram fitted = fittedLogNormal(lognormalSample(50000, std::log(25.0), 0.3));
  TempDir dir;
  const Histogram back = savedAndRead(fitted, (dir.path / "LogNormal.dis").string());
  ASSERT_EQ(binCount(back), binCount(fitted));
  for (int i = 0; i < binCount(fitted); ++i)
    EXPECT_NEAR(back.p[i], fitted.p[i], kFrequencyPrecision * fitted.p[i]) << "bin " << i + 1;
  EXPECT_GE(back.total,
            5e8 / *std::min_element(fitted.p.begin(), fitted.p.begin() + binCount(fitted),
                                    [](double a, double b) { return a > 0 && (b == 0 || a < b); }));
}
