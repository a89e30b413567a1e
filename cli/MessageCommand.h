#pragma once

/// veltra-cli message N [--lang cs|en]; returns the exit code.
int runMessageCommand(int argc, char* argv[]);
