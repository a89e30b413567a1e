#pragma once

// Texts the windows compose at run time (chart titles with numbers, questions, warnings, dialog
// buttons, the splash lines) that are no numbered message, in Czech and English.

#include <initializer_list>
#include <string>

#include "project/ChainReading.h"
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
  ChartCaptionHistogramFile,  // %s file name
  WordProcessorFailed,        // %s program path
  NoWordProcessor,
  WidthSlotLabel,
  UnsavedWork,
  SettingsNotSaved,  // %s error
  UnknownFileType,   // %s path
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
  IndexAxisTitle,       // bottom axis of the raw data histogram labelled by index
  PPRawAxis,            // raw axis of the P-P plot
  InputReadingCentres,  // how an assessment read its input bins
  InputReadingUniform,
  InputReadingUnknown,  // appended when the reading of a stored S could not be told
  FitNeedsRawData,      // "Param" pressed before raw data were read
  Count
};

/// The text `id` in `language` (UTF-8, line breaks as CR LF).
std::string runtimeText(RuntimeText id, Language language);
/// The text with "%s" placeholders filled in order.
std::string runtimeTextFormat(RuntimeText id, Language language, std::initializer_list<std::string> args);

/// What the assessment panel and the report say of how an assessment read its input bins: the reading,
/// and that the reading of its stored S could not be told when `known` is false. Empty when the inputs
/// were read as piecewise uniform (the default) and nothing else needs saying (`sayUniform` false).
std::string inputReadingNote(InputReading reading, bool known, bool sayUniform, Language language);

inline RuntimeText operator+(RuntimeText t, int k) {
  return static_cast<RuntimeText>(static_cast<int>(t) + k);
}
