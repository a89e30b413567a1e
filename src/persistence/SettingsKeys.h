#pragma once

// Every key of the settings file with its section, type and default, in one place.

#include <array>
#include <string>
#include <string_view>

#include "persistence/SettingsFile.h"
#include "shell/NumberText.h"

namespace settings {

inline constexpr std::string_view kPosition = "--  Position  --";
inline constexpr std::string_view kSetting = "--  Setting  --";
inline constexpr std::string_view kNastaveni = "--  Nastaveni  --";
inline constexpr std::string_view kComponent = "--  Component  --";
inline constexpr std::string_view kHorniny = "--  Horniny  --";

enum class KeyType { Bool, Integer, Text };

/// One stored value. `intDefault` serves Bool (0/1) and Integer keys, `textDefault` Text keys;
/// `hasDefault` is false for keys written but never read back with a default of their own.
struct Key {
  std::string_view section;
  std::string_view key;
  KeyType type;
  long long intDefault = 0;
  std::string_view textDefault = {};
  bool hasDefault = true;
};

// ---- creation windows: precision and number of intervals (texts)
inline constexpr Key kParamEps{kPosition, "ParamRozdel Form4.Eps", KeyType::Text, 0, "1E-7"};
inline constexpr Key kParamIntervals{kPosition, "ParamRozdel Form4.EdPocetIntervalu", KeyType::Text, 0,
                                     "128"};
inline constexpr Key kRawEps{kPosition, "PrvotniData Form5.Eps", KeyType::Text, 0, "1E-7"};
inline constexpr Key kRawIntervals{kPosition, "PrvotniData Form5.EdPocetIntervalu", KeyType::Text, 0, "128"};

// ---- main window options
inline constexpr Key kWinHlpOffer{kSetting, "Form11- instalace WinHlp32.exe", KeyType::Bool, 1};
inline constexpr Key kAllCloseness{kSetting, "Form1 tesnosti > 0", KeyType::Bool, 0};
inline constexpr Key kColorChart{kSetting, "Color- ColorChart", KeyType::Integer, 65535};
inline constexpr Key kColorFce{kSetting, "Color- ColorFce", KeyType::Integer, 8421631};
inline constexpr Key kColorKvantil{kSetting, "Color- ColorKvantil", KeyType::Integer, 12845056};
inline constexpr Key kColorFS{kSetting, "Color- ColorFS", KeyType::Integer, 16711680};
inline constexpr Key kColorTab{kSetting, "Color- ColorTab", KeyType::Integer, 16777215};
inline constexpr Key kColorEdit{kSetting, "Color- ColorEdit", KeyType::Integer, 16777215};
inline constexpr Key kHighlightYes{kSetting, "Barevné zvýraznění Ano", KeyType::Bool, 1};
inline constexpr Key kHighlightNo{kSetting, "Barevné zvýraznění Ne", KeyType::Bool, 0};
inline constexpr Key kDateSeparator{kSetting, "DateSeparator", KeyType::Integer, 46};
inline constexpr Key kTimeSeparator{kSetting, "TimeSeparator", KeyType::Integer, 58};

// ---- chart windows: marks selector, mark angle, background
inline constexpr Key kChartMarks{kSetting, "Graf_Hornin-Form3.CBMarks.ItemIndex", KeyType::Integer, 2, {},
                                 false};
inline constexpr Key kChartAngle{kSetting, "Graf_Hornin-Form3.SpinEdAngle.Value", KeyType::Integer, 90, {},
                                 false};
// The design standard of the chart window's assessment panel (item of CBNorma).
inline constexpr Key kChartNorma{kSetting, "Graf_Hornin-Form3.CBNorma.ItemIndex", KeyType::Integer, 0};
inline constexpr Key kParamMarks{kSetting, "ParamRozdel Form4.CBMarks.ItemIndex", KeyType::Integer, 2};
inline constexpr Key kParamAngle{kSetting, "ParamRozdel Form4.SpinEdAngle.Value", KeyType::Integer, 90};
inline constexpr Key kRawMarks{kSetting, "PrvotniData Form5.CBMarks.ItemIndex", KeyType::Integer, 2};
inline constexpr Key kRawAngle{kSetting, "PrvotniData Form5.SpinEdAngle.Value", KeyType::Integer, 90};
inline constexpr Key kDistMarks{kSetting, "KrivkaTrvani-Form12.CBMarks.ItemIndex", KeyType::Integer, 2};
inline constexpr Key kDistAngle{kSetting, "KrivkaTrvani-Form12.SpinEdAngle.Value", KeyType::Integer, 90};
inline constexpr Key kDistBackground{kSetting, "KrivkaTrvani-Form12.Color- GRAF pozadí KTZ", KeyType::Integer,
                                     16777215};

// ---- language, help, axis labels, chart toolbars
inline constexpr Key kLanguageCzech{kNastaveni, "Form1 Jazyk - cestina", KeyType::Bool, 1};
inline constexpr Key kLanguageEnglish{kNastaveni, "Form1 Jazyk - anglictina", KeyType::Bool, 0};
inline constexpr Key kHelpHtml{kNastaveni, "Form1 Help-HTML", KeyType::Bool, 1};
inline constexpr Key kHelpWin{kNastaveni, "Form1 HELP WIN", KeyType::Bool, 0};
inline constexpr Key kPlotCom{kNastaveni, "Form1 PlotCom", KeyType::Bool, 1};
// Points of the pressure loop: "centres" or "upper-edges" (earlier versions).
inline constexpr Key kPairValues{kNastaveni, "Form1 PairValues", KeyType::Text, 0, "centres"};
// Reading of the input bins: "uniform" or "centres" (earlier versions).
inline constexpr Key kInputReading{kNastaveni, "Form1 InputReading", KeyType::Text, 0, "uniform"};
inline constexpr Key kIndexYes{kComponent, "FORM1 Index Ano", KeyType::Bool, 0};
inline constexpr Key kIndexNo{kComponent, "FORM1 Index Ne", KeyType::Bool, 1};

// ---- rock types: the count, then "Hornina 1" .. "Hornina N"
inline constexpr Key kRockTypeCount{kHorniny, "Celkem druhů hornin", KeyType::Integer, 0};
inline constexpr std::string_view kRockTypePrefix = "Hornina ";

/// Every fixed key above, for listings and tests.
inline constexpr std::array kAllKeys{
    kParamEps,       kParamIntervals, kRawEps,          kRawIntervals,  kWinHlpOffer,  kAllCloseness,
    kColorChart,     kColorFce,       kColorKvantil,    kColorFS,       kColorTab,     kColorEdit,
    kHighlightYes,   kHighlightNo,    kDateSeparator,   kTimeSeparator, kChartMarks,   kChartAngle,
    kParamMarks,     kParamAngle,     kRawMarks,        kRawAngle,      kDistMarks,    kDistAngle,
    kDistBackground, kLanguageCzech,  kLanguageEnglish, kHelpHtml,      kHelpWin,      kPlotCom,
    kIndexYes,       kIndexNo,        kRockTypeCount,   kPairValues,    kInputReading, kChartNorma,
};

/// Position and size keys of one window: prefix + ".left", ".top", ".width", ".height".
/// A width of -1 stands for the screen width.
struct WindowGeometry {
  std::string_view prefix;
  int defaultWidth, defaultHeight;
  int presetWidth, presetHeight;
};

inline constexpr int kScreenWidth = -1;

inline constexpr WindowGeometry kForm1Geometry{"Pelmora-Form1", 970, 650, 1000, 600};
inline constexpr WindowGeometry kForm2Geometry{"Prob2_u Form2", 340, 526, 340, 526};
inline constexpr WindowGeometry kForm3Geometry{"Graf_Hornin-Form3", 1000, 562, 1000, 562};
inline constexpr WindowGeometry kForm4Geometry{"ParamRozdel Form4", 900, 600, 900, 600};
inline constexpr WindowGeometry kForm5Geometry{"PrvotniData Form5", 1000, 600, 1000, 600};
inline constexpr WindowGeometry kForm6Geometry{"DruhyHornin-Form6", 300, 450, 300, 450};
inline constexpr WindowGeometry kForm7Geometry{"IniSoubor-Form7", 450, 600, 450, 600};
inline constexpr WindowGeometry kForm8Geometry{"Color+Form8", 170, 200, 170, 200};
inline constexpr WindowGeometry kForm9Geometry{"RMR Form9", 890, 600, 890, 600};
inline constexpr WindowGeometry kForm11Geometry{"VistaHlp-Form11", 605, 205, 605, 205};
inline constexpr WindowGeometry kForm12Geometry{"KrivkaTrvani-Form12", 704, 426, 704, 426};
inline constexpr WindowGeometry kForm13Geometry{"PopisHistogramu-Form13", 296, 479, 296, 478};
inline constexpr WindowGeometry kForm14Geometry{"TabChar-Form14", kScreenWidth, 600, kScreenWidth, 600};
inline constexpr WindowGeometry kForm15Geometry{"Citlivost-Form15", 900, 640, 900, 640};
inline constexpr WindowGeometry kForm16Geometry{"NavrhKotveni-Form16", 1000, 720, 1000, 720};

inline constexpr std::array kAllGeometries{kForm1Geometry,  kForm2Geometry,  kForm3Geometry,  kForm4Geometry,
                                           kForm5Geometry,  kForm6Geometry,  kForm7Geometry,  kForm8Geometry,
                                           kForm9Geometry,  kForm11Geometry, kForm12Geometry, kForm13Geometry,
                                           kForm14Geometry, kForm15Geometry, kForm16Geometry};

/// Stored position and size of a window; left and top default to 0.
struct Geometry {
  int left = 0, top = 0, width = 0, height = 0;
};

/// "prefix.property", e.g. "Graf_Hornin-Form3.left".
inline std::string positionKey(std::string_view prefix, std::string_view property) {
  std::string k(prefix);
  k += '.';
  k += property;
  return k;
}

/// The stored geometry of a window; `screenWidth` replaces the screen-width default.
inline Geometry readGeometry(const SettingsFile& f, const WindowGeometry& w, int screenWidth = 1024) {
  const int dw = w.defaultWidth == kScreenWidth ? screenWidth : w.defaultWidth;
  Geometry g;
  g.left = static_cast<int>(f.readInteger(kPosition, positionKey(w.prefix, "left"), 0));
  g.top = static_cast<int>(f.readInteger(kPosition, positionKey(w.prefix, "top"), 0));
  g.width = static_cast<int>(f.readInteger(kPosition, positionKey(w.prefix, "width"), dw));
  g.height = static_cast<int>(f.readInteger(kPosition, positionKey(w.prefix, "height"), w.defaultHeight));
  return g;
}

inline void writeGeometry(SettingsFile& f, const WindowGeometry& w, const Geometry& g) {
  f.writeInteger(kPosition, positionKey(w.prefix, "left"), g.left);
  f.writeInteger(kPosition, positionKey(w.prefix, "top"), g.top);
  f.writeInteger(kPosition, positionKey(w.prefix, "width"), g.width);
  f.writeInteger(kPosition, positionKey(w.prefix, "height"), g.height);
}

/// Reads an Integer or Bool key with its own default (`fallback` for keys without one).
inline long long readInteger(const SettingsFile& f, const Key& k, long long fallback = 0) {
  return f.readInteger(k.section, k.key, k.hasDefault ? k.intDefault : fallback);
}
inline bool readBool(const SettingsFile& f, const Key& k) {
  return f.readBool(k.section, k.key, k.intDefault != 0);
}
inline std::string readText(const SettingsFile& f, const Key& k) {
  return f.readString(k.section, k.key, k.textDefault);
}
/// A stored Eps of the parametric or raw data window: its default unless the whole text is a number
/// within [1E-8, 1] (a decimal comma read as the point).
inline std::string readEpsText(const SettingsFile& f, const Key& k) {
  const std::string t = readText(f, k);
  double eps = 0;
  return parseDouble(t, eps) && eps >= 1e-8 && eps <= 1 ? t : std::string(k.textDefault);
}
/// A stored number of intervals: its default unless the whole text is a whole number 3 .. 256.
inline std::string readIntervalsText(const SettingsFile& f, const Key& k) {
  const std::string t = readText(f, k);
  long n = 0;
  return parseLong(t, n) && n >= 3 && n <= 256 ? t : std::string(k.textDefault);
}
inline void write(SettingsFile& f, const Key& k, long long v) { f.writeInteger(k.section, k.key, v); }
inline void writeBool(SettingsFile& f, const Key& k, bool v) { f.writeBool(k.section, k.key, v); }
inline void writeText(SettingsFile& f, const Key& k, std::string_view v) {
  f.writeString(k.section, k.key, v);
}

/// The colours set by the preset values command (0xBBGGRR): histogram, value, quantile,
/// assessment, table, edit.
inline constexpr unsigned kPresetColorChart = 8454143;
inline constexpr unsigned kPresetColorFce = 16744448;
inline constexpr unsigned kPresetColorKvantil = 8421631;
inline constexpr unsigned kPresetColorFS = 10485760;
inline constexpr unsigned kPresetColorTab = 16777215;
inline constexpr unsigned kPresetColorEdit = 16777215;

}  // namespace settings
