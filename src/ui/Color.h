#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>

struct Services;

/// The colour window: holds the colour dialog and its stored position; no command opens it.
class TForm8 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm8(Services& services, QWidget* parent = nullptr);

  /// The colour dialog (`ColorDialog1`): the chosen colour as 0xBBGGRR, nullopt on cancel.
  std::optional<std::uint32_t> ColorDialog1Execute(std::uint32_t initial);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Services& services_;
};
