#pragma once

#include <cstdint>
#include <optional>

#include "ui/SimpleWindow.h"

/// The colour window: holds the colour dialog and its stored position; no command opens it.
/// Form "Form8", settings prefix "Color+Form8".
class ColourWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit ColourWindow(Services& services, QWidget* parent = nullptr);

  /// The colour dialog (`ColorDialog1`): the chosen colour as 0xBBGGRR, nullopt on cancel.
  std::optional<std::uint32_t> ColorDialog1Execute(std::uint32_t initial);
};
