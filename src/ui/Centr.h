#pragma once

class QWidget;

/// Centres `control` horizontally in the band that starts at `left` and is `width` pixels wide
/// (the control takes its natural width first); its top stays where it is.
void Centr(QWidget& control, int left, int width);
