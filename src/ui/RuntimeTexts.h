#pragma once

// Texts the windows compose at run time (chart titles with numbers, questions, warnings, dialog
// buttons, the splash lines) that are no numbered message, in Czech and English.

#include <initializer_list>
#include <string>

#include "shell/Language.h"

enum class RuntimeText : int {
  ChartTitleReducedStrength = 0,
  ChartNameReducedStrength,
  ChartTitleBearingCapacity,  // %s bolt count, %s d1, %s d2
  ChartNameBearingCapacity,
  ChartTitleBoltLength,
  ChartNameBoltLength,
  ChartTitleBoltLoad,
  ChartNameBoltLoad,
  ChartTitleAssessment,  // %s results name; also the histogram name
  ChartTitleIntactRock,
  ChartNameIntactRock,
  WordProcessorFailed,  // %s program path
  NoWordProcessor,
  WidthSlotLabel,
  UnsavedWork,
  SettingsNotSaved,  // %s error
  ParameterLabel,    // %s parameter number
  DialogYes,
  DialogNo,
  DialogCancel,
  DialogOk,
  SplashLine1,  // the splash labels Label2 .. Label6
  SplashLine2,
  SplashLine3,
  SplashLine4,
  SplashLine5,
  IndexAxisTitle,   // bottom axis of the raw data histogram labelled by index
  PPRawAxis,        // raw axis of the P-P plot
  FitNeedsRawData,  // "Param" pressed before raw data were read
  Count
};

/// The text `id` in `language` (UTF-8, line breaks as CR LF).
std::string runtimeText(RuntimeText id, Language language);
/// The text with "%s" placeholders filled in order.
std::string runtimeTextFormat(RuntimeText id, Language language, std::initializer_list<std::string> args);

inline RuntimeText operator+(RuntimeText t, int k) {
  return static_cast<RuntimeText>(static_cast<int>(t) + k);
}
