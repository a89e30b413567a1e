// Texts of the help viewer information window (set 11).
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "  VELTRA :   Informace "},
    {"Label1", TextProp::Text,
     "Nápověda ve formátu WIN (Veltra.HLP) potřebuje prohlížeč nápovědy WinHlp32.exe, který novější "
     "operační systémy neobsahují. Bez jeho doinstalování se nápověda v tomto formátu nezobrazí. "
     "Postup instalace prohlížeče popisuje stránka podpory výrobce operačního systému :"},
    {"CheckBox1", TextProp::Text,
     "WinHlp32.exe je už nainstalován ?  ( při ANO se vyvolá Help a okno se již víckrát nezobrazí !)"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "  VELTRA :   Information "},
    {"Label1", TextProp::Text,
     "The help in the WIN format (Veltra.HLP) needs the help viewer WinHlp32.exe, which newer operating "
     "systems do not include. Without installing it the help in this format cannot be shown. "
     "The support page of the operating system vendor describes how to install the viewer :"},
    {"CheckBox1", TextProp::Text,
     "WinHlp32.exe is already installed ?  ( YES opens the Help and this window will not be shown again !)"},
};

}  // namespace

const TextSet kHelpInfoWindowTexts{11, kCzech, kEnglish};
