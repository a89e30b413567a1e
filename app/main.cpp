#include <QApplication>

#include "ui/ReportCommand.h"
#include "ui/Startup.h"

int main(int argc, char* argv[]) {
  if (isReportCommand(argc, argv)) {
    // The report needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runReportCommand(argc, argv);
  }
  QApplication app(argc, argv);
  return runVeltra(app);
}
