#include <cstring>
#include <iostream>

#include "AssessCommand.h"
#include "DesignCommand.h"
#include "FitCommand.h"
#include "GenerateCommand.h"
#include "HistogramCommand.h"
#include "MessageCommand.h"
#include "RawDataCommand.h"
#include "ResultsCommand.h"
#include "RmrCommand.h"

int main(int argc, char* argv[]) {
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << VELTRA_VERSION << '\n';
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "message") == 0) return runMessageCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "histogram") == 0) return runHistogramCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "assess") == 0) return runAssessCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "design") == 0) return runDesignCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "results-dump") == 0) return runResultsDumpCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "generate") == 0) return runGenerateCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "rawdata") == 0) return runRawDataCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "fit") == 0) return runFitCommand(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "rmr") == 0) return runRmrCommand(argc, argv);
  std::cerr << "usage: veltra-cli --version | message N [--lang cs|en] | histogram ... | assess FILE ... | "
               "design PROJECT.hor ... | "
               "results-dump RESULTS.Vys | generate TYPE P1 ... | rawdata FILE.txt ... | fit FILE.txt ... | "
               "rmr PROJECT.hor ...\n";
  return 2;
}
