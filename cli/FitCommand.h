#pragma once

/// veltra-cli fit FILE.txt [--intervals N] [--eps E] [--lang cs|en]; argv[1] is "fit".
/// Prints the suitable distribution types in ranking order as JSON; 0 on success, 1 on a refusal,
/// 2 on a usage error.
int runFitCommand(int argc, char* argv[]);
