// Main window: project and results files, the rock type list, preset values and the settings listing.

#include <filesystem>

#include "ralvex/Ralvex.h"
#include "shell/TextyCeskoAngl.h"
#include "ui/IniSoubor.h"
#include "ui/Pelmora.h"
#include "ui/Services.h"

namespace {

void information(Language lang, const std::string& text) {
  ralvex::DefMessageDlg(MessageText(2, lang), text, ralvex::DlgKind::Information, ralvex::DlgButtons::Ok, ralvex::mrOk);
}

}  // namespace

void TForm1::INIsoubor1Click() {
  const Language lang = services_.language();
  // The listing shows the file the settings object really uses.
  const std::string& path = services_.settings.path();
  std::error_code ec;
  TForm7* form7 = services_.windows.form7;
  if (!std::filesystem::is_regular_file(path, ec) || !form7 || !form7->loadFile(path)) {
    information(lang, MessageText(148, lang));
    return;
  }
  form7->show();
  form7->raise();
}
