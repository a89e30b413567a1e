#pragma once

/// veltra-cli rawdata FILE.txt [--intervals N] [--min X] [--max Y] [--lang cs|en]; argv[1] is "rawdata".
/// Prints count, mean, standardDeviation, skewness, histogram, median and mode as JSON; 0 on success,
/// 1 on a refusal, 2 on a usage error.
int runRawDataCommand(int argc, char* argv[]);
