// The raw data window from a file of 500000 values to its histogram on screen: reading, sorting,
// statistics, value list, histogram, tables, charts and the first paint of the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "persistence/SettingsFile.h"
#include "ui/FitTableWindow.h"
#include "ui/RawDataWindow.h"
#include "ui/Services.h"

namespace {

// Resident memory of the process in kB.
long residentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// A raw data file of n gamma values, written like a laboratory export (six decimals, CR LF).
void writeRawFile(const std::string& path, long n) {
  std::mt19937_64 rng(20261210);
  std::gamma_distribution<double> g(4.0, 5.0);
  std::string s;
  s.reserve(static_cast<size_t>(n) * 12);
  char buf[32];
  for (long i = 0; i < n; ++i) {
    std::snprintf(buf, sizeof buf, "%.6f\r\n", g(rng));
    s += buf;
  }
  std::ofstream(path, std::ios::binary) << s;
}

struct Bench {
  QTemporaryDir tmp;
  std::unique_ptr<SettingsFile> settings;
  std::unique_ptr<Services> services;
  std::unique_ptr<FitTableWindow> table;
  std::unique_ptr<RawDataWindow> window;

  Bench() {
    const std::string dir = tmp.path().toStdString();
    settings = std::make_unique<SettingsFile>(dir + "/Veltra.INI");
    services = std::make_unique<Services>(Services{dialogs(), *settings, {}, "1.5.6.5", {}, {}});
    services->folders = deriveAppFolders(dir + "/Documents", dir);
    table = std::make_unique<FitTableWindow>(*services);
    services->windows.fitTable = table.get();
    window = std::make_unique<RawDataWindow>(*services);
    services->windows.rawData = window.get();
    window->resize(1400, 820);
    window->show();
    QCoreApplication::processEvents();
  }
  ~Bench() {
    services->windows.rawData = nullptr;
    services->windows.fitTable = nullptr;
    window.reset();
    table.reset();
  }
};

}  // namespace

// Open to histogram shown: LoadFile and the events that lay out and paint the window.
static void BM_RawDataWindowOpen(benchmark::State& state) {
  Bench b;
  const std::string file = b.tmp.path().toStdString() + "/values.txt";
  writeRawFile(file, state.range(0));
  QCoreApplication::processEvents();
  const long idle = residentKb();
  long peak = idle;
  for (auto _ : state) {
    if (!b.window->LoadFile(file)) state.SkipWithError("the file was refused");
    QCoreApplication::processEvents();
    peak = std::max(peak, residentKb());
  }
  state.counters["residentAboveIdleMB"] = static_cast<double>(peak - idle) / 1024.0;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RawDataWindowOpen)
    ->Arg(500000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Marks switched on over the 128 bars of the 500000-value histogram, and off again.
static void BM_RawDataWindowMarks(benchmark::State& state) {
  Bench b;
  const std::string file = b.tmp.path().toStdString() + "/values.txt";
  writeRawFile(file, 500000);
  b.window->LoadFile(file);
  QCoreApplication::processEvents();
  auto* marks = b.window->findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
  for (auto _ : state) {
    marks->click();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_RawDataWindowMarks)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
