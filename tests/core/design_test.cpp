// Design of the bolt pattern: the search for kRequired, the pattern table, the lightest pattern and the
// refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>
#include <vector>

#include "chain_fixture.h"
#include "design/PatternDesign.h"
#include "histogram/HistogramArithmetic.h"
#include "persistence/AssessFile.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"

namespace {

const std::string kExamples = EXAMPLES_DIR "/Veltra";

// A project whose chain has run to the bolt load: an example project, or the small fixture.
ProjectState chainToLoad(const std::string& name) {
  if (name == "fixture") {
    ProjectState p = chain_fixture::project(false);
    EXPECT_TRUE(runLayerCoefficient(p).ok && runReducedStrength(p).ok && runBoltLength(p).ok &&
                runBoltLoad(p).ok);
    return p;
  }
  const AssessedFile f = runFileChain(kExamples + "/Projects/" + name + ".hor", kExamples + "/Histograms",
                                      "1000", Language::Czech);
  EXPECT_TRUE(f.ok) << f.text;
  return f.project;
}

design::DesignBasis basisOf(const ProjectState& p) {
  ChainReport report;
  const auto b = design::designBasis(p, report);
  EXPECT_TRUE(b.has_value());
  return b ? *b : design::DesignBasis{};
}

// Pf at factor k by the assessment's own steps, apart from the design.
double pfAt(const design::DesignBasis& b, double k) {
  ChainReport report;
  const auto c = bearingCapacityAt(b.sigmaR, k, report);
  const auto fs = c ? reliabilityFunction(*c, b.boltLoad, report) : std::nullopt;
  EXPECT_TRUE(fs.has_value()) << k;
  return fs ? readFailureProbability(fs->fs, fs->failureMass).pf : 1.0;
}

Histogram bins(double min, double step, std::vector<double> p) {
  Histogram h;
  h.count = static_cast<double>(p.size());
  h.min = min;
  h.step = step;
  h.max = min + (h.count - 1) * step;
  h.range = h.count * step;
  h.total = 1e6;
  std::copy(p.begin(), p.end(), h.p.begin());
  return h;
}

const char* const kProjects[] = {"Chodba_K12", "Chodba_K12_kombinovana", "fixture"};

TEST(DesignSearch, KRequiredBracketsThePdOfEveryClass) {
  for (const char* name : kProjects) {
    const design::DesignBasis b = basisOf(chainToLoad(name));
    for (DesignStandard standard : {DesignStandard::En1990, DesignStandard::Csn731401})
      for (int target = 1; target <= 3; ++target) {
        SCOPED_TRACE(std::string(name) + " class " + std::to_string(target));
        const double pd = designProbability(standard, target);
        design::FactorAssessment a(b, standard);
        const design::RequiredFactor r = design::kRequired(a, pd);
        ASSERT_EQ(r.status, design::RequiredFactor::Status::Found);
        EXPECT_EQ(r.pf, pfAt(b, r.k));
        EXPECT_LE(pfAt(b, r.k), pd);
        EXPECT_GT(pfAt(b, r.k * (1 - 1e-3)), pd);
        EXPECT_GE(r.kBelow, r.k * (1 - design::kFactorResolution));
        EXPECT_GT(pfAt(b, r.kBelow), pd);
      }
  }
}

TEST(DesignSearch, AWobbleBelowAFailingFactorIsNotTaken) {
  // Coarse inputs: no pair of the subtraction fails from k = 1.66 on, and there Pf is read by
  // interpolation: it is 0 at k = 1.667, yet above Pd again near k = 1.84.
  design::DesignBasis b;
  b.sigmaR = bins(400, 40,
                  {0.18493840873155951, 0.20887118404749272, 0.32432723105283678, 0.024771662445582366,
                   0.12182451632964438, 0.13526699739288436});
  b.boltLoad = bins(137.5, 75,
                    {0.17689185330332574, 0.14913243247853403, 0.14676101274049189, 0.16889548263958426,
                     0.011718648421260972, 0.098915517453276397, 0.17536679641336406, 0.072318256550162704});
  b.boltLength = 2;
  const double pd = designProbability(DesignStandard::En1990, 1);
  ASSERT_LE(pfAt(b, 1.667), pd);
  double highestFailing = 0;
  for (double k = 1.6; k < 1.9; k *= 1 + 1e-4)
    if (pfAt(b, k) > pd) highestFailing = k;
  ASSERT_GT(highestFailing, 1.8);

  design::FactorAssessment a(b, DesignStandard::En1990);
  const design::RequiredFactor r = design::kRequired(a, pd);
  ASSERT_EQ(r.status, design::RequiredFactor::Status::Found);
  EXPECT_GT(r.k, highestFailing);
  EXPECT_GT(pfAt(b, r.kBelow), pd);
  // From kRequired to where FS lies wholly above 0 every factor meets Pd.
  const double top = hist::upperEdge(b.boltLoad) / hist::lowerEdge(b.sigmaR);
  for (double k = r.k; k < top * 1.01; k *= 1 + 1e-4) EXPECT_LE(pfAt(b, k), pd) << k;
}

TEST(DesignSearch, FactorsThatNeverOrAlwaysReach) {
  design::DesignBasis b;
  b.boltLength = 2;
  // A strength histogram with mass at 0 and below: that mass fails at every k.
  b.sigmaR = bins(-50, 100, {0.5, 0.5});
  b.boltLoad = bins(100, 10, {0.5, 0.5});
  design::FactorAssessment never(b, DesignStandard::En1990);
  EXPECT_EQ(design::kRequired(never, 7.2e-5).status, design::RequiredFactor::Status::NeverReached);
  // No load above 0: any bolts do.
  b.sigmaR = bins(500, 10, {0.5, 0.5});
  b.boltLoad = bins(-100, 10, {0.5, 0.5});
  design::FactorAssessment always(b, DesignStandard::En1990);
  EXPECT_EQ(design::kRequired(always, 7.2e-5).status, design::RequiredFactor::Status::AlwaysReached);
}

TEST(DesignTable, TheLightestPatternIsTheAssessmentOfItsPattern) {
  for (const char* name : {"Chodba_K12", "Chodba_K12_kombinovana"}) {
    const ProjectState project = chainToLoad(name);
    const design::DesignBasis b = basisOf(project);
    for (int target = 1; target <= 3; ++target) {
      SCOPED_TRACE(std::string(name) + " class " + std::to_string(target));
      design::DesignRequest request;
      request.target = target;
      const design::DesignResult d = design::runDesign(b, request);
      ASSERT_TRUE(d.ok);
      ASSERT_EQ(d.patterns.size(), 5u * 7u * 31u);
      EXPECT_TRUE(std::is_sorted(d.patterns.begin(), d.patterns.end(), design::lighter));
      ASSERT_TRUE(d.lightest.has_value());
      const design::PatternRow& l = *d.lightest;
      EXPECT_GE(l.k, d.required.k);

      ProjectState p = project;
      p.boltCount = std::to_string(l.n);
      p.d1 = design::numberText(l.d1);
      p.rowSpacing = design::numberText(l.ds);
      AssessmentResult a;
      ASSERT_TRUE(runAssessment(p, DesignStandard::En1990, Language::Czech, a).ok);
      EXPECT_EQ(a.pf, l.pf);
      EXPECT_EQ(a.classIndex, l.classIndex);
      EXPECT_LE(l.classIndex, target);

      // Nothing lighter reaches the target, and every row's class is that of its own Pf.
      for (const design::PatternRow& r : d.patterns) {
        if (r.steel < l.steel) {
          EXPECT_FALSE(r.reaches(target)) << r.n << " " << r.d1 << " " << r.ds;
        }
        EXPECT_EQ(r.classIndex, classForPf(DesignStandard::En1990, r.pf));
        EXPECT_EQ(r.reaches(target), r.k >= d.required.k) << r.k;
      }
      EXPECT_FALSE(d.bestReachable.has_value());
    }
  }
}

TEST(DesignTable, SteelAndItsTies) {
  // 4 bolts of 22 mm, Lq 2.5 m, rows 1 m apart: 4 x 380.13 mm2 x 2500 mm x 7.85e-6 kg/mm3.
  EXPECT_NEAR(design::steelPerMetre(4, 22, 0, 1000, 2.5), 29.8404, 1e-4);
  EXPECT_NEAR(design::steelPerMetre(4, 22, 10, 1000, 2.5),
              4 * std::acos(-1.0) * (484 - 100) / 4 * 2500 * 7.85e-6, 1e-9);
  // Equal bolts per metre and the same bolt weigh the same; the tie goes to the larger ds.
  EXPECT_EQ(design::steelPerMetre(2, 20, 0, 550, 2.3), design::steelPerMetre(4, 20, 0, 1100, 2.3));
  EXPECT_EQ(design::steelPerMetre(3, 20, 0, 1650, 2.3), design::steelPerMetre(2, 20, 0, 1100, 2.3));
  auto row = [](int n, double d1, double ds) {
    design::PatternRow r;
    r.n = n;
    r.d1 = d1;
    r.ds = ds;
    r.steel = design::steelPerMetre(n, d1, 0, ds, 2.3);
    r.boltsPerMetre = design::boltsPerMetre(n, ds);
    return r;
  };
  EXPECT_TRUE(design::lighter(row(4, 20, 1100), row(2, 20, 550)));
  EXPECT_FALSE(design::lighter(row(2, 20, 550), row(4, 20, 1100)));
  EXPECT_TRUE(design::lighter(row(2, 20, 1100), row(2, 16, 550)));  // less steel first
}

TEST(DesignTable, NothingReachingTheTargetGivesTheBestReached) {
  const design::DesignBasis b = basisOf(chainToLoad("Chodba_K12"));
  design::DesignRequest request;
  request.ranges.n = {5};
  request.ranges.d1 = {16};
  request.ranges.ds = {1850, 2000, 50};
  request.target = 1;
  const design::DesignResult d = design::runDesign(b, request);
  ASSERT_TRUE(d.ok);
  EXPECT_FALSE(d.lightest.has_value());
  ASSERT_TRUE(d.bestReachable.has_value());
  EXPECT_EQ(d.bestReachable->classIndex, 2);
  EXPECT_EQ(d.bestReachable->ds, 1850);

  request.ranges.ds = {2000, 2000, 50};  // class 0 only
  request.ranges.n = {2};
  const design::DesignResult none = design::runDesign(b, request);
  ASSERT_TRUE(none.ok);
  EXPECT_FALSE(none.lightest.has_value());
  EXPECT_FALSE(none.bestReachable.has_value());
}

TEST(DesignTable, PfAgainstSpacingIsTheTableOfOneBoltPattern) {
  const design::DesignBasis b = basisOf(chainToLoad("Chodba_K12"));
  design::DesignRequest request;
  const design::DesignResult d = design::runDesign(b, request);
  ASSERT_TRUE(d.ok);
  design::FactorAssessment a(b, DesignStandard::En1990);
  const auto curve = design::spacingCurve(a, 4, 22, request.ranges.ds.values());
  ASSERT_EQ(curve.size(), 31u);
  for (const design::PatternRow& c : curve) {
    const auto it = std::find_if(d.patterns.begin(), d.patterns.end(), [&](const design::PatternRow& r) {
      return r.n == 4 && r.d1 == 22 && r.ds == c.ds;
    });
    ASSERT_NE(it, d.patterns.end());
    EXPECT_EQ(it->pf, c.pf);
  }
  for (size_t i = 1; i < curve.size(); ++i) EXPECT_GE(curve[i].pf, curve[i - 1].pf);  // wider rows, more Pf
}

TEST(DesignRun, ReportsProgressAndStopsWhenCancelled) {
  const design::DesignBasis b = basisOf(chainToLoad("Chodba_K12"));
  design::DesignRequest request;
  std::vector<int> done;
  design::RunControl control;
  control.progress = [&](int d, int total) {
    EXPECT_EQ(total, 1 + 1085);
    done.push_back(d);
  };
  ASSERT_TRUE(design::runDesign(b, request, control).ok);
  ASSERT_EQ(done.size(), 1086u);
  EXPECT_EQ(done.back(), 1086);
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));

  std::atomic<bool> cancel = false;
  control.cancel = &cancel;
  control.progress = [&](int d, int) { cancel = d >= 20; };
  const design::DesignResult stopped = design::runDesign(b, request, control);
  EXPECT_FALSE(stopped.ok);
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_TRUE(stopped.patterns.empty());
}

TEST(DesignRanges, ReadListsAndRangesAndRefuseBadOnes) {
  EXPECT_EQ(design::parseBoltCounts(" 4, 2,3,3 "), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(design::parseDiameters("22,16.5, 18"), (std::vector<double>{16.5, 18, 22}));
  const auto ds = design::parseSpacingRange("500:2000:50");
  ASSERT_TRUE(ds.has_value());
  EXPECT_EQ(ds->values().size(), 31u);
  EXPECT_EQ(ds->values().back(), 2000);
  EXPECT_EQ(design::parseSpacingRange("1000:1000:10")->values(), std::vector<double>{1000});
  EXPECT_EQ(design::parseSpacingRange("0.1:0.3:0.1")->values().size(), 3u);

  for (const char* bad : {"", "2,,3", "0", "2.5", "1001", "a", "2;3", "-2", "3,"})
    EXPECT_FALSE(design::parseBoltCounts(bad).has_value()) << bad;
  for (const char* bad : {"", "0", "-16", "nan", "inf", "16,x", "1e999", "16 18"})
    EXPECT_FALSE(design::parseDiameters(bad).has_value()) << bad;
  for (const char* bad : {"500:2000", "2000:500:50", "500:2000:0", "500:2000:-5", "0:100:10", "a:b:c",
                          "500:2000:50:1", "1:100000:1", "-10:10:1", "500:inf:50"})
    EXPECT_FALSE(design::parseSpacingRange(bad).has_value()) << bad;

  design::PatternRanges r;
  EXPECT_FALSE(design::checkRanges(r, 0).has_value());
  const auto belowD2 = design::checkRanges(r, 16);  // d1 = 16 is not above d2
  ASSERT_TRUE(belowD2.has_value());
  EXPECT_NE(belowD2->text(Language::English).find("d2 = 16 mm"), std::string::npos);
  r.ds = {1, 10000, 1};
  const auto tooMany = design::checkRanges(r, 0);
  ASSERT_TRUE(tooMany.has_value());
  EXPECT_NE(tooMany->text(Language::Czech).find("350000"), std::string::npos);
}

TEST(DesignRefusals, TheChainMustHaveRunToTheBoltLoad) {
  ProjectState fresh = chain_fixture::project(false);
  ChainReport report;
  EXPECT_FALSE(design::designBasis(fresh, report).has_value());
  EXPECT_EQ(report.firstNumber(), 54);

  ProjectState p = chainToLoad("fixture");
  ProjectState noSteel = p;
  noSteel.sigmaR.histogram = {};
  EXPECT_FALSE(design::designBasis(noSteel, report).has_value());
  EXPECT_EQ(report.firstNumber(), 57);
  EXPECT_NE(report.messages.front().text(Language::English).find("sigma.dis"), std::string::npos);

  ProjectState negative = p;
  negative.d2 = "-2";
  EXPECT_FALSE(design::designBasis(negative, report).has_value());
  EXPECT_EQ(report.firstNumber(), 146);

  // d2 is read as the assessment reads it: whole, with a decimal comma.
  ProjectState comma = p;
  comma.d2 = "2,5";
  const auto withComma = design::designBasis(comma, report);
  ASSERT_TRUE(withComma.has_value());
  EXPECT_EQ(withComma->d2, 2.5);
  ProjectState junk = p;
  junk.d2 = "2x";
  EXPECT_FALSE(design::designBasis(junk, report).has_value());
  EXPECT_FALSE(report.messages.empty());

  ASSERT_TRUE(design::designBasis(p, report).has_value());
  design::DesignRequest request;
  request.target = 4;
  EXPECT_FALSE(design::runDesign(basisOf(p), request).ok);
}

}  // namespace
