// The preset values command of the main window.
#include "FilesFixture.h"

namespace {

using PresetValues = FilesTest;

TEST_F(PresetValues, NoKeepsEverythingYesRestoresThePresetsAndSwitchesToEnglish) {
  main->resize(800, 500);
  services->options.colours.histogram = 1;
  dialogs.answer(mrNo);
  main->presetValuesAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, "P o t v r z e n í");
  EXPECT_EQ(dialogs.asked[0].text, msg(152) + "\r\n");
  EXPECT_EQ(dialogs.asked[0].defaultButton, mrYes);
  EXPECT_EQ(main->width(), 800);
  EXPECT_EQ(services->options.colours.histogram, 1u);

  action("minus1")->trigger();
  action("Ne1")->trigger();
  rocks->resize(350, 500);
  dialogs.answer(mrYes);
  main->presetValuesAction->trigger();
  // 1000 x 600, unless the window's content needs more.
  EXPECT_EQ(main->pos(), QPoint(0, 0));
  EXPECT_EQ(main->width(), std::max(1000, main->minimumSizeHint().width()));
  EXPECT_EQ(main->height(), std::max(600, main->minimumSizeHint().height()));
  EXPECT_EQ(rocks->width(), 300);
  EXPECT_EQ(services->language(), Language::English);
  EXPECT_TRUE(action("Anglictina")->isChecked());
  EXPECT_FALSE(action("Cestina")->isChecked());
  const DisplayColours& c = services->options.colours;
  EXPECT_EQ(c.histogram, 8454143u);
  EXPECT_EQ(c.value, 16744448u);
  EXPECT_EQ(c.quantile, 8421631u);
  EXPECT_EQ(c.assessment, 10485760u);
  EXPECT_EQ(c.table, 16777215u);
  EXPECT_EQ(c.edit, 16777215u);
  EXPECT_EQ(services->options.dateSeparator, '.');
  EXPECT_TRUE(action("tecka1")->isChecked());
  EXPECT_TRUE(action("Ano1")->isChecked());
  EXPECT_FALSE(action("Ne1")->isChecked());
  EXPECT_FALSE(action("VsechnyTesnosti")->isChecked());

  // Nothing is written at once; the next exit writes English.
  EXPECT_FALSE(settings->readBool("--  Nastaveni  --", "Form1 Jazyk - anglictina", false));
  main->close();
  EXPECT_TRUE(settings->readBool("--  Nastaveni  --", "Form1 Jazyk - anglictina", false));
}

}  // namespace
