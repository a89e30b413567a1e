#pragma once

#include <cstdint>
#include <string>

#include "shell/Language.h"

/// The six display colours, 0xBBGGRR.
struct DisplayColours {
  std::uint32_t histogram = 65535;
  std::uint32_t value = 8421631;
  std::uint32_t quantile = 12845056;
  std::uint32_t assessment = 16711680;
  std::uint32_t table = 16777215;
  std::uint32_t edit = 16777215;
};

/// Check marks of the main window's settings menu and the colours, kept in the settings file.
struct DisplayOptions {
  Language language = Language::Czech;  // Cestina / Anglictina
  bool helpHtml = true;                 // HTML1 / WIN1
  bool highlightRows = true;            // Ano1 / Ne1
  bool axisIndex = false;               // Index1 / NonIndex
  bool plotCommander = true;            // PlotCom
  bool allCloseness = false;            // VsechnyTesnosti
  bool pairUpperEdges = false;          // PairUpperEdges: the pressure loop at upper bin edges
  bool inputCentres = false;            // InputCentres: input bins read as points at their centres
  char dateSeparator = '.';
  char timeSeparator = ':';
  DisplayColours colours;
};

/// "d.m.yyyy", "d-m-yyyy" or "d/m/yyyy".
std::string shortDateFormat(char dateSeparator);
/// "hh.mm.ss" or "hh:mm:ss".
std::string shortTimeFormat(char timeSeparator);

/// A date as text in the short date format of `dateSeparator`, e.g. "7.3.2024".
std::string formatShortDate(int day, int month, int year, char dateSeparator);
/// A time of day as text in the short time format of `timeSeparator`, e.g. "09:05:00".
std::string formatShortTime(int hour, int minute, int second, char timeSeparator);
