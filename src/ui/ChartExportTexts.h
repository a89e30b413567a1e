#pragma once

// Texts of the chart export menu and button, spliced into the text set of every window that has a
// chart export:
//
//   constexpr auto kCzech = joinTextRows(kOwnCzech, kChartExportCzech);

#include <array>
#include <cstddef>

#include "ui/TextSets.h"

inline constexpr TextRow kChartExportCzech[] = {
    {"UlozGraf", TextProp::Hint,
     "Uložit graf | Uloží graf. Předem klikem pravého tlačítka myši na ikonu grafu zvolte typ uložení !"},
    {"Nastaven2", TextProp::Text, "&Graf do"},
    {"Schranka", TextProp::Text, "&Schránky"},
    {"Bitmapa", TextProp::Text, "&Bitmapy"},
    {"Metafile", TextProp::Text, "&MetaFile"},
    {"JPGFile", TextProp::Text, "&JPGFile"},
    {"UlozObrazek1", TextProp::Text, "Uložit &obrázek…"},
    {"UlozObrazek", TextProp::Text, "Uložit obrázek…"},
    {"UlozObrazek", TextProp::Hint,
     "Uložit obrázek|Uloží graf do souboru PNG, SVG, PDF, JPEG nebo BMP podle zvoleného typu nebo přípony"},
};

inline constexpr TextRow kChartExportEnglish[] = {
    {"UlozGraf", TextProp::Hint,
     "Save chart | Saves the chart. Choose the kind of saving first by a right click on the chart icon !"},
    {"Nastaven2", TextProp::Text, "&Chart to"},
    {"Schranka", TextProp::Text, "&Clipboard"},
    {"Bitmapa", TextProp::Text, "&Bitmap"},
    {"Metafile", TextProp::Text, "&MetaFile"},
    {"JPGFile", TextProp::Text, "&JPGFile"},
    {"UlozObrazek1", TextProp::Text, "Save &image…"},
    {"UlozObrazek", TextProp::Text, "Save image…"},
    {"UlozObrazek", TextProp::Hint,
     "Save image|Saves the chart to a PNG, SVG, PDF, JPEG or BMP file by the chosen type or extension"},
};

/// The rows of `a` followed by those of `b`, as one static array.
template <std::size_t A, std::size_t B>
constexpr std::array<TextRow, A + B> joinTextRows(const TextRow (&a)[A], const TextRow (&b)[B]) {
  std::array<TextRow, A + B> out{};
  for (std::size_t i = 0; i < A; ++i) out[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) out[A + i] = b[i];
  return out;
}
