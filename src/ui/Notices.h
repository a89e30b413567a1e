#pragma once

// Shows a refusal through the dialogs service: the title by its kind (message 3 error, 4 warning,
// 2 information) and an OK button. Plain texts use the shell helpers errorDialog, warningDialog,
// infoDialog and confirmDialog.

#include <string_view>

#include "shell/Language.h"
#include "shell/Refusal.h"

/// Shows `refusal` in `language`; `rowLabel` names its layer row as the layer table shows it.
void showRefusal(Language language, const Refusal& refusal, std::string_view rowLabel = {});
