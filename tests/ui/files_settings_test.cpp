#include <gtest/gtest.h>

#include <QTableWidget>
#include <filesystem>
#include <fstream>

#include "ScriptedDialogs.h"
#include "persistence/SettingsFile.h"
#include "persistence/SettingsKeys.h"
#include "ui/ColourWindow.h"
#include "ui/MainWindow.h"
#include "ui/Services.h"
#include "ui/SettingsListingWindow.h"

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;

namespace {

class SettingsListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltra_listing_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(SettingsListingTest, AMissingFileIsReportedWithMessage148) {
  ScriptedDialogs dialogs;
  SettingsFile settings((dir_ / "Veltra.INI").string());
  Services services{dialogs, settings, {}, {}, {}, {}};
  MainWindow main(services);
  SettingsListingWindow listing(services);
  services.windows.main = &main;
  services.windows.settingsListing = &listing;
  main.settingsListingAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, "I n f o r m a c e");
  EXPECT_EQ(dialogs.asked[0].text, "Inicializační soubor ještě nebyl vytvořen !");
  EXPECT_FALSE(listing.isVisible());
}

TEST_F(SettingsListingTest, EveryLineBecomesARowAndClosingStoresThePosition) {
  ScriptedDialogs dialogs;
  SettingsFile settings((dir_ / "Veltra.INI").string());
  settings.writeInteger("--  Horniny  --", "Celkem druhů hornin", 1);
  settings.writeString("--  Horniny  --", "Hornina 1", "Pískovec = tvrdý");
  Services services{dialogs, settings, {}, {}, {}, {}};
  MainWindow main(services);
  SettingsListingWindow listing(services);
  services.windows.main = &main;
  services.windows.settingsListing = &listing;
  main.settingsListingAction->trigger();
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_TRUE(listing.isVisible());
  EXPECT_TRUE(main.isEnabled());
  auto* grid = listing.findChild<QTableWidget*>(u"ValueListEditor1"_s);
  ASSERT_TRUE(grid);
  ASSERT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(grid->item(0, 0)->text(), u"[--  Horniny  --]"_s);
  EXPECT_EQ(grid->item(1, 0)->text(), u"Celkem druhů hornin"_s);
  EXPECT_EQ(grid->item(1, 1)->text(), u"1"_s);
  EXPECT_EQ(grid->item(2, 0)->text(), u"Hornina 1"_s);
  EXPECT_EQ(grid->item(2, 1)->text(), u"Pískovec = tvrdý"_s);  // split at the first "=" only

  listing.move(30, 40);
  listing.resize(460, 610);
  listing.close();
  const auto g = settings::readGeometry(settings, settings::kForm7Geometry);
  EXPECT_EQ(g.width, 460);
  EXPECT_EQ(g.height, 610);
}

TEST_F(SettingsListingTest, ColourWindowKeepsItsPlaceAndAsksTheDialogService) {
  ScriptedDialogs dialogs;
  SettingsFile settings((dir_ / "Veltra.INI").string());
  Services services{dialogs, settings, {}, {}, {}, {}};
  ColourWindow colours(services);
  EXPECT_EQ(colours.objectName(), u"Form8"_s);
  EXPECT_EQ(colours.width(), 170);
  dialogs.answerColour(0x00FF00u);
  EXPECT_EQ(colours.ColorDialog1Execute(0xFFu), 0x00FF00u);
  colours.resize(180, 210);
  colours.close();
  EXPECT_EQ(settings.readInteger("--  Position  --", "Color+Form8.width", 0), 180);
}

}  // namespace
