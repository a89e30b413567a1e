#pragma once

// Sections and keys of the settings file used by the windows; every window takes its names from here.

namespace keys {

inline constexpr char kPosition[] = "--  Position  --";
inline constexpr char kSetting[] = "--  Setting  --";
inline constexpr char kNastaveni[] = "--  Nastaveni  --";
inline constexpr char kComponent[] = "--  Component  --";
inline constexpr char kHorniny[] = "--  Horniny  --";

/// Key prefix of a window's position and size, with its default size and preset size.
struct WindowPlace {
  const char* prefix;
  int width, height;              // defaults when nothing is stored
  int presetWidth, presetHeight;  // sizes of the preset-values command; 0 width = screen width
};

inline constexpr WindowPlace kForm1{"Pelmora-Form1", 970, 650, 1000, 600};
inline constexpr WindowPlace kForm2{"Prob2_u Form2", 340, 526, 340, 526};
inline constexpr WindowPlace kForm3{"Graf_Hornin-Form3", 1000, 562, 1000, 562};
inline constexpr WindowPlace kForm4{"ParamRozdel Form4", 900, 600, 900, 600};
inline constexpr WindowPlace kForm5{"PrvotniData Form5", 1000, 600, 1000, 600};
inline constexpr WindowPlace kForm6{"DruhyHornin-Form6", 300, 450, 300, 450};
inline constexpr WindowPlace kForm7{"IniSoubor-Form7", 450, 600, 450, 600};
inline constexpr WindowPlace kForm8{"Color+Form8", 170, 200, 170, 200};
inline constexpr WindowPlace kForm9{"RMR Form9", 890, 600, 890, 600};
inline constexpr WindowPlace kForm11{"VistaHlp-Form11", 605, 205, 605, 205};
inline constexpr WindowPlace kForm12{"KrivkaTrvani-Form12", 704, 426, 704, 426};
inline constexpr WindowPlace kForm13{"PopisHistogramu-Form13", 296, 479, 296, 478};
inline constexpr WindowPlace kForm14{"TabChar-Form14", 0, 600, 0, 600};  // width: the screen's

// Main window, section kSetting.
inline constexpr char kHelpViewerOffer[] = "Form11- instalace WinHlp32.exe";
inline constexpr char kAllCloseness[] = "Form1 tesnosti > 0";
inline constexpr char kColorChart[] = "Color- ColorChart";
inline constexpr char kColorFce[] = "Color- ColorFce";
inline constexpr char kColorKvantil[] = "Color- ColorKvantil";
inline constexpr char kColorFS[] = "Color- ColorFS";
inline constexpr char kColorTab[] = "Color- ColorTab";
inline constexpr char kColorEdit[] = "Color- ColorEdit";
inline constexpr char kHighlightYes[] = "Barevné zvýraznění Ano";
inline constexpr char kHighlightNo[] = "Barevné zvýraznění Ne";
inline constexpr char kDateSeparator[] = "DateSeparator";
inline constexpr char kTimeSeparator[] = "TimeSeparator";

// Main window, section kNastaveni.
inline constexpr char kCzech[] = "Form1 Jazyk - cestina";
inline constexpr char kEnglish[] = "Form1 Jazyk - anglictina";
inline constexpr char kHelpHtml[] = "Form1 Help-HTML";
inline constexpr char kHelpWin[] = "Form1 HELP WIN";
inline constexpr char kPlotCom[] = "Form1 PlotCom";
inline constexpr char kPairValues[] = "Form1 PairValues";  // "centres" or "upper-edges"

// Main window, section kComponent.
inline constexpr char kIndexYes[] = "FORM1 Index Ano";
inline constexpr char kIndexNo[] = "FORM1 Index Ne";

// Main window, section kHorniny: the count and "Hornina " + 1..N.
inline constexpr char kRockTypeCount[] = "Celkem druhů hornin";
inline constexpr char kRockTypePrefix[] = "Hornina ";

}  // namespace keys
