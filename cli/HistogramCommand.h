#pragma once

/// veltra-cli histogram read|add|sub|mul|scale|characteristics ...; argv[1] is "histogram".
/// Prints JSON (or the characteristics text); 0 on success, 1 on a refusal, 2 on a usage error.
int runHistogramCommand(int argc, char* argv[]);
