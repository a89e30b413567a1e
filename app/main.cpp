#include <QApplication>
#include <iostream>

#include "ui/CommandLineFiles.h"
#include "ui/ReportCommand.h"
#include "ui/Startup.h"

int main(int argc, char* argv[]) {
  if (isReportCommand(argc, argv)) {
    // The report needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runReportCommand(argc, argv);
  }
  // Help and version need no display either.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const ProgramArguments asked = parseProgramArguments(arguments);
  if (asked.action == ProgramArguments::Action::Help) {
    std::cout << programUsage();
    return 0;
  }
  if (asked.action == ProgramArguments::Action::Version) {
    std::cout << VELTRA_VERSION << '\n';
    return 0;
  }
  QApplication app(argc, argv);
  return runVeltra(app);
}
