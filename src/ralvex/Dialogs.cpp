#include "ralvex/Dialogs.h"

namespace ralvex {
namespace {

// Answers every question with its default button; used until the program installs its own.
class SilentDialogs final : public Dialogs {
 public:
  int message(std::string_view, std::string_view, DlgKind, DlgButtons buttons, int defaultButton) override {
    return buttons == DlgButtons::Ok ? mrOk : defaultButton;
  }
  void plainMessage(std::string_view) override {}
  std::optional<std::string> openFileName(const FileDialogOptions&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialogOptions&) override { return std::nullopt; }
  std::optional<std::uint32_t> chooseColour(std::uint32_t) override { return std::nullopt; }
  void beep() override {}
};

SilentDialogs silent;
Dialogs* current = &silent;

}  // namespace

Dialogs& dialogs() { return *current; }
void setDialogs(Dialogs* d) { current = d ? d : &silent; }

}  // namespace ralvex
