#include "ui/WindowTable.h"

#include "ui/AboutWindow.h"
#include "ui/ChartWindow.h"
#include "ui/ColourWindow.h"
#include "ui/DesignWindow.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/FitTableWindow.h"
#include "ui/HelpInfoWindow.h"
#include "ui/MainWindow.h"
#include "ui/NewHistogramWindow.h"
#include "ui/ParametricWindow.h"
#include "ui/RawDataWindow.h"
#include "ui/RmrWindow.h"
#include "ui/RockTypesWindow.h"
#include "ui/SensitivityWindow.h"
#include "ui/Services.h"
#include "ui/SettingsListingWindow.h"
#include "ui/WindowTexts.h"

namespace {

// One row: form number, place, texts, and the Windows member that holds the window.
template <typename W, W* Windows::*Member>
constexpr WindowEntry entry(int number, const settings::WindowGeometry& place, const TextSet* texts,
                            bool onFirstOpen = false) {
  return {number,
          &place,
          texts,
          [](Services& s) -> QWidget* { return s.windows.*Member = new W(s); },
          [](const Windows& w) -> QWidget* { return w.*Member; },
          onFirstOpen};
}

constexpr bool kOnFirstOpen = true;

const WindowEntry kWindows[] = {
    entry<MainWindow, &Windows::main>(1, settings::kForm1Geometry, &kMainWindowTexts),
    entry<AboutWindow, &Windows::about>(2, settings::kForm2Geometry, &kAboutWindowTexts, kOnFirstOpen),
    entry<ChartWindow, &Windows::chart>(3, settings::kForm3Geometry, &kChartWindowTexts),
    entry<ParametricWindow, &Windows::parametric>(4, settings::kForm4Geometry, &kParametricWindowTexts),
    entry<RawDataWindow, &Windows::rawData>(5, settings::kForm5Geometry, &kRawDataWindowTexts),
    entry<RockTypesWindow, &Windows::rockTypes>(6, settings::kForm6Geometry, &kRockTypesWindowTexts),
    entry<SettingsListingWindow, &Windows::settingsListing>(7, settings::kForm7Geometry,
                                                            &kSettingsListingWindowTexts, kOnFirstOpen),
    entry<ColourWindow, &Windows::colour>(8, settings::kForm8Geometry, &kColourWindowTexts, kOnFirstOpen),
    entry<RmrWindow, &Windows::rmr>(9, settings::kForm9Geometry, &kRmrWindowTexts),
    entry<HelpInfoWindow, &Windows::helpInfo>(11, settings::kForm11Geometry, &kHelpInfoWindowTexts,
                                              kOnFirstOpen),
    entry<DistributionFunctionWindow, &Windows::distributionFunction>(12, settings::kForm12Geometry,
                                                                      &kDistributionFunctionWindowTexts),
    entry<NewHistogramWindow, &Windows::newHistogram>(13, settings::kForm13Geometry,
                                                      &kNewHistogramWindowTexts),
    entry<FitTableWindow, &Windows::fitTable>(14, settings::kForm14Geometry, &kFitTableWindowTexts),
    entry<SensitivityWindow, &Windows::sensitivity>(15, settings::kForm15Geometry, &kSensitivityWindowTexts),
    entry<DesignWindow, &Windows::design>(16, settings::kForm16Geometry, &kDesignWindowTexts),
};

}  // namespace

std::span<const WindowEntry> windowTable() { return kWindows; }

const WindowEntry* findWindowEntry(int number) {
  for (const WindowEntry& e : kWindows)
    if (e.number == number) return &e;
  return nullptr;
}
