// Letters Windows-1250 cannot hold, unsaved work and failed settings writes, driven through the windows.

#include <QPlainTextEdit>

#include "FilesFixture.h"
#include "persistence/ProjectFile.h"
#include "persistence/TextLines.h"
#include "ui/HistogramSaveCommand.h"
#include "ui/RuntimeTexts.h"

namespace {

class UnsavedWork : public FilesTest {};

TEST_F(UnsavedWork, LettersWindows1250CannotHoldAreNamedAndNoKeepsTheOldFile) {
  openProject(projects("Chodba_K12.hor"));
  main->project().layers[0].rockType = "Granit α中";
  const std::string target = projects("Chodba_K12.hor");
  const std::string old = bytesOf(target);
  dialogs.asked.clear();
  dialogs.answerFile(target);
  dialogs.answer(mrYes);  // overwrite
  dialogs.answer(mrNo);   // but not with the letters lost
  main->files().saveProject();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  const auto& warning = dialogs.asked[1];
  EXPECT_EQ(warning.caption, msg(4));
  EXPECT_EQ(warning.kind, DlgKind::Warning);
  EXPECT_EQ(warning.defaultButton, mrNo);
  EXPECT_NE(warning.text.find("\"Granit α中\"   :   α 中"), std::string::npos) << warning.text;
  EXPECT_EQ(bytesOf(target), old);

  dialogs.asked.clear();
  dialogs.answerFile(target);
  dialogs.answer(mrYes);
  dialogs.answer(mrYes);  // written with "?" as asked
  main->files().saveProject();
  EXPECT_EQ(decodeTextLines(bytesOf(target))[6], "Granit ??");
}

TEST_F(UnsavedWork, HistogramAndRockTypeSavesAskTheSameWay) {
  // A histogram under a name Windows-1250 cannot hold: No writes nothing.
  Histogram h;
  h.count = 2, h.min = 1, h.max = 2, h.step = 1, h.range = 2, h.total = 2, h.p[0] = h.p[1] = 0.5;
  const std::string name = services->folders.HistogramsFolder + "/Šířka α.dis";
  dialogs.answerFile(name);
  dialogs.answer(mrNo);
  EXPECT_FALSE(SaveHistogramCommand(*services, h));
  EXPECT_FALSE(std::filesystem::exists(name));
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_NE(dialogs.asked[0].text.find("\"Identification=Šířka α.dis\"   :   α"), std::string::npos);

  // The rock type list: the text of the line and its letters.
  const std::string list = services->folders.VeltraFolder + "/Druhy.txt";
  put(list, "1\r\nP\xEDskovec\r\n");
  rocks->findChild<QPlainTextEdit*>(u"Memo1"_s)->setPlainText(u"Pískovec\nGranit α中"_s);
  main->model().rockTypeCount() = 2;
  dialogs.asked.clear();
  dialogs.answerFile(list);
  dialogs.answer(mrYes);  // overwrite
  dialogs.answer(mrNo);
  rocks->SaveTabHornClick();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_NE(dialogs.asked[1].text.find("\"Granit α中\"   :   α 中"), std::string::npos);
  EXPECT_EQ(bytesOf(list), "1\r\nP\xEDskovec\r\n");
}

TEST_F(UnsavedWork, SettingsAskOncePerTextAndAFailedWriteIsToldOnce) {
  dialogs.answer(mrNo);
  services->settings.writeString("--  Horniny  --", "Hornina 1", "Granit α中");
  services->settings.writeString("--  Horniny  --", "Hornina 1", "Granit α中");  // answered already
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_NE(dialogs.asked[0].text.find("Hornina 1=Granit α中"), std::string::npos);
  EXPECT_EQ(services->settings.readString("--  Horniny  --", "Hornina 1", "none"), "none");

  // Writes that cannot reach the disk: one warning for the run, naming the file.
  const std::string blocked = projects("Chodba_K12.hor") + "/Veltra.INI";
  SettingsFile unwritable(blocked);
  services->settings.writeFailed.swap(unwritable.writeFailed);
  dialogs.asked.clear();
  unwritable.writeInteger("--  Setting  --", "DateSeparator", 47);
  unwritable.writeBool("--  Nastaveni  --", "Form1 Jazyk - anglictina", true);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Warning);
  EXPECT_NE(dialogs.asked[0].text.find(blocked), std::string::npos);
}

TEST_F(UnsavedWork, NewOpenAndExitAskFirstAndCancelStops) {
  // Nothing changed since the start: no question.
  main->newProjectAction->trigger();
  EXPECT_TRUE(dialogs.asked.empty());
  openProject(projects("Chodba_K12.hor"));
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_FALSE(main->files().workUnsaved());

  main->project().depthH = "950";
  ASSERT_TRUE(main->files().workUnsaved());
  // Cancel: the project stays as it is.
  dialogs.answer(mrCancel);
  main->newProjectAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].buttons, DlgButtons::YesNoCancel);
  EXPECT_EQ(dialogs.asked[0].caption, msg(1));
  EXPECT_EQ(main->project().depthH, "950");
  // Cancel before the program's own exit question: it is not asked.
  dialogs.asked.clear();
  dialogs.answer(mrCancel);
  main->exitAction->trigger();
  EXPECT_EQ(dialogs.asked.size(), 1u);
  EXPECT_FALSE(asked(10));
  // Yes saves the project first (its save dialog), then the open goes on.
  dialogs.asked.clear();
  dialogs.answer(mrYes);
  dialogs.answerFile(projects("Ulozeny.hor"));
  dialogs.answerFile(projects("Chodba_K12_kombinovana.hor"));
  main->openProjectAction->trigger();
  Refusal err;
  const auto saved = parseProjectFile(bytesOf(projects("Ulozeny.hor")), err);
  ASSERT_TRUE(saved) << err.text(Language::English);
  EXPECT_EQ(saved->depthH, "950");
  EXPECT_TRUE(main->project().combinedSupport);
  EXPECT_FALSE(main->files().workUnsaved());
  // No: the exit question of its own follows ours.
  main->project().d1 = "25";
  dialogs.asked.clear();
  dialogs.answer(mrNo);
  dialogs.answer(mrNo);
  main->exitAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].text, msg(10));
  EXPECT_TRUE(main->isEnabled());
}

TEST_F(UnsavedWork, CloseBoxAsksAboutUnsavedWorkAndCancelKeepsRunning) {
  int ended = 0;
  main->endProgram = [&ended] { ++ended; };
  main->show();
  openProject(projects("Chodba_K12.hor"));
  main->project().depthH = "950";
  ASSERT_TRUE(main->files().workUnsaved());

  // Cancel, and Yes with its save dialog cancelled: the program runs on with the typed inputs.
  dialogs.answer(mrCancel);
  dialogs.answer(mrYes);
  dialogs.answerFile(std::nullopt);
  EXPECT_FALSE(main->close());
  EXPECT_FALSE(main->close());
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[0].caption, msg(1));
  EXPECT_EQ(dialogs.asked[0].buttons, DlgButtons::YesNoCancel);
  EXPECT_FALSE(asked(10));  // the close box has no exit question of its own
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(ended, 0);
  EXPECT_EQ(main->project().depthH, "950");

  // No: the program ends without saving.
  dialogs.asked.clear();
  dialogs.answer(mrNo);
  EXPECT_TRUE(main->close());
  EXPECT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(ended, 1);

  // The exit command asks once; its own close does not ask again.
  main->show();
  dialogs.asked.clear();
  dialogs.answer(mrNo);
  dialogs.answer(mrYes);
  main->exitAction->trigger();
  EXPECT_EQ(dialogs.asked.size(), 2u);
  EXPECT_FALSE(main->isVisible());
  EXPECT_EQ(ended, 2);
}

TEST_F(UnsavedWork, ComputedResultsNotSavedAreUnsavedWorkUntilTheResultsFileIsWritten) {
  openProject(projects("Chodba_K12.hor"));
  main->project().reducedStrengthDone = true;
  main->project().reducedStrength = main->project().layers[0].histogram;
  EXPECT_TRUE(main->files().workUnsaved());
  main->findChild<QAction*>(u"SaveVysl1"_s)->setEnabled(true);
  dialogs.answer(mrYes);
  dialogs.answerFile(results("Vysledky.Vys"));
  main->newProjectAction->trigger();
  EXPECT_TRUE(std::filesystem::exists(results("Vysledky.Vys")));
  EXPECT_FALSE(main->project().reducedStrengthDone);  // the new project followed the save
}

TEST_F(UnsavedWork, OpenResultsAsksTheSameQuestionBeforeReplacingTheProject) {
  const std::string stored = results("Chodba_K12.Vys");
  std::filesystem::copy_file(std::string(EXAMPLES_DIR) + "/Veltra/Results/Chodba_K12.Vys", stored);
  openProject(projects("Chodba_K12.hor"));
  main->project().depthH = "950";
  ASSERT_TRUE(main->files().workUnsaved());
  QAction* openResults = action("OpenVysl1");
  ASSERT_TRUE(openResults);

  // Cancel: no file dialog, the typed input stays.
  const size_t fileDialogs = dialogs.fileDialogs.size();
  dialogs.answer(mrCancel);
  openResults->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, runtimeText(RuntimeText::UnsavedWork, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].buttons, DlgButtons::YesNoCancel);
  EXPECT_EQ(dialogs.fileDialogs.size(), fileDialogs);
  EXPECT_EQ(main->project().depthH, "950");

  // No: the results replace the project and count as saved.
  dialogs.asked.clear();
  dialogs.answer(mrNo);
  dialogs.answerFile(stored);
  openResults->trigger();
  ASSERT_FALSE(dialogs.asked.empty());
  EXPECT_EQ(dialogs.asked[0].text, runtimeText(RuntimeText::UnsavedWork, Language::Czech));
  EXPECT_NE(main->project().depthH, "950");
  EXPECT_TRUE(main->project().assessmentDone);
  EXPECT_FALSE(main->files().workUnsaved());
}

}  // namespace
