#pragma once

/// True when the command line asks for a report (`--report` among the arguments).
bool isReportCommand(int argc, char* argv[]);

/// veltra --report PROJECT.hor|RESULTS.Vys [--histograms DIR] -o FILE.pdf [--lang cs|en]
/// Assesses the file as veltra-cli assess does and writes the assessment report; prints
/// {"report":PATH,"pages":N,"pf":PF,"verdict":TEXT}. A refusal exits 1 with
/// {"error":{"message":N,"text":"..."}}, a usage error 2. Needs a QApplication.
int runReportCommand(int argc, char* argv[]);
