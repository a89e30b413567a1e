#pragma once

/// veltra-cli rmr PROJECT.hor [--histograms DIR] [--lang cs|en]
/// Runs the chain up to the reduced strength, rates the rock mass from the project's RMR tables and
/// prints the sum, D, the median, the class and the strength-rating and RMR histograms as JSON.
int runRmrCommand(int argc, char* argv[]);
