// veltra FILE...: the files named on the command line open as the menu commands open them; the
// program's own files are found both in the build tree and in an installation.
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "FilesFixture.h"
#include "histogram/HistogramFile.h"
#include "io/FileRead.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "shell/Refusal.h"
#include "ui/CommandLineFiles.h"
#include "ui/ProgramData.h"
#include "ui/RuntimeTexts.h"
#include "ui/Startup.h"

namespace fs = std::filesystem;

namespace {

class CommandLine : public FilesTest {
 protected:
  void open(std::vector<std::string> files) { openCommandLineFiles(*services, files); }
  static std::string example(const char* rel) { return std::string(EXAMPLES_DIR) + "/Veltra/" + rel; }
  void expectNoDialogs() const {
    for (const auto& a : dialogs.asked) ADD_FAILURE() << "unexpected dialog: " << a.text;
    EXPECT_TRUE(dialogs.fileDialogs.empty());
  }
};

TEST_F(CommandLine, AProjectOpensAsTheOpenCommandOpensItWithoutItsDialog) {
  open({projects("Chodba_K12.hor")});
  expectNoDialogs();
  EXPECT_EQ(main->currentProjectFile(), projects("Chodba_K12.hor"));
  EXPECT_EQ(edit("EdNazevVys"), u"Chodba K12    ( Version  1.5.6.5  /  2.5.2024 )"_s);
  EXPECT_EQ(cell("StringGridDD", 1, 1), u"Sirka_chodby.dis"_s);
  EXPECT_EQ(binCount(main->project().sigmaR.histogram), 32);
  EXPECT_EQ(edit("EdBeta"), u"0.9"_s);
  EXPECT_FALSE(main->files().workUnsaved());
  // The open command itself still asks for its file afterwards.
  dialogs.answerFile(std::nullopt);
  main->openProjectAction->trigger();
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
}

TEST_F(CommandLine, AResultsFileOpensAndItsAssessmentIsShown) {
  open({example("Results/Chodba_K12.Vys")});
  expectNoDialogs();
  EXPECT_TRUE(main->project().assessmentDone);
  EXPECT_EQ(chart->source(), kSrcReliability);
  EXPECT_TRUE(chart->isVisible());
  EXPECT_TRUE(action("SaveVysl1")->isEnabled());
}

TEST_F(CommandLine, AHistogramIsShownInTheChartWindowUnderItsFileName) {
  const ProjectState before = main->project();
  const std::string file = services->folders.HistogramsFolder + "/K_konvergence.dis";
  open({file});
  expectNoDialogs();
  Refusal error;
  const auto expected = ReadHistogramFile(file, error);
  ASSERT_TRUE(expected);
  EXPECT_EQ(chart->source(), kSrcHistogramFile);
  EXPECT_EQ(chart->histogram(), *expected);
  EXPECT_TRUE(chart->isVisible());
  EXPECT_EQ(chart->titleLines()[0], "K_konvergence.dis");
  EXPECT_EQ(chart->windowTitle(), u"   VELTRA :   graf histogramu : K_konvergence.dis"_s);
  // Already a file: nothing to save; the project is not touched.
  EXPECT_FALSE(chart->findChild<QPushButton*>(u"SaveGraf"_s)->isEnabled());
  EXPECT_EQ(main->project(), before);
  main->englishItem->trigger();
  EXPECT_EQ(chart->windowTitle(), u"   VELTRA :   histogram chart : K_konvergence.dis"_s);
}

TEST_F(CommandLine, TheProjectOrResultsFileOpensFirstThenTheHistograms) {
  // Opening results shows their assessment in the chart window; the histogram named before them
  // must still be what the chart shows at the end.
  open({services->folders.HistogramsFolder + "/Sirka_chodby.dis", example("Results/Chodba_K12.Vys")});
  expectNoDialogs();
  EXPECT_TRUE(main->project().assessmentDone);
  EXPECT_EQ(chart->source(), kSrcHistogramFile);
  EXPECT_EQ(chart->titleLines()[0], "Sirka_chodby.dis");
}

TEST_F(CommandLine, UnsavedWorkIsAskedAboutAsByTheOpenCommand) {
  open({projects("Chodba_K12.hor")});
  main->project().depthH = "950";
  dialogs.answer(mrCancel);
  open({projects("Chodba_K12_kombinovana.hor")});
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, runtimeText(RuntimeText::UnsavedWork, Language::Czech));
  EXPECT_EQ(main->project().depthH, "950");
  EXPECT_FALSE(main->project().combinedSupport);
  EXPECT_EQ(main->currentProjectFile(), projects("Chodba_K12.hor"));
}

TEST_F(CommandLine, AFileThatCannotBeOpenedGetsItsMessageAndNothingIsLoaded) {
  const std::string dir = tmp.path().toStdString();
  auto projectRefusal = [](const std::string& bytes) {
    Refusal e;
    EXPECT_FALSE(parseProjectFile(bytes, e));
    return e.text(Language::Czech);
  };
  auto resultsRefusal = [](const std::string& bytes) {
    Refusal e;
    EXPECT_FALSE(parseResultsFile(bytes, e));
    return e.text(Language::Czech);
  };
  auto histogramRefusal = [](const std::string& path) {
    Refusal e;
    EXPECT_FALSE(ReadHistogramFile(path, e));
    return e.text(Language::Czech);
  };
  const std::string badProject = "Chodba\r\nSirka_chodby.dis\r\nmnoho\r\n";
  const std::string badResults = std::string("\x06\x09POPIS DAT\x06\x07", 13);
  const std::string badHistogram = "[Description]\r\nType=Discrete\r\n[Parameters]\r\nMin=1\r\n";
  struct Case {
    std::string name;
    std::optional<std::string> bytes;  // nullopt: no such file
    std::string message;
  };
  const Case cases[] = {
      {"poskozeny.hor", badProject, projectRefusal(badProject)},
      {"chybi.hor", std::nullopt, msg(34)},
      {"slozka.hor", "<folder>",
       FileRefusal{FileRefusal::Why::Folder, dir + "/slozka.hor"}.text(Language::Czech)},
      {"poskozene.Vys", badResults, resultsRefusal(badResults)},
      {"chybi.VYS", std::nullopt, msg(34)},
      {"poskozeny.dis", badHistogram, {}},
      {"chybi.dis", std::nullopt, {}},
      {"poznamky.txt", "text",
       runtimeTextFormat(RuntimeText::UnknownFileType, Language::Czech, {dir + "/poznamky.txt"})},
  };
  const ProjectState before = main->project();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir + "/" + c.name;
    if (c.bytes == "<folder>")
      fs::create_directory(path);
    else if (c.bytes)
      put(path, *c.bytes);
    const std::string message = c.message.empty() ? histogramRefusal(path) : c.message;
    dialogs.asked.clear();
    open({path});
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, message);
    EXPECT_EQ(dialogs.asked[0].caption, msg(3));
    EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Error);
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_EQ(main->project(), before);
    EXPECT_TRUE(main->currentProjectFile().empty());
    EXPECT_FALSE(main->files().workUnsaved());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(chart->isVisible());
    EXPECT_EQ(chart->source(), 0);
  }
  // A good file after the bad ones opens as always.
  dialogs.asked.clear();
  open({dir + "/chybi.dis", projects("Chodba_K12.hor")});
  EXPECT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(main->currentProjectFile(), projects("Chodba_K12.hor"));
}

// The main window with the example project (for the desktop's software catalogue) and the chart of a
// histogram file, for a look by eye:
// written only when VELTRA_SCREENSHOTS names a folder.
TEST_F(CommandLine, ScreenshotsOfTheExampleProjectAndAHistogramFile) {
  const char* folder = std::getenv("VELTRA_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  open({projects("Chodba_K12.hor")});
  main->resize(1100, 760);
  main->show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(main->grab().save(QString::fromUtf8(folder) + u"/main-window.png"_s));
  main->englishItem->trigger();
  // The window grows to the wider English minimum once the platform has resized it.
  QCoreApplication::processEvents();
  EXPECT_TRUE(QTest::qWaitFor([&] { return main->width() >= main->minimumSizeHint().width(); }, 2000));
  EXPECT_TRUE(main->grab().save(QString::fromUtf8(folder) + u"/main-window-en.png"_s));
  main->czechItem->trigger();
  open({services->folders.HistogramsFolder + "/Piskovec_pevnost.dis"});
  QCoreApplication::processEvents();
  EXPECT_TRUE(chart->grab().save(QString::fromUtf8(folder) + u"/chart-histogram-file.png"_s));
}

TEST(ProgramArgumentsTest, OptionsAndFileNames) {
  const std::string cwd = QDir::currentPath().toStdString();
  using A = ProgramArguments::Action;
  struct Case {
    QStringList args;
    A action;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {{}, A::Run, {}},
      {{u"a.hor"_s, u"/x/b.dis"_s}, A::Run, {cwd + "/a.hor", "/x/b.dis"}},
      {{u"file:///x/m%C3%A9%20n.Vys"_s}, A::Run, {"/x/mé n.Vys"}},
      {{u"--"_s, u"-a.hor"_s, u"--help"_s}, A::Run, {cwd + "/-a.hor", cwd + "/--help"}},
      {{u"-"_s}, A::Run, {cwd + "/-"}},
      {{u"--help"_s}, A::Help, {}},
      {{u"-h"_s}, A::Help, {}},
      {{u"--version"_s}, A::Version, {}},
      {{u"a.hor"_s, u"--bogus"_s, u"b.hor"_s}, A::Usage, {cwd + "/a.hor"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const ProgramArguments a = parseProgramArguments(c.args);
    EXPECT_EQ(a.action, c.action);
    EXPECT_EQ(a.files, c.files);
    if (c.action == A::Usage) {
      EXPECT_EQ(a.unknownOption, "--bogus");
    }
  }
}

TEST(ProgramDataTest, InstalledUnderAPrefixOrRunFromTheBuildTree) {
  QTemporaryDir tmp;
  const std::string root = tmp.path().toStdString();
  fs::create_directories(root + "/usr/bin");
  fs::create_directories(root + "/build");
  fs::create_directories(root + "/opt/bin");  // a bin folder without the program's data beside it
  fs::create_directories(root + "/usr/share/veltra");
  EXPECT_TRUE(programInstalled(root + "/usr/bin"));
  EXPECT_EQ(programDataFolder(root + "/usr/bin"), root + "/usr/share/veltra");
  for (const char* f : {"/build", "/opt/bin"}) {
    EXPECT_FALSE(programInstalled(root + f)) << f;
    EXPECT_EQ(programDataFolder(root + f), root + f);
  }
  // Settings: beside a writable build tree; never into an installation's bin folder, even a
  // writable one, but read from a file placed there until the first write.
  const std::string config = root + "/config";
  EXPECT_EQ(settingsFileLocation(root + "/build", config).path, root + "/build/Veltra.INI");
  SettingsLocation installed = settingsFileLocation(root + "/usr/bin", config);
  EXPECT_EQ(installed.path, config + "/Veltra.INI");
  EXPECT_TRUE(installed.seedPath.empty());
  EXPECT_TRUE(fs::is_directory(config));
  std::ofstream(root + "/usr/bin/Veltra.INI") << "[x]\n";
  installed = settingsFileLocation(root + "/usr/bin", config);
  EXPECT_EQ(installed.path, config + "/Veltra.INI");
  EXPECT_EQ(installed.seedPath, root + "/usr/bin/Veltra.INI");
}

}  // namespace
