// The assessment report PDF, drawn with QPainter on a QPdfWriter; charts from Qt Charts.

#include "ui/AssessmentReport.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <vector>

#include "histogram/HistogramCharacteristics.h"
#include "io/AtomicFile.h"
#include "persistence/OpenProject.h"
#include "reliability/Assessment.h"
#include "reliability/InputChecks.h"
#include "rmr/RmrRating.h"
#include "shell/ChainMessages.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/DesignWindow.h"
#include "ui/ExportTexts.h"
#include "ui/QtText.h"
#include "ui/RuntimeTexts.h"
#include "ui/VerificationTexts.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kBlocksPerPage = 4;
constexpr double kDpi = 96.0;

QString reportText(ExportText id, Language l) { return qs(exportText(id, l)); }

// The quantity of a chart caption message ("   VELTRA :   graf histogramu : Kn součinitel").
QString quantityOf(int message, Language l) {
  const std::string m = MessageText(message, l);
  const size_t at = m.rfind(" : ");
  std::string q = at == std::string::npos ? m : m.substr(at + 3);
  while (!q.empty() && q.back() == ' ') q.pop_back();
  return qs(q);
}

struct Block {
  QString title;
  QString file;  // file name, empty for results
  Histogram h;
  bool result = false;
  bool markZero = false;
};

std::vector<Block> inputBlocks(const ProjectState& p, const std::string& folder, Language l) {
  std::vector<Block> out;
  for (int r = 1; r <= std::min(p.layerCount(), ProjectState::kLayers); ++r) {
    const LayerSlot& s = p.layers[r - 1];
    if (s.empty()) continue;
    QString title = qs(exportTextFormat(ExportText::ReportLayer, l, {std::to_string(r)}));
    if (!s.rockType.empty()) title += u" ("_s + qs(s.rockType) + u")"_s;
    title += u":  "_s + quantityOf(163, l);
    if (!s.thickness.empty())
      title += u",  "_s + reportText(ExportText::ReportThickness, l) + u" = "_s + qs(s.thickness);
    out.push_back({title, qs(shownHistogramName(folder, s.name)), s.histogram, false});
  }
  const std::pair<const HistogramSlot*, int> inputSlots[] = {{&p.width, 164}, {&p.k, 165},   {&p.kn, 166},
                                                             {&p.q, 168},     {&p.rmr, 169}, {&p.gamma, 170},
                                                             {&p.sigmaR, 171}};
  for (const auto& [slot, message] : inputSlots) {
    if (slot->empty()) continue;
    if (slot == &p.q && !p.combinedSupport) continue;
    out.push_back(
        {quantityOf(message, l), qs(shownHistogramName(folder, slot->name)), slot->histogram, false});
  }
  return out;
}

std::vector<Block> resultBlocks(const ProjectState& p, Language l) {
  return {{reportText(ExportText::ReportReducedStrength, l), {}, p.reducedStrength, true},
          {reportText(ExportText::ReportBoltLength, l), {}, p.boltLength, true},
          {reportText(ExportText::ReportBoltLoad, l), {}, p.boltLoad, true},
          {reportText(ExportText::ReportBearingCapacity, l), {}, p.bearingCapacity, true},
          {reportText(ExportText::ReportReliabilityFunction, l), {}, p.reliabilityFunction, true, true}};
}

int pagesFor(size_t blocks) { return static_cast<int>((blocks + kBlocksPerPage - 1) / kBlocksPerPage); }

// A histogram as a stepped area over its bin edges.
// `markZero` draws the line x = 0 (the failure limit of the reliability function) when it lies inside.
void drawHistogramChart(QPainter& painter, const QRectF& target, const Histogram& h, const QColor& colour,
                        bool markZero = false) {
  const int n = binCount(h);
  QChart chart;
  chart.setBackgroundVisible(false);
  chart.legend()->hide();
  chart.setMargins(QMargins(2, 2, 2, 2));
  chart.setAnimationOptions(QChart::NoAnimation);
  auto* upper = new QLineSeries;
  double top = 0;
  const double lower = h.min - h.step / 2;
  for (int i = 0; i < n; ++i) {
    const double a = lower + i * h.step;
    const double b = a + h.step;
    upper->append(a, h.p[i]);
    upper->append(b, h.p[i]);
    top = std::max(top, h.p[i]);
  }
  auto* area = new QAreaSeries(upper);
  area->setColor(colour);
  area->setBorderColor(colour.darker(140));
  chart.addSeries(area);
  auto* ax = new QValueAxis;
  auto* ay = new QValueAxis;
  QFont f(u"DejaVu Sans"_s);
  f.setPixelSize(9);
  ax->setLabelsFont(f);
  ay->setLabelsFont(f);
  ax->setLabelFormat(u"%.4g"_s);
  ay->setLabelFormat(u"%.3g"_s);
  const double width = std::max(h.step * n, 1e-12);
  ax->setRange(lower, lower + width);
  ay->setRange(0, top > 0 ? top * 1.1 : 1);
  ax->setTickCount(5);
  ay->setTickCount(4);
  chart.addAxis(ax, Qt::AlignBottom);
  chart.addAxis(ay, Qt::AlignLeft);
  area->attachAxis(ax);
  area->attachAxis(ay);
  if (markZero && lower < 0 && lower + width > 0) {
    auto* zero = new QLineSeries;
    zero->append(0, 0);
    zero->append(0, top > 0 ? top * 1.1 : 1);
    zero->setPen(QPen(QColor(220, 0, 0), 1.5));
    chart.addSeries(zero);
    zero->attachAxis(ax);
    zero->attachAxis(ay);
  }
  QGraphicsScene scene;
  scene.addItem(&chart);
  chart.setGeometry(QRectF(QPointF(0, 0), target.size()));
  scene.setSceneRect(chart.geometry());
  scene.render(&painter, target, scene.sceneRect());
  scene.removeItem(&chart);
}

class ReportPainter {
 public:
  ReportPainter(QPainter& p, const ProjectState& project, const ReportHeader& header, Language l, int pages)
      : p_(p), project_(project), header_(header), l_(l), pages_(pages) {
    page_ = QRectF(p_.viewport());
    body_ = page_.adjusted(56, 48, -56, -56);
  }

  void summaryPage() {
    double y = body_.top();
    y = text(y, reportText(ExportText::ReportTitle, l_), 15, true) + 8;
    y = pair(y, reportText(ExportText::ReportProject, l_), qs(header_.projectName));
    y = fileLine(y, ExportText::ReportProjectFile, header_.projectFile);
    if (!header_.resultsFile.empty()) y = fileLine(y, ExportText::ReportResultsFile, header_.resultsFile);
    y = pair(y, reportText(ExportText::ReportDate, l_), qs(header_.date));
    y = pair(y, reportText(ExportText::ReportVersion, l_), qs(header_.version));
    y += 10;

    y = text(y, reportText(ExportText::ReportGivenValues, l_), 11, true) + 2;
    y = pair(y, reportText(ExportText::ReportDepth, l_), qs(project_.depthH));
    y = pair(y, reportText(ExportText::ReportD1, l_), qs(project_.d1));
    y = pair(y, reportText(ExportText::ReportD2, l_), qs(project_.d2));
    y = pair(y, reportText(ExportText::ReportBoltCount, l_), qs(project_.boltCount));
    y = pair(y, reportText(ExportText::ReportRowSpacing, l_), qs(project_.rowSpacing));
    y = pair(y, reportText(ExportText::ReportCombined, l_),
             reportText(project_.combinedSupport ? ExportText::ReportYes : ExportText::ReportNo, l_));
    y += 10;

    y = text(y, reportText(ExportText::ReportDerived, l_), 11, true) + 2;
    y = pair(y, u"B*  [ m ]"_s, qs(formatNumber(project_.bStar)));
    const double beta =
        project_.betaValue > 0 ? project_.betaValue : parseInputNumber(project_.beta).value_or(0);
    y = pair(y, u"Beta"_s, qs(formatNumber(beta)));
    y = pair(y, u"m1  [ m ]"_s, qs(project_.layers[0].thickness));
    y += 10;

    y = text(y, reportText(ExportText::ReportAssessment, l_), 11, true) + 2;
    const AssessmentResult a0 =
        assessReliability(project_.reliabilityFunction, project_.failureMass, DesignStandard::En1990, l_);
    const AssessmentResult a1 =
        assessReliability(project_.reliabilityFunction, project_.failureMass, DesignStandard::Csn731401, l_);
    y = pair(y, reportText(ExportText::ReportPf, l_), qs(formatNumberShort(a0.pf)), true);
    QString betaF;
    if (a0.betaFKind == BetaFKind::Value)
      betaF = qs(formatNumber(a0.betaF));
    else if (a0.betaFKind == BetaFKind::Out)
      betaF = u"  <OUT> "_s;
    else
      betaF = qs(MessageText(233, l_));
    y = pair(y, reportText(ExportText::ReportBetaF, l_), betaF, true);
    // Results made with the earlier evaluation of the pressure loop or reading of the inputs say so.
    if (project_.boltLengthReading.values == PairValues::UpperEdges ||
        project_.boltLoadReading.values == PairValues::UpperEdges)
      y = text(y, reportText(ExportText::ReportUpperEdges, l_), 9, true);
    if (const std::string note =
            inputReadingNote(project_.loadInputReading(), project_.boltLoadReadingKnown, false, l_);
        !note.empty())
      y = text(y, qs(note), 9, true);
    y += 8;
    y = classTable(y, a0, reportText(ExportText::ReportStandardEn1990, l_));
    y += 10;
    classTable(y, a1, reportText(ExportText::ReportStandardCsn731401, l_));
    signatureField();
    footer(1);
  }

  // The formulas of the model, the K note and the RMR rating.
  void modelPage(int pageNo) {
    double y = body_.top();
    y = text(y, reportText(ExportText::ReportModelPage, l_), 12, true) + 6;
    y = text(y, reportText(ExportText::ReportFormulas, l_), 11, true) + 2;
    for (ExportText formula :
         {ExportText::ReportFormulaR, ExportText::ReportFormulaG, ExportText::ReportFormulaL,
          ExportText::ReportFormulaS, ExportText::ReportFormulaC, ExportText::ReportFormulaFS,
          ExportText::ReportFormulaPf, ExportText::ReportFormulaBetaF})
      y = text(y, reportText(formula, l_), 9);
    y = paragraph(y + 2, reportText(ExportText::ReportKNote, l_), 9, true) + 12;

    y = text(y, reportText(ExportText::ReportRmrRatings, l_), 11, true) + 2;
    if (!header_.rmr || !hasRatings(*header_.rmr)) {
      const QString file = project_.rmr.name.empty() ? u"-"_s : qs(project_.rmr.name);
      paragraph(y, qs(exportTextFormat(ExportText::ReportRmrFromFile, l_, {file.toStdString()})), 9);
      footer(pageNo);
      return;
    }
    namespace c = rmr_cells;
    const RmrTables& t = *header_.rmr;
    const struct {
      ExportText name;
      int table, row, description, rating;
    } rows[] = {{ExportText::ReportRmrB, c::kB, 1, c::kDescription, c::kRating},
                {ExportText::ReportRmrC, c::kC, 1, c::kDescription, c::kRating},
                {ExportText::ReportRmrD1, c::kD1, 1, c::kDescription, c::kRating},
                {ExportText::ReportRmrD2Persistence, c::kD2, 1, c::kDescription, c::kRating},
                {ExportText::ReportRmrD2Aperture, c::kD2, 2, c::kDescription, c::kRating},
                {ExportText::ReportRmrD2Roughness, c::kD2, 3, c::kDescription, c::kRating},
                {ExportText::ReportRmrD2Infilling, c::kD2, 4, c::kDescription, c::kRating},
                {ExportText::ReportRmrD2Weathering, c::kD2, 5, c::kDescription, c::kRating},
                {ExportText::ReportRmrE, c::kE, 1, c::kDescription, c::kRating},
                {ExportText::ReportRmrF, c::kF, 1, c::kFOrientation, c::kFRating}};
    const double cols[] = {0, 0.42, 0.92};
    for (const auto& r : rows) {
      const GridTable& g = t.tables[static_cast<size_t>(r.table)];
      auto cell = [&](int col) {
        return r.row < g.rows && col < g.cols ? qs(g.cell(r.row, col)).trimmed() : QString();
      };
      QString description = cell(r.description);
      if (r.table == c::kF && !cell(c::kFKind).isEmpty())
        description = cell(c::kFKind) + u",  "_s + description;
      text(y, reportText(r.name, l_), 8.5, false, body_.left());
      text(y, elided(description, 8.5, body_.width() * (cols[2] - cols[1]) - 8), 8.5, false,
           body_.left() + body_.width() * cols[1]);
      y = text(y, cell(r.rating), 8.5, true, body_.left() + body_.width() * cols[2]);
    }
    y += 4;
    // The result labels, when the RMR histogram was created from these ratings.
    const std::pair<QString, std::string> results[] = {
        {reportText(ExportText::ReportRmrSum, l_), t.sum},
        {reportText(ExportText::ReportRmrClass, l_), t.rockClass},
        {u"RMR"_s, t.rmr}};
    for (const auto& [label, value] : results)
      if (!value.empty()) y = pair(y, label, qs(value), true);
    footer(pageNo);
  }

  // The check of Pf: both readings of Monte Carlo, the band, the note and the sensitivity.
  void checkPage(const verification::ChainCheck& check, int pageNo) {
    using verification::kBandBins;
    double y = body_.top();
    y = text(y, qs(verificationText(VerificationText::ReportSection, l_)), 12, true) + 4;
    y = paragraph(y, qs(verificationText(VerificationText::ReportExplanation, l_)), 9) + 6;

    const double cols[] = {0, 0.42, 0.58, 0.86};
    const QStringList head = qs(verificationText(VerificationText::ReportColumns, l_)).split(u'\t');
    for (int k = 0; k < 4 && k < head.size(); ++k)
      text(y, head[k], 9, true, body_.left() + body_.width() * cols[k]);
    y += 16;
    auto row = [&](const QString& name, double pf, const QString& interval, const QString& samples) {
      const QString cells[] = {name, qs(formatNumberShort(pf)), interval, samples};
      for (int k = 0; k < 4; ++k) text(y, cells[k], 9, false, body_.left() + body_.width() * cols[k]);
      y += 15;
    };
    const std::pair<VerificationText, const verification::PfEstimate*> readings[] = {
        {VerificationText::RowCentres, &check.monteCarlo.centres},
        {VerificationText::RowUniform, &check.monteCarlo.uniform}};
    for (const auto& [name, e] : readings)
      row(qs(verificationText(name, l_)), e->pf,
          qs(verificationTextFormat(VerificationText::Interval, l_,
                                    {formatNumberShort(e->lo95), formatNumberShort(e->hi95)})),
          QString::number(e->samples));
    for (size_t i = 0; i < check.band.size() && i < std::size(kBandBins); ++i)
      if (check.band[i])
        row(qs(verificationTextFormat(VerificationText::RowBins, l_, {std::to_string(kBandBins[i])})),
            *check.band[i], {}, {});
    row(qs(verificationText(VerificationText::RowChain, l_)), check.chainPf, {}, {});
    y += 2;
    const std::string seconds = QString::number(check.monteCarlo.seconds, 'f', 1).toStdString();
    const QString seed =
        qs(verificationTextFormat(VerificationText::ReportSeed, l_, {std::to_string(check.seed), seconds}));
    y = text(y, seed, 8.5) + 4;
    const CheckNote note = checkNote(check, l_);
    for (size_t i = 0; i < note.lines.size(); ++i)
      y = paragraph(y, qs(note.lines[i]), 9, i == 0,
                    i == 0 && note.warning ? QColor(200, 0, 0) : QColor(Qt::black)) +
          2;
    y += 10;

    y = text(y, qs(verificationText(VerificationText::ReportSensitivity, l_)), 11, true) + 2;
    const double sc[] = {0, 0.34, 0.62, 0.75, 0.88};
    const QStringList sh = qs(verificationText(VerificationText::ReportSensitivityColumns, l_)).split(u'\t');
    for (int k = 0; k < 5 && k < sh.size(); ++k)
      text(y, sh[k], 9, true, body_.left() + body_.width() * sc[k]);
    y += 16;
    auto pf = [](const std::optional<double>& v) { return v ? qs(formatNumberShort(*v)) : u"-"_s; };
    for (const SensitivityLine& r : sensitivityLines(check, l_)) {
      text(y, qs(r.input), 8.5, false, body_.left());
      text(y, elided(qs(r.file), 8.5, body_.width() * (sc[2] - sc[1]) - 8), 8.5, false,
           body_.left() + body_.width() * sc[1]);
      if (r.noEffect) {
        text(y, qs(verificationText(VerificationText::NoEffect, l_)), 8.5, true,
             body_.left() + body_.width() * sc[2]);
      } else {
        const std::optional<double> v[] = {r.pf05, r.pf50, r.pf95};
        for (int k = 0; k < 3; ++k) text(y, pf(v[k]), 8.5, false, body_.left() + body_.width() * sc[2 + k]);
      }
      y += 14;
    }
    footer(pageNo);
  }

  // The design of the bolt pattern: target, required k, margin, the lightest patterns.
  void designPage(const DesignOutcome& o, int pageNo) {
    const design::DesignResult& d = o.result;
    auto num = [this](double x, double unit) { return qs(designNumber(std::round(x / unit) * unit, l_)); };
    auto cls = [&](int c) {
      return qs(c >= 1 && c <= 3 ? classLabel(o.standard, c, l_) : designText(DesignText::ClassNone, l_));
    };
    double y = body_.top();
    y = text(y, qs(designText(DesignText::ReportSection, l_)), 12, true) + 6;
    y = text(y,
             qs(designTextFormat(DesignText::ReportTarget, l_,
                                 {classLabel(o.standard, d.target, l_), pfText(d.pd, l_)})),
             10) +
        4;
    y = text(y,
             qs(designTextFormat(DesignText::ReportLength, l_,
                                 {designNumber(std::round(d.boltLength * 1000) / 1000, l_)})),
             10) +
        4;
    using Status = design::RequiredFactor::Status;
    const QString required =
        d.required.status == Status::Found
            ? qs(designTextFormat(
                  DesignText::KRequired, l_,
                  {designNumber(std::round(d.required.k * 10000) / 10000, l_), pfText(d.required.pf, l_)}))
        : d.required.status == Status::AlwaysReached ? qs(designText(DesignText::KAlwaysReached, l_))
                                                     : qs(designText(DesignText::KNeverReached, l_));
    y = text(y, required, 10, true) + 4;
    y = text(y,
             o.margin ? qs(designTextFormat(DesignText::Margin, l_, {num(*o.margin, 0.001).toStdString()}))
                      : qs(designText(DesignText::MarginNone, l_)),
             10) +
        4;
    auto patternLine = [&](DesignText id, const design::PatternRow& r) {
      return qs(designTextFormat(
          id, l_,
          {std::to_string(r.n), designNumber(r.d1, l_), designNumber(r.ds, l_),
           num(r.steel, 0.01).toStdString(), pfText(r.pf, l_), cls(r.classIndex).toStdString()}));
    };
    if (o.current)
      y = paragraph(
              y,
              qs(designTextFormat(DesignText::Current, l_,
                                  {std::to_string(o.current->n), designNumber(o.current->d1, l_),
                                   designNumber(o.current->ds, l_), num(o.current->k, 0.001).toStdString(),
                                   pfText(o.current->pf, l_), cls(o.current->classIndex).toStdString()})),
              10) +
          4;
    if (d.lightest) {
      y = paragraph(y, patternLine(DesignText::Lightest, *d.lightest), 10, true) + 10;
    } else {
      y = paragraph(y, qs(design::nothingReaches(d.target, classLabel(o.standard, d.target, l_)).text(l_)),
                    10, true, QColor(200, 0, 0)) +
          4;
      if (d.bestReachable) y = paragraph(y, patternLine(DesignText::BestReachable, *d.bestReachable), 10) + 4;
      footer(pageNo);
      return;
    }
    // The lightest patterns that reach the target, at most 25.
    y = text(y, qs(designText(DesignText::ReportBest, l_)), 11, true) + 4;
    const double cols[] = {0, 0.1, 0.24, 0.38, 0.52, 0.68, 0.84};
    const QStringList head = qs(designText(DesignText::ReportColumns, l_)).split(u'\t');
    for (int k = 0; k < 7 && k < head.size(); ++k)
      text(y, head[k], 9, true, body_.left() + body_.width() * cols[k]);
    y += 16;
    int listed = 0;
    for (const design::PatternRow& r : d.patterns) {
      if (!r.reaches(d.target)) continue;
      const QString cells[] = {QString::number(r.n), qs(designNumber(r.d1, l_)), qs(designNumber(r.ds, l_)),
                               num(r.k, 0.001),      qs(pfText(r.pf, l_)),       cls(r.classIndex),
                               num(r.steel, 0.01)};
      for (int k = 0; k < 7; ++k) text(y, cells[k], 9, listed == 0, body_.left() + body_.width() * cols[k]);
      y += 14;
      if (++listed == 25) break;
    }
    footer(pageNo);
  }

  void blockPage(const std::vector<Block>& blocks, size_t from, const QString& heading, int pageNo) {
    double y = body_.top();
    y = text(y, heading, 12, true) + 6;
    const double blockHeight = (body_.bottom() - y) / kBlocksPerPage;
    for (size_t k = from; k < std::min(blocks.size(), from + kBlocksPerPage); ++k) {
      drawBlock(blocks[k], QRectF(body_.left(), y, body_.width(), blockHeight - 8));
      y += blockHeight;
    }
    footer(pageNo);
  }

 private:
  double text(double y, const QString& s, double points, bool bold = false, double x = -1) {
    QFont f(u"DejaVu Sans"_s);
    f.setPointSizeF(points);
    f.setBold(bold);
    p_.setFont(f);
    p_.setPen(Qt::black);
    const QFontMetricsF m(f, p_.device());
    p_.drawText(QPointF(x < 0 ? body_.left() : x, y + m.ascent()), s);
    return y + m.height() + 2;
  }

  double pair(double y, const QString& label, const QString& value, bool bold = false) {
    text(y, label, 9.5);
    return text(y, value, 9.5, bold, body_.left() + body_.width() * 0.55);
  }

  // A file line: the label, then the path in small type across the page (or "not saved").
  double fileLine(double y, ExportText label, const std::string& path) {
    text(y, reportText(label, l_), 9.5);
    const QString value = path.empty() ? reportText(ExportText::ReportNotSaved, l_) : qs(path);
    const double x = body_.left() + body_.width() * 0.30;
    return text(y, elided(value, 8.5, body_.right() - x), 8.5, false, x);
  }

  // Text wrapped across the body.
  double paragraph(double y, const QString& s, double points, bool bold = false,
                   const QColor& colour = Qt::black) {
    QFont f(u"DejaVu Sans"_s);
    f.setPointSizeF(points);
    f.setBold(bold);
    p_.setFont(f);
    p_.setPen(colour);
    QRectF used;
    p_.drawText(QRectF(body_.left(), y, body_.width(), body_.bottom() - y), Qt::TextWordWrap, s, &used);
    p_.setPen(Qt::black);
    return y + used.height() + 2;
  }

  QString elided(const QString& s, double points, double width) {
    QFont f(u"DejaVu Sans"_s);
    f.setPointSizeF(points);
    return QFontMetricsF(f, p_.device()).elidedText(s, Qt::ElideMiddle, width);
  }

  static bool hasRatings(const RmrTables& t) {
    if (!t.sum.empty()) return true;
    for (int k = 0; k < RmrTables::kStrength; ++k)
      for (int r = 1; r < t.tables[static_cast<size_t>(k)].rows; ++r)
        for (int c = 1; c < t.tables[static_cast<size_t>(k)].cols; ++c)
          if (!t.tables[static_cast<size_t>(k)].cell(r, c).empty()) return true;
    return false;
  }

  // Fields to fill in at the foot of the summary page: who prepared the report, the date, a signature.
  void signatureField() {
    const double y = body_.bottom() - 44;
    QFont f(u"DejaVu Sans"_s);
    f.setPointSizeF(9.5);
    p_.setFont(f);
    p_.setPen(Qt::black);
    const QFontMetricsF m(f, p_.device());
    const double thirds = body_.width() / 3;
    const QString labels[] = {reportText(ExportText::ReportPreparedBy, l_),
                              reportText(ExportText::ReportSignedOn, l_),
                              reportText(ExportText::ReportSignature, l_)};
    for (int k = 0; k < 3; ++k) {
      const double x = body_.left() + k * thirds;
      const QString label = labels[k] + u":"_s;
      p_.drawText(QPointF(x, y + m.ascent()), label);
      const double lineFrom = x + m.horizontalAdvance(label) + 6, lineTo = x + thirds - 14;
      if (k == 0 && !header_.author.empty())
        p_.drawText(QPointF(lineFrom, y + m.ascent()), qs(header_.author));
      else
        p_.drawLine(QPointF(lineFrom, y + m.ascent() + 2), QPointF(lineTo, y + m.ascent() + 2));
    }
  }

  double classTable(double y, const AssessmentResult& a, const QString& standard) {
    y = text(y, reportText(ExportText::ReportStandard, l_) + u":  "_s + standard, 10, true) + 2;
    const double cols[] = {0, 0.22, 0.40, 0.52, 0.74};
    const QString head[] = {reportText(ExportText::ReportClass, l_), u"Pd"_s, u"Beta"_s, u"Qpd  [ kN ]"_s,
                            reportText(ExportText::ReportSatisfied, l_)};
    for (int c = 0; c < 5; ++c) text(y, head[c], 9, true, body_.left() + body_.width() * cols[c]);
    y += 16;
    for (int k = 0; k < 3; ++k) {
      const QString cells[] = {qs(a.classLabels[k]), qs(formatNumberShort(a.pd[k])),
                               qs(formatNumber(a.classBeta[k])),
                               a.quantiles[k] ? qs(formatNumber(*a.quantiles[k])) : qs(MessageText(233, l_)),
                               a.pf <= a.pd[k] ? u"\u2713"_s : u"\u2013"_s};
      for (int c = 0; c < 5; ++c)
        text(y, cells[c], 9, a.classIndex == k + 1, body_.left() + body_.width() * cols[c]);
      y += 15;
    }
    y += 2;
    const QString verdict = reportText(ExportText::ReportVerdict, l_) + u":  "_s + qs(a.verdict);
    QFont f(u"DejaVu Sans"_s);
    f.setPointSizeF(10.5);
    f.setBold(true);
    const QFontMetricsF m(f, p_.device());
    const QRectF box(body_.left(), y, m.horizontalAdvance(verdict) + 16, m.height() + 6);
    const bool failed = a.classIndex == 0;
    p_.fillRect(box, failed ? QColor(255, 0, 0) : QColor(0xE6, 0xF2, 0xE6));
    p_.setFont(f);
    p_.setPen(failed ? Qt::white : Qt::black);
    p_.drawText(box, Qt::AlignCenter, verdict);
    p_.setPen(Qt::black);
    return box.bottom() + 4;
  }

  void drawBlock(const Block& b, const QRectF& area) {
    double y = text(area.top(), b.title, 9.5, true);
    if (!b.file.isEmpty()) y = text(y, reportText(ExportText::ReportFile, l_) + u":  "_s + b.file, 8.5);
    const QRectF chartArea(area.left(), y + 2, area.width() * 0.48, area.bottom() - y - 2);
    const int n = binCount(b.h);
    if (n > 0)
      drawHistogramChart(p_, chartArea, b.h, b.result ? QColor(0xC0, 0x80, 0x40) : QColor(0x40, 0x80, 0xC0),
                         b.markZero);
    const double x = area.left() + area.width() * 0.52;
    double ty = y + 4;
    QFont f(u"DejaVu Sans"_s);
    f.setPointSizeF(7.5);
    const QFontMetricsF m(f, p_.device());
    p_.setFont(f);
    if (n < 3) {
      p_.drawText(QPointF(x, ty + m.ascent()), qs(MessageText(411, l_)));
      return;
    }
    const std::span<const double> P(b.h.p.data(), kMaxBins);
    const CharacteristicsTable t = Characteristics(P, n, b.h.min, b.h.max, b.h.total, l_);
    const double valueX = x + area.width() * 0.30;
    for (int k = 0; k < 14; ++k) {
      QString label = qs(t.rows[k].label).trimmed();
      if (k == 12) label = u"Median"_s;
      if (k == 13) label = u"Mode"_s;
      p_.drawText(QPointF(x, ty + m.ascent()), label);
      p_.drawText(QPointF(valueX, ty + m.ascent()), qs(t.rows[k].value).trimmed());
      ty += m.height();
      if (ty > area.bottom()) break;
    }
  }

  void footer(int pageNo) {
    QFont f(u"DejaVu Sans"_s);
    f.setPointSizeF(8);
    p_.setFont(f);
    p_.setPen(Qt::darkGray);
    const QRectF band(body_.left(), page_.bottom() - 40, body_.width(), 20);
    p_.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                u"VELTRA "_s + qs(header_.version) + u"  \u2013  "_s + qs(header_.projectName));
    p_.drawText(
        band, Qt::AlignRight | Qt::AlignVCenter,
        qs(exportTextFormat(ExportText::ReportPage, l_, {std::to_string(pageNo), std::to_string(pages_)})));
    p_.setPen(Qt::black);
  }

  QPainter& p_;
  const ProjectState& project_;
  const ReportHeader& header_;
  Language l_;
  int pages_;
  QRectF page_, body_;
};

}  // namespace

int assessmentReportPageCount(const ProjectState& project, bool withCheck, bool withDesign) {
  return 2 + (withCheck ? 1 : 0) + (withDesign ? 1 : 0) +
         pagesFor(inputBlocks(project, {}, Language::Czech).size()) +
         pagesFor(resultBlocks(project, Language::Czech).size());
}

std::string reportDateNow(Language language) {
  const QDateTime now = QDateTime::currentDateTime();
  return now.toString(language == Language::English ? u"yyyy-MM-dd  hh:mm"_s : u"d.M.yyyy  hh:mm"_s)
      .toStdString();
}

bool writeAssessmentReport(const std::string& path, const ProjectState& project, const ReportHeader& header,
                           Language language, std::string* error, std::optional<WriteRefusal>* refusal) {
  if (!project.assessmentDone) {
    if (error) *error = exportText(ExportText::ReportNotAssessed, language);
    return false;
  }
  const std::vector<Block> inputs = inputBlocks(project, header.histogramsFolder, language);
  const std::vector<Block> results = resultBlocks(project, language);
  // A check belongs in the report only with the assessment it was made for.
  const verification::ChainCheck* check =
      header.check && !header.check->cancelled && header.check->madeFor(project) ? header.check : nullptr;
  const DesignOutcome* design = header.design && header.design->result.ok ? header.design : nullptr;
  const int pages = assessmentReportPageCount(project, check != nullptr, design != nullptr);

  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(static_cast<int>(kDpi));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setTitle(qs(exportText(ExportText::ReportTitle, language) + " - " + header.projectName));
    pdf.setCreator(u"VELTRA "_s + qs(header.version));
    QPainter painter;
    if (!painter.begin(&pdf)) {
      if (error) *error = "cannot start the PDF";
      return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    ReportPainter rp(painter, project, header, language, pages);
    rp.summaryPage();
    int pageNo = 1;
    pdf.newPage();
    rp.modelPage(++pageNo);
    if (check) {
      pdf.newPage();
      rp.checkPage(*check, ++pageNo);
    }
    if (design) {
      pdf.newPage();
      rp.designPage(*design, ++pageNo);
    }
    for (size_t k = 0; k < inputs.size(); k += kBlocksPerPage) {
      pdf.newPage();
      rp.blockPage(inputs, k, qs(exportText(ExportText::ReportInputs, language)), ++pageNo);
    }
    for (size_t k = 0; k < results.size(); k += kBlocksPerPage) {
      pdf.newPage();
      rp.blockPage(results, k, qs(exportText(ExportText::ReportResults, language)), ++pageNo);
    }
    painter.end();
  }
  if (bytes.isEmpty()) {
    if (error) *error = "empty PDF";
    return false;
  }
  WriteRefusal why;
  if (writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), &why))
    return true;
  if (error) *error = why.text(Language::English);
  if (refusal) *refusal = why;
  return false;
}
