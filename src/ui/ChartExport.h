#pragma once

#include <string>

#include "shell/Language.h"

class QMenu;
class QToolButton;
class QWidget;

/// Target of a chart export, one checked item of the "&Graf do" menu of a chart window's UlozGraf button.
enum class ChartTarget { Clipboard = 0, Bitmap = 1, Metafile = 2, Jpeg = 3 };

/// Gives `button` the target menu (Schranka, Bitmapa, Metafile, JPGFile; the clipboard checked) and
/// exports `chart` on a click: the clipboard, or a file chosen in `folder` (an existing file only after
/// a Yes to message 6). The metafile is written as SVG.
void SetUpChartExport(QToolButton& button, QWidget& chart, const std::string& folder);

/// The checked target of a button set up by SetUpChartExport.
ChartTarget CheckedChartTarget(const QToolButton& button);

/// Exports `chart` to `target`; false when a file dialog was cancelled, the overwrite refused or the
/// file could not be written.
bool ExportChart(QWidget& chart, ChartTarget target, const std::string& folder);
