// Saving and opening results files, and the command line's assessment of the same project.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "FilesFixture.h"
#include "shell/Dialogs.h"
#include "shell/NumberText.h"

using namespace Qt::StringLiterals;

namespace {

class ResultsFiles : public FilesTest {
 protected:
  // Opens the example project and runs the whole chain through the window's commands.
  void computeExample(const char* project = "Chodba_K12.hor") {
    openProject(projects(project));
    main->findChild<QAbstractButton*>(u"BBRedPev"_s)->click();
    main->findChild<QAbstractButton*>(u"BBDelSvor"_s)->click();
    main->findChild<QAbstractButton*>(u"BBZatSv"_s)->click();
    main->findChild<QAbstractButton*>(u"BBFunSpoj"_s)->click();
    for (const auto& a : dialogs.asked) ADD_FAILURE() << "unexpected dialog: " << a.text;
    ASSERT_TRUE(main->project().assessmentDone);
  }

  QString chartText(const char* name) const {
    if (auto* l = chart->findChild<QLabel*>(QString::fromUtf8(name))) return l->text();
    if (auto* e = chart->findChild<QLineEdit*>(QString::fromUtf8(name))) return e->text();
    ADD_FAILURE() << name;
    return {};
  }
};

void expectSameAssessment(const AssessmentResult& a, const AssessmentResult& b) {
  EXPECT_EQ(a.pf, b.pf);
  EXPECT_EQ(a.failureMass, b.failureMass);
  EXPECT_EQ(a.betaFKind, b.betaFKind);
  EXPECT_EQ(a.betaF, b.betaF);
  EXPECT_EQ(a.classIndex, b.classIndex);
  EXPECT_EQ(a.verdict, b.verdict);
  EXPECT_EQ(a.quantiles, b.quantiles);
}

TEST_F(ResultsFiles, SavedResultsReadBackToTheSameStateAndTheSameAssessment) {
  computeExample();
  const ProjectState before = main->project();
  const AssessmentResult shown = main->assessment();
  main->model().rmrTables().rockClass = "III";
  const RmrTables rmrBefore = main->model().rmrTables();
  dialogs.answerFile(results("Chodba_K12_vysledky.Vys"));
  main->files().saveResults();
  ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(dialogs.fileDialogs[1].fileName, "Chodba K12");
  EXPECT_EQ(dialogs.fileDialogs[1].initialFolder, services->folders.ResultsFolder);
  EXPECT_EQ(dialogs.fileDialogs[1].defaultExtension, "Vys");
  EXPECT_EQ(dialogs.fileDialogs[1].filter, "Distributions Files (*.Vys)|*.Vys|All files (*.*)|*.*");
  EXPECT_TRUE(dialogs.asked.empty());

  restart();
  dialogs.answerFile(results("Chodba_K12_vysledky.Vys"));
  main->openResultsAction->trigger();
  for (const auto& a : dialogs.asked) ADD_FAILURE() << "unexpected dialog: " << a.text;
  const ProjectState& after = main->project();
  EXPECT_EQ(edit("EdNazevVys"), u"Chodba K12 vysledky"_s);
  expectSameSlots(after, before);
  for (auto h : {&ProjectState::reducedStrength, &ProjectState::boltLength, &ProjectState::boltLoad,
                 &ProjectState::bearingCapacity, &ProjectState::reliabilityFunction})
    EXPECT_EQ(after.*h, before.*h);
  for (auto f :
       {&ProjectState::reducedStrengthDone, &ProjectState::boltLengthDone, &ProjectState::boltLoadDone,
        &ProjectState::bearingCapacityDone, &ProjectState::assessmentDone})
    EXPECT_TRUE(after.*f);
  EXPECT_EQ(after.bStar, before.bStar);
  EXPECT_EQ(after.betaValue, before.betaValue);
  EXPECT_EQ(edit("EdH"), u"900"_s);
  EXPECT_EQ(edit("EdPSds"), u"1000"_s);
  EXPECT_EQ(edit("EdBeta"), QString::fromStdString(before.beta));
  EXPECT_TRUE(get<QPushButton>("GrafFS")->isEnabled());
  EXPECT_TRUE(action("SaveVysl1")->isEnabled());
  EXPECT_TRUE(action("SaveTabHorn1")->isEnabled());
  EXPECT_EQ(main->model().rmrTables(), rmrBefore);
  expectSameAssessment(main->assessment(), shown);
  EXPECT_EQ(chartText("Uroven").toStdString(), shown.verdict);
}

// A results file does not say how its S was made: opened under another reading than the settings say,
// it is assessed again as it was made, and the panel names that reading.
TEST_F(ResultsFiles, OpenedResultsOfTheOtherReadingAreAssessedAsMadeAndNamed) {
  computeExample();
  const double uniformPf = main->assessment().pf;
  dialogs.answerFile(results("uniform.Vys"));
  main->files().saveResults();
  const std::string legacy = std::string(TEST_DATA_DIR) + "/results/Chodba_K12_centres.Vys";
  const QString uniform = u"Intervaly vstupů čteny jako rozložené po své šířce"_s;
  const QString centres = u"Intervaly vstupů čteny jako body ve svých středech (dřívější verze)"_s;
  const struct {
    bool optionCentres;
    std::string file;
    InputReading madeWith;
    QString named;  // empty: the label is hidden
  } cases[] = {{true, results("uniform.Vys"), InputReading::Uniform, uniform},
               {true, legacy, InputReading::Centres, centres},
               {false, legacy, InputReading::Centres, centres},
               {false, results("uniform.Vys"), InputReading::Uniform, {}}};
  auto* label = chart->findChild<QLabel*>(u"LabInputReading"_s);
  ASSERT_NE(label, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + (c.optionCentres ? ", centres chosen" : ", default"));
    if (main->inputCentresItem->isChecked() != c.optionCentres) main->inputCentresItem->trigger();
    dialogs.answerFile(c.file);
    main->openResultsAction->trigger();
    for (const auto& a : dialogs.asked) ADD_FAILURE() << "unexpected dialog: " << a.text;
    EXPECT_EQ(main->project().boltLoadReading.inputs, c.madeWith);
    EXPECT_TRUE(main->project().boltLoadReadingKnown);
    EXPECT_EQ(label->isHidden(), c.named.isEmpty());
    if (!c.named.isEmpty()) {
      EXPECT_EQ(label->text(), c.named);
    }
    if (c.madeWith == InputReading::Uniform) {
      EXPECT_EQ(main->assessment().pf, uniformPf);
    }
  }
}

TEST_F(ResultsFiles, ACutOrMistaggedResultsFileIsRefusedAndTheOpenProjectStays) {
  computeExample();
  dialogs.answerFile(results("Plny.Vys"));
  main->files().saveResults();
  const std::string full = bytesOf(results("Plny.Vys"));
  const ProjectState before = main->project();
  const RmrTables rmrBefore = main->model().rmrTables();
  put(results("Kratky.Vys"), full.substr(0, full.size() / 2));
  std::string wrong = full;
  // The tag of value 4 (nextLayerRow, an integer) made a real: after "POPIS DAT", the version and
  // the stored path.
  wrong[11 + 9 + 2 + results("Plny.Vys").size()] = 5;
  put(results("Spatny.Vys"), wrong);
  for (const char* name : {"Kratky.Vys", "Spatny.Vys"}) {
    dialogs.asked.clear();
    dialogs.answerFile(results(name));
    main->openResultsAction->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u) << name;
    EXPECT_EQ(dialogs.asked[0].caption, "C h y b a");
    EXPECT_NE(dialogs.asked[0].text.find("Soubor je poškozený"), std::string::npos) << dialogs.asked[0].text;
    const ProjectState& now = main->project();
    EXPECT_EQ(now.reliabilityFunction, before.reliabilityFunction);
    EXPECT_EQ(now.layers[0].histogram, before.layers[0].histogram);
    EXPECT_EQ(now.resultsName, before.resultsName);
    EXPECT_EQ(now.assessmentDone, before.assessmentDone);
    EXPECT_EQ(main->model().rmrTables(), rmrBefore);
  }
  EXPECT_NE(dialogs.asked[0].text.find("Neočekávaný typ 5 u hodnoty č. 4 ( nextLayerRow )"),
            std::string::npos)
      << dialogs.asked[0].text;
}

TEST_F(ResultsFiles, OverwritingAsksAndAFailedSaveReportsMessage27LeavingTheOldFile) {
  computeExample();
  put(results("Stary.Vys"), "old results");
  dialogs.answerFile(results("Stary.Vys"));
  dialogs.answer(mrNo);
  main->files().saveResults();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, MessageFormat(6, Language::Czech, {results("Stary.Vys")}));
  EXPECT_EQ(bytesOf(results("Stary.Vys")), "old results");

  const std::string blocked = results("Stary.Vys") + "/Novy.Vys";  // its folder is a file
  dialogs.answerFile(blocked);
  main->files().saveResults();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].text,
            msg(27) + blocked + "\r\n\r\n" + results("Stary.Vys") + " není složka, ale soubor.");
  EXPECT_EQ(bytesOf(results("Stary.Vys")), "old results");
}

TEST_F(ResultsFiles, TheCommandLineGivesWhatTheWindowShowsForTheSameProject) {
  computeExample("Chodba_K12_kombinovana.hor");
  const std::string cli = (QCoreApplication::applicationDirPath() + u"/veltra-cli"_s).toStdString();
  ASSERT_TRUE(std::filesystem::exists(cli)) << "build veltra-cli first";
  QProcess run;
  run.start(QString::fromStdString(cli),
            {u"assess"_s, QString::fromStdString(projects("Chodba_K12_kombinovana.hor")), u"--histograms"_s,
             QString::fromStdString(services->folders.HistogramsFolder)});
  ASSERT_TRUE(run.waitForFinished(60000));
  ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardOutput().toStdString();
  const auto j = nlohmann::json::parse(run.readAllStandardOutput().toStdString());

  const ProjectState& p = main->project();
  const AssessmentResult& a = main->assessment();
  EXPECT_EQ(j["bStar"].get<double>(), p.bStar);
  EXPECT_EQ(j["beta"].get<double>(), p.betaValue);
  EXPECT_EQ(j["m1"].get<double>(), 6.0);
  const std::pair<const char*, const Histogram*> hists[] = {{"reducedStrength", &p.reducedStrength},
                                                            {"boltLength", &p.boltLength},
                                                            {"boltLoad", &p.boltLoad},
                                                            {"bearingCapacity", &p.bearingCapacity},
                                                            {"reliabilityFunction", &p.reliabilityFunction}};
  for (const auto& [key, h] : hists) {
    const auto& jh = j[key];
    ASSERT_EQ(jh["count"].get<int>(), binCount(*h)) << key;
    EXPECT_EQ(jh["min"].get<double>(), h->min) << key;
    EXPECT_EQ(jh["step"].get<double>(), h->step) << key;
    for (int i = 0; i < binCount(*h); ++i)
      ASSERT_EQ(jh["p"][i].get<double>(), h->p[i]) << key << " bin " << i + 1;
  }
  EXPECT_EQ(j["failureMass"].get<double>(), a.failureMass);
  EXPECT_EQ(j["pf"].get<double>(), a.pf);
  EXPECT_EQ(j["classIndex"].get<int>(), a.classIndex);
  ASSERT_EQ(j["quantiles"].size(), 3u);
  for (int i = 0; i < 3; ++i) {
    if (a.quantiles[i])
      EXPECT_EQ(j["quantiles"][i].get<double>(), *a.quantiles[i]);
    else
      EXPECT_TRUE(j["quantiles"][i].is_null());
  }
  // What the assessment panel shows.
  EXPECT_EQ(chartText("Uroven").toStdString(), j["verdict"].get<std::string>());
  EXPECT_EQ(chartText("Edit7").toStdString(), formatNumberShort(j["pf"].get<double>()));
  if (j["betaF"].is_null())
    EXPECT_EQ(chartText("Edit12").toStdString(), msg(233));
  else
    EXPECT_EQ(chartText("Edit12").toStdString(), formatNumber(j["betaF"].get<double>()));
  for (int i = 0; i < 3; ++i)
    if (!j["quantiles"][i].is_null()) {
      EXPECT_EQ(chartText(("Edit" + std::to_string(i + 4)).c_str()).toStdString(),
                formatNumber(j["quantiles"][i].get<double>()));
    }
}

}  // namespace

namespace {

TEST(ResultsCommandLine, AssessesAResultsFileDumpsItsValuesAndRefusesDamage) {
  const QString example = QString::fromUtf8(EXAMPLES_DIR) + u"/Veltra/Results/Chodba_K12.Vys"_s;
  const CliRun assess = runCli({u"assess"_s, example});
  ASSERT_EQ(assess.status, 0);
  EXPECT_EQ(assess.out["classIndex"], 1);
  EXPECT_EQ(assess.out["verdict"], "RC3/CC3");
  EXPECT_EQ(assess.out["quantiles"].size(), 3u);
  const CliRun csn = runCli({u"assess"_s, example, u"--standard"_s, u"1"_s});
  EXPECT_EQ(csn.out["verdict"], MessageText(59, Language::Czech));

  const CliRun dump = runCli({u"results-dump"_s, example});
  ASSERT_EQ(dump.status, 0);
  const auto& values = dump.out["values"];
  ASSERT_GT(values.size(), 6000u);
  EXPECT_EQ(values[0]["value"], "POPIS DAT");
  EXPECT_EQ(values[3]["name"], "nextLayerRow");
  EXPECT_EQ(values[3]["tag"], 2);
  EXPECT_EQ(values.back()["name"], "LRMR");

  QTemporaryDir dir;
  const std::string cut = (dir.path() + u"/cut.Vys"_s).toStdString();
  std::ifstream in(example.toStdString(), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, 1000);
  for (const char* command : {"assess", "results-dump"}) {
    const CliRun refused = runCli({QString::fromUtf8(command), QString::fromStdString(cut)});
    EXPECT_EQ(refused.status, 1) << command;
    EXPECT_EQ(refused.out["error"]["message"], 0) << command;
    EXPECT_NE(refused.out["error"]["text"].get<std::string>().find("končí předčasně"), std::string::npos);
  }
  const CliRun missing = runCli({u"assess"_s, u"/nonexistent/x.hor"_s});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out["error"]["message"], 34);
}

}  // namespace

TEST(ResultsCommandLine, PairValuesChooseThePointsOfThePressureLoop) {
  const QString examples = QString::fromUtf8(EXAMPLES_DIR) + u"/Veltra"_s;
  const QStringList project{u"assess"_s, examples + u"/Projects/Chodba_K12_kombinovana.hor"_s,
                            u"--histograms"_s, examples + u"/Histograms"_s};
  const CliRun byDefault = runCli(project);
  ASSERT_EQ(byDefault.status, 0);
  EXPECT_EQ(byDefault.out["pairValues"], "centres");
  const CliRun centres = runCli(project + QStringList{u"--pair-values"_s, u"centres"_s});
  EXPECT_EQ(centres.out["pairValues"], "centres");
  EXPECT_EQ(centres.out["boltLoad"], byDefault.out["boltLoad"]);
  const CliRun upper = runCli(project + QStringList{u"--pair-values"_s, u"upper-edges"_s});
  ASSERT_EQ(upper.status, 0);
  EXPECT_EQ(upper.out["pairValues"], "upper-edges");
  EXPECT_NE(upper.out["boltLoad"], byDefault.out["boltLoad"]);
  EXPECT_NE(upper.out["boltLength"], byDefault.out["boltLength"]);
  EXPECT_EQ(runCli(project + QStringList{u"--pair-values"_s, u"middle"_s}).status, 2);
}

TEST(ResultsCommandLine, InputReadingChoosesHowTheBinsAreRead) {
  const QString examples = QString::fromUtf8(EXAMPLES_DIR) + u"/Veltra"_s;
  const QStringList files{examples + u"/Projects/Chodba_K12.hor"_s, u"--histograms"_s,
                          examples + u"/Histograms"_s};
  const CliRun byDefault = runCli(QStringList{u"assess"_s} + files);
  ASSERT_EQ(byDefault.status, 0);
  EXPECT_EQ(byDefault.out["inputReading"], "uniform");
  const CliRun uniform =
      runCli(QStringList{u"assess"_s} + files + QStringList{u"--input-reading"_s, u"uniform"_s});
  EXPECT_EQ(uniform.out, byDefault.out);
  const CliRun centres =
      runCli(QStringList{u"assess"_s} + files + QStringList{u"--input-reading"_s, u"centres"_s});
  ASSERT_EQ(centres.status, 0);
  EXPECT_EQ(centres.out["inputReading"], "centres");
  EXPECT_NE(centres.out["reducedStrength"], byDefault.out["reducedStrength"]);
  EXPECT_LT(centres.out["pf"].get<double>(), byDefault.out["pf"].get<double>());
  for (const char* bad : {"Centres", "points", ""})
    EXPECT_EQ(
        runCli(QStringList{u"assess"_s} + files + QStringList{u"--input-reading"_s, QString::fromUtf8(bad)})
            .status,
        2)
        << bad;
  EXPECT_EQ(runCli(QStringList{u"assess"_s} + files + QStringList{u"--input-reading"_s}).status, 2);

  // The RMR of a project rests on R, which follows the reading too.
  const QStringList rated{QString::fromUtf8(TEST_DATA_DIR) + u"/projects/Chodba_K12_RMR.hor"_s,
                          u"--histograms"_s, examples + u"/Histograms"_s};
  const CliRun rmr = runCli(QStringList{u"rmr"_s} + rated);
  const CliRun rmrCentres =
      runCli(QStringList{u"rmr"_s} + rated + QStringList{u"--input-reading"_s, u"centres"_s});
  ASSERT_EQ(rmr.status, 0);
  ASSERT_EQ(rmrCentres.status, 0);
  EXPECT_EQ(rmr.out["inputReading"], "uniform");
  EXPECT_EQ(rmrCentres.out["inputReading"], "centres");
  EXPECT_NE(rmr.out["a"], rmrCentres.out["a"]);
  EXPECT_EQ(runCli(QStringList{u"rmr"_s} + rated + QStringList{u"--input-reading"_s, u"x"_s}).status, 2);
  EXPECT_EQ(runCli(QStringList{u"rmr"_s} + rated + QStringList{u"--ds"_s, u"1000"_s}).status, 2);

  // A results file made with the bin-centre reading is assessed again as it was made, and says so.
  const QString legacy = QString::fromUtf8(TEST_DATA_DIR) + u"/results/Chodba_K12_centres.Vys"_s;
  const CliRun stored = runCli({u"assess"_s, legacy});
  ASSERT_EQ(stored.status, 0);
  EXPECT_EQ(stored.out["inputReading"], "centres");
  EXPECT_EQ(stored.out["storedReadingKnown"], true);
  EXPECT_EQ(stored.out["pf"], centres.out["pf"]);
}

TEST(ResultsCommandLine, VerifyAddsTheSampledPfTheBandAndTheSensitivity) {
  const QString examples = QString::fromUtf8(EXAMPLES_DIR) + u"/Veltra"_s;
  const QStringList verify{u"assess"_s,
                           examples + u"/Projects/Chodba_K12_kombinovana.hor"_s,
                           u"--histograms"_s,
                           examples + u"/Histograms"_s,
                           u"--verify"_s,
                           u"--samples"_s,
                           u"300000"_s,
                           u"--seed"_s,
                           u"3"_s};
  const CliRun a = runCli(verify), b = runCli(verify);
  ASSERT_EQ(a.status, 0);
  const auto& mc = a.out["monteCarlo"];
  EXPECT_EQ(mc["centres"]["samples"], 300000);
  EXPECT_EQ(mc["centres"]["ci95"].size(), 2u);
  EXPECT_TRUE(mc["uniform"]["pf"].is_number());
  EXPECT_EQ(mc["centres"], b.out["monteCarlo"]["centres"]);  // the seed fixes the figures
  EXPECT_EQ(a.out["pfByBins"]["256"], a.out["pf"]);
  EXPECT_TRUE(a.out["pfByBins"]["64"].is_number());
  EXPECT_TRUE(mc["chainInsideCentres"].is_boolean());
  EXPECT_TRUE(mc["chainInsideUniform"].is_boolean());
  // The chain splits these inputs of 24 bins tenfold: refining to 256 bins is the chain itself.
  for (const char* level : {"refine16", "refine64", "refine256"})
    EXPECT_TRUE(a.out["pfByBins"][level].is_number()) << level;
  EXPECT_EQ(a.out["pfByBins"]["refine256"], a.out["pf"]);
  const auto& rows = a.out["sensitivity"];
  ASSERT_EQ(rows.size(), 9u);  // three layers, B, Kn, RMR, gamma, q, SigmaR
  for (const auto& r : rows) EXPECT_TRUE(r["pf05"].is_number() && r["pf95"].is_number()) << r["input"];
  EXPECT_FALSE(runCli({u"assess"_s, examples + u"/Projects/Chodba_K12.hor"_s, u"--histograms"_s,
                       examples + u"/Histograms"_s})
                   .out.contains("monteCarlo"));
  EXPECT_EQ(runCli(verify + QStringList{u"--cov"_s, u"0"_s}).status, 2);
}
