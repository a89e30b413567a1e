#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

/// Moves `control` horizontally so that it is centred in the strip [left, left + width); its top stays.
/// A control that was never resized (an auto-sized label) first takes its natural size.
void Centr(QWidget* control, int left, int width);

/// Colour of a 0xBBGGRR value (the form kept in settings files); the top byte is ignored.
QColor colourFromBgr(std::uint32_t bgr);
/// 0xBBGGRR value of a colour.
std::uint32_t bgrFromColour(const QColor& colour);
