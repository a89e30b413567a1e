// Export of a chart to the clipboard, a bitmap, a vector file or a JPEG image.

#include "ui/ChartExport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QImageWriter>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>
#include <cmath>
#include <filesystem>
#include <string_view>

#include "io/AtomicFile.h"
#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "ui/ChartExportTexts.h"
#include "ui/ExportTexts.h"
#include "ui/NamedWidget.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kBitmapFilter = "Distributions Files (*.bmp)|*.bmp|All files (*.*)|*.*";
constexpr std::string_view kVectorFilter =
    "Distributions Files (*.svg)|*.svg|Distributions Files (*.pdf)|*.pdf|All files (*.*)|*.*";
constexpr std::string_view kJpegFilter = "Distributions Files (*.jpg)|*.jpg|All files (*.*)|*.*";

std::string lowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

bool writeBytes(const std::string& path, const QByteArray& bytes) {
  if (bytes.isEmpty()) return false;
  return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// While it lives, a chart whose title is wider than the chart (Qt Charts would cut it short) is laid
// out as wide as the title needs; the chart takes its own geometry back afterwards.
class WholeTitle {
 public:
  explicit WholeTitle(QWidget& widget) {
    auto* view = qobject_cast<QChartView*>(&widget);
    if (!view || !view->chart() || view->chart()->title().isEmpty()) return;
    QChart* chart = view->chart();
    // A chart never laid out in its view (a window not shown yet) is drawn as the widget stands.
    if (chart->size().toSize() != view->viewport()->size()) return;
    QTextDocument title;
    title.setDefaultFont(chart->titleFont());
    title.setHtml(chart->title());
    const QMarginsF m = chart->margins();
    const double need = std::ceil(title.idealWidth() + m.left() + m.right() + 12);
    const QRectF old = chart->geometry();
    if (need <= old.width()) return;
    chart_ = chart;
    old_ = old;
    chart->setGeometry(QRectF(old.topLeft(), QSizeF(need, old.height())));
    if (chart->layout()) chart->layout()->activate();
  }
  ~WholeTitle() {
    if (!chart_) return;
    chart_->setGeometry(old_);
    if (chart_->layout()) chart_->layout()->activate();
  }
  WholeTitle(const WholeTitle&) = delete;
  WholeTitle& operator=(const WholeTitle&) = delete;

  /// The widened chart, or null when the chart keeps its size.
  QChart* widened() const { return chart_; }

 private:
  QChart* chart_ = nullptr;
  QRectF old_;
};

// The size a picture of `chart` takes: the widened chart's, else the widget's.
QSize pictureSize(QWidget& chart, const WholeTitle& whole) {
  return whole.widened() ? whole.widened()->size().toSize() : chart.size();
}

// Draws the chart into `painter` over `target`: a graphics view (Qt Charts) draws its scene as vectors.
void renderChart(QWidget* chart, QPainter& painter, const QRectF& target, const WholeTitle& whole) {
  if (QChart* c = whole.widened()) {
    c->scene()->render(&painter, target, c->sceneBoundingRect());
  } else if (auto* view = qobject_cast<QGraphicsView*>(chart); view && view->scene()) {
    view->scene()->render(&painter, target, view->mapToScene(view->viewport()->rect()).boundingRect());
  } else {
    chart->render(&painter, target.topLeft().toPoint());
  }
}

// The bytes `write` puts into a buffer; empty when it fails.
template <class Write>
QByteArray bufferBytes(Write write) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!write(buffer)) return {};
  return bytes;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
  return bufferBytes([&](QIODevice& out) {
    QImageWriter writer(&out, format);
    if (quality >= 0) writer.setQuality(quality);
    return writer.write(image);
  });
}

QByteArray svgOf(QWidget& chart) {
  const WholeTitle whole(chart);
  return bufferBytes([&](QIODevice& out) {
    const QSize size = pictureSize(chart, whole);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart.window()->windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    renderChart(&chart, painter, QRectF(QPointF(0, 0), QSizeF(size)), whole);
    painter.end();
    return true;
  });
}

QByteArray pdfOf(QWidget& chart) {
  const WholeTitle whole(chart);
  // The writer finishes the document when it goes, before the bytes are taken.
  return bufferBytes([&](QIODevice& out) {
    QPdfWriter pdf(&out);
    const QSize size = pictureSize(chart, whole);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(chart.window()->windowTitle());
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    renderChart(&chart, painter, QRectF(painter.viewport()), whole);
    painter.end();
    return true;
  });
}

constexpr const char* kImageExtensions[] = {"png", "svg", "pdf", "jpg", "bmp"};

}  // namespace

QImage chartImage(QWidget& chart) {
  const WholeTitle whole(chart);
  if (!whole.widened()) return chart.grab().toImage();
  QImage image(pictureSize(chart, whole), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  renderChart(&chart, painter, QRectF(image.rect()), whole);
  return image;
}

bool writeChartImage(QWidget& chart, const std::string& path, ImageType type) {
  QByteArray bytes;
  switch (type) {
    case ImageType::Png:
      bytes = encoded(chartImage(chart), "png");
      break;
    case ImageType::Svg:
      bytes = svgOf(chart);
      break;
    case ImageType::Pdf:
      bytes = pdfOf(chart);
      break;
    case ImageType::Jpeg:
      bytes = encoded(chartImage(chart).convertToFormat(QImage::Format_RGB32), "jpg", 80);
      break;
    case ImageType::Bmp:
      bytes = encoded(chartImage(chart), "bmp");
      break;
  }
  return writeBytes(path, bytes);
}

std::pair<std::string, ImageType> imageFileOf(const std::string& chosen, int filterIndex) {
  const std::string ext = lowerExtension(chosen);
  for (int t = 0; t < 5; ++t)
    if (ext == std::string(".") + kImageExtensions[t]) return {chosen, static_cast<ImageType>(t)};
  if (ext == ".jpeg") return {chosen, ImageType::Jpeg};
  const int t = filterIndex >= 1 && filterIndex <= 5 ? filterIndex - 1 : 0;
  return {chosen + "." + kImageExtensions[t], static_cast<ImageType>(t)};
}

bool SaveChartImage(QWidget& chart, const std::string& folder, const std::string& proposedName,
                    Language lang) {
  FileDialogOptions o;
  o.initialFolder = folder;
  o.fileName = proposedName;
  o.defaultExtension = "png";
  o.filter = exportText(ExportText::ImageFilter, lang);
  int filter = o.filterIndex;
  const std::optional<std::string> chosen = dialogs().saveFileNameFiltered(o, filter);
  if (!chosen || chosen->empty()) return false;
  const auto [path, type] = imageFileOf(*chosen, filter);
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(path), ec)) {
    const int answer = messageDialog(MessageText(1, lang), MessageFormat(6, lang, {path}),
                                     DlgKind::Confirmation, DlgButtons::YesNo, mrYes);
    if (answer != mrYes) return false;
  }
  if (writeChartImage(chart, path, type)) return true;
  errorDialog(lang, MessageText(27, lang) + path);
  return false;
}

ChartExport::ChartExport(QAbstractButton* button, QWidget* chart, std::function<std::string()> initialFolder,
                         std::function<Language()> language)
    : QObject(button),
      button_(button),
      chart_(chart),
      initialFolder_(std::move(initialFolder)),
      language_(std::move(language)) {
  menu_ = named<QMenu>(button, u"PopupMenu1"_s);
  saveImage_ = menu_->addAction(QString());
  saveImage_->setObjectName(u"UlozObrazek1"_s);
  connect(saveImage_, &QAction::triggered, this, [this] { SaveImageClick(); });
  targetMenu_ = menu_->addMenu(QString());
  targetMenu_->setObjectName(u"Nastaven2"_s);
  const std::array<QString, 4> names{u"Schranka"_s, u"Bitmapa"_s, u"Metafile"_s, u"JPGFile"_s};
  for (int i = 0; i < 4; ++i) {
    QAction* a = targetMenu_->addAction(QString());
    a->setObjectName(names[i]);
    a->setCheckable(true);
    a->setChecked(i == 0);
    // The toggle happens here, not in QAction, so the rules see the state before the click.
    connect(a, &QAction::triggered, this, [this, a, i] {
      a->setChecked(!a->isChecked());
      TargetItemClick(static_cast<ChartTarget>(i));
    });
    items_[i] = a;
  }
  button_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(button_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { menu_->popup(button_->mapToGlobal(at)); });
  connect(button_, &QAbstractButton::clicked, this, [this] { UlozGrafClick(); });
  ApplyTexts(language_());
}

void ChartExport::ApplyTexts(Language language) {
  const auto rows = language == Language::English ? std::span<const TextRow>(kChartExportEnglish)
                                                  : std::span<const TextRow>(kChartExportCzech);
  for (const TextRow& row : rows) {
    const QString text = QString::fromUtf8(row.text.data(), qsizetype(row.text.size()));
    if (row.control == "UlozGraf") {
      const auto [shortHint, longHint] = splitHint(row.text);
      button_->setToolTip(QString::fromStdString(shortHint));
      button_->setStatusTip(QString::fromStdString(longHint));
    } else if (row.control == "Nastaven2") {
      targetMenu_->setTitle(text);
    } else if (row.control == "UlozObrazek1") {
      saveImage_->setText(text);
    } else {
      for (QAction* a : items_)
        if (a->objectName() == QLatin1StringView(row.control.data(), qsizetype(row.control.size())))
          a->setText(text);
    }
  }
}

ChartTarget ChartExport::target() const {
  for (int i = 0; i < 4; ++i)
    if (items_[i]->isChecked()) return static_cast<ChartTarget>(i);
  return ChartTarget::Clipboard;
}

void ChartExport::TargetItemClick(ChartTarget item) {
  const int k = static_cast<int>(item);
  const bool nowChecked = !items_[k]->isChecked();
  for (QAction* a : items_) a->setChecked(false);
  if (nowChecked)
    items_[k]->setChecked(true);
  else
    items_[item == ChartTarget::Clipboard ? 1 : 0]->setChecked(true);
}

QImage ChartExport::chartImage() const { return ::chartImage(*chart_); }

bool ChartExport::writeBitmap(const std::string& path) const {
  return writeChartImage(*chart_, path, ImageType::Bmp);
}
bool ChartExport::writeJpeg(const std::string& path) const {
  return writeChartImage(*chart_, path, ImageType::Jpeg);
}
bool ChartExport::writeSvg(const std::string& path) const {
  return writeChartImage(*chart_, path, ImageType::Svg);
}
bool ChartExport::writePdf(const std::string& path) const {
  return writeChartImage(*chart_, path, ImageType::Pdf);
}

bool ChartExport::SaveImageClick() {
  return SaveChartImage(*chart_, initialFolder_ ? initialFolder_() : std::string(),
                        proposedName ? proposedName() : std::string(), language_());
}

bool ChartExport::UlozGrafClick() {
  const ChartTarget t = target();
  if (t == ChartTarget::Clipboard) {
    QClipboard* cb = QApplication::clipboard();
    if (!cb) return false;
    cb->setImage(chartImage());
    return true;
  }
  return exportToFile(t);
}

bool ChartExport::exportToFile(ChartTarget t) {
  const Language lang = language_();
  FileDialogOptions o;
  o.initialFolder = initialFolder_ ? initialFolder_() : std::string();
  switch (t) {
    case ChartTarget::Bitmap:
      o.defaultExtension = "bmp";
      o.filter = kBitmapFilter;
      break;
    case ChartTarget::MetaFile:
      o.defaultExtension = "svg";
      o.filter = kVectorFilter;
      break;
    default:
      o.defaultExtension = "jpg";
      o.filter = kJpegFilter;
      break;
  }
  const std::optional<std::string> chosen = dialogs().saveFileName(o);
  if (!chosen || chosen->empty()) return false;
  std::string path = *chosen;
  if (std::filesystem::path(path).extension().empty()) path += "." + o.defaultExtension;
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(path), ec)) {
    const int answer = messageDialog(MessageText(1, lang), MessageFormat(6, lang, {path}),
                                     DlgKind::Confirmation, DlgButtons::YesNo, mrYes);
    if (answer != mrYes) return false;
  }
  bool ok = false;
  if (t == ChartTarget::Bitmap)
    ok = writeBitmap(path);
  else if (t == ChartTarget::Jpeg)
    ok = writeJpeg(path);
  else
    ok = lowerExtension(path) == ".pdf" ? writePdf(path) : writeSvg(path);
  if (!ok) errorDialog(lang, MessageText(27, lang) + path);
  return ok;
}
