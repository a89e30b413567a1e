#include "shell/Dialogs.h"

#include "shell/Messages.h"

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

int messageDialog(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
                  int defaultButton, int /*help*/) {
  if (buttons == DlgButtons::Ok) {
    dialogs().message(caption, text, kind, buttons, mrOk);
    return mrOk;
  }
  if (buttons == DlgButtons::YesNoCancel) {
    if (defaultButton != mrYes && defaultButton != mrNo && defaultButton != mrCancel) defaultButton = mrYes;
    // A closed box (Escape) cancels.
    const int a = dialogs().message(caption, text, kind, buttons, defaultButton);
    return a == mrYes || a == mrNo ? a : mrCancel;
  }
  if (defaultButton != mrYes && defaultButton != mrNo) defaultButton = mrYes;
  // Anything but an explicit Yes (a closed box, Escape) counts as No and cancels.
  return dialogs().message(caption, text, kind, buttons, defaultButton) == mrYes ? mrYes : mrNo;
}

bool confirmDialog(Language language, std::string_view text, int defaultButton) {
  return messageDialog(MessageText(1, language), text, DlgKind::Confirmation, DlgButtons::YesNo,
                       defaultButton) == mrYes;
}
void infoDialog(Language language, std::string_view text) {
  messageDialog(MessageText(2, language), text, DlgKind::Information, DlgButtons::Ok, mrOk);
}
void errorDialog(Language language, std::string_view text) {
  messageDialog(MessageText(3, language), text, DlgKind::Error, DlgButtons::Ok, mrOk);
}
void warningDialog(Language language, std::string_view text) {
  messageDialog(MessageText(4, language), text, DlgKind::Warning, DlgButtons::Ok, mrOk);
}

Dialogs& dialogs() { return *current; }
void setDialogs(Dialogs* d) { current = d ? d : &silent; }
