// Saving and opening project files through the main window's commands.
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "FilesFixture.h"
#include "persistence/TextLines.h"

// Named, so that the fixture name of the tests hides the class ProjectFiles.
namespace project_files_test {
namespace {

using ProjectFiles = FilesTest;

TEST_F(ProjectFiles, OpeningTheExampleFillsTheInputAreaAndReadsEveryHistogram) {
  QSignalSpy fileState(&main->model(), &ProjectModel::fileStateChanged);
  openProject(projects("Chodba_K12.hor"));
  EXPECT_GE(fileState.count(), 1);
  for (const auto& a : dialogs.asked) ADD_FAILURE() << "unexpected dialog: " << a.text;
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].initialFolder, services->folders.ProjectsFolder);
  EXPECT_EQ(dialogs.fileDialogs[0].defaultExtension, "hor");
  EXPECT_EQ(dialogs.fileDialogs[0].filter, "Distributions Files (*.hor)|*.hor|All files (*.*)|*.*");
  EXPECT_EQ(dialogs.fileDialogs[0].fileName, "");

  EXPECT_EQ(edit("EdNazevVys"), u"Chodba K12    ( Version  1.5.6.5  /  2.5.2024 )"_s);
  EXPECT_EQ(cell("StrGrHorn", 1, 1), u"Jílovec"_s);
  EXPECT_EQ(cell("StrGrHorn", 3, 2), u"Piskovec_pevnost.dis"_s);
  EXPECT_EQ(cell("StrGrHorn", 2, 3), u"2.0"_s);
  EXPECT_EQ(cell("StringGridDD", 1, 1), u"Sirka_chodby.dis"_s);
  EXPECT_EQ(cell("StringGridAlfa", 1, 1), u"K_konvergence.dis"_s);
  EXPECT_EQ(cell("StringGridPS", 1, 1), u"SigmaR_ocel.dis"_s);
  EXPECT_EQ(edit("EdH"), u"900"_s);
  EXPECT_EQ(edit("EdPK"), u"3"_s);
  EXPECT_FALSE(edit("EdB_H").isEmpty());
  const ProjectState& p = main->project();
  EXPECT_EQ(p.nextLayerRow, 4);
  EXPECT_EQ(binCount(p.layers[2].histogram), 30);
  EXPECT_EQ(binCount(p.sigmaR.histogram), 32);
  EXPECT_DOUBLE_EQ(p.bStar, 5.5);
  EXPECT_EQ(cell("StrGrHorn", 1, 3), u"6"_s);  // m1 = 2B* - (2 + 3), computed again
  EXPECT_EQ(edit("EdBeta"), u"0.9"_s);
  EXPECT_FALSE(p.combinedSupport);
  EXPECT_TRUE(action("SaveTabHorn1")->isEnabled());
  EXPECT_EQ(main->currentProjectFile(), projects("Chodba_K12.hor"));
}

TEST_F(ProjectFiles, SavedProjectReadsBackToTheSameInputs) {
  openProject(projects("Chodba_K12_kombinovana.hor"));
  main->model().rmrTables().tables[0].cell(1, 1) = "2/  75% - 90%";
  main->model().rmrTables().tables[0].cell(1, 2) = "17";
  main->model().rmrTables().rockClass = "III";
  dialogs.answerFile(projects("Kopie.hor"));
  QSignalSpy fileState(&main->model(), &ProjectModel::fileStateChanged);
  main->files().saveProject();
  EXPECT_GE(fileState.count(), 1);
  for (const auto& a : dialogs.asked) ADD_FAILURE() << "unexpected dialog: " << a.text;
  EXPECT_EQ(dialogs.fileDialogs.back().fileName, "Chodba K12 kombinovana");
  EXPECT_EQ(main->currentProjectFile(), projects("Kopie.hor"));

  auto expected = decodeTextLines(bytesOf(projects("Chodba_K12_kombinovana.hor")));
  const auto saved = decodeTextLines(bytesOf(projects("Kopie.hor")));
  ASSERT_EQ(saved.size(), expected.size());
  expected[2] = saved[2];                  // today's date
  expected[3] = "Chodba K12 kombinovana";  // the version suffix is cut again
  expected[31] = "2/  75% - 90%";          // the RMR cells set above
  expected[32] = "17";
  expected[expected.size() - 2] = "III";
  EXPECT_EQ(saved, expected);

  const ProjectState before = main->project();
  const RmrTables rmrBefore = main->model().rmrTables();
  restart();
  openProject(projects("Kopie.hor"));
  const ProjectState& after = main->project();
  expectSameSlots(after, before);
  EXPECT_EQ(after.nextLayerRow, before.nextLayerRow);
  EXPECT_EQ(after.depthH, before.depthH);
  EXPECT_EQ(after.d1, before.d1);
  EXPECT_EQ(after.d2, before.d2);
  EXPECT_EQ(after.boltCount, before.boltCount);
  EXPECT_TRUE(after.combinedSupport);
  EXPECT_TRUE(get<QCheckBox>("ChBKombVyzt")->isChecked());
  EXPECT_EQ(main->model().rmrTables(), rmrBefore);
}

// A chosen name with dots of its own still gets the file type's extension, so the open dialogs list it.
TEST_F(ProjectFiles, ADottedNameGetsTheExtensionOfItsFileType) {
  openProject(projects("Chodba_K12.hor"));
  struct Case {
    void (::ProjectFiles::*save)();
    std::string typed, written;
  };
  for (const Case& c :
       {Case{&::ProjectFiles::saveProject, projects("Chodba 2.5m"), projects("Chodba 2.5m.hor")},
        Case{&::ProjectFiles::saveResults, results("Chodba 2.5m"), results("Chodba 2.5m.Vys")},
        Case{&::ProjectFiles::saveProject, projects("Kopie.HOR"), projects("Kopie.HOR")}}) {
    dialogs.answerFile(c.typed);
    (main->files().*c.save)();
    EXPECT_TRUE(std::filesystem::exists(c.written)) << c.typed;
  }
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(main->currentProjectFile(), projects("Kopie.HOR"));
}

TEST_F(ProjectFiles, ChecksThatRefuseASaveRunBeforeAnythingIsWritten) {
  // No layer: message 24 and no dialog at all.
  main->files().saveProject();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, "C h y b a");
  EXPECT_EQ(dialogs.asked[0].text, msg(24));
  EXPECT_TRUE(dialogs.fileDialogs.empty());

  // No K: message 31 after the file choice; an existing file keeps its content and no histogram
  // question is asked.
  openProject(projects("Chodba_K12.hor"));
  main->project().k.name.clear();
  main->project().gamma.name = "Vytvořen ( \"Histogram\" )";
  const std::string target = projects("Chodba_K12_kombinovana.hor");
  const std::string old = bytesOf(target);
  dialogs.asked.clear();
  dialogs.answerFile(target);
  dialogs.answer(mrYes);  // overwrite
  main->files().saveProject();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[0].text, MessageFormat(25, Language::Czech, {target}));
  EXPECT_EQ(dialogs.asked[1].text, msg(31));
  EXPECT_EQ(bytesOf(target), old);

  // Combined support without q: message 32; nothing is created.
  main->project().k.name = "K_konvergence.dis";
  main->project().combinedSupport = true;
  main->project().q.name.clear();
  dialogs.asked.clear();
  dialogs.answerFile(projects("Novy.hor"));
  main->files().saveProject();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(32));
  EXPECT_FALSE(std::filesystem::exists(projects("Novy.hor")));
}

TEST_F(ProjectFiles, AFailedSaveReportsMessage27AndLeavesTheOldFileIntact) {
  openProject(projects("Chodba_K12.hor"));
  dialogs.asked.clear();
  // A folder that cannot exist: its parent is a regular file.
  const std::string blocked = projects("Chodba_K12.hor") + "/Novy.hor";
  dialogs.answerFile(blocked);
  main->files().saveProject();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(27) + blocked);

  // The target cannot be replaced (a folder stands there): message 27 at the end, the folder and
  // everything beside it untouched, no temporary file left behind.
  const std::string folder = projects("Slozka.hor");
  std::filesystem::create_directories(folder + "/inside");
  dialogs.asked.clear();
  dialogs.answerFile(folder);
  dialogs.answer(mrYes);
  main->files().saveProject();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].text, msg(27) + folder + "\r\n\r\nCíl je složka, ne soubor.");
  EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
  for (const auto& e : std::filesystem::directory_iterator(services->folders.ProjectsFolder))
    EXPECT_NE(e.path().filename().string().rfind(".vt", 0), 0u) << e.path();
}

TEST_F(ProjectFiles, HistogramsMadeInMemoryAreOfferedForSavingOrLeaveTheProject) {
  openProject(projects("Chodba_K12.hor"));
  ProjectState& p = main->project();
  p.layers[1].name = "Vytvořen ( \"Prvotmí data\" )";
  p.k.name = "Vytvořen ( \"Parametrické rozdělení\" )";
  p.gamma.name = "Vytvořen ( \"Histogram\" )";
  main->model().inputsReplaced();
  dialogs.asked.clear();
  dialogs.answerFile(projects("Pamet.hor"));
  dialogs.answer(mrNo);   // layer 2: not saved
  dialogs.answer(mrYes);  // K: saved
  dialogs.answerFile(services->folders.HistogramsFolder + "/K_novy.dis");
  dialogs.answer(mrNo);  // gamma: leaves the project
  main->files().saveProject();
  ASSERT_EQ(dialogs.asked.size(), 3u);
  EXPECT_EQ(dialogs.asked[0].text,
            MessageFormat(28, Language::Czech, {"       2", "Vytvořen ( \"Prvotmí data\" )"}));
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Error);
  EXPECT_EQ(dialogs.asked[1].text,
            MessageFormat(22, Language::Czech, {msg(157), "Vytvořen ( \"Parametrické rozdělení\" )"}));
  EXPECT_EQ(dialogs.asked[2].text,
            MessageFormat(22, Language::Czech, {msg(161), "Vytvořen ( \"Histogram\" )"}));

  const auto lines = decodeTextLines(bytesOf(projects("Pamet.hor")));
  EXPECT_EQ(lines[9], "Prachovec");  // row 2: rock type kept, name and thickness empty
  EXPECT_EQ(lines[10], "");
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[22], "K_novy.dis");
  EXPECT_EQ(lines[26], "");  // gamma left the project
  EXPECT_TRUE(std::filesystem::exists(services->folders.HistogramsFolder + "/K_novy.dis"));
  EXPECT_EQ(cell("StringGridAlfa", 1, 1), u"K_novy.dis"_s);
  EXPECT_EQ(cell("StringGridOHH", 1, 1), u""_s);
}

TEST_F(ProjectFiles, ADamagedProjectIsRefusedAndTheOpenProjectStaysAsItWas) {
  openProject(projects("Chodba_K12.hor"));
  main->model().rmrTables().tables[0].cell(1, 2) = "20";
  const ProjectState before = main->project();
  const RmrTables rmrBefore = main->model().rmrTables();
  std::string damaged = bytesOf(projects("Chodba_K12.hor"));
  damaged.replace(damaged.find("\r\n4\r\n"), 5, "\r\nx\r\n");
  put(projects("Poskozeny.hor"), damaged);
  put(projects("Kratky.hor"), bytesOf(projects("Chodba_K12.hor")).substr(0, 200));
  for (const char* name : {"Poskozeny.hor", "Kratky.hor", "Chybi.hor"}) {
    dialogs.asked.clear();
    dialogs.answer(mrNo);  // the RMR cell set above was never saved: go on without saving
    openProject(projects(name));
    ASSERT_EQ(dialogs.asked.size(), 2u) << name;
    EXPECT_EQ(dialogs.asked[1].caption, "C h y b a");
    if (std::string(name) == "Chybi.hor")
      EXPECT_EQ(dialogs.asked[1].text, msg(34));
    else
      EXPECT_NE(dialogs.asked[1].text.find("Soubor je poškozený"), std::string::npos)
          << dialogs.asked[1].text;
    EXPECT_EQ(main->project().k.name, before.k.name);
    EXPECT_EQ(main->project().layers[0].histogram, before.layers[0].histogram);
    EXPECT_EQ(main->project().resultsName, before.resultsName);
    EXPECT_EQ(main->model().rmrTables(), rmrBefore);
    EXPECT_EQ(main->currentProjectFile(), projects("Chodba_K12.hor"));
  }
  // Cancelling the dialog changes nothing either.
  dialogs.answer(mrNo);
  dialogs.answerFile(std::nullopt);
  main->openProjectAction->trigger();
  EXPECT_EQ(main->model().rmrTables(), rmrBefore);
}

TEST_F(ProjectFiles, AMissingHistogramIsReportedByTheReaderAndTheOthersAreRead) {
  std::string bytes = bytesOf(projects("Chodba_K12.hor"));
  bytes.replace(bytes.find("Kn_soucinitel.dis"), 17, "Kn_chybi.dis");
  put(projects("Chybi_Kn.hor"), bytes);
  openProject(projects("Chybi_Kn.hor"));
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_NE(dialogs.asked[0].text.find("Kn_chybi.dis"), std::string::npos);
  EXPECT_EQ(cell("StringGridKn", 1, 1), u"Kn_chybi.dis"_s);
  EXPECT_EQ(binCount(main->project().kn.histogram), 0);
  EXPECT_EQ(binCount(main->project().gamma.histogram), 20);
}

TEST_F(ProjectFiles, AnOlderProjectWithoutRmrSectionLeavesSavingAsItWas) {
  std::filesystem::copy_file(std::string(TEST_DATA_DIR) + "/projects/level16.hor", projects("Stary.hor"));
  openProject(projects("Stary.hor"));
  EXPECT_EQ(edit("EdNazevVys"), u"Chodba 16    ( Version  1.0.16  /  7.8.2003 )"_s);
  EXPECT_FALSE(action("SaveTabHorn1")->isEnabled());
}

// A typed input of a project file that is out of its field's domain gets the field's message when the
// file is opened (naming the file) and again before the chain computes with it, not "min = max"
// later; a physically absurd value is warned about; a decimal comma reads as the point.
TEST_F(ProjectFiles, TypedInputsAreCheckedWhenOpenedAndBeforeTheChain) {
  struct Case {
    const char* depth;
    int openTitle;  // 3 refused, 4 warned, 0 nothing
    std::string openPart;
    bool chainRuns;
  };
  const Case cases[] = {
      {"devetset", 3, msg(145) + "devetset )\r\n\r\nSoubor :  ", false},
      {"1E9", 3, "( 1E9 )\r\n\r\n0 < H <= 100000 m\r\n\r\nSoubor :  ", false},
      {"-900", 3, msg(145) + "-900 )", false},
      {"6000", 4, "\"H\" = 6000 m je neobvykle velká", true},
      {"900,5", 0, "", true},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string bytes = bytesOf(projects("Chodba_K12.hor"));
    bytes.replace(bytes.find("\r\n900\r\n"), 7, "\r\n" + std::string(c.depth) + "\r\n");
    const std::string file = projects("H" + std::to_string(++n) + ".hor");
    put(file, bytes);
    restart();  // nothing unsaved from the case before
    dialogs.asked.clear();
    openProject(file);
    if (c.openTitle == 0) {
      EXPECT_TRUE(dialogs.asked.empty()) << c.depth;
    } else {
      ASSERT_EQ(dialogs.asked.size(), 1u) << c.depth;
      EXPECT_EQ(dialogs.asked[0].caption, msg(c.openTitle)) << c.depth;
      EXPECT_NE(dialogs.asked[0].text.find(c.openPart), std::string::npos) << dialogs.asked[0].text;
      EXPECT_NE(dialogs.asked[0].text.find(file), std::string::npos) << dialogs.asked[0].text;
    }
    EXPECT_EQ(edit("EdH"), QString::fromUtf8(c.depth));  // the text stays as stored

    dialogs.asked.clear();
    for (const char* step : {"BBRedPev", "BBDelSvor"})
      QTest::mouseClick(get<QPushButton>(step), Qt::LeftButton);
    if (c.chainRuns) {
      EXPECT_TRUE(dialogs.asked.empty()) << c.depth << ": " << dialogs.asked[0].text;
      EXPECT_TRUE(main->project().boltLengthDone) << c.depth;
    } else {
      ASSERT_EQ(dialogs.asked.size(), 1u) << c.depth;
      EXPECT_TRUE(dialogs.asked[0].text.starts_with(msg(145))) << dialogs.asked[0].text;
      EXPECT_FALSE(main->project().boltLengthDone) << c.depth;
    }
  }
  // A thickness that is no number is reported once, naming the file (not again as Beta's report).
  std::string bytes = bytesOf(projects("Chodba_K12.hor"));
  bytes.replace(bytes.find("\r\n2.0\r\n"), 7, "\r\n2,0x\r\n");
  put(projects("M.hor"), bytes);
  restart();
  dialogs.asked.clear();
  openProject(projects("M.hor"));
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_TRUE(dialogs.asked[0].text.starts_with(msg(149))) << dialogs.asked[0].text;
  EXPECT_NE(dialogs.asked[0].text.find("( 2,0x )"), std::string::npos);
  EXPECT_NE(dialogs.asked[0].text.find(projects("M.hor")), std::string::npos);
}

}  // namespace

TEST_F(ProjectFiles, HistogramNamesLeadingOutOfTheFolderAreReadAndShownWhereTheyLead) {
  // K one folder up, Kn by an absolute path: both are read and the cells show the paths.
  const std::string h = services->folders.HistogramsFolder;
  const std::string up = std::filesystem::path(h).parent_path().string();
  std::filesystem::copy_file(h + "/K_konvergence.dis", up + "/K_venku.dis");
  std::filesystem::create_directories(up + "/jinde");
  std::filesystem::copy_file(h + "/Kn_soucinitel.dis", up + "/jinde/Kn.dis");
  std::string text = bytesOf(projects("Chodba_K12.hor"));
  text.replace(text.find("K_konvergence.dis"), 17, "../K_venku.dis");
  text.replace(text.find("Kn_soucinitel.dis"), 17, up + "/jinde/Kn.dis");
  put(projects("Venku.hor"), text);
  dialogs.asked.clear();
  openProject(projects("Venku.hor"));
  EXPECT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
  EXPECT_EQ(main->project().k.name, "../K_venku.dis");  // the file keeps the name as written
  EXPECT_EQ(cell("StringGridAlfa", 1, 1), QString::fromStdString(up + "/K_venku.dis"));
  EXPECT_EQ(cell("StringGridKn", 1, 1), QString::fromStdString(up + "/jinde/Kn.dis"));
  EXPECT_NE(main->project().k.histogram, Histogram{});
  EXPECT_NE(main->project().kn.histogram, Histogram{});
  EXPECT_EQ(cell("StringGridOHH", 1, 1), u"Gamma_hornin.dis"_s);
  // A picture for a look by eye when VELTRA_SCREENSHOTS names a folder.
  if (const char* folder = std::getenv("VELTRA_SCREENSHOTS")) {
    main->resize(1400, 900);
    main->show();
    QApplication::processEvents();
    EXPECT_TRUE(main->grab().save(QString::fromUtf8(folder) + u"/main_names_outside_folder.png"_s));
  }
}

TEST_F(ProjectFiles, AFolderOrAPipeChosenAsAProjectIsNamedForWhatItIs) {
  const std::string pipe = projects("Roura.hor");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {services->folders.ProjectsFolder, pipe}) {
    dialogs.asked.clear();
    openProject(path);
    ASSERT_EQ(dialogs.asked.size(), 1u) << path;
    EXPECT_NE(dialogs.asked[0].text.find(path), std::string::npos) << dialogs.asked[0].text;
    EXPECT_NE(dialogs.asked[0].text.find(path == pipe ? "pojmenovaná roura" : "složka"), std::string::npos)
        << dialogs.asked[0].text;
  }
}

}  // namespace project_files_test
