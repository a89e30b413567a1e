#include "creation/Fitting.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "histogram/Statistics.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/RefusalTexts.h"

namespace {

constexpr double kAdFloor = 1e-10;

std::string numberText(double x) { return formatNumber(x); }

// Skewness and kurtosis: StrNaCarku gives " undefined" for a value that is no number.
std::string shapeText(double x) { return formatNumber(x); }

// Lower outer edge of h.
double lowerEdge(const Histogram& h) { return h.min - h.step / 2; }

}  // namespace

std::string DistributionTypeName(int t, Language language) {
  if (t < 0 || t >= kDistributionTypes) return {};
  return ParametricTypeName(t, language);  // the list texts of the generator
}

bool FitAccepted(double tesnost) { return tesnost > 0.0001 && tesnost <= 1; }

double HistogramCdf(const Histogram& h, double x) {
  const int n = binCount(h);
  if (n < 1 || !(h.step > 0)) return x < h.min ? 0.0 : 1.0;
  double sum = 0;
  for (int i = 0; i < n; ++i) sum += h.p[static_cast<size_t>(i)];
  if (!(sum > 0)) return 0.0;
  const double u = (x - lowerEdge(h)) / h.step;
  if (!(u > 0)) return 0.0;
  if (u >= n) return 1.0;
  const int k = static_cast<int>(u);
  double F = 0;
  for (int i = 0; i < k; ++i) F += h.p[static_cast<size_t>(i)];
  F += h.p[static_cast<size_t>(k)] * (u - k);
  return std::clamp(F / sum, 0.0, 1.0);
}

namespace {

// F at every sorted value in one sweep over the bins.
template <typename Visit>
void sweepCdf(std::span<const double> x, const Histogram& h, Visit visit) {
  const int n = binCount(h);
  double sum = 0;
  for (int i = 0; i < n; ++i) sum += h.p[static_cast<size_t>(i)];
  const double lo = lowerEdge(h);
  int k = 0;          // bin of the current value
  double before = 0;  // mass below bin k
  for (size_t j = 0; j < x.size(); ++j) {
    double F;
    if (n < 1 || !(sum > 0) || !(h.step > 0)) {
      F = x[j] < h.min ? 0.0 : 1.0;
    } else {
      const double u = (x[j] - lo) / h.step;
      if (!(u > 0)) {
        F = 0;
      } else if (u >= n) {
        F = 1;
      } else {
        const int b = static_cast<int>(u);
        while (k < b) before += h.p[static_cast<size_t>(k++)];
        F = std::clamp((before + h.p[static_cast<size_t>(b)] * (u - b)) / sum, 0.0, 1.0);
      }
    }
    visit(j, F);
  }
}

}  // namespace

double KsDistance(std::span<const double> sortedX, const Histogram& h) {
  const double n = static_cast<double>(sortedX.size());
  if (sortedX.empty()) return std::nan("");
  double d = 0;
  sweepCdf(sortedX, h, [&](size_t j, double F) { d = std::max({d, (j + 1) / n - F, F - j / n}); });
  return d;
}

double KsPValue(double d, long n) {
  if (!(d >= 0) || n < 1) return std::nan("");
  const double sn = std::sqrt(static_cast<double>(n));
  const double lambda = (sn + 0.12 + 0.11 / sn) * d;
  if (lambda < 1e-3) return 1.0;
  // Q_KS(lambda) = 2 sum (-1)^(k-1) exp(-2 k² lambda²); the terms fall fast except for tiny lambda.
  double sum = 0, sign = 1, previous = 0;
  for (int k = 1; k <= 100; ++k) {
    const double term = sign * 2 * std::exp(-2.0 * k * k * lambda * lambda);
    sum += term;
    if (std::fabs(term) <= 1e-10 * std::fabs(sum) || std::fabs(term) <= 1e-12 * previous)
      return std::clamp(sum, 0.0, 1.0);
    previous = std::fabs(term);
    sign = -sign;
  }
  return 1.0;  // no convergence: lambda so small that the fit cannot be told from the data
}

double AndersonDarling(std::span<const double> sortedX, const Histogram& h) {
  const size_t n = sortedX.size();
  if (n == 0) return std::nan("");
  std::vector<double> F(n);
  sweepCdf(sortedX, h, [&](size_t j, double f) { F[j] = std::clamp(f, kAdFloor, 1 - kAdFloor); });
  long double s = 0;
  for (size_t i = 0; i < n; ++i)
    s += (2.0L * static_cast<long double>(i) + 1) * (std::log(F[i]) + std::log1p(-F[n - 1 - i]));
  return static_cast<double>(-static_cast<long double>(n) - s / static_cast<long double>(n));
}

void FillRowStatistics(FitRow& row, const Histogram& h) {
  const int N = binCount(h);
  const std::span<const double> P(h.p.data(), static_cast<size_t>(N));
  std::string text;
  binMedian(true, P, h.min, h.max, N, text);
  row.field[kFieldMedian] = text;
  binMode(P, N, h.min, h.max, text);
  row.field[kFieldMode] = text;
  const double mean = binMean(P, N, h.min, h.max);
  const double d = binVariance(P, N, h.min, h.max, mean);
  const double sigma = std::sqrt(d);
  row.field[kFieldMean] = numberText(mean);
  row.field[kFieldDispersion] = numberText(d);
  row.field[kFieldStandardDeviation] = numberText(sigma);
  row.field[kFieldVariation] = numberText(coefficientOfVariation(mean, sigma));
  row.field[kFieldSkewness] = shapeText(binSkewness(P, N, h.min, h.max, mean, h.total));
  row.field[kFieldKurtosis] = shapeText(binKurtosis(P, N, h.min, h.max, mean, h.total));
}

void FillFitMeasures(FitRow& row, const Histogram& h, std::span<const double> sortedX) {
  if (sortedX.empty()) return;
  const double ks = KsDistance(sortedX, h);
  row.field[kFieldKs] = numberText(ks);
  row.field[kFieldKsPValue] = numberText(KsPValue(ks, static_cast<long>(sortedX.size())));
  row.field[kFieldAd] = numberText(AndersonDarling(sortedX, h));
}

FitRow RawDataRow(const Histogram& rawHistogram, std::span<const double> sortedX) {
  FitRow row;
  row.type = -1;
  row.field[kFieldTesnost] = "1";
  FillRowStatistics(row, rawHistogram);
  FillFitMeasures(row, rawHistogram, sortedX);
  row.field[kFieldParameters] = " ----- ";
  return row;
}

std::string FitFieldText(const FitRow& row, int k, Language language) {
  if (k < 1 || k > kFitFields) return {};
  if (k == kFieldName) {
    if (row.type < 0)
      return row.field[kFieldTesnost].empty() ? std::string()
                                              : (language == Language::English ? "Raw data" : "Prvotní data");
    return DistributionTypeName(row.type, language);
  }
  return row.field[static_cast<size_t>(k)];
}

std::optional<double> FieldValue(const std::string& text) {
  double x = 0;
  if (!parseDouble(text, x)) return std::nullopt;
  return x;
}

void ApplyDisplayRule(Histogram& h, double rawMean) {
  const int N = binCount(h);
  if (N < 2) return;
  std::string text;
  const double m =
      binMedian(true, std::span<const double>(h.p.data(), static_cast<size_t>(N)), h.min, h.max, N, text);
  const double mid = (h.min + h.max) / 2;
  if ((m < mid && rawMean > mid) || (m > mid && rawMean < mid)) std::reverse(h.p.begin(), h.p.begin() + N);
}

std::array<int, kDistributionTypes> RankByTesnost(const std::array<double, kDistributionTypes>& tesnost) {
  std::array<int, kDistributionTypes> order{};
  std::array<double, kDistributionTypes> t = tesnost;
  for (int i = 0; i < kDistributionTypes; ++i) order[static_cast<size_t>(i)] = i;
  for (int i = 0; i < kDistributionTypes; ++i) {
    int best = i;
    for (int j = i + 1; j < kDistributionTypes; ++j)
      if (t[static_cast<size_t>(j)] > t[static_cast<size_t>(best)]) best = j;
    std::swap(t[static_cast<size_t>(i)], t[static_cast<size_t>(best)]);
    std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(best)]);
  }
  return order;
}

bool SortUsesReference(int item) { return item == 4 || item == 6 || item == 8; }

void SortFitRows(std::vector<FitRow>& rows, int item, SortReference reference, const FitRow& rawRow,
                 const RawMoments& raw) {
  if (item < 1 || item >= kSortItems) return;
  const int field = item + 1 <= kFieldKurtosis ? item + 1 : kFieldKs + (item - 10);
  // Close up empty rows first; the sort runs over the filled ones.
  std::stable_partition(rows.begin(), rows.end(), [](const FitRow& r) { return r.filled(); });
  const auto filled =
      static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const FitRow& r) { return r.filled(); }));

  const bool byDistance = SortUsesReference(item);
  const bool smallestFirst = byDistance || item == 10 || item == 12;
  double ref = 0;
  if (byDistance) {
    if (reference == SortReference::RawHistogram) {
      ref = FieldValue(rawRow.field[static_cast<size_t>(field)]).value_or(std::nan(""));
    } else {
      ref = item == 4 ? raw.mean : item == 6 ? raw.standardDeviation : raw.skewness;
    }
  }
  // A missing or undefined value goes last.
  const double worst =
      smallestFirst ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
  std::vector<double> key(static_cast<size_t>(filled));
  for (int i = 0; i < filled; ++i) {
    const auto v = FieldValue(rows[static_cast<size_t>(i)].field[static_cast<size_t>(field)]);
    double k = v ? (byDistance ? std::fabs(*v - ref) : *v) : worst;
    if (std::isnan(k)) k = worst;
    key[static_cast<size_t>(i)] = k;
  }
  for (int i = 0; i < filled; ++i) {
    int best = i;
    for (int j = i + 1; j < filled; ++j) {
      const double a = key[static_cast<size_t>(j)], b = key[static_cast<size_t>(best)];
      if (smallestFirst ? a < b : a > b) best = j;
    }
    std::swap(key[static_cast<size_t>(i)], key[static_cast<size_t>(best)]);
    std::swap(rows[static_cast<size_t>(i)], rows[static_cast<size_t>(best)]);
  }
}

std::optional<int> FirstUnsuitableRow(const std::vector<FitRow>& rows, double rawStandardDeviation) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].filled()) continue;
    const auto median = FieldValue(rows[i].field[kFieldMedian]);
    const auto sigma = FieldValue(rows[i].field[kFieldStandardDeviation]);
    if (!median || *median == 0) return static_cast<int>(i);
    if (!sigma || *sigma < 0.75 * rawStandardDeviation || *sigma > 1.25 * rawStandardDeviation)
      return static_cast<int>(i);
  }
  return std::nullopt;
}

// ------------------------------------------------------------------ the fitting loop

std::vector<double> WeibullShapes() {
  std::vector<double> k;
  for (double shape = 1.5; shape < 8.04; shape += 0.01) k.push_back(shape);
  return k;
}

double BestWeibullShape(const std::function<double(double)>& tesnost, double& best) {
  double bestShape = 1.5;
  best = 0;
  for (double shape : WeibullShapes()) {
    const double t = tesnost(shape);
    if (t > best) best = t, bestShape = shape;  // a later shape must be strictly better
  }
  return bestShape;
}

bool FitResult::anySuitable() const {
  return std::any_of(tesnost.begin(), tesnost.end(), [](double t) { return t > 0; });
}

namespace {

// The description up to its first ")"; Laplace builds none, so its two parameters are named here.
std::string parameterTextOf(int type, const ParametricResult& r) {
  std::string d = r.description;
  if (d.empty() && type == kPtLaplace) d = "Mi=" + r.params[0] + ",b=" + r.params[1] + ")";
  const size_t close = d.find(')');
  return close == std::string::npos ? d : d.substr(0, close);
}

}  // namespace

FitResult FitDistributions(const FitInput& input, Language language, const FitProgress& progress) {
  FitResult result;
  const Histogram& raw = input.rawHistogram;
  const int N = binCount(raw);
  const std::span<const double> P2(raw.p.data(), static_cast<size_t>(N));
  result.rawRow = RawDataRow(raw, input.sortedX);
  result.rawMoments = {input.statistics.mean, input.statistics.standardDeviation, input.statistics.skewness};
  for (int i = 0; i < kDistributionTypes; ++i) result.ranking[static_cast<size_t>(i)] = i;

  const double meanY = probabilityMean(P2, N);
  const double sdY = probabilityVariance(P2, N, meanY);
  const double q = sdY * sdY;
  const auto tesnostOf = [&](const ParametricResult& r) {
    if (!r.valid || q == 0 || r.intervals != N) return 0.0;
    return goodnessOfFit(N, std::span<const double>(r.p.data(), static_cast<size_t>(N)), P2, meanY, q, 0);
  };

  ParametricRequest request;
  request.mode = GenerateMode::Fitting;
  request.eps = input.eps;
  request.intervals = N;
  // Every type is generated on the raw-data histogram's own intervals, so that těsnost compares the
  // probabilities of the same x.
  request.limits = {true, raw.min - raw.step / 2, raw.max + raw.step / 2};
  SampleSummary& sample = request.sample;
  sample.mean = input.statistics.mean;
  sample.sigma = input.statistics.standardDeviation;
  sample.skewness = input.statistics.skewness;
  sample.xmin = raw.min;
  sample.xmax = raw.max;
  std::string text;
  sample.median = binMedian(true, P2, raw.min, raw.max, N, text);
  sample.mode = binMode(P2, N, raw.min, raw.max, text);

  const int all = kDistributionTypes - 2 + static_cast<int>(WeibullShapes().size());
  int done = 0;
  const auto advance = [&](int by) {
    done += by;
    if (progress) progress(done, all);
  };

  for (int type = 0; type < kDistributionTypes; ++type) {
    if (type == kUniformType || type == kTriangularType) continue;
    request.type = type;
    if (type == kWeibullType) {
      size_t tried = 0, faulted = 0;
      std::optional<Refusal> firstFault;
      double best = 0;
      const double bestShape = BestWeibullShape(
          [&](double shape) {
            sample.weibullShape = shape;
            const ParametricResult r = GenerateParametric(request, language);
            if (++tried % 32 == 0) advance(32);
            if (r.fault) {
              ++faulted;
              if (!firstFault) firstFault = r.fault;
            }
            return r.fault ? 0.0 : tesnostOf(r);
          },
          best);
      advance(static_cast<int>(tried % 32));
      if (!(best > 0)) {
        // Left out as unsuitable; named as failed when every shape faulted.
        if (firstFault && faulted == tried) result.failures.push_back({type, *firstFault});
        advance(1);
        continue;
      }
      sample.weibullShape = bestShape;
      result.weibullShape = bestShape;
    }
    const ParametricResult r = GenerateParametric(request, language);
    advance(1);
    if (r.fault) {
      // This type's arithmetic fault leaves it out; the others are fitted.
      result.failures.push_back({type, *r.fault});
      continue;
    }
    if (!r.valid) continue;
    const double t = tesnostOf(r);
    if (!FitAccepted(t)) continue;
    result.tesnost[static_cast<size_t>(type)] = t;
    result.parameters[static_cast<size_t>(type)] = r.params;
    result.parameterText[static_cast<size_t>(type)] = parameterTextOf(type, r);

    // The display histogram: the same parameters in window mode.
    ParametricRequest show;
    show.type = type;
    show.params = r.params;
    show.eps = input.eps;
    show.intervals = N;
    const ParametricResult d = GenerateParametric(show, language);
    Histogram h = d.valid && !d.fault ? d.histogram() : r.histogram();
    h.total = static_cast<double>(input.statistics.n);

    FitRow row;
    row.type = type;
    row.field[kFieldTesnost] = formatNumber(t);
    FillRowStatistics(row, h);
    row.field[kFieldParameters] = result.parameterText[static_cast<size_t>(type)];
    // The fit measures compare the raw values with what is shown.
    ApplyDisplayRule(h, input.statistics.mean);
    FillFitMeasures(row, h, input.sortedX);
    // Handed over and saved with a frequency scale that keeps every bin, not the count of values.
    h.total = frequencyScale(h);
    result.display[static_cast<size_t>(type)] = h;
    result.rows.push_back(std::move(row));
  }

  result.ranking = RankByTesnost(result.tesnost);
  const auto K = std::count_if(result.rows.begin(), result.rows.end(), [](const FitRow& row) {
    const auto m = FieldValue(row.field[kFieldMedian]);
    return m && *m != 0;
  });
  result.offered.assign(result.ranking.begin(), result.ranking.begin() + K);
  return result;
}

std::string FitFailureWarning(const FitResult& result, Language language) {
  if (result.failures.empty()) return {};
  std::string text = RefusalTextOf(RefusalText::FitFailuresHead, language);
  for (const FitFailure& f : result.failures)
    text += "\t" + DistributionTypeName(f.type, language) + " :  " + MessageText(f.fault.message, language) +
            "\r\n";
  return text;
}

void RemoveFromRankingPosition(FitResult& result, int from) {
  for (int pos = std::max(from, 0); pos < kDistributionTypes; ++pos) {
    const auto type = static_cast<size_t>(result.ranking[static_cast<size_t>(pos)]);
    result.tesnost[type] = 0;
    result.display[type].reset();
  }
}
