#pragma once

// Export of a window's chart: the target menu of the `UlozGraf` button ("&Graf do": clipboard, bitmap,
// metafile, JPEG) and the export to the checked target, and "Uložit obrázek…" (a save dialog of PNG,
// SVG, PDF, JPEG and BMP). A window adopts it with
//
//   chartExport_ = new ChartExport(UlozGraf, Chart1L, [this] { return services_.folders.StartFolder; });
//
// and puts the menu texts into its text set with joinTextRows(kOwnRows, kChartExportCzech) (see
// ChartExportTexts.h). The metafile item writes the vector format of this platform, SVG, with PDF
// offered in the same save dialog.

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "shell/Language.h"

class QAbstractButton;
class QAction;
class QImage;
class QMenu;
class QWidget;

/// Targets of the menu, in item order.
enum class ChartTarget { Clipboard = 0, Bitmap = 1, MetaFile = 2, Jpeg = 3 };

/// Types of "Uložit obrázek…", in the order of its filter (filter index = type + 1).
enum class ImageType { Png = 0, Svg = 1, Pdf = 2, Jpeg = 3, Bmp = 4 };

/// The file a chosen name is written to and its type: the type its extension names (png, svg, pdf,
/// jpg, jpeg, bmp; any letter case), else the type of the chosen filter (1-based; PNG outside 1..5),
/// whose extension the name then gets, dots of its own or not.
std::pair<std::string, ImageType> imageFileOf(const std::string& chosen, int filterIndex);

/// `chart` as a raster image. A chart title wider than the chart (which the chart would cut short) is
/// drawn whole: the picture is made as wide as the title needs.
QImage chartImage(QWidget& chart);
/// Writes `chart` to `path` as `type`, atomically, with the title whole as above; JPEG with quality 80.
/// False when nothing could be written.
bool writeChartImage(QWidget& chart, const std::string& path, ImageType type);

/// "Uložit obrázek…" / "Save image…": the save dialog of the five types (filter of the export texts,
/// PNG first) in `folder`, proposing `proposedName`; the file is written in the type the chosen
/// extension or filter names, after the overwrite question (message 6); a failed write shows message
/// 27. True when written.
bool SaveChartImage(QWidget& chart, const std::string& folder, const std::string& proposedName,
                    Language language);

class ChartExport : public QObject {
  Q_OBJECT
 public:
  /// Gives `button` the target menu (opened by a right click) and exports `chart` when it is clicked.
  /// `initialFolder` answers the folder the save dialogs open in, `language` the program's language.
  /// The menu is a child of the button: sub-menu objectName "Nastaven2", items "Schranka", "Bitmapa",
  /// "Metafile", "JPGFile".
  ChartExport(QAbstractButton* button, QWidget* chart, std::function<std::string()> initialFolder,
              std::function<Language()> language);

  /// Texts of the button hint and the menu in `language` (the window's text set re-texts them at a
  /// language switch).
  void ApplyTexts(Language language);

  /// The checked target.
  ChartTarget target() const;
  /// A click on a target item: toggles its check mark; a checked item unchecks the other three, an
  /// unchecked one checks "&Schránky" (from "&Schránky" itself, "&Bitmapy").
  void TargetItemClick(ChartTarget item);
  /// Exports the chart to the checked target. True when something was written or copied.
  bool UlozGrafClick();
  /// "Uložit obrázek…" (the window's button `UlozObrazek` and the menu item `UlozObrazek1`): SaveChartImage
  /// in the initial folder with the proposed name.
  bool SaveImageClick();
  /// The name the save-image dialog proposes (none when empty).
  std::function<std::string()> proposedName;

  /// The pop-up menu of the button and its target items.
  QMenu* menu() const { return menu_; }
  QAction* item(ChartTarget t) const { return items_[static_cast<int>(t)]; }
  /// The menu item "Uložit obrázek…" (objectName "UlozObrazek1"), above the targets.
  QAction* saveImageItem() const { return saveImage_; }

  /// The chart as an image (what the clipboard, the bitmap and the JPEG receive).
  QImage chartImage() const;

  /// File writers behind the targets (atomic; false when the file could not be written).
  bool writeBitmap(const std::string& path) const;
  bool writeJpeg(const std::string& path) const;  // quality 80
  bool writeSvg(const std::string& path) const;
  bool writePdf(const std::string& path) const;

 private:
  bool exportToFile(ChartTarget target);

  QAbstractButton* button_;
  QWidget* chart_;
  std::function<std::string()> initialFolder_;
  std::function<Language()> language_;
  QMenu* menu_ = nullptr;
  QMenu* targetMenu_ = nullptr;
  std::array<QAction*, 4> items_{};
  QAction* saveImage_ = nullptr;
};
