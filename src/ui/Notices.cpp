#include "ui/Notices.h"

#include "shell/Dialogs.h"
#include "shell/Messages.h"

void showRefusal(Language language, const Refusal& refusal, std::string_view rowLabel) {
  messageDialog(MessageText(refusal.titleMessage(), language), refusal.text(language, rowLabel), refusal.kind,
                DlgButtons::Ok, mrOk);
}
