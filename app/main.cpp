#include <QApplication>

#include "ui/Startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  return runVeltra(app);
}
