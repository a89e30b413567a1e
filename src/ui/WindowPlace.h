#pragma once

#include <QColor>
#include <cstdint>

#include "persistence/SettingsKeys.h"

class QWidget;
class SettingsFile;

/// Moves and sizes `w` from "<prefix>.left/.top/.width/.height" of the position section
/// (left and top default to 0, the size to the place's defaults; a default width of kScreenWidth
/// means the screen's width). Sizes below 50 pixels are taken as damaged and give the defaults.
void restoreWindowPlace(QWidget& w, const SettingsFile& settings, const settings::WindowGeometry& place);

/// Writes the current position and size of `w` under the place's keys.
void storeWindowPlace(const QWidget& w, SettingsFile& settings, const settings::WindowGeometry& place);

/// Gives `w` the place's preset size at 0, 0 in the normal state.
void presetWindowPlace(QWidget& w, const settings::WindowGeometry& place);

/// Gives an edit field or table the background colour 0xBBGGRR.
void setBaseColour(QWidget& w, std::uint32_t bgr);
