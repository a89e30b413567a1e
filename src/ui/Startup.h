#pragma once

class QApplication;

/// Creates the windows in their order, runs the event loop and returns the exit code.
int runVeltra(QApplication& app);
