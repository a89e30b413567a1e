#pragma once

/// veltra-cli assess PROJECT.hor [--histograms DIR] [--ds MM] [--standard 0|1] [--lang cs|en]
/// veltra-cli assess RESULTS.Vys [--standard 0|1] [--lang cs|en]
/// Runs the computation chain (or, for a results file, the assessment again) and prints the
/// assessment as JSON.
int runAssessCommand(int argc, char* argv[]);
