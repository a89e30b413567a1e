// The rock type window, its file and the rock type list kept in the settings.
#include <QPlainTextEdit>
#include <QPushButton>

#include "FilesFixture.h"

namespace {

using RockTypes = FilesTest;

QPlainTextEdit* memo(RockTypesWindow& w) { return w.findChild<QPlainTextEdit*>(u"Memo1"_s); }
QPushButton* button(RockTypesWindow& w, const char* name) {
  return w.findChild<QPushButton*>(QString::fromUtf8(name));
}

TEST_F(RockTypes, ANewInstallationStartsWithAnEmptyOffer) {
  EXPECT_TRUE(main->project().rockTypes.empty());
  EXPECT_EQ(memo(*rocks)->toPlainText(), u""_s);
  EXPECT_FALSE(button(*rocks, "SaveTabHorn")->isEnabled());
  EXPECT_FALSE(button(*rocks, "BBSaveNabidky")->isEnabled());
}

TEST_F(RockTypes, OneLineCannotBeOfferedTwoLinesCanAndTheOfferAsksForAFile) {
  main->rockTypesAction->trigger();
  EXPECT_TRUE(rocks->isVisible());
  EXPECT_FALSE(main->isEnabled());
  memo(*rocks)->setPlainText(u"Jílovec"_s);
  EXPECT_FALSE(button(*rocks, "BBSaveNabidky")->isEnabled());
  EXPECT_FALSE(button(*rocks, "SaveTabHorn")->isEnabled());
  memo(*rocks)->setPlainText(u"Jílovec\nPískovec\n\nUhlí\n"_s);
  EXPECT_TRUE(button(*rocks, "BBSaveNabidky")->isEnabled());
  EXPECT_TRUE(button(*rocks, "SaveTabHorn")->isEnabled());

  dialogs.answerFile(projects("DruhyHornin.txt"));
  button(*rocks, "BBSaveNabidky")->click();
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].fileName, "DruhyHornin");
  EXPECT_EQ(dialogs.fileDialogs[0].initialFolder, services->folders.ProjectsFolder);
  EXPECT_EQ(dialogs.fileDialogs[0].filter, "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*");
  EXPECT_EQ(main->project().rockTypes, (std::vector<std::string>{"Jílovec", "Pískovec", "Uhlí"}));
  EXPECT_EQ(main->model().rockTypeCount(), 4);
  EXPECT_EQ(bytesOf(projects("DruhyHornin.txt")), "3\r\nJ\xEDlovec\r\nP\xEDskovec\r\nUhl\xED\r\n");
  EXPECT_FALSE(rocks->isVisible());
  EXPECT_TRUE(main->isEnabled());
}

TEST_F(RockTypes, ALoadedFileIsOfferedWithoutAskingForASave) {
  put(projects("Horniny.txt"), "3\r\nJ\xEDlovec\r\nPrachovec\r\nP\xEDskovec\r\n");
  main->project().rockTypes = {"Starý"};
  main->rockTypesAction->trigger();
  dialogs.answerFile(projects("Horniny.txt"));
  button(*rocks, "OpenTabHorn")->click();
  EXPECT_TRUE(rocks->loadedFromFile());
  EXPECT_EQ(memo(*rocks)->toPlainText(), u"Jílovec\nPrachovec\nPískovec"_s);
  // The earlier offer stays until the offer command rebuilds it.
  EXPECT_EQ(main->project().rockTypes.size(), 4u);
  EXPECT_TRUE(button(*rocks, "BBSaveNabidky")->isEnabled());
  button(*rocks, "BBSaveNabidky")->click();
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);  // only the open dialog
  EXPECT_EQ(main->project().rockTypes, (std::vector<std::string>{"Jílovec", "Prachovec", "Pískovec"}));

  // A file that cannot be opened: message 34.
  main->rockTypesAction->trigger();
  dialogs.answerFile(projects("Neni.txt"));
  button(*rocks, "OpenTabHorn")->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(34));
}

TEST_F(RockTypes, EmptyingTheFirstLineClearsBothListsAndClosesTheWindow) {
  main->project().rockTypes = {"A", "B"};
  main->rockTypesAction->trigger();
  memo(*rocks)->setPlainText(u"A\nB"_s);
  memo(*rocks)->setPlainText(u"\nB"_s);
  EXPECT_TRUE(main->project().rockTypes.empty());
  EXPECT_EQ(memo(*rocks)->toPlainText(), u""_s);
  EXPECT_FALSE(rocks->isVisible());
  EXPECT_TRUE(main->isEnabled());
}

TEST_F(RockTypes, SavingAsksBeforeOverwritingAndReportsAFileThatCannotBeWritten) {
  main->rockTypesAction->trigger();
  memo(*rocks)->setPlainText(u"A\nB"_s);
  main->model().rockTypeCount() = 2;
  put(projects("DruhyHornin.txt"), "old");
  dialogs.answerFile(projects("DruhyHornin.txt"));
  dialogs.answer(mrNo);
  button(*rocks, "SaveTabHorn")->click();
  EXPECT_EQ(dialogs.asked.back().text, MessageFormat(6, Language::Czech, {projects("DruhyHornin.txt")}));
  EXPECT_EQ(bytesOf(projects("DruhyHornin.txt")), "old");

  dialogs.answerFile(projects("DruhyHornin.txt") + "/x.txt");
  button(*rocks, "SaveTabHorn")->click();
  EXPECT_EQ(dialogs.asked.back().text,
            msg(27) + "x.txt\r\n\r\n" + projects("DruhyHornin.txt") + " není složka, ale soubor.");
}

TEST_F(RockTypes, TheOfferSurvivesTheRunThroughTheSettings) {
  main->rockTypesAction->trigger();
  memo(*rocks)->setPlainText(u"Jílovec\nPískovec"_s);
  dialogs.answerFile(std::nullopt);  // the offer's save dialog is cancelled
  button(*rocks, "BBSaveNabidky")->click();
  main->close();  // writes the main window's settings
  EXPECT_EQ(settings->readInteger("--  Horniny  --", "Celkem druhů hornin", 0), 2);
  EXPECT_EQ(settings->readString("--  Horniny  --", "Hornina 2", ""), "Pískovec");

  restart();
  EXPECT_EQ(main->project().rockTypes, (std::vector<std::string>{"Jílovec", "Pískovec"}));
  EXPECT_EQ(memo(*rocks)->toPlainText(), u"Jílovec\nPískovec"_s);

  // A stored count of 0 leaves the offer as designed (empty).
  settings->writeInteger("--  Horniny  --", "Celkem druhů hornin", 0);
  restart();
  EXPECT_TRUE(main->project().rockTypes.empty());
}

}  // namespace
