#pragma once

/// veltra-cli generate TYPE P1 [P2 [P3 [P4]]] [--eps E] [--intervals N] [--lang cs|en]; argv[1] is
/// "generate". Prints the histogram JSON with "valid"; 0 on success, 1 on a refusal, 2 on a usage error.
int runGenerateCommand(int argc, char* argv[]);
