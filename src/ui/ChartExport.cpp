// Export of a chart to the clipboard, a bitmap, a vector file or a JPEG image.

#include "ui/ChartExport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QImageWriter>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QToolButton>
#include <QWidget>
#include <filesystem>
#include <string_view>

#include "io/AtomicFile.h"
#include "ralvex/Ralvex.h"
#include "shell/Messages.h"
#include "ui/ChartExportTexts.h"
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

// Draws the chart into `painter` over `target`: a graphics view (Qt Charts) draws its scene as vectors.
void renderChart(QWidget* chart, QPainter& painter, const QRectF& target) {
  if (auto* view = qobject_cast<QGraphicsView*>(chart); view && view->scene()) {
    view->scene()->render(&painter, target, view->mapToScene(view->viewport()->rect()).boundingRect());
  } else {
    chart->render(&painter, target.topLeft().toPoint());
  }
}

}  // namespace

ChartExport::ChartExport(QAbstractButton* button, QWidget* chart, std::function<std::string()> initialFolder)
    : QObject(button), button_(button), chart_(chart), initialFolder_(std::move(initialFolder)) {
  menu_ = named<QMenu>(button, u"PopupMenu1"_s);
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
  ApplyTexts(ralvex::libraryLanguage());
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

QImage ChartExport::chartImage() const { return chart_->grab().toImage(); }

bool ChartExport::writeBitmap(const std::string& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!chartImage().save(&buffer, "BMP")) return false;
  return writeBytes(path, bytes);
}

bool ChartExport::writeJpeg(const std::string& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(80);
  if (!writer.write(chartImage().convertToFormat(QImage::Format_RGB32))) return false;
  return writeBytes(path, bytes);
}

bool ChartExport::writeSvg(const std::string& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QSize size = chart_->size();
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(chart_->window()->windowTitle());
  {
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    renderChart(chart_, painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  return writeBytes(path, bytes);
}

bool ChartExport::writePdf(const std::string& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    const QSize size = chart_->size();
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(chart_->window()->windowTitle());
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    const QRect page = painter.viewport();
    renderChart(chart_, painter, QRectF(page));
  }
  return writeBytes(path, bytes);
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
  const Language lang = ralvex::libraryLanguage();
  ralvex::FileDialogOptions o;
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
  const std::optional<std::string> chosen = ralvex::dialogs().saveFileName(o);
  if (!chosen || chosen->empty()) return false;
  std::string path = *chosen;
  if (std::filesystem::path(path).extension().empty()) path += "." + o.defaultExtension;
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(path), ec)) {
    const int answer =
        ralvex::DefMessageDlg(MessageText(1, lang), MessageFormat(6, lang, {path}),
                              ralvex::DlgKind::Confirmation, ralvex::DlgButtons::YesNo, ralvex::mrYes);
    if (answer != ralvex::mrYes) return false;
  }
  bool ok = false;
  if (t == ChartTarget::Bitmap)
    ok = writeBitmap(path);
  else if (t == ChartTarget::Jpeg)
    ok = writeJpeg(path);
  else
    ok = lowerExtension(path) == ".pdf" ? writePdf(path) : writeSvg(path);
  if (!ok)
    ralvex::DefMessageDlg(MessageText(3, lang), MessageText(27, lang) + path, ralvex::DlgKind::Error,
                          ralvex::DlgButtons::Ok, ralvex::mrOk);
  return ok;
}

void SetUpChartExport(QToolButton& button, QWidget& chart, const std::string& folder) {
  new ChartExport(&button, &chart, [folder] { return folder; });
}

ChartTarget CheckedChartTarget(const QToolButton& button) {
  const auto* e = button.findChild<ChartExport*>(QString(), Qt::FindDirectChildrenOnly);
  return e ? e->target() : ChartTarget::Clipboard;
}

bool ExportChart(QWidget& chart, ChartTarget target, const std::string& folder) {
  // A hidden button carries the export for the one call.
  QToolButton button;
  ChartExport e(&button, &chart, [folder] { return folder; });
  e.setParent(nullptr);
  if (e.target() != target) e.item(target)->trigger();
  return e.UlozGrafClick();
}
