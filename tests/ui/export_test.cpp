// Chart export, check sheet workbook and assessment report.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "ScriptedDialogs.h"
#include "persistence/AssessFile.h"
#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/AssessmentReport.h"
#include "ui/ChartExport.h"
#include "ui/CheckSheet.h"
#include "ui/ExportTexts.h"
#include "ui/ReportCommand.h"
#include "verification/ChainCheck.h"

using namespace Qt::StringLiterals;

namespace {

ReportHeader reportHeader(std::string name, std::string date = {}, std::string version = {}) {
  ReportHeader h;
  h.projectName = std::move(name);
  h.date = std::move(date);
  h.version = std::move(version);
  return h;
}

std::string str(const QString& s) { return s.toStdString(); }

// A window with a chart and an export button, as the chart windows carry them.
struct ChartWindow {
  QWidget window;
  QChartView* chart = nullptr;
  QPushButton* button = nullptr;
  ChartExport* exporter = nullptr;
  std::string folder;

  explicit ChartWindow(std::string initialFolder) : folder(std::move(initialFolder)) {
    window.setWindowTitle(u"  VELTRA : Distribution function chart "_s);
    auto* layout = new QVBoxLayout(&window);
    auto* set = new QBarSet(u"F"_s);
    *set << 0.1 << 0.3 << 0.7 << 0.9 << 1.0;
    auto* series = new QBarSeries;
    series->append(set);
    auto* c = new QChart;
    c->addSeries(series);
    c->setTitle(u"Pevnost"_s);
    chart = new QChartView(c, &window);
    chart->setObjectName(u"Chart1L"_s);
    button = new QPushButton(&window);
    button->setObjectName(u"UlozGraf"_s);
    layout->addWidget(chart);
    layout->addWidget(button);
    window.resize(480, 320);
    exporter = new ChartExport(
        button, chart, [this] { return folder; }, [] { return Language::Czech; });
  }
};

class ChartExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    startFolder = QDir::currentPath();
  }
  void TearDown() override {
    // The export leaves the process's current folder where it was and no bitmap behind.
    EXPECT_EQ(QDir::currentPath(), startFolder);
    EXPECT_FALSE(QFile::exists(QDir(startFolder).filePath(u"Temporery.bmp"_s)));
  }
  std::string file(const char* name) const { return str(tmp.filePath(QString::fromUtf8(name))); }

  QTemporaryDir tmp;
  QString startFolder;
  ScriptedDialogs dialogs;
};

TEST_F(ChartExportTest, TargetItemsKeepExactlyOneCheckMark) {
  ChartWindow w(file(""));
  ChartExport& e = *w.exporter;
  EXPECT_EQ(e.target(), ChartTarget::Clipboard);
  struct Step {
    ChartTarget click;
    ChartTarget after;
  };
  // Checking an item unchecks the others; unchecking "&Schránky" checks "&Bitmapy", unchecking any other
  // checks "&Schránky".
  const Step steps[] = {
      {ChartTarget::Clipboard, ChartTarget::Bitmap},  {ChartTarget::Bitmap, ChartTarget::Clipboard},
      {ChartTarget::Jpeg, ChartTarget::Jpeg},         {ChartTarget::Jpeg, ChartTarget::Clipboard},
      {ChartTarget::MetaFile, ChartTarget::MetaFile}, {ChartTarget::Bitmap, ChartTarget::Bitmap},
      {ChartTarget::Bitmap, ChartTarget::Clipboard}};
  for (const Step& s : steps) {
    e.item(s.click)->trigger();  // through the menu, as a click does
    int checked = 0;
    for (int i = 0; i < 4; ++i) checked += e.item(static_cast<ChartTarget>(i))->isChecked();
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(e.target(), s.after) << "after clicking item " << static_cast<int>(s.click);
  }
  // The menu sits on the button, named as the window's text set names its items.
  EXPECT_NE(w.window.findChild<QAction*>(u"JPGFile"_s), nullptr);
  EXPECT_EQ(str(e.item(ChartTarget::Clipboard)->text()), "&Schránky");
  EXPECT_EQ(str(w.button->toolTip()), "Uložit graf ");
}

TEST_F(ChartExportTest, ClipboardGetsTheChartImage) {
  ChartWindow w(file(""));
  QApplication::clipboard()->clear();
  EXPECT_TRUE(w.exporter->UlozGrafClick());
  const QImage image = QApplication::clipboard()->image();
  EXPECT_EQ(image.size(), w.chart->size());
  EXPECT_TRUE(dialogs.fileDialogs.empty());
}

TEST_F(ChartExportTest, EveryFileTargetWritesWhatItsReaderOpens) {
  ChartWindow w(file(""));
  ChartExport& e = *w.exporter;
  struct Case {
    ChartTarget target;
    const char* chosen;   // answered by the save dialog
    const char* written;  // file expected
    const char *extension, *format;
  };
  const Case cases[] = {{ChartTarget::Bitmap, "graf", "graf.bmp", "bmp", "bmp"},
                        {ChartTarget::Jpeg, "graf.jpg", "graf.jpg", "jpg", "jpeg"},
                        {ChartTarget::MetaFile, "graf.svg", "graf.svg", "svg", "svg"},
                        {ChartTarget::MetaFile, "graf.pdf", "graf.pdf", "svg", "pdf"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    if (e.target() != c.target) e.item(c.target)->trigger();
    dialogs.answerFile(file(c.chosen));
    ASSERT_TRUE(e.UlozGrafClick());
    const FileDialogOptions& o = dialogs.fileDialogs.back();
    EXPECT_EQ(o.initialFolder, w.folder);
    EXPECT_EQ(o.defaultExtension, c.extension);
    EXPECT_TRUE(o.fileName.empty());
    const QString path = QString::fromStdString(file(c.written));
    ASSERT_TRUE(QFile::exists(path));
    const std::string format = c.format;
    if (format == "svg") {
      QSvgRenderer svg(path);
      EXPECT_TRUE(svg.isValid());
      EXPECT_EQ(svg.viewBox().size(), w.chart->size());
    } else if (format == "pdf") {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      const QByteArray bytes = f.readAll();
      EXPECT_TRUE(bytes.startsWith("%PDF"));
      EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>") +
                    bytes.count("/Type /Page "),
                1);
    } else {
      QImageReader reader(path);
      EXPECT_EQ(str(QString::fromLatin1(reader.format())), format);
      const QImage image = reader.read();
      EXPECT_EQ(image.size(), w.chart->size());
    }
  }
  // Only the chosen files: no temporary bitmap beside them.
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), 4);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(ChartExportTest, ExistingFileAsksMessage6AndNoKeepsIt) {
  ChartWindow w(file(""));
  ChartExport& e = *w.exporter;
  e.item(ChartTarget::Jpeg)->trigger();
  const std::string path = file("stary.jpg");
  {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  dialogs.answerFile(path);
  dialogs.answer(mrNo);
  EXPECT_FALSE(e.UlozGrafClick());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, MessageFormat(6, Language::Czech, {path}));
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(1, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].defaultButton, mrYes);
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("old"));
  f.close();

  dialogs.answerFile(path);
  dialogs.answer(mrYes);
  EXPECT_TRUE(e.UlozGrafClick());
  EXPECT_FALSE(QImageReader(QString::fromStdString(path)).read().isNull());

  // A cancelled dialog writes nothing.
  dialogs.answerFile(std::nullopt);
  EXPECT_FALSE(e.UlozGrafClick());
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ChartExportTest, UnwritableFileIsReportedWithMessage27) {
  ChartWindow w(file(""));
  w.exporter->item(ChartTarget::Bitmap)->trigger();
  const std::string path = file("no/such/folder/graf.bmp");
  dialogs.answerFile(path);
  EXPECT_FALSE(w.exporter->UlozGrafClick());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Error);
  EXPECT_EQ(dialogs.asked[0].text, MessageText(27, Language::Czech) + path);
}

// "Uložit obrázek…": the written type follows a typed image extension, else the chosen filter, whose
// extension the name then gets (dots of the name or not).
TEST_F(ChartExportTest, SaveImageTypeFollowsTheExtensionOrTheChosenFilter) {
  ChartWindow w(file(""));
  ChartExport& e = *w.exporter;
  e.proposedName = [] { return std::string("Pevnost"); };
  struct Case {
    const char* typed;
    int filter;  // 1 PNG, 2 SVG, 3 PDF, 4 JPEG, 5 BMP
    const char *written, *format;
  };
  const Case cases[] = {{"a", 1, "a.png", "png"},
                        {"b", 2, "b.svg", "svg"},
                        {"c", 3, "c.pdf", "pdf"},
                        {"d", 4, "d.jpg", "jpeg"},
                        {"e", 5, "e.bmp", "bmp"},
                        {"f.SVG", 1, "f.SVG", "svg"},
                        {"g.jpeg", 5, "g.jpeg", "jpeg"},
                        {"h.pdf", 4, "h.pdf", "pdf"},
                        {"Gamma_2.6", 3, "Gamma_2.6.pdf", "pdf"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    dialogs.answerFile(file(c.typed));
    dialogs.answerFileFilter(c.filter);
    // The button's menu item, as the windows' "Uložit obrázek…" buttons do.
    e.saveImageItem()->trigger();
    const FileDialogOptions& o = dialogs.fileDialogs.back();
    EXPECT_EQ(o.initialFolder, w.folder);
    EXPECT_EQ(o.fileName, "Pevnost");
    EXPECT_EQ(o.filter, exportText(ExportText::ImageFilter, Language::Czech));
    const QString path = QString::fromStdString(file(c.written));
    ASSERT_TRUE(QFile::exists(path));
    const std::string format = c.format;
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(5);
    if (format == "svg")
      EXPECT_TRUE(QSvgRenderer(path).isValid());
    else if (format == "pdf")
      EXPECT_EQ(head, QByteArray("%PDF-"));
    else
      EXPECT_EQ(QImageReader(path).format().toStdString(), format);
  }
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), std::size(cases));
  EXPECT_TRUE(dialogs.asked.empty());
  // The five types in both languages, PNG first.
  for (Language l : {Language::Czech, Language::English}) {
    const std::string filter = exportText(ExportText::ImageFilter, l);
    size_t at = 0;
    for (const char* ext : {"*.png", "*.svg", "*.pdf", "*.jpg", "*.bmp"}) {
      const size_t next = filter.find(ext, at);
      EXPECT_NE(next, std::string::npos) << ext;
      at = next;
    }
  }
}

// A title wider than the chart (which Qt Charts cuts short with "...") is written whole in every type.
TEST_F(ChartExportTest, ExportedTitlesAreWhole) {
  ChartWindow w(file(""));
  const QString first = u"Posudek spolehlivosti ( Chodba K12 kombinovaná výztuž s oblouky TH a svorníky )"_s;
  const QString second = u"12.3.2025 , 14:05:33"_s;
  w.chart->chart()->setTitle(u"<div align=\"center\">"_s + first + u"<br>"_s + second + u"</div>"_s);
  w.window.resize(360, 280);
  w.window.show();
  QApplication::processEvents();
  const QSize shown = w.chart->size();
  for (const char* name : {"t.svg", "t.pdf", "t.png"}) {
    dialogs.answerFile(file(name));
    ASSERT_TRUE(w.exporter->SaveImageClick()) << name;
  }
  // The chart on screen keeps its size.
  EXPECT_EQ(w.chart->size(), shown);
  QFile svg(QString::fromStdString(file("t.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QString svgText = QString::fromUtf8(svg.readAll());
  EXPECT_TRUE(svgText.contains(first)) << "SVG title cut";
  QProcess pdf;
  pdf.start(u"pdftotext"_s, {QString::fromStdString(file("t.pdf")), u"-"_s});
  pdf.waitForFinished(60000);
  const QString pdfText = QString::fromUtf8(pdf.readAllStandardOutput()).simplified();
  EXPECT_TRUE(pdfText.contains(first)) << pdfText.toStdString();
  EXPECT_TRUE(pdfText.contains(second)) << pdfText.toStdString();
  // The picture is as wide as the title needs.
  const QImage png(QString::fromStdString(file("t.png")));
  QFont font = w.chart->chart()->titleFont();
  EXPECT_GT(png.width(), QFontMetrics(font).horizontalAdvance(first));
}

// ------------------------------------------------------------------------------------------------
// Check sheet workbook

// Cells of the first sheet of a workbook, read back from its XML: "A1" -> text or number text.
struct SheetCells {
  std::map<std::string, std::string> value;
  std::map<std::string, bool> numeric;
  std::string sheetName;
};

std::string unzipEntry(const QString& xlsx, const QString& entry) {
  QProcess p;
  p.start(u"unzip"_s, {u"-p"_s, xlsx, entry});
  p.waitForFinished(30000);
  return p.readAllStandardOutput().toStdString();
}

std::string xmlUnescape(std::string s) {
  const std::pair<const char*, const char*> map[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [from, to] : map)
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
      s.replace(at, strlen(from), to);
  return s;
}

SheetCells readWorkbook(const QString& xlsx) {
  SheetCells out;
  const QString workbook = QString::fromStdString(unzipEntry(xlsx, u"xl/workbook.xml"_s));
  const auto name = QRegularExpression(u"<sheet name=\"([^\"]*)\""_s).match(workbook);
  out.sheetName = str(name.captured(1));
  std::vector<std::string> shared;
  const QString strings = QString::fromStdString(unzipEntry(xlsx, u"xl/sharedStrings.xml"_s));
  auto it = QRegularExpression(u"<si><t(?: xml:space=\"preserve\")?>(.*?)</t></si>"_s,
                               QRegularExpression::DotMatchesEverythingOption)
                .globalMatch(strings);
  while (it.hasNext()) shared.push_back(xmlUnescape(str(it.next().captured(1))));
  const QString sheet = QString::fromStdString(unzipEntry(xlsx, u"xl/worksheets/sheet1.xml"_s));
  auto cells =
      QRegularExpression(u"<c r=\"([A-Z]+[0-9]+)\"([^>]*)>(?:<v>([^<]*)</v>)?</c>"_s).globalMatch(sheet);
  while (cells.hasNext()) {
    const auto m = cells.next();
    const std::string ref = str(m.captured(1));
    const bool isString = m.captured(2).contains(u"t=\"s\""_s);
    const std::string v = str(m.captured(3));
    out.numeric[ref] = !isString;
    out.value[ref] = isString ? shared.at(std::stoul(v)) : v;
  }
  return out;
}

std::string ref(int row, int col) {
  return std::string(1, static_cast<char>('A' + col - 1)) + std::to_string(row);
}

Histogram evenHistogram(int n, double min, double step) {
  Histogram h;
  h.count = n;
  h.min = min;
  h.step = step;
  h.max = min + (n - 1) * step;
  h.range = h.max - h.min;
  h.total = 1000;
  for (int i = 0; i < n; ++i) h.p[i] = 1.0 / n;
  return h;
}

class CheckSheetTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
  QTemporaryDir tmp;
};

TEST_F(CheckSheetTest, FiveBinWorkbookHoldsTheCellsAsNumbers) {
  Histogram h;
  h.count = 5;
  h.min = 1;
  h.max = 9;
  h.step = 2;
  h.range = 8;
  h.total = 200;
  const double p[] = {0.1, 0.2, 0.4, 0.2, 0.1};
  std::copy(std::begin(p), std::end(p), h.p.begin());
  const QString path = tmp.filePath(u"kontrola.xlsx"_s);
  const std::string caption = "   VELTRA :   graf histogramu : Pevnost v jednoosém tlaku  [ MPa ]";
  ASSERT_TRUE(writeCheckSheet(str(path), h, caption, Language::Czech));
  const SheetCells s = readWorkbook(path);
  EXPECT_EQ(s.sheetName, "Histogram");
  auto num = [&](int row, int col) {
    EXPECT_TRUE(s.numeric.at(ref(row, col))) << ref(row, col);
    return std::stod(s.value.at(ref(row, col)));
  };
  EXPECT_EQ(s.value.at("A1"), "Histogram : " + caption);
  // Characteristics: labels in column A, numbers in column B.
  EXPECT_EQ(s.value.at("A3").substr(0, 3), "Min");
  EXPECT_DOUBLE_EQ(num(3, 2), 0);
  EXPECT_DOUBLE_EQ(num(4, 2), 10);
  EXPECT_DOUBLE_EQ(num(5, 2), 5);
  EXPECT_DOUBLE_EQ(num(6, 2), 200);
  EXPECT_NEAR(num(7, 2), 5, 1e-12);                // mean
  EXPECT_NEAR(num(13, 2), num(14, 2) + 3, 1e-12);  // concentration = kurtosis + 3
  EXPECT_TRUE(s.value.contains("A14") && !s.value.contains("A15") && !s.value.contains("B15"));
  const char* header[] = {" Interval", "     x", " Pravděpodobnost P(x)", " Četnost", " Distr.funkce F(x)"};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(s.value.at(ref(16, c)), header[c - 1]);
  EXPECT_DOUBLE_EQ(num(17, 2), 0);
  EXPECT_DOUBLE_EQ(num(17, 5), 0);
  EXPECT_FALSE(s.value.contains("A17"));
  double F = 0;
  for (int i = 1; i <= 5; ++i) {
    const int r = 16 + 2 * i;
    EXPECT_DOUBLE_EQ(num(r, 1), i);
    EXPECT_DOUBLE_EQ(num(r, 2), 1 + (i - 1) * 2.0);
    EXPECT_DOUBLE_EQ(num(r, 3), p[i - 1]);
    EXPECT_NEAR(num(r, 4), p[i - 1] * 200, 1e-9);
    EXPECT_NEAR(num(r, 5), F + p[i - 1] / 2, 1e-12);
    F += p[i - 1];
    EXPECT_DOUBLE_EQ(num(r + 1, 2), 2.0 * i);
    EXPECT_NEAR(num(r + 1, 5), F, 1e-12);
  }
  EXPECT_EQ(s.value.at("B28"), " C e l k e m");
  EXPECT_FALSE(s.numeric.at("B28"));
  EXPECT_NEAR(num(28, 3), 1, 1e-12);
  EXPECT_DOUBLE_EQ(num(28, 4), 200);
  EXPECT_FALSE(s.value.contains("A29") || s.value.contains("B29"));
  // Written through a temporary file: nothing else is left in the folder.
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{u"kontrola.xlsx"_s});
}

TEST_F(CheckSheetTest, TwoHundredFiftySixBinsEndAtRow530InEnglish) {
  const Histogram h = evenHistogram(256, 10, 0.5);
  const QString path = tmp.filePath(u"big.xlsx"_s);
  ASSERT_TRUE(writeCheckSheet(str(path), h, "caption", Language::English));
  const SheetCells s = readWorkbook(path);
  EXPECT_EQ(s.value.at("A16"), " Intervals");
  EXPECT_EQ(s.value.at("E16"), " Distr.function F(x)");
  EXPECT_EQ(s.value.at("A528"), "256");
  EXPECT_EQ(s.value.at("B530"), " T o t a l");
  EXPECT_DOUBLE_EQ(std::stod(s.value.at("D530")), 1000);
  EXPECT_NEAR(std::stod(s.value.at("E529")), 1, 1e-9);
  int lastRow = 0;
  for (const auto& [r, v] : s.value) lastRow = std::max(lastRow, std::stoi(r.substr(1)));
  EXPECT_EQ(lastRow, 530);
  EXPECT_EQ(s.value.at("A3").substr(0, 3), "Min");
}

TEST_F(CheckSheetTest, AReliabilityFunctionsSheetSumsUpTheAssessmentBesideTheCharacteristics) {
  const Histogram h = evenHistogram(5, -2, 1);
  const QString plain = tmp.filePath(u"plain.xlsx"_s), summed = tmp.filePath(u"summed.xlsx"_s);
  ASSERT_TRUE(writeCheckSheet(str(plain), h, "FS", Language::Czech));
  const struct {
    CheckSheetVerdict verdict;
    Language language;
    const char* labels[4];
  } cases[] = {
      {{2.5e-5, 4.06, "ČSN EN 1990", "RC2/CC2"},
       Language::Czech,
       {"Posouzení spolehlivosti", "Pf", "Norma", "Výrok"}},
      {{0, std::string("undefined"), "ČSN (STN) 73 1401", "Increased"},
       Language::English,
       {"Reliability assessment", "Pf", "Standard", "Verdict"}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(writeCheckSheet(str(summed), h, "FS", c.language, nullptr, &c.verdict));
    const SheetCells s = readWorkbook(summed);
    EXPECT_EQ(s.value.at("D3"), c.labels[0]);
    EXPECT_EQ(s.value.at("D4"), c.labels[1]);
    EXPECT_TRUE(s.numeric.at("E4"));
    EXPECT_DOUBLE_EQ(std::stod(s.value.at("E4")), c.verdict.pf);
    EXPECT_EQ(s.value.at("D5"), "beta_f");
    if (const double* b = std::get_if<double>(&c.verdict.betaF)) {
      EXPECT_TRUE(s.numeric.at("E5"));
      EXPECT_DOUBLE_EQ(std::stod(s.value.at("E5")), *b);
    } else {
      EXPECT_EQ(s.value.at("E5"), std::get<std::string>(c.verdict.betaF));
    }
    EXPECT_EQ(s.value.at("D6"), c.labels[2]);
    EXPECT_EQ(s.value.at("E6"), c.verdict.standard);
    EXPECT_EQ(s.value.at("D7"), c.labels[3]);
    EXPECT_EQ(s.value.at("E7"), c.verdict.verdict);
    // Every other cell stays where it was.
    SheetCells rest = s;
    for (const char* cell : {"D3", "D4", "E4", "D5", "E5", "D6", "E6", "D7", "E7"}) rest.value.erase(cell);
    const SheetCells before = readWorkbook(plain);
    if (c.language == Language::Czech) {
      EXPECT_EQ(rest.value, before.value);
    }
  }
}

TEST_F(CheckSheetTest, UnwritableFolderFailsWithoutLeftovers) {
  std::string error;
  EXPECT_FALSE(writeCheckSheet(str(tmp.filePath(u"none/x.xlsx"_s)), evenHistogram(5, 0, 1), "c",
                               Language::Czech, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(QDir(tmp.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST(CheckSheetName, FromHistogramNameAndTime) {
  EXPECT_EQ(checkSheetFileName("Jilovec_pevnost.dis", "20261210_130501"),
            "Jilovec_pevnost_20261210_130501.xlsx");
  EXPECT_EQ(checkSheetFileName("Posudek spolehlivosti ( Chodba K12 ) ", "t"),
            "Posudek_spolehlivosti_Chodba_K12_t.xlsx");
  EXPECT_EQ(checkSheetFileName("../../etc/x", "t"), "etc_x_t.xlsx");
  EXPECT_EQ(checkSheetFileName("", "t"), "Histogram_t.xlsx");
}

// ------------------------------------------------------------------------------------------------
// Assessment report

std::string pdfText(const QString& pdf) {
  QProcess p;
  p.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
  if (!p.waitForFinished(60000)) return {};
  return p.readAllStandardOutput().toStdString();
}

int pdfPages(const QString& pdf) {
  QProcess p;
  p.start(u"pdfinfo"_s, {pdf});
  p.waitForFinished(30000);
  const auto m =
      QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
  QTemporaryDir tmp;
};

TEST_F(ReportTest, ExampleProjectReportHoldsPfAndVerdictInBothLanguages) {
  const std::string project = EXAMPLES_DIR "/Veltra/Projects/Chodba_K12.hor";
  const std::string histograms = EXAMPLES_DIR "/Veltra/Histograms";
  for (Language lang : {Language::Czech, Language::English}) {
    const AssessedFile r = assessFile(project, histograms, "1000", DesignStandard::En1990, lang);
    ASSERT_TRUE(r.ok) << r.text;
    const QString path = tmp.filePath(lang == Language::English ? u"en.pdf"_s : u"cs.pdf"_s);
    std::string error;
    ASSERT_TRUE(writeAssessmentReport(
        str(path), r.project, reportHeader("Chodba_K12", "10.12.2026  13:00", "1.5.6.5"), lang, &error))
        << error;
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
    EXPECT_EQ(pdfPages(path), assessmentReportPageCount(r.project));
    const std::string text = pdfText(path);
    ASSERT_FALSE(text.empty()) << "pdftotext";
    EXPECT_NE(text.find(formatNumberShort(r.assessment.pf)), std::string::npos) << text;
    EXPECT_NE(text.find(r.assessment.verdict), std::string::npos);
    const AssessmentResult other = assessReliability(r.project.reliabilityFunction, r.project.failureMass,
                                                     DesignStandard::Csn731401, lang);
    EXPECT_NE(text.find(other.verdict), std::string::npos);
    EXPECT_NE(text.find("1.5.6.5"), std::string::npos);
    EXPECT_NE(text.find("Jilovec_pevnost.dis"), std::string::npos);
    const char* pfLabel =
        lang == Language::English ? "Probability of failure Pf" : "Pravděpodobnost poruchy Pf";
    EXPECT_NE(text.find(pfLabel), std::string::npos);
    EXPECT_NE(text.find(lang == Language::English ? "Page 1 of" : "Strana 1 z"), std::string::npos);
  }
}

// Results of an earlier way of the chain say so; those of the default say nothing of it.
TEST_F(ReportTest, ResultsOfTheEarlierWaysOfTheChainAreNamed) {
  AssessedFile r =
      assessFile(EXAMPLES_DIR "/Veltra/Projects/Chodba_K12.hor", EXAMPLES_DIR "/Veltra/Histograms", "1000",
                 DesignStandard::En1990, Language::English);
  ASSERT_TRUE(r.ok) << r.text;
  const char* edges = "S evaluated at the upper bin edges";
  const char* centres = "Input bins read as points at their centres";
  const char* unknown = "how the stored S was made cannot be told";
  const struct {
    const char* file;
    std::function<void(ProjectState&)> change;
    std::vector<const char*> named;
  } cases[] = {
      {"default.pdf", [](ProjectState&) {}, {}},
      {"edges.pdf", [](ProjectState& p) { p.boltLoadReading.values = PairValues::UpperEdges; }, {edges}},
      {"centres.pdf", [](ProjectState& p) { p.boltLoadReading.inputs = InputReading::Centres; }, {centres}},
      {"rcentres.pdf", [](ProjectState& p) { p.reducedStrengthReading = InputReading::Centres; }, {centres}},
      {"unknown.pdf", [](ProjectState& p) { p.boltLoadReadingKnown = false; }, {unknown}},
  };
  for (const auto& c : cases) {
    ProjectState p = r.project;
    c.change(p);
    const QString path = tmp.filePath(QString::fromUtf8(c.file));
    ASSERT_TRUE(writeAssessmentReport(str(path), p, reportHeader("K12"), Language::English));
    const std::string text = pdfText(path);
    for (const char* phrase : {edges, centres, unknown}) {
      const bool wanted = std::find(c.named.begin(), c.named.end(), phrase) != c.named.end();
      EXPECT_EQ(text.find(phrase) != std::string::npos, wanted) << c.file << ": " << phrase;
    }
  }
}

TEST_F(ReportTest, ReportNamesItsFilesTheModelTheRmrRatingsTheAuthorAndACheckOfItsAssessment) {
  const std::string project = TEST_DATA_DIR "/projects/Chodba_K12_RMR.hor";
  AssessedFile r =
      assessFile(project, EXAMPLES_DIR "/Veltra/Histograms", "1800", DesignStandard::En1990, Language::Czech);
  ASSERT_TRUE(r.ok) << r.text;
  verification::ChainCheckOptions options;
  options.monteCarlo.maxSamples = 1 << 20;
  const auto check = verification::checkChain(r.project, options);
  ASSERT_TRUE(check && !check->cancelled);

  for (Language lang : {Language::Czech, Language::English}) {
    const bool en = lang == Language::English;
    ReportHeader header = reportHeader("Chodba K12", "1.1.2027  8:00", "1.5.6.5");
    header.projectFile = project;
    header.author = "Ing. Jana Nováková";
    header.rmr = &r.rmr;
    header.check = &*check;
    const QString path = tmp.filePath(en ? u"en.pdf"_s : u"cs.pdf"_s);
    ASSERT_TRUE(writeAssessmentReport(str(path), r.project, header, lang));
    EXPECT_EQ(pdfPages(path), assessmentReportPageCount(r.project, true));
    // pdftotext keeps the lines but not the double blanks, and joins "fi" and "ff" into ligatures.
    const std::string text = pdfText(path);
    for (const std::string& wanted :
         {std::string(en ? "Project" : "Soubor projektu"), std::string("/projects/Chodba_K12_RMR.hor"),
          std::string(en ? "Prepared by:" : "Zpracoval:"), header.author,
          std::string("L = 0.251189 · Kn · B · K · g"), std::string("S = 2.51189 · gamma · Kn · B · B"),
          std::string(en ? "so K has no" : "proto K na Pf nemá vliv"),
          std::string(en ? "B Drill core quality RQD" : "B Vzdálenost jádrového vrtu RQD"),
          std::string("2/ 75% - 90%"), std::string(en ? "Check of Pf" : "Ověření Pf"),
          std::string(en ? "Monte Carlo, bin centres" : "Monte Carlo, středy intervalů"),
          formatNumberShort(check->monteCarlo.centres.pf), std::string(en ? "on Pf" : "bez vlivu na Pf"),
          formatNumberShort(check->sensitivity[0].pf05)})
      EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
  }

  // A check of another assessment stays out; so does the author, which leaves a line to sign on.
  ProjectState other = r.project;
  other.failureProbability *= 2;
  ReportHeader header = reportHeader("Chodba K12");
  header.check = &*check;
  const QString path = tmp.filePath(u"other.pdf"_s);
  ASSERT_TRUE(writeAssessmentReport(str(path), other, header, Language::Czech));
  EXPECT_EQ(pdfPages(path), assessmentReportPageCount(other, false));
  const std::string text = pdfText(path);
  EXPECT_EQ(text.find("Ověření Pf"), std::string::npos);
  EXPECT_NE(text.find("(neuloženo)"), std::string::npos) << "no project file";
  // Without ratings the RMR histogram is named by its file.
  EXPECT_NE(text.find("Histogram RMR načten ze souboru RMR_strop.dis"), std::string::npos) << text;
}

TEST_F(ReportTest, ProjectWithoutAssessmentIsRefused) {
  ProjectState p;
  std::string error;
  EXPECT_FALSE(writeAssessmentReport(str(tmp.filePath(u"x.pdf"_s)), p, {}, Language::Czech, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(QFile::exists(tmp.filePath(u"x.pdf"_s)));
}

// Runs the report command with stdout captured.
int runReport(std::vector<std::string> args, std::string& out) {
  args.insert(args.begin(), "veltra");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  fflush(stdout);
  std::stringstream captured;
  auto* old = std::cout.rdbuf(captured.rdbuf());
  const int rc = runReportCommand(static_cast<int>(argv.size()), argv.data());
  std::cout.rdbuf(old);
  out = captured.str();
  return rc;
}

TEST_F(ReportTest, CommandWritesReportsOfProjectsAndResultsAndRefusesBadInput) {
  std::string out;
  const std::string pdf = str(tmp.filePath(u"zprava.pdf"_s));
  ASSERT_EQ(
      runReport({"--report", EXAMPLES_DIR "/Veltra/Results/Chodba_K12.Vys", "-o", pdf, "--lang", "en"}, out),
      0)
      << out;
  EXPECT_NE(out.find("\"pages\""), std::string::npos);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(pdf)));
  EXPECT_NE(pdfText(QString::fromStdString(pdf)).find("Reliability assessment"), std::string::npos);

  ASSERT_EQ(runReport({"--report", EXAMPLES_DIR "/Veltra/Projects/Chodba_K12_kombinovana.hor", "--histograms",
                       EXAMPLES_DIR "/Veltra/Histograms", "-o", pdf},
                      out),
            0)
      << out;
  EXPECT_NE(pdfText(QString::fromStdString(pdf)).find("Posouzení spolehlivosti"), std::string::npos);

  // Histograms not found: refused with the reader's message, no file.
  const std::string none = str(tmp.filePath(u"none.pdf"_s));
  EXPECT_EQ(runReport({"--report", EXAMPLES_DIR "/Veltra/Projects/Chodba_K12.hor", "--histograms",
                       str(tmp.path()), "-o", none},
                      out),
            1);
  EXPECT_NE(out.find("{\"error\":{\"message\":"), std::string::npos) << out;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(none)));
  EXPECT_EQ(runReport({"--report", "x.hor"}, out), 2);  // no output file

  // The chain's reading, as veltra-cli assess takes it; the report names the earlier reading.
  const std::vector<std::string> project{"--report",     EXAMPLES_DIR "/Veltra/Projects/Chodba_K12.hor",
                                         "--histograms", EXAMPLES_DIR "/Veltra/Histograms",
                                         "-o",           pdf,
                                         "--lang",       "en"};
  std::string uniform, centres;
  ASSERT_EQ(runReport(project, uniform), 0) << uniform;
  EXPECT_EQ(pdfText(QString::fromStdString(pdf)).find("Input bins read as points"), std::string::npos);
  auto withReading = project;
  withReading.insert(withReading.end(), {"--input-reading", "centres"});
  ASSERT_EQ(runReport(withReading, centres), 0) << centres;
  EXPECT_NE(pdfText(QString::fromStdString(pdf)).find("Input bins read as points"), std::string::npos);
  EXPECT_LT(nlohmann::json::parse(centres)["pf"].get<double>(),
            nlohmann::json::parse(uniform)["pf"].get<double>());
  withReading.back() = "middle";
  EXPECT_EQ(runReport(withReading, out), 2);
}

}  // namespace

// ------------------------------------------------------------------------------------------------
// Window commands

#include "ui/ExportCommands.h"

namespace {

class ExportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    results = str(tmp.path()) + "/Results";
    QDir().mkpath(QString::fromStdString(results));
  }
  QTemporaryDir tmp;
  std::string results;
  ScriptedDialogs dialogs;
};

TEST_F(ExportCommandTest, CheckSheetGoesToTheResultsFolderAndIsOpened) {
  std::vector<std::string> opened;
  const auto path = CheckSheetCommand(evenHistogram(5, 0, 1), "cap", "Jilovec_pevnost.dis", results,
                                      Language::Czech, [&](const std::string& p) {
                                        opened.push_back(p);
                                        return true;
                                      });
  ASSERT_TRUE(path);
  EXPECT_EQ(opened, std::vector<std::string>{*path});
  EXPECT_EQ(std::filesystem::path(*path).parent_path().string(), results);
  EXPECT_TRUE(QString::fromStdString(*path).contains(u"/Jilovec_pevnost_2"_s));
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(readWorkbook(QString::fromStdString(*path)).value.at("A1"), "Histogram : cap");
}

TEST_F(ExportCommandTest, CheckSheetWithoutSpreadsheetProgramNamesTheFile) {
  const auto path = CheckSheetCommand(evenHistogram(5, 0, 1), "cap", "R", results, Language::English,
                                      [](const std::string&) { return false; });
  ASSERT_TRUE(path);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Information);
  EXPECT_NE(dialogs.asked[0].text.find(*path), std::string::npos);
  EXPECT_EQ(dialogs.asked[0].text.find("Excel"), std::string::npos);
}

TEST_F(ExportCommandTest, ReportAsksForTheFileAndTheOverwrite) {
  const AssessedFile r = assessFile(EXAMPLES_DIR "/Veltra/Results/Chodba_K12.Vys", "", "1000",
                                    DesignStandard::En1990, Language::Czech);
  ASSERT_TRUE(r.ok);
  const std::string pdf = results + "/Chodba K12.pdf";
  dialogs.answerFile(pdf);
  ASSERT_EQ(AssessmentReportCommand(r.project, "Chodba K12", "1.5.6.5", results, Language::Czech), pdf);
  EXPECT_EQ(dialogs.fileDialogs.back().fileName, "Chodba_K12.pdf");
  EXPECT_EQ(dialogs.fileDialogs.back().initialFolder, results);
  EXPECT_EQ(pdfPages(QString::fromStdString(pdf)), assessmentReportPageCount(r.project));
  // Existing file, No: kept as it was.
  const auto size = std::filesystem::file_size(pdf);
  dialogs.answerFile(pdf);
  dialogs.answer(mrNo);
  EXPECT_FALSE(AssessmentReportCommand(r.project, "x", "1", results, Language::Czech));
  EXPECT_EQ(std::filesystem::file_size(pdf), size);
  // Without an assessment: refused before any dialog.
  const size_t dialogsBefore = dialogs.fileDialogs.size();
  EXPECT_FALSE(AssessmentReportCommand(ProjectState{}, "x", "1", results, Language::Czech));
  EXPECT_EQ(dialogs.fileDialogs.size(), dialogsBefore);
  EXPECT_EQ(dialogs.asked.back().kind, DlgKind::Error);
}

}  // namespace
