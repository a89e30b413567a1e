#pragma once

// The text sets of the windows, one per window file <Window>Texts.cpp; the window table lists them.

#include "ui/TextSets.h"

extern const TextSet kMainWindowTexts;
extern const TextSet kAboutWindowTexts;
extern const TextSet kChartWindowTexts;
/// The assessment panel of the chart window, applied when the panel is built and at each language switch.
extern const TextSet kChartAssessmentTexts;
/// The check of Pf in the assessment panel, applied with the panel's texts.
extern const TextSet kChartVerificationTexts;
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
extern const TextSet kSensitivityWindowTexts;
extern const TextSet kDesignWindowTexts;
