#pragma once

/// veltra-cli results-dump RESULTS.Vys [--lang cs|en]: every stored value of a results file in
/// order, as JSON.
int runResultsDumpCommand(int argc, char* argv[]);
