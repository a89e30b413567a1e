#pragma once

// The text sets of the windows, one per window file <Window>Texts.cpp; the window table lists them.

#include <string>

#include "shell/Language.h"
#include "ui/TextSets.h"

extern const TextSet kMainWindowTexts;
extern const TextSet kAboutWindowTexts;
extern const TextSet kChartWindowTexts;
/// The assessment panel of the chart window, applied when the panel is built and at each language switch.
extern const TextSet kChartAssessmentTexts;
extern const TextSet kParametricWindowTexts;
extern const TextSet kRawDataWindowTexts;
extern const TextSet kRockTypesWindowTexts;
extern const TextSet kSettingsListingWindowTexts;
extern const TextSet kColourWindowTexts;
extern const TextSet kRmrWindowTexts;
extern const TextSet kHelpInfoWindowTexts;
extern const TextSet kDistributionFunctionWindowTexts;
extern const TextSet kNewHistogramWindowTexts;
extern const TextSet kFitTableWindowTexts;

/// Title lines and names of the chart window's result sources, composed at run time.
enum class ChartTitle {
  ReducedStrength, ReducedStrengthName,
  BearingCapacity1, BearingCapacity2, BearingCapacity3, BearingCapacity4, BearingCapacityName,
  BoltLength, BoltLengthName, BoltLoad, BoltLoadName,
  Reliability1, Reliability2,
  NewHistogram, NewHistogramName,
};
std::string chartTitleText(ChartTitle t, Language language);
